#include "app/core/objectstore.h"

#include "host/errors.h"

namespace kelvra::app {
namespace {

void check_not_coordinate(const QString &property, const char *what)
{
    if (is_coordinate(property))
        throw ValueError(QStringLiteral("the coordinates %1 cannot be %2").arg(property, QLatin1String(what)));
}

void check_property_name(const QString &name)
{
    if (name.trimmed().isEmpty())
        throw ValueError(QStringLiteral("a property needs a name"));
}

} // namespace

QStringList ObjectStore::object_names() const
{
    QStringList names;
    for (const GeoObject *object : m_objects)
        names << object->name();
    return names;
}

GeoObject *ObjectStore::object(const QString &name) const
{
    for (GeoObject *object : m_objects) {
        if (object->name() == name)
            return object;
    }
    return nullptr;
}

GeoObject *ObjectStore::get(const QString &name) const
{
    if (GeoObject *found = object(name))
        return found;
    throw LookupError(QStringLiteral("there is no object '%1'").arg(name));
}

GeoObject *ObjectStore::get_with_property(const QString &object, const QString &property) const
{
    GeoObject *found = get(object);
    if (!found->prop().contains(property))
        throw LookupError(QStringLiteral("object '%1' has no property '%2'").arg(object, property));
    return found;
}

void ObjectStore::check_new_name(const QString &name) const
{
    if (name.trimmed().isEmpty())
        throw ValueError(QStringLiteral("an object needs a name"));
    if (object(name))
        throw ValueError(QStringLiteral("the name '%1' is already taken").arg(name));
}

void ObjectStore::add(std::unique_ptr<GeoObject> object)
{
    check_new_name(object->name());
    object->setParent(this);
    m_objects << object.release();
    Q_EMIT objects_changed();
}

void ObjectStore::replace_all(std::vector<std::unique_ptr<GeoObject>> objects)
{
    QStringList names;
    for (const auto &object : objects) {
        if (object->name().trimmed().isEmpty() || names.contains(object->name()))
            throw ValueError(QStringLiteral("the name '%1' is empty or used twice").arg(object->name()));
        names << object->name();
    }
    qDeleteAll(m_objects);
    m_objects.clear();
    for (auto &object : objects) {
        object->setParent(this);
        m_objects << object.release();
    }
    Q_EMIT objects_changed();
}

void ObjectStore::remove_object(const QString &name)
{
    GeoObject *found = get(name);
    m_objects.removeOne(found);
    delete found;
    Q_EMIT objects_changed();
}

void ObjectStore::rename_object(const QString &name, const QString &new_name)
{
    GeoObject *found = get(name);
    if (new_name == name)
        return;
    check_new_name(new_name);
    found->set_name(new_name);
    Q_EMIT object_renamed(name, new_name);
    Q_EMIT objects_changed();
}

void ObjectStore::copy_object(const QString &name, const QString &new_name)
{
    const GeoObject *found = get(name);
    check_new_name(new_name);
    m_objects << found->clone(new_name, this);
    Q_EMIT objects_changed();
}

void ObjectStore::flip_depth(const QString &name)
{
    GeoObject *found = get(name);
    PropertyMap::Values z = found->prop().value(QStringLiteral("Z"));
    for (double &value : z)
        value = -value;
    found->properties().insert(QStringLiteral("Z"), std::move(z));
    Q_EMIT object_changed(name);
}

void ObjectStore::translate(const QString &name, double dx, double dy, double dz)
{
    GeoObject *found = get(name);
    const struct
    {
        const char *axis;
        double shift;
    } shifts[] = {{"X", dx}, {"Y", dy}, {"Z", dz}};
    for (const auto &[axis, shift] : shifts) {
        PropertyMap::Values values = found->prop().value(QLatin1String(axis));
        for (double &value : values)
            value += shift;
        found->properties().insert(QLatin1String(axis), std::move(values));
    }
    Q_EMIT object_changed(name);
}

void ObjectStore::create_property(const QString &object, const QString &property)
{
    GeoObject *found = get(object);
    check_property_name(property);
    if (found->prop().contains(property))
        throw ValueError(QStringLiteral("object '%1' already has a property '%2'").arg(object, property));
    found->properties().insert(property, PropertyMap::Values(found->vertex_count(), 0.0));
    Q_EMIT object_changed(object);
}

void ObjectStore::copy_property(const QString &from_object, const QString &from_property,
                                const QString &to_object, const QString &to_property)
{
    const GeoObject *source = get_with_property(from_object, from_property);
    GeoObject *target = get(to_object);
    check_property_name(to_property);
    if (source->geometry_type() != target->geometry_type())
        throw ValueError(QStringLiteral("'%1' is a %2 and '%3' a %4: both objects must have the same geometry type")
                             .arg(from_object, source->geometry_type(), to_object, target->geometry_type()));
    if (source->vertex_count() != target->vertex_count())
        throw ValueError(QStringLiteral("'%1' has %2 vertices and '%3' has %4: the vertex counts must match")
                             .arg(from_object).arg(source->vertex_count()).arg(to_object).arg(target->vertex_count()));
    if (target->prop().contains(to_property))
        throw ValueError(QStringLiteral("object '%1' already has a property '%2'").arg(to_object, to_property));
    target->properties().insert(to_property, source->prop().value(from_property));
    Q_EMIT object_changed(to_object);
}

void ObjectStore::rename_property(const QString &object, const QString &property, const QString &new_name)
{
    GeoObject *found = get_with_property(object, property);
    check_not_coordinate(property, "renamed");
    check_property_name(new_name);
    found->properties().rename(property, new_name);
    if (found->current_property() == property)
        found->set_current_property(new_name);
    Q_EMIT object_changed(object);
}

void ObjectStore::remove_property(const QString &object, const QString &property)
{
    GeoObject *found = get_with_property(object, property);
    check_not_coordinate(property, "removed");
    found->properties().remove(property);
    if (found->current_property() == property)
        found->set_current_property(std::nullopt);
    Q_EMIT object_changed(object);
}

} // namespace kelvra::app
