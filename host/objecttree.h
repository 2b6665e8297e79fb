#pragma once

// The host's object tree and the object store behind it.

#include "host/kelvrahost_export.h"

#include <QObject>
#include <QStringList>
#include <QWidget>

namespace kelvra {

class DataObject;
class MainWindow;

// The open object database.
class KELVRAHOST_EXPORT ObjectData : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Names of all objects, in the store's order.
    virtual QStringList object_names() const = 0;
    // The object of that name, or nullptr.
    virtual DataObject *object(const QString &name) const = 0;
};

class KELVRAHOST_EXPORT ObjectTree : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The object picked in the tree when its geometry type is one of geom;
    // nullptr when nothing suitable is picked. The tree keeps ownership.
    virtual DataObject *grab_object(const QStringList &geom) = 0;

    MainWindow *main = nullptr;        // the main window that shows the tree
    ObjectData *object_data = nullptr; // the open object database
};

} // namespace kelvra
