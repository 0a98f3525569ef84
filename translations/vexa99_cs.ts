<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="cs_CZ">
<context>
    <name>ClassText</name>
    <message numerus="yes">
        <source>Do %1 chybí %n tuctů šípů s handicapem nejvýš %2 na %3 m</source>
        <translation>
            <numerusform>Do %1 chybí %n tucet šípů s handicapem nejvýš %2 na %3 m</numerusform>
            <numerusform>Do %1 chybějí %n tucty šípů s handicapem nejvýš %2 na %3 m</numerusform>
            <numerusform>Do %1 chybí %n tuctů šípů s handicapem nejvýš %2 na %3 m</numerusform>
        </translation>
    </message>
</context>
</TS>
