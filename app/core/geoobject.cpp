#include "app/core/geoobject.h"

#include "host/errors.h"
#include "utils/basedefs.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <iterator>

namespace kelvra::app {

namespace {

void check_grid(const ObjectRecord &record, std::int64_t vertices)
{
    const GridGeometry &grid = *record.grid;
    if (grid.vertex_count() != vertices)
        throw ValueError(_("the grid of object '%1' has %2 x %3 x %4 nodes for %5 vertices")
                             .arg(record.name)
                             .arg(grid.columns)
                             .arg(grid.rows)
                             .arg(grid.layers)
                             .arg(vertices));
    const double numbers[] = {grid.x_origin, grid.y_origin, grid.x_increment, grid.y_increment,
                              grid.rotation,  grid.z_origin, grid.z_increment};
    const bool finite = std::all_of(std::begin(numbers), std::end(numbers), [](double v) { return std::isfinite(v); });
    if (!finite || grid.x_increment == 0 || grid.y_increment == 0 || (grid.layers > 1 && grid.z_increment == 0))
        throw ValueError(_("the grid of object '%1' has a spacing of zero or a number that is not finite")
                             .arg(record.name));
}

template <typename T>
void check_vertex_numbers(const ObjectRecord &record, const T *numbers, std::int64_t count, std::int64_t vertices)
{
    for (std::int64_t i = 0; i < count; ++i) {
        if (numbers[i] < 0 || std::int64_t(numbers[i]) >= vertices)
            throw ValueError(_("triangle %1 of object '%2' names vertex %3, which it does not have")
                                 .arg(i / 3)
                                 .arg(record.name)
                                 .arg(qlonglong(numbers[i])));
    }
}

void check_triangles(const ObjectRecord &record, std::int64_t vertices)
{
    const NdArray &triangles = record.triangles;
    if (triangles.ndim() != 2 || triangles.shape()[1] != 3
        || (triangles.dtype() != DType::Int32 && triangles.dtype() != DType::Int64))
        throw ValueError(_("the triangles of object '%1' are not rows of three vertex numbers")
                             .arg(record.name));
    if (triangles.dtype() == DType::Int32)
        check_vertex_numbers(record, triangles.data<std::int32_t>(), triangles.size(), vertices);
    else
        check_vertex_numbers(record, triangles.data<std::int64_t>(), triangles.size(), vertices);
}

} // namespace

bool is_coordinate(const QString &property)
{
    for (std::string_view name : COORDINATE_PROPERTY_NAMES) {
        if (property == QLatin1String(name.data(), int(name.size())))
            return true;
    }
    return false;
}

void normalize_record(ObjectRecord &record)
{
    const QString &name = record.name;
    PropertyMap &prop = record.prop;
    for (const char *axis : {"X", "Y", "Z"}) {
        const QString key = QLatin1String(axis);
        if (!prop.contains(key))
            throw ValueError(_("object '%1' has no %2 coordinates").arg(name, key));
        if (!is_real(prop.value(key).dtype()))
            throw ValueError(_("the %1 coordinates of object '%2' are not real numbers").arg(key, name));
        prop.insert(key, prop.value(key).astype(DType::Float64));
    }
    const std::int64_t vertices = prop.value(QStringLiteral("X")).size();
    for (const QString &key : prop.keys()) {
        const NdArray &values = prop.value(key);
        if (!is_real(values.dtype()))
            throw ValueError(_("property '%1' of object '%2' holds %3 values, not real numbers")
                                 .arg(key, name, values.dtype_name()));
        if (values.size() != vertices)
            throw ValueError(_("property '%1' of object '%2' has %3 values for %4 vertices")
                                 .arg(key, name).arg(values.size()).arg(vertices));
        if (values.ndim() != 1)
            prop.insert(key, values.ravel());
    }
    if (record.current_property && !prop.contains(*record.current_property))
        record.current_property.reset();
    if (record.grid)
        check_grid(record, vertices);
    if (record.triangles.size() > 0 || record.triangles.ndim() > 1)
        check_triangles(record, vertices);
    if (!record.texts.isEmpty() && record.texts.size() != vertices)
        throw ValueError(_("object '%1' has %2 texts for %3 vertices")
                             .arg(name)
                             .arg(record.texts.size())
                             .arg(vertices));
    for (auto unit = record.units.begin(); unit != record.units.end();)
        unit = prop.contains(unit.key()) ? std::next(unit) : record.units.erase(unit);
}

GeoObject::GeoObject(ObjectRecord record, QObject *parent)
    : DataObject(parent)
    , m_record(std::move(record))
{
    static std::atomic<quint64> made{0};
    m_serial = ++made;
    normalize_record(m_record);
}

GeoObject::GeoObject(const QString &name, const QString &geometry_type, PropertyMap prop,
                     std::optional<QString> current_property, QObject *parent)
    : GeoObject(ObjectRecord{name, geometry_type, std::move(prop), std::move(current_property)}, parent)
{
}

std::int64_t GeoObject::vertex_count() const
{
    return m_record.prop.value(QStringLiteral("X")).size();
}

GeoObject *GeoObject::clone(const QString &name, QObject *parent) const
{
    ObjectRecord copy = m_record;
    copy.name = name;
    return new GeoObject(std::move(copy), parent);
}

} // namespace kelvra::app
