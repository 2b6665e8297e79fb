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

std::size_t PropertyMap::index_of(const QString &name) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&name](const auto &entry) { return entry.first == name; });
    if (found == m_entries.end())
        throw LookupError(QStringLiteral("no property '%1'").arg(name));
    return std::size_t(found - m_entries.begin());
}

const NdArray &PropertyMap::value(const QString &name) const
{
    return m_entries[index_of(name)].second;
}

NdArray &PropertyMap::writable(const QString &name)
{
    NdArray &values = m_entries[index_of(name)].second;
    if (values.storage_shared())
        values = values.copy();
    return values;
}

void PropertyMap::remove(const QString &name)
{
    m_entries.erase(m_entries.begin() + std::ptrdiff_t(index_of(name)));
}

void PropertyMap::rename(const QString &name, const QString &new_name)
{
    const std::size_t index = index_of(name);
    if (new_name != name && contains(new_name))
        throw ValueError(QStringLiteral("a property '%1' already exists").arg(new_name));
    m_entries[index].first = new_name;
}

void PropertyMap::insert(const QString &name, NdArray values)
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
