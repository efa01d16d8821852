<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_GB">
<context>
    <name>Bemessung</name>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!</source>
        <translation>Fatale fout in de berekening! Het resultaat van de berekening is ongeldig!</translation>
    </message>
    <message>
        <source>Try the calculation with new input data and refer to the programme producer.</source>
        <translation>Herhaal de berekening met nieuwe invoergegevens en neem contact op met de maker van het programma.</translation>
    </message>
</context>
<context>
    <name>Bericht</name>
    <message>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <translation>Berekening met wapening o.b.v. optimale benutting deuvel</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <translation>Berekening met wapening o.b.v. max. draagvermogen deuvel</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Betonsterkteklasse</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Plaatdikte</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Wanddikte</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Betondekking boven</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Betondekking onder</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Betondekking voorzijde</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <translation>Max. voegbreedte</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Voeglengte</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <translation>Gegeven randafstand</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gekozen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <translation>Aanwezige hoofdwapening</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <translation>Aanwezige secundaire wapening</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <translation>Zone hoofdwapening</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <translation>Zone secundaire wapening</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <translation>Aanwezige randafstand</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <translation>Minimale randafstand</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <translation>Aanwezige h.o.h.-afstand</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <translation>Minimale h.o.h.-afstand</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <translation>Rekenbelasting per deuvel</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <translation>Rekenw. weerstand deuvel</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <translation>Benutting deuvel</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <translation>Rekenw. weerstand beton</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <translation>Benutting beton</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <translation>Rekenw. weerstand staal</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <translation>Benutting staal</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <translation>Rekenw. weerstand wapening</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <translation>Benutting wapening</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Permanente belasting</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <translation>aantal deuvels</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <translation>Puntlast op deuvel</translation>
    </message>
    <message>
        <source>Linear load</source>
        <translation>Constante lijnlast</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Lineair verlopende lijnlast</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Willekeurig verdeelde lijnlast</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Totale rekenbelasting</translation>
    </message>
    <message>
        <source>with F</source>
        <translation>met F</translation>
    </message>
    <message>
        <source>see next page</source>
        <translation>zie volgende pagina</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Partiële factor</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Veranderlijke belasting</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <translation>Extra rekenbelasting</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <translation>Benodigde hoofdwapening</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <translation>Benodigde secundaire wapening</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Het bestand &quot;%1&quot; is beveiligd tegen schrijven.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>export in Metafile Format</source>
        <translation>Exporteren in Metafile-formaat</translation>
    </message>
    <message>
        <source>Export in Bitmap Format</source>
        <translation>Exporteren in bitmapformaat</translation>
    </message>
    <message>
        <source>Export in JPeg Format</source>
        <translation>Exporteren in JPEG-formaat</translation>
    </message>
    <message>
        <source>Export in SVG Format</source>
        <translation>Exporteren in SVG-formaat</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Export results</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels - Resultaten exporteren</translation>
    </message>
    <message>
        <source>The picture for &quot;%1&quot; could not be made.</source>
        <translation>De afbeelding voor &quot;%1&quot; kon niet worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>DXF</name>
    <message>
        <source>Reinforcement for Tervo shear connector in the building </source>
        <translation>Wapening voor Tervo-dwarskrachtdeuvel </translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation>Bovenaanzicht</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Boven en onder: </translation>
    </message>
    <message>
        <source>2 x </source>
        <translation>2 x </translation>
    </message>
    <message>
        <source> - T</source>
        <translation> - Ø</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Aanzicht</translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Verticale wapening: </translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> U-beugels</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Doorsnede</translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Boven: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Onder: </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be written - Please check the writing access on the data carrier.</source>
        <translation>Het bestand &quot;%s&quot; kon niet worden geschreven - controleer de schrijfrechten op de gegevensdrager.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be read.</source>
        <translation>Het bestand &quot;%s&quot; kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Bestand kan niet worden geopend!</translation>
    </message>
    <message>
        <source>Attempted to create layer with existing name</source>
        <translation>Poging een laag te maken met een naam die al bestaat</translation>
    </message>
</context>
<context>
    <name>Dateidialoge</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors (*.VSK *.vsk)</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels (*.VSK *.vsk)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>IFC models (*.ifc)</source>
        <translation>IFC-modellen (*.ifc)</translation>
    </message>
</context>
<context>
    <name>Dateischreiber</name>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>het bestand is te groot</translation>
    </message>
</context>
<context>
    <name>Druck</name>
    <message>
        <source>Calculation for </source>
        <translation>Berekening voor </translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Deuvelstaat</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvel</translation>
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
        <translation>Afgedrukt op: </translation>
    </message>
    <message>
        <source>Designer: </source>
        <translation>Constructeur: </translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Bedrijf: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Project:  </translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Positie: </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <translation>De deuvel kan om de volgende redenen niet worden toegepast:</translation>
    </message>
    <message>
        <source>Save as PDF file</source>
        <translation>Opslaan als PDF-bestand</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed. The pages can be saved as a PDF file instead.</source>
        <translation>Er is geen printer geïnstalleerd. De pagina&apos;s kunnen in plaats daarvan als PDF-bestand worden opgeslagen.</translation>
    </message>
    <message>
        <source>The PDF file could not be written:</source>
        <translation>Het PDF-bestand kon niet worden geschreven:</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Het document kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Er is geen printer geïnstalleerd.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>De printer kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>Het PDF-bestand kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <translation>Pagina %s van %s</translation>
    </message>
</context>
<context>
    <name>DxfBefehle</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF-bestanden (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>DWG-bestand (*.dwg)</translation>
    </message>
</context>
<context>
    <name>Eingabe</name>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <translation>De dikte van de betonplaat is kleiner dan de minimale betondikte voor de kleinste dwarskrachtdeuvel!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <translation>De dikte van de aan te sluiten betonplaat is kleiner dan de nuttige hoogte!</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <translation>De nuttige hoogte is &lt; 10mm. Controleer de invoer!</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <translation>De betondekking boven is &lt;10mm. Controleer de invoer</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <translation>De betondekking onder is &lt;10mm. Controleer de invoer</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <translation>De som van de betondekkingen is groter dan de dikte van de aan te sluiten betonplaat!</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <translation>De wanddikte is kleiner dan de minimaal vereiste betondikte voor de kleinste dwarskrachtdeuvel!</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <translation>Het project bevat maar één positie.<byte value="xd"/>
<byte value="xd"/>
De laatste positie kan niet worden verwijderd!</translation>
    </message>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>Wilt u de huidige berekening opslaan?</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Bestand kan niet worden geopend!</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <translation>Invoerfout: alleen getallen toegestaan!<byte value="xd"/>
(controleer het gebruik van &quot;.&quot; en &quot;,&quot;) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <translation>De ingevoerde waarde is kleiner dan toegestaan!</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <translation>De ingevoerde waarde is groter dan toegestaan!</translation>
    </message>
    <message>
        <source>Die Dateilanzeige zum Dorn ist noch nicht aktiviert</source>
        <translation>De bestandsweergave van de deuvel is nog niet geactiveerd</translation>
    </message>
    <message>
        <source>Two values are expected: x and q.</source>
        <translation>Er worden twee waarden verwacht: x en q.</translation>
    </message>
    <message>
        <source>The text holds no load points.</source>
        <translation>De tekst bevat geen belastingspunten.</translation>
    </message>
    <message>
        <source>Line %s: </source>
        <translation>Regel %s: </translation>
    </message>
    <message>
        <source>A load holds at most %s points.</source>
        <translation>Een belasting heeft hoogstens %s punten.</translation>
    </message>
    <message>
        <source>at least %s</source>
        <translation>minstens %s</translation>
    </message>
    <message>
        <source>at most %s</source>
        <translation>hoogstens %s</translation>
    </message>
    <message>
        <source>Allowed: %s</source>
        <translation>Toegestaan: %s</translation>
    </message>
    <message>
        <source>The unit of x &quot;%s&quot; is not known: mm, cm or m are expected.</source>
        <translation>De eenheid van x &quot;%s&quot; is onbekend: mm, cm of m wordt verwacht.</translation>
    </message>
    <message>
        <source>An input value is not a number. Please check!</source>
        <translation>Een invoerwaarde is geen getal. Controleer dit!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is greater than %s mm. Please check!</source>
        <translation>De dikte van de betonplaat is groter dan %s mm. Controleer dit!</translation>
    </message>
    <message>
        <source>x is smaller than in the line before: the points are expected along the joint.</source>
        <translation>x is kleiner dan in de regel ervoor: de punten worden langs de voeg verwacht.</translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Not able to write to file %s</source>
        <translation>Kan niet naar bestand %s schrijven</translation>
    </message>
    <message>
        <source>The settings file %s cannot be read. The program uses its default settings.</source>
        <translation>Het instellingenbestand %s kan niet worden gelezen. Het programma gebruikt zijn standaardinstellingen.</translation>
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
        <translation>Het bestand - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - is niet gevonden. Het benodigde bestand kan alleen vanaf de cd-versie worden geïnstalleerd!</translation>
    </message>
</context>
<context>
    <name>IFC</name>
    <message>
        <source>Other positions of the project are calculated too. Export all calculated positions? (No: the current position only)</source>
        <translation>Ook andere posities van het project zijn berekend. Alle berekende posities exporteren? (Nee: alleen de huidige positie)</translation>
    </message>
    <message>
        <source>Default storey</source>
        <translation>Standaardverdieping</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Positie B</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Positie D</translation>
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
        <translation>De deuvelstaat kon niet worden geëxporteerd - controleer de schrijfrechten op de gegevensdrager.</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvel</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Deuvelstaat</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Bedrijf: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Project:  </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Afgedrukt op: </translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <translation>Mat.-pos Aantal    Omschrijving</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <translation>Dwarskrachtdeuvels voor de overdracht van dwarskracht in de</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <translation>dilatatievoeg leveren en aanbrengen volgens de tekening.</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <translation>max. rekenwaarde weerstand FRd: </translation>
    </message>
    <message>
        <source> kN</source>
        <translation> kN</translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <translation>Materiaal: roestvast staal 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <translation>Positie(s): </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Dubbele dwarskrachtdeuvel bestaande uit deuvelelement en huls</translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>en brandwerende huls</translation>
    </message>
</context>
<context>
    <name>Objektmodell</name>
    <message>
        <source>Unnamed</source>
        <translation>Naamloos</translation>
    </message>
</context>
<context>
    <name>Programm</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectros</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels</translation>
    </message>
</context>
<context>
    <name>ProjektJson</name>
    <message>
        <source>A list of 1 to %s positions is expected.</source>
        <translation>Er wordt een lijst van 1 tot %s posities verwacht.</translation>
    </message>
    <message>
        <source>A group of keys {...} is expected.</source>
        <translation>Er wordt een groep sleutels {...} verwacht.</translation>
    </message>
    <message>
        <source>Unknown key.</source>
        <translation>Onbekende sleutel.</translation>
    </message>
    <message>
        <source>A text is expected.</source>
        <translation>Er wordt een tekst verwacht.</translation>
    </message>
    <message>
        <source>A text holds at most %s bytes.</source>
        <translation>Een tekst heeft hoogstens %s bytes.</translation>
    </message>
    <message>
        <source>Control characters are not allowed in texts.</source>
        <translation>Besturingstekens zijn in teksten niet toegestaan.</translation>
    </message>
    <message>
        <source>A list of texts is expected.</source>
        <translation>Er wordt een lijst met teksten verwacht.</translation>
    </message>
    <message>
        <source>A list holds at most %s entries.</source>
        <translation>Een lijst heeft hoogstens %s items.</translation>
    </message>
    <message>
        <source>A number is expected.</source>
        <translation>Er wordt een getal verwacht.</translation>
    </message>
    <message>
        <source>A whole number from 0 to %s is expected.</source>
        <translation>Er wordt een geheel getal van 0 tot %s verwacht.</translation>
    </message>
    <message>
        <source>A list of points [x, q] is expected.</source>
        <translation>Er wordt een lijst met punten [x, q] verwacht.</translation>
    </message>
    <message>
        <source>The load case does not fit the application case.</source>
        <translation>Het belastinggeval past niet bij de toepassing.</translation>
    </message>
    <message>
        <source>The document is not JSON (line %s, column %s).</source>
        <translation>Het document is geen JSON (regel %s, kolom %s).</translation>
    </message>
    <message>
        <source>Position %s: </source>
        <translation>Positie %s: </translation>
    </message>
    <message>
        <source>Position %s, key &quot;%s&quot;: </source>
        <translation>Positie %s, sleutel &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>Key &quot;%s&quot;: </source>
        <translation>Sleutel &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>The number in line %s, column %s is out of range.</source>
        <translation>Het getal in regel %s, kolom %s valt buiten het bereik.</translation>
    </message>
    <message>
        <source>The key is given twice.</source>
        <translation>De sleutel is twee keer opgegeven.</translation>
    </message>
</context>
<context>
    <name>Projektbericht</name>
    <message>
        <source>Project Report</source>
        <translation>Projectrapport</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Application case</source>
        <translation>Toepassing</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Connectors</source>
        <translation>Deuvels</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>bruikbaar</translation>
    </message>
    <message>
        <source>not usable</source>
        <translation>niet bruikbaar</translation>
    </message>
    <message>
        <source>not calculated</source>
        <translation>niet berekend</translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <translation>Fout bij het opslaan van de gegevens - het project kan niet worden opgeslagen</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <translation>Fout bij het openen van het gegevensbestand - de projectgegevens kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>The file is not a valid Tervo - VSK File</source>
        <translation>Het bestand is geen geldig Tervo - VSK-bestand</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <translation>Het gegevensbestand is gemaakt met een oude versie van het programma. Het importeren van deze gegevens kan rekenproblemen veroorzaken; controleer alle gegevens!</translation>
    </message>
    <message>
        <source>The project cannot take more positions.</source>
        <translation>Het project kan geen posities meer bevatten.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %s).</source>
        <translation>Het bestand is geen goed gevormde XML (regel %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s does not name this program.</source>
        <translation>Element &quot;%s&quot; in regel %s noemt niet dit programma.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; is missing (line %s).</source>
        <translation>Element &quot;%s&quot; ontbreekt (regel %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s cannot be read.</source>
        <translation>Element &quot;%s&quot; in regel %s kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s goes beyond what a project file can hold.</source>
        <translation>Element &quot;%s&quot; in regel %s gaat verder dan een projectbestand kan bevatten.</translation>
    </message>
    <message>
        <source>The project is larger than a project file can hold.</source>
        <translation>Het project is groter dan een projectbestand kan bevatten.</translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Invoer</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Deuvelstaat</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultaten</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>Resultaten &amp;exporteren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
</context>
<context>
    <name>Skizzen</name>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Verticale wapening: </translation>
    </message>
    <message>
        <source> - T</source>
        <translation> - Ø</translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> U-beugels</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Boven en onder: </translation>
    </message>
    <message>
        <source>2 x </source>
        <translation>2 x </translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Boven: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Onder: </translation>
    </message>
</context>
<context>
    <name>Stueckliste</name>
    <message>
        <source>Active</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Not active</source>
        <translation>Niet actief</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <translation>De huidige positie staat al in de deuvelstaat.<byte value="xd"/>
<byte value="xd"/>
Moet deze worden overschreven?</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <translation>Mat.-pos</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <translation>Dwarskrachtdeuvels voor de overdracht van dwarskracht in de dilatatievoeg</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <translation>leveren en aanbrengen volgens de tekening.</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <translation>max. rekenwaarde weerstand FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiaal</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <translation>roestvast staal 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <translation>Positie(s):   </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Dubbele dwarskrachtdeuvel bestaande uit deuvelelement en huls</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>en brandwerende huls</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Fire protection sleeve</source>
        <translation>Brandwerende huls</translation>
    </message>
    <message>
        <source>max. design Resistance FRd [kN]</source>
        <translation>max. rekenwaarde weerstand FRd [kN]</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Connector schedule entry %s replaced: position %s, %s x %s</source>
        <translation>Regel %s van de deuvelstaat vervangen: positie %s, %s x %s</translation>
    </message>
    <message>
        <source>Connector schedule entry %s added: position %s, %s x %s</source>
        <translation>Regel %s toegevoegd aan de deuvelstaat: positie %s, %s x %s</translation>
    </message>
    <message>
        <source>Schedule entry %s (position %s) holds %s x %s; the position now gives %s x %s.</source>
        <translation>Stuklijstregel %s (positie %s) bevat %s x %s; de positie geeft nu %s x %s.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>Bestand niet gevonden!</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Weergave niet geactiveerd</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>Onvoldoende geheugen, beschadigd programmabestand of ongeldige relocatie</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Bestand niet gevonden.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Pad niet gevonden.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Ongeldige poging om een taak dynamisch te koppelen, of er trad een fout op bij gedeelde toegang of een toegangsfout in het netwerk.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>De bibliotheek vereist afzonderlijke gegevenssegmenten voor elke taak.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Onvoldoende geheugen om de toepassing te starten.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Verkeerde Windows-versie.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>Ongeldig .EXE-bestand.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>De toepassing is voor een ander besturingssysteem bedoeld.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>DOS 4.0-toepassing.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Onbekend .EXE-bestandstype.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Poging om in de protected mode (standaardmodus of uitgebreide 386-modus) een .EXE-bestand te laden dat voor een eerdere Windows-versie is gemaakt</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Poging om een tweede exemplaar te starten van een toepassing met meerdere (niet als alleen-lezen gemarkeerde) gegevenssegmenten.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Poging om een gecomprimeerd bestand uit te voeren. Het bestand moet eerst worden uitgepakt.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>Het DLL-bestand (Dynamic Link Library) is beschadigd. Een DLL die nodig is om de toepassing te starten, is beschadigd of ontbreekt.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>De toepassing vereist een 32-bits omgeving.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>Geen toepassing gevonden om het gekozen bestand te openen</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>Texttabellen</name>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; e min\c &lt; c min\e &lt; e wap.\f &gt; toelaatbaar\e &lt; e vereist\c &lt; c vereist\dw &lt; dw vereist\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <translation>Berekening in orde\Betondikte te klein\Belasting te groot\H.o.h.-afstand van de deuvels kleiner dan de minimumwaarde\Randafstand van de deuvel kleiner dan de minimumwaarde\H.o.h.-afstand te klein voor de verticale wapening\Voegbreedte buiten het bereik van deze deuvel\H.o.h.-afstand bij standaardwapening te klein volgens de technische goedkeuring\Randafstand bij standaardwapening te klein volgens de technische goedkeuring\De wanddikte is kleiner dan vereist voor de gekozen deuvel\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <translation>De maximale h.o.h.-afstand van de deuvels is groter dan 5 * plaatdikte. Controleer de deuvelindeling!\Minimale h.o.h.-afstand en randafstand zijn gebaseerd op de dunste plaat voor de aanwezige deuvelbelasting\</translation>
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
        <translation>Positie                           \Aantal pos.\Aantal deuvels\Omschrijving                                          \Totaal deuvels\Status\Pos\Plaatdikte\Nuttige hoogte\Type oplegging\</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <translation>Enkele dwarskrachtdeuvel belast door een puntlast\Rij dwarskrachtdeuvels - aansluiting plaat op plaat\Rij dwarskrachtdeuvels - aansluiting plaat op wand\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <translation>Enkele dwarskrachtdeuvel\Deuvelrij, plaat op plaat\Deuvelrij, plaat op wand\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <translation>wapening o.b.v. max. FRd\wapening o.b.v. aanw. FRd\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <translation>Onbeperkt\5 * plaatdikte\</translation>
    </message>
</context>
<context>
    <name>vsk-cli</name>
    <message>
        <source>--save needs a file name</source>
        <translation>--save heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>onverwacht argument</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>a project file is needed</source>
        <translation>er is een projectbestand nodig</translation>
    </message>
    <message>
        <source>the format is needed: --json</source>
        <translation>het formaat is nodig: --json</translation>
    </message>
    <message>
        <source>a JSON document is needed</source>
        <translation>er is een JSON-document nodig</translation>
    </message>
    <message>
        <source>-o OUT.VSK is needed</source>
        <translation>-o OUT.VSK is nodig</translation>
    </message>
    <message>
        <source>--txt needs a file name</source>
        <translation>--txt heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>--csv needs a file name</source>
        <translation>--csv heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>--xlsx needs a file name</source>
        <translation>--xlsx heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>expects a project file</source>
        <translation>verwacht een projectbestand</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>kan niet schrijven</translation>
    </message>
    <message>
        <source>the output would replace the input file</source>
        <translation>de uitvoer zou het invoerbestand vervangen</translation>
    </message>
</context>
<context>
    <name>vsk::TBerichtbefehle</name>
    <message>
        <source>Printer Setup</source>
        <translation>Printerinstellingen</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
</context>
<context>
    <name>vsk::TDXF_Anzeige_Form</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - DXF-Export</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels - DXF-export</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>DXF-bestanden (*.dxf)</translation>
    </message>
    <message>
        <source>DXF display form</source>
        <translation>DXF-weergave</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>Opslaan als &amp;DXF</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
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
        <translation>Invoer overnemen en venster sluiten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Invoer verwerpen en venster sluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Help bij het invoervenster|Help bij de invoer in dit venster</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabePanel</name>
    <message>
        <source>Application Case</source>
        <translation>Toepassingsgeval</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Enkele dwarskrachtdeuvel</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Deuvelrij in een plaat</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Deuvelrij in een wand</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Bepaling van de wapening</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Betonsterkteklasse</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Maximale voegbreedte</translation>
    </message>
    <message>
        <source>Structural Geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Wanddikte</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Plaatdikte</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Betondekking boven</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Betondekking onder</translation>
    </message>
    <message>
        <source>eff. structural height</source>
        <translation>Nuttige hoogte</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Randafstand rechts</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Randafstand links</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Betondekking voorzijde</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Voeglengte</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Lijnlast</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>P&amp;untlast</translation>
    </message>
    <message>
        <source>Single load</source>
        <translation>Puntlast</translation>
    </message>
    <message>
        <source>&amp;constant</source>
        <translation>&amp;constant</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>constant</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>&amp;Lineair</translation>
    </message>
    <message>
        <source>increasing distributed load</source>
        <translation>lineair toenemende lijnlast</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>&amp;Willekeurig</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Permanente belasting</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Partiële factor</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Veranderlijke belasting</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Extra rekenbelasting</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Totale rekenbelasting</translation>
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
        <translation>Puntlast</translation>
    </message>
    <message>
        <source>Load case</source>
        <translation>Belastinggeval</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabebaum</name>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Opslaan als ...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Printerinstellingen ...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Projectbeheer</translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Positie toevoegen</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Huidige positie verwijderen</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Systeeminvoer</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Projectgegevens</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Deuvelstaat weergeven</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Toevoegen aan deuvelstaat</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berekening</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Schermkleuren</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Werken met Help</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>Over Tervo-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Tervo Shear Connectors Manual</source>
        <translation>Handleiding Tervo-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Huidige posities</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Deuvelstaat</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Project Report as PDF ...</source>
        <translation>Projectrapport als PDF ...</translation>
    </message>
</context>
<context>
    <name>vsk::TErgebnisliste</name>
    <message>
        <source>Connector</source>
        <translation>Deuvel</translation>
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
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <source>VRd</source>
        <translation>VRd</translation>
    </message>
    <message>
        <source>Connector type</source>
        <translation>Type deuvel</translation>
    </message>
    <message>
        <source>Actual area of the secondary reinforcement [mm²]</source>
        <translation>Aanwezige doorsnede van de nevenwapening [mm²]</translation>
    </message>
    <message>
        <source>Actual area of the main reinforcement [mm²]</source>
        <translation>Aanwezige doorsnede van de hoofdwapening [mm²]</translation>
    </message>
    <message>
        <source>Design resistance of one connector [kN]</source>
        <translation>Rekenwaarde weerstand van één deuvel [kN]</translation>
    </message>
    <message>
        <source>Usage of one connector: design load / design resistance</source>
        <translation>Benutting van één deuvel: rekenbelasting / rekenwaarde weerstand</translation>
    </message>
    <message>
        <source>Number of connectors</source>
        <translation>Aantal deuvels</translation>
    </message>
    <message>
        <source>Result of the checks</source>
        <translation>Resultaat van de toetsingen</translation>
    </message>
</context>
<context>
    <name>vsk::THauptAktionen</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nieuw...</translation>
    </message>
    <message>
        <source>New|Start a new project</source>
        <translation>Nieuw|Een nieuw project beginnen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open|Open a project file</source>
        <translation>Openen|Een projectbestand openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save|Save the project</source>
        <translation>Opslaan|Het project opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Opslaan &amp;als ...</translation>
    </message>
    <message>
        <source>Save As|Save the project under a new name</source>
        <translation>Opslaan als|Het project onder een nieuwe naam opslaan</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Printerinstellingen</translation>
    </message>
    <message>
        <source>Printer Setup|Choose and set up the printer</source>
        <translation>Printerinstellingen|De printer kiezen en instellen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Print|Print the calculation report</source>
        <translation>Afdrukken|Het rekenrapport afdrukken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Exit|End the program</source>
        <translation>Afsluiten|Het programma afsluiten</translation>
    </message>
    <message>
        <source>Project &amp;Administration</source>
        <translation>Pro&amp;jectbeheer</translation>
    </message>
    <message>
        <source>Project Administration|Browse and combine project files</source>
        <translation>Projectbeheer|Projectbestanden doorbladeren en combineren</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Positie toevoegen</translation>
    </message>
    <message>
        <source>Add Position|Add a position as a copy of the current one</source>
        <translation>Positie toevoegen|Een positie toevoegen als kopie van de huidige</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>Huidige positie &amp;verwijderen</translation>
    </message>
    <message>
        <source>Delete Current Position|Remove the current position</source>
        <translation>Huidige positie verwijderen|De huidige positie verwijderen</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>Invoer&amp;boom</translation>
    </message>
    <message>
        <source>Input Tree|Show or hide the input tree</source>
        <translation>Invoerboom|De invoerboom tonen of verbergen</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>&amp;Systeeminvoer</translation>
    </message>
    <message>
        <source>System Input|Return from the preview to the input</source>
        <translation>Systeeminvoer|Van het afdrukvoorbeeld terug naar de invoer</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>&amp;Projectgegevens</translation>
    </message>
    <message>
        <source>Project Data|Edit the project description</source>
        <translation>Projectgegevens|De projectomschrijving bewerken</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>Deuvelstaat &amp;weergeven</translation>
    </message>
    <message>
        <source>Display Connector Schedule|Show the connector schedule</source>
        <translation>Deuvelstaat weergeven|De deuvelstaat tonen</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>&amp;Toevoegen aan deuvelstaat</translation>
    </message>
    <message>
        <source>Add to Connector Schedule|Add the selected connector to the schedule</source>
        <translation>Toevoegen aan deuvelstaat|De gekozen deuvel aan de deuvelstaat toevoegen</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Berekening</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Berekening|De huidige positie dimensioneren</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <source>Calculation Preview|Show the calculation report</source>
        <translation>Afdrukvoorbeeld|Het rekenrapport weergeven</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>DXF-export - &amp;deuvel</translation>
    </message>
    <message>
        <source>DXF Export - Connector|Copy the drawing of the selected connector</source>
        <translation>DXF-export - deuvel|De tekening van de gekozen deuvel kopiëren</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>DXF-export - &amp;wapening</translation>
    </message>
    <message>
        <source>DXF Export - Reinforcement|Export the reinforcement drawing</source>
        <translation>DXF-export - wapening|De wapeningstekening exporteren</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Resultaten naar &amp;bestand</translation>
    </message>
    <message>
        <source>Export results to file|Save the report page as a picture</source>
        <translation>Resultaten naar bestand|De rapportpagina als afbeelding opslaan</translation>
    </message>
    <message>
        <source>Export Results to &amp;Clipboard</source>
        <translation>Resultaten naar &amp;klembord</translation>
    </message>
    <message>
        <source>Results to Clipboard|Copy the report page to the clipboard</source>
        <translation>Resultaten naar klembord|De rapportpagina naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>Calculation|Design settings</source>
        <translation>Berekening|Instellingen voor de berekening</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>&amp;Schermkleuren</translation>
    </message>
    <message>
        <source>Screen Colours|Colours of the sketches</source>
        <translation>Schermkleuren|Kleuren van de schetsen</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>Contents|Help contents</source>
        <translation>Inhoud|Inhoud van de Help</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Zoeken op &amp;trefwoord</translation>
    </message>
    <message>
        <source>Search for Keyword|Search the help</source>
        <translation>Zoeken op trefwoord|In de Help zoeken</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Werken met Help</translation>
    </message>
    <message>
        <source>Use of Help|How to use the help</source>
        <translation>Werken met Help|Hoe u de Help gebruikt</translation>
    </message>
    <message>
        <source>&amp;About Tervo Shear Connectors</source>
        <translation>&amp;Over Tervo-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>About|Version and copyright</source>
        <translation>Info|Versie en copyright</translation>
    </message>
    <message>
        <source>&amp;Tervo Shear Connectors Manual</source>
        <translation>&amp;Handleiding Tervo-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Manual|Open the manual</source>
        <translation>Handleiding|De handleiding openen</translation>
    </message>
    <message>
        <source>Export Report as P&amp;DF...</source>
        <translation>&amp;Rapport als PDF exporteren...</translation>
    </message>
    <message>
        <source>Export Report as PDF|Save the calculation report as a PDF file</source>
        <translation>Rapport als PDF exporteren|Het rekenrapport als PDF-bestand opslaan</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: the design settings</comment>
        <translation>&amp;Berekeningsinstellingen</translation>
    </message>
    <message>
        <source>IFC Export|Export the designed joints as an IFC model</source>
        <translation>IFC-export|De berekende voegen als IFC-model exporteren</translation>
    </message>
    <message>
        <source>Export Project &amp;Report as PDF...</source>
        <translation>Pro&amp;jectrapport als PDF exporteren...</translation>
    </message>
    <message>
        <source>Export Project Report as PDF|Save the summary, the report of every position and the connector schedule as one PDF file</source>
        <translation>Projectrapport als PDF exporteren|Het overzicht, het rapport van elke positie en de deuvellijst als één PDF-bestand opslaan</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo|Take back the last change of the project</source>
        <translation>Ongedaan maken|De laatste wijziging van het project terugnemen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>Redo|Make the change again that was taken back</source>
        <translation>Opnieuw|De teruggenomen wijziging opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>&amp;IFC Export</source>
        <translation>&amp;IFC-export</translation>
    </message>
</context>
<context>
    <name>vsk::TProjektberichtbefehl</name>
    <message>
        <source>Exporting the project report...</source>
        <translation>Projectrapport wordt geëxporteerd...</translation>
    </message>
    <message>
        <source>Project Report</source>
        <translation>Projectrapport</translation>
    </message>
    <message>
        <source>report</source>
        <translation>rapport</translation>
    </message>
</context>
<context>
    <name>vsk::TVorschauleiste</name>
    <message>
        <source>Fit width</source>
        <translation>Paginabreedte</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Hele pagina</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Volgende pagina</translation>
    </message>
</context>
<context>
    <name>vsk::TWiederherstellung</name>
    <message>
        <source>Unnamed</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>The program did not end properly last time. The unsaved changes of &quot;%1&quot; from %2 can be restored.

Do you want to restore them?</source>
        <translation>Het programma is de vorige keer niet correct afgesloten. De niet-opgeslagen wijzigingen van &quot;%1&quot; van %2 kunnen worden hersteld.

Wilt u ze herstellen?</translation>
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
        <translation>10-06-2009</translation>
    </message>
    <message>
        <source>The maker accepts no liability for the information this program gives. Claims for direct or consequential damage cannot be considered.</source>
        <translation>De maker aanvaardt geen aansprakelijkheid voor de informatie die dit programma geeft. Aanspraken op directe schade of gevolgschade kunnen niet in behandeling worden genomen.</translation>
    </message>
    <message>
        <source>Enter the input with care and check that every result is acceptable before you use it.</source>
        <translation>Voer de invoer zorgvuldig in en controleer of elk resultaat aanvaardbaar is voordat u het gebruikt.</translation>
    </message>
    <message>
        <source>The program is not guaranteed to run on present or future operating systems.</source>
        <translation>Er wordt niet gegarandeerd dat het programma op huidige of toekomstige besturingssystemen werkt.</translation>
    </message>
    <message>
        <source>The maker may change the design and the technical data of the products without notice.</source>
        <translation>De maker kan het ontwerp en de technische gegevens van de producten zonder voorafgaande kennisgeving wijzigen.</translation>
    </message>
    <message>
        <source>Please report program errors to the maker with full details of the input and of what happened.</source>
        <translation>Meld programmafouten aan de maker, met alle gegevens van de invoer en van wat er gebeurde.</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>Over Tervo-dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>This program will enable the calculation of VSK and VSKQ shear connectors supporting higher transverse loads</source>
        <translation>Met dit programma kunt u VSK- en VSKQ-dwarskrachtdeuvels voor grotere dwarskrachten berekenen</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versie:</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Gemaakt op:</translation>
    </message>
    <message>
        <source>© Tervo Connector Systems. All rights reserved.</source>
        <translation>© Tervo Connector Systems. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Telephone: +41 00 000 00 00</source>
        <translation>Telefoon: +41 00 000 00 00</translation>
    </message>
    <message>
        <source>E-mail: support@tervo.example</source>
        <translation>E-mail: support@tervo.example</translation>
    </message>
    <message>
        <source>Internet: www.tervo.example</source>
        <translation>Internet: www.tervo.example</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Back to main window | Back to main window</source>
        <translation>Terug naar het hoofdvenster | Terug naar het hoofdvenster</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Instellingen voor de berekening</translation>
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
        <translation>partiële factor voor staal</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>vloeigrens van de wapening</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Max. h.o.h.-afstand deuvels</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Wapening</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Aantal staven boven- en onderwapening</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Aantal staven boven- en onderwapening wijzigen</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diameter staven boven- en onderwapening</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diameter staven boven- en onderwapening wijzigen</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Aantal staven verticale wapening</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Aantal staven verticale wapening wijzigen</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Diameter staven verticale wapening</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Diameter staven verticale wapening wijzigen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>-T</source>
        <translation>-Ø</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Boven- en onderwapening</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Verticale wapening</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Wapening bij de huidige deuvel: </translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Tussenresultaat voor de wapening </translation>
    </message>
</context>
<context>
    <name>vsk::TfrmFarbeinstellung</name>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standaard</translation>
    </message>
    <message>
        <source>&amp;Grey scales</source>
        <translation>&amp;Grijstinten</translation>
    </message>
    <message>
        <source>VSK - colour representation</source>
        <translation>VSK - kleurweergave</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Kleur van de achtergrond van de schets</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Kleur van de betoncontour</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Kleur van de betonvlakken</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Kleur van de horizontale wapening (pos. B)</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Kleur van de ophangwapening (pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Kleur van de deuvelcontour</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Kleur van het deuvelvlak</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Kleur van de maatvoering (lijnen + tekst)</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Kleur van de brandwerende huls</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Schets</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Maatvoering</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Wapening</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Positie B</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Positie D</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Beton</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Vlak</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Brandwering</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Deuvel</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Kleuren terugzetten naar de standaardwaarden</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Kleurweergave in grijstinten</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>Venster sluiten en invoer overnemen!</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>Venster sluiten en invoer verwerpen!</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHauptMaske</name>
    <message>
        <source>Tool bar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>Volgnr.:</translation>
    </message>
    <message>
        <source>Current position|Number of the position shown</source>
        <translation>Huidige positie|Nummer van de weergegeven positie</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berekening</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Berekening|De huidige positie dimensioneren</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>Ber&amp;ekening</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <source>&amp;Return to entry</source>
        <translation>&amp;Terug naar invoer</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporteren</translation>
    </message>
    <message>
        <source>To &amp;Clipboard</source>
        <translation>Naar &amp;klembord</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Sketch|Click for the sketch menu</source>
        <translation>Schets|Klik voor het schetsmenu</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Aanzicht</translation>
    </message>
    <message>
        <source>plan view</source>
        <translation>bovenaanzicht</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Doorsnede</translation>
    </message>
    <message>
        <source>Connector arrangement / distribution</source>
        <translation>Deuvelindeling / -verdeling</translation>
    </message>
    <message>
        <source>Fit reinforcement manually</source>
        <translation>Wapening handmatig aanpassen</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Schets naar &amp;klembord</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Schets in bestand opslaan</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Schets vergroot weergeven</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>DXF-export</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Drawing of connector</source>
        <translation>Tekening van de deuvel</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projectnaam</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Deuvelstaat</translation>
    </message>
    <message>
        <source>Import Position</source>
        <translation>Positie importeren</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHilfe</name>
    <message>
        <source>VSK Help</source>
        <translation>VSK Help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Type the first letters of a keyword</source>
        <translation>Typ de eerste letters van een trefwoord</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Werken met Help</translation>
    </message>
    <message>
        <source>Help not found</source>
        <translation>Help niet gevonden</translation>
    </message>
    <message>
        <source>The help pages were not found in the folder %1. Install the program again from the CD.</source>
        <translation>De helppagina&apos;s zijn niet gevonden in de map %1. Installeer het programma opnieuw vanaf de cd.</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Projectgegevens</translation>
    </message>
    <message>
        <source>Description of building project|Entry of the description of the building project to be calculated</source>
        <translation>Omschrijving bouwproject|Invoer van de omschrijving van het te berekenen bouwproject</translation>
    </message>
    <message>
        <source>Details planning office/firm (more lines)</source>
        <translation>Gegevens ingenieursbureau/bedrijf (meerdere regels)</translation>
    </message>
    <message>
        <source>Entry of the name of the person in charge</source>
        <translation>Invoer van de naam van de behandelaar</translation>
    </message>
    <message>
        <source>Entry of date of the work</source>
        <translation>Invoer van de datum van de berekening</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Vandaag</translation>
    </message>
    <message>
        <source>Installation of today&apos;s date</source>
        <translation>De datum van vandaag invullen</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Project:</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Bedrijf</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Constructeur:</translation>
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
        <translation>Tervo - Projectbeheer</translation>
    </message>
    <message>
        <source>Choose drive|Choose drive with project data</source>
        <translation>Station kiezen|Station met projectgegevens kiezen</translation>
    </message>
    <message>
        <source>Choose directory|Choose directory for project data</source>
        <translation>Map kiezen|Map met projectgegevens kiezen</translation>
    </message>
    <message>
        <source>Select project file|Select existing project file</source>
        <translation>Projectbestand kiezen|Een bestaand projectbestand kiezen</translation>
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
        <translation>Project</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Aansluiting</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Voeglengte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Select position in project|Select to open position in project</source>
        <translation>Positie in project kiezen|Een positie in het project kiezen om te openen</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>Project &amp;openen</translation>
    </message>
    <message>
        <source>Open chosen project</source>
        <translation>Gekozen project openen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Leave project maintenance without activities</source>
        <translation>Projectbeheer verlaten zonder iets te doen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Help bij het invoervenster|Help bij de invoer in dit venster</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>Positie over&amp;nemen</translation>
    </message>
    <message>
        <source>Open chosen position|Add chosen position to existing project</source>
        <translation>Gekozen positie openen|Gekozen positie aan het huidige project toevoegen</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Station</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>Project &amp;Contents</source>
        <translation>Project&amp;inhoud</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>Nr.: </translation>
    </message>
</context>
<context>
    <name>vsk::TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>Gekozen taal niet beschikbaar!</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels</translation>
    </message>
    <message>
        <source>Design of stainless-steel shear connectors across expansion joints</source>
        <translation>Dimensionering van roestvaststalen dwarskrachtdeuvels in dilatatievoegen</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>Programma &amp;starten</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmStueckliste</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Connector Schedule</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvels - Deuvelstaat</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Aanvullende informatie bij de deuvelstaat</translation>
    </message>
    <message>
        <source>Entry of supplementary advice text</source>
        <translation>Invoer van een aanvullende toelichting</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Huidige keuze</translation>
    </message>
    <message>
        <source>Number of similar positions for current choice</source>
        <translation>Aantal gelijke posities voor de huidige keuze</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Aantal gelijke posities</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>Positie ver&amp;wijderen</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Bij het exporteren van een lange deuvelstaat als afbeelding moet er rekening</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>mee worden gehouden dat de afbeelding geen paginascheidingen bevat.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Een lange deuvelstaat kunt u over twee of meer exportbestanden verdelen</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>door afzonderlijke posities uit te schakelen.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Prints out the connector schedule</source>
        <translation>Drukt de deuvelstaat af</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lijst</translation>
    </message>
    <message>
        <source>display the list view of the connector schedule</source>
        <translation>de lijstweergave van de deuvelstaat tonen</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Export the connector schedule</source>
        <translation>De deuvelstaat exporteren</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Klembord</translation>
    </message>
    <message>
        <source>copies the connector schedule to clipboard</source>
        <translation>kopieert de deuvelstaat naar het klembord</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Leave connector schedule</source>
        <translation>Deuvelstaat verlaten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Help bij het invoervenster|Help bij de invoer in dit venster</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Deuvelstaat</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.emf)</source>
        <translation>Exporteren in Metafile-formaat (*.emf)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Exporteren in bitmapformaat (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Exporteren in JPEG-formaat (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Exporteren in tekstformaat (*.txt)</translation>
    </message>
    <message>
        <source>Export in PDF Format (*.pdf)</source>
        <translation>Exporteren in PDF-formaat (*.pdf)</translation>
    </message>
    <message>
        <source>Export in SVG Format (*.svg)</source>
        <translation>Exporteren in SVG-formaat (*.svg)</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector - Export Connector Schedule</source>
        <translation>Tervo - VSK / VSKQ dwarskrachtdeuvel - Deuvelstaat exporteren</translation>
    </message>
    <message>
        <source>Export as CSV Table (*.csv)</source>
        <translation>Exporteren als CSV-tabel (*.csv)</translation>
    </message>
    <message>
        <source>Export as XLSX Workbook (*.xlsx)</source>
        <translation>Exporteren als XLSX-werkmap (*.xlsx)</translation>
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
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Resultaatafdruk naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Resultaatafdruk in bestand exporteren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Venster sluiten</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Schets naar &amp;klembord</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Schets in bestand opslaan</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>Venster &amp;sluiten</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmbeliebigeLast</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Entry of arbitrary transverse force distribution</source>
        <translation>Invoer van een willekeurige dwarskrachtverdeling</translation>
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
        <translation>waardeparen voor de lijnlast</translation>
    </message>
    <message>
        <source>Coordinates for entered load measured form the left</source>
        <translation>Coördinaat van de ingevoerde belasting, gemeten vanaf links</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Waarde van de belasting ter plaatse van coördinaat x</translation>
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
        <translation>Waardepaar toevoegen|Waardepaar (x,q) aan de lijst toevoegen</translation>
    </message>
    <message>
        <source>Transfer changes in the list|Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Wijzigingen in de lijst overnemen|Wijzigingen in de waardeparen (x,q) in de lijst overnemen</translation>
    </message>
    <message>
        <source>delete current pair of values|delete current pair of values (x,q) from the list</source>
        <translation>huidig waardepaar verwijderen|huidig waardepaar (x,q) uit de lijst verwijderen</translation>
    </message>
    <message>
        <source>A value for the entered coordinate already exists!</source>
        <translation>Voor de ingevoerde coördinaat bestaat al een waarde!</translation>
    </message>
    <message>
        <source> Should this be overwritten?</source>
        <translation> Moet deze worden overschreven?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is geen geldig decimaal getal</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv *.tsv *.prn);;All files (*)</source>
        <translation>Tekstbestanden (*.txt *.csv *.tsv *.prn);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Import points from file</source>
        <translation>Punten uit bestand importeren</translation>
    </message>
    <message>
        <source>Export points to file</source>
        <translation>Punten naar bestand exporteren</translation>
    </message>
    <message>
        <source>Load points|Right mouse button: paste, copy, import or export the points</source>
        <translation>Belastingspunten|Rechtermuisknop: punten plakken, kopiëren, importeren of exporteren</translation>
    </message>
    <message>
        <source>&amp;Paste points</source>
        <translation>Punten &amp;plakken</translation>
    </message>
    <message>
        <source>&amp;Copy points</source>
        <translation>Punten &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Import points from file...</source>
        <translation>Punten uit bestand &amp;importeren...</translation>
    </message>
    <message>
        <source>&amp;Export points to file...</source>
        <translation>Punten naar bestand &amp;exporteren...</translation>
    </message>
    <message>
        <source>The table already holds load points.</source>
        <translation>De tabel bevat al belastingspunten.</translation>
    </message>
    <message>
        <source>Should they be replaced?</source>
        <translation>Moeten ze worden vervangen?</translation>
    </message>
</context>
<context>
    <name>vsk::Zoom_panel</name>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Hele tekening</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vorige weergave</translation>
    </message>
</context>
</TS>
