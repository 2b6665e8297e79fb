#pragma once

// Named per-vertex property arrays of an object, kept in insertion order
// (QMap and QHash would reorder the names that fill property lists). A hash
// of the names beside the ordered entries finds a property in constant
// time, so an object of thousands of properties builds in linear time.
//
// Arrays share their storage when copied, so copying a map, an object or a
// property costs nothing until one side is changed; writable() gives an
// array that can be changed in place without touching any other copy.

#include "host/kelvrahost_export.h"
#include "host/ndarray.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace kelvra {

class KELVRAHOST_EXPORT PropertyMap
{
public:
    // Property names in insertion order.
    QStringList keys() const;
    bool contains(const QString &name) const;
    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }

    // The values of a property; throws LookupError when there is none.
    const NdArray &value(const QString &name) const;
    // The values of a property, ready to be changed in place: first copied
    // when another array shares their storage (a copied object or property,
    // a save or a drawing in progress), so no one else sees the change.
    // Throws LookupError when there is none.
    NdArray &writable(const QString &name);
    // Replaces the values of an existing property in place, or appends a new one.
    void insert(const QString &name, NdArray values);
    // Removes a property; throws LookupError when there is none.
    void remove(const QString &name);
    // Gives a property a new name in its place; throws LookupError when there
    // is none and ValueError when the new name is taken by another property.
    void rename(const QString &name, const QString &new_name);

private:
    using Entries = std::vector<std::pair<QString, NdArray>>;
    std::size_t index_of(const QString &name) const;

    Entries m_entries;
    QHash<QString, std::size_t> m_index; // name -> position in m_entries
};

} // namespace kelvra
