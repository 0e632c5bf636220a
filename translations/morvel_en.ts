<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>morvel::sightwin</name>
    <message numerus="yes">
        <source>and %n more row(s) that cannot be read (their tooltips say why).</source>
        <translation>
            <numerusform>and %n more row that cannot be read (its tooltip says why).</numerusform>
            <numerusform>and %n more rows that cannot be read (their tooltips say why).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) follow the DR and wait for it.</source>
        <translation>
            <numerusform>%n row follows the DR and waits for it.</numerusform>
            <numerusform>%n rows follow the DR and wait for it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>morvel::sightwin::SkyPanel</name>
    <message numerus="yes">
        <source>%n bodies above the horizon.</source>
        <translation>
            <numerusform>%n body above the horizon.</numerusform>
            <numerusform>%n bodies above the horizon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n bodies above the horizon are %2.</source>
        <translation>
            <numerusform>%1 of the %n body above the horizon is %2.</numerusform>
            <numerusform>%1 of the %n bodies above the horizon are %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
