#include "host/views/plotscales.h"

#include "host/views/mapaxes.h"
#include "host/views/numberformat.h"

#include <qwt_plot.h>
#include <qwt_scale_div.h>

#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvra {
namespace {

// Ends beyond a quarter of the largest double are brought in, so that a
// span, a step and the ends widened to the step all stay finite.
constexpr double kLargest = std::numeric_limits<double>::max() / 4;
// Spans below this are widened (values closer together are drawn as one):
// a pixel then still spans a finite, nonzero part of the range.
constexpr double kSmallest = 1e-290;

double limited(double value)
{
    return std::isnan(value) ? 0.0 : std::clamp(value, -kLargest, kLargest);
}

// The round step that divides low to high into about `steps` parts.
double step_for(double low, double high, int steps)
{
    return round_step((high * 0.5 - low * 0.5) / std::max(1, steps) * 2);
}

// The multiples of step between low and high; none when they would be too
// many to tell apart.
QList<double> multiples(double low, double high, double step)
{
    QList<double> values;
    const double first = std::ceil(low / step), last = std::floor(high / step);
    if (!(last - first <= 1000 && std::abs(first) < 1e15 && std::abs(last) < 1e15))
        return values;
    for (double k = first; k <= last; ++k)
        values << k * step;
    return values;
}

} // namespace

void RoundScaleEngine::autoScale(int maxNumSteps, double &x1, double &x2, double &stepSize) const
{
    double low = limited(std::min(x1, x2)), high = limited(std::max(x1, x2));
    if (!(high - low >= kSmallest)) { // a single value, or a few subnormal ones: a range around them
        const double centre = low * 0.5 + high * 0.5;
        const double delta = centre == 0 ? 0.5 : std::max(std::abs(centre) * 0.5, kSmallest);
        low = centre - delta;
        high = centre + delta;
    }
    const double step = step_for(low, high, maxNumSteps);
    if (!std::isfinite(step)) { // a span of a few subnormal numbers: as it is
        x1 = low;
        x2 = high;
        stepSize = 0;
        if (testAttribute(QwtScaleEngine::Inverted))
            std::swap(x1, x2);
        return;
    }
    x1 = std::floor(low / step) * step;
    x2 = std::ceil(high / step) * step;
    stepSize = step;
    if (testAttribute(QwtScaleEngine::Inverted)) { // high values first: at the bottom of a vertical axis
        std::swap(x1, x2);
        stepSize = -step;
    }
}

QwtScaleDiv RoundScaleEngine::divideScale(double x1, double x2, int maxMajorSteps, int maxMinorSteps,
                                          double stepSize) const
{
    const double lower = limited(x1), upper = limited(x2);
    const double low = std::min(lower, upper), high = std::max(lower, upper);
    QwtScaleDiv div(lower, upper);
    if (!(high > low))
        return div;
    const double step = stepSize > 0 ? std::abs(stepSize) : step_for(low, high, maxMajorSteps);
    if (!std::isfinite(step) || step <= 0)
        return div;
    const QList<double> major = multiples(low, high, step);
    QList<double> minor;
    if (maxMinorSteps > 0 && !major.isEmpty()) {
        // Fifths of a step of 1 or 5, quarters of a step of 2.
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        const int parts = std::abs(mantissa - 2) < 1e-6 ? 4 : 5;
        const double sub = step / parts;
        for (const double value : multiples(low, high, sub)) {
            if (std::abs(std::remainder(value, step)) > sub / 2)
                minor << value;
        }
    }
    div.setTicks(QwtScaleDiv::MinorTick, minor);
    div.setTicks(QwtScaleDiv::MajorTick, major);
    return div;
}

QwtText RoundScaleDraw::label(double value) const
{
    const QwtScaleDiv &div = scaleDiv();
    const QList<double> major = div.ticks(QwtScaleDiv::MajorTick);
    const double step = major.size() >= 2 ? std::abs(major[1] - major[0])
                                          : std::abs(div.upperBound() * 0.5 - div.lowerBound() * 0.5) * 2;
    const double magnitude = std::max(std::abs(div.lowerBound()), std::abs(div.upperBound()));
    return QwtText(TickFormat(step, magnitude).text(value));
}

void PlotMagnifier::rescale(double factor)
{
    const QwtPlot *plot = this->plot();
    for (int axis = 0; plot && axis < QwtPlot::axisCnt; ++axis) {
        const QwtScaleDiv &div = plot->axisScaleDiv(axis);
        const double half = std::abs(div.upperBound() * 0.5 - div.lowerBound() * 0.5);
        const double wanted = half * std::abs(factor);
        if (isAxisEnabled(axis) && !(wanted < kLargest && wanted >= kSmallest))
            return; // out to a range no double spans, or in to one no pixel can show: no further
    }
    QwtPlotMagnifier::rescale(factor);
}

} // namespace kelvra
