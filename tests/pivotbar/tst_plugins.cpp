#include "tst_pivotbar.h"

#include "host/plugininterface.h"
#include "host/qtpluginsmanager.h"
#include "pivotbarfakes.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QtTest>

#include <memory>
#include <optional>

Q_DECLARE_METATYPE(std::optional<QByteArray>)
Q_DECLARE_METATYPE(std::optional<QStringList>)

using namespace kelvra;
using namespace kelvra::test;

namespace {

const QString kSampleMode = QStringLiteral("Object Lister");

// Sets KELVRA_PLUGIN_PATH (or unsets it) for its lifetime.
class PluginPathVariable
{
public:
    explicit PluginPathVariable(const std::optional<QByteArray> &value)
        : m_saved(qEnvironmentVariableIsSet("KELVRA_PLUGIN_PATH")
                      ? std::optional<QByteArray>(qgetenv("KELVRA_PLUGIN_PATH"))
                      : std::nullopt)
    {
        set(value);
    }
    ~PluginPathVariable() { set(m_saved); }
    PluginPathVariable(const PluginPathVariable &) = delete;
    PluginPathVariable &operator=(const PluginPathVariable &) = delete;

private:
    static void set(const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv("KELVRA_PLUGIN_PATH", *value);
        else
            qunsetenv("KELVRA_PLUGIN_PATH");
    }

    std::optional<QByteArray> m_saved;
};

// Records the messages of one logging category while it lives.
class MessageRecorder
{
public:
    explicit MessageRecorder(const char *category)
    {
        s_category = category;
        s_messages.clear();
        m_previous = qInstallMessageHandler(&record);
    }
    ~MessageRecorder() { qInstallMessageHandler(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    static QStringList warnings() { return s_messages; }

private:
    static void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg && qstrcmp(context.category, s_category) == 0)
            s_messages << message;
    }

    static inline const char *s_category = nullptr;
    static inline QStringList s_messages;
    QtMessageHandler m_previous = nullptr;
};

QStringList record_names(const QList<PluginRecord> &records)
{
    QStringList names;
    for (const PluginRecord &record : records)
        names << record.name;
    return names;
}

} // namespace

void TestPivotBar::plugin_folders_data()
{
    QTest::addColumn<std::optional<QByteArray>>("variable");
    QTest::addColumn<QStringList>("folders"); // empty: the default folder

    QTest::newRow("unset") << std::optional<QByteArray>() << QStringList{};
    QTest::newRow("empty") << std::optional<QByteArray>("") << QStringList{};
    QTest::newRow("one folder") << std::optional<QByteArray>("/opt/kelvra plug-ins")
                                << QStringList{"/opt/kelvra plug-ins"};
    QTest::newRow("a list") << std::optional<QByteArray>("/a::/b:") << QStringList{"/a", "/b"};
}

void TestPivotBar::plugin_folders()
{
    QFETCH(std::optional<QByteArray>, variable);
    QFETCH(QStringList, folders);
    const PluginPathVariable setting(variable);

    // Tests run from the build tree's program folder, beside its plug-ins.
    QCOMPARE(QtPluginsManager::default_plugin_folder(), QDir::cleanPath(PLUGIN_BUILD_DIR));
    const QStringList expected =
        folders.isEmpty() ? QStringList{QtPluginsManager::default_plugin_folder()} : folders;
    QCOMPARE(QtPluginsManager::plugin_folders(), expected);
    QCOMPARE(QtPluginsManager().folders(), expected);
    QCOMPARE(QtPluginsManager({"/given"}).folders(), QStringList{"/given"});
}

void TestPivotBar::sample_plugin_lists_objects_data()
{
    QTest::addColumn<std::optional<QStringList>>("objects"); // absent: no database
    QTest::addColumn<QString>("shown");

    QTest::newRow("objects") << std::optional<QStringList>({"horizon", "fault"}) << "horizon\nfault";
    QTest::newRow("empty database") << std::optional<QStringList>(QStringList{})
                                    << "The database holds no objects.";
    QTest::newRow("no database") << std::optional<QStringList>() << "No object database is open.";
}

void TestPivotBar::sample_plugin_lists_objects()
{
    QFETCH(std::optional<QStringList>, objects);
    QFETCH(QString, shown);
    const PluginPathVariable setting(std::nullopt);
    QtPluginsManager manager; // the build tree's plug-in folder
    const QList<PluginRecord> records = manager.getPluginsOfCategory("PluginMenuBar");
    QCOMPARE(record_names(records), QStringList{kSampleMode});
    QCOMPARE(QFileInfo(records.constFirst().path).fileName(), QStringLiteral("libobjectlister.so"));

    FakeMainWindow main;
    FakeTree tree;
    NamedObjectData database(objects.value_or(QStringList{}));
    main.treebase = &tree;
    main.plugins_manager = &manager;
    tree.main = &main;
    tree.object_data = objects ? &database : nullptr;
    ErrorRecorder errors;
    auto toolbar = std::make_unique<PivotBar>(&main);

    QCOMPARE(toolbar->cb_mode->itemText(1), kSampleMode);
    toolbar->cb_mode->setCurrentIndex(1);
    auto *bar = qobject_cast<PluginMenuBar *>(toolbar->currentMenuBar);
    QCOMPARE(bar, records.constFirst().plugin_object);
    QCOMPARE(bar->treebase, &tree);
    QCOMPARE(toolbar->widgetForAction(toolbar->currentAction), bar);

    const QList<QAction *> menus = bar->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.constFirst()->text(), QStringLiteral("Objects"));
    QMenu *menu = menus.constFirst()->menu();
    QCOMPARE(menu->actions().size(), 1);
    QString text;
    on_next_modal([&text](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        text = box ? box->text() : QStringLiteral("not a message box");
        modal->close();
    });
    menu->actions().constFirst()->trigger();
    QVERIFY(modal_was_handled());
    QCOMPARE(text, shown);
    QVERIFY(errors.messages.isEmpty());
}

void TestPivotBar::bad_plugin_files_skipped()
{
    const QString folder = QStringLiteral(FIXTURE_DIR);
    const MessageRecorder log("kelvra.plugins");
    QtPluginsManager manager({folder});

    // One warning per bad file, in file-name order, naming file and reason.
    const QStringList warnings = MessageRecorder::warnings();
    const QStringList bad{"libbroken.so", "libnocategory.so", "libotherinterface.so", "libunresolved.so"};
    const QStringList reasons{"not an ELF object", "no name or no category",
                              "another interface (org.example.OtherInterface/1.0)",
                              "kelvra_fixture_missing_symbol"};
    QCOMPARE(warnings.size(), bad.size());
    for (int i = 0; i < bad.size(); ++i) {
        QVERIFY2(warnings.at(i).startsWith("skipping the plug-in " + folder + '/' + bad.at(i) + ": "),
                 qPrintable(warnings.at(i)));
        QVERIFY2(warnings.at(i).contains(reasons.at(i)), qPrintable(warnings.at(i)));
    }

    // The good ones load, by file name: liba_docktwo.so before libz_dockone.so.
    QVERIFY(manager.getPluginsOfCategory("PluginMenuBar").isEmpty());
    const QList<PluginRecord> docks = manager.getPluginsOfCategory("DockPlugin");
    QCOMPARE(record_names(docks), (QStringList{"Dock Two", "Dock One"}));
    QWidget parent;
    for (const PluginRecord &record : docks) {
        QCOMPARE(record.category, QStringLiteral("DockPlugin"));
        QCOMPARE(record.plugin_object, nullptr);
        QVERIFY(record.factory);
        QObject *dock = record.factory->create_plugin(&parent);
        QVERIFY(dock);
        QCOMPARE(dock->parent(), &parent);
    }
}

void TestPivotBar::menu_bars_owned_by_manager_until_taken()
{
    const QStringList folders{QStringLiteral(PLUGIN_BUILD_DIR)};
    QPointer<QObject> untaken;
    {
        QtPluginsManager manager(folders);
        untaken = manager.getPluginsOfCategory("PluginMenuBar").value(0).plugin_object;
        QVERIFY(untaken);
    }
    QVERIFY(!untaken);

    auto manager = std::make_unique<QtPluginsManager>(folders);
    QPointer<QObject> taken = manager->getPluginsOfCategory("PluginMenuBar").value(0).plugin_object;
    FakeMainWindow main;
    main.plugins_manager = manager.get();
    auto toolbar = std::make_unique<PivotBar>(&main);
    manager.reset();
    QVERIFY(taken);
    toolbar->cb_mode->setCurrentIndex(1);
    QCOMPARE(toolbar->currentMenuBar, taken.data());

    // Once the toolbar is gone, its bar is no longer offered.
    manager = std::make_unique<QtPluginsManager>(folders);
    const QList<PluginRecord> before = manager->getPluginsOfCategory("PluginMenuBar");
    main.plugins_manager = manager.get();
    auto second = std::make_unique<PivotBar>(&main);
    second.reset();
    QCOMPARE(before.size(), 1);
    QVERIFY(manager->getPluginsOfCategory("PluginMenuBar").isEmpty());
    toolbar.reset();
    QVERIFY(!taken);
}
