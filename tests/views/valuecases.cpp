#include "valuecases.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace kelvra::test {
namespace {

template <typename T>
NdArray of(std::vector<T> values)
{
    return NdArray::from_values(values);
}

NdArray float16_bits(const std::vector<std::uint16_t> &bits)
{
    NdArray values(DType::Float16, {std::int64_t(bits.size())});
    std::memcpy(values.bytes(), bits.data(), bits.size() * 2);
    return values;
}

long double half_value(std::uint16_t bits)
{
    const int sign = bits >> 15, exponent = (bits >> 10) & 0x1f, fraction = bits & 0x3ff;
    long double magnitude;
    if (exponent == 0x1f)
        magnitude = fraction ? std::numeric_limits<long double>::quiet_NaN() : std::numeric_limits<long double>::infinity();
    else if (exponent == 0)
        magnitude = std::ldexp((long double)fraction, -24);
    else
        magnitude = std::ldexp((long double)(fraction | 0x400), exponent - 25);
    return sign ? -magnitude : magnitude;
}

template <typename T>
T raw(const NdArray &values, std::int64_t i)
{
    T value;
    std::memcpy(&value, values.bytes() + i * sizeof(T), sizeof(T));
    return value;
}

} // namespace

std::vector<ValueCase> value_cases()
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double dmax = std::numeric_limits<double>::max();
    constexpr double denormal = std::numeric_limits<double>::denorm_min();
    constexpr float fmax = std::numeric_limits<float>::max();
    constexpr float finf = std::numeric_limits<float>::infinity();
    return {
        {"float64 spanning past the largest double", of<double>({-1e308, 1e308, 1e307, nan, inf, -inf})},
        {"float64 from the lowest to the largest double", of<double>({-dmax, dmax, 3e307})},
        {"float64 subnormal", of<double>({0, denormal, 20 * denormal, nan})},
        {"float64 single value", of<double>({42})},
        {"float64 all equal", of<double>({3, 3, 3})},
        {"float64 infinities among finite values", of<double>({inf, -1, 2, -inf, 0.2})},
        {"float64 nothing finite", of<double>({nan, inf, -inf})},
        {"float32 extremes", of<float>({-fmax, fmax, 1e37f, std::numeric_limits<float>::quiet_NaN(), finf})},
        // -65504, 65504, the smallest subnormal, infinity, NaN, 1.
        {"float16 extremes", float16_bits({0xfbff, 0x7bff, 0x0001, 0x7c00, 0x7e00, 0x3c00})},
        {"bool", of<bool>({false, true})},
        {"int8", of<std::int8_t>({-128, 127, 5})},
        {"uint8", of<std::uint8_t>({0, 255, 100})},
        {"int16", of<std::int16_t>({-32768, 32767, 1000})},
        {"uint16", of<std::uint16_t>({0, 65535, 30000})},
        {"int32", of<std::int32_t>({std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                                    123456789})},
        {"uint32", of<std::uint32_t>({0, std::numeric_limits<std::uint32_t>::max(), 3000000000u})},
        {"int64", of<std::int64_t>({std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(),
                                    1000000000000000000})},
        {"uint64 past 2^53", of<std::uint64_t>({0, std::numeric_limits<std::uint64_t>::max(),
                                                (std::uint64_t(1) << 53) + 1, 10000000000000000000u})},
    };
}

long double value_at(const NdArray &values, std::int64_t i)
{
    switch (values.dtype()) {
    case DType::Bool: return raw<bool>(values, i) ? 1 : 0;
    case DType::Int8: return raw<std::int8_t>(values, i);
    case DType::Int16: return raw<std::int16_t>(values, i);
    case DType::Int32: return raw<std::int32_t>(values, i);
    case DType::Int64: return (long double)raw<std::int64_t>(values, i);
    case DType::UInt8: return raw<std::uint8_t>(values, i);
    case DType::UInt16: return raw<std::uint16_t>(values, i);
    case DType::UInt32: return raw<std::uint32_t>(values, i);
    case DType::UInt64: return (long double)raw<std::uint64_t>(values, i);
    case DType::Float16: return half_value(raw<std::uint16_t>(values, i));
    case DType::Float32: return raw<float>(values, i);
    case DType::Float64: return raw<double>(values, i);
    default: break;
    }
    return std::numeric_limits<long double>::quiet_NaN();
}

bool finite_at(const NdArray &values, std::int64_t i)
{
    return std::isfinite(value_at(values, i));
}

std::optional<std::pair<long double, long double>> finite_extremes(const NdArray &values)
{
    std::optional<std::pair<long double, long double>> extremes;
    for (std::int64_t i = 0; i < values.size(); ++i) {
        if (!finite_at(values, i))
            continue;
        const long double value = value_at(values, i);
        if (!extremes)
            extremes = std::make_pair(value, value);
        extremes->first = std::min(extremes->first, value);
        extremes->second = std::max(extremes->second, value);
    }
    return extremes;
}

int expected_colour_index(long double value, long double low, long double high)
{
    if (!(high > low))
        return 0;
    const long double index = std::floor(256 * ((value - low) / (high - low)));
    return index < 0 ? 0 : index > 255 ? 255 : int(index);
}

} // namespace kelvra::test
