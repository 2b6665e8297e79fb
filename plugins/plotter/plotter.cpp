#include "plugins/plotter/plotter.h"

#include "host/mainwindow.h"
#include "host/translation.h"
#include "host/views/plotwidget.h"
#include "host/views/propertyplot.h"

#include <QVBoxLayout>

namespace kelvra {

Plotter::Plotter(MainWindow *parent)
    : EasyPluginWidget(parent)
{
    initialize_plugin();
    setAccessibleDescription(_(DESCRIPTION));
    plot = new PlotWidget(this, options_button);
    auto *layout = new QVBoxLayout;
    layout->addWidget(plot);
    setLayout(layout);
}

QString Plotter::get_plugin_title() const
{
    return _("Plotter");
}

QWidget *Plotter::get_focus_widget()
{
    return plot;
}

QList<QAction *> Plotter::get_plugin_actions()
{
    return {};
}

void Plotter::register_plugin()
{
    main->add_dockwidget(this);
    main->plotWidget = plot->base;
}

void Plotter::refresh_plugin(std::optional<QString>, bool)
{
}

bool Plotter::closing_plugin(bool)
{
    return true;
}

} // namespace kelvra
