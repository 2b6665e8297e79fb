#pragma once

// The arrays that the tests and tests/chunkcut/npytool.py build alike: the
// element at C-order position i is i in the element type (true for i != 0,
// i - i*1j for complex types).

#include "host/ndarray.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace kelvra::test {

NdArray pattern(DType dtype, const std::vector<std::int64_t> &shape);

// The element type of a numpy name ("float32"); fails the test when unknown.
DType dtype_named(const QString &name);

// "50x3" to {50, 3}, "scalar" to {}.
std::vector<std::int64_t> shape_named(const QString &name);

} // namespace kelvra::test
