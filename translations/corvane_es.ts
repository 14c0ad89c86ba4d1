<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Announcer</name>
    <message>
        <location filename="../ui/form.cpp" line="+428"/>
        <source>Results cleared</source>
        <translation>Resultados borrados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All results %1</source>
        <translation>Todos los resultados: %1</translation>
    </message>
</context>
<context>
    <name>CostExport</name>
    <message>
        <location filename="../costing/costexport.cpp" line="+315"/>
        <source>Cost List</source>
        <translation>Lista de costos</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Item</source>
        <translation>Material</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Unit price</source>
        <translation>Precio por unidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>Letter paper</source>
        <translation>papel tamaño carta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Legal paper</source>
        <translation>papel tamaño legal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 paper</source>
        <translation>papel %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 × %2 mm paper</source>
        <translation>papel de %1 × %2 mm</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 turned sideways</source>
        <translation>%1 en horizontal</translation>
    </message>
    <message>
        <location line="-247"/>
        <source>Total: $%1</source>
        <translation>Total: $%1</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <location filename="../ui/messages.cpp" line="+36"/>
        <location line="+101"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>ResultLabel</name>
    <message>
        <location filename="../ui/hearing.cpp" line="+242"/>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <location filename="../numbers/errors.h" line="+24"/>
        <source>Type mismatch</source>
        <translation>Eso no es un número válido.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Overflow</source>
        <translation>Número demasiado grande.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Floating-point error</source>
        <translation>No se puede calcular con esas cifras.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Subscript out of range</source>
        <translation>Error interno del programa.</translation>
    </message>
    <message>
        <location filename="../ui/messages.cpp" line="+119"/>
        <source>Out of memory</source>
        <translation>Memoria insuficiente.</translation>
    </message>
</context>
<context>
    <name>frmAboutRatios</name>
    <message>
        <location filename="../calculators/ratios.cpp" line="+14"/>
        <source>Country Ratios:</source>
        <translation>Proporciones por país:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USA = 1 Cement x 2 Sand x 4 Gravel</source>
        <translation>Estados Unidos (EE. UU.) = 1 de cemento : 2 de arena : 4 de grava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DR  =  1 Cement x 3 Sand x 3 Gravel</source>
        <translation>RD  =  1 de cemento : 3 de arena : 3 de grava</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Ratios</source>
        <translation>Proporciones</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Claw hammer</source>
        <translation>Martillo de carpintero</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Country Ratios</source>
        <translation>Proporciones por país</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+4"/>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
</context>
<context>
    <name>frmBlock</name>
    <message>
        <location filename="../calculators/block.cpp" line="+19"/>
        <source>Block Quantities</source>
        <translation>Cantidad de blocks</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wall length, in feet (counted to the nearest whole foot)</source>
        <translation>Largo de la pared, en pies (redondeado al pie entero más cercano)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wall height, in feet (counted to the nearest whole foot)</source>
        <translation>Alto de la pared, en pies (redondeado al pie entero más cercano)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>Go!</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Go! Count the blocks</source>
        <translation>Calcular la cantidad de blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count the 16 by 8 inch blocks for the wall</source>
        <translation>Contar los blocks de 16 por 8 pulgadas que lleva la pared</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of blocks the wall takes</source>
        <translation>Cantidad de blocks que lleva la pared</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Price of one block, in dollars</source>
        <translation>Precio de un block</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Go! Price the blocks</source>
        <translation>Calcular el costo de los blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work out the cost of the blocks counted above</source>
        <translation>Calcular el costo de los blocks contados arriba</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cost of the blocks, in dollars</source>
        <translation>Costo de los blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length in Feet</source>
        <translation>Largo en pies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Heigth in Feet</source>
        <translation>Alto en pies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount of Block</source>
        <translation>Total de blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Price per Block</source>
        <translation>Precio por block</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add to Price List</source>
        <translation>Agregar a la lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Post the blocks and their cost to the cost list</source>
        <translation>Agregar los blocks y su costo a la lista de costos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear All</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty every box; the last count and price are kept</source>
        <translation>Borrar todos los campos; se conservan el último conteo y el último precio</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Please Enter a Number in the Length Box</source>
        <translation>Por favor, escriba un número en el campo del largo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Please Enter a Number in the Heigth Box</source>
        <translation>Por favor, escriba un número en el campo del alto.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Please Enter a Number in the Price Box</source>
        <translation>Por favor, escriba un número en el campo del precio.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You already have a Block Total on the Costs List. Please remove the existing one before adding a new one.</source>
        <translation>Ya hay un total de blocks en la lista de costos. Por favor, quite el que hay antes de agregar uno nuevo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>blocks</source>
        <translation>blocks</translation>
    </message>
</context>
<context>
    <name>frmConcrete</name>
    <message>
        <location filename="../calculators/concrete.cpp" line="+29"/>
        <source>Cement</source>
        <translation>Cemento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>bags</source>
        <translation>fundas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You already have a Total for Cement on the Costs List. Please remove the existing one before adding a new one.</source>
        <translation>Ya hay un total de cemento en la lista de costos. Por favor, quite el que hay antes de agregar uno nuevo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sand</source>
        <translation>Arena</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+3"/>
        <source>m³</source>
        <translation>m³</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>You already have a Total for Sand on the Costs List. Please remove the existing one before adding a new one.</source>
        <translation>Ya hay un total de arena en la lista de costos. Por favor, quite el que hay antes de agregar uno nuevo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gravel</source>
        <translation>Grava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You already have a Total for Gravel on the Costs List. Please remove the existing one before adding a new one.</source>
        <translation>Ya hay un total de grava en la lista de costos. Por favor, quite el que hay antes de agregar uno nuevo.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Concrete Quantities</source>
        <translation>Cantidad de hormigón</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear All</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Empty every box</source>
        <translation>Borrar todos los campos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pad width, in metres</source>
        <translation>Ancho de la losa, en metros</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pad length, in metres</source>
        <translation>Largo de la losa, en metros</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pad thickness, in centimetres</source>
        <translation>Espesor de la losa, en centímetros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pad Width in Meters</source>
        <translation>Ancho de losa (m)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pad Length in Meters</source>
        <translation>Largo de losa (m)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pad Thickness (cm.)</source>
        <translation>Espesor de losa (cm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please choose your location.</source>
        <translation>Elija la mezcla por país.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+40"/>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Calculate amounts</source>
        <translation>Calcular cantidades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work out the bags of cement and the cubic metres of sand and gravel for the pad</source>
        <translation>Calcular las fundas de cemento y los metros cúbicos de arena y de grava para la losa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mix 1 part cement, 2 parts sand and 4 parts gravel</source>
        <translation>Mezcla de Estados Unidos (EE. UU.): 1 parte de cemento, 2 de arena y 4 de grava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separator between the locations</source>
        <translation>Separador entre las dos mezclas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DR</source>
        <translation>RD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mix 1 part cement, 3 parts sand and 3 parts gravel</source>
        <translation>Mezcla de la República Dominicana (RD): 1 parte de cemento, 3 de arena y 3 de grava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Location Ratios?</source>
        <translation>¿Proporciones?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show what the two location mixes are made of</source>
        <translation>Mostrar de qué se compone la mezcla de cada país</translation>
    </message>
    <message>
        <location line="+4"/>
        <source># Bags of Cement</source>
        <translation>Fundas de cemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cubic Meters of Sand</source>
        <translation>m³ de arena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cubic Meters of Gravel</source>
        <translation>m³ de grava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separator between amounts and prices</source>
        <translation>Separador entre cantidades y precios</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cement Price per Bag</source>
        <translation>Precio del cemento por funda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Price of one bag of cement, in dollars</source>
        <translation>Precio de una funda de cemento</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+10"/>
        <source>Sand Price per C. Meter</source>
        <translation>Precio de la arena por metro cúbico</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Price of one cubic metre of sand, in dollars</source>
        <translation>Precio de un metro cúbico de arena</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+8"/>
        <source>Gravel Price per C. Meter</source>
        <translation>Precio de la grava por metro cúbico</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Price of one cubic metre of gravel, in dollars</source>
        <translation>Precio de un metro cúbico de grava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Price per Bag</source>
        <translation>Precio por funda</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <source>Price per C. Meter</source>
        <translation>Precio por m³</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calculate costs</source>
        <translation>Calcular costos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work out the cost of each material, in dollars, and the total</source>
        <translation>Calcular el costo de cada material y el total</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cement Cost</source>
        <translation>Costo cemento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sand Cost</source>
        <translation>Costo arena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gravel Cost</source>
        <translation>Costo grava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Cement to Price List</source>
        <translation>Agregar cemento a la lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put the bags of cement and their cost on the cost list</source>
        <translation>Agregar las fundas de cemento y su costo a la lista de costos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Sand to Price List</source>
        <translation>Agregar arena a la lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put the cubic metres of sand and their cost on the cost list</source>
        <translation>Agregar los metros cúbicos de arena y su costo a la lista de costos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Gravel to Price List</source>
        <translation>Agregar grava a la lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put the cubic metres of gravel and their cost on the cost list</source>
        <translation>Agregar los metros cúbicos de grava y su costo a la lista de costos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total Cost</source>
        <translation>Costo total</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Please enter a value in the Pad Width Box</source>
        <translation>Por favor, escriba un número en el campo del ancho de la losa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter a value in the Pad Length Box</source>
        <translation>Por favor, escriba un número en el campo del largo de la losa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter a value in the Pad Thickness Box</source>
        <translation>Por favor, escriba un número en el campo del espesor de la losa.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Please Calculate the Amount of Material Needed Above</source>
        <translation>Por favor, calcule arriba la cantidad de material necesaria.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please enter a value in the Cement Price Box</source>
        <translation>Por favor, escriba un número en el campo del precio del cemento.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter a value in the Sand Price Box</source>
        <translation>Por favor, escriba un número en el campo del precio de la arena.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter a value in the Gravel Price Box</source>
        <translation>Por favor, escriba un número en el campo del precio de la grava.</translation>
    </message>
</context>
<context>
    <name>frmCosts</name>
    <message>
        <location filename="../calculators/costlist.cpp" line="+45"/>
        <location line="+34"/>
        <source>Line %1, empty</source>
        <translation>Línea %1, vacía</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+32"/>
        <source>Remove line %1, empty</source>
        <translation>Quitar la línea %1, vacía</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Remove line %1: %2</source>
        <translation>Quitar la línea %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Costs</source>
        <translation>Lista de costos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Drag here to move the cost list. Right-click the list below it to copy, save, export or print it</source>
        <translation>Arrastre aquí para mover la lista de costos. Haga clic derecho en la lista para copiarla, guardarla, exportarla o imprimirla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hide</source>
        <translation>▬</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Building Supplies and Prices:</source>
        <translation>Materiales y precios:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove:</source>
        <translation>Quitar:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Remove line %1; the lines below it move up</source>
        <translation>Quitar la línea %1; las líneas de abajo suben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dollars</source>
        <translation>Costo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rule under the headings</source>
        <translation>Separador bajo los encabezados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rule between the lines and the remove buttons</source>
        <translation>Separador entre las líneas y los botones de quitar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rule above the total</source>
        <translation>Separador sobre el total</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cost-list-%1.%2</source>
        <translation>lista-de-costos-%1.%2</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>The page could not be made.</source>
        <translation>No se pudo componer la página.</translation>
    </message>
    <message>
        <location line="+271"/>
        <source>The cost list could not be printed on &quot;%1&quot;.

%2</source>
        <translation>No se pudo imprimir la lista de costos en “%1”.

%2</translation>
    </message>
    <message>
        <location line="-288"/>
        <source>The cost list could not be saved as &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar la lista de costos como “%1”.

%2</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>Hide the cost list; its lines and total are kept. To see it again: File &gt; Total Costs</source>
        <translation>Ocultar la lista de costos; sus líneas y el total se conservan. Para verla otra vez: Archivo &gt; Lista de costos</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>The list&apos;s figures do not fit on %1, even in the smallest type.</source>
        <translation>Las cifras de la lista no caben en el %1, ni con la letra más pequeña.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is too short for the list, even with one line to a page.</source>
        <translation>El %1 es muy corto para la lista, aun con una sola línea por página.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cost list</source>
        <translation>Lista de costos</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Hide</source>
        <comment>spoken name</comment>
        <translation>Ocultar</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Guardar como CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exportar como PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The cost list is full: it holds twelve lines. Please remove a line before adding a new one.</source>
        <translation>La lista de costos está llena: tiene doce líneas. Por favor, quite una línea antes de agregar una nueva.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 added</source>
        <translation>Se agregó %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 removed</source>
        <translation>Se quitó %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no value for you to delete.</source>
        <translation>Esa línea está vacía: no hay nada que quitar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1. Total: $%2</source>
        <translation>%1. Total: $%2</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Save the Cost List</source>
        <translation>Guardar la lista de costos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Export the Cost List as PDF</source>
        <translation>Exportar la lista de costos como PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The PDF was made on %1 instead.</source>
        <translation>Por eso el PDF se hizo en el %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Print it on %1.</source>
        <translation>Imprímala en el %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total: $%1</source>
        <translation>Total: $%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, total $%2</source>
        <translation>%1, total $%2</translation>
    </message>
</context>
<context>
    <name>frmLength</name>
    <message>
        <location filename="../calculators/length.cpp" line="+23"/>
        <source>Centimetres</source>
        <translation>Centímetros</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centimetres(cm)</source>
        <translation>Centímetros</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>cm.</source>
        <translation>cm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metres</source>
        <translation>Metros</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meters(m)</source>
        <translation>Metros</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>m.</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inches(in)</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>in.</source>
        <translation>plg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feet(ft)</source>
        <translation>Pies</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ft.</source>
        <translation>pies</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>A length in %1 to convert</source>
        <translation>Una longitud en %1 para convertir</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert every length typed on the left</source>
        <translation>Convertir cada longitud escrita a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear All</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set every length and result to 0</source>
        <translation>Poner en 0 cada longitud y cada resultado</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Length Conversions</source>
        <translation>Conversión de longitudes</translation>
    </message>
</context>
<context>
    <name>frmPipe</name>
    <message>
        <location filename="../calculators/pipe.cpp" line="+39"/>
        <source>Pipe Volumes</source>
        <translation>Volumen de tuberías</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Inside diameter of the pipe, in the unit chosen below</source>
        <translation>Diámetro interior de la tubería, en la unidad elegida abajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pipe Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Length of the pipe, in the unit chosen below</source>
        <translation>Largo de la tubería, en la unidad elegida abajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pipe Length</source>
        <translation>Largo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work out the volume in litres and gallons</source>
        <translation>Calcular el volumen en litros y en galones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume In Gallons</source>
        <translation>Volumen (galones)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Volume In Liters</source>
        <translation>Volumen (litros)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cm.</source>
        <translation>cm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Diameter and length are in centimetres</source>
        <translation>Diámetro y largo en centímetros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in.</source>
        <translation>plg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diameter and length are in inches</source>
        <translation>Diámetro y largo en pulgadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear All</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Empty every box</source>
        <translation>Borrar todos los campos</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please enter a value in the Pipe Diameter Box</source>
        <translation>Por favor, escriba un número en el campo del diámetro.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter a value in the Pipe Length Box</source>
        <translation>Por favor, escriba un número en el campo del largo.</translation>
    </message>
</context>
<context>
    <name>frmQuickMenu</name>
    <message>
        <location filename="../app/quickmenu.cpp" line="+27"/>
        <source>Quick Menu</source>
        <translation>Menú rápido</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Block Quantities</source>
        <translation>Cantidad de blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the block wall calculator</source>
        <translation>Abrir la calculadora de paredes de blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Concrete Quantities</source>
        <translation>Cantidad de hormigón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the concrete pad calculator</source>
        <translation>Abrir la calculadora de losas de hormigón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length Conversions</source>
        <translation>Conversión de longitudes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the length conversion table</source>
        <translation>Abrir la tabla de conversión de longitudes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pipe Volumes</source>
        <translation>Volumen de tuberías</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the pipe volume calculator</source>
        <translation>Abrir la calculadora de volumen de tuberías</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wall Framing</source>
        <translation>Parales de pared</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the wall framing calculator</source>
        <translation>Abrir la calculadora de parales de pared</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Water Volumes</source>
        <translation>Volumen de agua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open the water volume calculator</source>
        <translation>Abrir la calculadora de volumen de agua</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total Costs</source>
        <translation>Lista de costos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the cost list and the project total</source>
        <translation>Mostrar la lista de costos y el total del proyecto</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <location filename="../app/splash.cpp" line="+13"/>
        <source>Corvane (and its programmers) make no warranties of any kind as to the accuracy of the calculations made in the Corvane calculator as these calculations are theoretical and intended as guidance. Corvane points out that the result may differ from practical values. By using the computer program, you accept that Corvane shall not be liable for the results obtained from using this program, and thus Corvane shall not be liable for any direct or indirect losses that the user may suffer.</source>
        <translation>Corvane (y sus programadores) no dan garantía alguna sobre la exactitud de los cálculos hechos en la calculadora Corvane, ya que son cálculos teóricos que sirven de orientación. Corvane advierte que el resultado puede diferir de los valores prácticos. Al usar este programa, usted acepta que Corvane no será responsable de los resultados obtenidos con él y, por lo tanto, que Corvane no será responsable de ninguna pérdida directa o indirecta que el usuario pueda sufrir.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Disclaimer:</source>
        <translation>Aviso legal:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Corvane disclaimer</source>
        <translation>Aviso legal de Corvane</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tesmond&apos;s</source>
        <extracomment>The owner&apos;s name as a possessive, which another language may put otherwise (&quot;de Tesmond&quot;).</extracomment>
        <translation>de Tesmond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ok</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Go on with the choice made above: accept or decline the disclaimer</source>
        <translation>Continuar con la opción elegida arriba: aceptar o rechazar el aviso legal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Some additional plugins created by Orvin.</source>
        <translation>Calculadoras adicionales creadas por Orvin.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>I Agree</source>
        <translation>Acepto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Accept the disclaimer, then press Ok</source>
        <translation>Aceptar el aviso legal; luego haga clic en Continuar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I Disagree</source>
        <translation>No acepto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Decline the disclaimer, then press Ok</source>
        <translation>Rechazar el aviso legal; luego haga clic en Continuar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Corvane hammer</source>
        <translation>Martillo de Corvane</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Please select either the Agree or Disagree option</source>
        <translation>Por favor, elija la opción “Acepto” o la opción “No acepto”.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>If you do NOT wish to Agree then please close the program at this time</source>
        <translation>Si NO desea aceptar, por favor cierre el programa ahora.</translation>
    </message>
</context>
<context>
    <name>frmWallFraming</name>
    <message>
        <location filename="../calculators/wallframing.cpp" line="+18"/>
        <location line="+142"/>
        <source>Wall Framing</source>
        <translation>Parales de pared</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>Wall length, in feet</source>
        <translation>Largo de la pared, en pies</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wall height, in feet</source>
        <translation>Alto de la pared, en pies</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source>Go!</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Go! Count the boards</source>
        <translation>Calcular la cantidad de parales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Count the boards for the wall, size and spacing chosen above</source>
        <translation>Contar los parales y las soleras de la pared, con el tamaño y la separación elegidos arriba</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Price of one board, in dollars</source>
        <translation>Precio de un paral</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Go! Price the boards</source>
        <translation>Calcular el costo de los parales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work out the cost of the boards counted above</source>
        <translation>Calcular el costo de los parales contados arriba</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cost of the boards, in dollars</source>
        <translation>Costo de los parales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wall Length in Feet</source>
        <translation>Largo de la pared en pies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wall Heigth in Feet</source>
        <translation>Alto de la pared en pies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Price per Board</source>
        <translation>Precio por paral</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add to Price List</source>
        <translation>Agregar a la lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Post the boards and their cost to the cost list</source>
        <translation>Agregar los parales y su costo a la lista de costos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear All</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty every box and start the count and price again from 0</source>
        <translation>Borrar todos los campos y empezar de nuevo el conteo y el precio desde 0</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Length of one board, in feet</source>
        <translation>Largo de un paral, en pies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length of Boards in Feet</source>
        <translation>Largo de los parales en pies</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Number of boards</source>
        <translation>Cantidad de parales</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Board size</source>
        <translation>Tamaño de los parales</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2 x 4 Studs</source>
        <translation>Parales 2 x 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boards of size 2 x 4; works in a pair with 2 x 6, ticking one clears the other</source>
        <translation>Parales de 2 x 4; va en pareja con la casilla de 2 x 6: marcar una desmarca la otra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 x 6 Studs</source>
        <translation>Parales 2 x 6</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boards of size 2 x 6; works in a pair with 2 x 4, ticking one clears the other</source>
        <translation>Parales de 2 x 6; va en pareja con la casilla de 2 x 4: marcar una desmarca la otra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Studs 16&quot; OC</source>
        <translation>Cada 16&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Studs 16 inches apart, centre to centre; works in a pair with 24 inches</source>
        <translation>Parales a 16 pulgadas de centro a centro; va en pareja con la casilla de 24 pulgadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Studs 24&quot; OC</source>
        <translation>Cada 24&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Studs 24 inches apart, centre to centre; works in a pair with 16 inches</source>
        <translation>Parales a 24 pulgadas de centro a centro; va en pareja con la casilla de 16 pulgadas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Board length, in feet</source>
        <translation>Largo del paral, en pies</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Please Enter a Number in the Length Box</source>
        <translation>Por favor, escriba un número en el campo del largo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Enter a Number in the Heigth Box</source>
        <translation>Por favor, escriba un número en el campo del alto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Enter a Number in the Length of Boards Box</source>
        <translation>Por favor, escriba un número en el campo del largo de los parales.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please check one of the Board Size Boxes</source>
        <translation>Por favor, marque una de las casillas del tamaño de los parales.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Please check one of the OC Boxes</source>
        <translation>Por favor, marque una de las casillas de separación.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Please Enter a Number in the Price Box</source>
        <translation>Por favor, escriba un número en el campo del precio.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>boards</source>
        <translation>parales</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>boards, %1 x %2 ft</source>
        <translation>parales de %1 de %2 pies</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You already have a Wall Framing Total on the Costs List. Please remove the existing one before adding a new one.</source>
        <translation>Ya hay un total de parales de pared en la lista de costos. Por favor, quite el que hay antes de agregar uno nuevo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wall framing</source>
        <translation>Parales de pared</translation>
    </message>
</context>
<context>
    <name>frmWater</name>
    <message>
        <location filename="../calculators/water.cpp" line="+13"/>
        <source>Water Volumes</source>
        <translation>Volumen de agua</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Basin width, in feet</source>
        <translation>Ancho del tanque, en pies</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basin length, in feet</source>
        <translation>Largo del tanque, en pies</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Depth of the water, in feet</source>
        <translation>Hondo del agua en el tanque, en pies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Work out the cubic feet, gallons, pounds and tons of water</source>
        <translation>Calcular los pies cúbicos, los galones, las libras y las toneladas (de 2000 libras) de agua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length</source>
        <translation>Largo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth</source>
        <translation>Hondo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Square Feet</source>
        <translation>Pies cúbicos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gallons</source>
        <translation>Galones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>lbs. of Water</source>
        <translation>Libras</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tons of Water</source>
        <translation>Ton. (2000 lb)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear All</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empty every box and result</source>
        <translation>Borrar todos los campos y resultados</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Please enter a value in the Width Box</source>
        <translation>Por favor, escriba un número en el campo del ancho.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter a value in the Length Box</source>
        <translation>Por favor, escriba un número en el campo del largo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please enter a value in the Depth Box</source>
        <translation>Por favor, escriba un número en el campo del hondo.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/main.cpp" line="+79"/>
        <source>Calculators for small building projects.

The toolkit&apos;s own options (-platform, -display, -style, -session and the others that Qt documents) are taken too.</source>
        <translation>Calculadoras para pequeñas obras de construcción.

También acepta las opciones propias de Qt (-platform, -display, -style, -session y las demás que Qt documenta).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado: “%1”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Try &apos;corvane --help&apos;.</source>
        <translation>Pruebe “corvane --help”.</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>no display could be opened. Set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display.</source>
        <translation>no se pudo abrir ninguna pantalla. Indique en DISPLAY (X11) o en WAYLAND_DISPLAY (Wayland) una pantalla en marcha.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>could not start:</source>
        <translation>no se pudo iniciar:</translation>
    </message>
</context>
<context>
    <name>mdiMain</name>
    <message>
        <location filename="../app/mainwindow.cpp" line="+71"/>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total Costs</source>
        <translation>Lista de costos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Plugins</source>
        <translation>Calculadoras</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Block Quantities</source>
        <translation>Cantidad de blocks</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Concrete Quantities</source>
        <translation>Cantidad de hormigón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Length Conversions</source>
        <translation>Conversión de longitudes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pipe Volumes</source>
        <translation>Volumen de tuberías</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wall Framing</source>
        <translation>Parales de pared</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Water Volumes</source>
        <translation>Volumen de agua</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quick Menu</source>
        <translation>Menú rápido</translation>
    </message>
</context>
</TS>
