<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Error">
        <location filename="../host/errorhandler.cpp" line="+48"/>
        <source></source>
        <translation>Fehler</translation>
    </message>
    <message id="OK">
        <location filename="../widgets/kvdialog/easydialog.cpp" line="+59"/>
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="Cancel">
        <location line="+5"/>
        <source></source>
        <translation>Abbrechen</translation>
    </message>
    <message id="Help">
        <location line="+2"/>
        <source></source>
        <translation>Hilfe</translation>
    </message>
    <message id="Open existing file">
        <location line="+39"/>
        <source></source>
        <translation>Vorhandene Datei öffnen</translation>
    </message>
    <message id="File">
        <location line="+1"/>
        <location line="+2"/>
        <source></source>
        <translation>Datei</translation>
    </message>
    <message id="Create new file">
        <location line="-1"/>
        <source></source>
        <translation>Neue Datei anlegen</translation>
    </message>
    <message id="Grab object from tree">
        <location line="+46"/>
        <source></source>
        <translation>Objekt aus dem Baum übernehmen</translation>
    </message>
    <message id="Select file">
        <location line="+12"/>
        <location line="+58"/>
        <source></source>
        <translation>Datei auswählen</translation>
    </message>
    <message id="Select directory">
        <location line="-47"/>
        <location line="+58"/>
        <source></source>
        <translation>Verzeichnis auswählen</translation>
    </message>
    <message id="All files (*)">
        <location line="-12"/>
        <source></source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message id="Template Dialog">
        <location filename="../widgets/kvdialog/easydialog.h" line="+52"/>
        <source></source>
        <translation>Vorlagendialog</translation>
    </message>
    <message id="How to use">
        <location line="+1"/>
        <source></source>
        <translation>Bedienung</translation>
    </message>
    <message id="Sorry no help is available">
        <location line="+1"/>
        <source></source>
        <translation>Leider ist keine Hilfe verfügbar</translation>
    </message>
    <message id="Apply">
        <location line="+23"/>
        <source></source>
        <translation>Anwenden</translation>
    </message>
    <message id="Iline first, last, step">
        <location filename="../widgets/kvdialog/fields.cpp" line="+69"/>
        <source></source>
        <translation>Inline erste, letzte, Schritt</translation>
    </message>
    <message id="Xline first, last, step">
        <location line="+1"/>
        <source></source>
        <translation>Crossline erste, letzte, Schritt</translation>
    </message>
    <message id="Depth first, last, step">
        <location line="+1"/>
        <source></source>
        <translation>Tiefe erste, letzte, Schritt</translation>
    </message>
</context>
</TS>
