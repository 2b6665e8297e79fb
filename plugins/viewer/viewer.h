#pragma once

// The viewer dock: the tabbed map viewers in a dock of the main window. It
// keeps the main window's current viewer in step with the selected tab,
// sends the main window's aspect ratio, background colour and canvas export
// actions to whichever viewer is current when they fire, and keeps the data
// explorer's check marks in step with what the current viewer shows.

#include "host/easypluginwidget.h"

namespace kelvra {

class TabViewer;

class Viewer : public EasyPluginWidget
{
    Q_OBJECT
public:
    static constexpr const char *DESCRIPTION = QT_TRID_NOOP("Viewers dockWidget");
    static constexpr const char *CONF_SECTION = "viewer";

    explicit Viewer(MainWindow *parent);

    QString get_plugin_title() const override;
    QWidget *get_focus_widget() override;
    QList<QAction *> get_plugin_actions() override;
    void register_plugin() override;
    void refresh_plugin(std::optional<QString> new_path = std::nullopt,
                        bool force_current = true) override;
    bool closing_plugin(bool cancelable = false) override;

    TabViewer *tabs = nullptr; // the viewer tabs, the plug-in's only child widget

public Q_SLOTS:
    // The tab at index became current; -1 when no tab is left.
    void current_viewer_changed(int index);
};

} // namespace kelvra
