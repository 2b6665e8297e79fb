// The constants, and the two environment variables as they were when the
// library was loaded. CTest runs this program three times: with the
// variables unset, set to empty texts, and set to texts full of separators;
// the first argument says which.

#include "utils/basedefs.h"

#include "testmain.h"

#include <QtTest>

#include <algorithm>

using namespace kelvra;

class TestBasedefs : public QObject
{
    Q_OBJECT
public:
    explicit TestBasedefs(QString mode) : m_mode(std::move(mode)) {}

private Q_SLOTS:
    void constants();
    void environment_read_at_load();

private:
    QString m_mode;
};

void TestBasedefs::constants()
{
    QCOMPARE(DEFAULT_PROPERTY_NAMES.size(), size_t(18));
    QCOMPARE(DEFAULT_PROPERTY_NAMES[3], std::string_view("A"));
    QCOMPARE(DEFAULT_PROPERTY_NAMES.back(), std::string_view("O"));
    QVERIFY(std::equal(COORDINATE_PROPERTY_NAMES.begin(), COORDINATE_PROPERTY_NAMES.end(),
                       DEFAULT_PROPERTY_NAMES.begin()));

    const auto delimiter = [](std::string_view key) -> std::string_view {
        for (const auto &[name, character] : DELIMITER2CHAR) {
            if (name == key)
                return character;
        }
        return {};
    };
    QCOMPARE(delimiter("comma"), std::string_view(","));
    QCOMPARE(delimiter(","), std::string_view(","));
    QCOMPARE(delimiter("space"), std::string_view(" "));
    QCOMPARE(delimiter(" "), std::string_view(" "));
    QCOMPARE(delimiter("tab"), std::string_view());
    QCOMPARE(DELIMITER2CHAR[0].first, std::string_view("comma"));

    const auto tsurface = std::find(GEOMETRY_TYPES.begin(), GEOMETRY_TYPES.end(), "Tsurface");
    const auto gsurface = std::find(GEOMETRY_TYPES.begin(), GEOMETRY_TYPES.end(), "Gsurface");
    QVERIFY(tsurface < gsurface);
    QCOMPARE(GEOMETRY_TYPES.back(), std::string_view("Survey"));
    QCOMPARE(FILTER_ALL_FILES, std::string_view(";;All files (*)"));
    QCOMPARE(SQLITE_LIMIT_LENGTH, std::int64_t(1000000000));
    QCOMPARE(LMT_LST_DELTA, std::chrono::microseconds(1000000));
    QVERIFY(!NCORE || *NCORE > 0);
}

void TestBasedefs::environment_read_at_load()
{
    // Later changes to the environment do not reach the constants.
    qputenv("JAVASEIS_DATA_HOME", "/changed/later");
    qputenv("JAVASEIS_DATA_SECONDARIES", "/changed/later");

    QCOMPARE(JAVASEIS_DATA_SECONDARIES.size(), size_t(1));
    if (m_mode == QLatin1String("unset")) {
        QVERIFY(!JAVASEIS_DATA_HOME.has_value());
        QVERIFY(!JAVASEIS_DATA_SECONDARIES[0].has_value());
    } else if (m_mode == QLatin1String("empty")) {
        QVERIFY(JAVASEIS_DATA_HOME.has_value());
        QCOMPARE(*JAVASEIS_DATA_HOME, std::string());
        QCOMPARE(JAVASEIS_DATA_SECONDARIES[0].value_or("absent"), std::string());
    } else {
        QCOMPARE(JAVASEIS_DATA_HOME.value_or("absent"), std::string("/data/js"));
        QCOMPARE(JAVASEIS_DATA_SECONDARIES[0].value_or("absent"),
                 std::string("/a:/b, /c d;/e"));
    }
}

int main(int argc, char **argv)
{
    // The first argument selects the expected environment; QtTest gets the rest.
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("unset");
    if (argc > 1) {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    kelvra::test::FailingOnExceptions<TestBasedefs> test(mode);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_basedefs.moc"
