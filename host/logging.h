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

// Writes one diagnostic line: the label directly followed by the value.
template <typename T>
void myprint(const QString &label, const T &value)
{
    qCInfo(lcDiagnostics).noquote().nospace() << label << value;
}

} // namespace kelvra
