#pragma once

// The header of IRAP classic grids, shared by the ASCII and the binary
// form: rows run from the origin northwards with x fastest; the rotation,
// in degrees counter-clockwise from east, turns the grid about a point the
// header names (the origin, as a rule); XMAX and YMAX are the unrotated
// extents.

#include "app/formats/format.h"
#include "host/gridgeometry.h"

#include <QString>

#include <cstdint>

namespace kelvra::app::formats {

struct IrapHeader
{
    std::int64_t nx = 0, ny = 0;
    double xori = 0, yori = 0, xmax = 0, ymax = 0, xinc = 0, yinc = 0;
    double rotation = 0, xrot = 0, yrot = 0;
};

// The grid of the header; throws FormatError (naming path) when it holds
// no grid: counts below 2, spacings of zero, numbers that are not finite.
GridGeometry irap_grid(const QString &path, const IrapHeader &header);
// The header that describes grid (which must have one layer).
IrapHeader irap_header(const GridGeometry &grid);
// What an import of a grid will make, told from its header alone: a
// Gsurface of its nodes, its extent (the rectangle around its four corner
// nodes, rotation included) and the X, Y and Z it will hold.
Description describe_irap_grid(const QString &format_title, const GridGeometry &grid);

constexpr double kIrapAsciiNull = 9999900.0;
// Binary files mark undefined nodes with values from this one up.
constexpr double kIrapBinaryUndefined = 1e30;

} // namespace kelvra::app::formats
