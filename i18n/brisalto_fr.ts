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
        <source>Nothing in result to be saved</source>
        <translation>Rien à enregistrer dans les résultats</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
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
</context>
</TS>
