<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
    <context>
        <name />
        <message id="Builds and inspects 3-D subsurface models.">
            <location filename="../app/main.cpp" line="+70" />
            <source />
            <translation>Erstellt und untersucht 3-D-Modelle des Untergrunds.</translation>
        </message>
        <message id="Render the main window into a PNG file and exit.">
            <location line="+4" />
            <source />
            <translation>Das Hauptfenster als PNG-Datei speichern und beenden.</translation>
        </message>
        <message id="Save a picture of every dialog into a folder and exit.">
            <location line="+3" />
            <source />
            <translation>Ein Bild jedes Dialogs in einem Ordner speichern und beenden.</translation>
        </message>
        <message id="Run the script file given after the project on this object, without a window, and exit.">
            <location line="+3" />
            <source />
            <translation>Die nach dem Projekt angegebene Skriptdatei ohne Fenster auf dieses Objekt anwenden und beenden.</translation>
        </message>
        <message id="With --script: save the project to this file afterwards.">
            <location line="+4" />
            <source />
            <translation>Mit --script: das Projekt danach in diese Datei speichern.</translation>
        </message>
        <message id="The project file to open.">
            <location line="+3" />
            <source />
            <translation>Die zu öffnende Projektdatei.</translation>
        </message>
        <message id="With --script: the script file.">
            <location line="+1" />
            <source />
            <translation>Mit --script: die Skriptdatei.</translation>
        </message>
        <message id="Usage: %1 PROJECT --script OBJECT FILE [--save OUT]">
            <location line="+7" />
            <source />
            <translation>Aufruf: %1 PROJEKT --script OBJEKT DATEI [--save AUSGABE]</translation>
        </message>
        <message id="%1: --save needs the name of the file to write.">
            <location line="+4" />
            <source />
            <translation>%1: --save braucht den Namen der zu schreibenden Datei.</translation>
        </message>
        <message id="%1 did not open; no picture was taken.">
            <location line="+30" />
            <source />
            <translation>%1 wurde nicht geöffnet; es wurde kein Bild aufgenommen.</translation>
        </message>
        <message id="Remove object...">
            <location filename="../app/ui/hostwindow.cpp" line="+49" />
            <source />
            <translation>Objekt entfernen...</translation>
        </message>
        <message id="Rename object...">
            <location line="+1" />
            <source />
            <translation>Objekt umbenennen...</translation>
        </message>
        <message id="Copy object...">
            <location line="+1" />
            <source />
            <translation>Objekt kopieren...</translation>
        </message>
        <message id="Flip depth...">
            <location line="+1" />
            <source />
            <translation>Tiefe umkehren...</translation>
        </message>
        <message id="Translate...">
            <location line="+1" />
            <source />
            <translation>Verschieben...</translation>
        </message>
        <message id="Create property...">
            <location line="+4" />
            <source />
            <translation>Eigenschaft anlegen...</translation>
        </message>
        <message id="Copy property...">
            <location line="+1" />
            <source />
            <translation>Eigenschaft kopieren...</translation>
        </message>
        <message id="Rename property...">
            <location line="+1" />
            <source />
            <translation>Eigenschaft umbenennen...</translation>
        </message>
        <message id="Remove property...">
            <location line="+1" />
            <source />
            <translation>Eigenschaft entfernen...</translation>
        </message>
        <message id="Property operator...">
            <location line="+1" />
            <source />
            <translation>Eigenschaftsoperator...</translation>
        </message>
        <message id="Data explorer">
            <location line="+22" />
            <source />
            <translation>Datenexplorer</translation>
        </message>
        <message id="Aspect ratio...">
            <location line="+5" />
            <source />
            <translation>Seitenverhältnis...</translation>
        </message>
        <message id="Background colour...">
            <location line="+1" />
            <source />
            <translation>Hintergrundfarbe...</translation>
        </message>
        <message id="Export canvas...">
            <location line="+1" />
            <source />
            <translation>Zeichenfläche exportieren...</translation>
        </message>
        <message id="Mode switch">
            <location line="+6" />
            <source />
            <translation>Modusumschalter</translation>
        </message>
        <message id="&amp;File">
            <location line="+26" />
            <source />
            <translation>&amp;Datei</translation>
        </message>
        <message id="Open project...">
            <location line="+1" />
            <source />
            <translation>Projekt öffnen...</translation>
        </message>
        <message id="No object selected">
            <location line="+266" />
            <source />
            <translation>Kein Objekt ausgewählt</translation>
        </message>
        <message id="Open project">
            <location filename="../app/ui/projectsession.cpp" line="+44" />
            <source />
            <translation>Projekt öffnen</translation>
        </message>
        <message id="Save project as...">
            <location filename="../app/ui/hostwindow.cpp" line="-261" />
            <source />
            <translation>Projekt speichern unter...</translation>
        </message>
        <message id="Save project">
            <location line="-3" />
            <location filename="../app/ui/projectsession.cpp" line="-1" />
            <source />
            <translation>Projekt speichern</translation>
        </message>
        <message id="Load object...">
            <location line="+6" />
            <source />
            <translation>Objekt laden...</translation>
        </message>
        <message id="Save object...">
            <location line="+1" />
            <location line="+170" />
            <source />
            <translation>Objekt speichern...</translation>
        </message>
        <message id="Preferences...">
            <location line="-168" />
            <source />
            <translation>Einstellungen...</translation>
        </message>
        <message id="Quit">
            <location line="+3" />
            <source />
            <translation>Beenden</translation>
        </message>
        <message id="&amp;Object">
            <location line="+2" />
            <source />
            <translation>&amp;Objekt</translation>
        </message>
        <message id="&amp;Property">
            <location line="+3" />
            <source />
            <translation>&amp;Eigenschaft</translation>
        </message>
        <message id="In a dialog, F1 or its Help button explains the dialog.">
            <location line="+14" />
            <source />
            <translation>In einem Dialog erklärt F1 oder die Schaltfläche Hilfe den Dialog.</translation>
        </message>
        <message id="&amp;View">
            <location line="+7" />
            <source />
            <translation>&amp;Ansicht</translation>
        </message>
        <message id="&amp;Help">
            <location line="-15" />
            <source />
            <translation>&amp;Hilfe</translation>
        </message>
        <message id="Report bug...">
            <location line="+1" />
            <source />
            <translation>Fehler melden...</translation>
        </message>
        <message id="About Kelvra">
            <location line="+3" />
            <location line="+2" />
            <source />
            <translation>Über Kelvra</translation>
        </message>
        <message id="Kelvra builds and inspects 3-D subsurface models.">
            <location line="+1" />
            <source />
            <translation>Kelvra erstellt und untersucht 3-D-Modelle des Untergrunds.</translation>
        </message>
        <message id="New viewer">
            <location line="+9" />
            <source />
            <translation>Neuer Betrachter</translation>
        </message>
        <message id="Current property">
            <location line="+124" />
            <source />
            <translation>Aktuelle Eigenschaft</translation>
        </message>
        <message id="Recent projects">
            <location filename="../app/ui/projectsession.cpp" line="-13" />
            <source />
            <translation>Zuletzt verwendete Projekte</translation>
        </message>
        <message id="Your changes will be lost if you do not save them.">
            <location line="+6" />
            <source />
            <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
        </message>
        <message id="Untitled">
            <location line="+27" />
            <source />
            <translation>Unbenannt</translation>
        </message>
        <message id="Do you want to save the changes to %1?">
            <location line="+12" />
            <source />
            <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
        </message>
        <message id="Opening %1">
            <location line="+7" />
            <source />
            <translation>%1 wird geöffnet</translation>
        </message>
        <message id="Kelvra is opening %1; try again when that is done.">
            <location line="+1" />
            <source />
            <translation>Kelvra öffnet gerade %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
        </message>
        <message id="Saving %1">
            <location line="+21" />
            <location filename="../app/ui/requests.cpp" line="+195" />
            <source />
            <translation>%1 wird gespeichert</translation>
        </message>
        <message id="Kelvra is saving the project to %1; try again when that is done.">
            <location line="+1" />
            <source />
            <translation>Kelvra speichert gerade das Projekt nach %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
        </message>
        <message id="Objects">
            <location filename="../app/ui/objecttreewidget.cpp" line="+22" />
            <source />
            <translation>Objekte</translation>
        </message>
        <message id="A new interface language takes effect when Kelvra starts next time.">
            <location filename="../app/ui/preferencepages.cpp" line="+31" />
            <source />
            <translation>Eine neue Sprache der Oberfläche gilt ab dem nächsten Start von Kelvra.</translation>
        </message>
        <message id="Interface language">
            <location line="+10" />
            <source />
            <translation>Sprache der Oberfläche</translation>
        </message>
        <message id="Language">
            <location line="+6" />
            <source />
            <translation>Sprache</translation>
        </message>
        <message id="Auto">
            <location line="+27" />
            <source />
            <translation>Automatisch</translation>
        </message>
        <message id="Equal">
            <location line="+0" />
            <source />
            <translation>Gleich</translation>
        </message>
        <message id="Fixed">
            <location line="+0" />
            <source />
            <translation>Fest</translation>
        </message>
        <message id="Viewer background">
            <location line="+5" />
            <source />
            <translation>Hintergrund des Betrachters</translation>
        </message>
        <message id="Background of new viewers">
            <location line="+7" />
            <source />
            <translation>Hintergrund neuer Betrachter</translation>
        </message>
        <message id="Aspect ratio of new viewers">
            <location line="+1" />
            <source />
            <translation>Seitenverhältnis neuer Betrachter</translation>
        </message>
        <message id="Viewer">
            <location line="+5" />
            <source />
            <translation>Betrachter</translation>
        </message>
        <message id="Save bug report">
            <location filename="../app/ui/requests.cpp" line="-127" />
            <source />
            <translation>Fehlerbericht speichern</translation>
        </message>
        <message id="Text files (*.txt)">
            <location line="+1" />
            <source />
            <translation>Textdateien (*.txt)</translation>
        </message>
        <message id="Loading %1">
            <location line="+110" />
            <source />
            <translation>%1 wird geladen</translation>
        </message>
        <message id="Kelvra is loading %1; try again when that is done.">
            <location line="+1" />
            <source />
            <translation>Kelvra lädt gerade %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
        </message>
        <message id="Kelvra is saving %1 to %2; try again when that is done.">
            <location line="+16" />
            <source />
            <translation>Kelvra speichert gerade %1 nach %2; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
        </message>
        <message id="Running the script on %1">
            <location line="+64" />
            <source />
            <translation>Das Skript läuft auf %1</translation>
        </message>
        <message id="Kelvra is running a script on %1; try again when it is done.">
            <location line="+1" />
            <source />
            <translation>Kelvra führt ein Skript auf %1 aus; versuchen Sie es erneut, wenn es fertig ist.</translation>
        </message>
        <message id="No mail program took the bug report, and it was not saved.">
            <location line="+39" />
            <source />
            <translation>Kein E-Mail-Programm hat den Fehlerbericht übernommen, und er wurde nicht gespeichert.</translation>
        </message>
        <message id="The bug report could not be saved to %1: %2">
            <location line="+5" />
            <source />
            <translation>Der Fehlerbericht konnte nicht in %1 gespeichert werden: %2</translation>
        </message>
        <message id="Report bug">
            <location line="+2" />
            <source />
            <translation>Fehler melden</translation>
        </message>
        <message id="No mail program took the bug report. It was saved to %1.">
            <location line="+1" />
            <source />
            <translation>Kein E-Mail-Programm hat den Fehlerbericht übernommen. Er wurde in %1 gespeichert.</translation>
        </message>
        <message id="Cancelling...">
            <location filename="../app/ui/backgroundtask.cpp" line="+73" />
            <source />
            <translation>Wird abgebrochen...</translation>
        </message>
        <message id="Cancel">
            <location line="+13" />
            <source />
            <translation>Abbrechen</translation>
        </message>
        <message id="Output of the script on %1">
            <location filename="../app/ui/scriptoutput.cpp" line="+18" />
            <source />
            <translation>Ausgabe des Skripts auf %1</translation>
        </message>
        <message id="The script %1 cannot be read: %2">
            <location filename="../app/core/scriptfile.cpp" line="+26" />
            <source />
            <translation>Das Skript %1 kann nicht gelesen werden: %2</translation>
        </message>
        <message id="Stopped by %1: nothing was saved.">
            <location line="+32" />
            <source />
            <translation>Durch %1 abgebrochen: nichts wurde gespeichert.</translation>
        </message>
        <message id="The script on '%1' changed nothing:">
            <location filename="../app/script/propertyscript.cpp" line="+93" />
            <source />
            <translation>Das Skript auf „%1“ hat nichts geändert:</translation>
        </message>
        <message id="Clear list">
            <location filename="../app/ui/recentprojects.cpp" line="+73" />
            <source />
            <translation>Liste leeren</translation>
        </message>
        <message id="The wellhead X/Y is taken from the file, not from the import options.">
            <location filename="../app/formats/lasformat.cpp" line="+148" />
            <source />
            <translation>Die X/Y-Position des Bohrlochkopfs stammt aus der Datei, nicht aus den Importoptionen.</translation>
        </message>
        <message id="The datum is taken from the file, not from the import options.">
            <location line="+7" />
            <source />
            <translation>Das Bezugsniveau stammt aus der Datei, nicht aus den Importoptionen.</translation>
        </message>
        <message id="The wellhead of '%1' is not known: the well is placed at X = Y = 0 (Translate moves it).">
            <location line="+11" />
            <source />
            <translation>Der Bohrlochkopf von „%1“ ist nicht bekannt: Die Bohrung steht bei X = Y = 0 (Verschieben bewegt sie).</translation>
        </message>
        <message id="The datum (elevation of MD 0) of '%1' is not known: MD 0 is placed at Z = 0.">
            <location line="+6" />
            <source />
            <translation>Das Bezugsniveau (Höhe von MD 0) von „%1“ ist nicht bekannt: MD 0 liegt bei Z = 0.</translation>
        </message>
        <message id="The file holds the well's X, Y and Z: the well path file is not used.">
            <location line="+58" />
            <source />
            <translation>Die Datei enthält X, Y und Z der Bohrung: Die Bohrpfaddatei wird nicht verwendet.</translation>
        </message>
        <message id="Tops of wells that are not imported are left out: %1.">
            <location line="+84" />
            <source />
            <translation>Horizontmarken von Bohrungen, die nicht importiert werden, bleiben weg: %1.</translation>
        </message>
        <message id="The tops file holds no tops of the well '%1'.">
            <location line="+4" />
            <source />
            <translation>Die Datei der Horizontmarken enthält keine Marken der Bohrung „%1“.</translation>
        </message>
        <message id="%1 tops become the Label object '%2'.">
            <location line="+76" />
            <source />
            <translation>%1 Horizontmarken werden zum Label-Objekt „%2“.</translation>
        </message>
        <message id="IBM float">
            <location filename="../app/formats/segyformat.cpp" line="+31" />
            <source />
            <translation>IBM-Gleitkommazahlen</translation>
        </message>
        <message id="32-bit integers">
            <location line="+1" />
            <source />
            <translation>32-Bit-Ganzzahlen</translation>
        </message>
        <message id="16-bit integers">
            <location line="+1" />
            <source />
            <translation>16-Bit-Ganzzahlen</translation>
        </message>
        <message id="IEEE float">
            <location line="+1" />
            <source />
            <translation>IEEE-Gleitkommazahlen</translation>
        </message>
        <message id="8-bit integers">
            <location line="+1" />
            <source />
            <translation>8-Bit-Ganzzahlen</translation>
        </message>
        <message id="format %1">
            <location line="+1" />
            <source />
            <translation>Format %1</translation>
        </message>
        <message id="Inlines %1 to %2 (step %3), crosslines %4 to %5 (step %6), %7 traces.">
            <location line="+277" />
            <source />
            <translation>Inlines %1 bis %2 (Schritt %3), Crosslines %4 bis %5 (Schritt %6), %7 Spuren.</translation>
        </message>
        <message id="%1 samples from %2 to %3 ms, every %4 ms; %5, %6.">
            <location line="+8" />
            <source />
            <translation>%1 Abtastwerte von %2 bis %3 ms, alle %4 ms; %5, %6.</translation>
        </message>
        <message id="little-endian">
            <location line="+6" />
            <source />
            <translation>Little-Endian</translation>
        </message>
        <message id="big-endian">
            <location line="+0" />
            <source />
            <translation>Big-Endian</translation>
        </message>
        <message id="Text header:">
            <location line="+26" />
            <source />
            <translation>Textkopf:</translation>
        </message>
        <message id="The binary header says %1 samples per trace; the traces hold %2.">
            <location filename="../app/formats/segylayout.cpp" line="+165" />
            <source />
            <translation>Der Binärkopf nennt %1 Abtastwerte je Spur; die Spuren enthalten %2.</translation>
        </message>
        <message id="The trace headers hold no CDP X/Y: X is the crossline number and Y the inline number.">
            <location line="+88" />
            <source />
            <translation>Die Spurköpfe enthalten keine CDP-X/Y: X ist die Crossline-Nummer, Y die Inline-Nummer.</translation>
        </message>
        <message id="'%1' is a folder, not a file">
            <source />
            <translation>„%1“ ist ein Ordner, keine Datei</translation>
        </message>
        <message id="'%1' is a named pipe, not a file">
            <source />
            <translation>„%1“ ist eine benannte Pipe, keine Datei</translation>
        </message>
        <message id="'%1' is a device, not a file">
            <source />
            <translation>„%1“ ist ein Gerät, keine Datei</translation>
        </message>
        <message id="'%1' is a socket, not a file">
            <source />
            <translation>„%1“ ist ein Socket, keine Datei</translation>
        </message>
        <message id="'%1' is a symbolic link that loops">
            <source />
            <translation>„%1“ ist eine symbolische Verknüpfung, die im Kreis führt</translation>
        </message>
        <message id="'%1' is a symbolic link that points nowhere">
            <source />
            <translation>„%1“ ist eine symbolische Verknüpfung, die ins Leere zeigt</translation>
        </message>
        <message id="there is no file '%1'">
            <source />
            <translation>es gibt keine Datei „%1“</translation>
        </message>
        <message id="the file '%1' cannot be read: %2">
            <source />
            <translation>die Datei „%1“ kann nicht gelesen werden: %2</translation>
        </message>
        <message id="cannot write '%1': %2">
            <source />
            <translation>„%1“ kann nicht geschrieben werden: %2</translation>
        </message>
        <message id="'%1' is read-only: you may not write it, so it is not replaced; save under another name, or make the file writable first">
            <source />
            <translation>„%1“ ist schreibgeschützt: Sie dürfen die Datei nicht schreiben, darum wird sie nicht ersetzt; speichern Sie unter einem anderen Namen oder machen Sie die Datei zuerst beschreibbar</translation>
        </message>
        <message id="you may not write in the folder '%1', where the new file is made before it replaces '%2'">
            <source />
            <translation>Sie dürfen nicht in den Ordner „%1“ schreiben, in dem die neue Datei entsteht, bevor sie „%2“ ersetzt</translation>
        </message>
        <message id="cannot write in the folder '%1': %2">
            <source />
            <translation>im Ordner „%1“ kann nicht geschrieben werden: %2</translation>
        </message>
        <message id="cannot give the new '%1' the permissions of the old one: %2">
            <source />
            <translation>die neue Datei „%1“ kann die Zugriffsrechte der alten nicht erhalten: %2</translation>
        </message>
        <message id="cannot replace '%1': %2">
            <source />
            <translation>„%1“ kann nicht ersetzt werden: %2</translation>
        </message>
        <message id="'%1' is not a Kelvra project or object file: it lacks the table kelvra_objects, kelvra_properties or kelvra_chunks">
            <source />
            <translation>„%1“ ist keine Projekt- oder Objektdatei von Kelvra: ihr fehlt die Tabelle kelvra_objects, kelvra_properties oder kelvra_chunks</translation>
        </message>
        <message id="'%1' is not a file name">
            <source />
            <translation>„%1“ ist kein Dateiname</translation>
        </message>
        <message id="'%1' is damaged: %2">
            <source />
            <translation>„%1“ ist beschädigt: %2</translation>
        </message>
        <message id=" (reading %1)">
            <source />
            <translation> (beim Lesen von %1)</translation>
        </message>
        <message id="'%1' is damaged: %2%3">
            <source />
            <translation>„%1“ ist beschädigt: %2%3</translation>
        </message>
        <message id="'%1' is not a Kelvra project or object file (%2)">
            <source />
            <translation>„%1“ ist keine Projekt- oder Objektdatei von Kelvra (%2)</translation>
        </message>
        <message id="cannot open '%1': %2%3">
            <source />
            <translation>„%1“ kann nicht geöffnet werden: %2%3</translation>
        </message>
        <message id="there is not enough memory to open '%1': %2 does not fit">
            <source />
            <translation>der Speicher reicht nicht, um „%1“ zu öffnen: %2 passt nicht hinein</translation>
        </message>
        <message id="its list of objects">
            <source />
            <translation>die Liste ihrer Objekte</translation>
        </message>
        <message id="cannot open '%1': %2">
            <source />
            <translation>„%1“ kann nicht geöffnet werden: %2</translation>
        </message>
        <message id="'%1' holds %2 objects, not one: open it as a project instead">
            <source />
            <translation>„%1“ enthält %2 Objekte, nicht eines: öffnen Sie die Datei stattdessen als Projekt</translation>
        </message>
        <message id="%1 holds more data than the whole file (%2 bytes)">
            <source />
            <translation>%1 enthält mehr Daten als die ganze Datei (%2 Bytes)</translation>
        </message>
        <message id="the file's list of objects">
            <source />
            <translation>die Objektliste der Datei</translation>
        </message>
        <message id="object %1 of the file has no position, name or geometry type">
            <source />
            <translation>Objekt %1 der Datei hat keine Position, keinen Namen oder keinen Geometrietyp</translation>
        </message>
        <message id="the file holds two objects named '%1'">
            <source />
            <translation>die Datei enthält zwei Objekte namens „%1“</translation>
        </message>
        <message id="object '%1' is gone: its checksum is in the file, the object is not">
            <source />
            <translation>Objekt „%1“ fehlt: seine Prüfsumme steht in der Datei, das Objekt nicht</translation>
        </message>
        <message id="a property of object '%1' has no name">
            <source />
            <translation>eine Eigenschaft von Objekt „%1“ hat keinen Namen</translation>
        </message>
        <message id="property '%1' of object '%2' is listed twice">
            <source />
            <translation>Eigenschaft „%1“ von Objekt „%2“ ist zweimal aufgeführt</translation>
        </message>
        <message id="the colour of object '%1' is not written #rrggbb">
            <source />
            <translation>die Farbe von Objekt „%1“ ist nicht als #rrggbb geschrieben</translation>
        </message>
        <message id="the grid of object '%1' holds a value that is not a number">
            <source />
            <translation>das Gitter von Objekt „%1“ enthält einen Wert, der keine Zahl ist</translation>
        </message>
        <message id="the texts of object '%1' are not those of vertices 0, 1, 2 ...">
            <source />
            <translation>die Texte von Objekt „%1“ gehören nicht zu den Knoten 0, 1, 2 …</translation>
        </message>
        <message id="a unit of object '%1' lacks its property or its text">
            <source />
            <translation>einer Einheit von Objekt „%1“ fehlt ihre Eigenschaft oder ihr Text</translation>
        </message>
        <message id="the description of object '%1' (its properties, colour, grid, texts or units) does not match the checksum written with it">
            <source />
            <translation>die Beschreibung von Objekt „%1“ (Eigenschaften, Farbe, Gitter, Texte oder Einheiten) passt nicht zu der mit ihr geschriebenen Prüfsumme</translation>
        </message>
        <message id="%1 declares %2 bytes of values, more than the whole file holds (%3 bytes)">
            <source />
            <translation>%1 gibt %2 Bytes an Werten an, mehr als die ganze Datei enthält (%3 Bytes)</translation>
        </message>
        <message id="the checksums of %1 are not those of chunks 1, 2, 3 ...">
            <source />
            <translation>die Prüfsummen von %1 gehören nicht zu den Blöcken 1, 2, 3 …</translation>
        </message>
    </context>
</TS>
