#include "host/views/propertycurve.h"

#include "host/parallel.h"
#include "host/translation.h"
#include "host/quickscan.h"
#include "host/valuesummary.h"

#include <qwt_clipper.h>
#include <qwt_scale_map.h>
#include <qwt_symbol.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>
#include <optional>

namespace kelvra {
namespace {

constexpr double kSymbolSpacing = 6; // pixels per visible value from which symbols are drawn

// Collects the lines of a curve in pixels and draws each finished piece,
// clipped a little outside the canvas.
class Pieces
{
public:
    Pieces(QPainter *painter, const QRectF &clip)
        : m_painter(painter)
        , m_clip(clip)
    {
    }
    ~Pieces() { finish(); }

    void add(const QPointF &point)
    {
        if (m_piece.isEmpty() || m_piece.last() != point)
            m_piece << point;
    }
    // Ends the piece: the next point starts a new one.
    void finish()
    {
        if (m_piece.size() >= 2)
            m_painter->drawPolyline(QwtClipper::clipPolygonF(m_clip, m_piece));
        else if (m_piece.size() == 1)
            m_painter->drawPoint(m_piece.first());
        m_piece.clear();
    }

private:
    QPainter *m_painter;
    QRectF m_clip;
    QPolygonF m_piece;
};

// The vertex number nearest below or at position, within 0 to count (a
// scale far outside the values gives one of the ends, one that is not a
// number the first).
std::int64_t index_at(double position, std::int64_t count)
{
    if (std::isnan(position))
        return 0;
    return std::int64_t(std::clamp(std::floor(position), 0.0, double(count)));
}

// The pixel row of a value, at most `reach` pixels outside the canvas (far
// outside it only the direction matters); a scale too wide for a double,
// which maps to NaN, puts it at the top.
double pixel_row(const QwtScaleMap &y_map, double value, const QRectF &canvas, double reach)
{
    const double row = y_map.transform(value);
    const double top = canvas.top() - reach, bottom = canvas.bottom() + reach;
    return row >= bottom ? bottom : row > top ? row : top;
}

// What one pixel column shows of its values.
struct Column
{
    double low = 0, high = 0;                 // its lowest and highest finite value
    double first_value = 0, last_value = 0;   // its first and last finite value
    bool any = false;                         // whether it has a finite value
};

template <typename T>
Column measure_column(const T *v, std::int64_t begin, std::int64_t end)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    Column column;
    // First without looking at each value: a NaN fails both comparisons and
    // drops out by itself. Only an infinite end needs the careful pass.
    double low = inf, high = -inf;
    if constexpr (std::is_floating_point_v<T>) {
        const Quick<T> quick = quick_scan(v, begin, end);
        low = double(quick.low);
        high = double(quick.high);
    } else {
        for (std::int64_t i = begin; i < end; ++i) {
            const double value = double(v[i]);
            low = value < low ? value : low;
            high = value > high ? value : high;
        }
    }
    if (!(std::isfinite(low) && std::isfinite(high))) {
        low = inf;
        high = -inf;
        for (std::int64_t i = begin; i < end; ++i) {
            const double value = double(v[i]);
            if (std::isfinite(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    if (!(low <= high))
        return column;
    column = {low, high, 0, 0, true};
    std::int64_t i = begin;
    while (!std::isfinite(double(v[i])))
        ++i;
    column.first_value = double(v[i]);
    for (i = end - 1; !std::isfinite(double(v[i]));)
        --i;
    column.last_value = double(v[i]);
    return column;
}

// Each pixel column's span from its lowest to its highest value, and the
// step from the last value of one column to the first of the next, for the
// vertices first to last (more of them than columns). A column without a
// finite value breaks the line. The pass over the values is shared out
// over the cores.
QVector<QLineF> column_envelope(const NdArray &values, std::int64_t first, std::int64_t last,
                                const QwtScaleMap &x_map, const QwtScaleMap &y_map, const QRectF &canvas)
{
    const std::int64_t count = values.size();
    const double per_index = (x_map.p2() - x_map.p1()) / (x_map.s2() - x_map.s1());
    // The first vertex of each column, and one past the last column's.
    const double first_column = std::floor(x_map.transform(double(first)));
    std::vector<std::int64_t> starts{first};
    for (double column = first_column; starts.back() <= last; column += 1) {
        const double edge = x_map.s1() + (column + 1 - x_map.p1()) / per_index; // vertex at the column's right edge
        starts.push_back(std::max(starts.back() + 1, std::min(last + 1, index_at(std::ceil(edge), count))));
    }
    std::vector<Column> columns(starts.size() - 1);
    visit_real(values, [&](const auto *v) {
        // Each part takes the columns that start among its vertices.
        in_parts<char>(last + 1 - first, [&](char &, std::int64_t begin, std::int64_t end) {
            auto c = std::size_t(std::lower_bound(starts.begin(), starts.end() - 1, first + begin) - starts.begin());
            for (; c < columns.size() && starts[c] < first + end; ++c)
                columns[c] = measure_column(v, starts[c], starts[c + 1]);
        });
    });

    auto to_pixel = [&](double value) { return pixel_row(y_map, value, canvas, 10); };
    QVector<QLineF> lines;
    std::optional<QPointF> previous; // the last value of the column before
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column &column = columns[c];
        if (!column.any) {
            previous.reset();
            continue;
        }
        const double x = first_column + double(c) + 0.5;
        if (previous)
            lines << QLineF(*previous, QPointF(x, to_pixel(column.first_value)));
        lines << QLineF(x, to_pixel(column.low), x, to_pixel(column.high));
        previous = QPointF(x, to_pixel(column.last_value));
    }
    return lines;
}

// The rectangle the axes scale to: every vertex number and the range of
// the finite values; invalid when there is no finite value. A range wider
// than a double can span is cut to the middle half of the doubles (values
// beyond it are drawn running off the canvas), so that the axes can be
// divided.
QRectF bounds_of(const NdArray &values, const std::optional<std::pair<double, double>> &range)
{
    if (!range)
        return QRectF(1, 1, -2, -2);
    double low = range->first, high = range->second;
    if (!std::isfinite(high - low)) {
        constexpr double quarter = std::numeric_limits<double>::max() / 4;
        low = std::max(low, -quarter);
        high = std::min(high, quarter);
    }
    return QRectF(QPointF(0, low), QPointF(double(std::max<std::int64_t>(0, values.size() - 1)), high));
}

} // namespace

ValueSeries::ValueSeries(const NdArray &values)
    : ValueSeries(values, std::nullopt)
{
    m_bounds = bounds_of(m_values, summarize(m_values).finite_range());
}

ValueSeries::ValueSeries(const NdArray &values, std::optional<std::pair<double, double>> range)
    : m_values(values.dtype() == DType::Float16 ? values.astype(DType::Float32) : values)
{
    if (!is_real(m_values.dtype()))
        throw ValueError(_("%1 values cannot be plotted").arg(m_values.dtype_name()));
    m_bounds = bounds_of(m_values, range);
}

size_t ValueSeries::size() const
{
    return size_t(m_values.size());
}

QPointF ValueSeries::sample(size_t i) const
{
    return QPointF(double(i), visit_real(m_values, [i](const auto *v) { return double(v[i]); }));
}

QRectF ValueSeries::boundingRect() const
{
    return m_bounds;
}

void PropertyCurve::set_values(const NdArray &values)
{
    setData(new ValueSeries(values));
}

void PropertyCurve::set_values(const NdArray &values, std::optional<std::pair<double, double>> range)
{
    setData(new ValueSeries(values, range));
}

const NdArray &PropertyCurve::values() const
{
    static const NdArray none;
    const auto *series = dynamic_cast<const ValueSeries *>(data());
    return series ? series->values() : none;
}

void PropertyCurve::drawSeries(QPainter *painter, const QwtScaleMap &x_map, const QwtScaleMap &y_map,
                               const QRectF &canvas_rect, int from, int to) const
{
    const NdArray &values = this->values();
    const std::int64_t count = values.size();
    const double per_index = (x_map.p2() - x_map.p1()) / (x_map.s2() - x_map.s1()); // pixels per vertex
    if (count == 0 || !(per_index > 0))
        return;
    // The vertices in view, and one beyond each side so lines leave the canvas.
    const std::int64_t first = std::max<std::int64_t>(from, index_at(x_map.s1() - 1, count));
    const std::int64_t last = std::min({to < 0 ? count - 1 : std::int64_t(to), count - 1,
                                        index_at(std::ceil(x_map.s2()) + 1, count)});
    if (first > last)
        return;

    painter->save();
    painter->setBrush(Qt::NoBrush);
    const double visible = double(last - first + 1);
    if (visible <= 2 * x_map.pDist()) {
        painter->setPen(pen());
        const double margin = pen().widthF() + 2;
        Pieces pieces(painter, canvas_rect.adjusted(-margin, -margin, margin, margin));
        QPolygonF points;
        visit_real(values, [&](const auto *v) {
            for (std::int64_t i = first; i <= last; ++i) {
                const double value = double(v[i]);
                if (!std::isfinite(value)) {
                    pieces.finish();
                    continue;
                }
                points << QPointF(x_map.transform(double(i)), pixel_row(y_map, value, canvas_rect, 1e7));
                pieces.add(points.last());
            }
        });
        pieces.finish();
        if (symbol() && visible * kSymbolSpacing <= x_map.pDist())
            symbol()->drawSymbols(painter, points);
    } else {
        // Thin, plain lines: a wide, smoothed pen would make the painter
        // trace an outline around thousands of overlapping strokes.
        QPen thin = pen();
        thin.setWidth(0);
        painter->setPen(thin);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->drawLines(column_envelope(values, first, last, x_map, y_map, canvas_rect));
    }
    painter->restore();
}

} // namespace kelvra
