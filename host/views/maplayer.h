#pragma once

// What a map viewer is given of one object, and how each geometry type
// looks on the map.

#include "host/gridgeometry.h"
#include "host/ndarray.h"
#include "host/views/hostviews_export.h"

#include <QRgb>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelvra {

// How an object's vertices appear on the map. The order is the drawing
// order: dots at the bottom, markers on top, so that a well stays visible
// above any surface.
enum class MapLook {
    Dots,     // each vertex a dot, coloured by the current property
    Outline,  // a closed polygon through the vertices in their order
    Polyline, // a line through the vertices in their order
    Well,     // a line through the vertices in order of MD, a marker at the wellhead
    Marker,   // a marker of constant screen size at each vertex
};

// Point and Label: Marker; Line: Polyline; Survey: Outline; Tsurface,
// Gsurface, Cube and any other type: Dots.
HOSTVIEWS_EXPORT MapLook map_look(const QString &geometry_type);

// One object as the host hands it to a map viewer. The viewer keeps the
// arrays themselves, which share storage with the object's (nothing is
// copied); the host never writes into an array that another holder shares.
struct MapObject
{
    QString geometry_type;
    NdArray x;        // float64, one value per vertex
    NdArray y;        // float64, one value per vertex
    QString property; // the object's current property; empty when it has none
    NdArray values;   // that property's values, real numbers, one per vertex
    // Which object this is, for as long as the program runs, whatever its
    // name: a viewer tells objects apart by it (an object opened in place
    // of another of the same name is another object). 0: the host gives
    // none, and the viewer goes by the name.
    quint64 id = 0;
    // The object's own colour, the same in every viewer; none: the viewer
    // picks one from its palette.
    std::optional<QRgb> colour = std::nullopt;
    // Which vertex is which node of a Gsurface's grid or a Cube's samples;
    // none for other objects.
    std::optional<GridGeometry> grid = std::nullopt;
    // The triangles of a Tsurface (int32 or int64, shape (n, 3)); empty
    // for other objects.
    NdArray triangles = NdArray();
    // One text per vertex (a Label's texts, a Survey's corner lines);
    // empty when the object has none.
    QStringList texts = {};
    // A well's measured depths (its "MD" property, real numbers, one per
    // vertex): the map draws it as a well. Empty for any other object.
    NdArray md = NdArray();
};

// A Point with measured depths: Well; otherwise as its geometry type.
HOSTVIEWS_EXPORT MapLook map_look(const MapObject &object);

} // namespace kelvra
