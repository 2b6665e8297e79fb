#pragma once

// Translation of the interface texts.
//
// Texts are translated by their English source text, which doubles as the
// message id in the catalogue: _("Cancel") gives "Abbrechen" when German is
// in effect and "Cancel" when there is no translation. Qt Linguist's lupdate
// extracts every _("...") call and every QT_TRID_NOOP("...") class text
// (see translations/CMakeLists.txt).

#include "host/kelvrahost_export.h"

#include <QString>
#include <QStringList>

namespace kelvra {

// The display text of a source text in the interface language.
KELVRAHOST_EXPORT QString _(const char *source);
KELVRAHOST_EXPORT QString _(const QString &source);

// Interface languages that ship, as codes: "en" first, then the translations.
KELVRAHOST_EXPORT QStringList available_languages();

// The interface language in effect: the configured one when it ships,
// otherwise the system's language when it ships, otherwise "en".
KELVRAHOST_EXPORT QString load_lang_conf();

// Installs the translators for load_lang_conf() into the application and
// returns that language. Call once, at start-up, before any window exists,
// so that every text keeps one translation for the whole run.
KELVRAHOST_EXPORT QString load_translations();

} // namespace kelvra
