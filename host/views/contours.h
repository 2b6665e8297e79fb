#pragma once

// Contour lines of a surface's values at round intervals: traced through
// the cells of a grid (at the resolution the view can show) or through the
// triangles of a triangulated surface, and joined into polylines in map
// coordinates. Holes break the lines. Internal to the viewers; runs on any
// thread.

#include "host/ndarray.h"
#include "host/views/hostviews_export.h"

#include <QPointF>

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace kelvra {

class GridLevels;

struct ContourLine
{
    double value = 0;
    std::vector<QPointF> points; // in map coordinates; the first repeats at the end when closed
};

// Contour values strictly between low and high at a round interval (1, 2 or 5
// times a power of ten) that gives about `wanted` of them; none when the
// range is empty or not finite.
HOSTVIEWS_EXPORT std::vector<double> contour_values(double low, double high, int wanted = 10);

// The nodes of one level of a grid that a trace covers, first and last
// included: the cells between them are traced. The whole level by default.
struct GridWindow
{
    std::int64_t i_first = 0, j_first = 0;
    std::int64_t i_last = std::numeric_limits<std::int64_t>::max();
    std::int64_t j_last = std::numeric_limits<std::int64_t>::max();
};

// The contours of one level of a grid (see GridLevels), for the given
// values, within window. Returns what it traced; stops early, returning
// nothing, once stale() says so.
HOSTVIEWS_EXPORT std::vector<ContourLine> trace_grid_contours(const GridLevels &levels, int level,
                                                              const std::vector<double> &values,
                                                              const std::function<bool()> &stale = {},
                                                              const GridWindow &window = {});

// The contours of triangles (int32 or int64 of shape (n, 3)) over vertices
// x, y with values, for the given contour values.
HOSTVIEWS_EXPORT std::vector<ContourLine> trace_triangle_contours(const NdArray &triangles, const NdArray &x,
                                                                  const NdArray &y, const NdArray &values,
                                                                  const std::vector<double> &contours,
                                                                  const std::function<bool()> &stale = {});

} // namespace kelvra
