#include "app/formats/outputfile.h"

#include "host/errors.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace kelvra::app::formats {

OutputFile::OutputFile(const QString &path, Progress *progress)
    : m_path(path)
    , m_file(path)
    , m_progress(progress)
{
    if (path.isEmpty())
        throw ValueError(QStringLiteral("no file was named to export to"));
    if (!m_file.open(QIODevice::WriteOnly))
        throw ValueError(QStringLiteral("%1: the file cannot be written: %2").arg(path, m_file.errorString()));
    m_buffer.reserve(kFlushAt + 4096);
}

void OutputFile::write(std::string_view text)
{
    if (m_buffer.size() + text.size() > kFlushAt)
        flush();
    m_buffer.insert(m_buffer.end(), text.begin(), text.end());
}

std::string_view OutputFile::number_text(double value, char (&buffer)[32])
{
    if (std::isnan(value))
        return "nan";
    const auto result = std::to_chars(buffer, buffer + 30, value);
    char *end = result.ptr;
    if (std::isfinite(value) && !std::memchr(buffer, '.', std::size_t(end - buffer))
        && !std::memchr(buffer, 'e', std::size_t(end - buffer))) {
        *end++ = '.';
        *end++ = '0';
    }
    return std::string_view(buffer, std::size_t(end - buffer));
}

void OutputFile::number(double value)
{
    char buffer[32];
    write(number_text(value, buffer));
}

void OutputFile::number(double value, int width)
{
    char buffer[32];
    const std::string_view text = number_text(value, buffer);
    for (int i = int(text.size()); i < width; ++i)
        put(' ');
    write(text);
}

void OutputFile::integer(std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    write(std::string_view(buffer, std::size_t(result.ptr - buffer)));
}

void OutputFile::flush()
{
    if (m_buffer.empty())
        return;
    if (m_file.write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size()))
        throw ValueError(QStringLiteral("%1: the file cannot be written: %2").arg(m_path, m_file.errorString()));
    if (m_progress)
        m_progress->advance(std::int64_t(m_buffer.size()));
    m_buffer.clear();
}

void OutputFile::commit()
{
    flush();
    if (!m_file.commit())
        throw ValueError(QStringLiteral("%1: the file cannot be written: %2").arg(m_path, m_file.errorString()));
}

} // namespace kelvra::app::formats
