#pragma once

// Passes over large arrays shared out over the cores: each thread takes one
// range of the items, with a result of its own. Internal to the viewers.

#include <QThread>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

namespace kelvra {

// Joins the threads it holds when it goes, however the scope is left.
struct Threads
{
    std::vector<std::thread> running;
    ~Threads()
    {
        for (std::thread &thread : running)
            thread.join();
    }
};

// Fewer items than this are passed over on one thread.
inline constexpr std::int64_t kParallelFrom = std::int64_t(1) << 17;

inline int parts_for(std::int64_t items)
{
    return items >= kParallelFrom ? std::max(1, QThread::idealThreadCount()) : 1;
}

// Runs measure(part, begin, end) over count items cut into one range per
// core, each with a part of its own (starting as initial), and returns the parts.
template <typename Part, typename Measure>
std::vector<Part> in_parts(std::int64_t count, Measure measure, Part initial = Part())
{
    const int parts = parts_for(count);
    std::vector<Part> found(std::size_t(parts), initial);
    Threads helpers;
    for (int p = 1; p < parts; ++p) {
        helpers.running.emplace_back([&, p] {
            measure(found[std::size_t(p)], count * p / parts, count * (p + 1) / parts);
        });
    }
    measure(found[0], 0, count / parts);
    for (std::thread &thread : helpers.running)
        thread.join();
    helpers.running.clear();
    return found;
}

} // namespace kelvra
