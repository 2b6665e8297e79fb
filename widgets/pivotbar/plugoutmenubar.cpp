#include "widgets/pivotbar/plugoutmenubar.h"

#include "host/mainwindow.h"
#include "host/objecttree.h"
#include "host/qthelpers.h"
#include "host/translation.h"
#include "widgets/pivotbar/pivotbar.h"

#include <QMenu>

#include <iostream>

namespace kelvra {

PlugoutMenuBar::PlugoutMenuBar(PivotBar *parent)
    : QMenuBar(parent)
    , parent(parent)
{
    if (parent && parent->parent) {
        main = parent->parent;
        treebase = main->treebase;
        database = treebase ? treebase->object_data : nullptr;
    }
    new_menu = addMenu(_("New"));
    edit_menu = addMenu(_("Edit"));
    PlugoutMenuBar::make_actions();
    new_menu_actions = {act_todo};
    edit_menu_actions = {act_todo};
    add_actions(new_menu, new_menu_actions);
    add_actions(edit_menu, edit_menu_actions);
}

PlugoutMenuBar::~PlugoutMenuBar() = default;

void PlugoutMenuBar::make_actions()
{
    act_todo = create_action(this, _("TODO"), [this] { test(); });
}

void PlugoutMenuBar::test()
{
    std::cout << "test" << std::endl;
}

} // namespace kelvra
