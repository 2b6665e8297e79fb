// Columns of numbers: XYZ files (separated by spaces or tabs) and CSV files
// (commas or semicolons). Lines starting with '#' or '!' are comments; a
// first line that is not all numbers names the columns, and columns beside
// X, Y and Z become properties. Points or Lines: a line of 999 999 999
// ends a piece of line, and so does a change in an ID column (POLY_ID, ID,
// ...). Lines keep their pieces in the int32 property "piece", numbered
// from 0 in the order of the file; a map never joins two pieces.

#include "app/formats/builtin.h"
#include "app/formats/format.h"
#include "app/formats/mappedfile.h"
#include "app/formats/outputfile.h"
#include "app/formats/records.h"
#include "app/formats/textscan.h"

#include <QFileInfo>
#include <QSet>

#include <atomic>
#include <cmath>
#include <cstring>
#include <future>

namespace kelvra::app::formats {
namespace {

const QString kPiece = QStringLiteral("piece");
constexpr double kSeparator = 999.0;

bool is_comment(std::string_view line)
{
    line = trimmed(line);
    return !line.empty() && (line.front() == '#' || line.front() == '!');
}

// The fields of a row: separated by spaces and tabs, or by one comma or
// semicolon with spaces around it; two commas in a row leave an empty field.
void split_row(std::string_view line, std::vector<std::string_view> &fields)
{
    fields.clear();
    const char *p = line.data(), *end = p + line.size();
    auto skip_blanks = [&] {
        while (p < end && is_space(*p))
            ++p;
    };
    skip_blanks();
    while (p < end) {
        const char *start = p;
        while (p < end && !is_separator(*p))
            ++p;
        fields.emplace_back(start, std::size_t(p - start));
        skip_blanks();
        if (p < end && (*p == ',' || *p == ';')) {
            ++p;
            skip_blanks();
            if (p >= end)
                fields.emplace_back(); // a separator at the end of the line
        }
    }
}

QString text_of(std::string_view text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

bool name_in(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names) {
        if (name == QLatin1String(candidate))
            return true;
    }
    return false;
}

struct Layout
{
    QStringList names; // of every column; from the header or "column N"
    bool header = false;
    int columns = 0;
    int x = 0, y = 1, z = 2;
    int id = -1;
    const char *data = nullptr; // where the data lines start
    std::int64_t data_line = 1; // the number of the line there
};

Layout read_layout(const MappedFile &file, const ImportOptions &options)
{
    const QString &path = file.path();
    MappedLines lines(file.begin(), file.end());
    std::string_view line;
    std::vector<std::string_view> fields;
    Layout layout;
    const char *before = lines.position();
    bool found = false;
    while (lines.next(line)) {
        if (trimmed(line).empty() || is_comment(line)) {
            before = lines.position();
            continue;
        }
        split_row(line, fields);
        bool numbers = true;
        for (std::string_view field : fields) {
            double value;
            numbers = numbers && (field.empty() || parse_whole_number(field, value));
        }
        if (numbers) {
            layout.data = before;
            layout.data_line = lines.line_number();
            layout.columns = int(fields.size());
            found = true;
            break;
        }
        if (layout.header) {
            // A second line of words: the first one was no header.
            throw FormatError(path, FormatError::Place::Line, lines.line_number(),
                              _("'%1' is not a row of numbers").arg(text_of(trimmed(line))));
        }
        layout.header = true;
        for (std::string_view field : fields)
            layout.names << text_of(field);
        before = lines.position();
    }
    if (!found) {
        layout.data = file.end();
        layout.data_line = lines.line_number() + 1;
        layout.columns = int(layout.names.size());
    }
    if (layout.header && layout.columns != layout.names.size() && found
        && !(layout.columns == layout.names.size() + 1 && fields.back().empty()))
        throw FormatError(path, FormatError::Place::Line, layout.data_line,
                          _("the row has %1 values where the header names %2 columns")
                              .arg(layout.columns)
                              .arg(layout.names.size()));
    if (layout.header)
        layout.columns = int(layout.names.size());
    for (int k = layout.names.size(); k < layout.columns; ++k)
        layout.names << QStringLiteral("column %1").arg(k + 1);
    int x = -1, y = -1, z = -1;
    for (int k = 0; k < layout.names.size() && layout.header; ++k) {
        const QString name = layout.names[k].toLower();
        if (x < 0 && (name_in(name, {"x", "easting", "east", "utmx", "utm_x", "xcoord"}) || name.startsWith("x_")))
            x = k;
        else if (y < 0 && (name_in(name, {"y", "northing", "north", "utmy", "utm_y", "ycoord"}) || name.startsWith("y_")))
            y = k;
        else if (z < 0 && (name_in(name, {"z", "depth", "tvd", "tvdss", "elevation", "elev", "height", "time"})
                           || name.startsWith("z_")))
            z = k;
        else if (layout.id < 0 && (name_in(name, {"poly_id", "polyid", "id", "polygon_id", "line_id", "piece",
                                                   "segment_id", "seg_id", "fault_id", "pid"})))
            layout.id = k;
    }
    layout.x = options.x_column.value_or(x >= 0 ? x : 0);
    layout.y = options.y_column.value_or(y >= 0 ? y : 1);
    layout.z = options.z_column.value_or(z >= 0 ? z : 2);
    const int needed = std::max({layout.x, layout.y, layout.z}) + 1;
    if (layout.x < 0 || layout.y < 0 || layout.z < 0 || layout.x == layout.y || layout.x == layout.z
        || layout.y == layout.z)
        throw FormatError(path, _("X, Y and Z need three different columns"));
    if (found && layout.columns < needed)
        throw FormatError(path, FormatError::Place::Line, layout.data_line,
                          _("the row has %1 values; X, Y and Z are taken from columns %2, %3 and %4")
                              .arg(layout.columns)
                              .arg(layout.x + 1)
                              .arg(layout.y + 1)
                              .arg(layout.z + 1));
    if (layout.id == layout.x || layout.id == layout.y || layout.id == layout.z)
        layout.id = -1;
    return layout;
}

// The rows of a file, column by column, and where its pieces start.
struct Table
{
    std::vector<NdArray> columns; // float64 each, `rows` values used
    std::int64_t rows = 0;
    std::vector<std::int64_t> piece_starts; // rows where a piece starts (0 first)
    bool id_numbers = true; // every ID is a number
};

// A run of whole lines that one thread reads.
struct Part
{
    const char *begin = nullptr, *end = nullptr;
    std::int64_t first_line = 1; // the number of the line at begin
    std::int64_t lines = 0;      // lines in the part
    std::int64_t rows = 0;       // rows of numbers among them
    std::int64_t first_row = 0;  // the row number of its first row
    // Pieces: rows after the part's first one where a piece starts, and
    // whether a separator comes before its first row or after its last.
    std::vector<std::int64_t> piece_starts;
    bool break_before = false, break_after = false;
    std::string_view first_id, last_id;
    bool id_numbers = true;
};

enum class LineKind { Nothing, Separator, Row };

// What a line is; for a line that may be a separator, fields holds its
// fields afterwards. The same rule in the counting and the reading pass.
LineKind line_kind(std::string_view line, const Layout &layout, std::vector<std::string_view> &fields)
{
    std::size_t first = 0;
    while (first < line.size() && is_space(line[first]))
        ++first;
    if (first == line.size() || line[first] == '#' || line[first] == '!')
        return LineKind::Nothing;
    // Only a line with 999 where X is can be a separator.
    if (layout.x == 0 ? line.substr(first, 3) != "999" : line.find("999") == std::string_view::npos)
        return LineKind::Row;
    split_row(line, fields);
    const std::size_t needed = std::size_t(std::max({layout.x, layout.y, layout.z}) + 1);
    if (fields.size() < needed)
        return LineKind::Row;
    for (const int k : {layout.x, layout.y, layout.z}) {
        double value;
        if (!parse_whole_number(fields[std::size_t(k)], value) || value != kSeparator)
            return LineKind::Row;
    }
    return LineKind::Separator;
}

// Reads a row of numbers separated by blanks or by one comma or semicolon
// straight into out. False for anything else (an empty field, a word,
// another count), which the careful reading of the row then takes or
// reports; values written meanwhile are written again.
bool plain_row(std::string_view line, int columns, const std::vector<double> &nulls,
               const std::vector<double *> &out, std::int64_t row)
{
    const char *p = line.data(), *end = p + line.size();
    auto skip_blanks = [&] {
        while (p < end && (*p == ' ' || *p == '\t'))
            ++p;
    };
    auto skip_separator = [&] {
        skip_blanks();
        if (p < end && (*p == ',' || *p == ';')) {
            ++p;
            skip_blanks();
        }
    };
    skip_blanks();
    for (int k = 0; k < columns; ++k) {
        if (k > 0)
            skip_separator();
        double value;
        const char *next = parse_double(p, end, value);
        if (!next || (next < end && !is_separator(*next)))
            return false;
        out[std::size_t(k)][row] = is_null_value(value, nulls) ? NAN : value;
        p = next;
    }
    skip_separator();
    return p == end;
}

// Counts the lines and rows of the part, handing the pages counted back
// to the system as it goes (the reading pass maps them again).
void count_part(const MappedFile &file, Part &part, const Layout &layout)
{
    MappedLines lines(part.begin, part.end);
    std::string_view line;
    std::vector<std::string_view> fields;
    PageReleaser pages(file, part.begin);
    while (lines.next(line)) {
        if (line_kind(line, layout, fields) == LineKind::Row)
            ++part.rows;
        pages.read_up_to(lines.position());
    }
    pages.finish(part.end);
    part.lines = lines.line_number();
}

// Reads the rows of the part into their places in out. report(from, to)
// is told of the bytes done.
template <class Report>
void read_part(const MappedFile &file, Part &part, const Layout &layout, const std::vector<double> &nulls,
               const std::vector<double *> &out, Report &&report)
{
    const QString &path = file.path();
    MappedLines lines(part.begin, part.end);
    std::string_view line;
    std::vector<std::string_view> fields;
    bool piece_open = false; // a separator or an ID change starts the next piece
    const char *reported = part.begin;
    std::int64_t row = part.first_row;
    const std::int64_t end_row = part.first_row + part.rows;
    while (lines.next(line)) {
        const std::int64_t at = part.first_line - 1 + lines.line_number();
        const LineKind kind = line_kind(line, layout, fields);
        if (kind == LineKind::Nothing)
            continue;
        if (kind == LineKind::Separator) {
            piece_open = true;
            continue;
        }
        if (row >= end_row)
            throw FormatError(path, FormatError::Place::Line, at, _("more rows than were counted"));
        if (layout.id < 0 && plain_row(line, layout.columns, nulls, out, row)) {
            if (row == part.first_row)
                part.break_before = piece_open;
            else if (piece_open)
                part.piece_starts.push_back(row);
            piece_open = false;
            ++row;
            if (lines.position() - reported >= (1 << 20)) {
                report(reported, lines.position());
                reported = lines.position();
            }
            continue;
        }
        split_row(line, fields);
        std::size_t count = fields.size();
        if (count == std::size_t(layout.columns) + 1 && fields.back().empty())
            --count;
        if (count != std::size_t(layout.columns))
            throw FormatError(path, FormatError::Place::Line, at,
                              _("the row has %1 values where the rows before have %2")
                                  .arg(count)
                                  .arg(layout.columns));
        for (std::size_t k = 0; k < count; ++k) {
            double value;
            if (int(k) == layout.id) {
                if (!parse_whole_number(fields[k], value)) {
                    part.id_numbers = false;
                    value = NAN;
                }
                out[k][row] = value;
                continue;
            }
            if (fields[k].empty())
                value = NAN;
            else if (!parse_whole_number(fields[k], value))
                throw FormatError(path, FormatError::Place::Line, at,
                                  _("'%1' in column %2 (%3) is not a number")
                                      .arg(text_of(fields[k]))
                                      .arg(k + 1)
                                      .arg(layout.names.value(int(k))));
            out[k][row] = is_null_value(value, nulls) ? NAN : value;
        }
        if (layout.id >= 0) {
            const std::string_view id = trimmed(fields[std::size_t(layout.id)]);
            if (row == part.first_row)
                part.first_id = id;
            else if (id != part.last_id)
                piece_open = true;
            part.last_id = id;
        }
        if (row == part.first_row)
            part.break_before = piece_open;
        else if (piece_open)
            part.piece_starts.push_back(row);
        piece_open = false;
        ++row;
        if (lines.position() - reported >= (1 << 20)) {
            report(reported, lines.position());
            reported = lines.position();
        }
    }
    part.break_after = piece_open;
    report(reported, part.end);
}

Table read_table(const MappedFile &file, const Layout &layout, const std::vector<double> &nulls, Progress *progress)
{
    // Large files are read in two parts at once, each split at a line end.
    std::vector<Part> parts(1);
    parts[0].begin = layout.data;
    parts[0].end = file.end();
    parts[0].first_line = layout.data_line;
    if (file.end() - layout.data >= (8 << 20)) {
        const char *middle = layout.data + (file.end() - layout.data) / 2;
        middle = static_cast<const char *>(std::memchr(middle, '\n', std::size_t(file.end() - middle)));
        if (middle) {
            parts.resize(2);
            parts[0].end = parts[1].begin = middle + 1;
            parts[1].end = file.end();
        }
    }
    std::atomic<bool> stop{false};
    std::atomic<std::int64_t> helper_bytes{0};
    std::int64_t reported_helper = 0;
    // Runs fn(part 0) here and fn(part 1) beside it; the first error (by
    // place in the file) is thrown once both have ended.
    auto both = [&](auto &&own, auto &&helper) {
        if (parts.size() == 1) {
            own(parts[0]);
            return;
        }
        auto future = std::async(std::launch::async, [&] { helper(parts[1]); });
        std::exception_ptr error;
        try {
            own(parts[0]);
        } catch (...) {
            error = std::current_exception();
            stop = true;
        }
        future.wait();
        if (error)
            std::rethrow_exception(error);
        future.get();
    };
    both([&](Part &part) { count_part(file, part, layout); }, [&](Part &part) { count_part(file, part, layout); });
    std::int64_t total = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        parts[k].first_row = total;
        total += parts[k].rows;
        if (k > 0)
            parts[k].first_line = parts[k - 1].first_line + parts[k - 1].lines;
    }
    Table table;
    std::vector<double *> out(std::size_t(layout.columns), nullptr);
    for (int k = 0; k < layout.columns; ++k) {
        table.columns.emplace_back(DType::Float64, std::vector<std::int64_t>{total});
        out[std::size_t(k)] = table.columns.back().data<double>();
    }
    PageReleaser own_pages(file, parts[0].begin);
    auto own_report = [&](const char *from, const char *to) {
        own_pages.read_up_to(to);
        if (progress) {
            const std::int64_t helper = helper_bytes.load();
            progress->advance((to - from) + (helper - reported_helper));
            reported_helper = helper;
        }
    };
    PageReleaser helper_pages(file, parts.back().begin);
    auto helper_report = [&](const char *from, const char *to) {
        helper_pages.read_up_to(to);
        helper_bytes.fetch_add(to - from);
        if (stop)
            throw Cancelled();
    };
    both([&](Part &part) { read_part(file, part, layout, nulls, out, own_report); },
         [&](Part &part) { read_part(file, part, layout, nulls, out, helper_report); });
    if (progress)
        progress->advance(helper_bytes.load() - reported_helper);
    // The pieces: a piece starts at the first row, after every separator
    // and wherever the ID changes, across the parts too.
    table.rows = total;
    const Part *previous = nullptr; // the last part with rows
    bool pending = false;           // a separator in parts of no rows since
    for (const Part &part : parts) {
        if (part.rows == 0) {
            pending = pending || part.break_after;
            continue;
        }
        if (!previous || pending || previous->break_after || part.break_before
            || (layout.id >= 0 && part.first_id != previous->last_id))
            table.piece_starts.push_back(part.first_row);
        pending = false;
        table.piece_starts.insert(table.piece_starts.end(), part.piece_starts.begin(), part.piece_starts.end());
        table.id_numbers = table.id_numbers && part.id_numbers;
        previous = &part;
    }
    return table;
}

std::vector<ObjectRecord> read_columns(const QString &path, const ImportOptions &options, Progress *progress)
{
    const MappedFile file(path);
    const Layout layout = read_layout(file, options);
    if (progress)
        progress->set_total(file.size());
    const Table table = read_table(file, layout, options.null_values, progress);
    if (table.rows == 0)
        throw FormatError(path, _("the file holds no rows of numbers"));
    QString type = options.geometry_type.value_or(QString());
    if (type.isEmpty())
        type = (layout.id >= 0 || table.piece_starts.size() > 1) ? QStringLiteral("Line") : QStringLiteral("Point");
    if (type != QLatin1String("Point") && type != QLatin1String("Line"))
        throw ValueError(_("columns of numbers become Point or Line objects, not %1").arg(type));
    ObjectRecord record;
    record.name = object_name(path, options);
    record.geometry_type = type;
    record.prop.insert(QStringLiteral("X"), table.columns[std::size_t(layout.x)]);
    record.prop.insert(QStringLiteral("Y"), table.columns[std::size_t(layout.y)]);
    record.prop.insert(QStringLiteral("Z"), table.columns[std::size_t(layout.z)]);
    QSet<QString> taken{QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    if (type == QLatin1String("Line"))
        taken << kPiece;
    for (int k = 0; k < layout.columns; ++k) {
        if (k == layout.x || k == layout.y || k == layout.z)
            continue;
        if (k == layout.id && (type == QLatin1String("Line") || !table.id_numbers))
            continue;
        QString name = layout.names[k];
        for (int n = 2; taken.contains(name) || name.isEmpty(); ++n)
            name = QStringLiteral("%1 %2").arg(layout.names[k].isEmpty() ? QStringLiteral("column") : layout.names[k]).arg(n);
        taken << name;
        record.prop.insert(name, table.columns[std::size_t(k)]);
        if (!record.current_property)
            record.current_property = name;
    }
    if (type == QLatin1String("Line")) {
        NdArray piece(DType::Int32, {table.rows});
        std::int32_t *pieces = piece.data<std::int32_t>();
        std::int32_t number = -1;
        std::size_t next = 0;
        for (std::int64_t r = 0; r < table.rows; ++r) {
            if (next < table.piece_starts.size() && table.piece_starts[next] == r) {
                ++number;
                ++next;
            }
            pieces[r] = number;
        }
        record.prop.insert(kPiece, std::move(piece));
    }
    return {std::move(record)};
}

// The first row of data: its fields, for recognising.
bool first_row(const QByteArray &head, std::vector<std::string_view> &fields, bool &commas)
{
    MappedLines lines(head.constData(), head.constData() + head.size());
    std::string_view line;
    bool skipped_header = false;
    while (lines.next(line)) {
        if (trimmed(line).empty() || is_comment(line))
            continue;
        split_row(line, fields);
        bool numbers = fields.size() >= 2;
        for (std::string_view field : fields) {
            double value;
            numbers = numbers && (field.empty() || parse_whole_number(field, value));
        }
        if (numbers) {
            commas = line.find(',') != std::string_view::npos || line.find(';') != std::string_view::npos;
            return true;
        }
        if (skipped_header)
            return false;
        skipped_header = true;
    }
    return false;
}

void write_columns(const QString &path, const ObjectRecord &object, const ExportOptions &options, Progress *progress,
                   char separator)
{
    const bool csv = separator == ',';
    const bool line = object.geometry_type == QLatin1String("Line");
    const NdArray *piece = line && object.prop.contains(kPiece) ? &object.prop.value(kPiece) : nullptr;
    std::vector<NdArray> columns;
    QStringList names;
    for (const QString &key : object.prop.keys()) {
        if (piece && key == kPiece)
            continue;
        names << key;
        columns.push_back(object.prop.value(key).astype(DType::Float64));
    }
    OutputFile out(path, progress);
    const std::int64_t rows = object.prop.value(QStringLiteral("X")).size();
    if (progress)
        progress->set_total(rows * std::int64_t(columns.size()) * 12);
    const bool header = csv || columns.size() > 3;
    if (header) {
        QString text = names.join(QLatin1Char(separator));
        if (csv && piece)
            text += QStringLiteral(",POLY_ID");
        out.text(text + QLatin1Char('\n'));
    }
    auto value = [&](double number) {
        if (std::isnan(number) && options.null_value)
            out.number(*options.null_value);
        else if (!(csv && std::isnan(number)))
            out.number(number);
    };
    auto separator_line = [&] {
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (k > 0)
                out.put(separator);
            out.write("999.0");
        }
        out.put('\n');
    };
    const NdArray pieces = piece ? piece->astype(DType::Float64) : NdArray();
    std::int64_t last_piece = 0;
    for (std::int64_t r = 0; r < rows; ++r) {
        std::int64_t p = 0;
        if (piece) {
            const double number = pieces.data<double>()[r];
            // A piece number that is no whole number in range breaks nothing.
            p = std::isfinite(number) && std::abs(number) < 9e18 ? std::int64_t(number) : last_piece;
            if (r > 0 && p != last_piece && !csv)
                separator_line();
            last_piece = p;
        }
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (k > 0)
                out.put(separator);
            value(columns[k].data<double>()[r]);
        }
        if (csv && piece) {
            out.put(',');
            out.integer(p);
        }
        out.put('\n');
        if (progress && r % 65536 == 0)
            progress->check();
    }
    if (line && !csv && rows > 0)
        separator_line();
    out.commit();
}

class ColumnsFormat : public Format
{
public:
    Description describe(const QString &path, const ImportOptions &options) const override
    {
        const MappedFile file(path);
        if (file.size() <= kDescribeInFull)
            return summarise(*this, read(path, options, nullptr));
        // A large file: what its first lines say, without reading it all.
        const Layout layout = read_layout(file, options);
        Description description;
        description.format = title();
        description.geometry_type = options.geometry_type.value_or(
            layout.id >= 0 ? QStringLiteral("Line") : _("Point or Line"));
        description.nulls = -1;
        for (int k = 0; k < layout.columns; ++k) {
            if (k != layout.x && k != layout.y && k != layout.z && k != layout.id)
                description.properties << layout.names[k];
        }
        description.notes << _("The file is large: its rows, extent and nulls are counted when it is imported.");
        return description;
    }

    std::vector<ObjectRecord> read(const QString &path, const ImportOptions &options,
                                   Progress *progress) const override
    {
        return read_columns(path, options, progress);
    }

    bool can_write(const ObjectRecord &object) const override
    {
        return object.prop.contains(QStringLiteral("X"));
    }
};

class XyzFormat : public ColumnsFormat
{
public:
    QString name() const override { return QStringLiteral("xyz"); }
    QString title() const override { return _("XYZ columns"); }
    QStringList patterns() const override
    {
        return {QStringLiteral("*.xyz"), QStringLiteral("*.poi"), QStringLiteral("*.pol"), QStringLiteral("*.txt"),
                QStringLiteral("*.dat")};
    }
    int recognise(const QByteArray &head, const QString &path) const override
    {
        std::vector<std::string_view> fields;
        bool commas = false;
        if (first_row(head, fields, commas) && !commas && fields.size() >= 3)
            return 2;
        const QString suffix = QFileInfo(path).suffix().toLower();
        return (suffix == QLatin1String("xyz") || suffix == QLatin1String("poi") || suffix == QLatin1String("pol")) ? 1 : 0;
    }
    void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
               Progress *progress) const override
    {
        write_columns(path, object, options, progress, ' ');
    }
};

class CsvFormat : public ColumnsFormat
{
public:
    QString name() const override { return QStringLiteral("csv"); }
    QString title() const override { return _("CSV columns"); }
    QStringList patterns() const override { return {QStringLiteral("*.csv")}; }
    int recognise(const QByteArray &head, const QString &path) const override
    {
        std::vector<std::string_view> fields;
        bool commas = false;
        if (first_row(head, fields, commas) && commas && fields.size() >= 3)
            return 2;
        return QFileInfo(path).suffix().toLower() == QLatin1String("csv") ? 1 : 0;
    }
    void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
               Progress *progress) const override
    {
        write_columns(path, object, options, progress, ',');
    }
};

} // namespace

const Format &xyz_format()
{
    static const XyzFormat format;
    return format;
}

const Format &csv_format()
{
    static const CsvFormat format;
    return format;
}

} // namespace kelvra::app::formats
