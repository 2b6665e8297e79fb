#pragma once

// An object of the host's object store as the object tree hands it out.

#include "host/kelvrahost_export.h"
#include "host/propertymap.h"

#include <QObject>
#include <QString>

#include <optional>

namespace kelvra {

class KELVRAHOST_EXPORT DataObject : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The object's name in the tree.
    virtual QString name() const = 0;
    // Its properties, in insertion order.
    virtual const PropertyMap &prop() const = 0;
    // The property shown now; absent when the object has none.
    virtual std::optional<QString> current_property() const = 0;
    // Its geometry type ("Point", "Tsurface", ...); empty when not known.
    virtual QString geometry_type() const { return {}; }
    // The unit of one of its properties ("m", "gAPI"); empty when not known.
    virtual QString unit(const QString &property) const
    {
        Q_UNUSED(property)
        return {};
    }
};

} // namespace kelvra
