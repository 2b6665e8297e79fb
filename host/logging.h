#pragma once

// Logging categories of the host layer. Enable or silence them with
// QT_LOGGING_RULES, for example "kelvra.diagnostics=false".

#include "host/kelvrahost_export.h"

#include <QLoggingCategory>

namespace kelvra {

KELVRAHOST_EXPORT const QLoggingCategory &lcDiagnostics(); // kelvra.diagnostics
KELVRAHOST_EXPORT const QLoggingCategory &lcErrors();      // kelvra.errors
KELVRAHOST_EXPORT const QLoggingCategory &lcHost();        // kelvra.host
// The application logger of array storage (chunk splits), information level.
KELVRAHOST_EXPORT const QLoggingCategory &lcChunkcut();     // kelvra.chunkcut

// For runs without a window: the information and debug lines of Kelvra's
// categories are off, its warnings stay on. Rules in QT_LOGGING_RULES or
// QT_LOGGING_CONF still come first, so a user can ask for the lines.
KELVRAHOST_EXPORT void log_warnings_only();

// Writes one diagnostic line: the label directly followed by the value.
template <typename T>
void myprint(const QString &label, const T &value)
{
    qCInfo(lcDiagnostics).noquote().nospace() << label << value;
}

} // namespace kelvra
