#pragma once

// The ticks of an axis: round numbers (1, 2 or 5 times a power of ten), as
// far apart as their labels need, labelled alike (see numberformat.h). The
// map's axes and colour bars and the plot's axes all use them.

#include "host/views/hostviews_export.h"

#include <QString>

#include <functional>
#include <vector>

namespace kelvra {

struct AxisTick
{
    double value;    // in axis units
    double position; // in pixels along the axis
    QString label;   // value with as many decimals as the spacing needs
};

// The smallest of 1, 2 and 5 times a power of ten that is at least raw;
// NaN when raw is not a positive finite number or no such step is finite.
HOSTVIEWS_EXPORT double round_step(double raw);

// The ticks at the multiples of a round step between low and high, the
// values at the pixel positions from_pixel and to_pixel of an axis.
// Neighbouring ticks are at least min_spacing pixels apart, and far enough
// apart that the room their labels take along the axis (label_extent: the
// width of a label on an axis that runs across, its height on one that runs
// up) plus gap fits between them: labels never overlap. Nothing when the
// range or the axis is empty or not finite; any finite range works,
// including spans past the largest double and spans of subnormal numbers.
HOSTVIEWS_EXPORT std::vector<AxisTick> axis_ticks(double low, double high, double from_pixel, double to_pixel,
                                                  const std::function<double(const QString &)> &label_extent,
                                                  double gap, double min_spacing = 50);

} // namespace kelvra
