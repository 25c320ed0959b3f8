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
        <source>Nothing in result to be saved</source>
        <translation>No hay nada que guardar en los resultados</translation>
    </message>
    <message>
        <source>Text File(*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
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
</context>
</TS>
