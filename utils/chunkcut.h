#pragma once

// Cutting a large array into row ranges that each fit a byte limit, so that
// every piece can be stored as one SQLite blob and the array rebuilt by
// concatenating the pieces in order.

#include "host/ndarray.h"
#include "utils/chunkcut_export.h"

#include <cstdint>
#include <vector>

namespace kelvra {

// Cuts the array along its first axis into consecutive pieces of at most
// byteLimit data bytes (headers an encoding adds are not counted), in row
// order. The pieces are views sharing the array's storage: no element is
// copied or read.
//
// An array of byteLimit bytes or more is cut into nsplit = ceil(bytes /
// byteLimit) pieces' worth of rows: every piece has nvCellSize = rows /
// nsplit rows, the last one the rest, and four information lines go to the
// kelvra.chunkcut log (row count, bytes, and the rows and bytes of the
// pieces as lists like [6, 6]). A smaller array comes back whole, unlogged.
//
// Throws ValueError for a byte limit that is not positive, a 0-d array, or a
// row larger than the limit; AssertionError "Lost element in split" or "Lost
// byte in split" when the pieces do not add up to the array.
CHUNKCUT_EXPORT std::vector<NdArray> chunkcut(const NdArray &array, std::int64_t byteLimit);

} // namespace kelvra
