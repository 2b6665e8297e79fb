#pragma once

// What a map viewer draws around and over the map picture: the easting and
// northing axes with horizontal labels, a colour bar with round-number
// ticks per coloured property, and the legend.

#include "host/views/mapaxes.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>
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
    bool seismic = false; // the red-white-blue map of cubes, rather than viridis
};

// A colour bar where it is drawn, with its ticks (positions: pixel rows).
struct ColourBar
{
    ColourScale scale;
    QRectF bar;
    std::vector<AxisTick> ticks;
};

struct LegendEntry
{
    QString name;
    QRgb colour;
    bool graded; // coloured by a property: the swatch shows the colour map
    bool seismic = false; // ... the seismic one
};

// The room around the map: the northing labels and title at the left, the
// easting labels and title below, the colour bars (or the overhang of the
// last easting label) at the right.
struct MapMargins
{
    int left, top, right, bottom;
};
// northing_labels: the width of the widest northing label; overhang: how
// far the outermost easting labels reach past the ends of the axis;
// bar_labels: the width of the widest colour bar label, when there are bars.
MapMargins map_margins(const QFontMetrics &metrics, int northing_labels, int overhang, bool bars, int bar_labels);

// The ticks of an axis of the map: easting labels (across) need their
// width, northing labels (written horizontally, stacked up the axis) their
// height.
std::vector<AxisTick> map_axis_ticks(const QFontMetrics &metrics, Qt::Orientation axis, double low, double high,
                                     double from_pixel, double to_pixel);

// The colour bars in the margin right of area, one above the other.
std::vector<ColourBar> place_colour_bars(const QFontMetrics &metrics, const QRect &area,
                                         const std::vector<ColourScale> &scales);
// The widest label of the bars.
int widest_bar_label(const QFontMetrics &metrics, const std::vector<ColourBar> &bars);

// The frame around area, its ticks and labels and the axis titles.
void draw_axes(QPainter &painter, const QRect &area, const std::vector<AxisTick> &easting,
               const std::vector<AxisTick> &northing, const QColor &ink);
void draw_colour_bars(QPainter &painter, const std::vector<ColourBar> &bars, const QColor &ink);
// The legend, in the top left corner of area, on a veil of the background.
void draw_legend(QPainter &painter, const QRect &area, const std::vector<LegendEntry> &entries,
                 const QColor &ink, const QColor &background);
// The background, seen through: laid under texts on the map.
QColor veil_of(const QColor &background);

} // namespace kelvra
