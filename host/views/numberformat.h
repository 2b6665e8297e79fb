#pragma once

// How the map and the plot write numbers: plain decimals, never group
// separators, always a point as the decimal mark; scientific notation only
// for numbers nobody reads as plain (from 1e10 up, or ticks finer than a
// millionth). Axis ticks, colour bar ticks and the cursor readout all go
// through here, so that the same number reads the same everywhere.

#include "host/views/hostviews_export.h"

#include <QString>

namespace kelvra {

// The labels of the ticks of one axis, `step` apart, whose values reach
// `magnitude` (the largest absolute value on the axis): every label with
// the same number of decimals, as many as the step needs.
class HOSTVIEWS_EXPORT TickFormat
{
public:
    TickFormat(double step, double magnitude);
    QString text(double value) const;

private:
    double m_step;
    bool m_scientific;
    int m_decimals; // after the point, of the number or of its mantissa
};

// A value read out to the user with about `digits` significant digits:
// 1523.46, 0.000532, 6512380 (numbers below 1e10 are written out), 1.5e-07,
// 3.2e+12; "nan", "inf" and "-inf" for values that are not finite.
HOSTVIEWS_EXPORT QString value_text(double value, int digits = 6);

} // namespace kelvra
