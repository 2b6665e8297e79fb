#pragma once

// The chunk table: a property array stored as rows of consecutive chunks,
// keyed by object name, property name and chunk number.
//
//     object_name TEXT, prop_name TEXT, chunkID INTEGER, arr ARRAY,
//     PRIMARY KEY (object_name, prop_name, chunkID)
//
// Chunk numbers of one property run 1, 2, 3 ... without gaps; each arr is a
// .npy blob (see host/sqlite_array.h), so Python tools read chunks with
// np.load. A host saves an object's vertex and property arrays with
// store_chunks and reads them back with load_chunks:
//
//     sqlite::Connection db(path);
//     create_chunk_table(db, "props");
//     store_chunks(db, "props", "mypoint", "vint", vint);
//     db.commit();
//     NdArray back = load_chunks(db, "props", "mypoint", "vint");
//
// Both work straight between the array and SQLite's pages: storing writes
// the header and each chunk's rows into the row's blob without building the
// blob in memory, and loading reads every chunk into its place in the one
// result array.

#include "host/errors.h"
#include "host/ndarray.h"
#include "host/sqlite.h"
#include "utils/chunkcut_export.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace kelvra {

// Told, as chunk data moves, how many more data bytes have moved since the
// last call (every few MiB). It may throw to stop the operation, which then
// undoes what it did, as on any other error.
using ChunkProgress = std::function<void(std::int64_t bytes)>;

// The CRC-32C (utils/crc32c.h) of each chunk's whole blob, .npy header and
// data as stored, in chunk number order. A store computes them as it writes
// the chunks; a load given them checks every chunk against its own as it
// reads it, so that a damaged file is refused rather than read as values.
using ChunkChecksums = std::vector<std::uint32_t>;

// Stored chunks that differ from what was written: a chunk that does not
// match its checksum, or chunks missing or added beside the checksums.
class CHUNKCUT_EXPORT ChunkDamaged : public ValueError
{
public:
    explicit ChunkDamaged(const QString &what);
    ~ChunkDamaged() override;
};

// Creates the chunk table when the database has no table of that name.
CHUNKCUT_EXPORT void create_chunk_table(sqlite::Connection &connection, const QString &table);

// The data bytes that one chunk of the array may hold so that its whole row
// (names, chunk number, .npy header and data) stays within lengthLimit
// bytes, SQLite's largest string, blob or row. ValueError when the limit
// leaves no room for data.
CHUNKCUT_EXPORT std::int64_t chunk_data_limit(std::int64_t lengthLimit, const NdArray &array,
                                              const QString &object, const QString &prop);

// Stores the array (at least one axis) as the chunks of the object's
// property, replacing the chunks stored for it before, and returns the
// number of chunks. No row exceeds `limit` bytes nor the connection's own
// length limit, whichever is lower. The rows are written in the connection's
// transaction (opened when none is open): they last once the caller commits.
// On an error the table is left as it was. Given checksums, it fills them
// with the checksums of the chunks written.
CHUNKCUT_EXPORT std::int64_t store_chunks(sqlite::Connection &connection, const QString &table,
                                          const QString &object, const QString &prop,
                                          const NdArray &array, std::int64_t limit,
                                          const ChunkProgress &progress = {},
                                          ChunkChecksums *checksums = nullptr);
// The same with SQLITE_LIMIT_LENGTH of utils/basedefs.h as the limit.
CHUNKCUT_EXPORT std::int64_t store_chunks(sqlite::Connection &connection, const QString &table,
                                          const QString &object, const QString &prop,
                                          const NdArray &array, const ChunkProgress &progress = {},
                                          ChunkChecksums *checksums = nullptr);

// The array stored as the chunks of the object's property: the chunks
// concatenated in chunk number order. LookupError when none is stored;
// ValueError for a missing chunk number, a malformed blob, or chunks that
// disagree in element type or in the extents after the first. Given the
// checksums written with the chunks, ChunkDamaged for a chunk that does not
// match its checksum and for a number of chunks other than the number of
// checksums; the chunk is checked before any of it is handed out.
CHUNKCUT_EXPORT NdArray load_chunks(sqlite::Connection &connection, const QString &table,
                                    const QString &object, const QString &prop,
                                    const ChunkProgress &progress = {},
                                    const ChunkChecksums *checksums = nullptr);

// The data bytes of the object's property as stored (the sum of its chunks'
// data), read from the chunk headers without reading the data; 0 when none
// is stored. For progress reports before a load.
CHUNKCUT_EXPORT std::int64_t stored_bytes(sqlite::Connection &connection, const QString &table,
                                          const QString &object, const QString &prop);

// Reads the arrays of one chunk table, one property after another, with
// its statement prepared once: for a file of thousands of small arrays,
// where preparing a statement for each would take longer than reading the
// data. It reads within the caller's transaction (open one, so that the
// chunks cannot change between reads) and lives no longer than the
// connection.
class CHUNKCUT_EXPORT ChunkReader
{
public:
    ChunkReader(sqlite::Connection &connection, const QString &table);
    ~ChunkReader();
    ChunkReader(const ChunkReader &) = delete;
    ChunkReader &operator=(const ChunkReader &) = delete;

    // As load_chunks() and stored_bytes() of the table.
    NdArray load(const QString &object, const QString &prop, const ChunkProgress &progress = {},
                 const ChunkChecksums *checksums = nullptr);
    std::int64_t stored_bytes(const QString &object, const QString &prop);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace kelvra
