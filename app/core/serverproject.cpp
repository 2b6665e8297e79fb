#include "app/core/serverproject.h"

#include "app/core/pgconnection.h"

#include "host/errors.h"
#include "host/sqlite_array.h"
#include "host/translation.h"
#include "utils/chunkcut.h"

#include <QColor>

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>
#include <utility>

namespace kelvra::app {
namespace {

// Every table of a project, kelvra_projects first: the others refer to it,
// so that deleting a project's row deletes the whole project.
const char *const kCreateTables[] = {
    "CREATE TABLE IF NOT EXISTS kelvra_projects (project TEXT PRIMARY KEY, version BIGINT NOT NULL, "
    "saved_by TEXT NOT NULL, saved_at TIMESTAMPTZ NOT NULL, size BIGINT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS kelvra_objects (project TEXT NOT NULL REFERENCES kelvra_projects "
    "ON DELETE CASCADE, position INTEGER NOT NULL, name TEXT NOT NULL, geometry TEXT NOT NULL, "
    "current_property TEXT, PRIMARY KEY (project, position), UNIQUE (project, name))",
    "CREATE TABLE IF NOT EXISTS kelvra_properties (project TEXT NOT NULL REFERENCES kelvra_projects "
    "ON DELETE CASCADE, object_name TEXT NOT NULL, position INTEGER NOT NULL, prop_name TEXT NOT NULL, "
    "PRIMARY KEY (project, object_name, position))",
    "CREATE TABLE IF NOT EXISTS kelvra_chunks (project TEXT NOT NULL REFERENCES kelvra_projects "
    "ON DELETE CASCADE, object_name TEXT NOT NULL, prop_name TEXT NOT NULL, chunkID INTEGER NOT NULL, "
    "arr BYTEA NOT NULL, PRIMARY KEY (project, object_name, prop_name, chunkID))",
    "CREATE TABLE IF NOT EXISTS kelvra_topology (project TEXT NOT NULL REFERENCES kelvra_projects "
    "ON DELETE CASCADE, object_name TEXT NOT NULL, prop_name TEXT NOT NULL, chunkID INTEGER NOT NULL, "
    "arr BYTEA NOT NULL, PRIMARY KEY (project, object_name, prop_name, chunkID))",
    "CREATE TABLE IF NOT EXISTS kelvra_colours (project TEXT NOT NULL REFERENCES kelvra_projects "
    "ON DELETE CASCADE, object_name TEXT NOT NULL, colour TEXT NOT NULL, PRIMARY KEY (project, object_name))",
    "CREATE TABLE IF NOT EXISTS kelvra_grids (project TEXT NOT NULL REFERENCES kelvra_projects "
    "ON DELETE CASCADE, object_name TEXT NOT NULL, columns BIGINT NOT NULL, rows BIGINT NOT NULL, "
    "layers BIGINT NOT NULL, x_origin DOUBLE PRECISION NOT NULL, y_origin DOUBLE PRECISION NOT NULL, "
    "x_increment DOUBLE PRECISION NOT NULL, y_increment DOUBLE PRECISION NOT NULL, "
    "rotation DOUBLE PRECISION NOT NULL, z_origin DOUBLE PRECISION NOT NULL, "
    "z_increment DOUBLE PRECISION NOT NULL, PRIMARY KEY (project, object_name))",
    "CREATE TABLE IF NOT EXISTS kelvra_texts (project TEXT NOT NULL REFERENCES kelvra_projects "
    "ON DELETE CASCADE, object_name TEXT NOT NULL, vertex BIGINT NOT NULL, text TEXT NOT NULL, "
    "PRIMARY KEY (project, object_name, vertex))",
    "CREATE TABLE IF NOT EXISTS kelvra_units (project TEXT NOT NULL REFERENCES kelvra_projects "
    "ON DELETE CASCADE, object_name TEXT NOT NULL, prop_name TEXT NOT NULL, unit TEXT NOT NULL, "
    "PRIMARY KEY (project, object_name, prop_name))",
    // Chunks are stored out of line and uncompressed: array data hardly
    // compresses, and trying costs more time than writing.
    "ALTER TABLE kelvra_chunks ALTER COLUMN arr SET STORAGE EXTERNAL",
    "ALTER TABLE kelvra_topology ALTER COLUMN arr SET STORAGE EXTERNAL",
};

const char *const kMissingTables =
    "SELECT count(*) FROM unnest(ARRAY['kelvra_projects', 'kelvra_objects', 'kelvra_properties', "
    "'kelvra_chunks', 'kelvra_topology', 'kelvra_colours', 'kelvra_grids', 'kelvra_texts', 'kelvra_units']) "
    "AS t(name) WHERE to_regclass(t.name) IS NULL";

// The tables of a project's contents, emptied before a save writes them anew.
const char *const kDeleteContents[] = {
    "DELETE FROM kelvra_objects WHERE project = $1",  "DELETE FROM kelvra_properties WHERE project = $1",
    "DELETE FROM kelvra_chunks WHERE project = $1",   "DELETE FROM kelvra_topology WHERE project = $1",
    "DELETE FROM kelvra_colours WHERE project = $1",  "DELETE FROM kelvra_grids WHERE project = $1",
    "DELETE FROM kelvra_texts WHERE project = $1",    "DELETE FROM kelvra_units WHERE project = $1",
};

// Serializes the creation of the tables between Kelvras saving their first
// project into the same database at once.
constexpr std::int64_t kCreateLock = 0x6b656c7672610001;

const QString kTriangles = QStringLiteral("triangles");

// Bytes moved between the arrays and libpq at a time.
constexpr std::int64_t kPieceBytes = 4 << 20;

bool tables_exist(PgConnection &db)
{
    return db.exec(kMissingTables).int64(0, 0) == 0;
}

ServerProjectInfo project_info(const PgResult &result, const QString &name)
{
    ServerProjectInfo info;
    info.name = name;
    info.version = result.int64(0, 0);
    info.saved_by = result.text(0, 1);
    info.saved_at = result.timestamp(0, 2);
    info.size = result.int64(0, 3);
    return info;
}

QString when(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// ---- saving ----

void create_tables(PgConnection &db, const ServerAddress &address)
{
    if (tables_exist(db))
        return;
    if (!address.schema.isEmpty())
        db.exec(("CREATE SCHEMA IF NOT EXISTS " + pg_identifier(db.handle(), address.schema)).constData());
    db.exec("SELECT pg_advisory_xact_lock($1)", {pg_number(kCreateLock)});
    for (const char *statement : kCreateTables)
        db.exec(statement);
}

// Takes the project's row for this transaction, checking that the project
// is at the version the save builds on (or does not exist yet): a second
// save of the same version waits here for the first and is then refused.
void lock_project(PgConnection &db, const ServerAddress &address, std::optional<std::int64_t> based_on)
{
    const PgParam project = pg_text(address.project);
    if (based_on) {
        const PgResult row = db.exec("SELECT version, saved_by, saved_at, size FROM kelvra_projects "
                                     "WHERE project = $1 FOR UPDATE",
                                     {project});
        if (row.rows() == 1) {
            const ServerProjectInfo current = project_info(row, address.project);
            if (current.version == *based_on)
                return;
            throw ProjectConflict(_("Project \"%1\" on %2 was saved by %3 at %4, after you opened it. Your save "
                                    "was refused so that their work is kept; save under a new project name to "
                                    "keep yours.")
                                      .arg(address.project, address.server_text(), current.saved_by,
                                           when(current.saved_at)),
                                  current);
        }
        // Removed meanwhile: saving it again overwrites nobody's work.
    }
    const PgResult inserted = db.exec("INSERT INTO kelvra_projects (project, version, saved_by, saved_at, size) "
                                      "VALUES ($1, 0, current_user, now(), 0) "
                                      "ON CONFLICT (project) DO NOTHING RETURNING version",
                                      {project});
    if (inserted.rows() == 1)
        return;
    const PgResult row = db.exec("SELECT version, saved_by, saved_at, size FROM kelvra_projects WHERE project = $1",
                                 {project});
    const ServerProjectInfo current = project_info(row, address.project);
    throw ProjectConflict(_("There is already a project \"%1\" on %2, saved by %3 at %4. Nothing was saved.")
                              .arg(address.project, address.server_text(), current.saved_by, when(current.saved_at)),
                          current);
}

// The rows of one chunk table: each array cut into chunks, each chunk a
// .npy blob written from the array's memory as it is.
void write_chunks(PgCopyIn &copy, const QString &project, const QString &object, const QString &prop,
                  const NdArray &array, Progress *progress)
{
    const std::int64_t header_size = npy::header_bytes(array.dtype(), array.shape()).size();
    std::int32_t chunk = 0;
    for (const NdArray &piece : chunkcut(array, kServerChunkBytes - header_size)) {
        const QByteArray header = npy::header_bytes(piece.dtype(), piece.shape());
        copy.begin_row(5);
        copy.text(project);
        copy.text(object);
        copy.text(prop);
        copy.int32(++chunk);
        copy.begin_bytes(header.size() + piece.nbytes());
        copy.bytes(header.constData(), header.size());
        for (std::int64_t done = 0; done < piece.nbytes();) {
            const std::int64_t step = std::min(kPieceBytes, piece.nbytes() - done);
            copy.bytes(piece.bytes() + done, step);
            done += step;
            if (progress)
                progress->advance(step);
        }
    }
}

void write_project(PgConnection &db, const QString &project, const std::vector<ObjectRecord> &objects,
                   Progress *progress)
{
    db.copy_in("COPY kelvra_objects (project, position, name, geometry, current_property) FROM STDIN (FORMAT binary)",
               [&](PgCopyIn &copy) {
                   for (std::size_t position = 0; position < objects.size(); ++position) {
                       const ObjectRecord &object = objects[position];
                       copy.begin_row(5);
                       copy.text(project);
                       copy.int32(std::int32_t(position));
                       copy.text(object.name);
                       copy.text(object.geometry_type);
                       if (object.current_property)
                           copy.text(*object.current_property);
                       else
                           copy.null();
                   }
               });
    db.copy_in("COPY kelvra_properties (project, object_name, position, prop_name) FROM STDIN (FORMAT binary)",
               [&](PgCopyIn &copy) {
                   for (const ObjectRecord &object : objects) {
                       const QStringList keys = object.prop.keys();
                       for (int index = 0; index < keys.size(); ++index) {
                           copy.begin_row(4);
                           copy.text(project);
                           copy.text(object.name);
                           copy.int32(index);
                           copy.text(keys[index]);
                       }
                   }
               });
    db.copy_in("COPY kelvra_chunks (project, object_name, prop_name, chunkID, arr) FROM STDIN (FORMAT binary)",
               [&](PgCopyIn &copy) {
                   for (const ObjectRecord &object : objects) {
                       for (const QString &key : object.prop.keys())
                           write_chunks(copy, project, object.name, key, object.prop.value(key), progress);
                   }
               });
    db.copy_in("COPY kelvra_topology (project, object_name, prop_name, chunkID, arr) FROM STDIN (FORMAT binary)",
               [&](PgCopyIn &copy) {
                   for (const ObjectRecord &object : objects) {
                       if (object.triangles.size() > 0)
                           write_chunks(copy, project, object.name, kTriangles, object.triangles, progress);
                   }
               });
    db.copy_in("COPY kelvra_colours (project, object_name, colour) FROM STDIN (FORMAT binary)",
               [&](PgCopyIn &copy) {
                   for (const ObjectRecord &object : objects) {
                       if (!object.colour)
                           continue;
                       copy.begin_row(3);
                       copy.text(project);
                       copy.text(object.name);
                       copy.text(QColor(*object.colour).name());
                   }
               });
    db.copy_in("COPY kelvra_grids (project, object_name, columns, rows, layers, x_origin, y_origin, x_increment, "
               "y_increment, rotation, z_origin, z_increment) FROM STDIN (FORMAT binary)",
               [&](PgCopyIn &copy) {
                   for (const ObjectRecord &object : objects) {
                       if (!object.grid)
                           continue;
                       const GridGeometry &grid = *object.grid;
                       copy.begin_row(12);
                       copy.text(project);
                       copy.text(object.name);
                       copy.int64(grid.columns);
                       copy.int64(grid.rows);
                       copy.int64(grid.layers);
                       for (double value : {grid.x_origin, grid.y_origin, grid.x_increment, grid.y_increment,
                                            grid.rotation, grid.z_origin, grid.z_increment})
                           copy.float8(value);
                   }
               });
    db.copy_in("COPY kelvra_texts (project, object_name, vertex, text) FROM STDIN (FORMAT binary)",
               [&](PgCopyIn &copy) {
                   for (const ObjectRecord &object : objects) {
                       for (int vertex = 0; vertex < object.texts.size(); ++vertex) {
                           copy.begin_row(4);
                           copy.text(project);
                           copy.text(object.name);
                           copy.int64(vertex);
                           copy.text(object.texts[vertex]);
                       }
                   }
               });
    db.copy_in("COPY kelvra_units (project, object_name, prop_name, unit) FROM STDIN (FORMAT binary)",
               [&](PgCopyIn &copy) {
                   for (const ObjectRecord &object : objects) {
                       for (auto unit = object.units.cbegin(); unit != object.units.cend(); ++unit) {
                           copy.begin_row(4);
                           copy.text(project);
                           copy.text(object.name);
                           copy.text(unit.key());
                           copy.text(unit.value());
                       }
                   }
               });
}

// ---- loading ----

// One stored array: its chunks' headers, and the array they fill.
struct StoredArray
{
    std::vector<npy::Header> headers;
    std::vector<std::int64_t> offsets; // where each chunk's data goes in the array
    std::vector<bool> read;
    NdArray array;
};

using ArrayKey = std::pair<QString, QString>; // object, property
using StoredArrays = std::map<ArrayKey, StoredArray>;

QString describe(const ArrayKey &key)
{
    return _("object '%1', property '%2'").arg(key.first, key.second);
}

// Reads the chunk headers of a chunk table (only the first bytes of each
// blob leave the server) and makes the arrays they describe.
StoredArrays read_headers(PgConnection &db, const char *sql, const QString &project)
{
    StoredArrays arrays;
    const PgResult rows = db.exec(sql, {pg_text(project), pg_number(npy::MAX_PREFIX + npy::MAX_HEADER_LENGTH)});
    for (int row = 0; row < rows.rows(); ++row) {
        const ArrayKey key{rows.text(row, 0), rows.text(row, 1)};
        StoredArray &stored = arrays[key];
        const std::int64_t number = rows.int32(row, 2);
        const QString chunk = _("chunk %1 of %2").arg(number).arg(describe(key));
        if (number != std::int64_t(stored.headers.size()) + 1)
            throw ValueError(_("chunk %1 of %2 is missing").arg(stored.headers.size() + 1).arg(describe(key)));
        npy::Header header;
        try {
            header = npy::read_header(rows.bytes(row, 4), std::size_t(rows.length(row, 4)), rows.int64(row, 3));
        } catch (const ValueError &error) {
            throw ValueError(chunk + QStringLiteral(": ") + error_text(error));
        }
        if (header.shape.empty())
            throw ValueError(_("%1 is a 0-d array").arg(chunk));
        if (!stored.headers.empty()) {
            const npy::Header &first = stored.headers.front();
            if (header.dtype != first.dtype
                || !std::equal(header.shape.begin() + 1, header.shape.end(), first.shape.begin() + 1, first.shape.end()))
                throw ValueError(_("%1 does not match chunk 1 in element type or extents").arg(chunk));
        }
        stored.headers.push_back(std::move(header));
    }
    for (auto &[key, stored] : arrays) {
        std::vector<std::int64_t> shape = stored.headers.front().shape;
        shape.front() = 0;
        std::int64_t offset = 0;
        for (const npy::Header &header : stored.headers) {
            if (header.shape.front() > std::numeric_limits<std::int64_t>::max() - shape.front())
                throw ValueError(_("%1: too many rows").arg(describe(key)));
            shape.front() += header.shape.front();
            stored.offsets.push_back(offset);
            offset += header.data_nbytes;
        }
        stored.read.assign(stored.headers.size(), false);
        stored.array = NdArray(stored.headers.front().dtype, shape);
    }
    return arrays;
}

std::int64_t data_bytes(const StoredArrays &arrays)
{
    std::int64_t total = 0;
    for (const auto &entry : arrays) {
        for (const npy::Header &header : entry.second.headers)
            total += header.data_nbytes;
    }
    return total;
}

// Streams the chunks' blobs and copies each one's data into its place.
void read_chunks(PgConnection &db, const char *sql, const QString &project, StoredArrays &arrays,
                 Progress *progress)
{
    db.stream(sql, {pg_text(project)}, [&](const PgResult &row) {
        const ArrayKey key{row.text(0, 0), row.text(0, 1)};
        const auto found = arrays.find(key);
        const std::int64_t number = row.int32(0, 2);
        if (found == arrays.end() || number < 1 || number > std::int64_t(found->second.headers.size()))
            throw ValueError(_("unexpected chunk %1 of %2").arg(number).arg(describe(key)));
        StoredArray &stored = found->second;
        const npy::Header &header = stored.headers[std::size_t(number - 1)];
        if (row.is_null(0, 3) || row.length(0, 3) != header.data_offset + header.data_nbytes)
            throw ValueError(_("chunk %1 of %2 changed while it was read").arg(number).arg(describe(key)));
        std::byte *out = stored.array.bytes() + stored.offsets[std::size_t(number - 1)];
        const char *in = row.bytes(0, 3) + header.data_offset;
        for (std::int64_t done = 0; done < header.data_nbytes;) {
            const std::int64_t step = std::min(kPieceBytes, header.data_nbytes - done);
            std::memcpy(out + done, in + done, std::size_t(step));
            done += step;
            if (progress)
                progress->advance(step);
        }
        npy::to_native(header, out);
        stored.read[std::size_t(number - 1)] = true;
    });
    for (const auto &[key, stored] : arrays) {
        if (std::find(stored.read.begin(), stored.read.end(), false) != stored.read.end())
            throw ValueError(_("chunks of %1 vanished while they were read").arg(describe(key)));
    }
}

std::vector<ObjectRecord> read_project(PgConnection &db, const QString &project, Progress *progress,
                                       std::int64_t *version)
{
    // One snapshot for every read: a save committed meanwhile is not seen.
    db.exec("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
    const PgParam name = pg_text(project);
    if (!tables_exist(db))
        throw LookupError(_("there is no such project"));
    const PgResult head = db.exec("SELECT version FROM kelvra_projects WHERE project = $1", {name});
    if (head.rows() != 1)
        throw LookupError(_("there is no such project"));
    if (version)
        *version = head.int64(0, 0);

    std::vector<ObjectRecord> objects;
    std::map<QString, std::size_t> index;
    const PgResult rows = db.exec("SELECT name, geometry, current_property FROM kelvra_objects "
                                  "WHERE project = $1 ORDER BY position",
                                  {name});
    for (int row = 0; row < rows.rows(); ++row) {
        ObjectRecord record;
        record.name = rows.text(row, 0);
        record.geometry_type = rows.text(row, 1);
        if (!rows.is_null(row, 2))
            record.current_property = rows.text(row, 2);
        index[record.name] = objects.size();
        objects.push_back(std::move(record));
    }
    std::map<QString, QStringList> keys;
    const PgResult props = db.exec("SELECT object_name, prop_name FROM kelvra_properties "
                                   "WHERE project = $1 ORDER BY object_name, position",
                                   {name});
    for (int row = 0; row < props.rows(); ++row)
        keys[props.text(row, 0)] << props.text(row, 1);

    const char *headers_of = "SELECT object_name, prop_name, chunkID, length(arr)::bigint, substring(arr from 1 for $2) "
                             "FROM %1 WHERE project = $1 ORDER BY object_name, prop_name, chunkID";
    const QByteArray chunk_headers = QByteArray(headers_of).replace("%1", "kelvra_chunks");
    const QByteArray topology_headers = QByteArray(headers_of).replace("%1", "kelvra_topology");
    StoredArrays arrays = read_headers(db, chunk_headers.constData(), project);
    StoredArrays triangles = read_headers(db, topology_headers.constData(), project);
    if (progress)
        progress->set_total(data_bytes(arrays) + data_bytes(triangles));
    read_chunks(db, "SELECT object_name, prop_name, chunkID, arr FROM kelvra_chunks WHERE project = $1", project,
                arrays, progress);
    read_chunks(db, "SELECT object_name, prop_name, chunkID, arr FROM kelvra_topology WHERE project = $1", project,
                triangles, progress);

    const auto object_of = [&](const QString &object_name) -> ObjectRecord & {
        const auto found = index.find(object_name);
        if (found == index.end())
            throw ValueError(_("values of an object '%1' that the project does not hold").arg(object_name));
        return objects[found->second];
    };
    for (ObjectRecord &record : objects) {
        for (const QString &key : keys[record.name]) {
            const auto found = arrays.find({record.name, key});
            if (found == arrays.end())
                throw ValueError(_("no chunks of %1").arg(describe({record.name, key})));
            record.prop.insert(key, found->second.array);
        }
        const auto topology = triangles.find({record.name, kTriangles});
        if (topology != triangles.end())
            record.triangles = topology->second.array;
    }
    const PgResult colours = db.exec("SELECT object_name, colour FROM kelvra_colours WHERE project = $1", {name});
    for (int row = 0; row < colours.rows(); ++row) {
        const QColor colour(colours.text(row, 1));
        if (!colour.isValid())
            throw ValueError(_("object '%1' has no colour '%2'")
                                 .arg(colours.text(row, 0), colours.text(row, 1)));
        object_of(colours.text(row, 0)).colour = colour.rgb();
    }
    const PgResult grids = db.exec("SELECT object_name, columns, rows, layers, x_origin, y_origin, x_increment, "
                                   "y_increment, rotation, z_origin, z_increment FROM kelvra_grids WHERE project = $1",
                                   {name});
    for (int row = 0; row < grids.rows(); ++row) {
        GridGeometry grid;
        grid.columns = grids.int64(row, 1);
        grid.rows = grids.int64(row, 2);
        grid.layers = grids.int64(row, 3);
        grid.x_origin = grids.float8(row, 4);
        grid.y_origin = grids.float8(row, 5);
        grid.x_increment = grids.float8(row, 6);
        grid.y_increment = grids.float8(row, 7);
        grid.rotation = grids.float8(row, 8);
        grid.z_origin = grids.float8(row, 9);
        grid.z_increment = grids.float8(row, 10);
        object_of(grids.text(row, 0)).grid = grid;
    }
    const PgResult texts = db.exec("SELECT object_name, vertex, text FROM kelvra_texts WHERE project = $1 "
                                   "ORDER BY object_name, vertex",
                                   {name});
    for (int row = 0; row < texts.rows(); ++row) {
        ObjectRecord &record = object_of(texts.text(row, 0));
        if (texts.int64(row, 1) != record.texts.size())
            throw ValueError(_("text %1 of object '%2' is missing").arg(record.texts.size()).arg(record.name));
        record.texts << texts.text(row, 2);
    }
    const PgResult units = db.exec("SELECT object_name, prop_name, unit FROM kelvra_units WHERE project = $1", {name});
    for (int row = 0; row < units.rows(); ++row)
        object_of(units.text(row, 0)).units.insert(units.text(row, 1), units.text(row, 2));
    db.exec("COMMIT");

    for (ObjectRecord &record : objects)
        normalize_record(record);
    return objects;
}

// Runs fn, turning its failures into errors that name the server, the
// project and the reason: message(reason) gives the text.
template <typename Message, typename Fn>
auto explained(const Message &message, Fn &&fn)
{
    try {
        return fn();
    } catch (const PasswordNeeded &error) {
        throw PasswordNeeded(message(_("the server asks for a password, and none was found in ~/.pgpass, "
                                       "the service file or PGPASSWORD")));
    } catch (const ServerError &error) {
        throw ServerError(message(error_text(error)), error.sqlstate());
    } catch (const ValueError &error) {
        throw ServerError(message(error_text(error)));
    } catch (const LookupError &error) {
        throw ServerError(message(error_text(error)));
    }
}

} // namespace

ProjectConflict::ProjectConflict(const QString &what, ServerProjectInfo current)
    : std::runtime_error(what.toStdString())
    , m_current(std::move(current))
{
}

std::vector<ObjectRecord> load_server_project(const ServerAddress &address, Progress *progress, std::int64_t *version)
{
    const auto message = [&](const QString &reason) {
        return _("Cannot open project \"%1\" on %2: %3").arg(address.project, address.server_text(), reason);
    };
    return explained(message, [&] {
        PgConnection db(address, progress);
        return read_project(db, address.project, progress, version);
    });
}

std::int64_t save_server_project(const ServerAddress &address, const std::vector<ObjectRecord> &objects,
                                 std::optional<std::int64_t> based_on, Progress *progress)
{
    const auto message = [&](const QString &reason) {
        return _("Cannot save project \"%1\" on %2: %3").arg(address.project, address.server_text(), reason);
    };
    return explained(message, [&] {
        if (address.project.isEmpty())
            throw ValueError(_("the project has no name"));
        std::int64_t total = 0;
        for (const ObjectRecord &object : objects) {
            for (const QString &key : object.prop.keys())
                total += object.prop.value(key).nbytes();
            total += object.triangles.nbytes();
        }
        if (progress)
            progress->set_total(total);

        PgConnection db(address, progress);
        db.exec("BEGIN");
        create_tables(db, address);
        lock_project(db, address, based_on);
        for (const char *statement : kDeleteContents)
            db.exec(statement, {pg_text(address.project)});
        write_project(db, address.project, objects, progress);
        const PgResult saved = db.exec("UPDATE kelvra_projects SET version = version + 1, saved_by = current_user, "
                                       "saved_at = now(), size = $2 WHERE project = $1 RETURNING version",
                                       {pg_text(address.project), pg_number(total)});
        // The last moment a cancel counts: once COMMIT is sent, the save is
        // reported as done.
        db.detach_progress();
        if (progress)
            progress->check();
        db.exec("COMMIT");
        return saved.int64(0, 0);
    });
}

std::vector<ServerProjectInfo> list_server_projects(const ServerAddress &address, Progress *progress)
{
    const auto message = [&](const QString &reason) {
        return _("Cannot list the projects on %1: %2").arg(address.server_text(), reason);
    };
    return explained(message, [&] {
        std::vector<ServerProjectInfo> projects;
        PgConnection db(address, progress);
        if (!tables_exist(db))
            return projects;
        const PgResult rows = db.exec("SELECT version, saved_by, saved_at, size, project FROM kelvra_projects "
                                      "ORDER BY project");
        for (int row = 0; row < rows.rows(); ++row) {
            ServerProjectInfo info;
            info.version = rows.int64(row, 0);
            info.saved_by = rows.text(row, 1);
            info.saved_at = rows.timestamp(row, 2);
            info.size = rows.int64(row, 3);
            info.name = rows.text(row, 4);
            projects.push_back(std::move(info));
        }
        return projects;
    });
}

} // namespace kelvra::app
