#pragma once

#include "widgets/pivotbar/pivotbar_export.h"

#include <QHash>
#include <QString>
#include <QToolBar>

class QAction;
class QComboBox;
class QMenuBar;

namespace kelvra {

class MainWindow;
class PluginMenuBar;

// The mode switch: a toolbar of the main window with a mode selector and,
// beside it, the menu bar of the current mode. The built-in mode "Plugout
// Mode" shows a PlugoutMenuBar; each menu-bar plug-in that the main
// window's plugins manager holds adds one mode, named by the plug-in.
//
// The host widget is the main window itself: the toolbar's parent gives
// the main window, whose treebase and plugins_manager the modes use.
//
// Ownership: the toolbar takes over every plug-in menu bar it has set up
// (each gets one toolbar entry, owned by the toolbar, that holds it between
// showings), so a plug-in mode shows the same bar, with its state, for the
// toolbar's life. A built-in bar that is switched away is deleted (after
// the current event), so switching back and forth never piles them up.
class PIVOTBAR_EXPORT PivotBar : public QToolBar
{
    Q_OBJECT
public:
    // The built-in mode; not translated.
    static constexpr const char *PLUGOUT_MODE = "Plugout Mode";

    // Without parent only the built-in mode is offered. With one, the
    // plug-ins of category "PluginMenuBar" are linked to the tree and set
    // up; an error from a plug-in ends the construction.
    explicit PivotBar(MainWindow *parent = nullptr);
    ~PivotBar() override;

    // Shows the menu bar of the mode selected in cb_mode (i is not used).
    // Throws ValueError "Unknown value" for any other text, changing
    // nothing. The selector reaches it through the general error handler.
    void mode_changed(int i);

    MainWindow *parent = nullptr; // not owned
    QComboBox *cb_mode = nullptr;
    QHash<QString, PluginMenuBar *> plugin_modes;
    QMenuBar *currentMenuBar = nullptr;
    QAction *currentAction = nullptr;

private:
    // Takes currentMenuBar out of the toolbar.
    void take_out_current();
    // The toolbar entry that holds a plug-in bar, made on first use.
    QAction *entry_for(PluginMenuBar *bar);

    QHash<PluginMenuBar *, QAction *> m_entries;
};

namespace pivotbar {

// Shows the toolbar, without host, in a bare main window and runs the
// event loop until the window closes.
PIVOTBAR_EXPORT int main();

} // namespace pivotbar
} // namespace kelvra
