#pragma once

// Surfaces and cube slices on the map as continuous pictures: which shown
// objects are filled rather than dotted, the grid levels a grid is filled
// from (built once per object, property and sample, and shared by every
// viewer that shows them), and the renderer's pass that fills them.
// Internal to the viewers.

#include "host/gridgeometry.h"
#include "host/ndarray.h"
#include "host/views/hostviews_export.h"
#include "host/views/maplayer.h"

#include <functional>
#include <memory>
#include <optional>

namespace kelvra {

class GridLevels;
struct RenderedMap;

// The grid an object is filled by: its grid, when the grid's nodes are its
// vertices and its spacings finite and nonzero; none otherwise.
std::optional<GridGeometry> surface_grid(const MapObject &object);
// Whether the object is filled by its triangles: int32 or int64 vertex
// numbers of shape (n, 3), at least one row.
bool surface_triangles(const MapObject &object);

// The levels of one layer of grid for values, when they were built before
// for the same arrays and are still in use somewhere; none otherwise.
std::shared_ptr<const GridLevels> cached_grid_levels(const GridGeometry &grid, const NdArray &values,
                                                     std::int64_t layer);
// The same, built when they are not there. Runs on any thread; throws
// ValueError as GridLevels does.
std::shared_ptr<const GridLevels> grid_levels(const GridGeometry &grid, const NdArray &values, std::int64_t layer);

// Fills the layers that have grid levels or triangles into map's keys and
// image, over what the vertex pass drew and under what has larger keys,
// the image's rows shared over the cores. Layers without values are filled
// in their own colour. False when stopped because stale() said so; throws
// ValueError for triangles that are not rows of three vertex numbers.
bool fill_surfaces(RenderedMap &map, const std::function<bool()> &stale);

} // namespace kelvra
