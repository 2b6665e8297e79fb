#include "app/formats/irapgrid.h"

#include <QRectF>

#include <cmath>

namespace kelvra::app::formats {

GridGeometry irap_grid(const QString &path, const IrapHeader &header)
{
    const double numbers[] = {header.xori, header.yori, header.xinc, header.yinc,
                              header.rotation, header.xrot, header.yrot};
    for (const double number : numbers) {
        if (!std::isfinite(number))
            throw FormatError(path, _("the header holds a number that is not finite"));
    }
    if (header.nx < 2 || header.ny < 2)
        throw FormatError(path, _("a grid of %1 x %2 nodes has no spacing; Kelvra reads grids of at "
                                  "least 2 x 2 nodes")
                                    .arg(header.nx)
                                    .arg(header.ny));
    if (header.xinc == 0 || header.yinc == 0)
        throw FormatError(path, _("the header gives a spacing of zero"));
    GridGeometry grid;
    grid.columns = header.nx;
    grid.rows = header.ny;
    grid.x_increment = header.xinc;
    grid.y_increment = header.yinc;
    grid.rotation = header.rotation;
    // The grid turns about (xrot, yrot); its origin moves with it unless it
    // is that point.
    const double radians = header.rotation * (M_PI / 180.0);
    const double c = std::cos(radians), s = std::sin(radians);
    const double dx = header.xori - header.xrot, dy = header.yori - header.yrot;
    grid.x_origin = (dx == 0 && dy == 0) ? header.xori : header.xrot + dx * c - dy * s;
    grid.y_origin = (dx == 0 && dy == 0) ? header.yori : header.yrot + dx * s + dy * c;
    if (grid.vertex_count() < 0)
        throw FormatError(path, _("%1 x %2 nodes are more than any file holds").arg(header.nx).arg(header.ny));
    return grid;
}

IrapHeader irap_header(const GridGeometry &grid)
{
    IrapHeader header;
    header.nx = grid.columns;
    header.ny = grid.rows;
    header.xori = header.xrot = grid.x_origin;
    header.yori = header.yrot = grid.y_origin;
    header.xinc = grid.x_increment;
    header.yinc = grid.y_increment;
    header.xmax = grid.x_origin + grid.x_increment * double(grid.columns - 1);
    header.ymax = grid.y_origin + grid.y_increment * double(grid.rows - 1);
    header.rotation = grid.rotation;
    return header;
}

Description describe_irap_grid(const QString &format_title, const GridGeometry &grid)
{
    Description description;
    description.format = format_title;
    description.geometry_type = QStringLiteral("Gsurface");
    description.vertices = grid.vertex_count();
    QRectF extent;
    for (const QPointF corner : {grid.node_position(0, 0), grid.node_position(grid.columns - 1, 0),
                                 grid.node_position(0, grid.rows - 1),
                                 grid.node_position(grid.columns - 1, grid.rows - 1)})
        extent = extent.isNull() ? QRectF(corner, corner) : extent.united(QRectF(corner, corner));
    description.extent = extent;
    description.grid = grid;
    description.memory_bytes = description.vertices * 24;
    return description;
}

} // namespace kelvra::app::formats
