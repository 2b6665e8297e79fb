// The n-d array and its .npy blob form: views, concatenation, text forms,
// round trips of every element type, numpy-written seed blobs, and the
// rejection of malformed blobs.

#include "patterns.h"

#include "host/errors.h"
#include "host/ndarray.h"
#include "host/sqlite_array.h"
#include "host/valuesummary.h"
#include "testmain.h"

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QtEndian>
#include <QTest>

#include <complex>
#include <limits>

using namespace kelvra;
using kelvra::test::pattern;

Q_DECLARE_METATYPE(kelvra::DType)
Q_DECLARE_METATYPE(kelvra::NdArray)
Q_DECLARE_METATYPE(std::vector<std::int64_t>)

namespace {

using Shape = std::vector<std::int64_t>;

// A blob with the given version and header text (length field computed),
// followed by the data bytes.
QByteArray npy_blob(const QByteArray &header, const QByteArray &data = {}, int major = 1)
{
    QByteArray out("\x93NUMPY", 6);
    out.append(char(major)).append(char(0));
    if (major == 1) {
        out.append(char(header.size() & 0xff)).append(char(header.size() >> 8));
    } else {
        char length[4];
        qToLittleEndian<quint32>(quint32(header.size()), length);
        out.append(length, 4);
    }
    return out + header + data;
}

QByteArray floats(int count)
{
    return QByteArray(count * 4, '\0');
}

} // namespace

class TestNdArray : public QObject
{
    Q_OBJECT

private slots:
    void extentsAndSizes();
    void invalidExtents_data();
    void invalidExtents();
    void rowRangesAreViews();
    void rowRangeOutside();
    void foreignStorageIsLetGoWithTheLastView();
    void summaryIsKeptUntilWritten();
    void concatenate();
    void concatenateRefuses();
    void text_data();
    void text();
    void text_is_bounded();
    void roundTrip_data();
    void roundTrip();
    void headerIsNumpys();
    void numpySeeds();
    void booleansNormalised();
    void malformed_data();
    void malformed();
    void tooManyAxesToStore();
};

void TestNdArray::extentsAndSizes()
{
    const NdArray array(DType::Float32, {10, 3});
    QCOMPARE(array.size(), 30);
    QCOMPARE(array.nbytes(), 120);
    QCOMPARE(array.rows(), 10);
    QCOMPARE(array.row_nbytes(), 12);
    QCOMPARE(array.dtype_name(), QStringLiteral("float32"));
    QCOMPARE(NdArray(DType::Int16, {0, 5}).row_nbytes(), 10);

    const NdArray scalar(DType::Complex128, {});
    QCOMPARE(scalar.size(), 1);
    QCOMPARE(scalar.nbytes(), 16);
    QVERIFY_EXCEPTION_THROWN(scalar.rows(), ValueError);

    // 64-bit sizes: 6 GiB of extents is arithmetic, not an allocation here.
    const std::int64_t big = std::int64_t(3) << 31;
    QCOMPARE(NdArray(DType::Int8, {0, big}).row_nbytes(), big);
}

void TestNdArray::invalidExtents_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::newRow("negative") << Shape{3, -1};
    QTest::newRow("bytes overflow") << Shape{std::int64_t(1) << 31, std::int64_t(1) << 31};
    QTest::newRow("row overflow behind an empty axis") << Shape{0, std::int64_t(1) << 40, std::int64_t(1) << 40};
}

void TestNdArray::invalidExtents()
{
    QFETCH(Shape, shape);
    QVERIFY_EXCEPTION_THROWN(NdArray(DType::Float64, shape), ValueError);
}

void TestNdArray::rowRangesAreViews()
{
    NdArray array = pattern(DType::Int32, {10, 3});
    const NdArray view = array.row_range(3, 6);
    QCOMPARE(view.shape(), (Shape{3, 3}));
    QVERIFY(view.shares_storage(array));
    QCOMPARE(view.data<std::int32_t>()[0], 9);
    array.data<std::int32_t>()[9] = -1;
    QCOMPARE(view.data<std::int32_t>()[0], -1);
    QCOMPARE(array.row_range(10, 10).size(), 0);
    QCOMPARE(array.row_range(7, 10).row_range(1, 2).data<std::int32_t>()[0], 24);
}

void TestNdArray::rowRangeOutside()
{
    const NdArray array(DType::Int8, {4});
    QVERIFY_EXCEPTION_THROWN(array.row_range(-1, 2), ValueError);
    QVERIFY_EXCEPTION_THROWN(array.row_range(3, 2), ValueError);
    QVERIFY_EXCEPTION_THROWN(array.row_range(0, 5), ValueError);
    QVERIFY_EXCEPTION_THROWN(array.data<float>(), ValueError);
}

void TestNdArray::summaryIsKeptUntilWritten()
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    NdArray values = NdArray::from_values(std::vector<double>{3, nan, -2, 7, 5});
    QVERIFY(!known_summary(values));
    const ValueSummary found = summarize(values);
    QCOMPARE(found.low, -2.0);
    QCOMPARE(found.high, 7.0);
    QVERIFY(!found.all_finite);
    // Every copy and view of the whole storage sees the note; a view of some
    // of the values does not take it for its own.
    const NdArray copy = values, flat = values.ravel();
    QCOMPARE(known_summary(copy)->high, 7.0);
    QCOMPARE(known_summary(flat)->low, -2.0);
    QVERIFY(!known_summary(values.row_range(0, 2)));
    QCOMPARE(summarize(values.row_range(0, 2)).high, 3.0);
    // Reached for writing through any copy, the data are measured anew.
    NdArray writer = copy;
    writer.data<double>()[1] = 100;
    QVERIFY(!known_summary(values));
    const ValueSummary again = summarize(values);
    QCOMPARE(again.high, 100.0);
    QVERIFY(again.all_finite);
}

void TestNdArray::foreignStorageIsLetGoWithTheLastView()
{
    std::vector<double> owner{1, 2, 3, 4, 5, 6};
    int released = 0;
    {
        NdArray array(DType::Float64, {3, 2},
                      std::shared_ptr<std::byte>(reinterpret_cast<std::byte *>(owner.data()),
                                                 [&released](std::byte *) { ++released; }));
        QCOMPARE(array.data<double>(), owner.data());
        const NdArray view = array.row_range(1, 3);
        array = NdArray();
        QCOMPARE(released, 0);
        QCOMPARE(view.data<double>()[0], 3.0);
    }
    QCOMPARE(released, 1);
    // Refused extents let the owner go at once.
    QVERIFY_EXCEPTION_THROWN(NdArray(DType::Int8, {-1},
                                     std::shared_ptr<std::byte>(reinterpret_cast<std::byte *>(owner.data()),
                                                                [&released](std::byte *) { ++released; })),
                             ValueError);
    QCOMPARE(released, 2);
}

void TestNdArray::concatenate()
{
    const NdArray array = pattern(DType::Float64, {7, 2});
    const NdArray joined = NdArray::concatenate({array.row_range(0, 3), array.row_range(3, 3), array.row_range(3, 7)});
    QCOMPARE(joined, array);
    QVERIFY(!joined.shares_storage(array));
    QCOMPARE(NdArray::concatenate({array.row_range(0, 0)}).shape(), (Shape{0, 2}));
}

void TestNdArray::concatenateRefuses()
{
    const NdArray a(DType::Float32, {2, 3});
    QVERIFY_EXCEPTION_THROWN(NdArray::concatenate({}), ValueError);
    QVERIFY_EXCEPTION_THROWN(NdArray::concatenate({a, NdArray(DType::Float64, {2, 3})}), ValueError);
    QVERIFY_EXCEPTION_THROWN(NdArray::concatenate({a, NdArray(DType::Float32, {2, 4})}), ValueError);
    QVERIFY_EXCEPTION_THROWN(NdArray::concatenate({a, NdArray(DType::Float32, {6})}), ValueError);
    QVERIFY_EXCEPTION_THROWN(NdArray::concatenate({NdArray(DType::Float32, {})}), ValueError);
}

void TestNdArray::text_data()
{
    QTest::addColumn<NdArray>("array");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("elements");
    QTest::newRow("float32") << NdArray::from_values<float>({0, 1.5f, 0.1f, -2e20f}) << "(4,)"
                             << "[0.0, 1.5, 0.1, -2e+20]";
    QTest::newRow("int matrix") << pattern(DType::Int64, {2, 3}) << "(2, 3)" << "[[0, 1, 2], [3, 4, 5]]";
    QTest::newRow("bool") << pattern(DType::Bool, {2}) << "(2,)" << "[False, True]";
    QTest::newRow("complex") << pattern(DType::Complex64, {2}) << "(2,)" << "[(0.0+0.0j), (1.0-1.0j)]";
    QTest::newRow("float16") << pattern(DType::Float16, {3}) << "(3,)" << "[0.0, 1.0, 2.0]";
    QTest::newRow("0-d") << NdArray::from_values<double>({7}, {}) << "()" << "7.0";
    QTest::newRow("empty") << NdArray(DType::Float32, {0, 3}) << "(0, 3)" << "[]";
    // numpy prints any array without elements as [].
    QTest::newRow("empty last axis") << NdArray(DType::Float64, {2, 0}) << "(2, 0)" << "[]";
    QTest::newRow("empty, huge extents") << NdArray(DType::Float64, {86, 1999999999991, 0})
                                         << "(86, 1999999999991, 0)" << "[]";
    QTest::newRow("special") << NdArray::from_values<double>({std::numeric_limits<double>::infinity(),
                                                              -std::numeric_limits<double>::quiet_NaN()})
                             << "(2,)" << "[inf, nan]";
    QTest::newRow("summarised") << pattern(DType::UInt16, {1001}) << "(1001,)" << "[0, 1, 2, ..., 998, 999, 1000]";
    QTest::newRow("summarised rows") << pattern(DType::Int8, {2, 1200}).row_range(1, 2) << "(1, 1200)"
                                     << "[[-80, -79, -78, ..., 93, 94, 95]]";
}

void TestNdArray::text()
{
    QFETCH(NdArray, array);
    QFETCH(QString, shape);
    QFETCH(QString, elements);
    QCOMPARE(array.shape_text(), shape);
    QCOMPARE(array.to_text(), elements);
}

// Many short axes are not summarised, yet the text stays short: at most
// 1000 elements are shown, and every list left open ends in "...".
void TestNdArray::text_is_bounded()
{
    const NdArray array = pattern(DType::Int8, Shape(20, 2)); // 2^20 elements
    const QString text = array.to_text();
    QVERIFY2(text.size() < 10000, qPrintable(QString::number(text.size())));
    int elements = 0;
    for (auto numbers = QRegularExpression(QStringLiteral("-?[0-9]+")).globalMatch(text); numbers.hasNext(); numbers.next())
        ++elements;
    QCOMPARE(elements, 1000);
    QVERIFY(text.startsWith(QString(20, QLatin1Char('[')) + QStringLiteral("0, 1], [2, 3]], [[4, 5], [6, 7]]], ")));
    QVERIFY(text.endsWith(QStringLiteral(", ...]")));
    QCOMPARE(text.count(QLatin1Char('[')), text.count(QLatin1Char(']')));
}

void TestNdArray::roundTrip_data()
{
    QTest::addColumn<DType>("dtype");
    QTest::addColumn<Shape>("shape");
    for (const DType dtype : all_dtypes()) {
        const QByteArray name = dtype_name(dtype).toLatin1();
        QTest::newRow(name + " 0-d") << dtype << Shape{};
        QTest::newRow(name + " 1-d") << dtype << Shape{5};
        QTest::newRow(name + " 3-d") << dtype << Shape{2, 3, 4};
        QTest::newRow(name + " empty") << dtype << Shape{0, 3};
    }
}

void TestNdArray::roundTrip()
{
    QFETCH(DType, dtype);
    QFETCH(Shape, shape);
    const NdArray array = pattern(dtype, shape);
    const QByteArray blob = adapt_array(array);
    const NdArray back = convert_array(blob);
    QCOMPARE(back.dtype(), dtype);
    QCOMPARE(back.shape(), shape);
    QCOMPARE(back, array);
    // A view converts as the rows it shows.
    if (!shape.empty() && shape.front() > 1)
        QCOMPARE(convert_array(adapt_array(array.row_range(1, 2))), array.row_range(1, 2));
}

void TestNdArray::headerIsNumpys()
{
    const QByteArray header = npy::header_bytes(DType::Float32, {12});
    QCOMPARE(header.size(), 128);
    const char start[] = "\x93NUMPY\x01\x00\x76\x00{'descr': '<f4', 'fortran_order': False, 'shape': (12,), }";
    QVERIFY(header.startsWith(QByteArray(start, sizeof start - 1)));
    QVERIFY(header.endsWith(" \n"));
    // The first extent is padded to a fixed width, so every chunk of an
    // array has the same header length.
    QCOMPARE(npy::header_bytes(DType::Float32, {std::numeric_limits<std::int64_t>::max() / 8, 2}).size(),
             npy::header_bytes(DType::Float32, {1, 2}).size());
}

// Blobs written by numpy: every element type, versions 1.0 to 3.0, Fortran
// order, big-endian data. Those numpy wrote in version 1.0, C order and
// little-endian come out of adapt_array byte for byte.
void TestNdArray::numpySeeds()
{
    const QDir seeds(QStringLiteral(KELVRA_NPY_SEEDS));
    const QStringList files = seeds.entryList({QStringLiteral("*.npy")});
    QVERIFY(files.size() >= 30);
    for (const QString &file : files) {
        QFile in(seeds.filePath(file));
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray blob = in.readAll();
        // v1-c-float32-2x3x4.npy: version, layout, element type, extents.
        const QStringList parts = file.chopped(4).split(QLatin1Char('-'));
        const NdArray expected = pattern(kelvra::test::dtype_named(parts[2]), kelvra::test::shape_named(parts[3]));
        const NdArray array = convert_array(blob);
        QVERIFY2(array == expected, qPrintable(file + QStringLiteral(": ") + array.to_text()));
        if (parts[0] == QLatin1String("v1") && parts[1] == QLatin1String("c"))
            QVERIFY2(adapt_array(array) == blob, qPrintable(file));
    }
}

void TestNdArray::booleansNormalised()
{
    const NdArray array = convert_array(npy_blob("{'descr': '|b1', 'fortran_order': False, 'shape': (3,), }\n",
                                            QByteArray("\x00\x02\xff", 3)));
    QCOMPARE(array, pattern(DType::Bool, {3}).row_range(0, 3));
    QCOMPARE(array.to_text(), QStringLiteral("[False, True, True]"));
    QCOMPARE(int(array.bytes()[2]), 1);
}

void TestNdArray::malformed_data()
{
    QTest::addColumn<QByteArray>("blob");
    QTest::addColumn<QString>("message");
    const QByteArray f4 = "{'descr': '<f4', 'fortran_order': False, 'shape': (3,), }";
    auto header = [](const QByteArray &descr, const QByteArray &fortran, const QByteArray &shape) {
        return "{'descr': " + descr + ", 'fortran_order': " + fortran + ", 'shape': " + shape + ", }";
    };
    QByteArray valid = npy_blob(f4, floats(3));

    QTest::newRow("empty") << QByteArray() << "0 bytes are too short";
    QTest::newRow("short") << valid.left(9) << "9 bytes are too short";
    QTest::newRow("magic") << QByteArray(valid).replace(1, 1, "X") << "bad magic";
    QTest::newRow("version 4") << QByteArray(valid).replace(6, 1, "\x04") << "unsupported .npy version 4.0";
    QTest::newRow("version 1.1") << QByteArray(valid).replace(7, 1, "\x01") << "unsupported .npy version 1.1";
    QTest::newRow("version 2 short") << npy_blob(f4, {}, 2).left(11) << "11 bytes are too short";
    QTest::newRow("header past end") << npy_blob(f4).left(40) << "header length 57 runs past the end of the blob of 40 bytes";
    QTest::newRow("header too long") << npy_blob(QByteArray(20000, ' '), {}, 2) << "header length 20000 exceeds the limit";
    QTest::newRow("not a dict") << npy_blob("[1, 2]") << "expected '{' at offset 0";
    QTest::newRow("missing comma") << npy_blob("{'descr': '<f4' 'shape': (3,)}") << "expected '}' at offset 16";
    QTest::newRow("unterminated text") << npy_blob("{'descr': '<f4") << "unterminated text";
    QTest::newRow("escape") << npy_blob("{'de\\x73cr': '<f4'}") << "unsupported character";
    QTest::newRow("lacks shape") << npy_blob("{'descr': '<f4', 'fortran_order': False}") << "lacks the key 'shape'";
    QTest::newRow("lacks descr") << npy_blob("{'fortran_order': False, 'shape': ()}") << "lacks the key 'descr'";
    QTest::newRow("duplicate") << npy_blob("{'descr': '<f4', 'descr': '<f4'}") << "duplicate key 'descr'";
    QTest::newRow("extra key") << npy_blob("{'descr': '<f4', 'fortran_order': False, 'shape': (3,), 'x': 1}")
                               << "unexpected key 'x'";
    QTest::newRow("text after") << npy_blob(f4 + " 1\n", floats(3)) << "unexpected text after the header dictionary";
    QTest::newRow("fortran 1") << npy_blob(header("'<f4'", "1", "(3,)")) << "fortran_order is not True or False";
    QTest::newRow("shape not tuple") << npy_blob(header("'<f4'", "False", "(3)")) << "the shape is not a tuple";
    QTest::newRow("shape list") << npy_blob(header("'<f4'", "False", "[3]")) << "expected '(' at offset";
    QTest::newRow("negative extent") << npy_blob(header("'<f4'", "False", "(-3,)")) << "negative extent";
    QTest::newRow("leading zero") << npy_blob(header("'<f4'", "False", "(03,)")) << "leading zero";
    QTest::newRow("extent overflow") << npy_blob(header("'<f4'", "False", "(99999999999999999999,)"))
                                     << "overflows 64 bits";
    QByteArray axes = "(";
    for (int i = 0; i < 33; ++i)
        axes += "1, ";
    QTest::newRow("33 axes") << npy_blob(header("'<f4'", "False", axes + ")")) << "more than 32 axes";
    QTest::newRow("bytes overflow") << npy_blob(header("'<f8'", "False", "(4611686018427387904, 4)"))
                                    << "the byte count of shape (4611686018427387904, 4) of float64 overflows";
    QTest::newRow("unicode type") << npy_blob(header("'<U10'", "False", "(3,)")) << "unsupported element type '<U10'";
    QTest::newRow("object type") << npy_blob(header("'|O'", "False", "(3,)")) << "object element type '|O'";
    QTest::newRow("structured") << npy_blob(header("[('a', '<f4')]", "False", "(3,)")) << "structured element types";
    QTest::newRow("no byte order") << npy_blob(header("'|f4'", "False", "(3,)")) << "lacks its byte order";
    QTest::newRow("short data") << npy_blob(f4, floats(3).left(10))
                                << "10 data bytes do not match shape (3,) of float32, which needs 12";
    QTest::newRow("trailing data") << npy_blob(f4, floats(4))
                                   << "16 data bytes do not match shape (3,) of float32, which needs 12";
}

void TestNdArray::malformed()
{
    QFETCH(QByteArray, blob);
    QFETCH(QString, message);
    try {
        convert_array(blob);
        QFAIL("accepted");
    } catch (const ValueError &error) {
        QVERIFY2(error_text(error).startsWith(QStringLiteral("invalid .npy blob: ")), error.what());
        QVERIFY2(error_text(error).contains(message), error.what());
    }
}

void TestNdArray::tooManyAxesToStore()
{
    QVERIFY_EXCEPTION_THROWN(adapt_array(NdArray(DType::Int8, Shape(33, 1))), ValueError);
    QCOMPARE(convert_array(adapt_array(NdArray(DType::Int8, Shape(32, 1)))).ndim(), 32);
}

KELVRA_TEST_APPLESS_MAIN(TestNdArray)
#include "tst_ndarray.moc"
