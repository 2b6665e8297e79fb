#pragma once

// Arrays as SQLite blobs in the .npy format of Python's numeric tools, so
// that stored chunks load with np.load and blobs written by np.save load
// here. adapt_array writes version 1.0 with the same bytes that np.save
// writes; convert_array reads versions 1.0 to 3.0.
//
// The decoder treats every blob as untrusted: it checks the magic, the
// version, the header length against the blob and against a size limit, the
// header dictionary's syntax and keys, the element type, the extents
// (overflow-checked) and that the data fills exactly the rest of the blob,
// and throws ValueError naming the fault. It never reads outside the blob.
// Fortran-ordered and big-endian data are accepted and turned into this
// project's C-ordered little-endian layout.

#include "host/kelvrahost_export.h"
#include "host/ndarray.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvra {

// The blob stored for an array: .npy version 1.0 header plus element data.
// ValueError for more than 32 axes or a blob past 2 GiB, which neither
// numpy nor SQLite can take.
KELVRAHOST_EXPORT QByteArray adapt_array(const NdArray &array);

// The array stored in an .npy blob; ValueError naming the fault when the
// blob is not a well-formed .npy blob of a supported element type.
KELVRAHOST_EXPORT NdArray convert_array(const char *data, std::size_t size);
KELVRAHOST_EXPORT NdArray convert_array(const QByteArray &blob);

namespace npy {

// Largest header (after the length field) accepted, as in numpy.
inline constexpr std::int64_t MAX_HEADER_LENGTH = 10000;
// Most axes an array may have, as in numpy.
inline constexpr int MAX_AXES = 32;
// Bytes before the header text: magic, version and the widest length field.
inline constexpr std::int64_t MAX_PREFIX = 12;

// What the header of a blob says, after all checks.
struct Header
{
    DType dtype = DType::Float64;
    std::vector<std::int64_t> shape;
    bool fortran_order = false;
    bool big_endian = false;
    std::int64_t data_offset = 0; // where the element data starts in the blob
    std::int64_t data_nbytes = 0; // element count times element size
};

// Reads the header of a blob of blob_size bytes whose first `available`
// bytes are at `data`. Needs at most MAX_PREFIX + MAX_HEADER_LENGTH bytes
// available; checks that the data fills exactly the rest of the blob.
KELVRAHOST_EXPORT Header read_header(const char *data, std::size_t available, std::int64_t blob_size);

// Turns element data laid out as `header` says, at `data`, into C order,
// little-endian, with booleans as 0 or 1, in place.
KELVRAHOST_EXPORT void to_native(const Header &header, std::byte *data);

// The version 1.0 header that adapt_array writes before the data.
KELVRAHOST_EXPORT QByteArray header_bytes(DType dtype, const std::vector<std::int64_t> &shape);

} // namespace npy
} // namespace kelvra
