#include "host/views/mapaxes.h"

#include "host/views/numberformat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvra {
namespace {

constexpr int kAttempts = 12; // coarser steps tried until the labels fit

// The next round step below step (a round step): 5 to 2, 2 to 1, 1 to 0.5.
double finer_step(double step)
{
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    return step * (std::abs(mantissa - 5) < 1e-6 ? 0.4 : 0.5);
}

} // namespace

double round_step(double raw)
{
    if (!(raw > 0 && raw <= std::numeric_limits<double>::max()))
        return std::numeric_limits<double>::quiet_NaN();
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    if (power == 0) // below the smallest subnormal power of ten: steps of the smallest double
        power = std::numeric_limits<double>::denorm_min();
    for (double mantissa : {1.0, 2.0, 5.0, 10.0}) {
        const double step = mantissa * power;
        if (step >= raw * (1 - 1e-12) && step > 0)
            return std::isfinite(step) ? step : std::numeric_limits<double>::quiet_NaN();
    }
    return std::numeric_limits<double>::quiet_NaN();
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
    const double units_per_pixel = std::min(half / pixels * 2, std::numeric_limits<double>::max());
    const double magnitude = std::max(std::abs(low), std::abs(high));
    // The ticks at the multiples of step, and whether their labels fit
    // between them; nothing when there would be too many to tell apart.
    auto ticks_at = [&](double step, std::vector<AxisTick> &ticks) {
        ticks.clear();
        const double first = std::ceil(low / step), last = std::floor(high / step);
        // Past 2^53 consecutive multiples of the step are no longer apart.
        if (!(last - first < 1000 && std::abs(first) < 1e15 && std::abs(last) < 1e15))
            return false;
        const TickFormat format(step, magnitude);
        double widest = 0;
        for (int k = 0; k <= int(last - first); ++k) {
            const double value = (first + k) * step;
            const QString label = format.text(value);
            widest = std::max(widest, label_extent(label));
            ticks.push_back({value, from_pixel + (value * 0.5 - low * 0.5) / half * (to_pixel - from_pixel), label});
        }
        return widest + gap <= step / units_per_pixel * (1 + 1e-9);
    };

    std::vector<AxisTick> ticks;
    double step = round_step(std::max(min_spacing, 1.0) * units_per_pixel);
    for (int attempt = 0; attempt < kAttempts && std::isfinite(step); ++attempt) {
        if (ticks_at(step, ticks)) {
            // Fewer than three ticks say little: finer ones, closer than
            // min_spacing, as long as their labels still fit.
            std::vector<AxisTick> finer;
            for (double smaller = finer_step(step); ticks.size() < 3 && ticks_at(smaller, finer);
                 smaller = finer_step(smaller))
                ticks = finer;
            return ticks;
        }
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
