#include "app/formats/textscan.h"

#include <algorithm>
#include <cstring>

namespace kelvra::app::formats {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && is_space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_space(text.back()))
        text.remove_suffix(1);
    return text;
}

bool parse_whole_number(std::string_view text, double &value)
{
    text = trimmed(text);
    if (text.empty())
        return false;
    const char *end = text.data() + text.size();
    return parse_double(text.data(), end, value) == end;
}

bool parse_whole_integer(std::string_view text, std::int64_t &value)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const char *end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && next == end;
}

std::int64_t line_number_at(const char *begin, const char *at)
{
    std::int64_t lines = 1;
    for (const char *p = begin; p < at;) {
        const void *found = std::memchr(p, '\n', std::size_t(at - p));
        if (!found)
            break;
        ++lines;
        p = static_cast<const char *>(found) + 1;
    }
    // Old Mac files end their lines with a lone carriage return.
    if (lines == 1 && std::find(begin, at, '\r') != at)
        lines += std::count(begin, at, '\r');
    return lines;
}

bool LineReader::next(std::string_view &line)
{
    if (m_p >= m_end)
        return false;
    const char *start = m_p;
    const char *newline = static_cast<const char *>(std::memchr(start, '\n', std::size_t(m_end - start)));
    const char *stop = newline ? newline : m_end;
    // A carriage return ends the line too: before the line feed (CRLF), or
    // alone, as old Mac files end their lines.
    const char *cr = static_cast<const char *>(std::memchr(start, '\r', std::size_t(stop - start)));
    if (cr && cr + 1 < stop) {
        line = std::string_view(start, std::size_t(cr - start));
        m_p = cr + 1;
    } else {
        line = std::string_view(start, std::size_t((cr ? cr : stop) - start));
        m_p = newline ? newline + 1 : m_end;
    }
    ++m_line;
    return true;
}

std::vector<std::string_view> split_fields(std::string_view line, char separator)
{
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t at = line.find(separator);
        fields.push_back(trimmed(line.substr(0, at)));
        if (at == std::string_view::npos)
            break;
        line.remove_prefix(at + 1);
    }
    return fields;
}

std::vector<std::string_view> split_words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && is_space(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !is_space(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

namespace detail {

namespace {

// Character classes for counting: a separator, a sign, a digit or point.
constexpr unsigned char kSeparator = 1, kSign = 2, kDigit = 4;

struct Classes
{
    unsigned char of[256] = {};
    constexpr Classes()
    {
        for (const char c : {' ', '\t', '\r', '\n', '\f', '\v', ',', ';'})
            of[static_cast<unsigned char>(c)] = kSeparator;
        of[static_cast<unsigned char>('+')] = of[static_cast<unsigned char>('-')] = kSign;
        for (char c = '0'; c <= '9'; ++c)
            of[static_cast<unsigned char>(c)] = kDigit;
        of[static_cast<unsigned char>('.')] = kDigit;
    }
};
constexpr Classes kClasses;

} // namespace

std::int64_t count_numbers(const MappedFile &file, const char *p, const char *end, Glue glue)
{
    // A number starts at a character that is no separator after one that
    // is, and (with glue) at a sign after a digit or point. Without
    // branches: a byte or two a cycle.
    const unsigned glue_bit = glue == Glue::Signs ? 1u : 0u;
    std::int64_t count = 0;
    unsigned previous = kSeparator;
    PageReleaser pages(file, p);
    while (p < end) {
        const char *stop = std::min(end, p + (4 << 20));
        std::int64_t part = 0;
        for (const char *q = p; q < stop; ++q) {
            const unsigned current = kClasses.of[static_cast<unsigned char>(*q)];
            part += (previous & ~current & kSeparator) | ((current >> 1) & (previous >> 2) & glue_bit);
            previous = current;
        }
        count += part;
        pages.read_up_to(stop);
        p = stop;
    }
    pages.finish(end);
    return count;
}

} // namespace detail

} // namespace kelvra::app::formats
