<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_GB">
<context>
    <name>vsk::TfrmStartup</name>
    <message>
        <source>With the VSK program installation you can optionally install documents in pdf-format (Brochure).</source>
        <translation>Con la instalación del programa VSK puede instalar opcionalmente documentos en formato PDF (folleto).</translation>
    </message>
    <message>
        <source>To open these documents you need Acrobat Reader.</source>
        <translation>Para abrir estos documentos necesita Acrobat Reader.</translation>
    </message>
    <message>
        <source>Tervo</source>
        <translation>Tervo</translation>
    </message>
    <message>
        <source>Welcome to the installation of VSK calculation program</source>
        <translation>Bienvenido a la instalación del programa de cálculo VSK</translation>
    </message>
    <message>
        <source>Install Calculation program</source>
        <translation>Instalar programa VSK</translation>
    </message>
    <message>
        <source>Install Acrobat Reader</source>
        <translation>Instalar Acrobat Reader</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Selected language not available!</source>
        <translation>¡El idioma seleccionado no está disponible!</translation>
    </message>
</context>
</TS>
