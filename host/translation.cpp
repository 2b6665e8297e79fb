#include "host/translation.h"

#include "host/config.h"
#include "host/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvra {
namespace {

const QString kCatalogueDir = QStringLiteral(":/kelvra/i18n");

QTranslator &own_translator()
{
    static QTranslator translator;
    return translator;
}

QTranslator &qt_translator()
{
    static QTranslator translator;
    return translator;
}

} // namespace

QString _(const char *source)
{
    return qtTrId(source);
}

QString _(const QString &source)
{
    return qtTrId(source.toUtf8().constData());
}

QStringList available_languages()
{
    QStringList languages{QStringLiteral("en")};
    const QStringList catalogues =
        QDir(kCatalogueDir).entryList({QStringLiteral("kelvra_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : catalogues)
        languages << file.mid(7, file.size() - 10); // "kelvra_" ... ".qm"
    return languages;
}

QString load_lang_conf()
{
    const QStringList languages = available_languages();
    const QString configured = CONF.get(QStringLiteral("main"), QStringLiteral("interface_language")).toString();
    if (languages.contains(configured))
        return configured;
    const QString system = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
    if (languages.contains(system))
        return system;
    return QStringLiteral("en");
}

QString load_translations()
{
    const QString language = load_lang_conf();
    QCoreApplication::removeTranslator(&own_translator());
    QCoreApplication::removeTranslator(&qt_translator());
    if (language == QLatin1String("en"))
        return language;

    if (own_translator().load(QStringLiteral("kelvra_") + language, kCatalogueDir))
        QCoreApplication::installTranslator(&own_translator());
    else
        qCWarning(lcHost) << "no catalogue for the interface language" << language;

    // Qt's own texts (standard buttons, file choosers) when Debian's
    // qttranslations are installed; their absence is not an error.
    if (qt_translator().load(QStringLiteral("qtbase_") + language,
                             QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_translator());
    return language;
}

} // namespace kelvra
