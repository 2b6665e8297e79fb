#pragma once

// Reading numbers out of text in place: the primitives every text reader
// shares, and one pass over a long run of numbers shared by two threads.

#include "app/core/progress.h"
#include "app/formats/mappedfile.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <future>
#include <string_view>
#include <vector>

namespace kelvra::app::formats {

inline bool is_space(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// What may stand between the numbers of a data line.
inline bool is_separator(char c)
{
    return is_space(c) || c == ',' || c == ';';
}

// Reads a number at p (a leading '+' is allowed; "nan" and "inf" are
// numbers too). Returns the first character after it, or nullptr when no
// number starts at p.
inline const char *parse_double(const char *p, const char *end, double &value)
{
    if (p < end && *p == '+' && p + 1 < end && p[1] != '-' && p[1] != '+')
        ++p;
    const auto [next, error] = std::from_chars(p, end, value);
    if (error == std::errc::result_out_of_range) {
        // Beyond the range of doubles: what the text says is infinite (or,
        // for tiny numbers, zero); both stay numbers.
        value = (*p == '-') ? -HUGE_VAL : HUGE_VAL;
        if (next - p > 0) {
            const std::string_view text(p, std::size_t(next - p));
            const auto e = text.find_first_of("eE");
            if (e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-')
                value = (*p == '-') ? -0.0 : 0.0;
        }
        return next;
    }
    return error == std::errc() ? next : nullptr;
}

// Whether text, trimmed of spaces, is one number; sets value.
bool parse_whole_number(std::string_view text, double &value);
bool parse_whole_integer(std::string_view text, std::int64_t &value);

// The 1-based number of the line that holds offset.
std::int64_t line_number_at(const char *begin, const char *at);

// The lines of text in memory (a mapped file), one by one, with their
// numbers (from 1). A line is given without its line end ("\n", "\r\n" or
// a lone "\r"). (LineReader in textlines.h reads a device in blocks.)
class MappedLines
{
public:
    MappedLines(const char *begin, const char *end)
        : m_p(begin)
        , m_end(end)
    {
    }
    // The next line; false at the end of the text.
    bool next(std::string_view &line);
    std::int64_t line_number() const { return m_line; }
    // Where the next line starts.
    const char *position() const { return m_p; }
    bool at_end() const { return m_p >= m_end; }

private:
    const char *m_p;
    const char *m_end;
    std::int64_t m_line = 0;
};

std::string_view trimmed(std::string_view text);
// Splits at commas (a grid header's fields), each field trimmed.
std::vector<std::string_view> split_fields(std::string_view line, char separator);
// The words of a line, split at spaces and tabs.
std::vector<std::string_view> split_words(std::string_view line);

// How a run of numbers is split into numbers: at separators only, or also
// where a sign follows a digit or a point ("12.5-7.25" is 12.5 and -7.25,
// as fixed-width fields that fill their width run together).
enum class Glue { No, Signs };

namespace detail {

// Counts the numbers of [p, end) by the same rule that parse_run splits
// them, handing the pages counted back to the system as it goes (the
// reading pass maps them again from the file cache), so that counting
// never holds the whole file in memory.
std::int64_t count_numbers(const MappedFile &file, const char *p, const char *end, Glue glue);

// How far the threads of one run have come and whether they must stop.
struct RunState
{
    std::atomic<std::int64_t> helper_bytes{0};
    std::atomic<bool> stop{false};
};

// Parses the numbers of [p, end) as numbers first, first + 1, ... up to
// (not including) limit into sink, then calls sink.finish(); false on a
// text that is not a number or a count past limit. Sets count to the
// numbers read. Reports each mebibyte done through report(from, to).
template <class Sink, class Report>
bool parse_run(const char *p, const char *end, Glue glue, std::int64_t first, std::int64_t limit, Sink &sink,
               std::int64_t &count, const std::atomic<bool> &stop, Report &&report)
{
    constexpr std::int64_t kStep = 1 << 20;
    const char *reported = p;
    std::int64_t index = first;
    count = 0;
    while (true) {
        while (p < end && is_separator(*p))
            ++p;
        if (p >= end)
            break;
        double value;
        const char *next = parse_double(p, end, value);
        if (!next || (next < end && !is_separator(*next)
                      && !(glue == Glue::Signs && (*next == '-' || *next == '+'))))
            return false;
        if (index >= limit)
            return false;
        sink(index++, value);
        p = next;
        if (p - reported >= kStep) {
            if (stop.load(std::memory_order_relaxed))
                return false;
            report(reported, p);
            reported = p;
        }
    }
    sink.finish();
    report(reported, end);
    count = index - first;
    return true;
}

} // namespace detail

// Parses every number of [begin, end), which must hold exactly expected
// numbers, handing number n (from 0) to sink(n, value) of a sink made by
// make_sink() (an object with operator()(n, value) and finish()). A long
// run is shared between the calling thread and a helper, each with a sink
// of its own: both count the numbers of their half, then each parses its
// half into its own range of numbers, in order.
// Reports the bytes done to progress (on the calling thread) and throws
// Cancelled when it was cancelled. Returns false when the text holds
// something that is not a number or another count: the caller then reads
// it again line by line to say where.
template <class MakeSink>
bool parse_number_stream(const MappedFile &file, const char *begin, const char *end, std::int64_t expected,
                         Glue glue, MakeSink make_sink, Progress *progress)
{
    detail::RunState state;
    std::int64_t reported_helper = 0;
    PageReleaser own_pages(file, begin);
    auto report = [&](const char *from, const char *to) {
        own_pages.read_up_to(to);
        if (progress) {
            const std::int64_t helper = state.helper_bytes.load();
            progress->advance((to - from) + (helper - reported_helper));
            reported_helper = helper;
        }
    };
    constexpr std::int64_t kShared = 8 << 20;
    if (end - begin < kShared) {
        std::int64_t count = 0;
        auto sink = make_sink();
        return detail::parse_run(begin, end, glue, 0, expected, sink, count, state.stop, report)
            && count == expected;
    }
    const char *middle = begin + (end - begin) / 2;
    while (middle < end && !is_separator(*middle))
        ++middle;
    std::promise<std::int64_t> own_counted;
    std::int64_t helper_count = 0;
    auto helper = std::async(std::launch::async, [&, own = own_counted.get_future()]() mutable {
        const std::int64_t counted = detail::count_numbers(file, middle, end, glue);
        const std::int64_t first = own.get();
        if (first < 0 || first + counted != expected)
            return false;
        PageReleaser helper_pages(file, middle);
        auto helper_report = [&](const char *from, const char *to) {
            helper_pages.read_up_to(to);
            state.helper_bytes.fetch_add(to - from);
        };
        auto sink = make_sink();
        return detail::parse_run(middle, end, glue, first, expected, sink, helper_count, state.stop, helper_report);
    });
    struct StopHelper
    {
        detail::RunState &state;
        std::future<bool> &future;
        ~StopHelper()
        {
            if (future.valid()) {
                state.stop = true;
                future.wait();
            }
        }
    } stop_helper{state, helper};

    const std::int64_t own_expected = detail::count_numbers(file, begin, middle, glue);
    own_counted.set_value(own_expected);
    std::int64_t own_count = 0;
    auto sink = make_sink();
    bool ok = detail::parse_run(begin, middle, glue, 0, own_expected, sink, own_count, state.stop, report);
    if (!ok)
        state.stop = true;
    while (helper.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (progress) {
            const std::int64_t helper_bytes = state.helper_bytes.load();
            progress->advance(helper_bytes - reported_helper);
            reported_helper = helper_bytes;
        }
    }
    const bool helper_ok = helper.get();
    if (progress)
        progress->advance(state.helper_bytes.load() - reported_helper);
    return ok && helper_ok && own_count == own_expected && own_count + helper_count == expected;
}

} // namespace kelvra::app::formats
