<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Colors</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Vert billet</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crème</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Gris moyen</translation>
    </message>
    <message>
        <source>Scroll Bar</source>
        <translation>Barre de défilement</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Active Caption</source>
        <translation>Titre actif</translation>
    </message>
    <message>
        <source>Inactive Caption</source>
        <translation>Titre inactif</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Window Frame</source>
        <translation>Cadre de fenêtre</translation>
    </message>
    <message>
        <source>Menu Text</source>
        <translation>Texte de menu</translation>
    </message>
    <message>
        <source>Window Text</source>
        <translation>Texte de fenêtre</translation>
    </message>
    <message>
        <source>Caption Text</source>
        <translation>Texte de titre</translation>
    </message>
    <message>
        <source>Active Border</source>
        <translation>Bordure active</translation>
    </message>
    <message>
        <source>Inactive Border</source>
        <translation>Bordure inactive</translation>
    </message>
    <message>
        <source>Application Workspace</source>
        <translation>Espace de travail de l&apos;application</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Highlight Text</source>
        <translation>Texte sélectionné</translation>
    </message>
    <message>
        <source>Button Face</source>
        <translation>Face de bouton</translation>
    </message>
    <message>
        <source>Button Shadow</source>
        <translation>Ombre de bouton</translation>
    </message>
    <message>
        <source>Gray Text</source>
        <translation>Texte grisé</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Texte de bouton</translation>
    </message>
    <message>
        <source>Inactive Caption Text</source>
        <translation>Texte du titre inactif</translation>
    </message>
    <message>
        <source>Button Highlight</source>
        <translation>Reflet de bouton</translation>
    </message>
    <message>
        <source>3D Dark Shadow</source>
        <translation>Ombre foncée 3D</translation>
    </message>
    <message>
        <source>3D Light</source>
        <translation>Lumière 3D</translation>
    </message>
    <message>
        <source>Info Text</source>
        <translation>Texte d&apos;info-bulle</translation>
    </message>
    <message>
        <source>Info Background</source>
        <translation>Fond d&apos;info-bulle</translation>
    </message>
    <message>
        <source>Hot Light</source>
        <translation>Élément survolé</translation>
    </message>
    <message>
        <source>Gradient Active Caption</source>
        <translation>Dégradé du titre actif</translation>
    </message>
    <message>
        <source>Gradient Inactive Caption</source>
        <translation>Dégradé du titre inactif</translation>
    </message>
    <message>
        <source>Menu Highlight</source>
        <translation>Sélection de menu</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Barre de menus</translation>
    </message>
</context>
<context>
    <name>Constants</name>
    <message>
        <source>Speed Of Light (m/s)</source>
        <translation>Vitesse de la lumière (m/s)</translation>
    </message>
    <message>
        <source>Charg of an electron (C)</source>
        <translation>Charge de l&apos;électron (C)</translation>
    </message>
    <message>
        <source>Avogadro Constant (1/mol)</source>
        <translation>Constante d&apos;Avogadro (1/mol)</translation>
    </message>
    <message>
        <source>Gas Constant (J/K.mol)</source>
        <translation>Constante des gaz parfaits (J/K.mol)</translation>
    </message>
    <message>
        <source>Gas Constant (bar.dm^3/K.mol)</source>
        <translation>Constante des gaz parfaits (bar.dm^3/K.mol)</translation>
    </message>
    <message>
        <source>Gas Constant (atm.dm^3/K.mol)</source>
        <translation>Constante des gaz parfaits (atm.dm^3/K.mol)</translation>
    </message>
    <message>
        <source>Molar Volume At STP atm  (dm^3/mol)</source>
        <translation>Volume molaire aux CNTP, atm (dm^3/mol)</translation>
    </message>
    <message>
        <source>Molar VolumeAt NSTP bar (dm^3/mol)</source>
        <translation>Volume molaire aux NSTP, bar (dm^3/mol)</translation>
    </message>
    <message>
        <source>Boltzmann Constant (J/K)</source>
        <translation>Constante de Boltzmann (J/K)</translation>
    </message>
    <message>
        <source>Planck constant (J.s)</source>
        <translation>Constante de Planck (J.s)</translation>
    </message>
    <message>
        <source>Faraday Constant (C/mol)</source>
        <translation>Constante de Faraday (C/mol)</translation>
    </message>
    <message>
        <source>Electron Rest Mass (kg)</source>
        <translation>Masse au repos de l&apos;électron (kg)</translation>
    </message>
    <message>
        <source>Proton Rest Mass (kg)</source>
        <translation>Masse au repos du proton (kg)</translation>
    </message>
    <message>
        <source>Rydberg Constant (1/m)</source>
        <translation>Constante de Rydberg (1/m)</translation>
    </message>
    <message>
        <source>Permittivity Of Vacuum (C^2/N.m^-2) or (F/m)</source>
        <translation>Permittivité du vide (C^2/N.m^-2) ou (F/m)</translation>
    </message>
    <message>
        <source>Standard acceleration of Gravity (m/s^2)</source>
        <translation>Accélération normale de la pesanteur (m/s^2)</translation>
    </message>
    <message>
        <source>Atomic Mass Unit (kg)</source>
        <translation>Unité de masse atomique (kg)</translation>
    </message>
    <message>
        <source>Bohr Radius (m)</source>
        <translation>Rayon de Bohr (m)</translation>
    </message>
    <message>
        <source>Proton Rest Mass (amu)</source>
        <translation>Masse au repos du proton (u)</translation>
    </message>
    <message>
        <source>Neutron Rest Mass (kg)</source>
        <translation>Masse au repos du neutron (kg)</translation>
    </message>
    <message>
        <source>Neutron Rest Mass (amu)</source>
        <translation>Masse au repos du neutron (u)</translation>
    </message>
    <message>
        <source>Electron Rest Mass (amu)</source>
        <translation>Masse au repos de l&apos;électron (u)</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Atomic Weight...</source>
        <translation>Masse atomique...</translation>
    </message>
    <message>
        <source>Coulomb Constant (N.m^2/C^2)</source>
        <translation>Constante de Coulomb (N.m^2/C^2)</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hydrogène</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Béryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bore</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbone</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azote</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxygène</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Sodium (Natrium)</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésium</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicium</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphore</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Soufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlore</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium (Kalium)</source>
        <translation>Potassium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandium</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titane</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrome</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganèse</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Fer</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallium</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsenic</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Sélénium</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brome</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Krypton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Strontium</translation>
    </message>
    <message>
        <source>Yittrium</source>
        <translation>Yttrium</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niobium</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdène</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technétium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthénium</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rhodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indium</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Étain</translation>
    </message>
    <message>
        <source>Antimony (Stibium)</source>
        <translation>Antimoine</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellure</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iode</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xénon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Baryum</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthane</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cérium</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praséodyme</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Néodyme</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prométhium</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samarium</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europium</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinium</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbium</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysprosium</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmium</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbium</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Thulium</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Ytterbium</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutécium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantale</translation>
    </message>
    <message>
        <source>Tungsten (Wolfram)</source>
        <translation>Tungstène</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhénium</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmium</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridium</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platine</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomb</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuth</translation>
    </message>
    <message>
        <source>Polnium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astate</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francium</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radium</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinium</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Thorium</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinium</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranium</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunium</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonium</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Américium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkélium</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californium</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einsteinium</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermium</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendélévium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélium</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencium</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordium</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnium</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgium</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrium</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hassium</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnérium</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstadtium</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgenium</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernicium</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flérovium</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermorium</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesson</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonium</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscovium</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Tennesse</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Not enough memory to finish the line; the window goes on without it</source>
        <translation>Mémoire insuffisante pour terminer la ligne ; la fenêtre continue sans elle</translation>
    </message>
</context>
<context>
    <name>ModeLine</name>
    <message>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radians</translation>
    </message>
    <message>
        <source>Grads</source>
        <translation>Grades</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
</context>
<context>
    <name>ResultsFontDialog</name>
    <message>
        <source>Results text colour</source>
        <translation>Couleur du texte des résultats</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Unable to print: the printer could not be started</source>
        <translation>Impossible d&apos;imprimer : l&apos;imprimante n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>Unable to print: the printer refused a new page</source>
        <translation>Impossible d&apos;imprimer : l&apos;imprimante a refusé une nouvelle page</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur :</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source> … [%1 more characters]</source>
        <translation> … [%1 caractères de plus]</translation>
    </message>
    <message>
        <source>Nothing in result to be saved</source>
        <translation>Rien à enregistrer dans les résultats</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
    </message>
    <message>
        <source>Brisalto Calculator</source>
        <translation>Calculatrice Brisalto</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>it would grow past what is read back; remove the lines the calculator does not use</source>
        <translation>il dépasserait ce qui est relu ; supprimez les lignes que la calculatrice n&apos;utilise pas</translation>
    </message>
</context>
<context>
    <name>brisalto::TMainForm</name>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>results</source>
        <translation>résultats</translation>
    </message>
    <message>
        <source>every command line run, with its answer or error</source>
        <translation>chaque ligne de commande exécutée, avec sa réponse ou son erreur</translation>
    </message>
    <message>
        <source>mode line</source>
        <translation>ligne de mode</translation>
    </message>
    <message>
        <source>the angle mode and the number format</source>
        <translation>le mode d&apos;angle et le format des nombres</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>ligne de commande</translation>
    </message>
    <message>
        <source>an expression or a command; Enter runs it</source>
        <translation>une expression ou une commande ; Entrée l&apos;exécute</translation>
    </message>
    <message>
        <source>runs the command line</source>
        <translation>exécute la ligne de commande</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>runs the command line, as Go does</source>
        <translation>exécute la ligne de commande, comme OK</translation>
    </message>
    <message>
        <source>mouse pad</source>
        <translation>pavé de souris</translation>
    </message>
    <message>
        <source>keys that insert into the command line</source>
        <translation>touches qui insèrent dans la ligne de commande</translation>
    </message>
    <message>
        <source>Last Commad</source>
        <translation>Dernière commande</translation>
    </message>
    <message>
        <source>About... (about)</source>
        <translation>À propos... (about)</translation>
    </message>
    <message>
        <source>Save Result as... (save)</source>
        <translation>Enregistrer le résultat sous... (save)</translation>
    </message>
    <message>
        <source>PrintSetup...</source>
        <translation>Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Print... (print)</source>
        <translation>Imprimer... (print)</translation>
    </message>
    <message>
        <source>Exit (exit)</source>
        <translation>Quitter (exit)</translation>
    </message>
    <message>
        <source>Results window Font...</source>
        <translation>Police de la fenêtre des résultats...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Past</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Contents... (help)</source>
        <translation>Sommaire... (help)</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Effacer les résultats</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Mouse Tools</source>
        <translation>Outils souris</translation>
    </message>
    <message>
        <source>Show values (var)</source>
        <translation>Afficher les valeurs (var)</translation>
    </message>
    <message>
        <source>Clear all variables (clear)</source>
        <translation>Effacer toutes les variables (clear)</translation>
    </message>
    <message>
        <source>Background Colors...</source>
        <translation>Couleurs d&apos;arrière-plan...</translation>
    </message>
    <message>
        <source>Precision...</source>
        <translation>Précision...</translation>
    </message>
    <message>
        <source>Units Conversions...</source>
        <translation>Conversions d&apos;unités...</translation>
    </message>
    <message>
        <source>Molar Mass...</source>
        <translation>Masse molaire...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Clear results window (cls)</source>
        <translation>Effacer la fenêtre des résultats (cls)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Automatic format (auto)</source>
        <translation>Format automatique (auto)</translation>
    </message>
    <message>
        <source>Scientific format (sci)</source>
        <translation>Format scientifique (sci)</translation>
    </message>
    <message>
        <source>Fixed format (fix)</source>
        <translation>Format fixe (fix)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Current mode (mod)</source>
        <translation>Mode actuel (mod)</translation>
    </message>
    <message>
        <source>Degrees mode (deg)</source>
        <translation>Mode degrés (deg)</translation>
    </message>
    <message>
        <source>Radian mode (rad)</source>
        <translation>Mode radians (rad)</translation>
    </message>
    <message>
        <source>Grads mode (grd)</source>
        <translation>Mode grades (grd)</translation>
    </message>
    <message>
        <source>Cycle mode (cyc)</source>
        <translation>Mode cycles (cyc)</translation>
    </message>
    <message>
        <source>Variables</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>History notice</source>
        <translation>Avis sur l&apos;historique</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>Historique : %1</translation>
    </message>
    <message>
        <source>Reaction...</source>
        <translation>Réaction...</translation>
    </message>
    <message>
        <source>Solution...</source>
        <translation>Solution...</translation>
    </message>
</context>
<context>
    <name>brisalto::TMolWtForm</name>
    <message>
        <source>IA</source>
        <translation>IA</translation>
    </message>
    <message>
        <source>IIA</source>
        <translation>IIA</translation>
    </message>
    <message>
        <source>IIIB</source>
        <translation>IIIB</translation>
    </message>
    <message>
        <source>IVB</source>
        <translation>IVB</translation>
    </message>
    <message>
        <source>VB</source>
        <translation>VB</translation>
    </message>
    <message>
        <source>VIB</source>
        <translation>VIB</translation>
    </message>
    <message>
        <source>VIIB</source>
        <translation>VIIB</translation>
    </message>
    <message>
        <source>VIIIB</source>
        <translation>VIIIB</translation>
    </message>
    <message>
        <source>IB</source>
        <translation>IB</translation>
    </message>
    <message>
        <source>IIB</source>
        <translation>IIB</translation>
    </message>
    <message>
        <source>IIIA</source>
        <translation>IIIA</translation>
    </message>
    <message>
        <source>IVA</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>VA</source>
        <translation>VA</translation>
    </message>
    <message>
        <source>VIA</source>
        <translation>VIA</translation>
    </message>
    <message>
        <source>VIIA</source>
        <translation>VIIA</translation>
    </message>
    <message>
        <source>VIIIA</source>
        <translation>VIIIA</translation>
    </message>
    <message>
        <source>Atomic Weight</source>
        <translation>Masse atomique</translation>
    </message>
    <message>
        <source>Choose an element to insert its atomic weight</source>
        <translation>Choisissez un élément pour insérer sa masse atomique</translation>
    </message>
    <message>
        <source>Periodic table</source>
        <translation>Tableau périodique</translation>
    </message>
    <message>
        <source>Main-Group Elements</source>
        <translation>Éléments des groupes principaux</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Métaux de transition</translation>
    </message>
    <message>
        <source>Selected Element:</source>
        <translation>Élément choisi :</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Tableau périodique des éléments</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Inner-Transition Metals</source>
        <translation>Métaux de transition interne</translation>
    </message>
    <message>
        <source>*Lanthanides</source>
        <translation>*Lanthanides</translation>
    </message>
    <message>
        <source>**Actinides</source>
        <translation>**Actinides</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Atomic number %1</source>
        <translation>Numéro atomique %1</translation>
    </message>
    <message>
        <source>%1  Atomic Weight: %2 g/mol</source>
        <translation>%1  Masse atomique : %2 g/mol</translation>
    </message>
    <message>
        <source>Atomic Number: %1</source>
        <translation>Numéro atomique : %1</translation>
    </message>
</context>
</TS>
