<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_CH" sourcelanguage="en_GB">
<context>
    <name>Bemessung</name>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!</source>
        <translation>Schwerwiegender Fehler bei der Berechnung! Das Berechnungsresultat ist ungültig!</translation>
    </message>
    <message>
        <source>Try the calculation with new input data and refer to the programme producer.</source>
        <translation>Wiederholen Sie die Berechnung mit neuen Eingabewerten und wenden Sie sich an den Programmhersteller.</translation>
    </message>
</context>
<context>
    <name>Bericht</name>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <translation>Berechnung mit Bewehrung nach optimaler Dornausnutzung</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <translation>Berechnung mit Bewehrung nach max. Tragwiderstand des Dorns</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Betonsorte</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Plattenstärke</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Wandstärke</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Betonüberdeckung oben</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Betonüberdeckung unten</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Betonüberdeckung stirnseitig</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <translation>Max. Fugenbreite</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Fugenlänge</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <translation>Vorgegebener Randabstand</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultate</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <translation>Vorh. Fläche Hauptbewehrung</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <translation>Vorh. Fläche Nebenbewehrung</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <translation>Bereich Hauptbewehrung</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <translation>Bereich Nebenbewehrung</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <translation>Vorh. Randabstand</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <translation>Min. Randabstand</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <translation>Vorh. Dornabstand</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <translation>Min. Dornabstand</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <translation>Bemessungslast pro Dorn</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <translation>Tragwiderstand pro Dorn</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <translation>Ausnutzung Dorn</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <translation>Tragwiderstand Beton</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <translation>Ausnutzung Beton</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <translation>Tragwiderstand Stahl</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <translation>Ausnutzung Stahl</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <translation>Tragwiderstand Bewehrung</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <translation>Ausnutzung Bewehrung</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Ständige Last</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <translation>Anzahl Dorne</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <translation>Einzellast auf Dorn</translation>
    </message>
    <message>
        <source>Linear load</source>
        <translation>Konstante Linienlast</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Linear veränderliche Linienlast</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Beliebig verteilte Linienlast</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Bemessungslast total</translation>
    </message>
    <message>
        <source>with F</source>
        <translation>mit F</translation>
    </message>
    <message>
        <source>see next page</source>
        <translation>siehe nächste Seite</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Teilsicherheitsbeiwert</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Nutzlast</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <translation>Zus. Bemessungslast</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <translation>Erf. Fläche Hauptbewehrung</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <translation>Erf. Fläche Nebenbewehrung</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Die Datei «%1» ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>Die Datei «%1» kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>export in Metafile Format</source>
        <translation>Export im Metafile-Format</translation>
    </message>
    <message>
        <source>Export in Bitmap Format</source>
        <translation>Export im Bitmap-Format</translation>
    </message>
    <message>
        <source>Export in JPeg Format</source>
        <translation>Export im JPEG-Format</translation>
    </message>
    <message>
        <source>Export in SVG Format</source>
        <translation>Export im SVG-Format</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Export results</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne - Resultate exportieren</translation>
    </message>
    <message>
        <source>The picture for &quot;%1&quot; could not be made.</source>
        <translation>Das Bild für «%1» konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>DXF</name>
    <message>
        <source>Reinforcement for Tervo shear connector in the building </source>
        <translation>Bewehrung für Tervo-Querkraftdorn </translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation>Draufsicht</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Oben und unten: </translation>
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
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Vertikalbewehrung: </translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> Bügel</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Oben: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Unten: </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be written - Please check the writing access on the data carrier.</source>
        <translation>Die Datei «%s» konnte nicht geschrieben werden - Bitte prüfen Sie den Schreibzugriff auf dem Datenträger.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be read.</source>
        <translation>Die Datei «%s» konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Attempted to create layer with existing name</source>
        <translation>Es wurde versucht, einen Layer mit einem bereits vorhandenen Namen zu erstellen</translation>
    </message>
</context>
<context>
    <name>Dateidialoge</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors (*.VSK *.vsk)</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne (*.VSK *.vsk)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>IFC models (*.ifc)</source>
        <translation>IFC-Modelle (*.ifc)</translation>
    </message>
</context>
<context>
    <name>Dateischreiber</name>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu gross</translation>
    </message>
</context>
<context>
    <name>Druck</name>
    <message>
        <source>Calculation for </source>
        <translation>Berechnung für </translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Gedruckt am: </translation>
    </message>
    <message>
        <source>Designer: </source>
        <translation>Bearbeiter: </translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Firma: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Projekt:  </translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Position: </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <translation>Der Dorn kann aus folgenden Gründen nicht verwendet werden:</translation>
    </message>
    <message>
        <source>Save as PDF file</source>
        <translation>Als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed. The pages can be saved as a PDF file instead.</source>
        <translation>Es ist kein Drucker installiert. Die Seiten können stattdessen als PDF-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>The PDF file could not be written:</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Das Dokument konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <translation>Seite %s von %s</translation>
    </message>
</context>
<context>
    <name>DxfBefehle</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF-Dateien (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>DWG-Datei (*.dwg)</translation>
    </message>
</context>
<context>
    <name>Eingabe</name>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <translation>Die Plattenstärke ist kleiner als die Mindeststärke für den kleinsten Querkraftdorn!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <translation>Die Stärke der anzuschliessenden Platte ist kleiner als die statische Höhe!</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <translation>Die statische Höhe ist &lt; 10mm. Bitte prüfen!</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <translation>Die Betonüberdeckung oben ist &lt;10mm. Bitte prüfen</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <translation>Die Betonüberdeckung unten ist &lt;10mm. Bitte prüfen</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <translation>Die Summe der Betonüberdeckungen ist grösser als die Stärke der anzuschliessenden Platte!</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <translation>Die Wandstärke ist kleiner als die Mindeststärke für den kleinsten Querkraftdorn!</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <translation>Das Projekt enthält nur eine Position.<byte value="xd"/>
<byte value="xd"/>
Die letzte Position kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>Möchten Sie die aktuelle Berechnung speichern?</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <translation>Eingabefehler: Nur Zahlen zulässig!<byte value="xd"/>
(Bitte Schreibweise von «.» und «,» prüfen) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <translation>Der Eingabewert ist kleiner als zulässig!</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <translation>Der Eingabewert ist grösser als zulässig!</translation>
    </message>
    <message>
        <source>Die Dateilanzeige zum Dorn ist noch nicht aktiviert</source>
        <translation>Die Dateianzeige zum Dorn ist noch nicht aktiviert</translation>
    </message>
    <message>
        <source>Two values are expected: x and q.</source>
        <translation>Erwartet werden zwei Werte: x und q.</translation>
    </message>
    <message>
        <source>The text holds no load points.</source>
        <translation>Der Text enthält keine Lastpunkte.</translation>
    </message>
    <message>
        <source>Line %s: </source>
        <translation>Zeile %s: </translation>
    </message>
    <message>
        <source>A load holds at most %s points.</source>
        <translation>Eine Last hat höchstens %s Punkte.</translation>
    </message>
    <message>
        <source>at least %s</source>
        <translation>mindestens %s</translation>
    </message>
    <message>
        <source>at most %s</source>
        <translation>höchstens %s</translation>
    </message>
    <message>
        <source>Allowed: %s</source>
        <translation>Zulässig: %s</translation>
    </message>
    <message>
        <source>The unit of x &quot;%s&quot; is not known: mm, cm or m are expected.</source>
        <translation>Die Einheit von x &quot;%s&quot; ist unbekannt: erwartet werden mm, cm oder m.</translation>
    </message>
    <message>
        <source>An input value is not a number. Please check!</source>
        <translation>Ein Eingabewert ist keine Zahl. Bitte prüfen!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is greater than %s mm. Please check!</source>
        <translation>Die Dicke der Betonplatte ist grösser als %s mm. Bitte prüfen!</translation>
    </message>
    <message>
        <source>x is smaller than in the line before: the points are expected along the joint.</source>
        <translation>x ist kleiner als in der Zeile davor: die Punkte werden entlang der Fuge erwartet.</translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Not able to write to file %s</source>
        <translation>Die Datei %s kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The settings file %s cannot be read. The program uses its default settings.</source>
        <translation>Die Einstellungsdatei %s kann nicht gelesen werden. Das Programm verwendet seine Standardeinstellungen.</translation>
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
        <translation>Die Datei - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - wurde nicht gefunden. Die benötigte Datei kann nur ab der CD-Version installiert werden!</translation>
    </message>
</context>
<context>
    <name>IFC</name>
    <message>
        <source>Other positions of the project are calculated too. Export all calculated positions? (No: the current position only)</source>
        <translation>Weitere Positionen des Projekts sind ebenfalls berechnet. Alle berechneten Positionen exportieren? (Nein: nur die aktuelle Position)</translation>
    </message>
    <message>
        <source>Default storey</source>
        <translation>Standardgeschoss</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Position B</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Position D</translation>
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
        <translation>Die Stückliste konnte nicht exportiert werden - Bitte prüfen Sie den Schreibzugriff auf dem Datenträger.</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Typ: </translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Firma:        </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Projekt:      </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Gedruckt am:  </translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <translation>Mat.-Pos Stückzahl Bezeichnung</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <translation>Querkraftdorne zur Querkraftübertragung in Dehnfugen liefern</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <translation>und gemäss den Angaben im Plan einbauen.</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <translation>max. Tragwiderstand FRd: </translation>
    </message>
    <message>
        <source> kN</source>
        <translation> kN</translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <translation>Material: nichtrostender Stahl 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <translation>Position(en): </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Doppel-Querkraftdorn, bestehend aus Dornteil und Hülse</translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>und Brandschutzmanschette</translation>
    </message>
</context>
<context>
    <name>Objektmodell</name>
    <message>
        <source>Unnamed</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>Programm</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectros</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne</translation>
    </message>
</context>
<context>
    <name>ProjektJson</name>
    <message>
        <source>A list of 1 to %s positions is expected.</source>
        <translation>Erwartet wird eine Liste von 1 bis %s Positionen.</translation>
    </message>
    <message>
        <source>A group of keys {...} is expected.</source>
        <translation>Erwartet wird eine Gruppe von Schlüsseln {...}.</translation>
    </message>
    <message>
        <source>Unknown key.</source>
        <translation>Unbekannter Schlüssel.</translation>
    </message>
    <message>
        <source>A text is expected.</source>
        <translation>Erwartet wird ein Text.</translation>
    </message>
    <message>
        <source>A text holds at most %s bytes.</source>
        <translation>Ein Text hat höchstens %s Bytes.</translation>
    </message>
    <message>
        <source>Control characters are not allowed in texts.</source>
        <translation>Steuerzeichen sind in Texten nicht erlaubt.</translation>
    </message>
    <message>
        <source>A list of texts is expected.</source>
        <translation>Erwartet wird eine Liste von Texten.</translation>
    </message>
    <message>
        <source>A list holds at most %s entries.</source>
        <translation>Eine Liste hat höchstens %s Einträge.</translation>
    </message>
    <message>
        <source>A number is expected.</source>
        <translation>Erwartet wird eine Zahl.</translation>
    </message>
    <message>
        <source>A whole number from 0 to %s is expected.</source>
        <translation>Erwartet wird eine ganze Zahl von 0 bis %s.</translation>
    </message>
    <message>
        <source>A list of points [x, q] is expected.</source>
        <translation>Erwartet wird eine Liste von Punkten [x, q].</translation>
    </message>
    <message>
        <source>The load case does not fit the application case.</source>
        <translation>Der Lastfall passt nicht zum Anwendungsfall.</translation>
    </message>
    <message>
        <source>The document is not JSON (line %s, column %s).</source>
        <translation>Das Dokument ist kein JSON (Zeile %s, Spalte %s).</translation>
    </message>
    <message>
        <source>Position %s: </source>
        <translation>Position %s: </translation>
    </message>
    <message>
        <source>Position %s, key &quot;%s&quot;: </source>
        <translation>Position %s, Schlüssel &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>Key &quot;%s&quot;: </source>
        <translation>Schlüssel &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>The number in line %s, column %s is out of range.</source>
        <translation>Die Zahl in Zeile %s, Spalte %s liegt ausserhalb des Wertebereichs.</translation>
    </message>
    <message>
        <source>The key is given twice.</source>
        <translation>Der Schlüssel ist zweimal angegeben.</translation>
    </message>
</context>
<context>
    <name>Projektbericht</name>
    <message>
        <source>Project Report</source>
        <translation>Projektbericht</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Application case</source>
        <translation>Anwendungsfall</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Connectors</source>
        <translation>Dorne</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>verwendbar</translation>
    </message>
    <message>
        <source>not usable</source>
        <translation>nicht verwendbar</translation>
    </message>
    <message>
        <source>not calculated</source>
        <translation>nicht berechnet</translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <translation>Fehler beim Speichern der Daten - das Projekt konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <translation>Fehler beim Öffnen der Datei - die Projektdaten konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file is not a valid Tervo - VSK File</source>
        <translation>Die Datei ist keine gültige Tervo-VSK-Datei</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <translation>Die Datei wurde mit einer älteren Programmversion erstellt. Der Import dieser Daten kann zu Berechnungsproblemen führen, bitte alle Daten prüfen!</translation>
    </message>
    <message>
        <source>The project cannot take more positions.</source>
        <translation>Das Projekt kann keine weiteren Positionen aufnehmen.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %s).</source>
        <translation>Die Datei ist kein wohlgeformtes XML (Zeile %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s does not name this program.</source>
        <translation>Element &quot;%s&quot; in Zeile %s nennt nicht dieses Programm.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; is missing (line %s).</source>
        <translation>Element &quot;%s&quot; fehlt (Zeile %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s cannot be read.</source>
        <translation>Element &quot;%s&quot; in Zeile %s kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s goes beyond what a project file can hold.</source>
        <translation>Element &quot;%s&quot; in Zeile %s überschreitet, was eine Projektdatei enthalten kann.</translation>
    </message>
    <message>
        <source>The project is larger than a project file can hold.</source>
        <translation>Das Projekt ist grösser, als eine Projektdatei fassen kann.</translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projekt</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Eingabe</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Stückliste</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultate</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>Resultate &amp;exportieren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>Skizzen</name>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Vertikalbewehrung: </translation>
    </message>
    <message>
        <source> - T</source>
        <translation> Ø</translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> Bügel</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Oben und unten: </translation>
    </message>
    <message>
        <source>2 x </source>
        <translation>2 x </translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Oben: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Unten: </translation>
    </message>
</context>
<context>
    <name>Stueckliste</name>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Not active</source>
        <translation>Nicht aktiv</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <translation>Die aktuelle Position ist bereits in der Stückliste enthalten.<byte value="xd"/>
<byte value="xd"/>
Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <translation>Mat.-Pos.</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <translation>Stückzahl</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <translation>Querkraftdorne zur Querkraftübertragung in Dehnfugen liefern</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <translation>und gemäss den Angaben im Plan einbauen.</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <translation>max. Tragwiderstand FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <translation>nichtrostender Stahl 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <translation>Position(en):   </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Doppel-Querkraftdorn, bestehend aus Dornteil und Hülse</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Typ: </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>und Brandschutzmanschette</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Fire protection sleeve</source>
        <translation>Brandschutzmanschette</translation>
    </message>
    <message>
        <source>max. design Resistance FRd [kN]</source>
        <translation>max. Tragwiderstand FRd [kN]</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Connector schedule entry %s replaced: position %s, %s x %s</source>
        <translation>Stücklisteneintrag %s ersetzt: Position %s, %s x %s</translation>
    </message>
    <message>
        <source>Connector schedule entry %s added: position %s, %s x %s</source>
        <translation>Stücklisteneintrag %s hinzugefügt: Position %s, %s x %s</translation>
    </message>
    <message>
        <source>Schedule entry %s (position %s) holds %s x %s; the position now gives %s x %s.</source>
        <translation>Stücklisteneintrag %s (Position %s) enthält %s x %s; die Position ergibt jetzt %s x %s.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Anzeige nicht aktiviert</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>Zu wenig Arbeitsspeicher, ausführbare Datei beschädigt oder ungültige Relokationen</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Pfad nicht gefunden.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>Die Bibliothek erfordert getrennte Datensegmente für jede Task.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Zu wenig Arbeitsspeicher, um die Anwendung zu starten.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Falsche Windows-Version.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>Ungültige .EXE-Datei.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>Die Anwendung ist für ein anderes Betriebssystem bestimmt.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>DOS-4.0-Anwendung.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Unbekannter .EXE-Dateityp.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden.</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Es wurde versucht, eine zweite Instanz einer Anwendung zu starten, die mehrfache (nicht als schreibgeschützt markierte) Datensegmente enthält.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Es wurde versucht, eine komprimierte Datei auszuführen. Die Datei muss vor dem Laden entpackt werden.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>Die DLL-Datei (Dynamic Link Library) ist beschädigt. Eine zum Start der Anwendung benötigte DLL ist beschädigt oder fehlt.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>Die Anwendung benötigt eine 32-Bit-Umgebung.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>Keine Anwendung zum Öffnen der gewählten Datei gefunden</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Texttabellen</name>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; e min\c &lt; c min\e &lt; e Bew.\f &gt; zulässig\e &lt; e erf\c &lt; c erf\dw &lt; dw erf\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <translation>Berechnung ok\Plattenstärke zu gering\Last zu gross\Dornabstand unter dem Mindestwert\Randabstand unter dem Mindestwert\Dornabstand zu klein für die Vertikalbewehrung\Fugenbreite für diesen Dorn ausserhalb des zulässigen Bereichs\Dornabstand mit Standardbewehrung zu klein für die Zulassung\Randabstand mit Standardbewehrung zu klein für die Zulassung\Die Wandstärke ist kleiner als für den gewählten Dorn erforderlich\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <translation>Der maximale Dornabstand ist grösser als 5 * Plattenstärke. Bitte Dornanordnung prüfen!\Mindestdornabstand und Mindestrandabstand beruhen auf der dünnsten Platte für die vorhandene Dornlast\</translation>
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
        <translation>Position                          \Anz. Pos.\Anz. Dorne\Bezeichnung                                           \Total Dorne\Status\Pos\Deckenstärke\Statische Höhe\Auflagerart\</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <translation>Einzelner Querkraftdorn unter Einzellast\Querkraftdornreihe - Anschluss Platte an Platte\Querkraftdornreihe - Anschluss Platte an Wand\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <translation>Einzelner Querkraftdorn\Dornreihe, Platte an Platte\Dornreihe, Platte an Wand\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <translation>Bewehrung nach max. FRd\Bewehrung nach vorh. FRd\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <translation>Unbegrenzt\5 * Plattenstärke\</translation>
    </message>
</context>
<context>
    <name>vsk-cli</name>
    <message>
        <source>--save needs a file name</source>
        <translation>--save braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>unerwartetes Argument</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>a project file is needed</source>
        <translation>eine Projektdatei wird benötigt</translation>
    </message>
    <message>
        <source>the format is needed: --json</source>
        <translation>das Format wird benötigt: --json</translation>
    </message>
    <message>
        <source>a JSON document is needed</source>
        <translation>ein JSON-Dokument wird benötigt</translation>
    </message>
    <message>
        <source>-o OUT.VSK is needed</source>
        <translation>-o OUT.VSK wird benötigt</translation>
    </message>
    <message>
        <source>--txt needs a file name</source>
        <translation>--txt braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--csv needs a file name</source>
        <translation>--csv braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--xlsx needs a file name</source>
        <translation>--xlsx braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>expects a project file</source>
        <translation>erwartet eine Projektdatei</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>kann nicht schreiben</translation>
    </message>
    <message>
        <source>the output would replace the input file</source>
        <translation>die Ausgabe würde die Eingabedatei ersetzen</translation>
    </message>
</context>
<context>
    <name>vsk::TBerichtbefehle</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
</context>
<context>
    <name>vsk::TDXF_Anzeige_Form</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - DXF-Export</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne - DXF-Export</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF-Dateien (*.dxf)</translation>
    </message>
    <message>
        <source>DXF display form</source>
        <translation>DXF-Anzeige</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>Als DXF &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>vsk::TDialogFenster</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Undertake entry and close window</source>
        <translation>Eingabe übernehmen und Fenster schliessen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Eingabe verwerfen und Fenster schliessen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Hilfe zum Eingabefenster|Hilfe zur Eingabe in dieser Maske</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabePanel</name>
    <message>
        <source>Application Case</source>
        <translation>Anwendungsfall</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Einzelner Querkraftdorn</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Dornreihe in Platte</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Dornreihe in Wand</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Ermittlung der Bewehrung</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Betonsorte</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Maximale Fugenbreite</translation>
    </message>
    <message>
        <source>Structural Geometry</source>
        <translation>Bauteilgeometrie</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Wandstärke</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Plattenstärke</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Betonüberdeckung oben</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Betonüberdeckung unten</translation>
    </message>
    <message>
        <source>eff. structural height</source>
        <translation>Statische Höhe</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Randabstand rechts</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Randabstand links</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Betonüberdeckung stirnseitig</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Fugenlänge</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Linienlast</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>Einzellas&amp;t</translation>
    </message>
    <message>
        <source>Single load</source>
        <translation>Einzellast</translation>
    </message>
    <message>
        <source>&amp;constant</source>
        <translation>&amp;konstant</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>konstant</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>&amp;linear</translation>
    </message>
    <message>
        <source>increasing distributed load</source>
        <translation>linear veränderliche Linienlast</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>bel&amp;iebig</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Ständige Last</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Teilsicherheitsbeiwert</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Nutzlast</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Zus. Bemessungslast</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Bemessungslast total</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Einzellast</translation>
    </message>
    <message>
        <source>Load case</source>
        <translation>Lastfall</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabebaum</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Speichern unter ...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Druckereinrichtung ...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Projektverwaltung</translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Neue Position</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Position löschen</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Systemeingabe</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Projektdaten</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Stückliste anzeigen</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Zur Stückliste hinzufügen</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Bildschirmfarben</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Benutzung der Hilfe</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>Über Tervo-Querkraftdorne</translation>
    </message>
    <message>
        <source>Tervo Shear Connectors Manual</source>
        <translation>Handbuch Tervo-Querkraftdorne</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Projekt: </translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Project Report as PDF ...</source>
        <translation>Projektbericht als PDF ...</translation>
    </message>
</context>
<context>
    <name>vsk::TErgebnisliste</name>
    <message>
        <source>Connector</source>
        <translation>Dorn</translation>
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
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>VRd</source>
        <translation>VRd</translation>
    </message>
    <message>
        <source>Connector type</source>
        <translation>Dorntyp</translation>
    </message>
    <message>
        <source>Actual area of the secondary reinforcement [mm²]</source>
        <translation>Vorhandene Fläche der Nebenbewehrung [mm²]</translation>
    </message>
    <message>
        <source>Actual area of the main reinforcement [mm²]</source>
        <translation>Vorhandene Fläche der Hauptbewehrung [mm²]</translation>
    </message>
    <message>
        <source>Design resistance of one connector [kN]</source>
        <translation>Tragwiderstand eines Dorns [kN]</translation>
    </message>
    <message>
        <source>Usage of one connector: design load / design resistance</source>
        <translation>Ausnutzung eines Dorns: Bemessungslast / Tragwiderstand</translation>
    </message>
    <message>
        <source>Number of connectors</source>
        <translation>Anzahl Dorne</translation>
    </message>
    <message>
        <source>Result of the checks</source>
        <translation>Ergebnis der Nachweise</translation>
    </message>
</context>
<context>
    <name>vsk::THauptAktionen</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>New|Start a new project</source>
        <translation>Neu|Neues Projekt beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open|Open a project file</source>
        <translation>Öffnen|Projektdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save|Save the project</source>
        <translation>Speichern|Projekt speichern</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>Save As|Save the project under a new name</source>
        <translation>Speichern unter|Projekt unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>Printer Setup|Choose and set up the printer</source>
        <translation>Druckereinrichtung|Drucker wählen und einrichten</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print|Print the calculation report</source>
        <translation>Drucken|Berechnungsbericht drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit|End the program</source>
        <translation>Beenden|Programm beenden</translation>
    </message>
    <message>
        <source>Project &amp;Administration</source>
        <translation>Projektver&amp;waltung</translation>
    </message>
    <message>
        <source>Project Administration|Browse and combine project files</source>
        <translation>Projektverwaltung|Projektdateien durchsuchen und zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Position hinzufügen</translation>
    </message>
    <message>
        <source>Add Position|Add a position as a copy of the current one</source>
        <translation>Position hinzufügen|Position als Kopie der aktuellen Position hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>Aktuelle Position &amp;löschen</translation>
    </message>
    <message>
        <source>Delete Current Position|Remove the current position</source>
        <translation>Aktuelle Position löschen|Aktuelle Position entfernen</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>Eingabe&amp;baum</translation>
    </message>
    <message>
        <source>Input Tree|Show or hide the input tree</source>
        <translation>Eingabebaum|Eingabebaum ein- oder ausblenden</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>System&amp;eingabe</translation>
    </message>
    <message>
        <source>System Input|Return from the preview to the input</source>
        <translation>Systemeingabe|Von der Vorschau zur Eingabe zurückkehren</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>Projekt&amp;daten</translation>
    </message>
    <message>
        <source>Project Data|Edit the project description</source>
        <translation>Projektdaten|Projektbeschreibung bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>Stückliste &amp;anzeigen</translation>
    </message>
    <message>
        <source>Display Connector Schedule|Show the connector schedule</source>
        <translation>Stückliste anzeigen|Stückliste des Projekts anzeigen</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>Zur Stückliste &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add to Connector Schedule|Add the selected connector to the schedule</source>
        <translation>Zur Stückliste hinzufügen|Gewählten Dorn in die Stückliste aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Berechnung</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Berechnung|Aktuelle Position bemessen</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>Berechnungs&amp;vorschau</translation>
    </message>
    <message>
        <source>Calculation Preview|Show the calculation report</source>
        <translation>Berechnungsvorschau|Berechnungsbericht anzeigen</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>DXF-Export - &amp;Dorn</translation>
    </message>
    <message>
        <source>DXF Export - Connector|Copy the drawing of the selected connector</source>
        <translation>DXF-Export - Dorn|Zeichnung des gewählten Dorns kopieren</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>DXF-Export - &amp;Bewehrung</translation>
    </message>
    <message>
        <source>DXF Export - Reinforcement|Export the reinforcement drawing</source>
        <translation>DXF-Export - Bewehrung|Bewehrungszeichnung exportieren</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Resultate in Da&amp;tei exportieren</translation>
    </message>
    <message>
        <source>Export results to file|Save the report page as a picture</source>
        <translation>Resultate in Datei exportieren|Berichtsseite als Bild speichern</translation>
    </message>
    <message>
        <source>Export Results to &amp;Clipboard</source>
        <translation>Resultate in &amp;Zwischenablage</translation>
    </message>
    <message>
        <source>Results to Clipboard|Copy the report page to the clipboard</source>
        <translation>Resultate in Zwischenablage|Berichtsseite in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Calculation|Design settings</source>
        <translation>Bemessung|Bemessungseinstellungen</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>Bildschirm&amp;farben</translation>
    </message>
    <message>
        <source>Screen Colours|Colours of the sketches</source>
        <translation>Bildschirmfarben|Farben der Skizzen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Contents|Help contents</source>
        <translation>Inhalt|Inhalt der Hilfe</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>&amp;Suche nach Stichwort</translation>
    </message>
    <message>
        <source>Search for Keyword|Search the help</source>
        <translation>Suche nach Stichwort|Hilfe durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Benutzung der Hilfe</translation>
    </message>
    <message>
        <source>Use of Help|How to use the help</source>
        <translation>Benutzung der Hilfe|Anleitung zur Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tervo Shear Connectors</source>
        <translation>&amp;Über Tervo-Querkraftdorne</translation>
    </message>
    <message>
        <source>About|Version and copyright</source>
        <translation>Info|Version und Copyright</translation>
    </message>
    <message>
        <source>&amp;Tervo Shear Connectors Manual</source>
        <translation>&amp;Handbuch Tervo-Querkraftdorne</translation>
    </message>
    <message>
        <source>Manual|Open the manual</source>
        <translation>Handbuch|Handbuch öffnen</translation>
    </message>
    <message>
        <source>Export Report as P&amp;DF...</source>
        <translation>Bericht als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Export Report as PDF|Save the calculation report as a PDF file</source>
        <translation>Bericht als PDF exportieren|Berechnungsbericht als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: the design settings</comment>
        <translation>Be&amp;messung</translation>
    </message>
    <message>
        <source>IFC Export|Export the designed joints as an IFC model</source>
        <translation>IFC-Export|Die bemessenen Fugen als IFC-Modell exportieren</translation>
    </message>
    <message>
        <source>Export Project &amp;Report as PDF...</source>
        <translation>Projektbericht als PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export Project Report as PDF|Save the summary, the report of every position and the connector schedule as one PDF file</source>
        <translation>Projektbericht als PDF exportieren|Übersicht, Bericht jeder Position und Dornliste als eine PDF-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo|Take back the last change of the project</source>
        <translation>Rückgängig|Die letzte Änderung am Projekt zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Redo|Make the change again that was taken back</source>
        <translation>Wiederherstellen|Die zurückgenommene Änderung erneut ausführen</translation>
    </message>
    <message>
        <source>&amp;IFC Export</source>
        <translation>&amp;IFC-Export</translation>
    </message>
</context>
<context>
    <name>vsk::TProjektberichtbefehl</name>
    <message>
        <source>Exporting the project report...</source>
        <translation>Projektbericht wird exportiert...</translation>
    </message>
    <message>
        <source>Project Report</source>
        <translation>Projektbericht</translation>
    </message>
    <message>
        <source>report</source>
        <translation>Bericht</translation>
    </message>
</context>
<context>
    <name>vsk::TVorschauleiste</name>
    <message>
        <source>Fit width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
</context>
<context>
    <name>vsk::TWiederherstellung</name>
    <message>
        <source>Unnamed</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The program did not end properly last time. The unsaved changes of &quot;%1&quot; from %2 can be restored.

Do you want to restore them?</source>
        <translation>Das Programm wurde beim letzten Mal nicht ordnungsgemäss beendet. Die nicht gespeicherten Änderungen an &quot;%1&quot; vom %2 können wiederhergestellt werden.

Möchten Sie sie wiederherstellen?</translation>
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
        <translation>10.06.2009</translation>
    </message>
    <message>
        <source>The maker accepts no liability for the information this program gives. Claims for direct or consequential damage cannot be considered.</source>
        <translation>Der Hersteller übernimmt keine Haftung für die Angaben dieses Programms. Ansprüche auf Ersatz direkter oder indirekter Schäden sind ausgeschlossen.</translation>
    </message>
    <message>
        <source>Enter the input with care and check that every result is acceptable before you use it.</source>
        <translation>Geben Sie die Eingabewerte sorgfältig ein und prüfen Sie jedes Resultat auf Plausibilität, bevor Sie es verwenden.</translation>
    </message>
    <message>
        <source>The program is not guaranteed to run on present or future operating systems.</source>
        <translation>Es wird nicht gewährleistet, dass das Programm unter heutigen oder künftigen Betriebssystemen läuft.</translation>
    </message>
    <message>
        <source>The maker may change the design and the technical data of the products without notice.</source>
        <translation>Der Hersteller kann die Konstruktion und die technischen Daten der Produkte ohne Ankündigung ändern.</translation>
    </message>
    <message>
        <source>Please report program errors to the maker with full details of the input and of what happened.</source>
        <translation>Bitte melden Sie Programmfehler dem Hersteller mit vollständigen Angaben zur Eingabe und zum Ablauf.</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>Über Tervo-Querkraftdorne</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne</translation>
    </message>
    <message>
        <source>This program will enable the calculation of VSK and VSKQ shear connectors supporting higher transverse loads</source>
        <translation>Mit diesem Programm werden VSK- und VSKQ-Querkraftdorne für grössere Querkräfte bemessen</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source>© Tervo Connector Systems. All rights reserved.</source>
        <translation>© Tervo Connector Systems. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Telephone: +41 00 000 00 00</source>
        <translation>Telefon: +41 00 000 00 00</translation>
    </message>
    <message>
        <source>E-mail: support@tervo.example</source>
        <translation>E-Mail: support@tervo.example</translation>
    </message>
    <message>
        <source>Internet: www.tervo.example</source>
        <translation>Internet: www.tervo.example</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Back to main window | Back to main window</source>
        <translation>Zurück zum Hauptfenster | Zurück zum Hauptfenster</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Einstellungen für die Bemessung</translation>
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
        <translation>Teilsicherheitsbeiwert Stahl</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>Fliessgrenze Betonstahl</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Max. Dornabstand</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Bewehrung</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Anzahl Stäbe der Bewehrung oben und unten</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Anzahl Stäbe der Bewehrung oben und unten ändern</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Durchmesser der Bewehrung oben und unten</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Durchmesser der Bewehrung oben und unten ändern</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Anzahl Stäbe der Vertikalbewehrung</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Anzahl Stäbe der Vertikalbewehrung ändern</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Durchmesser der Vertikalbewehrung</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Durchmesser der Vertikalbewehrung ändern</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>-T</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Bewehrung oben und unten</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Vertikalbewehrung</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Bewehrung zum aktuellen Dorn: </translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Zwischenresultat Bewehrung </translation>
    </message>
</context>
<context>
    <name>vsk::TfrmFarbeinstellung</name>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>VSK - colour representation</source>
        <translation>VSK - Farbdarstellung</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Farbe des Skizzenhintergrunds</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Farbe der Betonumrisse</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Farbe der Betonflächen</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Farbe der Horizontalbewehrung (Pos. B)</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Farbe der Vertikalbewehrung (Pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Farbe der Dornumrisse</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Farbe der Dornflächen</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Farbe der Bemassung (Linien + Text)</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Farbe der Brandschutzmanschette</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Skizze</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Bemassung</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Bewehrung</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Position B</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Position D</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Beton</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Brandschutz</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Querkraftdorn</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Farben auf Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Farbdarstellung in Graustufen</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>Eingabemaske verlassen und Eingabe übernehmen!</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>Eingabemaske verlassen und Eingabe verwerfen!</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHauptMaske</name>
    <message>
        <source>Tool bar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>Lfd. Nr.:</translation>
    </message>
    <message>
        <source>Current position|Number of the position shown</source>
        <translation>Aktuelle Position|Nummer der angezeigten Position</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Berechnung|Aktuelle Position bemessen</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Berechnung</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>Berechnungs&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Return to entry</source>
        <translation>&amp;Zurück zur Eingabe</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>To &amp;Clipboard</source>
        <translation>Zwischen&amp;ablage</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Sketch|Click for the sketch menu</source>
        <translation>Skizze|Klicken für das Skizzenmenü</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>plan view</source>
        <translation>Draufsicht</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Connector arrangement / distribution</source>
        <translation>Dornanordnung / Dornverteilung</translation>
    </message>
    <message>
        <source>Fit reinforcement manually</source>
        <translation>Bewehrung manuell anpassen</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Skizze in &amp;Zwischenablage</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Skizze in Datei speichern</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Skizze als Vollbild darstellen</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>DXF-Export</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne</translation>
    </message>
    <message>
        <source>Drawing of connector</source>
        <translation>Dornzeichnung</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Import Position</source>
        <translation>Position importieren</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHilfe</name>
    <message>
        <source>VSK Help</source>
        <translation>VSK-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Type the first letters of a keyword</source>
        <translation>Anfangsbuchstaben eines Stichworts eingeben</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Benutzung der Hilfe</translation>
    </message>
    <message>
        <source>Help not found</source>
        <translation>Hilfe nicht gefunden</translation>
    </message>
    <message>
        <source>The help pages were not found in the folder %1. Install the program again from the CD.</source>
        <translation>Die Hilfeseiten wurden im Ordner %1 nicht gefunden. Installieren Sie das Programm erneut ab CD.</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Projektdaten</translation>
    </message>
    <message>
        <source>Description of building project|Entry of the description of the building project to be calculated</source>
        <translation>Bezeichnung des Bauvorhabens|Eingabe der Bezeichnung des zu berechnenden Bauvorhabens</translation>
    </message>
    <message>
        <source>Details planning office/firm (more lines)</source>
        <translation>Angaben Ingenieurbüro/Firma (mehrzeilig)</translation>
    </message>
    <message>
        <source>Entry of the name of the person in charge</source>
        <translation>Eingabe des Namens des Bearbeiters</translation>
    </message>
    <message>
        <source>Entry of date of the work</source>
        <translation>Eingabe des Bearbeitungsdatums</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>He&amp;ute</translation>
    </message>
    <message>
        <source>Installation of today&apos;s date</source>
        <translation>Heutiges Datum einsetzen</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projekt:</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektverwaltung</name>
    <message>
        <source>Tervo - Project Administration</source>
        <translation>Tervo - Projektverwaltung</translation>
    </message>
    <message>
        <source>Choose drive|Choose drive with project data</source>
        <translation>Laufwerk wählen|Laufwerk mit den Projektdaten wählen</translation>
    </message>
    <message>
        <source>Choose directory|Choose directory for project data</source>
        <translation>Verzeichnis wählen|Verzeichnis mit den Projektdaten wählen</translation>
    </message>
    <message>
        <source>Select project file|Select existing project file</source>
        <translation>Projektdatei wählen|Bestehende Projektdatei wählen</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Anschlussart</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Fugenlänge</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Select position in project|Select to open position in project</source>
        <translation>Position im Projekt wählen|Position des Projekts zum Öffnen wählen</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>Projekt ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open chosen project</source>
        <translation>Gewähltes Projekt öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Leave project maintenance without activities</source>
        <translation>Projektverwaltung ohne Änderung verlassen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Hilfe zum Eingabefenster|Hilfe zur Eingabe in dieser Maske</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>Position &amp;übernehmen</translation>
    </message>
    <message>
        <source>Open chosen position|Add chosen position to existing project</source>
        <translation>Gewählte Position übernehmen|Gewählte Position zum bestehenden Projekt hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Laufwerk</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Verzeichnis</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projekt</translation>
    </message>
    <message>
        <source>Project &amp;Contents</source>
        <translation>Projekt&amp;inhalt</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>Nr. </translation>
    </message>
</context>
<context>
    <name>vsk::TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>Gewählte Sprache nicht verfügbar!</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne</translation>
    </message>
    <message>
        <source>Design of stainless-steel shear connectors across expansion joints</source>
        <translation>Bemessung nichtrostender Querkraftdorne in Dehnfugen</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>Programm &amp;starten</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmStueckliste</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Connector Schedule</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne - Stückliste</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Ergänzende Angaben zur Stückliste</translation>
    </message>
    <message>
        <source>Entry of supplementary advice text</source>
        <translation>Eingabe eines ergänzenden Hinweistextes</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Aktuelle Auswahl</translation>
    </message>
    <message>
        <source>Number of similar positions for current choice</source>
        <translation>Anzahl gleicher Positionen für die aktuelle Auswahl</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Anzahl gleicher Positionen</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>Position lö&amp;schen</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Beim Export einer langen Stückliste als Grafik ist zu beachten,</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>dass die Grafik keine Seitenumbrüche enthält.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Lange Stücklisten können durch Deaktivieren einzelner Positionen</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>auf zwei oder mehr Exportdateien aufgeteilt werden.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Prints out the connector schedule</source>
        <translation>Druckt die Stückliste</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>display the list view of the connector schedule</source>
        <translation>Listenansicht der Stückliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>Export the connector schedule</source>
        <translation>Stückliste exportieren</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>Zwischen&amp;ablage</translation>
    </message>
    <message>
        <source>copies the connector schedule to clipboard</source>
        <translation>Kopiert die Stückliste in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Leave connector schedule</source>
        <translation>Stückliste verlassen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Hilfe zum Eingabefenster|Hilfe zur Eingabe in dieser Maske</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Stückliste</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.emf)</source>
        <translation>Export im Metafile-Format (*.emf)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Export im Bitmap-Format (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Export im JPEG-Format (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Export im Textformat (*.txt)</translation>
    </message>
    <message>
        <source>Export in PDF Format (*.pdf)</source>
        <translation>Export im PDF-Format (*.pdf)</translation>
    </message>
    <message>
        <source>Export in SVG Format (*.svg)</source>
        <translation>Export im SVG-Format (*.svg)</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector - Export Connector Schedule</source>
        <translation>Tervo - VSK / VSKQ Querkraftdorne - Stückliste exportieren</translation>
    </message>
    <message>
        <source>Export as CSV Table (*.csv)</source>
        <translation>Export als CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Export as XLSX Workbook (*.xlsx)</source>
        <translation>Export als XLSX-Arbeitsmappe (*.xlsx)</translation>
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
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Resultatausdruck in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Resultatausdruck in Datei exportieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schliessen</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schliessen</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Skizze in &amp;Zwischenablage</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Skizze in Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>Fenster &amp;schliessen</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmbeliebigeLast</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Entry of arbitrary transverse force distribution</source>
        <translation>Eingabe einer beliebigen Querkraftverteilung</translation>
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
        <translation>Wertepaar der Linienlast</translation>
    </message>
    <message>
        <source>Coordinates for entered load measured form the left</source>
        <translation>Koordinate der eingegebenen Last, von links gemessen</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Lastwert an der Stelle der Koordinate x</translation>
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
        <translation>Wertepaar einfügen|Wertepaar (x,q) in die Liste einfügen</translation>
    </message>
    <message>
        <source>Transfer changes in the list|Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Änderungen in die Liste übernehmen|Änderungen des Wertepaars (x,q) in die Liste übernehmen</translation>
    </message>
    <message>
        <source>delete current pair of values|delete current pair of values (x,q) from the list</source>
        <translation>Aktuelles Wertepaar löschen|Aktuelles Wertepaar (x,q) aus der Liste löschen</translation>
    </message>
    <message>
        <source>A value for the entered coordinate already exists!</source>
        <translation>Für die eingegebene Koordinate ist bereits ein Wert vorhanden!</translation>
    </message>
    <message>
        <source> Should this be overwritten?</source>
        <translation> Soll er überschrieben werden?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» ist kein gültiger Zahlenwert</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv *.tsv *.prn);;All files (*)</source>
        <translation>Textdateien (*.txt *.csv *.tsv *.prn);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import points from file</source>
        <translation>Punkte aus Datei importieren</translation>
    </message>
    <message>
        <source>Export points to file</source>
        <translation>Punkte in Datei exportieren</translation>
    </message>
    <message>
        <source>Load points|Right mouse button: paste, copy, import or export the points</source>
        <translation>Lastpunkte|Rechte Maustaste: Punkte einfügen, kopieren, importieren oder exportieren</translation>
    </message>
    <message>
        <source>&amp;Paste points</source>
        <translation>Punkte &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Copy points</source>
        <translation>Punkte &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Import points from file...</source>
        <translation>Punkte aus Datei &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export points to file...</source>
        <translation>Punkte in Datei e&amp;xportieren...</translation>
    </message>
    <message>
        <source>The table already holds load points.</source>
        <translation>Die Tabelle enthält bereits Lastpunkte.</translation>
    </message>
    <message>
        <source>Should they be replaced?</source>
        <translation>Sollen sie ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>vsk::Zoom_panel</name>
    <message>
        <source>Zoom in</source>
        <translation>Vergrössern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Ganze Zeichnung</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vorherige Ansicht</translation>
    </message>
</context>
</TS>
