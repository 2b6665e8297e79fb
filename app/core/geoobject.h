#pragma once

// An object of the reference host's store: a geometry type, X, Y and Z per
// vertex (kept as the first three properties, float64) and further named
// per-vertex properties of any real element type, one of which may be
// current.

#include "host/dataobject.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace kelvra::app {

// The values of one object: what an object file holds and what a save
// writes. Plain values that may cross threads (a GeoObject is a QObject
// that lives on the GUI thread); its arrays share storage with the object
// they were taken from.
struct ObjectRecord
{
    QString name;
    QString geometry_type;
    PropertyMap prop;
    std::optional<QString> current_property;
};

// Brings a record into the form every object has, or throws ValueError
// naming what does not fit: X, Y and Z present and converted to float64;
// every property real-valued, one value per vertex (arrays of more axes are
// taken in C order); a current property that is not a property is dropped.
void normalize_record(ObjectRecord &record);

class GeoObject : public DataObject
{
    Q_OBJECT
public:
    explicit GeoObject(ObjectRecord record, QObject *parent = nullptr);
    GeoObject(const QString &name, const QString &geometry_type, PropertyMap prop,
              std::optional<QString> current_property = std::nullopt, QObject *parent = nullptr);

    QString name() const override { return m_record.name; }
    const PropertyMap &prop() const override { return m_record.prop; }
    std::optional<QString> current_property() const override { return m_record.current_property; }

    QString geometry_type() const { return m_record.geometry_type; }
    std::int64_t vertex_count() const;
    // The object's values; copying it shares the arrays.
    const ObjectRecord &record() const { return m_record; }

    // Changed only by the store, which checks every request first.
    void set_name(const QString &name) { m_record.name = name; }
    PropertyMap &properties() { return m_record.prop; }
    void set_current_property(std::optional<QString> name) { m_record.current_property = std::move(name); }

    // A copy under another name, sharing the arrays until one side changes.
    GeoObject *clone(const QString &name, QObject *parent) const;

private:
    ObjectRecord m_record;
};

// Whether a property holds vertex coordinates (X, Y or Z).
bool is_coordinate(const QString &property);

} // namespace kelvra::app
