#pragma once

#include <QObject>

// The mode switch toolbar, its menu bars, and the plugins manager that
// supplies the plug-in menu bars.
class TestPivotBar : public QObject
{
    Q_OBJECT
private slots:
    // tst_pivotbar.cpp: the toolbar and its menu bars.
    void selector_offers_modes_data();
    void selector_offers_modes();
    void plugins_linked_then_set_up_then_stored();
    void plugin_error_ends_construction_data();
    void plugin_error_ends_construction();
    void plugin_bar_kept_builtin_bar_renewed();
    void switching_does_not_pile_up_bars();
    void unknown_mode_changes_nothing();
    void plugout_menu_bar_data();
    void plugout_menu_bar();
    void todo_writes_one_line_data();
    void todo_writes_one_line();
    void plugin_menu_bar_base();

    // tst_plugins.cpp: the plugins manager and the sample plug-in.
    void plugin_folders_data();
    void plugin_folders();
    void sample_plugin_lists_objects_data();
    void sample_plugin_lists_objects();
    void bad_plugin_files_skipped();
    void menu_bars_owned_by_manager_until_taken();
};
