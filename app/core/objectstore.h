#pragma once

// The reference host's object store and every change a dialog can request.
// Each operation checks the whole request first and throws (LookupError,
// ValueError) before changing anything, so a refused request leaves the
// data exactly as they were.

#include "app/core/geoobject.h"

#include "host/objecttree.h"

#include <QHash>
#include <QList>

#include <memory>
#include <vector>

namespace kelvra::app {

class ObjectStore : public ObjectData
{
    Q_OBJECT
public:
    using ObjectData::ObjectData;

    QStringList object_names() const override;
    GeoObject *object(const QString &name) const override;
    QList<GeoObject *> objects() const { return m_objects; }
    // The values of every object, in order, sharing their arrays.
    std::vector<ObjectRecord> records() const;

    // The object of that name; throws LookupError when there is none.
    GeoObject *get(const QString &name) const;

    // Takes the object; refuses an empty or taken name.
    void add(std::unique_ptr<GeoObject> object);
    // Replaces every object with the given ones (a project that was opened).
    void replace_all(std::vector<std::unique_ptr<GeoObject>> objects);

    void remove_object(const QString &name);
    void rename_object(const QString &name, const QString &new_name);
    void copy_object(const QString &name, const QString &new_name);
    // Z becomes -Z (and a cube's samples run the other way).
    void flip_depth(const QString &name);
    // Moves the vertices, and the object's grid with them.
    void translate(const QString &name, double dx, double dy, double dz);

    // A new float64 property of zeros. A new property becomes current on an
    // object that has no current property.
    void create_property(const QString &object, const QString &property);
    // Copies values between two objects of the same geometry type and vertex count.
    void copy_property(const QString &from_object, const QString &from_property,
                       const QString &to_object, const QString &to_property);
    void rename_property(const QString &object, const QString &property, const QString &new_name);
    // Makes property the object's current property: the one the viewers
    // colour the object by and the plot shows. Coordinates may be current
    // too: a horizon coloured by its depth Z.
    void set_current_property(const QString &object, const QString &property);
    // Removing the current property makes the next remaining one current
    // (the first one before it when none follows), never X, Y or Z; another
    // current property, a coordinate too, stays current.
    void remove_property(const QString &object, const QString &property);
    // Creates or replaces several properties of one object at once (the
    // results of a script), in the given order. Every value is checked
    // before any is taken: real numbers, one per vertex, no name twice and
    // no coordinates X, Y or Z. Arrays of more axes are taken in C order.
    // The first new property becomes current on an object that has none.
    void set_properties(const QString &object, const std::vector<std::pair<QString, NdArray>> &values);

    // While a file is read into the store or written from it, every request
    // that would change the store is refused with this reason. An empty
    // reason ends that.
    void set_busy(const QString &reason) { m_busy = reason; }
    QString busy_reason() const { return m_busy; }

Q_SIGNALS:
    // Objects were added, removed or renamed.
    void objects_changed();
    // An object was renamed (objects_changed follows).
    void object_renamed(const QString &name, const QString &new_name);
    // The values or properties of one object changed.
    void object_changed(const QString &name);

private:
    // Throws ValueError with the busy reason while there is one.
    void check_free() const;
    void check_new_name(const QString &name) const;
    // Gives an object without a colour the palette colour fewest others have.
    void give_colour(GeoObject *object) const;
    GeoObject *get_with_property(const QString &object, const QString &property) const;

    QList<GeoObject *> m_objects; // children of the store, in insertion order
    QHash<QString, GeoObject *> m_by_name; // the same objects by name, in step with m_objects
    QString m_busy;
};

} // namespace kelvra::app
