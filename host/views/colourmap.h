#pragma once

// The colour map of property values on the map: viridis, 256 colours from
// dark blue to yellow, even in perceived lightness, readable in grey and by
// most colour-blind viewers.

#include <QRgb>

#include <array>
#include <cstdint>

namespace kelvra {

// The 256 opaque colours, lowest value first.
const std::array<QRgb, 256> &viridis_table();

// The entry of the table that shows value on the scale low to high: 0 at
// low and below, 255 at high and above, the 256 entries sharing the range
// evenly. 0 when the scale is empty (high not above low).
int colour_index(double value, double low, double high);

} // namespace kelvra
