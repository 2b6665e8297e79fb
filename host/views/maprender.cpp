#include "host/views/maprender.h"

#include "host/views/colourmap.h"
#include "host/views/mapstrokes.h"
#include "host/views/surfacelayer.h"
#include "host/parallel.h"
#include "host/translation.h"
#include "host/valuesummary.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace kelvra {
namespace {

constexpr std::int64_t kBlock = std::int64_t(1) << 18; // vertices between two looks at the generation

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Stop
{
    const std::atomic<quint64> &generation;
    quint64 wanted;
    bool stale() const { return generation.load(std::memory_order_relaxed) != wanted; }
};

// Where one thread's vertices land: keys and colours of each pixel, and
// the number of vertices of each layer that landed.
struct Target
{
    std::uint64_t *keys;
    QRgb *colours;
    std::vector<std::int64_t> &landed;
};

struct NoValues
{
};

// Lands vertices begin to end of one layer. Values, when given, colour the
// vertex and leave out those whose value is not finite.
template <typename V>
std::int64_t land(const double *x, const double *y, const V *values, std::int64_t begin, std::int64_t end,
                  const MapView &view, std::uint64_t key_base, const RenderLayer &layer, const Target &target)
{
    const double width = view.size.width(), height = view.size.height();
    const std::size_t stride = std::size_t(view.size.width());
    const QRgb *table = viridis_table().data();
    const ColourLookup lookup(layer.low, layer.high);
    std::int64_t landed = 0;
    for (std::int64_t i = begin; i < end; ++i) {
        const double column = x[i] * view.sx + view.ox;
        const double row = y[i] * view.sy + view.oy;
        // Written so that a NaN coordinate fails the test too.
        if (!(column >= 0 && column < width && row >= 0 && row < height))
            continue;
        QRgb colour = layer.colour;
        if constexpr (!std::is_same_v<V, NoValues>) {
            const double value = double(values[i]);
            if (!(value - value == 0)) // NaN or infinite
                continue;
            colour = table[lookup.index(value)];
        }
        const std::size_t pixel = std::size_t(row) * stride + std::size_t(column);
        target.keys[pixel] = key_base | std::uint64_t(i);
        target.colours[pixel] = colour;
        ++landed;
    }
    return landed;
}

// Lands part `part` of `parts` of every layer's vertices; false when it
// stopped because the render became stale.
bool land_part(const RenderedMap &map, int part, int parts, const Target &target, const Stop &stop)
{
    for (std::size_t l = 0; l < map.layers.size(); ++l) {
        const RenderLayer &layer = map.layers[l];
        if (layer.levels || layer.triangles.size())
            continue; // filled after this pass
        const std::int64_t count = layer.x.size();
        const std::int64_t begin = count * part / parts;
        const std::int64_t end = count * (part + 1) / parts;
        const double *x = layer.x.data<double>();
        const double *y = layer.y.data<double>();
        const std::uint64_t key_base = vertex_key(l, 0);
        const bool coloured = layer.look == MapLook::Dots && layer.values.size() == count;
        for (std::int64_t from = begin; from < end; from += kBlock) {
            if (stop.stale())
                return false;
            const std::int64_t to = std::min(end, from + kBlock);
            if (coloured) {
                target.landed[l] += visit_real(layer.values, [&](const auto *values) {
                    return land(x, y, values, from, to, map.view, key_base, layer, target);
                });
            } else {
                const NoValues *none = nullptr;
                target.landed[l] += land(x, y, none, from, to, map.view, key_base, layer, target);
            }
        }
    }
    return true;
}

void check_layers(const std::vector<RenderLayer> &layers)
{
    for (const RenderLayer &layer : layers) {
        if (layer.x.dtype() != DType::Float64 || layer.y.dtype() != DType::Float64
            || layer.y.size() != layer.x.size())
            throw ValueError(_("map coordinates must be float64 arrays of the same length"));
        if (layer.x.size() >= (std::int64_t(1) << kVertexBits))
            throw ValueError(_("an object of %1 vertices is too large to draw").arg(layer.x.size()));
        if (!layer.values.size())
            continue;
        if (layer.values.size() != layer.x.size() || !is_real(layer.values.dtype())
            || layer.values.dtype() == DType::Float16)
            throw ValueError(_("map values must be real numbers other than float16, one per vertex"));
    }
}

} // namespace

bool MapView::operator==(const MapView &other) const
{
    return size == other.size && sx == other.sx && ox == other.ox && sy == other.sy && oy == other.oy
        && scale == other.scale;
}

std::optional<QRectF> vertex_bounds(const NdArray &x, const NdArray &y)
{
    struct Part
    {
        double left = kInf, right = -kInf, bottom = kInf, top = -kInf;
    };
    if (y.size() != x.size())
        throw ValueError(_("%1 X and %2 Y coordinates").arg(x.size()).arg(y.size()));
    const double *xs = x.data<double>();
    const double *ys = y.data<double>();
    const std::vector<Part> parts = in_parts<Part>(x.size(), [&](Part &part, std::int64_t begin, std::int64_t end) {
        for (std::int64_t i = begin; i < end; ++i) {
            if (std::isfinite(xs[i]) && std::isfinite(ys[i])) {
                part.left = std::min(part.left, xs[i]);
                part.right = std::max(part.right, xs[i]);
                part.bottom = std::min(part.bottom, ys[i]);
                part.top = std::max(part.top, ys[i]);
            }
        }
    });
    Part all;
    for (const Part &part : parts) {
        all.left = std::min(all.left, part.left);
        all.right = std::max(all.right, part.right);
        all.bottom = std::min(all.bottom, part.bottom);
        all.top = std::max(all.top, part.top);
    }
    if (!(all.left <= all.right))
        return std::nullopt;
    return QRectF(QPointF(all.left, all.bottom), QPointF(all.right, all.top));
}

LayerMeasures measure_layer(const NdArray &x, const NdArray &y, const NdArray &values)
{
    const bool valued = values.size() > 0;
    const std::vector<ValueSummary> found = summarize(valued ? std::vector<NdArray>{x, y, values}
                                                             : std::vector<NdArray>{x, y});
    LayerMeasures measures;
    if (found[0].all_finite && found[1].all_finite) {
        if (found[0].has_finite())
            measures.bounds = QRectF(QPointF(found[0].low, found[1].low), QPointF(found[0].high, found[1].high));
    } else { // a vertex with one coordinate finite is not drawn: pair them up
        measures.bounds = vertex_bounds(x, y);
    }
    if (valued)
        measures.range = found[2].finite_range();
    return measures;
}

bool layer_measured(const NdArray &x, const NdArray &y, const NdArray &values)
{
    const std::optional<ValueSummary> sx = known_summary(x), sy = known_summary(y);
    // Coordinates that are not all finite are paired up in a pass of their own.
    return sx && sy && sx->all_finite && sy->all_finite && (values.size() == 0 || known_summary(values));
}

std::optional<std::pair<std::size_t, std::int64_t>> RenderedMap::vertex_near(QPoint pixel, int radius) const
{
    const int width = image.width(), height = image.height();
    if (keys.size() != std::size_t(width) * std::size_t(height))
        return std::nullopt;
    std::uint64_t best = 0;
    int best_distance = std::numeric_limits<int>::max();
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const int column = pixel.x() + dx, row = pixel.y() + dy;
            const int distance = dx * dx + dy * dy;
            if (column < 0 || row < 0 || column >= width || row >= height || distance > radius * radius)
                continue;
            const std::uint64_t key = keys[std::size_t(row) * std::size_t(width) + std::size_t(column)];
            if (key && (distance < best_distance || (distance == best_distance && key > best))) {
                best = key;
                best_distance = distance;
            }
        }
    }
    if (!best)
        return std::nullopt;
    return std::make_pair(key_layer(best), key_vertex(best));
}

void MapRenderer::render(RenderedMap &map, const QColor &background, const std::atomic<quint64> &generation)
{
    map.complete = false;
    map.error.clear();
    try {
        check_layers(map.layers);
        const Stop stop{generation, map.generation};
        const QSize size = map.view.size;
        if (map.image.size() != size || map.image.format() != QImage::Format_ARGB32_Premultiplied)
            map.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        if (map.image.isNull() && !size.isEmpty())
            throw std::bad_alloc();
        map.image.fill(qPremultiply(background.rgba()));
        const std::size_t pixels = std::size_t(size.width()) * std::size_t(std::max(0, size.height()));
        map.keys.assign(pixels, 0);
        auto *colours = reinterpret_cast<QRgb *>(map.image.bits());

        std::int64_t vertices = 0;
        for (const RenderLayer &layer : map.layers) {
            if (!layer.levels && !layer.triangles.size())
                vertices += layer.x.size();
        }
        const int parts = parts_for(vertices);
        m_scratch.resize(std::size_t(parts - 1));
        for (Scratch &scratch : m_scratch) {
            scratch.keys.resize(pixels);
            scratch.colours.resize(pixels);
        }
        std::vector<std::vector<std::int64_t>> landed(std::size_t(parts),
                                                      std::vector<std::int64_t>(map.layers.size(), 0));
        std::vector<char> finished(std::size_t(parts), 0);
        {
            Threads helpers;
            for (int part = 1; part < parts; ++part) {
                helpers.running.emplace_back([&, part] {
                    Scratch &scratch = m_scratch[std::size_t(part - 1)];
                    std::fill(scratch.keys.begin(), scratch.keys.end(), 0);
                    const Target target{scratch.keys.data(), scratch.colours.data(), landed[std::size_t(part)]};
                    finished[std::size_t(part)] = land_part(map, part, parts, target, stop);
                });
            }
            finished[0] = land_part(map, 0, parts, Target{map.keys.data(), colours, landed[0]}, stop);
        }
        if (std::find(finished.begin(), finished.end(), 0) != finished.end())
            return;
        // A pixel shows the vertex with the largest key, whichever thread landed it.
        for (const Scratch &scratch : m_scratch) {
            for (std::size_t p = 0; p < pixels; ++p) {
                if (scratch.keys[p] > map.keys[p]) {
                    map.keys[p] = scratch.keys[p];
                    colours[p] = scratch.colours[p];
                }
            }
        }
        std::vector<std::int64_t> total(map.layers.size(), 0);
        for (const std::vector<std::int64_t> &part : landed) {
            for (std::size_t l = 0; l < total.size(); ++l)
                total[l] += part[l];
        }
        widen_sparse_dots(map, total);
        if (!fill_surfaces(map, [&stop] { return stop.stale(); }))
            return;
        if (!draw_lines(map, [&stop] { return stop.stale(); }))
            return;
        stamp_markers(map);
        map.complete = true;
    } catch (const std::exception &error) {
        map.error = QString::fromLocal8Bit(error.what());
    }
}

} // namespace kelvra
