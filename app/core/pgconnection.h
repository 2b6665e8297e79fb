#pragma once

// A small layer over libpq for the server storage: a connection that can be
// cancelled from another thread while it connects or runs a statement,
// statements whose values are always parameters (never part of the SQL
// text), results in binary form, rows streamed one at a time, and COPY
// FROM STDIN in PostgreSQL's binary format, written straight from the
// caller's memory.

#include "app/core/progress.h"
#include "app/core/serveraddress.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <libpq-fe.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace kelvra::app {

// What the server or libpq said went wrong, with the SQLSTATE code when the
// server sent one ("42501": no right to do it).
class ServerError : public std::runtime_error
{
public:
    explicit ServerError(const QString &what, QByteArray sqlstate = {});
    const QByteArray &sqlstate() const { return m_sqlstate; }

private:
    QByteArray m_sqlstate;
};

// The server asks for a password and none came from libpq's own sources
// (~/.pgpass, the service file, PGPASSWORD) or the address.
class PasswordNeeded : public ServerError
{
public:
    using ServerError::ServerError;
};

// A parameter: UTF-8 text that the server converts to the column's type,
// or NULL.
using PgParam = std::optional<QByteArray>;
PgParam pg_text(const QString &text);
PgParam pg_number(std::int64_t value);

// A result whose values came in binary form.
class PgResult
{
public:
    explicit PgResult(PGresult *result) : m_result(result, PQclear) {}
    const PGresult *get() const { return m_result.get(); }
    int rows() const { return PQntuples(m_result.get()); }
    bool is_null(int row, int column) const { return PQgetisnull(m_result.get(), row, column); }
    const char *bytes(int row, int column) const { return PQgetvalue(m_result.get(), row, column); }
    std::int64_t length(int row, int column) const { return PQgetlength(m_result.get(), row, column); }
    QString text(int row, int column) const;      // text, varchar, name
    std::int32_t int32(int row, int column) const; // integer
    std::int64_t int64(int row, int column) const; // bigint
    double float8(int row, int column) const;      // double precision
    bool boolean(int row, int column) const;       // boolean
    QDateTime timestamp(int row, int column) const; // timestamp with time zone, in UTC

private:
    void check(int row, int column, std::int64_t size) const;
    std::shared_ptr<PGresult> m_result;
};

// The rows of a COPY ... FROM STDIN (FORMAT binary), written field by field.
// Small fields gather in a buffer; large data goes to libpq straight from
// the caller's memory.
class PgCopyIn
{
public:
    void begin_row(int fields);
    void null();
    void text(const QString &value);
    void int32(std::int32_t value);
    void int64(std::int64_t value);
    void float8(double value);
    // A bytea field of `size` bytes, whose bytes follow with bytes() calls.
    void begin_bytes(std::int64_t size);
    void bytes(const void *data, std::int64_t size);

private:
    friend class PgConnection;
    explicit PgCopyIn(PGconn *connection);
    void put(const void *data, std::int64_t size);
    void flush();
    void finish();

    PGconn *m_connection;
    QByteArray m_buffer;
};

class PgConnection
{
public:
    // Connects to the address's server and points the search path at its
    // schema, if it names one. A progress, if given, can cancel the
    // connection attempt and every statement (libpq's cancel request reaches
    // the server at once) until the connection is closed. Throws
    // PasswordNeeded, ServerError or Cancelled.
    PgConnection(const ServerAddress &address, Progress *progress = nullptr);
    ~PgConnection();
    PgConnection(const PgConnection &) = delete;
    PgConnection &operator=(const PgConnection &) = delete;

    // Runs one statement with its parameters ($1, $2 ...) and returns its
    // result (binary values). ServerError when it fails.
    PgResult exec(const char *sql, const std::vector<PgParam> &params = {});
    // Runs a query and hands its rows to `row` one at a time, each a result
    // of one row, so that a large result never sits in memory whole.
    void stream(const char *sql, const std::vector<PgParam> &params, const std::function<void(const PgResult &)> &row);
    // Runs COPY table (columns) FROM STDIN (FORMAT binary); `write` writes
    // the rows. The rows count once the transaction commits.
    void copy_in(const char *sql, const std::function<void(PgCopyIn &)> &write);

    // Stops the progress from cancelling through this connection; from
    // then on a cancel no longer reaches the server (before COMMIT, so that
    // a save that commits is reported as saved).
    void detach_progress();

    PGconn *handle() const { return m_connection; }
    // The connection's failure text, as libpq gives it.
    QString error_message() const;

private:
    [[noreturn]] void fail(const PGresult *result = nullptr) const;
    void check_cancelled() const;

    PGconn *m_connection = nullptr;
    PGcancel *m_cancel = nullptr;
    Progress *m_progress = nullptr;
};

// A quoted SQL identifier (a schema name), made by libpq.
QByteArray pg_identifier(PGconn *connection, const QString &name);

} // namespace kelvra::app
