#pragma once

// What readers of every format share: the object a grid becomes, null
// values, names, and the summary shown before an import.

#include "app/core/geoobject.h"
#include "app/formats/format.h"

#include <future>
#include <utility>
#include <vector>

namespace kelvra::app::formats {

// Whether value is one of the null values (the file's own and the user's).
// Values are compared to a relative 1e-7, as writers print their null value
// through single precision now and then.
inline bool is_null_value(double value, const std::vector<double> &nulls)
{
    for (const double null : nulls) {
        if (value == null || (null != 0 && std::abs(value - null) <= 1e-7 * std::abs(null)))
            return true;
    }
    return false;
}

// X and Y of every node of the grid, null nodes too, so the grid stays
// whole: filled on a thread of their own, so that touching their fresh
// memory overlaps the reading of Z. The future's destructor waits for it.
std::future<std::pair<NdArray, NdArray>> node_coordinates(const GridGeometry &grid);

// A Gsurface of the grid with Z per node (NaN for null nodes) and the
// coordinates from node_coordinates.
ObjectRecord gsurface_record(const QString &name, const GridGeometry &grid, NdArray z,
                             std::future<std::pair<NdArray, NdArray>> coordinates);
inline ObjectRecord gsurface_record(const QString &name, const GridGeometry &grid, NdArray z)
{
    return gsurface_record(name, grid, std::move(z), node_coordinates(grid));
}

// The name an imported object gets: the user's, else the one the file
// gives, else the file's name without its last extension.
QString object_name(const QString &path, const ImportOptions &options, const QString &from_file = {});

// What the records hold, as Description says.
Description summarise(const Format &format, const std::vector<ObjectRecord> &records);

// Files up to this size are read in full to describe them exactly (counts
// of nulls, vertices); larger ones are described from their header.
constexpr std::int64_t kDescribeInFull = 16 << 20;

// The allocation guard: a file of `bytes` bytes that needs at least
// bytes_per_value for each of `values` values cannot hold them.
void check_room(const QString &path, std::int64_t values, double bytes_per_value, std::int64_t bytes,
                const QString &what);

} // namespace kelvra::app::formats
