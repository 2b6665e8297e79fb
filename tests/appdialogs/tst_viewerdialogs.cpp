#include "widgets/dialogs.h"

#include "host/config.h"
#include "host/errors.h"
#include "host/translation.h"
#include "testmain.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace kelvra;

namespace {

// The kind and message of the error that fn throws, or an empty text.
template <typename Fn>
QString error_of(Fn fn)
{
    try {
        fn();
    } catch (const LookupError &error) {
        return QStringLiteral("LookupError: ") + error_text(error);
    } catch (const ValueError &error) {
        return QStringLiteral("ValueError: ") + error_text(error);
    } catch (const ConversionError &error) {
        return QStringLiteral("ConversionError: ") + error_text(error).section(':', 0, 0);
    }
    return {};
}

QVariantMap state(const QVariant &method, const QVariant &ratio)
{
    QVariantMap map;
    if (method.isValid())
        map.insert(QStringLiteral("aspect_method"), method);
    if (ratio.isValid())
        map.insert(QStringLiteral("aspect_ratio"), ratio);
    return map;
}

QRadioButton *button_of(AspectRatioDialog &dialog, const QString &method)
{
    if (method == QLatin1String("Auto"))
        return dialog.rbAuto;
    if (method == QLatin1String("Equal"))
        return dialog.rbEqual;
    return dialog.rbFixed;
}

} // namespace

class TestViewerDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aspect_defaults()
    {
        AspectRatioDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set viewer aspect ratio"));
        QVERIFY(dialog.rbEqual->isChecked());
        QCOMPARE(dialog.method, QStringLiteral("Equal"));
        QCOMPARE(dialog.ratio->edit->text(), QStringLiteral("1.0"));
        QVERIFY(!dialog.ratio->isEnabled());
        QVERIFY(!dialog.ratio->edit->isEnabled());
        QVERIFY(!dialog.ratio->label->isEnabled());

        QSignalSpy applied(&dialog, &AspectRatioDialog::sigApply);
        dialog.btn_apply->click();
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.at(0), (QVariantList{"Equal", 1.0}));
    }

    void aspect_choosing_methods_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("method");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Fixed") << QStringList{"Fixed"} << "Fixed" << true;
        QTest::newRow("Auto") << QStringList{"Auto"} << "Auto" << false;
        QTest::newRow("Fixed then Auto") << QStringList{"Fixed", "Auto"} << "Auto" << true;
        QTest::newRow("Fixed then Equal") << QStringList{"Fixed", "Equal"} << "Equal" << true;
        QTest::newRow("Auto then Equal") << QStringList{"Auto", "Equal"} << "Equal" << false;
    }

    void aspect_choosing_methods()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, method);
        QFETCH(bool, enabled);
        test::ErrorRecorder errors;
        AspectRatioDialog dialog;
        for (const QString &click : clicks)
            button_of(dialog, click)->click();
        QCOMPARE(dialog.method, method);
        QCOMPARE(dialog.ratio->isEnabled(), enabled);

        QSignalSpy applied(&dialog, &AspectRatioDialog::sigApply);
        dialog.ratio->edit->setText(QStringLiteral("0.5"));
        dialog.btn_apply->click();
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.at(0), (QVariantList{method, 0.5}));
        QVERIFY(errors.messages.isEmpty());
    }

    void aspect_ratio_text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<double>("value");
        QTest::newRow("blanks around") << " 0.25 " << true << 0.25;
        QTest::newRow("sign and exponent") << "-2e-1" << true << -0.2;
        QTest::newRow("whole") << "3" << true << 3.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("decimal comma") << "1,5" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }

    void aspect_ratio_text()
    {
        QFETCH(QString, text);
        QFETCH(bool, converts);
        QFETCH(double, value);
        test::ErrorRecorder errors;
        AspectRatioDialog dialog;
        dialog.show();
        dialog.rbFixed->click();
        dialog.ratio->edit->setText(text);
        QSignalSpy applied(&dialog, &AspectRatioDialog::sigApply);

        dialog.btn_ok->click();

        QCOMPARE(applied.count(), converts ? 1 : 0);
        QCOMPARE(dialog.isVisible(), !converts);
        QCOMPARE(errors.messages.size(), converts ? 0 : 1);
        if (converts)
            QCOMPARE(applied.at(0), (QVariantList{"Fixed", value}));
    }

    void aspect_load_state_data()
    {
        QTest::addColumn<QVariantMap>("state");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Fixed 2.5") << state("Fixed", 2.5) << "Fixed" << "2.5" << true;
        QTest::newRow("Fixed 0.1") << state("Fixed", 0.1) << "Fixed" << "0.1" << true;
        QTest::newRow("Fixed as stored text") << state("Fixed", "0.75") << "Fixed" << "0.75" << true;
        QTest::newRow("Auto 3") << state("Auto", 3) << "Auto" << "1.0" << false;
        QTest::newRow("Equal") << state("Equal", 2) << "Equal" << "1.0" << false;
        QTest::newRow("Auto, bad ratio") << state("Auto", "abc") << "Auto" << "1.0" << false;
    }

    void aspect_load_state()
    {
        QFETCH(QVariantMap, state);
        QFETCH(QString, method);
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        for (bool in_constructor : {false, true}) {
            AspectRatioDialog made(nullptr, in_constructor ? std::optional(state) : std::nullopt);
            if (!in_constructor)
                made.load_state(state);
            QVERIFY(button_of(made, method)->isChecked());
            QCOMPARE(made.method, method);
            QCOMPARE(made.ratio->edit->text(), text);
            QCOMPARE(made.ratio->isEnabled(), enabled);
            QSignalSpy applied(&made, &AspectRatioDialog::sigApply);
            made.apply();
            QCOMPARE(applied.at(0).at(1).toDouble(), text.toDouble());
        }
    }

    void aspect_bad_states_change_nothing_data()
    {
        QTest::addColumn<QVariantMap>("state");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QVariantMap() << "LookupError: aspect_method";
        QTest::newRow("no method") << state({}, 2.0) << "LookupError: aspect_method";
        QTest::newRow("no ratio") << state("Fixed", {}) << "LookupError: aspect_ratio";
        QTest::newRow("lower case") << state("auto", 2.0) << "ValueError: Unknown value";
        QTest::newRow("translated word") << state("Fest", 2.0) << "ValueError: Unknown value";
        QTest::newRow("Fixed, bad ratio") << state("Fixed", "abc") << "ConversionError: could not convert the aspect ratio to float";
    }

    void aspect_bad_states_change_nothing()
    {
        QFETCH(QVariantMap, state);
        QFETCH(QString, error);
        AspectRatioDialog dialog;
        QCOMPARE(error_of([&] { dialog.load_state(state); }), error);
        QVERIFY(dialog.rbEqual->isChecked());
        QCOMPARE(dialog.method, QStringLiteral("Equal"));
        QCOMPARE(dialog.ratio->edit->text(), QStringLiteral("1.0"));
        QVERIFY(!dialog.ratio->isEnabled());

        QCOMPARE(error_of([&] { AspectRatioDialog failing(nullptr, state); }), error);
    }

    void aspect_unknown_button_text()
    {
        test::ErrorRecorder errors;
        AspectRatioDialog dialog;
        dialog.rbAuto->setText(QStringLiteral("Automatic"));

        // From the radio button the error reaches the host's handler.
        dialog.rbAuto->click();
        QCOMPARE(errors.messages, QStringList{"unknown value Automatic"});
        QCOMPARE(dialog.method, QStringLiteral("Equal"));

        // Called directly, it throws to the caller.
        QCOMPARE(error_of([&] { dialog.set_method(dialog.rbAuto); }),
                 QStringLiteral("ValueError: unknown value Automatic"));
        QCOMPARE(error_of([&] { dialog.set_method(nullptr); }),
                 QStringLiteral("ValueError: unknown value (no button)"));
        // An unchecked button is not asked at all.
        dialog.rbFixed->setText(QStringLiteral("Rigid"));
        QCOMPARE(error_of([&] { dialog.set_method(dialog.rbFixed); }), QString());
        QCOMPARE(dialog.method, QStringLiteral("Equal"));
        QVERIFY(!dialog.ratio->isEnabled());
    }

    void aspect_cancel_emits_nothing()
    {
        AspectRatioDialog dialog;
        dialog.show();
        QSignalSpy applied(&dialog, &AspectRatioDialog::sigApply);
        dialog.btn_close->click();
        QVERIFY(applied.isEmpty());
        QVERIFY(!dialog.isVisible());
    }

    void export_emits_file_and_clipboard_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("clipboard");
        QTest::newRow("defaults") << "canvas.png" << true;
        QTest::newRow("no clipboard") << "canvas.png" << false;
        QTest::newRow("empty name") << "" << true;
        QTest::newRow("other ending") << " shot.jpg " << false;
    }

    void export_emits_file_and_clipboard()
    {
        QFETCH(QString, file);
        QFETCH(bool, clipboard);
        CanvasExportDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Export canvas to PNG picture"));
        QCOMPARE(dialog.output->lineedit->edit->text(), QStringLiteral("canvas.png"));
        QVERIFY(dialog.cbClipboard->isChecked());

        dialog.output->lineedit->edit->setText(file);
        dialog.cbClipboard->setChecked(clipboard);
        QSignalSpy started(&dialog, &CanvasExportDialog::sig_start);
        dialog.btn_apply->click();
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0), (QVariantList{file, clipboard}));
    }

    void export_chooser_asks_for_a_file_to_save()
    {
        CanvasExportDialog dialog;
        dialog.show();
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        test::on_next_modal([&mode](QWidget *modal) {
            auto *chooser = qobject_cast<QFileDialog *>(modal);
            if (chooser)
                mode = chooser->acceptMode();
            modal->close();
        });
        dialog.output->findChild<QPushButton *>(QStringLiteral("chooser_button"))->click();
        QVERIFY(test::modal_was_handled());
        QCOMPARE(mode, QFileDialog::AcceptSave);
        QCOMPARE(dialog.output->lineedit->edit->text(), QStringLiteral("canvas.png"));
    }

    void translated_texts()
    {
        CONF.set("main", "interface_language", "de");
        QCOMPARE(load_translations(), QStringLiteral("de"));
        {
            AspectRatioDialog aspect;
            CanvasExportDialog canvas;
            const QString fixed = aspect.rbFixed->text();
            aspect.rbFixed->click();
            const QString method = aspect.method;
            const QString title = aspect.windowTitle();
            const QString file_label = canvas.output->lineedit->label->text();
            const QString clipboard = canvas.cbClipboard->text();
            CONF.set("main", "interface_language", "en");
            load_translations();

            QCOMPARE(fixed, QStringLiteral("Fest"));
            QCOMPARE(method, QStringLiteral("Fixed")); // the method word stays untranslated
            QCOMPARE(title, QStringLiteral("Seitenverhältnis der Ansicht einstellen"));
            QCOMPARE(file_label, QStringLiteral("Datei"));
            QCOMPARE(clipboard, QStringLiteral("Copy to clipboard"));
        }
    }
};

KELVRA_TEST_MAIN(TestViewerDialogs)
#include "tst_viewerdialogs.moc"
