#include "app/ui/hostwindow.h"

#include "app/core/objectstore.h"
#include "app/ui/dataexplorer.h"
#include "app/ui/objecttreewidget.h"
#include "app/ui/preferencepages.h"
#include "app/ui/projectsession.h"
#include "app/ui/recentprojects.h"
#include "app/ui/requests.h"
#include "app/ui/storetasks.h"

#include "host/easypluginwidget.h"
#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/icon_manager.h"
#include "host/plugininterface.h"
#include "host/qtpluginsmanager.h"
#include "host/translation.h"
#include "host/views/mapviewer.h"
#include "host/views/propertyplot.h"
#include "host/views/tabviewer.h"
#include "host/views/welllayer.h"
#include "widgets/dialogs.h"
#include "widgets/pivotbar.h"

#include <QAction>
#include <QActionGroup>
#include <algorithm>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QHash>
#include <QSet>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace kelvra::app {
namespace {

using Kind = Requests::Kind;

struct MenuEntry
{
    const char *text;
    Kind kind;
};

const MenuEntry kObjectEntries[] = {
    {QT_TRID_NOOP("Remove object..."), Kind::RemoveObject},
    {QT_TRID_NOOP("Rename object..."), Kind::RenameObject},
    {QT_TRID_NOOP("Copy object..."), Kind::CopyObject},
    {QT_TRID_NOOP("Flip depth..."), Kind::FlipDepth},
    {QT_TRID_NOOP("Translate..."), Kind::Translate},
};

const MenuEntry kPropertyEntries[] = {
    {QT_TRID_NOOP("Create property..."), Kind::CreateProperty},
    {QT_TRID_NOOP("Copy property..."), Kind::CopyProperty},
    {QT_TRID_NOOP("Rename property..."), Kind::RenameProperty},
    {QT_TRID_NOOP("Remove property..."), Kind::RemoveProperty},
    {QT_TRID_NOOP("Property operator..."), Kind::PropertyOperator},
};

} // namespace

HostWindow::HostWindow(const QStringList &plugin_folders, QWidget *parent)
    : MainWindow(parent)
    , store(new ObjectStore(this))
    , objects(new ObjectTreeWidget(store))
    , explorer(new ExplorerPanel(objects))
    , tasks(new StoreTasks(store, this))
    , requests(new Requests(store, objects, tasks, this))
    , project(new ProjectSession(this))
    , m_plugins(plugin_folders.isEmpty() ? std::make_unique<QtPluginsManager>()
                                         : std::make_unique<QtPluginsManager>(plugin_folders))
{
    setObjectName(QStringLiteral("HostWindow"));
    objects->main = this;
    treebase = objects;
    data_explorer = explorer;
    plugins_manager = m_plugins.get();

    auto *explorer_dock = new QDockWidget(_("Data explorer"), this);
    explorer_dock->setObjectName(QStringLiteral("data_explorer_dock"));
    explorer_dock->setWidget(explorer);
    addDockWidget(Qt::LeftDockWidgetArea, explorer_dock);

    act_plot_aspect = new QAction(_("Aspect ratio..."), this);
    act_bkgd_color = new QAction(_("Background colour..."), this);
    canvas_export_action = new QAction(_("Export canvas..."), this);
    statusBar(); // where the map viewers tell what lies under the cursor

    pivotbar = new PivotBar(this);
    pivotbar->setObjectName(QStringLiteral("pivotbar"));
    // Its title names it where the window lists its bars and docks.
    pivotbar->setWindowTitle(_("Mode switch"));
    addToolBar(pivotbar);
    load_dock_plugins();
    arrange_docks(explorer_dock);
    create_menus();

    connect(objects, &ObjectTreeWidget::checks_changed, this, &HostWindow::show_checked);
    connect(objects, &ObjectTreeWidget::object_menu_requested, this, &HostWindow::show_object_menu);
    connect(objects, &ObjectTreeWidget::selection_changed, this, &HostWindow::plot_selection);
    connect(store, &ObjectStore::object_changed, this, [this](const QString &name) {
        redraw(name);
        plot_selection();
    });
    connect(store, &ObjectStore::objects_changed, this, [this] {
        follow_objects();
        plot_selection();
    });
    connect(qGuiApp, &QGuiApplication::commitDataRequest, project, &ProjectSession::commit_data);
    resize(1200, 760);
}

HostWindow::~HostWindow() = default;

void HostWindow::create_menus()
{
    QMenu *file = menuBar()->addMenu(_("&File"));
    file->addAction(_("Open project..."), project, &ProjectSession::choose_and_open, QKeySequence::Open);
    file->addAction(_("Open from server..."), project, &ProjectSession::choose_server_and_open);
    file->addMenu(project->recent->menu());
    file->addAction(_("Save project"), this, [this] { guarded([this] { project->save(); }); }, QKeySequence::Save);
    // Ctrl+Shift+S and Ctrl+Q named outright: not every desktop's key
    // scheme binds the standard keys SaveAs and Quit.
    file->addAction(_("Save project as..."), this, [this] { guarded([this] { project->save_as(); }); },
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addAction(_("Save to server..."), this, [this] { guarded([this] { project->save_to_server(); }); });
    file->addSeparator();
    file->addAction(_("Load object..."), this, [this] { requests->open(Kind::LoadObject); });
    file->addAction(_("Save object..."), this, [this] { requests->open(Kind::SaveObject); });
    file->addSeparator();
    file->addAction(_("Import..."), this, [this] { requests->open(Kind::Import); });
    file->addAction(_("Export..."), this, [this] { requests->open(Kind::Export); });
    file->addSeparator();
    file->addAction(ima::icon(QStringLiteral("configure")), _("Preferences..."), this,
                    &HostWindow::show_preferences);
    file->addSeparator();
    file->addAction(_("Quit"), this, &QWidget::close, QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *object = menuBar()->addMenu(_("&Object"));
    for (const MenuEntry &entry : kObjectEntries)
        object->addAction(_(entry.text), this, [this, kind = entry.kind] { requests->open(kind); });
    QMenu *property = menuBar()->addMenu(_("&Property"));
    for (const MenuEntry &entry : kPropertyEntries)
        property->addAction(_(entry.text), this, [this, kind = entry.kind] { requests->open(kind); });

    create_view_menu();

    QMenu *help = menuBar()->addMenu(_("&Help"));
    help->addAction(_("Report bug..."), this, [this] { requests->open(Kind::ReportBug); });
    // F1 in a dialog shows that dialog's help; here, what the program is.
    help->addAction(
        _("About Kelvra"), this,
        [this] {
            QMessageBox::about(this, _("About Kelvra"),
                               _("Kelvra builds and inspects 3-D subsurface models.") + QStringLiteral("\n\n")
                                   + _("In a dialog, F1 or its Help button explains the dialog."));
        },
        QKeySequence::HelpContents);
}

void HostWindow::create_view_menu()
{
    QMenu *view = menuBar()->addMenu(_("&View"));
    view->addAction(_("New viewer"), this, [this] { guarded([this] { new_viewer(); }); }, QKeySequence::AddTab)
        ->setEnabled(viewer_tabs() != nullptr);
    // The window's New viewer answers Ctrl+T wherever the focus is; the
    // tabs' own action on the same key would make both ambiguous.
    if (TabViewer *tabs = viewer_tabs())
        tabs->act_new_viewer->setShortcuts({});
    view->addSeparator();
    view->addActions({act_plot_aspect, act_bkgd_color, canvas_export_action});
    view->addSeparator();
    // Every dock and bar can be closed; here each comes back.
    for (QDockWidget *dock : findChildren<QDockWidget *>(QString(), Qt::FindDirectChildrenOnly))
        view->addAction(dock->toggleViewAction());
    view->addAction(pivotbar->toggleViewAction());
}

TabViewer *HostWindow::viewer_tabs() const
{
    return findChild<TabViewer *>();
}

void HostWindow::new_viewer()
{
    TabViewer *tabs = viewer_tabs();
    if (!tabs)
        return;
    for (QWidget *up = tabs->parentWidget(); up; up = up->parentWidget()) {
        if (auto *dock = qobject_cast<QDockWidget *>(up)) {
            dock->show();
            dock->raise();
            break;
        }
    }
    tabs->new_viewer();
}

void HostWindow::load_dock_plugins()
{
    for (const PluginRecord &record : m_plugins->getPluginsOfCategory(QStringLiteral("DockPlugin"))) {
        guarded([&] {
            auto *plugin = qobject_cast<EasyPluginWidget *>(record.factory->create_plugin(this));
            if (!plugin)
                throw ValueError(_("the plug-in %1 gave no dock widget").arg(record.path));
            dock_plugins << plugin;
            plugin->register_plugin();
        });
    }
}

void HostWindow::arrange_docks(QDockWidget *explorer_dock)
{
    // The viewer gets most of the room, the plot a strip below it, the tree
    // a column on the left.
    QList<QDockWidget *> column;
    for (EasyPluginWidget *plugin : dock_plugins) {
        if (auto *dock = qobject_cast<QDockWidget *>(plugin->parentWidget()))
            column << dock;
    }
    std::sort(column.begin(), column.end(), [](QDockWidget *a, QDockWidget *b) {
        return a->findChild<MapViewer *>() && !b->findChild<MapViewer *>();
    });
    for (int i = 1; i < column.size(); ++i)
        splitDockWidget(column[i - 1], column[i], Qt::Vertical);
    if (column.size() == 2)
        resizeDocks(column, {520, 240}, Qt::Vertical);
    if (!column.isEmpty())
        resizeDocks({explorer_dock, column.first()}, {280, 920}, Qt::Horizontal);
}

void HostWindow::add_dockwidget(EasyPluginWidget *plugin)
{
    plugin->create_dockwidget(Qt::RightDockWidgetArea);
}

BackgroundTask *HostWindow::open_project(const QString &path, std::function<void(bool)> ended)
{
    return project->open(path, std::move(ended));
}

void HostWindow::present_project()
{
    const QStringList names = store->object_names();
    // Fitted first, so that the objects are drawn once, in the fitted view.
    if (auto *viewer = qobject_cast<MapViewer *>(current_viewer.data()))
        viewer->zoom_to_fit();
    show_objects(names);
    if (!names.isEmpty())
        objects->select(names.first());
}

BackgroundTask *HostWindow::save_project(const QString &path, std::function<void(bool)> ended)
{
    return project->save_to(path, std::move(ended));
}

void HostWindow::show_preferences()
{
    auto *dialog = new ConfigDialog(this);
    auto *language = new LanguagePage;
    auto *viewer = new ViewerPage;
    dialog->add_page(language);
    dialog->add_page(viewer);
    connect(dialog->button_reset, &QPushButton::clicked, dialog, [language, viewer] {
        language->reset_to_defaults();
        viewer->reset_to_defaults();
    });
    dialog->show();
    dialog->check_all_settings();
}

void HostWindow::show_object_menu(const QString &name, const QPoint &position)
{
    QMenu menu(this);
    menu.setTitle(name);
    for (const MenuEntry &entry : kObjectEntries)
        menu.addAction(_(entry.text), this, [this, kind = entry.kind] { requests->open(kind, true); });
    menu.addSeparator();
    // Rename and remove property act on the object's current property; an
    // object with coordinates only has none to offer.
    const GeoObject *object = store->object(name);
    const QStringList keys = object ? object->prop().keys() : QStringList();
    const bool coordinates_only = object && std::all_of(keys.cbegin(), keys.cend(), is_coordinate);
    for (const MenuEntry &entry : kPropertyEntries) {
        if (coordinates_only && (entry.kind == Kind::RenameProperty || entry.kind == Kind::RemoveProperty))
            continue;
        menu.addAction(_(entry.text), this, [this, kind = entry.kind] { requests->open(kind, true); });
    }
    // The current property: what the viewers colour the object by and the
    // plot shows; the coordinates too (a horizon coloured by its depth Z).
    QMenu *current = menu.addMenu(_("Current property"));
    auto *choices = new QActionGroup(current);
    for (const QString &key : keys) {
        QAction *choice = current->addAction(key);
        choice->setCheckable(true);
        choice->setChecked(object->current_property() == key);
        choices->addAction(choice);
        connect_guarded(choice, &QAction::triggered, this,
                        [this, name, key] { store->set_current_property(name, key); });
    }
    current->setEnabled(!current->isEmpty());
    menu.addSeparator();
    menu.addAction(_("Save object..."), this, [this] { requests->open(Kind::SaveObject, true); });
    menu.exec(position);
}

void HostWindow::show_objects(const QStringList &names)
{
    objects->set_checked(names);
    show_checked(names);
}

void HostWindow::show_checked(const QStringList &names)
{
    auto *viewer = qobject_cast<MapViewer *>(current_viewer.data());
    if (!viewer)
        return;
    // Sets of names: a project of thousands of objects shows in linear time.
    const QSet<QString> checked(names.begin(), names.end());
    for (const QString &shown : DisplayState(viewer->dpState)) {
        if (!checked.contains(shown))
            viewer->hide_object(shown);
    }
    // Shown anew when the viewer shows nothing, or another object, under the name.
    for (const QString &name : names) {
        const GeoObject *object = store->object(name);
        if (object && viewer->shown_id(name) != object->serial())
            show_in(viewer, object);
    }
}

void HostWindow::redraw(const QString &name)
{
    const GeoObject *object = store->object(name);
    if (!object)
        return;
    for (MapViewer *viewer : findChildren<MapViewer *>()) {
        if (viewer->shown_id(name) == object->serial())
            show_in(viewer, object);
    }
}

void HostWindow::follow_objects()
{
    // Viewers know objects by their serial number: one that is gone (also
    // when another of the same name came in its place) leaves them, a
    // renamed one stays, under its new name, in its place and colour.
    QHash<quint64, const GeoObject *> objects_now;
    for (const GeoObject *object : store->objects())
        objects_now.insert(object->serial(), object);
    for (MapViewer *viewer : findChildren<MapViewer *>()) {
        for (const QString &shown : DisplayState(viewer->dpState)) {
            const GeoObject *object = objects_now.value(viewer->shown_id(shown));
            if (!object)
                viewer->hide_object(shown);
            else if (object->name() != shown)
                show_in(viewer, object);
        }
    }
    if (auto *viewer = qobject_cast<MapViewer *>(current_viewer.data()))
        objects->set_checked(viewer->dpState);
}

void HostWindow::show_in(MapViewer *viewer, const GeoObject *object)
{
    MapObject shown{object->geometry_type(), object->prop().value(QStringLiteral("X")),
                    object->prop().value(QStringLiteral("Y")), QString(), NdArray(), object->serial(),
                    object->colour(), object->grid(), object->triangles(), object->texts()};
    if (const std::optional<QString> property = object->current_property()) {
        shown.property = *property;
        shown.values = object->prop().value(*property);
    }
    if (is_well(*object))
        shown.md = object->prop().value(QStringLiteral("MD"));
    viewer->show_object(object->name(), shown);
    connect(viewer, &MapViewer::sig_cursor_text, this, &HostWindow::show_status, Qt::UniqueConnection);
}

void HostWindow::show_status(const QString &text)
{
    statusBar()->showMessage(text);
}

void HostWindow::plot_selection()
{
    auto *plot = qobject_cast<PropertyPlot *>(plotWidget.data());
    if (!plot)
        return;
    if (const GeoObject *object = objects->selected_object())
        plot->show_property(*object);
    else
        plot->clear_plot(_("No object selected"));
}

void HostWindow::closeEvent(QCloseEvent *event)
{
    // A save in progress is finished first (its dialog can cancel it); a
    // file half read is dropped.
    if (tasks->writing()) {
        event->ignore();
        if (!m_close_after_save) {
            m_close_after_save = connect(tasks, &StoreTasks::idle, this, [this] {
                disconnect(m_close_after_save);
                close();
            });
        }
        return;
    }
    // Changes not saved: the user saves (closing once the save succeeded),
    // discards them, or keeps the window open.
    if (project->modified() && !m_close_settled) {
        event->ignore();
        project->settle_then([this] {
            m_close_settled = true;
            close();
        });
        return;
    }
    m_close_settled = false;
    tasks->cancel_and_wait();
    for (EasyPluginWidget *plugin : dock_plugins) {
        if (!plugin->closing_plugin(true)) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace kelvra::app
