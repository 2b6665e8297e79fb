#pragma once

// Writing a file of another tool's format: through a buffer into a
// temporary file beside the target, renamed into place only once it is
// complete, so a failed or cancelled export never leaves half a file and
// leaves a file that was there untouched.

#include "app/core/progress.h"

#include <QSaveFile>
#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

namespace kelvra::app::formats {

class OutputFile
{
public:
    // Opens the temporary file; throws ValueError naming the file and the
    // reason. The progress, if any, counts the bytes written.
    OutputFile(const QString &path, Progress *progress);

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

    // Writes the rest and renames the file into place; throws ValueError.
    void commit();

    // The text number() writes, for field widths.
    static std::string_view number_text(double value, char (&buffer)[32]);

private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    void flush();

    QString m_path;
    QSaveFile m_file;
    Progress *m_progress;
    std::vector<char> m_buffer;
};

} // namespace kelvra::app::formats
