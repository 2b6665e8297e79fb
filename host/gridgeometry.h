#pragma once

// How the vertices of a regular object lie: the nodes of a grid (a
// Gsurface) or the samples of a cube, each the vertex of a fixed number.
// The X and Y of every vertex stay in the object's coordinates as usual;
// the grid says which vertices are neighbours, so that a surface is drawn
// as filled cells and a cube can be cut into slices.

#include "host/kelvrahost_export.h"

#include <QPointF>

#include <cstdint>

namespace kelvra {

struct KELVRAHOST_EXPORT GridGeometry
{
    std::int64_t columns = 0; // nodes along the grid's first axis (i)
    std::int64_t rows = 0;    // nodes along its second axis (j)
    std::int64_t layers = 1;  // samples per node (k): 1 for a surface, more for a cube
    double x_origin = 0;      // map position of node (0, 0)
    double y_origin = 0;
    double x_increment = 0;   // spacing along i and along j (nonzero; negative runs backwards)
    double y_increment = 0;
    double rotation = 0;      // of the i axis, degrees counter-clockwise from east
    double z_origin = 0;      // Z of sample k = 0, and the spacing of samples, when layers > 1
    double z_increment = 0;

    // Vertex of node (i, j), sample k: rows of nodes from the origin
    // outward, i fastest, the samples of one node together.
    std::int64_t vertex(std::int64_t i, std::int64_t j, std::int64_t k = 0) const
    {
        return (j * columns + i) * layers + k;
    }
    // Map position of node (i, j).
    QPointF node_position(double i, double j) const;
    // columns * rows * layers, or -1 when that does not fit 63 bits or a
    // count is not positive.
    std::int64_t vertex_count() const;

    bool operator==(const GridGeometry &other) const;
    bool operator!=(const GridGeometry &other) const { return !(*this == other); }
};

} // namespace kelvra
