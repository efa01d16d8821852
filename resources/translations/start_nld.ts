<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_GB">
<context>
    <name>vsk::TfrmStartup</name>
    <message>
        <source>With the VSK program installation you can optionally install documents in pdf-format (Brochure).</source>
        <translation>Bij de installatie van het VSK-programma kunt u desgewenst documenten in pdf-formaat (brochure) installeren.</translation>
    </message>
    <message>
        <source>To open these documents you need Acrobat Reader.</source>
        <translation>Om deze documenten te openen hebt u Acrobat Reader nodig.</translation>
    </message>
    <message>
        <source>Tervo</source>
        <translation>Tervo</translation>
    </message>
    <message>
        <source>Welcome to the installation of VSK calculation program</source>
        <translation>Welkom bij de installatie van het VSK-rekenprogramma</translation>
    </message>
    <message>
        <source>Install Calculation program</source>
        <translation>Rekenprogramma installeren</translation>
    </message>
    <message>
        <source>Install Acrobat Reader</source>
        <translation>Acrobat Reader installeren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Selected language not available!</source>
        <translation>Gekozen taal niet beschikbaar!</translation>
    </message>
</context>
</TS>
