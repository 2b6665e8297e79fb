#include "app/core/fileaccess.h"

#include "host/errors.h"
#include "host/nativepath.h"
#include "host/translation.h"

#include <QByteArray>

#include <cerrno>
#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace kelvra::app {
namespace {

// As many links as the system itself follows in one path.
constexpr int kMostLinks = 40;

QString quoted(const QString &path)
{
    return readable_path(path);
}

QString system_error(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Refuses what is neither a regular file nor a symbolic link.
void refuse_non_file(const QString &path, mode_t mode)
{
    if (S_ISDIR(mode))
        throw ValueError(_("'%1' is a folder, not a file").arg(quoted(path)));
    if (S_ISFIFO(mode))
        throw ValueError(_("'%1' is a named pipe, not a file").arg(quoted(path)));
    if (S_ISCHR(mode) || S_ISBLK(mode))
        throw ValueError(_("'%1' is a device, not a file").arg(quoted(path)));
    if (S_ISSOCK(mode))
        throw ValueError(_("'%1' is a socket, not a file").arg(quoted(path)));
}

[[noreturn]] void refuse_loop(const QString &path)
{
    throw ValueError(_("'%1' is a symbolic link that loops").arg(quoted(path)));
}

// The target of the symbolic link, relative to the link's folder when it
// is not absolute.
QByteArray link_target(const QByteArray &link)
{
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = ::readlink(link.constData(), buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (std::size_t(length) < buffer.size()) {
            const QByteArray target(buffer.data(), int(length));
            if (target.startsWith('/'))
                return target;
            return link.left(link.lastIndexOf('/') + 1) + target;
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::int64_t readable_file_size(const QString &path)
{
    const QByteArray name = native_path(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        struct stat link {};
        if (error == ELOOP)
            refuse_loop(path);
        if (error == ENOENT && ::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            throw ValueError(_("'%1' is a symbolic link that points nowhere").arg(quoted(path)));
        if (error == ENOENT || error == ENOTDIR)
            throw LookupError(_("there is no file '%1'").arg(quoted(path)));
        throw ValueError(_("the file '%1' cannot be read: %2").arg(quoted(path), system_error(error)));
    }
    refuse_non_file(path, info.st_mode);
    if (::access(name.constData(), R_OK) != 0) {
        const QString reason = system_error(errno);
        throw ValueError(_("the file '%1' cannot be read: %2").arg(quoted(path), reason));
    }
    return info.st_size;
}

QString file_to_replace(const QString &path)
{
    QByteArray current = native_path(path);
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(current.constData(), &info) != 0) {
            const int error = errno;
            if (error == ENOENT)
                return path_from_native(current); // a new file: the save makes it
            if (error == ELOOP)
                refuse_loop(path);
            throw ValueError(_("cannot write '%1': %2").arg(quoted(path), system_error(error)));
        }
        if (S_ISLNK(info.st_mode)) {
            if (links == kMostLinks)
                refuse_loop(path);
            current = link_target(current);
            if (current.isEmpty()) {
                const QString reason = system_error(errno);
                throw ValueError(_("cannot write '%1': %2").arg(quoted(path), reason));
            }
            continue;
        }
        const QString target = path_from_native(current);
        refuse_non_file(target, info.st_mode);
        // access() says what the user may do; the mode bits say what the
        // owner decided, which root's access() overrides.
        const bool writable = ::access(current.constData(), W_OK) == 0;
        if (!writable || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            throw ValueError(_("'%1' is read-only: you may not write it, so it is not replaced; "
                               "save under another name, or make the file writable first")
                                 .arg(quoted(target)));
        return target;
    }
}

} // namespace kelvra::app
