<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Builds and inspects 3-D subsurface models.">
        <location filename="../app/main.cpp" line="+73"/>
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
        <location line="+7"/>
        <source></source>
        <translation>Aufruf: %1 PROJEKT --script OBJEKT DATEI [--save AUSGABE]</translation>
    </message>
    <message id="%1: --save needs the name of the file to write.">
        <location line="+4"/>
        <source></source>
        <translation>%1: --save braucht den Namen der zu schreibenden Datei.</translation>
    </message>
    <message id="Remove object...">
        <location filename="../app/ui/hostwindow.cpp" line="+50"/>
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
        <location filename="../app/core/scriptfile.cpp" line="+26"/>
        <source></source>
        <translation>Das Skript %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message id="Stopped by %1: nothing was saved.">
        <location line="+32"/>
        <source></source>
        <translation>Durch %1 abgebrochen: nichts wurde gespeichert.</translation>
    </message>
    <message id="The script on '%1' changed nothing:">
        <location filename="../app/script/propertyscript.cpp" line="+93"/>
        <source></source>
        <translation>Das Skript auf „%1“ hat nichts geändert:</translation>
    </message>
</context>
</TS>
