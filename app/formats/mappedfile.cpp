#include "app/formats/mappedfile.h"

#include "app/formats/format.h"

#include <sys/mman.h>
#include <unistd.h>

namespace kelvra::app::formats {

MappedFile::MappedFile(const QString &path)
    : m_path(path)
    , m_file(path)
{
    check_readable(path);
    if (!m_file.open(QIODevice::ReadOnly))
        throw FormatError(path, _("the file cannot be read: %1").arg(m_file.errorString()));
    m_size = m_file.size();
    if (m_size == 0)
        return;
    uchar *mapped = m_file.map(0, m_size);
    if (!mapped)
        throw FormatError(path, _("the file cannot be read: %1").arg(m_file.errorString()));
    m_data = reinterpret_cast<const char *>(mapped);
    ::madvise(mapped, std::size_t(m_size), MADV_SEQUENTIAL);
}

void MappedFile::release(const char *from, const char *to) const
{
    if (m_size == 0)
        return;
    static const std::uintptr_t page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    // Whole pages inside the range only: a page that holds bytes still to be
    // read stays.
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(from) + page - 1) / page * page;
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(to) / page * page;
    if (last > first)
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_DONTNEED);
}

} // namespace kelvra::app::formats
