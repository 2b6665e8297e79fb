#pragma once

// Writing a file of another tool's format, as safely as a project is saved
// (app/core/filereplacement.h), and the one way every exporter writes: the
// data go into a locked temporary file beside the file they replace, which
// is renamed into place only once complete, so a failed or cancelled
// export never leaves half a file and leaves a file that was there
// untouched. A name that is a symbolic link is written through: the file
// it names is replaced and the link kept. A read-only file, a folder, a
// named pipe or a device at the name is refused before anything is
// written; temporary files that an export or save killed on the way left
// in the folder are removed.

#include "app/core/filereplacement.h"
#include "app/core/progress.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

namespace kelvra::app::formats {

class OutputFile
{
public:
    // Checks the name and makes the temporary file; throws ValueError
    // naming the file and the reason. The progress, if any, counts the
    // bytes written through write() and the like, and can stop the export
    // until the file is renamed into place.
    OutputFile(const QString &path, Progress *progress);

    // Buffered writing.
    void write(std::string_view text);
    void text(const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        write(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    }
    // A number as the shortest text that reads back as the same double,
    // always with a decimal point or an exponent.
    void number(double value);
    // A number right-aligned in a field of width characters (wider when it
    // needs more).
    void number(double value, int width);
    void integer(std::int64_t value);
    void put(char c)
    {
        if (m_buffer.size() >= kFlushAt)
            flush();
        m_buffer.push_back(c);
    }

    // The temporary file, open for writing, for a writer of a QIODevice;
    // the writer counts its own progress.
    QIODevice &device();
    // The temporary file's name, for a library that opens the file itself
    // by name (and has closed it again before commit()).
    const QString &temporary() const { return m_replacement.temporary(); }

    // Writes the rest, brings the file to disk and renames it into place;
    // throws ValueError naming the file, or Cancelled.
    void commit();

    // The text number() writes, for field widths.
    static std::string_view number_text(double value, char (&buffer)[32]);

private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    void flush();
    [[noreturn]] void fail(const QString &reason) const;

    QString m_path;
    Progress *m_progress;
    FileReplacement m_replacement;
    QFile m_file;
    std::vector<char> m_buffer;
};

} // namespace kelvra::app::formats
