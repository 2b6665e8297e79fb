#include "fakehost.h"

namespace kelvra::test {

FakeObject::FakeObject(const QString &name, const QStringList &properties,
                       std::optional<QString> current, QObject *parent)
    : DataObject(parent)
    , m_name(name)
    , m_current(std::move(current))
{
    for (const QString &property : properties)
        m_prop.insert(property, {});
}

DataObject *FakeTree::grab_object(const QStringList &geom)
{
    requests << geom;
    return answer;
}

QStringList FakeObjectData::object_names() const
{
    QStringList names;
    for (const DataObject *object : objects)
        names << object->name();
    return names;
}

DataObject *FakeObjectData::object(const QString &name) const
{
    for (DataObject *object : objects) {
        if (object->name() == name)
            return object;
    }
    return nullptr;
}

} // namespace kelvra::test
