#pragma once

#include "widgets/pivotbar/pluginmenubar.h"

class QAction;
class QMenu;

namespace kelvra {

// The menu bar of the "Object Lister" mode: one menu whose action lists
// the objects of the tree in a message box.
class ObjectListerMenuBar : public PluginMenuBar
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Object Lister");

    using PluginMenuBar::PluginMenuBar;

    QString name() const override;
    void setup() override;

    // The text listing the tree's objects, one per line, or saying why
    // there are none.
    QString object_list() const;
    // Shows object_list() in a message box.
    void list_objects();

    QMenu *objects_menu = nullptr;
    QAction *act_list = nullptr;
};

} // namespace kelvra
