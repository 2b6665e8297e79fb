// Property scripts on their own: what becomes a property and how, what the
// script sees, and that arrays cross between the host and numpy without
// copies.

#include "app/script/propertyscript.h"

#include "host/errors.h"

#include "testmain.h"
#include "testsupport.h"

#include <QtTest>

#include <signal.h>

#include <limits>
#include <thread>

using namespace kelvra;
using namespace kelvra::app;

namespace {

PropertyMap well()
{
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), test::array({1, 2, 3}));
    prop.insert(QStringLiteral("Y"), test::array({4, 5, 6}));
    prop.insert(QStringLiteral("Z"), test::array({7, 8, 9}));
    prop.insert(QStringLiteral("vint"), test::array({1800, 2000, 2500}));
    prop.insert(QStringLiteral("two way time"), NdArray::from_values(std::vector<float>{0.5f, 1.0f, 1.5f}));
    return prop;
}

// The results as "name dtype values" lines.
QStringList results_of(const PropertyScript &script)
{
    QStringList lines;
    for (const auto &[name, values] : script.results())
        lines << QStringLiteral("%1 %2 %3").arg(name, values.dtype_name(), values.to_text());
    return lines;
}

QString run(PropertyScript &script)
{
    Progress progress;
    try {
        script.run(progress);
    } catch (const ScriptError &error) {
        return error_text(error);
    }
    return {};
}

} // namespace

class TestPropertyScript : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void results_in_order_with_their_types();
    void the_scripts_own_names_are_ignored();
    void arrays_are_shared_not_copied();
    void refused_values_are_named();
    void none_is_refused_by_name();
    void refusals_are_in_the_interface_language();
    void results_over_mapped_files_get_memory_of_their_own();
    void scripts_leave_the_signal_handlers_alone();
    void script_files_are_read_as_python_reads_them();
    void unsigned_values_keep_type_and_value();
    void a_cancel_the_script_catches_is_repeated();
};

void TestPropertyScript::results_in_order_with_their_types()
{
    PropertyScript script(QStringLiteral("well"),
                          QStringLiteral("import numpy as np\n"
                                         "count = 3\n"
                                         "props['twt ms'] = props['two way time'] * np.float32(1000)\n"
                                         "fast = vint > 1900\n"
                                         "half = 0.5\n"
                                         "count = np.arange(3, dtype=np.int16)\n"
                                         "vint = vint.astype(np.float32)\n"
                                         "props['two way time'] = props['two way time'] * 2\n"),
                          well());
    QCOMPARE(run(script), QString());
    QCOMPARE(results_of(script),
             (QStringList{"vint float32 [1800.0, 2000.0, 2500.0]", "two way time float32 [1.0, 2.0, 3.0]",
                          "count int16 [0, 1, 2]", "twt ms float32 [500.0, 1000.0, 1500.0]",
                          "fast bool [False, True, True]", "half float64 [0.5, 0.5, 0.5]"}));
}

void TestPropertyScript::the_scripts_own_names_are_ignored()
{
    PropertyScript script(QStringLiteral("well"),
                          QStringLiteral("import math\n"
                                         "from numpy import log10\n"
                                         "_scratch = [1, 2]\n"
                                         "def f(x):\n    return x\n"
                                         "class Helper:\n    pass\n"
                                         "vint = vint\n"
                                         "props['vint'] = props['vint']\n"
                                         "print('seen:', sorted(props))\n"),
                          well());
    QCOMPARE(run(script), QString());
    QVERIFY(script.results().empty());
    QCOMPARE(script.output(), QStringLiteral("seen: ['X', 'Y', 'Z', 'two way time', 'vint']\n"));
}

void TestPropertyScript::arrays_are_shared_not_copied()
{
    const PropertyMap properties = well();
    PropertyScript script(QStringLiteral("well"),
                          QStringLiteral("import numpy as np\n"
                                         "seen_at = vint.ctypes.data\n"
                                         "made = np.arange(3.0)\n"
                                         "made_at = made.ctypes.data\n"
                                         "alias = vint\n"
                                         "made_too = made\n"),
                          properties);
    QCOMPARE(run(script), QString());
    QCOMPARE(script.results().size(), std::size_t(5));
    const auto result = [&script](int i) { return script.results()[std::size_t(i)].second; };
    QCOMPARE(result(0).data<std::int64_t>()[0], std::int64_t(properties.value("vint").bytes()));
    QCOMPARE(result(2).data<std::int64_t>()[0], std::int64_t(result(1).bytes()));
    // A result that is another property, or another result, gets values of
    // its own.
    QCOMPARE(result(3), properties.value("vint"));
    QVERIFY(result(3).bytes() != properties.value("vint").bytes());
    QCOMPARE(result(4), result(1));
    QVERIFY(result(4).bytes() != result(1).bytes());

    // The views are read-only: numpy refuses a change in place.
    PropertyScript in_place(QStringLiteral("well"), QStringLiteral("vint *= 2\n"), properties);
    QVERIFY(run(in_place).contains(QStringLiteral("ValueError: output array is read-only")));
    QCOMPARE(properties.value("vint"), test::array({1800, 2000, 2500}));
}

void TestPropertyScript::refused_values_are_named()
{
    const struct
    {
        const char *script;
        const char *reason;
    } cases[] = {
        {"label = 'fast'\n", "'label' holds a str"},
        {"props['wave'] = vint * 1j\n", "'wave' holds complex numbers"},
        {"vint = vint * 2\nprops['vint'] = vint + 1\n", "'vint' was given one value as a variable and another in props"},
        {"x = (\n", "File \"<script>\", line 1"},
    };
    for (const auto &refused : cases) {
        PropertyScript script(QStringLiteral("well"), QString::fromUtf8(refused.script), well());
        const QString message = run(script);
        QVERIFY2(message.contains(QString::fromUtf8(refused.reason)), qPrintable(message));
        QVERIFY(script.results().empty());
    }
}

void TestPropertyScript::none_is_refused_by_name()
{
    for (const char *source : {"fast = vint > 1900\nordered = vint.copy().sort()\n",
                               "fast = vint > 1900\nprops['ordered'] = None\n"}) {
        PropertyScript script(QStringLiteral("well"), QString::fromUtf8(source), well());
        const QString message = run(script);
        QVERIFY2(message.contains(QStringLiteral("'ordered' is None")), qPrintable(message));
        QVERIFY(script.results().empty());
    }
}

void TestPropertyScript::refusals_are_in_the_interface_language()
{
    const test::InterfaceLanguageScope german(QStringLiteral("de"));
    PropertyScript script(QStringLiteral("well"), QStringLiteral("props['fast'] = vint[:2]\n"), well());
    QCOMPARE(run(script), QStringLiteral("Das Skript auf „well“ hat nichts geändert:\n„fast“ enthält 2 Werte für 3 Knoten"));
    QVERIFY(script.results().empty());
}

void TestPropertyScript::results_over_mapped_files_get_memory_of_their_own()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("values.bin"));
    const std::vector<double> values{3.5, -1.0, 2e10};
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(values.data()), qint64(values.size() * sizeof(double)));
    file.close();

    PropertyScript script(QStringLiteral("well"),
                          QStringLiteral("import mmap\n"
                                         "import numpy as np\n"
                                         "mapped = np.memmap(%1, dtype=np.float64, mode='r')\n"
                                         "_file = open(%1, 'rb')\n"
                                         "over_mmap = np.frombuffer(mmap.mmap(_file.fileno(), 0, access=mmap.ACCESS_READ),"
                                         " dtype=np.float64)\n"
                                         "part = np.asarray(mapped)[::-1]\n")
                              .arg(QStringLiteral("'%1'").arg(path)),
                          well());
    QCOMPARE(run(script), QString());
    QCOMPARE(script.results().size(), std::size_t(3));
    // The file shrinks to nothing: properties still over it would die of
    // a bus error when read.
    QVERIFY(QFile::resize(path, 0));
    QCOMPARE(script.results()[0].second, NdArray::from_values(values));
    QCOMPARE(script.results()[1].second, NdArray::from_values(values));
    QCOMPARE(script.results()[2].second, NdArray::from_values(std::vector<double>{2e10, -1.0, 3.5}));
}

namespace {

extern "C" void ignore_signal(int) {}

} // namespace

void TestPropertyScript::scripts_leave_the_signal_handlers_alone()
{
    // SIGINT as a program finds it at start, SIGTERM with a handler of the
    // program's own.
    struct sigaction as_default {}, own {}, now {};
    as_default.sa_handler = SIG_DFL;
    own.sa_handler = ignore_signal;
    QCOMPARE(sigaction(SIGINT, &as_default, nullptr), 0);
    QCOMPARE(sigaction(SIGTERM, &own, nullptr), 0);
    PropertyScript script(QStringLiteral("well"),
                          QStringLiteral("import signal, subprocess\n"
                                         "try:\n"
                                         "    signal.signal(signal.SIGINT, signal.default_int_handler)\n"
                                         "except ValueError:\n"
                                         "    pass\n"
                                         "import ctypes\n"
                                         "_libc = ctypes.CDLL(None)\n"
                                         "_libc.signal(signal.SIGTERM, ctypes.c_void_p(1))\n"
                                         "_libc.signal(signal.SIGINT, ctypes.c_void_p(1))\n"),
                          well());
    QCOMPARE(run(script), QString());
    QCOMPARE(sigaction(SIGINT, nullptr, &now), 0);
    QVERIFY(now.sa_handler == SIG_DFL);
    QCOMPARE(sigaction(SIGTERM, nullptr, &now), 0);
    QVERIFY(now.sa_handler == ignore_signal);
    signal(SIGTERM, SIG_DFL);
}

void TestPropertyScript::script_files_are_read_as_python_reads_them()
{
    // "porosité" in Latin-1: the é is the single byte 0xe9.
    const QByteArray latin1_line("props['porosit\xe9 2'] = vint * 0.5\n");
    PropertyScript undeclared(QStringLiteral("well"), ScriptFileBytes{"fast = vint > 1900\n" + latin1_line},
                              well());
    const QString message = run(undeclared);
    QVERIFY2(message.contains(QStringLiteral("line 2")) && message.contains(QStringLiteral("utf-8")),
             qPrintable(message));
    QVERIFY(undeclared.results().empty());

    PropertyScript declared(QStringLiteral("well"),
                            ScriptFileBytes{"# -*- coding: latin-1 -*-\n" + latin1_line}, well());
    QCOMPARE(run(declared), QString());
    QCOMPARE(results_of(declared), QStringList{QStringLiteral("porosit\u00e9 2 float64 [900.0, 1000.0, 1250.0]")});

    // UTF-8, with the byte order mark some editors write.
    PropertyScript utf8(QStringLiteral("well"),
                        ScriptFileBytes{"\xef\xbb\xbfprops['porosit\xc3\xa9 2'] = vint * 0.5\nprint('\xc3\xa9')\n"},
                        well());
    QCOMPARE(run(utf8), QString());
    QCOMPARE(results_of(utf8), QStringList{QStringLiteral("porosit\u00e9 2 float64 [900.0, 1000.0, 1250.0]")});
    QCOMPARE(utf8.output(), QStringLiteral("\u00e9\n"));
}

void TestPropertyScript::unsigned_values_keep_type_and_value()
{
    constexpr std::uint64_t u64max = std::numeric_limits<std::uint64_t>::max();
    PropertyMap prop = well();
    prop.insert(QStringLiteral("u8"), NdArray::from_values(std::vector<std::uint8_t>{0, 200, 255}));
    prop.insert(QStringLiteral("u16"), NdArray::from_values(std::vector<std::uint16_t>{0, 40000, 65535}));
    prop.insert(QStringLiteral("u32"), NdArray::from_values(std::vector<std::uint32_t>{0, 3000000000u, 4294967295u}));
    prop.insert(QStringLiteral("u64"),
                NdArray::from_values(std::vector<std::uint64_t>{0, (std::uint64_t(1) << 63) + 5, u64max}));
    PropertyScript script(QStringLiteral("well"),
                          QStringLiteral("import numpy as np\n"
                                         "for _name in ('u8', 'u16', 'u32', 'u64'):\n"
                                         "    print(_name, props[_name].dtype, [int(v) for v in props[_name]])\n"
                                         "r8 = u8[::-1].copy()\n"
                                         "r16 = np.array([65535, 32768, 1], dtype=np.uint16)\n"
                                         "r32 = u32 // np.uint32(1)\n"
                                         "r64 = np.array([18446744073709551615, 9223372036854775813, 7], dtype=np.uint64)\n"
                                         "u64 = u64 - np.uint64(5)\n"),
                          prop);
    QCOMPARE(run(script), QString());
    QCOMPARE(script.output(), QStringLiteral("u8 uint8 [0, 200, 255]\n"
                                             "u16 uint16 [0, 40000, 65535]\n"
                                             "u32 uint32 [0, 3000000000, 4294967295]\n"
                                             "u64 uint64 [0, 9223372036854775813, 18446744073709551615]\n"));
    const auto &results = script.results();
    QCOMPARE(results.size(), std::size_t(5));
    QCOMPARE(results[0].first, QStringLiteral("u64"));
    QCOMPARE(results[0].second, NdArray::from_values(std::vector<std::uint64_t>{u64max - 4, std::uint64_t(1) << 63,
                                                                              u64max - 5}));
    QCOMPARE(results[1].second, NdArray::from_values(std::vector<std::uint8_t>{255, 200, 0}));
    QCOMPARE(results[2].second, NdArray::from_values(std::vector<std::uint16_t>{65535, 32768, 1}));
    QCOMPARE(results[3].second, NdArray::from_values(std::vector<std::uint32_t>{0, 3000000000u, 4294967295u}));
    QCOMPARE(results[4].second, NdArray::from_values(std::vector<std::uint64_t>{u64max, (std::uint64_t(1) << 63) + 5, 7}));
}

void TestPropertyScript::a_cancel_the_script_catches_is_repeated()
{
    QTemporaryDir dir;
    const QString inside = dir.filePath(QStringLiteral("inside"));
    PropertyScript script(QStringLiteral("well"),
                          QStringLiteral("fast = vint > 1900\n"
                                         "try:\n"
                                         "    open(%1, 'w').close()\n"
                                         "    while True:\n"
                                         "        pass\n"
                                         "except KeyboardInterrupt:\n"
                                         "    print('caught once')\n"
                                         "while True:\n"
                                         "    pass\n")
                              .arg(QStringLiteral("'%1'").arg(inside)),
                          well());
    Progress progress;
    std::atomic<int> outcome{0}; // 1: cancelled, 2: anything else
    std::thread worker([&] {
        try {
            script.run(progress);
            outcome = 2;
        } catch (const Cancelled &) {
            outcome = 1;
        } catch (...) {
            outcome = 2;
        }
    });
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(inside), 20000);
    progress.cancel();
    QTRY_VERIFY_WITH_TIMEOUT(outcome != 0, 20000);
    worker.join();
    QCOMPARE(outcome.load(), 1);
    QCOMPARE(script.output(), QStringLiteral("caught once\n"));
    QVERIFY(script.results().empty());
}

KELVRA_TEST_GUILESS_MAIN(TestPropertyScript)
#include "tst_propertyscript.moc"
