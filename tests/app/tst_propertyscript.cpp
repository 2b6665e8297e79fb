// Property scripts on their own: what becomes a property and how, what the
// script sees, and that arrays cross between the host and numpy without
// copies.

#include "app/script/propertyscript.h"

#include "host/errors.h"

#include "testmain.h"
#include "testsupport.h"

#include <QtTest>

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

KELVRA_TEST_GUILESS_MAIN(TestPropertyScript)
#include "tst_propertyscript.moc"
