<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_CH" sourcelanguage="en_GB">
<context>
    <name>vsk::TfrmStartup</name>
    <message>
        <source>With the VSK program installation you can optionally install documents in pdf-format (Brochure).</source>
        <translation>Mit dem VSK-Programm können Sie wahlweise Dokumente im PDF-Format (Broschüre) installieren.</translation>
    </message>
    <message>
        <source>To open these documents you need Acrobat Reader.</source>
        <translation>Zum Öffnen dieser Dokumente benötigen Sie Acrobat Reader.</translation>
    </message>
    <message>
        <source>Tervo</source>
        <translation>Tervo</translation>
    </message>
    <message>
        <source>Welcome to the installation of VSK calculation program</source>
        <translation>Willkommen bei der Installation des VSK-Berechnungsprogramms</translation>
    </message>
    <message>
        <source>Install Calculation program</source>
        <translation>VSK-Programm installieren</translation>
    </message>
    <message>
        <source>Install Acrobat Reader</source>
        <translation>Acrobat Reader installieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schliessen</translation>
    </message>
    <message>
        <source>Selected language not available!</source>
        <translation>Gewählte Sprache nicht verfügbar!</translation>
    </message>
</context>
</TS>
