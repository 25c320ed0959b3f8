<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Colors</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsie</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Geldgrün</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Creme</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Mittelgrau</translation>
    </message>
    <message>
        <source>Scroll Bar</source>
        <translation>Bildlaufleiste</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Active Caption</source>
        <translation>Aktive Titelleiste</translation>
    </message>
    <message>
        <source>Inactive Caption</source>
        <translation>Inaktive Titelleiste</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Window Frame</source>
        <translation>Fensterrahmen</translation>
    </message>
    <message>
        <source>Menu Text</source>
        <translation>Menütext</translation>
    </message>
    <message>
        <source>Window Text</source>
        <translation>Fenstertext</translation>
    </message>
    <message>
        <source>Caption Text</source>
        <translation>Titeltext</translation>
    </message>
    <message>
        <source>Active Border</source>
        <translation>Aktiver Rahmen</translation>
    </message>
    <message>
        <source>Inactive Border</source>
        <translation>Inaktiver Rahmen</translation>
    </message>
    <message>
        <source>Application Workspace</source>
        <translation>Anwendungsarbeitsbereich</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Highlight Text</source>
        <translation>Markierter Text</translation>
    </message>
    <message>
        <source>Button Face</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <source>Button Shadow</source>
        <translation>Schaltflächenschatten</translation>
    </message>
    <message>
        <source>Gray Text</source>
        <translation>Grauer Text</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Schaltflächentext</translation>
    </message>
    <message>
        <source>Inactive Caption Text</source>
        <translation>Text der inaktiven Titelleiste</translation>
    </message>
    <message>
        <source>Button Highlight</source>
        <translation>Schaltflächenlicht</translation>
    </message>
    <message>
        <source>3D Dark Shadow</source>
        <translation>3D-Dunkelschatten</translation>
    </message>
    <message>
        <source>3D Light</source>
        <translation>3D-Licht</translation>
    </message>
    <message>
        <source>Info Text</source>
        <translation>Infotext</translation>
    </message>
    <message>
        <source>Info Background</source>
        <translation>Infohintergrund</translation>
    </message>
    <message>
        <source>Hot Light</source>
        <translation>Hervorhebung</translation>
    </message>
    <message>
        <source>Gradient Active Caption</source>
        <translation>Verlauf der aktiven Titelleiste</translation>
    </message>
    <message>
        <source>Gradient Inactive Caption</source>
        <translation>Verlauf der inaktiven Titelleiste</translation>
    </message>
    <message>
        <source>Menu Highlight</source>
        <translation>Menümarkierung</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Menüleiste</translation>
    </message>
</context>
<context>
    <name>Constants</name>
    <message>
        <source>Speed Of Light (m/s)</source>
        <translation>Lichtgeschwindigkeit (m/s)</translation>
    </message>
    <message>
        <source>Charg of an electron (C)</source>
        <translation>Ladung des Elektrons (C)</translation>
    </message>
    <message>
        <source>Avogadro Constant (1/mol)</source>
        <translation>Avogadro-Konstante (1/mol)</translation>
    </message>
    <message>
        <source>Gas Constant (J/K.mol)</source>
        <translation>Gaskonstante (J/K.mol)</translation>
    </message>
    <message>
        <source>Gas Constant (bar.dm^3/K.mol)</source>
        <translation>Gaskonstante (bar.dm^3/K.mol)</translation>
    </message>
    <message>
        <source>Gas Constant (atm.dm^3/K.mol)</source>
        <translation>Gaskonstante (atm.dm^3/K.mol)</translation>
    </message>
    <message>
        <source>Molar Volume At STP atm  (dm^3/mol)</source>
        <translation>Molares Volumen bei STP, atm (dm^3/mol)</translation>
    </message>
    <message>
        <source>Molar VolumeAt NSTP bar (dm^3/mol)</source>
        <translation>Molares Volumen bei NSTP, bar (dm^3/mol)</translation>
    </message>
    <message>
        <source>Boltzmann Constant (J/K)</source>
        <translation>Boltzmann-Konstante (J/K)</translation>
    </message>
    <message>
        <source>Planck constant (J.s)</source>
        <translation>Plancksches Wirkungsquantum (J.s)</translation>
    </message>
    <message>
        <source>Faraday Constant (C/mol)</source>
        <translation>Faraday-Konstante (C/mol)</translation>
    </message>
    <message>
        <source>Electron Rest Mass (kg)</source>
        <translation>Ruhemasse des Elektrons (kg)</translation>
    </message>
    <message>
        <source>Proton Rest Mass (kg)</source>
        <translation>Ruhemasse des Protons (kg)</translation>
    </message>
    <message>
        <source>Rydberg Constant (1/m)</source>
        <translation>Rydberg-Konstante (1/m)</translation>
    </message>
    <message>
        <source>Permittivity Of Vacuum (C^2/N.m^-2) or (F/m)</source>
        <translation>Elektrische Feldkonstante (C^2/N.m^-2) oder (F/m)</translation>
    </message>
    <message>
        <source>Standard acceleration of Gravity (m/s^2)</source>
        <translation>Normfallbeschleunigung (m/s^2)</translation>
    </message>
    <message>
        <source>Atomic Mass Unit (kg)</source>
        <translation>Atomare Masseneinheit (kg)</translation>
    </message>
    <message>
        <source>Bohr Radius (m)</source>
        <translation>Bohrscher Radius (m)</translation>
    </message>
    <message>
        <source>Proton Rest Mass (amu)</source>
        <translation>Ruhemasse des Protons (u)</translation>
    </message>
    <message>
        <source>Neutron Rest Mass (kg)</source>
        <translation>Ruhemasse des Neutrons (kg)</translation>
    </message>
    <message>
        <source>Neutron Rest Mass (amu)</source>
        <translation>Ruhemasse des Neutrons (u)</translation>
    </message>
    <message>
        <source>Electron Rest Mass (amu)</source>
        <translation>Ruhemasse des Elektrons (u)</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Atomic Weight...</source>
        <translation>Atommasse...</translation>
    </message>
    <message>
        <source>Coulomb Constant (N.m^2/C^2)</source>
        <translation>Coulomb-Konstante (N.m^2/C^2)</translation>
    </message>
</context>
<context>
    <name>Elements</name>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodium (Natrium)</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
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
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Schwefel</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium (Kalium)</source>
        <translation>Kalium</translation>
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
        <translation>Titan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
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
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
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
        <translation>Arsen</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
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
        <translation>Niob</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdän</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technetium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthenium</translation>
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
        <translation>Silber</translation>
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
        <translation>Zinn</translation>
    </message>
    <message>
        <source>Antimony (Stibium)</source>
        <translation>Antimon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iod</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promethium</translation>
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
        <translation>Lutetium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantal</translation>
    </message>
    <message>
        <source>Tungsten (Wolfram)</source>
        <translation>Wolfram</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhenium</translation>
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
        <translation>Platin</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismut</translation>
    </message>
    <message>
        <source>Polnium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astat</translation>
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
        <translation>Uran</translation>
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
        <translation>Americium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelium</translation>
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
        <translation>Mendelevium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelium</translation>
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
        <translation>Meitnerium</translation>
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
        <translation>Flerovium</translation>
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
        <translation>Tenness</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Not enough memory to finish the line; the window goes on without it</source>
        <translation>Nicht genug Speicher, um die Zeile zu beenden; das Fenster arbeitet ohne sie weiter</translation>
    </message>
</context>
<context>
    <name>ModeLine</name>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Grads</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Zyklus</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
</context>
<context>
    <name>ResultsFontDialog</name>
    <message>
        <source>Results text colour</source>
        <translation>Textfarbe der Ergebnisse</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Unable to print: the printer could not be started</source>
        <translation>Drucken nicht möglich: Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Unable to print: the printer refused a new page</source>
        <translation>Drucken nicht möglich: Der Drucker hat eine neue Seite abgelehnt</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source> … [%1 more characters]</source>
        <translation> … [%1 weitere Zeichen]</translation>
    </message>
    <message>
        <source>Nothing in result to be saved</source>
        <translation>Im Ergebnisfenster ist nichts zu speichern</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>Brisalto Calculator</source>
        <translation>Brisalto-Rechner</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>it would grow past what is read back; remove the lines the calculator does not use</source>
        <translation>sie würde größer, als wieder eingelesen wird; entfernen Sie die Zeilen, die der Rechner nicht verwendet</translation>
    </message>
</context>
<context>
    <name>brisalto::TMainForm</name>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>every command line run, with its answer or error</source>
        <translation>jede ausgeführte Befehlszeile mit ihrer Antwort oder ihrem Fehler</translation>
    </message>
    <message>
        <source>mode line</source>
        <translation>Moduszeile</translation>
    </message>
    <message>
        <source>the angle mode and the number format</source>
        <translation>der Winkelmodus und das Zahlenformat</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>an expression or a command; Enter runs it</source>
        <translation>ein Ausdruck oder ein Befehl; die Eingabetaste führt ihn aus</translation>
    </message>
    <message>
        <source>runs the command line</source>
        <translation>führt die Befehlszeile aus</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>runs the command line, as Go does</source>
        <translation>führt die Befehlszeile aus, wie Los</translation>
    </message>
    <message>
        <source>mouse pad</source>
        <translation>Maustastenfeld</translation>
    </message>
    <message>
        <source>keys that insert into the command line</source>
        <translation>Tasten, die in die Befehlszeile einfügen</translation>
    </message>
    <message>
        <source>Last Commad</source>
        <translation>Letzter Befehl</translation>
    </message>
    <message>
        <source>About... (about)</source>
        <translation>Über... (about)</translation>
    </message>
    <message>
        <source>Save Result as... (save)</source>
        <translation>Ergebnis speichern unter... (save)</translation>
    </message>
    <message>
        <source>PrintSetup...</source>
        <translation>Druckereinrichtung...</translation>
    </message>
    <message>
        <source>Print... (print)</source>
        <translation>Drucken... (print)</translation>
    </message>
    <message>
        <source>Exit (exit)</source>
        <translation>Beenden (exit)</translation>
    </message>
    <message>
        <source>Results window Font...</source>
        <translation>Schriftart des Ergebnisfensters...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Past</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Contents... (help)</source>
        <translation>Inhalt... (help)</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Ergebnisse löschen</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Mouse Tools</source>
        <translation>Maustasten</translation>
    </message>
    <message>
        <source>Show values (var)</source>
        <translation>Werte anzeigen (var)</translation>
    </message>
    <message>
        <source>Clear all variables (clear)</source>
        <translation>Alle Variablen löschen (clear)</translation>
    </message>
    <message>
        <source>Background Colors...</source>
        <translation>Hintergrundfarben...</translation>
    </message>
    <message>
        <source>Precision...</source>
        <translation>Genauigkeit...</translation>
    </message>
    <message>
        <source>Units Conversions...</source>
        <translation>Einheiten umrechnen...</translation>
    </message>
    <message>
        <source>Molar Mass...</source>
        <translation>Molare Masse...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Clear results window (cls)</source>
        <translation>Ergebnisfenster leeren (cls)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Automatic format (auto)</source>
        <translation>Automatisches Format (auto)</translation>
    </message>
    <message>
        <source>Scientific format (sci)</source>
        <translation>Wissenschaftliches Format (sci)</translation>
    </message>
    <message>
        <source>Fixed format (fix)</source>
        <translation>Festkommaformat (fix)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Current mode (mod)</source>
        <translation>Aktueller Modus (mod)</translation>
    </message>
    <message>
        <source>Degrees mode (deg)</source>
        <translation>Modus Grad (deg)</translation>
    </message>
    <message>
        <source>Radian mode (rad)</source>
        <translation>Modus Bogenmaß (rad)</translation>
    </message>
    <message>
        <source>Grads mode (grd)</source>
        <translation>Modus Gon (grd)</translation>
    </message>
    <message>
        <source>Cycle mode (cyc)</source>
        <translation>Modus Zyklus (cyc)</translation>
    </message>
    <message>
        <source>Variables</source>
        <translation>Variablen</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>History notice</source>
        <translation>Hinweis zum Verlauf</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>Verlauf: %1</translation>
    </message>
    <message>
        <source>Reaction...</source>
        <translation>Reaktion...</translation>
    </message>
    <message>
        <source>Solution...</source>
        <translation>Lösung...</translation>
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
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Choose an element to insert its atomic weight</source>
        <translation>Wählen Sie ein Element, um seine Atommasse einzufügen</translation>
    </message>
    <message>
        <source>Periodic table</source>
        <translation>Periodensystem</translation>
    </message>
    <message>
        <source>Main-Group Elements</source>
        <translation>Hauptgruppenelemente</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Übergangsmetalle</translation>
    </message>
    <message>
        <source>Selected Element:</source>
        <translation>Gewähltes Element:</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Periodensystem der Elemente</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Inner-Transition Metals</source>
        <translation>Innere Übergangsmetalle</translation>
    </message>
    <message>
        <source>*Lanthanides</source>
        <translation>*Lanthanoide</translation>
    </message>
    <message>
        <source>**Actinides</source>
        <translation>**Actinoide</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Atomic number %1</source>
        <translation>Ordnungszahl %1</translation>
    </message>
    <message>
        <source>%1  Atomic Weight: %2 g/mol</source>
        <translation>%1  Atommasse: %2 g/mol</translation>
    </message>
    <message>
        <source>Atomic Number: %1</source>
        <translation>Ordnungszahl: %1</translation>
    </message>
</context>
</TS>
