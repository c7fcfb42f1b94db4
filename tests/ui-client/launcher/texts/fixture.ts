<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Orvanta Backup</source>
        <translation>Line one\nLine two\tTabbed \N \T</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxyserver</translation>
    </message>
</context>
<context>
    <name>other</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
