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

} // namespace kelvra::app::formats
