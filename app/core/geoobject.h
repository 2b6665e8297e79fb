#pragma once

// An object of the reference host's store: a geometry type, X, Y and Z per
// vertex (kept as the first three properties) and further named per-vertex
// properties, one of which may be current.

#include "host/dataobject.h"

#include <QString>

#include <optional>

namespace kelvra::app {

class GeoObject : public DataObject
{
    Q_OBJECT
public:
    // prop must hold X, Y and Z, and every property one value per vertex.
    GeoObject(const QString &name, const QString &geometry_type, PropertyMap prop,
              std::optional<QString> current_property = std::nullopt, QObject *parent = nullptr);

    QString name() const override { return m_name; }
    const PropertyMap &prop() const override { return m_prop; }
    std::optional<QString> current_property() const override { return m_current; }

    QString geometry_type() const { return m_geometry; }
    int vertex_count() const;

    // Changed only by the store, which checks every request first.
    void set_name(const QString &name) { m_name = name; }
    PropertyMap &properties() { return m_prop; }
    void set_current_property(std::optional<QString> name) { m_current = std::move(name); }

    // An independent copy under another name.
    GeoObject *clone(const QString &name, QObject *parent) const;

private:
    QString m_name;
    QString m_geometry;
    PropertyMap m_prop;
    std::optional<QString> m_current;
};

// Whether a property holds vertex coordinates (X, Y or Z).
bool is_coordinate(const QString &property);

} // namespace kelvra::app
