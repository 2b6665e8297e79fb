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
#include <memory>
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

// Measures an array while a reader fills it piece by piece, on a thread of
// its own, each piece just after it arrived (while it is still in the
// processor's cache), so that nothing has to pass over the values again.
// Made once the reader holds its pointer to the data (taking it forgets
// any note); float16 arrays are not measured.
class KELVRAHOST_EXPORT SummaryBuilder
{
public:
    explicit SummaryBuilder(const NdArray &array);
    ~SummaryBuilder();
    SummaryBuilder(const SummaryBuilder &) = delete;
    SummaryBuilder &operator=(const SummaryBuilder &) = delete;

    // Elements first to first + count are in place, as they will stay.
    void add(std::int64_t first, std::int64_t count);
    // Elements added were changed afterwards (turned to this machine's
    // byte order): nothing will be noted.
    void spoil();
    // Waits for the pieces added and, when they cover the array and nothing
    // spoiled them or wrote into the array since, notes the summary with the
    // array's storage.
    void note();

private:
    struct Work;
    std::unique_ptr<Work> m_work;
};

} // namespace kelvra
