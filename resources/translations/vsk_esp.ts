<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_GB">
<context>
    <name>Bemessung</name>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!</source>
        <translation>¡Error fatal en el proceso de cálculo! ¡El resultado del cálculo no es válido!</translation>
    </message>
    <message>
        <source>Try the calculation with new input data and refer to the programme producer.</source>
        <translation>Repita el cálculo con nuevos datos de entrada y consulte al fabricante del programa.</translation>
    </message>
</context>
<context>
    <name>Bericht</name>
    <message>
        <source>Input</source>
        <translation>Datos de entrada</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <translation>Cálculo con armadura según aprovechamiento óptimo del conector</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <translation>Cálculo con armadura según resistencia máx. del conector</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Clase de hormigón</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Canto de losa</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Espesor de muro</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Recubrimiento superior</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Recubrimiento inferior</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Recubrimiento frontal</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <translation>Ancho máx. de junta</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Longitud de junta</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <translation>Distancia al borde dada</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Seleccionado</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <translation>Área dispuesta arm. principal</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <translation>Área dispuesta arm. secundaria</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <translation>Zona de armadura principal</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <translation>Zona de armadura secundaria</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <translation>Distancia al borde real</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <translation>Distancia mínima al borde</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <translation>Separación real conectores</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <translation>Separación mínima conectores</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <translation>Carga de cálculo conector</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <translation>Resistencia de cálculo conector</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <translation>Aprovechamiento del conector</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <translation>Resist. de cálculo hormigón</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <translation>Aprovechamiento hormigón</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <translation>Resist. de cálculo acero</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <translation>Aprovechamiento acero</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <translation>Resist. de cálculo armadura</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <translation>Aprovechamiento armadura</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Carga permanente</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <translation>n.º de conectores</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <translation>Carga puntual sobre el conector</translation>
    </message>
    <message>
        <source>Linear load</source>
        <translation>Carga lineal constante</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Carga lineal trapezoidal</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Carga lineal arbitraria</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Carga total de cálculo</translation>
    </message>
    <message>
        <source>with F</source>
        <translation>con F</translation>
    </message>
    <message>
        <source>see next page</source>
        <translation>véase la página siguiente</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coef. parcial de seguridad</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Sobrecarga de uso</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <translation>Carga de cálculo adicional</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <translation>Área necesaria arm. principal</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <translation>Área necesaria arm. secundaria</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>El archivo &quot;%1&quot; está protegido contra escritura.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>No se puede escribir el archivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>export in Metafile Format</source>
        <translation>Exportar en formato Metafile</translation>
    </message>
    <message>
        <source>Export in Bitmap Format</source>
        <translation>Exportar en formato Bitmap</translation>
    </message>
    <message>
        <source>Export in JPeg Format</source>
        <translation>Exportar en formato JPEG</translation>
    </message>
    <message>
        <source>Export in SVG Format</source>
        <translation>Exportar en formato SVG</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Export results</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ - Exportar resultados</translation>
    </message>
    <message>
        <source>The picture for &quot;%1&quot; could not be made.</source>
        <translation>No se ha podido generar la imagen de &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>DXF</name>
    <message>
        <source>Reinforcement for Tervo shear connector in the building </source>
        <translation>Armadura para el conector de cortante Tervo </translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Sup. e inf.: </translation>
    </message>
    <message>
        <source>2 x </source>
        <translation>2 x </translation>
    </message>
    <message>
        <source> - T</source>
        <translation> Ø</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Alzado</translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Armadura vertical: </translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> horquillas</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Sup.: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Inf.: </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be written - Please check the writing access on the data carrier.</source>
        <translation>No se ha podido escribir el archivo &quot;%s&quot;. Compruebe el acceso de escritura al soporte de datos.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be read.</source>
        <translation>No se ha podido leer el archivo &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>Attempted to create layer with existing name</source>
        <translation>Se intentó crear una capa con un nombre ya existente</translation>
    </message>
</context>
<context>
    <name>Dateidialoge</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors (*.VSK *.vsk)</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ (*.VSK *.vsk)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>IFC models (*.ifc)</source>
        <translation>Modelos IFC (*.ifc)</translation>
    </message>
</context>
<context>
    <name>Dateischreiber</name>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
</context>
<context>
    <name>Druck</name>
    <message>
        <source>Calculation for </source>
        <translation>Cálculo de </translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Lista de conectores</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - Conector de cortante VSK / VSKQ</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Impreso el: </translation>
    </message>
    <message>
        <source>Designer: </source>
        <translation>Proyectista: </translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Empresa: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Proyecto:  </translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Posición: </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <translation>No es posible utilizar el conector por los siguientes motivos:</translation>
    </message>
    <message>
        <source>Save as PDF file</source>
        <translation>Guardar como archivo PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed. The pages can be saved as a PDF file instead.</source>
        <translation>No hay ninguna impresora instalada. Las páginas pueden guardarse en su lugar como archivo PDF.</translation>
    </message>
    <message>
        <source>The PDF file could not be written:</source>
        <translation>No se ha podido escribir el archivo PDF:</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>No se ha podido imprimir el documento.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se ha podido iniciar la impresora.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>No se ha podido escribir el archivo PDF.</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <translation>Página %s de %s</translation>
    </message>
</context>
<context>
    <name>DxfBefehle</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Archivos DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>Archivo DWG (*.dwg)</translation>
    </message>
</context>
<context>
    <name>Eingabe</name>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <translation>¡El canto de la losa es menor que el espesor mínimo de hormigón del conector de cortante más pequeño!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <translation>¡El canto de la losa a unir es menor que el canto útil!</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <translation>El canto útil es &lt; 10mm. ¡Compruébelo!</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <translation>El recubrimiento superior es &lt;10mm. Compruébelo</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <translation>El recubrimiento inferior es &lt;10mm. Compruébelo</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <translation>¡La suma de los recubrimientos es mayor que el canto de la losa a unir!</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <translation>¡El espesor del muro es menor que el espesor mínimo de hormigón necesario para el conector de cortante más pequeño!</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <translation>El proyecto solo contiene una posición.<byte value="xd"/>
<byte value="xd"/>
¡No se puede eliminar la última posición!</translation>
    </message>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>¿Desea guardar el cálculo actual?</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>¡No se puede abrir el archivo!</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <translation>Error de entrada: ¡solo se admiten números!<byte value="xd"/>
(compruebe la escritura de &quot;.&quot; y &quot;,&quot;) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <translation>¡El valor introducido es menor que el permitido!</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <translation>¡El valor introducido es mayor que el permitido!</translation>
    </message>
    <message>
        <source>Die Dateilanzeige zum Dorn ist noch nicht aktiviert</source>
        <translation>La visualización del archivo del conector todavía no está activada</translation>
    </message>
    <message>
        <source>Two values are expected: x and q.</source>
        <translation>Se esperan dos valores: x y q.</translation>
    </message>
    <message>
        <source>The text holds no load points.</source>
        <translation>El texto no contiene puntos de carga.</translation>
    </message>
    <message>
        <source>Line %s: </source>
        <translation>Línea %s: </translation>
    </message>
    <message>
        <source>A load holds at most %s points.</source>
        <translation>Una carga tiene como máximo %s puntos.</translation>
    </message>
    <message>
        <source>at least %s</source>
        <translation>como mínimo %s</translation>
    </message>
    <message>
        <source>at most %s</source>
        <translation>como máximo %s</translation>
    </message>
    <message>
        <source>Allowed: %s</source>
        <translation>Admisible: %s</translation>
    </message>
    <message>
        <source>The unit of x &quot;%s&quot; is not known: mm, cm or m are expected.</source>
        <translation>La unidad de x &quot;%s&quot; no es conocida: se esperan mm, cm o m.</translation>
    </message>
    <message>
        <source>An input value is not a number. Please check!</source>
        <translation>Un valor de entrada no es un número. ¡Compruébelo!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is greater than %s mm. Please check!</source>
        <translation>El espesor de la losa de hormigón es mayor que %s mm. ¡Compruébelo!</translation>
    </message>
    <message>
        <source>x is smaller than in the line before: the points are expected along the joint.</source>
        <translation>x es menor que en la línea anterior: se esperan los puntos a lo largo de la junta.</translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Not able to write to file %s</source>
        <translation>No se puede escribir en el archivo %s</translation>
    </message>
    <message>
        <source>The settings file %s cannot be read. The program uses its default settings.</source>
        <translation>No se puede leer el archivo de configuración %s. El programa utiliza su configuración predeterminada.</translation>
    </message>
</context>
<context>
    <name>Handbuch</name>
    <message>
        <source>VSK Manual.pdf</source>
        <translation>VSK Manual.pdf</translation>
    </message>
    <message>
        <source>The file - </source>
        <translation>El archivo - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - no se ha encontrado. ¡El archivo necesario solo puede instalarse desde la versión en CD!</translation>
    </message>
</context>
<context>
    <name>IFC</name>
    <message>
        <source>Other positions of the project are calculated too. Export all calculated positions? (No: the current position only)</source>
        <translation>También se han calculado otras posiciones del proyecto. ¿Exportar todas las posiciones calculadas? (No: solo la posición actual)</translation>
    </message>
    <message>
        <source>Default storey</source>
        <translation>Planta estándar</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Posición B</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Posición D</translation>
    </message>
    <message>
        <source>%s N/mm²</source>
        <translation>%s N/mm²</translation>
    </message>
</context>
<context>
    <name>ListeExport</name>
    <message>
        <source>the connector schedule could not be exported - Please check the writing access on the data carrier.</source>
        <translation>No se ha podido exportar la lista de conectores. Compruebe el acceso de escritura al soporte de datos.</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Tipo: </translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - Conector de cortante VSK / VSKQ</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Lista de conectores</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Empresa: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Proyecto:  </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Impreso el: </translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <translation>Pos. mat. Cantidad Denominación</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <translation>Suministro de conectores para la transmisión de esfuerzos</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <translation>cortantes en junta de dilatación y colocación según planos.</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <translation>Resistencia de cálculo máx. FRd: </translation>
    </message>
    <message>
        <source> kN</source>
        <translation> kN</translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <translation>Material: acero inoxidable 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <translation>Posición(es): </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Conector de cortante doble con elemento pasador y vaina</translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>y vaina de protección contra incendios</translation>
    </message>
</context>
<context>
    <name>Objektmodell</name>
    <message>
        <source>Unnamed</source>
        <translation>Sin nombre</translation>
    </message>
</context>
<context>
    <name>Programm</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectros</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ</translation>
    </message>
</context>
<context>
    <name>ProjektJson</name>
    <message>
        <source>A list of 1 to %s positions is expected.</source>
        <translation>Se espera una lista de 1 a %s posiciones.</translation>
    </message>
    <message>
        <source>A group of keys {...} is expected.</source>
        <translation>Se espera un grupo de claves {...}.</translation>
    </message>
    <message>
        <source>Unknown key.</source>
        <translation>Clave desconocida.</translation>
    </message>
    <message>
        <source>A text is expected.</source>
        <translation>Se espera un texto.</translation>
    </message>
    <message>
        <source>A text holds at most %s bytes.</source>
        <translation>Un texto tiene como máximo %s bytes.</translation>
    </message>
    <message>
        <source>Control characters are not allowed in texts.</source>
        <translation>No se permiten caracteres de control en los textos.</translation>
    </message>
    <message>
        <source>A list of texts is expected.</source>
        <translation>Se espera una lista de textos.</translation>
    </message>
    <message>
        <source>A list holds at most %s entries.</source>
        <translation>Una lista tiene como máximo %s entradas.</translation>
    </message>
    <message>
        <source>A number is expected.</source>
        <translation>Se espera un número.</translation>
    </message>
    <message>
        <source>A whole number from 0 to %s is expected.</source>
        <translation>Se espera un número entero de 0 a %s.</translation>
    </message>
    <message>
        <source>A list of points [x, q] is expected.</source>
        <translation>Se espera una lista de puntos [x, q].</translation>
    </message>
    <message>
        <source>The load case does not fit the application case.</source>
        <translation>El caso de carga no corresponde al caso de aplicación.</translation>
    </message>
    <message>
        <source>The document is not JSON (line %s, column %s).</source>
        <translation>El documento no es JSON (línea %s, columna %s).</translation>
    </message>
    <message>
        <source>Position %s: </source>
        <translation>Posición %s: </translation>
    </message>
    <message>
        <source>Position %s, key &quot;%s&quot;: </source>
        <translation>Posición %s, clave &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>Key &quot;%s&quot;: </source>
        <translation>Clave &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>The number in line %s, column %s is out of range.</source>
        <translation>El número de la línea %s, columna %s está fuera de rango.</translation>
    </message>
    <message>
        <source>The key is given twice.</source>
        <translation>La clave se indica dos veces.</translation>
    </message>
</context>
<context>
    <name>Projektbericht</name>
    <message>
        <source>Project Report</source>
        <translation>Informe del proyecto</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Application case</source>
        <translation>Caso de aplicación</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Connectors</source>
        <translation>Conectores</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>utilizable</translation>
    </message>
    <message>
        <source>not usable</source>
        <translation>no utilizable</translation>
    </message>
    <message>
        <source>not calculated</source>
        <translation>no calculado</translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <translation>Error al guardar los datos: no se puede guardar el proyecto</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <translation>Error al abrir el archivo de datos: no se pueden leer los datos del proyecto</translation>
    </message>
    <message>
        <source>The file is not a valid Tervo - VSK File</source>
        <translation>El archivo no es un archivo Tervo - VSK válido</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <translation>El archivo de datos se creó con una versión antigua del programa. La importación de estos datos puede causar problemas de cálculo: ¡compruebe todos los datos!</translation>
    </message>
    <message>
        <source>The project cannot take more positions.</source>
        <translation>El proyecto no admite más posiciones.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %s).</source>
        <translation>El archivo no es XML bien formado (línea %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s does not name this program.</source>
        <translation>El elemento &quot;%s&quot; de la línea %s no nombra este programa.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; is missing (line %s).</source>
        <translation>Falta el elemento &quot;%s&quot; (línea %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s cannot be read.</source>
        <translation>No se puede leer el elemento &quot;%s&quot; de la línea %s.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s goes beyond what a project file can hold.</source>
        <translation>El elemento &quot;%s&quot; de la línea %s supera lo que puede contener un archivo de proyecto.</translation>
    </message>
    <message>
        <source>The project is larger than a project file can hold.</source>
        <translation>El proyecto es mayor de lo que puede contener un archivo de proyecto.</translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Proyecto</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Entrada</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Lista de conectores</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>E&amp;xportar resultados</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>E&amp;dición</translation>
    </message>
</context>
<context>
    <name>Skizzen</name>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Armadura vertical: </translation>
    </message>
    <message>
        <source> - T</source>
        <translation> Ø</translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> horquillas</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Sup. e inf.: </translation>
    </message>
    <message>
        <source>2 x </source>
        <translation>2 x </translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Sup.: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Inf.: </translation>
    </message>
</context>
<context>
    <name>Stueckliste</name>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Not active</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <translation>La posición actual ya figura en la lista de conectores.<byte value="xd"/>
<byte value="xd"/>
¿Desea sobrescribirla?</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <translation>Pos. mat.</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Denominación</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <translation>Suministro de conectores para la transmisión de esfuerzos cortantes en la junta</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <translation>de dilatación y colocación según las indicaciones de los planos.</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <translation>Resistencia de cálculo máx. FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <translation>acero inoxidable 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <translation>Posición(es):   </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Conector de cortante doble compuesto por elemento pasador y vaina</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Tipo: </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>y vaina de protección contra incendios</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Fire protection sleeve</source>
        <translation>Vaina de protección contra incendios</translation>
    </message>
    <message>
        <source>max. design Resistance FRd [kN]</source>
        <translation>Resistencia de cálculo máx. FRd [kN]</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Connector schedule entry %s replaced: position %s, %s x %s</source>
        <translation>Entrada %s de la lista de conectores sustituida: posición %s, %s x %s</translation>
    </message>
    <message>
        <source>Connector schedule entry %s added: position %s, %s x %s</source>
        <translation>Entrada %s añadida a la lista de conectores: posición %s, %s x %s</translation>
    </message>
    <message>
        <source>Schedule entry %s (position %s) holds %s x %s; the position now gives %s x %s.</source>
        <translation>La entrada %s de la lista (posición %s) contiene %s x %s; la posición da ahora %s x %s.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>¡Archivo no encontrado!</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Visualización no activada</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>Memoria insuficiente, archivo ejecutable dañado o reubicación no válida</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Archivo no encontrado.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Ruta no encontrada.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Intento no permitido de enlazar dinámicamente una tarea, o se produjo un error de uso compartido o de acceso a la red.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>La biblioteca requiere segmentos de datos separados para cada tarea.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Memoria insuficiente para iniciar la aplicación.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Versión de Windows incorrecta.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>Archivo .EXE no válido.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>La aplicación está hecha para otro sistema operativo.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>Aplicación de DOS 4.0.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Tipo de archivo .EXE desconocido.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Intento de cargar en modo protegido (modo estándar o modo 386 extendido) un archivo .EXE creado para versiones anteriores de Windows</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Se intentó iniciar por segunda vez una aplicación que contiene varios segmentos de datos no marcados como de solo lectura.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Se intentó ejecutar un archivo comprimido. El archivo debe descomprimirse antes de cargarlo.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>El archivo de biblioteca de enlace dinámico (DLL) está dañado. Falta o está dañada una DLL necesaria para iniciar la aplicación.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>La aplicación necesita un entorno de 32 bits.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>No se encontró ninguna aplicación para abrir el archivo seleccionado</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Texttabellen</name>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <translation>OK\d &lt; d mín\Vsd &gt; VRd\e &lt; e mín\c &lt; c mín\e &lt; e adec\f &gt; admisible\e &lt; e nec\c &lt; c nec\dw &lt; dw nec\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <translation>Cálculo correcto\Espesor de hormigón insuficiente\Carga excesiva\Separación entre conectores inferior al valor mínimo\Distancia al borde del conector inferior al valor mínimo\Separación insuficiente para la armadura vertical\Ancho de junta fuera del rango de este conector\Separación entre conectores con armadura estándar inferior a la de la homologación\Distancia al borde con armadura estándar inferior a la de la homologación\El espesor del muro es menor que el necesario para el conector seleccionado\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <translation>La separación máxima entre conectores supera 5 * canto de losa. ¡Compruebe su disposición!\Separación y distancia al borde mínimas basadas en el menor canto de losa para la carga actual\</translation>
    </message>
    <message>
        <source>C16/20\C20/25\C25/30\C30/37\</source>
        <translation>C16/20\C20/25\C25/30\C30/37\</translation>
    </message>
    <message>
        <source>16 N/mm²\20 N/mm²\25 N/mm²\30 N/mm²\</source>
        <translation>16 N/mm²\20 N/mm²\25 N/mm²\30 N/mm²\</translation>
    </message>
    <message>
        <source>0 mm\10 mm\20 mm\30 mm\40 mm\50 mm\60 mm\</source>
        <translation>0 mm\10 mm\20 mm\30 mm\40 mm\50 mm\60 mm\</translation>
    </message>
    <message>
        <source>Position                          \No. pos.\No. connectors\Designation                                           \Sum connectors\Status\Pos\Ceiling strength\efective structural height\Support type\</source>
        <translation>Posición                          \N.º pos.\N.º conectores\Denominación                                          \Total conectores\Estado\Pos\Canto de losa\Canto útil\Tipo de apoyo\</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <translation>Conector de cortante individual con carga puntual\Fila de conectores de cortante - unión losa-losa\Fila de conectores de cortante - unión losa-muro\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <translation>Conector individual\Fila de conectores, losa-losa\Fila de conectores, losa-muro\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <translation>Armadura según FRd máx.\Armadura según FRd real\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <translation>Sin límite\5 * canto de losa\</translation>
    </message>
</context>
<context>
    <name>vsk-cli</name>
    <message>
        <source>--save needs a file name</source>
        <translation>--save necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>argumento inesperado</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>a project file is needed</source>
        <translation>se necesita un archivo de proyecto</translation>
    </message>
    <message>
        <source>the format is needed: --json</source>
        <translation>se necesita el formato: --json</translation>
    </message>
    <message>
        <source>a JSON document is needed</source>
        <translation>se necesita un documento JSON</translation>
    </message>
    <message>
        <source>-o OUT.VSK is needed</source>
        <translation>se necesita -o OUT.VSK</translation>
    </message>
    <message>
        <source>--txt needs a file name</source>
        <translation>--txt necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--csv needs a file name</source>
        <translation>--csv necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--xlsx needs a file name</source>
        <translation>--xlsx necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>expects a project file</source>
        <translation>espera un archivo de proyecto</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>the output would replace the input file</source>
        <translation>la salida reemplazaría el archivo de entrada</translation>
    </message>
</context>
<context>
    <name>vsk::TBerichtbefehle</name>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Memoria de cálculo</translation>
    </message>
</context>
<context>
    <name>vsk::TDXF_Anzeige_Form</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - DXF-Export</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ - Exportación DXF</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Archivos DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DXF display form</source>
        <translation>Visualización DXF</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>&amp;Guardar como DXF</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>vsk::TDialogFenster</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Aceptar los datos y cerrar la ventana</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Descartar los datos y cerrar la ventana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Ayuda de la ventana de entrada|Ayuda para la entrada de datos en esta ventana</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabePanel</name>
    <message>
        <source>Application Case</source>
        <translation>Caso de aplicación</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Conector de cortante individual</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Fila de conectores en losa</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Fila de conectores en muro</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Determinación de la armadura</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Clase de hormigón</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Ancho máximo de junta</translation>
    </message>
    <message>
        <source>Structural Geometry</source>
        <translation>Geometría estructural</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Espesor de muro</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Canto de losa</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Recubrimiento superior</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Recubrimiento inferior</translation>
    </message>
    <message>
        <source>eff. structural height</source>
        <translation>Canto útil</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Distancia al borde dcha.</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Distancia al borde izda.</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Recubrimiento frontal</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Longitud de junta</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Carga lineal</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>Carga &amp;puntual</translation>
    </message>
    <message>
        <source>Single load</source>
        <translation>Carga puntual</translation>
    </message>
    <message>
        <source>&amp;constant</source>
        <translation>co&amp;nstante</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>Carga lineal constante</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>&amp;trapezoidal</translation>
    </message>
    <message>
        <source>increasing distributed load</source>
        <translation>Carga lineal trapezoidal (variación lineal)</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>ar&amp;bitraria</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <translation>Distribución arbitraria del esfuerzo cortante</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Carga permanente</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coef. parcial de seguridad</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Sobrecarga de uso</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Carga de cálculo adic.</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Carga total de cálculo</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izda.</translation>
    </message>
    <message>
        <source>right</source>
        <translation>dcha.</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Carga puntual</translation>
    </message>
    <message>
        <source>Load case</source>
        <translation>Caso de carga</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabebaum</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Guardar como ...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Configurar impresora ...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Gestión de proyectos</translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Añadir posición</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Eliminar posición actual</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Entrada del sistema</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Datos del proyecto</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Mostrar lista de conectores</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Añadir a la lista de conectores</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Colores de pantalla</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Uso de la ayuda</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>Acerca de Conectores de cortante Tervo</translation>
    </message>
    <message>
        <source>Tervo Shear Connectors Manual</source>
        <translation>Manual de Conectores de cortante Tervo</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Proyecto: </translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Posiciones</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Lista de conectores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Project Report as PDF ...</source>
        <translation>Informe del proyecto como PDF ...</translation>
    </message>
</context>
<context>
    <name>vsk::TErgebnisliste</name>
    <message>
        <source>Connector</source>
        <translation>Conector</translation>
    </message>
    <message>
        <source>Asx</source>
        <translation>Asx</translation>
    </message>
    <message>
        <source>Asy</source>
        <translation>Asy</translation>
    </message>
    <message>
        <source>Vsd/VRd</source>
        <translation>Vsd/VRd</translation>
    </message>
    <message>
        <source>nD</source>
        <translation>nD</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>VRd</source>
        <translation>VRd</translation>
    </message>
    <message>
        <source>Connector type</source>
        <translation>Tipo de conector</translation>
    </message>
    <message>
        <source>Actual area of the secondary reinforcement [mm²]</source>
        <translation>Área existente de la armadura secundaria [mm²]</translation>
    </message>
    <message>
        <source>Actual area of the main reinforcement [mm²]</source>
        <translation>Área existente de la armadura principal [mm²]</translation>
    </message>
    <message>
        <source>Design resistance of one connector [kN]</source>
        <translation>Resistencia de cálculo de un conector [kN]</translation>
    </message>
    <message>
        <source>Usage of one connector: design load / design resistance</source>
        <translation>Aprovechamiento de un conector: carga de cálculo / resistencia de cálculo</translation>
    </message>
    <message>
        <source>Number of connectors</source>
        <translation>Número de conectores</translation>
    </message>
    <message>
        <source>Result of the checks</source>
        <translation>Resultado de las comprobaciones</translation>
    </message>
</context>
<context>
    <name>vsk::THauptAktionen</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>New|Start a new project</source>
        <translation>Nuevo|Iniciar un proyecto nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open|Open a project file</source>
        <translation>Abrir|Abrir un archivo de proyecto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save|Save the project</source>
        <translation>Guardar|Guardar el proyecto</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Guardar &amp;como ...</translation>
    </message>
    <message>
        <source>Save As|Save the project under a new name</source>
        <translation>Guardar como|Guardar el proyecto con otro nombre</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Configurar &amp;impresora</translation>
    </message>
    <message>
        <source>Printer Setup|Choose and set up the printer</source>
        <translation>Configurar impresora|Seleccionar y configurar la impresora</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Print|Print the calculation report</source>
        <translation>Imprimir|Imprimir la memoria de cálculo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit|End the program</source>
        <translation>Salir|Salir del programa</translation>
    </message>
    <message>
        <source>Project &amp;Administration</source>
        <translation>&amp;Gestión de proyectos</translation>
    </message>
    <message>
        <source>Project Administration|Browse and combine project files</source>
        <translation>Gestión de proyectos|Examinar y combinar archivos de proyecto</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Añadir posición</translation>
    </message>
    <message>
        <source>Add Position|Add a position as a copy of the current one</source>
        <translation>Añadir posición|Añadir una posición como copia de la actual</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>&amp;Eliminar posición actual</translation>
    </message>
    <message>
        <source>Delete Current Position|Remove the current position</source>
        <translation>Eliminar posición actual|Eliminar la posición actual</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>Ár&amp;bol de entrada</translation>
    </message>
    <message>
        <source>Input Tree|Show or hide the input tree</source>
        <translation>Árbol de entrada|Mostrar u ocultar el árbol de entrada</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>Entrada del &amp;sistema</translation>
    </message>
    <message>
        <source>System Input|Return from the preview to the input</source>
        <translation>Entrada del sistema|Volver de la vista previa a la entrada de datos</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>Datos del &amp;proyecto</translation>
    </message>
    <message>
        <source>Project Data|Edit the project description</source>
        <translation>Datos del proyecto|Editar la descripción del proyecto</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>&amp;Mostrar lista de conectores</translation>
    </message>
    <message>
        <source>Display Connector Schedule|Show the connector schedule</source>
        <translation>Mostrar lista de conectores|Mostrar la lista de conectores</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>&amp;Añadir a la lista de conectores</translation>
    </message>
    <message>
        <source>Add to Connector Schedule|Add the selected connector to the schedule</source>
        <translation>Añadir a la lista de conectores|Añadir el conector seleccionado a la lista</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>Cá&amp;lculo</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Cálculo|Calcular la posición actual</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Vista previa del cálculo</translation>
    </message>
    <message>
        <source>Calculation Preview|Show the calculation report</source>
        <translation>Vista previa del cálculo|Mostrar la memoria de cálculo</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>Exportación DXF - &amp;conector</translation>
    </message>
    <message>
        <source>DXF Export - Connector|Copy the drawing of the selected connector</source>
        <translation>Exportación DXF - conector|Copiar el plano del conector seleccionado</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>Exportación DXF - a&amp;rmadura</translation>
    </message>
    <message>
        <source>DXF Export - Reinforcement|Export the reinforcement drawing</source>
        <translation>Exportación DXF - armadura|Exportar el plano de armado</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Exportar resultados a &amp;archivo</translation>
    </message>
    <message>
        <source>Export results to file|Save the report page as a picture</source>
        <translation>Exportar resultados a archivo|Guardar la página de la memoria como imagen</translation>
    </message>
    <message>
        <source>Export Results to &amp;Clipboard</source>
        <translation>Exportar resultados al &amp;portapapeles</translation>
    </message>
    <message>
        <source>Results to Clipboard|Copy the report page to the clipboard</source>
        <translation>Resultados al portapapeles|Copiar la página de la memoria al portapapeles</translation>
    </message>
    <message>
        <source>Calculation|Design settings</source>
        <translation>Cálculo|Parámetros de cálculo</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>&amp;Colores de pantalla</translation>
    </message>
    <message>
        <source>Screen Colours|Colours of the sketches</source>
        <translation>Colores de pantalla|Colores de los croquis</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Contents|Help contents</source>
        <translation>Contenido|Contenido de la ayuda</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Buscar &amp;palabra clave</translation>
    </message>
    <message>
        <source>Search for Keyword|Search the help</source>
        <translation>Buscar palabra clave|Buscar en la ayuda</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Uso de la ayuda</translation>
    </message>
    <message>
        <source>Use of Help|How to use the help</source>
        <translation>Uso de la ayuda|Cómo utilizar la ayuda</translation>
    </message>
    <message>
        <source>&amp;About Tervo Shear Connectors</source>
        <translation>&amp;Acerca de Conectores de cortante Tervo</translation>
    </message>
    <message>
        <source>About|Version and copyright</source>
        <translation>Acerca de|Versión y derechos de autor</translation>
    </message>
    <message>
        <source>&amp;Tervo Shear Connectors Manual</source>
        <translation>&amp;Manual de Conectores de cortante Tervo</translation>
    </message>
    <message>
        <source>Manual|Open the manual</source>
        <translation>Manual|Abrir el manual</translation>
    </message>
    <message>
        <source>Export Report as P&amp;DF...</source>
        <translation>Exportar memoria como P&amp;DF...</translation>
    </message>
    <message>
        <source>Export Report as PDF|Save the calculation report as a PDF file</source>
        <translation>Exportar memoria como PDF|Guardar la memoria de cálculo como archivo PDF</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: the design settings</comment>
        <translation>&amp;Parámetros de cálculo</translation>
    </message>
    <message>
        <source>IFC Export|Export the designed joints as an IFC model</source>
        <translation>Exportación IFC|Exportar las juntas calculadas como modelo IFC</translation>
    </message>
    <message>
        <source>Export Project &amp;Report as PDF...</source>
        <translation>Exportar informe del p&amp;royecto como PDF...</translation>
    </message>
    <message>
        <source>Export Project Report as PDF|Save the summary, the report of every position and the connector schedule as one PDF file</source>
        <translation>Exportar informe del proyecto como PDF|Guardar el resumen, el informe de cada posición y la lista de conectores en un solo archivo PDF</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo|Take back the last change of the project</source>
        <translation>Deshacer|Deshacer el último cambio del proyecto</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo|Make the change again that was taken back</source>
        <translation>Rehacer|Volver a aplicar el cambio deshecho</translation>
    </message>
    <message>
        <source>&amp;IFC Export</source>
        <translation>Exportación &amp;IFC</translation>
    </message>
</context>
<context>
    <name>vsk::TProjektberichtbefehl</name>
    <message>
        <source>Exporting the project report...</source>
        <translation>Exportando el informe del proyecto...</translation>
    </message>
    <message>
        <source>Project Report</source>
        <translation>Informe del proyecto</translation>
    </message>
    <message>
        <source>report</source>
        <translation>informe</translation>
    </message>
</context>
<context>
    <name>vsk::TVorschauleiste</name>
    <message>
        <source>Fit width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
</context>
<context>
    <name>vsk::TWiederherstellung</name>
    <message>
        <source>Unnamed</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>The program did not end properly last time. The unsaved changes of &quot;%1&quot; from %2 can be restored.

Do you want to restore them?</source>
        <translation>El programa no se cerró correctamente la última vez. Los cambios no guardados de &quot;%1&quot; del %2 pueden restaurarse.

¿Desea restaurarlos?</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmAbout</name>
    <message>
        <source>VSK - 2.0.3</source>
        <translation>VSK - 2.0.3</translation>
    </message>
    <message>
        <source>10.06.2009</source>
        <translation>10/06/2009</translation>
    </message>
    <message>
        <source>The maker accepts no liability for the information this program gives. Claims for direct or consequential damage cannot be considered.</source>
        <translation>El fabricante no asume ninguna responsabilidad por la información que proporciona este programa. No se atenderán reclamaciones por daños directos o indirectos.</translation>
    </message>
    <message>
        <source>Enter the input with care and check that every result is acceptable before you use it.</source>
        <translation>Introduzca los datos con cuidado y compruebe que cada resultado es aceptable antes de utilizarlo.</translation>
    </message>
    <message>
        <source>The program is not guaranteed to run on present or future operating systems.</source>
        <translation>No se garantiza el funcionamiento del programa en sistemas operativos actuales o futuros.</translation>
    </message>
    <message>
        <source>The maker may change the design and the technical data of the products without notice.</source>
        <translation>El fabricante puede modificar el diseño y los datos técnicos de los productos sin previo aviso.</translation>
    </message>
    <message>
        <source>Please report program errors to the maker with full details of the input and of what happened.</source>
        <translation>Comunique los errores del programa al fabricante, indicando todos los datos de entrada y lo ocurrido.</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>Acerca de Conectores de cortante Tervo</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ</translation>
    </message>
    <message>
        <source>This program will enable the calculation of VSK and VSKQ shear connectors supporting higher transverse loads</source>
        <translation>Este programa permite calcular conectores de cortante VSK y VSKQ para la transmisión de grandes esfuerzos cortantes</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Creado el:</translation>
    </message>
    <message>
        <source>© Tervo Connector Systems. All rights reserved.</source>
        <translation>© Tervo Connector Systems. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Telephone: +41 00 000 00 00</source>
        <translation>Teléfono: +41 00 000 00 00</translation>
    </message>
    <message>
        <source>E-mail: support@tervo.example</source>
        <translation>Correo electrónico: support@tervo.example</translation>
    </message>
    <message>
        <source>Internet: www.tervo.example</source>
        <translation>Internet: www.tervo.example</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Back to main window | Back to main window</source>
        <translation>Volver a la ventana principal | Volver a la ventana principal</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Parámetros de cálculo</translation>
    </message>
    <message>
        <source>500 N/mm²</source>
        <translation>500 N/mm²</translation>
    </message>
    <message>
        <source>450 N/mm²</source>
        <translation>450 N/mm²</translation>
    </message>
    <message>
        <source>partial safety factor for steel</source>
        <translation>coef. parcial de seguridad del acero</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>límite elástico de la armadura</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Separación máx. de conectores</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Armadura</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Número de barras de la armadura superior e inferior</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Modificar el número de barras de la armadura superior e inferior</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diámetro de las barras de la armadura superior e inferior</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Modificar el diámetro de las barras de la armadura superior e inferior</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Número de barras de la armadura vertical</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Modificar el número de barras de la armadura vertical</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Diámetro de las barras de la armadura vertical</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Modificar el diámetro de las barras de la armadura vertical</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>-T</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Armadura superior e inferior</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Armadura vertical</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Armadura del conector actual: </translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Resultado intermedio de la armadura </translation>
    </message>
</context>
<context>
    <name>vsk::TfrmFarbeinstellung</name>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Estándar</translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation>Escala de &amp;grises</translation>
    </message>
    <message>
        <source>VSK - colour representation</source>
        <translation>VSK - representación en color</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Color del fondo del croquis</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Color del contorno del hormigón</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Color de las superficies de hormigón</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Color de la armadura horizontal (pos. B)</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Color de la armadura de suspensión (pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Color del contorno del conector de cortante</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Color de la superficie del conector de cortante</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Color de la acotación (líneas + texto)</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Color de la vaina de protección contra incendios</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Acotación</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armadura</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Posición B</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Posición D</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Hormigón</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Protección contra incendios</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Conector de cortante</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Restablecer los colores estándar</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Ajustar la representación a escala de grises</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>¡Salir de la ventana y aceptar los datos!</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>¡Salir de la ventana y descartar los datos!</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHauptMaske</name>
    <message>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>N.º:</translation>
    </message>
    <message>
        <source>Current position|Number of the position shown</source>
        <translation>Posición actual|Número de la posición mostrada</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Cálculo|Calcular la posición actual</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Return to entry</source>
        <translation>&amp;Volver a la entrada</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>To &amp;Clipboard</source>
        <translation>Al por&amp;tapapeles</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Proyecto:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Sketch|Click for the sketch menu</source>
        <translation>Croquis|Pulse para abrir el menú del croquis</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Alzado</translation>
    </message>
    <message>
        <source>plan view</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Connector arrangement / distribution</source>
        <translation>Disposición / distribución de conectores</translation>
    </message>
    <message>
        <source>Fit reinforcement manually</source>
        <translation>Ajustar la armadura manualmente</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Croquis al &amp;portapapeles</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Guardar croquis en archivo</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Mostrar croquis a pantalla completa</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>Exportación DXF</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ</translation>
    </message>
    <message>
        <source>Drawing of connector</source>
        <translation>Plano del conector</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Lista de conectores</translation>
    </message>
    <message>
        <source>Import Position</source>
        <translation>Importar posición</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHilfe</name>
    <message>
        <source>VSK Help</source>
        <translation>Ayuda de VSK</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Type the first letters of a keyword</source>
        <translation>Escriba las primeras letras de una palabra clave</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Uso de la ayuda</translation>
    </message>
    <message>
        <source>Help not found</source>
        <translation>Ayuda no encontrada</translation>
    </message>
    <message>
        <source>The help pages were not found in the folder %1. Install the program again from the CD.</source>
        <translation>No se han encontrado las páginas de ayuda en la carpeta %1. Vuelva a instalar el programa desde el CD.</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Datos del proyecto</translation>
    </message>
    <message>
        <source>Description of building project|Entry of the description of the building project to be calculated</source>
        <translation>Descripción de la obra|Introduzca la descripción de la obra que se va a calcular</translation>
    </message>
    <message>
        <source>Details planning office/firm (more lines)</source>
        <translation>Datos de la oficina técnica/empresa (varias líneas)</translation>
    </message>
    <message>
        <source>Entry of the name of the person in charge</source>
        <translation>Introduzca el nombre del responsable</translation>
    </message>
    <message>
        <source>Entry of date of the work</source>
        <translation>Introduzca la fecha del trabajo</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Installation of today&apos;s date</source>
        <translation>Insertar la fecha de hoy</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Proyecto:</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Proyectista:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektverwaltung</name>
    <message>
        <source>Tervo - Project Administration</source>
        <translation>Tervo - Gestión de proyectos</translation>
    </message>
    <message>
        <source>Choose drive|Choose drive with project data</source>
        <translation>Seleccionar unidad|Seleccione la unidad con los datos del proyecto</translation>
    </message>
    <message>
        <source>Choose directory|Choose directory for project data</source>
        <translation>Seleccionar carpeta|Seleccione la carpeta de los datos del proyecto</translation>
    </message>
    <message>
        <source>Select project file|Select existing project file</source>
        <translation>Seleccionar archivo de proyecto|Seleccione un archivo de proyecto existente</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Tipo de unión</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Longitud de junta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Select position in project|Select to open position in project</source>
        <translation>Seleccionar posición del proyecto|Seleccione una posición del proyecto para abrirla</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Abrir proyecto</translation>
    </message>
    <message>
        <source>Open chosen project</source>
        <translation>Abrir el proyecto seleccionado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Leave project maintenance without activities</source>
        <translation>Salir de la gestión de proyectos sin hacer cambios</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Ayuda de la ventana de entrada|Ayuda para la entrada de datos en esta ventana</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>&amp;Importar posición</translation>
    </message>
    <message>
        <source>Open chosen position|Add chosen position to existing project</source>
        <translation>Abrir la posición seleccionada|Añadir la posición seleccionada al proyecto actual</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Unidad</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>Car&amp;peta</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>P&amp;royecto</translation>
    </message>
    <message>
        <source>Project &amp;Contents</source>
        <translation>&amp;Contenido del proyecto</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>N.º: </translation>
    </message>
</context>
<context>
    <name>vsk::TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>¡El idioma seleccionado no está disponible!</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ</translation>
    </message>
    <message>
        <source>Design of stainless-steel shear connectors across expansion joints</source>
        <translation>Cálculo de conectores de cortante de acero inoxidable en juntas de dilatación</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>&amp;Iniciar programa</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmStueckliste</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Connector Schedule</source>
        <translation>Tervo - Conectores de cortante VSK / VSKQ - Lista de conectores</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Información adicional a la lista de conectores</translation>
    </message>
    <message>
        <source>Entry of supplementary advice text</source>
        <translation>Introduzca un texto de observaciones adicional</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Selección actual</translation>
    </message>
    <message>
        <source>Number of similar positions for current choice</source>
        <translation>Número de posiciones iguales para la selección actual</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Número de posiciones iguales</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>&amp;Eliminar posición</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Al exportar como gráfico una lista de conectores larga, debe tenerse</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>en cuenta que el gráfico no contiene saltos de página.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Una lista de conectores larga puede dividirse en dos o más archivos</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>de exportación desactivando posiciones individuales.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Prints out the connector schedule</source>
        <translation>Imprime la lista de conectores</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>display the list view of the connector schedule</source>
        <translation>Mostrar la lista de conectores como tabla</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Export the connector schedule</source>
        <translation>Exportar la lista de conectores</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>Por&amp;tapapeles</translation>
    </message>
    <message>
        <source>copies the connector schedule to clipboard</source>
        <translation>Copia la lista de conectores al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>V&amp;olver</translation>
    </message>
    <message>
        <source>Leave connector schedule</source>
        <translation>Salir de la lista de conectores</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Ayuda de la ventana de entrada|Ayuda para la entrada de datos en esta ventana</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Lista de conectores</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.emf)</source>
        <translation>Exportar en formato Metafile (*.emf)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Exportar en formato Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Exportar en formato JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Exportar en formato de texto (*.txt)</translation>
    </message>
    <message>
        <source>Export in PDF Format (*.pdf)</source>
        <translation>Exportar en formato PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export in SVG Format (*.svg)</source>
        <translation>Exportar en formato SVG (*.svg)</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector - Export Connector Schedule</source>
        <translation>Tervo - Conector de cortante VSK / VSKQ - Exportar lista de conectores</translation>
    </message>
    <message>
        <source>Export as CSV Table (*.csv)</source>
        <translation>Exportar como tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export as XLSX Workbook (*.xlsx)</source>
        <translation>Exportar como libro XLSX (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmZoom</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Copiar la impresión de resultados al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Exportar la impresión de resultados a un archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar la ventana</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Croquis al &amp;portapapeles</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Guardar croquis en archivo</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>&amp;Cerrar ventana</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmbeliebigeLast</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Entry of arbitrary transverse force distribution</source>
        <translation>Entrada de una distribución arbitraria del esfuerzo cortante</translation>
    </message>
    <message>
        <source>x [mm]</source>
        <translation>x [mm]</translation>
    </message>
    <message>
        <source>q&lt;span style=&quot;vertical-align:sub&quot;&gt;Ed&lt;/span&gt;(x) [kN/m]</source>
        <translation>q&lt;span style=&quot;vertical-align:sub&quot;&gt;Ed&lt;/span&gt;(x) [kN/m]</translation>
    </message>
    <message>
        <source>pair of values for linear load</source>
        <translation>Pares de valores de la carga lineal</translation>
    </message>
    <message>
        <source>Coordinates for entered load measured form the left</source>
        <translation>Coordenada de la carga introducida, medida desde la izquierda</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Valor de la carga en la posición de la coordenada x</translation>
    </message>
    <message>
        <source>x =</source>
        <translation>x =</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>q&lt;sub&gt;Ed&lt;/sub&gt; =</source>
        <translation>q&lt;sub&gt;Ed&lt;/sub&gt; =</translation>
    </message>
    <message>
        <source>kN/m</source>
        <translation>kN/m</translation>
    </message>
    <message>
        <source>Place pair of values|Pair of values (x,q) add to list</source>
        <translation>Añadir par de valores|Añadir el par de valores (x,q) a la lista</translation>
    </message>
    <message>
        <source>Transfer changes in the list|Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Aplicar cambios en la lista|Aplicar los cambios del par de valores (x,q) en la lista</translation>
    </message>
    <message>
        <source>delete current pair of values|delete current pair of values (x,q) from the list</source>
        <translation>Eliminar el par de valores actual|Eliminar de la lista el par de valores (x,q) actual</translation>
    </message>
    <message>
        <source>A value for the entered coordinate already exists!</source>
        <translation>¡Ya existe un valor para la coordenada introducida!</translation>
    </message>
    <message>
        <source> Should this be overwritten?</source>
        <translation> ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor numérico válido</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv *.tsv *.prn);;All files (*)</source>
        <translation>Archivos de texto (*.txt *.csv *.tsv *.prn);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import points from file</source>
        <translation>Importar puntos desde archivo</translation>
    </message>
    <message>
        <source>Export points to file</source>
        <translation>Exportar puntos a archivo</translation>
    </message>
    <message>
        <source>Load points|Right mouse button: paste, copy, import or export the points</source>
        <translation>Puntos de carga|Botón derecho del ratón: pegar, copiar, importar o exportar los puntos</translation>
    </message>
    <message>
        <source>&amp;Paste points</source>
        <translation>&amp;Pegar puntos</translation>
    </message>
    <message>
        <source>&amp;Copy points</source>
        <translation>&amp;Copiar puntos</translation>
    </message>
    <message>
        <source>&amp;Import points from file...</source>
        <translation>I&amp;mportar puntos desde archivo...</translation>
    </message>
    <message>
        <source>&amp;Export points to file...</source>
        <translation>&amp;Exportar puntos a archivo...</translation>
    </message>
    <message>
        <source>The table already holds load points.</source>
        <translation>La tabla ya contiene puntos de carga.</translation>
    </message>
    <message>
        <source>Should they be replaced?</source>
        <translation>¿Deben reemplazarse?</translation>
    </message>
</context>
<context>
    <name>vsk::Zoom_panel</name>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Dibujo completo</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vista anterior</translation>
    </message>
</context>
</TS>
