#include "host/qtpluginsmanager.h"

#include "host/errors.h"
#include "host/plugininterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <QWidget>

namespace kelvra {

Q_LOGGING_CATEGORY(lcPlugins, "kelvra.plugins", QtInfoMsg)

namespace {

const QString kMenuBarCategory = QStringLiteral("PluginMenuBar");
const QString kDockCategory = QStringLiteral("DockPlugin");

QString metadata_text(const QJsonObject &metadata, const char *key)
{
    return metadata.value(QLatin1String(key)).toString();
}

} // namespace

QString QtPluginsManager::default_plugin_folder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QStringLiteral(KELVRA_PLUGIN_RELATIVE_DIR));
}

QStringList QtPluginsManager::plugin_folders()
{
    const QString path = qEnvironmentVariable("KELVRA_PLUGIN_PATH");
    if (path.isEmpty())
        return {default_plugin_folder()};
    return path.split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

QtPluginsManager::QtPluginsManager(const QStringList &folders)
    : m_folders(folders)
    , m_keeper(std::make_unique<QWidget>())
{
    QStringList seen;
    for (const QString &folder : m_folders)
        load_folder(folder, seen);
}

// The keeper deletes the menu bars that are still its children.
QtPluginsManager::~QtPluginsManager() = default;

QList<PluginRecord> QtPluginsManager::getPluginsOfCategory(const QString &category) const
{
    QList<PluginRecord> records;
    for (const Loaded &loaded : m_loaded) {
        if (loaded.record.category != category)
            continue;
        if (category == kMenuBarCategory && !loaded.object)
            continue; // its menu bar has been deleted with the toolbar that took it
        records << loaded.record;
    }
    return records;
}

void QtPluginsManager::load_folder(const QString &folder, QStringList &seen)
{
    const QDir dir(folder);
    if (!dir.exists()) {
        qCDebug(lcPlugins).noquote() << "no plug-in folder" << folder;
        return;
    }
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString canonical = file.canonicalFilePath();
        if (!QLibrary::isLibrary(file.fileName()) || seen.contains(canonical))
            continue;
        seen << canonical;
        const QString reason = load_file(file.filePath());
        if (!reason.isEmpty())
            qCWarning(lcPlugins).noquote()
                << QStringLiteral("skipping the plug-in %1: %2").arg(file.filePath(), reason);
    }
}

QString QtPluginsManager::load_file(const QString &path)
{
    QPluginLoader loader(path);
    const QJsonObject header = loader.metaData();
    if (header.isEmpty())
        return loader.errorString();
    const QString iid = metadata_text(header, "IID");
    if (iid != QLatin1String(KelvraPluginFactory_iid))
        return QStringLiteral("it is a Qt plug-in of another interface (%1)").arg(iid);
    const QJsonObject metadata = header.value(QLatin1String("MetaData")).toObject();
    PluginRecord record;
    record.name = metadata_text(metadata, "name");
    record.category = metadata_text(metadata, "category");
    record.path = path;
    if (record.name.isEmpty() || record.category.isEmpty())
        return QStringLiteral("its metadata gives no name or no category");
    if (record.category != kMenuBarCategory && record.category != kDockCategory)
        return QStringLiteral("unknown category \"%1\"").arg(record.category);

    QObject *root = loader.instance();
    if (!root)
        return loader.errorString();
    record.factory = qobject_cast<PluginFactory *>(root);
    if (!record.factory)
        return QStringLiteral("its root object does not implement %1")
            .arg(QLatin1String(KelvraPluginFactory_iid));

    Loaded loaded{record, nullptr};
    if (record.category == kMenuBarCategory) {
        QString reason;
        QWidget *bar = create_menu_bar(record.factory, reason);
        if (!bar)
            return reason;
        bar->setParent(m_keeper.get());
        loaded.record.plugin_object = bar;
        loaded.object = bar;
    }
    m_loaded << loaded;
    qCDebug(lcPlugins).noquote() << "loaded the plug-in" << record.name << "of category"
                                 << record.category << "from" << path;
    return {};
}

QWidget *QtPluginsManager::create_menu_bar(PluginFactory *factory, QString &reason)
{
    QObject *object = nullptr;
    try {
        object = factory->create_plugin(nullptr);
    } catch (const std::exception &error) {
        reason = QStringLiteral("creating its menu bar failed: %1").arg(error_text(error));
        return nullptr;
    }
    // The mode switch's menu-bar class, named because the host layer does
    // not link the library that defines it.
    if (!object || !object->isWidgetType() || !object->inherits("kelvra::PluginMenuBar")) {
        delete object;
        reason = QStringLiteral("it supplies no menu bar (kelvra::PluginMenuBar)");
        return nullptr;
    }
    return static_cast<QWidget *>(object);
}

} // namespace kelvra
