#include "host/valuesummary.h"

#include "host/arraynotes.h"
#include "host/parallel.h"
#include "host/quickscan.h"
#include "host/translation.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace kelvra {

// Reaches the notes and the view of an array for the functions below.
struct ArrayNotesAccess
{
    static ArrayNotes &notes(const NdArray &array) { return *array.m_notes; }
    static bool describes(const ArrayNotes &notes, const NdArray &array)
    {
        return notes.summary && notes.offset == array.m_offset && notes.size == array.size()
            && notes.dtype == array.dtype();
    }
    static void describe(ArrayNotes &notes, const NdArray &array, const ValueSummary &summary)
    {
        notes.summary = summary;
        notes.offset = array.m_offset;
        notes.size = array.size();
        notes.dtype = array.dtype();
    }
};

namespace {

using Access = ArrayNotesAccess;

// Elements per array between switching to the next array of a pass over
// several: small enough that each array's block is still in the cache when
// it is looked at again, large enough to stream.
constexpr std::int64_t kBlock = std::int64_t(1) << 14;

void merge(ValueSummary &into, const ValueSummary &part)
{
    into.low = std::min(into.low, part.low);
    into.high = std::max(into.high, part.high);
    into.all_finite = into.all_finite && part.all_finite;
}

// Adds the values begin to end of v to the summary.
template <typename T>
void scan(const T *v, std::int64_t begin, std::int64_t end, ValueSummary &into)
{
    if (begin >= end)
        return;
    if constexpr (std::is_floating_point_v<T>) {
        const Quick<T> quick = quick_scan(v, begin, end);
        T lowest = quick.low, highest = quick.high;
        if (!(quick.odd == 0)) {
            into.all_finite = false;
            if (std::isinf(lowest) || std::isinf(highest)) { // an end is infinite: look again, carefully
                lowest = std::numeric_limits<T>::infinity();
                highest = -lowest;
                for (std::int64_t i = begin; i < end; ++i) {
                    if (std::isfinite(v[i])) {
                        lowest = std::min(lowest, v[i]);
                        highest = std::max(highest, v[i]);
                    }
                }
            }
        }
        if (lowest <= highest) {
            into.low = std::min(into.low, double(lowest));
            into.high = std::max(into.high, double(highest));
        }
    } else {
        T lowest = v[begin], highest = v[begin];
        for (std::int64_t i = begin + 1; i < end; ++i) {
            lowest = v[i] < lowest ? v[i] : lowest;
            highest = v[i] > highest ? v[i] : highest;
        }
        into.low = std::min(into.low, double(lowest));
        into.high = std::max(into.high, double(highest));
    }
}

// Measures the arrays in one pass over all of them, shared over the cores.
std::vector<ValueSummary> measure_together(const std::vector<NdArray> &arrays)
{
    std::int64_t longest = 0;
    for (const NdArray &array : arrays)
        longest = std::max(longest, array.size());
    using Parts = std::vector<ValueSummary>;
    const std::vector<Parts> parts = in_parts<Parts>(longest, [&](Parts &part, std::int64_t begin, std::int64_t end) {
        part.assign(arrays.size(), ValueSummary());
        for (std::int64_t from = begin; from < end; from += kBlock) {
            const std::int64_t to = std::min(end, from + kBlock);
            for (std::size_t a = 0; a < arrays.size(); ++a) {
                const NdArray &array = arrays[a];
                if (from < array.size())
                    visit_real(array, [&](const auto *v) { scan(v, from, std::min(to, array.size()), part[a]); });
            }
        }
    });
    std::vector<ValueSummary> summaries(arrays.size());
    for (const Parts &part : parts) {
        for (std::size_t a = 0; a < part.size(); ++a)
            merge(summaries[a], part[a]);
    }
    return summaries;
}

// Ends a measurement of the array: notes the summary, unless the data were
// reached for writing meanwhile or there is none (the measurement failed),
// and wakes whoever waits for it.
void settle(const NdArray &array, const ValueSummary *summary, std::uint64_t writes)
{
    ArrayNotes &notes = Access::notes(array);
    {
        const std::lock_guard<std::mutex> lock(notes.mutex);
        notes.measuring = false;
        if (summary && notes.writes == writes)
            Access::describe(notes, array, *summary);
    }
    notes.settled.notify_all();
}

} // namespace

std::optional<std::pair<double, double>> ValueSummary::finite_range() const
{
    if (!has_finite())
        return std::nullopt;
    return std::make_pair(low, high);
}

std::optional<ValueSummary> known_summary(const NdArray &array)
{
    ArrayNotes &notes = Access::notes(array);
    const std::lock_guard<std::mutex> lock(notes.mutex);
    if (Access::describes(notes, array))
        return notes.summary;
    return std::nullopt;
}

std::vector<ValueSummary> summarize(const std::vector<NdArray> &arrays)
{
    for (const NdArray &array : arrays) {
        if (!is_real(array.dtype()))
            throw ValueError(_("%1 values cannot be measured").arg(array.dtype_name()));
    }
    std::vector<ValueSummary> summaries(arrays.size());
    // Which arrays this call measures (with the write count when it began)
    // and which another thread is measuring.
    std::vector<std::size_t> mine, busy;
    std::vector<std::uint64_t> writes;
    for (std::size_t a = 0; a < arrays.size(); ++a) {
        ArrayNotes &notes = Access::notes(arrays[a]);
        const std::lock_guard<std::mutex> lock(notes.mutex);
        if (Access::describes(notes, arrays[a])) {
            summaries[a] = *notes.summary;
        } else if (notes.measuring) {
            busy.push_back(a);
        } else {
            notes.measuring = true;
            mine.push_back(a);
            writes.push_back(notes.writes);
        }
    }
    if (!mine.empty()) {
        std::vector<NdArray> measured;
        for (std::size_t a : mine) // float16 is read as float32, converted once
            measured.push_back(arrays[a].dtype() == DType::Float16 ? arrays[a].astype(DType::Float32) : arrays[a]);
        std::vector<ValueSummary> found;
        try {
            found = measure_together(measured);
        } catch (...) {
            for (std::size_t k = 0; k < mine.size(); ++k)
                settle(arrays[mine[k]], nullptr, writes[k]);
            throw;
        }
        for (std::size_t k = 0; k < mine.size(); ++k) {
            summaries[mine[k]] = found[k];
            settle(arrays[mine[k]], &found[k], writes[k]);
        }
    }
    for (std::size_t a : busy) {
        ArrayNotes &notes = Access::notes(arrays[a]);
        std::unique_lock<std::mutex> lock(notes.mutex);
        notes.settled.wait(lock, [&notes] { return !notes.measuring; });
        if (Access::describes(notes, arrays[a])) {
            summaries[a] = *notes.summary;
        } else { // the other measurement failed or was of stale data: measure here
            lock.unlock();
            summaries[a] = summarize(arrays[a]);
        }
    }
    return summaries;
}

ValueSummary summarize(const NdArray &array)
{
    return summarize(std::vector<NdArray>{array}).front();
}

} // namespace kelvra
