#include "host/gridgeometry.h"

#include <cmath>
#include <limits>

namespace kelvra {

QPointF GridGeometry::node_position(double i, double j) const
{
    const double radians = rotation * (M_PI / 180.0);
    const double c = std::cos(radians), s = std::sin(radians);
    const double u = i * x_increment, v = j * y_increment;
    return {x_origin + u * c - v * s, y_origin + u * s + v * c};
}

std::int64_t GridGeometry::vertex_count() const
{
    if (columns <= 0 || rows <= 0 || layers <= 0)
        return -1;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    if (columns > kMax / rows || columns * rows > kMax / layers)
        return -1;
    return columns * rows * layers;
}

bool GridGeometry::operator==(const GridGeometry &other) const
{
    return columns == other.columns && rows == other.rows && layers == other.layers
        && x_origin == other.x_origin && y_origin == other.y_origin && x_increment == other.x_increment
        && y_increment == other.y_increment && rotation == other.rotation && z_origin == other.z_origin
        && z_increment == other.z_increment;
}

} // namespace kelvra
