<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Colors</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Verde dólar</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crema</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Gris medio</translation>
    </message>
    <message>
        <source>Scroll Bar</source>
        <translation>Barra de desplazamiento</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Active Caption</source>
        <translation>Título activo</translation>
    </message>
    <message>
        <source>Inactive Caption</source>
        <translation>Título inactivo</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Window Frame</source>
        <translation>Marco de ventana</translation>
    </message>
    <message>
        <source>Menu Text</source>
        <translation>Texto de menú</translation>
    </message>
    <message>
        <source>Window Text</source>
        <translation>Texto de ventana</translation>
    </message>
    <message>
        <source>Caption Text</source>
        <translation>Texto de título</translation>
    </message>
    <message>
        <source>Active Border</source>
        <translation>Borde activo</translation>
    </message>
    <message>
        <source>Inactive Border</source>
        <translation>Borde inactivo</translation>
    </message>
    <message>
        <source>Application Workspace</source>
        <translation>Área de trabajo de la aplicación</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Highlight Text</source>
        <translation>Texto seleccionado</translation>
    </message>
    <message>
        <source>Button Face</source>
        <translation>Cara de botón</translation>
    </message>
    <message>
        <source>Button Shadow</source>
        <translation>Sombra de botón</translation>
    </message>
    <message>
        <source>Gray Text</source>
        <translation>Texto atenuado</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Texto de botón</translation>
    </message>
    <message>
        <source>Inactive Caption Text</source>
        <translation>Texto del título inactivo</translation>
    </message>
    <message>
        <source>Button Highlight</source>
        <translation>Brillo de botón</translation>
    </message>
    <message>
        <source>3D Dark Shadow</source>
        <translation>Sombra oscura 3D</translation>
    </message>
    <message>
        <source>3D Light</source>
        <translation>Luz 3D</translation>
    </message>
    <message>
        <source>Info Text</source>
        <translation>Texto de información</translation>
    </message>
    <message>
        <source>Info Background</source>
        <translation>Fondo de información</translation>
    </message>
    <message>
        <source>Hot Light</source>
        <translation>Elemento activo</translation>
    </message>
    <message>
        <source>Gradient Active Caption</source>
        <translation>Degradado del título activo</translation>
    </message>
    <message>
        <source>Gradient Inactive Caption</source>
        <translation>Degradado del título inactivo</translation>
    </message>
    <message>
        <source>Menu Highlight</source>
        <translation>Selección de menú</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Barra de menús</translation>
    </message>
</context>
<context>
    <name>Constants</name>
    <message>
        <source>Speed Of Light (m/s)</source>
        <translation>Velocidad de la luz (m/s)</translation>
    </message>
    <message>
        <source>Charg of an electron (C)</source>
        <translation>Carga del electrón (C)</translation>
    </message>
    <message>
        <source>Avogadro Constant (1/mol)</source>
        <translation>Constante de Avogadro (1/mol)</translation>
    </message>
    <message>
        <source>Gas Constant (J/K.mol)</source>
        <translation>Constante de los gases (J/K.mol)</translation>
    </message>
    <message>
        <source>Gas Constant (bar.dm^3/K.mol)</source>
        <translation>Constante de los gases (bar.dm^3/K.mol)</translation>
    </message>
    <message>
        <source>Gas Constant (atm.dm^3/K.mol)</source>
        <translation>Constante de los gases (atm.dm^3/K.mol)</translation>
    </message>
    <message>
        <source>Molar Volume At STP atm  (dm^3/mol)</source>
        <translation>Volumen molar en CNPT, atm (dm^3/mol)</translation>
    </message>
    <message>
        <source>Molar VolumeAt NSTP bar (dm^3/mol)</source>
        <translation>Volumen molar en NSTP, bar (dm^3/mol)</translation>
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
        <translation>Masa en reposo del electrón (kg)</translation>
    </message>
    <message>
        <source>Proton Rest Mass (kg)</source>
        <translation>Masa en reposo del protón (kg)</translation>
    </message>
    <message>
        <source>Rydberg Constant (1/m)</source>
        <translation>Constante de Rydberg (1/m)</translation>
    </message>
    <message>
        <source>Permittivity Of Vacuum (C^2/N.m^-2) or (F/m)</source>
        <translation>Permitividad del vacío (C^2/N.m^-2) o (F/m)</translation>
    </message>
    <message>
        <source>Standard acceleration of Gravity (m/s^2)</source>
        <translation>Aceleración estándar de la gravedad (m/s^2)</translation>
    </message>
    <message>
        <source>Atomic Mass Unit (kg)</source>
        <translation>Unidad de masa atómica (kg)</translation>
    </message>
    <message>
        <source>Bohr Radius (m)</source>
        <translation>Radio de Bohr (m)</translation>
    </message>
    <message>
        <source>Proton Rest Mass (amu)</source>
        <translation>Masa en reposo del protón (uma)</translation>
    </message>
    <message>
        <source>Neutron Rest Mass (kg)</source>
        <translation>Masa en reposo del neutrón (kg)</translation>
    </message>
    <message>
        <source>Neutron Rest Mass (amu)</source>
        <translation>Masa en reposo del neutrón (uma)</translation>
    </message>
    <message>
        <source>Electron Rest Mass (amu)</source>
        <translation>Masa en reposo del electrón (uma)</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Atomic Weight...</source>
        <translation>Masa atómica...</translation>
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
        <translation>Hidrógeno</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berilio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbono</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxígeno</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Sodium (Natrium)</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Azufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argón</translation>
    </message>
    <message>
        <source>Potassium (Kalium)</source>
        <translation>Potasio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escandio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titanio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganeso</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Hierro</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Galio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsénico</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selenio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Kriptón</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estroncio</translation>
    </message>
    <message>
        <source>Yittrium</source>
        <translation>Itrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Circonio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niobio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdeno</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnecio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutenio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rodio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estaño</translation>
    </message>
    <message>
        <source>Antimony (Stibium)</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telurio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Yodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenón</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Cesio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bario</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantano</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cerio</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodimio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodimio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prometio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samario</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprosio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Tulio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Iterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutecio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantalio</translation>
    </message>
    <message>
        <source>Tungsten (Wolfram)</source>
        <translation>Wolframio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Renio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platino</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Talio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polnium</source>
        <translation>Polonio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radón</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americio</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstenio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencio</translation>
    </message>
    <message>
        <source>Rutherfordium</source>
        <translation>Rutherfordio</translation>
    </message>
    <message>
        <source>Dubnium</source>
        <translation>Dubnio</translation>
    </message>
    <message>
        <source>Seaborgium</source>
        <translation>Seaborgio</translation>
    </message>
    <message>
        <source>Bohrium</source>
        <translation>Bohrio</translation>
    </message>
    <message>
        <source>Hassium</source>
        <translation>Hasio</translation>
    </message>
    <message>
        <source>Meitnerium</source>
        <translation>Meitnerio</translation>
    </message>
    <message>
        <source>Darmstadtium</source>
        <translation>Darmstatio</translation>
    </message>
    <message>
        <source>Roentgenium</source>
        <translation>Roentgenio</translation>
    </message>
    <message>
        <source>Copernicium</source>
        <translation>Copernicio</translation>
    </message>
    <message>
        <source>Flerovium</source>
        <translation>Flerovio</translation>
    </message>
    <message>
        <source>Livermorium</source>
        <translation>Livermorio</translation>
    </message>
    <message>
        <source>Oganesson</source>
        <translation>Oganesón</translation>
    </message>
    <message>
        <source>Nihonium</source>
        <translation>Nihonio</translation>
    </message>
    <message>
        <source>Moscovium</source>
        <translation>Moscovio</translation>
    </message>
    <message>
        <source>Tennessine</source>
        <translation>Teneso</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Not enough memory to finish the line; the window goes on without it</source>
        <translation>No hay memoria suficiente para terminar la línea; la ventana sigue sin ella</translation>
    </message>
</context>
<context>
    <name>ModeLine</name>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radianes</translation>
    </message>
    <message>
        <source>Grads</source>
        <translation>Gradianes</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Ciclos</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Científico</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fijo</translation>
    </message>
</context>
<context>
    <name>ResultsFontDialog</name>
    <message>
        <source>Results text colour</source>
        <translation>Color del texto de resultados</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Unable to print: the printer could not be started</source>
        <translation>No se puede imprimir: no se pudo iniciar la impresora</translation>
    </message>
    <message>
        <source>Unable to print: the printer refused a new page</source>
        <translation>No se puede imprimir: la impresora rechazó una página nueva</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source> … [%1 more characters]</source>
        <translation> … [%1 caracteres más]</translation>
    </message>
    <message>
        <source>Nothing in result to be saved</source>
        <translation>No hay nada que guardar en los resultados</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
    </message>
    <message>
        <source>Brisalto Calculator</source>
        <translation>Calculadora Brisalto</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>it would grow past what is read back; remove the lines the calculator does not use</source>
        <translation>crecería más de lo que se vuelve a leer; elimine las líneas que la calculadora no usa</translation>
    </message>
</context>
<context>
    <name>brisalto::TMainForm</name>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>results</source>
        <translation>resultados</translation>
    </message>
    <message>
        <source>every command line run, with its answer or error</source>
        <translation>cada línea de comandos ejecutada, con su respuesta o su error</translation>
    </message>
    <message>
        <source>mode line</source>
        <translation>línea de modo</translation>
    </message>
    <message>
        <source>the angle mode and the number format</source>
        <translation>el modo de ángulo y el formato de número</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>línea de comandos</translation>
    </message>
    <message>
        <source>an expression or a command; Enter runs it</source>
        <translation>una expresión o un comando; Intro lo ejecuta</translation>
    </message>
    <message>
        <source>runs the command line</source>
        <translation>ejecuta la línea de comandos</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>runs the command line, as Go does</source>
        <translation>ejecuta la línea de comandos, como Ir</translation>
    </message>
    <message>
        <source>mouse pad</source>
        <translation>teclado de ratón</translation>
    </message>
    <message>
        <source>keys that insert into the command line</source>
        <translation>teclas que insertan en la línea de comandos</translation>
    </message>
    <message>
        <source>Last Commad</source>
        <translation>Último comando</translation>
    </message>
    <message>
        <source>About... (about)</source>
        <translation>Acerca de... (about)</translation>
    </message>
    <message>
        <source>Save Result as... (save)</source>
        <translation>Guardar resultado como... (save)</translation>
    </message>
    <message>
        <source>PrintSetup...</source>
        <translation>Configurar impresión...</translation>
    </message>
    <message>
        <source>Print... (print)</source>
        <translation>Imprimir... (print)</translation>
    </message>
    <message>
        <source>Exit (exit)</source>
        <translation>Salir (exit)</translation>
    </message>
    <message>
        <source>Results window Font...</source>
        <translation>Tipo de letra de la ventana de resultados...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Past</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Contents... (help)</source>
        <translation>Contenido... (help)</translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation>Borrar resultados</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Ajuste de línea</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Mouse Tools</source>
        <translation>Herramientas de ratón</translation>
    </message>
    <message>
        <source>Show values (var)</source>
        <translation>Mostrar valores (var)</translation>
    </message>
    <message>
        <source>Clear all variables (clear)</source>
        <translation>Borrar todas las variables (clear)</translation>
    </message>
    <message>
        <source>Background Colors...</source>
        <translation>Colores de fondo...</translation>
    </message>
    <message>
        <source>Precision...</source>
        <translation>Precisión...</translation>
    </message>
    <message>
        <source>Units Conversions...</source>
        <translation>Conversiones de unidades...</translation>
    </message>
    <message>
        <source>Molar Mass...</source>
        <translation>Masa molar...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Clear results window (cls)</source>
        <translation>Borrar la ventana de resultados (cls)</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Automatic format (auto)</source>
        <translation>Formato automático (auto)</translation>
    </message>
    <message>
        <source>Scientific format (sci)</source>
        <translation>Formato científico (sci)</translation>
    </message>
    <message>
        <source>Fixed format (fix)</source>
        <translation>Formato fijo (fix)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Current mode (mod)</source>
        <translation>Modo actual (mod)</translation>
    </message>
    <message>
        <source>Degrees mode (deg)</source>
        <translation>Modo grados (deg)</translation>
    </message>
    <message>
        <source>Radian mode (rad)</source>
        <translation>Modo radianes (rad)</translation>
    </message>
    <message>
        <source>Grads mode (grd)</source>
        <translation>Modo gradianes (grd)</translation>
    </message>
    <message>
        <source>Cycle mode (cyc)</source>
        <translation>Modo ciclos (cyc)</translation>
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
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>History notice</source>
        <translation>Aviso del historial</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>Historial: %1</translation>
    </message>
    <message>
        <source>Reaction...</source>
        <translation>Reacción...</translation>
    </message>
    <message>
        <source>Solution...</source>
        <translation>Disolución...</translation>
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
        <translation>Masa atómica</translation>
    </message>
    <message>
        <source>Choose an element to insert its atomic weight</source>
        <translation>Elija un elemento para insertar su masa atómica</translation>
    </message>
    <message>
        <source>Periodic table</source>
        <translation>Tabla periódica</translation>
    </message>
    <message>
        <source>Main-Group Elements</source>
        <translation>Elementos de los grupos principales</translation>
    </message>
    <message>
        <source>Transition Metals</source>
        <translation>Metales de transición</translation>
    </message>
    <message>
        <source>Selected Element:</source>
        <translation>Elemento elegido:</translation>
    </message>
    <message>
        <source>Periodic Table of the Elements</source>
        <translation>Tabla periódica de los elementos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Inner-Transition Metals</source>
        <translation>Metales de transición interna</translation>
    </message>
    <message>
        <source>*Lanthanides</source>
        <translation>*Lantánidos</translation>
    </message>
    <message>
        <source>**Actinides</source>
        <translation>**Actínidos</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Atomic number %1</source>
        <translation>Número atómico %1</translation>
    </message>
    <message>
        <source>%1  Atomic Weight: %2 g/mol</source>
        <translation>%1  Masa atómica: %2 g/mol</translation>
    </message>
    <message>
        <source>Atomic Number: %1</source>
        <translation>Número atómico: %1</translation>
    </message>
</context>
</TS>
