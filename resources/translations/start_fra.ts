<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>vsk::TfrmStartup</name>
    <message>
        <source>With the VSK program installation you can optionally install documents in pdf-format (Brochure).</source>
        <translation>Lors de l&apos;installation du programme VSK, vous pouvez aussi installer des documents au format PDF (brochure).</translation>
    </message>
    <message>
        <source>To open these documents you need Acrobat Reader.</source>
        <translation>Pour ouvrir ces documents, vous avez besoin d&apos;Acrobat Reader.</translation>
    </message>
    <message>
        <source>Tervo</source>
        <translation>Tervo</translation>
    </message>
    <message>
        <source>Welcome to the installation of VSK calculation program</source>
        <translation>Bienvenue dans l&apos;installation du programme de calcul VSK</translation>
    </message>
    <message>
        <source>Install Calculation program</source>
        <translation>Installer le programme de calcul</translation>
    </message>
    <message>
        <source>Install Acrobat Reader</source>
        <translation>Installer Acrobat Reader</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Selected language not available!</source>
        <translation>La langue choisie n&apos;est pas disponible !</translation>
    </message>
</context>
</TS>
