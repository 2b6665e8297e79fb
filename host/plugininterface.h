#pragma once

// The interface every Kelvra plug-in exports through Q_PLUGIN_METADATA.
//
// A plug-in is a Qt plug-in (a MODULE library) whose root object implements
// PluginFactory and whose metadata JSON names it and its category:
//
//     { "name": "Survey tools", "category": "PluginMenuBar" }
//
// Categories: "PluginMenuBar" (a menu bar of the mode switch toolbar; its
// object is created without a parent) and "DockPlugin" (a dock plug-in; the
// host creates it with the main window as parent).

#include "host/kelvrahost_export.h"

#include <QtPlugin>

class QObject;
class QWidget;

namespace kelvra {

class KELVRAHOST_EXPORT PluginFactory
{
public:
    virtual ~PluginFactory();

    // Creates the plug-in's object with the given parent.
    virtual QObject *create_plugin(QWidget *parent) = 0;
};

} // namespace kelvra

#define KelvraPluginFactory_iid "org.kelvra.PluginFactory/1.0"
Q_DECLARE_INTERFACE(kelvra::PluginFactory, KelvraPluginFactory_iid)
