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
    <message id="folder">
        <location line="+1"/>
        <source></source>
        <translation>ordner</translation>
    </message>
    <message id="Run the script file given after the project on this object, without a window, and exit.">
        <location line="+2"/>
        <source></source>
        <translation>Die nach dem Projekt angegebene Skriptdatei ohne Fenster auf dieses Objekt anwenden und beenden.</translation>
    </message>
    <message id="object">
        <location line="+2"/>
        <source></source>
        <translation>objekt</translation>
    </message>
    <message id="out">
        <location line="+4"/>
        <source></source>
        <translation>ausgabe</translation>
    </message>
    <message id="After the imports: export an object into a file, with --format and --null following it.">
        <location line="+7"/>
        <source></source>
        <translation>Nach den Importen: ein Objekt in eine Datei exportieren, mit --format und --null dahinter.</translation>
    </message>
    <message id="object file">
        <location line="+2"/>
        <source></source>
        <translation>objekt datei</translation>
    </message>
    <message id="project">
        <location line="+5"/>
        <source></source>
        <translation>projekt</translation>
    </message>
    <message id="With --script: the script file.">
        <location line="+1"/>
        <source></source>
        <translation>Mit --script: die Skriptdatei.</translation>
    </message>
    <message id="[file]">
        <location line="+1"/>
        <source></source>
        <translation>[datei]</translation>
    </message>
    <message id="Usage: %1 PROJECT --script OBJECT FILE [--save OUT]">
        <location line="+20"/>
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
        <location filename="../app/ui/hostwindow.cpp" line="+52"/>
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
    <message id="the plug-in %1 gave no dock widget">
        <location line="+73"/>
        <source></source>
        <translation>das Plug-in %1 hat kein andockbares Fenster geliefert</translation>
    </message>
    <message id="No object selected">
        <location line="+188"/>
        <source></source>
        <translation>Kein Objekt ausgewählt</translation>
    </message>
    <message id="Open project">
        <location filename="../app/ui/projectsession.cpp" line="+50"/>
        <source></source>
        <translation>Projekt öffnen</translation>
    </message>
    <message id="Save project as...">
        <location filename="../app/ui/hostwindow.cpp" line="-269"/>
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
    <message id="DB files (*.db);;All files (*)">
        <location filename="../app/ui/projectsession.cpp" line="-21"/>
        <source></source>
        <translation>DB-Dateien (*.db);;Alle Dateien (*)</translation>
    </message>
    <message id="Recent projects">
        <location line="+6"/>
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
    <message id="props holds the key %1: property names are texts">
        <location filename="../app/script/propertyscript.cpp" line="+61"/>
        <source></source>
        <translation>props enthält den Schlüssel %1: Namen von Eigenschaften sind Texte</translation>
    </message>
    <message id="'%1' was given one value as a variable and another in props">
        <location line="+1"/>
        <source></source>
        <translation>„%1“ hat als Variable einen Wert erhalten und in props einen anderen</translation>
    </message>
    <message id="'%1' is a masked array: fill the masked values first, as in %1.filled(numpy.nan)">
        <location line="+1"/>
        <source></source>
        <translation>„%1“ ist ein maskiertes Feld: füllen Sie zuerst die maskierten Werte, etwa mit %1.filled(numpy.nan)</translation>
    </message>
    <message id="'%1' is None, neither a number nor a numpy array (numpy's in-place methods such as %1.sort() return None: write %1 = numpy.sort(...))">
        <location line="+1"/>
        <source></source>
        <translation>„%1“ ist None, weder eine Zahl noch ein numpy-Feld (numpys Methoden, die an Ort und Stelle arbeiten, etwa %1.sort(), geben None zurück: schreiben Sie %1 = numpy.sort(...))</translation>
    </message>
    <message id="'%1' holds a %2, neither a number nor a numpy array (names of the script's own values start with '_')">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ enthält ein %2, weder eine Zahl noch ein numpy-Feld (Namen der eigenen Werte des Skripts beginnen mit „_“)</translation>
    </message>
    <message id="'%1' holds complex numbers">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ enthält komplexe Zahlen</translation>
    </message>
    <message id="'%1' holds %2 values, not numbers">
        <location line="+1"/>
        <source></source>
        <translation>„%1“ enthält Werte vom Typ %2, keine Zahlen</translation>
    </message>
    <message id="'%1' holds %2 values for %3 vertices">
        <location line="+1"/>
        <source></source>
        <translation>„%1“ enthält %2 Werte für %3 Knoten</translation>
    </message>
    <message id="The script on '%1' changed nothing:">
        <location line="+45"/>
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
    <message id="LAS well log">
        <location line="+16"/>
        <source></source>
        <translation>LAS-Bohrlochmessung</translation>
    </message>
    <message id="%1 tops become the Label object '%2'.">
        <location line="+61"/>
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
    <message id="the samples of the trace cannot be read">
        <location line="+102"/>
        <source></source>
        <translation>die Abtastwerte der Spur können nicht gelesen werden</translation>
    </message>
    <message id="%1: the cube '%2' cannot be written as SEG-Y: %3">
        <location line="+59"/>
        <source></source>
        <translation>%1: der Cube „%2“ kann nicht als SEG-Y geschrieben werden: %3</translation>
    </message>
    <message id="%1 samples per trace, where SEG-Y holds at most 65535">
        <location line="+3"/>
        <source></source>
        <translation>%1 Abtastwerte je Spur, wo SEG-Y höchstens 65535 aufnimmt</translation>
    </message>
    <message id="more traces than SEG-Y numbers">
        <location line="+2"/>
        <source></source>
        <translation>mehr Spuren, als SEG-Y nummerieren kann</translation>
    </message>
    <message id="the sample interval must be a whole number of microseconds from 1 to 65535, with Z decreasing down the samples; it is %1">
        <location line="+2"/>
        <source></source>
        <translation>das Abtastintervall muss eine ganze Zahl von Mikrosekunden von 1 bis 65535 sein, wobei Z mit den Abtastwerten abnimmt; es beträgt %1</translation>
    </message>
    <message id="the first sample's time %1 ms is not a whole number of 16 bits">
        <location line="+4"/>
        <source></source>
        <translation>die Zeit des ersten Abtastwerts, %1 ms, ist keine ganze Zahl mit 16 Bit</translation>
    </message>
    <message id="coordinates as large as %1 do not fit the trace headers">
        <location line="+16"/>
        <source></source>
        <translation>Koordinaten bis %1 passen nicht in die Spurköpfe</translation>
    </message>
    <message id="SEG-Y seismic">
        <location line="+68"/>
        <source></source>
        <translation>SEG-Y-Seismik</translation>
    </message>
    <message id="Inlines %1 to %2 (step %3), crosslines %4 to %5 (step %6), %7 traces.">
        <location line="+34"/>
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
    <message id="the %1 number %2 repeats: the file is not a post-stack 3-D survey">
        <location filename="../app/formats/segylayout.cpp" line="+63"/>
        <source></source>
        <translation>die %1-Nummer %2 wiederholt sich: die Datei ist keine gestapelte 3-D-Vermessung</translation>
    </message>
    <message id="the file ends before the %1 bytes of its text and binary headers">
        <location line="+46"/>
        <source></source>
        <translation>die Datei endet vor den %1 Bytes ihres Text- und Binärkopfs</translation>
    </message>
    <message id="byte %1 is not the start of a trace header field">
        <location line="+4"/>
        <source></source>
        <translation>Byte %1 ist nicht der Anfang eines Felds im Spurkopf</translation>
    </message>
    <message id="the sample format code %1 is none of IBM float (1), 32-bit integer (2), 16-bit integer (3), IEEE float (5) or 8-bit integer (8)">
        <location line="+11"/>
        <source></source>
        <translation>der Code %1 des Abtastformats ist keiner von IBM-Gleitkomma (1), 32-Bit-Ganzzahl (2), 16-Bit-Ganzzahl (3), IEEE-Gleitkomma (5) oder 8-Bit-Ganzzahl (8)</translation>
    </message>
    <message id="the count of extended text headers puts the first trace past the end of the file">
        <location line="+15"/>
        <source></source>
        <translation>nach der Anzahl erweiterter Textköpfe läge die erste Spur hinter dem Ende der Datei</translation>
    </message>
    <message id="traces of %1 samples of %2 bytes do not fill the %3 bytes after the headers: the file is cut short or its sample count is wrong">
        <location line="+19"/>
        <source></source>
        <translation>Spuren aus %1 Abtastwerten zu %2 Bytes füllen die %3 Bytes nach den Köpfen nicht: die Datei ist abgeschnitten, oder ihre Anzahl der Abtastwerte ist falsch</translation>
    </message>
    <message id="The binary header says %1 samples per trace; the traces hold %2.">
        <location line="+5"/>
        <source></source>
        <translation>Der Binärkopf nennt %1 Abtastwerte je Spur; die Spuren enthalten %2.</translation>
    </message>
    <message id="%1 traces: more than Kelvra reads from one file">
        <location line="+9"/>
        <source></source>
        <translation>%1 Spuren: mehr, als Kelvra aus einer Datei liest</translation>
    </message>
    <message id="the sample interval is zero">
        <location line="+5"/>
        <source></source>
        <translation>das Abtastintervall ist null</translation>
    </message>
    <message id="inline %1 crossline %2 follows inline %3 crossline %4: the traces are not in lines of a 3-D survey (are the line numbers at bytes %5 and %6?)">
        <location line="+19"/>
        <source></source>
        <translation>Inline %1 Crossline %2 folgt auf Inline %3 Crossline %4: die Spuren liegen nicht in Linien einer 3-D-Vermessung (stehen die Liniennummern in den Bytes %5 und %6?)</translation>
    </message>
    <message id="line number %1 breaks the step of %2 of the traces before it">
        <location line="+18"/>
        <source></source>
        <translation>die Liniennummer %1 bricht die Schrittweite %2 der Spuren davor</translation>
    </message>
    <message id="%1 traces do not fill lines of %2 traces: the survey is not a full rectangle">
        <location line="+6"/>
        <source></source>
        <translation>%1 Spuren füllen keine Linien aus je %2 Spuren: die Vermessung ist kein volles Rechteck</translation>
    </message>
    <message id="crossline">
        <location line="+7"/>
        <location line="+2"/>
        <location line="+61"/>
        <source></source>
        <translation>Crossline</translation>
    </message>
    <message id="inline">
        <location line="-63"/>
        <location line="+2"/>
        <location line="+60"/>
        <source></source>
        <translation>Inline</translation>
    </message>
    <message id="The trace headers hold no CDP X/Y: X is the crossline number and Y the inline number.">
        <location line="-38"/>
        <source></source>
        <translation>Die Spurköpfe enthalten keine CDP-X/Y: X ist die Crossline-Nummer, Y die Inline-Nummer.</translation>
    </message>
    <message id="the first and last traces of the first line share one position">
        <location line="+3"/>
        <source></source>
        <translation>die erste und die letzte Spur der ersten Linie liegen an derselben Position</translation>
    </message>
    <message id="the first traces of the first and last lines share one position">
        <location line="+2"/>
        <source></source>
        <translation>die ersten Spuren der ersten und der letzten Linie liegen an derselben Position</translation>
    </message>
    <message id="there is no %1 %2: the %1s run from %3 to %4 in steps of %5">
        <location line="+14"/>
        <source></source>
        <translation>es gibt keine %1 %2: die %1s laufen von %3 bis %4 in Schritten von %5</translation>
    </message>
    <message id="the %1 step must be 1 or more">
        <location line="+11"/>
        <source></source>
        <translation>die Schrittweite der %1s muss 1 oder mehr betragen</translation>
    </message>
    <message id="the %1 range ends before it starts">
        <location line="+2"/>
        <source></source>
        <translation>der Bereich der %1s endet, bevor er beginnt</translation>
    </message>
    <message id="the sample step must be 1 or more">
        <location line="+16"/>
        <source></source>
        <translation>die Schrittweite der Abtastwerte muss 1 oder mehr betragen</translation>
    </message>
    <message id="the samples from %1 to %2 are not inside the traces, which run from %3 to %4">
        <location line="+2"/>
        <source></source>
        <translation>die Abtastwerte von %1 bis %2 liegen nicht in den Spuren, die von %3 bis %4 reichen</translation>
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
    <message id="object '%1', property '%2'">
        <location filename="../app/core/objecttables.cpp" line="+130"/>
        <location filename="../app/core/serverproject.cpp" line="+293"/>
        <source></source>
        <translation>Objekt „%1“, Eigenschaft „%2“</translation>
    </message>
    <message id="object '%1', its triangles">
        <location line="+5"/>
        <source></source>
        <translation>Objekt „%1“, seine Dreiecke</translation>
    </message>
    <message id="%1 holds more data than the whole file (%2 bytes)">
        <location line="+156"/>
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
    <message id="object '%1'">
        <location line="+13"/>
        <source></source>
        <translation>Objekt „%1“</translation>
    </message>
    <message id="object '%1' is gone: its checksum is in the file, the object is not">
        <location line="+93"/>
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
    <message id="name">
        <location line="+0"/>
        <location line="+1"/>
        <source></source>
        <translation>name</translation>
    </message>
    <message id="With --import or --export: the file's format (default: recognised from the content, or from the name of the file written).">
        <location line="+0"/>
        <source></source>
        <translation>Mit --import oder --export: das Format der Datei (Vorgabe: am Inhalt erkannt oder aus dem Namen der geschriebenen Datei).</translation>
    </message>
    <message id="With --import (several times): a value that means no value, besides the file's own. With --export: the value written for no value.">
        <location line="+2"/>
        <source></source>
        <translation>Mit --import (mehrfach): ein Wert, der „kein Wert“ bedeutet, neben dem der Datei. Mit --export: der für fehlende Werte geschriebene Wert.</translation>
    </message>
    <message id="value">
        <location line="+0"/>
        <source></source>
        <translation>wert</translation>
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
    <message id="x,y[,datum]">
        <location line="+0"/>
        <source></source>
        <translation>x,y[,bezug]</translation>
    </message>
    <message id="With --import of a LAS well: a deviation survey (MD, INC, AZI) or a table of X, Y and TVDSS, TVD or Z that the well follows.">
        <location line="+3"/>
        <source></source>
        <translation>Mit --import einer LAS-Bohrung: eine Richtungsmessung (MD, INC, AZI) oder eine Tabelle von X, Y und TVDSS, TVD oder Z, der die Bohrung folgt.</translation>
    </message>
    <message id="file">
        <location line="+0"/>
        <location line="+2"/>
        <location filename="../app/main.cpp" line="-81"/>
        <location line="+16"/>
        <location line="+10"/>
        <source></source>
        <translation>datei</translation>
    </message>
    <message id="With --import of a LAS well: formation tops (well, top, MD) that become a Label object.">
        <location line="+0"/>
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
    <message id="first:last[:step]">
        <location line="+0"/>
        <location line="+2"/>
        <location line="+2"/>
        <source></source>
        <translation>erste:letzte[:schritt]</translation>
    </message>
    <message id="With --import of SEG-Y and --cube: the crosslines read, by their numbers; every step-th one.">
        <location line="-2"/>
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
        <location filename="../app/core/serverproject.cpp" line="-165"/>
        <source></source>
        <translation>Das Projekt „%1“ auf %2 wurde von %3 am %4 gespeichert, nachdem Sie es geöffnet hatten. Ihr Speichern wurde abgelehnt, damit diese Arbeit erhalten bleibt; speichern Sie unter einem neuen Projektnamen, um Ihre zu behalten.</translation>
    </message>
    <message id="There is already a project &quot;%1&quot; on %2, saved by %3 at %4. Nothing was saved.">
        <location line="+18"/>
        <source></source>
        <translation>Auf %2 gibt es bereits ein Projekt „%1“, gespeichert von %3 am %4. Es wurde nichts gespeichert.</translation>
    </message>
    <message id="chunk %1 of %2">
        <location line="+160"/>
        <source></source>
        <translation>Block %1 von %2</translation>
    </message>
    <message id="chunk %1 of %2 is missing">
        <location line="+2"/>
        <source></source>
        <translation>Block %1 von %2 fehlt</translation>
    </message>
    <message id="%1 is a 0-d array">
        <location line="+8"/>
        <source></source>
        <translation>%1 ist ein 0-dimensionales Feld</translation>
    </message>
    <message id="%1 does not match chunk 1 in element type or extents">
        <location line="+5"/>
        <source></source>
        <translation>%1 passt in Elementtyp oder Ausdehnung nicht zu Block 1</translation>
    </message>
    <message id="%1: too many rows">
        <location line="+10"/>
        <source></source>
        <translation>%1: zu viele Zeilen</translation>
    </message>
    <message id="unexpected chunk %1 of %2">
        <location line="+30"/>
        <source></source>
        <translation>unerwarteter Block %1 von %2</translation>
    </message>
    <message id="chunk %1 of %2 changed while it was read">
        <location line="+4"/>
        <source></source>
        <translation>Block %1 von %2 hat sich beim Lesen geändert</translation>
    </message>
    <message id="chunks of %1 vanished while they were read">
        <location line="+15"/>
        <source></source>
        <translation>Blöcke von %1 sind beim Lesen verschwunden</translation>
    </message>
    <message id="there is no such project">
        <location line="+11"/>
        <location line="+3"/>
        <source></source>
        <translation>dieses Projekt gibt es nicht</translation>
    </message>
    <message id="values of an object '%1' that the project does not hold">
        <location line="+41"/>
        <source></source>
        <translation>Werte eines Objekts „%1“, das das Projekt nicht enthält</translation>
    </message>
    <message id="no chunks of %1">
        <location line="+7"/>
        <source></source>
        <translation>keine Blöcke von %1</translation>
    </message>
    <message id="object '%1' has no colour '%2'">
        <location line="+11"/>
        <source></source>
        <translation>Objekt „%1“ hat keine Farbe „%2“</translation>
    </message>
    <message id="text %1 of object '%2' is missing">
        <location line="+27"/>
        <source></source>
        <translation>Text %1 von Objekt „%2“ fehlt</translation>
    </message>
    <message id="the server asks for a password, and none was found in ~/.pgpass, the service file or PGPASSWORD">
        <location line="+21"/>
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
    <message id="an imported object needs a name">
        <location filename="../app/formats/exchange.cpp" line="+42"/>
        <source></source>
        <translation>ein importiertes Objekt braucht einen Namen</translation>
    </message>
    <message id="there is an object named '%1' already; import it under another name">
        <location line="+2"/>
        <source></source>
        <translation>es gibt bereits ein Objekt namens „%1“; importieren Sie es unter einem anderen Namen</translation>
    </message>
    <message id="%1: the name of the file says no format that can hold the %2 '%3'; name one of: %4">
        <location line="+41"/>
        <source></source>
        <translation>%1: der Dateiname nennt kein Format, das das %2-Objekt „%3“ aufnehmen kann; nennen Sie eines von: %4</translation>
    </message>
    <message id="there is no folder '%1' to write the objects into">
        <location line="+10"/>
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
    <message id="the grid of object '%1' has %2 x %3 x %4 nodes for %5 vertices">
        <location filename="../app/core/geoobject.cpp" line="+19"/>
        <source></source>
        <translation>das Gitter von Objekt „%1“ hat %2 x %3 x %4 Gitterpunkte für %5 Knoten</translation>
    </message>
    <message id="the grid of object '%1' has a spacing of zero or a number that is not finite">
        <location line="+10"/>
        <source></source>
        <translation>das Gitter von Objekt „%1“ hat einen Abstand von null oder eine Zahl, die nicht endlich ist</translation>
    </message>
    <message id="triangle %1 of object '%2' names vertex %3, which it does not have">
        <location line="+9"/>
        <source></source>
        <translation>Dreieck %1 von Objekt „%2“ nennt Knoten %3, den es nicht hat</translation>
    </message>
    <message id="the triangles of object '%1' are not rows of three vertex numbers">
        <location line="+12"/>
        <source></source>
        <translation>die Dreiecke von Objekt „%1“ sind keine Zeilen aus drei Knotennummern</translation>
    </message>
    <message id="object '%1' has no %2 coordinates">
        <location line="+26"/>
        <source></source>
        <translation>Objekt „%1“ hat keine %2-Koordinaten</translation>
    </message>
    <message id="the %1 coordinates of object '%2' are not real numbers">
        <location line="+2"/>
        <source></source>
        <translation>die %1-Koordinaten von Objekt „%2“ sind keine reellen Zahlen</translation>
    </message>
    <message id="property '%1' of object '%2' holds %3 values, not real numbers">
        <location line="+7"/>
        <source></source>
        <translation>Eigenschaft „%1“ von Objekt „%2“ enthält Werte vom Typ %3, keine reellen Zahlen</translation>
    </message>
    <message id="property '%1' of object '%2' has %3 values for %4 vertices">
        <location line="+3"/>
        <source></source>
        <translation>Eigenschaft „%1“ von Objekt „%2“ hat %3 Werte für %4 Knoten</translation>
    </message>
    <message id="object '%1' has %2 texts for %3 vertices">
        <location line="+12"/>
        <source></source>
        <translation>Objekt „%1“ hat %2 Texte für %3 Knoten</translation>
    </message>
    <message id="the coordinates %1 cannot be %2">
        <location filename="../app/core/objectstore.cpp" line="+17"/>
        <source></source>
        <translation>die Koordinaten %1 können nicht %2 werden</translation>
    </message>
    <message id="a property needs a name">
        <location line="+22"/>
        <source></source>
        <translation>eine Eigenschaft braucht einen Namen</translation>
    </message>
    <message id="there is no object '%1'">
        <location line="+31"/>
        <source></source>
        <translation>es gibt kein Objekt „%1“</translation>
    </message>
    <message id="object '%1' has no property '%2'">
        <location line="+7"/>
        <source></source>
        <translation>Objekt „%1“ hat keine Eigenschaft „%2“</translation>
    </message>
    <message id="an object needs a name">
        <location line="+13"/>
        <source></source>
        <translation>ein Objekt braucht einen Namen</translation>
    </message>
    <message id="the name '%1' is already taken">
        <location line="+2"/>
        <source></source>
        <translation>der Name „%1“ ist bereits vergeben</translation>
    </message>
    <message id="the name '%1' is empty or used twice">
        <location line="+33"/>
        <source></source>
        <translation>der Name „%1“ ist leer oder doppelt vergeben</translation>
    </message>
    <message id="object '%1' already has a property '%2'">
        <location line="+111"/>
        <location line="+21"/>
        <source></source>
        <translation>Objekt „%1“ hat bereits eine Eigenschaft „%2“</translation>
    </message>
    <message id="'%1' is a %2 and '%3' a %4: both objects must have the same geometry type">
        <location line="-6"/>
        <source></source>
        <translation>„%1“ ist vom Typ %2 und „%3“ vom Typ %4: beide Objekte müssen denselben Geometrietyp haben</translation>
    </message>
    <message id="'%1' has %2 vertices and '%3' has %4: the vertex counts must match">
        <location line="+3"/>
        <source></source>
        <translation>„%1“ hat %2 Knoten und „%3“ hat %4: die Anzahl der Knoten muss übereinstimmen</translation>
    </message>
    <message id="renamed">
        <location line="+16"/>
        <source></source>
        <translation>umbenannt</translation>
    </message>
    <message id="removed">
        <location line="+14"/>
        <source></source>
        <translation>entfernt</translation>
    </message>
    <message id="'%1' would replace coordinates of object '%2': X, Y and Z cannot be replaced">
        <location line="+27"/>
        <source></source>
        <translation>„%1“ würde Koordinaten von Objekt „%2“ ersetzen: X, Y und Z können nicht ersetzt werden</translation>
    </message>
    <message id="'%1' is given twice">
        <location line="+3"/>
        <source></source>
        <translation>„%1“ ist doppelt angegeben</translation>
    </message>
    <message id="'%1' holds %2 values, not real numbers">
        <location line="+3"/>
        <source></source>
        <translation>„%1“ enthält Werte vom Typ %2, keine reellen Zahlen</translation>
    </message>
    <message id="'%1' holds %2 values, but object '%3' has %4 vertices">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ enthält %2 Werte, aber Objekt „%3“ hat %4 Knoten</translation>
    </message>
    <message id="no value %1 in row %2 of the server's answer">
        <location filename="../app/core/pgconnection.cpp" line="+75"/>
        <source></source>
        <translation>kein Wert %1 in Zeile %2 der Antwort des Servers</translation>
    </message>
    <message id="unexpected value %1 in row %2 of the server's answer">
        <location line="+2"/>
        <source></source>
        <translation>unerwarteter Wert %1 in Zeile %2 der Antwort des Servers</translation>
    </message>
    <message id="a value of %1 bytes is too large for the server">
        <location line="+94"/>
        <source></source>
        <translation>ein Wert von %1 Bytes ist zu groß für den Server</translation>
    </message>
    <message id="out of memory">
        <location line="+62"/>
        <source></source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message id="timeout expired">
        <location line="+15"/>
        <source></source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message id="the server closed the connection">
        <location line="+62"/>
        <source></source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message id=", line %1">
        <location filename="../app/formats/format.cpp" line="+14"/>
        <source></source>
        <translation>, Zeile %1</translation>
    </message>
    <message id=", byte %1">
        <location line="+2"/>
        <source></source>
        <translation>, Byte %1</translation>
    </message>
    <message id=", trace %1">
        <location line="+2"/>
        <source></source>
        <translation>, Spur %1</translation>
    </message>
    <message id="%1: %2 files cannot hold the %3 '%4'">
        <location line="+24"/>
        <source></source>
        <translation>%1: %2-Dateien können das %3-Objekt „%4“ nicht aufnehmen</translation>
    </message>
    <message id="there is no file format '%1'; the formats are: %2">
        <location line="+12"/>
        <source></source>
        <translation>es gibt kein Dateiformat „%1“; die Formate sind: %2</translation>
    </message>
    <message id="there is no such file">
        <location line="+9"/>
        <source></source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message id="the file cannot be read: %1">
        <location line="+9"/>
        <location filename="../app/formats/lasformat.cpp" line="-360"/>
        <location filename="../app/formats/mappedfile.cpp" line="+16"/>
        <location line="+6"/>
        <source></source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message id="the file is in none of the formats Kelvra reads">
        <location line="+12"/>
        <source></source>
        <translation>die Datei hat keines der Formate, die Kelvra liest</translation>
    </message>
    <message id="the file ends inside the header, after %1 of its 19 numbers">
        <location filename="../app/formats/irapasciiformat.cpp" line="+43"/>
        <source></source>
        <translation>die Datei endet im Kopf, nach %1 seiner 19 Zahlen</translation>
    </message>
    <message id="'%1' is not a number">
        <location line="+3"/>
        <location line="+48"/>
        <location filename="../app/formats/lasfile.cpp" line="+156"/>
        <location filename="../app/formats/zmapformat.cpp" line="+313"/>
        <source></source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message id="an IRAP grid starts with -996, not %1">
        <location line="-44"/>
        <source></source>
        <translation>ein IRAP-Gitter beginnt mit -996, nicht mit %1</translation>
    </message>
    <message id="%1 is not a count of nodes">
        <location line="+4"/>
        <source></source>
        <translation>%1 ist keine Anzahl von Gitterpunkten</translation>
    </message>
    <message id="there are more values than the %1 x %2 nodes of the header">
        <location line="+43"/>
        <location filename="../app/formats/irapbinaryformat.cpp" line="+164"/>
        <source></source>
        <translation>es gibt mehr Werte als die %1 x %2 Gitterpunkte des Kopfs</translation>
    </message>
    <message id="the file ends after %1 of the %2 values (%3 x %4 nodes)">
        <location line="+6"/>
        <location filename="../app/formats/irapbinaryformat.cpp" line="+8"/>
        <source></source>
        <translation>die Datei endet nach %1 der %2 Werte (%3 x %4 Gitterpunkte)</translation>
    </message>
    <message id="IRAP classic grid (ASCII)">
        <location line="+20"/>
        <source></source>
        <translation>IRAP-Classic-Gitter (ASCII)</translation>
    </message>
    <message id="the header">
        <location line="+32"/>
        <location filename="../app/formats/irapbinaryformat.cpp" line="-22"/>
        <location filename="../app/formats/zmapformat.cpp" line="+86"/>
        <source></source>
        <translation>der Kopf</translation>
    </message>
    <message id="the file ends where %1 should start">
        <location filename="../app/formats/irapbinaryformat.cpp" line="-84"/>
        <source></source>
        <translation>die Datei endet, wo %1 beginnen sollte</translation>
    </message>
    <message id="%1 claims %2 bytes, which the file does not hold">
        <location line="+4"/>
        <source></source>
        <translation>%1 gibt %2 Bytes an, die die Datei nicht enthält</translation>
    </message>
    <message id="%1 of %2 bytes does not end with its length">
        <location line="+5"/>
        <source></source>
        <translation>%1 mit %2 Bytes endet nicht mit seiner Länge</translation>
    </message>
    <message id="the first header record">
        <location line="+14"/>
        <source></source>
        <translation>der erste Kopfdatensatz</translation>
    </message>
    <message id="the first header record has %1 bytes, not 32">
        <location line="+3"/>
        <source></source>
        <translation>der erste Kopfdatensatz hat %1 Bytes, nicht 32</translation>
    </message>
    <message id="an IRAP grid starts with -996">
        <location line="+3"/>
        <source></source>
        <translation>ein IRAP-Gitter beginnt mit -996</translation>
    </message>
    <message id="the second header record">
        <location line="+10"/>
        <source></source>
        <translation>der zweite Kopfdatensatz</translation>
    </message>
    <message id="the second header record has %1 bytes, not 16">
        <location line="+3"/>
        <source></source>
        <translation>der zweite Kopfdatensatz hat %1 Bytes, nicht 16</translation>
    </message>
    <message id="the third header record">
        <location line="+6"/>
        <source></source>
        <translation>der dritte Kopfdatensatz</translation>
    </message>
    <message id="IRAP classic grid (binary)">
        <location line="+10"/>
        <source></source>
        <translation>IRAP-Classic-Gitter (binär)</translation>
    </message>
    <message id="a record of values">
        <location line="+32"/>
        <source></source>
        <translation>ein Datensatz mit Werten</translation>
    </message>
    <message id="a record of values has %1 bytes, not a whole number of float32 values">
        <location line="+3"/>
        <source></source>
        <translation>ein Datensatz mit Werten hat %1 Bytes, keine ganze Zahl von float32-Werten</translation>
    </message>
    <message id="the header holds a number that is not finite">
        <location filename="../app/formats/irapgrid.cpp" line="+15"/>
        <source></source>
        <translation>der Kopf enthält eine Zahl, die nicht endlich ist</translation>
    </message>
    <message id="a grid of %1 x %2 nodes has no spacing; Kelvra reads grids of at least 2 x 2 nodes">
        <location line="+3"/>
        <source></source>
        <translation>ein Gitter aus %1 x %2 Gitterpunkten hat keinen Abstand; Kelvra liest Gitter aus mindestens 2 x 2 Gitterpunkten</translation>
    </message>
    <message id="the header gives a spacing of zero">
        <location line="+5"/>
        <source></source>
        <translation>der Kopf gibt einen Abstand von null an</translation>
    </message>
    <message id="%1 x %2 nodes are more than any file holds">
        <location line="+15"/>
        <location filename="../app/formats/zmapformat.cpp" line="-241"/>
        <source></source>
        <translation>%1 x %2 Gitterpunkte sind mehr, als eine Datei enthalten kann</translation>
    </message>
    <message id="the depth of a sample is missing (a null value)">
        <location filename="../app/formats/lasfile.cpp" line="+10"/>
        <source></source>
        <translation>die Tiefe eines Messwerts fehlt (ein Nullwert)</translation>
    </message>
    <message id="more values than the %1 curves of the curve section">
        <location line="+3"/>
        <source></source>
        <translation>mehr Werte als die %1 Kurven des Kurvenabschnitts</translation>
    </message>
    <message id="%1 values where the curve section names %2 curves">
        <location line="+8"/>
        <source></source>
        <translation>%1 Werte, wo der Kurvenabschnitt %2 Kurven nennt</translation>
    </message>
    <message id="the data end in the middle of a depth step: %1 of %2 values">
        <location line="+9"/>
        <source></source>
        <translation>die Daten enden mitten in einem Tiefenschritt: %1 von %2 Werten</translation>
    </message>
    <message id="the data section holds no values">
        <location line="+4"/>
        <source></source>
        <translation>der Datenabschnitt enthält keine Werte</translation>
    </message>
    <message id="a LAS file starts with the ~Version section">
        <location line="+58"/>
        <location line="+24"/>
        <source></source>
        <translation>eine LAS-Datei beginnt mit dem Abschnitt ~Version</translation>
    </message>
    <message id="a section that describes the data follows the data section">
        <location line="-19"/>
        <source></source>
        <translation>auf den Datenabschnitt folgt ein Abschnitt, der die Daten beschreibt</translation>
    </message>
    <message id="a second data section: Kelvra reads LAS files of one">
        <location line="+6"/>
        <source></source>
        <translation>ein zweiter Datenabschnitt: Kelvra liest LAS-Dateien mit einem</translation>
    </message>
    <message id="the data section comes before any curve is named">
        <location line="+3"/>
        <source></source>
        <translation>der Datenabschnitt kommt, bevor eine Kurve genannt ist</translation>
    </message>
    <message id="a curve line needs a mnemonic and a dot before its unit">
        <location line="+21"/>
        <source></source>
        <translation>eine Kurvenzeile braucht ein Kürzel und einen Punkt vor ihrer Einheit</translation>
    </message>
    <message id="the version '%1' is not a number">
        <location line="+10"/>
        <source></source>
        <translation>die Version „%1“ ist keine Zahl</translation>
    </message>
    <message id="the NULL value '%1' is not a number">
        <location line="+13"/>
        <source></source>
        <translation>der NULL-Wert „%1“ ist keine Zahl</translation>
    </message>
    <message id="a curve without a mnemonic">
        <location line="+9"/>
        <source></source>
        <translation>eine Kurve ohne Kürzel</translation>
    </message>
    <message id="not a LAS file: there is no ~Version section">
        <location line="+8"/>
        <source></source>
        <translation>keine LAS-Datei: es gibt keinen Abschnitt ~Version</translation>
    </message>
    <message id="the file names no curves (~Curve section)">
        <location line="+2"/>
        <source></source>
        <translation>die Datei nennt keine Kurven (Abschnitt ~Curve)</translation>
    </message>
    <message id="the file has no data section (~A)">
        <location line="+2"/>
        <source></source>
        <translation>die Datei hat keinen Datenabschnitt (~A)</translation>
    </message>
    <message id="the file cannot be written: %1">
        <location line="+65"/>
        <location line="+7"/>
        <source></source>
        <translation>die Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message id="%1 objects">
        <location filename="../app/formats/records.cpp" line="+93"/>
        <source></source>
        <translation>%1 Objekte</translation>
    </message>
    <message id="%1 declares %2 values, more than the %3 bytes of the file can hold">
        <location line="+9"/>
        <source></source>
        <translation>%1 gibt %2 Werte an, mehr, als die %3 Bytes der Datei enthalten können</translation>
    </message>
    <message id="the file cannot be opened">
        <location filename="../app/formats/segyhandle.cpp" line="+13"/>
        <location line="+27"/>
        <source></source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message id="the position is past the end of the file">
        <location line="-26"/>
        <source></source>
        <translation>die Position liegt hinter dem Ende der Datei</translation>
    </message>
    <message id="the file ends before the data it announces">
        <location line="+1"/>
        <source></source>
        <translation>die Datei endet vor den Daten, die sie ankündigt</translation>
    </message>
    <message id="the file cannot be written">
        <location line="+1"/>
        <source></source>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
    <message id="no header field starts at this byte">
        <location line="+1"/>
        <source></source>
        <translation>an diesem Byte beginnt kein Kopffeld</translation>
    </message>
    <message id="the traces do not fill the file">
        <location line="+1"/>
        <source></source>
        <translation>die Spuren füllen die Datei nicht</translation>
    </message>
    <message id="the header holds values that cannot be used">
        <location line="+1"/>
        <source></source>
        <translation>der Kopf enthält Werte, die nicht verwendbar sind</translation>
    </message>
    <message id="segyio error %1">
        <location line="+1"/>
        <source></source>
        <translation>segyio-Fehler %1</translation>
    </message>
    <message id="the trace header cannot be read">
        <location line="+58"/>
        <source></source>
        <translation>der Spurkopf kann nicht gelesen werden</translation>
    </message>
    <message id="inline %1 crossline %2, where a full rectangle of lines has inline %3 crossline %4">
        <location line="+9"/>
        <source></source>
        <translation>Inline %1 Crossline %2, wo ein vollständiges Rechteck aus Linien Inline %3 Crossline %4 hätte</translation>
    </message>
    <message id="'%1' is not a number (%2)">
        <location filename="../app/formats/tsurfformat.cpp" line="+98"/>
        <source></source>
        <translation>„%1“ ist keine Zahl (%2)</translation>
    </message>
    <message id="'%1' is not a vertex number">
        <location line="+6"/>
        <source></source>
        <translation>„%1“ ist keine Knotennummer</translation>
    </message>
    <message id="there is no vertex %1 before this line">
        <location line="+7"/>
        <source></source>
        <translation>vor dieser Zeile gibt es keinen Knoten %1</translation>
    </message>
    <message id="a new object starts before the END of the one before">
        <location line="+29"/>
        <source></source>
        <translation>ein neues Objekt beginnt vor dem END des vorigen</translation>
    </message>
    <message id="'%1' is not a TSurf object">
        <location line="+2"/>
        <source></source>
        <translation>„%1“ ist kein TSurf-Objekt</translation>
    </message>
    <message id="there is no GOCAD TSurf line before '%1'">
        <location line="+5"/>
        <source></source>
        <translation>vor „%1“ steht keine Zeile GOCAD TSurf</translation>
    </message>
    <message id="%1 needs a number, X, Y, Z and the property values">
        <location line="+20"/>
        <source></source>
        <translation>%1 braucht eine Nummer, X, Y, Z und die Werte der Eigenschaften</translation>
    </message>
    <message id="%1 needs a number, X, Y, Z">
        <location line="+1"/>
        <source></source>
        <translation>%1 braucht eine Nummer, X, Y, Z</translation>
    </message>
    <message id="vertex %1 is there twice">
        <location line="+4"/>
        <location line="+13"/>
        <source></source>
        <translation>Knoten %1 kommt doppelt vor</translation>
    </message>
    <message id="property">
        <location line="-8"/>
        <source></source>
        <translation>Eigenschaft</translation>
    </message>
    <message id="%1 needs a number and the vertex it repeats">
        <location line="+4"/>
        <source></source>
        <translation>%1 braucht eine Nummer und den Knoten, den es wiederholt</translation>
    </message>
    <message id="TRGL needs three vertex numbers">
        <location line="+7"/>
        <source></source>
        <translation>TRGL braucht drei Knotennummern</translation>
    </message>
    <message id="PROPERTIES comes after the first vertex">
        <location line="+5"/>
        <source></source>
        <translation>PROPERTIES steht erst hinter dem ersten Knoten</translation>
    </message>
    <message id="properties of more than one value per vertex are not read">
        <location line="+13"/>
        <source></source>
        <translation>Eigenschaften mit mehr als einem Wert je Knoten werden nicht gelesen</translation>
    </message>
    <message id="no-data value">
        <location line="+5"/>
        <source></source>
        <translation>Fehlwert</translation>
    </message>
    <message id="the file ends before the END of the object">
        <location line="+20"/>
        <source></source>
        <translation>die Datei endet vor dem END des Objekts</translation>
    </message>
    <message id="the file holds no TSurf object">
        <location line="+2"/>
        <source></source>
        <translation>die Datei enthält kein TSurf-Objekt</translation>
    </message>
    <message id="GOCAD TSurf">
        <location line="+10"/>
        <source></source>
        <translation>GOCAD TSurf</translation>
    </message>
    <message id="The file is large: its vertices, triangles and properties are counted when it is imported.">
        <location line="+26"/>
        <source></source>
        <translation>Die Datei ist groß: Ihre Knoten, Dreiecke und Eigenschaften werden beim Import gezählt.</translation>
    </message>
    <message id="the first line names the columns: MD, INC and AZI of a deviation survey, or X, Y and TVDSS (or TVD or Z) of a well path, not '%1'">
        <location filename="../app/formats/wellpath.cpp" line="+103"/>
        <source></source>
        <translation>die erste Zeile nennt die Spalten: MD, INC und AZI einer Richtungsmessung oder X, Y und TVDSS (oder TVD oder Z) eines Bohrpfads, nicht „%1“</translation>
    </message>
    <message id="%1 values where the first line names %2 columns">
        <location line="+9"/>
        <source></source>
        <translation>%1 Werte, wo die erste Zeile %2 Spalten nennt</translation>
    </message>
    <message id="the %1 '%2' is not a number">
        <location line="+6"/>
        <location filename="../app/formats/zmapformat.cpp" line="-56"/>
        <source></source>
        <translation>„%2“ ist als %1 keine Zahl</translation>
    </message>
    <message id="the MD %1 does not follow the MD %2 of line %3: MDs must increase">
        <location line="+10"/>
        <source></source>
        <translation>die MD %1 folgt nicht auf die MD %2 aus Zeile %3: MDs müssen zunehmen</translation>
    </message>
    <message id="the inclination %1 is not between 0 and 180 degrees">
        <location line="+10"/>
        <source></source>
        <translation>die Neigung %1 liegt nicht zwischen 0 und 180 Grad</translation>
    </message>
    <message id="the file is empty">
        <location line="+10"/>
        <source></source>
        <translation>die Datei ist leer</translation>
    </message>
    <message id="the file names its columns but holds no stations">
        <location line="+2"/>
        <source></source>
        <translation>die Datei nennt ihre Spalten, enthält aber keine Messpunkte</translation>
    </message>
    <message id="the MDs of a deviation survey must increase: %1 follows %2">
        <location line="+29"/>
        <source></source>
        <translation>die MDs einer Richtungsmessung müssen zunehmen: %1 folgt auf %2</translation>
    </message>
    <message id="the hole turns right round between the MDs %1 and %2">
        <location line="+7"/>
        <source></source>
        <translation>das Bohrloch kehrt zwischen den MDs %1 und %2 ganz um</translation>
    </message>
    <message id="the MDs of a well path must increase: %1 follows %2">
        <location line="+48"/>
        <source></source>
        <translation>die MDs eines Bohrpfads müssen zunehmen: %1 folgt auf %2</translation>
    </message>
    <message id="the header names no columns WELL, TOP and MD: '%1'">
        <location filename="../app/formats/welltops.cpp" line="+41"/>
        <source></source>
        <translation>die Kopfzeile nennt keine Spalten WELL, TOP und MD: „%1“</translation>
    </message>
    <message id="a top needs a well name, a top name and an MD: '%1'">
        <location line="+9"/>
        <source></source>
        <translation>eine Horizontmarke braucht einen Bohrungsnamen, einen Markennamen und eine MD: „%1“</translation>
    </message>
    <message id="the MD '%1' is not a number">
        <location line="+4"/>
        <source></source>
        <translation>die MD „%1“ ist keine Zahl</translation>
    </message>
    <message id="the file holds no tops">
        <location line="+4"/>
        <source></source>
        <translation>die Datei enthält keine Horizontmarken</translation>
    </message>
    <message id="'%1' is not a row of numbers">
        <location filename="../app/formats/xyzformat.cpp" line="+117"/>
        <source></source>
        <translation>„%1“ ist keine Zeile aus Zahlen</translation>
    </message>
    <message id="the row has %1 values where the header names %2 columns">
        <location line="+15"/>
        <source></source>
        <translation>die Zeile hat %1 Werte, wo die Kopfzeile %2 Spalten nennt</translation>
    </message>
    <message id="X, Y and Z need three different columns">
        <location line="+27"/>
        <source></source>
        <translation>X, Y und Z brauchen drei verschiedene Spalten</translation>
    </message>
    <message id="the row has %1 values; X, Y and Z are taken from columns %2, %3 and %4">
        <location line="+3"/>
        <source></source>
        <translation>die Zeile hat %1 Werte; X, Y und Z werden aus den Spalten %2, %3 und %4 genommen</translation>
    </message>
    <message id="more rows than were counted">
        <location line="+136"/>
        <source></source>
        <translation>mehr Zeilen, als gezählt wurden</translation>
    </message>
    <message id="the row has %1 values where the rows before have %2">
        <location line="+20"/>
        <source></source>
        <translation>die Zeile hat %1 Werte, wo die Zeilen davor %2 haben</translation>
    </message>
    <message id="'%1' in column %2 (%3) is not a number">
        <location line="+17"/>
        <source></source>
        <translation>„%1“ in Spalte %2 (%3) ist keine Zahl</translation>
    </message>
    <message id="the file holds no rows of numbers">
        <location line="+131"/>
        <source></source>
        <translation>die Datei enthält keine Zeilen aus Zahlen</translation>
    </message>
    <message id="columns of numbers become Point or Line objects, not %1">
        <location line="+5"/>
        <source></source>
        <translation>Zahlenspalten werden zu Point- oder Line-Objekten, nicht zu %1</translation>
    </message>
    <message id="Point or Line">
        <location line="+148"/>
        <source></source>
        <translation>Point oder Line</translation>
    </message>
    <message id="The file is large: its rows, extent and nulls are counted when it is imported.">
        <location line="+6"/>
        <source></source>
        <translation>Die Datei ist groß: Ihre Zeilen, ihre Ausdehnung und ihre Nullwerte werden beim Import gezählt.</translation>
    </message>
    <message id="XYZ columns">
        <location line="+20"/>
        <source></source>
        <translation>XYZ-Spalten</translation>
    </message>
    <message id="CSV columns">
        <location line="+26"/>
        <source></source>
        <translation>CSV-Spalten</translation>
    </message>
    <message id="there is no ZMAP+ header (a line starting with '@')">
        <location filename="../app/formats/zmapformat.cpp" line="-48"/>
        <source></source>
        <translation>es gibt keinen ZMAP+-Kopf (eine Zeile, die mit „@“ beginnt)</translation>
    </message>
    <message id="a ZMAP+ header starts with '@' here">
        <location line="+5"/>
        <source></source>
        <translation>ein ZMAP+-Kopf beginnt hier mit „@“</translation>
    </message>
    <message id="only ZMAP+ files of type GRID are grids">
        <location line="+7"/>
        <source></source>
        <translation>nur ZMAP+-Dateien vom Typ GRID sind Gitter</translation>
    </message>
    <message id="'%1' is not a count of values per line">
        <location line="+4"/>
        <source></source>
        <translation>„%1“ ist keine Anzahl von Werten je Zeile</translation>
    </message>
    <message id="the header has no closing '@' line">
        <location line="+8"/>
        <location line="+12"/>
        <source></source>
        <translation>dem Kopf fehlt die schließende Zeile „@“</translation>
    </message>
    <message id="the header has %1 fields; a grid header has at least 11 (field width, null value, null text, decimals, start column, rows, columns, xmin, xmax, ymin, ymax)">
        <location line="+3"/>
        <source></source>
        <translation>der Kopf hat %1 Felder; ein Gitterkopf hat mindestens 11 (Feldbreite, Nullwert, Nulltext, Dezimalstellen, Anfangsspalte, Zeilen, Spalten, xmin, xmax, ymin, ymax)</translation>
    </message>
    <message id="the %1 '%2' is not a positive whole number">
        <location line="+15"/>
        <source></source>
        <translation>„%2“ ist als %1 keine positive ganze Zahl</translation>
    </message>
    <message id="field width">
        <location line="+5"/>
        <source></source>
        <translation>Feldbreite</translation>
    </message>
    <message id="null value">
        <location line="+4"/>
        <location line="+2"/>
        <source></source>
        <translation>Nullwert</translation>
    </message>
    <message id="start column">
        <location line="+2"/>
        <source></source>
        <translation>Anfangsspalte</translation>
    </message>
    <message id="number of rows">
        <location line="+3"/>
        <source></source>
        <translation>Anzahl der Zeilen</translation>
    </message>
    <message id="number of columns">
        <location line="+1"/>
        <source></source>
        <translation>Anzahl der Spalten</translation>
    </message>
    <message id="a grid of %1 rows and %2 columns has no spacing; Kelvra reads grids of at least 2 x 2 nodes">
        <location line="+6"/>
        <source></source>
        <translation>ein Gitter aus %1 Zeilen und %2 Spalten hat keinen Abstand; Kelvra liest Gitter aus mindestens 2 x 2 Gitterpunkten</translation>
    </message>
    <message id="the extents run backwards or are empty (xmin %1, xmax %2, ymin %3, ymax %4)">
        <location line="+5"/>
        <source></source>
        <translation>die Ausdehnung läuft rückwärts oder ist leer (xmin %1, xmax %2, ymin %3, ymax %4)</translation>
    </message>
    <message id="the values of this line cannot be told apart">
        <location line="+179"/>
        <source></source>
        <translation>die Werte dieser Zeile lassen sich nicht voneinander trennen</translation>
    </message>
    <message id="the file ends after %1 of the %2 values (%3 rows x %4 columns)">
        <location line="+7"/>
        <source></source>
        <translation>die Datei endet nach %1 der %2 Werte (%3 Zeilen x %4 Spalten)</translation>
    </message>
    <message id="column %1 has more values than the %2 rows; each column starts on a new line">
        <location line="+10"/>
        <source></source>
        <translation>Spalte %1 hat mehr Werte als die %2 Zeilen; jede Spalte beginnt auf einer neuen Zeile</translation>
    </message>
    <message id="there are more values than the %1 rows x %2 columns of the header">
        <location line="+11"/>
        <source></source>
        <translation>es gibt mehr Werte als die %1 Zeilen x %2 Spalten des Kopfs</translation>
    </message>
    <message id="ZMAP+ grid">
        <location line="+11"/>
        <source></source>
        <translation>ZMAP+-Gitter</translation>
    </message>
    <message id="%1: ZMAP+ grids have no rotation, and the grid of '%2' is rotated by %3 degrees; export it as an IRAP grid">
        <location line="+72"/>
        <source></source>
        <translation>%1: ZMAP+-Gitter haben keine Drehung, und das Gitter von „%2“ ist um %3 Grad gedreht; exportieren Sie es als IRAP-Gitter</translation>
    </message>
    <message id="Python could not be started: %1">
        <location filename="../app/script/python.cpp" line="+88"/>
        <source></source>
        <translation>Python konnte nicht gestartet werden: %1</translation>
    </message>
    <message id="no reason given">
        <location line="+1"/>
        <source></source>
        <translation>ohne Angabe eines Grunds</translation>
    </message>
    <message id="Python started, but scripts cannot run (is numpy installed?): %1">
        <location line="+17"/>
        <source></source>
        <translation>Python wurde gestartet, aber Skripte können nicht laufen (ist numpy installiert?): %1</translation>
    </message>
    <message id="unknown error">
        <location filename="../app/ui/storetasks.cpp" line="+48"/>
        <source></source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
</TS>
