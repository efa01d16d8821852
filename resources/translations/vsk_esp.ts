<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_GB">
<context>
    <name>Bemessung</name>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try the calculation with new input data and refer to the programme producer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bericht</name>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Req୍ area of main reinf´t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Req୍ area of secondary reinf´t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector design load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>see next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional design load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export in Metafile Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in Bitmap Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in JPeg Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in SVG Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Export results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture for &quot;%1&quot; could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DXF</name>
    <message>
        <source>Reinforcement for Tervo shear connector in the building </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 x </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be written - Please check the writing access on the data carrier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempted to create layer with existing name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dateidialoge</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors (*.VSK *.vsk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Druck</name>
    <message>
        <source>Calculation for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designer: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed. The pages can be saved as a PDF file instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file could not be written:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DxfBefehle</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Eingabe</name>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Dateilanzeige zum Dorn ist noch nicht aktiviert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Not able to write to file %s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Handbuch</name>
    <message>
        <source>VSK Manual.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListeExport</name>
    <message>
        <source>the connector schedule could not be exported - Please check the writing access on the data carrier.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Objektmodell</name>
    <message>
        <source>Unnamed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Programm</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectros</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a valid Tervo - VSK File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project cannot take more positions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Skizzen</name>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 x </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Stueckliste</name>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Texttabellen</name>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C16/20\C20/25\C25/30\C30/37\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 N/mm²\20 N/mm²\25 N/mm²\30 N/mm²\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 mm\10 mm\20 mm\30 mm\40 mm\50 mm\60 mm\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position                          \No. pos.\No. connectors\Designation                                           \Sum connectors\Status\Pos\Ceiling strength\efective structural height\Support type\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TBerichtbefehle</name>
    <message>
        <source>Printer Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TDXF_Anzeige_Form</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - DXF-Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF display form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TEingabePanel</name>
    <message>
        <source>Application Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Structural Geometry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eff. structural height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>increasing distributed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TEingabebaum</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo Shear Connectors Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TErgebnisliste</name>
    <message>
        <source>Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vsd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vsd/VRd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::THauptAktionen</name>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New|Start a new project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open|Open a project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save|Save the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As|Save the project under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Setup|Choose and set up the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print|Print the calculation report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit|End the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project &amp;Administration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Administration|Browse and combine project files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Position|Add a position as a copy of the current one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Current Position|Remove the current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input Tree|Show or hide the input tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Input|Return from the preview to the input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Data|Edit the project description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Connector Schedule|Show the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Connector Schedule|Add the selected connector to the schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation Preview|Show the calculation report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF Export - Connector|Copy the drawing of the selected connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF Export - Reinforcement|Export the reinforcement drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export results to file|Save the report page as a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Results to &amp;Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results to Clipboard|Copy the report page to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation|Design settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Colours|Colours of the sketches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents|Help contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Keyword|Search the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use of Help|How to use the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tervo Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About|Version and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tervo Shear Connectors Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual|Open the manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Report as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Report as PDF|Save the calculation report as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmAbout</name>
    <message>
        <source>VSK - 2.0.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.06.2009</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maker accepts no liability for the information this program gives. Claims for direct or consequential damage cannot be considered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the input with care and check that every result is acceptable before you use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program is not guaranteed to run on present or future operating systems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maker may change the design and the technical data of the products without notice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please report program errors to the maker with full details of the input and of what happened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program will enable the calculation of VSK and VSKQ shear connectors supporting higher transverse loads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© Tervo Connector Systems. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone: +41 00 000 00 00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: support@tervo.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet: www.tervo.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to main window | Back to main window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBemessung</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings for Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500 N/mm²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>450 N/mm²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partial safety factor for steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBewehrung</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmFarbeinstellung</name>
    <message>
        <source>&amp;Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VSK - colour representation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHauptMaske</name>
    <message>
        <source>Tool bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current position|Number of the position shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Return to entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To &amp;Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch|Click for the sketch menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plan view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector arrangement / distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit reinforcement manually</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing of connector</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHilfe</name>
    <message>
        <source>VSK Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the first letters of a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages were not found in the folder %1. Install the program again from the CD.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description of building project|Entry of the description of the building project to be calculated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details planning office/firm (more lines)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry of the name of the person in charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry of date of the work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation of today&apos;s date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektverwaltung</name>
    <message>
        <source>Tervo - Project Administration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose drive|Choose drive with project data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose directory|Choose directory for project data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select project file|Select existing project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select position in project|Select to open position in project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open chosen project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave project maintenance without activities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open chosen position|Add chosen position to existing project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project &amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design of stainless-steel shear connectors across expansion joints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmStueckliste</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry of supplementary advice text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of similar positions for current choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints out the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>display the list view of the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copies the connector schedule to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave connector schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.emf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in PDF Format (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export in SVG Format (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector - Export Connector Schedule</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmZoom</name>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::TfrmbeliebigeLast</name>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry of arbitrary transverse force distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x [mm]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q&lt;span style=&quot;vertical-align:sub&quot;&gt;Ed&lt;/span&gt;(x) [kN/m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair of values for linear load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates for entered load measured form the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q&lt;sub&gt;Ed&lt;/sub&gt; =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kN/m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place pair of values|Pair of values (x,q) add to list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer changes in the list|Transfer changes in the pairs of values (x,q) in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete current pair of values|delete current pair of values (x,q) from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A value for the entered coordinate already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Should this be overwritten?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vsk::Zoom_panel</name>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
