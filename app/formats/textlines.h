#pragma once

// Reading the text files of other tools line by line: CR, LF and CRLF line
// ends alike, line numbers from 1 as a text editor shows them, text that is
// UTF-8 where it is valid and ISO-8859-1 where it is not, and numbers read
// without locale or allocation. The file is read in blocks, so a large file
// never sits in memory whole.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string_view>

namespace kelvra::app {
class Progress;
}

namespace kelvra::app::formats {

class LineReader
{
public:
    // Reads device from its current position; reports the bytes read to
    // progress (may be null), which may cancel.
    LineReader(QIODevice &device, kelvra::app::Progress *progress = nullptr);

    // The next line without its line end, or nothing at the end of the
    // file. The view stays valid until the next call.
    std::optional<std::string_view> next();
    // Number of the line last returned (1 for the first).
    std::int64_t line_number() const { return m_line; }
    // Lets the line last returned be returned again by next().
    void push_back() { m_pushed = true; }

private:
    bool fill();

    QIODevice &m_device;
    kelvra::app::Progress *m_progress;
    QByteArray m_buffer;
    std::int64_t m_begin = 0; // start of the unread part of m_buffer
    std::int64_t m_line = 0;
    bool m_eof = false;
    bool m_pushed = false;
    std::string_view m_last;
};

// The text of bytes: UTF-8 where they are valid UTF-8, else ISO-8859-1
// (every byte one character), as files of older tools are.
QString decode_text(std::string_view bytes);

// The number at the start of text, skipping a leading '+'; nothing when
// text does not start with a whole number (trailing blanks are allowed).
std::optional<double> parse_number(std::string_view text);
// Same, for a QString.
std::optional<double> parse_number(const QString &text);

// Cuts a line of a table into trimmed fields: at commas, semicolons and
// tabs where the line has any (blanks then belong to the fields), else at
// runs of blanks. Double quotes around a field are dropped.
QStringList split_fields(const QString &line);

} // namespace kelvra::app::formats
