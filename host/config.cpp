#include "host/config.h"

#include <QSettings>
#include <QStandardPaths>

namespace kelvra {
namespace {

QString default_path()
{
    const QString configured = qEnvironmentVariable("KELVRA_CONFIG");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/kelvra/kelvra.ini");
}

QString key(const QString &section, const QString &option)
{
    return section + QLatin1Char('/') + option;
}

} // namespace

UserConfig CONF;

UserConfig::UserConfig() = default;
UserConfig::~UserConfig() = default;

QVariant UserConfig::get(const QString &section, const QString &option,
                         const QVariant &default_value) const
{
    return settings().value(key(section, option), default_value);
}

void UserConfig::set(const QString &section, const QString &option, const QVariant &value)
{
    QSettings &store = settings();
    const QString name = key(section, option);
    if (store.contains(name) && store.value(name) == value)
        return; // already stored: spare the file a rewrite
    store.setValue(name, value);
    store.sync();
}

QString UserConfig::path() const
{
    return m_path.isEmpty() ? default_path() : m_path;
}

void UserConfig::set_path(const QString &path)
{
    m_settings.reset();
    m_path = path;
}

QSettings &UserConfig::settings() const
{
    // Opened on first use, so that constructing the global store at load
    // time needs no application object.
    if (!m_settings)
        m_settings = std::make_unique<QSettings>(path(), QSettings::IniFormat);
    return *m_settings;
}

} // namespace kelvra
