#pragma once

// The root object of the viewer plug-in: creates the viewer dock.

#include "host/plugininterface.h"

#include <QObject>

namespace kelvra {

class ViewerPlugin : public QObject, public PluginFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KelvraPluginFactory_iid FILE "viewer.json")
    Q_INTERFACES(kelvra::PluginFactory)
public:
    // A Viewer dock with the main window parent; nullptr (and a warning)
    // when parent is not a kelvra::MainWindow.
    QObject *create_plugin(QWidget *parent) override;
};

} // namespace kelvra
