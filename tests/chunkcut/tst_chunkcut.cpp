// Cutting arrays under a byte limit: piece sizes, views, the log lines and
// the refused limits.

#include "patterns.h"

#include "host/errors.h"
#include "utils/chunkcut.h"
#include "testmain.h"

#include <QTest>

using namespace kelvra;
using kelvra::test::pattern;

Q_DECLARE_METATYPE(kelvra::DType)
Q_DECLARE_METATYPE(std::vector<std::int64_t>)

namespace {

using Shape = std::vector<std::int64_t>;

// Collects the lines written to the kelvra.chunkcut log while it lives.
class LogCapture
{
public:
    LogCapture() { s_lines.clear(); m_previous = qInstallMessageHandler(&LogCapture::handle); }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtInfoMsg && context.category == QLatin1String("kelvra.chunkcut"))
            s_lines << message;
    }
    static inline QStringList s_lines;
    QtMessageHandler m_previous;
};

} // namespace

class TestChunkcut : public QObject
{
    Q_OBJECT

private slots:
    void pieces_data();
    void pieces();
    void refused_data();
    void refused();
};

void TestChunkcut::pieces_data()
{
    QTest::addColumn<DType>("dtype");
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<Shape>("rows");        // rows of each piece
    QTest::addColumn<QStringList>("log");

    auto log = [](const char *size, const char *bytes, const char *sizes, const char *byteList) {
        return QStringList{QStringLiteral("input array size = ") + size, QStringLiteral("input array bytes = ") + bytes,
                           QStringLiteral("output arrays size = ") + sizes,
                           QStringLiteral("output arrays bytes = ") + byteList};
    };
    QTest::newRow("12 floats, limit 30") << DType::Float32 << Shape{12} << qint64(30) << Shape{6, 6}
                                         << log("12", "48", "[6, 6]", "[24, 24]");
    QTest::newRow("exactly the limit") << DType::Float32 << Shape{12} << qint64(48) << Shape{12}
                                       << log("12", "48", "[12]", "[48]");
    QTest::newRow("one byte under") << DType::Float32 << Shape{12} << qint64(49) << Shape{12} << QStringList();
    QTest::newRow("empty") << DType::Float64 << Shape{0, 3} << qint64(1) << Shape{0} << QStringList();
    QTest::newRow("10 by 3, limit 50") << DType::Float32 << Shape{10, 3} << qint64(50) << Shape{3, 3, 3, 1}
                                       << log("10", "120", "[3, 3, 3, 1]", "[36, 36, 36, 12]");
    QTest::newRow("exact multiple") << DType::Int16 << Shape{30} << qint64(30) << Shape{15, 15}
                                    << log("30", "60", "[15, 15]", "[30, 30]");
    QTest::newRow("more pieces than nsplit") << DType::Int32 << Shape{10} << qint64(12) << Shape{2, 2, 2, 2, 2}
                                             << log("10", "40", "[2, 2, 2, 2, 2]", "[8, 8, 8, 8, 8]");
    QTest::newRow("one row per piece") << DType::UInt8 << Shape{3, 10} << qint64(10) << Shape{1, 1, 1}
                                       << log("3", "30", "[1, 1, 1]", "[10, 10, 10]");
    QTest::newRow("3-d") << DType::Complex128 << Shape{5, 2, 2} << qint64(200) << Shape{2, 2, 1}
                         << log("5", "320", "[2, 2, 1]", "[128, 128, 64]");
}

void TestChunkcut::pieces()
{
    QFETCH(DType, dtype);
    QFETCH(Shape, shape);
    QFETCH(qint64, limit);
    QFETCH(Shape, rows);
    QFETCH(QStringList, log);

    const NdArray array = pattern(dtype, shape);
    const NdArray before = NdArray::concatenate({array});
    const LogCapture capture;
    const std::vector<NdArray> pieces = chunkcut(array, limit);

    QCOMPARE(capture.lines(), log);
    Shape pieceRows;
    for (const NdArray &piece : pieces) {
        pieceRows.push_back(piece.rows());
        QVERIFY(piece.shares_storage(array));
        QVERIFY(piece.nbytes() <= limit || pieces.size() == 1);
        QCOMPARE(piece.dtype(), dtype);
    }
    QCOMPARE(pieceRows, rows);
    QCOMPARE(NdArray::concatenate(pieces), array);
    QCOMPARE(array, before);
}

void TestChunkcut::refused_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("message");
    QTest::newRow("limit 0") << Shape{12} << qint64(0) << "the byte limit must be positive, not 0";
    QTest::newRow("negative limit") << Shape{12} << qint64(-30) << "the byte limit must be positive, not -30";
    QTest::newRow("row over the limit") << Shape{1, 25} << qint64(30)
                                        << "one row of 100 bytes exceeds the byte limit of 30 bytes";
    QTest::newRow("rows over the limit") << Shape{3, 10} << qint64(39)
                                         << "one row of 40 bytes exceeds the byte limit of 39 bytes";
    QTest::newRow("0-d") << Shape{} << qint64(30) << "a 0-d array has no rows to split";
}

void TestChunkcut::refused()
{
    QFETCH(Shape, shape);
    QFETCH(qint64, limit);
    QFETCH(QString, message);
    const LogCapture capture;
    try {
        chunkcut(NdArray(DType::Float32, shape), limit);
        QFAIL("accepted");
    } catch (const ValueError &error) {
        QCOMPARE(error_text(error), message);
    }
    QCOMPARE(capture.lines(), QStringList());
}

KELVRA_TEST_APPLESS_MAIN(TestChunkcut)
#include "tst_chunkcut.moc"
