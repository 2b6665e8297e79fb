#include "plugins/viewer/viewer.h"

#include "host/dataexplorer.h"
#include "host/errorhandler.h"
#include "host/logging.h"
#include "host/mainwindow.h"
#include "host/translation.h"
#include "host/viewer.h"
#include "host/views/tabviewer.h"

#include <QAction>
#include <QVBoxLayout>

namespace kelvra {
namespace {

// The data explorer's object tree, or nullptr when the host has none.
ExplorerTreeBase *explorer_tree(const MainWindow *main)
{
    if (!main->data_explorer || !main->data_explorer->tree)
        return nullptr;
    return main->data_explorer->tree->base;
}

// Clears the tree's check marks whenever viewer hides all its items. A
// viewer that becomes current again keeps its one connection, so the tree
// hears each sig_hide_all once.
void connect_hide_all(AbstractViewer *viewer, const MainWindow *main)
{
    if (ExplorerTreeBase *tree = explorer_tree(main)) {
        QObject::connect(viewer, &AbstractViewer::sig_hide_all, tree,
                         &ExplorerTreeBase::uncheck_all_items, Qt::UniqueConnection);
    }
}

// Makes action call operation on the viewer that is current when it fires.
// A closed viewer is no longer current (the main window's pointer to it
// clears itself), so the action then does nothing.
void route_to_current_viewer(QAction *action, Viewer *plugin, void (AbstractViewer::*operation)())
{
    if (!action)
        return;
    const MainWindow *main = plugin->main;
    connect_guarded(action, &QAction::triggered, plugin, [main, operation] {
        if (AbstractViewer *viewer = main->current_viewer)
            (viewer->*operation)();
        else
            qCInfo(lcDiagnostics, "no viewer is open: the action does nothing");
    });
}

} // namespace

Viewer::Viewer(MainWindow *parent)
    : EasyPluginWidget(parent, false)
{
    initialize_plugin();
    setAccessibleDescription(_(DESCRIPTION));
    tabs = new TabViewer(this);
    auto *layout = new QVBoxLayout;
    layout->addWidget(tabs);
    setLayout(layout);
}

QString Viewer::get_plugin_title() const
{
    return _("Viewer");
}

QWidget *Viewer::get_focus_widget()
{
    return tabs;
}

QList<QAction *> Viewer::get_plugin_actions()
{
    return {};
}

void Viewer::register_plugin()
{
    main->add_dockwidget(this);
    main->current_viewer = tabs->viewer_at(tabs->currentIndex());
    if (main->current_viewer)
        connect_hide_all(main->current_viewer, main);

    route_to_current_viewer(main->act_plot_aspect, this, &AbstractViewer::set_aspect);
    route_to_current_viewer(main->act_bkgd_color, this, &AbstractViewer::set_background_color);
    route_to_current_viewer(main->canvas_export_action, this, &AbstractViewer::export_canvas);

    connect(tabs, &QTabWidget::currentChanged, this,
            [this](int index) { guarded([&] { current_viewer_changed(index); }); });
    if (ExplorerTreeBase *tree = explorer_tree(main))
        connect(tabs, &TabViewer::sigCurrentViewerChanged, tree, &ExplorerTreeBase::update_checks);
}

void Viewer::refresh_plugin(std::optional<QString>, bool)
{
}

bool Viewer::closing_plugin(bool)
{
    return true;
}

void Viewer::current_viewer_changed(int index)
{
    myprint(QStringLiteral("current tab index is "), index);
    // -1: the last tab was closed; the current viewer stays as it is (and
    // clears itself once that viewer is destroyed).
    AbstractViewer *viewer = tabs->viewer_at(index);
    if (!viewer)
        return;
    main->current_viewer = viewer;
    connect_hide_all(viewer, main);
    const DisplayState items = viewer->dpState;
    myprint(QStringLiteral("current viewer items "), items);
    emit tabs->sigCurrentViewerChanged(items);
}

} // namespace kelvra
