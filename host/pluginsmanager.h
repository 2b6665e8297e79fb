#pragma once

// The host's registry of loaded plug-ins, asked by category.

#include "host/kelvrahost_export.h"

#include <QList>
#include <QObject>
#include <QString>

namespace kelvra {

class PluginFactory;

struct PluginRecord
{
    QString name;                      // the plug-in's name from its metadata
    QString category;                  // "PluginMenuBar" or "DockPlugin"
    QString path;                      // the plug-in file
    PluginFactory *factory = nullptr;  // the plug-in's root object
    QObject *plugin_object = nullptr;  // the object the plug-in supplies, once created
};

class KELVRAHOST_EXPORT PluginsManager
{
public:
    virtual ~PluginsManager();

    // The plug-ins of one category, in the manager's documented order.
    virtual QList<PluginRecord> getPluginsOfCategory(const QString &category) const = 0;
};

} // namespace kelvra
