#pragma once

// Wells on the map: a well is a Point object whose vertices are its log
// samples along the well path and that has a measured depth ("MD")
// property. The map draws it as its path, the line through its samples in
// order of MD, with a marker and its name at the wellhead, the shallowest
// sample.

#include "host/ndarray.h"
#include "host/views/hostviews_export.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QPolygonF;

namespace kelvra {

class DataObject;
struct MapView;

// Whether the object is a well: a Point with an "MD" property of real
// numbers.
HOSTVIEWS_EXPORT bool is_well(const DataObject &object);

// The order in which the map draws a well's path.
struct WellPath
{
    // Whether the path leaves the vertices' own order: false when every
    // MD is finite and none is less than the one before, the usual case,
    // in which order stays empty and nothing is copied.
    bool reordered = false;
    // When reordered, the vertices whose MD is finite, shallowest first
    // (samples of equal MD in their own order).
    std::vector<std::int64_t> order;
    // The wellhead: the shallowest vertex with finite X and Y; none when
    // no vertex has a finite MD, X and Y.
    std::optional<std::int64_t> head;
};

// The path of the well with these coordinates (float64) and measured
// depths (real numbers, one per vertex; ValueError otherwise).
HOSTVIEWS_EXPORT WellPath well_path(const NdArray &x, const NdArray &y, const NdArray &md);

// The visible pieces of a well's path in image pixels, as polyline_runs()
// gives them for a line; nothing once stale() says so.
std::optional<std::vector<QPolygonF>> well_runs(const NdArray &x, const NdArray &y, const WellPath &path,
                                                const MapView &view, const std::function<bool()> &stale);

} // namespace kelvra
