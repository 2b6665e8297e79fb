#include "patterns.h"

#include <QStringList>
#include <QTest>

#include <complex>

namespace kelvra::test {
namespace {

// The float16 bits of a small whole number (exact up to 2048).
std::uint16_t half_bits(std::int64_t value)
{
    if (value == 0)
        return 0;
    int exponent = 0;
    while ((value >> (exponent + 1)) != 0)
        ++exponent;
    const std::int64_t mantissa = exponent <= 10 ? value << (10 - exponent) : value >> (exponent - 10);
    return std::uint16_t(((exponent + 15) << 10) | (mantissa & 0x3ff));
}

template <typename T>
void fill(NdArray &array)
{
    T *out = reinterpret_cast<T *>(array.bytes());
    for (std::int64_t i = 0; i < array.size(); ++i) {
        if constexpr (std::is_same_v<T, std::complex<float>> || std::is_same_v<T, std::complex<double>>)
            out[i] = T(typename T::value_type(i), typename T::value_type(-i));
        else if constexpr (std::is_same_v<T, bool>)
            out[i] = i != 0;
        else
            out[i] = T(i);
    }
}

} // namespace

NdArray pattern(DType dtype, const std::vector<std::int64_t> &shape)
{
    NdArray array(dtype, shape);
    switch (dtype) {
    case DType::Bool: fill<bool>(array); break;
    case DType::Int8: fill<std::int8_t>(array); break;
    case DType::Int16: fill<std::int16_t>(array); break;
    case DType::Int32: fill<std::int32_t>(array); break;
    case DType::Int64: fill<std::int64_t>(array); break;
    case DType::UInt8: fill<std::uint8_t>(array); break;
    case DType::UInt16: fill<std::uint16_t>(array); break;
    case DType::UInt32: fill<std::uint32_t>(array); break;
    case DType::UInt64: fill<std::uint64_t>(array); break;
    case DType::Float16: {
        auto *out = reinterpret_cast<std::uint16_t *>(array.bytes());
        for (std::int64_t i = 0; i < array.size(); ++i)
            out[i] = half_bits(i);
        break;
    }
    case DType::Float32: fill<float>(array); break;
    case DType::Float64: fill<double>(array); break;
    case DType::Complex64: fill<std::complex<float>>(array); break;
    case DType::Complex128: fill<std::complex<double>>(array); break;
    }
    return array;
}

DType dtype_named(const QString &name)
{
    for (const DType dtype : all_dtypes()) {
        if (dtype_name(dtype) == name)
            return dtype;
    }
    QTest::qFail(qPrintable(QStringLiteral("unknown element type ") + name), __FILE__, __LINE__);
    return DType::Float64;
}

std::vector<std::int64_t> shape_named(const QString &name)
{
    std::vector<std::int64_t> shape;
    if (name == QLatin1String("scalar"))
        return shape;
    for (const QString &extent : name.split(QLatin1Char('x')))
        shape.push_back(extent.toLongLong());
    return shape;
}

} // namespace kelvra::test
