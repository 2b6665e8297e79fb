<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="New">
        <location filename="../widgets/pivotbar/plugoutmenubar.cpp" line="+24"/>
        <source></source>
        <translation>Neu</translation>
    </message>
    <message id="Edit">
        <location line="+1"/>
        <source></source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="TODO">
        <location line="+12"/>
        <source></source>
        <translation>Zu erledigen</translation>
    </message>
    <message id="Objects">
        <location filename="../plugins/objectlister/objectlistermenubar.cpp" line="+19"/>
        <location line="+17"/>
        <source></source>
        <translation>Objekte</translation>
    </message>
    <message id="List objects">
        <location line="-16"/>
        <source></source>
        <translation>Objekte auflisten</translation>
    </message>
    <message id="No object database is open.">
        <location line="+7"/>
        <source></source>
        <translation>Es ist keine Objektdatenbank geöffnet.</translation>
    </message>
    <message id="The database holds no objects.">
        <location line="+3"/>
        <source></source>
        <translation>Die Datenbank enthält keine Objekte.</translation>
    </message>
    <message id="Object Lister">
        <location filename="../plugins/objectlister/objectlistermenubar.h" line="+16"/>
        <source></source>
        <translation>Objektliste</translation>
    </message>
</context>
</TS>
