#pragma once

// File names as the file system holds them: bytes, which need not be valid
// in the user's encoding. QFile::encodeName and decodeName lose such bytes
// (a name with byte 0xE9 on a UTF-8 system becomes "caf\uFFFD.db" and names
// no file any more), so paths that must reach every file cross between
// QString and bytes here instead: a byte that does not decode becomes the
// lone surrogate U+DC80 + byte and back, as Python does with file names.
// Names that decode are unchanged: native_path gives QFile::encodeName's
// bytes for them.

#include "host/kelvrahost_export.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvra {

// The bytes of the path for the system's calls (open, stat, SQLite).
KELVRAHOST_EXPORT QByteArray native_path(const QString &path);

// The path named by the bytes; native_path gives the same bytes back.
KELVRAHOST_EXPORT QString path_from_native(const QByteArray &bytes);

// The path for messages: bytes that did not decode are shown as U+FFFD.
KELVRAHOST_EXPORT QString readable_path(const QString &path);

// The program's arguments (after QApplication took its own), each decoded
// as path_from_native does, so that a file named on the command line is
// found whatever bytes its name holds.
KELVRAHOST_EXPORT QStringList native_arguments(int argc, char **argv);

} // namespace kelvra
