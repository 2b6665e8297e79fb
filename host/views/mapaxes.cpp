#include "host/views/mapaxes.h"

#include <algorithm>
#include <cmath>

namespace kelvra {
namespace {

constexpr double kMinSpacing = 50; // pixels between ticks, at least

// The smallest of 1, 2, 5 times a power of ten that is at least raw.
double round_step(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double mantissa : {1.0, 2.0, 5.0}) {
        if (mantissa * power >= raw * (1 - 1e-12))
            return mantissa * power;
    }
    return 10 * power;
}

// The next round step above step.
double next_step(double step)
{
    return round_step(step * 1.5);
}

QString tick_label(double value, double step)
{
    const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    if (std::abs(value) < step * 1e-6)
        value = 0; // no "-0"
    return QString::number(value, 'f', decimals);
}

} // namespace

std::vector<AxisTick> axis_ticks(double low, double high, double from_pixel, double to_pixel,
                                 const std::function<double(const QString &)> &label_width, double gap)
{
    const double span = high - low;
    const double pixels = std::abs(to_pixel - from_pixel);
    if (!(std::isfinite(span) && span > 0 && std::isfinite(pixels) && pixels >= 1))
        return {};
    const double per_unit = (to_pixel - from_pixel) / span;
    double step = round_step(span * kMinSpacing / pixels);
    std::vector<AxisTick> ticks;
    for (int attempt = 0; attempt < 8; ++attempt) {
        ticks.clear();
        double widest = 0;
        const double first = std::ceil(low / step), last = std::floor(high / step);
        // Past 2^53 consecutive multiples of the step are no longer apart.
        if (!(last - first < 1000 && std::abs(first) < 1e15))
            return {};
        for (int k = 0; k <= int(last - first); ++k) {
            const double value = (first + k) * step;
            const QString label = tick_label(value, step);
            widest = std::max(widest, label_width(label));
            ticks.push_back({value, from_pixel + (value - low) * per_unit, label});
        }
        if (widest + gap <= step * std::abs(per_unit))
            break;
        step = next_step(step);
    }
    return ticks;
}

} // namespace kelvra
