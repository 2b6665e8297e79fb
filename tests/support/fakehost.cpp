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

} // namespace kelvra::test
