<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Chemistry</name>
    <message>
        <source>the formula is empty</source>
        <translation>la formule est vide</translation>
    </message>
    <message>
        <source>%1 is not an element</source>
        <translation>%1 n’est pas un élément</translation>
    </message>
    <message>
        <source>%1 is not an element: a symbol begins with a capital letter</source>
        <translation>%1 n’est pas un élément : un symbole commence par une majuscule</translation>
    </message>
    <message>
        <source>%1 is not closed</source>
        <translation>%1 n’est pas fermée</translation>
    </message>
    <message>
        <source>%1 has no opening bracket</source>
        <translation>%1 n’a pas de parenthèse ouvrante</translation>
    </message>
    <message>
        <source>%1 does not close %2</source>
        <translation>%1 ne ferme pas %2</translation>
    </message>
    <message>
        <source>%1 holds nothing</source>
        <translation>%1 ne contient rien</translation>
    </message>
    <message>
        <source>a count or coefficient must be at least 1</source>
        <translation>un indice ou un coefficient vaut au moins 1</translation>
    </message>
    <message>
        <source>%1 is too large: counts go up to 1000000</source>
        <translation>%1 est trop grand : les indices vont jusqu’à 1000000</translation>
    </message>
    <message>
        <source>%1 is not a whole number: counts and coefficients are whole numbers</source>
        <translation>%1 n’est pas un nombre entier : indices et coefficients sont des entiers</translation>
    </message>
    <message>
        <source>%1 cannot stand here: a count follows an element or a closing bracket</source>
        <translation>%1 ne peut pas figurer ici : un indice suit un élément ou une parenthèse fermante</translation>
    </message>
    <message>
        <source>%1 must be followed by an element or a bracket</source>
        <translation>%1 doit être suivi d’un élément ou d’une parenthèse</translation>
    </message>
    <message>
        <source>%1 must follow an element or a bracket</source>
        <translation>%1 doit suivre un élément ou une parenthèse</translation>
    </message>
    <message>
        <source>charges are not part of a formula</source>
        <translation>les charges ne font pas partie d’une formule</translation>
    </message>
    <message>
        <source>%1 cannot stand in a formula</source>
        <translation>%1 ne peut pas figurer dans une formule</translation>
    </message>
    <message>
        <source>the formula is too large to weigh</source>
        <translation>la formule est trop grande pour en calculer la masse</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (au caractère %2)</translation>
    </message>
    <message>
        <source>a reaction needs = or -&gt; between its two sides</source>
        <translation>une réaction a besoin de = ou -&gt; entre ses deux membres</translation>
    </message>
    <message>
        <source>the reaction is empty</source>
        <translation>la réaction est vide</translation>
    </message>
    <message>
        <source>a reaction has one arrow</source>
        <translation>une réaction n’a qu’une flèche</translation>
    </message>
    <message>
        <source>the left side is empty</source>
        <translation>le membre de gauche est vide</translation>
    </message>
    <message>
        <source>the right side is empty</source>
        <translation>le membre de droite est vide</translation>
    </message>
    <message>
        <source>a species is missing around +</source>
        <translation>il manque une espèce autour de +</translation>
    </message>
    <message>
        <source>%1 is not a whole number: coefficients are whole numbers</source>
        <translation>%1 n’est pas un nombre entier : les coefficients sont des entiers</translation>
    </message>
    <message>
        <source>%1 is too large: coefficients go up to 1000000</source>
        <translation>%1 est trop grand : les coefficients vont jusqu’à 1000000</translation>
    </message>
    <message>
        <source>a coefficient must be at least 1</source>
        <translation>un coefficient vaut au moins 1</translation>
    </message>
    <message>
        <source>%1 is not a charge: write it as ^2+, ^- or ³⁺</source>
        <translation>%1 n’est pas une charge : écrivez-la ^2+, ^- ou ³⁺</translation>
    </message>
    <message>
        <source>the electron is written e^-</source>
        <translation>l’électron s’écrit e^-</translation>
    </message>
    <message>
        <source>%1 appears only on the left</source>
        <translation>%1 n’apparaît qu’à gauche</translation>
    </message>
    <message>
        <source>%1 appears only on the right</source>
        <translation>%1 n’apparaît qu’à droite</translation>
    </message>
    <message>
        <source>the reaction cannot be balanced: no whole coefficients conserve every element and the charge</source>
        <translation>la réaction ne peut pas être équilibrée : aucun coefficient entier ne conserve chaque élément et la charge</translation>
    </message>
    <message>
        <source>the reaction has more than one independent balance; it is made of: %1</source>
        <translation>la réaction a plus d’un équilibrage indépendant ; elle se compose de : %1</translation>
    </message>
    <message>
        <source>the reaction has more than one independent balance; it is made of: %1; and %2 more</source>
        <translation>la réaction a plus d’un équilibrage indépendant ; elle se compose de : %1 ; et %2 autres</translation>
    </message>
    <message>
        <source>%1 takes no part: its coefficient would be 0</source>
        <translation>%1 ne participe pas : son coefficient serait 0</translation>
    </message>
    <message>
        <source>%1 would need a negative coefficient: it belongs on the other side</source>
        <translation>%1 demanderait un coefficient négatif : sa place est dans l’autre membre</translation>
    </message>
    <message>
        <source>%1 does not balance: %2 on the left, %3 on the right</source>
        <translation>%1 n’est pas équilibré : %2 à gauche, %3 à droite</translation>
    </message>
    <message>
        <source>the charge does not balance: %1 on the left, %2 on the right</source>
        <translation>la charge n’est pas équilibrée : %1 à gauche, %2 à droite</translation>
    </message>
    <message>
        <source>the coefficients are too large to compute exactly</source>
        <translation>les coefficients sont trop grands pour être calculés exactement</translation>
    </message>
    <message>
        <source>a reaction has at most 500 species</source>
        <translation>une réaction compte au plus 500 espèces</translation>
    </message>
    <message>
        <source>%1 needs a species and an amount: &apos;H2O=10 g&apos;</source>
        <translation>%1 demande une espèce et une quantité : &apos;H2O=10 g&apos;</translation>
    </message>
    <message>
        <source>%1 is not a species of the reaction</source>
        <translation>%1 n’est pas une espèce de la réaction</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>give the amounts of reactants, or of one product, not both</source>
        <translation>donnez les quantités des réactifs, ou d’un produit, pas les deux</translation>
    </message>
    <message>
        <source>the actual yield is of a product: %1</source>
        <translation>le rendement obtenu porte sur un produit : %1</translation>
    </message>
    <message>
        <source>a number is missing</source>
        <translation>il manque un nombre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1 needs a unit: 10 g, 25 mL, 0.1 M</source>
        <translation>%1 demande une unité : 10 g, 25 mL, 0.1 M</translation>
    </message>
    <message>
        <source>%1 is not a unit of mass, amount, volume or concentration</source>
        <translation>%1 n’est pas une unité de masse, de quantité de matière, de volume ou de concentration</translation>
    </message>
    <message>
        <source>%1 must be greater than 0</source>
        <translation>%1 doit être supérieur à 0</translation>
    </message>
    <message>
        <source>an amount is a mass (10 g), moles (0.5 mol) or a volume with a concentration (25 mL 0.1 M)</source>
        <translation>une quantité est une masse (10 g), des moles (0.5 mol) ou un volume avec une concentration (25 mL 0.1 M)</translation>
    </message>
    <message>
        <source>a dilution needs three of C1, V1, C2, V2</source>
        <translation>une dilution demande trois de C1, V1, C2, V2</translation>
    </message>
    <message>
        <source>C1 and C2 must both be molar (M) or both by mass (g/L, % w/v)</source>
        <translation>C1 et C2 doivent être toutes deux molaires (M) ou toutes deux massiques (g/L, % w/v)</translation>
    </message>
    <message>
        <source>C2 is above C1: a dilution only lowers the concentration</source>
        <translation>C2 dépasse C1 : une dilution ne fait que baisser la concentration</translation>
    </message>
    <message>
        <source>%1 is not a volume</source>
        <translation>%1 n’est pas un volume</translation>
    </message>
    <message>
        <source>%1 is not a mass</source>
        <translation>%1 n’est pas une masse</translation>
    </message>
    <message>
        <source>%1 is not a concentration</source>
        <translation>%1 n’est pas une concentration</translation>
    </message>
    <message>
        <source>the numbers are too large</source>
        <translation>les nombres sont trop grands</translation>
    </message>
    <message>
        <source>the whole-number library %1 cannot be loaded</source>
        <translation>la bibliothèque d’entiers %1 ne peut pas être chargée</translation>
    </message>
    <message>
        <source>the whole-number library %1 lacks %2</source>
        <translation>il manque %2 à la bibliothèque d’entiers %1</translation>
    </message>
    <message>
        <source>Dissolve %1 g of %2 in water and make up to %3</source>
        <translation>Dissoudre %1 g de %2 dans l’eau et compléter à %3</translation>
    </message>
    <message>
        <source>Limiting reactant: %1</source>
        <translation>Réactif limitant : %1</translation>
    </message>
    <message>
        <source>Left over: %1 %2 mol, %3 g</source>
        <translation>En excès : %1 %2 mol, %3 g</translation>
    </message>
    <message>
        <source>Percent yield of %1: %2 %</source>
        <translation>Rendement de %1 : %2 %</translation>
    </message>
</context>
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
    <name>ErrorPlace</name>
    <message>
        <source>a number or a bracket after %1</source>
        <translation>un nombre ou une parenthèse après %1</translation>
    </message>
    <message>
        <source>a number or a bracket before %1</source>
        <translation>un nombre ou une parenthèse avant %1</translation>
    </message>
    <message>
        <source>a closing bracket for this %1</source>
        <translation>une parenthèse fermante pour %1</translation>
    </message>
    <message>
        <source>an opening bracket for this %1</source>
        <translation>une parenthèse ouvrante pour %1</translation>
    </message>
    <message>
        <source>a number or an expression inside the brackets</source>
        <translation>un nombre ou une expression entre les parenthèses</translation>
    </message>
    <message>
        <source>an operator before %1</source>
        <translation>un opérateur avant %1</translation>
    </message>
    <message>
        <source>a bracket after %1, as in %1(x)</source>
        <translation>une parenthèse après %1, comme dans %1(x)</translation>
    </message>
    <message>
        <source>a number or a variable instead of %1</source>
        <translation>un nombre ou une variable au lieu de %1</translation>
    </message>
    <message>
        <source>a variable before %1, as in B=2</source>
        <translation>une variable avant %1, comme dans B=2</translation>
    </message>
    <message>
        <source>a function name: there is no function %1</source>
        <translation>un nom de fonction : il n’existe pas de fonction %1</translation>
    </message>
    <message>
        <source>another function: %1 computes nothing</source>
        <translation>une autre fonction : %1 ne calcule rien</translation>
    </message>
    <message>
        <source>a variable A to N or P: there is no %1</source>
        <translation>une variable de A à N ou P : %1 n’existe pas</translation>
    </message>
    <message>
        <source>a number such as 1.5 or 2E-3 instead of %1</source>
        <translation>un nombre comme 1.5 ou 2E-3 au lieu de %1</translation>
    </message>
    <message>
        <source>a whole number before ! instead of %1</source>
        <translation>un nombre entier avant ! au lieu de %1</translation>
    </message>
    <message>
        <source>a divisor other than 0 after %1</source>
        <translation>un diviseur différent de 0 après %1</translation>
    </message>
    <message>
        <source>values that %1 can take</source>
        <translation>des valeurs que %1 accepte</translation>
    </message>
    <message>
        <source>smaller values: the result of %1 is too large</source>
        <translation>des valeurs plus petites : le résultat de %1 est trop grand</translation>
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
    <name>FunctionHelp</name>
    <message>
        <source>cos(x): cosine of x, x in the angle mode (now %1)</source>
        <translation>cos(x) : cosinus de x, x dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>sin(x): sine of x, x in the angle mode (now %1)</source>
        <translation>sin(x) : sinus de x, x dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>tan(x): tangent of x, x in the angle mode (now %1)</source>
        <translation>tan(x) : tangente de x, x dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>cot(x): cotangent of x, x in the angle mode (now %1)</source>
        <translation>cot(x) : cotangente de x, x dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>sec(x): secant of x, x in the angle mode (now %1)</source>
        <translation>sec(x) : sécante de x, x dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>csc(x): cosecant of x, x in the angle mode (now %1)</source>
        <translation>csc(x) : cosécante de x, x dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>xcos(x): inverse cosine of x, given in the angle mode (now %1)</source>
        <translation>xcos(x) : arc cosinus de x, dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>xsin(x): inverse sine of x, given in the angle mode (now %1)</source>
        <translation>xsin(x) : arc sinus de x, dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>xtan(x): inverse tangent of x, given in the angle mode (now %1)</source>
        <translation>xtan(x) : arc tangente de x, dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>xcot(x): inverse cotangent of x, given in the angle mode (now %1)</source>
        <translation>xcot(x) : arc cotangente de x, dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>xsec(x): inverse secant of x, given in the angle mode (now %1)</source>
        <translation>xsec(x) : arc sécante de x, dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>xcsc(x): inverse cosecant of x, given in the angle mode (now %1)</source>
        <translation>xcsc(x) : arc cosécante de x, dans le mode d’angle (actuellement %1)</translation>
    </message>
    <message>
        <source>cosh(x): hyperbolic cosine</source>
        <translation>cosh(x) : cosinus hyperbolique</translation>
    </message>
    <message>
        <source>sinh(x): hyperbolic sine</source>
        <translation>sinh(x) : sinus hyperbolique</translation>
    </message>
    <message>
        <source>tanh(x): hyperbolic tangent</source>
        <translation>tanh(x) : tangente hyperbolique</translation>
    </message>
    <message>
        <source>coth(x): hyperbolic cotangent</source>
        <translation>coth(x) : cotangente hyperbolique</translation>
    </message>
    <message>
        <source>sech(x): hyperbolic secant</source>
        <translation>sech(x) : sécante hyperbolique</translation>
    </message>
    <message>
        <source>csch(x): hyperbolic cosecant</source>
        <translation>csch(x) : cosécante hyperbolique</translation>
    </message>
    <message>
        <source>xsinh(x): inverse hyperbolic sine</source>
        <translation>xsinh(x) : argument sinus hyperbolique</translation>
    </message>
    <message>
        <source>xtanh(x): inverse hyperbolic tangent</source>
        <translation>xtanh(x) : argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>xcoth(x): inverse hyperbolic cotangent</source>
        <translation>xcoth(x) : argument cotangente hyperbolique</translation>
    </message>
    <message>
        <source>xsech(x): inverse hyperbolic secant</source>
        <translation>xsech(x) : argument sécante hyperbolique</translation>
    </message>
    <message>
        <source>xcsch(x): inverse hyperbolic cosecant</source>
        <translation>xcsch(x) : argument cosécante hyperbolique</translation>
    </message>
    <message>
        <source>log(x): logarithm of x to the base 10</source>
        <translation>log(x) : logarithme de x en base 10</translation>
    </message>
    <message>
        <source>xlog(x): 10 to the power x</source>
        <translation>xlog(x) : 10 puissance x</translation>
    </message>
    <message>
        <source>exp(x): e to the power x</source>
        <translation>exp(x) : e puissance x</translation>
    </message>
    <message>
        <source>lin(x): natural logarithm of x</source>
        <translation>lin(x) : logarithme népérien de x</translation>
    </message>
    <message>
        <source>logn(x): logarithm of x to the base N (now N = %1)</source>
        <translation>logn(x) : logarithme de x en base N (actuellement N = %1)</translation>
    </message>
    <message>
        <source>abs(x): magnitude of x (abs(-2.7) is 2.7)</source>
        <translation>abs(x) : valeur absolue de x (abs(-2.7) vaut 2.7)</translation>
    </message>
    <message>
        <source>ctod(x): x cycles in degrees</source>
        <translation>ctod(x) : x tours en degrés</translation>
    </message>
    <message>
        <source>ctog(x): x cycles in grads</source>
        <translation>ctog(x) : x tours en grades</translation>
    </message>
    <message>
        <source>ctor(x): x cycles in radians</source>
        <translation>ctor(x) : x tours en radians</translation>
    </message>
    <message>
        <source>dtoc(x): x degrees in cycles</source>
        <translation>dtoc(x) : x degrés en tours</translation>
    </message>
    <message>
        <source>dtog(x): x degrees in grads</source>
        <translation>dtog(x) : x degrés en grades</translation>
    </message>
    <message>
        <source>dtor(x): x degrees in radians</source>
        <translation>dtor(x) : x degrés en radians</translation>
    </message>
    <message>
        <source>gtoc(x): x grads in cycles</source>
        <translation>gtoc(x) : x grades en tours</translation>
    </message>
    <message>
        <source>gtod(x): x grads in degrees</source>
        <translation>gtod(x) : x grades en degrés</translation>
    </message>
    <message>
        <source>gtor(x): x grads in radians</source>
        <translation>gtor(x) : x grades en radians</translation>
    </message>
    <message>
        <source>rtoc(x): x radians in cycles</source>
        <translation>rtoc(x) : x radians en tours</translation>
    </message>
    <message>
        <source>rtod(x): x radians in degrees</source>
        <translation>rtod(x) : x radians en degrés</translation>
    </message>
    <message>
        <source>rtog(x): x radians in grads</source>
        <translation>rtog(x) : x radians en grades</translation>
    </message>
    <message>
        <source>hex(x): has no function and always ends in &quot;Function Error&quot;</source>
        <translation>hex(x) : n’a aucune fonction et aboutit toujours à « Function Error »</translation>
    </message>
    <message>
        <source>xcosh(x): inverse hyperbolic cosine, for x of at least 1</source>
        <translation>xcosh(x) : argument cosinus hyperbolique, pour x d’au moins 1</translation>
    </message>
</context>
<context>
    <name>KeywordHelp</name>
    <message>
        <source>exit: ends the calculator</source>
        <translation>exit : ferme la calculatrice</translation>
    </message>
    <message>
        <source>rad: angles in radians from now on (now %1)</source>
        <translation>rad : angles en radians désormais (actuellement %1)</translation>
    </message>
    <message>
        <source>deg: angles in degrees from now on (now %1)</source>
        <translation>deg : angles en degrés désormais (actuellement %1)</translation>
    </message>
    <message>
        <source>grd: angles in grads from now on (now %1)</source>
        <translation>grd : angles en grades désormais (actuellement %1)</translation>
    </message>
    <message>
        <source>cyc: angles in cycles from now on (now %1)</source>
        <translation>cyc : angles en tours désormais (actuellement %1)</translation>
    </message>
    <message>
        <source>mod: lists the angle mode and the number format</source>
        <translation>mod : affiche le mode d’angle et le format des nombres</translation>
    </message>
    <message>
        <source>sci: answers in scientific notation from now on (now %1)</source>
        <translation>sci : résultats en notation scientifique désormais (actuellement %1)</translation>
    </message>
    <message>
        <source>fix: answers with fixed decimals from now on (now %1)</source>
        <translation>fix : résultats avec un nombre fixe de décimales désormais (actuellement %1)</translation>
    </message>
    <message>
        <source>auto: answers fixed or scientific, whichever fits (now %1)</source>
        <translation>auto : résultats fixes ou scientifiques, selon ce qui convient (actuellement %1)</translation>
    </message>
    <message>
        <source>about: shows who made the calculator</source>
        <translation>about : indique qui a conçu la calculatrice</translation>
    </message>
    <message>
        <source>var: lists the variables and their values</source>
        <translation>var : affiche les variables et leurs valeurs</translation>
    </message>
    <message>
        <source>cls: empties the results window</source>
        <translation>cls : vide la fenêtre des résultats</translation>
    </message>
    <message>
        <source>clear: sets the variables A to N back to 0 (P keeps pi)</source>
        <translation>clear : remet les variables A à N à 0 (P garde pi)</translation>
    </message>
    <message>
        <source>help: opens the manual</source>
        <translation>help : ouvre le manuel</translation>
    </message>
    <message>
        <source>print: prints the results window</source>
        <translation>print : imprime la fenêtre des résultats</translation>
    </message>
    <message>
        <source>save: saves the results window to a file</source>
        <translation>save : enregistre la fenêtre des résultats dans un fichier</translation>
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
    <name>Reaction</name>
    <message>
        <source>Species</source>
        <translation>Espèce</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>g/mol</source>
        <translation>g/mol</translation>
    </message>
    <message>
        <source>mol</source>
        <translation>mol</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
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
    <name>UnitFamilies</name>
    <message>
        <source>Area</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>trigonometric</source>
        <translation>Angles</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>pascal</source>
        <translation>pascals</translation>
    </message>
    <message>
        <source>atmosphere</source>
        <translation>atmosphères</translation>
    </message>
    <message>
        <source>kilopascal</source>
        <translation>kilopascals</translation>
    </message>
    <message>
        <source>torr(mmHg)</source>
        <translation>torrs (mmHg)</translation>
    </message>
    <message>
        <source>pounds per square inch</source>
        <translation>livres/pouce² (psi)</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bars</translation>
    </message>
    <message>
        <source>joule</source>
        <translation>joules</translation>
    </message>
    <message>
        <source>calorie</source>
        <translation>calories</translation>
    </message>
    <message>
        <source>British thermal unit (btu)</source>
        <translation>unités therm. brit. (BTU)</translation>
    </message>
    <message>
        <source>radian</source>
        <translation>radians</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>grad</source>
        <translation>grades</translation>
    </message>
    <message>
        <source>cycle</source>
        <translation>tours</translation>
    </message>
    <message>
        <source>Micromicrons</source>
        <translation>micromicrons</translation>
    </message>
    <message>
        <source>Angstroms</source>
        <translation>ångströms</translation>
    </message>
    <message>
        <source>Millimicrons</source>
        <translation>millimicrons</translation>
    </message>
    <message>
        <source>Microns</source>
        <translation>microns</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>Decimeters</source>
        <translation>décimètres</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>Decameters</source>
        <translation>décamètres</translation>
    </message>
    <message>
        <source>Hectometers</source>
        <translation>hectomètres</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>kilomètres</translation>
    </message>
    <message>
        <source>Megameters</source>
        <translation>mégamètres</translation>
    </message>
    <message>
        <source>Gigameters</source>
        <translation>gigamètres</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>yards</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>milles</translation>
    </message>
    <message>
        <source>NauticalMiles</source>
        <translation>milles marins</translation>
    </message>
    <message>
        <source>AstronomicalUnits</source>
        <translation>unités astronomiques</translation>
    </message>
    <message>
        <source>LightYears</source>
        <translation>années-lumière</translation>
    </message>
    <message>
        <source>Parsecs</source>
        <translation>parsecs</translation>
    </message>
    <message>
        <source>Cubits</source>
        <translation>coudées</translation>
    </message>
    <message>
        <source>Fathoms</source>
        <translation>brasses</translation>
    </message>
    <message>
        <source>Furlongs</source>
        <translation>furlongs</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>mains</translation>
    </message>
    <message>
        <source>Paces</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>perches</translation>
    </message>
    <message>
        <source>Chains</source>
        <translation>chaînes</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>chaînons</translation>
    </message>
    <message>
        <source>Picas</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>SquareMillimeters</source>
        <translation>millimètres carrés</translation>
    </message>
    <message>
        <source>SquareCentimeters</source>
        <translation>centimètres carrés</translation>
    </message>
    <message>
        <source>SquareDecimeters</source>
        <translation>décimètres carrés</translation>
    </message>
    <message>
        <source>SquareMeters</source>
        <translation>mètres carrés</translation>
    </message>
    <message>
        <source>SquareDecameters</source>
        <translation>décamètres carrés</translation>
    </message>
    <message>
        <source>SquareHectometers</source>
        <translation>hectomètres carrés</translation>
    </message>
    <message>
        <source>SquareKilometers</source>
        <translation>kilomètres carrés</translation>
    </message>
    <message>
        <source>SquareInches</source>
        <translation>pouces carrés</translation>
    </message>
    <message>
        <source>SquareFeet</source>
        <translation>pieds carrés</translation>
    </message>
    <message>
        <source>SquareYards</source>
        <translation>yards carrés</translation>
    </message>
    <message>
        <source>SquareMiles</source>
        <translation>milles carrés</translation>
    </message>
    <message>
        <source>Acres</source>
        <translation>acres</translation>
    </message>
    <message>
        <source>Centares</source>
        <translation>centiares</translation>
    </message>
    <message>
        <source>Ares</source>
        <translation>ares</translation>
    </message>
    <message>
        <source>Hectares</source>
        <translation>hectares</translation>
    </message>
    <message>
        <source>SquareRods</source>
        <translation>perches carrées</translation>
    </message>
    <message>
        <source>CubicMillimeters</source>
        <translation>millimètres cubes</translation>
    </message>
    <message>
        <source>CubicCentimeters</source>
        <translation>centimètres cubes</translation>
    </message>
    <message>
        <source>CubicDecimeters</source>
        <translation>décimètres cubes</translation>
    </message>
    <message>
        <source>CubicMeters</source>
        <translation>mètres cubes</translation>
    </message>
    <message>
        <source>CubicDecameters</source>
        <translation>décamètres cubes</translation>
    </message>
    <message>
        <source>CubicHectometers</source>
        <translation>hectomètres cubes</translation>
    </message>
    <message>
        <source>CubicKilometers</source>
        <translation>kilomètres cubes</translation>
    </message>
    <message>
        <source>CubicInches</source>
        <translation>pouces cubes</translation>
    </message>
    <message>
        <source>CubicFeet</source>
        <translation>pieds cubes</translation>
    </message>
    <message>
        <source>CubicYards</source>
        <translation>yards cubes</translation>
    </message>
    <message>
        <source>CubicMiles</source>
        <translation>milles cubes</translation>
    </message>
    <message>
        <source>MilliLiters</source>
        <translation>millilitres</translation>
    </message>
    <message>
        <source>CentiLiters</source>
        <translation>centilitres</translation>
    </message>
    <message>
        <source>DeciLiters</source>
        <translation>décilitres</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>litres</translation>
    </message>
    <message>
        <source>DecaLiters</source>
        <translation>décalitres</translation>
    </message>
    <message>
        <source>HectoLiters</source>
        <translation>hectolitres</translation>
    </message>
    <message>
        <source>KiloLiters</source>
        <translation>kilolitres</translation>
    </message>
    <message>
        <source>AcreFeet</source>
        <translation>acres-pieds</translation>
    </message>
    <message>
        <source>AcreInches</source>
        <translation>acres-pouces</translation>
    </message>
    <message>
        <source>Cords</source>
        <translation>cordes</translation>
    </message>
    <message>
        <source>CordFeet</source>
        <translation>pieds de corde</translation>
    </message>
    <message>
        <source>Decisteres</source>
        <translation>décistères</translation>
    </message>
    <message>
        <source>Steres</source>
        <translation>stères</translation>
    </message>
    <message>
        <source>Decasteres</source>
        <translation>décastères</translation>
    </message>
    <message>
        <source>FluidGallons</source>
        <translation>gallons US (liquide)</translation>
    </message>
    <message>
        <source>FluidQuarts</source>
        <translation>quarts US (liquide)</translation>
    </message>
    <message>
        <source>FluidPints</source>
        <translation>pintes US (liquide)</translation>
    </message>
    <message>
        <source>FluidCups</source>
        <translation>tasses US</translation>
    </message>
    <message>
        <source>FluidGills</source>
        <translation>gills US</translation>
    </message>
    <message>
        <source>FluidOunces</source>
        <translation>onces liquides US</translation>
    </message>
    <message>
        <source>FluidTablespoons</source>
        <translation>cuillères à soupe US</translation>
    </message>
    <message>
        <source>FluidTeaspoons</source>
        <translation>cuillères à café US</translation>
    </message>
    <message>
        <source>DryGallons</source>
        <translation>gallons US (sec)</translation>
    </message>
    <message>
        <source>DryQuarts</source>
        <translation>quarts US (sec)</translation>
    </message>
    <message>
        <source>DryPints</source>
        <translation>pintes US (sec)</translation>
    </message>
    <message>
        <source>DryPecks</source>
        <translation>pecks US</translation>
    </message>
    <message>
        <source>DryBuckets</source>
        <translation>seaux US</translation>
    </message>
    <message>
        <source>DryBushels</source>
        <translation>boisseaux US</translation>
    </message>
    <message>
        <source>UKGallons</source>
        <translation>gallons impériaux</translation>
    </message>
    <message>
        <source>UKPottle</source>
        <translation>pottles impériaux</translation>
    </message>
    <message>
        <source>UKQuarts</source>
        <translation>quarts impériaux</translation>
    </message>
    <message>
        <source>UKPints</source>
        <translation>pintes impériales</translation>
    </message>
    <message>
        <source>UKGill</source>
        <translation>gills impériaux</translation>
    </message>
    <message>
        <source>UKOunces</source>
        <translation>onces liquides impériales</translation>
    </message>
    <message>
        <source>UKPecks</source>
        <translation>pecks impériaux</translation>
    </message>
    <message>
        <source>UKBuckets</source>
        <translation>seaux impériaux</translation>
    </message>
    <message>
        <source>UKBushels</source>
        <translation>boisseaux impériaux</translation>
    </message>
    <message>
        <source>Nanograms</source>
        <translation>nanogrammes</translation>
    </message>
    <message>
        <source>Micrograms</source>
        <translation>microgrammes</translation>
    </message>
    <message>
        <source>Milligrams</source>
        <translation>milligrammes</translation>
    </message>
    <message>
        <source>Centigrams</source>
        <translation>centigrammes</translation>
    </message>
    <message>
        <source>Decigrams</source>
        <translation>décigrammes</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>grammes</translation>
    </message>
    <message>
        <source>Decagrams</source>
        <translation>décagrammes</translation>
    </message>
    <message>
        <source>Hectograms</source>
        <translation>hectogrammes</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>kilogrammes</translation>
    </message>
    <message>
        <source>MetricTons</source>
        <translation>tonnes</translation>
    </message>
    <message>
        <source>Drams</source>
        <translation>drachmes</translation>
    </message>
    <message>
        <source>Grains</source>
        <translation>grains</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation>tonnes courtes (US)</translation>
    </message>
    <message>
        <source>LongTons</source>
        <translation>tonnes longues</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>onces</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>livres</translation>
    </message>
    <message>
        <source>MilliSeconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>Fortnights</source>
        <translation>quinzaines</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>années</translation>
    </message>
    <message>
        <source>Decades</source>
        <translation>décennies</translation>
    </message>
    <message>
        <source>Centuries</source>
        <translation>siècles</translation>
    </message>
    <message>
        <source>Millennia</source>
        <translation>millénaires</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>date et heure</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>degrés Celsius</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>kelvins</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>degrés Fahrenheit</translation>
    </message>
    <message>
        <source>Rankine</source>
        <translation>degrés Rankine</translation>
    </message>
    <message>
        <source>Reaumur</source>
        <translation>degrés Réaumur</translation>
    </message>
    <message>
        <source>JulianDate</source>
        <translation>date julienne</translation>
    </message>
    <message>
        <source>ModifiedJulianDate</source>
        <translation>date julienne modifiée</translation>
    </message>
</context>
<context>
    <name>brisalto::CompletionPopup</name>
    <message>
        <source>completions</source>
        <translation>complétions</translation>
    </message>
    <message>
        <source>names that fit the word before the caret; Up and Down choose, Tab takes one</source>
        <translation>noms qui complètent le mot avant le curseur ; Haut et Bas choisissent, Tab en prend un</translation>
    </message>
</context>
<context>
    <name>brisalto::HintLine</name>
    <message>
        <source>hint</source>
        <translation>indication</translation>
    </message>
    <message>
        <source>Expected here: %1</source>
        <translation>Attendu ici : %1</translation>
    </message>
    <message>
        <source>an expression or a command; Enter runs it</source>
        <translation>une expression ou une commande ; Entrée l’exécute</translation>
    </message>
</context>
<context>
    <name>brisalto::IniFile</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than 1088 KiB</source>
        <translation>plus de 1088 Kio</translation>
    </message>
</context>
<context>
    <name>brisalto::MousePad</name>
    <message>
        <source>zero</source>
        <translation>zéro</translation>
    </message>
    <message>
        <source>double zero</source>
        <translation>double zéro</translation>
    </message>
    <message>
        <source>triple zero</source>
        <translation>triple zéro</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>point décimal</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>exponent E</source>
        <translation>exposant E</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>power</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>reste</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>opening bracket</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>closing bracket</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>opening brace</source>
        <translation>accolade ouvrante</translation>
    </message>
    <message>
        <source>closing brace</source>
        <translation>accolade fermante</translation>
    </message>
    <message>
        <source>opening angle bracket</source>
        <translation>chevron ouvrant</translation>
    </message>
    <message>
        <source>closing angle bracket</source>
        <translation>chevron fermant</translation>
    </message>
    <message>
        <source>opening square bracket</source>
        <translation>crochet ouvrant</translation>
    </message>
    <message>
        <source>closing square bracket</source>
        <translation>crochet fermant</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>dix puissance x</translation>
    </message>
    <message>
        <source>logarithm to base n</source>
        <translation>logarithme en base n</translation>
    </message>
    <message>
        <source>variable %1</source>
        <translation>variable %1</translation>
    </message>
    <message>
        <source>inserts %1</source>
        <translation>insère %1</translation>
    </message>
    <message>
        <source>%1, inserts %2()</source>
        <translation>%1, insère %2()</translation>
    </message>
    <message>
        <source>editing keys</source>
        <translation>touches d’édition</translation>
    </message>
    <message>
        <source>caret to the start</source>
        <translation>curseur au début</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret to its start</source>
        <translation>place le curseur de la ligne de commande au début</translation>
    </message>
    <message>
        <source>caret left</source>
        <translation>curseur à gauche</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret one character left</source>
        <translation>déplace le curseur de la ligne de commande d’un caractère vers la gauche</translation>
    </message>
    <message>
        <source>caret right</source>
        <translation>curseur à droite</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret one character right</source>
        <translation>déplace le curseur de la ligne de commande d’un caractère vers la droite</translation>
    </message>
    <message>
        <source>caret to the end</source>
        <translation>curseur à la fin</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret to its end</source>
        <translation>place le curseur de la ligne de commande à la fin</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>deletes the selection or the character before the caret</source>
        <translation>efface la sélection ou le caractère avant le curseur</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>chiffres</translation>
    </message>
    <message>
        <source>operators</source>
        <translation>opérateurs</translation>
    </message>
    <message>
        <source>zeros</source>
        <translation>zéros</translation>
    </message>
    <message>
        <source>brackets</source>
        <translation>parenthèses</translation>
    </message>
    <message>
        <source>variables</source>
        <translation>variables</translation>
    </message>
    <message>
        <source>answer A</source>
        <translation>résultat A</translation>
    </message>
    <message>
        <source>inserts A, the last answer</source>
        <translation>insère A, le dernier résultat</translation>
    </message>
    <message>
        <source>functions</source>
        <translation>fonctions</translation>
    </message>
</context>
<context>
    <name>brisalto::SettingsFile</name>
    <message>
        <source>Unable to write to %s</source>
        <translation>Impossible d’écrire dans %s</translation>
    </message>
</context>
<context>
    <name>brisalto::TAboutForm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version: 1.0.0</source>
        <translation>Version : 1.0.0</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Adresse électronique</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>brisalto::TBkgrdForm</name>
    <message>
        <source>Background Colors</source>
        <translation>Couleurs de fond</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>Ligne de commande</translation>
    </message>
    <message>
        <source>Command line colour</source>
        <translation>Couleur de la ligne de commande</translation>
    </message>
    <message>
        <source>Results window</source>
        <translation>Fenêtre des résultats</translation>
    </message>
    <message>
        <source>Results window colour</source>
        <translation>Couleur de la fenêtre des résultats</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>brisalto::TConvForm</name>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Unit Conversions</source>
        <translation>Conversions d’unités</translation>
    </message>
    <message>
        <source>General Family</source>
        <translation>Famille</translation>
    </message>
    <message>
        <source>Unit family</source>
        <translation>Famille d’unités</translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation>Convertir de</translation>
    </message>
    <message>
        <source>Convert from unit</source>
        <translation>Unité de départ</translation>
    </message>
    <message>
        <source>To</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Convert to unit</source>
        <translation>Unité d’arrivée</translation>
    </message>
    <message>
        <source>Value to convert</source>
        <translation>Valeur à convertir</translation>
    </message>
    <message>
        <source>Converted value</source>
        <translation>Valeur convertie</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Insérer la valeur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>brisalto::THelpForm</name>
    <message>
        <source>Brisalto Calculator Help</source>
        <translation>Aide de Brisalto Calculator</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
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
    <message>
        <source>The pasted line has %L1 characters, too many to edit in the command line, so nothing was pasted. Paste it with a line break at its end to run it.</source>
        <translation>La ligne collée compte %L1 caractères, trop pour la ligne de commande : rien n’a été collé. Collez-la avec un saut de ligne à la fin pour l’exécuter.</translation>
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
<context>
    <name>brisalto::TMolarMassForm</name>
    <message>
        <source>Molar Mass</source>
        <translation>Masse molaire</translation>
    </message>
    <message>
        <source>&amp;Formula</source>
        <translation>&amp;Formule</translation>
    </message>
    <message>
        <source>e.g. H2SO4, Ca(OH)2, CuSO4·5H2O</source>
        <translation>p. ex. H2SO4, Ca(OH)2, CuSO4·5H2O</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Masse molaire</translation>
    </message>
    <message>
        <source>Composition of the formula</source>
        <translation>Composition de la formule</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Insérer la valeur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>brisalto::TPrecisionForm</name>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Set precision</source>
        <translation>Définir la précision</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>brisalto::TReactionForm</name>
    <message>
        <source>Reaction</source>
        <translation>Réaction</translation>
    </message>
    <message>
        <source>e.g. C8H18 + O2 = CO2 + H2O</source>
        <translation>p. ex. C8H18 + O2 = CO2 + H2O</translation>
    </message>
    <message>
        <source>Balanced equation</source>
        <translation>Équation équilibrée</translation>
    </message>
    <message>
        <source>e.g. C8H18=10 g; O2=25 mL 0.1 M</source>
        <translation>p. ex. C8H18=10 g; O2=25 mL 0.1 M</translation>
    </message>
    <message>
        <source>e.g. H2O=12 g</source>
        <translation>p. ex. H2O=12 g</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Amounts</source>
        <translation>Quantités de matière</translation>
    </message>
    <message>
        <source>Limiting reactant and yield</source>
        <translation>Réactif limitant et rendement</translation>
    </message>
    <message>
        <source>Insert or cancel</source>
        <translation>Insérer ou annuler</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Insérer la valeur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Reaction</source>
        <translation>&amp;Réaction</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Équilibrée</translation>
    </message>
    <message>
        <source>&amp;Given amounts</source>
        <translation>&amp;Quantités données</translation>
    </message>
    <message>
        <source>Actual &amp;yield</source>
        <translation>Rendement &amp;obtenu</translation>
    </message>
</context>
<context>
    <name>brisalto::TSolutionForm</name>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>e.g. CuSO4·5H2O</source>
        <translation>p. ex. CuSO4·5H2O</translation>
    </message>
    <message>
        <source>e.g. 0.1 M, 5 g/L, 2 % w/v</source>
        <translation>p. ex. 0.1 M, 5 g/L, 2 % w/v</translation>
    </message>
    <message>
        <source>or the mass weighed, e.g. 6.24 g</source>
        <translation>ou la masse pesée, p. ex. 6.24 g</translation>
    </message>
    <message>
        <source>e.g. 250 mL</source>
        <translation>p. ex. 250 mL</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Solution to prepare</source>
        <translation>Solution à préparer</translation>
    </message>
    <message>
        <source>&amp;Formula</source>
        <translation>&amp;Formule</translation>
    </message>
    <message>
        <source>&amp;Concentration</source>
        <translation>&amp;Concentration</translation>
    </message>
    <message>
        <source>M&amp;ass</source>
        <translation>M&amp;asse</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>e.g. 1 M</source>
        <translation>p. ex. 1 M</translation>
    </message>
    <message>
        <source>empty to find it</source>
        <translation>vide pour la calculer</translation>
    </message>
    <message>
        <source>e.g. 0.1 M</source>
        <translation>p. ex. 0.1 M</translation>
    </message>
    <message>
        <source>e.g. 100 mL</source>
        <translation>p. ex. 100 mL</translation>
    </message>
    <message>
        <source>Solvent to add</source>
        <translation>Solvant à ajouter</translation>
    </message>
    <message>
        <source>Dilution: C1·V1 = C2·V2, one left empty</source>
        <translation>Dilution : C1·V1 = C2·V2, un champ laissé vide</translation>
    </message>
    <message>
        <source>Stock concentration C&amp;1</source>
        <translation>Concentration mère C&amp;1</translation>
    </message>
    <message>
        <source>Stock volume V1</source>
        <translation>Volume de solution mère V1</translation>
    </message>
    <message>
        <source>Final concentration C&amp;2</source>
        <translation>Concentration finale C&amp;2</translation>
    </message>
    <message>
        <source>Final volume V2</source>
        <translation>Volume final V2</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvé</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Insert or cancel</source>
        <translation>Insérer ou annuler</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Insérer la valeur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Leave the concentration or the mass empty: it is what is found.</source>
        <translation>Laissez la concentration ou la masse vide : c’est elle qui est calculée.</translation>
    </message>
    <message>
        <source>%1 g to weigh</source>
        <translation>%1 g à peser</translation>
    </message>
    <message>
        <source>%1 M (%2 g/L)</source>
        <translation>%1 M (%2 g/L)</translation>
    </message>
    <message>
        <source>Add %1 of solvent to %2 of the stock.</source>
        <translation>Ajoutez %1 de solvant à %2 de solution mère.</translation>
    </message>
</context>
</TS>
