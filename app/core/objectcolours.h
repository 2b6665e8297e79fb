#pragma once

// The colours objects are given on maps and in legends: easy to tell apart
// on light and dark backgrounds. An object keeps the colour it was given
// for as long as it exists, in every viewer, and in the files it is saved to.

#include <QRgb>

#include <vector>

namespace kelvra::app {

// The palette, in the order colours are handed out.
const std::vector<QRgb> &object_palette();

// The colour for a new object among objects that have the colours in use:
// the first palette colour that the fewest of them have.
QRgb pick_object_colour(const std::vector<QRgb> &in_use);

} // namespace kelvra::app
