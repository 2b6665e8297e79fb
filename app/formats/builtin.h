#pragma once

// The formats Kelvra reads and writes, one accessor each; formats() lists
// them in the order they are offered.

namespace kelvra::app::formats {

class Format;

const Format &zmap_format();
const Format &irap_ascii_format();
const Format &irap_binary_format();
const Format &xyz_format();
const Format &csv_format();
const Format &tsurf_format();

} // namespace kelvra::app::formats
