#include "host/views/contours.h"

#include "host/errors.h"
#include "host/translation.h"
#include "host/views/surfacefill.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace kelvra {
namespace {

// An edge between two nodes (grid nodes or vertices), the lower first, so
// that both cells sharing it name it alike.
struct Edge
{
    std::int64_t a, b;
    bool operator==(const Edge &other) const { return a == other.a && b == other.b; }
};

struct EdgeHash
{
    std::size_t operator()(const Edge &edge) const
    {
        return std::hash<std::int64_t>()(edge.a * 0x9E3779B97F4A7C15LL ^ edge.b);
    }
};

struct Crossing
{
    Edge edge;
    QPointF point;
};

// The segments of one contour value, each between the crossings of two edges.
struct Segments
{
    std::vector<std::pair<Crossing, Crossing>> list;
};

// Where the contour at value crosses the edge between nodes p and q (at
// map points pp and pq with values vp and vq), worked out from the lower
// node so that both cells find the same point.
Crossing cross(std::int64_t p, QPointF pp, double vp, std::int64_t q, QPointF pq, double vq, double value)
{
    if (q < p) {
        std::swap(p, q);
        std::swap(pp, pq);
        std::swap(vp, vq);
    }
    const double t = (value - vp) / (vq - vp);
    return {Edge{p, q}, pp + (pq - pp) * t};
}

// Joins the segments of one value into polylines; nothing once stale()
// says so (an empty stale never does).
std::vector<ContourLine> join(double value, const Segments &segments, const std::function<bool()> &stale)
{
    const auto given_up = [&stale](std::size_t s) { return stale && s % 4096 == 0 && stale(); };
    const std::size_t count = segments.list.size();
    std::unordered_map<Edge, std::vector<std::size_t>, EdgeHash> at_edge;
    at_edge.reserve(count * 2);
    for (std::size_t s = 0; s < count; ++s) {
        at_edge[segments.list[s].first.edge].push_back(s);
        at_edge[segments.list[s].second.edge].push_back(s);
    }
    std::vector<char> used(count, 0);
    std::vector<ContourLine> lines;
    // Walks from segment s, leaving it through the crossing on `edge`.
    const auto walk = [&](std::size_t s, bool leave_by_second) {
        ContourLine line{value, {}};
        const auto &first = segments.list[s];
        line.points.push_back(leave_by_second ? first.first.point : first.second.point);
        Edge leaving = leave_by_second ? first.second.edge : first.first.edge;
        line.points.push_back(leave_by_second ? first.second.point : first.first.point);
        used[s] = 1;
        for (;;) {
            std::size_t next = count;
            for (std::size_t candidate : at_edge[leaving]) {
                if (!used[candidate]) {
                    next = candidate;
                    break;
                }
            }
            if (next == count)
                break;
            used[next] = 1;
            const auto &segment = segments.list[next];
            const bool enter_first = segment.first.edge == leaving;
            leaving = enter_first ? segment.second.edge : segment.first.edge;
            line.points.push_back(enter_first ? segment.second.point : segment.first.point);
        }
        lines.push_back(std::move(line));
    };
    // Open lines start at a crossing that only one segment has.
    for (std::size_t s = 0; s < count; ++s) {
        if (given_up(s))
            return {};
        if (used[s])
            continue;
        if (at_edge[segments.list[s].first.edge].size() == 1)
            walk(s, true);
        else if (at_edge[segments.list[s].second.edge].size() == 1)
            walk(s, false);
    }
    // What is left are closed loops.
    for (std::size_t s = 0; s < count; ++s) {
        if (given_up(s))
            return {};
        if (!used[s])
            walk(s, true);
    }
    return lines;
}

bool finite(double value)
{
    return value - value == 0;
}

// The values among `values` (sorted) that lie in (low, high]: their index
// range. A node on the value counts as above it, so a value at a cell's
// highest corner crosses the cell there, and one at its lowest does not:
// a line through nodes is traced once, by the cells below it.
std::pair<std::size_t, std::size_t> values_within(const std::vector<double> &values, double low, double high)
{
    const auto first = std::upper_bound(values.begin(), values.end(), low);
    const auto last = std::upper_bound(first, values.end(), high);
    return {std::size_t(first - values.begin()), std::size_t(last - values.begin())};
}

std::vector<ContourLine> join_all(const std::vector<double> &values, const std::vector<Segments> &segments,
                                  const std::function<bool()> &stale)
{
    std::vector<ContourLine> lines;
    for (std::size_t v = 0; v < values.size(); ++v) {
        if (stale && stale())
            return {};
        std::vector<ContourLine> joined = join(values[v], segments[v], stale);
        std::move(joined.begin(), joined.end(), std::back_inserter(lines));
    }
    // A join given up half way leaves lines missing: none rather than some.
    if (stale && stale())
        return {};
    return lines;
}

} // namespace

std::vector<double> contour_values(double low, double high, int wanted)
{
    if (!(low < high) || !std::isfinite(low) || !std::isfinite(high) || wanted < 1)
        return {};
    const double span = high / 2 - low / 2; // halved: no overflow for spans past the largest double
    const double rough = span / wanted * 2;
    const double exponent = std::floor(std::log10(rough));
    const double magnitude = std::pow(10.0, exponent);
    double factor = 1;
    for (double candidate : {1.0, 2.0, 5.0, 10.0}) {
        factor = candidate;
        if (candidate * magnitude >= rough)
            break;
    }
    const double step = factor * magnitude;
    // n steps as the decimal number it is: below 1, n * factor divided by
    // a power of ten (exact up to 10^22), which rounds like the literal.
    const double divisor = exponent < 0 && exponent >= -22 ? std::pow(10.0, -exponent) : 0;
    const auto at = [&](double n) { return divisor ? n * factor / divisor : n * step; };
    std::vector<double> values;
    for (double n = std::ceil(low / step); at(n) < high && values.size() < std::size_t(wanted) * 3; ++n) {
        if (at(n) > low)
            values.push_back(at(n) == 0 ? 0.0 : at(n)); // no -0
    }
    return values;
}

std::vector<ContourLine> trace_grid_contours(const GridLevels &levels, int level, const std::vector<double> &values,
                                             const std::function<bool()> &stale, const GridWindow &window)
{
    if (level < 0 || level >= levels.level_count())
        throw ValueError(_("the grid has no level %1").arg(level));
    std::vector<double> sorted(values);
    std::sort(sorted.begin(), sorted.end());
    const std::int64_t columns = levels.columns(level), rows = levels.rows(level);
    const double span = double(std::int64_t(1) << level), centre = (span - 1) / 2;
    const auto position = [&](std::int64_t i, std::int64_t j) {
        return levels.grid().node_position(double(i) * span + centre, double(j) * span + centre);
    };
    std::vector<Segments> segments(sorted.size());
    const std::int64_t i_first = std::max<std::int64_t>(window.i_first, 0);
    const std::int64_t j_first = std::max<std::int64_t>(window.j_first, 0);
    const std::int64_t i_last = std::min(window.i_last, columns - 1);
    const std::int64_t j_last = std::min(window.j_last, rows - 1);
    for (std::int64_t j = j_first; j < j_last; ++j) {
        if ((j - j_first) % 64 == 0 && stale && stale())
            return {};
        for (std::int64_t i = i_first; i < i_last; ++i) {
            // Corners counter-clockwise from (i, j): a, b, c, d.
            const std::int64_t id[4] = {j * columns + i, j * columns + i + 1, (j + 1) * columns + i + 1,
                                        (j + 1) * columns + i};
            const double v[4] = {levels.value(level, i, j), levels.value(level, i + 1, j),
                                 levels.value(level, i + 1, j + 1), levels.value(level, i, j + 1)};
            if (!finite(v[0]) || !finite(v[1]) || !finite(v[2]) || !finite(v[3]))
                continue; // a hole breaks the lines
            const double low = std::min({v[0], v[1], v[2], v[3]});
            const double high = std::max({v[0], v[1], v[2], v[3]});
            const auto [first, last] = values_within(sorted, low, high);
            if (first == last)
                continue;
            const QPointF p[4] = {position(i, j), position(i + 1, j), position(i + 1, j + 1), position(i, j + 1)};
            for (std::size_t k = first; k < last; ++k) {
                const double value = sorted[k];
                // Edge e joins corner e and corner e + 1.
                const auto crossing = [&](int e) {
                    const int f = (e + 1) % 4;
                    return cross(id[e], p[e], v[e], id[f], p[f], v[f], value);
                };
                const bool above[4] = {v[0] >= value, v[1] >= value, v[2] >= value, v[3] >= value};
                std::vector<int> crossed;
                for (int e = 0; e < 4; ++e) {
                    if (above[e] != above[(e + 1) % 4])
                        crossed.push_back(e);
                }
                auto &list = segments[k].list;
                if (crossed.size() == 2) {
                    list.emplace_back(crossing(crossed[0]), crossing(crossed[1]));
                } else if (crossed.size() == 4) {
                    // A saddle: the cell's mean says which corners join.
                    const bool centre_above = (v[0] + v[1] + v[2] + v[3]) / 4 >= value;
                    if (centre_above == above[0]) { // a and c joined: b and d cut off
                        list.emplace_back(crossing(0), crossing(1));
                        list.emplace_back(crossing(2), crossing(3));
                    } else { // b and d joined: a and c cut off
                        list.emplace_back(crossing(3), crossing(0));
                        list.emplace_back(crossing(1), crossing(2));
                    }
                }
            }
        }
    }
    return join_all(sorted, segments, stale);
}

std::vector<ContourLine> trace_triangle_contours(const NdArray &triangles, const NdArray &x, const NdArray &y,
                                                 const NdArray &values, const std::vector<double> &contours,
                                                 const std::function<bool()> &stale)
{
    if (x.dtype() != DType::Float64 || y.dtype() != DType::Float64 || y.size() != x.size()
        || values.size() != x.size() || !is_real(values.dtype()) || values.dtype() == DType::Float16)
        throw ValueError(_("contours need float64 coordinates and real values, one per vertex"));
    if (triangles.ndim() != 2 || triangles.shape()[1] != 3
        || (triangles.dtype() != DType::Int32 && triangles.dtype() != DType::Int64))
        throw ValueError(_("triangles must be rows of three vertex numbers"));
    std::vector<double> sorted(contours);
    std::sort(sorted.begin(), sorted.end());
    std::vector<Segments> segments(sorted.size());
    const double *xs = x.data<double>(), *ys = y.data<double>();
    const std::int64_t vertices = x.size(), count = triangles.shape()[0];
    const auto corner = [&triangles](std::int64_t t, int k) -> std::int64_t {
        return triangles.dtype() == DType::Int32 ? std::int64_t(triangles.data<std::int32_t>()[3 * t + k])
                                                 : triangles.data<std::int64_t>()[3 * t + k];
    };
    const bool complete = visit_real(values, [&](const auto *vs) {
        for (std::int64_t t = 0; t < count; ++t) {
            if (t % 65536 == 0 && stale && stale())
                return false;
            const std::int64_t id[3] = {corner(t, 0), corner(t, 1), corner(t, 2)};
            if (std::any_of(std::begin(id), std::end(id), [vertices](std::int64_t n) { return n < 0 || n >= vertices; }))
                continue;
            const double v[3] = {double(vs[id[0]]), double(vs[id[1]]), double(vs[id[2]])};
            if (!finite(v[0]) || !finite(v[1]) || !finite(v[2]))
                continue;
            const auto [first, last] = values_within(sorted, std::min({v[0], v[1], v[2]}), std::max({v[0], v[1], v[2]}));
            const QPointF p[3] = {{xs[id[0]], ys[id[0]]}, {xs[id[1]], ys[id[1]]}, {xs[id[2]], ys[id[2]]}};
            for (std::size_t k = first; k < last; ++k) {
                const double value = sorted[k];
                std::vector<Crossing> crossings;
                for (int e = 0; e < 3; ++e) {
                    const int f = (e + 1) % 3;
                    if ((v[e] >= value) != (v[f] >= value))
                        crossings.push_back(cross(id[e], p[e], v[e], id[f], p[f], v[f], value));
                }
                if (crossings.size() == 2)
                    segments[k].list.emplace_back(crossings[0], crossings[1]);
            }
        }
        return true;
    });
    if (!complete)
        return {};
    return join_all(sorted, segments, stale);
}

} // namespace kelvra
