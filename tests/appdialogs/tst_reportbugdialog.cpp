#include "widgets/dialogs.h"
#include "host/config.h"
#include "host/translation.h"
#include "testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

using namespace kelvra;

class TestReportBugDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void untouched_form_is_sent_as_it_stands()
    {
        ReportBugDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Report bug"));
        QCOMPARE(dialog.server->label->text(), QStringLiteral("Email server"));
        QCOMPARE(dialog.server->edit->text(), QStringLiteral("localhost"));
        QCOMPARE(dialog.sender->edit->text(), QStringLiteral("email address e.g. someone@example.com"));
        QVERIFY(dialog.subject->edit->text().isEmpty());
        QCOMPARE(dialog.body->font().family(), QStringLiteral("monospace"));
        const QString help = dialog.body->toPlainText();
        QVERIFY(help.contains(QStringLiteral("Steps to reproduce")));

        QSignalSpy started(&dialog, &ReportBugDialog::sig_start);
        dialog.btn_apply->click();
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0), (QVariantList{"email address e.g. someone@example.com",
                                              QStringList{"email addresses separated by comma"},
                                              QString(), help, "localhost"}));
    }

    void signal_carries_fields_in_its_own_order()
    {
        ReportBugDialog dialog;
        dialog.show();
        dialog.server->edit->setText(QStringLiteral("mail.example.org"));
        dialog.sender->edit->setText(QStringLiteral("me@example.org"));
        dialog.receivers->edit->setText(QStringLiteral("you@example.org"));
        dialog.subject->edit->setText(QStringLiteral(" Crash on load "));
        dialog.body->setPlainText(QStringLiteral("  <b>not markup</b>\n"));
        QSignalSpy started(&dialog, &ReportBugDialog::sig_start);

        dialog.btn_ok->click();

        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0), (QVariantList{"me@example.org", QStringList{"you@example.org"},
                                              " Crash on load ", "  <b>not markup</b>\n",
                                              "mail.example.org"}));
        QVERIFY(!dialog.isVisible());
    }

    void receivers_split_at_commas_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("receivers");
        QTest::newRow("blanks around") << " a , b ,c\t" << QStringList{"a", "b", "c"};
        QTest::newRow("two commas") << "a,,b" << QStringList{"a", "", "b"};
        QTest::newRow("trailing comma") << "a, " << QStringList{"a", ""};
        QTest::newRow("empty") << "" << QStringList{""};
        QTest::newRow("other separator") << "a; b" << QStringList{"a; b"};
    }

    void receivers_split_at_commas()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, receivers);
        ReportBugDialog dialog;
        dialog.receivers->edit->setText(text);
        QSignalSpy started(&dialog, &ReportBugDialog::sig_start);
        dialog.apply();
        QCOMPARE(started.at(0).at(1).toStringList(), receivers);
    }

    // The starting texts of the fields fit, in German too, and show from
    // their first letter: with the cursor at the end, nothing is scrolled.
    void starting_texts_fit_in_german()
    {
        CONF.set("main", "interface_language", "de");
        QCOMPARE(load_translations(), QStringLiteral("de"));
        ReportBugDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.sender->edit->text().startsWith(QStringLiteral("E-Mail-Adresse")));
        for (QLineEdit *edit : {dialog.server->edit, dialog.sender->edit, dialog.receivers->edit}) {
            edit->setCursorPosition(edit->text().size());
            edit->grab(); // lays the text out around the cursor, as painting does
            QVERIFY2(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() >= edit->fontMetrics().horizontalAdvance(edit->text()),
                     qPrintable(edit->text()));
        }
        CONF.set("main", "interface_language", "en");
        load_translations();
    }

    void rich_body_is_sent_as_plain_text()
    {
        ReportBugDialog dialog;
        dialog.body->setHtml(QStringLiteral("<p><b>Bold</b> and <i>italic</i></p>"
                                            "<p><a href=\"https://example.com\">link</a></p>"));
        QSignalSpy started(&dialog, &ReportBugDialog::sig_start);
        dialog.apply();
        QCOMPARE(started.at(0).at(3).toString(), QStringLiteral("Bold and italic\nlink"));
    }
};

KELVRA_TEST_MAIN(TestReportBugDialog)
#include "tst_reportbugdialog.moc"
