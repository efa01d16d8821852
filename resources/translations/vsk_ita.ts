<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_GB">
<context>
    <name>Bemessung</name>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!</source>
        <translation>Errore fatale nel processo di calcolo! Il risultato del calcolo non è valido!</translation>
    </message>
    <message>
        <source>Try the calculation with new input data and refer to the programme producer.</source>
        <translation>Ripetere il calcolo con nuovi dati e rivolgersi al produttore del programma.</translation>
    </message>
</context>
<context>
    <name>Bericht</name>
    <message>
        <source>Input</source>
        <translation>Dati di input</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <translation>Calcolo con armatura secondo lo sfruttamento ottimale del connettore</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <translation>Calcolo con armatura secondo la portata massima del connettore</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Classe del calcestruzzo</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Spessore della soletta</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Spessore della parete</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Copriferro superiore</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Copriferro inferiore</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Copriferro frontale</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <translation>Larghezza max. del giunto</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Lunghezza del giunto</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <translation>Distanza dai bordi</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selezionato</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <translation>Area eff. armatura principale</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <translation>Area eff. armatura secondaria</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <translation>Zona armatura principale</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <translation>Zona armatura secondaria</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <translation>Distanza effettiva dal bordo</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <translation>Distanza minima dal bordo</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <translation>Interasse effettivo connettori</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <translation>Interasse minimo connettori</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <translation>Carico sul connettore</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <translation>Resistenza del connettore</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <translation>Sfruttamento del connettore</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <translation>Resistenza di progetto cls</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <translation>Sfruttamento calcestruzzo</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <translation>Resistenza di progetto acciaio</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <translation>Sfruttamento acciaio</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <translation>Resistenza di progetto armatura</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <translation>Sfruttamento armatura</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Carico permanente</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <translation>numero di connettori</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <translation>Carico concentrato sul connettore</translation>
    </message>
    <message>
        <source>Linear load</source>
        <translation>Carico distribuito costante</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Carico distribuito linearmente variabile</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Carico distribuito arbitrario</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Carico di progetto totale</translation>
    </message>
    <message>
        <source>with F</source>
        <translation>con F</translation>
    </message>
    <message>
        <source>see next page</source>
        <translation>vedi pagina seguente</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coefficiente parziale</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Carico variabile</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <translation>Carico di progetto agg.</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <translation>Area nec. armatura principale</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <translation>Area nec. armatura secondaria</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Il file &quot;%1&quot; è protetto da scrittura.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>export in Metafile Format</source>
        <translation>Esporta in formato Metafile</translation>
    </message>
    <message>
        <source>Export in Bitmap Format</source>
        <translation>Esporta in formato Bitmap</translation>
    </message>
    <message>
        <source>Export in JPeg Format</source>
        <translation>Esporta in formato JPEG</translation>
    </message>
    <message>
        <source>Export in SVG Format</source>
        <translation>Esporta in formato SVG</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Export results</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ - Esporta risultati</translation>
    </message>
    <message>
        <source>The picture for &quot;%1&quot; could not be made.</source>
        <translation>Impossibile creare l&apos;immagine per &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>DXF</name>
    <message>
        <source>Reinforcement for Tervo shear connector in the building </source>
        <translation>Armatura per il connettore a taglio Tervo </translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation>Pianta</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Superiore e inferiore: </translation>
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
        <translation>Vista</translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Armatura verticale: </translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> staffe a U</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Superiore: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Inferiore: </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be written - Please check the writing access on the data carrier.</source>
        <translation>Impossibile scrivere il file &quot;%s&quot; - verificare i permessi di scrittura sul supporto dati.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be read.</source>
        <translation>Impossibile leggere il file &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossibile aprire il file!</translation>
    </message>
    <message>
        <source>Attempted to create layer with existing name</source>
        <translation>Tentativo di creare un layer con un nome già esistente</translation>
    </message>
</context>
<context>
    <name>Dateidialoge</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors (*.VSK *.vsk)</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ (*.VSK *.vsk)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>IFC models (*.ifc)</source>
        <translation>Modelli IFC (*.ifc)</translation>
    </message>
</context>
<context>
    <name>Dateischreiber</name>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>il file è troppo grande</translation>
    </message>
</context>
<context>
    <name>Druck</name>
    <message>
        <source>Calculation for </source>
        <translation>Calcolo per </translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Distinta dei connettori</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - Connettore a taglio VSK / VSKQ</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Stampato il: </translation>
    </message>
    <message>
        <source>Designer: </source>
        <translation>Progettista: </translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Società: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Progetto:  </translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Posizione: </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <translation>Il connettore non può essere impiegato per i seguenti motivi:</translation>
    </message>
    <message>
        <source>Save as PDF file</source>
        <translation>Salva come file PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed. The pages can be saved as a PDF file instead.</source>
        <translation>Nessuna stampante installata. In alternativa le pagine possono essere salvate come file PDF.</translation>
    </message>
    <message>
        <source>The PDF file could not be written:</source>
        <translation>Impossibile scrivere il file PDF:</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Impossibile stampare il documento.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Nessuna stampante installata.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossibile avviare la stampante.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>Impossibile scrivere il file PDF.</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <translation>Pagina %s di %s</translation>
    </message>
</context>
<context>
    <name>DxfBefehle</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>File DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>File DWG (*.dwg)</translation>
    </message>
</context>
<context>
    <name>Eingabe</name>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <translation>Lo spessore della soletta è inferiore allo spessore minimo di calcestruzzo richiesto dal connettore a taglio più piccolo!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <translation>Lo spessore della soletta da collegare è inferiore all&apos;altezza utile!</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <translation>Altezza utile &lt; 10mm. Verificare!</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <translation>Copriferro superiore &lt;10mm. Verificare</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <translation>Copriferro inferiore &lt;10mm. Verificare</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <translation>La somma dei copriferri è maggiore dello spessore della soletta da collegare!</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <translation>Lo spessore della parete è inferiore allo spessore minimo di calcestruzzo richiesto dal connettore a taglio più piccolo!</translation>
    </message>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>Salvare il calcolo corrente?</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossibile aprire il file!</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <translation>Errore di immissione: sono ammessi solo numeri!<byte value="xd"/>
(verificare l&apos;uso di &quot;.&quot; e &quot;,&quot;) </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <translation>Il valore immesso è inferiore al minimo ammesso!</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <translation>Il valore immesso è superiore al massimo ammesso!</translation>
    </message>
    <message>
        <source>Die Dateilanzeige zum Dorn ist noch nicht aktiviert</source>
        <translation>La visualizzazione del file del connettore non è ancora attivata</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <translation>Il progetto esistente contiene una sola posizione.<byte value="xd"/>
<byte value="xd"/>
L&apos;ultima posizione non può essere eliminata!</translation>
    </message>
    <message>
        <source>Two values are expected: x and q.</source>
        <translation>Sono attesi due valori: x e q.</translation>
    </message>
    <message>
        <source>The text holds no load points.</source>
        <translation>Il testo non contiene punti di carico.</translation>
    </message>
    <message>
        <source>Line %s: </source>
        <translation>Riga %s: </translation>
    </message>
    <message>
        <source>A load holds at most %s points.</source>
        <translation>Un carico ha al massimo %s punti.</translation>
    </message>
    <message>
        <source>at least %s</source>
        <translation>almeno %s</translation>
    </message>
    <message>
        <source>at most %s</source>
        <translation>al massimo %s</translation>
    </message>
    <message>
        <source>Allowed: %s</source>
        <translation>Ammesso: %s</translation>
    </message>
    <message>
        <source>The unit of x &quot;%s&quot; is not known: mm, cm or m are expected.</source>
        <translation>L&apos;unità di x &quot;%s&quot; non è nota: sono attesi mm, cm o m.</translation>
    </message>
    <message>
        <source>An input value is not a number. Please check!</source>
        <translation>Un valore immesso non è un numero. Verificare!</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is greater than %s mm. Please check!</source>
        <translation>Lo spessore della soletta in calcestruzzo è maggiore di %s mm. Verificare!</translation>
    </message>
    <message>
        <source>x is smaller than in the line before: the points are expected along the joint.</source>
        <translation>x è minore che nella riga precedente: i punti sono attesi lungo il giunto.</translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Not able to write to file %s</source>
        <translation>Impossibile scrivere nel file %s</translation>
    </message>
    <message>
        <source>The settings file %s cannot be read. The program uses its default settings.</source>
        <translation>Impossibile leggere il file delle impostazioni %s. Il programma usa le impostazioni predefinite.</translation>
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
        <translation>Il file - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - non è stato trovato. Il file richiesto può essere installato solo dalla versione su CD!</translation>
    </message>
</context>
<context>
    <name>IFC</name>
    <message>
        <source>Other positions of the project are calculated too. Export all calculated positions? (No: the current position only)</source>
        <translation>Anche altre posizioni del progetto sono calcolate. Esportare tutte le posizioni calcolate? (No: solo la posizione corrente)</translation>
    </message>
    <message>
        <source>Default storey</source>
        <translation>Piano predefinito</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Posizione B</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Posizione D</translation>
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
        <translation>Impossibile esportare la distinta dei connettori - verificare i permessi di scrittura sul supporto dati.</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Tipo: </translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - Connettore a taglio VSK / VSKQ</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Distinta dei connettori</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Società: </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Progetto:  </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Stampato il: </translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <translation>Pos. mat. quantità descrizione</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <translation>Fornitura di connettori a taglio per la trasmissione del taglio nel giunto di</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <translation>dilatazione e posa in opera secondo le specifiche dell&apos;elemento.</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <translation>Resistenza di progetto max. FRd: </translation>
    </message>
    <message>
        <source> kN</source>
        <translation> kN</translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <translation>Materiale: acciaio inossidabile 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <translation>Posizione/i: </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Connettore a taglio doppio composto da elemento spinotto e manicotto</translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>e manicotto antincendio</translation>
    </message>
</context>
<context>
    <name>Objektmodell</name>
    <message>
        <source>Unnamed</source>
        <translation>Senza nome</translation>
    </message>
</context>
<context>
    <name>Programm</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectros</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ</translation>
    </message>
</context>
<context>
    <name>ProjektJson</name>
    <message>
        <source>A list of 1 to %s positions is expected.</source>
        <translation>È attesa una lista da 1 a %s posizioni.</translation>
    </message>
    <message>
        <source>A group of keys {...} is expected.</source>
        <translation>È atteso un gruppo di chiavi {...}.</translation>
    </message>
    <message>
        <source>Unknown key.</source>
        <translation>Chiave sconosciuta.</translation>
    </message>
    <message>
        <source>A text is expected.</source>
        <translation>È atteso un testo.</translation>
    </message>
    <message>
        <source>A text holds at most %s bytes.</source>
        <translation>Un testo ha al massimo %s byte.</translation>
    </message>
    <message>
        <source>Control characters are not allowed in texts.</source>
        <translation>I caratteri di controllo non sono ammessi nei testi.</translation>
    </message>
    <message>
        <source>A list of texts is expected.</source>
        <translation>È attesa una lista di testi.</translation>
    </message>
    <message>
        <source>A list holds at most %s entries.</source>
        <translation>Una lista ha al massimo %s voci.</translation>
    </message>
    <message>
        <source>A number is expected.</source>
        <translation>È atteso un numero.</translation>
    </message>
    <message>
        <source>A whole number from 0 to %s is expected.</source>
        <translation>È atteso un numero intero da 0 a %s.</translation>
    </message>
    <message>
        <source>A list of points [x, q] is expected.</source>
        <translation>È attesa una lista di punti [x, q].</translation>
    </message>
    <message>
        <source>The load case does not fit the application case.</source>
        <translation>Il caso di carico non è adatto al caso di applicazione.</translation>
    </message>
    <message>
        <source>The document is not JSON (line %s, column %s).</source>
        <translation>Il documento non è JSON (riga %s, colonna %s).</translation>
    </message>
    <message>
        <source>Position %s: </source>
        <translation>Posizione %s: </translation>
    </message>
    <message>
        <source>Position %s, key &quot;%s&quot;: </source>
        <translation>Posizione %s, chiave &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>Key &quot;%s&quot;: </source>
        <translation>Chiave &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>The number in line %s, column %s is out of range.</source>
        <translation>Il numero alla riga %s, colonna %s è fuori intervallo.</translation>
    </message>
    <message>
        <source>The key is given twice.</source>
        <translation>La chiave è indicata due volte.</translation>
    </message>
</context>
<context>
    <name>Projektbericht</name>
    <message>
        <source>Project Report</source>
        <translation>Relazione di progetto</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Application case</source>
        <translation>Caso di applicazione</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Connectors</source>
        <translation>Connettori</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>utilizzabile</translation>
    </message>
    <message>
        <source>not usable</source>
        <translation>non utilizzabile</translation>
    </message>
    <message>
        <source>not calculated</source>
        <translation>non calcolato</translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <translation>Errore durante il salvataggio dei dati - impossibile salvare il progetto</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <translation>Errore durante l&apos;apertura del file di dati - impossibile leggere i dati del progetto</translation>
    </message>
    <message>
        <source>The file is not a valid Tervo - VSK File</source>
        <translation>Il file non è un file Tervo - VSK valido</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <translation>Il file di dati è stato creato con una versione precedente del programma. L&apos;importazione di questi dati può causare problemi di calcolo: controllare tutti i dati!</translation>
    </message>
    <message>
        <source>The project cannot take more positions.</source>
        <translation>Il progetto non può contenere altre posizioni.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %s).</source>
        <translation>Il file non è XML ben formato (riga %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s does not name this program.</source>
        <translation>L&apos;elemento &quot;%s&quot; alla riga %s non indica questo programma.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; is missing (line %s).</source>
        <translation>Manca l&apos;elemento &quot;%s&quot; (riga %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s cannot be read.</source>
        <translation>Impossibile leggere l&apos;elemento &quot;%s&quot; alla riga %s.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s goes beyond what a project file can hold.</source>
        <translation>L&apos;elemento &quot;%s&quot; alla riga %s supera quanto può contenere un file di progetto.</translation>
    </message>
    <message>
        <source>The project is larger than a project file can hold.</source>
        <translation>Il progetto è più grande di quanto possa contenere un file di progetto.</translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Progetto</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Immissione</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Distinta dei connettori</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Risultati</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>&amp;Esporta risultati</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>G&amp;uida</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
</context>
<context>
    <name>Skizzen</name>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Armatura verticale: </translation>
    </message>
    <message>
        <source> - T</source>
        <translation> Ø</translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> staffe a U</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Superiore e inferiore: </translation>
    </message>
    <message>
        <source>2 x </source>
        <translation>2 x </translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Superiore: </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Inferiore: </translation>
    </message>
</context>
<context>
    <name>Stueckliste</name>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Not active</source>
        <translation>Non attivo</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <translation>Pos. mat.</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <translation>Fornitura di connettori a taglio per la trasmissione del taglio nel giunto</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <translation>di dilatazione e posa in opera secondo le specifiche dell&apos;elemento.</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <translation>Resistenza di progetto max. FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <translation>acciaio inossidabile 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <translation>Posizione/i:   </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Connettore a taglio doppio composto da elemento spinotto e manicotto</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Tipo: </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>e manicotto antincendio</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <translation>La posizione corrente è già presente nella distinta dei connettori.<byte value="xd"/>
<byte value="xd"/>
Sovrascriverla?</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Fire protection sleeve</source>
        <translation>Manicotto antincendio</translation>
    </message>
    <message>
        <source>max. design Resistance FRd [kN]</source>
        <translation>Resistenza di progetto max. FRd [kN]</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Connector schedule entry %s replaced: position %s, %s x %s</source>
        <translation>Voce %s della distinta dei connettori sostituita: posizione %s, %s x %s</translation>
    </message>
    <message>
        <source>Connector schedule entry %s added: position %s, %s x %s</source>
        <translation>Voce %s aggiunta alla distinta dei connettori: posizione %s, %s x %s</translation>
    </message>
    <message>
        <source>Schedule entry %s (position %s) holds %s x %s; the position now gives %s x %s.</source>
        <translation>La voce %s della distinta (posizione %s) contiene %s x %s; la posizione dà ora %s x %s.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>File non trovato!</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Visualizzazione non attivata</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>memoria insufficiente, file eseguibile danneggiato o spostamento non consentito</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>File non trovato.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Percorso non trovato.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Tentativo non consentito di collegare dinamicamente un task, oppure errore di condivisione o di accesso in rete.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>La libreria richiede segmenti di dati separati per ogni task.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Memoria insufficiente per avviare l&apos;applicazione.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Versione di Windows errata.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>File .EXE non valido.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>L&apos;applicazione è destinata a un altro sistema operativo.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>Applicazione DOS 4.0.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Tipo di file .EXE sconosciuto.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Tentativo di caricare in modalità protetta (modalità standard o 386 estesa) un file .EXE creato per versioni precedenti di Windows</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Si è tentato di avviare una seconda volta un&apos;applicazione che contiene più segmenti di dati non di sola lettura.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Si è tentato di eseguire un file compresso. Il file deve essere decompresso prima del caricamento.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>Il file della libreria a collegamento dinamico (DLL) è danneggiato. Una DLL necessaria per avviare l&apos;applicazione è danneggiata o mancante.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>L&apos;applicazione richiede un ambiente a 32 bit.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>Nessuna applicazione trovata per aprire il file selezionato</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>Texttabellen</name>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; e min\c &lt; c min\e &lt; e idoneo\f &gt; ammissibile\e &lt; e nec.\c &lt; c nec.\dw &lt; dw nec.\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <translation>Calcolo OK\Spessore del calcestruzzo insufficiente\Carico troppo elevato\Interasse dei connettori inferiore al valore minimo\Distanza dal bordo inferiore al valore minimo\Interasse insufficiente per l&apos;armatura verticale\Larghezza del giunto fuori campo per questo connettore\Interasse con armatura standard insufficiente per il benestare\Distanza dal bordo con armatura standard insufficiente per il benestare\Spessore della parete inferiore a quello richiesto dal connettore scelto\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <translation>L&apos;interasse massimo dei connettori supera 5 * spessore della soletta. Verificare la disposizione dei connettori!\Interasse e distanza dal bordo minimi riferiti alla soletta più sottile per il carico effettivo del connettore\</translation>
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
        <translation>Posizione                         \N. pos.\N. connettori\Descrizione                                           \Totale connettori\Stato\Pos\Spessore soletta\Altezza utile\Tipo di appoggio\</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <translation>Connettore a taglio singolo con carico concentrato\Fila di connettori a taglio - soletta-soletta\Fila di connettori a taglio - soletta-parete\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <translation>Connettore singolo\Fila connettori, soletta-soletta\Fila connettori, soletta-parete\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <translation>armatura in base a FRd max.\armatura in base a FRd eff.\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <translation>Illimitato\5 * spessore soletta\</translation>
    </message>
</context>
<context>
    <name>vsk-cli</name>
    <message>
        <source>--save needs a file name</source>
        <translation>--save richiede un nome di file</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>argomento inatteso</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o richiede un nome di file</translation>
    </message>
    <message>
        <source>a project file is needed</source>
        <translation>è necessario un file di progetto</translation>
    </message>
    <message>
        <source>the format is needed: --json</source>
        <translation>è necessario il formato: --json</translation>
    </message>
    <message>
        <source>a JSON document is needed</source>
        <translation>è necessario un documento JSON</translation>
    </message>
    <message>
        <source>-o OUT.VSK is needed</source>
        <translation>è necessario -o OUT.VSK</translation>
    </message>
    <message>
        <source>--txt needs a file name</source>
        <translation>--txt richiede un nome di file</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf richiede un nome di file</translation>
    </message>
    <message>
        <source>--csv needs a file name</source>
        <translation>--csv richiede un nome di file</translation>
    </message>
    <message>
        <source>--xlsx needs a file name</source>
        <translation>--xlsx richiede un nome di file</translation>
    </message>
    <message>
        <source>expects a project file</source>
        <translation>si aspetta un file di progetto</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>impossibile scrivere</translation>
    </message>
    <message>
        <source>the output would replace the input file</source>
        <translation>l&apos;output sostituirebbe il file di input</translation>
    </message>
</context>
<context>
    <name>vsk::TBerichtbefehle</name>
    <message>
        <source>Printer Setup</source>
        <translation>Impostazione stampante</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relazione</translation>
    </message>
</context>
<context>
    <name>vsk::TDXF_Anzeige_Form</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - DXF-Export</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ - Esportazione DXF</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>File DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DXF display form</source>
        <translation>Visualizzazione DXF</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>&amp;Salva come DXF</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
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
        <translation>Conferma l&apos;immissione e chiudi la finestra</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Annulla l&apos;immissione e chiudi la finestra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>G&amp;uida</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Guida per la finestra di immissione|Guida per l&apos;immissione nella maschera</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabePanel</name>
    <message>
        <source>Application Case</source>
        <translation>Caso di applicazione</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Connettore singolo</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Fila di connettori in soletta</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Fila di connettori in parete</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Determinazione dell&apos;armatura</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Classe del calcestruzzo</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Larghezza max. del giunto</translation>
    </message>
    <message>
        <source>Structural Geometry</source>
        <translation>Geometria strutturale</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Spessore della parete</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Spessore della soletta</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Copriferro superiore</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Copriferro inferiore</translation>
    </message>
    <message>
        <source>eff. structural height</source>
        <translation>Altezza utile</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Distanza dal bordo destro</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Distanza dal bordo sinistro</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Copriferro frontale</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Lunghezza del giunto</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Carico distribuito</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>Carico c&amp;oncentrato</translation>
    </message>
    <message>
        <source>Single load</source>
        <translation>Carico concentrato</translation>
    </message>
    <message>
        <source>&amp;constant</source>
        <translation>co&amp;stante</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>costante</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>&amp;lineare</translation>
    </message>
    <message>
        <source>increasing distributed load</source>
        <translation>carico distribuito linearmente variabile</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>ar&amp;bitrario</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <translation>arbitrario</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Carico permanente</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coefficiente parziale</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Carico variabile</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Carico di progetto agg.</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Carico di progetto totale</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Carico concentrato</translation>
    </message>
    <message>
        <source>Load case</source>
        <translation>Caso di carico</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabebaum</name>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Salva con nome ...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Impostazione stampante ...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Gestione progetti</translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Aggiungi posizione</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Elimina posizione corrente</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Immissione del sistema</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Dati del progetto</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Visualizza distinta dei connettori</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Aggiungi alla distinta dei connettori</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Colori dello schermo</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Uso della guida</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>Informazioni sui connettori a taglio Tervo</translation>
    </message>
    <message>
        <source>Tervo Shear Connectors Manual</source>
        <translation>Manuale dei connettori a taglio Tervo</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Progetto: </translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Posizioni correnti</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Immissione</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Distinta dei connettori</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Project Report as PDF ...</source>
        <translation>Relazione di progetto come PDF ...</translation>
    </message>
</context>
<context>
    <name>vsk::TErgebnisliste</name>
    <message>
        <source>Connector</source>
        <translation>Connettore</translation>
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
        <translation>Note</translation>
    </message>
    <message>
        <source>VRd</source>
        <translation>VRd</translation>
    </message>
    <message>
        <source>Connector type</source>
        <translation>Tipo di connettore</translation>
    </message>
    <message>
        <source>Actual area of the secondary reinforcement [mm²]</source>
        <translation>Area effettiva dell&apos;armatura secondaria [mm²]</translation>
    </message>
    <message>
        <source>Actual area of the main reinforcement [mm²]</source>
        <translation>Area effettiva dell&apos;armatura principale [mm²]</translation>
    </message>
    <message>
        <source>Design resistance of one connector [kN]</source>
        <translation>Resistenza di progetto di un connettore [kN]</translation>
    </message>
    <message>
        <source>Usage of one connector: design load / design resistance</source>
        <translation>Utilizzo di un connettore: carico di progetto / resistenza di progetto</translation>
    </message>
    <message>
        <source>Number of connectors</source>
        <translation>Numero di connettori</translation>
    </message>
    <message>
        <source>Result of the checks</source>
        <translation>Risultato delle verifiche</translation>
    </message>
</context>
<context>
    <name>vsk::THauptAktionen</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuovo...</translation>
    </message>
    <message>
        <source>New|Start a new project</source>
        <translation>Nuovo|Crea un nuovo progetto</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open|Open a project file</source>
        <translation>Apri|Apri un file di progetto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save|Save the project</source>
        <translation>Salva|Salva il progetto</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Salva &amp;con nome ...</translation>
    </message>
    <message>
        <source>Save As|Save the project under a new name</source>
        <translation>Salva con nome|Salva il progetto con un nuovo nome</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Impostazione stampante</translation>
    </message>
    <message>
        <source>Printer Setup|Choose and set up the printer</source>
        <translation>Impostazione stampante|Scegli e imposta la stampante</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Print|Print the calculation report</source>
        <translation>Stampa|Stampa la relazione di calcolo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit|End the program</source>
        <translation>Esci|Chiudi il programma</translation>
    </message>
    <message>
        <source>Project &amp;Administration</source>
        <translation>&amp;Gestione progetti</translation>
    </message>
    <message>
        <source>Project Administration|Browse and combine project files</source>
        <translation>Gestione progetti|Sfoglia e combina i file di progetto</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Aggiungi posizione</translation>
    </message>
    <message>
        <source>Add Position|Add a position as a copy of the current one</source>
        <translation>Aggiungi posizione|Aggiungi una posizione come copia di quella corrente</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>&amp;Elimina posizione corrente</translation>
    </message>
    <message>
        <source>Delete Current Position|Remove the current position</source>
        <translation>Elimina posizione corrente|Rimuovi la posizione corrente</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>&amp;Albero di immissione</translation>
    </message>
    <message>
        <source>Input Tree|Show or hide the input tree</source>
        <translation>Albero di immissione|Mostra o nascondi l&apos;albero di immissione</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>Immissione del &amp;sistema</translation>
    </message>
    <message>
        <source>System Input|Return from the preview to the input</source>
        <translation>Immissione del sistema|Torna dall&apos;anteprima all&apos;immissione</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>&amp;Dati del progetto</translation>
    </message>
    <message>
        <source>Project Data|Edit the project description</source>
        <translation>Dati del progetto|Modifica la descrizione del progetto</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>&amp;Visualizza distinta dei connettori</translation>
    </message>
    <message>
        <source>Display Connector Schedule|Show the connector schedule</source>
        <translation>Visualizza distinta dei connettori|Mostra la distinta dei connettori</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>&amp;Aggiungi alla distinta dei connettori</translation>
    </message>
    <message>
        <source>Add to Connector Schedule|Add the selected connector to the schedule</source>
        <translation>Aggiungi alla distinta dei connettori|Aggiungi il connettore selezionato alla distinta</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Calcolo</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Calcolo|Esegui il calcolo della posizione corrente</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Anteprima calcolo</translation>
    </message>
    <message>
        <source>Calculation Preview|Show the calculation report</source>
        <translation>Anteprima calcolo|Mostra la relazione di calcolo</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>Esportazione DXF - &amp;Connettore</translation>
    </message>
    <message>
        <source>DXF Export - Connector|Copy the drawing of the selected connector</source>
        <translation>Esportazione DXF - Connettore|Copia il disegno del connettore selezionato</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>Esportazione DXF - &amp;Armatura</translation>
    </message>
    <message>
        <source>DXF Export - Reinforcement|Export the reinforcement drawing</source>
        <translation>Esportazione DXF - Armatura|Esporta il disegno dell&apos;armatura</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Esporta risultati su &amp;file</translation>
    </message>
    <message>
        <source>Export results to file|Save the report page as a picture</source>
        <translation>Esporta risultati su file|Salva la pagina della relazione come immagine</translation>
    </message>
    <message>
        <source>Export Results to &amp;Clipboard</source>
        <translation>Esporta risultati negli a&amp;ppunti</translation>
    </message>
    <message>
        <source>Results to Clipboard|Copy the report page to the clipboard</source>
        <translation>Risultati negli appunti|Copia la pagina della relazione negli appunti</translation>
    </message>
    <message>
        <source>Calculation|Design settings</source>
        <translation>Calcolo|Impostazioni di calcolo</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>Colori dello &amp;schermo</translation>
    </message>
    <message>
        <source>Screen Colours|Colours of the sketches</source>
        <translation>Colori dello schermo|Colori degli schizzi</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>Contents|Help contents</source>
        <translation>Sommario|Sommario della guida</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Cerca per &amp;parola chiave</translation>
    </message>
    <message>
        <source>Search for Keyword|Search the help</source>
        <translation>Cerca per parola chiave|Cerca nella guida</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Uso della guida</translation>
    </message>
    <message>
        <source>Use of Help|How to use the help</source>
        <translation>Uso della guida|Come usare la guida</translation>
    </message>
    <message>
        <source>&amp;About Tervo Shear Connectors</source>
        <translation>&amp;Informazioni sui connettori a taglio Tervo</translation>
    </message>
    <message>
        <source>About|Version and copyright</source>
        <translation>Informazioni|Versione e copyright</translation>
    </message>
    <message>
        <source>&amp;Tervo Shear Connectors Manual</source>
        <translation>&amp;Manuale dei connettori a taglio Tervo</translation>
    </message>
    <message>
        <source>Manual|Open the manual</source>
        <translation>Manuale|Apri il manuale</translation>
    </message>
    <message>
        <source>Export Report as P&amp;DF...</source>
        <translation>Esporta relazione in P&amp;DF...</translation>
    </message>
    <message>
        <source>Export Report as PDF|Save the calculation report as a PDF file</source>
        <translation>Esporta relazione in PDF|Salva la relazione di calcolo come file PDF</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: the design settings</comment>
        <translation>&amp;Parametri di calcolo</translation>
    </message>
    <message>
        <source>IFC Export|Export the designed joints as an IFC model</source>
        <translation>Esportazione IFC|Esportare i giunti dimensionati come modello IFC</translation>
    </message>
    <message>
        <source>Export Project &amp;Report as PDF...</source>
        <translation>Esporta &amp;relazione di progetto come PDF...</translation>
    </message>
    <message>
        <source>Export Project Report as PDF|Save the summary, the report of every position and the connector schedule as one PDF file</source>
        <translation>Esporta relazione di progetto come PDF|Salvare il riepilogo, la relazione di ogni posizione e la distinta dei connettori in un unico file PDF</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo|Take back the last change of the project</source>
        <translation>Annulla|Annullare l&apos;ultima modifica del progetto</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Redo|Make the change again that was taken back</source>
        <translation>Ripeti|Rifare la modifica annullata</translation>
    </message>
    <message>
        <source>&amp;IFC Export</source>
        <translation>Esportazione &amp;IFC</translation>
    </message>
</context>
<context>
    <name>vsk::TProjektberichtbefehl</name>
    <message>
        <source>Exporting the project report...</source>
        <translation>Esportazione della relazione di progetto...</translation>
    </message>
    <message>
        <source>Project Report</source>
        <translation>Relazione di progetto</translation>
    </message>
    <message>
        <source>report</source>
        <translation>relazione</translation>
    </message>
</context>
<context>
    <name>vsk::TVorschauleiste</name>
    <message>
        <source>Fit width</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Pagina intera</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
</context>
<context>
    <name>vsk::TWiederherstellung</name>
    <message>
        <source>Unnamed</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>The program did not end properly last time. The unsaved changes of &quot;%1&quot; from %2 can be restored.

Do you want to restore them?</source>
        <translation>L&apos;ultima volta il programma non è terminato correttamente. Le modifiche non salvate di &quot;%1&quot; del %2 possono essere ripristinate.

Vuole ripristinarle?</translation>
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
        <translation>Il produttore declina ogni responsabilità per le informazioni fornite da questo programma. Non si accettano richieste di risarcimento per danni diretti o indiretti.</translation>
    </message>
    <message>
        <source>Enter the input with care and check that every result is acceptable before you use it.</source>
        <translation>Inserire i dati con cura e verificare che ogni risultato sia accettabile prima di utilizzarlo.</translation>
    </message>
    <message>
        <source>The program is not guaranteed to run on present or future operating systems.</source>
        <translation>Il funzionamento del programma sui sistemi operativi attuali o futuri non è garantito.</translation>
    </message>
    <message>
        <source>The maker may change the design and the technical data of the products without notice.</source>
        <translation>Il produttore si riserva di modificare senza preavviso la forma costruttiva e i dati tecnici dei prodotti.</translation>
    </message>
    <message>
        <source>Please report program errors to the maker with full details of the input and of what happened.</source>
        <translation>Segnalare gli errori del programma al produttore, descrivendo in dettaglio i dati immessi e l&apos;accaduto.</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>Informazioni sui connettori a taglio Tervo</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ</translation>
    </message>
    <message>
        <source>This program will enable the calculation of VSK and VSKQ shear connectors supporting higher transverse loads</source>
        <translation>Questo programma consente il calcolo dei connettori a taglio VSK e VSKQ per elevati carichi di taglio</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Creato il:</translation>
    </message>
    <message>
        <source>© Tervo Connector Systems. All rights reserved.</source>
        <translation>© Tervo Connector Systems. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Telephone: +41 00 000 00 00</source>
        <translation>Telefono: +41 00 000 00 00</translation>
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
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Back to main window | Back to main window</source>
        <translation>Torna alla finestra principale | Torna alla finestra principale</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Impostazioni di calcolo</translation>
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
        <translation>coefficiente parziale per l&apos;acciaio</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>tensione di snervamento dell&apos;armatura</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Interasse max. dei connettori</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Armatura</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Numero di barre dell&apos;armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Modifica il numero di barre dell&apos;armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diametro delle barre dell&apos;armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Modifica il diametro delle barre dell&apos;armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Numero di barre dell&apos;armatura verticale</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Modifica il numero di barre dell&apos;armatura verticale</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Diametro delle barre dell&apos;armatura verticale</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Modifica il diametro delle barre dell&apos;armatura verticale</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>-T</source>
        <translation>Ø</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Armatura superiore e inferiore</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Armatura verticale</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Armatura per il connettore corrente: </translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Risultato intermedio per l&apos;armatura </translation>
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
        <translation>Scala di &amp;grigi</translation>
    </message>
    <message>
        <source>VSK - colour representation</source>
        <translation>VSK - rappresentazione dei colori</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Colore dello sfondo dello schizzo</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Colore del bordo del calcestruzzo</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Colore delle superfici di calcestruzzo</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Colore dell&apos;armatura orizzontale (Pos B)</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Colore dell&apos;armatura di sospensione (Pos D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Colore del bordo del connettore a taglio</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Colore della superficie del connettore a taglio</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Colore della quotatura (linee + testo)</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Colore del manicotto antincendio</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Schizzo</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Quotatura</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armatura</translation>
    </message>
    <message>
        <source>Position B</source>
        <translation>Posizione B</translation>
    </message>
    <message>
        <source>Position D</source>
        <translation>Posizione D</translation>
    </message>
    <message>
        <source>Concrete</source>
        <translation>Calcestruzzo</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Antincendio</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Connettore a taglio</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Ripristina i colori standard</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Converti la rappresentazione in scala di grigi</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>Chiudi la maschera e conferma l&apos;immissione!</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>Chiudi la maschera e annulla l&apos;immissione!</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHauptMaske</name>
    <message>
        <source>Tool bar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>N. prog.:</translation>
    </message>
    <message>
        <source>Current position|Number of the position shown</source>
        <translation>Posizione corrente|Numero della posizione visualizzata</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Calcolo|Esegui il calcolo della posizione corrente</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Calcolo</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Anteprima calcolo</translation>
    </message>
    <message>
        <source>&amp;Return to entry</source>
        <translation>&amp;Torna all&apos;immissione</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>To &amp;Clipboard</source>
        <translation>&amp;Negli appunti</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Progetto:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Sketch|Click for the sketch menu</source>
        <translation>Schizzo|Clic per il menu dello schizzo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>plan view</source>
        <translation>pianta</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <source>Connector arrangement / distribution</source>
        <translation>Disposizione / distribuzione dei connettori</translation>
    </message>
    <message>
        <source>Fit reinforcement manually</source>
        <translation>Adatta l&apos;armatura manualmente</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Schizzo negli &amp;appunti</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Salva schizzo su file</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Mostra lo schizzo a tutto schermo</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>Esportazione DXF</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ</translation>
    </message>
    <message>
        <source>Drawing of connector</source>
        <translation>Disegno del connettore</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome del progetto</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Distinta dei connettori</translation>
    </message>
    <message>
        <source>Import Position</source>
        <translation>Importa posizione</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHilfe</name>
    <message>
        <source>VSK Help</source>
        <translation>Guida VSK</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Type the first letters of a keyword</source>
        <translation>Digitare le prime lettere di una parola chiave</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Uso della guida</translation>
    </message>
    <message>
        <source>Help not found</source>
        <translation>Guida non trovata</translation>
    </message>
    <message>
        <source>The help pages were not found in the folder %1. Install the program again from the CD.</source>
        <translation>Le pagine della guida non sono state trovate nella cartella %1. Reinstallare il programma dal CD.</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Dati del progetto</translation>
    </message>
    <message>
        <source>Description of building project|Entry of the description of the building project to be calculated</source>
        <translation>Descrizione del progetto|Immissione della descrizione del progetto da calcolare</translation>
    </message>
    <message>
        <source>Details planning office/firm (more lines)</source>
        <translation>Dati studio tecnico/società (più righe)</translation>
    </message>
    <message>
        <source>Entry of the name of the person in charge</source>
        <translation>Immissione del nome del responsabile</translation>
    </message>
    <message>
        <source>Entry of date of the work</source>
        <translation>Immissione della data del lavoro</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Ogg&amp;i</translation>
    </message>
    <message>
        <source>Installation of today&apos;s date</source>
        <translation>Inserisci la data odierna</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Progetto:</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Società</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Progettista:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Data:</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektverwaltung</name>
    <message>
        <source>Tervo - Project Administration</source>
        <translation>Tervo - Gestione progetti</translation>
    </message>
    <message>
        <source>Choose drive|Choose drive with project data</source>
        <translation>Scegli unità|Scegli l&apos;unità con i dati del progetto</translation>
    </message>
    <message>
        <source>Choose directory|Choose directory for project data</source>
        <translation>Scegli cartella|Scegli la cartella con i dati del progetto</translation>
    </message>
    <message>
        <source>Select project file|Select existing project file</source>
        <translation>Seleziona file di progetto|Seleziona un file di progetto esistente</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Tipo di collegamento</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Lungh. giunto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Select position in project|Select to open position in project</source>
        <translation>Seleziona posizione nel progetto|Seleziona per aprire la posizione nel progetto</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Apri progetto</translation>
    </message>
    <message>
        <source>Open chosen project</source>
        <translation>Apri il progetto scelto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Leave project maintenance without activities</source>
        <translation>Esci dalla gestione progetti senza eseguire operazioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Guida per la finestra di immissione|Guida per l&apos;immissione nella maschera</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>Acquisisci pos&amp;izione</translation>
    </message>
    <message>
        <source>Open chosen position|Add chosen position to existing project</source>
        <translation>Apri la posizione scelta|Aggiungi la posizione scelta al progetto esistente</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Unità</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Cartella</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Progetto</translation>
    </message>
    <message>
        <source>Project &amp;Contents</source>
        <translation>Co&amp;ntenuto del progetto</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>N.: </translation>
    </message>
</context>
<context>
    <name>vsk::TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>Lingua selezionata non disponibile!</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ</translation>
    </message>
    <message>
        <source>Design of stainless-steel shear connectors across expansion joints</source>
        <translation>Progettazione di connettori a taglio in acciaio inossidabile nei giunti di dilatazione</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>&amp;Avvia programma</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmStueckliste</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Connector Schedule</source>
        <translation>Tervo - Connettori a taglio VSK / VSKQ - Distinta dei connettori</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Informazioni aggiuntive alla distinta dei connettori</translation>
    </message>
    <message>
        <source>Entry of supplementary advice text</source>
        <translation>Immissione di un testo di note aggiuntive</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Selezione corrente</translation>
    </message>
    <message>
        <source>Number of similar positions for current choice</source>
        <translation>Numero di posizioni uguali per la selezione corrente</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Numero di posizioni uguali</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>Eli&amp;mina posizione</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Esportando come immagine una distinta dei connettori lunga, tenere presente</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>che nell&apos;immagine non vengono inserite interruzioni di pagina.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Con distinte dei connettori lunghe è possibile suddividere la distinta</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>in due o più file di esportazione disattivando singole posizioni.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Prints out the connector schedule</source>
        <translation>Stampa la distinta dei connettori</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>display the list view of the connector schedule</source>
        <translation>Mostra la vista a elenco della distinta dei connettori</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Export the connector schedule</source>
        <translation>Esporta la distinta dei connettori</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>A&amp;ppunti</translation>
    </message>
    <message>
        <source>copies the connector schedule to clipboard</source>
        <translation>Copia la distinta dei connettori negli appunti</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Leave connector schedule</source>
        <translation>Esci dalla distinta dei connettori</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Guida per la finestra di immissione|Guida per l&apos;immissione nella maschera</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Distinta dei connettori</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.emf)</source>
        <translation>Esporta in formato Metafile (*.emf)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Esporta in formato Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Esporta in formato JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Esporta in formato testo (*.txt)</translation>
    </message>
    <message>
        <source>Export in PDF Format (*.pdf)</source>
        <translation>Esporta in formato PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export in SVG Format (*.svg)</source>
        <translation>Esporta in formato SVG (*.svg)</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector - Export Connector Schedule</source>
        <translation>Tervo - Connettore a taglio VSK / VSKQ - Esporta distinta dei connettori</translation>
    </message>
    <message>
        <source>Export as CSV Table (*.csv)</source>
        <translation>Esporta come tabella CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export as XLSX Workbook (*.xlsx)</source>
        <translation>Esporta come cartella di lavoro XLSX (*.xlsx)</translation>
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
        <translation>Co&amp;pia</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Copia la pagina dei risultati negli appunti</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Esporta la pagina dei risultati su file</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi la finestra</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Schizzo negli &amp;appunti</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Salva schizzo su file</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>&amp;Chiudi finestra</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmbeliebigeLast</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Entry of arbitrary transverse force distribution</source>
        <translation>Immissione di una distribuzione arbitraria del taglio</translation>
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
        <translation>coppie di valori del carico distribuito</translation>
    </message>
    <message>
        <source>Coordinates for entered load measured form the left</source>
        <translation>Coordinata del carico immesso, misurata da sinistra</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Valore del carico nel punto di coordinata x</translation>
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
        <translation>Inserisci coppia di valori|Aggiungi la coppia di valori (x,q) all&apos;elenco</translation>
    </message>
    <message>
        <source>Transfer changes in the list|Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Applica le modifiche nell&apos;elenco|Applica le modifiche alla coppia di valori (x,q) nell&apos;elenco</translation>
    </message>
    <message>
        <source>delete current pair of values|delete current pair of values (x,q) from the list</source>
        <translation>Elimina la coppia di valori corrente|Elimina dall&apos;elenco la coppia di valori (x,q) corrente</translation>
    </message>
    <message>
        <source>A value for the entered coordinate already exists!</source>
        <translation>Esiste già un valore per la coordinata immessa!</translation>
    </message>
    <message>
        <source> Should this be overwritten?</source>
        <translation> Sovrascriverlo?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; non è un valore numerico valido</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv *.tsv *.prn);;All files (*)</source>
        <translation>File di testo (*.txt *.csv *.tsv *.prn);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Import points from file</source>
        <translation>Importa punti da file</translation>
    </message>
    <message>
        <source>Export points to file</source>
        <translation>Esporta punti su file</translation>
    </message>
    <message>
        <source>Load points|Right mouse button: paste, copy, import or export the points</source>
        <translation>Punti di carico|Tasto destro del mouse: incollare, copiare, importare o esportare i punti</translation>
    </message>
    <message>
        <source>&amp;Paste points</source>
        <translation>&amp;Incolla punti</translation>
    </message>
    <message>
        <source>&amp;Copy points</source>
        <translation>&amp;Copia punti</translation>
    </message>
    <message>
        <source>&amp;Import points from file...</source>
        <translation>I&amp;mporta punti da file...</translation>
    </message>
    <message>
        <source>&amp;Export points to file...</source>
        <translation>&amp;Esporta punti su file...</translation>
    </message>
    <message>
        <source>The table already holds load points.</source>
        <translation>La tabella contiene già punti di carico.</translation>
    </message>
    <message>
        <source>Should they be replaced?</source>
        <translation>Devono essere sostituiti?</translation>
    </message>
</context>
<context>
    <name>vsk::Zoom_panel</name>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Disegno intero</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vista precedente</translation>
    </message>
</context>
</TS>
