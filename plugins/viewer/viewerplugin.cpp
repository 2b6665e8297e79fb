#include "plugins/viewer/viewerplugin.h"

#include "host/logging.h"
#include "host/mainwindow.h"
#include "plugins/viewer/viewer.h"

namespace kelvra {

QObject *ViewerPlugin::create_plugin(QWidget *parent)
{
    auto *main = qobject_cast<MainWindow *>(parent);
    if (!main) {
        qCWarning(lcHost, "the viewer dock needs the main window as its parent");
        return nullptr;
    }
    return new Viewer(main);
}

} // namespace kelvra
