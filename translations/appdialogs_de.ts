<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Method">
        <location filename="../widgets/dialogs/aspectratiodialog.cpp" line="+25"/>
        <source></source>
        <translation>Methode</translation>
    </message>
    <message id="Auto">
        <location line="+1"/>
        <location line="+35"/>
        <source></source>
        <translation>Automatisch</translation>
    </message>
    <message id="Equal">
        <location line="-34"/>
        <location line="+36"/>
        <source></source>
        <translation>Gleich</translation>
    </message>
    <message id="Fixed">
        <location line="-35"/>
        <location line="+37"/>
        <source></source>
        <translation>Fest</translation>
    </message>
    <message id="Fixed ratio Y/X">
        <location line="-24"/>
        <source></source>
        <translation>Festes Verhältnis Y/X</translation>
    </message>
    <message id="Set viewer aspect ratio">
        <location filename="../widgets/dialogs/aspectratiodialog.h" line="+26"/>
        <source></source>
        <translation>Seitenverhältnis der Ansicht einstellen</translation>
    </message>
    <message id="File">
        <location filename="../widgets/dialogs/canvasexportdialog.cpp" line="+15"/>
        <source></source>
        <translation>Datei</translation>
    </message>
    <message id="Size">
        <location line="+6"/>
        <source></source>
        <translation>Größe</translation>
    </message>
    <message id="The picture's width and height, as a multiple of the viewer's on screen">
        <location line="+2"/>
        <source></source>
        <translation>Breite und Höhe des Bildes als Vielfaches der Ansicht auf dem Bildschirm</translation>
    </message>
    <message id="Export canvas to PNG picture">
        <location filename="../widgets/dialogs/canvasexportdialog.h" line="+20"/>
        <source></source>
        <translation>Zeichenfläche als PNG-Bild exportieren</translation>
    </message>
    <message id="Reset to defaults">
        <location filename="../widgets/dialogs/configdialog.cpp" line="+29"/>
        <source></source>
        <translation>Auf Standardwerte zurücksetzen</translation>
    </message>
    <message id="Preferences of ">
        <location line="+8"/>
        <source></source>
        <translation>Einstellungen von </translation>
    </message>
    <message id="Preferences">
        <location line="+0"/>
        <source></source>
        <translation>Einstellungen</translation>
    </message>
    <message id="Describe the problem here, replacing this text.">
        <location filename="../widgets/dialogs/reportbugdialog.cpp" line="+17"/>
        <source></source>
        <translation>Beschreiben Sie hier das Problem und ersetzen Sie dabei diesen Text.</translation>
    </message>
    <message id="What were you doing when it happened?">
        <location line="+2"/>
        <source></source>
        <translation>Was haben Sie getan, als es auftrat?</translation>
    </message>
    <message id="Steps to reproduce it:">
        <location line="+2"/>
        <source></source>
        <translation>Schritte, um es nachzustellen:</translation>
    </message>
    <message id="What did you expect, and what happened instead?">
        <location line="+5"/>
        <source></source>
        <translation>Was haben Sie erwartet, und was ist stattdessen geschehen?</translation>
    </message>
    <message id="Error message from the Process log (if any):">
        <location line="+2"/>
        <source></source>
        <translation>Fehlermeldung aus dem Prozessprotokoll (falls vorhanden):</translation>
    </message>
    <message id="Email server">
        <location line="+11"/>
        <source></source>
        <translation>E-Mail-Server</translation>
    </message>
    <message id="Sender">
        <location line="+2"/>
        <source></source>
        <translation>Absender</translation>
    </message>
    <message id="email address e.g.">
        <location line="+0"/>
        <source></source>
        <translation>E-Mail-Adresse, z. B.</translation>
    </message>
    <message id="Receivers">
        <location line="+3"/>
        <source></source>
        <translation>Empfänger</translation>
    </message>
    <message id="email addresses separated by comma">
        <location line="+3"/>
        <source></source>
        <extracomment>Sent as it stands when left untouched: it must stay one receiver, so its translation holds no comma.</extracomment>
        <translation>durch Kommas getrennte E-Mail-Adressen</translation>
    </message>
    <message id="Subject">
        <location line="+2"/>
        <source></source>
        <translation>Betreff</translation>
    </message>
    <message id="Report bug">
        <location filename="../widgets/dialogs/reportbugdialog.h" line="+20"/>
        <source></source>
        <translation>Fehler melden</translation>
    </message>
    <message id="Please copy-n-paste the error message in the Process log (if any). Please explain briefly what you were doing when the bug occurred. Please add anything that can help me reproduce the error. Thanks for your time and contribution to improving Kelvra.">
        <location line="+1"/>
        <source></source>
        <translation>Bitte kopieren Sie die Fehlermeldung aus dem Prozessprotokoll (falls vorhanden) hierher. Bitte erklären Sie kurz, was Sie getan haben, als der Fehler auftrat. Bitte fügen Sie alles hinzu, was mir helfen kann, den Fehler nachzustellen. Danke für Ihre Zeit und Ihren Beitrag zur Verbesserung von Kelvra.</translation>
    </message>
</context>
</TS>
