<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_CH" sourcelanguage="en_GB">
<context>
    <name>vsk::TfrmStartup</name>
    <message>
        <source>With the VSK program installation you can optionally install documents in pdf-format (Brochure).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To open these documents you need Acrobat Reader.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tervo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to the installation of VSK calculation program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Calculation program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Acrobat Reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected language not available!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
