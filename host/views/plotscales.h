#pragma once

// The property plot's axes, divided and labelled as the map's are: major
// ticks at 1, 2 or 5 times a power of ten, labels written by TickFormat (no
// group separators, no exponent for numbers read as plain), and ranges of
// any finite size, including spans past the largest double. Drawn with
// Qwt: including this header needs Qwt's include folder.

#include <qwt_plot_magnifier.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_engine.h>

namespace kelvra {

class RoundScaleEngine : public QwtLinearScaleEngine
{
public:
    // Widens x1 to x2 (a range of finite data values, or a single value) to
    // the multiples of a round step at most maxNumSteps apart; with the
    // Inverted attribute, gives the ends the other way round.
    void autoScale(int maxNumSteps, double &x1, double &x2, double &stepSize) const override;
    // Major ticks at the multiples of stepSize (a round step for about
    // maxMajorSteps ticks when 0) between x1 and x2, minor ticks between.
    QwtScaleDiv divideScale(double x1, double x2, int maxMajorSteps, int maxMinorSteps,
                            double stepSize = 0.0) const override;
};

class RoundScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double value) const override;
};

// Zooms with the wheel, but never out to a range no double can span.
class PlotMagnifier : public QwtPlotMagnifier
{
public:
    using QwtPlotMagnifier::QwtPlotMagnifier;

protected:
    void rescale(double factor) override;
};

} // namespace kelvra
