#pragma once

// A type-erased n-dimensional numeric array: element type, extents and
// contiguous little-endian element data in C (row-major) order, held in
// shared storage. Taking a range of rows along the first axis gives a view
// that shares the storage and copies nothing, so cutting a large array into
// chunks costs the same for 4 KiB as for 4 GiB. Sizes are 64-bit throughout.
// The storage carries notes of what was measured of its values (see
// host/valuesummary.h), forgotten whenever the data is reached through a
// non-const accessor, which is how anything writes into it.

#include "host/errors.h"
#include "host/kelvrahost_export.h"
#include "host/translation.h"

#include <QString>

#include <complex>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace kelvra {

struct ArrayNotes;

// Element types; their names are the usual ones of Python's numeric tools
// ("float32", "int8", "complex128", "bool").
enum class DType : std::uint8_t {
    Bool,
    Int8,
    Int16,
    Int32,
    Int64,
    UInt8,
    UInt16,
    UInt32,
    UInt64,
    Float16,
    Float32,
    Float64,
    Complex64,
    Complex128,
};

// Every element type, in declaration order.
KELVRAHOST_EXPORT const std::vector<DType> &all_dtypes();
// Bytes per element.
KELVRAHOST_EXPORT int dtype_size(DType dtype);
KELVRAHOST_EXPORT QString dtype_name(DType dtype);

// The element type that holds a C++ type, for the types that have one
// (float16 has no C++ type).
template <typename T> struct dtype_of;
template <> struct dtype_of<bool> : std::integral_constant<DType, DType::Bool> {};
template <> struct dtype_of<std::int8_t> : std::integral_constant<DType, DType::Int8> {};
template <> struct dtype_of<std::int16_t> : std::integral_constant<DType, DType::Int16> {};
template <> struct dtype_of<std::int32_t> : std::integral_constant<DType, DType::Int32> {};
template <> struct dtype_of<std::int64_t> : std::integral_constant<DType, DType::Int64> {};
template <> struct dtype_of<std::uint8_t> : std::integral_constant<DType, DType::UInt8> {};
template <> struct dtype_of<std::uint16_t> : std::integral_constant<DType, DType::UInt16> {};
template <> struct dtype_of<std::uint32_t> : std::integral_constant<DType, DType::UInt32> {};
template <> struct dtype_of<std::uint64_t> : std::integral_constant<DType, DType::UInt64> {};
template <> struct dtype_of<float> : std::integral_constant<DType, DType::Float32> {};
template <> struct dtype_of<double> : std::integral_constant<DType, DType::Float64> {};
template <> struct dtype_of<std::complex<float>> : std::integral_constant<DType, DType::Complex64> {};
template <> struct dtype_of<std::complex<double>> : std::integral_constant<DType, DType::Complex128> {};

class KELVRAHOST_EXPORT NdArray
{
public:
    // An empty one-dimensional float64 array.
    NdArray();
    // A new array of zeros. Fresh storage is mapped lazily by the system, so
    // pages the caller never writes are never touched. Negative extents and
    // byte sizes past 64 bits throw ValueError.
    NdArray(DType dtype, std::vector<std::int64_t> shape);
    // An array over elements that something else owns, such as an array of
    // another library: storage points at them in C order, and its deleter
    // lets the owner go once no array or view uses them any more. Negative
    // extents and byte sizes past 64 bits throw ValueError.
    NdArray(DType dtype, std::vector<std::int64_t> shape, std::shared_ptr<std::byte> storage);

    // A one-dimensional array holding the values, or one with the given
    // extents (whose product must be the number of values; {} for 0-d).
    template <typename T>
    static NdArray from_values(const std::vector<T> &values);
    template <typename T>
    static NdArray from_values(const std::vector<T> &values, std::vector<std::int64_t> shape);

    // A new array: the parts one after the other along the first axis. All
    // parts need the same element type, at least one axis and the same
    // extents on the other axes; otherwise ValueError.
    static NdArray concatenate(const std::vector<NdArray> &parts);

    DType dtype() const { return m_dtype; }
    QString dtype_name() const { return kelvra::dtype_name(m_dtype); }
    const std::vector<std::int64_t> &shape() const { return m_shape; }
    int ndim() const { return static_cast<int>(m_shape.size()); }
    // Number of elements (1 for a 0-d array).
    std::int64_t size() const { return m_size; }
    std::int64_t itemsize() const { return dtype_size(m_dtype); }
    std::int64_t nbytes() const { return m_size * itemsize(); }
    // Extent of the first axis; ValueError for a 0-d array.
    std::int64_t rows() const;
    // Bytes of one row (all axes but the first); ValueError for a 0-d array.
    std::int64_t row_nbytes() const;

    // The element data. Views share it: a write through one is seen by all.
    // The non-const accessors forget what was measured of the values.
    const std::byte *bytes() const { return m_storage.get() + m_offset; }
    std::byte *bytes();
    // The element data as T; throws ValueError when T does not match dtype().
    template <typename T> const T *data() const;
    template <typename T> T *data();

    // A view of rows begin (inclusive) to end (exclusive) of the first axis,
    // sharing this array's storage. ValueError for a range outside the rows.
    NdArray row_range(std::int64_t begin, std::int64_t end) const;
    // Whether both arrays are views of the same storage.
    bool shares_storage(const NdArray &other) const { return m_storage == other.m_storage; }
    // Whether another array or view holds this array's storage too, so that
    // a write through this one would be seen there.
    bool storage_shared() const { return m_storage.use_count() > 1; }

    // A new array with the same element type, extents and values, in storage
    // of its own.
    NdArray copy() const;
    // The elements of a real array converted to float32 or float64; the
    // array itself when it has that type already. ValueError for complex
    // arrays and for other target types.
    NdArray astype(DType dtype) const;
    // A one-dimensional view of all elements in C order, sharing storage.
    NdArray ravel() const;

    // Same element type, same extents and bitwise equal data.
    bool operator==(const NdArray &other) const;
    bool operator!=(const NdArray &other) const { return !(*this == other); }

    // The extents as a tuple: "()", "(12,)", "(10, 3)".
    QString shape_text() const;
    // The elements as nested lists, "[[0, 1], [2, 3]]"; floats keep a
    // decimal point ("1.0"), complex numbers read "(1.0+2.0j)", booleans
    // "True"/"False". An array without elements is "[]", whatever its
    // extents. Arrays of more than 1000 elements show the first and last
    // three entries of each axis around "..."; at most 1000 elements are
    // shown in any case, the lists left open then ending in "...".
    QString to_text() const;

private:
    friend struct ArrayNotesAccess;

    void check_type(DType requested) const;
    // Sets the size from the extents, checking them.
    void count_elements();

    std::shared_ptr<std::byte> m_storage;
    std::shared_ptr<ArrayNotes> m_notes; // shared by every array and view of the storage
    std::int64_t m_offset = 0;
    DType m_dtype = DType::Float64;
    std::vector<std::int64_t> m_shape;
    std::int64_t m_size = 0;
};

// Whether the element type holds real numbers (not complex ones).
KELVRAHOST_EXPORT bool is_real(DType dtype);

// Calls fn with a pointer to the array's elements as their C++ type (bool,
// the integer types, float, double) and returns what it returns. float16
// elements are handed over as float, converted first. ValueError for
// complex arrays.
template <typename Fn>
decltype(auto) visit_real(const NdArray &array, Fn &&fn)
{
    switch (array.dtype()) {
    case DType::Bool: return fn(array.data<bool>());
    case DType::Int8: return fn(array.data<std::int8_t>());
    case DType::Int16: return fn(array.data<std::int16_t>());
    case DType::Int32: return fn(array.data<std::int32_t>());
    case DType::Int64: return fn(array.data<std::int64_t>());
    case DType::UInt8: return fn(array.data<std::uint8_t>());
    case DType::UInt16: return fn(array.data<std::uint16_t>());
    case DType::UInt32: return fn(array.data<std::uint32_t>());
    case DType::UInt64: return fn(array.data<std::uint64_t>());
    case DType::Float32: return fn(array.data<float>());
    case DType::Float64: return fn(array.data<double>());
    case DType::Float16: {
        const NdArray converted = array.astype(DType::Float32);
        return fn(converted.data<float>());
    }
    case DType::Complex64:
    case DType::Complex128:
        break;
    }
    throw ValueError(_("%1 values are not real numbers").arg(array.dtype_name()));
}

template <typename T>
NdArray NdArray::from_values(const std::vector<T> &values)
{
    return from_values(values, {static_cast<std::int64_t>(values.size())});
}

template <typename T>
NdArray NdArray::from_values(const std::vector<T> &values, std::vector<std::int64_t> shape)
{
    NdArray array(dtype_of<T>::value, std::move(shape));
    if (array.size() != static_cast<std::int64_t>(values.size()))
        throw ValueError(_("extents %1 do not hold %2 values")
                             .arg(array.shape_text()).arg(values.size()));
    T *out = array.data<T>();
    for (const T &value : values)
        *out++ = value;
    return array;
}

template <typename T>
const T *NdArray::data() const
{
    check_type(dtype_of<T>::value);
    return reinterpret_cast<const T *>(bytes());
}

template <typename T>
T *NdArray::data()
{
    check_type(dtype_of<T>::value);
    return reinterpret_cast<T *>(bytes());
}

} // namespace kelvra
