#include "pivotbarfakes.h"

#include "host/errors.h"

namespace kelvra::test {

QList<PluginRecord> FakePluginsManager::getPluginsOfCategory(const QString &category) const
{
    asked << category;
    QList<PluginRecord> found;
    for (const PluginRecord &record : records) {
        if (record.category == category)
            found << record;
    }
    return found;
}

FakeMenuBar::FakeMenuBar(const QString &name, QStringList *log, Fail fail)
    : m_name(name)
    , m_log(log)
    , m_fail(fail)
{
}

void FakeMenuBar::set_treebase(PivotBar *parent)
{
    *m_log << m_name + QStringLiteral(" set_treebase");
    toolbar = parent;
    if (m_fail == Fail::InSetTreebase)
        throw LookupError(QStringLiteral("no tree for ") + m_name);
    PluginMenuBar::set_treebase(parent);
}

void FakeMenuBar::setup()
{
    const bool stored = toolbar && toolbar->plugin_modes.value(m_name) == this;
    *m_log << m_name + QStringLiteral(" setup") + (stored ? QStringLiteral(" (already stored)") : QString());
    if (m_fail == Fail::InSetup)
        throw ValueError(QStringLiteral("cannot set up ") + m_name);
    if (m_fail == Fail::BaseSetup)
        PluginMenuBar::setup();
    addMenu(m_name);
}

FakeHost::FakeHost()
{
    main.treebase = &tree;
    main.plugins_manager = &manager;
    tree.main = &main;
    tree.object_data = &database;
}

FakeHost::~FakeHost()
{
    for (const QPointer<FakeMenuBar> &bar : bars)
        delete bar.data();
}

FakeMenuBar *FakeHost::add_plugin(const QString &name, Fail fail)
{
    auto *bar = new FakeMenuBar(name, &log, fail);
    bars << bar;
    PluginRecord record;
    record.name = name;
    record.category = QStringLiteral("PluginMenuBar");
    record.plugin_object = fail == Fail::NoMenuBar ? nullptr : bar;
    manager.records << record;
    return bar;
}

} // namespace kelvra::test
