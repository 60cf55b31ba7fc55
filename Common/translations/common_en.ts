<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>CDataDict</name>
    <message>
        <source> QSU</source>
        <translation>QSU</translation>
    </message>
</context>
</TS>
