#include "app/core/geoobject.h"

#include "host/errors.h"
#include "utils/basedefs.h"

namespace kelvra::app {

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
            throw ValueError(QStringLiteral("object '%1' has no %2 coordinates").arg(name, key));
        if (!is_real(prop.value(key).dtype()))
            throw ValueError(QStringLiteral("the %1 coordinates of object '%2' are not real numbers").arg(key, name));
        prop.insert(key, prop.value(key).astype(DType::Float64));
    }
    const std::int64_t vertices = prop.value(QStringLiteral("X")).size();
    for (const QString &key : prop.keys()) {
        const NdArray &values = prop.value(key);
        if (!is_real(values.dtype()))
            throw ValueError(QStringLiteral("property '%1' of object '%2' holds %3 values, not real numbers")
                                 .arg(key, name, values.dtype_name()));
        if (values.size() != vertices)
            throw ValueError(QStringLiteral("property '%1' of object '%2' has %3 values for %4 vertices")
                                 .arg(key, name).arg(values.size()).arg(vertices));
        if (values.ndim() != 1)
            prop.insert(key, values.ravel());
    }
    if (record.current_property && !prop.contains(*record.current_property))
        record.current_property.reset();
}

GeoObject::GeoObject(ObjectRecord record, QObject *parent)
    : DataObject(parent)
    , m_record(std::move(record))
{
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
