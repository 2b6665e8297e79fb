#include "host/views/mapdecor.h"

#include "host/translation.h"
#include "host/views/colourmap.h"
#include "host/views/numberformat.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace kelvra {
namespace {

constexpr int kTick = 5;        // tick length, pixels
constexpr int kGap = 4;         // between a tick and its label, a label and a title
constexpr int kEastingGap = 12; // between neighbouring easting labels
constexpr int kBarGap = 14;     // between the map and a colour bar
constexpr int kBarWidth = 14;
constexpr int kSwatch = 10;     // legend swatch size

// The least room between labels stacked up an axis.
int stacked_gap(int height)
{
    return std::max(6, height / 2);
}

// From the bottom of the map to the top of the easting labels: past the
// lowest northing label, which is centred on the bottom edge.
int easting_label_offset(int height)
{
    return kTick + std::max(kGap, height / 2 - kTick + 2);
}

// A colour map as a one-pixel-wide picture, highest value on top.
QImage colour_ramp(bool seismic)
{
    const std::array<QRgb, 256> &table = seismic ? seismic_table() : viridis_table();
    QImage ramp(1, int(table.size()), QImage::Format_RGB32);
    for (int i = 0; i < ramp.height(); ++i)
        ramp.setPixel(0, i, table[table.size() - 1 - std::size_t(i)]);
    return ramp;
}

// Draws text centred on centre, turned a quarter anticlockwise (read from below).
void draw_upright(QPainter &painter, const QPointF &centre, const QString &text)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(-90);
    const QRectF box(-500, -painter.fontMetrics().height() / 2.0, 1000, painter.fontMetrics().height());
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

} // namespace

QColor veil_of(const QColor &background)
{
    QColor veil = background;
    veil.setAlpha(200);
    return veil;
}

MapMargins map_margins(const QFontMetrics &metrics, int northing_labels, int overhang, bool bars, int bar_labels)
{
    const int height = metrics.height();
    const int left = std::max(kTick + kGap + northing_labels + kGap + height + kGap, overhang + 2);
    const int bottom = easting_label_offset(height) + height + kGap + height + kGap;
    const int top = std::max(10, height / 2 + 2);
    int right = 16;
    if (bars)
        right = kBarGap + kBarWidth + kTick + kGap + bar_labels + kGap + height + kGap;
    return {left, top, std::max(right, overhang + 2), bottom};
}

std::vector<AxisTick> map_axis_ticks(const QFontMetrics &metrics, Qt::Orientation axis, double low, double high,
                                     double from_pixel, double to_pixel)
{
    if (axis == Qt::Horizontal) {
        return axis_ticks(
            low, high, from_pixel, to_pixel,
            [&metrics](const QString &label) { return double(metrics.horizontalAdvance(label)); }, kEastingGap);
    }
    const double height = metrics.height();
    return axis_ticks(
        low, high, from_pixel, to_pixel, [height](const QString &) { return height; }, stacked_gap(int(height)), 0);
}

std::vector<ColourBar> place_colour_bars(const QFontMetrics &metrics, const QRect &area,
                                         const std::vector<ColourScale> &scales)
{
    std::vector<ColourBar> bars;
    const int height = metrics.height();
    const double slot = double(area.height()) / double(std::max<std::size_t>(1, scales.size()));
    for (std::size_t i = 0; i < scales.size(); ++i) {
        const ColourScale &scale = scales[i];
        const double top = area.top() + slot * double(i) + height / 2.0;
        const QRectF bar(area.right() + 1 + kBarGap, top, kBarWidth,
                         slot - height - (i + 1 < scales.size() ? height : 0));
        if (bar.height() < 4)
            break;
        std::vector<AxisTick> ticks;
        if (scale.low == scale.high) {
            // One value: the whole bar is its colour, the first of the map.
            ticks.push_back({scale.low, bar.bottom(), value_text(scale.low)});
        } else {
            ticks = axis_ticks(
                scale.low, scale.high, bar.bottom(), bar.top(), [height](const QString &) { return double(height); },
                stacked_gap(height), 2.0 * height);
            if (ticks.empty()) // no round number fits (a span of a few subnormal numbers): the ends
                ticks.push_back({scale.low, bar.bottom(), value_text(scale.low)});
        }
        bars.push_back({scale, bar, std::move(ticks)});
    }
    return bars;
}

int widest_bar_label(const QFontMetrics &metrics, const std::vector<ColourBar> &bars)
{
    int widest = 0;
    for (const ColourBar &bar : bars) {
        for (const AxisTick &tick : bar.ticks)
            widest = std::max(widest, metrics.horizontalAdvance(tick.label));
    }
    return widest;
}

void draw_axes(QPainter &painter, const QRect &area, const std::vector<AxisTick> &easting,
               const std::vector<AxisTick> &northing, const QColor &ink)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int height = metrics.height();
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(-0.5, -0.5, 0.5, 0.5));
    const double bottom = area.bottom() + 1, left = area.left();
    const double labels_top = bottom + easting_label_offset(height);
    for (const AxisTick &tick : easting) {
        painter.drawLine(QPointF(tick.position, bottom), QPointF(tick.position, bottom + kTick));
        painter.drawText(QRectF(tick.position - 500, labels_top, 1000, height), Qt::AlignCenter, tick.label);
    }
    int widest = 0;
    for (const AxisTick &tick : northing) {
        painter.drawLine(QPointF(left - kTick, tick.position), QPointF(left, tick.position));
        painter.drawText(QRectF(left - kTick - kGap - 1000, tick.position - height / 2.0, 1000, height),
                         Qt::AlignRight | Qt::AlignVCenter, tick.label);
        widest = std::max(widest, metrics.horizontalAdvance(tick.label));
    }
    painter.drawText(QRectF(area.left(), labels_top + height + kGap, area.width(), height), Qt::AlignCenter,
                     _("Easting"));
    draw_upright(painter, QPointF(left - kTick - kGap - widest - kGap - height / 2.0, area.center().y()),
                 _("Northing"));
}

void draw_colour_bars(QPainter &painter, const std::vector<ColourBar> &bars, const QColor &ink)
{
    if (bars.empty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int height = metrics.height();
    const QImage ramps[2] = {colour_ramp(false), colour_ramp(true)};
    const int widest = widest_bar_label(metrics, bars);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    for (const ColourBar &bar : bars) {
        painter.drawImage(bar.bar, ramps[bar.scale.seismic]);
        painter.drawRect(bar.bar.adjusted(-0.5, -0.5, 0.5, 0.5));
        const double right = bar.bar.right();
        for (const AxisTick &tick : bar.ticks) {
            painter.drawLine(QPointF(right, tick.position), QPointF(right + kTick, tick.position));
            painter.drawText(QRectF(right + kTick + kGap, tick.position - height / 2.0, widest + 1, height),
                             Qt::AlignLeft | Qt::AlignVCenter, tick.label);
        }
        draw_upright(painter, QPointF(right + kTick + kGap + widest + kGap + height / 2.0, bar.bar.center().y()),
                     bar.scale.property);
    }
}

void draw_legend(QPainter &painter, const QRect &area, const std::vector<LegendEntry> &entries,
                 const QColor &ink, const QColor &background)
{
    if (entries.empty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    int widest = 0;
    for (const LegendEntry &entry : entries)
        widest = std::max(widest, metrics.horizontalAdvance(entry.name));
    const QRectF box(area.left() + 6, area.top() + 6, kSwatch + 6 + widest + 12, line * double(entries.size()) + 8);
    painter.fillRect(box, veil_of(background));
    const QImage ramps[2] = {colour_ramp(false), colour_ramp(true)};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double middle = box.top() + 4 + line * (double(i) + 0.5);
        const QRectF swatch(box.left() + 6, middle - kSwatch / 2.0, kSwatch, kSwatch);
        if (entries[i].graded)
            painter.drawImage(swatch, ramps[entries[i].seismic]);
        else
            painter.fillRect(swatch, QColor::fromRgba(entries[i].colour));
        painter.setPen(ink);
        painter.drawText(QRectF(swatch.right() + 6, middle - line / 2.0, widest + 6, line),
                         Qt::AlignLeft | Qt::AlignVCenter, entries[i].name);
    }
}

} // namespace kelvra
