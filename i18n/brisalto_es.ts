<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Chemistry</name>
    <message>
        <source>the formula is empty</source>
        <translation>la fórmula está vacía</translation>
    </message>
    <message>
        <source>%1 is not an element</source>
        <translation>%1 no es un elemento</translation>
    </message>
    <message>
        <source>%1 is not an element: a symbol begins with a capital letter</source>
        <translation>%1 no es un elemento: un símbolo empieza por mayúscula</translation>
    </message>
    <message>
        <source>%1 is not closed</source>
        <translation>%1 no se cierra</translation>
    </message>
    <message>
        <source>%1 has no opening bracket</source>
        <translation>%1 no tiene paréntesis de apertura</translation>
    </message>
    <message>
        <source>%1 does not close %2</source>
        <translation>%1 no cierra %2</translation>
    </message>
    <message>
        <source>%1 holds nothing</source>
        <translation>%1 no contiene nada</translation>
    </message>
    <message>
        <source>a count or coefficient must be at least 1</source>
        <translation>un subíndice o un coeficiente debe ser al menos 1</translation>
    </message>
    <message>
        <source>%1 is too large: counts go up to 1000000</source>
        <translation>%1 es demasiado grande: los subíndices llegan hasta 1000000</translation>
    </message>
    <message>
        <source>%1 is not a whole number: counts and coefficients are whole numbers</source>
        <translation>%1 no es un número entero: subíndices y coeficientes son enteros</translation>
    </message>
    <message>
        <source>%1 cannot stand here: a count follows an element or a closing bracket</source>
        <translation>%1 no puede ir aquí: un subíndice sigue a un elemento o a un paréntesis de cierre</translation>
    </message>
    <message>
        <source>%1 must be followed by an element or a bracket</source>
        <translation>%1 debe ir seguido de un elemento o de un paréntesis</translation>
    </message>
    <message>
        <source>%1 must follow an element or a bracket</source>
        <translation>%1 debe seguir a un elemento o a un paréntesis</translation>
    </message>
    <message>
        <source>charges are not part of a formula</source>
        <translation>las cargas no forman parte de una fórmula</translation>
    </message>
    <message>
        <source>%1 cannot stand in a formula</source>
        <translation>%1 no puede figurar en una fórmula</translation>
    </message>
    <message>
        <source>the formula is too large to weigh</source>
        <translation>la fórmula es demasiado grande para calcular su masa</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (en el carácter %2)</translation>
    </message>
    <message>
        <source>a reaction needs = or -&gt; between its two sides</source>
        <translation>una reacción necesita = o -&gt; entre sus dos miembros</translation>
    </message>
    <message>
        <source>the reaction is empty</source>
        <translation>la reacción está vacía</translation>
    </message>
    <message>
        <source>a reaction has one arrow</source>
        <translation>una reacción tiene una sola flecha</translation>
    </message>
    <message>
        <source>the left side is empty</source>
        <translation>el miembro izquierdo está vacío</translation>
    </message>
    <message>
        <source>the right side is empty</source>
        <translation>el miembro derecho está vacío</translation>
    </message>
    <message>
        <source>a species is missing around +</source>
        <translation>falta una especie junto a +</translation>
    </message>
    <message>
        <source>%1 is not a whole number: coefficients are whole numbers</source>
        <translation>%1 no es un número entero: los coeficientes son enteros</translation>
    </message>
    <message>
        <source>%1 is too large: coefficients go up to 1000000</source>
        <translation>%1 es demasiado grande: los coeficientes llegan hasta 1000000</translation>
    </message>
    <message>
        <source>a coefficient must be at least 1</source>
        <translation>un coeficiente debe ser al menos 1</translation>
    </message>
    <message>
        <source>%1 is not a charge: write it as ^2+, ^- or ³⁺</source>
        <translation>%1 no es una carga: escríbala como ^2+, ^- o ³⁺</translation>
    </message>
    <message>
        <source>the electron is written e^-</source>
        <translation>el electrón se escribe e^-</translation>
    </message>
    <message>
        <source>%1 appears only on the left</source>
        <translation>%1 solo aparece a la izquierda</translation>
    </message>
    <message>
        <source>%1 appears only on the right</source>
        <translation>%1 solo aparece a la derecha</translation>
    </message>
    <message>
        <source>the reaction cannot be balanced: no whole coefficients conserve every element and the charge</source>
        <translation>la reacción no se puede ajustar: ningún coeficiente entero conserva cada elemento y la carga</translation>
    </message>
    <message>
        <source>the reaction has more than one independent balance; it is made of: %1</source>
        <translation>la reacción tiene más de un ajuste independiente; se compone de: %1</translation>
    </message>
    <message>
        <source>the reaction has more than one independent balance; it is made of: %1; and %2 more</source>
        <translation>la reacción tiene más de un ajuste independiente; se compone de: %1; y %2 más</translation>
    </message>
    <message>
        <source>%1 takes no part: its coefficient would be 0</source>
        <translation>%1 no participa: su coeficiente sería 0</translation>
    </message>
    <message>
        <source>%1 would need a negative coefficient: it belongs on the other side</source>
        <translation>%1 necesitaría un coeficiente negativo: va en el otro miembro</translation>
    </message>
    <message>
        <source>%1 does not balance: %2 on the left, %3 on the right</source>
        <translation>%1 no está ajustado: %2 a la izquierda, %3 a la derecha</translation>
    </message>
    <message>
        <source>the charge does not balance: %1 on the left, %2 on the right</source>
        <translation>la carga no está ajustada: %1 a la izquierda, %2 a la derecha</translation>
    </message>
    <message>
        <source>the coefficients are too large to compute exactly</source>
        <translation>los coeficientes son demasiado grandes para calcularlos con exactitud</translation>
    </message>
    <message>
        <source>a reaction has at most 500 species</source>
        <translation>una reacción tiene como máximo 500 especies</translation>
    </message>
    <message>
        <source>%1 needs a species and an amount: &apos;H2O=10 g&apos;</source>
        <translation>%1 necesita una especie y una cantidad: &apos;H2O=10 g&apos;</translation>
    </message>
    <message>
        <source>%1 is not a species of the reaction</source>
        <translation>%1 no es una especie de la reacción</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se da dos veces</translation>
    </message>
    <message>
        <source>give the amounts of reactants, or of one product, not both</source>
        <translation>indique las cantidades de los reactivos o de un producto, no ambas</translation>
    </message>
    <message>
        <source>the actual yield is of a product: %1</source>
        <translation>el rendimiento obtenido es de un producto: %1</translation>
    </message>
    <message>
        <source>a number is missing</source>
        <translation>falta un número</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; no es un número</translation>
    </message>
    <message>
        <source>%1 needs a unit: 10 g, 25 mL, 0.1 M</source>
        <translation>%1 necesita una unidad: 10 g, 25 mL, 0.1 M</translation>
    </message>
    <message>
        <source>%1 is not a unit of mass, amount, volume or concentration</source>
        <translation>%1 no es una unidad de masa, cantidad de sustancia, volumen o concentración</translation>
    </message>
    <message>
        <source>%1 must be greater than 0</source>
        <translation>%1 debe ser mayor que 0</translation>
    </message>
    <message>
        <source>an amount is a mass (10 g), moles (0.5 mol) or a volume with a concentration (25 mL 0.1 M)</source>
        <translation>una cantidad es una masa (10 g), moles (0.5 mol) o un volumen con una concentración (25 mL 0.1 M)</translation>
    </message>
    <message>
        <source>a dilution needs three of C1, V1, C2, V2</source>
        <translation>una dilución necesita tres de C1, V1, C2, V2</translation>
    </message>
    <message>
        <source>C1 and C2 must both be molar (M) or both by mass (g/L, % w/v)</source>
        <translation>C1 y C2 deben ser ambas molares (M) o ambas en masa (g/L, % w/v)</translation>
    </message>
    <message>
        <source>C2 is above C1: a dilution only lowers the concentration</source>
        <translation>C2 es mayor que C1: una dilución solo reduce la concentración</translation>
    </message>
    <message>
        <source>%1 is not a volume</source>
        <translation>%1 no es un volumen</translation>
    </message>
    <message>
        <source>%1 is not a mass</source>
        <translation>%1 no es una masa</translation>
    </message>
    <message>
        <source>%1 is not a concentration</source>
        <translation>%1 no es una concentración</translation>
    </message>
    <message>
        <source>the numbers are too large</source>
        <translation>los números son demasiado grandes</translation>
    </message>
    <message>
        <source>the whole-number library %1 cannot be loaded</source>
        <translation>no se puede cargar la biblioteca de enteros %1</translation>
    </message>
    <message>
        <source>the whole-number library %1 lacks %2</source>
        <translation>a la biblioteca de enteros %1 le falta %2</translation>
    </message>
    <message>
        <source>Dissolve %1 g of %2 in water and make up to %3</source>
        <translation>Disolver %1 g de %2 en agua y enrasar a %3</translation>
    </message>
    <message>
        <source>Limiting reactant: %1</source>
        <translation>Reactivo limitante: %1</translation>
    </message>
    <message>
        <source>Left over: %1 %2 mol, %3 g</source>
        <translation>Sobrante: %1 %2 mol, %3 g</translation>
    </message>
    <message>
        <source>Percent yield of %1: %2 %</source>
        <translation>Rendimiento porcentual de %1: %2 %</translation>
    </message>
</context>
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
    <name>ErrorPlace</name>
    <message>
        <source>a number or a bracket after %1</source>
        <translation>un número o un paréntesis después de %1</translation>
    </message>
    <message>
        <source>a number or a bracket before %1</source>
        <translation>un número o un paréntesis antes de %1</translation>
    </message>
    <message>
        <source>a closing bracket for this %1</source>
        <translation>un paréntesis de cierre para %1</translation>
    </message>
    <message>
        <source>an opening bracket for this %1</source>
        <translation>un paréntesis de apertura para %1</translation>
    </message>
    <message>
        <source>a number or an expression inside the brackets</source>
        <translation>un número o una expresión dentro de los paréntesis</translation>
    </message>
    <message>
        <source>an operator before %1</source>
        <translation>un operador antes de %1</translation>
    </message>
    <message>
        <source>a bracket after %1, as in %1(x)</source>
        <translation>un paréntesis después de %1, como en %1(x)</translation>
    </message>
    <message>
        <source>a number or a variable instead of %1</source>
        <translation>un número o una variable en lugar de %1</translation>
    </message>
    <message>
        <source>a variable before %1, as in B=2</source>
        <translation>una variable antes de %1, como en B=2</translation>
    </message>
    <message>
        <source>a function name: there is no function %1</source>
        <translation>un nombre de función: no existe la función %1</translation>
    </message>
    <message>
        <source>another function: %1 computes nothing</source>
        <translation>otra función: %1 no calcula nada</translation>
    </message>
    <message>
        <source>a variable A to N or P: there is no %1</source>
        <translation>una variable de A a N o P: %1 no existe</translation>
    </message>
    <message>
        <source>a number such as 1.5 or 2E-3 instead of %1</source>
        <translation>un número como 1.5 o 2E-3 en lugar de %1</translation>
    </message>
    <message>
        <source>a whole number before ! instead of %1</source>
        <translation>un número entero antes de ! en lugar de %1</translation>
    </message>
    <message>
        <source>a divisor other than 0 after %1</source>
        <translation>un divisor distinto de 0 después de %1</translation>
    </message>
    <message>
        <source>values that %1 can take</source>
        <translation>valores que %1 admite</translation>
    </message>
    <message>
        <source>smaller values: the result of %1 is too large</source>
        <translation>valores más pequeños: el resultado de %1 es demasiado grande</translation>
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
    <name>FunctionHelp</name>
    <message>
        <source>cos(x): cosine of x, x in the angle mode (now %1)</source>
        <translation>cos(x): coseno de x, x en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>sin(x): sine of x, x in the angle mode (now %1)</source>
        <translation>sin(x): seno de x, x en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>tan(x): tangent of x, x in the angle mode (now %1)</source>
        <translation>tan(x): tangente de x, x en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>cot(x): cotangent of x, x in the angle mode (now %1)</source>
        <translation>cot(x): cotangente de x, x en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>sec(x): secant of x, x in the angle mode (now %1)</source>
        <translation>sec(x): secante de x, x en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>csc(x): cosecant of x, x in the angle mode (now %1)</source>
        <translation>csc(x): cosecante de x, x en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>xcos(x): inverse cosine of x, given in the angle mode (now %1)</source>
        <translation>xcos(x): arco coseno de x, en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>xsin(x): inverse sine of x, given in the angle mode (now %1)</source>
        <translation>xsin(x): arco seno de x, en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>xtan(x): inverse tangent of x, given in the angle mode (now %1)</source>
        <translation>xtan(x): arco tangente de x, en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>xcot(x): inverse cotangent of x, given in the angle mode (now %1)</source>
        <translation>xcot(x): arco cotangente de x, en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>xsec(x): inverse secant of x, given in the angle mode (now %1)</source>
        <translation>xsec(x): arco secante de x, en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>xcsc(x): inverse cosecant of x, given in the angle mode (now %1)</source>
        <translation>xcsc(x): arco cosecante de x, en el modo de ángulo (ahora %1)</translation>
    </message>
    <message>
        <source>cosh(x): hyperbolic cosine</source>
        <translation>cosh(x): coseno hiperbólico</translation>
    </message>
    <message>
        <source>sinh(x): hyperbolic sine</source>
        <translation>sinh(x): seno hiperbólico</translation>
    </message>
    <message>
        <source>tanh(x): hyperbolic tangent</source>
        <translation>tanh(x): tangente hiperbólica</translation>
    </message>
    <message>
        <source>coth(x): hyperbolic cotangent</source>
        <translation>coth(x): cotangente hiperbólica</translation>
    </message>
    <message>
        <source>sech(x): hyperbolic secant</source>
        <translation>sech(x): secante hiperbólica</translation>
    </message>
    <message>
        <source>csch(x): hyperbolic cosecant</source>
        <translation>csch(x): cosecante hiperbólica</translation>
    </message>
    <message>
        <source>xsinh(x): inverse hyperbolic sine</source>
        <translation>xsinh(x): arco seno hiperbólico</translation>
    </message>
    <message>
        <source>xtanh(x): inverse hyperbolic tangent</source>
        <translation>xtanh(x): arco tangente hiperbólica</translation>
    </message>
    <message>
        <source>xcoth(x): inverse hyperbolic cotangent</source>
        <translation>xcoth(x): arco cotangente hiperbólica</translation>
    </message>
    <message>
        <source>xsech(x): inverse hyperbolic secant</source>
        <translation>xsech(x): arco secante hiperbólica</translation>
    </message>
    <message>
        <source>xcsch(x): inverse hyperbolic cosecant</source>
        <translation>xcsch(x): arco cosecante hiperbólica</translation>
    </message>
    <message>
        <source>log(x): logarithm of x to the base 10</source>
        <translation>log(x): logaritmo de x en base 10</translation>
    </message>
    <message>
        <source>xlog(x): 10 to the power x</source>
        <translation>xlog(x): 10 elevado a x</translation>
    </message>
    <message>
        <source>exp(x): e to the power x</source>
        <translation>exp(x): e elevado a x</translation>
    </message>
    <message>
        <source>lin(x): natural logarithm of x</source>
        <translation>lin(x): logaritmo natural de x</translation>
    </message>
    <message>
        <source>logn(x): logarithm of x to the base N (now N = %1)</source>
        <translation>logn(x): logaritmo de x en base N (ahora N = %1)</translation>
    </message>
    <message>
        <source>abs(x): magnitude of x (abs(-2.7) is 2.7)</source>
        <translation>abs(x): valor absoluto de x (abs(-2.7) es 2.7)</translation>
    </message>
    <message>
        <source>ctod(x): x cycles in degrees</source>
        <translation>ctod(x): x vueltas en grados</translation>
    </message>
    <message>
        <source>ctog(x): x cycles in grads</source>
        <translation>ctog(x): x vueltas en gradianes</translation>
    </message>
    <message>
        <source>ctor(x): x cycles in radians</source>
        <translation>ctor(x): x vueltas en radianes</translation>
    </message>
    <message>
        <source>dtoc(x): x degrees in cycles</source>
        <translation>dtoc(x): x grados en vueltas</translation>
    </message>
    <message>
        <source>dtog(x): x degrees in grads</source>
        <translation>dtog(x): x grados en gradianes</translation>
    </message>
    <message>
        <source>dtor(x): x degrees in radians</source>
        <translation>dtor(x): x grados en radianes</translation>
    </message>
    <message>
        <source>gtoc(x): x grads in cycles</source>
        <translation>gtoc(x): x gradianes en vueltas</translation>
    </message>
    <message>
        <source>gtod(x): x grads in degrees</source>
        <translation>gtod(x): x gradianes en grados</translation>
    </message>
    <message>
        <source>gtor(x): x grads in radians</source>
        <translation>gtor(x): x gradianes en radianes</translation>
    </message>
    <message>
        <source>rtoc(x): x radians in cycles</source>
        <translation>rtoc(x): x radianes en vueltas</translation>
    </message>
    <message>
        <source>rtod(x): x radians in degrees</source>
        <translation>rtod(x): x radianes en grados</translation>
    </message>
    <message>
        <source>rtog(x): x radians in grads</source>
        <translation>rtog(x): x radianes en gradianes</translation>
    </message>
    <message>
        <source>hex(x): has no function and always ends in &quot;Function Error&quot;</source>
        <translation>hex(x): no tiene función y siempre termina en «Function Error»</translation>
    </message>
    <message>
        <source>xcosh(x): inverse hyperbolic cosine, for x of at least 1</source>
        <translation>xcosh(x): arco coseno hiperbólico, para x de al menos 1</translation>
    </message>
</context>
<context>
    <name>KeywordHelp</name>
    <message>
        <source>exit: ends the calculator</source>
        <translation>exit: cierra la calculadora</translation>
    </message>
    <message>
        <source>rad: angles in radians from now on (now %1)</source>
        <translation>rad: ángulos en radianes a partir de ahora (ahora %1)</translation>
    </message>
    <message>
        <source>deg: angles in degrees from now on (now %1)</source>
        <translation>deg: ángulos en grados a partir de ahora (ahora %1)</translation>
    </message>
    <message>
        <source>grd: angles in grads from now on (now %1)</source>
        <translation>grd: ángulos en gradianes a partir de ahora (ahora %1)</translation>
    </message>
    <message>
        <source>cyc: angles in cycles from now on (now %1)</source>
        <translation>cyc: ángulos en vueltas a partir de ahora (ahora %1)</translation>
    </message>
    <message>
        <source>mod: lists the angle mode and the number format</source>
        <translation>mod: muestra el modo de ángulo y el formato de número</translation>
    </message>
    <message>
        <source>sci: answers in scientific notation from now on (now %1)</source>
        <translation>sci: resultados en notación científica a partir de ahora (ahora %1)</translation>
    </message>
    <message>
        <source>fix: answers with fixed decimals from now on (now %1)</source>
        <translation>fix: resultados con decimales fijos a partir de ahora (ahora %1)</translation>
    </message>
    <message>
        <source>auto: answers fixed or scientific, whichever fits (now %1)</source>
        <translation>auto: resultados fijos o científicos, según convenga (ahora %1)</translation>
    </message>
    <message>
        <source>about: shows who made the calculator</source>
        <translation>about: muestra quién hizo la calculadora</translation>
    </message>
    <message>
        <source>var: lists the variables and their values</source>
        <translation>var: muestra las variables y sus valores</translation>
    </message>
    <message>
        <source>cls: empties the results window</source>
        <translation>cls: vacía la ventana de resultados</translation>
    </message>
    <message>
        <source>clear: sets the variables A to N back to 0 (P keeps pi)</source>
        <translation>clear: devuelve las variables A a N a 0 (P conserva pi)</translation>
    </message>
    <message>
        <source>help: opens the manual</source>
        <translation>help: abre el manual</translation>
    </message>
    <message>
        <source>print: prints the results window</source>
        <translation>print: imprime la ventana de resultados</translation>
    </message>
    <message>
        <source>save: saves the results window to a file</source>
        <translation>save: guarda la ventana de resultados en un archivo</translation>
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
    <name>Reaction</name>
    <message>
        <source>Species</source>
        <translation>Especie</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Coeficiente</translation>
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
    <name>UnitFamilies</name>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>trigonometric</source>
        <translation>Ángulos</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>pascal</source>
        <translation>pascales</translation>
    </message>
    <message>
        <source>atmosphere</source>
        <translation>atmósferas</translation>
    </message>
    <message>
        <source>kilopascal</source>
        <translation>kilopascales</translation>
    </message>
    <message>
        <source>torr(mmHg)</source>
        <translation>torr (mmHg)</translation>
    </message>
    <message>
        <source>pounds per square inch</source>
        <translation>libras/pulgada² (psi)</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bares</translation>
    </message>
    <message>
        <source>joule</source>
        <translation>julios</translation>
    </message>
    <message>
        <source>calorie</source>
        <translation>calorías</translation>
    </message>
    <message>
        <source>British thermal unit (btu)</source>
        <translation>unidades térm. brit. (BTU)</translation>
    </message>
    <message>
        <source>radian</source>
        <translation>radianes</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>grad</source>
        <translation>gradianes</translation>
    </message>
    <message>
        <source>cycle</source>
        <translation>vueltas</translation>
    </message>
    <message>
        <source>Micromicrons</source>
        <translation>micromicras</translation>
    </message>
    <message>
        <source>Angstroms</source>
        <translation>ángstroms</translation>
    </message>
    <message>
        <source>Millimicrons</source>
        <translation>milimicras</translation>
    </message>
    <message>
        <source>Microns</source>
        <translation>micras</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>Decimeters</source>
        <translation>decímetros</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>Decameters</source>
        <translation>decámetros</translation>
    </message>
    <message>
        <source>Hectometers</source>
        <translation>hectómetros</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>kilómetros</translation>
    </message>
    <message>
        <source>Megameters</source>
        <translation>megámetros</translation>
    </message>
    <message>
        <source>Gigameters</source>
        <translation>gigámetros</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>yardas</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>millas</translation>
    </message>
    <message>
        <source>NauticalMiles</source>
        <translation>millas náuticas</translation>
    </message>
    <message>
        <source>AstronomicalUnits</source>
        <translation>unidades astronómicas</translation>
    </message>
    <message>
        <source>LightYears</source>
        <translation>años luz</translation>
    </message>
    <message>
        <source>Parsecs</source>
        <translation>pársecs</translation>
    </message>
    <message>
        <source>Cubits</source>
        <translation>codos</translation>
    </message>
    <message>
        <source>Fathoms</source>
        <translation>brazas</translation>
    </message>
    <message>
        <source>Furlongs</source>
        <translation>furlongs</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>palmos</translation>
    </message>
    <message>
        <source>Paces</source>
        <translation>pasos</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>varas</translation>
    </message>
    <message>
        <source>Chains</source>
        <translation>cadenas</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>eslabones</translation>
    </message>
    <message>
        <source>Picas</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>SquareMillimeters</source>
        <translation>milímetros cuadrados</translation>
    </message>
    <message>
        <source>SquareCentimeters</source>
        <translation>centímetros cuadrados</translation>
    </message>
    <message>
        <source>SquareDecimeters</source>
        <translation>decímetros cuadrados</translation>
    </message>
    <message>
        <source>SquareMeters</source>
        <translation>metros cuadrados</translation>
    </message>
    <message>
        <source>SquareDecameters</source>
        <translation>decámetros cuadrados</translation>
    </message>
    <message>
        <source>SquareHectometers</source>
        <translation>hectómetros cuadrados</translation>
    </message>
    <message>
        <source>SquareKilometers</source>
        <translation>kilómetros cuadrados</translation>
    </message>
    <message>
        <source>SquareInches</source>
        <translation>pulgadas cuadradas</translation>
    </message>
    <message>
        <source>SquareFeet</source>
        <translation>pies cuadrados</translation>
    </message>
    <message>
        <source>SquareYards</source>
        <translation>yardas cuadradas</translation>
    </message>
    <message>
        <source>SquareMiles</source>
        <translation>millas cuadradas</translation>
    </message>
    <message>
        <source>Acres</source>
        <translation>acres</translation>
    </message>
    <message>
        <source>Centares</source>
        <translation>centiáreas</translation>
    </message>
    <message>
        <source>Ares</source>
        <translation>áreas</translation>
    </message>
    <message>
        <source>Hectares</source>
        <translation>hectáreas</translation>
    </message>
    <message>
        <source>SquareRods</source>
        <translation>varas cuadradas</translation>
    </message>
    <message>
        <source>CubicMillimeters</source>
        <translation>milímetros cúbicos</translation>
    </message>
    <message>
        <source>CubicCentimeters</source>
        <translation>centímetros cúbicos</translation>
    </message>
    <message>
        <source>CubicDecimeters</source>
        <translation>decímetros cúbicos</translation>
    </message>
    <message>
        <source>CubicMeters</source>
        <translation>metros cúbicos</translation>
    </message>
    <message>
        <source>CubicDecameters</source>
        <translation>decámetros cúbicos</translation>
    </message>
    <message>
        <source>CubicHectometers</source>
        <translation>hectómetros cúbicos</translation>
    </message>
    <message>
        <source>CubicKilometers</source>
        <translation>kilómetros cúbicos</translation>
    </message>
    <message>
        <source>CubicInches</source>
        <translation>pulgadas cúbicas</translation>
    </message>
    <message>
        <source>CubicFeet</source>
        <translation>pies cúbicos</translation>
    </message>
    <message>
        <source>CubicYards</source>
        <translation>yardas cúbicas</translation>
    </message>
    <message>
        <source>CubicMiles</source>
        <translation>millas cúbicas</translation>
    </message>
    <message>
        <source>MilliLiters</source>
        <translation>mililitros</translation>
    </message>
    <message>
        <source>CentiLiters</source>
        <translation>centilitros</translation>
    </message>
    <message>
        <source>DeciLiters</source>
        <translation>decilitros</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>litros</translation>
    </message>
    <message>
        <source>DecaLiters</source>
        <translation>decalitros</translation>
    </message>
    <message>
        <source>HectoLiters</source>
        <translation>hectolitros</translation>
    </message>
    <message>
        <source>KiloLiters</source>
        <translation>kilolitros</translation>
    </message>
    <message>
        <source>AcreFeet</source>
        <translation>acres-pie</translation>
    </message>
    <message>
        <source>AcreInches</source>
        <translation>acres-pulgada</translation>
    </message>
    <message>
        <source>Cords</source>
        <translation>cuerdas</translation>
    </message>
    <message>
        <source>CordFeet</source>
        <translation>pies de cuerda</translation>
    </message>
    <message>
        <source>Decisteres</source>
        <translation>decistéreos</translation>
    </message>
    <message>
        <source>Steres</source>
        <translation>estéreos</translation>
    </message>
    <message>
        <source>Decasteres</source>
        <translation>decaestéreos</translation>
    </message>
    <message>
        <source>FluidGallons</source>
        <translation>galones EE. UU. (líquido)</translation>
    </message>
    <message>
        <source>FluidQuarts</source>
        <translation>cuartos EE. UU. (líquido)</translation>
    </message>
    <message>
        <source>FluidPints</source>
        <translation>pintas EE. UU. (líquido)</translation>
    </message>
    <message>
        <source>FluidCups</source>
        <translation>tazas EE. UU.</translation>
    </message>
    <message>
        <source>FluidGills</source>
        <translation>gills EE. UU.</translation>
    </message>
    <message>
        <source>FluidOunces</source>
        <translation>onzas líquidas EE. UU.</translation>
    </message>
    <message>
        <source>FluidTablespoons</source>
        <translation>cucharadas EE. UU.</translation>
    </message>
    <message>
        <source>FluidTeaspoons</source>
        <translation>cucharaditas EE. UU.</translation>
    </message>
    <message>
        <source>DryGallons</source>
        <translation>galones EE. UU. (seco)</translation>
    </message>
    <message>
        <source>DryQuarts</source>
        <translation>cuartos EE. UU. (seco)</translation>
    </message>
    <message>
        <source>DryPints</source>
        <translation>pintas EE. UU. (seco)</translation>
    </message>
    <message>
        <source>DryPecks</source>
        <translation>pecks EE. UU.</translation>
    </message>
    <message>
        <source>DryBuckets</source>
        <translation>cubos EE. UU.</translation>
    </message>
    <message>
        <source>DryBushels</source>
        <translation>bushels EE. UU.</translation>
    </message>
    <message>
        <source>UKGallons</source>
        <translation>galones imperiales</translation>
    </message>
    <message>
        <source>UKPottle</source>
        <translation>pottles imperiales</translation>
    </message>
    <message>
        <source>UKQuarts</source>
        <translation>cuartos imperiales</translation>
    </message>
    <message>
        <source>UKPints</source>
        <translation>pintas imperiales</translation>
    </message>
    <message>
        <source>UKGill</source>
        <translation>gills imperiales</translation>
    </message>
    <message>
        <source>UKOunces</source>
        <translation>onzas líquidas imperiales</translation>
    </message>
    <message>
        <source>UKPecks</source>
        <translation>pecks imperiales</translation>
    </message>
    <message>
        <source>UKBuckets</source>
        <translation>cubos imperiales</translation>
    </message>
    <message>
        <source>UKBushels</source>
        <translation>bushels imperiales</translation>
    </message>
    <message>
        <source>Nanograms</source>
        <translation>nanogramos</translation>
    </message>
    <message>
        <source>Micrograms</source>
        <translation>microgramos</translation>
    </message>
    <message>
        <source>Milligrams</source>
        <translation>miligramos</translation>
    </message>
    <message>
        <source>Centigrams</source>
        <translation>centigramos</translation>
    </message>
    <message>
        <source>Decigrams</source>
        <translation>decigramos</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>gramos</translation>
    </message>
    <message>
        <source>Decagrams</source>
        <translation>decagramos</translation>
    </message>
    <message>
        <source>Hectograms</source>
        <translation>hectogramos</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>kilogramos</translation>
    </message>
    <message>
        <source>MetricTons</source>
        <translation>toneladas</translation>
    </message>
    <message>
        <source>Drams</source>
        <translation>dracmas</translation>
    </message>
    <message>
        <source>Grains</source>
        <translation>granos</translation>
    </message>
    <message>
        <source>Tons</source>
        <translation>toneladas cortas (EE. UU.)</translation>
    </message>
    <message>
        <source>LongTons</source>
        <translation>toneladas largas</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>onzas</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>libras</translation>
    </message>
    <message>
        <source>MilliSeconds</source>
        <translation>milisegundos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>semanas</translation>
    </message>
    <message>
        <source>Fortnights</source>
        <translation>quincenas</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>meses</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>Decades</source>
        <translation>décadas</translation>
    </message>
    <message>
        <source>Centuries</source>
        <translation>siglos</translation>
    </message>
    <message>
        <source>Millennia</source>
        <translation>milenios</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>fecha y hora</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>grados Celsius</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>kelvin</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>grados Fahrenheit</translation>
    </message>
    <message>
        <source>Rankine</source>
        <translation>grados Rankine</translation>
    </message>
    <message>
        <source>Reaumur</source>
        <translation>grados Réaumur</translation>
    </message>
    <message>
        <source>JulianDate</source>
        <translation>fecha juliana</translation>
    </message>
    <message>
        <source>ModifiedJulianDate</source>
        <translation>fecha juliana modificada</translation>
    </message>
</context>
<context>
    <name>brisalto::CompletionPopup</name>
    <message>
        <source>completions</source>
        <translation>sugerencias</translation>
    </message>
    <message>
        <source>names that fit the word before the caret; Up and Down choose, Tab takes one</source>
        <translation>nombres que completan la palabra antes del cursor; Arriba y Abajo eligen, Tab toma uno</translation>
    </message>
</context>
<context>
    <name>brisalto::HintLine</name>
    <message>
        <source>hint</source>
        <translation>sugerencia</translation>
    </message>
    <message>
        <source>Expected here: %1</source>
        <translation>Se esperaba aquí: %1</translation>
    </message>
    <message>
        <source>an expression or a command; Enter runs it</source>
        <translation>una expresión o un comando; Intro lo ejecuta</translation>
    </message>
</context>
<context>
    <name>brisalto::IniFile</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than 1088 KiB</source>
        <translation>más de 1088 KiB</translation>
    </message>
</context>
<context>
    <name>brisalto::MousePad</name>
    <message>
        <source>zero</source>
        <translation>cero</translation>
    </message>
    <message>
        <source>double zero</source>
        <translation>doble cero</translation>
    </message>
    <message>
        <source>triple zero</source>
        <translation>triple cero</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>punto decimal</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>exponent E</source>
        <translation>exponente E</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>power</source>
        <translation>potencia</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorial</translation>
    </message>
    <message>
        <source>remainder</source>
        <translation>resto</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>opening bracket</source>
        <translation>paréntesis de apertura</translation>
    </message>
    <message>
        <source>closing bracket</source>
        <translation>paréntesis de cierre</translation>
    </message>
    <message>
        <source>opening brace</source>
        <translation>llave de apertura</translation>
    </message>
    <message>
        <source>closing brace</source>
        <translation>llave de cierre</translation>
    </message>
    <message>
        <source>opening angle bracket</source>
        <translation>corchete angular de apertura</translation>
    </message>
    <message>
        <source>closing angle bracket</source>
        <translation>corchete angular de cierre</translation>
    </message>
    <message>
        <source>opening square bracket</source>
        <translation>corchete de apertura</translation>
    </message>
    <message>
        <source>closing square bracket</source>
        <translation>corchete de cierre</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>diez elevado a x</translation>
    </message>
    <message>
        <source>logarithm to base n</source>
        <translation>logaritmo en base n</translation>
    </message>
    <message>
        <source>variable %1</source>
        <translation>variable %1</translation>
    </message>
    <message>
        <source>inserts %1</source>
        <translation>inserta %1</translation>
    </message>
    <message>
        <source>%1, inserts %2()</source>
        <translation>%1, inserta %2()</translation>
    </message>
    <message>
        <source>editing keys</source>
        <translation>teclas de edición</translation>
    </message>
    <message>
        <source>caret to the start</source>
        <translation>cursor al inicio</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret to its start</source>
        <translation>lleva el cursor de la línea de comandos al inicio</translation>
    </message>
    <message>
        <source>caret left</source>
        <translation>cursor a la izquierda</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret one character left</source>
        <translation>mueve el cursor de la línea de comandos un carácter a la izquierda</translation>
    </message>
    <message>
        <source>caret right</source>
        <translation>cursor a la derecha</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret one character right</source>
        <translation>mueve el cursor de la línea de comandos un carácter a la derecha</translation>
    </message>
    <message>
        <source>caret to the end</source>
        <translation>cursor al final</translation>
    </message>
    <message>
        <source>moves the command line&apos;s caret to its end</source>
        <translation>lleva el cursor de la línea de comandos al final</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>deletes the selection or the character before the caret</source>
        <translation>borra la selección o el carácter antes del cursor</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>dígitos</translation>
    </message>
    <message>
        <source>operators</source>
        <translation>operadores</translation>
    </message>
    <message>
        <source>zeros</source>
        <translation>ceros</translation>
    </message>
    <message>
        <source>brackets</source>
        <translation>paréntesis</translation>
    </message>
    <message>
        <source>variables</source>
        <translation>variables</translation>
    </message>
    <message>
        <source>answer A</source>
        <translation>resultado A</translation>
    </message>
    <message>
        <source>inserts A, the last answer</source>
        <translation>inserta A, el último resultado</translation>
    </message>
    <message>
        <source>functions</source>
        <translation>funciones</translation>
    </message>
</context>
<context>
    <name>brisalto::SettingsFile</name>
    <message>
        <source>Unable to write to %s</source>
        <translation>No se puede escribir en %s</translation>
    </message>
</context>
<context>
    <name>brisalto::TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version: 1.0.0</source>
        <translation>Versión: 1.0.0</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>brisalto::TBkgrdForm</name>
    <message>
        <source>Background Colors</source>
        <translation>Colores de fondo</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>Línea de comandos</translation>
    </message>
    <message>
        <source>Command line colour</source>
        <translation>Color de la línea de comandos</translation>
    </message>
    <message>
        <source>Results window</source>
        <translation>Ventana de resultados</translation>
    </message>
    <message>
        <source>Results window colour</source>
        <translation>Color de la ventana de resultados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>brisalto::TConvForm</name>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Unit Conversions</source>
        <translation>Conversión de unidades</translation>
    </message>
    <message>
        <source>General Family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Unit family</source>
        <translation>Familia de unidades</translation>
    </message>
    <message>
        <source>Convert from</source>
        <translation>Convertir de</translation>
    </message>
    <message>
        <source>Convert from unit</source>
        <translation>Unidad de origen</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Convert to unit</source>
        <translation>Unidad de destino</translation>
    </message>
    <message>
        <source>Value to convert</source>
        <translation>Valor que convertir</translation>
    </message>
    <message>
        <source>Converted value</source>
        <translation>Valor convertido</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Insertar valor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brisalto::THelpForm</name>
    <message>
        <source>Brisalto Calculator Help</source>
        <translation>Ayuda de Brisalto Calculator</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Cerrar la barra de búsqueda</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
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
    <message>
        <source>The pasted line has %L1 characters, too many to edit in the command line, so nothing was pasted. Paste it with a line break at its end to run it.</source>
        <translation>La línea pegada tiene %L1 caracteres, demasiados para la línea de comandos, así que no se pegó nada. Péguela con un salto de línea al final para ejecutarla.</translation>
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
<context>
    <name>brisalto::TMolarMassForm</name>
    <message>
        <source>Molar Mass</source>
        <translation>Masa molar</translation>
    </message>
    <message>
        <source>&amp;Formula</source>
        <translation>&amp;Fórmula</translation>
    </message>
    <message>
        <source>e.g. H2SO4, Ca(OH)2, CuSO4·5H2O</source>
        <translation>p. ej. H2SO4, Ca(OH)2, CuSO4·5H2O</translation>
    </message>
    <message>
        <source>Molar mass</source>
        <translation>Masa molar</translation>
    </message>
    <message>
        <source>Composition of the formula</source>
        <translation>Composición de la fórmula</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Insertar valor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brisalto::TPrecisionForm</name>
    <message>
        <source>Precision</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Set precision</source>
        <translation>Establecer la precisión</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>brisalto::TReactionForm</name>
    <message>
        <source>Reaction</source>
        <translation>Reacción</translation>
    </message>
    <message>
        <source>e.g. C8H18 + O2 = CO2 + H2O</source>
        <translation>p. ej. C8H18 + O2 = CO2 + H2O</translation>
    </message>
    <message>
        <source>Balanced equation</source>
        <translation>Ecuación ajustada</translation>
    </message>
    <message>
        <source>e.g. C8H18=10 g; O2=25 mL 0.1 M</source>
        <translation>p. ej. C8H18=10 g; O2=25 mL 0.1 M</translation>
    </message>
    <message>
        <source>e.g. H2O=12 g</source>
        <translation>p. ej. H2O=12 g</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Amounts</source>
        <translation>Cantidades de sustancia</translation>
    </message>
    <message>
        <source>Limiting reactant and yield</source>
        <translation>Reactivo limitante y rendimiento</translation>
    </message>
    <message>
        <source>Insert or cancel</source>
        <translation>Insertar o cancelar</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Insertar valor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Reaction</source>
        <translation>&amp;Reacción</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Ajustada</translation>
    </message>
    <message>
        <source>&amp;Given amounts</source>
        <translation>&amp;Cantidades dadas</translation>
    </message>
    <message>
        <source>Actual &amp;yield</source>
        <translation>Rendimiento &amp;obtenido</translation>
    </message>
</context>
<context>
    <name>brisalto::TSolutionForm</name>
    <message>
        <source>Solution</source>
        <translation>Disolución</translation>
    </message>
    <message>
        <source>e.g. CuSO4·5H2O</source>
        <translation>p. ej. CuSO4·5H2O</translation>
    </message>
    <message>
        <source>e.g. 0.1 M, 5 g/L, 2 % w/v</source>
        <translation>p. ej. 0.1 M, 5 g/L, 2 % w/v</translation>
    </message>
    <message>
        <source>or the mass weighed, e.g. 6.24 g</source>
        <translation>o la masa pesada, p. ej. 6.24 g</translation>
    </message>
    <message>
        <source>e.g. 250 mL</source>
        <translation>p. ej. 250 mL</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Preparación</translation>
    </message>
    <message>
        <source>Solution to prepare</source>
        <translation>Disolución que preparar</translation>
    </message>
    <message>
        <source>&amp;Formula</source>
        <translation>&amp;Fórmula</translation>
    </message>
    <message>
        <source>&amp;Concentration</source>
        <translation>&amp;Concentración</translation>
    </message>
    <message>
        <source>M&amp;ass</source>
        <translation>M&amp;asa</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>e.g. 1 M</source>
        <translation>p. ej. 1 M</translation>
    </message>
    <message>
        <source>empty to find it</source>
        <translation>vacío para calcularlo</translation>
    </message>
    <message>
        <source>e.g. 0.1 M</source>
        <translation>p. ej. 0.1 M</translation>
    </message>
    <message>
        <source>e.g. 100 mL</source>
        <translation>p. ej. 100 mL</translation>
    </message>
    <message>
        <source>Solvent to add</source>
        <translation>Disolvente que añadir</translation>
    </message>
    <message>
        <source>Dilution: C1·V1 = C2·V2, one left empty</source>
        <translation>Dilución: C1·V1 = C2·V2, un campo vacío</translation>
    </message>
    <message>
        <source>Stock concentration C&amp;1</source>
        <translation>Concentración madre C&amp;1</translation>
    </message>
    <message>
        <source>Stock volume V1</source>
        <translation>Volumen de disolución madre V1</translation>
    </message>
    <message>
        <source>Final concentration C&amp;2</source>
        <translation>Concentración final C&amp;2</translation>
    </message>
    <message>
        <source>Final volume V2</source>
        <translation>Volumen final V2</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Calculado</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Insert or cancel</source>
        <translation>Insertar o cancelar</translation>
    </message>
    <message>
        <source>Insert Value</source>
        <translation>Insertar valor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Leave the concentration or the mass empty: it is what is found.</source>
        <translation>Deje vacía la concentración o la masa: es la que se calcula.</translation>
    </message>
    <message>
        <source>%1 g to weigh</source>
        <translation>%1 g que pesar</translation>
    </message>
    <message>
        <source>%1 M (%2 g/L)</source>
        <translation>%1 M (%2 g/L)</translation>
    </message>
    <message>
        <source>Add %1 of solvent to %2 of the stock.</source>
        <translation>Añada %1 de disolvente a %2 de la disolución madre.</translation>
    </message>
</context>
</TS>
