// The field builders, grabbing objects from the tree, and the file and
// directory choosers (driven, never left to block).

#include "widgets/kvdialog.h"

#include "host/errors.h"

#include "fakehost.h"
#include "testmain.h"
#include "testsupport.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;

namespace {

// Records the hooks, and the field text at the moment load_object runs.
class HookDialog : public EasyDialog
{
public:
    using EasyDialog::EasyDialog;

    void load_object() override
    {
        ++objects_loaded;
        text_at_load = watched ? watched->text() : QString();
    }
    void load_lines() override { ++lines_loaded; }

    QLineEdit *watched = nullptr;
    QString text_at_load;
    int objects_loaded = 0;
    int lines_loaded = 0;
};

// One field of the given family ("object", "file" or "directory"), a plain
// text field and the button row; counts applies, which fail on request.
class FieldDialog : public EasyDialog
{
public:
    FieldDialog(QWidget *tree, const QString &family)
        : EasyDialog(tree)
    {
        field = family == QLatin1String("object") ? create_grabob(QStringLiteral("Object"), QStringLiteral("well A"))
              : family == QLatin1String("file")   ? create_browsefile(QStringLiteral("File"), QStringLiteral("a.db"))
                                                  : create_browsedir(QStringLiteral("Folder"), QStringLiteral("data"));
        name = create_lineedit(QStringLiteral("Name"));
        layout->addWidget(field);
        layout->addWidget(name);
        layout->addWidget(create_action());
    }

    void apply() override
    {
        ++applied;
        if (fail)
            throw ValueError(QStringLiteral("refused"));
    }

    ChooserField *field;
    LineEditField *name;
    int applied = 0;
    bool fail = false;
};

QPushButton *button_of(QWidget *field)
{
    return field->findChild<QPushButton *>(QStringLiteral("chooser_button"));
}

struct ChooserSeen
{
    QString directory;
    QStringList filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode file_mode = QFileDialog::AnyFile;
    QString caption;
    bool dirs_only = false;
};

// Arranges for the next chooser to be inspected, then accepted with path or
// cancelled when path is empty.
void answer_chooser(ChooserSeen &seen, const QString &path)
{
    test::on_next_modal([&seen, path](QWidget *modal) {
        auto *chooser = qobject_cast<QFileDialog *>(modal);
        QVERIFY(chooser);
        seen = {chooser->directory().absolutePath(), chooser->nameFilters(),
                chooser->acceptMode(), chooser->fileMode(), chooser->windowTitle(),
                chooser->testOption(QFileDialog::ShowDirsOnly)};
        if (path.isEmpty()) {
            chooser->reject();
        } else {
            // Typed as a user would: selectFile() alone can be undone by the
            // chooser's asynchronous directory loading.
            chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            QMetaObject::invokeMethod(chooser, "accept");
        }
    });
}

} // namespace

class TestFieldBuilders : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void lineedit_options();
    void lineedit_validator_refuses_keys();
    void combobox_choices();
    void chooser_fields_carry_their_buttons();
    void cubeframe_grid();
    void tabs();
    void grab_fills_the_field_then_calls_the_hook();
    void grab_without_an_answer_changes_nothing();
    void select_file_start_directory_data();
    void select_file_start_directory();
    void select_file_modes_and_filters();
    void chosen_file_fills_the_fields();
    void cancelled_choosers_change_nothing();
    void select_directory();
    void object_name_of_path_data();
    void object_name_of_path();
    void enter_in_a_field_does_what_ok_does_data();
    void enter_in_a_field_does_what_ok_does();
    void tab_goes_from_field_to_field_data();
    void tab_goes_from_field_to_field();

private:
    QTemporaryDir m_dir;
};

void TestFieldBuilders::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkdir(QStringLiteral("wells"));
    QFile file(m_dir.filePath(QStringLiteral("wells/top.grid.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestFieldBuilders::lineedit_options()
{
    EasyDialog dialog;
    LineEditField *plain = dialog.create_lineedit(QStringLiteral("Name"));
    QCOMPARE(plain->parent(), &dialog);
    QCOMPARE(plain->label->text(), QStringLiteral("Name"));
    QVERIFY(plain->edit->text().isEmpty());
    QVERIFY(plain->edit->toolTip().isEmpty());
    QVERIFY(plain->label->wordWrap());
    QVERIFY(!plain->edit->validator());
    QVERIFY(qobject_cast<QHBoxLayout *>(plain->layout()));
    QCOMPARE(plain->layout()->contentsMargins(), QMargins());
    QCOMPARE(plain->layout()->itemAt(0)->widget(), plain->label);
    QCOMPARE(plain->layout()->itemAt(1)->widget(), plain->edit);

    LineEditField *full = dialog.create_lineedit(QStringLiteral("Ratio"), QStringLiteral("1.0"),
                                                 QStringLiteral("Y over X"), Qt::Vertical, {}, false);
    QCOMPARE(full->edit->text(), QStringLiteral("1.0"));
    QCOMPARE(full->edit->toolTip(), QStringLiteral("Y over X"));
    QVERIFY(full->label->toolTip().isEmpty());
    QVERIFY(qobject_cast<QVBoxLayout *>(full->layout()));
    QVERIFY(!full->label->wordWrap());
}

void TestFieldBuilders::lineedit_validator_refuses_keys()
{
    EasyDialog dialog;
    LineEditField *field = dialog.create_lineedit(QStringLiteral("Count"), {}, {}, Qt::Horizontal,
                                                  QStringLiteral("[0-9]{0,3}"));
    QTest::keyClicks(field->edit, QStringLiteral("1a2b34"));
    QCOMPARE(field->edit->text(), QStringLiteral("123"));
}

void TestFieldBuilders::combobox_choices()
{
    EasyDialog dialog;
    ComboBoxField *field = dialog.create_combobox(
        QStringLiteral("Pick"), {{QStringLiteral("A"), 1}, {std::nullopt, QVariant()}, {QStringLiteral("B"), 2}},
        QStringLiteral("choose one"));
    QCOMPARE(field->combobox->count(), 2);
    QCOMPARE(field->combobox->itemText(0), QStringLiteral("A"));
    QCOMPARE(field->combobox->itemData(0).toInt(), 1);
    QCOMPARE(field->combobox->itemText(1), QStringLiteral("B"));
    QCOMPARE(field->combobox->itemData(1).toInt(), 2);
    QCOMPARE(field->combobox->toolTip(), QStringLiteral("choose one"));
    QCOMPARE(field->combobox->sizeAdjustPolicy(), QComboBox::AdjustToContents);
    QCOMPARE(field->layout()->count(), 3); // label, combo box, stretch
    QVERIFY(field->layout()->itemAt(2)->spacerItem());

    QCOMPARE(dialog.create_combobox(QStringLiteral("Empty"))->combobox->count(), 0);
}

void TestFieldBuilders::chooser_fields_carry_their_buttons()
{
    EasyDialog dialog;
    const struct
    {
        ChooserField *field;
        const char *tip;
    } fields[] = {
        {dialog.create_grabob(QStringLiteral("Object")), "Grab object from tree"},
        {dialog.create_browsefile(QStringLiteral("File")), "Select file"},
        {dialog.create_browsedir(QStringLiteral("Folder")), "Select directory"},
    };
    for (const auto &[field, tip] : fields) {
        QPushButton *button = button_of(field);
        QVERIFY(button);
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->toolTip(), QString::fromLatin1(tip));
        QCOMPARE(field->parent(), &dialog);
        QCOMPARE(field->layout()->contentsMargins(), QMargins());
        QCOMPARE(field->layout()->itemAt(0)->widget(), field->lineedit);
        QCOMPARE(field->layout()->itemAt(1)->widget(), button);
    }
}

void TestFieldBuilders::cubeframe_grid()
{
    EasyDialog dialog;
    CubeFrame *frame = dialog.create_cubeframe();
    auto *grid = qobject_cast<QGridLayout *>(frame->layout());
    QVERIFY(grid);
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->columnCount(), 4);
    QCOMPARE(grid->contentsMargins(), QMargins());
    const QStringList labels{"Iline first, last, step", "Xline first, last, step",
                             "Depth first, last, step"};
    const QLineEdit *edits[3][3] = {{frame->le_il_frst, frame->le_il_last, frame->le_il_ncrt},
                                    {frame->le_xl_frst, frame->le_xl_last, frame->le_xl_ncrt},
                                    {frame->le_dp_frst, frame->le_dp_last, frame->le_dp_ncrt}};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(qobject_cast<QLabel *>(grid->itemAtPosition(row, 0)->widget())->text(), labels[row]);
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(grid->itemAtPosition(row, column + 1)->widget(), edits[row][column]);
            QVERIFY(edits[row][column]->text().isEmpty());
            QVERIFY(!edits[row][column]->validator());
        }
    }
}

void TestFieldBuilders::tabs()
{
    EasyDialog dialog;
    QWidget *empty = dialog.create_tab();
    QVERIFY(!empty->parent());
    QCOMPARE(empty->layout()->count(), 1);
    QVERIFY(empty->layout()->itemAt(0)->spacerItem());

    auto *first = new QLabel;
    auto *second = new QLabel;
    QScopedPointer<QWidget> page(dialog.create_tab({first, second}));
    QCOMPARE(page->layout()->count(), 3);
    QCOMPARE(page->layout()->itemAt(0)->widget(), first);
    QCOMPARE(page->layout()->itemAt(1)->widget(), second);
    delete empty;
}

void TestFieldBuilders::grab_fills_the_field_then_calls_the_hook()
{
    test::FakeTree tree;
    test::FakeObject well(QStringLiteral("well-7"));
    tree.answer = &well;
    HookDialog dialog(&tree);
    ChooserField *field = dialog.create_grabob(QStringLiteral("Object"), {}, {},
                                               {QStringLiteral("Point"), QStringLiteral("Line")});
    dialog.watched = field->lineedit->edit;

    button_of(field)->click();
    QCOMPARE(tree.requests, (QList<QStringList>{{"Point", "Line"}}));
    QCOMPARE(field->lineedit->edit->text(), QStringLiteral("well-7"));
    QCOMPARE(dialog.object.data(), &well);
    QCOMPARE(dialog.objects_loaded, 1);
    QCOMPARE(dialog.text_at_load, QStringLiteral("well-7"));
}

void TestFieldBuilders::grab_without_an_answer_changes_nothing()
{
    test::FakeTree tree;
    test::FakeObject first(QStringLiteral("first"));
    tree.answer = &first;
    HookDialog dialog(&tree);
    ChooserField *field = dialog.create_grabob(QStringLiteral("Object"));
    button_of(field)->click();

    tree.answer = nullptr;
    button_of(field)->click();
    QCOMPARE(tree.requests.size(), 2);
    QCOMPARE(field->lineedit->edit->text(), QStringLiteral("first"));
    QCOMPARE(dialog.object.data(), &first);
    QCOMPARE(dialog.objects_loaded, 1);

    // A dialog without an object tree has nothing to grab from.
    HookDialog orphan;
    ChooserField *lone = orphan.create_grabob(QStringLiteral("Object"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no object tree")));
    button_of(lone)->click();
    QVERIFY(lone->lineedit->edit->text().isEmpty());
    QCOMPARE(orphan.objects_loaded, 0);
}

void TestFieldBuilders::select_file_start_directory_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    const QString wells = m_dir.filePath(QStringLiteral("wells"));
    QTest::newRow("existing directory") << wells << wells;
    QTest::newRow("existing file") << wells + QStringLiteral("/top.grid.dat") << wells;
    QTest::newRow("missing file in an existing directory") << wells + QStringLiteral("/new.db") << wells;
    QTest::newRow("missing directory") << m_dir.filePath(QStringLiteral("gone/x.db")) << QDir::currentPath();
    QTest::newRow("empty") << QString() << QDir::currentPath();
    QTest::newRow("bare file name") << QStringLiteral("top.grid.dat") << QDir::currentPath();
}

void TestFieldBuilders::select_file_start_directory()
{
    QFETCH(QString, text);
    QFETCH(QString, start);
    HookDialog dialog;
    ChooserField *field = dialog.create_browsefile(QStringLiteral("File"), text);
    ChooserSeen seen;
    answer_chooser(seen, {});
    button_of(field)->click();
    QVERIFY(test::modal_was_handled());
    QCOMPARE(seen.directory, QDir(start).absolutePath());
}

void TestFieldBuilders::select_file_modes_and_filters()
{
    HookDialog dialog;
    ChooserSeen seen;

    ChooserField *open = dialog.create_browsefile(QStringLiteral("File"));
    answer_chooser(seen, {});
    button_of(open)->click();
    QCOMPARE(seen.mode, QFileDialog::AcceptOpen);
    QCOMPARE(seen.file_mode, QFileDialog::ExistingFile);
    QCOMPARE(seen.filters, QStringList{QStringLiteral("All files (*)")});
    QCOMPARE(seen.caption, QStringLiteral("Select file"));

    ChooserField *save = dialog.create_browsefile(QStringLiteral("File"), {}, {},
                                                  QStringLiteral("DB files (*.db);;All files (*)"), true);
    answer_chooser(seen, {});
    button_of(save)->click();
    QCOMPARE(seen.mode, QFileDialog::AcceptSave);
    QCOMPARE(seen.filters, (QStringList{"DB files (*.db)", "All files (*)"}));
}

void TestFieldBuilders::chosen_file_fills_the_fields()
{
    HookDialog dialog;
    ChooserField *field = dialog.create_browsefile(QStringLiteral("File"), {}, {}, std::nullopt, true);
    dialog.object_name = dialog.create_lineedit(QStringLiteral("Object name"));
    const QString target = m_dir.filePath(QStringLiteral("wells/a.b.c"));

    ChooserSeen seen;
    answer_chooser(seen, target);
    button_of(field)->click();
    QCOMPARE(field->lineedit->edit->text(), target);
    QCOMPARE(dialog.lines_loaded, 1);
    QCOMPARE(dialog.object_name->edit->text(), QStringLiteral("a.b"));

    // Without an object-name field only the chooser's own field changes.
    HookDialog plain;
    ChooserField *lone = plain.create_browsefile(QStringLiteral("File"));
    const QString existing = m_dir.filePath(QStringLiteral("wells/top.grid.dat"));
    answer_chooser(seen, existing);
    button_of(lone)->click();
    QCOMPARE(lone->lineedit->edit->text(), existing);
    QCOMPARE(plain.lines_loaded, 1);
}

void TestFieldBuilders::cancelled_choosers_change_nothing()
{
    HookDialog dialog;
    dialog.object_name = dialog.create_lineedit(QStringLiteral("Object name"), QStringLiteral("keep"));
    ChooserField *file = dialog.create_browsefile(QStringLiteral("File"), QStringLiteral("old.db"));
    ChooserField *folder = dialog.create_browsedir(QStringLiteral("Folder"), QStringLiteral("old"));
    ChooserSeen seen;
    answer_chooser(seen, {});
    button_of(file)->click();
    answer_chooser(seen, {});
    button_of(folder)->click();
    QCOMPARE(file->lineedit->edit->text(), QStringLiteral("old.db"));
    QCOMPARE(folder->lineedit->edit->text(), QStringLiteral("old"));
    QCOMPARE(dialog.object_name->edit->text(), QStringLiteral("keep"));
    QCOMPARE(dialog.lines_loaded, 0);
}

void TestFieldBuilders::select_directory()
{
    HookDialog dialog;
    dialog.object_name = dialog.create_lineedit(QStringLiteral("Object name"));
    const QString wells = m_dir.filePath(QStringLiteral("wells"));
    ChooserField *field = dialog.create_browsedir(QStringLiteral("Folder"), wells);

    ChooserSeen seen;
    answer_chooser(seen, m_dir.path());
    button_of(field)->click();
    QCOMPARE(seen.directory, wells);
    QVERIFY(seen.dirs_only);
    QCOMPARE(seen.caption, QStringLiteral("Select directory"));
    QCOMPARE(QDir(field->lineedit->edit->text()), QDir(m_dir.path()));
    QCOMPARE(dialog.lines_loaded, 1);
    QCOMPARE(dialog.object_name->edit->text(), QFileInfo(m_dir.path()).fileName());

    // A text that names no directory opens in the current one.
    field->lineedit->edit->setText(wells + QStringLiteral("/top.grid.dat"));
    answer_chooser(seen, {});
    button_of(field)->click();
    QCOMPARE(seen.directory, QDir::currentPath());
}

void TestFieldBuilders::object_name_of_path_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("last extension") << "/data/wells/top.grid.dat" << "top.grid";
    QTest::newRow("hidden file") << ".profile" << ".profile";
    QTest::newRow("no extension") << "/data/survey" << "survey";
    QTest::newRow("two extensions") << "/data/a.b.c" << "a.b";
    QTest::newRow("leading dots then one") << "/x/..a.b" << "..a";
    QTest::newRow("trailing dot") << "name." << "name";
    QTest::newRow("trailing separator") << "/data/dir/" << "";
}

void TestFieldBuilders::object_name_of_path()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(EasyDialog::object_name_of_path(path), name);
}

void TestFieldBuilders::enter_in_a_field_does_what_ok_does_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("key");
    for (const char *family : {"object", "file", "directory"}) {
        QTest::addRow("%s field, Return", family) << QString::fromLatin1(family) << int(Qt::Key_Return);
        QTest::addRow("%s field, keypad Enter", family) << QString::fromLatin1(family) << int(Qt::Key_Enter);
    }
}

// Enter never grabs, browses or changes a field, wherever the focus is in
// the form, the field's own button included: it applies, and closes the
// dialog when apply succeeds.
void TestFieldBuilders::enter_in_a_field_does_what_ok_does()
{
    QFETCH(QString, family);
    QFETCH(int, key);
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    test::FakeTree tree;
    test::FakeObject picked(QStringLiteral("well B"));
    tree.answer = &picked;
    FieldDialog dialog(&tree, family);
    QLineEdit *edit = dialog.field->lineedit->edit;
    const QString typed = edit->text();
    test::ErrorRecorder errors;

    const auto press = [&](QWidget *target) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        target->setFocus();
        // A chooser that the key opens is closed at once and noticed.
        test::on_next_modal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); }, 0);
        QTest::keyClick(target, Qt::Key(key), modifiers);
        QVERIFY2(!test::modal_was_handled(), "Enter opened a chooser");
        QVERIFY(tree.requests.isEmpty());
        QCOMPARE(edit->text(), typed);
    };
    const QList<QWidget *> targets{edit, dialog.name->edit, button_of(dialog.field)};
    for (QWidget *target : targets) {
        press(target);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(dialog.applied, targets.size());

    // A refused apply keeps the dialog open with what was typed.
    dialog.fail = true;
    press(edit);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.applied, targets.size() + 1);
    QCOMPARE(errors.messages, QStringList{QStringLiteral("refused")});
}

void TestFieldBuilders::tab_goes_from_field_to_field_data()
{
    QTest::addColumn<QString>("family");
    for (const char *family : {"object", "file", "directory"})
        QTest::newRow(family) << QString::fromLatin1(family);
}

// Tab and Shift+Tab go from field to field, passing the field's button by;
// the mouse still reaches the button, whose tip says what it does.
void TestFieldBuilders::tab_goes_from_field_to_field()
{
    QFETCH(QString, family);
    test::FakeTree tree;
    FieldDialog dialog(&tree, family);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit *edit = dialog.field->lineedit->edit;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.name->edit);
    QTest::keyClick(dialog.name->edit, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), edit);
    QVERIFY(!button_of(dialog.field)->toolTip().isEmpty());
}

KELVRA_TEST_MAIN(TestFieldBuilders)
#include "tst_fieldbuilders.moc"
