#pragma once

#include "host/plugininterface.h"

#include <QObject>

namespace kelvra {

// The plug-in's root object: makes the "Object Lister" menu bar.
class ObjectListerPlugin : public QObject, public PluginFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KelvraPluginFactory_iid FILE "objectlister.json")
    Q_INTERFACES(kelvra::PluginFactory)
public:
    QObject *create_plugin(QWidget *parent) override;
};

} // namespace kelvra
