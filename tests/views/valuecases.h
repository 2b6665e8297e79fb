#pragma once

// Property arrays that reach the edges of their element types: the
// extremes of every integer type (uint64 past 2^53 too), spans past the
// largest double, subnormal numbers, a single value, equal values, and NaN
// and infinities among finite values or alone. Read here without the
// project's own conversions, so that expected colours and ranges are
// computed independently of the code under test.

#include "host/ndarray.h"

#include <optional>
#include <utility>
#include <vector>

namespace kelvra::test {

struct ValueCase
{
    const char *name;
    NdArray values;
};

std::vector<ValueCase> value_cases();

// Whether element i is a finite number, and its value, read from the raw
// bytes (float16 decoded by hand).
bool finite_at(const NdArray &values, std::int64_t i);
long double value_at(const NdArray &values, std::int64_t i);

// The lowest and highest finite value; nothing when none is finite.
std::optional<std::pair<long double, long double>> finite_extremes(const NdArray &values);

// The entry of a 256-colour table that shows value on the scale low to
// high: the 256 entries share the range evenly; 0 when the range is empty.
int expected_colour_index(long double value, long double low, long double high);

} // namespace kelvra::test
