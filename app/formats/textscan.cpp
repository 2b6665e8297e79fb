#include "app/formats/textscan.h"

#include <algorithm>
#include <emmintrin.h>
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

bool MappedLines::next(std::string_view &line)
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

// Bits set in each byte value: the processors Debian builds for count them
// no faster themselves (popcnt is not in the x86-64 baseline).
struct BitCounts
{
    unsigned char of[256] = {};
    constexpr BitCounts()
    {
        for (int value = 0; value < 256; ++value)
            for (int bit = 0; bit < 8; ++bit)
                of[value] = static_cast<unsigned char>(of[value] + ((value >> bit) & 1));
    }
};
constexpr BitCounts kBits;

inline unsigned bits16(unsigned mask)
{
    return kBits.of[mask & 0xffu] + kBits.of[(mask >> 8) & 0xffu];
}

} // namespace

std::int64_t count_numbers(const MappedFile &file, const char *p, const char *end, Glue glue)
{
    // A number starts at a character that is no separator after one that
    // is, and (with glue) at a sign after a digit or point. Sixteen bytes
    // at a time: a mask of the separators (and of the digits and signs),
    // the starts are the bits whose neighbour before them is set.
    const bool glued = glue == Glue::Signs;
    std::int64_t count = 0;
    unsigned separator_before = 1, digit_before = 0; // of the character before p
    PageReleaser pages(file, p);
    const __m128i space = _mm_set1_epi8(' '), tab = _mm_set1_epi8('\t'), lf = _mm_set1_epi8('\n'),
                  cr = _mm_set1_epi8('\r'), ff = _mm_set1_epi8('\f'), vt = _mm_set1_epi8('\v'),
                  comma = _mm_set1_epi8(','), semicolon = _mm_set1_epi8(';'), minus = _mm_set1_epi8('-'),
                  plus = _mm_set1_epi8('+'), point = _mm_set1_epi8('.'), below_zero = _mm_set1_epi8('0' - 1),
                  above_nine = _mm_set1_epi8('9' + 1);
    while (end - p >= 16) {
        const char *stop = p + std::min<std::int64_t>((end - p) / 16 * 16, 1 << 20);
        for (; p < stop; p += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
            const __m128i separators = _mm_or_si128(
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, space), _mm_cmpeq_epi8(v, tab)),
                             _mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr))),
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, ff), _mm_cmpeq_epi8(v, vt)),
                             _mm_or_si128(_mm_cmpeq_epi8(v, comma), _mm_cmpeq_epi8(v, semicolon))));
            const unsigned mask = unsigned(_mm_movemask_epi8(separators));
            const unsigned before = ((mask << 1) | separator_before) & 0xffffu;
            count += bits16(~mask & before);
            separator_before = mask >> 15;
            if (glued) {
                const __m128i digits = _mm_or_si128(
                    _mm_and_si128(_mm_cmpgt_epi8(v, below_zero), _mm_cmplt_epi8(v, above_nine)), _mm_cmpeq_epi8(v, point));
                const unsigned digit_mask = unsigned(_mm_movemask_epi8(digits));
                const unsigned sign_mask =
                    unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, minus), _mm_cmpeq_epi8(v, plus))));
                count += bits16(sign_mask & ((digit_mask << 1) | digit_before));
                digit_before = digit_mask >> 15;
            }
        }
        pages.read_up_to(p);
    }
    // The last bytes one by one, by the same rule.
    unsigned previous = (separator_before ? kSeparator : 0u) | (digit_before ? kDigit : 0u);
    const unsigned glue_bit = glued ? 1u : 0u;
    for (; p < end; ++p) {
        const unsigned current = kClasses.of[static_cast<unsigned char>(*p)];
        count += (previous & ~current & kSeparator) | ((current >> 1) & (previous >> 2) & glue_bit);
        previous = current;
    }
    pages.finish(end);
    return count;
}

} // namespace detail

} // namespace kelvra::app::formats
