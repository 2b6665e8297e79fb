#include "app/core/objectfile.h"

#include "host/errors.h"
#include "host/ndarray.h"
#include "host/sqlite.h"
#include "utils/chunkstore.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvra::app {
namespace {

const QString kChunks = QStringLiteral("kelvra_chunks");

QString text_of(const sqlite::Value &value)
{
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    return {};
}

ChunkProgress progress_of(Progress *progress)
{
    if (!progress)
        return {};
    return [progress](std::int64_t bytes) { progress->advance(bytes); };
}

QString system_error()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

std::runtime_error file_error(const QString &text)
{
    return std::runtime_error(text.toStdString());
}

// A new, empty file beside the target, created by the kernel with the mode
// that the user's umask gives any new file, and removed again (with the
// journal SQLite may have left) unless kept.
//
// It also brings the file to disk as it is written: the kernel is asked to
// start writing every few MiB, so that the sync at the end, which nothing
// can interrupt, waits only for the last of the data, and a cancel is never
// held up long.
class SiblingFile
{
public:
    explicit SiblingFile(const QFileInfo &target)
    {
        const QString stem = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.');
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString candidate = stem + QString::number(QRandomGenerator::global()->generate(), 36);
            m_fd = ::open(QFile::encodeName(candidate).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                m_path = candidate;
                return;
            }
            if (errno != EEXIST)
                break;
        }
        throw file_error(QStringLiteral("cannot write in %1: %2").arg(target.absolutePath(), system_error()));
    }
    ~SiblingFile()
    {
        if (!m_keep) {
            QFile::remove(m_path);
            QFile::remove(m_path + QStringLiteral("-journal"));
            // Freeing the blocks of a large file takes a while, and happens
            // at its last close: let that be beside the caller, who sees
            // the name gone at once.
            std::thread([fd = m_fd] { ::close(fd); }).detach();
        } else {
            ::close(m_fd);
        }
    }
    SiblingFile(const SiblingFile &) = delete;
    SiblingFile &operator=(const SiblingFile &) = delete;

    const QString &path() const { return m_path; }
    void keep() { m_keep = true; }

    // Counts data handed to the database; starts the disk writes of what
    // reached the file every kStep bytes.
    void written(std::int64_t bytes)
    {
        m_pending += bytes;
        if (m_pending >= kStep) {
            m_pending = 0;
            ::sync_file_range(m_fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        }
    }
    // Returns once the whole file is on disk.
    void sync()
    {
        if (::fdatasync(m_fd) != 0)
            throw file_error(QStringLiteral("cannot write %1: %2").arg(m_path, system_error()));
    }

private:
    static constexpr std::int64_t kStep = 32 << 20;
    QString m_path;
    int m_fd = -1;
    bool m_keep = false;
    std::int64_t m_pending = 0;
};

void write_objects(sqlite::Connection &db, const std::vector<ObjectRecord> &objects, Progress *progress,
                   SiblingFile &file)
{
    // Large pages: a chunk takes 16 times fewer pages, each written with
    // one call, which more than halves the time to write a large model.
    db.exec(QStringLiteral("PRAGMA page_size = 65536"));
    // The file is nobody's until it is complete and renamed into place, so
    // SQLite need not make its steps durable; file.sync() makes the whole
    // file so, once, before the rename.
    db.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    db.exec(QStringLiteral("CREATE TABLE kelvra_objects (position INTEGER PRIMARY KEY, "
                           "name TEXT NOT NULL UNIQUE, geometry TEXT NOT NULL, current_property TEXT)"));
    db.exec(QStringLiteral("CREATE TABLE kelvra_properties (object_name TEXT, position INTEGER, "
                           "prop_name TEXT, PRIMARY KEY (object_name, position))"));
    create_chunk_table(db, kChunks);
    sqlite::Cursor cursor = db.cursor();
    for (std::size_t position = 0; position < objects.size(); ++position) {
        const ObjectRecord &object = objects[position];
        cursor.execute(QStringLiteral("INSERT INTO kelvra_objects VALUES (?,?,?,?)"),
                       {std::int64_t(position), object.name, object.geometry_type,
                        object.current_property ? sqlite::Value(*object.current_property) : sqlite::Value()});
        const QStringList keys = object.prop.keys();
        for (int index = 0; index < keys.size(); ++index) {
            cursor.execute(QStringLiteral("INSERT INTO kelvra_properties VALUES (?,?,?)"),
                           {object.name, std::int64_t(index), keys[index]});
            store_chunks(db, kChunks, object.name, keys[index], object.prop.value(keys[index]),
                         [progress, &file](std::int64_t bytes) {
                             file.written(bytes);
                             if (progress)
                                 progress->advance(bytes);
                         });
        }
    }
    if (progress)
        progress->check();
    db.commit();
}

// Gives the new file the mode of the file it replaces, and its group where
// the user may (a user who is not in that group keeps their own).
void take_permissions(const QString &file, const QString &replaced)
{
    struct stat old {};
    if (::stat(QFile::encodeName(replaced).constData(), &old) != 0)
        return; // nothing replaced: the new file keeps its umask mode
    const QByteArray name = QFile::encodeName(file);
    if (::chown(name.constData(), uid_t(-1), old.st_gid) != 0) {
        // Not allowed to give that group: the file stays in the user's group.
    }
    if (::chmod(name.constData(), old.st_mode & 07777) != 0)
        throw file_error(QStringLiteral("cannot give %1 the permissions of %2: %3")
                             .arg(file, replaced, system_error()));
}

// Makes the rename itself durable.
void sync_folder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

struct Layout
{
    QString name, geometry, current;
    QStringList keys;
};

std::vector<Layout> read_layout(sqlite::Connection &db)
{
    sqlite::Cursor cursor = db.cursor();
    std::vector<Layout> layout;
    const std::vector<sqlite::Row> rows =
        cursor.execute(QStringLiteral("SELECT name, geometry, current_property FROM kelvra_objects "
                                      "ORDER BY position"))
            .fetchall();
    for (const sqlite::Row &row : rows) {
        Layout object{text_of(row[0]), text_of(row[1]), text_of(row[2]), {}};
        const std::vector<sqlite::Row> keys =
            cursor.execute(QStringLiteral("SELECT prop_name FROM kelvra_properties "
                                          "WHERE object_name = ? ORDER BY position"),
                           {object.name})
                .fetchall();
        for (const sqlite::Row &key : keys)
            object.keys << text_of(key[0]);
        layout.push_back(std::move(object));
    }
    return layout;
}

} // namespace

void save_objects(const QString &path, const std::vector<ObjectRecord> &objects, Progress *progress)
{
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir())
        throw ValueError(QStringLiteral("'%1' is not a file name").arg(path));
    if (progress) {
        std::int64_t total = 0;
        for (const ObjectRecord &object : objects) {
            for (const QString &key : object.prop.keys())
                total += object.prop.value(key).nbytes();
        }
        progress->set_total(total);
    }
    SiblingFile temporary(target);
    try {
        sqlite::Connection db(temporary.path(), sqlite::Conversion::None);
        write_objects(db, objects, progress, temporary);
    } catch (const SqliteError &error) {
        throw file_error(QStringLiteral("cannot write %1: %2").arg(path, error_text(error)));
    }
    take_permissions(temporary.path(), target.absoluteFilePath());
    if (progress)
        progress->check();
    temporary.sync();
    if (progress)
        progress->check();
    // rename() replaces the target in one step: readers see the old file or
    // the complete new one, never a part.
    if (std::rename(QFile::encodeName(temporary.path()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData())
        != 0) {
        throw file_error(QStringLiteral("cannot replace %1: %2").arg(path, system_error()));
    }
    temporary.keep();
    sync_folder(target.absolutePath());
}

std::vector<ObjectRecord> load_objects(const QString &path, Progress *progress)
{
    const QFileInfo file(path);
    if (!file.isFile())
        throw LookupError(QStringLiteral("there is no file '%1'").arg(path));
    if (!file.isReadable())
        throw ValueError(QStringLiteral("the file '%1' cannot be read").arg(path));

    std::vector<ObjectRecord> objects;
    try {
        sqlite::Connection db(path, sqlite::Conversion::None);
        db.exec(QStringLiteral("PRAGMA trusted_schema = OFF"));
        // One read transaction for the whole file: SQLite then locks and
        // checks the file once, not for each of the thousands of queries a
        // project of many objects takes.
        db.exec(QStringLiteral("BEGIN"));
        const std::vector<Layout> layout = read_layout(db);
        if (progress) {
            std::int64_t total = 0;
            for (const Layout &object : layout) {
                for (const QString &key : object.keys)
                    total += stored_bytes(db, kChunks, object.name, key);
            }
            progress->set_total(total);
        }
        for (const Layout &object : layout) {
            ObjectRecord record{object.name, object.geometry, {},
                                object.current.isEmpty() ? std::nullopt : std::optional<QString>(object.current)};
            for (const QString &key : object.keys)
                record.prop.insert(key, load_chunks(db, kChunks, object.name, key, progress_of(progress)));
            normalize_record(record);
            objects.push_back(std::move(record));
        }
    } catch (const SqliteError &error) {
        throw ValueError(QStringLiteral("'%1' is not a Kelvra object file (%2)").arg(path, error_text(error)));
    }
    return objects;
}

ObjectRecord load_single_object(const QString &path, Progress *progress)
{
    std::vector<ObjectRecord> objects = load_objects(path, progress);
    if (objects.size() != 1)
        throw ValueError(QStringLiteral("'%1' holds %2 objects, not one: open it as a project instead")
                             .arg(path)
                             .arg(objects.size()));
    return std::move(objects.front());
}

} // namespace kelvra::app
