// IRAP classic grids as text: 19 header numbers
//   -996 NY XINC YINC / XORI XMAX YORI YMAX / NX ROT XROT YROT / 0 0 0 0 0 0 0
// then NX * NY values, rows from the origin northwards, x fastest, as many
// to a line as the writer liked; 9999900 marks an undefined node.

#include "app/formats/builtin.h"
#include "app/formats/format.h"
#include "app/formats/irapgrid.h"
#include "app/formats/mappedfile.h"
#include "app/formats/outputfile.h"
#include "app/formats/records.h"
#include "app/formats/textscan.h"

#include <QFileInfo>

#include <cmath>

namespace kelvra::app::formats {
namespace {

struct AsciiHeader
{
    IrapHeader irap;
    GridGeometry grid;
    const char *data = nullptr;
};

AsciiHeader read_header(const MappedFile &file)
{
    const QString &path = file.path();
    double numbers[19];
    const char *p = file.begin(), *end = file.end();
    for (int n = 0; n < 19; ++n) {
        while (p < end && is_separator(*p))
            ++p;
        const char *start = p;
        while (p < end && !is_separator(*p))
            ++p;
        const std::string_view word(start, std::size_t(p - start));
        const std::int64_t line = line_number_at(file.begin(), start);
        if (word.empty())
            throw FormatError(path, FormatError::Place::Line, line,
                              _("the file ends inside the header, after %1 of its 19 numbers").arg(n));
        if (!parse_whole_number(word, numbers[n]))
            throw FormatError(path, FormatError::Place::Line, line,
                              _("'%1' is not a number").arg(QString::fromUtf8(word.data(), int(word.size()))));
    }
    if (numbers[0] != -996)
        throw FormatError(path, FormatError::Place::Line, 1,
                          _("an IRAP grid starts with -996, not %1").arg(numbers[0]));
    auto whole = [&](double value, int at) {
        if (!(value >= 1 && value <= 9.2e18) || value != std::floor(value))
            throw FormatError(path, FormatError::Place::Line, at,
                              _("%1 is not a count of nodes").arg(value));
        return std::int64_t(value);
    };
    AsciiHeader header;
    IrapHeader &irap = header.irap;
    irap.ny = whole(numbers[1], 1);
    irap.xinc = numbers[2];
    irap.yinc = numbers[3];
    irap.xori = numbers[4];
    irap.xmax = numbers[5];
    irap.yori = numbers[6];
    irap.ymax = numbers[7];
    irap.nx = whole(numbers[8], 3);
    irap.rotation = numbers[9];
    irap.xrot = numbers[10];
    irap.yrot = numbers[11];
    header.grid = irap_grid(path, irap);
    header.data = p;
    return header;
}

// The careful reading that says where a file goes wrong.
[[noreturn]] void find_fault(const MappedFile &file, const AsciiHeader &header)
{
    const QString &path = file.path();
    const std::int64_t total = header.grid.rows * header.grid.columns;
    std::int64_t count = 0;
    MappedLines lines(file.begin(), file.end());
    std::string_view line;
    const std::int64_t first_line = line_number_at(file.begin(), header.data);
    while (lines.next(line)) {
        if (lines.line_number() < first_line)
            continue;
        std::string_view rest = line;
        if (lines.line_number() == first_line)
            rest = std::string_view(header.data, std::size_t(line.data() + line.size() - header.data));
        for (std::string_view word : split_words(rest)) {
            double value;
            if (!parse_whole_number(word, value))
                throw FormatError(path, FormatError::Place::Line, lines.line_number(),
                                  _("'%1' is not a number").arg(QString::fromUtf8(word.data(), int(word.size()))));
            if (++count > total)
                throw FormatError(path, FormatError::Place::Line, lines.line_number(),
                                  _("there are more values than the %1 x %2 nodes of the header")
                                      .arg(header.grid.columns)
                                      .arg(header.grid.rows));
        }
    }
    throw FormatError(path, FormatError::Place::Line, lines.line_number() + 1,
                      _("the file ends after %1 of the %2 values (%3 x %4 nodes)")
                          .arg(count)
                          .arg(total)
                          .arg(header.grid.columns)
                          .arg(header.grid.rows));
}

// Values in the order of the nodes: rows from the origin, x fastest.
struct RowSink
{
    double *z;
    const std::vector<double> &nulls;
    void operator()(std::int64_t s, double value) { z[s] = is_null_value(value, nulls) ? NAN : value; }
    void finish() {}
};

class IrapAsciiFormat : public Format
{
public:
    QString name() const override { return QStringLiteral("irap-ascii"); }
    QString title() const override { return _("IRAP classic grid (ASCII)"); }
    QStringList patterns() const override
    {
        return {QStringLiteral("*.irap"), QStringLiteral("*.fgr"), QStringLiteral("*.dat"), QStringLiteral("*.txt")};
    }

    int recognise(const QByteArray &head, const QString &path) const override
    {
        const char *p = head.constData(), *end = p + head.size();
        while (p < end && is_space(*p))
            ++p;
        if (end - p >= 5 && std::string_view(p, 4) == "-996" && is_space(p[4]))
            return 3;
        const QString suffix = QFileInfo(path).suffix().toLower();
        return suffix == QLatin1String("irap") || suffix == QLatin1String("fgr") ? 1 : 0;
    }

    Description describe(const QString &path, const ImportOptions &options) const override
    {
        const MappedFile file(path);
        if (file.size() <= kDescribeInFull)
            return summarise(*this, read(path, options, nullptr));
        const AsciiHeader header = read_header(file);
        return describe_irap_grid(title(), header.grid);
    }

    std::vector<ObjectRecord> read(const QString &path, const ImportOptions &options,
                                   Progress *progress) const override
    {
        const MappedFile file(path);
        const AsciiHeader header = read_header(file);
        const std::int64_t total = header.grid.vertex_count();
        check_room(path, total, 2, file.end() - header.data, _("the header"));
        if (progress)
            progress->set_total(file.size());
        std::vector<double> nulls = options.null_values;
        nulls.push_back(kIrapAsciiNull);
        auto coordinates = node_coordinates(header.grid);
        NdArray z(DType::Float64, {total});
        double *values = z.data<double>();
        if (!parse_number_stream(file, header.data, file.end(), total, Glue::No,
                                 [&] { return RowSink{values, nulls}; }, progress))
            find_fault(file, header);
        return {gsurface_record(object_name(path, options), header.grid, std::move(z), std::move(coordinates))};
    }

    bool can_write(const ObjectRecord &object) const override
    {
        return object.grid && object.grid->layers == 1 && object.prop.contains(QStringLiteral("Z"));
    }

    void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
               Progress *progress) const override
    {
        if (!can_write(object))
            Format::write(path, object, options, progress);
        const IrapHeader h = irap_header(*object.grid);
        const double null = options.null_value.value_or(kIrapAsciiNull);
        OutputFile out(path, progress);
        if (progress)
            progress->set_total(h.nx * h.ny * 12);
        auto line = [&](std::initializer_list<double> numbers) {
            bool first = true;
            for (const double number : numbers) {
                if (!first)
                    out.put(' ');
                out.number(number);
                first = false;
            }
            out.put('\n');
        };
        out.write("-996 ");
        out.integer(h.ny);
        out.put(' ');
        line({h.xinc, h.yinc});
        line({h.xori, h.xmax, h.yori, h.ymax});
        out.integer(h.nx);
        out.put(' ');
        line({h.rotation, h.xrot, h.yrot});
        out.write("0  0  0  0  0  0  0\n");
        const double *z = object.prop.value(QStringLiteral("Z")).data<double>();
        const std::int64_t total = h.nx * h.ny;
        for (std::int64_t k = 0; k < total; ++k) {
            out.number(std::isnan(z[k]) ? null : z[k]);
            out.put(k % 6 == 5 || k == total - 1 ? '\n' : ' ');
            if (progress && k % 65536 == 0)
                progress->check();
        }
        out.commit();
    }
};

} // namespace

const Format &irap_ascii_format()
{
    static const IrapAsciiFormat format;
    return format;
}

} // namespace kelvra::app::formats
