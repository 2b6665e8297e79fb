<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Object">
        <location filename="../widgets/dialogs/copyobjectdialog.cpp" line="+21"/>
        <location filename="../widgets/dialogs/createpropertydialog.cpp" line="+21"/>
        <location filename="../widgets/dialogs/propertylistdialog.cpp" line="+22"/>
        <location filename="../widgets/dialogs/propertyoperatordialog.cpp" line="+22"/>
        <location filename="../widgets/dialogs/removeobjectdialog.cpp" line="+19"/>
        <location filename="../widgets/dialogs/renameobjectdialog.cpp" line="+21"/>
        <location filename="../widgets/dialogs/saveobjectdialog.cpp" line="+19"/>
        <location filename="../widgets/dialogs/translatedialog.cpp" line="+21"/>
        <source></source>
        <translation>Objekt</translation>
    </message>
    <message id="New name">
        <location line="+2"/>
        <location filename="../widgets/dialogs/renameobjectdialog.cpp" line="+2"/>
        <location filename="../widgets/dialogs/renamepropertydialog.cpp" line="+20"/>
        <source></source>
        <translation>Neuer Name</translation>
    </message>
    <message id="Copy object">
        <location filename="../widgets/dialogs/copyobjectdialog.h" line="+13"/>
        <source></source>
        <translation>Objekt kopieren</translation>
    </message>
    <message id="From object">
        <location filename="../widgets/dialogs/copypropertydialog.cpp" line="+20"/>
        <source></source>
        <translation>Von Objekt</translation>
    </message>
    <message id="From Property">
        <location line="+2"/>
        <source></source>
        <translation>Von Eigenschaft</translation>
    </message>
    <message id="To object">
        <location line="+2"/>
        <source></source>
        <translation>Zu Objekt</translation>
    </message>
    <message id="To Property">
        <location line="+2"/>
        <source></source>
        <translation>Zu Eigenschaft</translation>
    </message>
    <message id="Copy property between objects">
        <location filename="../widgets/dialogs/copypropertydialog.h" line="+14"/>
        <source></source>
        <translation>Eigenschaft zwischen Objekten kopieren</translation>
    </message>
    <message id="From and to objects should have the same geometry type.&lt;br&gt;The vertex number and order should be the same for both objects.&lt;br&gt;">
        <location line="+1"/>
        <source></source>
        <translation>Quell- und Zielobjekt sollten denselben Geometrietyp haben.&lt;br&gt;Anzahl und Reihenfolge der Knoten sollten bei beiden Objekten gleich sein.&lt;br&gt;</translation>
    </message>
    <message id="Property name">
        <location filename="../widgets/dialogs/createpropertydialog.cpp" line="+2"/>
        <source></source>
        <translation>Eigenschaftsname</translation>
    </message>
    <message id="Create property">
        <location filename="../widgets/dialogs/createpropertydialog.h" line="+13"/>
        <source></source>
        <translation>Eigenschaft anlegen</translation>
    </message>
    <message id="The new property is initialized with zeros.&lt;br&gt;">
        <location line="+1"/>
        <source></source>
        <translation>Die neue Eigenschaft wird mit Nullen initialisiert.&lt;br&gt;</translation>
    </message>
    <message id="Input object">
        <location filename="../widgets/dialogs/flipdepthdialog.cpp" line="+19"/>
        <source></source>
        <translation>Eingabeobjekt</translation>
    </message>
    <message id="Object flip depth">
        <location filename="../widgets/dialogs/flipdepthdialog.h" line="+13"/>
        <source></source>
        <translation>Tiefe des Objekts umkehren</translation>
    </message>
    <message id="Object file">
        <location filename="../widgets/dialogs/loadobjectdialog.cpp" line="+23"/>
        <source></source>
        <translation>Objektdatei</translation>
    </message>
    <message id="Load object">
        <location filename="../widgets/dialogs/loadobjectdialog.h" line="+14"/>
        <source></source>
        <translation>Objekt laden</translation>
    </message>
    <message id="The original object name was saved into the db file, so you don't have to supply it, in which case, just leave it blank or DEFAULT.">
        <location line="+1"/>
        <source></source>
        <translation>Der ursprüngliche Objektname wurde in der db-Datei gespeichert. Sie müssen ihn daher nicht angeben; lassen Sie das Feld in diesem Fall einfach leer oder auf DEFAULT.</translation>
    </message>
    <message id="Property">
        <location filename="../widgets/dialogs/propertylistdialog.cpp" line="+2"/>
        <source></source>
        <translation>Eigenschaft</translation>
    </message>
    <message id="Region">
        <location filename="../widgets/dialogs/propertyoperatordialog.cpp" line="+3"/>
        <source></source>
        <translation>Bereich</translation>
    </message>
    <message id="Not available yet">
        <location line="+0"/>
        <source></source>
        <translation>Noch nicht verfügbar</translation>
    </message>
    <message id="Script">
        <location line="+2"/>
        <source></source>
        <translation>Skript</translation>
    </message>
    <message id="Property operator">
        <location filename="../widgets/dialogs/propertyoperatordialog.h" line="+15"/>
        <source></source>
        <translation>Eigenschaftsoperator</translation>
    </message>
    <message id="Example script&lt;br&gt;&lt;br&gt;propA = - propA &lt;br&gt;&lt;br&gt;import numpy as np &lt;br&gt;propB = np.log10(abs(propA))">
        <location line="+1"/>
        <source></source>
        <translation>Beispielskript&lt;br&gt;&lt;br&gt;propA = - propA &lt;br&gt;&lt;br&gt;import numpy as np &lt;br&gt;propB = np.log10(abs(propA))</translation>
    </message>
    <message id="Remove object">
        <location filename="../widgets/dialogs/removeobjectdialog.h" line="+13"/>
        <source></source>
        <translation>Objekt entfernen</translation>
    </message>
    <message id="Remove property">
        <location filename="../widgets/dialogs/removepropertydialog.h" line="+13"/>
        <source></source>
        <translation>Eigenschaft entfernen</translation>
    </message>
    <message id="Rename object">
        <location filename="../widgets/dialogs/renameobjectdialog.h" line="+13"/>
        <source></source>
        <translation>Objekt umbenennen</translation>
    </message>
    <message id="Rename property">
        <location filename="../widgets/dialogs/renamepropertydialog.h" line="+13"/>
        <source></source>
        <translation>Eigenschaft umbenennen</translation>
    </message>
    <message id="File">
        <location filename="../widgets/dialogs/saveobjectdialog.cpp" line="+3"/>
        <source></source>
        <translation>Datei</translation>
    </message>
    <message id="Save object">
        <location filename="../widgets/dialogs/saveobjectdialog.h" line="+13"/>
        <source></source>
        <translation>Objekt speichern</translation>
    </message>
    <message id="The recommended filename extension is db (e.g. myobj.db), which is the default filter at load object. But the filename can have any extension, and you'd switch the filter to &quot;All files&quot;.">
        <location line="+1"/>
        <source></source>
        <translation>Die empfohlene Dateiendung ist db (z. B. myobj.db); sie ist der voreingestellte Filter beim Laden eines Objekts. Der Dateiname kann aber jede Endung haben; stellen Sie dann den Filter auf &quot;All files&quot; um.</translation>
    </message>
    <message id="Translate XYZ">
        <location filename="../widgets/dialogs/translatedialog.h" line="+15"/>
        <source></source>
        <translation>XYZ verschieben</translation>
    </message>
</context>
</TS>
