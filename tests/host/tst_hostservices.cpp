// The host services every library calls: number parsing, the error handler,
// the configuration store, translation, icons, actions, the ordered property
// map and the diagnostic print.

#include "host/config.h"
#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/functions.h"
#include "host/icon_manager.h"
#include "host/logging.h"
#include "host/ndarray.h"
#include "host/propertymap.h"
#include "host/qthelpers.h"
#include "host/sqlite_array.h"
#include "host/translation.h"

#include "testmain.h"
#include "testsupport.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <functional>

using namespace kelvra;

class TestHostServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void text_to_double_converts_data();
    void text_to_double_converts();
    void text_to_double_refuses_data();
    void text_to_double_refuses();
    void text_to_double_ignores_the_locale();
    void double_to_text_is_shortest();
    void guarded_hands_errors_to_the_handler();
    void config_persists_in_its_file();
    void language_follows_the_configuration();
    void translation_of_the_shipped_language();
    void host_library_refuses_in_the_interface_language();
    void every_catalogue_entry_is_translated();
    void icons_are_never_null();
    void actions_and_menus();
    void property_map_keeps_insertion_order();
    void property_map_finds_every_name_after_changes();
    void myprint_writes_one_line();
    void runs_without_a_window_log_warnings_only();
    void cwd_or_home();

private:
    QTemporaryDir m_dir;
};

void TestHostServices::initTestCase()
{
    QVERIFY(m_dir.isValid());
    CONF.set_path(m_dir.filePath(QStringLiteral("kelvra.ini")));
}

void TestHostServices::text_to_double_converts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("spaces around") << "  1.5 \t" << 1.5;
    QTest::newRow("plus sign") << "+2" << 2.0;
    QTest::newRow("minus and exponent") << "-3e2" << -300.0;
    QTest::newRow("capital exponent") << "1E-3" << 0.001;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("inf") << "inf" << qInf();
    QTest::newRow("signed infinity") << "-Infinity" << -qInf();
    QTest::newRow("INF") << "INF" << qInf();
    QTest::newRow("overflow") << "1e999" << qInf();
    QTest::newRow("underflow") << "1.5e-999" << 0.0;
}

void TestHostServices::text_to_double_converts()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(text_to_double(text), value);
}

void TestHostServices::text_to_double_refuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("decimal comma") << "0,5";
    QTest::newRow("word") << "abc";
    QTest::newRow("bare exponent") << "1e";
    QTest::newRow("two signs") << "+-1";
    QTest::newRow("two numbers") << "1 2";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("partial word") << "infinit";
    QTest::newRow("nan payload") << "nan(1)";
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0663");
}

void TestHostServices::text_to_double_refuses()
{
    QFETCH(QString, text);
    QVERIFY_EXCEPTION_THROWN(text_to_double(text), ConversionError);
}

void TestHostServices::text_to_double_ignores_the_locale()
{
    QVERIFY(std::isnan(text_to_double(QStringLiteral("NaN"))));
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char *c_locale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // may be missing; Qt's part still runs
    QCOMPARE(text_to_double(QStringLiteral("0.5")), 0.5);
    QCOMPARE(text_to_double(QStringLiteral("1.5e-999")), 0.0);
    QVERIFY_EXCEPTION_THROWN(text_to_double(QStringLiteral("0,5")), ConversionError);
    if (c_locale)
        std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(before);
}

void TestHostServices::double_to_text_is_shortest()
{
    QCOMPARE(double_to_text(2.5), QStringLiteral("2.5"));
    QCOMPARE(double_to_text(0.1), QStringLiteral("0.1"));
    QCOMPARE(text_to_double(double_to_text(1.0 / 3.0)), 1.0 / 3.0);
}

void TestHostServices::guarded_hands_errors_to_the_handler()
{
    test::ErrorRecorder recorder;
    bool after = false;
    guarded([&] {
        throw ValueError(QStringLiteral("Unknown value"));
        after = true;
    });
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("Unknown value")});
    QVERIFY(!after);

    // Through a connection: the slot's error never reaches the event loop.
    QPushButton button;
    connect_guarded(&button, &QPushButton::clicked, &button,
                    [] { throw LookupError(QStringLiteral("no property 'B'")); });
    button.click();
    QCOMPARE(recorder.messages.last(), QStringLiteral("no property 'B'"));

    // A handler that fails itself does not turn the report into a crash.
    const ErrorHandler previous = set_error_handler([](const std::exception &) {
        throw std::runtime_error("handler broke");
    });
    report_error(ValueError(QStringLiteral("x")));
    set_error_handler(previous);
}

void TestHostServices::config_persists_in_its_file()
{
    QCOMPARE(CONF.get(QStringLiteral("viewer"), QStringLiteral("missing"), 7).toInt(), 7);
    CONF.set(QStringLiteral("viewer"), QStringLiteral("background"), QStringLiteral("#102030"));
    QCOMPARE(CONF.path(), m_dir.filePath(QStringLiteral("kelvra.ini")));

    // A second store on the same file sees the value: it was written at once.
    UserConfig other;
    other.set_path(CONF.path());
    QCOMPARE(other.get(QStringLiteral("viewer"), QStringLiteral("background")).toString(),
             QStringLiteral("#102030"));
}

void TestHostServices::language_follows_the_configuration()
{
    QVERIFY(available_languages().contains(QStringLiteral("de")));
    QCOMPARE(available_languages().first(), QStringLiteral("en"));
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("de"));
    QCOMPARE(load_lang_conf(), QStringLiteral("de"));
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("en"));
    QCOMPARE(load_lang_conf(), QStringLiteral("en"));
    // A language that does not ship falls back to one that does (LC_ALL=C: English).
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("xx"));
    QVERIFY(available_languages().contains(load_lang_conf()));
}

void TestHostServices::translation_of_the_shipped_language()
{
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("de"));
    QCOMPARE(load_translations(), QStringLiteral("de"));
    QCOMPARE(_("Cancel"), QStringLiteral("Abbrechen"));
    QCOMPARE(_(QStringLiteral("Select file")), QStringLiteral("Datei auswählen"));
    QCOMPARE(_("a text nobody translated"), QStringLiteral("a text nobody translated"));
    // Qt's own buttons and choosers speak German too: Qt's catalogue
    // (qttranslations5-l10n) is installed and found.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("Speichern"));

    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("en"));
    QCOMPARE(load_translations(), QStringLiteral("en"));
    QCOMPARE(_("Cancel"), QStringLiteral("Cancel"));
}

void TestHostServices::host_library_refuses_in_the_interface_language()
{
    const test::InterfaceLanguageScope german(QStringLiteral("de"));
    const auto refusal = [](const std::function<void()> &fn) {
        try {
            fn();
        } catch (const std::exception &error) {
            return error_text(error);
        }
        return QStringLiteral("accepted");
    };
    QCOMPARE(refusal([] { NdArray::concatenate({}); }),
             QStringLiteral("zum Verketten wird mindestens ein Feld gebraucht"));
    QCOMPARE(refusal([] { convert_array(QByteArray("\x93NUMPY\x09\x00", 8) + QByteArray(120, ' ')); }),
             QStringLiteral("ungültiger .npy-Blob: nicht unterstützte .npy-Version 9.0"));
    QCOMPARE(refusal([] { text_to_double(QStringLiteral("1,5")); }),
             QStringLiteral("der Text „1,5“ lässt sich nicht in eine Gleitkommazahl umwandeln"));
}

// Every message of every shipped catalogue has a translation that keeps the
// placeholders of its English text: an untranslated entry would show
// English, a lost %1 the wrong text.
void TestHostServices::every_catalogue_entry_is_translated()
{
    const QDir folder(QStringLiteral(KELVRA_TRANSLATIONS_DIR));
    const QStringList catalogues = folder.entryList({QStringLiteral("*.ts")}, QDir::Files);
    QVERIFY(!catalogues.isEmpty());
    const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    const auto placeholders = [&placeholder](const QString &text) {
        QStringList found;
        for (auto match = placeholder.globalMatch(text); match.hasNext();)
            found << match.next().captured();
        found.removeDuplicates();
        found.sort();
        return found;
    };
    for (const QString &name : catalogues) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader ts(&file);
        QString id;
        int messages = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (ts.name() == QLatin1String("message")) {
                id = ts.attributes().value(QLatin1String("id")).toString();
                ++messages;
            } else if (ts.name() == QLatin1String("translation")) {
                const QString type = ts.attributes().value(QLatin1String("type")).toString();
                const QString translation = ts.readElementText(QXmlStreamReader::IncludeChildElements);
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                    continue;
                QVERIFY2(type != QLatin1String("unfinished") && !translation.isEmpty(),
                         qPrintable(QStringLiteral("%1: \"%2\" is not translated").arg(name, id)));
                QVERIFY2(placeholders(translation) == placeholders(id),
                         qPrintable(QStringLiteral("%1: \"%2\" has other placeholders in \"%3\"")
                                        .arg(name, id, translation)));
            }
        }
        QVERIFY2(!ts.hasError(), qPrintable(name + QStringLiteral(": ") + ts.errorString()));
        QVERIFY2(messages > 0, qPrintable(name));
    }
}

void TestHostServices::icons_are_never_null()
{
    for (const char *name : {"configure", "DirOpenIcon", "FileIcon", "grab_object"}) {
        const QIcon icon = ima::icon(QString::fromLatin1(name));
        QVERIFY2(!icon.isNull(), name);
        QVERIFY2(!icon.pixmap(16, 16).isNull(), name);
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no icon named")));
    QVERIFY(!ima::icon(QStringLiteral("no-such-icon")).isNull());
}

void TestHostServices::actions_and_menus()
{
    test::ErrorRecorder recorder;
    QMenu menu;
    int calls = 0;
    QAction *counting = create_action(&menu, QStringLiteral("Count"), [&calls] { ++calls; });
    QAction *failing = create_action(&menu, QStringLiteral("Fail"),
                                     [] { throw ValueError(QStringLiteral("refused")); });
    QAction *plain = create_action(&menu, QStringLiteral("Plain"));
    QCOMPARE(counting->parent(), &menu);
    QCOMPARE(counting->text(), QStringLiteral("Count"));

    add_actions(&menu, {counting, nullptr, failing, plain});
    const QList<QAction *> shown = menu.actions();
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown[0], counting);
    QVERIFY(shown[1]->isSeparator());
    QCOMPARE(shown[2], failing);
    QCOMPARE(shown[3], plain);

    counting->trigger();
    failing->trigger();
    plain->trigger();
    QCOMPARE(calls, 1);
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("refused")});
}

void TestHostServices::property_map_keeps_insertion_order()
{
    PropertyMap map;
    map.insert(QStringLiteral("Z"), test::array({3}));
    map.insert(QStringLiteral("A"), test::array({1}));
    map.insert(QStringLiteral("M"), test::array({2}));
    map.insert(QStringLiteral("Z"), test::array({4, 5}));
    QCOMPARE(map.keys(), (QStringList{"Z", "A", "M"}));
    QCOMPARE(map.value(QStringLiteral("Z")), test::array({4, 5}));
    QVERIFY(map.contains(QStringLiteral("A")));
    QVERIFY(!map.contains(QStringLiteral("a")));
    QVERIFY_EXCEPTION_THROWN(map.value(QStringLiteral("B")), LookupError);

    map.rename(QStringLiteral("A"), QStringLiteral("B"));
    QCOMPARE(map.keys(), (QStringList{"Z", "B", "M"}));
    QVERIFY_EXCEPTION_THROWN(map.rename(QStringLiteral("B"), QStringLiteral("M")), ValueError);
    QVERIFY_EXCEPTION_THROWN(map.rename(QStringLiteral("A"), QStringLiteral("C")), LookupError);
    map.remove(QStringLiteral("Z"));
    QVERIFY_EXCEPTION_THROWN(map.remove(QStringLiteral("Z")), LookupError);
    QCOMPARE(map.keys(), (QStringList{"B", "M"}));
    QCOMPARE(map.value(QStringLiteral("B")), test::array({1}));

    // A writable array is the map's own: a copy made earlier keeps its values.
    const PropertyMap copy = map;
    map.writable(QStringLiteral("B")).data<double>()[0] = 9;
    QCOMPARE(copy.value(QStringLiteral("B")), test::array({1}));
    QCOMPARE(map.value(QStringLiteral("B")), test::array({9}));
    QVERIFY(map.value(QStringLiteral("M")).shares_storage(copy.value(QStringLiteral("M"))));
}

void TestHostServices::property_map_finds_every_name_after_changes()
{
    PropertyMap map;
    for (int i = 0; i < 6; ++i)
        map.insert(QStringLiteral("p%1").arg(i), test::array({double(i)}));
    map.remove(QStringLiteral("p2"));
    map.rename(QStringLiteral("p4"), QStringLiteral("four"));
    map.insert(QStringLiteral("p2"), test::array({20}));  // a new one, at the end
    map.insert(QStringLiteral("p5"), test::array({50}));  // replaced in its place
    map.insert(QStringLiteral("p4"), test::array({40}));  // the old name is free
    QCOMPARE(map.keys(), (QStringList{"p0", "p1", "p3", "four", "p5", "p2", "p4"}));
    const std::pair<const char *, double> expected[] = {{"p0", 0}, {"p1", 1}, {"p3", 3}, {"four", 4},
                                                        {"p5", 50}, {"p2", 20}, {"p4", 40}};
    for (const auto &[name, value] : expected)
        QCOMPARE(map.value(QLatin1String(name)), test::array({value}));
    QVERIFY(!map.contains(QStringLiteral("p6")));
    QCOMPARE(map.size(), 7);
}

void TestHostServices::myprint_writes_one_line()
{
    QTest::ignoreMessage(QtInfoMsg, "current tab index is 2");
    myprint(QStringLiteral("current tab index is "), 2);
    QTest::ignoreMessage(QtInfoMsg, "current viewer items (a, b)");
    myprint(QStringLiteral("current viewer items "), QStringList{"a", "b"});
}

void TestHostServices::runs_without_a_window_log_warnings_only()
{
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context,
                                                                const QString &text) {
        logged << QStringLiteral("%1: %2").arg(QLatin1String(context.category), text);
    });
    log_warnings_only();
    myprint(QStringLiteral("current tab index is "), 2);
    qCInfo(lcChunkcut) << "input array size = 3";
    qCDebug(lcHost) << "a detail";
    qCWarning(lcHost) << "a warning";
    qCWarning(lcChunkcut) << "a storage warning";
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    QCOMPARE(logged, (QStringList{"kelvra.host: a warning", "kelvra.chunkcut: a storage warning"}));
}

void TestHostServices::cwd_or_home()
{
    QCOMPARE(getcwd_or_home(), QDir::currentPath());
    QCOMPARE(to_text_string(QStringLiteral(" as is ")), QStringLiteral(" as is "));

    const QString start = QDir::currentPath();
    QTemporaryDir gone;
    QVERIFY(QDir::setCurrent(gone.path()));
    QVERIFY(gone.remove());
    QCOMPARE(getcwd_or_home(), QDir::homePath());
    QVERIFY(QDir::setCurrent(start));
}

KELVRA_TEST_MAIN(TestHostServices)
#include "tst_hostservices.moc"
