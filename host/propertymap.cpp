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
    return find(name)->second;
}

PropertyMap::Entries::const_iterator PropertyMap::find(const QString &name) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&name](const auto &entry) { return entry.first == name; });
    if (found == m_entries.end())
        throw LookupError(QStringLiteral("no property '%1'").arg(name));
    return found;
}

void PropertyMap::remove(const QString &name)
{
    m_entries.erase(find(name));
}

void PropertyMap::rename(const QString &name, const QString &new_name)
{
    const auto found = find(name);
    if (new_name != name && contains(new_name))
        throw ValueError(QStringLiteral("a property '%1' already exists").arg(new_name));
    m_entries[std::size_t(found - m_entries.begin())].first = new_name;
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
