#pragma once

// What a map viewer draws around and over the map picture: the easting and
// northing axes, a colour bar per coloured property, and the legend.

#include "host/views/mapaxes.h"

#include <QColor>
#include <QRect>
#include <QRgb>
#include <QString>

#include <vector>

class QFontMetrics;
class QPainter;

namespace kelvra {

// The values of one property that the colours span, over every object
// coloured by it.
struct ColourScale
{
    QString property;
    double low;
    double high;
};

struct LegendEntry
{
    QString name;
    QRgb colour;
    bool graded; // coloured by a property: the swatch shows the colour map
};

// The room the axes take at the left and bottom, and the colour bars at the right.
struct MapMargins
{
    int left, top, right, bottom;
};
MapMargins map_margins(const QFontMetrics &metrics, const std::vector<ColourScale> &scales);

// The frame around area, its ticks and labels and the axis titles.
void draw_axes(QPainter &painter, const QRect &area, const std::vector<AxisTick> &easting,
               const std::vector<AxisTick> &northing, const QColor &ink);
// The colour bars, in the margin right of area, one above the other.
void draw_colour_bars(QPainter &painter, const QRect &area, const std::vector<ColourScale> &scales,
                      const QColor &ink);
// The legend, in the top left corner of area, on a veil of the background.
void draw_legend(QPainter &painter, const QRect &area, const std::vector<LegendEntry> &entries,
                 const QColor &ink, const QColor &background);

} // namespace kelvra
