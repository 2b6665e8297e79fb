#pragma once

// Named per-vertex property values of an object, kept in insertion order
// (QMap and QHash would reorder the names that fill property lists).

#include "host/kelvrahost_export.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <utility>
#include <vector>

namespace kelvra {

class KELVRAHOST_EXPORT PropertyMap
{
public:
    using Values = QVector<double>;

    // Property names in insertion order.
    QStringList keys() const;
    bool contains(const QString &name) const;
    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }

    // The values of a property; throws LookupError when there is none.
    const Values &value(const QString &name) const;
    // Replaces the values of an existing property in place, or appends a new one.
    void insert(const QString &name, Values values);
    // Removes a property; throws LookupError when there is none.
    void remove(const QString &name);
    // Gives a property a new name in its place; throws LookupError when there
    // is none and ValueError when the new name is taken by another property.
    void rename(const QString &name, const QString &new_name);

private:
    using Entries = std::vector<std::pair<QString, Values>>;
    Entries::const_iterator find(const QString &name) const;

    Entries m_entries;
};

} // namespace kelvra
