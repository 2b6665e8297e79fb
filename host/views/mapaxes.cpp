#include "host/views/mapaxes.h"

#include "host/views/numberformat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvra {
namespace {

constexpr int kAttempts = 12; // coarser steps tried until the labels fit

} // namespace

double round_step(double raw)
{
    if (!(raw > 0 && raw <= std::numeric_limits<double>::max()))
        return std::numeric_limits<double>::quiet_NaN();
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double mantissa : {1.0, 2.0, 5.0, 10.0}) {
        const double step = mantissa * power;
        if (step >= raw * (1 - 1e-12) && step > 0)
            return std::isfinite(step) ? step : std::numeric_limits<double>::quiet_NaN();
    }
    return std::numeric_limits<double>::quiet_NaN(); // raw below the smallest subnormal power of ten
}

std::vector<AxisTick> axis_ticks(double low, double high, double from_pixel, double to_pixel,
                                 const std::function<double(const QString &)> &label_extent, double gap,
                                 double min_spacing)
{
    const double pixels = std::abs(to_pixel - from_pixel);
    if (!(std::isfinite(low) && std::isfinite(high) && high > low && std::isfinite(pixels) && pixels >= 1))
        return {};
    // Halves, so that a span past the largest double stays finite.
    const double half = high * 0.5 - low * 0.5;
    auto position = [&](double value) {
        return from_pixel + (value * 0.5 - low * 0.5) / half * (to_pixel - from_pixel);
    };
    const double units_per_pixel = std::min(half / pixels * 2, std::numeric_limits<double>::max());
    const double magnitude = std::max(std::abs(low), std::abs(high));
    double step = round_step(std::max(min_spacing, 1.0) * units_per_pixel);
    std::vector<AxisTick> ticks;
    for (int attempt = 0; attempt < kAttempts && std::isfinite(step); ++attempt) {
        const double first = std::ceil(low / step), last = std::floor(high / step);
        // Past 2^53 consecutive multiples of the step are no longer apart.
        if (!(last - first < 1000 && std::abs(first) < 1e15 && std::abs(last) < 1e15))
            return {};
        const TickFormat format(step, magnitude);
        ticks.clear();
        double widest = 0;
        for (int k = 0; k <= int(last - first); ++k) {
            const double value = (first + k) * step;
            const QString label = format.text(value);
            widest = std::max(widest, label_extent(label));
            ticks.push_back({value, position(value), label});
        }
        const double spacing = step / units_per_pixel; // pixels between neighbours
        if (widest + gap <= spacing * (1 + 1e-9) && spacing >= min_spacing * (1 - 1e-9))
            return ticks;
        step = round_step(step * 1.5);
    }
    // No step fits (a span near the largest double on a short axis): keep
    // the ticks whose labels clear the one kept before.
    std::vector<AxisTick> kept;
    for (const AxisTick &tick : ticks) {
        if (kept.empty()
            || std::abs(tick.position - kept.back().position)
                   >= (label_extent(tick.label) + label_extent(kept.back().label)) / 2 + gap)
            kept.push_back(tick);
    }
    return kept;
}

} // namespace kelvra
