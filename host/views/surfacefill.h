#pragma once

// Continuous pictures of surfaces: the cells of a grid and the triangles of
// a triangulated surface, filled with colours interpolated from the values
// at their nodes. Whatever the zoom, every pixel over the surface is
// painted (no dots, no gaps), and where many nodes share a pixel the pixel
// shows their mean, so fine patterns never fold into moiré. A node whose
// value is not finite is a hole. Internal to the viewers; runs on any thread.

#include "host/gridgeometry.h"
#include "host/ndarray.h"
#include "host/views/hostviews_export.h"
#include "host/views/maprender.h"

#include <QRgb>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kelvra {

// The pixels being painted: per pixel, row by row, a key (0: nothing
// drawn) and a colour. A pixel is painted only with a key larger than the
// one it holds, as in the rest of the map.
struct PixelTarget
{
    int width = 0;
    int height = 0;
    std::uint64_t *keys = nullptr;
    QRgb *colours = nullptr;
};

// How values become colours: entry (value - low) / (high - low) of the
// 256-entry table, clamped to its ends; a uniform colour instead when
// given, the values then deciding only where the holes are.
struct FillColours
{
    const QRgb *table = nullptr;
    double low = 0;
    double high = 0;
    std::optional<QRgb> uniform;
};

// The value of every node of one horizontal layer of a grid (a surface, or
// one sample of a cube), at full and at coarser resolutions: each level
// halves the columns and rows of the one before, a node holding the mean
// of the finite values of the up to 2 x 2 nodes it covers (NaN when none
// is finite). Built once per grid and property, shared over the cores.
class HOSTVIEWS_EXPORT GridLevels
{
public:
    // values holds real numbers (not float16), one per vertex of grid;
    // layer chooses the sample of a cube. Throws ValueError otherwise.
    GridLevels(const GridGeometry &grid, const NdArray &values, std::int64_t layer = 0);

    const GridGeometry &grid() const { return m_grid; }
    int level_count() const { return int(m_levels.size()) + 1; }
    // Columns and rows of a level; level 0 is the grid itself.
    std::int64_t columns(int level) const;
    std::int64_t rows(int level) const;
    // The value of node (i, j) of a level.
    double value(int level, std::int64_t i, std::int64_t j) const;
    // The values at full resolution, and the sample of them this layer is.
    const NdArray &value_array() const { return m_values; }
    std::int64_t layer() const { return m_layer; }

private:
    struct Level
    {
        std::int64_t columns, rows;
        std::vector<float> values;
    };
    GridGeometry m_grid;
    NdArray m_values;
    std::int64_t m_layer;
    std::vector<Level> m_levels; // level 1 and coarser

    template <typename Value>
    Level halve(std::int64_t columns, std::int64_t rows, Value value_at) const;
};

// The level whose nodes lie at least about a pixel apart in view.
HOSTVIEWS_EXPORT int grid_level_for(const GridLevels &levels, const MapView &view);

// Paints rows [row_begin, row_end) of target with the grid: a pixel whose
// centre lies within the nodes' extent takes the colour of the value
// interpolated between the four nodes around it (the nearest node's own
// value where another of them is a hole; left alone where the nearest is
// a hole), and the key of the node nearest to it: key_base | vertex. A grid of one column
// or row is drawn half a spacing to each side. Stops, returning false,
// once stale() says so.
HOSTVIEWS_EXPORT bool fill_grid(const GridLevels &levels, const MapView &view, const FillColours &colours, std::uint64_t key_base,
               int row_begin, int row_end, const PixelTarget &target, const std::function<bool()> &stale);

// Paints the triangles [begin, end) of triangles (int32 or int64 of shape
// (n, 3), vertex numbers into x, y and values): each pixel whose centre
// lies inside a triangle takes the colour of the value interpolated from
// its corners and the key of its nearest corner. A triangle with a corner
// whose value or coordinates are not finite is a hole. Stops, returning
// false, once stale() says so.
HOSTVIEWS_EXPORT bool fill_triangles(const NdArray &triangles, std::int64_t begin, std::int64_t end, const NdArray &x,
                    const NdArray &y, const NdArray &values, const MapView &view, const FillColours &colours,
                    std::uint64_t key_base, const PixelTarget &target, const std::function<bool()> &stale);

} // namespace kelvra
