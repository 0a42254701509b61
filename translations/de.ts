<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Runtime</name>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Crash</source>
        <translation>Abstürzen</translation>
    </message>
    <message>
        <source>At line</source>
        <translation>In Zeile</translation>
    </message>
    <message>
        <source> of </source>
        <translation> von </translation>
    </message>
    <message>
        <source>Index </source>
        <translation>Der Index </translation>
    </message>
    <message>
        <source> is outside the DIM range 0 to</source>
        <translation> liegt außerhalb des DIM-Bereichs 0 bis</translation>
    </message>
    <message>
        <source>Array bounds error</source>
        <translation>Fehler: Feldgrenze überschritten</translation>
    </message>
</context>
</TS>
