// ZMAP+ grids. A header between two lines starting with '@' gives the
// field width, the null value, the number of rows and columns and the
// extents, which are the positions of the outermost nodes (so the spacing
// is (xmax - xmin) / (columns - 1)); the values follow column by column,
// west to east, each column from north to south and starting on a new
// line. Modelling tools add comment lines ('!') before the header and a
// line starting with '+' after it. There is no rotation.

#include "app/formats/builtin.h"
#include "app/formats/format.h"
#include "app/formats/mappedfile.h"
#include "app/formats/outputfile.h"
#include "app/formats/records.h"
#include "app/formats/textscan.h"

#include <QFileInfo>

#include <cmath>

namespace kelvra::app::formats {
namespace {

constexpr double kDefaultNull = -99999.0;

struct ZmapHeader
{
    int field_width = 0;       // 0 when the header leaves it out
    int per_line = 0;          // values per line, 0 when not given
    int start_column = 1;      // first character of the first field
    double null_value = kDefaultNull;
    std::int64_t rows = 0, columns = 0;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    const char *data = nullptr; // the first data line
    std::int64_t data_line = 0; // its number
    GridGeometry grid;
};

struct Field
{
    std::string_view text;
    std::int64_t line;
};

ZmapHeader read_header(const MappedFile &file)
{
    const QString &path = file.path();
    MappedLines lines(file.begin(), file.end());
    std::string_view line;
    auto fail = [&](std::int64_t at, const QString &reason) -> FormatError {
        return FormatError(path, FormatError::Place::Line, at, reason);
    };
    while (true) {
        if (!lines.next(line))
            throw FormatError(path, _("there is no ZMAP+ header (a line starting with '@')"));
        line = trimmed(line);
        if (line.empty() || line.front() == '!')
            continue;
        if (line.front() != '@')
            throw fail(lines.line_number(), _("a ZMAP+ header starts with '@' here"));
        break;
    }
    ZmapHeader header;
    {
        const std::vector<std::string_view> first = split_fields(line.substr(1), ',');
        if (first.size() < 2 || QString::fromLatin1(first[1].data(), int(first[1].size())).toUpper() != "GRID")
            throw fail(lines.line_number(), _("only ZMAP+ files of type GRID are grids"));
        std::int64_t per_line = 0;
        if (first.size() > 2 && !first[2].empty()) {
            if (!parse_whole_integer(first[2], per_line) || per_line <= 0 || per_line > 10000)
                throw fail(lines.line_number(), _("'%1' is not a count of values per line")
                                                    .arg(QString::fromUtf8(first[2].data(), int(first[2].size()))));
        }
        header.per_line = int(per_line);
    }
    std::vector<Field> fields;
    while (true) {
        if (!lines.next(line))
            throw fail(lines.line_number() + 1, _("the header has no closing '@' line"));
        const std::string_view text = trimmed(line);
        if (!text.empty() && text.front() == '!')
            continue;
        if (!text.empty() && text.front() == '@')
            break;
        std::vector<std::string_view> parts = split_fields(text, ',');
        if (parts.size() > 1 && parts.back().empty())
            parts.pop_back(); // a comma at the end of the line
        for (std::string_view part : parts)
            fields.push_back({part, lines.line_number()});
        if (fields.size() > 64)
            throw fail(lines.line_number(), _("the header has no closing '@' line"));
    }
    if (fields.size() < 11)
        throw fail(lines.line_number(), _("the header has %1 fields; a grid header has at least 11 "
                                          "(field width, null value, null text, decimals, start "
                                          "column, rows, columns, xmin, xmax, ymin, ymax)")
                                            .arg(fields.size()));
    auto text_of = [](const Field &field) { return QString::fromUtf8(field.text.data(), int(field.text.size())); };
    auto number = [&](int index, const char *what) {
        double value;
        if (!parse_whole_number(fields[index].text, value) || !std::isfinite(value))
            throw fail(fields[index].line,
                       _("the %1 '%2' is not a number").arg(_(what), text_of(fields[index])));
        return value;
    };
    auto count = [&](int index, const char *what) {
        std::int64_t value;
        if (!parse_whole_integer(fields[index].text, value) || value <= 0)
            throw fail(fields[index].line, _("the %1 '%2' is not a positive whole number")
                                               .arg(_(what), text_of(fields[index])));
        return value;
    };
    if (!fields[0].text.empty()) {
        const std::int64_t width = count(0, QT_TRID_NOOP("field width"));
        header.field_width = width <= 1000 ? int(width) : 0;
    }
    if (!fields[1].text.empty())
        header.null_value = number(1, QT_TRID_NOOP("null value"));
    else if (!fields[2].text.empty())
        header.null_value = number(2, QT_TRID_NOOP("null value"));
    if (!fields[4].text.empty()) {
        const std::int64_t start = count(4, QT_TRID_NOOP("start column"));
        header.start_column = start <= 1000 ? int(start) : 1;
    }
    header.rows = count(5, QT_TRID_NOOP("number of rows"));
    header.columns = count(6, QT_TRID_NOOP("number of columns"));
    header.xmin = number(7, "xmin");
    header.xmax = number(8, "xmax");
    header.ymin = number(9, "ymin");
    header.ymax = number(10, "ymax");
    if (header.rows < 2 || header.columns < 2)
        throw fail(fields[5].line, _("a grid of %1 rows and %2 columns has no spacing; Kelvra reads "
                                     "grids of at least 2 x 2 nodes")
                                       .arg(header.rows)
                                       .arg(header.columns));
    if (!(header.xmax > header.xmin) || !(header.ymax > header.ymin))
        throw fail(fields[7].line, _("the extents run backwards or are empty (xmin %1, xmax %2, "
                                     "ymin %3, ymax %4)")
                                       .arg(header.xmin)
                                       .arg(header.xmax)
                                       .arg(header.ymin)
                                       .arg(header.ymax));
    // Lines after the header that are not data: '+' and comments.
    const char *data = lines.position();
    std::int64_t data_line = lines.line_number() + 1;
    while (lines.next(line)) {
        const std::string_view text = trimmed(line);
        if (!text.empty() && text.front() != '+' && text.front() != '!')
            break;
        data = lines.position();
        data_line = lines.line_number() + 1;
    }
    header.data = data;
    header.data_line = data_line;
    GridGeometry &grid = header.grid;
    grid.columns = header.columns;
    grid.rows = header.rows;
    if (grid.vertex_count() < 0)
        throw fail(fields[5].line, _("%1 x %2 nodes are more than any file holds")
                                       .arg(header.rows)
                                       .arg(header.columns));
    grid.x_origin = header.xmin;
    grid.y_origin = header.ymin;
    grid.x_increment = (header.xmax - header.xmin) / double(header.columns - 1);
    grid.y_increment = (header.ymax - header.ymin) / double(header.rows - 1);
    return header;
}

// Vertex of the value number s: columns west to east, each from north to south.
inline std::int64_t vertex_of(const ZmapHeader &header, std::int64_t s)
{
    const std::int64_t column = s / header.rows;
    const std::int64_t row_from_north = s - column * header.rows;
    return (header.rows - 1 - row_from_north) * header.columns + column;
}

// Takes the values as they come, column by column from north to south, and
// writes them into the rows of Z a block of columns at a time: one value
// per row and column written straight away would touch a new cache line
// (and, on large grids, a new page) every time.
class ColumnBlocks
{
public:
    ColumnBlocks(const ZmapHeader &header, double *z, const std::vector<double> &nulls)
        : m_header(header)
        , m_z(z)
        , m_nulls(nulls)
        , m_block_columns(std::min<std::int64_t>(64, (1 << 19) / header.rows))
    {
        if (m_block_columns >= 2)
            m_block.resize(std::size_t(m_block_columns * header.rows));
    }

    void operator()(std::int64_t s, double value)
    {
        value = is_null_value(value, m_nulls) ? NAN : value;
        if (m_block.empty()) { // columns too long to hold several of
            m_z[vertex_of(m_header, s)] = value;
            return;
        }
        if (s != m_next)
            seek(s);
        m_block[std::size_t(s - m_block_start)] = value;
        m_next = s + 1;
        if (m_next - m_block_start == std::int64_t(m_block.size()))
            flush();
    }

    void finish()
    {
        if (!m_block.empty())
            flush();
    }

private:
    // Starts the block that holds value s.
    void seek(std::int64_t s)
    {
        flush();
        const std::int64_t column = s / m_header.rows;
        m_block_column = column / m_block_columns * m_block_columns;
        m_block_start = m_block_column * m_header.rows;
        m_first = s;
        m_next = s;
    }

    // Writes the values [m_first, m_next) of the block into their rows,
    // then starts the next block.
    void flush()
    {
        const std::int64_t rows = m_header.rows, columns = m_header.columns;
        if (m_next > m_first) {
            const std::int64_t last_column = std::min(columns, m_block_column + m_block_columns);
            for (std::int64_t r = 0; r < rows; ++r) {
                // Value s = c * rows + r lies in [m_first, m_next) for c in [from, to).
                const std::int64_t from = std::max(m_block_column, m_first <= r ? 0 : (m_first - r + rows - 1) / rows);
                const std::int64_t to = std::min(last_column, m_next <= r ? 0 : (m_next - r + rows - 1) / rows);
                double *row = m_z + (rows - 1 - r) * columns;
                const double *block = m_block.data() + r;
                for (std::int64_t c = from; c < to; ++c)
                    row[c] = block[(c - m_block_column) * rows];
            }
        }
        m_block_column += m_block_columns;
        m_block_start = m_block_column * rows;
        m_first = m_next = m_block_start;
    }

    const ZmapHeader &m_header;
    double *m_z;
    const std::vector<double> &m_nulls;
    std::int64_t m_block_columns;
    std::vector<double> m_block;
    std::int64_t m_block_column = 0; // first column of the block
    std::int64_t m_block_start = 0;  // value number of its first value
    std::int64_t m_first = 0;        // the values of the block held: [m_first, m_next)
    std::int64_t m_next = 0;
};

// The careful reading, line by line, column by column: reads what the
// quick pass could not (fields run together with no space between them)
// and says where a file goes wrong.
void read_values_by_line(const MappedFile &file, const ZmapHeader &header, double *z,
                         const std::vector<double> &nulls)
{
    const QString &path = file.path();
    MappedLines lines(header.data, file.end());
    std::string_view line;
    std::vector<double> values;
    auto fail = [&](std::int64_t at, const QString &reason) -> FormatError {
        return FormatError(path, FormatError::Place::Line, header.data_line - 1 + at, reason);
    };
    // The numbers of one line: split at separators (and where a sign ends a
    // number that fills its field), else cut into fields of the header's width.
    auto numbers_of = [&](std::string_view text, std::int64_t at) {
        values.clear();
        const char *p = text.data(), *end = text.data() + text.size();
        bool ok = true;
        while (ok) {
            while (p < end && is_separator(*p))
                ++p;
            if (p >= end)
                break;
            double value;
            const char *next = parse_double(p, end, value);
            ok = next && (next == end || is_separator(*next) || *next == '-' || *next == '+');
            if (ok) {
                values.push_back(value);
                p = next;
            }
        }
        if (ok)
            return;
        const std::size_t width = std::size_t(header.field_width);
        const std::size_t start = std::size_t(header.start_column - 1);
        const std::string_view body = text.size() > start ? text.substr(start) : std::string_view();
        const std::string_view content = trimmed(body).empty() ? body : body.substr(0, body.find_last_not_of(" \t") + 1);
        if (width > 0) {
            values.clear();
            bool cut = true;
            for (std::size_t at_field = 0; at_field < content.size() && cut; at_field += width) {
                double value;
                cut = parse_whole_number(content.substr(at_field, width), value);
                if (cut)
                    values.push_back(value);
            }
            if (cut)
                return;
        }
        const std::vector<std::string_view> words = split_words(text);
        for (std::string_view word : words) {
            double value;
            if (!parse_whole_number(word, value))
                throw fail(at, _("'%1' is not a number").arg(QString::fromUtf8(word.data(), int(word.size()))));
        }
        throw fail(at, _("the values of this line cannot be told apart"));
    };
    std::int64_t s = 0;
    const std::int64_t total = header.rows * header.columns;
    while (s < total) {
        if (!lines.next(line))
            throw fail(lines.line_number() + 1,
                       _("the file ends after %1 of the %2 values (%3 rows x %4 columns)")
                           .arg(s)
                           .arg(total)
                           .arg(header.rows)
                           .arg(header.columns));
        if (trimmed(line).empty())
            continue;
        numbers_of(line, lines.line_number());
        const std::int64_t in_column = s % header.rows;
        if (in_column + std::int64_t(values.size()) > header.rows)
            throw fail(lines.line_number(), _("column %1 has more values than the %2 rows; each column "
                                              "starts on a new line")
                                                .arg(s / header.rows + 1)
                                                .arg(header.rows));
        for (double value : values) {
            z[vertex_of(header, s)] = is_null_value(value, nulls) ? NAN : value;
            ++s;
        }
    }
    while (lines.next(line)) {
        if (!trimmed(line).empty())
            throw fail(lines.line_number(), _("there are more values than the %1 rows x %2 columns "
                                              "of the header")
                                                .arg(header.rows)
                                                .arg(header.columns));
    }
}

class ZmapFormat : public Format
{
public:
    QString name() const override { return QStringLiteral("zmap"); }
    QString title() const override { return _("ZMAP+ grid"); }
    QStringList patterns() const override { return {QStringLiteral("*.zmap"), QStringLiteral("*.dat")}; }

    int recognise(const QByteArray &head, const QString &path) const override
    {
        const QString suffix = QFileInfo(path).suffix().toLower();
        MappedLines lines(head.constData(), head.constData() + head.size());
        std::string_view line;
        while (lines.next(line)) {
            line = trimmed(line);
            if (line.empty() || line.front() == '!')
                continue;
            if (line.front() == '@') {
                const std::vector<std::string_view> fields = split_fields(line, ',');
                if (fields.size() >= 2 && (fields[1] == "GRID" || fields[1] == "grid"))
                    return 3;
            }
            break;
        }
        return suffix == QLatin1String("zmap") ? 1 : 0;
    }

    Description describe(const QString &path, const ImportOptions &options) const override
    {
        const MappedFile file(path);
        if (file.size() <= kDescribeInFull)
            return summarise(*this, read(path, options, nullptr));
        const ZmapHeader header = read_header(file);
        Description description;
        description.format = title();
        description.geometry_type = QStringLiteral("Gsurface");
        description.vertices = header.rows * header.columns;
        description.extent = QRectF(QPointF(header.xmin, header.ymin), QPointF(header.xmax, header.ymax));
        description.grid = header.grid;
        description.memory_bytes = description.vertices * 24;
        return description;
    }

    std::vector<ObjectRecord> read(const QString &path, const ImportOptions &options,
                                   Progress *progress) const override
    {
        const MappedFile file(path);
        const ZmapHeader header = read_header(file);
        const std::int64_t total = header.rows * header.columns;
        // Each value takes a character and a separator at least.
        check_room(path, total, 2, file.end() - header.data, _("the header"));
        if (progress)
            progress->set_total(file.size());
        std::vector<double> nulls = options.null_values;
        nulls.push_back(header.null_value);
        auto coordinates = node_coordinates(header.grid);
        NdArray z(DType::Float64, {total});
        double *values = z.data<double>();
        const bool read = parse_number_stream(file, header.data, file.end(), total, Glue::Signs,
                                              [&] { return ColumnBlocks(header, values, nulls); }, progress);
        if (!read)
            read_values_by_line(file, header, values, nulls);
        // The header's name is mostly the name of the file it was written to.
        return {gsurface_record(object_name(path, options), header.grid, std::move(z), std::move(coordinates))};
    }

    bool can_write(const ObjectRecord &object) const override
    {
        return object.grid && object.grid->layers == 1 && object.grid->rotation == 0
            && object.prop.contains(QStringLiteral("Z"));
    }

    void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
               Progress *progress) const override
    {
        if (!can_write(object)) {
            if (object.grid && object.grid->rotation != 0)
                throw ValueError(_("%1: ZMAP+ grids have no rotation, and the grid of '%2' is rotated "
                                   "by %3 degrees; export it as an IRAP grid")
                                     .arg(path, object.name)
                                     .arg(object.grid->rotation));
            Format::write(path, object, options, progress);
        }
        const GridGeometry &grid = *object.grid;
        const double null = options.null_value.value_or(kDefaultNull);
        const double *z = object.prop.value(QStringLiteral("Z")).data<double>();
        const std::int64_t rows = grid.rows, columns = grid.columns;
        // Node of column c (west to east) and row r (north to south), for
        // spacings of either sign.
        auto node = [&](std::int64_t c, std::int64_t r) {
            const std::int64_t i = grid.x_increment > 0 ? c : columns - 1 - c;
            const std::int64_t j = grid.y_increment > 0 ? rows - 1 - r : r;
            return z[j * columns + i];
        };
        int width = 15, decimals = 0;
        char buffer[32];
        for (std::int64_t k = 0; k < rows * columns; ++k) {
            const std::string_view text = OutputFile::number_text(std::isnan(z[k]) ? null : z[k], buffer);
            width = std::max(width, int(text.size()) + 1);
            const std::size_t point = text.find('.');
            if (point != std::string_view::npos && text.find('e') == std::string_view::npos)
                decimals = std::max(decimals, int(text.size() - point - 1));
        }
        const double x0 = grid.x_origin, x1 = grid.x_origin + grid.x_increment * double(columns - 1);
        const double y0 = grid.y_origin, y1 = grid.y_origin + grid.y_increment * double(rows - 1);
        OutputFile out(path, progress);
        if (progress)
            progress->set_total(rows * columns * (width + 1));
        QString name = object.name;
        name.replace(QLatin1Char(','), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        out.text(QStringLiteral("!     Written by Kelvra\n@%1 HEADER                     ,      GRID, 5\n").arg(name));
        auto field = [&](double value, int field_width, const char *after) {
            out.number(value, field_width);
            out.write(std::string_view(after));
        };
        auto count = [&](std::int64_t value, const char *after) {
            char text[24];
            const std::string_view digits(text, std::size_t(std::to_chars(text, text + 24, value).ptr - text));
            for (std::size_t i = digits.size(); i < 8; ++i)
                out.put(' ');
            out.write(digits);
            out.write(std::string_view(after));
        };
        count(width, ",");
        field(null, 15, ",       ,");
        count(decimals, ",");
        count(1, "\n");
        count(rows, ",");
        count(columns, ",");
        field(std::min(x0, x1), 15, ",");
        field(std::max(x0, x1), 15, ",");
        field(std::min(y0, y1), 15, ",");
        field(std::max(y0, y1), 15, "\n");
        out.write("         0.0000,         0.0000,         0.0000\n@\n+ Grid data starts after this line\n");
        for (std::int64_t c = 0; c < columns; ++c) {
            for (std::int64_t r = 0; r < rows; ++r) {
                const double value = node(c, r);
                out.number(std::isnan(value) ? null : value, width);
                if (r % 5 == 4 || r == rows - 1)
                    out.put('\n');
            }
            if (progress)
                progress->check();
        }
        out.commit();
    }
};

} // namespace

const Format &zmap_format()
{
    static const ZmapFormat format;
    return format;
}

} // namespace kelvra::app::formats
