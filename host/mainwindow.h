#pragma once

// What the system requires of the host's main window.

#include "host/kelvrahost_export.h"

#include <QMainWindow>
#include <QPointer>

class QAction;

namespace kelvra {

class AbstractViewer;
class DataExplorer;
class EasyPluginWidget;
class ObjectTree;
class PluginsManager;

class KELVRAHOST_EXPORT MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

    // Puts a dock plug-in into a dock widget of the window.
    virtual void add_dockwidget(EasyPluginWidget *plugin) = 0;

    ObjectTree *treebase = nullptr;
    PluginsManager *plugins_manager = nullptr;
    DataExplorer *data_explorer = nullptr;

    // The active viewer; becomes null by itself when that viewer is destroyed.
    QPointer<AbstractViewer> current_viewer;
    // The plot object of the plotter dock.
    QPointer<QWidget> plotWidget;

    QAction *act_plot_aspect = nullptr;
    QAction *act_bkgd_color = nullptr;
    QAction *canvas_export_action = nullptr;
};

} // namespace kelvra
