#pragma once

// The main window of the reference host: the object tree with the data
// explorer's check marks, the mode switch toolbar, the viewer and plotter
// docks loaded as plug-ins, and menus that open every dialog.

#include "app/core/projectlocation.h"
#include "app/core/serverproject.h"

#include "host/mainwindow.h"

#include <QList>

class QDockWidget;
#include <QString>

#include <exception>
#include <memory>
#include <optional>

namespace kelvra {
class MapViewer;
class PivotBar;
class QtPluginsManager;
} // namespace kelvra

namespace kelvra::app {

class ExplorerPanel;
class ObjectStore;
class BackgroundTask;
class ObjectTreeWidget;
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
    // project for a postgresql:// URI), read on a worker
    // thread; the window shows what it showed until all are read. Returns
    // the task; errors go to the error handler when it ends. Throws
    // ValueError while another file task runs.
    BackgroundTask *open_project(const QString &path);
    // Writes every object into a project (file or server) on a worker
    // thread; the store refuses changes until it is written. Saving to the
    // server project that was opened builds on the version opened.
    BackgroundTask *save_project(const QString &path);
    // The same for a location, which may carry a password typed before.
    // A server that asks for a password gets a prompt and the work starts
    // again; a save refused because someone else saved the project offers
    // to save under another name (and, for a project that merely exists,
    // to replace it).
    BackgroundTask *open_location(const ProjectLocation &location);
    BackgroundTask *save_location(const ProjectLocation &location);
    // File > Open from server... and Save to server...: the server dialog,
    // then the open or save.
    void open_from_server();
    void save_to_server(const std::optional<ServerAddress> &initial = std::nullopt);
    // The project opened or saved last, empty before the first.
    const ProjectLocation &location() const { return m_location; }
    // Shows every object in the current viewer and selects the first, so
    // that the plot shows its current property.
    void present_project();
    // Opens the preferences window.
    void show_preferences();
    // Checks exactly these objects and shows them in the current viewer.
    void show_objects(const QStringList &names);

    ObjectStore *const store;
    ObjectTreeWidget *const objects;
    ExplorerPanel *const explorer;
    StoreTasks *const tasks;
    Requests *const requests;
    PivotBar *pivotbar = nullptr;
    QList<EasyPluginWidget *> dock_plugins;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void create_menus();
    void load_dock_plugins();
    void arrange_docks(QDockWidget *explorer_dock);
    void show_object_menu(const QString &name, const QPoint &position);
    // Shows in the current viewer exactly the checked objects.
    void show_checked(const QStringList &names);
    // Brings every viewer that shows the object up to date.
    void redraw(const QString &name);
    void follow_rename(const QString &name, const QString &new_name);
    void show_in(MapViewer *viewer, const QString &name);
    // Shows a viewer's cursor readout in the status bar.
    void show_status(const QString &text);
    void forget_missing_objects();
    void plot_selection();

    // Takes the project's location as the window's: title and saves.
    void set_location(const ProjectLocation &location);
    // Takes care of a password request or a conflict of a server task.
    bool take_server_refusal(const std::exception &error, const ProjectLocation &location, bool saving);
    void ask_password(ProjectLocation location, bool saving);
    void resolve_conflict(ProjectLocation location, const QString &message, const ServerProjectInfo &current);

    std::unique_ptr<QtPluginsManager> m_plugins;
    ProjectLocation m_location;
    QMetaObject::Connection m_close_after_save; // set while closing waits for a save
};

} // namespace kelvra::app
