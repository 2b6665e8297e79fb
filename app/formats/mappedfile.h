#pragma once

// A file read through the system's page mapping: readers parse the bytes in
// place, so a file of hundreds of megabytes is never copied into memory of
// its own, and the pages already parsed can be handed back while the rest
// is read.

#include <QFile>
#include <QString>

#include <cstdint>

namespace kelvra::app::formats {

class MappedFile
{
public:
    // Maps the whole file; throws FormatError naming the file when it is
    // missing, a folder, or cannot be read.
    explicit MappedFile(const QString &path);
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    const QString &path() const { return m_path; }
    const char *begin() const { return m_data; }
    const char *end() const { return m_data + m_size; }
    std::int64_t size() const { return m_size; }

    // The pages of [from, to) are no longer needed: the process lets them go
    // (they stay in the system's file cache). Advice only.
    void release(const char *from, const char *to) const;

private:
    QString m_path;
    QFile m_file;
    const char *m_data = "";
    std::int64_t m_size = 0;
};

// Hands back the pages of a run that one thread reads from front to back,
// in steps of 16 MiB: each release makes every thread of the process
// forget those pages, which is not free.
class PageReleaser
{
public:
    PageReleaser(const MappedFile &file, const char *from)
        : m_file(file)
        , m_from(from)
    {
    }
    // Everything before p is read.
    void read_up_to(const char *p)
    {
        if (p - m_from >= kStep) {
            m_file.release(m_from, p);
            m_from = p;
        }
    }
    // Everything before p is read, and nothing more will be.
    void finish(const char *p)
    {
        m_file.release(m_from, p);
        m_from = p;
    }

private:
    static constexpr std::int64_t kStep = 16 << 20;
    const MappedFile &m_file;
    const char *m_from;
};

} // namespace kelvra::app::formats
