#include "plugins/plotter/plotterplugin.h"

#include "host/logging.h"
#include "host/mainwindow.h"
#include "plugins/plotter/plotter.h"

namespace kelvra {

QObject *PlotterPlugin::create_plugin(QWidget *parent)
{
    auto *main = qobject_cast<MainWindow *>(parent);
    if (!main) {
        qCWarning(lcHost, "the plotter dock needs the main window as its parent");
        return nullptr;
    }
    return new Plotter(main);
}

} // namespace kelvra
