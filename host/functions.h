#pragma once

// Small text and path utilities.

#include "host/kelvrahost_export.h"

#include <QString>
#include <QVariant>

namespace kelvra {

// The value as a text string.
KELVRAHOST_EXPORT QString to_text_string(const QVariant &value);

// The current directory, or the home directory when the current one is gone.
KELVRAHOST_EXPORT QString getcwd_or_home();

// The standard decimal text-to-double parse, independent of the user's
// locale: white space around the number is ignored; an optional sign, digits
// with an optional decimal point and an optional exponent, and the words inf,
// infinity and nan in any letter case convert. Anything else (a decimal
// comma, an empty text) throws ConversionError.
KELVRAHOST_EXPORT double text_to_double(const QString &text);

// Shortest text that reads back to the same double (2.5 gives "2.5").
KELVRAHOST_EXPORT QString double_to_text(double value);

} // namespace kelvra
