#include "utils/chunkstore.h"

#include "host/errors.h"
#include "host/sqlite_array.h"
#include "utils/basedefs.h"
#include "utils/chunkcut.h"
#include "utils/crc32c.h"

namespace {
// Taken before <sqlite3.h>, whose macro of the same name is the number of
// the length limit among SQLite's limits.
constexpr std::int64_t kStoredChunkLimit = kelvra::SQLITE_LIMIT_LENGTH;
} // namespace

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace kelvra {
namespace {

// Room for a row's record header (its length and the four column types as
// varints) and the chunk number: at most 5 x 9 + 8 bytes.
constexpr std::int64_t kRecordOverhead = 64;
// Bytes moved between a blob and an array at a time.
constexpr std::int64_t kStagingBytes = 8 << 20;
// Bytes summed for a checksum at a time, well within a core's own cache.
constexpr std::int64_t kSumBytes = 256 << 10;

using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)>;

Statement prepare(sqlite3 *db, const QString &sql)
{
    sqlite3_stmt *statement = nullptr;
    sqlite::check(db, sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr));
    return Statement(statement, sqlite3_finalize);
}

void bind_names(sqlite3 *db, sqlite3_stmt *statement, const QString &object, const QString &prop)
{
    const QByteArray objectText = object.toUtf8();
    const QByteArray propText = prop.toUtf8();
    sqlite::check(db, sqlite3_bind_text(statement, 1, objectText.constData(), objectText.size(), SQLITE_TRANSIENT));
    sqlite::check(db, sqlite3_bind_text(statement, 2, propText.constData(), propText.size(), SQLITE_TRANSIENT));
}

QString quoted(QString identifier)
{
    return QLatin1Char('"') + identifier.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString describe(const QString &object, const QString &prop)
{
    return QStringLiteral("object '%1', property '%2'").arg(object, prop);
}

// A savepoint that rolls back its changes unless released.
class Savepoint
{
public:
    Savepoint(sqlite::Connection &connection, const char *name) : m_connection(connection), m_name(name)
    {
        m_connection.exec(QStringLiteral("SAVEPOINT ") + m_name);
    }
    ~Savepoint()
    {
        if (m_active) {
            try {
                m_connection.exec(QStringLiteral("ROLLBACK TO ") + m_name);
                m_connection.exec(QStringLiteral("RELEASE ") + m_name);
            } catch (const SqliteError &) {
                // The error that unwinds the stack is the one to report.
            }
        }
    }
    Savepoint(const Savepoint &) = delete;
    Savepoint &operator=(const Savepoint &) = delete;

    void release()
    {
        m_connection.exec(QStringLiteral("RELEASE ") + m_name);
        m_active = false;
    }

private:
    sqlite::Connection &m_connection;
    QString m_name;
    bool m_active = true;
};

std::int64_t pragma_value(sqlite3 *db, const char *pragma)
{
    const Statement statement = prepare(db, QString::fromLatin1(pragma));
    sqlite::check(db, sqlite3_step(statement.get()));
    return sqlite3_column_int64(statement.get(), 0);
}

// Raises SQLite's page cache to hold one whole chunk while it lives, and
// restores the previous size. Then a chunk's pages stay in memory from the
// insert of its zero blob to the writes that fill it, and each page is
// written to the file once instead of being written, read back and
// written again.
class ChunkCache
{
public:
    ChunkCache(sqlite3 *db, std::int64_t chunkBytes) : m_db(db)
    {
        m_previous = pragma_value(db, "PRAGMA cache_size");
        const std::int64_t previousKiB = m_previous < 0 ? -m_previous
                                                        : m_previous * pragma_value(db, "PRAGMA page_size") / 1024;
        const std::int64_t neededKiB = chunkBytes / 1024 + kCacheMarginKiB;
        m_raised = neededKiB > previousKiB;
        if (m_raised)
            set(-neededKiB);
    }
    ~ChunkCache()
    {
        if (m_raised)
            set(m_previous);
    }
    ChunkCache(const ChunkCache &) = delete;
    ChunkCache &operator=(const ChunkCache &) = delete;

private:
    // Room for the tree pages an insert touches besides the chunk's own.
    static constexpr std::int64_t kCacheMarginKiB = 4096;

    void set(std::int64_t size)
    {
        sqlite3_exec(m_db, QByteArray("PRAGMA cache_size = " + QByteArray::number(qlonglong(size))).constData(),
                     nullptr, nullptr, nullptr);
    }

    sqlite3 *m_db;
    std::int64_t m_previous = 0;
    bool m_raised = false;
};

// An incremental blob I/O handle on the arr column, moved from row to row.
class Blob
{
public:
    Blob(sqlite3 *db, const QString &table, bool writable)
        : m_db(db), m_table(table.toUtf8()), m_writable(writable) {}
    ~Blob() { sqlite3_blob_close(m_handle); }
    Blob(const Blob &) = delete;
    Blob &operator=(const Blob &) = delete;

    void open(sqlite3_int64 rowid)
    {
        if (m_handle) {
            const int rc = sqlite3_blob_reopen(m_handle, rowid);
            if (rc != SQLITE_OK) {
                // The handle is aborted: the next open starts a new one.
                sqlite3_blob_close(m_handle);
                m_handle = nullptr;
            }
            sqlite::check(m_db, rc);
        } else
            sqlite::check(m_db, sqlite3_blob_open(m_db, "main", m_table.constData(), "arr", rowid,
                                                  m_writable, &m_handle));
    }
    const QByteArray &table() const { return m_table; }
    std::int64_t size() const { return sqlite3_blob_bytes(m_handle); }
    void read(void *out, std::int64_t size, std::int64_t offset)
    {
        sqlite::check(m_db, sqlite3_blob_read(m_handle, out, int(size), int(offset)));
    }
    void write(const void *in, std::int64_t size, std::int64_t offset)
    {
        sqlite::check(m_db, sqlite3_blob_write(m_handle, in, int(size), int(offset)));
    }

private:
    sqlite3 *m_db;
    QByteArray m_table;
    bool m_writable;
    sqlite3_blob *m_handle = nullptr;
};

// The rowids of the property's chunks in chunk number order, checking that
// the numbers run 1, 2, 3 ...
Statement prepare_rowids(sqlite3 *db, const QString &table)
{
    return prepare(db, QStringLiteral("SELECT rowid, chunkID FROM %1 WHERE object_name = ? AND prop_name = ? "
                                      "ORDER BY chunkID")
                           .arg(quoted(table)));
}

// The statement of prepare_rowids run for the property, and reset.
std::vector<sqlite3_int64> chunk_rowids(sqlite3 *db, const Statement &select, const QString &object,
                                        const QString &prop)
{
    sqlite3_reset(select.get());
    bind_names(db, select.get(), object, prop);
    std::vector<sqlite3_int64> rowids;
    int rc;
    while ((rc = sqlite3_step(select.get())) == SQLITE_ROW) {
        const std::int64_t expected = std::int64_t(rowids.size()) + 1;
        const bool integer = sqlite3_column_type(select.get(), 1) == SQLITE_INTEGER;
        const std::int64_t found = sqlite3_column_int64(select.get(), 1);
        if (integer && found > expected)
            throw ValueError(QStringLiteral("chunk %1 of %2 is missing").arg(expected).arg(describe(object, prop)));
        if (!integer || found != expected) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(select.get(), 1));
            throw ValueError(QStringLiteral("unexpected chunk number %1 of %2")
                                 .arg(text ? QString::fromUtf8(text) : QStringLiteral("NULL"),
                                      describe(object, prop)));
        }
        rowids.push_back(sqlite3_column_int64(select.get(), 0));
    }
    sqlite::check(db, rc);
    sqlite3_reset(select.get());
    return rowids;
}

// The checked headers of the chunks, and the extents of their concatenation.
std::pair<std::vector<npy::Header>, std::vector<std::int64_t>>
read_headers(Blob &blob, const std::vector<sqlite3_int64> &rowids, const QString &what)
{
    std::vector<npy::Header> headers;
    std::vector<std::int64_t> shape;
    std::vector<char> prefix(std::size_t(npy::MAX_PREFIX + npy::MAX_HEADER_LENGTH));
    for (const sqlite3_int64 rowid : rowids) {
        blob.open(rowid);
        const std::int64_t available = std::min<std::int64_t>(blob.size(), std::int64_t(prefix.size()));
        blob.read(prefix.data(), available, 0);
        const QString chunk = QStringLiteral("chunk %1 of %2").arg(headers.size() + 1).arg(what);
        npy::Header header;
        try {
            header = npy::read_header(prefix.data(), std::size_t(available), blob.size());
        } catch (const ValueError &error) {
            throw ValueError(chunk + QStringLiteral(": ") + error_text(error));
        }
        if (header.shape.empty())
            throw ValueError(chunk + QStringLiteral(" is a 0-d array"));
        if (headers.empty()) {
            shape = header.shape;
        } else if (header.dtype != headers.front().dtype
                   || !std::equal(header.shape.begin() + 1, header.shape.end(), shape.begin() + 1, shape.end())) {
            throw ValueError(chunk + QStringLiteral(" does not match chunk 1 in element type or extents"));
        } else if (header.shape.front() > std::numeric_limits<std::int64_t>::max() - shape.front()) {
            throw ValueError(chunk + QStringLiteral(": too many rows"));
        } else {
            shape.front() += header.shape.front();
        }
        headers.push_back(std::move(header));
    }
    return {std::move(headers), std::move(shape)};
}

// One array of all chunks, each chunk's data read into its place. The
// data passes through a small staging buffer that stays in the processor's
// cache: SQLite's page-sized reads land there fast, and one large copy per
// piece fills the fresh result memory far faster than page-sized reads
// straight into it would. Given checksums, each chunk's bytes are summed
// as they pass, and the chunk compared once it is read.
NdArray read_chunks(Blob &blob, const std::vector<sqlite3_int64> &rowids, const QString &what,
                    const ChunkProgress &progress, const ChunkChecksums *checksums)
{
    const auto [headers, shape] = read_headers(blob, rowids, what);
    NdArray result(headers.front().dtype, shape);
    std::vector<std::byte> staging(std::size_t(std::min(kStagingBytes, result.nbytes())));
    std::vector<char> header_bytes;
    std::byte *out = result.bytes();
    for (std::size_t i = 0; i < rowids.size(); ++i) {
        const npy::Header &header = headers[i];
        blob.open(rowids[i]);
        std::uint32_t crc = 0;
        if (checksums) {
            header_bytes.resize(std::size_t(header.data_offset));
            blob.read(header_bytes.data(), header.data_offset, 0);
            crc = crc32c(0, header_bytes.data(), header_bytes.size());
        }
        for (std::int64_t done = 0; done < header.data_nbytes;) {
            const std::int64_t piece = std::min<std::int64_t>(kStagingBytes, header.data_nbytes - done);
            blob.read(staging.data(), piece, header.data_offset + done);
            if (checksums) {
                // Summed a cache-sized part at a time, just before that
                // part is copied: the copy then reads it from the cache.
                for (std::int64_t part = 0; part < piece; part += kSumBytes) {
                    const std::size_t size = std::size_t(std::min(kSumBytes, piece - part));
                    crc = crc32c(crc, staging.data() + part, size);
                    std::memcpy(out + done + part, staging.data() + part, size);
                }
            } else {
                std::memcpy(out + done, staging.data(), std::size_t(piece));
            }
            done += piece;
            if (progress)
                progress(piece);
        }
        if (checksums && crc != (*checksums)[i])
            throw ChunkDamaged(QStringLiteral("chunk %1 of %2 does not match the checksum written with it")
                                   .arg(i + 1)
                                   .arg(what));
        npy::to_native(header, out);
        out += header.data_nbytes;
    }
    return result;
}

} // namespace

ChunkDamaged::ChunkDamaged(const QString &what) : ValueError(what) {}
ChunkDamaged::~ChunkDamaged() = default;

void create_chunk_table(sqlite::Connection &connection, const QString &table)
{
    connection.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (object_name TEXT, prop_name TEXT, "
                                   "chunkID INTEGER, arr ARRAY, PRIMARY KEY (object_name, prop_name, chunkID))")
                        .arg(quoted(table)));
}

std::int64_t chunk_data_limit(std::int64_t lengthLimit, const NdArray &array,
                              const QString &object, const QString &prop)
{
    // Every chunk's header has the same length: the .npy writer pads the
    // first extent to a fixed width.
    const std::int64_t header = npy::header_bytes(array.dtype(), array.shape()).size();
    const std::int64_t names = object.toUtf8().size() + prop.toUtf8().size();
    const std::int64_t room = lengthLimit - header - names - kRecordOverhead;
    if (room <= 0)
        throw ValueError(QStringLiteral("a length limit of %1 bytes leaves no room for chunk data")
                             .arg(lengthLimit));
    return room;
}

std::int64_t store_chunks(sqlite::Connection &connection, const QString &table,
                          const QString &object, const QString &prop,
                          const NdArray &array, std::int64_t limit, const ChunkProgress &progress,
                          ChunkChecksums *checksums)
{
    sqlite3 *db = connection.handle();
    const std::int64_t allowed = std::min<std::int64_t>(limit, sqlite3_limit(db, SQLITE_LIMIT_LENGTH, -1));
    const std::vector<NdArray> pieces = chunkcut(array, chunk_data_limit(allowed, array, object, prop));

    if (!connection.in_transaction())
        connection.exec(QStringLiteral("BEGIN"));
    Savepoint savepoint(connection, "kelvra_store_chunks");
    {
        const ChunkCache cache(db, pieces.front().nbytes());
        const Statement remove = prepare(db, QStringLiteral("DELETE FROM %1 WHERE object_name = ? AND prop_name = ?")
                                                 .arg(quoted(table)));
        bind_names(db, remove.get(), object, prop);
        sqlite::check(db, sqlite3_step(remove.get()));

        // Each row gets a blob of zeros of the final size first; header and
        // rows then go straight from the array into the row's pages.
        const Statement insert = prepare(db, QStringLiteral("INSERT INTO %1 (object_name, prop_name, chunkID, arr) "
                                                            "VALUES (?, ?, ?, ?)").arg(quoted(table)));
        bind_names(db, insert.get(), object, prop);
        Blob blob(db, table, true);
        std::int64_t chunk = 0;
        if (checksums)
            checksums->clear();
        for (const NdArray &piece : pieces) {
            const QByteArray header = npy::header_bytes(piece.dtype(), piece.shape());
            sqlite::check(db, sqlite3_bind_int64(insert.get(), 3, ++chunk));
            sqlite::check(db, sqlite3_bind_zeroblob64(insert.get(), 4, sqlite3_uint64(header.size() + piece.nbytes())));
            sqlite::check(db, sqlite3_step(insert.get()));
            sqlite::check(db, sqlite3_reset(insert.get()));
            blob.open(sqlite3_last_insert_rowid(db));
            blob.write(header.constData(), header.size(), 0);
            std::uint32_t crc = checksums ? crc32c(0, header.constData(), std::size_t(header.size())) : 0;
            for (std::int64_t done = 0; done < piece.nbytes();) {
                const std::int64_t step = std::min(kStagingBytes, piece.nbytes() - done);
                if (checksums) {
                    // Summed a cache-sized part at a time, just before that
                    // part is written: SQLite then copies it from the cache.
                    for (std::int64_t part = 0; part < step; part += kSumBytes) {
                        const std::int64_t size = std::min(kSumBytes, step - part);
                        crc = crc32c(crc, piece.bytes() + done + part, std::size_t(size));
                        blob.write(piece.bytes() + done + part, size, header.size() + done + part);
                    }
                } else {
                    blob.write(piece.bytes() + done, step, header.size() + done);
                }
                done += step;
                if (progress)
                    progress(step);
            }
            if (checksums)
                checksums->push_back(crc);
        }
    }
    savepoint.release();
    return std::int64_t(pieces.size());
}

std::int64_t store_chunks(sqlite::Connection &connection, const QString &table,
                          const QString &object, const QString &prop, const NdArray &array,
                          const ChunkProgress &progress, ChunkChecksums *checksums)
{
    return store_chunks(connection, table, object, prop, array, kStoredChunkLimit, progress, checksums);
}

struct ChunkReader::State
{
    State(sqlite3 *db, const QString &table) : db(db), select(prepare_rowids(db, table)), blob(db, table, false) {}
    sqlite3 *db;
    Statement select;
    Blob blob;
};

ChunkReader::ChunkReader(sqlite::Connection &connection, const QString &table)
    : m_state(std::make_unique<State>(connection.handle(), table))
{
}

ChunkReader::~ChunkReader() = default;

NdArray ChunkReader::load(const QString &object, const QString &prop, const ChunkProgress &progress,
                          const ChunkChecksums *checksums)
{
    const std::vector<sqlite3_int64> rowids = chunk_rowids(m_state->db, m_state->select, object, prop);
    if (checksums && checksums->size() != rowids.size())
        throw ChunkDamaged(QStringLiteral("%1 has %2 chunks where %3 were written")
                               .arg(describe(object, prop))
                               .arg(rowids.size())
                               .arg(checksums->size()));
    if (rowids.empty())
        throw LookupError(QStringLiteral("no chunks of %1 in table %2")
                              .arg(describe(object, prop), QString::fromUtf8(m_state->blob.table())));
    return read_chunks(m_state->blob, rowids, describe(object, prop), progress, checksums);
}

std::int64_t ChunkReader::stored_bytes(const QString &object, const QString &prop)
{
    const std::vector<sqlite3_int64> rowids = chunk_rowids(m_state->db, m_state->select, object, prop);
    std::int64_t bytes = 0;
    if (!rowids.empty()) {
        for (const npy::Header &header : read_headers(m_state->blob, rowids, describe(object, prop)).first)
            bytes += header.data_nbytes;
    }
    return bytes;
}

NdArray load_chunks(sqlite::Connection &connection, const QString &table,
                    const QString &object, const QString &prop, const ChunkProgress &progress,
                    const ChunkChecksums *checksums)
{
    // One read transaction, so that the chunks cannot change between reads.
    Savepoint savepoint(connection, "kelvra_load_chunks");
    NdArray result = ChunkReader(connection, table).load(object, prop, progress, checksums);
    savepoint.release();
    return result;
}

std::int64_t stored_bytes(sqlite::Connection &connection, const QString &table,
                          const QString &object, const QString &prop)
{
    Savepoint savepoint(connection, "kelvra_stored_bytes");
    const std::int64_t bytes = ChunkReader(connection, table).stored_bytes(object, prop);
    savepoint.release();
    return bytes;
}

} // namespace kelvra
