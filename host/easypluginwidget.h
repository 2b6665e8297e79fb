#pragma once

// The base of the dock plug-ins: a widget that the main window puts into a
// dock widget, with an optional options button whose menu lists the
// plug-in's actions.
//
// A dock plug-in derives from it, builds its content in its constructor,
// calls initialize_plugin() once the base is set up, and implements the
// operations the host calls:
//
//     class Notes : public EasyPluginWidget {
//     public:
//         explicit Notes(MainWindow *parent) : EasyPluginWidget(parent)
//         {
//             initialize_plugin();
//             ...
//         }
//         void register_plugin() override { main->add_dockwidget(this); }
//         ...
//     };
//
// MainWindow::add_dockwidget implementations dock a plug-in with
// create_dockwidget().

#include "host/kelvrahost_export.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

class QAction;
class QDockWidget;
class QMenu;
class QToolButton;

namespace kelvra {

class MainWindow;

class KELVRAHOST_EXPORT EasyPluginWidget : public QWidget
{
    Q_OBJECT
public:
    // parent: the main window; has_options_button: whether the plug-in has
    // an options button (created here, so it exists once the base is built).
    explicit EasyPluginWidget(MainWindow *parent, bool has_options_button = true);
    ~EasyPluginWidget() override;

    // Finishes the base once the plug-in can answer get_plugin_title() and
    // get_plugin_actions(): names the widget and fills the options menu.
    void initialize_plugin();

    // Puts the plug-in into a new dock widget of main, titled with
    // get_plugin_title(), in the given area. Docking again returns the
    // existing dock widget; without a main window there is none (nullptr).
    QDockWidget *create_dockwidget(Qt::DockWidgetArea area = Qt::RightDockWidgetArea);

    // The plug-in's title, shown on its dock widget.
    virtual QString get_plugin_title() const = 0;
    // The widget the host gives focus to for this plug-in.
    virtual QWidget *get_focus_widget() = 0;
    // The plug-in's own actions, listed in its options menu.
    virtual QList<QAction *> get_plugin_actions() = 0;
    // Called once by the host after construction: wires the plug-in into main.
    virtual void register_plugin() = 0;
    // Called by the host at its refresh points.
    virtual void refresh_plugin(std::optional<QString> new_path = std::nullopt,
                                bool force_current = true) = 0;
    // Called by the host before it closes; false keeps the application open.
    virtual bool closing_plugin(bool cancelable = false) = 0;

    MainWindow *const main;
    // The options button, or nullptr for a plug-in built without one. The
    // plug-in decides where to show it.
    QToolButton *const options_button;
    // The menu of options_button, or nullptr with it.
    QMenu *const options_menu;
    // The dock widget, once docked.
    QDockWidget *dockwidget = nullptr;
};

} // namespace kelvra
