#pragma once

// A small layer over the SQLite C API in the manner of Python's sqlite3
// module: a connection, cursors running statements with positional "?"
// parameters, one statement run over a batch of rows, and fetching all rows.
//
// Arrays cross the layer through process-wide hooks: the adapter turns every
// NdArray parameter into a blob, and a converter registered for a declared
// column type (the first word of the type, in any letter case) turns every
// non-NULL value read from such a column back into a value, on connections
// opened with declared-type conversion.
//
//     sqlite::register_adapter(adapt_array);
//     sqlite::register_converter("ARRAY", [](const char *data, std::size_t size) {
//         return sqlite::Value(convert_array(data, size));
//     });
//
// Transactions: an INSERT, UPDATE, DELETE or REPLACE opens a transaction
// when none is open; commit() ends it. A connection destroyed without
// commit() rolls it back. Other statements (CREATE TABLE, for one) run as
// they are, outside any transaction the layer opens.
//
// Errors throw SqliteError carrying SQLite's own message.

#include "host/kelvrahost_export.h"
#include "host/ndarray.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace kelvra::sqlite {

// A statement parameter or a value of a result row: NULL, integer, real,
// text, blob, or an array (through the adapter and the converters).
using Value = std::variant<std::monostate, std::int64_t, double, QString, QByteArray, NdArray>;
using Row = std::vector<Value>;

using Adapter = std::function<QByteArray(const NdArray &)>;
using Converter = std::function<Value(const char *data, std::size_t size)>;

// Sets the adapter for array parameters, for every connection of the process.
KELVRAHOST_EXPORT void register_adapter(Adapter adapter);
// Sets the converter for columns of the declared type, for every connection
// of the process opened with declared-type conversion.
KELVRAHOST_EXPORT void register_converter(const QString &declaredType, Converter converter);

// Throws SqliteError with the connection's last message when rc is an error.
KELVRAHOST_EXPORT void check(sqlite3 *db, int rc);

enum class Conversion { None, DeclaredTypes };
// Whether a connection may change the file (and creates it when missing),
// or only reads a file that exists.
enum class Access { ReadWrite, ReadOnly };

class Cursor;

class KELVRAHOST_EXPORT Connection
{
public:
    // Opens (or, to write, creates) the database file. The path reaches
    // SQLite as the file system's bytes (host/nativepath.h).
    explicit Connection(const QString &path, Conversion conversion = Conversion::DeclaredTypes,
                        Access access = Access::ReadWrite);
    // Rolls back an open transaction and closes the connection.
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    Cursor cursor();
    // Runs statements without parameters or results as written, with no
    // implicit transaction ("PRAGMA page_size = 65536", "SAVEPOINT s").
    void exec(const QString &sql);
    void commit();
    void rollback();
    bool in_transaction() const;
    // The underlying handle, for what the layer does not wrap (limits,
    // incremental blob I/O). Owned by the connection.
    sqlite3 *handle() const;

    struct State;

private:
    std::shared_ptr<State> m_state;
};

// Runs statements on its connection. A cursor used after its connection
// was destroyed throws SqliteError.
class KELVRAHOST_EXPORT Cursor
{
public:
    ~Cursor();
    Cursor(Cursor &&other) noexcept;
    Cursor &operator=(Cursor &&other) noexcept;

    // Runs one statement with the parameters; rows it yields wait for fetchall().
    Cursor &execute(const QString &sql, const Row &parameters = {});
    // Runs one INSERT, UPDATE, DELETE or REPLACE statement once per row.
    Cursor &executemany(const QString &sql, const std::vector<Row> &rows);
    // The remaining rows of the last execute().
    std::vector<Row> fetchall();
    // The next row of the last execute(); none once they are all fetched.
    std::optional<Row> fetchone();

private:
    friend class Connection;
    explicit Cursor(std::shared_ptr<Connection::State> state);
    sqlite3 *open_db() const;
    void prepare(const QString &sql);
    void bind(const Row &parameters);
    void step();
    Row current_row() const;

    std::shared_ptr<Connection::State> m_state;
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> m_statement;
    std::vector<Converter> m_converters; // per result column, empty for none
    std::vector<QByteArray> m_bound;     // texts and blobs bound without copying
    bool m_has_row = false;
};

} // namespace kelvra::sqlite
