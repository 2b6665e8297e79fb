#include "host/views/depthcurve.h"

#include "host/dataobject.h"
#include "host/errors.h"
#include "host/translation.h"
#include "host/views/welllayer.h"

#include <qwt_clipper.h>
#include <qwt_scale_map.h>
#include <qwt_symbol.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

namespace kelvra {
namespace {

constexpr double kSymbolSpacing = 6; // pixels per shown sample from which symbols are drawn
constexpr double kReach = 1e7;       // pixels outside the canvas beyond which a point is brought in

const QString kMd = QStringLiteral("MD");
const QString kZ = QStringLiteral("Z");

// A range the axes can divide: one wider than a double can span is cut to
// the middle half of the doubles (samples beyond it run off the canvas).
std::pair<double, double> dividable(std::pair<double, double> range)
{
    if (!std::isfinite(range.second - range.first)) {
        constexpr double quarter = std::numeric_limits<double>::max() / 4;
        range.first = std::max(range.first, -quarter);
        range.second = std::min(range.second, quarter);
    }
    return range;
}

QString with_unit(const QString &title, const QString &unit)
{
    return unit.isEmpty() ? title : QStringLiteral("%1 (%2)").arg(title, unit);
}

// Whether the object has that property as real numbers, count of them.
bool has_real(const DataObject &object, const QString &name, std::int64_t count)
{
    return object.prop().contains(name) && is_real(object.prop().value(name).dtype())
        && object.prop().value(name).size() == count;
}

} // namespace

std::pair<NdArray, bool> WellLog::depths(DepthAxis axis) const
{
    if (axis == DepthAxis::Z && z.size())
        return {z, true};
    return {md, false};
}

QString WellLog::depth_title(DepthAxis axis) const
{
    if (axis == DepthAxis::Z && z.size())
        return with_unit(_("Depth (-Z)"), z_unit);
    return with_unit(kMd, md_unit);
}

std::optional<WellLog> well_log(const DataObject &object)
{
    const std::optional<QString> property = object.current_property();
    if (!is_well(object) || !property || !object.prop().contains(*property))
        return std::nullopt;
    const NdArray &values = object.prop().value(*property);
    if (!is_real(values.dtype()) || !has_real(object, kMd, values.size()))
        return std::nullopt;
    WellLog log{object.name(), *property, object.unit(*property), values, object.prop().value(kMd),
                object.unit(kMd), NdArray(), QString()};
    if (has_real(object, kZ, values.size())) {
        log.z = object.prop().value(kZ);
        log.z_unit = object.unit(kZ);
    }
    return log;
}

DepthSeries::DepthSeries(const NdArray &values, const NdArray &depths, bool negate, ValueRange values_range,
                         ValueRange depths_range)
    : m_values(values.dtype() == DType::Float16 ? values.astype(DType::Float32) : values)
    , m_depths(depths.dtype() == DType::Float64 || !is_real(depths.dtype()) ? depths : depths.astype(DType::Float64))
    , m_negate(negate)
{
    if (!is_real(m_values.dtype()) || m_depths.dtype() != DType::Float64 || m_depths.size() != m_values.size())
        throw ValueError(_("a log needs real values and as many real depths"));
    if (values_range && depths_range) {
        const auto [left, right] = dividable(*values_range);
        auto [top, bottom] = dividable(*depths_range);
        if (negate)
            std::tie(top, bottom) = std::make_pair(-bottom, -top);
        m_bounds = QRectF(QPointF(left, top), QPointF(right, bottom));
    } else {
        m_bounds = QRectF(1, 1, -2, -2); // nothing finite to scale to
    }
}

size_t DepthSeries::size() const
{
    return size_t(m_values.size());
}

QPointF DepthSeries::sample(size_t i) const
{
    const double depth = m_depths.data<double>()[i];
    return QPointF(visit_real(m_values, [i](const auto *v) { return double(v[i]); }), m_negate ? -depth : depth);
}

QRectF DepthSeries::boundingRect() const
{
    return m_bounds;
}

void DepthCurve::set_log(const NdArray &values, const NdArray &depths, bool negate, ValueRange values_range,
                         ValueRange depths_range)
{
    setData(new DepthSeries(values, depths, negate, values_range, depths_range));
}

void DepthCurve::drawSeries(QPainter *painter, const QwtScaleMap &x_map, const QwtScaleMap &y_map,
                            const QRectF &canvas_rect, int from, int to) const
{
    const auto *series = dynamic_cast<const DepthSeries *>(data());
    if (!series || series->size() == 0)
        return;
    const std::int64_t count = series->values().size();
    const std::int64_t first = std::max(0, from);
    const std::int64_t last = to < 0 ? count - 1 : std::min<std::int64_t>(to, count - 1);
    const double *depths = series->depths().data<double>();
    const double sign = series->negated() ? -1 : 1;
    const double margin = pen().widthF() + 2;
    const QRectF clip = canvas_rect.adjusted(-margin, -margin, margin, margin);
    auto near = [](double value, double low, double high) { return std::clamp(value, low - kReach, high + kReach); };
    const bool few = double(last - first + 1) * kSymbolSpacing <= canvas_rect.height();

    // The pieces of the line, in pixels. Consecutive samples in one pixel
    // row are a run, drawn as the line from its first sample to the
    // leftmost and the rightmost of the run and on to its last: every
    // sample stays within the line, however many share the row.
    std::vector<QPolygonF> pieces;
    QPolygonF piece, samples;
    struct Run
    {
        double row;
        QPointF first, left, right, last;
    };
    std::optional<Run> run;
    auto add = [&piece](const QPointF &point) {
        if (piece.isEmpty() || piece.last() != point)
            piece << point;
    };
    auto end_run = [&] {
        if (!run)
            return;
        for (const QPointF &point : {run->first, run->left, run->right, run->last})
            add(point);
        run.reset();
    };
    auto end_piece = [&] {
        end_run();
        if (!piece.isEmpty())
            pieces.push_back(piece);
        piece.clear();
    };
    visit_real(series->values(), [&](const auto *v) {
        for (std::int64_t i = first; i <= last; ++i) {
            const double value = double(v[i]), depth = sign * depths[i];
            if (!(std::isfinite(value) && std::isfinite(depth))) {
                end_piece();
                continue;
            }
            const QPointF point(near(x_map.transform(value), canvas_rect.left(), canvas_rect.right()),
                                near(y_map.transform(depth), canvas_rect.top(), canvas_rect.bottom()));
            if (few)
                samples << point;
            const double row = std::floor(point.y());
            if (run && run->row == row) {
                if (point.x() < run->left.x())
                    run->left = point;
                if (point.x() > run->right.x())
                    run->right = point;
                run->last = point;
                continue;
            }
            end_run();
            run = Run{row, point, point, point, point};
        }
    });
    end_piece();

    painter->save();
    painter->setBrush(Qt::NoBrush);
    QPen line_pen = pen();
    if (double(last - first + 1) > 2 * canvas_rect.height()) {
        // Thin, plain lines: a wide, smoothed pen would make the painter
        // trace an outline around thousands of overlapping strokes.
        line_pen.setWidth(0);
        painter->setRenderHint(QPainter::Antialiasing, false);
    }
    painter->setPen(line_pen);
    for (const QPolygonF &line : pieces) {
        if (line.size() == 1)
            painter->drawPoint(line.first());
        else
            painter->drawPolyline(QwtClipper::clipPolygonF(clip, line));
    }
    if (symbol() && few)
        symbol()->drawSymbols(painter, samples);
    painter->restore();
}

} // namespace kelvra
