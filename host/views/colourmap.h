#pragma once

// The colour maps of property values on the map: viridis, 256 colours from
// dark blue to yellow, even in perceived lightness, readable in grey and by
// most colour-blind viewers; and for seismic amplitudes, red through white
// to blue, drawn on a scale symmetric about zero.

#include "host/views/hostviews_export.h"

#include <QRgb>

#include <array>
#include <cstdint>

namespace kelvra {

// The 256 opaque colours, lowest value first.
HOSTVIEWS_EXPORT const std::array<QRgb, 256> &viridis_table();

// The 256 opaque colours of the seismic map, lowest value first: red, paling
// to white at entry 128 (where zero falls on a scale from -m to +m), then
// deepening to blue; entries 128 - k and 128 + k are mirror images.
HOSTVIEWS_EXPORT const std::array<QRgb, 256> &seismic_table();

// Which entry of the table shows a value on the scale low to high: 0 at
// low and below, 255 at high and above, the 256 entries sharing the range
// evenly; 0 for every value when the scale is empty (high not above low).
// Holds for any finite low and high, including spans past the largest
// double and spans of subnormal numbers: the values are scaled by a power
// of two first, which is exact. A value that is not a number gets 0.
class ColourLookup
{
public:
    ColourLookup(double low, double high);

    int index(double value) const
    {
        const double scaled = (value * m_prescale - m_low) * m_scale;
        // Written so that every comparison with NaN ends at 0.
        return scaled >= 255 ? 255 : scaled > 0 ? int(scaled) : 0;
    }

private:
    double m_prescale = 1; // a power of two that brings the span near 1
    double m_low = 0;      // low, prescaled
    double m_scale = 0;    // 256 over the prescaled span; 0 for an empty scale
};

} // namespace kelvra
