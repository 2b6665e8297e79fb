#pragma once

// Drawing map layers into an image: one pass over the vertex arrays, shared
// over the cores, in which each vertex inside the image lands in its pixel,
// whatever the number of vertices. Runs on any thread: a render looks at the
// viewer's generation counter every few hundred thousand vertices and stops
// as soon as a newer view has made it stale.

#include "host/ndarray.h"
#include "host/views/maplayer.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace kelvra {

struct WellPath;
class GridLevels;

// Map coordinates to the pixels of an image: column = x * sx + ox,
// row = y * sy + oy (sy is negative: north up). A vertex lands in pixel
// (floor(column), floor(row)) when that lies inside the image. scale is the
// number of image pixels per screen pixel (2 for a picture exported at
// twice the size): markers, lines and dots grow with it.
struct MapView
{
    QSize size;
    double sx = 1, ox = 0, sy = -1, oy = 0;
    double scale = 1;

    QPointF to_pixel(QPointF map) const { return {map.x() * sx + ox, map.y() * sy + oy}; }
    QPointF to_map(QPointF pixel) const { return {(pixel.x() - ox) / sx, (pixel.y() - oy) / sy}; }
    bool operator==(const MapView &other) const;
    bool operator!=(const MapView &other) const { return !(*this == other); }
};

// The rectangle of the vertices whose X and Y are finite; nothing when
// there is none. x and y are float64 arrays of the same length. One pass,
// shared over the cores.
std::optional<QRectF> vertex_bounds(const NdArray &x, const NdArray &y);

// What the map needs to know of an object before drawing it: the rectangle
// of its vertices whose X and Y are finite and the range of its finite
// values (of none when values is empty).
struct LayerMeasures
{
    std::optional<QRectF> bounds;
    std::optional<std::pair<double, double>> range;
};
// Measures X, Y and the values in one pass over the three, shared over the
// cores; what was measured of them before, here or by the plot, is not
// measured again (host/valuesummary.h).
LayerMeasures measure_layer(const NdArray &x, const NdArray &y, const NdArray &values);
// Whether measure_layer would find everything measured already.
bool layer_measured(const NdArray &x, const NdArray &y, const NdArray &values);

// One object as the renderer draws it.
struct RenderLayer
{
    MapLook look = MapLook::Dots;
    NdArray x;                // float64
    NdArray y;                // float64
    NdArray values;           // the current property's; colours Dots through viridis; never float16
    double low = 0;           // the values shown by the first colour ...
    double high = 0;          // ... and by the last
    QRgb colour = 0xff000000; // markers, lines and dots without values
    std::optional<QRectF> bounds;
    QString name;             // of the object, and of its property: for the cursor readout
    QString property;
    std::shared_ptr<const WellPath> well; // a Well's path and wellhead
    // A surface drawn as a continuous picture rather than as dots: the
    // levels of a grid (a Gsurface, or the slice of a Cube) whose cells are
    // filled, or the triangles (int32 or int64, shape (n, 3)) of a
    // Tsurface. Without values it is filled in its colour.
    std::shared_ptr<const GridLevels> levels;
    NdArray triangles;
    bool seismic = false; // values coloured red through white to blue rather than by viridis
};

// The key of a pixel's vertex: layer (its index in RenderedMap::layers) and
// vertex in one number that grows with both, so that the larger key is the
// vertex drawn later. An object has fewer than 2^40 vertices.
constexpr int kVertexBits = 40;
inline std::uint64_t vertex_key(std::size_t layer, std::int64_t vertex)
{
    return (std::uint64_t(layer + 1) << kVertexBits) | std::uint64_t(vertex);
}
inline std::size_t key_layer(std::uint64_t key) { return std::size_t(key >> kVertexBits) - 1; }
inline std::int64_t key_vertex(std::uint64_t key)
{
    return std::int64_t(key & ((std::uint64_t(1) << kVertexBits) - 1));
}

// A picture of layers in a view, and what it needs to answer which vertex
// was drawn where.
struct RenderedMap
{
    MapView view;
    std::vector<RenderLayer> layers; // in drawing order
    quint64 generation = 0;          // of the view the picture was asked for
    bool complete = false;           // false when stopped as stale, or failed
    QString error;                   // why it failed

    QImage image;
    // Per pixel, row by row: 0 where no vertex landed, else a key that
    // grows with the layer and then the vertex; the largest key wins a pixel.
    std::vector<std::uint64_t> keys;

    // The layer and vertex drawn nearest to pixel, at most radius pixels
    // away; nothing when no vertex was drawn there.
    std::optional<std::pair<std::size_t, std::int64_t>> vertex_near(QPoint pixel, int radius) const;
};

class MapRenderer
{
public:
    // Draws map.layers into map.image and map.keys at map.view, over the
    // background, and sets map.complete. Stops early, leaving complete
    // false, once generation no longer equals map.generation. Reuses map's
    // buffers when they fit. Never throws: a failure leaves its reason in
    // map.error. A renderer draws one map at a time.
    void render(RenderedMap &map, const QColor &background, const std::atomic<quint64> &generation);

private:
    struct Scratch
    {
        std::vector<std::uint64_t> keys;
        std::vector<QRgb> colours;
    };
    std::vector<Scratch> m_scratch; // one per helper thread, kept between renders
};

} // namespace kelvra
