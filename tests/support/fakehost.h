#pragma once

// Fake host objects for the tests: an object tree that records the geometry
// lists it is asked for and answers with a chosen object.

#include "host/dataobject.h"
#include "host/mainwindow.h"
#include "host/objecttree.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace kelvra::test {

class FakeObject : public DataObject
{
    Q_OBJECT
public:
    explicit FakeObject(const QString &name, const QStringList &properties = {},
                        std::optional<QString> current = std::nullopt, QObject *parent = nullptr);

    QString name() const override { return m_name; }
    const PropertyMap &prop() const override { return m_prop; }
    std::optional<QString> current_property() const override { return m_current; }

private:
    QString m_name;
    PropertyMap m_prop;
    std::optional<QString> m_current;
};

class FakeTree : public ObjectTree
{
    Q_OBJECT
public:
    using ObjectTree::ObjectTree;

    DataObject *grab_object(const QStringList &geom) override;

    DataObject *answer = nullptr;  // what grab_object returns
    QList<QStringList> requests;   // the geometry lists asked for, in order
};

// An object store holding the objects given to it.
class FakeObjectData : public ObjectData
{
    Q_OBJECT
public:
    using ObjectData::ObjectData;

    QStringList object_names() const override;
    DataObject *object(const QString &name) const override;

    QList<DataObject *> objects;
};

// A main window that records the plug-ins docked into it.
class FakeMainWindow : public MainWindow
{
    Q_OBJECT
public:
    using MainWindow::MainWindow;

    void add_dockwidget(EasyPluginWidget *plugin) override { docked << plugin; }

    QList<EasyPluginWidget *> docked;
};

} // namespace kelvra::test
