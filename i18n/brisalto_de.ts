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
        <source>Nothing in result to be saved</source>
        <translation>Im Ergebnisfenster ist nichts zu speichern</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
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
</context>
</TS>
