#pragma once

// The notes an array's storage carries: what one pass over the values of
// the array (or of one view of it) found, whether a thread is measuring
// them right now, and a count of the writes that make any such note stale.
// Internal to the host library.

#include "host/ndarray.h"
#include "host/valuesummary.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

namespace kelvra {

struct ArrayNotes
{
    std::mutex mutex;
    std::condition_variable settled; // a measurement ended
    std::uint64_t writes = 0;        // grows with every non-const access to the data
    bool measuring = false;
    // The summary and the view it is of.
    std::optional<ValueSummary> summary;
    std::int64_t offset = 0;
    std::int64_t size = 0;
    DType dtype = DType::Float64;

    void forget()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        ++writes;
        summary.reset();
    }
};

} // namespace kelvra
