#pragma once

// A file written whole beside the file it replaces, then renamed into
// place: readers see the old file or the complete new one, never a part,
// and a failure or a cancel leaves the old file untouched.
//
// The new file is written under a temporary name in the target's folder,
// `.<name>.kelvra-<random>` (the rename is atomic only within one file
// system), created with the mode the user's umask gives any new file. The
// writer holds a lock on it (an open file description lock, which the
// system drops when the process ends, however it ends) for as long as the
// file exists under that name. So a save that was killed (SIGKILL, a crash,
// power off) leaves a temporary file nobody holds: the next save into that
// folder removes such leftovers, and never one that a living writer holds.

#include "app/core/progress.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

namespace kelvra::app {

class FileReplacement
{
public:
    // Removes the leftovers of dead saves in the target's folder and makes
    // the temporary file there. target is the file to replace (see
    // file_to_replace), which need not exist. ValueError naming the folder
    // when no file can be made in it.
    explicit FileReplacement(const QString &target);
    // Removes the temporary file (and any journal SQLite left beside it)
    // unless it was renamed into place.
    ~FileReplacement();
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    // The temporary file, for the writer to open by name.
    const QString &temporary() const { return m_temporary; }

    // Counts data handed to the writer; starts the disk writes of what
    // reached the file every few MiB, so that the final sync, which nothing
    // can interrupt, waits only for the last of the data.
    void written(std::int64_t bytes);

    // Gives the new file the permissions of the file it replaces (and its
    // group, where the user may), brings it to disk, and renames it into
    // place. A progress cancelled before the rename stops it there
    // (Cancelled), the old file untouched.
    void commit(Progress *progress);

private:
    QString m_target;
    QString m_temporary;
    int m_fd = -1;
    bool m_committed = false;
    std::int64_t m_pending = 0;
};

// The call that brings a file's data to disk: fdatasync, unless replaced.
// Tests make it fail (it returns -1 and sets errno) or act at that point;
// an empty function restores fdatasync. Set it while no save runs.
void set_data_sync(std::function<int(int fd)> sync);

} // namespace kelvra::app
