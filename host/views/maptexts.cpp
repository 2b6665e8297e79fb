#include "host/views/maptexts.h"

#include "host/views/labelplacement.h"
#include "host/views/mapdecor.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kelvra {
namespace {

constexpr double kGap = 8;          // from a marker's centre, or a survey's corner, to its text
constexpr double kMarkerRadius = 5; // the room a marker takes around its centre
constexpr double kInset = 2;        // between a text's box and its first letter

// The widget pixel of each vertex with finite coordinates that falls into area.
template <typename Fn>
void for_each_pixel(const TextedObject &object, const QTransform &to_pixels, const QRectF &area, Fn &&fn)
{
    const double *xs = object.x.data<double>(), *ys = object.y.data<double>();
    for (std::int64_t i = 0; i < object.x.size(); ++i) {
        if (!(std::isfinite(xs[i]) && std::isfinite(ys[i])))
            continue;
        const QPointF pixel = to_pixels.map(QPointF(xs[i], ys[i]));
        if (area.contains(pixel))
            fn(i, pixel);
    }
}

QSizeF box_size(const QFontMetricsF &metrics, const QString &text)
{
    return {metrics.horizontalAdvance(text) + 2 * kInset, metrics.height()};
}

QRectF marker_box(const QPointF &centre)
{
    return {centre.x() - kMarkerRadius, centre.y() - kMarkerRadius, 2 * kMarkerRadius, 2 * kMarkerRadius};
}

void draw_box(QPainter &painter, const QRectF &box, const QString &text, const TextColours &colours)
{
    painter.fillRect(box, veil_of(colours.background));
    painter.setPen(colours.ink);
    painter.drawText(box.adjusted(kInset, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// The box of a corner's text: beyond the corner, away from the middle of
// the outline, kGap past it. The box's centre lies on the ray from the
// middle through the corner, where the box's edge meets the corner: a
// corner up and to the left gets its text above and to the left, its
// lower right corner at the outline's corner; a corner straight above gets
// its text centred above it. A corner is the outline's farthest point in
// its own direction from the middle of a quadrilateral, so the text lies
// outside.
QRectF corner_box(const QPointF &corner, const QPointF &middle, const QSizeF &size)
{
    QPointF away = corner - middle;
    const double length = std::hypot(away.x(), away.y());
    away = length > 0 ? away / length : QPointF(0.7071, -0.7071);
    // Scaled so that its larger component is 1: half the box along it
    // reaches the box's edge.
    const double larger = std::max(std::abs(away.x()), std::abs(away.y()));
    const QPointF to_edge(away.x() / larger * size.width() / 2, away.y() / larger * size.height() / 2);
    const QPointF centre = corner + to_edge + away * kGap;
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

// box moved the least to lie within area.
QRectF moved_into(QRectF box, const QRectF &area)
{
    box.moveLeft(std::max(area.left(), std::min(box.left(), area.right() - box.width())));
    box.moveTop(std::max(area.top(), std::min(box.top(), area.bottom() - box.height())));
    return box;
}

// The corner texts of the corners within area; a text that would leave the
// area (the outline fills the view) is moved into it.
void draw_corners(QPainter &painter, const TextedObject &survey, const QTransform &to_pixels, const QRectF &area,
                  LabelPlacement &placement, const TextColours &colours)
{
    const QFontMetricsF metrics(painter.fontMetrics());
    const double *xs = survey.x.data<double>(), *ys = survey.y.data<double>();
    // The middle of the outline: of the rectangle around its corners on screen.
    std::vector<std::pair<std::int64_t, QPointF>> corners;
    double left = 0, right = 0, top = 0, bottom = 0;
    for (std::int64_t i = 0; i < survey.x.size(); ++i) {
        if (!(std::isfinite(xs[i]) && std::isfinite(ys[i])))
            continue;
        const QPointF pixel = to_pixels.map(QPointF(xs[i], ys[i]));
        left = corners.empty() ? pixel.x() : std::min(left, pixel.x());
        right = corners.empty() ? pixel.x() : std::max(right, pixel.x());
        top = corners.empty() ? pixel.y() : std::min(top, pixel.y());
        bottom = corners.empty() ? pixel.y() : std::max(bottom, pixel.y());
        corners.emplace_back(i, pixel);
    }
    const QPointF middle((left + right) / 2, (top + bottom) / 2);
    for (const auto &[i, pixel] : corners) {
        const QString text = i < survey.texts.size() ? survey.texts.at(int(i)) : QString();
        if (text.isEmpty() || !area.contains(pixel))
            continue;
        const QRectF box = moved_into(corner_box(pixel, middle, box_size(metrics, text)), area);
        placement.reserve(box);
        draw_box(painter, box, text, colours);
    }
}

} // namespace

void draw_map_texts(QPainter &painter, const QRect &area, const QTransform &to_pixels,
                    const std::vector<TextedObject> &objects, bool names, const TextColours &colours)
{
    const QRectF room(area);
    LabelPlacement placement(room, kGap);
    for (const TextedObject &object : objects) {
        if (object.look == MapLook::Outline && !object.texts.isEmpty())
            draw_corners(painter, object, to_pixels, room, placement, colours);
    }
    // Texts stay off the markers of wells, point sets and labels.
    for (const TextedObject &object : objects) {
        if (object.look == MapLook::Marker && !object.texts.isEmpty()) {
            for_each_pixel(object, to_pixels, room,
                           [&](std::int64_t, const QPointF &at) { placement.reserve(marker_box(at)); });
        } else if (object.name_at && names) {
            placement.reserve(marker_box(to_pixels.map(*object.name_at)));
        }
    }
    const QFontMetricsF metrics(painter.fontMetrics());
    // Placed first, drawn afterwards: every lead line under every text, so
    // that the line to a text moved farther out never strikes through
    // another text on its way.
    struct Written
    {
        QPointF point;
        QString text;
        LabelPlacement::Place place;
    };
    std::vector<Written> written;
    auto write = [&](const QPointF &point, const QString &text, const LabelPlacement::Place &place) {
        written.push_back({point, text, place});
    };
    if (names) {
        for (const TextedObject &object : objects) {
            if (!object.name_at)
                continue;
            const QPointF point = to_pixels.map(*object.name_at);
            if (!room.contains(point))
                continue;
            const QSizeF size = box_size(metrics, object.name);
            // A name is written all the same, right of its marker, where there is no free place.
            const QRectF right(QPointF(point.x() + kGap, point.y() - size.height() / 2), size);
            write(point, object.name, placement.place(point, size).value_or(LabelPlacement::Place{right, false}));
        }
    }
    for (const TextedObject &object : objects) {
        if (object.look != MapLook::Marker || object.texts.isEmpty())
            continue;
        for_each_pixel(object, to_pixels, room, [&](std::int64_t i, const QPointF &point) {
            const QString text = i < object.texts.size() ? object.texts.at(int(i)) : QString();
            if (text.isEmpty())
                return;
            if (const std::optional<LabelPlacement::Place> place = placement.place(point, box_size(metrics, text)))
                write(point, text, *place);
        });
    }
    painter.setPen(QPen(colours.ink, 0.8));
    for (const Written &text : written) {
        if (!text.place.lead)
            continue;
        const QRectF &box = text.place.box;
        const QPointF nearest(std::clamp(text.point.x(), box.left(), box.right()),
                              std::clamp(text.point.y(), box.top(), box.bottom()));
        painter.drawLine(text.point, nearest);
    }
    for (const Written &text : written)
        draw_box(painter, text.place.box, text.text, colours);
}

} // namespace kelvra
