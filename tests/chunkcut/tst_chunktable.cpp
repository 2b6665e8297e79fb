// The SQLite layer, the chunk table's store and load, the demonstration
// program, and the exchange of chunk tables with numpy.

#include "patterns.h"

#include "host/errors.h"
#include "host/sqlite.h"
#include "host/sqlite_array.h"
#include "utils/chunkcut.h"
#include "utils/chunkstore.h"
#include "utils/chunktable.h"
#include "utils/crc32c.h"
#include "testmain.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <functional>
#include <numeric>
#include <optional>

using namespace kelvra;
using kelvra::test::pattern;
using sqlite::Row;
using sqlite::Value;

Q_DECLARE_METATYPE(kelvra::DType)
Q_DECLARE_METATYPE(std::vector<std::int64_t>)

namespace {

using Shape = std::vector<std::int64_t>;
const QString kCreate = QStringLiteral("CREATE TABLE test (object_name TEXT, prop_name TEXT, chunkID INTEGER, "
                                       "arr ARRAY, PRIMARY KEY (object_name, prop_name, chunkID))");

void register_arrays()
{
    sqlite::register_adapter([](const NdArray &array) { return adapt_array(array); });
    sqlite::register_converter(QStringLiteral("array"), [](const char *data, std::size_t size) {
        return Value(convert_array(data, size));
    });
}

// Every row of a table, in key order.
std::vector<Row> table_rows(sqlite::Connection &db, const QString &table)
{
    return db.cursor().execute(QStringLiteral("SELECT * FROM %1 ORDER BY object_name, prop_name, chunkID")
                                   .arg(table)).fetchall();
}

std::int64_t count(sqlite::Connection &db, const QString &sql)
{
    const std::vector<Row> rows = db.cursor().execute(sql).fetchall();
    return std::get<std::int64_t>(rows.at(0).at(0));
}

// Runs a program, returning its exit status, standard output and error.
struct Run
{
    int status;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, {}, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

bool python_has_numpy()
{
    return run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import numpy")}).status == 0;
}

} // namespace

class TestChunkTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void valuesRoundTrip();
    void conversionOff();
    void errorsCarrySqliteMessages();
    void implicitTransaction();
    void implicitTransactionCoversEveryChange_data();
    void implicitTransactionCoversEveryChange();
    void closedConnection();
    void rebuildChecksOrder();
    void demoRunsTwice();
    void storeAndLoad_data();
    void storeAndLoad();
    void storeReplaces();
    void lengthLimitLeavesRoomForHeader_data();
    void lengthLimitLeavesRoomForHeader();
    void failedStoreKeepsTable();
    void rowBudgetAtTheEdge();
    void loadRefuses();
    void crc32cKnownValues();
    void crc32cMethodsMatchTables();
    void checksumsAreThoseOfTheStoredBlobs();
    void checksumsRefuseDamagedChunks();
    void oneReaderReadsPropertyAfterProperty();
    void numpyReadsOurChunks();
    void weReadNumpysChunks();

private:
    QTemporaryDir m_folder;
    QString path(const char *name) const { return m_folder.filePath(QString::fromLatin1(name)); }
};

void TestChunkTable::initTestCase()
{
    QVERIFY(m_folder.isValid());
    register_arrays();
}

void TestChunkTable::valuesRoundTrip()
{
    sqlite::Connection db(path("values.db"));
    auto cursor = db.cursor();
    cursor.execute(QStringLiteral("CREATE TABLE t (n, i INTEGER, r REAL, s TEXT, b BLOB, a ARRAY(3), c Array)"));
    const NdArray array = pattern(DType::Complex64, {2, 2});
    const Row row{std::monostate(), -(std::int64_t(1) << 40), 2.5, QStringLiteral("Tiefe ä €"),
                  QByteArray("\0x", 2), array, array.row_range(1, 2)};
    cursor.executemany(QStringLiteral("INSERT INTO t VALUES (?, ?, ?, ?, ?, ?, ?)"), {row, row});
    const std::vector<Row> rows = cursor.execute(QStringLiteral("SELECT * FROM t")).fetchall();
    QCOMPARE(rows.size(), std::size_t(2));
    QVERIFY(rows[1] == row);
}

void TestChunkTable::conversionOff()
{
    sqlite::Connection db(path("plain.db"), sqlite::Conversion::None);
    auto cursor = db.cursor();
    cursor.execute(QStringLiteral("CREATE TABLE t (a ARRAY)"));
    const NdArray array = pattern(DType::Int16, {3});
    cursor.execute(QStringLiteral("INSERT INTO t VALUES (?)"), {array});
    const Value value = cursor.execute(QStringLiteral("SELECT a FROM t")).fetchall().at(0).at(0);
    QCOMPARE(std::get<QByteArray>(value), adapt_array(array));
}

void TestChunkTable::errorsCarrySqliteMessages()
{
    sqlite::Connection db(path("errors.db"));
    auto cursor = db.cursor();
    auto message = [&](const std::function<void()> &work) -> QString {
        try {
            work();
        } catch (const SqliteError &error) {
            return error_text(error);
        }
        return QStringLiteral("no error");
    };
    QCOMPARE(message([&] { cursor.execute(QStringLiteral("SELECT * FROM nope")); }),
             QStringLiteral("no such table: nope"));
    cursor.execute(kCreate);
    QCOMPARE(message([&] { cursor.execute(kCreate); }), QStringLiteral("table test already exists"));
    const Row row{QStringLiteral("o"), QStringLiteral("p"), std::int64_t(1), pattern(DType::Int8, {2})};
    QCOMPARE(message([&] { cursor.executemany(QStringLiteral("INSERT INTO test VALUES (?,?,?,?)"), {row, row}); }),
             QStringLiteral("UNIQUE constraint failed: test.object_name, test.prop_name, test.chunkID"));
    QCOMPARE(message([&] { cursor.execute(QStringLiteral("INSERT INTO test VALUES (?,?,?,?)"), {row}); }),
             QStringLiteral("UNIQUE constraint failed: test.object_name, test.prop_name, test.chunkID"));
    QCOMPARE(message([&] { cursor.execute(QStringLiteral("SELECT ?"), {}); }),
             QStringLiteral("Incorrect number of bindings supplied. The current statement uses 1, "
                            "and there are 0 supplied."));
    QCOMPARE(message([&] { cursor.executemany(QStringLiteral("SELECT 1"), {}); }),
             QStringLiteral("executemany() can only execute DML statements."));
    QCOMPARE(message([&] { cursor.execute(QStringLiteral("SELECT 1; SELECT 2")); }),
             QStringLiteral("You can only execute one statement at a time."));
    // A malformed blob in an ARRAY column fails the fetch with the decoder's error.
    cursor.execute(QStringLiteral("CREATE TABLE bad (arr ARRAY)"));
    cursor.execute(QStringLiteral("INSERT INTO bad VALUES (x'00')"));
    cursor.execute(QStringLiteral("SELECT arr FROM bad"));
    QVERIFY_EXCEPTION_THROWN(cursor.fetchall(), ValueError);

    sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH, 100);
    QCOMPARE(message([&] { cursor.execute(QStringLiteral("SELECT ?"), {QByteArray(101, 'x')}); }),
             QStringLiteral("string or blob too big"));
}

// Inserts run in a transaction the layer opens; without commit they are
// rolled back when the connection goes. CREATE TABLE is stored at once.
void TestChunkTable::implicitTransaction()
{
    const QString file = path("transaction.db");
    const Row row{QStringLiteral("o"), QStringLiteral("p"), std::int64_t(1), pattern(DType::Float32, {4})};
    {
        sqlite::Connection db(file);
        db.cursor().execute(kCreate);
        QVERIFY(!db.in_transaction());
        db.cursor().execute(QStringLiteral("INSERT INTO test VALUES (?,?,?,?)"), {row});
        QVERIFY(db.in_transaction());
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM test")), 1);
    }
    {
        sqlite::Connection db(file);
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM test")), 0);
        db.cursor().executemany(QStringLiteral("INSERT INTO test VALUES (?,?,?,?)"), {row});
        db.commit();
        QVERIFY(!db.in_transaction());
    }
    sqlite::Connection db(file);
    QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM test")), 1);
}

void TestChunkTable::implicitTransactionCoversEveryChange_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("many"); // through executemany, with no parameters per row
    QTest::newRow("delete") << "DELETE FROM test" << false;
    QTest::newRow("delete, lower case after a comment") << "-- all\n  delete from test" << false;
    QTest::newRow("update") << "UPDATE test SET chunkID = 7" << false;
    QTest::newRow("replace") << "REPLACE INTO test VALUES ('o', 'p', 1, NULL)" << false;
    QTest::newRow("insert or replace") << "/* c */ INSERT OR REPLACE INTO test VALUES ('o', 'p', 1, NULL)" << false;
    QTest::newRow("delete, executemany") << "DELETE FROM test" << true;
    QTest::newRow("update, executemany") << "UPDATE test SET arr = NULL" << true;
}

// Every statement that changes rows opens the transaction, so rollback()
// brings back what it deleted or overwrote.
void TestChunkTable::implicitTransactionCoversEveryChange()
{
    QFETCH(QString, sql);
    QFETCH(bool, many);
    sqlite::Connection db(path("changes.db"));
    db.exec(QStringLiteral("DROP TABLE IF EXISTS test"));
    db.cursor().execute(kCreate);
    const Row row{QStringLiteral("o"), QStringLiteral("p"), std::int64_t(1), pattern(DType::Float32, {4})};
    db.cursor().execute(QStringLiteral("INSERT INTO test VALUES (?,?,?,?)"), {row});
    db.commit();

    if (many)
        db.cursor().executemany(sql, {Row{}});
    else
        db.cursor().execute(sql);
    QVERIFY(db.in_transaction());
    QVERIFY(table_rows(db, QStringLiteral("test")) != std::vector<Row>{row});
    db.rollback();
    QVERIFY(table_rows(db, QStringLiteral("test")) == std::vector<Row>{row});
}

void TestChunkTable::closedConnection()
{
    std::optional<sqlite::Cursor> cursor;
    {
        sqlite::Connection db(path("closed.db"));
        cursor.emplace(db.cursor());
        cursor->execute(QStringLiteral("SELECT 1 UNION ALL SELECT 2"));
    }
    QVERIFY_EXCEPTION_THROWN(cursor->fetchall(), SqliteError);
    QVERIFY_EXCEPTION_THROWN(cursor->execute(QStringLiteral("SELECT 1")), SqliteError);
}

void TestChunkTable::rebuildChecksOrder()
{
    const NdArray a = pattern(DType::Float32, {12});
    const Row first{std::int64_t(1), a.row_range(0, 6)};
    const Row second{std::int64_t(2), a.row_range(6, 12)};
    QCOMPARE(chunktable::rebuild({first, second}), a);
    for (const std::vector<Row> &rows : {std::vector<Row>{second, first}, std::vector<Row>{second},
                                         std::vector<Row>{Row{std::int64_t(0), a}}}) {
        try {
            chunktable::rebuild(rows);
            QFAIL("accepted");
        } catch (const AssertionError &error) {
            QCOMPARE(error_text(error), QStringLiteral("Chunk order is wrong"));
        }
    }
    QVERIFY_EXCEPTION_THROWN(chunktable::rebuild({Row{std::int64_t(1), QByteArray("x")}}), ValueError);
}

// In a fresh folder the demonstration prints its findings and leaves an
// empty table; a second run stops at the table's creation.
void TestChunkTable::demoRunsTwice()
{
    QTemporaryDir folder;
    const Run first = run(QStringLiteral(KELVRA_CHUNKCUT_DEMO), {}, folder.path());
    QCOMPARE(first.status, 0);
    QCOMPARE(first.out, QStringLiteral("array byte limit = 30\n"
                                       "fetch data type = list\n"
                                       "fetch data length = 2\n"
                                       "retrieved array shape = (12,)\n"
                                       "retrieved array dtype = float32\n"
                                       "retrieved array = [0.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0, 11.0]\n"));
    for (const char *line : {"input array size = 12", "input array bytes = 48", "output arrays size = [6, 6]",
                             "output arrays bytes = [24, 24]"})
        QVERIFY2(first.err.contains(QLatin1String(line)), qPrintable(first.err));
    {
        sqlite::Connection db(folder.filePath(QStringLiteral("test.db")));
        QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM test")), 0);
    }

    const Run second = run(QStringLiteral(KELVRA_CHUNKCUT_DEMO), {}, folder.path());
    QVERIFY(second.status != 0);
    QCOMPARE(second.out, QStringLiteral("array byte limit = 30\n"));
    QVERIFY2(second.err.contains(QLatin1String("table test already exists")), qPrintable(second.err));
}

void TestChunkTable::storeAndLoad_data()
{
    QTest::addColumn<DType>("dtype");
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<qint64>("limit"); // 0: the default
    QTest::addColumn<qint64>("chunks");
    // A row limit of 1000 bytes leaves 1000 - 128 (header) - 8 (names) - 64
    // (record) = 800 data bytes: 4000 bytes make 5 chunks.
    for (const DType dtype : all_dtypes())
        QTest::newRow(qPrintable(dtype_name(dtype))) << dtype << Shape{4000 / dtype_size(dtype)} << qint64(1000)
                                                     << qint64(5);
    QTest::newRow("3-d") << DType::Float64 << Shape{30, 2, 3} << qint64(1000) << qint64(2);
    QTest::newRow("fits in one chunk") << DType::Float32 << Shape{12} << qint64(1000) << qint64(1);
    QTest::newRow("empty") << DType::Int32 << Shape{0, 5} << qint64(1000) << qint64(1);
    QTest::newRow("default limit") << DType::Float32 << Shape{1000, 10} << qint64(0) << qint64(1);
}

void TestChunkTable::storeAndLoad()
{
    QFETCH(DType, dtype);
    QFETCH(Shape, shape);
    QFETCH(qint64, limit);
    QFETCH(qint64, chunks);
    sqlite::Connection db(path("store.db"));
    create_chunk_table(db, QStringLiteral("props"));
    const NdArray array = pattern(dtype, shape);
    const QString table = QStringLiteral("props");
    QCOMPARE(limit ? store_chunks(db, table, QStringLiteral("well"), QStringLiteral("vint"), array, limit)
                   : store_chunks(db, table, QStringLiteral("well"), QStringLiteral("vint"), array),
             chunks);
    db.commit();
    QCOMPARE(count(db, QStringLiteral("SELECT count(*) FROM props WHERE object_name = 'well' AND prop_name = 'vint' "
                                      "AND chunkID BETWEEN 1 AND %1").arg(chunks)), chunks);
    QCOMPARE(load_chunks(db, QStringLiteral("props"), QStringLiteral("well"), QStringLiteral("vint")), array);
    // The rows read back through the layer's converter too.
    const std::vector<Row> rows = db.cursor().execute(
        QStringLiteral("SELECT chunkID, arr FROM props WHERE object_name = 'well' AND prop_name = 'vint' "
                       "ORDER BY chunkID")).fetchall();
    QCOMPARE(chunktable::rebuild(rows), array);
}

void TestChunkTable::storeReplaces()
{
    sqlite::Connection db(path("replace.db"));
    const QString table = QStringLiteral("with \"quotes\"");
    create_chunk_table(db, table);
    QCOMPARE(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), pattern(DType::Int64, {100}), 400), 4);
    QCOMPARE(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("q"), pattern(DType::Int8, {5}), 400), 1);
    const NdArray smaller = pattern(DType::Float32, {100});
    QCOMPARE(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), smaller, 400), 2);
    QCOMPARE(load_chunks(db, table, QStringLiteral("o"), QStringLiteral("p")), smaller);
    QCOMPARE(load_chunks(db, table, QStringLiteral("o"), QStringLiteral("q")), pattern(DType::Int8, {5}));
}

// With the real limit, storage code must not make a chunk whose blob (data
// plus .npy header) is over SQLite's length limit: a connection with a
// lowered limit stands in for the 1e9 bytes.
void TestChunkTable::lengthLimitLeavesRoomForHeader_data()
{
    QTest::addColumn<int>("lengthLimit");
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<bool>("naiveFails"); // whether cutting at the length limit makes a blob too big
    QTest::newRow("4096, rows of 8 bytes") << 4096 << Shape{20000} << true;
    QTest::newRow("4096, rows of 392 bytes") << 4096 << Shape{2000, 49} << false;
    QTest::newRow("1000, rows of 8 bytes") << 1000 << Shape{3000} << true;
    QTest::newRow("65536, 3-d") << 65536 << Shape{500, 20, 7} << false;
}

void TestChunkTable::lengthLimitLeavesRoomForHeader()
{
    QFETCH(int, lengthLimit);
    QFETCH(Shape, shape);
    QFETCH(bool, naiveFails);
    sqlite::Connection db(path("limit.db"));
    sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH, lengthLimit);
    create_chunk_table(db, QStringLiteral("props"));
    const NdArray array = pattern(DType::Float64, shape);

    // Cutting at the length limit itself leaves no room for the header.
    auto cursor = db.cursor();
    std::vector<Row> rows;
    for (const NdArray &piece : chunkcut(array, lengthLimit))
        rows.push_back({QStringLiteral("o"), QStringLiteral("p"), std::int64_t(rows.size() + 1), piece});
    bool failed = false;
    try {
        cursor.executemany(QStringLiteral("INSERT INTO props VALUES (?,?,?,?)"), rows);
    } catch (const SqliteError &error) {
        QCOMPARE(error_text(error), QStringLiteral("string or blob too big"));
        failed = true;
    }
    QCOMPARE(failed, naiveFails);
    db.rollback();

    store_chunks(db, QStringLiteral("props"), QStringLiteral("o"), QStringLiteral("p"), array);
    QVERIFY(count(db, QStringLiteral("SELECT max(length(arr)) FROM props")) <= lengthLimit);
    QCOMPARE(load_chunks(db, QStringLiteral("props"), QStringLiteral("o"), QStringLiteral("p")), array);
    db.rollback();
}

// A store that fails part-way leaves every row of the table as it was: the
// property's old chunks (whose bytes differ from the new ones, so that kept
// partial rows show) and the other properties' chunks.
void TestChunkTable::failedStoreKeepsTable()
{
    sqlite::Connection db(path("failed.db"));
    const QString table = QStringLiteral("props");
    create_chunk_table(db, table);
    std::vector<std::int32_t> values(300);
    std::iota(values.begin(), values.end(), 1000);
    const NdArray before = NdArray::from_values(values);
    QCOMPARE(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), before, 400), 6);
    store_chunks(db, table, QStringLiteral("o"), QStringLiteral("q"), pattern(DType::Int8, {5}), 400);
    store_chunks(db, table, QStringLiteral("n"), QStringLiteral("p"), pattern(DType::Int16, {5}), 400);
    db.commit();
    const std::vector<Row> rows = table_rows(db, table);

    db.exec(QStringLiteral("CREATE TRIGGER no_room BEFORE INSERT ON props WHEN NEW.chunkID = 3 "
                           "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    try {
        store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), pattern(DType::Int32, {300}), 400);
        QFAIL("stored");
    } catch (const SqliteError &error) {
        QCOMPARE(error_text(error), QStringLiteral("disk full"));
    }
    QVERIFY(table_rows(db, table) == rows);
    QCOMPARE(load_chunks(db, table, QStringLiteral("o"), QStringLiteral("p")), before);
    // A row larger than the limit is refused before anything changes.
    QVERIFY_EXCEPTION_THROWN(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"),
                                          pattern(DType::Int32, {2, 100}), 400), ValueError);
    QVERIFY(table_rows(db, table) == rows);
}

// With one-byte elements every byte of the row budget counts. Limits too
// small for one element are refused with the table untouched; from the
// first limit that holds one element on, SQLite itself, held to the same
// limit, accepts every row, and the array comes back whole.
void TestChunkTable::rowBudgetAtTheEdge()
{
    sqlite::Connection db(path("budget.db"));
    const QString table = QStringLiteral("props");
    create_chunk_table(db, table);
    const NdArray array = pattern(DType::Int8, {12});
    std::optional<int> edge;
    for (int limit = 100; limit < 400 && !edge; ++limit) {
        sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH, limit);
        try {
            QCOMPARE(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), array, limit), 12);
            edge = limit;
        } catch (const ValueError &) {
            QVERIFY(table_rows(db, table).empty());
        }
    }
    QVERIFY(edge);
    QCOMPARE(load_chunks(db, table, QStringLiteral("o"), QStringLiteral("p")), array);
    db.rollback();

    for (const auto &[limit, chunks] : {std::pair{*edge + 1, 6}, std::pair{*edge + 2, 4}, std::pair{*edge + 11, 1}}) {
        sqlite3_limit(db.handle(), SQLITE_LIMIT_LENGTH, limit);
        QCOMPARE(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), array), std::int64_t(chunks));
        QCOMPARE(load_chunks(db, table, QStringLiteral("o"), QStringLiteral("p")), array);
        db.rollback();
    }
}

void TestChunkTable::loadRefuses()
{
    sqlite::Connection db(path("refuse.db"));
    create_chunk_table(db, QStringLiteral("props"));
    const QString table = QStringLiteral("props");
    auto message = [&](const QString &prop) -> QString {
        try {
            load_chunks(db, table, QStringLiteral("o"), prop);
        } catch (const std::exception &error) {
            return error_text(error);
        }
        return QStringLiteral("loaded");
    };
    QCOMPARE(message(QStringLiteral("none")), QStringLiteral("no chunks of object 'o', property 'none' in table props"));
    store_chunks(db, table, QStringLiteral("o"), QStringLiteral("gap"), pattern(DType::Int32, {100}), 300);
    db.exec(QStringLiteral("DELETE FROM props WHERE prop_name = 'gap' AND chunkID = 2"));
    QCOMPARE(message(QStringLiteral("gap")), QStringLiteral("chunk 2 of object 'o', property 'gap' is missing"));
    db.exec(QStringLiteral("UPDATE props SET chunkID = 0 WHERE prop_name = 'gap' AND chunkID = 3"));
    QCOMPARE(message(QStringLiteral("gap")), QStringLiteral("unexpected chunk number 0 of object 'o', property 'gap'"));
    store_chunks(db, table, QStringLiteral("o"), QStringLiteral("bad"), pattern(DType::Int32, {100}), 300);
    db.exec(QStringLiteral("UPDATE props SET arr = x'934e554d505901' WHERE prop_name = 'bad' AND chunkID = 3"));
    QCOMPARE(message(QStringLiteral("bad")), QStringLiteral("chunk 3 of object 'o', property 'bad': "
                                                            "invalid .npy blob: 7 bytes are too short for an .npy header"));
    store_chunks(db, table, QStringLiteral("o"), QStringLiteral("mixed"), pattern(DType::Int32, {100}), 300);
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db.handle(), "UPDATE props SET arr = ? WHERE prop_name = 'mixed' AND chunkID = 2", -1,
                       &statement, nullptr);
    const QByteArray other = adapt_array(pattern(DType::Int64, {10}));
    sqlite3_bind_blob(statement, 1, other.constData(), other.size(), SQLITE_STATIC);
    QCOMPARE(sqlite3_step(statement), SQLITE_DONE);
    sqlite3_finalize(statement);
    QCOMPARE(message(QStringLiteral("mixed")),
             QStringLiteral("chunk 2 of object 'o', property 'mixed' does not match chunk 1 in element type or extents"));
}

// Every method the processor has.
std::vector<Crc32cMethod> crc32c_methods()
{
    std::vector<Crc32cMethod> methods;
    for (const Crc32cMethod method : {Crc32cMethod::Folding, Crc32cMethod::Instruction, Crc32cMethod::Tables}) {
        if (crc32c_available(method))
            methods.push_back(method);
    }
    return methods;
}

// Published check values of CRC-32C: "123456789" (the catalogue of CRC
// parameters) and the 32-byte patterns of RFC 3720, appendix B.4.
void TestChunkTable::crc32cKnownValues()
{
    QByteArray zeros(32, '\0'), ones(32, '\xff'), ascending(32, '\0');
    for (int i = 0; i < 32; ++i)
        ascending[i] = char(i);
    const std::pair<QByteArray, std::uint32_t> cases[] = {
        {QByteArrayLiteral("123456789"), 0xE3069283u}, {QByteArray(), 0u},
        {zeros, 0x8A9136AAu}, {ones, 0x62A8AB43u}, {ascending, 0x46DD794Eu}};
    for (const auto &[bytes, expected] : cases) {
        QCOMPARE(crc32c(0, bytes.constData(), std::size_t(bytes.size())), expected);
        for (const Crc32cMethod method : crc32c_methods())
            QCOMPARE(crc32c(method, 0, bytes.constData(), std::size_t(bytes.size())), expected);
    }
}

// Folding and the instruction's three streams give the tables' CRC, for
// lengths around their blocks and steps, from any CRC before, and for data
// handed over in two parts split anywhere.
void TestChunkTable::crc32cMethodsMatchTables()
{
    const NdArray noise = pattern(DType::UInt8, {200000});
    const auto *bytes = reinterpret_cast<const char *>(noise.bytes());
    for (const std::size_t size : {std::size_t(7), std::size_t(255), std::size_t(1023), std::size_t(1024),
                                   std::size_t(1025), std::size_t(1279), std::size_t(49151), std::size_t(49152),
                                   std::size_t(49153), std::size_t(98311), std::size_t(200000)}) {
        for (const std::uint32_t before : {0u, 0x9e3779b9u}) {
            const std::uint32_t expected = crc32c(Crc32cMethod::Tables, before, bytes, size);
            for (const Crc32cMethod method : crc32c_methods()) {
                QCOMPARE(crc32c(method, before, bytes, size), expected);
                for (const std::size_t split : {std::size_t(1), size / 3, size - 1})
                    QCOMPARE(crc32c(method, crc32c(method, before, bytes, split), bytes + split, size - split),
                             expected);
            }
        }
    }
    qInfo("CRC-32C methods compared on this processor: %d of 3", int(crc32c_methods().size()));
}

// Each checksum a store hands back is the CRC-32C of its chunk's whole blob
// as SQLite holds it, so that any program can check a chunk.
void TestChunkTable::checksumsAreThoseOfTheStoredBlobs()
{
    sqlite::Connection db(path("checksums.db"), sqlite::Conversion::None);
    const QString table = QStringLiteral("props");
    create_chunk_table(db, table);
    ChunkChecksums checksums{1, 2, 3, 4, 5, 6, 7, 8}; // replaced, not appended to
    QCOMPARE(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), pattern(DType::Float32, {1000}),
                          1000, {}, &checksums),
             5);
    const std::vector<Row> rows = db.cursor()
                                      .execute(QStringLiteral("SELECT arr FROM props ORDER BY chunkID"))
                                      .fetchall();
    QCOMPARE(checksums.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QByteArray blob = std::get<QByteArray>(rows[i][0]);
        QCOMPARE(checksums[i], crc32c(Crc32cMethod::Tables, 0, blob.constData(), std::size_t(blob.size())));
    }
}

// A load given the checksums refuses a chunk whose bytes changed, and
// chunks gone or added, naming the chunk and the property; it reads the
// same rows as they are without them.
void TestChunkTable::checksumsRefuseDamagedChunks()
{
    sqlite::Connection db(path("damaged.db"), sqlite::Conversion::None);
    const QString table = QStringLiteral("props");
    create_chunk_table(db, table);
    const NdArray array = pattern(DType::Float64, {500});
    ChunkChecksums checksums;
    QCOMPARE(store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), array, 1000, {}, &checksums), 5);
    db.commit();
    const auto load = [&](const ChunkChecksums *expected) {
        return load_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), {}, expected);
    };
    QCOMPARE(load(&checksums), array);

    // One bit of one value of chunk 3 flipped in place.
    sqlite3_blob *blob = nullptr;
    QCOMPARE(sqlite3_blob_open(db.handle(), "main", "props", "arr",
                               count(db, QStringLiteral("SELECT rowid FROM props WHERE chunkID = 3")), 1, &blob),
             SQLITE_OK);
    char byte = 0;
    QCOMPARE(sqlite3_blob_read(blob, &byte, 1, 300), SQLITE_OK);
    byte ^= 0x10;
    QCOMPARE(sqlite3_blob_write(blob, &byte, 1, 300), SQLITE_OK);
    sqlite3_blob_close(blob);
    db.commit();
    QVERIFY(load(nullptr) != array);
    try {
        load(&checksums);
        QFAIL("loaded");
    } catch (const ChunkDamaged &error) {
        QCOMPARE(error_text(error),
                 QStringLiteral("chunk 3 of object 'o', property 'p' does not match the checksum written with it"));
    }

    store_chunks(db, table, QStringLiteral("o"), QStringLiteral("p"), array, 1000, {}, &checksums);
    db.exec(QStringLiteral("DELETE FROM props WHERE chunkID = 5"));
    try {
        load(&checksums);
        QFAIL("loaded");
    } catch (const ChunkDamaged &error) {
        QCOMPARE(error_text(error), QStringLiteral("object 'o', property 'p' has 4 chunks where 5 were written"));
    }
    db.rollback();
}

// A ChunkReader reads the arrays of one table one after another with its
// one statement: each its own chunks, in any order, and a refused read
// leaves the next one sound.
void TestChunkTable::oneReaderReadsPropertyAfterProperty()
{
    sqlite::Connection db(path("reader.db"), sqlite::Conversion::None);
    const QString table = QStringLiteral("props");
    create_chunk_table(db, table);
    const NdArray many = pattern(DType::Float64, {500});
    const NdArray one = pattern(DType::Int32, {7, 3});
    ChunkChecksums sums;
    QCOMPARE(store_chunks(db, table, QStringLiteral("a"), QStringLiteral("x"), many, 1000, {}, &sums), 5);
    store_chunks(db, table, QStringLiteral("a"), QStringLiteral("y"), one);
    store_chunks(db, table, QStringLiteral("b"), QStringLiteral("x"), one);
    // Chunk 2 gone: a read stops in the middle of the chunk numbers.
    QVERIFY(store_chunks(db, table, QStringLiteral("c"), QStringLiteral("gap"), many, 1500) > 2);
    db.cursor().execute(QStringLiteral("DELETE FROM props WHERE object_name = 'c' AND chunkID = 2"));
    db.commit();
    db.exec(QStringLiteral("BEGIN"));
    ChunkReader reader(db, table);
    QVERIFY_EXCEPTION_THROWN(reader.load(QStringLiteral("c"), QStringLiteral("gap")), ValueError);
    QCOMPARE(reader.stored_bytes(QStringLiteral("a"), QStringLiteral("x")), many.nbytes());
    QCOMPARE(reader.stored_bytes(QStringLiteral("b"), QStringLiteral("x")), one.nbytes());
    QCOMPARE(reader.stored_bytes(QStringLiteral("b"), QStringLiteral("none")), 0);
    QCOMPARE(reader.load(QStringLiteral("b"), QStringLiteral("x")), one);
    QCOMPARE(reader.load(QStringLiteral("a"), QStringLiteral("x"), {}, &sums), many);
    QVERIFY_EXCEPTION_THROWN(reader.load(QStringLiteral("a"), QStringLiteral("none")), LookupError);
    QCOMPARE(reader.load(QStringLiteral("a"), QStringLiteral("y")), one);
    ChunkChecksums wrong = sums;
    wrong[2] ^= 1;
    QVERIFY_EXCEPTION_THROWN(reader.load(QStringLiteral("a"), QStringLiteral("x"), {}, &wrong), ChunkDamaged);
    QCOMPARE(reader.load(QStringLiteral("a"), QStringLiteral("x"), {}, &sums), many);
}

void TestChunkTable::numpyReadsOurChunks()
{
    if (!python_has_numpy())
        QSKIP("/usr/bin/python3 has no numpy");
    const QString file = path("ours.db");
    {
        sqlite::Connection db(file);
        create_chunk_table(db, QStringLiteral("props"));
        for (const DType dtype : all_dtypes()) {
            const NdArray array = pattern(dtype, {50, 3});
            store_chunks(db, QStringLiteral("props"), QStringLiteral("ours"),
                         dtype_name(dtype) + QStringLiteral("-50x3"), array, 600);
        }
        store_chunks(db, QStringLiteral("props"), QStringLiteral("ours"), QStringLiteral("float64-0x4"),
                     pattern(DType::Float64, {0, 4}), 600);
        store_chunks(db, QStringLiteral("props"), QStringLiteral("ours"), QStringLiteral("int16-4x3x5"),
                     pattern(DType::Int16, {4, 3, 5}), 300);
        // The layer's own path: adapter on insert, as the demonstration does.
        std::vector<Row> rows;
        for (const NdArray &piece : chunkcut(pattern(DType::Float32, {12}), 30))
            rows.push_back({QStringLiteral("layer"), QStringLiteral("float32-12"), std::int64_t(rows.size() + 1), piece});
        db.cursor().executemany(QStringLiteral("INSERT INTO props VALUES (?,?,?,?)"), rows);
        db.commit();
    }
    const Run check = run(QStringLiteral("/usr/bin/python3"), {QStringLiteral(KELVRA_NPYTOOL), QStringLiteral("check"), file});
    QVERIFY2(check.status == 0, qPrintable(check.out + check.err));
    QCOMPARE(check.out.count(QLatin1String(": ok")), int(all_dtypes().size()) + 3);
}

void TestChunkTable::weReadNumpysChunks()
{
    if (!python_has_numpy())
        QSKIP("/usr/bin/python3 has no numpy");
    const QString file = path("numpy.db");
    const Run write = run(QStringLiteral("/usr/bin/python3"), {QStringLiteral(KELVRA_NPYTOOL), QStringLiteral("write"), file});
    QVERIFY2(write.status == 0, qPrintable(write.err));

    sqlite::Connection db(file);
    const std::vector<Row> names = db.cursor().execute(
        QStringLiteral("SELECT DISTINCT prop_name FROM props ORDER BY prop_name")).fetchall();
    QCOMPARE(names.size(), all_dtypes().size() + 6);
    for (const Row &name : names) {
        // "float32-20x3x2-fortran": element type, extents, how numpy stored it.
        const QString prop = std::get<QString>(name.at(0));
        const QStringList parts = prop.split(QLatin1Char('-'));
        const NdArray expected = pattern(kelvra::test::dtype_named(parts[0]), kelvra::test::shape_named(parts[1]));
        QVERIFY2(load_chunks(db, QStringLiteral("props"), QStringLiteral("numpy"), prop) == expected, qPrintable(prop));
        const std::vector<Row> rows = db.cursor().execute(
            QStringLiteral("SELECT chunkID, arr FROM props WHERE object_name = ? AND prop_name = ? ORDER BY chunkID"),
            {QStringLiteral("numpy"), prop}).fetchall();
        QVERIFY2(chunktable::rebuild(rows) == expected, qPrintable(prop));
    }
}

KELVRA_TEST_APPLESS_MAIN(TestChunkTable)
#include "tst_chunktable.moc"
