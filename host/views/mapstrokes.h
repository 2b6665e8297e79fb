#pragma once

// What the renderer draws after the vertex pass has landed every vertex in
// its pixel: wider dots where a surface's vertices lie far apart on screen,
// lines and outlines through the vertices in their order, and markers.

#include "host/views/maprender.h"

#include <QPolygonF>

#include <functional>
#include <optional>
#include <vector>

namespace kelvra {

// Widens the dots of Dots layers whose vertices lie far apart on screen
// into the empty pixels around them, so that a coarse grid reads as a grid.
// landed: per layer, the number of its vertices that landed in the image.
// The keys stay as they are.
void widen_sparse_dots(RenderedMap &map, const std::vector<std::int64_t> &landed);

// The visible pieces of the line through the vertices in their order
// (closed: back to the first), in image pixels: clipped to the image,
// broken at vertices with a non-finite coordinate, and with consecutive
// vertices that fall into one pixel taken as one, so that a line of
// millions of vertices costs no more than the pixels it crosses. Nothing
// once stale() says so.
std::optional<std::vector<QPolygonF>> polyline_runs(const double *x, const double *y, std::int64_t count,
                                                    bool closed, const MapView &view,
                                                    const std::function<bool()> &stale);

// Draws the Outline, Polyline and Well layers; false when stopped as stale.
bool draw_lines(RenderedMap &map, const std::function<bool()> &stale);

// Draws a marker centred on each pixel whose vertex belongs to a Marker
// layer, and one at each well's wellhead; later layers and vertices on top.
void stamp_markers(RenderedMap &map);

} // namespace kelvra
