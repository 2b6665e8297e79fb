#pragma once

// The curve of the property plot: the values of one property against the
// vertex number, read straight from the property's array. Where more
// values are visible than the plot has pixel columns, each column shows
// the lowest and the highest value that falls into it, so every spike stays
// visible and a redraw costs one pass over the visible values, however
// many millions there are. Drawn with Qwt: including this header needs
// Qwt's include folder (link Qwt::Qwt).

#include "host/ndarray.h"
#include "host/views/hostviews_export.h"

#include <qwt_plot_curve.h>
#include <qwt_series_data.h>

#include <optional>
#include <utility>

namespace kelvra {

// The points (vertex number, value) of an array of real numbers, read from
// the array itself. The bounding rectangle, of the finite values, is
// measured once.
class HOSTVIEWS_EXPORT ValueSeries : public QwtSeriesData<QPointF>
{
public:
    // values: real numbers (float16 ones are read as float32); ValueError otherwise.
    explicit ValueSeries(const NdArray &values);
    // The same with the range of the finite values measured already.
    ValueSeries(const NdArray &values, std::optional<std::pair<double, double>> range);

    size_t size() const override;
    QPointF sample(size_t i) const override;
    QRectF boundingRect() const override;

    const NdArray &values() const { return m_values; }

private:
    NdArray m_values;
    QRectF m_bounds;
};

class HOSTVIEWS_EXPORT PropertyCurve : public QwtPlotCurve
{
public:
    using QwtPlotCurve::QwtPlotCurve;

    // Plots values, sharing their storage; an empty array empties the curve.
    void set_values(const NdArray &values);
    // The same with the range of the finite values measured already.
    void set_values(const NdArray &values, std::optional<std::pair<double, double>> range);
    // The values plotted; empty before set_values().
    const NdArray &values() const;

protected:
    // Lines through the finite values (broken where a value is not finite),
    // with symbols where few enough are visible to tell them apart; reduced
    // to each pixel column's lowest and highest value where more are visible
    // than columns.
    void drawSeries(QPainter *painter, const QwtScaleMap &x_map, const QwtScaleMap &y_map,
                    const QRectF &canvas_rect, int from, int to) const override;
};

} // namespace kelvra
