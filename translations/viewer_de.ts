<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Viewer">
        <location filename="../plugins/viewer/viewer.cpp" line="+67"/>
        <source></source>
        <translation>Betrachter</translation>
    </message>
    <message id="Viewers dockWidget">
        <location filename="../plugins/viewer/viewer.h" line="+19"/>
        <source></source>
        <translation>Andockfenster der Betrachter</translation>
    </message>
    <message id="Plotter">
        <location filename="../plugins/plotter/plotter.cpp" line="+25"/>
        <source></source>
        <translation>Diagramm</translation>
    </message>
    <message id="Plotter dockWidget">
        <location filename="../plugins/plotter/plotter.h" line="+16"/>
        <source></source>
        <translation>Andockfenster des Diagramms</translation>
    </message>
    <message id="Hide all objects">
        <location filename="../host/views/mapviewer.cpp" line="+151"/>
        <source></source>
        <translation>Alle Objekte ausblenden</translation>
    </message>
    <message id="Cannot trace the contours: %1">
        <location line="+10"/>
        <source></source>
        <translation>Die Isolinien lassen sich nicht ziehen: %1</translation>
    </message>
    <message id="The coordinates of %1 are not float64 arrays">
        <location line="+60"/>
        <source></source>
        <translation>Die Koordinaten von %1 sind keine float64-Felder</translation>
    </message>
    <message id="%1 has %2 X and %3 Y coordinates">
        <location line="+2"/>
        <source></source>
        <translation>%1 hat %2 X- und %3 Y-Koordinaten</translation>
    </message>
    <message id="The measured depths of %1 are not one real number per vertex">
        <location line="+2"/>
        <source></source>
        <translation>Die gemessenen Tiefen von %1 sind nicht eine reelle Zahl je Knoten</translation>
    </message>
    <message id="The values of %1 of %2 are not one real number per vertex">
        <location line="+5"/>
        <source></source>
        <translation>Die Werte von %1 von %2 sind nicht eine reelle Zahl je Knoten</translation>
    </message>
    <message id="Viewer background colour">
        <location line="+139"/>
        <source></source>
        <translation>Hintergrundfarbe des Betrachters</translation>
    </message>
    <message id="The Y/X ratio must be a positive number, not %1">
        <location line="+34"/>
        <source></source>
        <translation>Das Verhältnis Y/X muss eine positive Zahl sein, nicht %1</translation>
    </message>
    <message id="A picture is exported at 1 to 4 times the size on screen, not %1 times">
        <location line="+16"/>
        <source></source>
        <translation>Ein Bild wird in 1- bis 4-facher Bildschirmgröße exportiert, nicht in %1-facher</translation>
    </message>
    <message id="Cannot write the canvas to %1: %2">
        <location line="+39"/>
        <source></source>
        <translation>Die Zeichenfläche kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message id="Cannot draw the map: %1">
        <location line="-27"/>
        <location line="+469"/>
        <source></source>
        <translation>Die Karte kann nicht gezeichnet werden: %1</translation>
    </message>
    <message id="Show names">
        <location line="-762"/>
        <source></source>
        <translation>Namen zeigen</translation>
    </message>
    <message id="Show contours">
        <location line="+4"/>
        <source></source>
        <translation>Isolinien zeigen</translation>
    </message>
    <message id="Cannot draw %1 as a surface: %2">
        <location line="+551"/>
        <source></source>
        <translation>%1 kann nicht als Fläche gezeichnet werden: %2</translation>
    </message>
    <message id="No objects shown">
        <location line="+257"/>
        <source></source>
        <translation>Keine Objekte angezeigt</translation>
    </message>
    <message id="E %1   N %2">
        <location line="+175"/>
        <source></source>
        <translation>O %1   N %2</translation>
    </message>
    <message id="%1, vertex %2: %3 = %4">
        <location line="+7"/>
        <source></source>
        <translation>%1, Knoten %2: %3 = %4</translation>
    </message>
    <message id="%1, vertex %2">
        <location line="+2"/>
        <source></source>
        <translation>%1, Knoten %2</translation>
    </message>
    <message id="Show grid">
        <location filename="../host/views/plotwidget.cpp" line="+22"/>
        <source></source>
        <translation>Gitter anzeigen</translation>
    </message>
    <message id="Depth: MD">
        <location line="+11"/>
        <source></source>
        <translation>Tiefe: MD</translation>
    </message>
    <message id="Depth: Z">
        <location line="+1"/>
        <source></source>
        <translation>Tiefe: Z</translation>
    </message>
    <message id="Zoom to fit">
        <location filename="../host/views/mapviewer.cpp" line="-1000"/>
        <location filename="../host/views/plotwidget.cpp" line="-5"/>
        <source></source>
        <translation>Auf alles zoomen</translation>
    </message>
    <message id="Vertex">
        <location filename="../host/views/propertyplot.cpp" line="+149"/>
        <source></source>
        <translation>Knoten</translation>
    </message>
    <message id="%1 has no property to plot">
        <location line="-83"/>
        <source></source>
        <translation>%1 hat keine Eigenschaft, die sich darstellen lässt</translation>
    </message>
    <message id="%1 holds %2 values, which cannot be plotted">
        <location line="+5"/>
        <source></source>
        <translation>%1 enthält Werte vom Typ %2, die nicht dargestellt werden können</translation>
    </message>
    <message id="Value">
        <location line="+118"/>
        <source></source>
        <translation>Wert</translation>
    </message>
    <message id="Open a new viewer tab">
        <location filename="../host/views/tabviewer.cpp" line="+23"/>
        <source></source>
        <translation>Neuen Betrachter-Reiter öffnen</translation>
    </message>
    <message id="Viewer %1">
        <location line="+18"/>
        <source></source>
        <translation>Betrachter %1</translation>
    </message>
    <message id="Options">
        <location filename="../host/easypluginwidget.cpp" line="+20"/>
        <source></source>
        <translation>Optionen</translation>
    </message>
    <message id="Easting">
        <location filename="../host/views/mapdecor.cpp" line="+152"/>
        <source></source>
        <translation>Ostwert</translation>
    </message>
    <message id="Northing">
        <location line="+2"/>
        <source></source>
        <translation>Nordwert</translation>
    </message>
    <message id="Depth (-Z)">
        <location filename="../host/views/depthcurve.cpp" line="+66"/>
        <source></source>
        <translation>Tiefe (-Z)</translation>
    </message>
    <message id="a log needs real values and as many real depths">
        <location line="+28"/>
        <source></source>
        <translation>ein Log braucht reelle Werte und ebenso viele reelle Tiefen</translation>
    </message>
    <message id="Sample">
        <location filename="../host/views/cubeslice.cpp" line="+27"/>
        <source></source>
        <translation>Abtastpunkt</translation>
    </message>
    <message id="The horizontal slice of the cube shown on the map">
        <location line="+5"/>
        <source></source>
        <translation>Der waagrechte Schnitt durch den Würfel, den die Karte zeigt</translation>
    </message>
    <message id="Z %1">
        <location line="+21"/>
        <source></source>
        <translation>Z %1</translation>
    </message>
    <message id="the grid has no level %1">
        <location filename="../host/views/contours.cpp" line="+172"/>
        <source></source>
        <translation>das Gitter hat keine Stufe %1</translation>
    </message>
    <message id="contours need float64 coordinates and real values, one per vertex">
        <location line="+69"/>
        <source></source>
        <translation>Konturlinien brauchen float64-Koordinaten und reelle Werte, einen je Knoten</translation>
    </message>
    <message id="triangles must be rows of three vertex numbers">
        <location line="+3"/>
        <location filename="../host/views/surfacefill.cpp" line="+338"/>
        <source></source>
        <translation>Dreiecke müssen Zeilen aus drei Knotennummern sein</translation>
    </message>
    <message id="map coordinates must be float64 arrays of the same length">
        <location filename="../host/views/maprender.cpp" line="+111"/>
        <source></source>
        <translation>Kartenkoordinaten müssen float64-Arrays gleicher Länge sein</translation>
    </message>
    <message id="an object of %1 vertices is too large to draw">
        <location line="+2"/>
        <source></source>
        <translation>ein Objekt mit %1 Knoten ist zu groß zum Zeichnen</translation>
    </message>
    <message id="map values must be real numbers other than float16, one per vertex">
        <location line="+5"/>
        <source></source>
        <translation>Kartenwerte müssen reelle Zahlen außer float16 sein, eine je Knoten</translation>
    </message>
    <message id="%1 X and %2 Y coordinates">
        <location line="+19"/>
        <source></source>
        <translation>%1 X- und %2 Y-Koordinaten</translation>
    </message>
    <message id="%1 values cannot be plotted">
        <location filename="../host/views/propertycurve.cpp" line="+205"/>
        <source></source>
        <translation>Werte vom Typ %1 können nicht dargestellt werden</translation>
    </message>
    <message id="a grid of %1 nodes cannot be drawn with %2 values">
        <location filename="../host/views/surfacefill.cpp" line="-133"/>
        <source></source>
        <translation>ein Gitter mit %1 Knoten kann nicht mit %2 Werten gezeichnet werden</translation>
    </message>
    <message id="%1 values cannot be drawn">
        <location line="+4"/>
        <source></source>
        <translation>Werte vom Typ %1 können nicht gezeichnet werden</translation>
    </message>
    <message id="the grid has no layer %1">
        <location line="+2"/>
        <source></source>
        <translation>das Gitter hat keine Schicht %1</translation>
    </message>
    <message id="triangles need float64 coordinates and real values, one per vertex">
        <location line="+125"/>
        <source></source>
        <translation>Dreiecke brauchen float64-Koordinaten und reelle Werte, einen je Knoten</translation>
    </message>
    <message id="triangle corners must be int32 or int64 vertex numbers">
        <location line="+10"/>
        <source></source>
        <translation>Dreiecksecken müssen Knotennummern vom Typ int32 oder int64 sein</translation>
    </message>
    <message id="triangles must be rows of three int32 or int64 vertex numbers">
        <location filename="../host/views/surfacelayer.cpp" line="+169"/>
        <source></source>
        <translation>Dreiecke müssen Zeilen aus drei Knotennummern vom Typ int32 oder int64 sein</translation>
    </message>
    <message id="a well's MD must be real numbers, one per vertex">
        <location filename="../host/views/welllayer.cpp" line="+31"/>
        <source></source>
        <translation>die MD einer Bohrung muss aus reellen Zahlen bestehen, eine je Knoten</translation>
    </message>
</context>
</TS>
