#pragma once

// The plotter dock: the application's plot in a dock of the main window,
// published as the main window's plotWidget.

#include "host/easypluginwidget.h"

namespace kelvra {

class PlotWidget;

class Plotter : public EasyPluginWidget
{
    Q_OBJECT
public:
    static constexpr const char *DESCRIPTION = QT_TRID_NOOP("Plotter dockWidget");
    static constexpr const char *CONF_SECTION = "plotter";

    explicit Plotter(MainWindow *parent);

    QString get_plugin_title() const override;
    QWidget *get_focus_widget() override;
    QList<QAction *> get_plugin_actions() override;
    void register_plugin() override;
    void refresh_plugin(std::optional<QString> new_path = std::nullopt,
                        bool force_current = true) override;
    bool closing_plugin(bool cancelable = false) override;

    PlotWidget *plot = nullptr; // the plot widget, the plug-in's only child widget
};

} // namespace kelvra
