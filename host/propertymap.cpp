#include "host/propertymap.h"

#include "host/errors.h"
#include "host/translation.h"


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
    return m_index.contains(name);
}

std::size_t PropertyMap::index_of(const QString &name) const
{
    const auto found = m_index.constFind(name);
    if (found == m_index.constEnd())
        throw LookupError(_("no property '%1'").arg(name));
    return *found;
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
    const std::size_t index = index_of(name);
    m_entries.erase(m_entries.begin() + std::ptrdiff_t(index));
    m_index.remove(name);
    for (std::size_t i = index; i < m_entries.size(); ++i)
        m_index[m_entries[i].first] = i;
}

void PropertyMap::rename(const QString &name, const QString &new_name)
{
    const std::size_t index = index_of(name);
    if (new_name == name)
        return;
    if (contains(new_name))
        throw ValueError(_("a property '%1' already exists").arg(new_name));
    m_entries[index].first = new_name;
    m_index.remove(name);
    m_index.insert(new_name, index);
}

void PropertyMap::insert(const QString &name, NdArray values)
{
    const auto found = m_index.constFind(name);
    if (found != m_index.constEnd()) {
        m_entries[*found].second = std::move(values);
        return;
    }
    m_entries.emplace_back(name, std::move(values));
    m_index.insert(name, m_entries.size() - 1);
}

} // namespace kelvra
