#pragma once

// The texts a map viewer writes over its picture: each survey's corner
// lines outside its outline, the names of wells (at the wellhead) and point
// sets, and each label's texts beside its markers, placed so that none
// covers another (host/views/labelplacement.h).

#include "host/ndarray.h"
#include "host/views/maplayer.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;
class QTransform;

namespace kelvra {

// One shown object as the map writes its texts.
struct TextedObject
{
    MapLook look;
    QString name;
    std::optional<QPointF> name_at; // where its name goes, in map coordinates; none: it has none
    NdArray x, y;                   // float64, one per vertex
    QStringList texts;              // one per vertex: a survey's corners, a label's texts
};

struct TextColours
{
    QColor ink;
    QColor background; // a veil of it lies under each text
};

// Writes into area, at the widget pixels to_pixels maps to: first the
// corner texts of each survey (an Outline with texts; moved into the area
// where the outline leaves them no room outside it), then, when names is
// true, the names, then each Label's texts beside their markers; a text
// goes where it covers no text before it nor a marker, else it is left
// out (a name is written beside its marker all the same).
void draw_map_texts(QPainter &painter, const QRect &area, const QTransform &to_pixels,
                    const std::vector<TextedObject> &objects, bool names, const TextColours &colours);

} // namespace kelvra
