<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>Bemessung</name>
    <message>
        <source>Fatal error in calculating process! The result of the calculation is invalid!</source>
        <translation>Erreur fatale pendant le calcul ! Le résultat du calcul n&apos;est pas valable !</translation>
    </message>
    <message>
        <source>Try the calculation with new input data and refer to the programme producer.</source>
        <translation>Relancez le calcul avec de nouvelles données et contactez l&apos;éditeur du programme.</translation>
    </message>
</context>
<context>
    <name>Bericht</name>
    <message>
        <source>Input</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according optimal connector use</source>
        <translation>Calcul avec armatures selon l&apos;utilisation optimale du goujon</translation>
    </message>
    <message>
        <source>Calculation with reinforcement according max. load capacity of dowel</source>
        <translation>Calcul avec armatures selon la résistance max. du goujon</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Classe de béton</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Épaisseur de dalle</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Épaisseur du voile</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Enrobage supérieur</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Enrobage inférieur</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Enrobage frontal</translation>
    </message>
    <message>
        <source>Max. joint width</source>
        <translation>Largeur de joint max.</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Longueur de joint</translation>
    </message>
    <message>
        <source>Given edge distance</source>
        <translation>Distance au bord donnée</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Retenu</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Actual area of main reinf´t</source>
        <translation>Section réelle arm. principale</translation>
    </message>
    <message>
        <source>Actual area of secondary reinf´t</source>
        <translation>Section réelle arm. secondaire</translation>
    </message>
    <message>
        <source>Region of main reinf´t</source>
        <translation>Zone de l&apos;arm. principale</translation>
    </message>
    <message>
        <source>Region of secondary reinf´t</source>
        <translation>Zone de l&apos;arm. secondaire</translation>
    </message>
    <message>
        <source>Actual edge distance</source>
        <translation>Distance au bord réelle</translation>
    </message>
    <message>
        <source>Minimum edge distance</source>
        <translation>Distance au bord minimale</translation>
    </message>
    <message>
        <source>Actual connector spacing</source>
        <translation>Entraxe réel des goujons</translation>
    </message>
    <message>
        <source>Minimum connector spacing</source>
        <translation>Entraxe minimal des goujons</translation>
    </message>
    <message>
        <source>Connector design load</source>
        <translation>Effort de calcul du goujon</translation>
    </message>
    <message>
        <source>Connector design capacity</source>
        <translation>Résistance de calcul du goujon</translation>
    </message>
    <message>
        <source>Connector usage</source>
        <translation>Taux de travail du goujon</translation>
    </message>
    <message>
        <source>Design resistance concrete</source>
        <translation>Résistance de calcul béton</translation>
    </message>
    <message>
        <source>Concrete capacity usage</source>
        <translation>Taux de travail béton</translation>
    </message>
    <message>
        <source>Design resistance steel</source>
        <translation>Résistance de calcul acier</translation>
    </message>
    <message>
        <source>Steel capacity usage</source>
        <translation>Taux de travail acier</translation>
    </message>
    <message>
        <source>Design resistance reinforcement</source>
        <translation>Résistance de calcul armatures</translation>
    </message>
    <message>
        <source>Reinforcement capacity usage</source>
        <translation>Taux de travail armatures</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Charge permanente</translation>
    </message>
    <message>
        <source>no. of dowels</source>
        <translation>nb de goujons</translation>
    </message>
    <message>
        <source>Single load to connector</source>
        <translation>Charge ponctuelle sur le goujon</translation>
    </message>
    <message>
        <source>Linear load</source>
        <translation>Charge linéique constante</translation>
    </message>
    <message>
        <source>Uniform distributed load</source>
        <translation>Charge linéique à variation linéaire</translation>
    </message>
    <message>
        <source>Varying distributed load</source>
        <translation>Charge linéique quelconque</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Charge de calcul totale</translation>
    </message>
    <message>
        <source>with F</source>
        <translation>avec F</translation>
    </message>
    <message>
        <source>see next page</source>
        <translation>voir page suivante</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coefficient partiel</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Charge d&apos;exploitation</translation>
    </message>
    <message>
        <source>Additional design load</source>
        <translation>Charge de calcul suppl.</translation>
    </message>
    <message>
        <source>Req´d area of main reinf´t</source>
        <translation>Section requise arm. principale</translation>
    </message>
    <message>
        <source>Req´d area of secondary reinf´t</source>
        <translation>Section requise arm. secondaire</translation>
    </message>
</context>
<context>
    <name>Bildexport</name>
    <message>
        <source>The file &quot;%1&quot; is write-protected.</source>
        <translation>Le fichier « %1 » est protégé en écriture.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>export in Metafile Format</source>
        <translation>Export au format métafichier</translation>
    </message>
    <message>
        <source>Export in Bitmap Format</source>
        <translation>Export au format bitmap</translation>
    </message>
    <message>
        <source>Export in JPeg Format</source>
        <translation>Export au format JPEG</translation>
    </message>
    <message>
        <source>Export in SVG Format</source>
        <translation>Export au format SVG</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Export results</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ - Export des résultats</translation>
    </message>
    <message>
        <source>The picture for &quot;%1&quot; could not be made.</source>
        <translation>L&apos;image de « %1 » n&apos;a pas pu être créée.</translation>
    </message>
</context>
<context>
    <name>DXF</name>
    <message>
        <source>Reinforcement for Tervo shear connector in the building </source>
        <translation>Armatures pour goujon Tervo </translation>
    </message>
    <message>
        <source>Plan view</source>
        <translation>Vue en plan</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Sup. et inf. : </translation>
    </message>
    <message>
        <source>2 x </source>
        <translation>2 x </translation>
    </message>
    <message>
        <source> - T</source>
        <translation> HA</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Armatures verticales : </translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> en U</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Sup. : </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Inf. : </translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be written - Please check the writing access on the data carrier.</source>
        <translation>Le fichier « %s » n&apos;a pas pu être écrit - veuillez vérifier les droits d&apos;écriture sur le support de données.</translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; could not be read.</source>
        <translation>Le fichier « %s » n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>Attempted to create layer with existing name</source>
        <translation>Tentative de création d&apos;un calque portant un nom existant</translation>
    </message>
</context>
<context>
    <name>Dateidialoge</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors (*.VSK *.vsk)</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ (*.VSK *.vsk)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>IFC models (*.ifc)</source>
        <translation>Modèles IFC (*.ifc)</translation>
    </message>
</context>
<context>
    <name>Dateischreiber</name>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
</context>
<context>
    <name>Druck</name>
    <message>
        <source>Calculation for </source>
        <translation>Note de calcul pour </translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Nomenclature des goujons</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Imprimé le : </translation>
    </message>
    <message>
        <source>Designer: </source>
        <translation>Établi par : </translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Société : </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Projet :  </translation>
    </message>
    <message>
        <source>Position: </source>
        <translation>Position : </translation>
    </message>
    <message>
        <source>The use of the connector is not possible for the following reasons:</source>
        <translation>Le goujon ne peut pas être utilisé pour les raisons suivantes :</translation>
    </message>
    <message>
        <source>Save as PDF file</source>
        <translation>Enregistrer en fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed. The pages can be saved as a PDF file instead.</source>
        <translation>Aucune imprimante n&apos;est installée. Les pages peuvent être enregistrées dans un fichier PDF à la place.</translation>
    </message>
    <message>
        <source>The PDF file could not be written:</source>
        <translation>Le fichier PDF n&apos;a pas pu être écrit :</translation>
    </message>
    <message>
        <source>The document could not be printed.</source>
        <translation>Le document n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>Le fichier PDF n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Page %s of %s</source>
        <translation>Page %s sur %s</translation>
    </message>
</context>
<context>
    <name>DxfBefehle</name>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Fichiers DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DWG database (*.dwg)</source>
        <translation>Fichiers DWG (*.dwg)</translation>
    </message>
</context>
<context>
    <name>Eingabe</name>
    <message>
        <source>The thickness of the concrete slab is less than the minimum thickness of concrete for the smallest shear connector!</source>
        <translation>L&apos;épaisseur de la dalle est inférieure à l&apos;épaisseur de béton minimale requise pour le plus petit goujon !</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab to be connected is less than the structural effective height!</source>
        <translation>L&apos;épaisseur de la dalle à raccorder est inférieure à la hauteur utile !</translation>
    </message>
    <message>
        <source>Structural effective height is &lt; 10mm. Please check!</source>
        <translation>La hauteur utile est &lt; 10 mm. Veuillez vérifier !</translation>
    </message>
    <message>
        <source>Concrete cover above is &lt;10mm. Please check</source>
        <translation>L&apos;enrobage supérieur est &lt; 10 mm. Veuillez vérifier.</translation>
    </message>
    <message>
        <source>Concrete cover below is &lt;10mm.Please check</source>
        <translation>L&apos;enrobage inférieur est &lt; 10 mm. Veuillez vérifier.</translation>
    </message>
    <message>
        <source>The sum of the concrete cover is greater than the thickness of the concrete slab to be connected!</source>
        <translation>La somme des enrobages est supérieure à l&apos;épaisseur de la dalle à raccorder !</translation>
    </message>
    <message>
        <source>The wall thickness is less than the minimum required thickness of concrete for the smallest shear connector!</source>
        <translation>L&apos;épaisseur du voile est inférieure à l&apos;épaisseur de béton minimale requise pour le plus petit goujon !</translation>
    </message>
    <message>
        <source>It is only a position in the existing project.<byte value="xd"/>
<byte value="xd"/>
The last position cannot be removed!</source>
        <translation>Le projet ne contient qu&apos;une seule position.<byte value="xd"/>
<byte value="xd"/>
La dernière position ne peut pas être supprimée !</translation>
    </message>
    <message>
        <source>Do you want to save current calculation?</source>
        <translation>Voulez-vous enregistrer le calcul en cours ?</translation>
    </message>
    <message>
        <source>Cannot open file!</source>
        <translation>Impossible d&apos;ouvrir le fichier !</translation>
    </message>
    <message>
        <source>Error during Input: Only numbers allowed!<byte value="xd"/>
(plaease check writing of &quot;.&quot; and &quot;,&quot;) </source>
        <translation>Erreur de saisie : seules des valeurs numériques sont admises !<byte value="xd"/>
(veuillez vérifier l&apos;emploi de « . » et « , ») </translation>
    </message>
    <message>
        <source>Input value is smaller than allowed!</source>
        <translation>La valeur saisie est inférieure au minimum admis !</translation>
    </message>
    <message>
        <source>Input value is greater than allowed!</source>
        <translation>La valeur saisie est supérieure au maximum admis !</translation>
    </message>
    <message>
        <source>Die Dateilanzeige zum Dorn ist noch nicht aktiviert</source>
        <translation>L&apos;affichage du fichier du goujon n&apos;est pas encore activé</translation>
    </message>
    <message>
        <source>Two values are expected: x and q.</source>
        <translation>Deux valeurs sont attendues : x et q.</translation>
    </message>
    <message>
        <source>The text holds no load points.</source>
        <translation>Le texte ne contient aucun point de charge.</translation>
    </message>
    <message>
        <source>Line %s: </source>
        <translation>Ligne %s : </translation>
    </message>
    <message>
        <source>A load holds at most %s points.</source>
        <translation>Une charge comporte au plus %s points.</translation>
    </message>
    <message>
        <source>at least %s</source>
        <translation>au moins %s</translation>
    </message>
    <message>
        <source>at most %s</source>
        <translation>au plus %s</translation>
    </message>
    <message>
        <source>Allowed: %s</source>
        <translation>Admissible : %s</translation>
    </message>
    <message>
        <source>The unit of x &quot;%s&quot; is not known: mm, cm or m are expected.</source>
        <translation>L&apos;unité de x « %s » n&apos;est pas connue : mm, cm ou m sont attendus.</translation>
    </message>
    <message>
        <source>An input value is not a number. Please check!</source>
        <translation>Une valeur saisie n&apos;est pas un nombre. Veuillez vérifier !</translation>
    </message>
    <message>
        <source>The thickness of the concrete slab is greater than %s mm. Please check!</source>
        <translation>L&apos;épaisseur de la dalle en béton dépasse %s mm. Veuillez vérifier !</translation>
    </message>
    <message>
        <source>x is smaller than in the line before: the points are expected along the joint.</source>
        <translation>x est plus petit qu&apos;à la ligne précédente : les points sont attendus le long du joint.</translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Not able to write to file %s</source>
        <translation>Impossible d&apos;écrire dans le fichier %s</translation>
    </message>
    <message>
        <source>The settings file %s cannot be read. The program uses its default settings.</source>
        <translation>Le fichier de paramètres %s ne peut pas être lu. Le programme utilise ses paramètres par défaut.</translation>
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
        <translation>Le fichier - </translation>
    </message>
    <message>
        <source> - was not found.The required file can only be installed from the CD version!</source>
        <translation> - est introuvable. Ce fichier ne peut être installé qu&apos;à partir de la version CD !</translation>
    </message>
</context>
<context>
    <name>IFC</name>
    <message>
        <source>Other positions of the project are calculated too. Export all calculated positions? (No: the current position only)</source>
        <translation>D&apos;autres positions du projet sont également calculées. Exporter toutes les positions calculées ? (Non : seulement la position actuelle)</translation>
    </message>
    <message>
        <source>Default storey</source>
        <translation>Étage par défaut</translation>
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
        <translation>La nomenclature des goujons n&apos;a pas pu être exportée - veuillez vérifier les droits d&apos;écriture sur le support de données.</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Type : </translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Nomenclature des goujons</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Société : </translation>
    </message>
    <message>
        <source>Project:  </source>
        <translation>Projet :  </translation>
    </message>
    <message>
        <source>Printed from: </source>
        <translation>Imprimé le : </translation>
    </message>
    <message>
        <source>Mat.-Pos quantity denomination</source>
        <translation>Repère Quantité    Désignation</translation>
    </message>
    <message>
        <source>Shear connectors to transverse force transmission in inexpansion joint supply and</source>
        <translation>Fourniture de goujons pour transmission d&apos;efforts tranchants</translation>
    </message>
    <message>
        <source>construct according to the specification in the plan of the wing unit.</source>
        <translation>dans le joint de dilatation ; pose selon plans d&apos;exécution.</translation>
    </message>
    <message>
        <source>max. design resistance FRd: </source>
        <translation>Résistance de calcul max. FRd : </translation>
    </message>
    <message>
        <source> kN</source>
        <translation> kN</translation>
    </message>
    <message>
        <source>Material: stainless steel 1.4462</source>
        <translation>Matériau : acier inoxydable 1.4462</translation>
    </message>
    <message>
        <source>Position(s): </source>
        <translation>Position(s) : </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Goujon double composé d&apos;un élément mâle et d&apos;un fourreau</translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>et fourreau coupe-feu</translation>
    </message>
</context>
<context>
    <name>Objektmodell</name>
    <message>
        <source>Unnamed</source>
        <translation>Sans nom</translation>
    </message>
</context>
<context>
    <name>Programm</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectros</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ</translation>
    </message>
</context>
<context>
    <name>ProjektJson</name>
    <message>
        <source>A list of 1 to %s positions is expected.</source>
        <translation>Une liste de 1 à %s positions est attendue.</translation>
    </message>
    <message>
        <source>A group of keys {...} is expected.</source>
        <translation>Un groupe de clés {...} est attendu.</translation>
    </message>
    <message>
        <source>Unknown key.</source>
        <translation>Clé inconnue.</translation>
    </message>
    <message>
        <source>A text is expected.</source>
        <translation>Un texte est attendu.</translation>
    </message>
    <message>
        <source>A text holds at most %s bytes.</source>
        <translation>Un texte comporte au plus %s octets.</translation>
    </message>
    <message>
        <source>Control characters are not allowed in texts.</source>
        <translation>Les caractères de contrôle ne sont pas autorisés dans les textes.</translation>
    </message>
    <message>
        <source>A list of texts is expected.</source>
        <translation>Une liste de textes est attendue.</translation>
    </message>
    <message>
        <source>A list holds at most %s entries.</source>
        <translation>Une liste comporte au plus %s entrées.</translation>
    </message>
    <message>
        <source>A number is expected.</source>
        <translation>Un nombre est attendu.</translation>
    </message>
    <message>
        <source>A whole number from 0 to %s is expected.</source>
        <translation>Un nombre entier de 0 à %s est attendu.</translation>
    </message>
    <message>
        <source>A list of points [x, q] is expected.</source>
        <translation>Une liste de points [x, q] est attendue.</translation>
    </message>
    <message>
        <source>The load case does not fit the application case.</source>
        <translation>Le cas de charge ne convient pas au cas d&apos;application.</translation>
    </message>
    <message>
        <source>The document is not JSON (line %s, column %s).</source>
        <translation>Le document n&apos;est pas du JSON (ligne %s, colonne %s).</translation>
    </message>
    <message>
        <source>Position %s: </source>
        <translation>Position %s : </translation>
    </message>
    <message>
        <source>Position %s, key &quot;%s&quot;: </source>
        <translation>Position %s, clé &quot;%s&quot; : </translation>
    </message>
    <message>
        <source>Key &quot;%s&quot;: </source>
        <translation>Clé &quot;%s&quot; : </translation>
    </message>
    <message>
        <source>The number in line %s, column %s is out of range.</source>
        <translation>Le nombre à la ligne %s, colonne %s est hors limites.</translation>
    </message>
    <message>
        <source>The key is given twice.</source>
        <translation>La clé est indiquée deux fois.</translation>
    </message>
</context>
<context>
    <name>Projektbericht</name>
    <message>
        <source>Project Report</source>
        <translation>Rapport de projet</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Application case</source>
        <translation>Cas d&apos;application</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Connectors</source>
        <translation>Connecteurs</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>utilisable</translation>
    </message>
    <message>
        <source>not usable</source>
        <translation>non utilisable</translation>
    </message>
    <message>
        <source>not calculated</source>
        <translation>non calculé</translation>
    </message>
</context>
<context>
    <name>Projektdatei</name>
    <message>
        <source>Error during saving the data - unable to save the project</source>
        <translation>Erreur lors de l&apos;enregistrement des données - impossible d&apos;enregistrer le projet</translation>
    </message>
    <message>
        <source>Error during opening the data file - unable to read project data</source>
        <translation>Erreur lors de l&apos;ouverture du fichier - impossible de lire les données du projet</translation>
    </message>
    <message>
        <source>The file is not a valid Tervo - VSK File</source>
        <translation>Le fichier n&apos;est pas un fichier Tervo - VSK valide</translation>
    </message>
    <message>
        <source>The data file was created with an old version of the programm. The import of this data can cause calculation problems, please check all data!</source>
        <translation>Le fichier a été créé avec une ancienne version du programme. L&apos;import de ces données peut entraîner des problèmes de calcul, veuillez vérifier toutes les données !</translation>
    </message>
    <message>
        <source>The project cannot take more positions.</source>
        <translation>Le projet ne peut pas contenir davantage de positions.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is not well-formed XML (line %s).</source>
        <translation>Le fichier n&apos;est pas un XML bien formé (ligne %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s does not name this program.</source>
        <translation>L&apos;élément &quot;%s&quot; à la ligne %s ne désigne pas ce programme.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; is missing (line %s).</source>
        <translation>L&apos;élément &quot;%s&quot; manque (ligne %s).</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s cannot be read.</source>
        <translation>L&apos;élément &quot;%s&quot; à la ligne %s ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Element &quot;%s&quot; in line %s goes beyond what a project file can hold.</source>
        <translation>L&apos;élément &quot;%s&quot; à la ligne %s dépasse ce qu&apos;un fichier de projet peut contenir.</translation>
    </message>
    <message>
        <source>The project is larger than a project file can hold.</source>
        <translation>Le projet est plus grand que ce qu&apos;un fichier de projet peut contenir.</translation>
    </message>
</context>
<context>
    <name>QMainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projet</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Saisie</translation>
    </message>
    <message>
        <source>&amp;Connector Schedule</source>
        <translation>&amp;Nomenclature</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Résultats</translation>
    </message>
    <message>
        <source>&amp;Export Results</source>
        <translation>&amp;Exporter les résultats</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
</context>
<context>
    <name>Skizzen</name>
    <message>
        <source>Vertical Reinforcement: </source>
        <translation>Armatures verticales : </translation>
    </message>
    <message>
        <source> - T</source>
        <translation> HA</translation>
    </message>
    <message>
        <source> U-bars</source>
        <translation> en U</translation>
    </message>
    <message>
        <source>Top and Bottom: </source>
        <translation>Sup. et inf. : </translation>
    </message>
    <message>
        <source>2 x </source>
        <translation>2 x </translation>
    </message>
    <message>
        <source>Top: </source>
        <translation>Sup. : </translation>
    </message>
    <message>
        <source>Bottom: </source>
        <translation>Inf. : </translation>
    </message>
</context>
<context>
    <name>Stueckliste</name>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Not active</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>the current position is already in the existing connector schedule.<byte value="xd"/>
<byte value="xd"/>
Should this be overwritten?</source>
        <translation>La position courante figure déjà dans la nomenclature des goujons.<byte value="xd"/>
<byte value="xd"/>
Faut-il la remplacer ?</translation>
    </message>
    <message>
        <source>Mat.-Pos</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Quantity of parts</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Shear connectors supply to transverse force transmission in expansion</source>
        <translation>Fourniture de goujons de cisaillement pour la transmission des efforts</translation>
    </message>
    <message>
        <source>joint and install according to the specification of the wing element.</source>
        <translation>tranchants dans le joint de dilatation ; pose selon les plans d&apos;exécution.</translation>
    </message>
    <message>
        <source>max. design Resistance FRd</source>
        <translation>Résistance de calcul max. FRd</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>stainless steel 1.4462</source>
        <translation>acier inoxydable 1.4462</translation>
    </message>
    <message>
        <source>Position(s):   </source>
        <translation>Position(s) :   </translation>
    </message>
    <message>
        <source>Double shear connector consisting of dowel element and sleeve</source>
        <translation>Goujon double composé d&apos;un élément mâle et d&apos;un fourreau</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Type : </translation>
    </message>
    <message>
        <source>and fire protection sleeve</source>
        <translation>et fourreau coupe-feu</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Fire protection sleeve</source>
        <translation>Fourreau coupe-feu</translation>
    </message>
    <message>
        <source>max. design Resistance FRd [kN]</source>
        <translation>Résistance de calcul max. FRd [kN]</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Connector schedule entry %s replaced: position %s, %s x %s</source>
        <translation>Ligne %s de la nomenclature remplacée : position %s, %s x %s</translation>
    </message>
    <message>
        <source>Connector schedule entry %s added: position %s, %s x %s</source>
        <translation>Ligne %s ajoutée à la nomenclature : position %s, %s x %s</translation>
    </message>
    <message>
        <source>Schedule entry %s (position %s) holds %s x %s; the position now gives %s x %s.</source>
        <translation>L'entrée %s de la liste (position %s) contient %s x %s ; la position donne maintenant %s x %s.</translation>
    </message>
</context>
<context>
    <name>TWinexecute</name>
    <message>
        <source>File not found!</source>
        <translation>Fichier introuvable !</translation>
    </message>
    <message>
        <source>Display not activated</source>
        <translation>Affichage non activé</translation>
    </message>
    <message>
        <source>not enough emory, damaged executable file, or not allowed move</source>
        <translation>Mémoire insuffisante, fichier exécutable endommagé ou relocalisation non autorisée</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>Path not found.</source>
        <translation>Chemin introuvable.</translation>
    </message>
    <message>
        <source>Unzulässiger Versuch, eine Task dynamisch einzubinden, oder es gab einen Fehler beim gemeinsamen Zugriff bzw. einen Zugriffsfehler im Netzwerk.</source>
        <translation>Tentative non autorisée de lier dynamiquement une tâche, ou erreur de partage ou d&apos;accès au réseau.</translation>
    </message>
    <message>
        <source>Bibliothek erfordert getrennte Datensegmente für jede Task.</source>
        <translation>La bibliothèque exige des segments de données séparés pour chaque tâche.</translation>
    </message>
    <message>
        <source>Not enough memory to start the application.</source>
        <translation>Mémoire insuffisante pour démarrer l&apos;application.</translation>
    </message>
    <message>
        <source>Wrong Windows-Version.</source>
        <translation>Version de Windows incorrecte.</translation>
    </message>
    <message>
        <source>Invalid .EXE-file.</source>
        <translation>Fichier .EXE non valide.</translation>
    </message>
    <message>
        <source>Application is based on a other operation system.</source>
        <translation>L&apos;application est prévue pour un autre système d&apos;exploitation.</translation>
    </message>
    <message>
        <source>DOS 4.0-application.</source>
        <translation>Application DOS 4.0.</translation>
    </message>
    <message>
        <source>Unknown .EXE-filetype.</source>
        <translation>Type de fichier .EXE inconnu.</translation>
    </message>
    <message>
        <source>Versuch, im Protected Mode (Standardmodus oder erweiterter 386-Modus) eine für frühere Windows-Versionen erstellte .EXE-Datei zu laden</source>
        <translation>Tentative de charger en mode protégé (mode standard ou mode 386 étendu) un fichier .EXE créé pour une version antérieure de Windows</translation>
    </message>
    <message>
        <source>You tried to start second time, die mehrfache (nicht Read-Only markierte) Datensegmente enthält.</source>
        <translation>Vous avez tenté de démarrer une deuxième fois une application qui contient plusieurs segments de données non marqués en lecture seule.</translation>
    </message>
    <message>
        <source>You tried to excecute a zipped file. The file must be unzipped, before loading.</source>
        <translation>Vous avez tenté d&apos;exécuter un fichier compressé. Le fichier doit être décompressé avant le chargement.</translation>
    </message>
    <message>
        <source>The Dynamic-Link-Library(DLL)-file was damaged. A necessary DLL, to start the application is damaged or missing.</source>
        <translation>Le fichier de bibliothèque dynamique (DLL) est endommagé. Une DLL nécessaire au démarrage de l&apos;application est endommagée ou manquante.</translation>
    </message>
    <message>
        <source>The application needs a 32-Bit-Environment.</source>
        <translation>L&apos;application nécessite un environnement 32 bits.</translation>
    </message>
    <message>
        <source>Application not found to start selected file</source>
        <translation>Aucune application trouvée pour ouvrir le fichier choisi</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Texttabellen</name>
    <message>
        <source>OK\d &lt; d min\Vsd &gt; VRd\e &lt; min e\c &lt; min c\e &lt; suit e\f &gt; permissible\e &lt; reqd e\c &lt; reqd c\dw &lt; reqd dw\</source>
        <translation>OK\d &lt; d min\Vsd &gt; VRd\e &lt; e min\c &lt; c min\e &lt; e adapté\f &gt; admissible\e &lt; e requis\c &lt; c requis\dw &lt; dw requis\</translation>
    </message>
    <message>
        <source>Calculation ok\Concrete thickness too small\Load too great\Connector spacing is below minimum value\Connector edge distance is below minimum value\Spacing too small to suit vertical reinforcement\Joint width out of range for this dowel\Connector spacing for standard reinforcement too small for approval\Edge spacing according to standard reinforcement too small for approval\The wall thickness is smaller than required for the selected connector\</source>
        <translation>Calcul OK\Épaisseur de béton insuffisante\Charge trop élevée\Entraxe des goujons inférieur à la valeur minimale\Distance au bord inférieure à la valeur minimale\Entraxe trop faible pour les armatures verticales\Largeur de joint hors du domaine de ce goujon\Entraxe trop faible pour l&apos;agrément avec les armatures standard\Distance au bord trop faible pour l&apos;agrément avec les armatures standard\Épaisseur du voile inférieure à celle requise pour le goujon choisi\</translation>
    </message>
    <message>
        <source>The maximum spacings of the dowels is larger than 5 * slab thickness. Please check dowel alignment!\Minimum spacing and edge distance are based on the thinnest slab for the actual connector load\</source>
        <translation>L&apos;entraxe maximal des goujons dépasse 5 * l&apos;épaisseur de dalle. Vérifier la disposition des goujons !\Entraxe et distance au bord minimaux basés sur la dalle la plus mince pour l&apos;effort du goujon\</translation>
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
        <translation>Position                          \Nb pos.\Nb goujons\Désignation                                           \Total goujons\État\Pos\Épaisseur de dalle\Hauteur utile\Type d&apos;appui\</translation>
    </message>
    <message>
        <source>Single shear connector loaded with point load\Row of shear connectors - connection slab to slab\Row of shear connectors - connection slab to wall\</source>
        <translation>Goujon isolé sous charge ponctuelle\Rangée de goujons - liaison dalle-dalle\Rangée de goujons - liaison dalle-voile\</translation>
    </message>
    <message>
        <source>Single shear connector\Connector row, slab to slab\Connector row, slab to wall\</source>
        <translation>Goujon isolé\Rangée de goujons, dalle-dalle\Rangée de goujons, dalle-voile\</translation>
    </message>
    <message>
        <source>reinf&apos;t based on max. FRd\reinf&apos;t based on act. FRd\</source>
        <translation>Armatures selon FRd max.\Armatures selon FRd effectif\</translation>
    </message>
    <message>
        <source>Unlimited\5 * Slab Thickness\</source>
        <translation>Illimité\5 * épaisseur de dalle\</translation>
    </message>
</context>
<context>
    <name>vsk-cli</name>
    <message>
        <source>--save needs a file name</source>
        <translation>--save demande un nom de fichier</translation>
    </message>
    <message>
        <source>unexpected argument</source>
        <translation>argument inattendu</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o demande un nom de fichier</translation>
    </message>
    <message>
        <source>a project file is needed</source>
        <translation>un fichier de projet est nécessaire</translation>
    </message>
    <message>
        <source>the format is needed: --json</source>
        <translation>le format est nécessaire : --json</translation>
    </message>
    <message>
        <source>a JSON document is needed</source>
        <translation>un document JSON est nécessaire</translation>
    </message>
    <message>
        <source>-o OUT.VSK is needed</source>
        <translation>-o OUT.VSK est nécessaire</translation>
    </message>
    <message>
        <source>--txt needs a file name</source>
        <translation>--txt demande un nom de fichier</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf demande un nom de fichier</translation>
    </message>
    <message>
        <source>--csv needs a file name</source>
        <translation>--csv demande un nom de fichier</translation>
    </message>
    <message>
        <source>--xlsx needs a file name</source>
        <translation>--xlsx demande un nom de fichier</translation>
    </message>
    <message>
        <source>expects a project file</source>
        <translation>attend un fichier de projet</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>écriture impossible</translation>
    </message>
    <message>
        <source>the output would replace the input file</source>
        <translation>la sortie remplacerait le fichier d&apos;entrée</translation>
    </message>
</context>
<context>
    <name>vsk::TBerichtbefehle</name>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Note de calcul</translation>
    </message>
</context>
<context>
    <name>vsk::TDXF_Anzeige_Form</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - DXF-Export</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ - Export DXF</translation>
    </message>
    <message>
        <source>DXF databases (*.dxf)</source>
        <translation>Fichiers DXF (*.dxf)</translation>
    </message>
    <message>
        <source>DXF display form</source>
        <translation>Affichage DXF</translation>
    </message>
    <message>
        <source>&amp;Save as DXF</source>
        <translation>&amp;Enregistrer en DXF</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
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
        <translation>Valider la saisie et fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Annu&amp;ler</translation>
    </message>
    <message>
        <source>Discard entry and close window</source>
        <translation>Annuler la saisie et fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Aide sur la fenêtre de saisie|Aide sur la saisie dans ce masque</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabePanel</name>
    <message>
        <source>Application Case</source>
        <translation>Cas d&apos;application</translation>
    </message>
    <message>
        <source>Single Shear Connector</source>
        <translation>Goujon isolé</translation>
    </message>
    <message>
        <source>Row of connectors in a slab</source>
        <translation>Rangée de goujons dans une dalle</translation>
    </message>
    <message>
        <source>Row of connectors in wall</source>
        <translation>Rangée de goujons dans un voile</translation>
    </message>
    <message>
        <source>Determination of reinforcement</source>
        <translation>Détermination des armatures</translation>
    </message>
    <message>
        <source>Concrete quality</source>
        <translation>Classe de béton</translation>
    </message>
    <message>
        <source>Maximum joint width</source>
        <translation>Largeur de joint maximale</translation>
    </message>
    <message>
        <source>Structural Geometry</source>
        <translation>Géométrie</translation>
    </message>
    <message>
        <source>Wall thickness</source>
        <translation>Épaisseur du voile</translation>
    </message>
    <message>
        <source>Slab thickness</source>
        <translation>Épaisseur de dalle</translation>
    </message>
    <message>
        <source>Concrete cover above</source>
        <translation>Enrobage supérieur</translation>
    </message>
    <message>
        <source>Concrete cover below</source>
        <translation>Enrobage inférieur</translation>
    </message>
    <message>
        <source>eff. structural height</source>
        <translation>Hauteur utile</translation>
    </message>
    <message>
        <source>Edge distance right</source>
        <translation>Distance au bord droite</translation>
    </message>
    <message>
        <source>Edge distance left</source>
        <translation>Distance au bord gauche</translation>
    </message>
    <message>
        <source>Concrete cover to front</source>
        <translation>Enrobage frontal</translation>
    </message>
    <message>
        <source>Joint length</source>
        <translation>Longueur de joint</translation>
    </message>
    <message>
        <source>Distributed Load</source>
        <translation>Charge répartie</translation>
    </message>
    <message>
        <source>&amp;Single load</source>
        <translation>Charge ponct&amp;uelle</translation>
    </message>
    <message>
        <source>Single load</source>
        <translation>Charge ponctuelle</translation>
    </message>
    <message>
        <source>&amp;constant</source>
        <translation>Cons&amp;tante</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>Charge linéique constante</translation>
    </message>
    <message>
        <source>&amp;Uniformly</source>
        <translation>&amp;Linéaire</translation>
    </message>
    <message>
        <source>increasing distributed load</source>
        <translation>Charge linéique à variation linéaire</translation>
    </message>
    <message>
        <source>&amp;Arbitrary</source>
        <translation>&amp;Quelconque</translation>
    </message>
    <message>
        <source>Arbitrary</source>
        <translation>Charge linéique quelconque</translation>
    </message>
    <message>
        <source>Dead load</source>
        <translation>Charge permanente</translation>
    </message>
    <message>
        <source>Partial safety factor</source>
        <translation>Coefficient partiel</translation>
    </message>
    <message>
        <source>Imposed load</source>
        <translation>Charge d&apos;exploitation</translation>
    </message>
    <message>
        <source>Add. design load</source>
        <translation>Charge de calcul suppl.</translation>
    </message>
    <message>
        <source>Total design load</source>
        <translation>Charge de calcul totale</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>Point Load</source>
        <translation>Charge ponctuelle</translation>
    </message>
    <message>
        <source>Load case</source>
        <translation>Cas de charge</translation>
    </message>
</context>
<context>
    <name>vsk::TEingabebaum</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As ...</source>
        <translation>Enregistrer sous ...</translation>
    </message>
    <message>
        <source>Printer Setup ...</source>
        <translation>Configuration de l&apos;imprimante ...</translation>
    </message>
    <message>
        <source>Project Administration</source>
        <translation>Gestion des projets</translation>
    </message>
    <message>
        <source>Add Position</source>
        <translation>Nouvelle position</translation>
    </message>
    <message>
        <source>Delete Current Position</source>
        <translation>Suppr. la position</translation>
    </message>
    <message>
        <source>System Input</source>
        <translation>Retour à la saisie</translation>
    </message>
    <message>
        <source>Project Data</source>
        <translation>Données projet</translation>
    </message>
    <message>
        <source>Display Connector Schedule</source>
        <translation>Afficher la nomenclature</translation>
    </message>
    <message>
        <source>Add to Connector Schedule</source>
        <translation>Ajouter à la nomenclature</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Paramètres de calcul</translation>
    </message>
    <message>
        <source>Screen Colours</source>
        <translation>Couleurs de l&apos;écran</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>About Help</source>
        <translation>Utilisation de l&apos;aide</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>À propos des goujons Tervo</translation>
    </message>
    <message>
        <source>Tervo Shear Connectors Manual</source>
        <translation>Manuel des goujons Tervo</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Project: </source>
        <translation>Projet : </translation>
    </message>
    <message>
        <source>Current Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Nomenclature</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Project Report as PDF ...</source>
        <translation>Rapport de projet en PDF ...</translation>
    </message>
</context>
<context>
    <name>vsk::TErgebnisliste</name>
    <message>
        <source>Connector</source>
        <translation>Goujon</translation>
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
        <translation>Remarques</translation>
    </message>
    <message>
        <source>VRd</source>
        <translation>VRd</translation>
    </message>
    <message>
        <source>Connector type</source>
        <translation>Type de connecteur</translation>
    </message>
    <message>
        <source>Actual area of the secondary reinforcement [mm²]</source>
        <translation>Section existante de l&apos;armature secondaire [mm²]</translation>
    </message>
    <message>
        <source>Actual area of the main reinforcement [mm²]</source>
        <translation>Section existante de l&apos;armature principale [mm²]</translation>
    </message>
    <message>
        <source>Design resistance of one connector [kN]</source>
        <translation>Résistance de calcul d&apos;un connecteur [kN]</translation>
    </message>
    <message>
        <source>Usage of one connector: design load / design resistance</source>
        <translation>Taux d&apos;utilisation d&apos;un connecteur : charge de calcul / résistance de calcul</translation>
    </message>
    <message>
        <source>Number of connectors</source>
        <translation>Nombre de connecteurs</translation>
    </message>
    <message>
        <source>Result of the checks</source>
        <translation>Résultat des vérifications</translation>
    </message>
</context>
<context>
    <name>vsk::THauptAktionen</name>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>New|Start a new project</source>
        <translation>Nouveau|Commencer un nouveau projet</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open|Open a project file</source>
        <translation>Ouvrir|Ouvrir un fichier de projet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save|Save the project</source>
        <translation>Enregistrer|Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Enregistrer &amp;sous ...</translation>
    </message>
    <message>
        <source>Save As|Save the project under a new name</source>
        <translation>Enregistrer sous|Enregistrer le projet sous un nouveau nom</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer Setup|Choose and set up the printer</source>
        <translation>Configuration de l&apos;imprimante|Choisir et configurer l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print|Print the calculation report</source>
        <translation>Imprimer|Imprimer la note de calcul</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit|End the program</source>
        <translation>Quitter|Quitter le programme</translation>
    </message>
    <message>
        <source>Project &amp;Administration</source>
        <translation>&amp;Gestion des projets</translation>
    </message>
    <message>
        <source>Project Administration|Browse and combine project files</source>
        <translation>Gestion des projets|Parcourir et combiner des fichiers de projet</translation>
    </message>
    <message>
        <source>&amp;Add Position</source>
        <translation>&amp;Ajouter une position</translation>
    </message>
    <message>
        <source>Add Position|Add a position as a copy of the current one</source>
        <translation>Ajouter une position|Ajouter une position, copie de la position courante</translation>
    </message>
    <message>
        <source>&amp;Delete Current Position</source>
        <translation>&amp;Supprimer la position courante</translation>
    </message>
    <message>
        <source>Delete Current Position|Remove the current position</source>
        <translation>Supprimer la position courante|Supprimer la position courante</translation>
    </message>
    <message>
        <source>Input &amp;Tree</source>
        <translation>&amp;Arborescence de saisie</translation>
    </message>
    <message>
        <source>Input Tree|Show or hide the input tree</source>
        <translation>Arborescence de saisie|Afficher ou masquer l&apos;arborescence de saisie</translation>
    </message>
    <message>
        <source>System &amp;Input</source>
        <translation>&amp;Retour à la saisie</translation>
    </message>
    <message>
        <source>System Input|Return from the preview to the input</source>
        <translation>Retour à la saisie|Revenir de l&apos;aperçu à la saisie</translation>
    </message>
    <message>
        <source>&amp;Project Data</source>
        <translation>&amp;Données du projet</translation>
    </message>
    <message>
        <source>Project Data|Edit the project description</source>
        <translation>Données du projet|Modifier la description du projet</translation>
    </message>
    <message>
        <source>&amp;Display Connector Schedule</source>
        <translation>&amp;Afficher la nomenclature</translation>
    </message>
    <message>
        <source>Display Connector Schedule|Show the connector schedule</source>
        <translation>Afficher la nomenclature|Afficher la nomenclature des goujons</translation>
    </message>
    <message>
        <source>&amp;Add to Connector Schedule</source>
        <translation>A&amp;jouter à la nomenclature</translation>
    </message>
    <message>
        <source>Add to Connector Schedule|Add the selected connector to the schedule</source>
        <translation>Ajouter à la nomenclature|Ajouter le goujon choisi à la nomenclature</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Calcul|Dimensionner la position courante</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>&amp;Aperçu de la note de calcul</translation>
    </message>
    <message>
        <source>Calculation Preview|Show the calculation report</source>
        <translation>Aperçu de la note de calcul|Afficher la note de calcul</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Connector</source>
        <translation>Export DXF - &amp;Goujon</translation>
    </message>
    <message>
        <source>DXF Export - Connector|Copy the drawing of the selected connector</source>
        <translation>Export DXF - Goujon|Copier le dessin du goujon choisi</translation>
    </message>
    <message>
        <source>DXF Export - &amp;Reinforcement</source>
        <translation>Export DXF - &amp;Armatures</translation>
    </message>
    <message>
        <source>DXF Export - Reinforcement|Export the reinforcement drawing</source>
        <translation>Export DXF - Armatures|Exporter le dessin des armatures</translation>
    </message>
    <message>
        <source>Export Results to &amp;File</source>
        <translation>Exporter les résultats vers un &amp;fichier</translation>
    </message>
    <message>
        <source>Export results to file|Save the report page as a picture</source>
        <translation>Exporter les résultats vers un fichier|Enregistrer la page de résultats comme image</translation>
    </message>
    <message>
        <source>Export Results to &amp;Clipboard</source>
        <translation>Exporter les résultats vers le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Results to Clipboard|Copy the report page to the clipboard</source>
        <translation>Résultats vers le presse-papiers|Copier la page de résultats dans le presse-papiers</translation>
    </message>
    <message>
        <source>Calculation|Design settings</source>
        <translation>Paramètres de calcul|Paramètres du dimensionnement</translation>
    </message>
    <message>
        <source>&amp;Screen Colours</source>
        <translation>&amp;Couleurs de l&apos;écran</translation>
    </message>
    <message>
        <source>Screen Colours|Colours of the sketches</source>
        <translation>Couleurs de l&apos;écran|Couleurs des croquis</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Contents|Help contents</source>
        <translation>Sommaire|Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>Search for Key&amp;word</source>
        <translation>Rechercher un &amp;mot-clé</translation>
    </message>
    <message>
        <source>Search for Keyword|Search the help</source>
        <translation>Rechercher un mot-clé|Rechercher dans l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Utilisation de l&apos;aide</translation>
    </message>
    <message>
        <source>Use of Help|How to use the help</source>
        <translation>Utilisation de l&apos;aide|Comment utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Tervo Shear Connectors</source>
        <translation>À &amp;propos des goujons Tervo</translation>
    </message>
    <message>
        <source>About|Version and copyright</source>
        <translation>À propos|Version et copyright</translation>
    </message>
    <message>
        <source>&amp;Tervo Shear Connectors Manual</source>
        <translation>Manuel des goujons &amp;Tervo</translation>
    </message>
    <message>
        <source>Manual|Open the manual</source>
        <translation>Manuel|Ouvrir le manuel</translation>
    </message>
    <message>
        <source>Export Report as P&amp;DF...</source>
        <translation>Exporter la note en P&amp;DF...</translation>
    </message>
    <message>
        <source>Export Report as PDF|Save the calculation report as a PDF file</source>
        <translation>Exporter la note en PDF|Enregistrer la note de calcul dans un fichier PDF</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <comment>Options menu: the design settings</comment>
        <translation>&amp;Paramètres de calcul</translation>
    </message>
    <message>
        <source>IFC Export|Export the designed joints as an IFC model</source>
        <translation>Export IFC|Exporter les joints dimensionnés comme modèle IFC</translation>
    </message>
    <message>
        <source>Export Project &amp;Report as PDF...</source>
        <translation>Exporter le &amp;rapport de projet en PDF...</translation>
    </message>
    <message>
        <source>Export Project Report as PDF|Save the summary, the report of every position and the connector schedule as one PDF file</source>
        <translation>Exporter le rapport de projet en PDF|Enregistrer le récapitulatif, le rapport de chaque position et la liste des connecteurs dans un seul fichier PDF</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo|Take back the last change of the project</source>
        <translation>Annuler|Annuler la dernière modification du projet</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo|Make the change again that was taken back</source>
        <translation>Rétablir|Refaire la modification annulée</translation>
    </message>
    <message>
        <source>&amp;IFC Export</source>
        <translation>Export &amp;IFC</translation>
    </message>
</context>
<context>
    <name>vsk::TProjektberichtbefehl</name>
    <message>
        <source>Exporting the project report...</source>
        <translation>Exportation du rapport de projet...</translation>
    </message>
    <message>
        <source>Project Report</source>
        <translation>Rapport de projet</translation>
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
        <translation>Pleine largeur</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
</context>
<context>
    <name>vsk::TWiederherstellung</name>
    <message>
        <source>Unnamed</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>The program did not end properly last time. The unsaved changes of &quot;%1&quot; from %2 can be restored.

Do you want to restore them?</source>
        <translation>Le programme ne s&apos;est pas terminé correctement la dernière fois. Les modifications non enregistrées de &quot;%1&quot; du %2 peuvent être restaurées.

Voulez-vous les restaurer ?</translation>
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
        <translation>Le fabricant décline toute responsabilité quant aux informations fournies par ce programme. Aucune réclamation pour dommages directs ou indirects ne pourra être prise en compte.</translation>
    </message>
    <message>
        <source>Enter the input with care and check that every result is acceptable before you use it.</source>
        <translation>Saisissez les données avec soin et vérifiez que chaque résultat est acceptable avant de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>The program is not guaranteed to run on present or future operating systems.</source>
        <translation>Le fonctionnement du programme n&apos;est pas garanti sur les systèmes d&apos;exploitation actuels ou futurs.</translation>
    </message>
    <message>
        <source>The maker may change the design and the technical data of the products without notice.</source>
        <translation>Le fabricant peut modifier sans préavis la conception et les caractéristiques techniques des produits.</translation>
    </message>
    <message>
        <source>Please report program errors to the maker with full details of the input and of what happened.</source>
        <translation>Veuillez signaler les erreurs au fabricant en précisant toutes les données saisies et ce qui s&apos;est produit.</translation>
    </message>
    <message>
        <source>About Tervo Shear Connectors</source>
        <translation>À propos des goujons Tervo</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ</translation>
    </message>
    <message>
        <source>This program will enable the calculation of VSK and VSKQ shear connectors supporting higher transverse loads</source>
        <translation>Ce programme permet de dimensionner les goujons de cisaillement VSK et VSKQ reprenant des efforts tranchants élevés</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Created on:</source>
        <translation>Créé le :</translation>
    </message>
    <message>
        <source>© Tervo Connector Systems. All rights reserved.</source>
        <translation>© Tervo Connector Systems. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Telephone: +41 00 000 00 00</source>
        <translation>Téléphone : +41 00 000 00 00</translation>
    </message>
    <message>
        <source>E-mail: support@tervo.example</source>
        <translation>E-mail : support@tervo.example</translation>
    </message>
    <message>
        <source>Internet: www.tervo.example</source>
        <translation>Internet : www.tervo.example</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Back to main window | Back to main window</source>
        <translation>Retour à la fenêtre principale | Retour à la fenêtre principale</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBemessung</name>
    <message>
        <source>Settings for Calculation</source>
        <translation>Paramètres de calcul</translation>
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
        <translation>Coefficient partiel de l&apos;acier</translation>
    </message>
    <message>
        <source>reinforcement yield strength</source>
        <translation>Limite d&apos;élasticité des armatures</translation>
    </message>
    <message>
        <source>Max. Spacing of Dowels</source>
        <translation>Entraxe max. des goujons</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmBewehrung</name>
    <message>
        <source>Reinforcement</source>
        <translation>Armatures</translation>
    </message>
    <message>
        <source>Number of Top and Bottom Reinforcement bars</source>
        <translation>Nombre de barres supérieures et inférieures</translation>
    </message>
    <message>
        <source>Change number of Top and Bottom Reinforcement bars</source>
        <translation>Modifier le nombre de barres supérieures et inférieures</translation>
    </message>
    <message>
        <source>Diameter of Top and Bottom Reinforcement bars</source>
        <translation>Diamètre des barres supérieures et inférieures</translation>
    </message>
    <message>
        <source>Change diameter of Top and Bottom Reinforcement bars</source>
        <translation>Modifier le diamètre des barres supérieures et inférieures</translation>
    </message>
    <message>
        <source>Number Vertical Reinforcement bars</source>
        <translation>Nombre de barres verticales</translation>
    </message>
    <message>
        <source>Change number Vertical Reinforcement bars</source>
        <translation>Modifier le nombre de barres verticales</translation>
    </message>
    <message>
        <source>Diameter of Vertical Reinforcement bars</source>
        <translation>Diamètre des barres verticales</translation>
    </message>
    <message>
        <source>Change diameter Vertical Reinforcement bars</source>
        <translation>Modifier le diamètre des barres verticales</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>-T</source>
        <translation>HA</translation>
    </message>
    <message>
        <source>Top and Bottom Reinforcement</source>
        <translation>Armatures supérieures et inférieures</translation>
    </message>
    <message>
        <source>Vertical Reinforcement</source>
        <translation>Armatures verticales</translation>
    </message>
    <message>
        <source>Reinforcement to current connector: </source>
        <translation>Armatures du goujon courant : </translation>
    </message>
    <message>
        <source>Intermediate result for reinforcement </source>
        <translation>Résultat intermédiaire pour les armatures </translation>
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
        <translation>&amp;Niveaux de gris</translation>
    </message>
    <message>
        <source>VSK - colour representation</source>
        <translation>VSK - représentation des couleurs</translation>
    </message>
    <message>
        <source>Colour of the sketch background</source>
        <translation>Couleur du fond des croquis</translation>
    </message>
    <message>
        <source>Colour of the concrete border</source>
        <translation>Couleur du contour du béton</translation>
    </message>
    <message>
        <source>Colour of the concrete surfaces</source>
        <translation>Couleur des surfaces de béton</translation>
    </message>
    <message>
        <source>Colour of the horizontal reinforcement (Pos B)</source>
        <translation>Couleur des armatures horizontales (pos. B)</translation>
    </message>
    <message>
        <source>Colour representation of the suspended reinforcement (pos D)</source>
        <translation>Couleur des armatures de suspension (pos. D)</translation>
    </message>
    <message>
        <source>Colour of the shear connector border</source>
        <translation>Couleur du contour du goujon</translation>
    </message>
    <message>
        <source>Colour of the shear connector surface</source>
        <translation>Couleur de la surface du goujon</translation>
    </message>
    <message>
        <source>Colour representation of the dimensioning (Lines + Text)</source>
        <translation>Couleur de la cotation (lignes + texte)</translation>
    </message>
    <message>
        <source>Colour of the fire protection sleeve</source>
        <translation>Couleur du fourreau coupe-feu</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Croquis</translation>
    </message>
    <message>
        <source>Dimensioning</source>
        <translation>Cotation</translation>
    </message>
    <message>
        <source>Reinforcement</source>
        <translation>Armatures</translation>
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
        <translation>Béton</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Fire protection</source>
        <translation>Coupe-feu</translation>
    </message>
    <message>
        <source>Shear connector</source>
        <translation>Goujon</translation>
    </message>
    <message>
        <source>Set back colour to standard value</source>
        <translation>Rétablir les couleurs par défaut</translation>
    </message>
    <message>
        <source>Adjust colour representation to grey scale</source>
        <translation>Afficher les couleurs en niveaux de gris</translation>
    </message>
    <message>
        <source>Leave entry mask and undertake entry!</source>
        <translation>Quitter le masque et valider la saisie !</translation>
    </message>
    <message>
        <source>Leave entry mask and discard entry!</source>
        <translation>Quitter le masque et annuler la saisie !</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHauptMaske</name>
    <message>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>lfd Nr.:</source>
        <translation>N° :</translation>
    </message>
    <message>
        <source>Current position|Number of the position shown</source>
        <translation>Position courante|Numéro de la position affichée</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Calculation|Design the current position</source>
        <translation>Calcul|Dimensionner la position courante</translation>
    </message>
    <message>
        <source>&amp;Calculation</source>
        <translation>&amp;Calcul</translation>
    </message>
    <message>
        <source>Calculation &amp;Preview</source>
        <translation>Ap&amp;erçu de la note</translation>
    </message>
    <message>
        <source>&amp;Return to entry</source>
        <translation>Re&amp;tour à la saisie</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>To &amp;Clipboard</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projet :</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Sketch|Click for the sketch menu</source>
        <translation>Croquis|Cliquer pour le menu du croquis</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>plan view</source>
        <translation>Vue en plan</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>Connector arrangement / distribution</source>
        <translation>Disposition / répartition des goujons</translation>
    </message>
    <message>
        <source>Fit reinforcement manually</source>
        <translation>Ajuster les armatures manuellement</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Croquis vers le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Enregistrer le croquis dans un fichier</translation>
    </message>
    <message>
        <source>Represent sketch as full picture</source>
        <translation>Afficher le croquis en plein écran</translation>
    </message>
    <message>
        <source>DXF-Export</source>
        <translation>Export DXF</translation>
    </message>
    <message>
        <source>VSK - 2.0</source>
        <translation>VSK - 2.0</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ</translation>
    </message>
    <message>
        <source>Drawing of connector</source>
        <translation>Dessin du goujon</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Nomenclature</translation>
    </message>
    <message>
        <source>Import Position</source>
        <translation>Importer une position</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmHilfe</name>
    <message>
        <source>VSK Help</source>
        <translation>Aide VSK</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Type the first letters of a keyword</source>
        <translation>Tapez les premières lettres d&apos;un mot-clé</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Use of Help</source>
        <translation>&amp;Utilisation de l&apos;aide</translation>
    </message>
    <message>
        <source>Help not found</source>
        <translation>Aide introuvable</translation>
    </message>
    <message>
        <source>The help pages were not found in the folder %1. Install the program again from the CD.</source>
        <translation>Les pages d&apos;aide sont introuvables dans le dossier %1. Réinstallez le programme à partir du CD.</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektdaten</name>
    <message>
        <source>Project Data</source>
        <translation>Données du projet</translation>
    </message>
    <message>
        <source>Description of building project|Entry of the description of the building project to be calculated</source>
        <translation>Désignation de l&apos;ouvrage|Saisie de la désignation de l&apos;ouvrage à calculer</translation>
    </message>
    <message>
        <source>Details planning office/firm (more lines)</source>
        <translation>Coordonnées bureau d&apos;études / entreprise (plusieurs lignes)</translation>
    </message>
    <message>
        <source>Entry of the name of the person in charge</source>
        <translation>Saisie du nom du responsable</translation>
    </message>
    <message>
        <source>Entry of date of the work</source>
        <translation>Saisie de la date de l&apos;étude</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Date du jour</translation>
    </message>
    <message>
        <source>Installation of today&apos;s date</source>
        <translation>Insérer la date du jour</translation>
    </message>
    <message>
        <source>Project:</source>
        <translation>Projet :</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>Établi par :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmProjektverwaltung</name>
    <message>
        <source>Tervo - Project Administration</source>
        <translation>Tervo - Gestion des projets</translation>
    </message>
    <message>
        <source>Choose drive|Choose drive with project data</source>
        <translation>Choisir le lecteur|Choisir le lecteur contenant les données de projet</translation>
    </message>
    <message>
        <source>Choose directory|Choose directory for project data</source>
        <translation>Choisir le dossier|Choisir le dossier des données de projet</translation>
    </message>
    <message>
        <source>Select project file|Select existing project file</source>
        <translation>Choisir le fichier de projet|Choisir un fichier de projet existant</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Prog</source>
        <translation>Prog</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Connection Type</source>
        <translation>Type de liaison</translation>
    </message>
    <message>
        <source>Length of Joint</source>
        <translation>Long. de joint</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Select position in project|Select to open position in project</source>
        <translation>Choisir une position du projet|Choisir la position à ouvrir dans le projet</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>&amp;Ouvrir le projet</translation>
    </message>
    <message>
        <source>Open chosen project</source>
        <translation>Ouvrir le projet choisi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Leave project maintenance without activities</source>
        <translation>Quitter la gestion des projets sans rien modifier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Aide sur la fenêtre de saisie|Aide sur la saisie dans ce masque</translation>
    </message>
    <message>
        <source>Position &amp;Undertake</source>
        <translation>&amp;Reprendre la position</translation>
    </message>
    <message>
        <source>Open chosen position|Add chosen position to existing project</source>
        <translation>Ouvrir la position choisie|Ajouter la position choisie au projet courant</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Lecteur</translation>
    </message>
    <message>
        <source>&amp;Directory</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projet</translation>
    </message>
    <message>
        <source>Project &amp;Contents</source>
        <translation>&amp;Contenu du projet</translation>
    </message>
    <message>
        <source>No: </source>
        <translation>N° </translation>
    </message>
</context>
<context>
    <name>vsk::TfrmSplash</name>
    <message>
        <source>Selected language not available!</source>
        <translation>La langue choisie n&apos;est pas disponible !</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ</translation>
    </message>
    <message>
        <source>Design of stainless-steel shear connectors across expansion joints</source>
        <translation>Dimensionnement des goujons de cisaillement en acier inoxydable dans les joints de dilatation</translation>
    </message>
    <message>
        <source>&amp;Start Program</source>
        <translation>&amp;Démarrer le programme</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmStueckliste</name>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connectors - Connector Schedule</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ - Nomenclature des goujons</translation>
    </message>
    <message>
        <source>Supplementary information to the connector schedule</source>
        <translation>Informations complémentaires à la nomenclature des goujons</translation>
    </message>
    <message>
        <source>Entry of supplementary advice text</source>
        <translation>Saisie d&apos;un texte de remarque complémentaire</translation>
    </message>
    <message>
        <source>Current Choice</source>
        <translation>Sélection courante</translation>
    </message>
    <message>
        <source>Number of similar positions for current choice</source>
        <translation>Nombre de positions identiques pour la sélection courante</translation>
    </message>
    <message>
        <source>Number of similar positions</source>
        <translation>Nombre de positions identiques</translation>
    </message>
    <message>
        <source>Position &amp;Delete</source>
        <translation>&amp;Supprimer la position</translation>
    </message>
    <message>
        <source>When exporting a long connector schedule as graphic it has to be taken</source>
        <translation>Lors de l&apos;export d&apos;une longue nomenclature sous forme d&apos;image, il faut</translation>
    </message>
    <message>
        <source>into account that there are no page breaks beforehand in the graphic.</source>
        <translation>tenir compte du fait que l&apos;image ne comporte aucun saut de page.</translation>
    </message>
    <message>
        <source>With long connector schedules you can divide the connector schedule</source>
        <translation>Une longue nomenclature peut être répartie sur deux fichiers d&apos;export</translation>
    </message>
    <message>
        <source>into two or more export files through deactivating of single positions.</source>
        <translation>ou plus en désactivant certaines positions.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Prints out the connector schedule</source>
        <translation>Imprime la nomenclature des goujons</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>display the list view of the connector schedule</source>
        <translation>Afficher la nomenclature sous forme de liste</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Export the connector schedule</source>
        <translation>Exporter la nomenclature des goujons</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>copies the connector schedule to clipboard</source>
        <translation>Copie la nomenclature des goujons dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Leave connector schedule</source>
        <translation>Quitter la nomenclature des goujons</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Help in the input window|Help in the input in the mask</source>
        <translation>Aide sur la fenêtre de saisie|Aide sur la saisie dans ce masque</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Connector Schedule</source>
        <translation>Nomenclature des goujons</translation>
    </message>
    <message>
        <source>Export in Metafile Format (*.emf)</source>
        <translation>Export au format métafichier (*.emf)</translation>
    </message>
    <message>
        <source>Export in Bitmap Format (*.bmp)</source>
        <translation>Export au format bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Export in JPeg Format (*.jpg)</source>
        <translation>Export au format JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Export in Text Format (*.txt)</source>
        <translation>Export au format texte (*.txt)</translation>
    </message>
    <message>
        <source>Export in PDF Format (*.pdf)</source>
        <translation>Export au format PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export in SVG Format (*.svg)</source>
        <translation>Export au format SVG (*.svg)</translation>
    </message>
    <message>
        <source>Tervo - VSK / VSKQ Shear Connector - Export Connector Schedule</source>
        <translation>Tervo - Goujons de cisaillement VSK / VSKQ - Export de la nomenclature</translation>
    </message>
    <message>
        <source>Export as CSV Table (*.csv)</source>
        <translation>Export en tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export as XLSX Workbook (*.xlsx)</source>
        <translation>Export en classeur XLSX (*.xlsx)</translation>
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
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy printout of results to clipboard</source>
        <translation>Copier l&apos;image des résultats dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>Export printout of results in file</source>
        <translation>Exporter l&apos;image des résultats dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Sketch to &amp;Clipborad</source>
        <translation>Croquis vers le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Save sketch in file</source>
        <translation>Enregistrer le croquis dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>&amp;Fermer la fenêtre</translation>
    </message>
</context>
<context>
    <name>vsk::TfrmbeliebigeLast</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Entry of arbitrary transverse force distribution</source>
        <translation>Saisie d&apos;une répartition quelconque de l&apos;effort tranchant</translation>
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
        <translation>Couples de valeurs de la charge linéique</translation>
    </message>
    <message>
        <source>Coordinates for entered load measured form the left</source>
        <translation>Abscisse de la charge saisie, mesurée depuis la gauche</translation>
    </message>
    <message>
        <source>Value of loading at the position of the coordinate x</source>
        <translation>Valeur de la charge à l&apos;abscisse x</translation>
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
        <translation>Ajouter le couple de valeurs|Ajouter le couple de valeurs (x,q) à la liste</translation>
    </message>
    <message>
        <source>Transfer changes in the list|Transfer changes in the pairs of values (x,q) in the list</source>
        <translation>Appliquer les modifications|Appliquer à la liste les modifications du couple de valeurs (x,q)</translation>
    </message>
    <message>
        <source>delete current pair of values|delete current pair of values (x,q) from the list</source>
        <translation>Supprimer le couple de valeurs|Supprimer de la liste le couple de valeurs (x,q) courant</translation>
    </message>
    <message>
        <source>A value for the entered coordinate already exists!</source>
        <translation>Une valeur existe déjà pour l&apos;abscisse saisie !</translation>
    </message>
    <message>
        <source> Should this be overwritten?</source>
        <translation> Faut-il la remplacer ?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>« %1 » n&apos;est pas une valeur numérique valide</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv *.tsv *.prn);;All files (*)</source>
        <translation>Fichiers texte (*.txt *.csv *.tsv *.prn);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import points from file</source>
        <translation>Importer des points depuis un fichier</translation>
    </message>
    <message>
        <source>Export points to file</source>
        <translation>Exporter les points dans un fichier</translation>
    </message>
    <message>
        <source>Load points|Right mouse button: paste, copy, import or export the points</source>
        <translation>Points de charge|Bouton droit de la souris : coller, copier, importer ou exporter les points</translation>
    </message>
    <message>
        <source>&amp;Paste points</source>
        <translation>&amp;Coller les points</translation>
    </message>
    <message>
        <source>&amp;Copy points</source>
        <translation>C&amp;opier les points</translation>
    </message>
    <message>
        <source>&amp;Import points from file...</source>
        <translation>&amp;Importer des points depuis un fichier...</translation>
    </message>
    <message>
        <source>&amp;Export points to file...</source>
        <translation>&amp;Exporter les points dans un fichier...</translation>
    </message>
    <message>
        <source>The table already holds load points.</source>
        <translation>Le tableau contient déjà des points de charge.</translation>
    </message>
    <message>
        <source>Should they be replaced?</source>
        <translation>Faut-il les remplacer ?</translation>
    </message>
</context>
<context>
    <name>vsk::Zoom_panel</name>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Whole drawing</source>
        <translation>Dessin entier</translation>
    </message>
    <message>
        <source>Previous view</source>
        <translation>Vue précédente</translation>
    </message>
</context>
</TS>
