#pragma once

// What stands at a path, before a file is opened or replaced there: a user
// who names a folder, a named pipe, a device or a broken symbolic link is
// told what it is, never "no file", and a save never replaces anything but
// a file the user may write. Paths cross as in host/nativepath.h, so any
// name the file system holds works.

#include <QString>

#include <cstdint>

namespace kelvra::app {

// The size in bytes of the file at path (after symbolic links), checked to
// be a regular file that the user may read. LookupError when nothing is
// there; ValueError naming the path and what it is otherwise ("is a
// folder", "is a named pipe", "is a device", "is a symbolic link that
// loops", "... points nowhere", "cannot be read").
std::int64_t readable_file_size(const QString &path);

// The file that a save to path writes: path itself, or the file its
// symbolic links lead to, which need not exist yet (a save through a link
// updates the file the link names and keeps the link). ValueError for a
// folder, named pipe, device or socket there, for links that loop, and for
// a file that is read-only: one the user may not write, or whose mode
// gives no one write permission (refused for root too, as the user marked
// it read-only).
QString file_to_replace(const QString &path);

} // namespace kelvra::app
