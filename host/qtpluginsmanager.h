#pragma once

// The host's plugins manager: finds the Kelvra plug-ins in the plug-in
// folders and loads them with QPluginLoader.

#include "host/kelvrahost_export.h"
#include "host/pluginsmanager.h"

#include <QList>
#include <QLoggingCategory>
#include <QPointer>
#include <QStringList>

#include <memory>

class QWidget;

namespace kelvra {

// Plug-in loading: skipped files are warnings, loaded ones debug lines.
KELVRAHOST_EXPORT const QLoggingCategory &lcPlugins(); // kelvra.plugins

// Loads every plug-in of its folders once, at construction.
//
// Folders: those given to the constructor; by default plugin_folders().
// Files: every file of a folder whose name is a shared library (lib*.so).
// A plug-in is a Qt plug-in with the interface KelvraPluginFactory_iid whose
// metadata names it and its category (see plugininterface.h); the metadata
// is read before the library is loaded. Any other file (not a Qt plug-in,
// another interface, no name or category, an unknown category, unresolved
// symbols, a factory that fails) is skipped with a warning in the
// "kelvra.plugins" category naming the file and the reason.
//
// Order: folders in the order given, the files of each folder by file name
// (code-point order); getPluginsOfCategory() keeps that order.
//
// Objects: the menu bar of a "PluginMenuBar" plug-in is created at load,
// without parent (create_plugin(nullptr)). The manager keeps it until a
// toolbar takes it over, and deletes at its own destruction those that no
// toolbar took; records of menu bars deleted since are no longer returned.
// A "DockPlugin" record carries no object: the host creates it with
// record.factory->create_plugin(mainwindow).
//
// Plug-in libraries stay loaded for the life of the process, so factories
// and objects never outlive their code. A QApplication must exist while the
// manager does.
class KELVRAHOST_EXPORT QtPluginsManager : public PluginsManager
{
public:
    // <program folder>/../<libdir>/kelvra/plugins: the plug-in folder of the
    // build tree and of an installation alike.
    static QString default_plugin_folder();
    // The folders of KELVRA_PLUGIN_PATH (separated by ':') when it is set and
    // not empty, otherwise default_plugin_folder().
    static QStringList plugin_folders();

    explicit QtPluginsManager(const QStringList &folders = plugin_folders());
    ~QtPluginsManager() override;
    QtPluginsManager(const QtPluginsManager &) = delete;
    QtPluginsManager &operator=(const QtPluginsManager &) = delete;

    QList<PluginRecord> getPluginsOfCategory(const QString &category) const override;

    // The folders scanned, in order.
    QStringList folders() const { return m_folders; }

private:
    struct Loaded
    {
        PluginRecord record;
        QPointer<QObject> object; // the menu bar, while it exists
    };

    void load_folder(const QString &folder, QStringList &seen);
    // Loads one file; returns why it was skipped, or nothing when loaded.
    QString load_file(const QString &path);
    // The menu bar of a menu-bar plug-in, or null with the reason.
    static QWidget *create_menu_bar(PluginFactory *factory, QString &reason);

    QStringList m_folders;
    // Parent of the menu bars that no toolbar has taken yet.
    std::unique_ptr<QWidget> m_keeper;
    QList<Loaded> m_loaded;
};

} // namespace kelvra
