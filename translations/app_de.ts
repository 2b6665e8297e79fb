<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Builds and inspects 3-D subsurface models.">
        <location filename="../app/main.cpp" line="+70"/>
        <source></source>
        <translation>Erstellt und untersucht 3-D-Modelle des Untergrunds.</translation>
    </message>
    <message id="Render the main window into a PNG file and exit.">
        <location line="+4"/>
        <source></source>
        <translation>Das Hauptfenster als PNG-Datei speichern und beenden.</translation>
    </message>
    <message id="Save a picture of every dialog into a folder and exit.">
        <location line="+3"/>
        <source></source>
        <translation>Ein Bild jedes Dialogs in einem Ordner speichern und beenden.</translation>
    </message>
    <message id="Run the script file given after the project on this object, without a window, and exit.">
        <location line="+3"/>
        <source></source>
        <translation>Die nach dem Projekt angegebene Skriptdatei ohne Fenster auf dieses Objekt anwenden und beenden.</translation>
    </message>
    <message id="With --script: save the project to this file afterwards.">
        <location line="+4"/>
        <source></source>
        <translation>Mit --script: das Projekt danach in diese Datei speichern.</translation>
    </message>
    <message id="The project file to open.">
        <location line="+3"/>
        <source></source>
        <translation>Die zu öffnende Projektdatei.</translation>
    </message>
    <message id="With --script: the script file.">
        <location line="+1"/>
        <source></source>
        <translation>Mit --script: die Skriptdatei.</translation>
    </message>
    <message id="Usage: %1 PROJECT --script OBJECT FILE [--save OUT]">
        <location line="+8"/>
        <source></source>
        <translation>Aufruf: %1 PROJEKT --script OBJEKT DATEI [--save AUSGABE]</translation>
    </message>
    <message id="Remove object...">
        <location filename="../app/ui/hostwindow.cpp" line="+49"/>
        <source></source>
        <translation>Objekt entfernen...</translation>
    </message>
    <message id="Rename object...">
        <location line="+1"/>
        <source></source>
        <translation>Objekt umbenennen...</translation>
    </message>
    <message id="Copy object...">
        <location line="+1"/>
        <source></source>
        <translation>Objekt kopieren...</translation>
    </message>
    <message id="Flip depth...">
        <location line="+1"/>
        <source></source>
        <translation>Tiefe umkehren...</translation>
    </message>
    <message id="Translate...">
        <location line="+1"/>
        <source></source>
        <translation>Verschieben...</translation>
    </message>
    <message id="Create property...">
        <location line="+4"/>
        <source></source>
        <translation>Eigenschaft anlegen...</translation>
    </message>
    <message id="Copy property...">
        <location line="+1"/>
        <source></source>
        <translation>Eigenschaft kopieren...</translation>
    </message>
    <message id="Rename property...">
        <location line="+1"/>
        <source></source>
        <translation>Eigenschaft umbenennen...</translation>
    </message>
    <message id="Remove property...">
        <location line="+1"/>
        <source></source>
        <translation>Eigenschaft entfernen...</translation>
    </message>
    <message id="Property operator...">
        <location line="+1"/>
        <source></source>
        <translation>Eigenschaftsoperator...</translation>
    </message>
    <message id="Data explorer">
        <location line="+24"/>
        <source></source>
        <translation>Datenexplorer</translation>
    </message>
    <message id="Aspect ratio...">
        <location line="+5"/>
        <source></source>
        <translation>Seitenverhältnis...</translation>
    </message>
    <message id="Background colour...">
        <location line="+1"/>
        <source></source>
        <translation>Hintergrundfarbe...</translation>
    </message>
    <message id="Export canvas...">
        <location line="+1"/>
        <source></source>
        <translation>Zeichenfläche exportieren...</translation>
    </message>
    <message id="&amp;File">
        <location line="+29"/>
        <source></source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="Open project...">
        <location line="+1"/>
        <source></source>
        <translation>Projekt öffnen...</translation>
    </message>
    <message id="Open project">
        <location line="+1"/>
        <source></source>
        <translation>Projekt öffnen</translation>
    </message>
    <message id="Save project as...">
        <location line="+4"/>
        <source></source>
        <translation>Projekt speichern unter...</translation>
    </message>
    <message id="Save project">
        <location line="+1"/>
        <source></source>
        <translation>Projekt speichern</translation>
    </message>
    <message id="Load object...">
        <location line="+5"/>
        <source></source>
        <translation>Objekt laden...</translation>
    </message>
    <message id="Save object...">
        <location line="+1"/>
        <location line="+148"/>
        <source></source>
        <translation>Objekt speichern...</translation>
    </message>
    <message id="Preferences...">
        <location line="-146"/>
        <source></source>
        <translation>Einstellungen...</translation>
    </message>
    <message id="Quit">
        <location line="+3"/>
        <source></source>
        <translation>Beenden</translation>
    </message>
    <message id="&amp;Object">
        <location line="+2"/>
        <source></source>
        <translation>&amp;Objekt</translation>
    </message>
    <message id="&amp;Property">
        <location line="+3"/>
        <source></source>
        <translation>&amp;Eigenschaft</translation>
    </message>
    <message id="&amp;View">
        <location line="+4"/>
        <source></source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="&amp;Help">
        <location line="+3"/>
        <source></source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="Report bug...">
        <location line="+1"/>
        <source></source>
        <translation>Fehler melden...</translation>
    </message>
    <message id="About Kelvra">
        <location line="+1"/>
        <location line="+1"/>
        <source></source>
        <translation>Über Kelvra</translation>
    </message>
    <message id="Kelvra builds and inspects 3-D subsurface models.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra erstellt und untersucht 3-D-Modelle des Untergrunds.</translation>
    </message>
    <message id="Current property">
        <location line="+113"/>
        <source></source>
        <translation>Aktuelle Eigenschaft</translation>
    </message>
    <message id="Opening %1">
        <location line="-67"/>
        <source></source>
        <translation>%1 wird geöffnet</translation>
    </message>
    <message id="Kelvra is opening %1; try again when that is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra öffnet gerade %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="Saving %1">
        <location line="+24"/>
        <location filename="../app/ui/requests.cpp" line="+159"/>
        <source></source>
        <translation>%1 wird gespeichert</translation>
    </message>
    <message id="Kelvra is saving the project to %1; try again when that is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra speichert gerade das Projekt nach %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="Objects">
        <location filename="../app/ui/objecttreewidget.cpp" line="+22"/>
        <source></source>
        <translation>Objekte</translation>
    </message>
    <message id="A new interface language takes effect when Kelvra starts next time.">
        <location filename="../app/ui/preferencepages.cpp" line="+31"/>
        <source></source>
        <translation>Eine neue Sprache der Oberfläche gilt ab dem nächsten Start von Kelvra.</translation>
    </message>
    <message id="Interface language">
        <location line="+10"/>
        <source></source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message id="Language">
        <location line="+6"/>
        <source></source>
        <translation>Sprache</translation>
    </message>
    <message id="Auto">
        <location line="+27"/>
        <source></source>
        <translation>Automatisch</translation>
    </message>
    <message id="Equal">
        <location line="+0"/>
        <source></source>
        <translation>Gleich</translation>
    </message>
    <message id="Fixed">
        <location line="+0"/>
        <source></source>
        <translation>Fest</translation>
    </message>
    <message id="Viewer background">
        <location line="+5"/>
        <source></source>
        <translation>Hintergrund des Betrachters</translation>
    </message>
    <message id="Background of new viewers">
        <location line="+7"/>
        <source></source>
        <translation>Hintergrund neuer Betrachter</translation>
    </message>
    <message id="Aspect ratio of new viewers">
        <location line="+1"/>
        <source></source>
        <translation>Seitenverhältnis neuer Betrachter</translation>
    </message>
    <message id="Viewer">
        <location line="+5"/>
        <source></source>
        <translation>Betrachter</translation>
    </message>
    <message id="Save bug report">
        <location filename="../app/ui/requests.cpp" line="-112"/>
        <source></source>
        <translation>Fehlerbericht speichern</translation>
    </message>
    <message id="Text files (*.txt)">
        <location line="+1"/>
        <source></source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message id="Loading %1">
        <location line="+95"/>
        <source></source>
        <translation>%1 wird geladen</translation>
    </message>
    <message id="Kelvra is loading %1; try again when that is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra lädt gerade %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="Kelvra is saving %1 to %2; try again when that is done.">
        <location line="+16"/>
        <source></source>
        <translation>Kelvra speichert gerade %1 nach %2; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="Running the script on %1">
        <location line="+64"/>
        <source></source>
        <translation>Das Skript läuft auf %1</translation>
    </message>
    <message id="Kelvra is running a script on %1; try again when it is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra führt ein Skript auf %1 aus; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message id="No mail program took the bug report, and it was not saved.">
        <location line="+39"/>
        <source></source>
        <translation>Kein E-Mail-Programm hat den Fehlerbericht übernommen, und er wurde nicht gespeichert.</translation>
    </message>
    <message id="The bug report could not be saved to %1: %2">
        <location line="+5"/>
        <source></source>
        <translation>Der Fehlerbericht konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message id="Report bug">
        <location line="+2"/>
        <source></source>
        <translation>Fehler melden</translation>
    </message>
    <message id="No mail program took the bug report. It was saved to %1.">
        <location line="+1"/>
        <source></source>
        <translation>Kein E-Mail-Programm hat den Fehlerbericht übernommen. Er wurde in %1 gespeichert.</translation>
    </message>
    <message id="Cancelling...">
        <location filename="../app/ui/backgroundtask.cpp" line="+73"/>
        <source></source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message id="Cancel">
        <location line="+13"/>
        <source></source>
        <translation>Abbrechen</translation>
    </message>
    <message id="Output of the script on %1">
        <location filename="../app/ui/scriptoutput.cpp" line="+18"/>
        <source></source>
        <translation>Ausgabe des Skripts auf %1</translation>
    </message>
    <message id="The script %1 cannot be read: %2">
        <location filename="../app/core/scriptfile.cpp" line="+21"/>
        <source></source>
        <translation>Das Skript %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message id="The script on '%1' changed nothing:">
        <location filename="../app/script/propertyscript.cpp" line="+93"/>
        <source></source>
        <translation>Das Skript auf „%1“ hat nichts geändert:</translation>
    </message>
    <message id="'%1' is a folder, not a file">
        <location filename="../app/core/fileaccess.cpp" line="+36"/>
        <source></source>
        <translation>„%1“ ist ein Ordner, keine Datei</translation>
    </message>
    <message id="'%1' is a named pipe, not a file">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message id="'%1' is a device, not a file">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ ist ein Gerät, keine Datei</translation>
    </message>
    <message id="'%1' is a socket, not a file">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ ist ein Socket, keine Datei</translation>
    </message>
    <message id="'%1' is a symbolic link that loops">
        <location line="+5"/>
        <source></source>
        <translation>„%1“ ist eine symbolische Verknüpfung, die im Kreis führt</translation>
    </message>
    <message id="'%1' is a symbolic link that points nowhere">
        <location line="+34"/>
        <source></source>
        <translation>„%1“ ist eine symbolische Verknüpfung, die ins Leere zeigt</translation>
    </message>
    <message id="there is no file '%1'">
        <location line="+2"/>
        <source></source>
        <translation>es gibt keine Datei „%1“</translation>
    </message>
    <message id="the file '%1' cannot be read: %2">
        <location line="+1"/>
        <location line="+5"/>
        <source></source>
        <translation>die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message id="cannot write '%1': %2">
        <location line="+16"/>
        <location line="+8"/>
        <location filename="../app/core/filereplacement.cpp" line="+211"/>
        <location filename="../app/core/objectfile.cpp" line="+119"/>
        <source></source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message id="'%1' is read-only: you may not write it, so it is not replaced; save under another name, or make the file writable first">
        <location line="+10"/>
        <source></source>
        <translation>„%1“ ist schreibgeschützt: Sie dürfen die Datei nicht schreiben, darum wird sie nicht ersetzt; speichern Sie unter einem anderen Namen oder machen Sie die Datei zuerst beschreibbar</translation>
    </message>
    <message id="you may not write in the folder '%1', where the new file is made before it replaces '%2'">
        <location filename="../app/core/filereplacement.cpp" line="-51"/>
        <source></source>
        <translation>Sie dürfen nicht in den Ordner „%1“ schreiben, in dem die neue Datei entsteht, bevor sie „%2“ ersetzt</translation>
    </message>
    <message id="cannot write in the folder '%1': %2">
        <location line="+3"/>
        <source></source>
        <translation>im Ordner „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message id="cannot give the new '%1' the permissions of the old one: %2">
        <location line="+39"/>
        <source></source>
        <translation>die neue Datei „%1“ kann die Zugriffsrechte der alten nicht erhalten: %2</translation>
    </message>
    <message id="cannot replace '%1': %2">
        <location line="+15"/>
        <source></source>
        <translation>„%1“ kann nicht ersetzt werden: %2</translation>
    </message>
    <message id="'%1' is not a Kelvra project or object file: it lacks the table kelvra_objects, kelvra_properties or kelvra_chunks">
        <location filename="../app/core/objectfile.cpp" line="-78"/>
        <source></source>
        <translation>„%1“ ist keine Projekt- oder Objektdatei von Kelvra: ihr fehlt die Tabelle kelvra_objects, kelvra_properties oder kelvra_chunks</translation>
    </message>
    <message id="'%1' is not a file name">
        <location line="+44"/>
        <source></source>
        <translation>„%1“ ist kein Dateiname</translation>
    </message>
    <message id="'%1' is damaged: %2">
        <location line="+65"/>
        <location line="+2"/>
        <source></source>
        <translation>„%1“ ist beschädigt: %2</translation>
    </message>
    <message id=" (reading %1)">
        <location line="+2"/>
        <source></source>
        <translation> (beim Lesen von %1)</translation>
    </message>
    <message id="'%1' is damaged: %2%3">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ ist beschädigt: %2%3</translation>
    </message>
    <message id="'%1' is not a Kelvra project or object file (%2)">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ ist keine Projekt- oder Objektdatei von Kelvra (%2)</translation>
    </message>
    <message id="cannot open '%1': %2%3">
        <location line="+1"/>
        <source></source>
        <translation>„%1“ kann nicht geöffnet werden: %2%3</translation>
    </message>
    <message id="there is not enough memory to open '%1': %2 does not fit">
        <location line="+2"/>
        <source></source>
        <translation>der Speicher reicht nicht, um „%1“ zu öffnen: %2 passt nicht hinein</translation>
    </message>
    <message id="its list of objects">
        <location line="+1"/>
        <source></source>
        <translation>die Liste ihrer Objekte</translation>
    </message>
    <message id="cannot open '%1': %2">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message id="'%1' holds %2 objects, not one: open it as a project instead">
        <location line="+8"/>
        <source></source>
        <translation>„%1“ enthält %2 Objekte, nicht eines: öffnen Sie die Datei stattdessen als Projekt</translation>
    </message>
    <message id="%1 holds more data than the whole file (%2 bytes)">
        <location filename="../app/core/objecttables.cpp" line="+291"/>
        <source></source>
        <translation>%1 enthält mehr Daten als die ganze Datei (%2 Bytes)</translation>
    </message>
    <message id="the file's list of objects">
        <location line="+1"/>
        <source></source>
        <translation>die Objektliste der Datei</translation>
    </message>
    <message id="object %1 of the file has no position, name or geometry type">
        <location line="+23"/>
        <source></source>
        <translation>Objekt %1 der Datei hat keine Position, keinen Namen oder keinen Geometrietyp</translation>
    </message>
    <message id="the file holds two objects named '%1'">
        <location line="+2"/>
        <source></source>
        <translation>die Datei enthält zwei Objekte namens „%1“</translation>
    </message>
    <message id="object '%1' is gone: its checksum is in the file, the object is not">
        <location line="+14"/>
        <source></source>
        <translation>Objekt „%1“ fehlt: seine Prüfsumme steht in der Datei, das Objekt nicht</translation>
    </message>
    <message id="a property of object '%1' has no name">
        <location line="+28"/>
        <source></source>
        <translation>eine Eigenschaft von Objekt „%1“ hat keinen Namen</translation>
    </message>
    <message id="property '%1' of object '%2' is listed twice">
        <location line="+2"/>
        <source></source>
        <translation>Eigenschaft „%1“ von Objekt „%2“ ist zweimal aufgeführt</translation>
    </message>
    <message id="the colour of object '%1' is not written #rrggbb">
        <location line="+10"/>
        <source></source>
        <translation>die Farbe von Objekt „%1“ ist nicht als #rrggbb geschrieben</translation>
    </message>
    <message id="the grid of object '%1' holds a value that is not a number">
        <location line="+25"/>
        <source></source>
        <translation>das Gitter von Objekt „%1“ enthält einen Wert, der keine Zahl ist</translation>
    </message>
    <message id="the texts of object '%1' are not those of vertices 0, 1, 2 ...">
        <location line="+15"/>
        <source></source>
        <translation>die Texte von Objekt „%1“ gehören nicht zu den Knoten 0, 1, 2 …</translation>
    </message>
    <message id="a unit of object '%1' lacks its property or its text">
        <location line="+10"/>
        <source></source>
        <translation>einer Einheit von Objekt „%1“ fehlt ihre Eigenschaft oder ihr Text</translation>
    </message>
    <message id="the description of object '%1' (its properties, colour, grid, texts or units) does not match the checksum written with it">
        <location line="+21"/>
        <source></source>
        <translation>die Beschreibung von Objekt „%1“ (Eigenschaften, Farbe, Gitter, Texte oder Einheiten) passt nicht zu der mit ihr geschriebenen Prüfsumme</translation>
    </message>
    <message id="%1 declares %2 bytes of values, more than the whole file holds (%3 bytes)">
        <location line="+10"/>
        <source></source>
        <translation>%1 gibt %2 Bytes an Werten an, mehr als die ganze Datei enthält (%3 Bytes)</translation>
    </message>
    <message id="the checksums of %1 are not those of chunks 1, 2, 3 ...">
        <location line="+30"/>
        <source></source>
        <translation>die Prüfsummen von %1 gehören nicht zu den Blöcken 1, 2, 3 …</translation>
    </message>
</context>
</TS>
