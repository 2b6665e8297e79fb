#include "host/views/mapstrokes.h"

#include "host/views/welllayer.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kelvra {
namespace {

constexpr std::int64_t kBlock = std::int64_t(1) << 18; // vertices between two looks at stale()
constexpr int kMarkerSprite = 11;                      // pixels on each side of a marker's picture, on screen

// Clips the segment a-b to rect (Liang-Barsky); false when nothing of it is inside.
bool clip(QPointF &a, QPointF &b, const QRectF &rect)
{
    const QPointF start = a, delta = b - a;
    const double p[4] = {-delta.x(), delta.x(), -delta.y(), delta.y()};
    const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(), rect.bottom() - a.y()};
    double enter = 0, leave = 1;
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return false;
    }
    if (enter > 0)
        a = start + enter * delta;
    if (leave < 1)
        b = start + leave * delta;
    return true;
}

bool same_pixel(QPointF a, QPointF b)
{
    return std::floor(a.x()) == std::floor(b.x()) && std::floor(a.y()) == std::floor(b.y());
}

// The side of a marker's picture in image pixels: odd, so that it has a
// middle pixel.
int sprite_side(double scale)
{
    return int(std::lround(kMarkerSprite * scale)) | 1;
}

// A marker: a disc of the colour with a dark rim, centred on the middle
// pixel of the picture.
QImage marker_sprite(QRgb colour, double scale)
{
    const int side = sprite_side(scale);
    QImage sprite(side, side, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 0, 220), 1.2 * scale));
    painter.setBrush(QColor::fromRgba(colour));
    const double middle = side / 2.0;
    painter.drawEllipse(QPointF(middle, middle), 3.8 * scale, 3.8 * scale);
    return sprite;
}

// Draws the premultiplied sprite over the image, its top left corner at (left, top).
void blend(QImage &image, const QImage &sprite, int left, int top)
{
    for (int row = 0; row < sprite.height(); ++row) {
        const int y = top + row;
        if (y < 0 || y >= image.height())
            continue;
        const auto *source = reinterpret_cast<const QRgb *>(sprite.constScanLine(row));
        auto *target = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int column = 0; column < sprite.width(); ++column) {
            const int x = left + column;
            const QRgb over = source[column];
            const int alpha = qAlpha(over);
            if (x < 0 || x >= image.width() || alpha == 0)
                continue;
            const QRgb under = target[x];
            auto mix = [alpha](int top_channel, int bottom_channel) {
                return top_channel + (bottom_channel * (255 - alpha) + 127) / 255;
            };
            target[x] = qRgba(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)),
                              mix(qBlue(over), qBlue(under)), mix(alpha, qAlpha(under)));
        }
    }
}

} // namespace

void widen_sparse_dots(RenderedMap &map, const std::vector<std::int64_t> &landed)
{
    const int width = map.image.width(), height = map.image.height();
    std::vector<int> radius(map.layers.size(), 0);
    for (std::size_t l = 0; l < map.layers.size(); ++l) {
        const RenderLayer &layer = map.layers[l];
        if (layer.look != MapLook::Dots || landed[l] == 0 || !layer.bounds)
            continue;
        // The on-screen room of the layer's vertices, shared among those that landed.
        const QPointF a = map.view.to_pixel(layer.bounds->topLeft());
        const QPointF b = map.view.to_pixel(layer.bounds->bottomRight());
        const double span_x = std::min(std::max(a.x(), b.x()), double(width)) - std::max(std::min(a.x(), b.x()), 0.0);
        const double span_y = std::min(std::max(a.y(), b.y()), double(height)) - std::max(std::min(a.y(), b.y()), 0.0);
        // In screen pixels, so that a picture exported larger looks alike.
        const double spacing =
            std::sqrt(std::max(span_x, 1.0) * std::max(span_y, 1.0) / double(landed[l])) / map.view.scale;
        const int screen_radius = landed[l] <= 4 || spacing >= 8 ? 2 : spacing >= 4 ? 1 : 0;
        radius[l] = int(std::lround(screen_radius * map.view.scale));
    }
    if (std::all_of(radius.begin(), radius.end(), [](int r) { return r == 0; }))
        return;
    auto *colours = reinterpret_cast<QRgb *>(map.image.bits());
    // Per empty pixel, the key of the dot widened into it: the largest wins,
    // as in the vertex pass.
    std::vector<std::uint64_t> widened(map.keys.size(), 0);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const std::size_t pixel = std::size_t(row) * std::size_t(width) + std::size_t(column);
            const std::uint64_t key = map.keys[pixel];
            const int r = key ? radius[key_layer(key)] : 0;
            if (r == 0)
                continue;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    const int x = column + dx, y = row + dy;
                    if (dx * dx + dy * dy > r * r + r || x < 0 || y < 0 || x >= width || y >= height)
                        continue;
                    const std::size_t near = std::size_t(y) * std::size_t(width) + std::size_t(x);
                    if (map.keys[near] == 0 && widened[near] < key) {
                        widened[near] = key;
                        colours[near] = colours[pixel];
                    }
                }
            }
        }
    }
}

std::optional<std::vector<QPolygonF>> polyline_runs(const double *x, const double *y, std::int64_t count,
                                                    bool closed, const MapView &view,
                                                    const std::function<bool()> &stale)
{
    // A little beyond the image, so that clipping leaves no line end visible.
    const QRectF area(-2, -2, view.size.width() + 4, view.size.height() + 4);
    std::vector<QPolygonF> runs;
    QPolygonF run;
    auto flush = [&] {
        if (run.size() >= 2)
            runs.push_back(run);
        run.clear();
    };
    bool have_previous = false;
    QPointF previous;
    const std::int64_t steps = closed && count > 2 ? count + 1 : count;
    for (std::int64_t step = 0; step < steps; ++step) {
        if (step % kBlock == 0 && stale())
            return std::nullopt;
        const std::int64_t i = step < count ? step : 0;
        if (!(std::isfinite(x[i]) && std::isfinite(y[i]))) {
            flush();
            have_previous = false;
            continue;
        }
        const QPointF point = view.to_pixel(QPointF(x[i], y[i]));
        if (have_previous && same_pixel(point, previous))
            continue;
        if (!have_previous) {
            previous = point;
            have_previous = true;
            continue;
        }
        QPointF a = previous, b = point;
        previous = point;
        if (!clip(a, b, area)) {
            flush();
            continue;
        }
        if (run.isEmpty() || run.last() != a) {
            flush();
            run << a;
        }
        run << b;
    }
    flush();
    return runs;
}

bool draw_lines(RenderedMap &map, const std::function<bool()> &stale)
{
    QPainter painter;
    for (const RenderLayer &layer : map.layers) {
        if (layer.look != MapLook::Outline && layer.look != MapLook::Polyline && layer.look != MapLook::Well)
            continue;
        const std::optional<std::vector<QPolygonF>> runs =
            layer.look == MapLook::Well && layer.well
                ? well_runs(layer.x, layer.y, *layer.well, map.view, stale)
                : polyline_runs(layer.x.data<double>(), layer.y.data<double>(), layer.x.size(),
                                layer.look == MapLook::Outline, map.view, stale);
        if (!runs)
            return false;
        if (!painter.isActive()) {
            painter.begin(&map.image);
            painter.setRenderHint(QPainter::Antialiasing);
        }
        painter.setPen(QPen(QColor::fromRgba(layer.colour), 2.0 * map.view.scale, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        for (const QPolygonF &piece : *runs)
            painter.drawPolyline(piece);
    }
    return true;
}

void stamp_markers(RenderedMap &map)
{
    std::vector<char> is_marker(map.layers.size(), 0);
    std::vector<std::pair<std::uint64_t, std::size_t>> found; // key and pixel
    const std::size_t width = std::size_t(map.image.width());
    const double columns = map.image.width(), rows = map.image.height();
    for (std::size_t l = 0; l < map.layers.size(); ++l) {
        const RenderLayer &layer = map.layers[l];
        is_marker[l] = layer.look == MapLook::Marker;
        // A well's one marker, at its wellhead.
        if (layer.look != MapLook::Well || !layer.well || !layer.well->head)
            continue;
        const std::int64_t head = *layer.well->head;
        const QPointF at = map.view.to_pixel(QPointF(layer.x.data<double>()[head], layer.y.data<double>()[head]));
        if (at.x() >= 0 && at.x() < columns && at.y() >= 0 && at.y() < rows)
            found.emplace_back(vertex_key(l, head), std::size_t(at.y()) * width + std::size_t(at.x()));
    }
    const bool markers = std::find(is_marker.begin(), is_marker.end(), 1) != is_marker.end();
    for (std::size_t pixel = 0; markers && pixel < map.keys.size(); ++pixel) {
        const std::uint64_t key = map.keys[pixel];
        if (key && is_marker[key_layer(key)])
            found.emplace_back(key, pixel);
    }
    std::sort(found.begin(), found.end());
    std::vector<QImage> sprites(map.layers.size());
    const int half = sprite_side(map.view.scale) / 2;
    for (const auto &[key, pixel] : found) {
        QImage &sprite = sprites[key_layer(key)];
        if (sprite.isNull())
            sprite = marker_sprite(map.layers[key_layer(key)].colour, map.view.scale);
        blend(map.image, sprite, int(pixel % width) - half, int(pixel / width) - half);
    }
}

} // namespace kelvra
