#include "app/core/objectstore.h"

#include "app/core/objectcolours.h"

#include "host/errors.h"

#include <QSet>

#include <algorithm>

namespace kelvra::app {
namespace {

void check_not_coordinate(const QString &property, const char *what)
{
    if (is_coordinate(property))
        throw ValueError(_("the coordinates %1 cannot be %2").arg(property, _(what)));
}

// The property that becomes current when `removed` goes: the next
// non-coordinate one after it in `keys`, else the nearest one before it.
std::optional<QString> successor(const QStringList &keys, const QString &removed)
{
    const int at = keys.indexOf(removed);
    for (int i = at + 1; i < keys.size(); ++i) {
        if (!is_coordinate(keys[i]))
            return keys[i];
    }
    for (int i = at - 1; i >= 0; --i) {
        if (!is_coordinate(keys[i]))
            return keys[i];
    }
    return std::nullopt;
}

void check_property_name(const QString &name)
{
    if (name.trimmed().isEmpty())
        throw ValueError(_("a property needs a name"));
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
    return m_by_name.value(name, nullptr);
}

std::vector<ObjectRecord> ObjectStore::records() const
{
    std::vector<ObjectRecord> records;
    records.reserve(std::size_t(m_objects.size()));
    for (const GeoObject *object : m_objects)
        records.push_back(object->record());
    return records;
}

GeoObject *ObjectStore::get(const QString &name) const
{
    if (GeoObject *found = object(name))
        return found;
    throw LookupError(_("there is no object '%1'").arg(name));
}

GeoObject *ObjectStore::get_with_property(const QString &object, const QString &property) const
{
    GeoObject *found = get(object);
    if (!found->prop().contains(property))
        throw LookupError(_("object '%1' has no property '%2'").arg(object, property));
    return found;
}

void ObjectStore::check_free() const
{
    if (!m_busy.isEmpty())
        throw ValueError(m_busy);
}

void ObjectStore::check_new_name(const QString &name) const
{
    if (name.trimmed().isEmpty())
        throw ValueError(_("an object needs a name"));
    if (object(name))
        throw ValueError(_("the name '%1' is already taken").arg(name));
}

void ObjectStore::give_colour(GeoObject *object) const
{
    if (object->colour())
        return;
    std::vector<QRgb> in_use;
    for (const GeoObject *other : m_objects) {
        if (other->colour())
            in_use.push_back(*other->colour());
    }
    object->set_colour(pick_object_colour(in_use));
}

void ObjectStore::add(std::unique_ptr<GeoObject> object)
{
    check_free();
    check_new_name(object->name());
    give_colour(object.get());
    object->setParent(this);
    m_by_name.insert(object->name(), object.get());
    m_objects << object.release();
    Q_EMIT objects_changed();
}

void ObjectStore::replace_all(std::vector<std::unique_ptr<GeoObject>> objects)
{
    check_free();
    QHash<QString, GeoObject *> by_name;
    by_name.reserve(int(objects.size()));
    for (const auto &object : objects) {
        if (object->name().trimmed().isEmpty() || by_name.contains(object->name()))
            throw ValueError(_("the name '%1' is empty or used twice").arg(object->name()));
        by_name.insert(object->name(), object.get());
    }
    qDeleteAll(m_objects);
    m_objects.clear();
    m_objects.reserve(int(objects.size()));
    m_by_name = std::move(by_name);
    // The colours as give_colour() would pick them one object after the
    // other, counted as they are handed out: a project of thousands of
    // objects opens in linear time.
    const std::vector<QRgb> &palette = object_palette();
    std::vector<std::size_t> uses(palette.size(), 0);
    for (auto &object : objects) {
        if (!object->colour()) {
            const auto fewest = std::min_element(uses.begin(), uses.end()) - uses.begin();
            object->set_colour(palette[std::size_t(fewest)]);
        }
        const auto found = std::find(palette.begin(), palette.end(), *object->colour());
        if (found != palette.end())
            ++uses[std::size_t(found - palette.begin())];
        object->setParent(this);
        m_objects << object.release();
    }
    Q_EMIT objects_changed();
}

void ObjectStore::remove_object(const QString &name)
{
    check_free();
    GeoObject *found = get(name);
    m_objects.removeOne(found);
    m_by_name.remove(name);
    delete found;
    Q_EMIT objects_changed();
}

void ObjectStore::rename_object(const QString &name, const QString &new_name)
{
    check_free();
    GeoObject *found = get(name);
    if (new_name == name)
        return;
    check_new_name(new_name);
    found->set_name(new_name);
    m_by_name.remove(name);
    m_by_name.insert(new_name, found);
    Q_EMIT object_renamed(name, new_name);
    Q_EMIT objects_changed();
}

void ObjectStore::copy_object(const QString &name, const QString &new_name)
{
    check_free();
    const GeoObject *found = get(name);
    check_new_name(new_name);
    GeoObject *copy = found->clone(new_name, this);
    copy->set_colour(std::nullopt); // another object: a colour of its own
    give_colour(copy);
    m_by_name.insert(new_name, copy);
    m_objects << copy;
    Q_EMIT objects_changed();
}

void ObjectStore::flip_depth(const QString &name)
{
    check_free();
    GeoObject *found = get(name);
    NdArray &z = found->properties().writable(QStringLiteral("Z"));
    double *values = z.data<double>();
    for (std::int64_t i = 0, n = z.size(); i < n; ++i)
        values[i] = -values[i];
    if (std::optional<GridGeometry> &grid = found->grid(); grid && grid->layers > 1) {
        grid->z_origin = -grid->z_origin;
        grid->z_increment = -grid->z_increment;
    }
    Q_EMIT object_changed(name);
}

void ObjectStore::translate(const QString &name, double dx, double dy, double dz)
{
    check_free();
    GeoObject *found = get(name);
    const std::pair<const char *, double> shifts[] = {{"X", dx}, {"Y", dy}, {"Z", dz}};
    // Every array that changes is made writable first: should a copy fail
    // for want of memory, no coordinate has moved yet.
    std::vector<std::pair<NdArray *, double>> moves;
    for (const auto &[axis, shift] : shifts) {
        if (shift != 0)
            moves.emplace_back(&found->properties().writable(QLatin1String(axis)), shift);
    }
    for (const auto &[array, shift] : moves) {
        double *values = array->data<double>();
        for (std::int64_t i = 0, n = array->size(); i < n; ++i)
            values[i] += shift;
    }
    // A grid moves with its nodes.
    if (std::optional<GridGeometry> &grid = found->grid()) {
        grid->x_origin += dx;
        grid->y_origin += dy;
        if (grid->layers > 1)
            grid->z_origin += dz;
    }
    Q_EMIT object_changed(name);
}

void ObjectStore::create_property(const QString &object, const QString &property)
{
    check_free();
    GeoObject *found = get(object);
    check_property_name(property);
    if (found->prop().contains(property))
        throw ValueError(_("object '%1' already has a property '%2'").arg(object, property));
    found->properties().insert(property, NdArray(DType::Float64, {found->vertex_count()}));
    if (!found->current_property())
        found->set_current_property(property);
    Q_EMIT object_changed(object);
}

void ObjectStore::copy_property(const QString &from_object, const QString &from_property,
                                const QString &to_object, const QString &to_property)
{
    check_free();
    const GeoObject *source = get_with_property(from_object, from_property);
    GeoObject *target = get(to_object);
    check_property_name(to_property);
    if (source->geometry_type() != target->geometry_type())
        throw ValueError(_("'%1' is a %2 and '%3' a %4: both objects must have the same geometry type")
                             .arg(from_object, source->geometry_type(), to_object, target->geometry_type()));
    if (source->vertex_count() != target->vertex_count())
        throw ValueError(_("'%1' has %2 vertices and '%3' has %4: the vertex counts must match")
                             .arg(from_object).arg(source->vertex_count()).arg(to_object).arg(target->vertex_count()));
    if (target->prop().contains(to_property))
        throw ValueError(_("object '%1' already has a property '%2'").arg(to_object, to_property));
    target->properties().insert(to_property, source->prop().value(from_property));
    if (source->units().contains(from_property))
        target->units().insert(to_property, source->units().value(from_property));
    if (!target->current_property())
        target->set_current_property(to_property);
    Q_EMIT object_changed(to_object);
}

void ObjectStore::rename_property(const QString &object, const QString &property, const QString &new_name)
{
    check_free();
    GeoObject *found = get_with_property(object, property);
    check_not_coordinate(property, QT_TRID_NOOP("renamed"));
    check_property_name(new_name);
    found->properties().rename(property, new_name);
    if (found->units().contains(property))
        found->units().insert(new_name, found->units().take(property));
    if (found->current_property() == property)
        found->set_current_property(new_name);
    Q_EMIT object_changed(object);
}

void ObjectStore::remove_property(const QString &object, const QString &property)
{
    check_free();
    GeoObject *found = get_with_property(object, property);
    check_not_coordinate(property, QT_TRID_NOOP("removed"));
    const QStringList keys = found->prop().keys();
    found->properties().remove(property);
    found->units().remove(property);
    if (found->current_property() == property)
        found->set_current_property(successor(keys, property));
    Q_EMIT object_changed(object);
}

void ObjectStore::set_current_property(const QString &object, const QString &property)
{
    check_free();
    GeoObject *found = get_with_property(object, property);
    if (found->current_property() == property)
        return;
    found->set_current_property(property);
    Q_EMIT object_changed(object);
}

void ObjectStore::set_properties(const QString &object, const std::vector<std::pair<QString, NdArray>> &values)
{
    check_free();
    GeoObject *found = get(object);
    QSet<QString> names;
    for (const auto &[name, array] : values) {
        check_property_name(name);
        if (is_coordinate(name))
            throw ValueError(_("'%1' would replace coordinates of object '%2': "
                               "X, Y and Z cannot be replaced").arg(name, object));
        if (names.contains(name))
            throw ValueError(_("'%1' is given twice").arg(name));
        names.insert(name);
        if (!is_real(array.dtype()))
            throw ValueError(_("'%1' holds %2 values, not real numbers").arg(name, array.dtype_name()));
        if (array.size() != found->vertex_count())
            throw ValueError(_("'%1' holds %2 values, but object '%3' has %4 vertices")
                                 .arg(name).arg(array.size()).arg(object).arg(found->vertex_count()));
    }
    if (values.empty())
        return;
    std::optional<QString> first_new;
    for (const auto &[name, array] : values) {
        if (!first_new && !found->prop().contains(name))
            first_new = name;
        found->properties().insert(name, array.ndim() == 1 ? array : array.ravel());
    }
    if (!found->current_property())
        found->set_current_property(first_new);
    Q_EMIT object_changed(object);
}

} // namespace kelvra::app
