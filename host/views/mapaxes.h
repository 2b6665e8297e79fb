#pragma once

// The ticks of a map axis: round numbers (1, 2 or 5 times a power of ten)
// in map units, as far apart as their labels need.

#include "host/views/hostviews_export.h"

#include <QString>

#include <functional>
#include <vector>

namespace kelvra {

struct AxisTick
{
    double value;    // in map units
    double position; // in pixels along the axis
    QString label;   // value with as many decimals as the spacing needs
};

// The ticks between low and high, the map values at the pixel positions
// from_pixel and to_pixel of an axis. Neighbouring ticks are at least 50
// pixels apart, and far enough apart that label_width of their labels plus
// gap fits between them. Nothing when the range or the axis is empty or not
// finite.
HOSTVIEWS_EXPORT std::vector<AxisTick> axis_ticks(double low, double high, double from_pixel, double to_pixel,
                                                  const std::function<double(const QString &)> &label_width,
                                                  double gap);

} // namespace kelvra
