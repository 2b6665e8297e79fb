#include "host/translation.h"

#include "host/config.h"
#include "host/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace kelvra {
namespace {

const QString kCatalogueDir = QStringLiteral(":/kelvra/i18n");

// Each library ships its own catalogue, <catalogue>_<language>.qm.
// They are compiled into the library, so the list never changes: read it once.
const QStringList &catalogues()
{
    static const QStringList files =
        QDir(kCatalogueDir).entryList({QStringLiteral("*_*.qm")}, QDir::Files, QDir::Name);
    return files;
}

QString language_of(const QString &catalogue)
{
    return catalogue.section(QLatin1Char('_'), -1).chopped(3); // drop ".qm"
}

// The translators installed now; they live until the next load_translations().
std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
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
    for (const QString &catalogue : catalogues()) {
        const QString language = language_of(catalogue);
        if (!languages.contains(language))
            languages << language;
    }
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
    for (const auto &translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    if (language == QLatin1String("en"))
        return language;

    const auto install = [](const QString &file, const QString &folder) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(file, folder))
            return false;
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
        return true;
    };
    for (const QString &catalogue : catalogues()) {
        if (language_of(catalogue) == language && !install(catalogue, kCatalogueDir))
            qCWarning(lcHost) << "cannot read the catalogue" << catalogue;
    }
    // Qt's own texts (standard buttons, file choosers) when Debian's
    // qttranslations are installed; their absence is not an error.
    install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    return language;
}

} // namespace kelvra
