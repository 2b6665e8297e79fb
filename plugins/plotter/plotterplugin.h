#pragma once

// The root object of the plotter plug-in: creates the plotter dock.

#include "host/plugininterface.h"

#include <QObject>

namespace kelvra {

class PlotterPlugin : public QObject, public PluginFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KelvraPluginFactory_iid FILE "plotter.json")
    Q_INTERFACES(kelvra::PluginFactory)
public:
    // A Plotter dock with the main window parent; nullptr (and a warning)
    // when parent is not a kelvra::MainWindow.
    QObject *create_plugin(QWidget *parent) override;
};

} // namespace kelvra
