#include "host/views/propertycurve.h"

#include "host/views/maprender.h"

#include <qwt_clipper.h>
#include <qwt_scale_map.h>
#include <qwt_symbol.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
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

// Each pixel column's span from its lowest to its highest value, and the
// step from the last value of one column to the first of the next, for the
// vertices first to last (more of them than columns). A column without a
// finite value breaks the line.
QVector<QLineF> column_envelope(const NdArray &values, std::int64_t first, std::int64_t last,
                                const QwtScaleMap &x_map, const QwtScaleMap &y_map, const QRectF &canvas)
{
    const std::int64_t count = values.size();
    const double per_index = (x_map.p2() - x_map.p1()) / (x_map.s2() - x_map.s1());
    // Far outside the canvas only the direction matters.
    auto to_pixel = [&](double value) {
        return std::clamp(y_map.transform(value), canvas.top() - 10, canvas.bottom() + 10);
    };
    QVector<QLineF> lines;
    visit_real(values, [&](const auto *v) {
        std::optional<QPointF> previous; // the last value of the column before
        std::int64_t i = first;
        for (double column = std::floor(x_map.transform(double(first))); i <= last; column += 1) {
            const double edge = x_map.s1() + (column + 1 - x_map.p1()) / per_index; // vertex at the column's right edge
            const std::int64_t end = std::max(i + 1, std::min(last + 1, index_at(std::ceil(edge), count)));
            double low = 0, high = 0, first_value = 0, last_value = 0;
            bool any = false;
            for (; i < end; ++i) {
                const double value = double(v[i]);
                if (!std::isfinite(value))
                    continue;
                if (!any) {
                    low = high = first_value = value;
                    any = true;
                }
                low = std::min(low, value);
                high = std::max(high, value);
                last_value = value;
            }
            if (!any) {
                previous.reset();
                continue;
            }
            const double x = column + 0.5;
            if (previous)
                lines << QLineF(*previous, QPointF(x, to_pixel(first_value)));
            lines << QLineF(x, to_pixel(low), x, to_pixel(high));
            previous = QPointF(x, to_pixel(last_value));
        }
    });
    return lines;
}

} // namespace

ValueSeries::ValueSeries(const NdArray &values)
    : m_values(values.dtype() == DType::Float16 ? values.astype(DType::Float32) : values)
{
    if (!is_real(m_values.dtype()))
        throw ValueError(QStringLiteral("%1 values cannot be plotted").arg(m_values.dtype_name()));
    const std::optional<std::pair<double, double>> range = value_range(m_values);
    if (range) {
        m_bounds = QRectF(QPointF(0, range->first),
                          QPointF(double(std::max<std::int64_t>(0, m_values.size() - 1)), range->second));
    } else {
        m_bounds = QRectF(1, 1, -2, -2); // invalid: nothing to scale the axes to
    }
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
                points << QPointF(x_map.transform(double(i)), y_map.transform(value));
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
