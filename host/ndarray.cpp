#include "host/ndarray.h"

#include "host/arraynotes.h"
#include "host/translation.h"

#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace kelvra {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "array data is little-endian and used in place");

namespace {

struct DTypeInfo
{
    int size;
    const char *name;
};

DTypeInfo info(DType dtype)
{
    switch (dtype) {
    case DType::Bool: return {1, "bool"};
    case DType::Int8: return {1, "int8"};
    case DType::Int16: return {2, "int16"};
    case DType::Int32: return {4, "int32"};
    case DType::Int64: return {8, "int64"};
    case DType::UInt8: return {1, "uint8"};
    case DType::UInt16: return {2, "uint16"};
    case DType::UInt32: return {4, "uint32"};
    case DType::UInt64: return {8, "uint64"};
    case DType::Float16: return {2, "float16"};
    case DType::Float32: return {4, "float32"};
    case DType::Float64: return {8, "float64"};
    case DType::Complex64: return {8, "complex64"};
    case DType::Complex128: return {16, "complex128"};
    }
    throw ValueError(_("unknown element type %1").arg(int(dtype)));
}

constexpr std::int64_t kHugePagesFrom = 4 << 20; // bytes from which storage asks for huge pages
constexpr std::int64_t kSummaryThreshold = 1000; // elements shown in full up to this count
constexpr std::int64_t kSummaryEdge = 3;         // entries shown at each end of a long axis
constexpr std::int64_t kShownLimit = 1000;       // elements shown at most, whatever the extents

template <typename T>
T load(const std::byte *at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

float half_to_float(std::uint16_t half)
{
    const int exponent = (half >> 10) & 0x1f;
    const int mantissa = half & 0x3ff;
    float magnitude;
    if (exponent == 0)
        magnitude = std::ldexp(float(mantissa), -24);
    else if (exponent == 31)
        magnitude = mantissa ? std::numeric_limits<float>::quiet_NaN()
                             : std::numeric_limits<float>::infinity();
    else
        magnitude = std::ldexp(float(mantissa | 0x400), exponent - 25);
    return (half & 0x8000) ? -magnitude : magnitude;
}

// Shortest text that reads back to the same value, always showing that it
// is a floating-point number.
template <typename T>
QString float_text(T value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    if (!std::isinf(value) && !text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e')))
        text += QLatin1String(".0");
    return text;
}

template <typename T>
QString complex_text(const std::byte *at)
{
    const T re = load<T>(at);
    const T im = load<T>(at + sizeof(T));
    QString imag = float_text(im);
    if (!imag.startsWith(QLatin1Char('-')))
        imag.prepend(QLatin1Char('+'));
    return QStringLiteral("(%1%2j)").arg(float_text(re), imag);
}

QString element_text(DType dtype, const std::byte *at)
{
    switch (dtype) {
    case DType::Bool: return load<std::uint8_t>(at) ? QStringLiteral("True") : QStringLiteral("False");
    case DType::Int8: return QString::number(load<std::int8_t>(at));
    case DType::Int16: return QString::number(load<std::int16_t>(at));
    case DType::Int32: return QString::number(load<std::int32_t>(at));
    case DType::Int64: return QString::number(load<qlonglong>(at));
    case DType::UInt8: return QString::number(load<std::uint8_t>(at));
    case DType::UInt16: return QString::number(load<std::uint16_t>(at));
    case DType::UInt32: return QString::number(load<std::uint32_t>(at));
    case DType::UInt64: return QString::number(load<qulonglong>(at));
    case DType::Float16: return float_text(half_to_float(load<std::uint16_t>(at)));
    case DType::Float32: return float_text(load<float>(at));
    case DType::Float64: return float_text(load<double>(at));
    case DType::Complex64: return complex_text<float>(at);
    case DType::Complex128: return complex_text<double>(at);
    }
    return {};
}

// Zeroed storage of `bytes` bytes. Large blocks come straight from the
// system as zero pages, touched only when first written; they ask for
// transparent huge pages (as numpy does), which makes filling them several
// times faster on first touch and saves TLB misses afterwards.
std::shared_ptr<std::byte> allocate(std::int64_t bytes)
{
    void *memory = std::calloc(std::size_t(std::max<std::int64_t>(bytes, 1)), 1);
    if (!memory)
        throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= kHugePagesFrom) {
        const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
        const std::uintptr_t begin = (std::uintptr_t(memory) + page - 1) / page * page;
        const std::uintptr_t end = (std::uintptr_t(memory) + std::uintptr_t(bytes)) / page * page;
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE); // advice only
    }
#endif
    return std::shared_ptr<std::byte>(static_cast<std::byte *>(memory), [](std::byte *p) { std::free(p); });
}

} // namespace

const std::vector<DType> &all_dtypes()
{
    static const std::vector<DType> types{
        DType::Bool, DType::Int8, DType::Int16, DType::Int32, DType::Int64,
        DType::UInt8, DType::UInt16, DType::UInt32, DType::UInt64,
        DType::Float16, DType::Float32, DType::Float64, DType::Complex64, DType::Complex128};
    return types;
}

int dtype_size(DType dtype)
{
    return info(dtype).size;
}

QString dtype_name(DType dtype)
{
    return QString::fromLatin1(info(dtype).name);
}

NdArray::NdArray() : NdArray(DType::Float64, {0}) {}

NdArray::NdArray(DType dtype, std::vector<std::int64_t> shape)
    : m_notes(std::make_shared<ArrayNotes>()), m_dtype(dtype), m_shape(std::move(shape))
{
    count_elements();
    m_storage = allocate(nbytes());
}

NdArray::NdArray(DType dtype, std::vector<std::int64_t> shape, std::shared_ptr<std::byte> storage)
    : m_storage(std::move(storage)), m_notes(std::make_shared<ArrayNotes>()), m_dtype(dtype),
      m_shape(std::move(shape))
{
    count_elements();
}

std::byte *NdArray::bytes()
{
    if (m_notes) // none in an array moved from
        m_notes->forget();
    return m_storage.get() + m_offset;
}

void NdArray::count_elements()
{
    // The product of the nonzero extents must fit too, so that the bytes of
    // one row stay computable when the first extent is 0.
    m_size = 1;
    const std::int64_t item = dtype_size(m_dtype);
    std::int64_t capacity = item;
    for (const std::int64_t extent : m_shape) {
        if (extent < 0)
            throw ValueError(_("negative extent in shape %1").arg(shape_text()));
        if (extent != 0 && capacity > std::numeric_limits<std::int64_t>::max() / extent)
            throw ValueError(_("an array of shape %1 and type %2 is too large")
                                 .arg(shape_text(), dtype_name()));
        capacity *= std::max<std::int64_t>(extent, 1);
        m_size *= extent;
    }
}

std::int64_t NdArray::rows() const
{
    if (m_shape.empty())
        throw ValueError(_("a 0-d array has no rows"));
    return m_shape.front();
}

std::int64_t NdArray::row_nbytes() const
{
    const std::int64_t count = rows();
    if (count != 0)
        return nbytes() / count;
    std::int64_t bytes = itemsize();
    for (std::size_t axis = 1; axis < m_shape.size(); ++axis)
        bytes *= m_shape[axis]; // no overflow: the constructor checked the product
    return bytes;
}

NdArray NdArray::row_range(std::int64_t begin, std::int64_t end) const
{
    if (begin < 0 || end < begin || end > rows())
        throw ValueError(_("rows %1 to %2 are outside the %3 rows of the array")
                             .arg(begin).arg(end).arg(rows()));
    NdArray view = *this;
    view.m_offset += begin * row_nbytes();
    view.m_shape.front() = end - begin;
    view.m_size = rows() ? m_size / rows() * (end - begin) : 0;
    return view;
}

NdArray NdArray::concatenate(const std::vector<NdArray> &parts)
{
    if (parts.empty())
        throw ValueError(_("need at least one array to concatenate"));
    const NdArray &first = parts.front();
    if (first.ndim() == 0)
        throw ValueError(_("a 0-d array cannot be concatenated"));
    std::vector<std::int64_t> shape = first.shape();
    shape.front() = 0;
    for (const NdArray &part : parts) {
        if (part.dtype() != first.dtype())
            throw ValueError(_("cannot concatenate %1 with %2")
                                 .arg(first.dtype_name(), part.dtype_name()));
        if (part.ndim() != first.ndim()
            || !std::equal(part.shape().begin() + 1, part.shape().end(), first.shape().begin() + 1))
            throw ValueError(_("cannot concatenate shape %1 with %2")
                                 .arg(first.shape_text(), part.shape_text()));
        if (part.rows() > std::numeric_limits<std::int64_t>::max() - shape.front())
            throw ValueError(_("the concatenated array is too large"));
        shape.front() += part.rows();
    }
    NdArray result(first.dtype(), std::move(shape));
    std::byte *out = result.bytes();
    for (const NdArray &part : parts) {
        if (part.nbytes())
            std::memcpy(out, part.bytes(), std::size_t(part.nbytes()));
        out += part.nbytes();
    }
    return result;
}

NdArray NdArray::copy() const
{
    NdArray result(m_dtype, m_shape);
    if (nbytes())
        std::memcpy(result.bytes(), bytes(), std::size_t(nbytes()));
    return result;
}

NdArray NdArray::astype(DType dtype) const
{
    if (dtype == m_dtype)
        return *this;
    if (dtype != DType::Float32 && dtype != DType::Float64)
        throw ValueError(_("cannot convert %1 to %2").arg(dtype_name(), kelvra::dtype_name(dtype)));
    NdArray result(dtype, m_shape);
    const auto convert = [&](auto *out) {
        using Out = std::remove_pointer_t<decltype(out)>;
        if (m_dtype == DType::Float16) {
            const std::byte *in = bytes();
            for (std::int64_t i = 0; i < m_size; ++i)
                out[i] = Out(half_to_float(load<std::uint16_t>(in + 2 * i)));
            return;
        }
        visit_real(*this, [&](const auto *in) { std::copy(in, in + m_size, out); });
    };
    if (dtype == DType::Float32)
        convert(result.data<float>());
    else
        convert(result.data<double>());
    return result;
}

NdArray NdArray::ravel() const
{
    NdArray view = *this;
    view.m_shape = {m_size};
    return view;
}

bool is_real(DType dtype)
{
    return dtype != DType::Complex64 && dtype != DType::Complex128;
}

bool NdArray::operator==(const NdArray &other) const
{
    return m_dtype == other.m_dtype && m_shape == other.m_shape
        && (nbytes() == 0 || std::memcmp(bytes(), other.bytes(), std::size_t(nbytes())) == 0);
}

QString NdArray::shape_text() const
{
    QStringList extents;
    for (const std::int64_t extent : m_shape)
        extents << QString::number(extent);
    if (extents.size() == 1)
        return QStringLiteral("(%1,)").arg(extents.front());
    return QStringLiteral("(%1)").arg(extents.join(QLatin1String(", ")));
}

QString NdArray::to_text() const
{
    // An empty array has no entries to show, whatever its extents.
    if (m_size == 0)
        return QStringLiteral("[]");
    const bool summarise = m_size > kSummaryThreshold;
    const std::int64_t item = itemsize();
    std::int64_t shown = 0;
    QString out;
    // Writes the sub-array at `axis` whose first element is element `first`.
    // Once kShownLimit elements are written, every list still open ends
    // with "...": many short axes then cannot make the text grow without
    // bound either.
    auto write = [&](auto &self, std::size_t axis, std::int64_t first) -> void {
        if (axis == m_shape.size()) {
            out += element_text(m_dtype, bytes() + first * item);
            ++shown;
            return;
        }
        std::int64_t stride = 1;
        for (std::size_t later = axis + 1; later < m_shape.size(); ++later)
            stride *= m_shape[later];
        const std::int64_t extent = m_shape[axis];
        out += QLatin1Char('[');
        for (std::int64_t i = 0; i < extent; ++i) {
            if (i > 0) {
                out += QLatin1String(", ");
                if (shown >= kShownLimit) {
                    out += QLatin1String("...");
                    break;
                }
            }
            if (summarise && extent > 2 * kSummaryEdge && i == kSummaryEdge) {
                out += QLatin1String("..., ");
                i = extent - kSummaryEdge;
            }
            self(self, axis + 1, first + i * stride);
        }
        out += QLatin1Char(']');
    };
    write(write, 0, 0);
    return out;
}

void NdArray::check_type(DType requested) const
{
    if (requested != m_dtype)
        throw ValueError(_("the array holds %1, not %2")
                             .arg(dtype_name(), kelvra::dtype_name(requested)));
}

} // namespace kelvra
