<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_GB">
<context>
    <name>vsk::TfrmStartup</name>
    <message>
        <source>With the VSK program installation you can optionally install documents in pdf-format (Brochure).</source>
        <translation>Con l&apos;installazione del programma VSK è possibile installare, a scelta, documenti in formato PDF (opuscolo).</translation>
    </message>
    <message>
        <source>To open these documents you need Acrobat Reader.</source>
        <translation>Per aprire questi documenti è necessario Acrobat Reader.</translation>
    </message>
    <message>
        <source>Tervo</source>
        <translation>Tervo</translation>
    </message>
    <message>
        <source>Welcome to the installation of VSK calculation program</source>
        <translation>Benvenuti nell&apos;installazione del programma di calcolo VSK</translation>
    </message>
    <message>
        <source>Install Calculation program</source>
        <translation>Installa il programma VSK</translation>
    </message>
    <message>
        <source>Install Acrobat Reader</source>
        <translation>Installa Acrobat Reader</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Selected language not available!</source>
        <translation>Lingua selezionata non disponibile!</translation>
    </message>
</context>
</TS>
