#include "host/propertymap.h"

#include "host/errors.h"

#include <algorithm>

namespace kelvra {

QStringList PropertyMap::keys() const
{
    QStringList names;
    names.reserve(size());
    for (const auto &entry : m_entries)
        names << entry.first;
    return names;
}

bool PropertyMap::contains(const QString &name) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&name](const auto &entry) { return entry.first == name; });
}

const PropertyMap::Values &PropertyMap::value(const QString &name) const
{
    for (const auto &entry : m_entries) {
        if (entry.first == name)
            return entry.second;
    }
    throw LookupError(QStringLiteral("no property '%1'").arg(name));
}

void PropertyMap::insert(const QString &name, Values values)
{
    for (auto &entry : m_entries) {
        if (entry.first == name) {
            entry.second = std::move(values);
            return;
        }
    }
    m_entries.emplace_back(name, std::move(values));
}

} // namespace kelvra
