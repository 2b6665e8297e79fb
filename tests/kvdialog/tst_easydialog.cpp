// EasyDialog: class texts, the button row and its wiring, the help box, the
// tree links, the demonstration form, and errors raised from the buttons.

#include "widgets/kvdialog.h"

#include "host/errors.h"
#include "host/translation.h"
#include "host/config.h"

#include "fakehost.h"
#include "testmain.h"
#include "testsupport.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;

namespace {

// A concrete dialog with its own title and help text, counting applies.
class CountingDialog : public EasyDialog
{
public:
    static constexpr const char *NAME = "Counting dialog";
    static constexpr const char *HELP_BODY = "Counts<br>applies.";

    explicit CountingDialog(QWidget *parent = nullptr)
        : EasyDialog(texts_of<CountingDialog>(), parent)
    {
        layout->addWidget(create_action());
    }

    void apply() override
    {
        ++applied;
        if (fail)
            throw ValueError(QStringLiteral("refused"));
    }

    int applied = 0;
    bool fail = false;
};

QStringList texts_of_row(QWidget *row)
{
    QStringList texts;
    auto *box = qobject_cast<QHBoxLayout *>(row->layout());
    for (int i = 0; i < box->count(); ++i) {
        if (QWidget *widget = box->itemAt(i)->widget())
            texts << qobject_cast<QPushButton *>(widget)->text();
        else if (box->itemAt(i)->spacerItem())
            texts << QStringLiteral("<stretch>");
    }
    return texts;
}

// Presses Help and returns the title and text of the box it opens.
QPair<QString, QString> help_box_of(EasyDialog &dialog)
{
    QPair<QString, QString> shown;
    test::on_next_modal([&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        shown = {box->windowTitle(), box->text()};
        box->accept();
    });
    dialog.btn_help->click();
    return shown;
}

} // namespace

class TestEasyDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void base_texts();
    void concrete_texts();
    void button_rows();
    void apply_label_is_translated();
    void ok_cancel_and_apply();
    void f1_does_what_help_does();
    void failing_apply_keeps_the_dialog_open();
    void tree_links();
    void demonstration_form();
};

void TestEasyDialog::base_texts()
{
    EasyDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Template Dialog"));
    dialog.layout->addWidget(dialog.create_action());
    QCOMPARE(help_box_of(dialog),
             qMakePair(QStringLiteral("How to use"), QStringLiteral("Sorry no help is available")));
    QVERIFY(test::modal_was_handled());
    QVERIFY_EXCEPTION_THROWN(dialog.apply(), NotImplementedError);
}

void TestEasyDialog::concrete_texts()
{
    CountingDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Counting dialog"));
    QCOMPARE(help_box_of(dialog),
             qMakePair(QStringLiteral("How to use"), QStringLiteral("Counts<br>applies.")));
    QCOMPARE(dialog.applied, 0); // Help never applies
}

void TestEasyDialog::button_rows()
{
    EasyDialog dialog;
    QWidget *full = dialog.create_action();
    QCOMPARE(full->parent(), &dialog);
    QCOMPARE(texts_of_row(full), (QStringList{"<stretch>", "OK", "Apply", "Cancel", "Help"}));

    EasyDialog without_ok;
    QWidget *row = without_ok.create_action(false);
    QCOMPARE(texts_of_row(row), (QStringList{"<stretch>", "Apply", "Cancel", "Help"}));
    QVERIFY(!without_ok.btn_ok);
    QVERIFY(without_ok.btn_apply->icon().isNull());
    QVERIFY(without_ok.btn_apply->toolTip().isEmpty());
}

void TestEasyDialog::apply_label_is_translated()
{
    QTemporaryDir dir;
    CONF.set_path(dir.filePath(QStringLiteral("kelvra.ini")));
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("de"));
    load_translations();
    EasyDialog dialog;
    dialog.create_action(true, "Help");
    QCOMPARE(dialog.btn_apply->text(), QStringLiteral("Hilfe"));
    QCOMPARE(dialog.btn_close->text(), QStringLiteral("Abbrechen"));
    dialog.create_action(true, "Load now");
    QCOMPARE(dialog.btn_apply->text(), QStringLiteral("Load now"));
    CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), QStringLiteral("en"));
    load_translations();
}

void TestEasyDialog::ok_cancel_and_apply()
{
    CountingDialog dialog;
    dialog.show();
    dialog.btn_apply->click();
    dialog.btn_apply->click();
    QCOMPARE(dialog.applied, 2);
    QVERIFY(dialog.isVisible());

    dialog.btn_close->click();
    QCOMPARE(dialog.applied, 2);
    QVERIFY(!dialog.isVisible());

    dialog.show();
    dialog.btn_ok->click();
    QCOMPARE(dialog.applied, 3);
    QVERIFY(!dialog.isVisible());
}

void TestEasyDialog::f1_does_what_help_does()
{
    CountingDialog dialog;
    QLineEdit field;
    dialog.layout->insertWidget(0, &field);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    field.setFocus();
    QPair<QString, QString> shown;
    test::on_next_modal([&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        shown = {box->windowTitle(), box->text()};
        box->accept();
    });
    QTest::keyClick(&field, Qt::Key_F1);
    QTRY_VERIFY(test::modal_was_handled());
    QCOMPARE(shown, qMakePair(QStringLiteral("How to use"), QStringLiteral("Counts<br>applies.")));
    QCOMPARE(dialog.applied, 0);
}

void TestEasyDialog::failing_apply_keeps_the_dialog_open()
{
    test::ErrorRecorder recorder;
    CountingDialog dialog;
    dialog.fail = true;
    dialog.show();
    dialog.btn_ok->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(recorder.messages, QStringList{QStringLiteral("refused")});

    // Called directly, the error goes to the caller and the dialog stays open.
    QVERIFY_EXCEPTION_THROWN(dialog.apply_and_close(), ValueError);
    QVERIFY(dialog.isVisible());
}

void TestEasyDialog::tree_links()
{
    test::FakeMainWindow window;
    test::FakeObjectData store;
    test::FakeTree tree;
    tree.main = &window;
    tree.object_data = &store;

    EasyDialog linked(&tree, true, true);
    QCOMPARE(linked.mainwindow, &window);
    QCOMPARE(linked.database, &store);

    EasyDialog plain(&tree);
    QCOMPARE(plain.parent, &tree);
    QCOMPARE(plain.treebase, &tree);
    QVERIFY(!plain.mainwindow);
    QVERIFY(!plain.database);
    QVERIFY(!plain.object_name);
    QVERIFY(!plain.object);

    EasyDialog orphan(nullptr, true, true);
    QVERIFY(!orphan.treebase);
    QVERIFY(!orphan.mainwindow);
    QVERIFY(!orphan.database);

    // A parent that is not an object tree gives no tree.
    QWidget widget;
    EasyDialog child(&widget, true, true);
    QCOMPARE(child.parent, &widget);
    QVERIFY(!child.treebase);
}

void TestEasyDialog::demonstration_form()
{
    EasyDialog dialog(nullptr, false, false, true);
    QCOMPARE(dialog.layout->count(), 4);
    const auto label = [&dialog](int row) {
        return qobject_cast<QLabel *>(dialog.layout->itemAt(row)->widget())->text();
    };
    QCOMPARE(label(0), QStringLiteral("Open existing file"));
    QCOMPARE(label(2), QStringLiteral("Create new file"));
    for (int row : {1, 3}) {
        auto *field = qobject_cast<ChooserField *>(dialog.layout->itemAt(row)->widget());
        QVERIFY(field);
        QCOMPARE(field->lineedit->label->text(), QStringLiteral("File"));
    }
}

KELVRA_TEST_MAIN(TestEasyDialog)
#include "tst_easydialog.moc"
