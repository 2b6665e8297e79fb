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

GeoObject::GeoObject(const QString &name, const QString &geometry_type, PropertyMap prop,
                     std::optional<QString> current_property, QObject *parent)
    : DataObject(parent)
    , m_name(name)
    , m_geometry(geometry_type)
    , m_prop(std::move(prop))
    , m_current(std::move(current_property))
{
    for (const char *axis : {"X", "Y", "Z"}) {
        if (!m_prop.contains(QLatin1String(axis)))
            throw ValueError(QStringLiteral("object '%1' has no %2 coordinates").arg(name, QLatin1String(axis)));
    }
    const int vertices = vertex_count();
    for (const QString &key : m_prop.keys()) {
        if (m_prop.value(key).size() != vertices)
            throw ValueError(QStringLiteral("property '%1' of object '%2' has %3 values for %4 vertices")
                                 .arg(key, name).arg(m_prop.value(key).size()).arg(vertices));
    }
    if (m_current && !m_prop.contains(*m_current))
        m_current.reset();
}

int GeoObject::vertex_count() const
{
    return m_prop.value(QStringLiteral("X")).size();
}

GeoObject *GeoObject::clone(const QString &name, QObject *parent) const
{
    return new GeoObject(name, m_geometry, m_prop, m_current, parent);
}

} // namespace kelvra::app
