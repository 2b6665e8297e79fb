#pragma once

// Fake host pieces for the mode switch tests: a main window, a plugins
// manager answering with chosen records, an object store, and menu-bar
// plug-ins that log what the toolbar does to them.

#include "fakehost.h"
#include "host/mainwindow.h"
#include "host/objecttree.h"
#include "host/pluginsmanager.h"
#include "widgets/pivotbar.h"

#include <QPointer>
#include <QStringList>

namespace kelvra::test {

class FakePluginsManager : public PluginsManager
{
public:
    QList<PluginRecord> getPluginsOfCategory(const QString &category) const override;

    QList<PluginRecord> records;
    mutable QStringList asked; // the categories asked for, in order
};

// An object store that only knows names.
class NamedObjectData : public ObjectData
{
    Q_OBJECT
public:
    explicit NamedObjectData(const QStringList &names) : m_names(names) {}
    QStringList object_names() const override { return m_names; }
    DataObject *object(const QString &) const override { return nullptr; }

private:
    QStringList m_names;
};

// Where a fake plug-in fails; NoMenuBar: its record carries no object.
enum class Fail { Nowhere, InSetTreebase, InSetup, BaseSetup, NoMenuBar };

class FakeMenuBar : public PluginMenuBar
{
    Q_OBJECT
public:
    FakeMenuBar(const QString &name, QStringList *log, Fail fail = Fail::Nowhere);

    QString name() const override { return m_name; }
    // Log "<name> set_treebase" and "<name> setup", the latter with
    // " (already stored)" when the toolbar stored the bar before setting
    // it up.
    void set_treebase(PivotBar *parent) override;
    void setup() override;

    PivotBar *toolbar = nullptr; // what set_treebase was given

private:
    QString m_name;
    QStringList *m_log;
    Fail m_fail;
};

// A main window with a tree and a plugins manager holding fake plug-ins.
// Plug-in bars that no toolbar took over are deleted with the host, so
// a toolbar must go before its host.
struct FakeHost
{
    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost &) = delete;
    FakeHost &operator=(const FakeHost &) = delete;

    FakeMenuBar *add_plugin(const QString &name, Fail fail = Fail::Nowhere);

    FakeMainWindow main;
    FakeTree tree;
    NamedObjectData database{{QStringLiteral("horizon"), QStringLiteral("fault")}};
    FakePluginsManager manager;
    QStringList log;
    QList<QPointer<FakeMenuBar>> bars;
};

} // namespace kelvra::test

Q_DECLARE_METATYPE(kelvra::test::Fail)
