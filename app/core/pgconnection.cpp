#include "app/core/pgconnection.h"

#include "host/translation.h"

#include <QElapsedTimer>
#include <QtEndian>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>

#include <poll.h>

namespace kelvra::app {
namespace {

// Small fields gather up to this size before they go to libpq.
constexpr int kCopyBuffer = 64 << 10;
// How often a connection attempt looks whether it was cancelled.
constexpr int kPollMilliseconds = 100;

QString trimmed_message(const char *text)
{
    return QString::fromUtf8(text ? text : "").trimmed();
}

// Qt's byte swaps know its own integer types (qint64 is long long, where
// std::int64_t is long).
template <typename T>
void append_big_endian(QByteArray &buffer, T value)
{
    using Swapped = std::conditional_t<sizeof(T) == 8, qint64, std::conditional_t<sizeof(T) == 4, qint32, qint16>>;
    char bytes[sizeof(T)];
    qToBigEndian(Swapped(value), bytes);
    buffer.append(bytes, int(sizeof(T)));
}

// The connect_timeout the connection was given, in seconds (0: none).
std::int64_t connect_timeout(PGconn *connection)
{
    std::int64_t seconds = 0;
    PQconninfoOption *options = PQconninfo(connection);
    for (PQconninfoOption *option = options; option && option->keyword; ++option) {
        if (std::strcmp(option->keyword, "connect_timeout") == 0 && option->val)
            seconds = std::max<std::int64_t>(0, std::atoll(option->val));
    }
    PQconninfoFree(options);
    return seconds;
}

} // namespace

ServerError::ServerError(const QString &what, QByteArray sqlstate)
    : std::runtime_error(what.toStdString())
    , m_sqlstate(std::move(sqlstate))
{
}

PgParam pg_text(const QString &text)
{
    return text.toUtf8();
}

PgParam pg_number(std::int64_t value)
{
    return QByteArray::number(qlonglong(value));
}

// ---- results ----

void PgResult::check(int row, int column, std::int64_t size) const
{
    if (row < 0 || row >= rows() || column < 0 || column >= PQnfields(m_result.get()))
        throw ServerError(_("no value %1 in row %2 of the server's answer").arg(column).arg(row));
    if (is_null(row, column) || (size >= 0 && length(row, column) != size))
        throw ServerError(_("unexpected value %1 in row %2 of the server's answer").arg(column).arg(row));
}

QString PgResult::text(int row, int column) const
{
    check(row, column, -1);
    return QString::fromUtf8(bytes(row, column), int(length(row, column)));
}

std::int32_t PgResult::int32(int row, int column) const
{
    check(row, column, 4);
    return qFromBigEndian<qint32>(bytes(row, column));
}

std::int64_t PgResult::int64(int row, int column) const
{
    check(row, column, 8);
    return qFromBigEndian<qint64>(bytes(row, column));
}

double PgResult::float8(int row, int column) const
{
    const std::uint64_t bits = std::uint64_t(int64(row, column));
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool PgResult::boolean(int row, int column) const
{
    check(row, column, 1);
    return bytes(row, column)[0] != 0;
}

QDateTime PgResult::timestamp(int row, int column) const
{
    // Microseconds since 2000-01-01 00:00 UTC.
    static const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    return epoch.addMSecs(int64(row, column) / 1000);
}

// ---- COPY FROM STDIN (FORMAT binary) ----

PgCopyIn::PgCopyIn(PGconn *connection) : m_connection(connection)
{
    static const char signature[] = "PGCOPY\n\377\r\n";
    m_buffer.append(signature, 11); // the signature ends in a zero byte
    append_big_endian<std::int32_t>(m_buffer, 0); // flags
    append_big_endian<std::int32_t>(m_buffer, 0); // header extension length
}

void PgCopyIn::begin_row(int fields)
{
    append_big_endian<std::int16_t>(m_buffer, std::int16_t(fields));
}

void PgCopyIn::null()
{
    append_big_endian<std::int32_t>(m_buffer, -1);
}

void PgCopyIn::text(const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    append_big_endian<std::int32_t>(m_buffer, utf8.size());
    m_buffer.append(utf8);
    if (m_buffer.size() >= kCopyBuffer)
        flush();
}

void PgCopyIn::int32(std::int32_t value)
{
    append_big_endian<std::int32_t>(m_buffer, 4);
    append_big_endian(m_buffer, value);
}

void PgCopyIn::int64(std::int64_t value)
{
    append_big_endian<std::int32_t>(m_buffer, 8);
    append_big_endian(m_buffer, value);
}

void PgCopyIn::float8(double value)
{
    std::int64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    int64(bits);
}

void PgCopyIn::begin_bytes(std::int64_t size)
{
    // A bytea of PostgreSQL holds at most 1 GB; the chunks are cut smaller.
    if (size < 0 || size > std::numeric_limits<std::int32_t>::max())
        throw ServerError(_("a value of %1 bytes is too large for the server").arg(size));
    append_big_endian<std::int32_t>(m_buffer, std::int32_t(size));
}

void PgCopyIn::bytes(const void *data, std::int64_t size)
{
    if (size < kCopyBuffer) {
        m_buffer.append(static_cast<const char *>(data), int(size));
        if (m_buffer.size() >= kCopyBuffer)
            flush();
        return;
    }
    flush();
    put(data, size);
}

void PgCopyIn::put(const void *data, std::int64_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const int piece = int(std::min<std::int64_t>(size, std::numeric_limits<int>::max() / 2));
        if (PQputCopyData(m_connection, bytes, piece) != 1)
            throw ServerError(trimmed_message(PQerrorMessage(m_connection)));
        bytes += piece;
        size -= piece;
    }
}

void PgCopyIn::flush()
{
    if (m_buffer.isEmpty())
        return;
    put(m_buffer.constData(), m_buffer.size());
    m_buffer.clear();
}

void PgCopyIn::finish()
{
    append_big_endian<std::int16_t>(m_buffer, -1); // the trailer
    flush();
    if (PQputCopyEnd(m_connection, nullptr) != 1)
        throw ServerError(trimmed_message(PQerrorMessage(m_connection)));
}

// ---- the connection ----

PgConnection::PgConnection(const ServerAddress &address, Progress *progress) : m_progress(progress)
{
    const QByteArray uri = address.conninfo.toUtf8();
    const QByteArray password = address.password.toUtf8();
    // Later keywords override what the URI says: Kelvra's text is UTF-8.
    std::vector<const char *> keys{"dbname", "fallback_application_name", "client_encoding"};
    std::vector<const char *> values{uri.constData(), "kelvra", "UTF8"};
    if (!address.password.isEmpty()) {
        keys.push_back("password");
        values.push_back(password.constData());
    }
    keys.push_back(nullptr);
    values.push_back(nullptr);

    m_connection = PQconnectStartParams(keys.data(), values.data(), 1);
    if (!m_connection)
        throw ServerError(_("out of memory"));
    try {
        // Connecting without blocking, so that Cancel works while a server
        // is slow to answer; libpq leaves connect_timeout to such callers.
        QElapsedTimer clock;
        clock.start();
        const std::int64_t timeout_ms = connect_timeout(m_connection) * 1000;
        PostgresPollingStatusType state = PGRES_POLLING_WRITING;
        while (PQstatus(m_connection) != CONNECTION_BAD && state != PGRES_POLLING_OK
               && state != PGRES_POLLING_FAILED) {
            pollfd socket{PQsocket(m_connection), short(state == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
            const int ready = ::poll(&socket, 1, kPollMilliseconds);
            if (m_progress && m_progress->cancelled())
                throw Cancelled();
            if (timeout_ms > 0 && clock.elapsed() > timeout_ms)
                throw ServerError(_("timeout expired"));
            if (ready != 0)
                state = PQconnectPoll(m_connection);
        }
        if (PQstatus(m_connection) != CONNECTION_OK) {
            if (PQconnectionNeedsPassword(m_connection))
                throw PasswordNeeded(trimmed_message(PQerrorMessage(m_connection)));
            throw ServerError(trimmed_message(PQerrorMessage(m_connection)));
        }
        // The server's notices ("table exists, skipping") are no news to
        // the user.
        PQsetNoticeProcessor(m_connection, [](void *, const char *) {}, nullptr);
        m_cancel = PQgetCancel(m_connection);
        if (m_progress && m_cancel) {
            m_progress->on_cancel([cancel = m_cancel] {
                char error[256];
                PQcancel(cancel, error, int(sizeof error));
            });
        }
        if (!address.schema.isEmpty())
            exec("SELECT set_config('search_path', quote_ident($1), false)", {pg_text(address.schema)});
    } catch (...) {
        detach_progress();
        PQfinish(m_connection);
        throw;
    }
}

PgConnection::~PgConnection()
{
    detach_progress();
    PQfinish(m_connection);
}

void PgConnection::detach_progress()
{
    if (m_progress && m_cancel)
        m_progress->on_cancel({});
    if (m_cancel) {
        PQfreeCancel(m_cancel);
        m_cancel = nullptr;
    }
}

QString PgConnection::error_message() const
{
    return trimmed_message(PQerrorMessage(m_connection));
}

void PgConnection::check_cancelled() const
{
    if (m_progress && m_progress->cancelled())
        throw Cancelled();
}

void PgConnection::fail(const PGresult *result) const
{
    check_cancelled(); // a statement stopped by our own cancel request
    const char *primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    QString message = primary ? trimmed_message(primary) : error_message();
    if (message.isEmpty())
        message = _("the server closed the connection");
    throw ServerError(message, state ? QByteArray(state) : QByteArray());
}

namespace {

struct Params
{
    explicit Params(const std::vector<PgParam> &params)
    {
        for (const PgParam &param : params) {
            values.push_back(param ? param->constData() : nullptr);
            lengths.push_back(param ? param->size() : 0);
            formats.push_back(0);
        }
    }
    std::vector<const char *> values;
    std::vector<int> lengths;
    std::vector<int> formats;
};

} // namespace

PgResult PgConnection::exec(const char *sql, const std::vector<PgParam> &params)
{
    check_cancelled();
    const Params p(params);
    PgResult result(PQexecParams(m_connection, sql, int(params.size()), nullptr, p.values.data(), p.lengths.data(),
                                 p.formats.data(), 1));
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fail(result.get());
    return result;
}

void PgConnection::stream(const char *sql, const std::vector<PgParam> &params,
                          const std::function<void(const PgResult &)> &row)
{
    check_cancelled();
    const Params p(params);
    if (!PQsendQueryParams(m_connection, sql, int(params.size()), nullptr, p.values.data(), p.lengths.data(),
                           p.formats.data(), 1))
        fail();
    PQsetSingleRowMode(m_connection);
    std::optional<PgResult> failure;
    while (PGresult *next = PQgetResult(m_connection)) {
        PgResult result(next);
        switch (PQresultStatus(next)) {
        case PGRES_SINGLE_TUPLE:
            if (!failure)
                row(result); // may throw: the caller then closes the connection
            break;
        case PGRES_TUPLES_OK:
            break;
        default:
            failure = result;
        }
    }
    if (failure)
        fail(failure->get());
}

void PgConnection::copy_in(const char *sql, const std::function<void(PgCopyIn &)> &write)
{
    check_cancelled();
    const PgResult started(PQexec(m_connection, sql));
    if (PQresultStatus(started.get()) != PGRES_COPY_IN)
        fail(started.get());
    // On an error the connection stays in the copy; its owner closes it,
    // which makes the server drop the transaction.
    PgCopyIn copy(m_connection);
    write(copy);
    copy.finish();
    std::optional<PgResult> failure;
    while (PGresult *next = PQgetResult(m_connection)) {
        PgResult result(next);
        if (PQresultStatus(next) != PGRES_COMMAND_OK)
            failure = result;
    }
    if (failure)
        fail(failure->get());
}

QByteArray pg_identifier(PGconn *connection, const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    char *quoted = PQescapeIdentifier(connection, utf8.constData(), std::size_t(utf8.size()));
    if (!quoted)
        throw ServerError(trimmed_message(PQerrorMessage(connection)));
    const QByteArray result(quoted);
    PQfreemem(quoted);
    return result;
}

} // namespace kelvra::app
