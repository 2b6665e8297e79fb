#pragma once

// Fake host objects for the dock tests: a main window that docks what it
// records, and a data explorer tree that records the calls it receives.

#include "fakehost.h"
#include "host/dataexplorer.h"

#include <QList>
#include <QLoggingCategory>
#include <QStringList>

namespace kelvra::test {

class FakeExplorerTree : public ExplorerTreeBase
{
    Q_OBJECT
public:
    using ExplorerTreeBase::ExplorerTreeBase;

    void uncheck_all_items() override { ++unchecks; }
    void update_checks(const kelvra::DisplayState &state) override { updates << state; }

    int unchecks = 0;
    QList<DisplayState> updates;
};

// A main window with the viewer actions, which docks what it records.
class DockHostWindow : public FakeMainWindow
{
    Q_OBJECT
public:
    // with_explorer: whether the window has a data explorer.
    explicit DockHostWindow(bool with_explorer = true);

    void add_dockwidget(EasyPluginWidget *plugin) override;

    FakeExplorerTree *explorer_tree = nullptr;
};

// Records the lines written to one logging category while it lives.
class LogCapture
{
public:
    explicit LogCapture(const char *category);
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text);

    const char *m_category;
    QtMessageHandler m_previous;
};

} // namespace kelvra::test
