#pragma once

// What one pass over an array's values finds: the lowest and highest
// finite value and whether every value is finite. The map takes its extent
// and colour scales from it and the plot its axes, so each array is
// measured once however many views show it: the summary is kept with the
// array's storage (every copy and view of it sees the note) until the data
// are reached through a non-const accessor.

#include "host/kelvrahost_export.h"
#include "host/ndarray.h"

#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace kelvra {

struct KELVRAHOST_EXPORT ValueSummary
{
    double low = std::numeric_limits<double>::infinity();   // the lowest finite value ...
    double high = -std::numeric_limits<double>::infinity(); // ... and the highest; low > high when there is none
    bool all_finite = true;                                  // no NaN, no infinity

    bool has_finite() const { return low <= high; }
    // low and high; nothing when no value is finite.
    std::optional<std::pair<double, double>> finite_range() const;
};

// The summaries of arrays of real numbers (any element type but complex;
// ValueError otherwise), in order. An array measured before is answered from
// the notes of its storage; one that another thread is measuring now is
// waited for; the others are measured in one pass over all of them
// together, shared out over the cores. Safe to call from any thread.
KELVRAHOST_EXPORT std::vector<ValueSummary> summarize(const std::vector<NdArray> &arrays);
KELVRAHOST_EXPORT ValueSummary summarize(const NdArray &array);

// The summary noted with the array's storage, without measuring anything.
KELVRAHOST_EXPORT std::optional<ValueSummary> known_summary(const NdArray &array);

} // namespace kelvra
