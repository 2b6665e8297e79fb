#include "app/core/objectfile.h"

#include "app/core/fileaccess.h"
#include "app/core/filereplacement.h"
#include "app/core/objecttables.h"

#include "host/errors.h"
#include "host/nativepath.h"
#include "host/ndarray.h"
#include "host/sqlite.h"
#include "host/translation.h"
#include "utils/chunkstore.h"

#include <sqlite3.h>

#include <algorithm>
#include <new>

namespace kelvra::app {
namespace {

using tables::kChunks;
using tables::kTopology;
const QString kTriangles = QStringLiteral("triangles");

// A file without the tables of an object file.
class ForeignFile : public ValueError
{
public:
    using ValueError::ValueError;
};

std::vector<ObjectRecord> read_objects(tables::Reader &reader, const QString &file, Progress *progress)
{
    if (!reader.is_object_file())
        throw ForeignFile(_("'%1' is not a Kelvra project or object file: it lacks the table kelvra_objects, "
                            "kelvra_properties or kelvra_chunks")
                              .arg(readable_path(file)));
    std::vector<tables::StoredObject> stored = reader.read_descriptions();
    // Every array's size, from its chunk headers, before any is allocated.
    std::int64_t total = 0;
    for (const tables::StoredObject &object : stored) {
        for (const QString &key : object.record.prop.keys())
            total += reader.declare(kChunks, object.record.name, key);
        if (object.has_triangles)
            total += reader.declare(kTopology, object.record.name, kTriangles);
    }
    if (progress)
        progress->set_total(total);
    const ChunkProgress moved = [progress](std::int64_t bytes) {
        if (progress)
            progress->advance(bytes);
    };
    std::vector<ObjectRecord> objects;
    for (tables::StoredObject &object : stored) {
        ObjectRecord &record = object.record;
        for (const QString &key : record.prop.keys())
            record.prop.insert(key, reader.read_array(kChunks, record.name, key, moved));
        if (object.has_triangles)
            record.triangles = reader.read_array(kTopology, record.name, kTriangles, moved);
        normalize_record(record);
        objects.push_back(std::move(record));
    }
    return objects;
}

// Whether SQLite's error says that the file is damaged: a malformed page,
// a value larger than the file, a file shorter than its pages.
bool is_damage(const SqliteError &error)
{
    const int code = error.code();
    return (code & 0xff) == SQLITE_CORRUPT || code == SQLITE_TOOBIG || code == SQLITE_IOERR_SHORT_READ;
}

} // namespace

void save_objects(const QString &path, const std::vector<ObjectRecord> &objects, Progress *progress)
{
    if (path.isEmpty())
        throw ValueError(_("'%1' is not a file name").arg(path));
    const QString target = file_to_replace(path);
    if (progress) {
        std::int64_t total = 0;
        for (const ObjectRecord &object : objects) {
            for (const QString &key : object.prop.keys())
                total += object.prop.value(key).nbytes();
            if (tables::has_triangles(object))
                total += object.triangles.nbytes();
        }
        progress->set_total(total);
    }
    FileReplacement file(target);
    try {
        sqlite::Connection db(file.temporary(), sqlite::Conversion::None);
        // Large pages: a chunk takes 16 times fewer pages, each written with
        // one call, which more than halves the time to write a large model.
        db.exec(QStringLiteral("PRAGMA page_size = 65536"));
        // The file is nobody's until it is complete and renamed into place,
        // so SQLite need not make its steps durable; file.commit() makes the
        // whole file so, once, before the rename.
        db.exec(QStringLiteral("PRAGMA synchronous = OFF"));
        tables::create(db);
        const ChunkProgress written = [progress, &file](std::int64_t bytes) {
            file.written(bytes);
            if (progress)
                progress->advance(bytes);
        };
        for (std::size_t position = 0; position < objects.size(); ++position)
            tables::write_object(db, std::int64_t(position), objects[position], written);
        if (progress)
            progress->check();
        db.commit();
    } catch (const SqliteError &error) {
        throw ValueError(_("cannot write '%1': %2").arg(readable_path(path), error_text(error)));
    }
    file.commit(progress);
}

std::vector<ObjectRecord> load_objects(const QString &path, Progress *progress)
{
    const std::int64_t size = readable_file_size(path);
    const QString shown = readable_path(path);
    QString where;
    try {
        sqlite::Connection db(path, sqlite::Conversion::None, sqlite::Access::ReadOnly);
        // No value can be longer than the file that holds it.
        sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH,
                      int(std::min<std::int64_t>(size, sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH, -1))));
        db.exec(QStringLiteral("PRAGMA trusted_schema = OFF"));
        db.exec(QStringLiteral("PRAGMA cell_size_check = ON"));
        // One read transaction: the file cannot change while it is read.
        db.exec(QStringLiteral("BEGIN"));
        tables::Reader reader(db, size);
        try {
            return read_objects(reader, path, progress);
        } catch (...) {
            where = reader.where();
            throw;
        }
    } catch (const Cancelled &) {
        throw;
    } catch (const ForeignFile &) {
        throw;
    } catch (const tables::FileDamaged &error) {
        throw ValueError(_("'%1' is damaged: %2").arg(shown, error_text(error)));
    } catch (const ChunkDamaged &error) {
        throw ValueError(_("'%1' is damaged: %2").arg(shown, error_text(error)));
    } catch (const SqliteError &error) {
        const QString place = where.isEmpty() ? QString() : _(" (reading %1)").arg(where);
        if (is_damage(error))
            throw ValueError(_("'%1' is damaged: %2%3").arg(shown, error_text(error), place));
        if ((error.code() & 0xff) == SQLITE_NOTADB)
            throw ValueError(_("'%1' is not a Kelvra project or object file (%2)").arg(shown, error_text(error)));
        throw ValueError(_("cannot open '%1': %2%3").arg(shown, error_text(error), place));
    } catch (const std::bad_alloc &) {
        throw ValueError(_("there is not enough memory to open '%1': %2 does not fit")
                             .arg(shown, where.isEmpty() ? _("its list of objects") : where));
    } catch (const std::exception &error) {
        throw ValueError(_("cannot open '%1': %2").arg(shown, error_text(error)));
    }
}

ObjectRecord load_single_object(const QString &path, Progress *progress)
{
    std::vector<ObjectRecord> objects = load_objects(path, progress);
    if (objects.size() != 1)
        throw ValueError(_("'%1' holds %2 objects, not one: open it as a project instead")
                             .arg(readable_path(path))
                             .arg(objects.size()));
    return std::move(objects.front());
}

} // namespace kelvra::app
