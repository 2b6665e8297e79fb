#include "tst_pivotbar.h"

#include "host/errors.h"
#include "host/translation.h"
#include "pivotbarfakes.h"
#include "testmain.h"
#include "testsupport.h"

#include <QComboBox>
#include <QMenu>
#include <QTemporaryFile>
#include <QtTest>

#include <unistd.h>

#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>

using namespace kelvra;
using namespace kelvra::test;

namespace {

const QString kPlugout = QStringLiteral("Plugout Mode");

std::unique_ptr<PivotBar> make_toolbar(FakeHost *host)
{
    auto toolbar = std::make_unique<PivotBar>(host ? &host->main : nullptr);
    if (host) {
        host->main.addToolBar(toolbar.get());
        host->main.resize(800, 300);
        host->main.show();
    } else {
        toolbar->resize(800, 40);
        toolbar->show();
    }
    return toolbar;
}

QStringList selector_items(const PivotBar &toolbar)
{
    QStringList items;
    for (int i = 0; i < toolbar.cb_mode->count(); ++i)
        items << toolbar.cb_mode->itemText(i);
    return items;
}

// The toolbar shows the selector and exactly one menu bar, the given one.
void verify_shows(PivotBar &toolbar, QMenuBar *bar)
{
    QVERIFY(bar);
    QCOMPARE(toolbar.currentMenuBar, bar);
    QCOMPARE(toolbar.actions().size(), 2);
    QCOMPARE(toolbar.actions().constLast(), toolbar.currentAction);
    QCOMPARE(toolbar.widgetForAction(toolbar.currentAction), bar);
    QCOMPARE(bar->parentWidget(), &toolbar);
    QCoreApplication::processEvents(); // the toolbar lays its entries out
    QVERIFY(bar->isVisible());
}

// What fn writes to the standard output file descriptor.
QByteArray capture_stdout(const std::function<void()> &fn)
{
    QTemporaryFile file;
    if (!file.open())
        return "cannot open a temporary file";
    std::cout.flush();
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    dup2(file.handle(), STDOUT_FILENO);
    fn();
    std::cout.flush();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    file.seek(0);
    return file.readAll();
}

void delete_released_bars()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void TestPivotBar::selector_offers_modes_data()
{
    QTest::addColumn<bool>("hosted");
    QTest::addColumn<QStringList>("plugins");
    // Per selector entry: the menu bar it shows, -1 for a new built-in bar,
    // k for the k-th plug-in's bar.
    QTest::addColumn<QList<int>>("shows");

    QTest::newRow("no host") << false << QStringList{} << QList<int>{-1};
    QTest::newRow("host without plug-ins") << true << QStringList{} << QList<int>{-1};
    QTest::newRow("two plug-ins") << true << QStringList{"A", "B"} << QList<int>{-1, 0, 1};
    QTest::newRow("same name twice") << true << QStringList{"A", "A"} << QList<int>{-1, 1, 1};
    QTest::newRow("named like the built-in mode")
        << true << QStringList{kPlugout, "B"} << QList<int>{-1, -1, 1};
}

void TestPivotBar::selector_offers_modes()
{
    QFETCH(bool, hosted);
    QFETCH(QStringList, plugins);
    QFETCH(QList<int>, shows);
    FakeHost host;
    for (const QString &name : plugins)
        host.add_plugin(name);
    ErrorRecorder errors;

    auto toolbar = make_toolbar(hosted ? &host : nullptr);
    QCOMPARE(selector_items(*toolbar), QStringList{kPlugout} + plugins);
    QCOMPARE(toolbar->cb_mode->currentIndex(), 0);
    QCOMPARE(host.manager.asked, hosted ? QStringList{"PluginMenuBar"} : QStringList{});
    QVERIFY(qobject_cast<PlugoutMenuBar *>(toolbar->currentMenuBar));
    verify_shows(*toolbar, toolbar->currentMenuBar);

    // Visit every entry, then come back to the first.
    QList<int> order;
    for (int i = 1; i < shows.size(); ++i)
        order << i;
    if (!order.isEmpty())
        order << 0;
    for (int entry : order) {
        QMenuBar *before = toolbar->currentMenuBar;
        toolbar->cb_mode->setCurrentIndex(entry);
        const int expected = shows.at(entry);
        if (expected < 0) {
            QVERIFY(qobject_cast<PlugoutMenuBar *>(toolbar->currentMenuBar));
            QVERIFY(toolbar->currentMenuBar != before);
        } else {
            QCOMPARE(toolbar->currentMenuBar, host.bars.at(expected).data());
        }
        verify_shows(*toolbar, toolbar->currentMenuBar);
    }
    QVERIFY(errors.messages.isEmpty());
}

void TestPivotBar::plugins_linked_then_set_up_then_stored()
{
    FakeHost host;
    FakeMenuBar *a = host.add_plugin("A");
    FakeMenuBar *b = host.add_plugin("B");
    auto toolbar = make_toolbar(&host);

    QCOMPARE(host.log, (QStringList{"A set_treebase", "A setup", "B set_treebase", "B setup"}));
    for (FakeMenuBar *bar : {a, b}) {
        QCOMPARE(bar->toolbar, toolbar.get());
        QCOMPARE(bar->treebase, host.main.treebase);
        QCOMPARE(toolbar->plugin_modes.value(bar->name()), bar);
    }
    QCOMPARE(toolbar->plugin_modes.size(), 2);
}

void TestPivotBar::plugin_error_ends_construction_data()
{
    QTest::addColumn<Fail>("fail");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("setup not provided")
        << Fail::BaseSetup << "kelvra::test::FakeMenuBar does not implement setup()"
        << QStringList{"A set_treebase", "A setup", "B set_treebase", "B setup"};
    QTest::newRow("setup fails") << Fail::InSetup << "cannot set up B"
                                 << QStringList{"A set_treebase", "A setup", "B set_treebase", "B setup"};
    QTest::newRow("set_treebase fails") << Fail::InSetTreebase << "no tree for B"
                                        << QStringList{"A set_treebase", "A setup", "B set_treebase"};
    QTest::newRow("record without menu bar") << Fail::NoMenuBar << "the plug-in B supplies no menu bar"
                                             << QStringList{"A set_treebase", "A setup"};
}

void TestPivotBar::plugin_error_ends_construction()
{
    QFETCH(Fail, fail);
    QFETCH(QString, error);
    QFETCH(QStringList, log);
    FakeHost host;
    host.add_plugin("A");
    host.add_plugin("B", fail);
    host.add_plugin("C");

    QString thrown;
    try {
        make_toolbar(&host);
    } catch (const NotImplementedError &e) {
        thrown = QStringLiteral("NotImplementedError: ") + error_text(e);
    } catch (const std::exception &e) {
        thrown = error_text(e);
    }
    QCOMPARE(thrown, fail == Fail::BaseSetup ? QStringLiteral("NotImplementedError: ") + error : error);
    QCOMPARE(host.log, log);
    QVERIFY(host.main.findChildren<PivotBar *>().isEmpty());
    // The plug-ins' bars did not die with the half-built toolbar.
    for (const QPointer<FakeMenuBar> &bar : host.bars)
        QVERIFY(bar);
}

void TestPivotBar::plugin_bar_kept_builtin_bar_renewed()
{
    FakeHost host;
    FakeMenuBar *a = host.add_plugin("A");
    auto toolbar = make_toolbar(&host);
    QPointer<QMenuBar> first_builtin = toolbar->currentMenuBar;

    toolbar->cb_mode->setCurrentIndex(1);
    verify_shows(*toolbar, a);
    a->actions().constFirst()->setEnabled(false); // state the bar must keep

    toolbar->cb_mode->setCurrentIndex(0);
    QMenuBar *second_builtin = toolbar->currentMenuBar;
    QVERIFY(qobject_cast<PlugoutMenuBar *>(second_builtin));
    QVERIFY(second_builtin != first_builtin);
    verify_shows(*toolbar, second_builtin);
    QVERIFY(!a->isVisible());

    toolbar->cb_mode->setCurrentIndex(1);
    verify_shows(*toolbar, a);
    QVERIFY(!a->actions().constFirst()->isEnabled());

    delete_released_bars();
    QVERIFY(!first_builtin);
    QCOMPARE(host.bars.constFirst().data(), a);
}

void TestPivotBar::switching_does_not_pile_up_bars()
{
    FakeHost host;
    FakeMenuBar *a = host.add_plugin("A");
    auto toolbar = make_toolbar(&host);
    const auto entries = [&toolbar] {
        return toolbar->findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly).size();
    };
    const int entries_at_start = entries();

    QList<QPointer<QMenuBar>> builtins{toolbar->currentMenuBar};
    for (int round = 0; round < 50; ++round) {
        toolbar->cb_mode->setCurrentIndex(1);
        toolbar->cb_mode->setCurrentIndex(0);
        builtins << toolbar->currentMenuBar;
    }
    delete_released_bars();

    int alive = 0;
    for (const QPointer<QMenuBar> &bar : builtins)
        alive += bar ? 1 : 0;
    QCOMPARE(alive, 1);
    QVERIFY(builtins.constLast());
    QCOMPARE(entries(), entries_at_start);
    QCOMPARE(host.bars.constFirst().data(), a);
}

void TestPivotBar::unknown_mode_changes_nothing()
{
    FakeHost host;
    FakeMenuBar *a = host.add_plugin("A");
    auto toolbar = make_toolbar(&host);
    toolbar->cb_mode->setCurrentIndex(1);
    toolbar->cb_mode->addItem("Nowhere");

    {
        ErrorRecorder errors;
        toolbar->cb_mode->setCurrentIndex(2);
        QCOMPARE(errors.messages, QStringList{"Unknown value"});
    }
    verify_shows(*toolbar, a);

    try {
        toolbar->mode_changed(2);
        QFAIL("an unknown mode was accepted");
    } catch (const ValueError &error) {
        QCOMPARE(error_text(error), QStringLiteral("Unknown value"));
    }
    verify_shows(*toolbar, a);
}

void TestPivotBar::plugout_menu_bar_data()
{
    QTest::addColumn<bool>("hosted");
    QTest::newRow("in a host") << true;
    QTest::newRow("without host") << false;
}

void TestPivotBar::plugout_menu_bar()
{
    QFETCH(bool, hosted);
    FakeHost host;
    auto toolbar = make_toolbar(hosted ? &host : nullptr);
    auto *bar = qobject_cast<PlugoutMenuBar *>(toolbar->currentMenuBar);
    QVERIFY(bar);

    QCOMPARE(bar->parent, toolbar.get());
    QCOMPARE(bar->main, hosted ? &host.main : nullptr);
    QCOMPARE(bar->treebase, hosted ? &host.tree : nullptr);
    QCOMPARE(bar->database, hosted ? static_cast<ObjectData *>(&host.database) : nullptr);

    QCOMPARE(bar->actions(), (QList<QAction *>{bar->new_menu->menuAction(), bar->edit_menu->menuAction()}));
    QCOMPARE(bar->new_menu->title(), _("New"));
    QCOMPARE(bar->edit_menu->title(), _("Edit"));
    QCOMPARE(bar->act_todo->text(), _("TODO"));
    QCOMPARE(bar->act_todo->parent(), bar);
    const QList<QAction *> todo{bar->act_todo};
    QCOMPARE(bar->new_menu_actions, todo);
    QCOMPARE(bar->edit_menu_actions, todo);
    QCOMPARE(bar->new_menu->actions(), todo);
    QCOMPARE(bar->edit_menu->actions(), todo);
}

void TestPivotBar::todo_writes_one_line_data()
{
    QTest::addColumn<bool>("edit");
    QTest::newRow("from New") << false;
    QTest::newRow("from Edit") << true;
}

void TestPivotBar::todo_writes_one_line()
{
    QFETCH(bool, edit);
    PivotBar toolbar;
    toolbar.show();
    auto *bar = qobject_cast<PlugoutMenuBar *>(toolbar.currentMenuBar);
    QMenu *menu = edit ? bar->edit_menu : bar->new_menu;

    menu->popup(QPoint(0, 0));
    QTest::keyClick(menu, Qt::Key_Down);
    const QByteArray written = capture_stdout([menu] { QTest::keyClick(menu, Qt::Key_Return); });
    QCOMPARE(written, QByteArray("test\n"));
    QVERIFY(!menu->isVisible());
}

void TestPivotBar::plugin_menu_bar_base()
{
    QCOMPARE(QString::fromUtf8(PluginMenuBar::NAME), QStringLiteral("Plugin Menu Bar"));
    PluginMenuBar bar;
    QCOMPARE(bar.name(), QStringLiteral("Plugin Menu Bar"));
    QVERIFY_EXCEPTION_THROWN(bar.setup(), NotImplementedError);

    FakeHost host;
    auto hosted = make_toolbar(&host);
    bar.set_treebase(hosted.get());
    QCOMPARE(bar.treebase, &host.tree);
    auto unhosted = make_toolbar(nullptr);
    bar.set_treebase(unhosted.get());
    QCOMPARE(bar.treebase, nullptr);
    bar.set_treebase(hosted.get());
    bar.set_treebase(nullptr);
    QCOMPARE(bar.treebase, nullptr);
}

KELVRA_TEST_MAIN(TestPivotBar)
