#include "app/core/filereplacement.h"

#include "host/errors.h"
#include "host/nativepath.h"
#include "host/translation.h"

#include <QDir>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvra::app {
namespace {

const QByteArray kMark = QByteArrayLiteral(".kelvra-");
const QByteArray kJournal = QByteArrayLiteral("-journal");

std::function<int(int)> &data_sync()
{
    static std::function<int(int)> sync;
    return sync;
}

QString system_error(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The folder part of a native path, with its final slash ("" for none).
QByteArray folder_of(const QByteArray &path)
{
    return path.left(path.lastIndexOf('/') + 1);
}

// The folder as the user reads it, absolute.
QString shown_folder(const QByteArray &folder)
{
    const QString path = readable_path(path_from_native(folder.isEmpty() ? QByteArrayLiteral(".") : folder));
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// The lock a writer holds on its temporary file: one byte that SQLite,
// which locks bytes from 1 GiB on, never takes.
struct flock lock_of(short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 1;
    return lock;
}

// Whether the name is a temporary file of a save (`.<name>.kelvra-<random>`)
// or the journal SQLite keeps beside one.
bool is_temporary_name(QByteArray name, bool &journal)
{
    journal = name.endsWith(kJournal);
    if (journal)
        name.chop(kJournal.size());
    const int mark = name.lastIndexOf(kMark);
    if (!name.startsWith('.') || mark < 2 || mark + kMark.size() == name.size())
        return false;
    for (int i = mark + kMark.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

// Removes the temporary files in the folder that no living save holds,
// with their journals, and journals whose temporary file is gone.
void remove_dead_temporaries(const QByteArray &folder)
{
    DIR *dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!dir)
        return;
    std::vector<QByteArray> files, journals;
    while (const dirent *entry = ::readdir(dir)) {
        bool journal = false;
        if (is_temporary_name(entry->d_name, journal))
            (journal ? journals : files).push_back(folder + entry->d_name);
    }
    ::closedir(dir);
    for (const QByteArray &file : files) {
        const int fd = ::open(file.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        struct flock lock = lock_of(F_RDLCK);
        // Taking the lock fails while the writer lives; holding it, this
        // save removes the file before anyone else can take it.
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::fcntl(fd, F_OFD_SETLK, &lock) == 0) {
            ::unlink(file.constData());
            ::unlink((file + kJournal).constData());
        }
        ::close(fd);
    }
    for (const QByteArray &journal : journals) {
        struct stat info {};
        const QByteArray file = journal.left(journal.size() - kJournal.size());
        if (::lstat(file.constData(), &info) != 0 && errno == ENOENT)
            ::unlink(journal.constData());
    }
}

// Locks the new file and checks that the name still leads to it: another
// save may have removed it as a leftover between its creation and the lock.
bool hold(int fd, const QByteArray &name)
{
    struct flock lock = lock_of(F_WRLCK);
    struct stat opened {}, named {};
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0 && ::fstat(fd, &opened) == 0
        && ::stat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

void set_data_sync(std::function<int(int fd)> sync)
{
    data_sync() = std::move(sync);
}

FileReplacement::FileReplacement(const QString &target)
    : m_target(target)
{
    const QByteArray name = native_path(target);
    const QByteArray folder = folder_of(name);
    remove_dead_temporaries(folder);
    const QByteArray stem = folder + '.' + name.mid(folder.size()) + kMark;
    int error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = stem + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(candidate.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            if (error == EEXIST)
                continue;
            break;
        }
        if (hold(fd, candidate)) {
            m_fd = fd;
            m_temporary = path_from_native(candidate);
            return;
        }
        error = errno;
        ::close(fd);
    }
    if (error == EACCES || error == EPERM)
        throw ValueError(_("you may not write in the folder '%1', where the new file is made before it "
                           "replaces '%2'")
                             .arg(shown_folder(folder), readable_path(target)));
    throw ValueError(_("cannot write in the folder '%1': %2").arg(shown_folder(folder), system_error(error)));
}

FileReplacement::~FileReplacement()
{
    if (m_committed) {
        ::close(m_fd);
        return;
    }
    // Removed while still locked, so no other save takes it for a leftover.
    const QByteArray name = native_path(m_temporary);
    ::unlink(name.constData());
    ::unlink((name + kJournal).constData());
    // Freeing the blocks of a large file takes a while, and happens at its
    // last close: let that be beside the caller, who sees the name gone at
    // once.
    std::thread([fd = m_fd] { ::close(fd); }).detach();
}

void FileReplacement::written(std::int64_t bytes)
{
    constexpr std::int64_t kStep = 32 << 20;
    m_pending += bytes;
    if (m_pending >= kStep) {
        m_pending = 0;
        ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
}

void FileReplacement::commit(Progress *progress)
{
    const QByteArray target = native_path(m_target);
    struct stat old {};
    if (::stat(target.constData(), &old) == 0) {
        if (::fchown(m_fd, uid_t(-1), old.st_gid) != 0) {
            // Not allowed to give that group: the file stays in the user's group.
        }
        if (::fchmod(m_fd, old.st_mode & 07777) != 0) {
            const QString reason = system_error(errno);
            throw ValueError(_("cannot give the new '%1' the permissions of the old one: %2")
                                 .arg(readable_path(m_target), reason));
        }
    }
    if (progress)
        progress->check();
    const std::function<int(int)> &sync = data_sync();
    if ((sync ? sync(m_fd) : ::fdatasync(m_fd)) != 0) {
        const QString reason = system_error(errno);
        throw ValueError(_("cannot write '%1': %2").arg(readable_path(m_target), reason));
    }
    if (progress)
        progress->check();
    if (std::rename(native_path(m_temporary).constData(), target.constData()) != 0) {
        const QString reason = system_error(errno);
        throw ValueError(_("cannot replace '%1': %2").arg(readable_path(m_target), reason));
    }
    m_committed = true;
    // Makes the rename itself durable.
    const int folder = ::open(folder_of(target).isEmpty() ? "." : folder_of(target).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace kelvra::app
