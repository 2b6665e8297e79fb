#include "app/formats/outputfile.h"

#include "app/core/fileaccess.h"

#include "host/errors.h"
#include "host/nativepath.h"
#include "host/translation.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace kelvra::app::formats {
namespace {

// The file that writing to path replaces (see file_to_replace).
QString file_for(const QString &path)
{
    if (path.isEmpty())
        throw ValueError(_("no file was named to export to"));
    return file_to_replace(path);
}

} // namespace

OutputFile::OutputFile(const QString &path, Progress *progress)
    : m_path(path)
    , m_progress(progress)
    , m_replacement(file_for(path))
{
    m_buffer.reserve(kFlushAt + 4096);
}

void OutputFile::fail(const QString &reason) const
{
    throw ValueError(_("cannot write '%1': %2").arg(readable_path(m_path), reason));
}

QIODevice &OutputFile::device()
{
    if (!m_file.isOpen()) {
        // By its bytes: QFile would lose those of a name that does not decode.
        const int fd = ::open(native_path(temporary()).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0 || !m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            if (fd >= 0)
                ::close(fd);
            fail(reason);
        }
    }
    return m_file;
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
    QIODevice &file = device();
    if (file.write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size()))
        fail(file.errorString());
    m_replacement.written(std::int64_t(m_buffer.size()));
    if (m_progress)
        m_progress->advance(std::int64_t(m_buffer.size()));
    m_buffer.clear();
}

void OutputFile::commit()
{
    flush();
    if (m_file.isOpen()) {
        // QFile keeps what was written in a buffer of its own: flush it,
        // and hear what the close reports.
        if (!m_file.flush())
            fail(m_file.errorString());
        m_file.close();
        if (m_file.error() != QFileDevice::NoError)
            fail(m_file.errorString());
    }
    m_replacement.commit(m_progress);
}

} // namespace kelvra::app::formats
