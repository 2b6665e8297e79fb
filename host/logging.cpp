#include "host/logging.h"

namespace kelvra {

Q_LOGGING_CATEGORY(lcDiagnostics, "kelvra.diagnostics", QtInfoMsg)
Q_LOGGING_CATEGORY(lcErrors, "kelvra.errors", QtInfoMsg)
Q_LOGGING_CATEGORY(lcHost, "kelvra.host", QtInfoMsg)
Q_LOGGING_CATEGORY(lcChunkcut, "kelvra.chunkcut", QtInfoMsg)

void log_warnings_only()
{
    QLoggingCategory::setFilterRules(QStringLiteral("kelvra.*.debug=false\nkelvra.*.info=false"));
}

} // namespace kelvra
