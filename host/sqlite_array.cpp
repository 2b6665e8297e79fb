#include "host/sqlite_array.h"

#include "host/errors.h"
#include "host/translation.h"

#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace kelvra {
namespace npy {
namespace {

constexpr char kMagic[] = "\x93NUMPY";
constexpr int kMagicLength = 6;
constexpr int kAlign = 64;              // data starts at a multiple of this
constexpr int kGrowthAxisDigits = 21;   // spare room numpy leaves after the header

[[noreturn]] void fail(const QString &what)
{
    throw ValueError(_("invalid .npy blob: %1").arg(what));
}

// Extents written as a Python tuple: "()", "(12,)", "(10, 3)".
QString tuple_text(const std::vector<std::int64_t> &shape)
{
    QStringList extents;
    for (const std::int64_t extent : shape)
        extents << QString::number(extent);
    return QString::fromLatin1(shape.size() == 1 ? "(%1,)" : "(%1)").arg(extents.join(QLatin1String(", ")));
}

struct TypeCode
{
    DType dtype;
    const char *code; // descr without the byte-order character
};

constexpr TypeCode kTypeCodes[] = {
    {DType::Bool, "b1"},      {DType::Int8, "i1"},     {DType::Int16, "i2"},
    {DType::Int32, "i4"},     {DType::Int64, "i8"},    {DType::UInt8, "u1"},
    {DType::UInt16, "u2"},    {DType::UInt32, "u4"},   {DType::UInt64, "u8"},
    {DType::Float16, "f2"},   {DType::Float32, "f4"},  {DType::Float64, "f8"},
    {DType::Complex64, "c8"}, {DType::Complex128, "c16"},
};

std::string descr_of(DType dtype)
{
    for (const TypeCode &type : kTypeCodes) {
        if (type.dtype == dtype)
            return (dtype_size(dtype) == 1 ? "|" : "<") + std::string(type.code);
    }
    throw ValueError(_("no .npy type code for %1").arg(dtype_name(dtype)));
}

// The element type and byte order of a descr string.
std::pair<DType, bool> parse_descr(const std::string &descr)
{
    const QString quoted = QStringLiteral("'%1'").arg(QString::fromLatin1(descr.data(), int(descr.size())));
    if (descr.size() < 2 || std::string("<>|=").find(descr[0]) == std::string::npos)
        fail(_("unsupported element type %1").arg(quoted));
    if (descr[1] == 'O')
        fail(_("object element type %1 is not supported").arg(quoted));
    const std::string code = descr.substr(1);
    for (const TypeCode &type : kTypeCodes) {
        if (code != type.code)
            continue;
        const bool single = dtype_size(type.dtype) == 1;
        if (descr[0] == '|' && !single)
            fail(_("element type %1 lacks its byte order").arg(quoted));
        return {type.dtype, descr[0] == '>' && !single};
    }
    fail(_("unsupported element type %1").arg(quoted));
}

// A strict reader of the header's Python dictionary literal: string keys,
// and as values a quoted string, True or False, or a tuple of non-negative
// integers. Nothing is evaluated.
class HeaderParser
{
public:
    HeaderParser(const char *begin, const char *end) : m_begin(begin), m_pos(begin), m_end(end) {}

    void parse(Header &header)
    {
        std::optional<std::string> descr;
        std::optional<bool> fortran;
        std::optional<std::vector<std::int64_t>> shape;
        skip_space();
        expect('{');
        skip_space();
        while (!peek('}')) {
            const std::string key = string_literal();
            skip_space();
            expect(':');
            skip_space();
            if (key == "descr" && !descr) {
                if (peek('['))
                    fail(_("structured element types are not supported"));
                descr = string_literal();
            } else if (key == "fortran_order" && !fortran) {
                fortran = boolean();
            } else if (key == "shape" && !shape) {
                shape = tuple();
            } else if (key == "descr" || key == "fortran_order" || key == "shape") {
                fail(_("duplicate key '%1' in the header").arg(QString::fromStdString(key)));
            } else {
                fail(_("unexpected key '%1' in the header")
                         .arg(QString::fromLatin1(key.data(), int(key.size()))));
            }
            skip_space();
            if (!peek(','))
                break;
            ++m_pos;
            skip_space();
        }
        expect('}');
        skip_space();
        if (m_pos != m_end)
            fail(_("unexpected text after the header dictionary at offset %1").arg(offset()));
        if (!descr)
            fail(_("the header lacks the key 'descr'"));
        if (!fortran)
            fail(_("the header lacks the key 'fortran_order'"));
        if (!shape)
            fail(_("the header lacks the key 'shape'"));
        std::tie(header.dtype, header.big_endian) = parse_descr(*descr);
        header.fortran_order = *fortran;
        header.shape = std::move(*shape);
    }

private:
    std::int64_t offset() const { return m_pos - m_begin; }

    void skip_space()
    {
        while (m_pos != m_end && (*m_pos == ' ' || *m_pos == '\t' || *m_pos == '\n' || *m_pos == '\r'))
            ++m_pos;
    }

    bool peek(char c) const { return m_pos != m_end && *m_pos == c; }

    void expect(char c)
    {
        if (!peek(c))
            fail(_("malformed header: expected '%1' at offset %2").arg(QLatin1Char(c)).arg(offset()));
        ++m_pos;
    }

    std::string string_literal()
    {
        if (!peek('\'') && !peek('"'))
            fail(_("malformed header: expected a quoted text at offset %1").arg(offset()));
        const char quote = *m_pos++;
        const char *start = m_pos;
        while (m_pos != m_end && *m_pos != quote) {
            if (*m_pos == '\\' || *m_pos == '\n')
                fail(_("malformed header: unsupported character in a text at offset %1").arg(offset()));
            ++m_pos;
        }
        if (m_pos == m_end)
            fail(_("malformed header: unterminated text"));
        return std::string(start, m_pos++);
    }

    bool boolean()
    {
        for (const auto &[word, value] : {std::pair{"True", true}, std::pair{"False", false}}) {
            const std::size_t length = std::strlen(word);
            if (std::size_t(m_end - m_pos) >= length && std::memcmp(m_pos, word, length) == 0) {
                m_pos += std::ptrdiff_t(length);
                return value;
            }
        }
        fail(_("malformed header: fortran_order is not True or False"));
    }

    std::int64_t integer()
    {
        if (peek('-'))
            fail(_("negative extent in the shape"));
        const char *start = m_pos;
        std::int64_t value = 0;
        while (m_pos != m_end && *m_pos >= '0' && *m_pos <= '9') {
            const int digit = *m_pos - '0';
            if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10)
                fail(_("an extent of the shape overflows 64 bits"));
            value = value * 10 + digit;
            ++m_pos;
        }
        if (m_pos == start)
            fail(_("malformed header: expected an extent at offset %1").arg(offset()));
        if (*start == '0' && m_pos - start > 1)
            fail(_("malformed header: extent with a leading zero at offset %1").arg(offset()));
        return value;
    }

    std::vector<std::int64_t> tuple()
    {
        std::vector<std::int64_t> values;
        expect('(');
        skip_space();
        bool trailing_comma = false;
        while (!peek(')')) {
            if (values.size() == std::size_t(MAX_AXES))
                fail(_("the shape has more than %1 axes").arg(MAX_AXES));
            values.push_back(integer());
            skip_space();
            trailing_comma = peek(',');
            if (!trailing_comma)
                break;
            ++m_pos;
            skip_space();
        }
        expect(')');
        if (values.size() == 1 && !trailing_comma)
            fail(_("malformed header: the shape is not a tuple"));
        return values;
    }

    const char *m_begin;
    const char *m_pos;
    const char *m_end;
};

// Copies Fortran-ordered elements into C order.
void fortran_to_c(const std::vector<std::int64_t> &shape, std::int64_t item,
                  const std::byte *in, std::byte *out, std::int64_t count)
{
    const std::size_t axes = shape.size();
    std::vector<std::int64_t> stride(axes), index(axes, 0);
    std::int64_t step = 1;
    for (std::size_t axis = 0; axis < axes; ++axis) {
        stride[axis] = step;
        step *= shape[axis];
    }
    std::int64_t source = 0; // Fortran position of the C position `target`
    for (std::int64_t target = 0; target < count; ++target) {
        std::memcpy(out + target * item, in + source * item, std::size_t(item));
        for (std::size_t axis = axes; axis-- > 0;) {
            source += stride[axis];
            if (++index[axis] < shape[axis])
                break;
            source -= stride[axis] * shape[axis];
            index[axis] = 0;
        }
    }
}

void swap_bytes(std::byte *data, std::int64_t count, int width)
{
    for (std::int64_t i = 0; i < count; ++i, data += width)
        std::reverse(data, data + width);
}

} // namespace

Header read_header(const char *data, std::size_t available, std::int64_t blob_size)
{
    if (blob_size < kMagicLength + 4 || available < std::size_t(kMagicLength + 4))
        fail(_("%1 bytes are too short for an .npy header").arg(blob_size));
    if (std::memcmp(data, kMagic, kMagicLength) != 0)
        fail(_("bad magic, the blob does not start with \\x93NUMPY"));
    const int major = static_cast<unsigned char>(data[6]);
    const int minor = static_cast<unsigned char>(data[7]);
    if (minor != 0 || major < 1 || major > 3)
        fail(_("unsupported .npy version %1.%2").arg(major).arg(minor));
    const std::int64_t prefix = major == 1 ? 10 : 12;
    if (blob_size < prefix || available < std::size_t(prefix))
        fail(_("%1 bytes are too short for an .npy header").arg(blob_size));
    const std::int64_t length = major == 1 ? qFromLittleEndian<quint16>(data + 8)
                                           : qFromLittleEndian<quint32>(data + 8);
    if (length > MAX_HEADER_LENGTH)
        fail(_("header length %1 exceeds the limit of %2 bytes").arg(length).arg(MAX_HEADER_LENGTH));
    if (prefix + length > blob_size)
        fail(_("header length %1 runs past the end of the blob of %2 bytes").arg(length).arg(blob_size));
    if (std::size_t(prefix + length) > available)
        fail(_("the header is not fully available"));

    Header header;
    HeaderParser(data + prefix, data + prefix + length).parse(header);
    header.data_offset = prefix + length;
    // Like NdArray, the product of the nonzero extents must fit as well.
    const std::int64_t item = dtype_size(header.dtype);
    std::int64_t count = 1;
    std::int64_t capacity = item;
    for (const std::int64_t extent : header.shape) {
        if (extent != 0 && capacity > std::numeric_limits<std::int64_t>::max() / extent)
            fail(_("the byte count of shape %1 of %2 overflows")
                     .arg(tuple_text(header.shape), dtype_name(header.dtype)));
        capacity *= std::max<std::int64_t>(extent, 1);
        count *= extent;
    }
    header.data_nbytes = count * item;
    const std::int64_t present = blob_size - header.data_offset;
    if (present != header.data_nbytes)
        fail(_("%1 data bytes do not match shape %2 of %3, which needs %4")
                 .arg(present).arg(tuple_text(header.shape), dtype_name(header.dtype))
                 .arg(header.data_nbytes));
    return header;
}

void to_native(const Header &header, std::byte *data)
{
    const int item = dtype_size(header.dtype);
    const std::int64_t count = header.data_nbytes / item;
    if (header.big_endian) {
        const bool complex = header.dtype == DType::Complex64 || header.dtype == DType::Complex128;
        swap_bytes(data, complex ? 2 * count : count, complex ? item / 2 : item);
    }
    if (header.dtype == DType::Bool) {
        for (std::int64_t i = 0; i < count; ++i)
            data[i] = std::byte(data[i] != std::byte(0));
    }
    if (header.fortran_order && header.shape.size() > 1 && count > 1) {
        const std::vector<std::byte> fortran(data, data + header.data_nbytes);
        fortran_to_c(header.shape, item, fortran.data(), data, count);
    }
}

QByteArray header_bytes(DType dtype, const std::vector<std::int64_t> &shape)
{
    if (shape.size() > std::size_t(MAX_AXES))
        throw ValueError(_("an array of %1 axes cannot be stored; the most is %2")
                             .arg(shape.size()).arg(MAX_AXES));
    // The dictionary exactly as numpy writes it, keys sorted.
    QByteArray text = QStringLiteral("{'descr': '%1', 'fortran_order': False, 'shape': %2, }")
                          .arg(QString::fromStdString(descr_of(dtype)), tuple_text(shape))
                          .toLatin1();
    if (!shape.empty())
        text.append(std::max(0, kGrowthAxisDigits - QString::number(shape.front()).size()), ' ');
    const int length = text.size() + 1; // with the final newline
    const int padding = kAlign - (kMagicLength + 2 + 2 + length) % kAlign;
    QByteArray out(kMagic, kMagicLength);
    out.append(char(1)).append(char(0));
    const quint16 total = quint16(length + padding);
    out.append(char(total & 0xff)).append(char(total >> 8));
    out.append(text).append(padding, ' ').append('\n');
    return out;
}

} // namespace npy

QByteArray adapt_array(const NdArray &array)
{
    const QByteArray header = npy::header_bytes(array.dtype(), array.shape());
    if (array.nbytes() > std::numeric_limits<int>::max() - header.size())
        throw ValueError(_("an array of %1 bytes is too large for one blob").arg(array.nbytes()));
    QByteArray blob;
    blob.reserve(header.size() + int(array.nbytes()));
    blob.append(header);
    blob.append(reinterpret_cast<const char *>(array.bytes()), int(array.nbytes()));
    return blob;
}

NdArray convert_array(const char *data, std::size_t size)
{
    const npy::Header header = npy::read_header(data, size, std::int64_t(size));
    NdArray array(header.dtype, header.shape);
    if (header.data_nbytes)
        std::memcpy(array.bytes(), data + header.data_offset, std::size_t(header.data_nbytes));
    npy::to_native(header, array.bytes());
    return array;
}

NdArray convert_array(const QByteArray &blob)
{
    return convert_array(blob.constData(), std::size_t(blob.size()));
}

} // namespace kelvra
