#pragma once

#include "widgets/pivotbar/pivotbar_export.h"

#include <QList>
#include <QMenuBar>

class QAction;
class QMenu;

namespace kelvra {

class MainWindow;
class ObjectData;
class ObjectTree;
class PivotBar;

// The menu bar of the built-in mode "Plugout Mode": the menus "New" and
// "Edit", both holding the one placeholder action "TODO".
class PIVOTBAR_EXPORT PlugoutMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    // parent: the toolbar that shows the bar. The host objects are taken
    // from the toolbar's host widget; without one they stay null and the
    // menus work as usual.
    explicit PlugoutMenuBar(PivotBar *parent);
    ~PlugoutMenuBar() override;

    // Makes act_todo. The constructor runs this class's own version.
    virtual void make_actions();
    // What "TODO" does: writes the line "test" to standard output.
    virtual void test();

    PivotBar *parent = nullptr;
    MainWindow *main = nullptr;     // not owned
    ObjectTree *treebase = nullptr; // not owned
    ObjectData *database = nullptr; // not owned
    QMenu *new_menu = nullptr;
    QMenu *edit_menu = nullptr;
    QAction *act_todo = nullptr;
    QList<QAction *> new_menu_actions;
    QList<QAction *> edit_menu_actions;
};

} // namespace kelvra
