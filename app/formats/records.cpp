#include "app/formats/records.h"

#include <QFileInfo>

#include <cmath>
#include <limits>

namespace kelvra::app::formats {

std::future<std::pair<NdArray, NdArray>> node_coordinates(const GridGeometry &grid)
{
    return std::async(std::launch::async, [grid] {
        const std::int64_t count = grid.vertex_count();
        NdArray x(DType::Float64, {count});
        NdArray y(DType::Float64, {count});
        double *xs = x.data<double>();
        double *ys = y.data<double>();
        const double radians = grid.rotation * (M_PI / 180.0);
        const double c = std::cos(radians), s = std::sin(radians);
        for (std::int64_t j = 0; j < grid.rows; ++j) {
            const double v = double(j) * grid.y_increment;
            const double row_x = grid.x_origin - v * s, row_y = grid.y_origin + v * c;
            double *xr = xs + j * grid.columns;
            double *yr = ys + j * grid.columns;
            for (std::int64_t i = 0; i < grid.columns; ++i) {
                const double u = double(i) * grid.x_increment;
                xr[i] = row_x + u * c;
                yr[i] = row_y + u * s;
            }
        }
        return std::make_pair(std::move(x), std::move(y));
    });
}

ObjectRecord gsurface_record(const QString &name, const GridGeometry &grid, NdArray z,
                             std::future<std::pair<NdArray, NdArray>> coordinates)
{
    auto [x, y] = coordinates.get();
    ObjectRecord record;
    record.name = name;
    record.geometry_type = QStringLiteral("Gsurface");
    record.prop.insert(QStringLiteral("X"), std::move(x));
    record.prop.insert(QStringLiteral("Y"), std::move(y));
    record.prop.insert(QStringLiteral("Z"), std::move(z));
    record.grid = grid;
    return record;
}

QString object_name(const QString &path, const ImportOptions &options, const QString &from_file)
{
    if (!options.name.isEmpty())
        return options.name;
    if (!from_file.trimmed().isEmpty())
        return from_file.trimmed();
    return QFileInfo(path).completeBaseName();
}

Description summarise(const Format &format, const std::vector<ObjectRecord> &records)
{
    Description description;
    description.format = format.title();
    description.nulls = 0;
    double x0 = std::numeric_limits<double>::infinity(), y0 = x0, x1 = -x0, y1 = -x0;
    for (const ObjectRecord &record : records) {
        description.geometry_type = record.geometry_type;
        const NdArray &x = record.prop.value(QStringLiteral("X"));
        const NdArray &y = record.prop.value(QStringLiteral("Y"));
        const NdArray &z = record.prop.value(QStringLiteral("Z"));
        const double *xs = x.data<double>(), *ys = y.data<double>(), *zs = z.data<double>();
        for (std::int64_t i = 0; i < x.size(); ++i) {
            if (std::isnan(zs[i]))
                ++description.nulls;
            if (std::isfinite(xs[i]) && std::isfinite(ys[i])) {
                x0 = std::min(x0, xs[i]);
                x1 = std::max(x1, xs[i]);
                y0 = std::min(y0, ys[i]);
                y1 = std::max(y1, ys[i]);
            }
        }
        description.vertices += x.size();
        if (record.grid)
            description.grid = record.grid;
        for (const QString &key : record.prop.keys()) {
            if (!is_coordinate(key) && !description.properties.contains(key))
                description.properties << key;
            description.memory_bytes += record.prop.value(key).nbytes();
        }
        description.memory_bytes += record.triangles.nbytes();
    }
    if (x0 <= x1)
        description.extent = QRectF(QPointF(x0, y0), QPointF(x1, y1));
    if (records.size() > 1)
        description.notes << _("%1 objects").arg(records.size());
    return description;
}

void check_room(const QString &path, std::int64_t values, double bytes_per_value, std::int64_t bytes,
                const QString &what)
{
    // The last value needs no separator after it.
    if (values < 0 || double(values) * bytes_per_value > double(bytes) + bytes_per_value - 1.0)
        throw FormatError(path, _("%1 declares %2 values, more than the %3 bytes of the file can hold")
                                    .arg(what)
                                    .arg(values)
                                    .arg(bytes));
}

} // namespace kelvra::app::formats
