// IRAP classic grids in binary: big-endian Fortran records, each with its
// length in bytes before and after it.
//   record 1 (32 bytes): int32 -996, int32 NY, float32 XORI XMAX YORI YMAX XINC YINC
//   record 2 (16 bytes): int32 NX, float32 ROT XROT YROT
//   record 3 (28 bytes): seven int32 zeros
// then records of float32 values, NX * NY in all, rows from the origin
// northwards, x fastest; values from 1e30 up mark undefined nodes.

#include "app/formats/builtin.h"
#include "app/formats/format.h"
#include "app/formats/irapgrid.h"
#include "app/formats/mappedfile.h"
#include "app/formats/outputfile.h"
#include "app/formats/records.h"

#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <future>

namespace kelvra::app::formats {
namespace {

inline std::uint32_t big_endian(const char *p)
{
    std::uint32_t value;
    std::memcpy(&value, p, 4);
    return __builtin_bswap32(value);
}

inline float big_endian_float(const char *p)
{
    const std::uint32_t bits = big_endian(p);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

inline void put_big_endian(char *p, std::uint32_t value)
{
    value = __builtin_bswap32(value);
    std::memcpy(p, &value, 4);
}

inline void put_big_endian(char *p, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    put_big_endian(p, bits);
}

struct Record
{
    std::int64_t offset; // of the record's data
    std::int64_t bytes;
};

// Reads the record at offset: its data's place and length, checking the
// markers; throws naming the byte where it goes wrong.
Record record_at(const MappedFile &file, std::int64_t offset, const char *what)
{
    const QString &path = file.path();
    if (file.size() - offset < 4)
        throw FormatError(path, FormatError::Place::Byte, offset,
                          _("the file ends where %1 should start").arg(_(what)));
    const std::int64_t bytes = std::int32_t(big_endian(file.begin() + offset));
    if (bytes < 0 || bytes > file.size() - offset - 8)
        throw FormatError(path, FormatError::Place::Byte, offset,
                          _("%1 claims %2 bytes, which the file does not hold")
                              .arg(_(what))
                              .arg(bytes));
    if (std::int32_t(big_endian(file.begin() + offset + 4 + bytes)) != bytes)
        throw FormatError(path, FormatError::Place::Byte, offset + 4 + bytes,
                          _("%1 of %2 bytes does not end with its length").arg(_(what)).arg(bytes));
    return {offset + 4, bytes};
}

struct BinaryHeader
{
    IrapHeader irap;
    GridGeometry grid;
    std::int64_t data = 0; // offset of the first value record
};

BinaryHeader read_header(const MappedFile &file)
{
    const QString &path = file.path();
    const Record first = record_at(file, 0, QT_TRID_NOOP("the first header record"));
    if (first.bytes != 32)
        throw FormatError(path, FormatError::Place::Byte, 0,
                          _("the first header record has %1 bytes, not 32").arg(first.bytes));
    const char *p = file.begin() + first.offset;
    if (std::int32_t(big_endian(p)) != -996)
        throw FormatError(path, FormatError::Place::Byte, 4, _("an IRAP grid starts with -996"));
    BinaryHeader header;
    IrapHeader &irap = header.irap;
    irap.ny = std::int32_t(big_endian(p + 4));
    irap.xori = big_endian_float(p + 8);
    irap.xmax = big_endian_float(p + 12);
    irap.yori = big_endian_float(p + 16);
    irap.ymax = big_endian_float(p + 20);
    irap.xinc = big_endian_float(p + 24);
    irap.yinc = big_endian_float(p + 28);
    const Record second = record_at(file, first.offset + first.bytes + 4, QT_TRID_NOOP("the second header record"));
    if (second.bytes != 16)
        throw FormatError(path, FormatError::Place::Byte, second.offset - 4,
                          _("the second header record has %1 bytes, not 16").arg(second.bytes));
    p = file.begin() + second.offset;
    irap.nx = std::int32_t(big_endian(p));
    irap.rotation = big_endian_float(p + 4);
    irap.xrot = big_endian_float(p + 8);
    irap.yrot = big_endian_float(p + 12);
    const Record third = record_at(file, second.offset + second.bytes + 4, QT_TRID_NOOP("the third header record"));
    header.grid = irap_grid(path, irap);
    header.data = third.offset + third.bytes + 4;
    return header;
}

class IrapBinaryFormat : public Format
{
public:
    QString name() const override { return QStringLiteral("irap-binary"); }
    QString title() const override { return _("IRAP classic grid (binary)"); }
    QStringList patterns() const override { return {QStringLiteral("*.gri"), QStringLiteral("*.irapbin")}; }

    int recognise(const QByteArray &head, const QString &path) const override
    {
        if (head.size() >= 8 && big_endian(head.constData()) == 32 && std::int32_t(big_endian(head.constData() + 4)) == -996)
            return 3;
        return QFileInfo(path).suffix().toLower() == QLatin1String("gri") ? 1 : 0;
    }

    Description describe(const QString &path, const ImportOptions &options) const override
    {
        const MappedFile file(path);
        if (file.size() <= kDescribeInFull)
            return summarise(*this, read(path, options, nullptr));
        const BinaryHeader header = read_header(file);
        return describe_irap_grid(title(), header.grid);
    }

    std::vector<ObjectRecord> read(const QString &path, const ImportOptions &options,
                                   Progress *progress) const override
    {
        const MappedFile file(path);
        const BinaryHeader header = read_header(file);
        const std::int64_t total = header.grid.vertex_count();
        // Every value takes 4 bytes: a file shorter than that holds no such grid.
        check_room(path, total, 4, file.size() - header.data, _("the header"));
        // Where the records of values are; they hold exactly the values.
        std::vector<Record> records;
        std::int64_t values = 0;
        std::int64_t offset = header.data;
        while (offset < file.size()) {
            const Record record = record_at(file, offset, QT_TRID_NOOP("a record of values"));
            if (record.bytes % 4 != 0)
                throw FormatError(path, FormatError::Place::Byte, offset,
                                  _("a record of values has %1 bytes, not a whole number of float32 values")
                                      .arg(record.bytes));
            values += record.bytes / 4;
            if (values > total)
                throw FormatError(path, FormatError::Place::Byte, offset,
                                  _("there are more values than the %1 x %2 nodes of the header")
                                      .arg(header.grid.columns)
                                      .arg(header.grid.rows));
            records.push_back(record);
            offset = record.offset + record.bytes + 4;
        }
        if (values != total)
            throw FormatError(path, FormatError::Place::Byte, file.size(),
                              _("the file ends after %1 of the %2 values (%3 x %4 nodes)")
                                  .arg(values)
                                  .arg(total)
                                  .arg(header.grid.columns)
                                  .arg(header.grid.rows));
        if (progress)
            progress->set_total(file.size());
        std::vector<double> nulls = options.null_values;
        auto coordinates = node_coordinates(header.grid);
        NdArray z(DType::Float64, {total});
        double *out = z.data<double>();
        // Each half of the records into its own range of nodes.
        std::vector<std::int64_t> first_value(records.size() + 1, 0);
        for (std::size_t r = 0; r < records.size(); ++r)
            first_value[r + 1] = first_value[r] + records[r].bytes / 4;
        std::atomic<bool> stop{false};
        auto convert = [&](std::size_t from, std::size_t to, bool report) {
            if (from >= to)
                return;
            PageReleaser pages(file, file.begin() + records[from].offset);
            for (std::size_t r = from; r < to && !stop; ++r) {
                const char *p = file.begin() + records[r].offset;
                double *target = out + first_value[r];
                const std::int64_t count = records[r].bytes / 4;
                for (std::int64_t k = 0; k < count; ++k) {
                    const double value = big_endian_float(p + 4 * k);
                    target[k] = (value >= kIrapBinaryUndefined || is_null_value(value, nulls)) ? NAN : value;
                }
                pages.read_up_to(p + records[r].bytes);
                if (report && progress)
                    progress->advance(2 * (records[r].bytes + 8));
            }
        };
        const std::size_t half = records.size() / 2;
        if (total < (1 << 20)) {
            convert(0, records.size(), true);
        } else {
            auto second = std::async(std::launch::async, convert, half, records.size(), false);
            try {
                convert(0, half, true);
            } catch (...) {
                stop = true;
                second.wait();
                throw;
            }
            second.get();
        }
        return {gsurface_record(object_name(path, options), header.grid, std::move(z), std::move(coordinates))};
    }

    bool can_write(const ObjectRecord &object) const override
    {
        if (!object.grid || object.grid->layers != 1 || !object.prop.contains(QStringLiteral("Z")))
            return false;
        // Counts are int32 in the header, and a row is one record.
        return object.grid->columns <= INT32_MAX / 4 && object.grid->rows <= INT32_MAX;
    }

    void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
               Progress *progress) const override
    {
        if (!can_write(object))
            Format::write(path, object, options, progress);
        const IrapHeader h = irap_header(*object.grid);
        const float null = float(options.null_value.value_or(kIrapBinaryUndefined));
        OutputFile out(path, progress);
        std::vector<char> buffer;
        auto record = [&](const std::vector<char> &data) {
            char marker[4];
            put_big_endian(marker, std::uint32_t(data.size()));
            out.write(std::string_view(marker, 4));
            out.write(std::string_view(data.data(), data.size()));
            out.write(std::string_view(marker, 4));
        };
        buffer.assign(32, 0);
        put_big_endian(buffer.data(), std::uint32_t(-996));
        put_big_endian(buffer.data() + 4, std::uint32_t(h.ny));
        const float first[] = {float(h.xori), float(h.xmax), float(h.yori), float(h.ymax), float(h.xinc), float(h.yinc)};
        for (int k = 0; k < 6; ++k)
            put_big_endian(buffer.data() + 8 + 4 * k, first[k]);
        record(buffer);
        buffer.assign(16, 0);
        put_big_endian(buffer.data(), std::uint32_t(h.nx));
        put_big_endian(buffer.data() + 4, float(h.rotation));
        put_big_endian(buffer.data() + 8, float(h.xrot));
        put_big_endian(buffer.data() + 12, float(h.yrot));
        record(buffer);
        buffer.assign(28, 0);
        record(buffer);
        // One record per row, as the tools that write these files do.
        if (progress)
            progress->set_total(h.ny * (h.nx * 4 + 8));
        const double *z = object.prop.value(QStringLiteral("Z")).data<double>();
        buffer.resize(std::size_t(h.nx) * 4);
        for (std::int64_t j = 0; j < h.ny; ++j) {
            for (std::int64_t i = 0; i < h.nx; ++i) {
                const double value = z[j * h.nx + i];
                put_big_endian(buffer.data() + 4 * i, std::isnan(value) ? null : float(value));
            }
            record(buffer);
        }
        out.commit();
    }
};

} // namespace

const Format &irap_binary_format()
{
    static const IrapBinaryFormat format;
    return format;
}

} // namespace kelvra::app::formats
