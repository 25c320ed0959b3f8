<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Chemistry</name>
    <message>
        <source>the formula is empty</source>
        <translation>die Formel ist leer</translation>
    </message>
    <message>
        <source>%1 is not an element</source>
        <translation>%1 ist kein Element</translation>
    </message>
    <message>
        <source>%1 is not an element: a symbol begins with a capital letter</source>
        <translation>%1 ist kein Element: ein Elementsymbol beginnt mit einem Großbuchstaben</translation>
    </message>
    <message>
        <source>%1 is not closed</source>
        <translation>%1 wird nicht geschlossen</translation>
    </message>
    <message>
        <source>%1 has no opening bracket</source>
        <translation>zu %1 fehlt die öffnende Klammer</translation>
    </message>
    <message>
        <source>%1 does not close %2</source>
        <translation>%1 schließt %2 nicht</translation>
    </message>
    <message>
        <source>%1 holds nothing</source>
        <translation>%1 enthält nichts</translation>
    </message>
    <message>
        <source>a count or coefficient must be at least 1</source>
        <translation>eine Anzahl oder ein Koeffizient muss mindestens 1 sein</translation>
    </message>
    <message>
        <source>%1 is too large: counts go up to 1000000</source>
        <translation>%1 ist zu groß: Anzahlen gehen bis 1000000</translation>
    </message>
    <message>
        <source>%1 is not a whole number: counts and coefficients are whole numbers</source>
        <translation>%1 ist keine ganze Zahl: Anzahlen und Koeffizienten sind ganze Zahlen</translation>
    </message>
    <message>
        <source>%1 cannot stand here: a count follows an element or a closing bracket</source>
        <translation>%1 kann hier nicht stehen: eine Anzahl folgt auf ein Element oder eine schließende Klammer</translation>
    </message>
    <message>
        <source>%1 must be followed by an element or a bracket</source>
        <translation>auf %1 muss ein Element oder eine Klammer folgen</translation>
    </message>
    <message>
        <source>%1 must follow an element or a bracket</source>
        <translation>%1 muss auf ein Element oder eine Klammer folgen</translation>
    </message>
    <message>
        <source>charges are not part of a formula</source>
        <translation>Ladungen gehören nicht in eine Formel</translation>
    </message>
    <message>
        <source>%1 cannot stand in a formula</source>
        <translation>%1 kann nicht in einer Formel stehen</translation>
    </message>
    <message>
        <source>the formula is too large to weigh</source>
        <translation>die Formel ist zu groß, um ihre Masse zu berechnen</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (bei Zeichen %2)</translation>
    </message>
    <message>
        <source>a reaction needs = or -&gt; between its two sides</source>
        <translation>eine Reaktion braucht = oder -&gt; zwischen ihren beiden Seiten</translation>
    </message>
    <message>
        <source>the reaction is empty</source>
        <translation>die Reaktion ist leer</translation>
    </message>
    <message>
        <source>a reaction has one arrow</source>
        <translation>eine Reaktion hat nur einen Pfeil</translation>
    </message>
    <message>
        <source>the left side is empty</source>
        <translation>die linke Seite ist leer</translation>
    </message>
    <message>
        <source>the right side is empty</source>
        <translation>die rechte Seite ist leer</translation>
    </message>
    <message>
        <source>a species is missing around +</source>
        <translation>neben + fehlt eine Spezies</translation>
    </message>
    <message>
        <source>%1 is not a whole number: coefficients are whole numbers</source>
        <translation>%1 ist keine ganze Zahl: Koeffizienten sind ganze Zahlen</translation>
    </message>
    <message>
        <source>%1 is too large: coefficients go up to 1000000</source>
        <translation>%1 ist zu groß: Koeffizienten gehen bis 1000000</translation>
    </message>
    <message>
        <source>a coefficient must be at least 1</source>
        <translation>ein Koeffizient muss mindestens 1 sein</translation>
    </message>
    <message>
        <source>%1 is not a charge: write it as ^2+, ^- or ³⁺</source>
        <translation>%1 ist keine Ladung: schreiben Sie sie als ^2+, ^- oder ³⁺</translation>
    </message>
    <message>
        <source>the electron is written e^-</source>
        <translation>das Elektron wird e^- geschrieben</translation>
    </message>
    <message>
        <source>%1 appears only on the left</source>
        <translation>%1 kommt nur links vor</translation>
    </message>
    <message>
        <source>%1 appears only on the right</source>
        <translation>%1 kommt nur rechts vor</translation>
    </message>
    <message>
        <source>the reaction cannot be balanced: no whole coefficients conserve every element and the charge</source>
        <translation>die Reaktion lässt sich nicht ausgleichen: keine ganzzahligen Koeffizienten erhalten jedes Element und die Ladung</translation>
    </message>
    <message>
        <source>the reaction has more than one independent balance; it is made of: %1</source>
        <translation>die Reaktion hat mehr als einen unabhängigen Ausgleich; sie besteht aus: %1</translation>
    </message>
    <message>
        <source>the reaction has more than one independent balance; it is made of: %1; and %2 more</source>
        <translation>die Reaktion hat mehr als einen unabhängigen Ausgleich; sie besteht aus: %1; und %2 weiteren</translation>
    </message>
    <message>
        <source>%1 takes no part: its coefficient would be 0</source>
        <translation>%1 nimmt nicht teil: sein Koeffizient wäre 0</translation>
    </message>
    <message>
        <source>%1 would need a negative coefficient: it belongs on the other side</source>
        <translation>%1 bräuchte einen negativen Koeffizienten: es gehört auf die andere Seite</translation>
    </message>
    <message>
        <source>%1 does not balance: %2 on the left, %3 on the right</source>
        <translation>%1 ist nicht ausgeglichen: %2 links, %3 rechts</translation>
    </message>
    <message>
        <source>the charge does not balance: %1 on the left, %2 on the right</source>
        <translation>die Ladung ist nicht ausgeglichen: %1 links, %2 rechts</translation>
    </message>
    <message>
        <source>the coefficients are too large to compute exactly</source>
        <translation>die Koeffizienten sind zu groß, um sie genau zu berechnen</translation>
    </message>
    <message>
        <source>a reaction has at most 500 species</source>
        <translation>eine Reaktion hat höchstens 500 Spezies</translation>
    </message>
    <message>
        <source>%1 needs a species and an amount: &apos;H2O=10 g&apos;</source>
        <translation>%1 braucht eine Spezies und eine Menge: &apos;H2O=10 g&apos;</translation>
    </message>
    <message>
        <source>%1 is not a species of the reaction</source>
        <translation>%1 ist keine Spezies der Reaktion</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>give the amounts of reactants, or of one product, not both</source>
        <translation>geben Sie die Mengen der Reaktanten oder eines Produkts an, nicht beides</translation>
    </message>
    <message>
        <source>the actual yield is of a product: %1</source>
        <translation>die tatsächliche Ausbeute gilt einem Produkt: %1</translation>
    </message>
    <message>
        <source>a number is missing</source>
        <translation>eine Zahl fehlt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 needs a unit: 10 g, 25 mL, 0.1 M</source>
        <translation>%1 braucht eine Einheit: 10 g, 25 mL, 0.1 M</translation>
    </message>
    <message>
        <source>%1 is not a unit of mass, amount, volume or concentration</source>
        <translation>%1 ist keine Einheit der Masse, Stoffmenge, des Volumens oder der Konzentration</translation>
    </message>
    <message>
        <source>%1 must be greater than 0</source>
        <translation>%1 muss größer als 0 sein</translation>
    </message>
    <message>
        <source>an amount is a mass (10 g), moles (0.5 mol) or a volume with a concentration (25 mL 0.1 M)</source>
        <translation>eine Menge ist eine Masse (10 g), eine Stoffmenge (0.5 mol) oder ein Volumen mit einer Konzentration (25 mL 0.1 M)</translation>
    </message>
    <message>
        <source>a dilution needs three of C1, V1, C2, V2</source>
        <translation>eine Verdünnung braucht drei von C1, V1, C2, V2</translation>
    </message>
    <message>
        <source>C1 and C2 must both be molar (M) or both by mass (g/L, % w/v)</source>
        <translation>C1 und C2 müssen beide molar (M) oder beide Massenkonzentrationen (g/L, % w/v) sein</translation>
    </message>
    <message>
        <source>C2 is above C1: a dilution only lowers the concentration</source>
        <translation>C2 ist größer als C1: eine Verdünnung senkt die Konzentration nur</translation>
    </message>
    <message>
        <source>%1 is not a volume</source>
        <translation>%1 ist kein Volumen</translation>
    </message>
    <message>
        <source>%1 is not a mass</source>
        <translation>%1 ist keine Masse</translation>
    </message>
    <message>
        <source>%1 is not a concentration</source>
        <translation>%1 ist keine Konzentration</translation>
    </message>
    <message>
        <source>the numbers are too large</source>
        <translation>die Zahlen sind zu groß</translation>
    </message>
    <message>
        <source>the whole-number library %1 cannot be loaded</source>
        <translation>die Ganzzahlbibliothek %1 kann nicht geladen werden</translation>
    </message>
    <message>
        <source>the whole-number library %1 lacks %2</source>
        <translation>der Ganzzahlbibliothek %1 fehlt %2</translation>
    </message>
    <message>
        <source>Dissolve %1 g of %2 in water and make up to %3</source>
        <translation>%1 g %2 in Wasser lösen und auf %3 auffüllen</translation>
    </message>
    <message>
        <source>Limiting reactant: %1</source>
        <translation>Limitierender Reaktant: %1</translation>
    </message>
    <message>
        <source>Left over: %1 %2 mol, %3 g</source>
        <translation>Überschuss: %1 %2 mol, %3 g</translation>
    </message>
    <message>
        <source>Percent yield of %1: %2 %</source>
        <translation>Prozentuale Ausbeute an %1: %2 %</translation>
    </message>
</context>
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
    <name>ErrorPlace</name>
    <message>
        <source>a number or a bracket after %1</source>
        <translation>eine Zahl oder eine Klammer nach %1</translation>
    </message>
    <message>
        <source>a number or a bracket before %1</source>
        <translation>eine Zahl oder eine Klammer vor %1</translation>
    </message>
    <message>
        <source>a closing bracket for this %1</source>
        <translation>eine schließende Klammer zu %1</translation>
    </message>
    <message>
        <source>an opening bracket for this %1</source>
        <translation>eine öffnende Klammer zu %1</translation>
    </message>
    <message>
        <source>a number or an expression inside the brackets</source>
        <translation>eine Zahl oder ein Ausdruck in den Klammern</translation>
    </message>
    <message>
        <source>an operator before %1</source>
        <translation>ein Operator vor %1</translation>
    </message>
    <message>
        <source>a bracket after %1, as in %1(x)</source>
        <translation>eine Klammer nach %1, wie in %1(x)</translation>
    </message>
    <message>
        <source>a number or a variable instead of %1</source>
        <translation>eine Zahl oder eine Variable statt %1</translation>
    </message>
    <message>
        <source>a variable before %1, as in B=2</source>
        <translation>eine Variable vor %1, wie in B=2</translation>
    </message>
    <message>
        <source>a function name: there is no function %1</source>
        <translation>ein Funktionsname: Es gibt keine Funktion %1</translation>
    </message>
    <message>
        <source>another function: %1 computes nothing</source>
        <translation>eine andere Funktion: %1 berechnet nichts</translation>
    </message>
    <message>
        <source>a variable A to N or P: there is no %1</source>
        <translation>eine Variable A bis N oder P: %1 gibt es nicht</translation>
    </message>
    <message>
        <source>a number such as 1.5 or 2E-3 instead of %1</source>
        <translation>eine Zahl wie 1.5 oder 2E-3 statt %1</translation>
    </message>
    <message>
        <source>a whole number before ! instead of %1</source>
        <translation>eine ganze Zahl vor ! statt %1</translation>
    </message>
    <message>
        <source>a divisor other than 0 after %1</source>
        <translation>ein Divisor ungleich 0 nach %1</translation>
    </message>
    <message>
        <source>values that %1 can take</source>
        <translation>Werte, die %1 annehmen kann</translation>
    </message>
    <message>
        <source>smaller values: the result of %1 is too large</source>
        <translation>kleinere Werte: Das Ergebnis von %1 ist zu groß</translation>
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
    <name>FunctionHelp</name>
    <message>
        <source>cos(x): cosine of x, x in the angle mode (now %1)</source>
        <translation>cos(x): Kosinus von x, x im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>sin(x): sine of x, x in the angle mode (now %1)</source>
        <translation>sin(x): Sinus von x, x im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>tan(x): tangent of x, x in the angle mode (now %1)</source>
        <translation>tan(x): Tangens von x, x im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>cot(x): cotangent of x, x in the angle mode (now %1)</source>
        <translation>cot(x): Kotangens von x, x im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>sec(x): secant of x, x in the angle mode (now %1)</source>
        <translation>sec(x): Sekans von x, x im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>csc(x): cosecant of x, x in the angle mode (now %1)</source>
        <translation>csc(x): Kosekans von x, x im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>xcos(x): inverse cosine of x, given in the angle mode (now %1)</source>
        <translation>xcos(x): Arkuskosinus von x, im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>xsin(x): inverse sine of x, given in the angle mode (now %1)</source>
        <translation>xsin(x): Arkussinus von x, im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>xtan(x): inverse tangent of x, given in the angle mode (now %1)</source>
        <translation>xtan(x): Arkustangens von x, im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>xcot(x): inverse cotangent of x, given in the angle mode (now %1)</source>
        <translation>xcot(x): Arkuskotangens von x, im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>xsec(x): inverse secant of x, given in the angle mode (now %1)</source>
        <translation>xsec(x): Arkussekans von x, im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>xcsc(x): inverse cosecant of x, given in the angle mode (now %1)</source>
        <translation>xcsc(x): Arkuskosekans von x, im Winkelmodus (jetzt %1)</translation>
    </message>
    <message>
        <source>cosh(x): hyperbolic cosine</source>
        <translation>cosh(x): Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>sinh(x): hyperbolic sine</source>
        <translation>sinh(x): Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>tanh(x): hyperbolic tangent</source>
        <translation>tanh(x): Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>coth(x): hyperbolic cotangent</source>
        <translation>coth(x): Kotangens hyperbolicus</translation>
    </message>
    <message>
        <source>sech(x): hyperbolic secant</source>
        <translation>sech(x): Sekans hyperbolicus</translation>
    </message>
    <message>
        <source>csch(x): hyperbolic cosecant</source>
        <translation>csch(x): Kosekans hyperbolicus</translation>
    </message>
    <message>
        <source>xsinh(x): inverse hyperbolic sine</source>
        <translation>xsinh(x): Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>xtanh(x): inverse hyperbolic tangent</source>
        <translation>xtanh(x): Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>xcoth(x): inverse hyperbolic cotangent</source>
        <translation>xcoth(x): Areakotangens hyperbolicus</translation>
    </message>
    <message>
        <source>xsech(x): inverse hyperbolic secant</source>
        <translation>xsech(x): Areasekans hyperbolicus</translation>
    </message>
    <message>
        <source>xcsch(x): inverse hyperbolic cosecant</source>
        <translation>xcsch(x): Areakosekans hyperbolicus</translation>
    </message>
    <message>
        <source>log(x): logarithm of x to the base 10</source>
        <translation>log(x): Logarithmus von x zur Basis 10</translation>
    </message>
    <message>
        <source>xlog(x): 10 to the power x</source>
        <translation>xlog(x): 10 hoch x</translation>
    </message>
    <message>
        <source>exp(x): e to the power x</source>
        <translation>exp(x): e hoch x</translation>
    </message>
    <message>
        <source>lin(x): natural logarithm of x</source>
        <translation>lin(x): natürlicher Logarithmus von x</translation>
    </message>
    <message>
        <source>logn(x): logarithm of x to the base N (now N = %1)</source>
        <translation>logn(x): Logarithmus von x zur Basis N (jetzt N = %1)</translation>
    </message>
    <message>
        <source>abs(x): magnitude of x (abs(-2.7) is 2.7)</source>
        <translation>abs(x): Betrag von x (abs(-2.7) ist 2.7)</translation>
    </message>
    <message>
        <source>ctod(x): x cycles in degrees</source>
        <translation>ctod(x): x Umdrehungen in Grad</translation>
    </message>
    <message>
        <source>ctog(x): x cycles in grads</source>
        <translation>ctog(x): x Umdrehungen in Gon</translation>
    </message>
    <message>
        <source>ctor(x): x cycles in radians</source>
        <translation>ctor(x): x Umdrehungen im Bogenmaß</translation>
    </message>
    <message>
        <source>dtoc(x): x degrees in cycles</source>
        <translation>dtoc(x): x Grad in Umdrehungen</translation>
    </message>
    <message>
        <source>dtog(x): x degrees in grads</source>
        <translation>dtog(x): x Grad in Gon</translation>
    </message>
    <message>
        <source>dtor(x): x degrees in radians</source>
        <translation>dtor(x): x Grad im Bogenmaß</translation>
    </message>
    <message>
        <source>gtoc(x): x grads in cycles</source>
        <translation>gtoc(x): x Gon in Umdrehungen</translation>
    </message>
    <message>
        <source>gtod(x): x grads in degrees</source>
        <translation>gtod(x): x Gon in Grad</translation>
    </message>
    <message>
        <source>gtor(x): x grads in radians</source>
        <translation>gtor(x): x Gon im Bogenmaß</translation>
    </message>
    <message>
        <source>rtoc(x): x radians in cycles</source>
        <translation>rtoc(x): x im Bogenmaß in Umdrehungen</translation>
    </message>
    <message>
        <source>rtod(x): x radians in degrees</source>
        <translation>rtod(x): x im Bogenmaß in Grad</translation>
    </message>
    <message>
        <source>rtog(x): x radians in grads</source>
        <translation>rtog(x): x im Bogenmaß in Gon</translation>
    </message>
    <message>
        <source>hex(x): has no function and always ends in &quot;Function Error&quot;</source>
        <translation>hex(x): hat keine Funktion und endet immer mit „Function Error“</translation>
    </message>
    <message>
        <source>xcosh(x): inverse hyperbolic cosine, for x of at least 1</source>
        <translation>xcosh(x): Areakosinus hyperbolicus, für x ab 1</translation>
    </message>
</context>
<context>
    <name>KeywordHelp</name>
    <message>
        <source>exit: ends the calculator</source>
        <translation>exit: beendet den Rechner</translation>
    </message>
    <message>
        <source>rad: angles in radians from now on (now %1)</source>
        <translation>rad: Winkel ab jetzt im Bogenmaß (jetzt %1)</translation>
    </message>
    <message>
        <source>deg: angles in degrees from now on (now %1)</source>
        <translation>deg: Winkel ab jetzt in Grad (jetzt %1)</translation>
    </message>
    <message>
        <source>grd: angles in grads from now on (now %1)</source>
        <translation>grd: Winkel ab jetzt in Gon (jetzt %1)</translation>
    </message>
    <message>
        <source>cyc: angles in cycles from now on (now %1)</source>
        <translation>cyc: Winkel ab jetzt in Umdrehungen (jetzt %1)</translation>
    </message>
    <message>
        <source>mod: lists the angle mode and the number format</source>
        <translation>mod: zeigt den Winkelmodus und das Zahlenformat</translation>
    </message>
    <message>
        <source>sci: answers in scientific notation from now on (now %1)</source>
        <translation>sci: Ergebnisse ab jetzt in wissenschaftlicher Schreibweise (jetzt %1)</translation>
    </message>
    <message>
        <source>fix: answers with fixed decimals from now on (now %1)</source>
        <translation>fix: Ergebnisse ab jetzt mit festen Nachkommastellen (jetzt %1)</translation>
    </message>
    <message>
        <source>auto: answers fixed or scientific, whichever fits (now %1)</source>
        <translation>auto: Ergebnisse fest oder wissenschaftlich, je nachdem, was passt (jetzt %1)</translation>
    </message>
    <message>
        <source>about: shows who made the calculator</source>
        <translation>about: zeigt, wer den Rechner gemacht hat</translation>
    </message>
    <message>
        <source>var: lists the variables and their values</source>
        <translation>var: zeigt die Variablen und ihre Werte</translation>
    </message>
    <message>
        <source>cls: empties the results window</source>
        <translation>cls: leert das Ergebnisfenster</translation>
    </message>
    <message>
        <source>clear: sets the variables A to N back to 0 (P keeps pi)</source>
        <translation>clear: setzt die Variablen A bis N auf 0 zurück (P behält pi)</translation>
    </message>
    <message>
        <source>help: opens the manual</source>
        <translation>help: öffnet das Handbuch</translation>
    </message>
    <message>
        <source>print: prints the results window</source>
        <translation>print: druckt das Ergebnisfenster</translation>
    </message>
    <message>
        <source>save: saves the results window to a file</source>
        <translation>save: speichert das Ergebnisfenster in eine Datei</translation>
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
    <name>Reaction</name>
    <message>
        <source>Species</source>
        <translation>Spezies</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Koeffizient</translation>
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
    <name>UnitFamilies</name>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>trigonometric</source>
        <translation>Winkel</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>pascal</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>atmosphere</source>
        <translation>Atmosphären</translation>
    </message>
    <message>
        <source>kilopascal</source>
        <translation>Kilopascal</translation>
    </message>
    <message>
        <source>torr(mmHg)</source>
        <translation>Torr (mmHg)</translation>
    </message>
    <message>
        <source>pounds per square inch</source>
        <translation>Pfund/Quadratzoll (psi)</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>joule</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>calorie</source>
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>British thermal unit (btu)</source>
        <translation>British Thermal Units (BTU)</translation>
    </message>
    <message>
        <source>radian</source>
        <translation>Radiant</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>grad</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>cycle</source>
        <translation>Umdrehungen</translation>
    </message>
    <message>
        <source>Micromicrons</source>
        <translation>Mikromikron</translation>
    </message>
    <message>
        <source>Angstroms</source>
        <translation>Ångström</translation>
    </message>
    <message>
        <source>Millimicrons</source>
        <translation>Millimikron</translation>
    </message>
    <message>
        <source>Microns</source>
        <translation>Mikrometer</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Decimeters</source>
        <translation>Dezimeter</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Decameters</source>
        <translation>Dekameter</translation>
    </message>
    <message>
        <source>Hectometers</source>
        <translation>Hektometer</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Megameters</source>
        <translation>Megameter</translation>
    </message>
    <message>
        <source>Gigameters</source>
        <translation>Gigameter</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yard</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>NauticalMiles</source>
        <translation>Seemeilen</translation>
    </message>
    <message>
        <source>AstronomicalUnits</source>
        <translation>Astronomische Einheiten</translation>
    </message>
    <message>
        <source>LightYears</source>
        <translation>Lichtjahre</translation>
    </message>
    <message>
        <source>Parsecs</source>
        <translation>Parsec</translation>
    </message>
    <message>
        <source>Cubits</source>
        <translation>Ellen</translation>
    </message>
    <message>
        <source>Fathoms</source>
        <translation>Faden</translation>
    </message>
    <message>
        <source>Furlongs</source>
        <translation>Achtelmeilen</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Handbreiten</translation>
    </message>
    <message>
        <source>Paces</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>Ruten</translation>
    </message>
    <message>
        <source>Chains</source>
        <translation>Ketten</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Kettenglieder</translation>
    </message>
    <message>
        <source>Picas</source>
        <translation>Pica</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>SquareMillimeters</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>SquareCentimeters</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>SquareDecimeters</source>
        <translation>Quadratdezimeter</translation>
    </message>
    <message>
        <source>SquareMeters</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>SquareDecameters</source>
        <translation>Quadratdekameter</translation>
    </message>
    <message>
        <source>SquareHectometers</source>
        <translation>Quadrathektometer</translation>
    </message>
    <message>
        <source>SquareKilometers</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>SquareInches</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>SquareFeet</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>SquareYards</source>
        <translation>Quadratyard</translation>
    </message>
    <message>
        <source>SquareMiles</source>
        <translation>Quadratmeilen</translation>
    </message>
    <message>
        <source>Acres</source>
        <translation>Acre</translation>
    </message>
    <message>
        <source>Centares</source>
        <translation>Centiar</translation>
    </message>
    <message>
        <source>Ares</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>Hectares</source>
        <translation>Hektar</translation>
    </message>
    <message>
        <source>SquareRods</source>
        <translation>Quadratruten</translation>
    </message>
    <message>
        <source>CubicMillimeters</source>
        <translation>Kubikmillimeter</translation>
    </message>
    <message>
        <source>CubicCentimeters</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>CubicDecimeters</source>
        <translation>Kubikdezimeter</translation>
    </message>
    <message>
        <source>CubicMeters</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>CubicDecameters</source>
        <translation>Kubikdekameter</translation>
    </message>
    <message>
        <source>CubicHectometers</source>
        <translation>Kubikhektometer</translation>
    </message>
    <message>
        <source>CubicKilometers</source>
        <translation>Kubikkilometer</translation>
    </message>
    <message>
        <source>CubicInches</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>CubicFeet</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>CubicYards</source>
        <translation>Kubikyard</translation>
    </message>
    <message>
        <source>CubicMiles</source>
        <translation>Kubikmeilen</translation>
    </message>
    <message>
        <source>MilliLiters</source>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>CentiLiters</source>
        <translation>Zentiliter</translation>
    </message>
    <message>
        <source>DeciLiters</source>
        <translation>Deziliter</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>DecaLiters</source>
        <translation>Dekaliter</translation>
    </message>
    <message>
        <source>HectoLiters</source>
        <translation>Hektoliter</translation>
    </message>
    <message>
        <source>KiloLiters</source>
        <translation>Kiloliter</translation>
    </message>
    <message>
        <source>AcreFeet</source>
        <translation>Acre-Fuß</translation>
    </message>
    <message>
        <source>AcreInches</source>
        <translation>Acre-Zoll</translation>
    </message>
    <message>
        <source>Cords</source>
        <translation>Cords (Holzmaß)</translation>
    </message>
    <message>
        <source>CordFeet</source>
        <translation>Cord-Fuß</translation>
    </message>
    <message>
        <source>Decisteres</source>
        <translation>Dezister</translation>
    </message>
    <message>
        <source>Steres</source>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Decasteres</source>
        <translation>Dekaster</translation>
    </message>
    <message>
        <source>FluidGallons</source>
        <translation>US-Gallonen (flüssig)</translation>
    </message>
    <message>
        <source>FluidQuarts</source>
        <translation>US-Quarts (flüssig)</translation>
    </message>
    <message>
        <source>FluidPints</source>
        <translation>US-Pints (flüssig)</translation>
    </message>
    <message>
        <source>FluidCups</source>
        <translation>US-Cups</translation>
    </message>
    <message>
        <source>FluidGills</source>
        <translation>US-Gills</translation>
    </message>
    <message>
        <source>FluidOunces</source>
        <translation>US-Flüssigunzen</translation>
    </message>
    <message>
        <source>FluidTablespoons</source>
        <translation>US-Esslöffel</translation>
    </message>
    <message>
        <source>FluidTeaspoons</source>
        <translation>US-Teelöffel</translation>
    </message>
    <message>
        <source>DryGallons</source>
        <translation>US-Gallonen (trocken)</translation>
    </message>
    <message>
        <source>DryQuarts</source>
        <translation>US-Quarts (trocken)</translation>
    </message>
    <message>
        <source>DryPints</source>
        <translation>US-Pints (trocken)</translation>
    </message>
    <message>
        <source>DryPecks</source>
        <translation>US-Pecks</translation>
    </message>
    <message>
        <source>DryBuckets</source>
        <translation>US-Buckets</translation>
    </message>
    <message>
        <source>DryBushels</source>
        <translation>US-Bushel</translation>
    </message>
    <message>
        <source>UKGallons</source>
        <translation>brit. Gallonen</translation>
    </message>
    <message>
        <source>UKPottle</source>
        <translation>brit. Pottle</translation>
    </message>
    <message>
        <source>UKQuarts</source>
        <translation>brit. Quarts</translation>
    </message>
    <message>
        <source>UKPints</source>
        <translation>brit. Pints</translation>
    </message>
    <message>
        <source>UKGill</source>
        <translation>brit. Gill</translation>
    </message>
    <message>
        <source>UKOunces</source>
        <translation>brit. Flüssigunzen</translation>
    </message>
    <message>
        <source>UKPecks</source>
        <translation>brit. Pecks</translation>
    </message>
    <message>
        <source>UKBuckets</source>
        <translation>brit. Buckets</translation>
    </message>
    <message>
        <source>UKBushels</source>
        <translation>brit. Bushel</translation>
    </message>
    <message>
        <source>Nanograms</source>
        <translation>Nanogramm</translation>
    </message>
    <message>
        <source>Micrograms</source>
        <translation>Mikrogramm</translation>
    </message>
    <message>
        <source>Milligrams</source>
        <translation>Milligramm</translation>
    </message>
    <message>
        <source>Centigrams</source>
        <translation>Zentigramm</translation>
    </message>
    <message>
        <source>Decigrams</source>
        <translation>Dezigramm</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Decagrams</source>
        <translation>Dekagramm</translation>
    </message>
    <message>
        <source>Hectograms</source>
        <translation>Hektogramm</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>MetricTons</source>
        <translation>Tonnen</translation>
    </message>
    <message>
        <source>Drams</source>
        <translation>Drachmen</translation>
    </message>
    <message>
        <source>Grains</source>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation>US-Tonnen (short ton)</translation>
    </message>
    <message>
        <source>LongTons</source>
        <translation>brit. Tonnen (long ton)</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Unzen</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>MilliSeconds</source>
        <translation>Millisekunden</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Fortnights</source>
        <translation>Doppelwochen</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Decades</source>
        <translation>Jahrzehnte</translation>
    </message>
    <message>
        <source>Centuries</source>
        <translation>Jahrhunderte</translation>
    </message>
    <message>
        <source>Millennia</source>
        <translation>Jahrtausende</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Rankine</source>
        <translation>Grad Rankine</translation>
    </message>
    <message>
        <source>Reaumur</source>
        <translation>Grad Réaumur</translation>
    </message>
    <message>
        <source>JulianDate</source>
        <translation>Julianisches Datum</translation>
    </message>
    <message>
        <source>ModifiedJulianDate</source>
        <translation>Modifiziertes Julianisches Datum</translation>
    </message>
</context>
<context>
    <name>brisalto::CompletionPopup</name>
    <message>
        <source>completions</source>
        <translation>Vervollständigungen</translation>
    </message>
    <message>
        <source>names that fit the word before the caret; Up and Down choose, Tab takes one</source>
        <translation>Namen, die zum Wort vor der Schreibmarke passen; Auf und Ab wählen, Tab übernimmt einen</translation>
    </message>
</context>
<context>
    <name>brisalto::HintLine</name>
    <message>
        <source>hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Expected here: %1</source>
        <translation>Hier erwartet: %1</translation>
    </message>
    <message>
        <source>an expression or a command; Enter runs it</source>
        <translation>ein Ausdruck oder ein Befehl; die Eingabetaste führt ihn aus</translation>
    </message>
</context>
<context>
    <name>brisalto::IniFile</name>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than 1088 KiB</source>
        <translation>größer als 1088 KiB</translation>
    </message>
</context>
<context>
    <name>brisalto::MousePad</name>
    <message>
        <source>zero</source>
        <translation>null</translation>
    </message>
    <message>
        <source>double zero</source>
        <translation>doppelte Null</translation>
    </message>
    <message>
        <source>triple zero</source>
        <translation>dreifache Null</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>exponent E</source>
        <translation>Exponent E</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>power</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>opening bracket</source>
        <translation>öffnende runde Klammer</translation>
    </message>
    <message>
        <source>closing bracket</source>
        <translation>schließende runde Klammer</translation>
    </message>
    <message>
        <source>opening brace</source>
        <translation>öffnende geschweifte Klammer</translation>
    </message>
    <message>
        <source>closing brace</source>
        <translation>schließende geschweifte Klammer</translation>
    </message>
    <message>
        <source>opening angle bracket</source>
        <translation>öffnende spitze Klammer</translation>
    </message>
    <message>
        <source>closing angle bracket</source>
        <translation>schließende spitze Klammer</translation>
    </message>
    <message>
        <source>opening square bracket</source>
        <translation>öffnende eckige Klammer</translation>
    </message>
    <message>
        <source>closing square bracket</source>
        <translation>schließende eckige Klammer</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>zehn hoch x</translation>
    </message>
    <message>
        <source>logarithm to base n</source>
        <translation>Logarithmus zur Basis n</translation>
    </message>
    <message>
        <source>variable %1</source>
        <translation>Variable %1</translation>
    </message>
    <message>
        <source>inserts %1</source>
        <translation>fügt %1 ein</translation>
    </message>
    <message>
        <source>%1, inserts %2()</source>
        <translation>%1, fügt %2() ein</translation>
    </message>
    <message>
        <source>editing keys</source>
        <translation>Bearbeitungstasten</translation>
    </message>
    <message>
        <source>caret to the start</source>
        <translation>Schreibmarke an den Anfang</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret to its start</source>
        <translation>setzt die Schreibmarke der Befehlszeile an den Anfang</translation>
    </message>
    <message>
        <source>caret left</source>
        <translation>Schreibmarke nach links</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret one character left</source>
        <translation>bewegt die Schreibmarke der Befehlszeile ein Zeichen nach links</translation>
    </message>
    <message>
        <source>caret right</source>
        <translation>Schreibmarke nach rechts</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret one character right</source>
        <translation>bewegt die Schreibmarke der Befehlszeile ein Zeichen nach rechts</translation>
    </message>
    <message>
        <source>caret to the end</source>
        <translation>Schreibmarke ans Ende</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret to its end</source>
        <translation>setzt die Schreibmarke der Befehlszeile ans Ende</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>löschen</translation>
    </message>
    <message>
        <source>deletes the selection or the character before the caret</source>
        <translation>löscht die Auswahl oder das Zeichen vor der Schreibmarke</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>operators</source>
        <translation>Operatoren</translation>
    </message>
    <message>
        <source>zeros</source>
        <translation>Nullen</translation>
    </message>
    <message>
        <source>brackets</source>
        <translation>Klammern</translation>
    </message>
    <message>
        <source>variables</source>
        <translation>Variablen</translation>
    </message>
    <message>
        <source>answer A</source>
        <translation>Ergebnis A</translation>
    </message>
    <message>
        <source>inserts A, the last answer</source>
        <translation>fügt A ein, das letzte Ergebnis</translation>
    </message>
    <message>
        <source>functions</source>
        <translation>Funktionen</translation>
    </message>
</context>
<context>
    <name>brisalto::SettingsFile</name>
    <message>
        <source>Unable to write to %s</source>
        <translation>Schreiben nach %s nicht möglich</translation>
    </message>
</context>
<context>
    <name>brisalto::TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version: 1.0.0</source>
        <translation>Version: 1.0.0</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
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
        <translation>Hintergrundfarben</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>Command line colour</source>
        <translation>Farbe der Befehlszeile</translation>
    </message>
    <message>
        <source>Results window</source>
        <translation>Ergebnisfenster</translation>
    </message>
    <message>
        <source>Results window colour</source>
        <translation>Farbe des Ergebnisfensters</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>brisalto::TConvForm</name>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Unit Conversions</source>
        <translation>Einheiten umrechnen</translation>
    </message>
    <message>
        <source>General Family</source>
        <translation>Größenart</translation>
    </message>
    <message>
        <source>Unit family</source>
        <translation>Größenart der Einheit</translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation>Umrechnen von</translation>
    </message>
    <message>
        <source>Convert from unit</source>
        <translation>Ausgangseinheit</translation>
    </message>
    <message>
        <source>To</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Convert to unit</source>
        <translation>Zieleinheit</translation>
    </message>
    <message>
        <source>Value to convert</source>
        <translation>Umzurechnender Wert</translation>
    </message>
    <message>
        <source>Converted value</source>
        <translation>Umgerechneter Wert</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Wert einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>brisalto::THelpForm</name>
    <message>
        <source>Brisalto Calculator Help</source>
        <translation>Hilfe zu Brisalto Calculator</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
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
    <message>
        <source>The pasted line has %L1 characters, too many to edit in the command line, so nothing was pasted. Paste it with a line break at its end to run it.</source>
        <translation>Die eingefügte Zeile hat %L1 Zeichen, zu viele für die Befehlszeile; es wurde nichts eingefügt. Fügen Sie sie mit einem Zeilenumbruch am Ende ein, um sie auszuführen.</translation>
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
<context>
    <name>brisalto::TMolarMassForm</name>
    <message>
        <source>Molar Mass</source>
        <translation>Molare Masse</translation>
    </message>
    <message>
        <source>&amp;Formula</source>
        <translation>&amp;Formel</translation>
    </message>
    <message>
        <source>e.g. H2SO4, Ca(OH)2, CuSO4·5H2O</source>
        <translation>z. B. H2SO4, Ca(OH)2, CuSO4·5H2O</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Molare Masse</translation>
    </message>
    <message>
        <source>Composition of the formula</source>
        <translation>Zusammensetzung der Formel</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Wert einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>brisalto::TPrecisionForm</name>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Set precision</source>
        <translation>Genauigkeit festlegen</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>brisalto::TReactionForm</name>
    <message>
        <source>Reaction</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <source>e.g. C8H18 + O2 = CO2 + H2O</source>
        <translation>z. B. C8H18 + O2 = CO2 + H2O</translation>
    </message>
    <message>
        <source>Balanced equation</source>
        <translation>Ausgeglichene Gleichung</translation>
    </message>
    <message>
        <source>e.g. C8H18=10 g; O2=25 mL 0.1 M</source>
        <translation>z. B. C8H18=10 g; O2=25 mL 0.1 M</translation>
    </message>
    <message>
        <source>e.g. H2O=12 g</source>
        <translation>z. B. H2O=12 g</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Amounts</source>
        <translation>Stoffmengen</translation>
    </message>
    <message>
        <source>Limiting reactant and yield</source>
        <translation>Limitierender Reaktant und Ausbeute</translation>
    </message>
    <message>
        <source>Insert or cancel</source>
        <translation>Einfügen oder abbrechen</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Wert einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Reaction</source>
        <translation>&amp;Reaktion</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Ausgeglichen</translation>
    </message>
    <message>
        <source>&amp;Given amounts</source>
        <translation>&amp;Gegebene Mengen</translation>
    </message>
    <message>
        <source>Actual &amp;yield</source>
        <translation>Tatsächliche &amp;Ausbeute</translation>
    </message>
</context>
<context>
    <name>brisalto::TSolutionForm</name>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>e.g. CuSO4·5H2O</source>
        <translation>z. B. CuSO4·5H2O</translation>
    </message>
    <message>
        <source>e.g. 0.1 M, 5 g/L, 2 % w/v</source>
        <translation>z. B. 0.1 M, 5 g/L, 2 % w/v</translation>
    </message>
    <message>
        <source>or the mass weighed, e.g. 6.24 g</source>
        <translation>oder die Einwaage, z. B. 6.24 g</translation>
    </message>
    <message>
        <source>e.g. 250 mL</source>
        <translation>z. B. 250 mL</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Ansatz</translation>
    </message>
    <message>
        <source>Solution to prepare</source>
        <translation>Herzustellende Lösung</translation>
    </message>
    <message>
        <source>&amp;Formula</source>
        <translation>&amp;Formel</translation>
    </message>
    <message>
        <source>&amp;Concentration</source>
        <translation>&amp;Konzentration</translation>
    </message>
    <message>
        <source>M&amp;ass</source>
        <translation>M&amp;asse</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>e.g. 1 M</source>
        <translation>z. B. 1 M</translation>
    </message>
    <message>
        <source>empty to find it</source>
        <translation>leer lassen, um ihn zu berechnen</translation>
    </message>
    <message>
        <source>e.g. 0.1 M</source>
        <translation>z. B. 0.1 M</translation>
    </message>
    <message>
        <source>e.g. 100 mL</source>
        <translation>z. B. 100 mL</translation>
    </message>
    <message>
        <source>Solvent to add</source>
        <translation>Zuzugebendes Lösungsmittel</translation>
    </message>
    <message>
        <source>Dilution: C1·V1 = C2·V2, one left empty</source>
        <translation>Verdünnung: C1·V1 = C2·V2, ein Feld leer lassen</translation>
    </message>
    <message>
        <source>Stock concentration C&amp;1</source>
        <translation>Konzentration der Stammlösung C&amp;1</translation>
    </message>
    <message>
        <source>Stock volume V1</source>
        <translation>Volumen der Stammlösung V1</translation>
    </message>
    <message>
        <source>Final concentration C&amp;2</source>
        <translation>Endkonzentration C&amp;2</translation>
    </message>
    <message>
        <source>Final volume V2</source>
        <translation>Endvolumen V2</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Berechnet</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Insert or cancel</source>
        <translation>Einfügen oder abbrechen</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Wert einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Leave the concentration or the mass empty: it is what is found.</source>
        <translation>Konzentration oder Masse leer lassen: Sie wird berechnet.</translation>
    </message>
    <message>
        <source>%1 g to weigh</source>
        <translation>%1 g einwiegen</translation>
    </message>
    <message>
        <source>%1 M (%2 g/L)</source>
        <translation>%1 M (%2 g/L)</translation>
    </message>
    <message>
        <source>Add %1 of solvent to %2 of the stock.</source>
        <translation>%1 Lösungsmittel zu %2 der Stammlösung geben.</translation>
    </message>
</context>
</TS>
