<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Builds and inspects 3-D subsurface models.">
        <location filename="../app/main.cpp" line="+106"/>
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
    <message id="After the imports: export an object into a file, with --format and --null following it.">
        <location line="+13"/>
        <source></source>
        <translation>Nach den Importen: ein Objekt in eine Datei exportieren, mit --format und --null dahinter.</translation>
    </message>
    <message id="With --script: the script file.">
        <location line="+8"/>
        <source></source>
        <translation>Mit --script: die Skriptdatei.</translation>
    </message>
    <message id="Usage: %1 PROJECT --script OBJECT FILE [--save OUT]">
        <location line="+21"/>
        <source></source>
        <translation>Aufruf: %1 PROJEKT --script OBJEKT DATEI [--save AUSGABE]</translation>
    </message>
    <message id="%1: --save needs the name of the file to write.">
        <location line="-8"/>
        <location line="+12"/>
        <source></source>
        <translation>%1: --save braucht den Namen der zu schreibenden Datei.</translation>
    </message>
    <message id="Save the project to this file or server project (postgresql://...) and exit; with --script, after the script ran.">
        <location line="-42"/>
        <source></source>
        <translation>Das Projekt in diese Datei oder dieses Serverprojekt (postgresql://...) speichern und beenden; mit --script nach dem Skriptlauf.</translation>
    </message>
    <message id="Import a file without a window, with the options below that follow it, and exit.">
        <location line="+5"/>
        <source></source>
        <translation>Eine Datei ohne Fenster importieren, mit den unten stehenden Optionen, die ihr folgen, und beenden.</translation>
    </message>
    <message id="The project file, or server project (postgresql://...), to open.">
        <location line="+11"/>
        <source></source>
        <translation>Die zu öffnende Projektdatei oder das Serverprojekt (postgresql://...).</translation>
    </message>
    <message id="Usage: %1 PROJECT --save OUT">
        <location line="+10"/>
        <source></source>
        <translation>Aufruf: %1 PROJEKT --save ZIEL</translation>
    </message>
    <message id="%1 did not open; no picture was taken.">
        <location line="+46"/>
        <source></source>
        <translation>%1 wurde nicht geöffnet; es wurde kein Bild aufgenommen.</translation>
    </message>
    <message id="Remove object...">
        <location filename="../app/ui/hostwindow.cpp" line="+51"/>
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
        <location line="+22"/>
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
    <message id="Mode switch">
        <location line="+6"/>
        <source></source>
        <translation>Modusumschalter</translation>
    </message>
    <message id="&amp;File">
        <location line="+25"/>
        <source></source>
        <translation>&amp;Datei</translation>
    </message>
    <message id="Open project...">
        <location line="+1"/>
        <source></source>
        <translation>Projekt öffnen...</translation>
    </message>
    <message id="Open from server...">
        <location line="+1"/>
        <source></source>
        <translation>Vom Server öffnen...</translation>
    </message>
    <message id="Save to server...">
        <location line="+7"/>
        <source></source>
        <translation>Auf dem Server speichern...</translation>
    </message>
    <message id="Import...">
        <location line="+5"/>
        <source></source>
        <translation>Importieren...</translation>
    </message>
    <message id="Export...">
        <location line="+1"/>
        <source></source>
        <translation>Exportieren...</translation>
    </message>
    <message id="No object selected">
        <location line="+259"/>
        <source></source>
        <translation>Kein Objekt ausgewählt</translation>
    </message>
    <message id="Open project">
        <location filename="../app/ui/projectsession.cpp" line="+50"/>
        <source></source>
        <translation>Projekt öffnen</translation>
    </message>
    <message id="Save project as...">
        <location filename="../app/ui/hostwindow.cpp" line="-267"/>
        <source></source>
        <translation>Projekt speichern unter...</translation>
    </message>
    <message id="Save project">
        <location line="-3"/>
        <location filename="../app/ui/projectsession.cpp" line="-1"/>
        <source></source>
        <translation>Projekt speichern</translation>
    </message>
    <message id="Load object...">
        <location line="+7"/>
        <source></source>
        <translation>Objekt laden...</translation>
    </message>
    <message id="Save object...">
        <location line="+1"/>
        <location line="+175"/>
        <source></source>
        <translation>Objekt speichern...</translation>
    </message>
    <message id="Preferences...">
        <location line="-170"/>
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
    <message id="In a dialog, F1 or its Help button explains the dialog.">
        <location line="+14"/>
        <source></source>
        <translation>In einem Dialog erklärt F1 oder die Schaltfläche Hilfe den Dialog.</translation>
    </message>
    <message id="&amp;View">
        <location line="+7"/>
        <source></source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message id="&amp;Help">
        <location line="-15"/>
        <source></source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="Report bug...">
        <location line="+1"/>
        <source></source>
        <translation>Fehler melden...</translation>
    </message>
    <message id="About Kelvra">
        <location line="+3"/>
        <location line="+2"/>
        <source></source>
        <translation>Über Kelvra</translation>
    </message>
    <message id="Kelvra builds and inspects 3-D subsurface models.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra erstellt und untersucht 3-D-Modelle des Untergrunds.</translation>
    </message>
    <message id="New viewer">
        <location line="+9"/>
        <source></source>
        <translation>Neuer Betrachter</translation>
    </message>
    <message id="Current property">
        <location line="+128"/>
        <source></source>
        <translation>Aktuelle Eigenschaft</translation>
    </message>
    <message id="Recent projects">
        <location filename="../app/ui/projectsession.cpp" line="-15"/>
        <source></source>
        <translation>Zuletzt verwendete Projekte</translation>
    </message>
    <message id="Your changes will be lost if you do not save them.">
        <location line="+6"/>
        <source></source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message id="Untitled">
        <location line="+29"/>
        <source></source>
        <translation>Unbenannt</translation>
    </message>
    <message id="Do you want to save the changes to %1?">
        <location line="+12"/>
        <source></source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message id="Opening %1">
        <location line="+13"/>
        <source></source>
        <translation>%1 wird geöffnet</translation>
    </message>
    <message id="Kelvra is opening %1; try again when that is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra öffnet gerade %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="Saving %1">
        <location line="+28"/>
        <location filename="../app/ui/requests.cpp" line="+197"/>
        <source></source>
        <translation>%1 wird gespeichert</translation>
    </message>
    <message id="Kelvra is saving the project to %1; try again when that is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra speichert gerade das Projekt nach %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="Password">
        <location line="+40"/>
        <location filename="../app/ui/serverdialog.cpp" line="+35"/>
        <source></source>
        <translation>Passwort</translation>
    </message>
    <message id="The server %1 asks for a password for project &quot;%2&quot;.">
        <location line="+1"/>
        <source></source>
        <translation>Der Server %1 verlangt ein Passwort für das Projekt „%2“.</translation>
    </message>
    <message id="Save under another name...">
        <location line="+16"/>
        <source></source>
        <translation>Unter anderem Namen speichern...</translation>
    </message>
    <message id="Replace">
        <location line="+3"/>
        <source></source>
        <translation>Ersetzen</translation>
    </message>
    <message id="Objects">
        <location filename="../app/ui/importdialog.cpp" line="+383"/>
        <location filename="../app/ui/objecttreewidget.cpp" line="+24"/>
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
        <location filename="../app/ui/requests.cpp" line="-127"/>
        <source></source>
        <translation>Fehlerbericht speichern</translation>
    </message>
    <message id="Text files (*.txt)">
        <location line="+1"/>
        <source></source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message id="Loading %1">
        <location line="+110"/>
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
    <message id="Importing %1">
        <location line="+26"/>
        <source></source>
        <translation>%1 wird importiert</translation>
    </message>
    <message id="Kelvra is importing %1; try again when that is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra importiert gerade %1; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="Exporting %1 objects to %2">
        <location line="+28"/>
        <source></source>
        <translation>%1 Objekte werden nach %2 exportiert</translation>
    </message>
    <message id="Kelvra is exporting %1 objects to %2; try again when that is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra exportiert gerade %1 Objekte nach %2; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="Exporting %1">
        <location line="+11"/>
        <source></source>
        <translation>%1 wird exportiert</translation>
    </message>
    <message id="Kelvra is exporting %1 to %2; try again when that is done.">
        <location line="+1"/>
        <source></source>
        <translation>Kelvra exportiert gerade %1 nach %2; bitte versuchen Sie es erneut, wenn das abgeschlossen ist.</translation>
    </message>
    <message id="No mail program took the bug report, and it was not saved.">
        <location line="+33"/>
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
        <location filename="../app/core/scriptfile.cpp" line="+39"/>
        <source></source>
        <translation>Das Skript %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message id="Stopped by %1: nothing was saved.">
        <location filename="../app/core/filebatch.cpp" line="+360"/>
        <location filename="../app/core/scriptfile.cpp" line="-15"/>
        <source></source>
        <translation>Durch %1 abgebrochen: nichts wurde gespeichert.</translation>
    </message>
    <message id="The script on '%1' changed nothing:">
        <location filename="../app/script/propertyscript.cpp" line="+93"/>
        <source></source>
        <translation>Das Skript auf „%1“ hat nichts geändert:</translation>
    </message>
    <message id="Clear list">
        <location filename="../app/ui/recentprojects.cpp" line="+76"/>
        <source></source>
        <translation>Liste leeren</translation>
    </message>
    <message id="The wellhead X/Y is taken from the file, not from the import options.">
        <location filename="../app/formats/lasformat.cpp" line="+150"/>
        <source></source>
        <translation>Die X/Y-Position des Bohrlochkopfs stammt aus der Datei, nicht aus den Importoptionen.</translation>
    </message>
    <message id="The datum is taken from the file, not from the import options.">
        <location line="+7"/>
        <source></source>
        <translation>Das Bezugsniveau stammt aus der Datei, nicht aus den Importoptionen.</translation>
    </message>
    <message id="The wellhead of '%1' is not known: the well is placed at X = Y = 0 (Translate moves it).">
        <location line="+11"/>
        <source></source>
        <translation>Der Bohrlochkopf von „%1“ ist nicht bekannt: Die Bohrung steht bei X = Y = 0 (Verschieben bewegt sie).</translation>
    </message>
    <message id="The datum (elevation of MD 0) of '%1' is not known: MD 0 is placed at Z = 0.">
        <location line="+6"/>
        <source></source>
        <translation>Das Bezugsniveau (Höhe von MD 0) von „%1“ ist nicht bekannt: MD 0 liegt bei Z = 0.</translation>
    </message>
    <message id="The file holds the well's X, Y and Z: the well path file is not used.">
        <location line="+59"/>
        <source></source>
        <translation>Die Datei enthält X, Y und Z der Bohrung: Die Bohrpfaddatei wird nicht verwendet.</translation>
    </message>
    <message id="Tops of wells that are not imported are left out: %1.">
        <location line="+84"/>
        <source></source>
        <translation>Horizontmarken von Bohrungen, die nicht importiert werden, bleiben weg: %1.</translation>
    </message>
    <message id="The tops file holds no tops of the well '%1'.">
        <location line="+4"/>
        <source></source>
        <translation>Die Datei der Horizontmarken enthält keine Marken der Bohrung „%1“.</translation>
    </message>
    <message id="%1 tops become the Label object '%2'.">
        <location line="+77"/>
        <source></source>
        <translation>%1 Horizontmarken werden zum Label-Objekt „%2“.</translation>
    </message>
    <message id="IBM float">
        <location filename="../app/formats/segyformat.cpp" line="+30"/>
        <source></source>
        <translation>IBM-Gleitkommazahlen</translation>
    </message>
    <message id="32-bit integers">
        <location line="+1"/>
        <source></source>
        <translation>32-Bit-Ganzzahlen</translation>
    </message>
    <message id="16-bit integers">
        <location line="+1"/>
        <source></source>
        <translation>16-Bit-Ganzzahlen</translation>
    </message>
    <message id="IEEE float">
        <location line="+1"/>
        <source></source>
        <translation>IEEE-Gleitkommazahlen</translation>
    </message>
    <message id="8-bit integers">
        <location line="+1"/>
        <source></source>
        <translation>8-Bit-Ganzzahlen</translation>
    </message>
    <message id="format %1">
        <location line="+1"/>
        <source></source>
        <translation>Format %1</translation>
    </message>
    <message id="Inlines %1 to %2 (step %3), crosslines %4 to %5 (step %6), %7 traces.">
        <location line="+290"/>
        <source></source>
        <translation>Inlines %1 bis %2 (Schritt %3), Crosslines %4 bis %5 (Schritt %6), %7 Spuren.</translation>
    </message>
    <message id="%1 samples from %2 to %3 ms, every %4 ms; %5, %6.">
        <location line="+8"/>
        <source></source>
        <translation>%1 Abtastwerte von %2 bis %3 ms, alle %4 ms; %5, %6.</translation>
    </message>
    <message id="little-endian">
        <location line="+6"/>
        <source></source>
        <translation>Little-Endian</translation>
    </message>
    <message id="big-endian">
        <location line="+0"/>
        <source></source>
        <translation>Big-Endian</translation>
    </message>
    <message id="Text header:">
        <location line="+26"/>
        <location filename="../app/ui/importdialog.cpp" line="-275"/>
        <source></source>
        <translation>Textkopf:</translation>
    </message>
    <message id="The binary header says %1 samples per trace; the traces hold %2.">
        <location filename="../app/formats/segylayout.cpp" line="+163"/>
        <source></source>
        <translation>Der Binärkopf nennt %1 Abtastwerte je Spur; die Spuren enthalten %2.</translation>
    </message>
    <message id="The trace headers hold no CDP X/Y: X is the crossline number and Y the inline number.">
        <location line="+88"/>
        <source></source>
        <translation>Die Spurköpfe enthalten keine CDP-X/Y: X ist die Crossline-Nummer, Y die Inline-Nummer.</translation>
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
        <location filename="../app/core/objectfile.cpp" line="+114"/>
        <location filename="../app/formats/outputfile.cpp" line="+40"/>
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
        <location line="+106"/>
        <source></source>
        <translation>Objekt „%1“ fehlt: seine Prüfsumme steht in der Datei, das Objekt nicht</translation>
    </message>
    <message id="a property of object '%1' has no name">
        <location line="+39"/>
        <source></source>
        <translation>eine Eigenschaft von Objekt „%1“ hat keinen Namen</translation>
    </message>
    <message id="property '%1' of object '%2' is listed twice">
        <location line="+2"/>
        <source></source>
        <translation>Eigenschaft „%1“ von Objekt „%2“ ist zweimal aufgeführt</translation>
    </message>
    <message id="the colour of object '%1' is not written #rrggbb">
        <location line="+8"/>
        <source></source>
        <translation>die Farbe von Objekt „%1“ ist nicht als #rrggbb geschrieben</translation>
    </message>
    <message id="the grid of object '%1' holds a value that is not a number">
        <location line="+21"/>
        <source></source>
        <translation>das Gitter von Objekt „%1“ enthält einen Wert, der keine Zahl ist</translation>
    </message>
    <message id="the texts of object '%1' are not those of vertices 0, 1, 2 ...">
        <location line="+6"/>
        <source></source>
        <translation>die Texte von Objekt „%1“ gehören nicht zu den Knoten 0, 1, 2 …</translation>
    </message>
    <message id="a unit of object '%1' lacks its property or its text">
        <location line="+6"/>
        <source></source>
        <translation>einer Einheit von Objekt „%1“ fehlt ihre Eigenschaft oder ihr Text</translation>
    </message>
    <message id="the description of object '%1' (its properties, colour, grid, texts or units) does not match the checksum written with it">
        <location line="+13"/>
        <source></source>
        <translation>die Beschreibung von Objekt „%1“ (Eigenschaften, Farbe, Gitter, Texte oder Einheiten) passt nicht zu der mit ihr geschriebenen Prüfsumme</translation>
    </message>
    <message id="%1 declares %2 bytes of values, more than the whole file holds (%3 bytes)">
        <location line="+18"/>
        <source></source>
        <translation>%1 gibt %2 Bytes an Werten an, mehr als die ganze Datei enthält (%3 Bytes)</translation>
    </message>
    <message id="the checksums of %1 are not those of chunks 1, 2, 3 ...">
        <location line="+23"/>
        <source></source>
        <translation>die Prüfsummen von %1 gehören nicht zu den Blöcken 1, 2, 3 …</translation>
    </message>
    <message id="%1 needs a number, not '%2'">
        <location filename="../app/core/filebatch.cpp" line="-298"/>
        <source></source>
        <translation>%1 braucht eine Zahl, nicht „%2“</translation>
    </message>
    <message id="--wellhead needs the wellhead's X and Y and, if you like, the datum, in numbers separated by commas: --wellhead 456000,6780000,25.5; not '%1'">
        <location line="+17"/>
        <source></source>
        <translation>--wellhead braucht X und Y des Bohrlochkopfs und, wenn gewünscht, das Bezugsniveau, als Zahlen durch Kommas getrennt: --wellhead 456000,6780000,25.5; nicht „%1“</translation>
    </message>
    <message id="%1 needs FIRST:LAST or FIRST:LAST:STEP in whole numbers, STEP 1 or more (FIRST or LAST may be left out for the file's own), not '%2'">
        <location line="+29"/>
        <source></source>
        <translation>%1 braucht ERSTE:LETZTE oder ERSTE:LETZTE:SCHRITT in ganzen Zahlen, SCHRITT 1 oder mehr (ERSTE oder LETZTE darf für den Wert der Datei fehlen), nicht „%2“</translation>
    </message>
    <message id="--header-bytes needs the trace header bytes (1 to 240) of the inline and the crossline numbers: --header-bytes 189,193; not '%1'">
        <location line="+18"/>
        <source></source>
        <translation>--header-bytes braucht die Bytes des Spurkopfs (1 bis 240) der Inline- und der Crossline-Nummer: --header-bytes 189,193; nicht „%1“</translation>
    </message>
    <message id="--inlines, --crosslines and --samples choose the part of the cube to read: give --cube with them (--import %1)">
        <location line="+27"/>
        <source></source>
        <translation>--inlines, --crosslines und --samples wählen den zu lesenden Teil des Cubes: geben Sie --cube mit an (--import %1)</translation>
    </message>
    <message id="%1 needs a value">
        <location line="+21"/>
        <source></source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message id="'%1' is not an option; the project comes first">
        <location line="+5"/>
        <source></source>
        <translation>„%1“ ist keine Option; das Projekt steht am Anfang</translation>
    </message>
    <message id="--export needs an object and a file: --export OBJECT FILE">
        <location line="+9"/>
        <source></source>
        <translation>--export braucht ein Objekt und eine Datei: --export OBJEKT DATEI</translation>
    </message>
    <message id="--save needs the name of the file to write">
        <location line="+8"/>
        <source></source>
        <translation>--save braucht den Namen der zu schreibenden Datei</translation>
    </message>
    <message id="--format belongs after an --import or --export">
        <location line="+9"/>
        <source></source>
        <translation>--format gehört hinter ein --import oder --export</translation>
    </message>
    <message id="--null belongs after an --import or --export">
        <location line="+8"/>
        <source></source>
        <translation>--null gehört hinter ein --import oder --export</translation>
    </message>
    <message id="%1 belongs after an --import">
        <location line="+3"/>
        <location line="+6"/>
        <source></source>
        <translation>%1 gehört hinter ein --import</translation>
    </message>
    <message id="--cube takes no value">
        <location line="-4"/>
        <source></source>
        <translation>--cube nimmt keinen Wert</translation>
    </message>
    <message id="%1 needs the name of a file">
        <location line="+11"/>
        <source></source>
        <translation>%1 braucht den Namen einer Datei</translation>
    </message>
    <message id="--as needs a name">
        <location line="+12"/>
        <source></source>
        <translation>--as braucht einen Namen</translation>
    </message>
    <message id="--geometry is Point or Line, not '%1'">
        <location line="+4"/>
        <source></source>
        <translation>--geometry ist Point oder Line, nicht „%1“</translation>
    </message>
    <message id="--columns needs the numbers of the X, Y and Z columns, from 1: --columns 2,3,4">
        <location line="+13"/>
        <source></source>
        <translation>--columns braucht die Nummern der X-, Y- und Z-Spalte, ab 1: --columns 2,3,4</translation>
    </message>
    <message id="unknown option %1">
        <location line="+7"/>
        <source></source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message id="--save goes with --import or --export here">
        <location line="+6"/>
        <source></source>
        <translation>--save gehört hier zu --import oder --export</translation>
    </message>
    <message id="With --import: the name of the object made (default: from the file).">
        <location line="+9"/>
        <source></source>
        <translation>Mit --import: der Name des erzeugten Objekts (Vorgabe: aus der Datei).</translation>
    </message>
    <message id="With --import or --export: the file's format (default: recognised from the content, or from the name of the file written).">
        <location line="+1"/>
        <source></source>
        <translation>Mit --import oder --export: das Format der Datei (Vorgabe: am Inhalt erkannt oder aus dem Namen der geschriebenen Datei).</translation>
    </message>
    <message id="With --import (several times): a value that means no value, besides the file's own. With --export: the value written for no value.">
        <location line="+2"/>
        <source></source>
        <translation>Mit --import (mehrfach): ein Wert, der „kein Wert“ bedeutet, neben dem der Datei. Mit --export: der für fehlende Werte geschriebene Wert.</translation>
    </message>
    <message id="With --import of XYZ or CSV columns: the columns of X, Y and Z, from 1.">
        <location line="+2"/>
        <source></source>
        <translation>Mit --import von XYZ- oder CSV-Spalten: die Spalten von X, Y und Z, ab 1.</translation>
    </message>
    <message id="With --import of XYZ or CSV columns: what the file becomes.">
        <location line="+1"/>
        <source></source>
        <translation>Mit --import von XYZ- oder CSV-Spalten: was aus der Datei wird.</translation>
    </message>
    <message id="With --import of a LAS well: the wellhead's X and Y and the datum (elevation of MD 0) where the file has none; without a wellhead the well stands at X = Y = 0.">
        <location line="+1"/>
        <source></source>
        <translation>Mit --import einer LAS-Bohrung: X und Y des Bohrlochkopfs und das Bezugsniveau (Höhe von MD 0), wo die Datei keine hat; ohne Bohrlochkopf steht die Bohrung bei X = Y = 0.</translation>
    </message>
    <message id="With --import of a LAS well: a deviation survey (MD, INC, AZI) or a table of X, Y and TVDSS, TVD or Z that the well follows.">
        <location line="+3"/>
        <source></source>
        <translation>Mit --import einer LAS-Bohrung: eine Richtungsmessung (MD, INC, AZI) oder eine Tabelle von X, Y und TVDSS, TVD oder Z, der die Bohrung folgt.</translation>
    </message>
    <message id="With --import of a LAS well: formation tops (well, top, MD) that become a Label object.">
        <location line="+2"/>
        <source></source>
        <translation>Mit --import einer LAS-Bohrung: Horizontmarken (Bohrung, Marke, MD), die ein Label-Objekt werden.</translation>
    </message>
    <message id="With --import of SEG-Y: read the Cube of amplitudes as well as the Survey.">
        <location line="+2"/>
        <source></source>
        <translation>Mit --import von SEG-Y: den Cube der Amplituden ebenso lesen wie den Survey.</translation>
    </message>
    <message id="With --import of SEG-Y and --cube: the inlines read, by their numbers; every step-th one.">
        <location line="+1"/>
        <source></source>
        <translation>Mit --import von SEG-Y und --cube: die gelesenen Inlines, nach ihren Nummern; jede SCHRITT-te.</translation>
    </message>
    <message id="With --import of SEG-Y and --cube: the crosslines read, by their numbers; every step-th one.">
        <location line="+2"/>
        <source></source>
        <translation>Mit --import von SEG-Y und --cube: die gelesenen Crosslines, nach ihren Nummern; jede SCHRITT-te.</translation>
    </message>
    <message id="With --import of SEG-Y and --cube: the samples read, by their time in ms; every step-th one.">
        <location line="+2"/>
        <source></source>
        <translation>Mit --import von SEG-Y und --cube: die gelesenen Samples, nach ihrer Zeit in ms; jedes SCHRITT-te.</translation>
    </message>
    <message id="With --import of SEG-Y: the trace header bytes where the inline and crossline numbers start (default 189,193).">
        <location line="+2"/>
        <source></source>
        <translation>Mit --import von SEG-Y: die Bytes des Spurkopfs, an denen die Inline- und die Crossline-Nummer beginnen (Vorgabe 189,193).</translation>
    </message>
    <message id="Usage: kelvra [PROJECT] --import FILE [--as NAME] [--format NAME] [--null VALUE]... [--columns X,Y,Z] [--geometry Point|Line] [--wellhead X,Y[,DATUM]] [--path FILE] [--tops FILE] [--cube] [--inlines FIRST:LAST[:STEP]] [--crosslines FIRST:LAST[:STEP]] [--samples FIRST:LAST[:STEP]] [--header-bytes INLINE,CROSSLINE] ... --export OBJECT FILE [--format NAME] [--null VALUE] ... [--save OUT]">
        <location line="+14"/>
        <source></source>
        <translation>Aufruf: kelvra [PROJEKT] --import DATEI [--as NAME] [--format NAME] [--null WERT]... [--columns X,Y,Z] [--geometry Point|Line] [--wellhead X,Y[,BEZUG]] [--path DATEI] [--tops DATEI] [--cube] [--inlines ERSTE:LETZTE[:SCHRITT]] [--crosslines ERSTE:LETZTE[:SCHRITT]] [--samples ERSTE:LETZTE[:SCHRITT]] [--header-bytes INLINE,CROSSLINE] ... --export OBJEKT DATEI [--format NAME] [--null WERT] ... [--save AUSGABE]</translation>
    </message>
    <message id="warning: %1: %2">
        <location line="+24"/>
        <source></source>
        <translation>Warnung: %1: %2</translation>
    </message>
    <message id="wrote %1">
        <location line="+9"/>
        <source></source>
        <translation>%1 geschrieben</translation>
    </message>
    <message id="Known formats (%1)">
        <location filename="../app/ui/importdialog.cpp" line="-68"/>
        <source></source>
        <translation>Bekannte Formate (%1)</translation>
    </message>
    <message id="All files (*)">
        <location line="+1"/>
        <source></source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message id="The %1 column must be a number from 1, not '%2'.">
        <location line="+12"/>
        <source></source>
        <translation>Die %1-Spalte muss eine Zahl ab 1 sein, nicht „%2“.</translation>
    </message>
    <message id="%1: '%2' is not a number.">
        <location line="+12"/>
        <source></source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message id="%1: '%2' is not a whole number.">
        <location line="+17"/>
        <source></source>
        <translation>%1: „%2“ ist keine ganze Zahl.</translation>
    </message>
    <message id="%1: the step must be 1 or more, not %2.">
        <location line="+7"/>
        <source></source>
        <translation>%1: Der Schritt muss 1 oder mehr sein, nicht %2.</translation>
    </message>
    <message id="%1 must be a byte of the trace header, 1 to 240, not '%2'.">
        <location line="+11"/>
        <source></source>
        <translation>%1 muss ein Byte des Spurkopfs sein, 1 bis 240, nicht „%2“.</translation>
    </message>
    <message id="Format: %1">
        <location line="+14"/>
        <source></source>
        <translation>Format: %1</translation>
    </message>
    <message id="Becomes: %1">
        <location line="+0"/>
        <source></source>
        <translation>Wird zu: %1</translation>
    </message>
    <message id="Grid: %1 columns x %2 rows, spacing %3 x %4, rotation %5 degrees">
        <location line="+2"/>
        <source></source>
        <translation>Gitter: %1 Spalten x %2 Zeilen, Abstand %3 x %4, Drehung %5 Grad</translation>
    </message>
    <message id="Vertices: %1">
        <location line="+7"/>
        <source></source>
        <translation>Punkte: %1</translation>
    </message>
    <message id="Extent: X %1 to %2, Y %3 to %4">
        <location line="+2"/>
        <source></source>
        <translation>Ausdehnung: X %1 bis %2, Y %3 bis %4</translation>
    </message>
    <message id="Null values: %1">
        <location line="+5"/>
        <source></source>
        <translation>Nullwerte: %1</translation>
    </message>
    <message id="Null values: counted when imported">
        <location line="+0"/>
        <source></source>
        <translation>Nullwerte: werden beim Import gezählt</translation>
    </message>
    <message id="Properties: %1">
        <location line="+1"/>
        <source></source>
        <translation>Eigenschaften: %1</translation>
    </message>
    <message id="none besides X, Y and Z">
        <location line="+0"/>
        <source></source>
        <translation>keine außer X, Y und Z</translation>
    </message>
    <message id="Memory: %1">
        <location line="+2"/>
        <source></source>
        <translation>Speicher: %1</translation>
    </message>
    <message id="File">
        <location line="+25"/>
        <location line="+233"/>
        <source></source>
        <translation>Datei</translation>
    </message>
    <message id="Recognise from content">
        <location line="-231"/>
        <source></source>
        <translation>Am Inhalt erkennen</translation>
    </message>
    <message id="Format">
        <location line="+3"/>
        <location line="+235"/>
        <source></source>
        <translation>Format</translation>
    </message>
    <message id="Object name">
        <location line="-233"/>
        <source></source>
        <translation>Objektname</translation>
    </message>
    <message id="Empty: the name the file gives">
        <location line="+0"/>
        <source></source>
        <translation>Leer: der Name aus der Datei</translation>
    </message>
    <message id="Null values">
        <location line="+2"/>
        <source></source>
        <translation>Nullwerte</translation>
    </message>
    <message id="Numbers separated by spaces, besides the file's own">
        <location line="+0"/>
        <source></source>
        <translation>Zahlen, durch Leerzeichen getrennt, zusätzlich zu denen der Datei</translation>
    </message>
    <message id="X column">
        <location line="+4"/>
        <source></source>
        <translation>X-Spalte</translation>
    </message>
    <message id="From 1; empty: from the header, else 1">
        <location line="+0"/>
        <source></source>
        <translation>Ab 1; leer: aus der Kopfzeile, sonst 1</translation>
    </message>
    <message id="Y column">
        <location line="+1"/>
        <source></source>
        <translation>Y-Spalte</translation>
    </message>
    <message id="From 1; empty: from the header, else 2">
        <location line="+0"/>
        <source></source>
        <translation>Ab 1; leer: aus der Kopfzeile, sonst 2</translation>
    </message>
    <message id="Z column">
        <location line="+1"/>
        <source></source>
        <translation>Z-Spalte</translation>
    </message>
    <message id="From 1; empty: from the header, else 3">
        <location line="+0"/>
        <source></source>
        <translation>Ab 1; leer: aus der Kopfzeile, sonst 3</translation>
    </message>
    <message id="Becomes">
        <location line="+1"/>
        <source></source>
        <translation>Wird zu</translation>
    </message>
    <message id="Lines when the file has pieces, else points">
        <location line="+0"/>
        <source></source>
        <translation>Linien, wenn die Datei Stücke hat, sonst Punkte</translation>
    </message>
    <message id="Point">
        <location line="+1"/>
        <source></source>
        <translation>Punkt</translation>
    </message>
    <message id="Line">
        <location line="+1"/>
        <source></source>
        <translation>Linie</translation>
    </message>
    <message id="Columns">
        <location line="+2"/>
        <source></source>
        <translation>Spalten</translation>
    </message>
    <message id="Wellhead X">
        <location line="+2"/>
        <source></source>
        <translation>Bohrlochkopf X</translation>
    </message>
    <message id="Used where the file gives none; empty: 0">
        <location line="+0"/>
        <location line="+1"/>
        <source></source>
        <translation>Gilt, wo die Datei keinen Wert angibt; leer: 0</translation>
    </message>
    <message id="Wellhead Y">
        <location line="+0"/>
        <source></source>
        <translation>Bohrlochkopf Y</translation>
    </message>
    <message id="Datum">
        <location line="+1"/>
        <source></source>
        <translation>Bezugsniveau</translation>
    </message>
    <message id="Elevation of MD 0 (KB, DF), used where the file gives none; empty: 0">
        <location line="+0"/>
        <source></source>
        <translation>Höhe von MD 0 (KB, DF); gilt, wo die Datei keine angibt; leer: 0</translation>
    </message>
    <message id="Tables (*.csv *.txt *.dat *.dev);;All files (*)">
        <location line="+1"/>
        <source></source>
        <translation>Tabellen (*.csv *.txt *.dat *.dev);;Alle Dateien (*)</translation>
    </message>
    <message id="Well path file">
        <location line="+1"/>
        <source></source>
        <translation>Bohrpfaddatei</translation>
    </message>
    <message id="A deviation survey (MD, INC, AZI) or a table of X, Y and TVDSS, TVD or Z">
        <location line="+1"/>
        <source></source>
        <translation>Eine Richtungsmessung (MD, INC, AZI) oder eine Tabelle von X, Y und TVDSS, TVD oder Z</translation>
    </message>
    <message id="Tops file">
        <location line="+2"/>
        <source></source>
        <translation>Datei der Horizontmarken</translation>
    </message>
    <message id="Well, top and MD on each line">
        <location line="+0"/>
        <source></source>
        <translation>Bohrung, Marke und MD in jeder Zeile</translation>
    </message>
    <message id="Well">
        <location line="+2"/>
        <source></source>
        <translation>Bohrung</translation>
    </message>
    <message id="Read the cube as well as the survey">
        <location line="+2"/>
        <source></source>
        <translation>Den Cube ebenso lesen wie den Survey</translation>
    </message>
    <message id="Lines by their numbers, samples by their time in ms; a step takes every step-th one. Empty: the whole survey.">
        <location line="+3"/>
        <source></source>
        <translation>Linien nach ihren Nummern, Samples nach ihrer Zeit in ms; ein Schritt nimmt jede Schritt-te. Leer: der ganze Survey.</translation>
    </message>
    <message id="Inline numbers at byte">
        <location line="+4"/>
        <source></source>
        <translation>Inline-Nummern ab Byte</translation>
    </message>
    <message id="Where the trace headers hold the inline number, from 1">
        <location line="+1"/>
        <source></source>
        <translation>Wo die Spurköpfe die Inline-Nummer halten, ab 1</translation>
    </message>
    <message id="Crossline numbers at byte">
        <location line="+1"/>
        <source></source>
        <translation>Crossline-Nummern ab Byte</translation>
    </message>
    <message id="Where the trace headers hold the crossline number, from 1">
        <location line="+1"/>
        <source></source>
        <translation>Wo die Spurköpfe die Crossline-Nummer halten, ab 1</translation>
    </message>
    <message id="The text header of the file">
        <location line="+9"/>
        <source></source>
        <translation>Der Textkopf der Datei</translation>
    </message>
    <message id="Seismic">
        <location line="+2"/>
        <source></source>
        <translation>Seismik</translation>
    </message>
    <message id="The null value '%1' is not a number.">
        <location line="+42"/>
        <location line="+204"/>
        <source></source>
        <translation>Der Nullwert „%1“ ist keine Zahl.</translation>
    </message>
    <message id="Give the wellhead's X and Y both, or neither.">
        <location line="-191"/>
        <source></source>
        <translation>Geben Sie X und Y des Bohrlochkopfs beide an oder keines.</translation>
    </message>
    <message id="Inlines">
        <location line="+7"/>
        <source></source>
        <translation>Inlines</translation>
    </message>
    <message id="Crosslines">
        <location line="+1"/>
        <source></source>
        <translation>Crosslines</translation>
    </message>
    <message id="Samples">
        <location line="+1"/>
        <source></source>
        <translation>Samples</translation>
    </message>
    <message id="The cube of %1 x %2 traces and %3 samples each takes %4 of memory.">
        <location line="+54"/>
        <source></source>
        <translation>Der Cube aus %1 x %2 Spuren mit je %3 Samples belegt %4 Speicher.</translation>
    </message>
    <message id="All objects">
        <location line="+59"/>
        <source></source>
        <translation>Alle Objekte</translation>
    </message>
    <message id="For one object">
        <location line="+2"/>
        <source></source>
        <translation>Für ein Objekt</translation>
    </message>
    <message id="Folder">
        <location line="+2"/>
        <source></source>
        <translation>Ordner</translation>
    </message>
    <message id="For several objects: each goes into a file named after it">
        <location line="+0"/>
        <source></source>
        <translation>Für mehrere Objekte: jedes kommt in eine nach ihm benannte Datei</translation>
    </message>
    <message id="The first that can hold each object">
        <location line="+54"/>
        <source></source>
        <translation>Das erste, das jedes Objekt aufnehmen kann</translation>
    </message>
    <message id="Choose the objects to export.">
        <location line="+15"/>
        <source></source>
        <translation>Wählen Sie die zu exportierenden Objekte.</translation>
    </message>
    <message id="Choose the folder to write the objects into.">
        <location line="+4"/>
        <source></source>
        <translation>Wählen Sie den Ordner, in den die Objekte geschrieben werden.</translation>
    </message>
    <message id="From the file name">
        <location line="-71"/>
        <location line="+52"/>
        <source></source>
        <translation>Aus dem Dateinamen</translation>
    </message>
    <message id="Null value">
        <location line="-47"/>
        <source></source>
        <translation>Nullwert</translation>
    </message>
    <message id="Written for missing values; empty: the format's usual one">
        <location line="+0"/>
        <source></source>
        <translation>Wird für fehlende Werte geschrieben; leer: der übliche des Formats</translation>
    </message>
    <message id="Import">
        <location filename="../app/ui/importdialog.h" line="+25"/>
        <source></source>
        <translation>Importieren</translation>
    </message>
    <message id="Choose a file of another program: ZMAP+ and IRAP grids become Gsurfaces, GOCAD TSurf files Tsurfaces, columns of numbers (XYZ, CSV) Points or Lines, LAS files wells, SEG-Y files a Survey and, when asked, a Cube. The format is recognised from the file's content; what was recognised is shown before anything is imported. Leave the name empty to take it from the file. Null values: numbers, separated by spaces, that mean no value besides the file's own.&lt;br&gt;&lt;br&gt;Well: the wellhead X and Y and the datum (elevation of MD 0) are used where the LAS file has none, and are remembered for the well; a well path file (a deviation survey or a table of positions) and a tops file are read with the well.&lt;br&gt;&lt;br&gt;Seismic: the lines of the cube to read by their numbers, the samples by their time in ms, every step-th one; the bytes of the trace headers that hold the line numbers. The memory the cube takes is shown before it is read.">
        <location line="+1"/>
        <source></source>
        <translation>Wählen Sie eine Datei eines anderen Programms: ZMAP+- und IRAP-Gitter werden Gsurfaces, GOCAD-TSurf-Dateien Tsurfaces, Zahlenspalten (XYZ, CSV) Points oder Lines, LAS-Dateien Bohrungen, SEG-Y-Dateien ein Survey und auf Wunsch ein Cube. Das Format wird am Inhalt der Datei erkannt; was erkannt wurde, wird gezeigt, bevor etwas importiert wird. Lassen Sie den Namen leer, um ihn aus der Datei zu nehmen. Nullwerte: Zahlen, durch Leerzeichen getrennt, die neben denen der Datei „kein Wert“ bedeuten.&lt;br&gt;&lt;br&gt;Bohrung: X und Y des Bohrlochkopfs und das Bezugsniveau (Höhe von MD 0) gelten, wo die LAS-Datei keine hat, und werden für die Bohrung gemerkt; eine Bohrpfaddatei (eine Richtungsmessung oder eine Tabelle von Positionen) und eine Datei der Horizontmarken werden mit der Bohrung gelesen.&lt;br&gt;&lt;br&gt;Seismik: die zu lesenden Linien des Cubes nach ihren Nummern, die Samples nach ihrer Zeit in ms, jede Schritt-te; die Bytes der Spurköpfe, die die Liniennummern halten. Der Speicher, den der Cube belegt, wird vor dem Lesen gezeigt.</translation>
    </message>
    <message id="Writes objects into files of other programs. Gsurfaces go to ZMAP+ (unrotated grids) and IRAP grids, Tsurfaces to GOCAD TSurf, wells to LAS, cubes to SEG-Y, every object to XYZ or CSV columns with its properties. One object goes into the file named; several objects, or all, each into a file of its own in the folder named, the object's name with the format's extension. The format follows from the file's name (for a folder: the first that can hold each object) unless one is chosen. The null value is written for missing values.">
        <location line="+76"/>
        <source></source>
        <translation>Schreibt Objekte in Dateien anderer Programme. Gsurfaces gehen nach ZMAP+ (ungedrehte Gitter) und in IRAP-Gitter, Tsurfaces nach GOCAD TSurf, Bohrungen nach LAS, Cubes nach SEG-Y, jedes Objekt in XYZ- oder CSV-Spalten mit seinen Eigenschaften. Ein Objekt kommt in die genannte Datei; mehrere Objekte oder alle kommen jedes in eine eigene Datei im genannten Ordner, mit dem Namen des Objekts und der Endung des Formats. Das Format folgt aus dem Namen der Datei (bei einem Ordner: das erste, das jedes Objekt aufnehmen kann), außer es wird eines gewählt. Der Nullwert wird für fehlende Werte geschrieben.</translation>
    </message>
    <message id="Export">
        <location line="-1"/>
        <source></source>
        <translation>Exportieren</translation>
    </message>
    <message id="%1 on %2">
        <location filename="../app/core/projectlocation.cpp" line="+44"/>
        <source></source>
        <translation>%1 auf %2</translation>
    </message>
    <message id="%1 is not a PostgreSQL address (postgresql://...)">
        <location filename="../app/core/serveraddress.cpp" line="+69"/>
        <source></source>
        <translation>%1 ist keine PostgreSQL-Adresse (postgresql://...)</translation>
    </message>
    <message id="The parameter %1 of %2 has no value">
        <location line="+27"/>
        <source></source>
        <translation>Der Parameter %1 von %2 hat keinen Wert</translation>
    </message>
    <message id="%1 names no project: add ?project=NAME">
        <location line="+18"/>
        <source></source>
        <translation>%1 nennt kein Projekt: ?project=NAME anfügen</translation>
    </message>
    <message id="Project &quot;%1&quot; on %2 was saved by %3 at %4, after you opened it. Your save was refused so that their work is kept; save under a new project name to keep yours.">
        <location filename="../app/core/serverproject.cpp" line="+128"/>
        <source></source>
        <translation>Das Projekt „%1“ auf %2 wurde von %3 am %4 gespeichert, nachdem Sie es geöffnet hatten. Ihr Speichern wurde abgelehnt, damit diese Arbeit erhalten bleibt; speichern Sie unter einem neuen Projektnamen, um Ihre zu behalten.</translation>
    </message>
    <message id="There is already a project &quot;%1&quot; on %2, saved by %3 at %4. Nothing was saved.">
        <location line="+18"/>
        <source></source>
        <translation>Auf %2 gibt es bereits ein Projekt „%1“, gespeichert von %3 am %4. Es wurde nichts gespeichert.</translation>
    </message>
    <message id="there is no such project">
        <location line="+245"/>
        <location line="+3"/>
        <source></source>
        <translation>dieses Projekt gibt es nicht</translation>
    </message>
    <message id="the server asks for a password, and none was found in ~/.pgpass, the service file or PGPASSWORD">
        <location line="+107"/>
        <source></source>
        <translation>der Server verlangt ein Passwort, und weder ~/.pgpass noch die Dienstdatei noch PGPASSWORD enthält eines</translation>
    </message>
    <message id="Cannot open project &quot;%1&quot; on %2: %3">
        <location line="+22"/>
        <source></source>
        <translation>Das Projekt „%1“ auf %2 kann nicht geöffnet werden: %3</translation>
    </message>
    <message id="Cannot save project &quot;%1&quot; on %2: %3">
        <location line="+12"/>
        <source></source>
        <translation>Das Projekt „%1“ auf %2 kann nicht gespeichert werden: %3</translation>
    </message>
    <message id="the project has no name">
        <location line="+4"/>
        <source></source>
        <translation>das Projekt hat keinen Namen</translation>
    </message>
    <message id="Cannot list the projects on %1: %2">
        <location line="+33"/>
        <source></source>
        <translation>Die Projekte auf %1 können nicht aufgelistet werden: %2</translation>
    </message>
    <message id="List projects">
        <location filename="../app/ui/serverdialog.cpp" line="+2"/>
        <source></source>
        <translation>Projekte auflisten</translation>
    </message>
    <message id="Open from server">
        <location line="+7"/>
        <source></source>
        <translation>Vom Server öffnen</translation>
    </message>
    <message id="Save to server">
        <location line="+0"/>
        <source></source>
        <translation>Auf dem Server speichern</translation>
    </message>
    <message id="local socket">
        <location line="+6"/>
        <source></source>
        <translation>lokaler Socket</translation>
    </message>
    <message id="Host">
        <location line="+7"/>
        <source></source>
        <translation>Rechner</translation>
    </message>
    <message id="Port">
        <location line="+1"/>
        <source></source>
        <translation>Port</translation>
    </message>
    <message id="Database">
        <location line="+1"/>
        <source></source>
        <translation>Datenbank</translation>
    </message>
    <message id="User">
        <location line="+1"/>
        <source></source>
        <translation>Benutzer</translation>
    </message>
    <message id="Project">
        <location line="+4"/>
        <source></source>
        <translation>Projekt</translation>
    </message>
    <message id="Last saved by">
        <location line="+0"/>
        <source></source>
        <translation>Zuletzt gespeichert von</translation>
    </message>
    <message id="When">
        <location line="+0"/>
        <source></source>
        <translation>Wann</translation>
    </message>
    <message id="Size">
        <location line="+0"/>
        <source></source>
        <translation>Größe</translation>
    </message>
    <message id="Project name">
        <location line="+10"/>
        <source></source>
        <translation>Projektname</translation>
    </message>
    <message id="Listing the projects on %1...">
        <location line="+75"/>
        <source></source>
        <translation>Die Projekte auf %1 werden aufgelistet...</translation>
    </message>
    <message id="The server asks for a password: type it and list the projects again.">
        <location line="+28"/>
        <source></source>
        <translation>Der Server verlangt ein Passwort: Geben Sie es ein und listen Sie die Projekte erneut auf.</translation>
    </message>
    <message id="There are no projects on this server yet.">
        <location line="+13"/>
        <source></source>
        <translation>Auf diesem Server gibt es noch keine Projekte.</translation>
    </message>
    <message id="Give the database that holds the projects.">
        <location line="+8"/>
        <source></source>
        <translation>Geben Sie die Datenbank an, die die Projekte enthält.</translation>
    </message>
    <message id="Choose a project to open.">
        <location line="+4"/>
        <source></source>
        <translation>Wählen Sie ein Projekt zum Öffnen.</translation>
    </message>
    <message id="Give the project a name.">
        <location line="+0"/>
        <source></source>
        <translation>Geben Sie dem Projekt einen Namen.</translation>
    </message>
    <message id="there is no folder '%1' to write the objects into">
        <location filename="../app/formats/exchange.cpp" line="+95"/>
        <source></source>
        <translation>es gibt keinen Ordner „%1“, in den die Objekte geschrieben werden könnten</translation>
    </message>
    <message id="%1 files cannot hold the %2 '%3'; these formats can: %4">
        <location line="+9"/>
        <source></source>
        <translation>%1-Dateien können das %2-Objekt „%3“ nicht aufnehmen; diese Formate können es: %4</translation>
    </message>
    <message id="no format can hold the %1 '%2'">
        <location line="+11"/>
        <source></source>
        <translation>kein Format kann das %1-Objekt „%2“ aufnehmen</translation>
    </message>
    <message id="no file was named to export to">
        <location filename="../app/formats/outputfile.cpp" line="-16"/>
        <source></source>
        <translation>es wurde keine Datei genannt, in die exportiert werden soll</translation>
    </message>
</context>
</TS>
