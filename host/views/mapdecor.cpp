#include "host/views/mapdecor.h"

#include "host/translation.h"
#include "host/views/colourmap.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace kelvra {
namespace {

constexpr int kTick = 5;       // tick length, pixels
constexpr int kGap = 4;        // between a tick and its label, a label and a title
constexpr int kBarGap = 14;    // between the map and a colour bar
constexpr int kBarWidth = 14;
constexpr int kSwatch = 10;    // legend swatch size

QString scale_label(double value)
{
    return QString::number(value, 'g', 5);
}

// The colour map as a one-pixel-wide picture, highest value on top.
QImage colour_ramp()
{
    const std::array<QRgb, 256> &table = viridis_table();
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

MapMargins map_margins(const QFontMetrics &metrics, const std::vector<ColourScale> &scales)
{
    const int axis = kTick + kGap + metrics.height() + kGap + metrics.height() + kGap;
    int right = 16;
    if (!scales.empty()) {
        int widest = 0;
        for (const ColourScale &scale : scales) {
            widest = std::max({widest, metrics.horizontalAdvance(scale_label(scale.low)),
                               metrics.horizontalAdvance(scale_label(scale.high))});
        }
        right = kBarGap + kBarWidth + kGap + widest + kGap + metrics.height() + kGap;
    }
    return {axis, 10, right, axis};
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
    // A label that would reach past the end of its axis, into the corner
    // where the other axis's labels are or off the canvas, is left out; its
    // tick stays.
    auto fits = [&](double position, const QString &label, double low, double high) {
        const double half = metrics.horizontalAdvance(label) / 2.0;
        return position - half >= low - kGap && position + half <= high + kGap;
    };
    for (const AxisTick &tick : easting) {
        painter.drawLine(QPointF(tick.position, bottom), QPointF(tick.position, bottom + kTick));
        if (fits(tick.position, tick.label, area.left(), area.right() + 1))
            painter.drawText(QRectF(tick.position - 500, bottom + kTick + kGap, 1000, height), Qt::AlignCenter,
                             tick.label);
    }
    for (const AxisTick &tick : northing) {
        painter.drawLine(QPointF(left - kTick, tick.position), QPointF(left, tick.position));
        if (fits(tick.position, tick.label, area.top(), area.bottom() + 1))
            draw_upright(painter, QPointF(left - kTick - kGap - height / 2.0, tick.position), tick.label);
    }
    painter.drawText(QRectF(area.left(), bottom + kTick + kGap + height + kGap, area.width(), height),
                     Qt::AlignCenter, _("Easting"));
    draw_upright(painter, QPointF(left - kTick - 2 * kGap - 1.5 * height, area.center().y()), _("Northing"));
}

void draw_colour_bars(QPainter &painter, const QRect &area, const std::vector<ColourScale> &scales,
                      const QColor &ink)
{
    if (scales.empty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int height = metrics.height();
    const QImage ramp = colour_ramp();
    const double slot = double(area.height()) / double(scales.size());
    const double bar_left = area.right() + 1 + kBarGap;
    int widest = 0;
    for (const ColourScale &scale : scales) {
        widest = std::max({widest, metrics.horizontalAdvance(scale_label(scale.low)),
                           metrics.horizontalAdvance(scale_label(scale.high))});
    }
    painter.setPen(QPen(ink, 1));
    for (std::size_t i = 0; i < scales.size(); ++i) {
        const double top = area.top() + slot * double(i) + height / 2.0;
        const QRectF bar(bar_left, top, kBarWidth, slot - height - (i + 1 < scales.size() ? height : 0));
        if (bar.height() < 4)
            break;
        painter.drawImage(bar, ramp);
        painter.drawRect(bar.adjusted(-0.5, -0.5, 0.5, 0.5));
        const double labels = bar.right() + kGap;
        painter.drawText(QRectF(labels, bar.top() - height / 2.0, widest, height), Qt::AlignLeft | Qt::AlignVCenter,
                         scale_label(scales[i].high));
        painter.drawText(QRectF(labels, bar.bottom() - height / 2.0, widest, height),
                         Qt::AlignLeft | Qt::AlignVCenter, scale_label(scales[i].low));
        draw_upright(painter, QPointF(labels + widest + kGap + height / 2.0, bar.center().y()), scales[i].property);
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
    QColor veil = background;
    veil.setAlpha(200);
    painter.fillRect(box, veil);
    const QImage ramp = colour_ramp();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double middle = box.top() + 4 + line * (double(i) + 0.5);
        const QRectF swatch(box.left() + 6, middle - kSwatch / 2.0, kSwatch, kSwatch);
        if (entries[i].graded)
            painter.drawImage(swatch, ramp);
        else
            painter.fillRect(swatch, QColor::fromRgba(entries[i].colour));
        painter.setPen(ink);
        painter.drawText(QRectF(swatch.right() + 6, middle - line / 2.0, widest + 6, line),
                         Qt::AlignLeft | Qt::AlignVCenter, entries[i].name);
    }
}

} // namespace kelvra
