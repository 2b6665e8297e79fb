#include "app/formats/textscan.h"

#include <algorithm>

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
    const char *p = start;
    while (p < m_end && *p != '\n' && *p != '\r')
        ++p;
    line = std::string_view(start, std::size_t(p - start));
    if (p < m_end && *p == '\r')
        ++p;
    if (p < m_end && *p == '\n' && (p == line.data() + line.size() || p[-1] == '\r'))
        ++p;
    m_p = p;
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

std::int64_t count_numbers(const char *p, const char *end, Glue glue)
{
    std::int64_t count = 0;
    bool in_number = false;
    char previous = ' ';
    for (; p < end; ++p) {
        const char c = *p;
        if (is_separator(c)) {
            in_number = false;
        } else if (!in_number) {
            in_number = true;
            ++count;
        } else if (glue == Glue::Signs && (c == '-' || c == '+')
                   && ((previous >= '0' && previous <= '9') || previous == '.')) {
            ++count;
        }
        previous = c;
    }
    return count;
}

} // namespace detail

} // namespace kelvra::app::formats
