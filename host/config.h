#pragma once

// The configuration store: options grouped in sections, kept in an INI file
// through QSettings. CONF is the application's store.

#include "host/kelvrahost_export.h"

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

namespace kelvra {

class KELVRAHOST_EXPORT UserConfig
{
public:
    UserConfig();
    ~UserConfig();
    UserConfig(const UserConfig &) = delete;
    UserConfig &operator=(const UserConfig &) = delete;

    // The stored value, or default_value when the option is not set.
    QVariant get(const QString &section, const QString &option,
                 const QVariant &default_value = {}) const;
    // Stores the value and writes the file at once.
    void set(const QString &section, const QString &option, const QVariant &value);

    // The file of the store. By default $KELVRA_CONFIG when set, otherwise
    // kelvra/kelvra.ini in the user's configuration folder.
    QString path() const;
    // Moves the store to another file (tests use a temporary folder).
    void set_path(const QString &path);

private:
    QSettings &settings() const;

    QString m_path;
    mutable std::unique_ptr<QSettings> m_settings;
};

KELVRAHOST_EXPORT extern UserConfig CONF;

} // namespace kelvra
