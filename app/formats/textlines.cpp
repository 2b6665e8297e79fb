#include "app/formats/textlines.h"

#include "app/core/progress.h"

#include <charconv>
#include <cstring>

namespace kelvra::app::formats {
namespace {

constexpr qint64 kBlock = 1 << 20;

bool valid_utf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int more = 0;
        if (c < 0x80)
            more = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (more > 0 && i + std::size_t(more) >= bytes.size())
            return false;
        for (int k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += std::size_t(more) + 1;
    }
    return true;
}

} // namespace

LineReader::LineReader(QIODevice &device, kelvra::app::Progress *progress)
    : m_device(device)
    , m_progress(progress)
{
}

bool LineReader::fill()
{
    if (m_eof)
        return false;
    m_buffer.remove(0, int(m_begin));
    m_begin = 0;
    const int old = m_buffer.size();
    m_buffer.resize(int(old + kBlock));
    const qint64 got = m_device.read(m_buffer.data() + old, kBlock);
    m_buffer.resize(old + int(got > 0 ? got : 0));
    if (got > 0 && m_progress)
        m_progress->advance(got);
    if (got <= 0)
        m_eof = true;
    return got > 0;
}

std::optional<std::string_view> LineReader::next()
{
    if (m_pushed) {
        m_pushed = false;
        return m_last;
    }
    for (;;) {
        const char *data = m_buffer.constData() + m_begin;
        const std::size_t size = std::size_t(m_buffer.size() - m_begin);
        // The line ends at the first LF or CR, whichever comes first.
        const void *lf = std::memchr(data, '\n', size);
        const std::size_t lf_at = lf ? std::size_t(static_cast<const char *>(lf) - data) : size;
        const void *cr = std::memchr(data, '\r', lf_at);
        const std::size_t end = cr ? std::size_t(static_cast<const char *>(cr) - data) : lf_at;
        // A line is complete at its line end; a CR at the very end of what
        // was read may be the first half of a CRLF, so wait for more.
        const bool complete = end < size && !(data[end] == '\r' && end + 1 == size && !m_eof);
        if (complete || (m_eof && size > 0)) {
            std::size_t skip = end;
            if (end < size)
                skip += (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n') ? 2 : 1;
            m_last = std::string_view(data, end);
            m_begin += std::int64_t(skip);
            ++m_line;
            return m_last;
        }
        if (!fill() && m_buffer.size() - m_begin == 0)
            return std::nullopt;
    }
}

QString decode_text(std::string_view bytes)
{
    if (valid_utf8(bytes))
        return QString::fromUtf8(bytes.data(), int(bytes.size()));
    return QString::fromLatin1(bytes.data(), int(bytes.size()));
}

std::optional<double> parse_number(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    if (start < text.size() && text[start] == '+')
        ++start;
    double value = 0;
    const char *first = text.data() + start;
    const char *last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end == first)
        return std::nullopt;
    for (const char *p = end; p < last; ++p) {
        if (*p != ' ' && *p != '\t')
            return std::nullopt;
    }
    return value;
}

std::optional<double> parse_number(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    return parse_number(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

QStringList split_fields(const QString &line)
{
    const bool delimited = line.contains(QLatin1Char(',')) || line.contains(QLatin1Char(';'))
        || line.contains(QLatin1Char('\t'));
    QStringList fields;
    QString current;
    bool in_quotes = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            in_quotes = !in_quotes;
            continue;
        }
        const bool separator = delimited
            ? (c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('\t'))
            : c == QLatin1Char(' ');
        if (separator && !in_quotes) {
            if (delimited || !current.isEmpty())
                fields << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (delimited || !current.trimmed().isEmpty())
        fields << current.trimmed();
    return fields;
}

} // namespace kelvra::app::formats
