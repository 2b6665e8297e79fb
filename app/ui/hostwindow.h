#pragma once

// The main window of the reference host: the object tree with the data
// explorer's check marks, the mode switch toolbar, the viewer and plotter
// docks loaded as plug-ins, and menus that open every dialog.

#include "host/mainwindow.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QDockWidget;

namespace kelvra {
class MapViewer;
class PivotBar;
class QtPluginsManager;
class TabViewer;
} // namespace kelvra

namespace kelvra::app {

class ExplorerPanel;
class GeoObject;
class ObjectStore;
class BackgroundTask;
class ObjectTreeWidget;
class ProjectSession;
class Requests;
class StoreTasks;

class HostWindow : public MainWindow
{
    Q_OBJECT
public:
    // Loads the plug-ins of plugin_folders (the default folders when empty).
    explicit HostWindow(const QStringList &plugin_folders = {}, QWidget *parent = nullptr);
    ~HostWindow() override;

    void add_dockwidget(EasyPluginWidget *plugin) override;

    // Replaces the objects with those of a project (a file, or a server
    // project for a postgresql:// URI), read on a worker thread; the window
    // shows what it showed until all are read. Returns the task; errors go
    // to the error handler when it ends, then ended (if given) learns
    // whether the project was opened. Throws ValueError while another file
    // task runs. Asks nothing: see project->open_settled().
    BackgroundTask *open_project(const QString &path, std::function<void(bool)> ended = {});
    // Writes every object into a project (file or server project) on a
    // worker thread; the store refuses changes until it is written. Once
    // written, it is the project Save writes to and the window is no
    // longer marked modified.
    BackgroundTask *save_project(const QString &path, std::function<void(bool)> ended = {});
    // Shows every object, whole, in the current viewer and selects the
    // first, so that the plot shows its current property.
    void present_project();
    // Opens the preferences window.
    void show_preferences();
    // Checks exactly these objects and shows them in the current viewer.
    void show_objects(const QStringList &names);
    // Opens a new viewer tab, bringing the viewer dock back if it was closed.
    void new_viewer();

    ObjectStore *const store;
    ObjectTreeWidget *const objects;
    ExplorerPanel *const explorer;
    StoreTasks *const tasks;
    Requests *const requests;
    // The project (file or server project), the modified mark and the
    // unsaved-changes question.
    ProjectSession *const project;
    PivotBar *pivotbar = nullptr;
    QList<EasyPluginWidget *> dock_plugins;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void create_menus();
    void create_view_menu();
    // The viewer dock's tabs, or nullptr without the viewer plug-in.
    TabViewer *viewer_tabs() const;
    void load_dock_plugins();
    void arrange_docks(QDockWidget *explorer_dock);
    void show_object_menu(const QString &name, const QPoint &position);
    // Shows in the current viewer exactly the checked objects.
    void show_checked(const QStringList &names);
    // Brings every viewer that shows the object up to date.
    void redraw(const QString &name);
    // After objects were added, removed, renamed or replaced: every viewer
    // shows what it showed of the objects that are still there, under their
    // names now, and the check marks follow the current viewer.
    void follow_objects();
    void show_in(MapViewer *viewer, const GeoObject *object);
    // Shows a viewer's cursor readout in the status bar.
    void show_status(const QString &text);
    // Plots the selected object's current property.
    void plot_selection();

    std::unique_ptr<QtPluginsManager> m_plugins;
    QMetaObject::Connection m_close_after_save; // set while closing waits for a save
    bool m_close_settled = false; // the unsaved changes were settled for this close
};

} // namespace kelvra::app
