#include "host/sqlite.h"

#include "host/errors.h"
#include "host/nativepath.h"
#include "host/translation.h"

#include <sqlite3.h>

#include <map>
#include <mutex>

namespace kelvra::sqlite {

struct Connection::State
{
    sqlite3 *db = nullptr; // null once the connection is closed
    Conversion conversion = Conversion::DeclaredTypes;
};

namespace {

struct Registry
{
    std::mutex mutex;
    Adapter adapter;
    std::map<QString, Converter> converters;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

// The converter key of a declared type: its first word, upper case.
QString type_key(const QString &declared)
{
    QString key = declared.trimmed();
    for (int i = 0; i < key.size(); ++i) {
        if (key[i] == QLatin1Char(' ') || key[i] == QLatin1Char('(')) {
            key.truncate(i);
            break;
        }
    }
    return key.toUpper();
}

// Whether the statement changes rows, so that it runs inside a transaction:
// its first keyword, after white space and comments.
bool is_dml(const QString &sql)
{
    int i = 0;
    const int n = sql.size();
    while (i < n) {
        if (sql[i].isSpace()) {
            ++i;
        } else if (sql.midRef(i, 2) == QLatin1String("--")) {
            while (i < n && sql[i] != QLatin1Char('\n'))
                ++i;
        } else if (sql.midRef(i, 2) == QLatin1String("/*")) {
            const int close = sql.indexOf(QLatin1String("*/"), i + 2);
            i = close < 0 ? n : close + 2;
        } else {
            break;
        }
    }
    int end = i;
    while (end < n && sql[end].isLetter())
        ++end;
    const QString keyword = sql.mid(i, end - i).toUpper();
    return keyword == QLatin1String("INSERT") || keyword == QLatin1String("UPDATE")
        || keyword == QLatin1String("DELETE") || keyword == QLatin1String("REPLACE");
}

[[noreturn]] void fail(const QString &message)
{
    throw SqliteError(message);
}

} // namespace

void register_adapter(Adapter adapter)
{
    std::lock_guard lock(registry().mutex);
    registry().adapter = std::move(adapter);
}

void register_converter(const QString &declaredType, Converter converter)
{
    std::lock_guard lock(registry().mutex);
    registry().converters[type_key(declaredType)] = std::move(converter);
}

void check(sqlite3 *db, int rc)
{
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
        return;
    // Some calls report a code without recording it on the connection.
    const bool recorded = (sqlite3_extended_errcode(db) & 0xff) == (rc & 0xff);
    throw SqliteError(QString::fromUtf8(recorded ? sqlite3_errmsg(db) : sqlite3_errstr(rc)), rc);
}

// --- Connection ---------------------------------------------------------

Connection::Connection(const QString &path, Conversion conversion, Access access)
    : m_state(std::make_shared<State>())
{
    m_state->conversion = conversion;
    sqlite3 *db = nullptr;
    const int flags = access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(native_path(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw SqliteError(message, rc);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 5000);
    m_state->db = db;
}

Connection::~Connection()
{
    if (!sqlite3_get_autocommit(m_state->db))
        sqlite3_exec(m_state->db, "ROLLBACK", nullptr, nullptr, nullptr);
    // Statements of cursors still alive keep the handle until they finalize.
    sqlite3_close_v2(m_state->db);
    m_state->db = nullptr;
}

Cursor Connection::cursor()
{
    return Cursor(m_state);
}

void Connection::exec(const QString &sql)
{
    char *error = nullptr;
    const int rc = sqlite3_exec(m_state->db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errstr(rc));
        sqlite3_free(error);
        throw SqliteError(message, rc);
    }
}

void Connection::commit()
{
    if (in_transaction())
        exec(QStringLiteral("COMMIT"));
}

void Connection::rollback()
{
    if (in_transaction())
        exec(QStringLiteral("ROLLBACK"));
}

bool Connection::in_transaction() const
{
    return !sqlite3_get_autocommit(m_state->db);
}

sqlite3 *Connection::handle() const
{
    return m_state->db;
}

// --- Cursor -------------------------------------------------------------

Cursor::Cursor(std::shared_ptr<Connection::State> state)
    : m_state(std::move(state)), m_statement(nullptr, sqlite3_finalize) {}

Cursor::~Cursor() = default;
Cursor::Cursor(Cursor &&other) noexcept = default;
Cursor &Cursor::operator=(Cursor &&other) noexcept = default;

sqlite3 *Cursor::open_db() const
{
    if (!m_state->db)
        fail(_("Cannot operate on a closed database."));
    return m_state->db;
}

void Cursor::prepare(const QString &sql)
{
    sqlite3 *db = open_db();
    m_statement.reset();
    m_converters.clear();
    m_bound.clear();
    m_has_row = false;
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    const char *tail = nullptr;
    check(db, sqlite3_prepare_v2(db, text.constData(), text.size(), &statement, &tail));
    m_statement.reset(statement);
    if (!QByteArray(tail, int(text.constData() + text.size() - tail)).replace(';', ' ').trimmed().isEmpty())
        fail(_("You can only execute one statement at a time."));
    if (!statement)
        fail(_("The statement is empty."));
    if (m_state->conversion != Conversion::DeclaredTypes)
        return;
    const int columns = sqlite3_column_count(statement);
    std::lock_guard lock(registry().mutex);
    for (int column = 0; column < columns; ++column) {
        const char *declared = sqlite3_column_decltype(statement, column);
        const auto found = declared ? registry().converters.find(type_key(QString::fromUtf8(declared)))
                                    : registry().converters.end();
        m_converters.push_back(found != registry().converters.end() ? found->second : Converter());
    }
}

void Cursor::bind(const Row &parameters)
{
    sqlite3 *db = open_db();
    sqlite3_stmt *statement = m_statement.get();
    const int expected = sqlite3_bind_parameter_count(statement);
    if (expected != int(parameters.size()))
        fail(_("Incorrect number of bindings supplied. The current statement uses %1, "
               "and there are %2 supplied.").arg(expected).arg(parameters.size()));
    m_bound.clear();
    m_bound.reserve(parameters.size());
    for (int i = 0; i < expected; ++i) {
        const int index = i + 1;
        const Value &value = parameters[std::size_t(i)];
        int rc = SQLITE_OK;
        if (std::holds_alternative<std::monostate>(value)) {
            rc = sqlite3_bind_null(statement, index);
        } else if (const auto *integer = std::get_if<std::int64_t>(&value)) {
            rc = sqlite3_bind_int64(statement, index, *integer);
        } else if (const auto *real = std::get_if<double>(&value)) {
            rc = sqlite3_bind_double(statement, index, *real);
        } else if (const auto *text = std::get_if<QString>(&value)) {
            m_bound.push_back(text->toUtf8());
            rc = sqlite3_bind_text64(statement, index, m_bound.back().constData(),
                                     sqlite3_uint64(m_bound.back().size()), SQLITE_STATIC, SQLITE_UTF8);
        } else {
            if (const auto *blob = std::get_if<QByteArray>(&value)) {
                m_bound.push_back(*blob);
            } else {
                Adapter adapter;
                {
                    std::lock_guard lock(registry().mutex);
                    adapter = registry().adapter;
                }
                if (!adapter)
                    fail(_("Error binding parameter %1: no adapter is registered for arrays").arg(index));
                m_bound.push_back(adapter(std::get<NdArray>(value)));
            }
            rc = sqlite3_bind_blob64(statement, index, m_bound.back().constData(),
                                     sqlite3_uint64(m_bound.back().size()), SQLITE_STATIC);
        }
        check(db, rc);
    }
}

void Cursor::step()
{
    sqlite3 *db = open_db();
    const int rc = sqlite3_step(m_statement.get());
    m_has_row = rc == SQLITE_ROW;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        const SqliteError error(QString::fromUtf8(sqlite3_errmsg(db)), sqlite3_extended_errcode(db));
        sqlite3_reset(m_statement.get());
        throw error;
    }
}

Cursor &Cursor::execute(const QString &sql, const Row &parameters)
{
    prepare(sql);
    if (is_dml(sql) && sqlite3_get_autocommit(m_state->db))
        check(m_state->db, sqlite3_exec(m_state->db, "BEGIN", nullptr, nullptr, nullptr));
    bind(parameters);
    step();
    return *this;
}

Cursor &Cursor::executemany(const QString &sql, const std::vector<Row> &rows)
{
    prepare(sql);
    if (!is_dml(sql))
        fail(_("executemany() can only execute DML statements."));
    if (sqlite3_get_autocommit(m_state->db))
        check(m_state->db, sqlite3_exec(m_state->db, "BEGIN", nullptr, nullptr, nullptr));
    for (const Row &row : rows) {
        sqlite3_reset(m_statement.get());
        bind(row);
        step();
        if (m_has_row)
            fail(_("executemany() can only execute DML statements."));
    }
    return *this;
}

std::vector<Row> Cursor::fetchall()
{
    std::vector<Row> rows;
    if (m_has_row)
        open_db();
    while (m_has_row) {
        rows.push_back(current_row());
        step();
    }
    return rows;
}

std::optional<Row> Cursor::fetchone()
{
    if (!m_has_row)
        return std::nullopt;
    open_db();
    Row row = current_row();
    step();
    return row;
}

Row Cursor::current_row() const
{
    sqlite3_stmt *statement = m_statement.get();
    const int columns = sqlite3_column_count(statement);
    Row row;
    row.reserve(std::size_t(columns));
    for (int column = 0; column < columns; ++column) {
        const int type = sqlite3_column_type(statement, column);
        const Converter *converter = std::size_t(column) < m_converters.size() && m_converters[std::size_t(column)]
                                         ? &m_converters[std::size_t(column)] : nullptr;
        if (type == SQLITE_NULL) {
            row.emplace_back(std::monostate());
        } else if (converter) {
            const auto *data = static_cast<const char *>(sqlite3_column_blob(statement, column));
            const int size = sqlite3_column_bytes(statement, column);
            row.push_back((*converter)(data ? data : "", std::size_t(size)));
        } else if (type == SQLITE_INTEGER) {
            row.emplace_back(std::int64_t(sqlite3_column_int64(statement, column)));
        } else if (type == SQLITE_FLOAT) {
            row.emplace_back(sqlite3_column_double(statement, column));
        } else if (type == SQLITE_TEXT) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
            row.emplace_back(QString::fromUtf8(text, sqlite3_column_bytes(statement, column)));
        } else {
            const auto *data = static_cast<const char *>(sqlite3_column_blob(statement, column));
            row.emplace_back(QByteArray(data, sqlite3_column_bytes(statement, column)));
        }
    }
    return row;
}

} // namespace kelvra::sqlite
