#pragma once

// A well's log in the property plot: the values of one curve along the
// horizontal axis against depth on the vertical one, read from the arrays
// themselves. Drawn with Qwt: including this header needs Qwt's include
// folder (link Qwt::Qwt).

#include "host/ndarray.h"
#include "host/views/hostviews_export.h"

#include <QString>

#include <qwt_plot_curve.h>
#include <qwt_series_data.h>

#include <optional>
#include <utility>

namespace kelvra {

class DataObject;

// Which depth a well's log is plotted against: measured depth, or depth
// below Z = 0 (Z is elevation, so that is -Z).
enum class DepthAxis { MD, Z };

// What the plot shows of a well: its current curve and its depths.
struct WellLog
{
    QString well;
    QString property;
    QString property_unit; // empty when not known
    NdArray values;        // real numbers, one per sample
    NdArray md;            // measured depths, one per sample
    QString md_unit;
    NdArray z;             // elevations, one per sample; empty when the well has none
    QString z_unit;

    // The depths along depth_axis (Z, when the well has it, else MD), and
    // whether they are its values turned round (-Z).
    std::pair<NdArray, bool> depths(DepthAxis axis) const;
    // The title of the depth axis: "MD" or "Depth (-Z)", with the unit
    // when known.
    QString depth_title(DepthAxis axis) const;
};

// The log of object's current property when object is a well (a Point
// with MD; host/views/welllayer.h) and that property holds real numbers,
// one per sample; nothing otherwise.
HOSTVIEWS_EXPORT std::optional<WellLog> well_log(const DataObject &object);

using ValueRange = std::optional<std::pair<double, double>>;

// The points (value, depth) of a log. The bounding rectangle spans the
// ranges of the finite values and depths, measured beforehand.
class HOSTVIEWS_EXPORT DepthSeries : public QwtSeriesData<QPointF>
{
public:
    // values: real numbers; depths: real numbers as many, turned round
    // (negated) when negate is true; ranges: of the finite ones, as stored
    // (before turning round). ValueError for arrays that do not fit.
    DepthSeries(const NdArray &values, const NdArray &depths, bool negate, ValueRange values_range,
                ValueRange depths_range);

    size_t size() const override;
    QPointF sample(size_t i) const override;
    QRectF boundingRect() const override;

    const NdArray &values() const { return m_values; }
    // The depths read as float64, as stored.
    const NdArray &depths() const { return m_depths; }
    bool negated() const { return m_negate; }

private:
    NdArray m_values;
    NdArray m_depths;
    bool m_negate;
    QRectF m_bounds;
};

class HOSTVIEWS_EXPORT DepthCurve : public QwtPlotCurve
{
public:
    using QwtPlotCurve::QwtPlotCurve;

    // Plots a log, sharing the storage of its arrays (depths other than
    // float64 are read into a float64 copy); empty arrays empty the curve.
    void set_log(const NdArray &values, const NdArray &depths, bool negate, ValueRange values_range,
                 ValueRange depths_range);

protected:
    // A line through the samples whose value and depth are finite, broken
    // at the others; consecutive samples that fall into one pixel row are
    // drawn as one stroke across the row from the leftmost to the
    // rightmost, so that millions of samples cost no more than the rows
    // the line crosses, and every spike stays visible. Symbols where few
    // enough samples are shown to tell them apart.
    void drawSeries(QPainter *painter, const QwtScaleMap &x_map, const QwtScaleMap &y_map,
                    const QRectF &canvas_rect, int from, int to) const override;
};

} // namespace kelvra
