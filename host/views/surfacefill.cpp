#include "host/views/surfacefill.h"

#include "host/errors.h"
#include "host/translation.h"
#include "host/parallel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace kelvra {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kRowsBetweenLooks = 16;          // rows painted between two looks at stale()
constexpr std::int64_t kTrianglesBetweenLooks = 1 << 16;

// Value to colour, for every finite value however far apart low and high
// lie: index = value * scale - offset, both factors computed once in the
// wider type so that a span past the largest double does not overflow.
class ColourLookup
{
public:
    explicit ColourLookup(const FillColours &colours)
        : m_colours(colours)
    {
        const long double span = static_cast<long double>(colours.high) - static_cast<long double>(colours.low);
        if (span > 0 && std::isfinite(static_cast<double>(256.0L / span))) {
            m_scale = static_cast<double>(256.0L / span);
            m_offset = static_cast<double>(static_cast<long double>(colours.low) * (256.0L / span));
        }
    }
    QRgb operator()(double value) const
    {
        if (m_colours.uniform)
            return *m_colours.uniform;
        const double index = value * m_scale - m_offset;
        return m_colours.table[index >= 255 ? 255 : index > 0 ? int(index) : 0];
    }

private:
    const FillColours &m_colours;
    double m_scale = 0;
    double m_offset = 0;
};

bool finite(double value)
{
    return value - value == 0;
}

// Map point to fractional node numbers (i, j) of a grid: the inverse of
// GridGeometry::node_position.
struct GridFrame
{
    explicit GridFrame(const GridGeometry &grid)
        : x0(grid.x_origin)
        , y0(grid.y_origin)
    {
        const double radians = grid.rotation * (M_PI / 180.0);
        c = std::cos(radians);
        s = std::sin(radians);
        inv_i = 1.0 / grid.x_increment;
        inv_j = 1.0 / grid.y_increment;
    }
    void to_node(double x, double y, double &i, double &j) const
    {
        const double dx = x - x0, dy = y - y0;
        i = (dx * c + dy * s) * inv_i;
        j = (dy * c - dx * s) * inv_j;
    }
    double x0, y0, c, s, inv_i, inv_j;
};

template <typename Value>
bool fill_rows(const GridLevels &levels, int level, Value value_at, const MapView &view, const FillColours &colours,
               std::uint64_t key_base, int row_begin, int row_end, const PixelTarget &target,
               const std::function<bool()> &stale)
{
    const GridGeometry &grid = levels.grid();
    const GridFrame frame(grid);
    const ColourLookup lookup(colours);
    // The extent of the nodes, in node numbers; a single column or row
    // gets half a spacing to either side. A point on the edge counts as
    // inside, however the rotation rounded it.
    constexpr double kEdge = 1e-9;
    const double i_low = (grid.columns == 1 ? -0.5 : 0.0) - kEdge;
    const double i_high = (grid.columns == 1 ? 0.5 : double(grid.columns - 1)) + kEdge;
    const double j_low = (grid.rows == 1 ? -0.5 : 0.0) - kEdge;
    const double j_high = (grid.rows == 1 ? 0.5 : double(grid.rows - 1)) + kEdge;
    const double span = double(std::int64_t(1) << level);
    const double centre = (span - 1) / 2; // of a coarse node, in fine node numbers
    const std::int64_t columns = levels.columns(level), rows = levels.rows(level);

    for (int row = row_begin; row < row_end; ++row) {
        if ((row - row_begin) % kRowsBetweenLooks == 0 && stale && stale())
            return false;
        const double y = (row + 0.5 - view.oy) / view.sy;
        for (int column = 0; column < target.width; ++column) {
            const double x = (column + 0.5 - view.ox) / view.sx;
            double fi, fj;
            frame.to_node(x, y, fi, fj);
            if (!(fi >= i_low && fi <= i_high && fj >= j_low && fj <= j_high))
                continue;
            const std::size_t pixel = std::size_t(row) * std::size_t(target.width) + std::size_t(column);
            const std::int64_t ni = std::clamp<std::int64_t>(std::llround(fi), 0, grid.columns - 1);
            const std::int64_t nj = std::clamp<std::int64_t>(std::llround(fj), 0, grid.rows - 1);
            const std::uint64_t key = key_base | std::uint64_t(grid.vertex(ni, nj, levels.layer()));
            if (target.keys[pixel] >= key)
                continue;

            const double ci = std::clamp((fi - centre) / span, 0.0, double(columns - 1));
            const double cj = std::clamp((fj - centre) / span, 0.0, double(rows - 1));
            const std::int64_t i0 = std::min<std::int64_t>(std::int64_t(ci), columns - 1);
            const std::int64_t j0 = std::min<std::int64_t>(std::int64_t(cj), rows - 1);
            const std::int64_t i1 = std::min(i0 + 1, columns - 1), j1 = std::min(j0 + 1, rows - 1);
            const double tx = ci - double(i0), ty = cj - double(j0);
            const double v00 = value_at(i0, j0), v10 = value_at(i1, j0);
            const double v01 = value_at(i0, j1), v11 = value_at(i1, j1);
            // The nearest of the four nodes decides: a hole where it is
            // one; else the value between all four, or its own where a
            // neighbour is a hole.
            const double nearest = tx < 0.5 ? (ty < 0.5 ? v00 : v01) : (ty < 0.5 ? v10 : v11);
            if (!finite(nearest))
                continue;
            const double value = finite(v00) && finite(v10) && finite(v01) && finite(v11)
                ? (v00 * (1 - tx) + v10 * tx) * (1 - ty) + (v01 * (1 - tx) + v11 * tx) * ty
                : nearest;
            target.keys[pixel] = key;
            target.colours[pixel] = lookup(value);
        }
    }
    return true;
}

template <typename Index>
bool fill_triangle_range(const Index *corners, std::int64_t begin, std::int64_t end, const double *x,
                         const double *y, const NdArray &values, std::int64_t vertices, const MapView &view,
                         const FillColours &colours, std::uint64_t key_base, const PixelTarget &target,
                         const std::function<bool()> &stale)
{
    const ColourLookup lookup(colours);
    return visit_real(values, [&](const auto *v) {
        for (std::int64_t t = begin; t < end; ++t) {
            if ((t - begin) % kTrianglesBetweenLooks == 0 && stale && stale())
                return false;
            const std::int64_t a = std::int64_t(corners[3 * t]), b = std::int64_t(corners[3 * t + 1]),
                               c = std::int64_t(corners[3 * t + 2]);
            if (a < 0 || b < 0 || c < 0 || a >= vertices || b >= vertices || c >= vertices)
                continue;
            const double va = double(v[a]), vb = double(v[b]), vc = double(v[c]);
            if (!finite(va) || !finite(vb) || !finite(vc))
                continue;
            const double ax = x[a] * view.sx + view.ox, ay = y[a] * view.sy + view.oy;
            const double bx = x[b] * view.sx + view.ox, by = y[b] * view.sy + view.oy;
            const double cx = x[c] * view.sx + view.ox, cy = y[c] * view.sy + view.oy;
            const double area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
            if (!finite(area) || area == 0)
                continue;
            // Pixels whose centres may lie inside, within the target.
            const double left = std::max(std::min({ax, bx, cx}) - 0.5, 0.0);
            const double right = std::min(std::max({ax, bx, cx}) - 0.5, double(target.width - 1));
            const double top = std::max(std::min({ay, by, cy}) - 0.5, 0.0);
            const double bottom = std::min(std::max({ay, by, cy}) - 0.5, double(target.height - 1));
            if (!(left <= right && top <= bottom))
                continue;
            const int c0 = int(std::ceil(left)), c1 = int(std::floor(right));
            const int r0 = int(std::ceil(top)), r1 = int(std::floor(bottom));
            const double inverse = 1.0 / area;
            for (int row = r0; row <= r1; ++row) {
                const double py = row + 0.5;
                for (int column = c0; column <= c1; ++column) {
                    const double px = column + 0.5;
                    // Barycentric weights; a centre on a shared edge belongs
                    // to both triangles, so no pixel falls between them.
                    const double wa = ((bx - px) * (cy - py) - (by - py) * (cx - px)) * inverse;
                    const double wb = ((cx - px) * (ay - py) - (cy - py) * (ax - px)) * inverse;
                    const double wc = 1.0 - wa - wb;
                    constexpr double kEdge = -1e-12;
                    if (wa < kEdge || wb < kEdge || wc < kEdge)
                        continue;
                    const std::int64_t nearest = wa >= wb && wa >= wc ? a : wb >= wc ? b : c;
                    const std::uint64_t key = key_base | std::uint64_t(nearest);
                    const std::size_t pixel = std::size_t(row) * std::size_t(target.width) + std::size_t(column);
                    if (target.keys[pixel] >= key)
                        continue;
                    target.keys[pixel] = key;
                    target.colours[pixel] = lookup(wa * va + wb * vb + wc * vc);
                }
            }
        }
        return true;
    });
}

} // namespace

GridLevels::GridLevels(const GridGeometry &grid, const NdArray &values, std::int64_t layer)
    : m_grid(grid)
    , m_values(values)
    , m_layer(layer)
{
    if (grid.vertex_count() != values.size())
        throw ValueError(_("a grid of %1 nodes cannot be drawn with %2 values")
                             .arg(grid.vertex_count())
                             .arg(values.size()));
    if (!is_real(values.dtype()) || values.dtype() == DType::Float16)
        throw ValueError(_("%1 values cannot be drawn").arg(values.dtype_name()));
    if (layer < 0 || layer >= grid.layers)
        throw ValueError(_("the grid has no layer %1").arg(layer));

    std::int64_t columns = grid.columns, rows = grid.rows;
    if (columns > 1 || rows > 1) {
        m_levels.push_back(visit_real(values, [&](const auto *v) {
            return halve(columns, rows, [v, &grid, layer](std::int64_t i, std::int64_t j) {
                return double(v[grid.vertex(i, j, layer)]);
            });
        }));
    }
    while (!m_levels.empty() && (m_levels.back().columns > 1 || m_levels.back().rows > 1)) {
        const Level &below = m_levels.back();
        Level next = halve(below.columns, below.rows, [&below](std::int64_t i, std::int64_t j) {
            return double(below.values[std::size_t(j * below.columns + i)]);
        });
        m_levels.push_back(std::move(next));
    }
}

// The level above one of columns x rows nodes: each coarse node the mean of
// the finite values among the up to 2 x 2 nodes below it, the rows shared
// out over the cores.
template <typename Value>
GridLevels::Level GridLevels::halve(std::int64_t columns, std::int64_t rows, Value value_at) const
{
    Level level{(columns + 1) / 2, (rows + 1) / 2, {}};
    level.values.resize(std::size_t(level.columns * level.rows));
    const auto rows_between = [&](std::int64_t first, std::int64_t last) {
        for (std::int64_t j = first; j < last; ++j) {
            // The fine rows below: two, or one at an odd grid's last row.
            const std::int64_t j0 = 2 * j, j1 = std::min(2 * j + 1, rows - 1);
            for (std::int64_t i = 0; i < level.columns; ++i) {
                const std::int64_t i0 = 2 * i, i1 = std::min(2 * i + 1, columns - 1);
                // Branch-free: a value that is not finite adds nothing.
                double sum = 0;
                int count = 0;
                const auto add = [&sum, &count](double v) {
                    const bool ok = v - v == 0;
                    sum += ok ? v : 0.0;
                    count += ok;
                };
                add(value_at(i0, j0));
                if (i1 != i0)
                    add(value_at(i1, j0));
                if (j1 != j0) {
                    add(value_at(i0, j1));
                    if (i1 != i0)
                        add(value_at(i1, j1));
                }
                level.values[std::size_t(j * level.columns + i)] = count ? float(sum / count) : float(kNaN);
            }
        }
    };
    const int parts = parts_for(columns * rows);
    {
        Threads helpers;
        for (int p = 1; p < parts; ++p)
            helpers.running.emplace_back(rows_between, level.rows * p / parts, level.rows * (p + 1) / parts);
        rows_between(0, level.rows / parts);
    }
    return level;
}

std::int64_t GridLevels::columns(int level) const
{
    return level == 0 ? m_grid.columns : m_levels[std::size_t(level - 1)].columns;
}

std::int64_t GridLevels::rows(int level) const
{
    return level == 0 ? m_grid.rows : m_levels[std::size_t(level - 1)].rows;
}

double GridLevels::value(int level, std::int64_t i, std::int64_t j) const
{
    if (level == 0) {
        const std::int64_t at = m_grid.vertex(i, j, m_layer);
        return visit_real(m_values, [at](const auto *v) { return double(v[at]); });
    }
    const Level &coarse = m_levels[std::size_t(level - 1)];
    return double(coarse.values[std::size_t(j * coarse.columns + i)]);
}

int grid_level_for(const GridLevels &levels, const MapView &view)
{
    const GridGeometry &grid = levels.grid();
    // The pixel lengths of one step along i and along j.
    const QPointF origin = grid.node_position(0, 0);
    const QPointF along_i = grid.node_position(1, 0) - origin;
    const QPointF along_j = grid.node_position(0, 1) - origin;
    const double step_i = std::hypot(along_i.x() * view.sx, along_i.y() * view.sy);
    const double step_j = std::hypot(along_j.x() * view.sx, along_j.y() * view.sy);
    const double step = std::min(step_i, step_j);
    if (!(step > 0) || step >= 1)
        return 0;
    const int level = int(std::ceil(std::log2(1.0 / step)));
    return std::clamp(level, 0, levels.level_count() - 1);
}

bool fill_grid(const GridLevels &levels, const MapView &view, const FillColours &colours, std::uint64_t key_base,
               int row_begin, int row_end, const PixelTarget &target, const std::function<bool()> &stale)
{
    const int level = grid_level_for(levels, view);
    if (level > 0) {
        const auto coarse = [&levels, level](std::int64_t i, std::int64_t j) { return levels.value(level, i, j); };
        return fill_rows(levels, level, coarse, view, colours, key_base, row_begin, row_end, target, stale);
    }
    // Full resolution: read the property's own array, of its own type.
    const NdArray &values = levels.value_array();
    const GridGeometry &grid = levels.grid();
    const std::int64_t layer = levels.layer();
    return visit_real(values, [&](const auto *v) {
        const auto fine = [v, &grid, layer](std::int64_t i, std::int64_t j) {
            return double(v[grid.vertex(i, j, layer)]);
        };
        return fill_rows(levels, 0, fine, view, colours, key_base, row_begin, row_end, target, stale);
    });
}

bool fill_triangles(const NdArray &triangles, std::int64_t begin, std::int64_t end, const NdArray &x,
                    const NdArray &y, const NdArray &values, const MapView &view, const FillColours &colours,
                    std::uint64_t key_base, const PixelTarget &target, const std::function<bool()> &stale)
{
    if (x.dtype() != DType::Float64 || y.dtype() != DType::Float64 || y.size() != x.size()
        || values.size() != x.size() || !is_real(values.dtype()) || values.dtype() == DType::Float16)
        throw ValueError(_("triangles need float64 coordinates and real values, one per vertex"));
    if (triangles.ndim() != 2 || triangles.shape()[1] != 3)
        throw ValueError(_("triangles must be rows of three vertex numbers"));
    end = std::min(end, triangles.shape()[0]);
    if (triangles.dtype() == DType::Int32)
        return fill_triangle_range(triangles.data<std::int32_t>(), begin, end, x.data<double>(), y.data<double>(),
                                   values, x.size(), view, colours, key_base, target, stale);
    if (triangles.dtype() == DType::Int64)
        return fill_triangle_range(triangles.data<std::int64_t>(), begin, end, x.data<double>(), y.data<double>(),
                                   values, x.size(), view, colours, key_base, target, stale);
    throw ValueError(_("triangle corners must be int32 or int64 vertex numbers"));
}

} // namespace kelvra
