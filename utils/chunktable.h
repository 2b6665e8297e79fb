#pragma once

// The chunk table demonstration: one whole cycle on a small array. It
// registers the array adapter and converter, cuts 12 float32 values with a
// 30-byte limit, inserts the two chunks into table "test" of "test.db" in
// the working directory, reads them back, checks their order and rebuilds
// the array, printing what it finds. The inserts are never committed, so
// the file keeps an empty table and a second run stops at its creation.

#include "host/ndarray.h"
#include "host/sqlite.h"
#include "utils/chunkcut_export.h"

#include <vector>

namespace kelvra::chunktable {

// Rebuilds an array from fetched (chunkID, arr) rows: AssertionError "Chunk
// order is wrong" unless the chunk numbers run 1, 2, 3 ... in row order;
// ValueError when a row is not an integer and an array.
CHUNKCUT_EXPORT NdArray rebuild(const std::vector<sqlite::Row> &rows);

// Runs the cycle, printing to standard output; throws on the first failure
// (SqliteError "table test already exists" on a second run).
CHUNKCUT_EXPORT void main();

} // namespace kelvra::chunktable
