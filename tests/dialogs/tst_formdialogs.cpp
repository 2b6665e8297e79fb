// The object, file, property, geometry and script dialogs: what each shows,
// what it emits and in which order, and how it takes objects from the tree.

#include "fakehost.h"
#include "testmain.h"
#include "testsupport.h"

#include "host/config.h"
#include "host/errors.h"
#include "host/translation.h"
#include "widgets/dialogs.h"
#include "widgets/kvdialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextDocument>
#include <QtTest>

#include <clocale>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

using namespace kelvra;
using namespace kelvra::test;

// Makes a dialog with the given parent, its fields already filled.
using Factory = std::function<EasyDialog *(QWidget *parent)>;
// Takes an object from the tree into a dialog, as a right click in the tree does.
using Take = std::function<void(EasyDialog *)>;
// The part of a dialog's emitted values that the host parses or acts on.
using Extract = std::function<QVariantList(const QVariantList &emitted)>;
Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(Take)
Q_DECLARE_METATYPE(Extract)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

template <class Dialog>
Factory make(std::function<void(Dialog *)> fill = {})
{
    return [fill](QWidget *parent) -> EasyDialog * {
        auto *dialog = new Dialog(parent);
        if (fill)
            fill(dialog);
        return dialog;
    };
}

template <class Dialog>
Take right_click()
{
    return [](EasyDialog *dialog) { static_cast<Dialog *>(dialog)->grab_object_rc(); };
}

void set(ChooserField *field, const QString &text)
{
    field->lineedit->edit->setText(text);
}

QString text_of(ChooserField *field)
{
    return field->lineedit->edit->text();
}

QPushButton *button_of(ChooserField *field)
{
    return field->findChild<QPushButton *>(QStringLiteral("chooser_button"));
}

// A spy on the dialog's sig_start (or another signal), whatever its parameters.
std::unique_ptr<QSignalSpy> spy_start(QObject *dialog, const QByteArray &signal = "sig_start")
{
    const QMetaObject *meta = dialog->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name() == signal)
            return std::make_unique<QSignalSpy>(dialog, ("2" + method.methodSignature()).constData());
    }
    return nullptr;
}

// The rows of the form, top to bottom, without the button row: a field as
// its label (and "=text" when its edit is not empty), a caption as its
// text, another widget as its class name, a nested row item by item.
QStringList rows_of(EasyDialog *dialog)
{
    const auto describe = [](QWidget *widget) -> QString {
        LineEditField *text_field = qobject_cast<LineEditField *>(widget);
        if (auto *chooser = qobject_cast<ChooserField *>(widget))
            text_field = chooser->lineedit;
        if (text_field) {
            const QString text = text_field->edit->text();
            return text_field->label->text() + (text.isEmpty() ? QString() : QLatin1Char('=') + text);
        }
        if (auto *choice = qobject_cast<ComboBoxField *>(widget))
            return choice->label->text();
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            return QLatin1Char('=') + edit->text();
        return QString::fromLatin1(widget->metaObject()->className());
    };
    QStringList rows;
    const int count = dialog->layout->count();
    for (int i = 0; i < count - 1; ++i) {
        QLayoutItem *item = dialog->layout->itemAt(i);
        if (QLayout *row = item->layout()) {
            for (int j = 0; j < row->count(); ++j)
                rows << describe(row->itemAt(j)->widget());
        } else {
            rows << describe(item->widget());
        }
    }
    return rows;
}

QStringList items_of(const QComboBox *combobox)
{
    QStringList items;
    for (int i = 0; i < combobox->count(); ++i)
        items << combobox->itemText(i);
    return items;
}

const QStringList kAllTypes{"Point", "Line", "Tsurface", "Gsurface", "Cube", "Label", "Survey"};
const QStringList kSixTypes{"Point", "Line", "Tsurface", "Gsurface", "Cube", "Label"};
const QStringList kFiveTypes{"Point", "Line", "Tsurface", "Gsurface", "Cube"};

// Switches the interface language for one scope.
class InterfaceLanguage
{
public:
    explicit InterfaceLanguage(const QString &language) { use(language); }
    ~InterfaceLanguage() { use(QStringLiteral("en")); }

private:
    static void use(const QString &language)
    {
        CONF.set(QStringLiteral("main"), QStringLiteral("interface_language"), language);
        load_translations();
    }
};

// A German user locale for one scope: Qt's default locale and, where the
// system has it, the C library's numeric locale.
class GermanLocale
{
public:
    GermanLocale()
        : m_numeric(std::setlocale(LC_NUMERIC, nullptr))
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        static bool told = false;
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::exchange(told, true))
            qInfo("the German C locale is not available; only Qt's locale is German");
    }
    ~GermanLocale()
    {
        QLocale::setDefault(m_qt);
        std::setlocale(LC_NUMERIC, m_numeric.c_str());
    }

private:
    QLocale m_qt;
    std::string m_numeric;
};

} // namespace

class TestFormDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shows_its_form_data();
    void shows_its_form();
    void shows_its_form_in_german_data() { shows_its_form_data(); }
    void shows_its_form_in_german();
    void grab_buttons_ask_for_their_types_data() { shows_its_form_data(); }
    void grab_buttons_ask_for_their_types();

    void emits_the_fields_data();
    void emits_the_fields();
    void enter_in_any_field_does_what_ok_does_data() { emits_the_fields_data(); }
    void enter_in_any_field_does_what_ok_does();

    void right_click_fills_the_object_field_data();
    void right_click_fills_the_object_field();

    void property_list_follows_the_taken_object_data();
    void property_list_follows_the_taken_object();
    void missing_current_property_is_an_error_data();
    void missing_current_property_is_an_error();
    void grab_property_without_an_object_is_an_error();

    void translate_converts_the_shifts_data();
    void translate_converts_the_shifts() { check_translate(); }
    void translate_converts_under_a_german_locale_data() { translate_converts_the_shifts_data(); }
    void translate_converts_under_a_german_locale();

    void file_choosers_offer_their_filters_data();
    void file_choosers_offer_their_filters();

    void untouched_dialogs_emit_the_same_in_every_language_data();
    void untouched_dialogs_emit_the_same_in_every_language();

private:
    void check_translate();
};

void TestFormDialogs::shows_its_form_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("help"); // empty: the base text
    QTest::addColumn<QList<QStringList>>("grabs"); // types of each object field
    QTest::addColumn<QString>("german_title");
    QTest::addColumn<QStringList>("german_rows");

    const QList<QStringList> all{kAllTypes};
    const auto row = [](const char *name, const Factory &make, const char *title,
                        const QStringList &rows, const QString &help, const QList<QStringList> &grabs,
                        const char *german_title, const QStringList &german_rows) {
        QTest::newRow(name) << make << QString::fromUtf8(title) << rows << help << grabs
                            << QString::fromUtf8(german_title) << german_rows;
    };
    row("remove object", make<RemoveObjectDialog>(), "Remove object", {"Object"}, {}, all,
        "Objekt entfernen", {"Objekt"});
    row("rename object", make<RenameObjectDialog>(), "Rename object", {"Object", "New name"}, {}, all,
        "Objekt umbenennen", {"Objekt", "Neuer Name"});
    row("copy object", make<CopyObjectDialog>(), "Copy object", {"Object", "New name"}, {}, all,
        "Objekt kopieren", {"Objekt", "Neuer Name"});
    row("load object", make<LoadObjectDialog>(), "Load object",
        {"Object file", "Object name=DEFAULT"},
        "The original object name was saved into the db file, so you don't have to supply it, in "
        "which case, just leave it blank or DEFAULT.",
        {}, "Objekt laden", {"Objektdatei", "Object name=DEFAULT"});
    row("save object", make<SaveObjectDialog>(), "Save object", {"Object", "File"},
        "The recommended filename extension is db (e.g. myobj.db), which is the default filter at "
        "load object. But the filename can have any extension, and you'd switch the filter to "
        "\"All files\".",
        all, "Objekt speichern", {"Objekt", "Datei"});
    row("create property", make<CreatePropertyDialog>(), "Create property",
        {"Object", "Property name"}, "The new property is initialized with zeros.<br>", all,
        "Eigenschaft anlegen", {"Objekt", "Eigenschaftsname"});
    row("copy property", make<CopyPropertyDialog>(), "Copy property between objects",
        {"From object", "From Property", "To object", "To Property"},
        "From and to objects should have the same geometry type.<br>The vertex number and order "
        "should be the same for both objects.<br>",
        {kSixTypes, kSixTypes}, "Eigenschaft zwischen Objekten kopieren",
        {"Von Objekt", "Von Eigenschaft", "Zu Objekt", "Zu Eigenschaft"});
    row("rename property", make<RenamePropertyDialog>(), "Rename property",
        {"Object", "Property", "New name"}, {}, all,
        "Eigenschaft umbenennen", {"Objekt", "Eigenschaft", "Neuer Name"});
    row("remove property", make<RemovePropertyDialog>(), "Remove property", {"Object", "Property"},
        {}, all, "Eigenschaft entfernen", {"Objekt", "Eigenschaft"});
    row("flip depth", make<FlipDepthDialog>(), "Object flip depth", {"Input object"}, {}, all,
        "Tiefe des Objekts umkehren", {"Eingabeobjekt"});
    row("translate", make<TranslateDialog>(), "Translate XYZ",
        {"Object", "X", "=0", "Y", "=0", "Z", "=0"}, {}, all,
        "XYZ verschieben", {"Objekt", "X", "=0", "Y", "=0", "Z", "=0"});
    row("property operator", make<PropertyOperatorDialog>(), "Property operator",
        {"Object", "Region=Not available yet", "Script", "QPlainTextEdit"},
        "Example script<br><br>propA = - propA <br><br>import numpy as np <br>"
        "propB = np.log10(abs(propA))",
        {kFiveTypes}, "Eigenschaftsoperator",
        {"Objekt", "Bereich=Noch nicht verfügbar", "Skript", "QPlainTextEdit"});
}

void TestFormDialogs::shows_its_form()
{
    QFETCH(Factory, make);
    QFETCH(QString, title);
    QFETCH(QStringList, rows);
    QFETCH(QString, help);

    std::unique_ptr<EasyDialog> dialog(make(nullptr));
    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(rows_of(dialog.get()), rows);
    // The button row comes last, with all four buttons.
    QWidget *last = dialog->layout->itemAt(dialog->layout->count() - 1)->widget();
    QVERIFY(last);
    QCOMPARE(dialog->btn_ok->parentWidget(), last);
    QCOMPARE(dialog->btn_help->parentWidget(), last);

    QString help_title;
    QString shown;
    on_next_modal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        help_title = box->windowTitle();
        shown = box->text();
        box->accept();
    });
    dialog->btn_help->click();
    QVERIFY(modal_was_handled());
    QCOMPARE(help_title, QStringLiteral("How to use"));
    QCOMPARE(shown, help.isEmpty() ? QStringLiteral("Sorry no help is available") : help);
    // The box shows the help texts with line breaks as rich text.
    QCOMPARE(Qt::mightBeRichText(shown), help.contains(QLatin1String("<br>")));
}

void TestFormDialogs::shows_its_form_in_german()
{
    QFETCH(Factory, make);
    QFETCH(QString, german_title);
    QFETCH(QStringList, german_rows);

    InterfaceLanguage german(QStringLiteral("de"));
    std::unique_ptr<EasyDialog> dialog(make(nullptr));
    QCOMPARE(dialog->windowTitle(), german_title);
    QCOMPARE(rows_of(dialog.get()), german_rows);
}

void TestFormDialogs::grab_buttons_ask_for_their_types()
{
    QFETCH(Factory, make);
    QFETCH(QList<QStringList>, grabs);

    FakeTree tree;
    EasyDialog *dialog = make(&tree);
    for (QPushButton *button : dialog->findChildren<QPushButton *>(QStringLiteral("chooser_button"))) {
        if (button->toolTip() == QLatin1String("Grab object from tree"))
            button->click();
    }
    QCOMPARE(tree.requests, grabs);
}

void TestFormDialogs::emits_the_fields_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QVariantList>("emitted");

    QTest::newRow("remove object, blanks kept")
        << make<RemoveObjectDialog>([](auto *d) { set(d->grabob, " well 1 "); })
        << QVariantList{" well 1 "};
    QTest::newRow("rename object, empty fields") << make<RenameObjectDialog>() << QVariantList{"", ""};
    QTest::newRow("rename object") << make<RenameObjectDialog>([](auto *d) {
        set(d->grabob, "well");
        d->new_name->edit->setText(" well 2");
    }) << QVariantList{"well", " well 2"};
    QTest::newRow("copy object") << make<CopyObjectDialog>([](auto *d) {
        set(d->grabob, "well");
        d->new_name->edit->setText("well copy");
    }) << QVariantList{"well", "well copy"};
    QTest::newRow("load object, name left as DEFAULT")
        << make<LoadObjectDialog>([](auto *d) { set(d->input, "/data/top.db"); })
        << QVariantList{"/data/top.db", "DEFAULT"};
    QTest::newRow("load object, name cleared") << make<LoadObjectDialog>([](auto *d) {
        set(d->input, "/data/top.db");
        d->name->edit->clear();
    }) << QVariantList{"/data/top.db", ""};
    QTest::newRow("save object, path without extension") << make<SaveObjectDialog>([](auto *d) {
        set(d->grabob, "top");
        set(d->output, "/data/top");
    }) << QVariantList{"top", "/data/top"};
    QTest::newRow("create property") << make<CreatePropertyDialog>([](auto *d) {
        set(d->grabob, "well");
        d->prop_name->edit->setText("porosity");
    }) << QVariantList{"well", "porosity"};
    QTest::newRow("copy property, each object with its property")
        << make<CopyPropertyDialog>([](auto *d) {
               set(d->fromObject, "a");
               d->fromProperty->edit->setText("p");
               set(d->toObject, "b");
               d->toProperty->edit->setText("q");
           })
        << QVariantList{"a", "p", "b", "q"};
    QTest::newRow("rename property, typed object and empty list")
        << make<RenamePropertyDialog>([](auto *d) {
               set(d->grabob, "typed");
               d->new_name->edit->setText("new");
           })
        << QVariantList{"typed", "", "new"};
    QTest::newRow("remove property, typed object and empty list")
        << make<RemovePropertyDialog>([](auto *d) { set(d->grabob, "typed"); })
        << QVariantList{"typed", ""};
    QTest::newRow("flip depth") << make<FlipDepthDialog>([](auto *d) { set(d->grabob, "horizon"); })
                                << QVariantList{"horizon"};
    QTest::newRow("translate, shifts left at 0")
        << make<TranslateDialog>([](auto *d) { set(d->grabob, "horizon"); })
        << QVariantList{"horizon", 0.0, 0.0, 0.0};
    QTest::newRow("property operator, empty fields") << make<PropertyOperatorDialog>()
                                                     << QVariantList{"", ""};
    const QString script = QStringLiteral("propA = - propA \n\n    propB = propA * 2  \n\n");
    QTest::newRow("property operator, script as typed, region ignored")
        << make<PropertyOperatorDialog>([script](auto *d) {
               set(d->grabob, "well");
               d->region->edit->setText("top half");
               d->pteScript->setPlainText(script);
           })
        << QVariantList{"well", script};
}

void TestFormDialogs::emits_the_fields()
{
    QFETCH(Factory, make);
    QFETCH(QVariantList, emitted);

    FakeTree tree;
    EasyDialog *dialog = make(&tree);
    const auto spy = spy_start(dialog);
    QVERIFY(spy);
    dialog->show();

    // Apply emits each time and keeps the dialog open; OK emits and closes.
    dialog->btn_apply->click();
    dialog->btn_apply->click();
    QCOMPARE(spy->count(), 2);
    QVERIFY(dialog->isVisible());
    dialog->btn_ok->click();
    QCOMPARE(spy->count(), 3);
    QVERIFY(!dialog->isVisible());
    for (const QVariantList &arguments : *spy)
        QCOMPARE(arguments, emitted);

    // Cancel never emits.
    dialog->show();
    dialog->btn_close->click();
    QCOMPARE(spy->count(), 3);
}

// Enter in any text field emits the fields as they stand and closes the
// dialog, whatever is picked in the tree: no field button takes it.
void TestFormDialogs::enter_in_any_field_does_what_ok_does()
{
    QFETCH(Factory, make);
    QFETCH(QVariantList, emitted);

    FakeTree tree;
    FakeObject picked(QStringLiteral("picked in the tree"), {QStringLiteral("A")}, QStringLiteral("A"));
    tree.answer = &picked;
    EasyDialog *dialog = make(&tree);
    const auto spy = spy_start(dialog);
    QVERIFY(spy);
    int pressed = 0;
    for (QLineEdit *edit : dialog->findChildren<QLineEdit *>()) {
        dialog->show();
        if (!edit->isVisible() || !edit->isEnabled())
            continue;
        QApplication::setActiveWindow(dialog);
        edit->setFocus();
        on_next_modal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); }, 0);
        QTest::keyClick(edit, Qt::Key_Return);
        ++pressed;
        QVERIFY2(!modal_was_handled(), "Enter opened a chooser");
        QVERIFY(tree.requests.isEmpty());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(spy->count(), pressed);
        QCOMPARE(spy->last(), emitted);
    }
    QVERIFY(pressed > 0);
}

void TestFormDialogs::right_click_fills_the_object_field_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<Take>("take");
    QTest::addColumn<QStringList>("types");

    QTest::newRow("rename object") << make<RenameObjectDialog>() << right_click<RenameObjectDialog>() << kAllTypes;
    QTest::newRow("copy object") << make<CopyObjectDialog>() << right_click<CopyObjectDialog>() << kAllTypes;
    QTest::newRow("create property") << make<CreatePropertyDialog>() << right_click<CreatePropertyDialog>()
                                     << kAllTypes;
    QTest::newRow("rename property") << make<RenamePropertyDialog>() << right_click<RenamePropertyDialog>()
                                     << kFiveTypes;
    QTest::newRow("remove property") << make<RemovePropertyDialog>() << right_click<RemovePropertyDialog>()
                                     << kFiveTypes;
}

void TestFormDialogs::right_click_fills_the_object_field()
{
    QFETCH(Factory, make);
    QFETCH(Take, take);
    QFETCH(QStringList, types);

    FakeTree tree;
    FakeObject picked(QStringLiteral("picked well"), {QStringLiteral("A")}, QStringLiteral("A"));
    tree.answer = &picked;
    EasyDialog *dialog = make(&tree);
    auto *field = dialog->findChild<ChooserField *>();
    take(dialog);
    QCOMPARE(tree.requests, QList<QStringList>{types});
    QCOMPARE(text_of(field), QStringLiteral("picked well"));

    // Nothing suitable picked: the field keeps what it shows.
    tree.answer = nullptr;
    set(field, QStringLiteral("typed"));
    take(dialog);
    QCOMPARE(text_of(field), QStringLiteral("typed"));

    // A dialog opened without a tree has nobody to ask.
    std::unique_ptr<EasyDialog> orphan(make(nullptr));
    take(orphan.get());
    QCOMPARE(text_of(orphan->findChild<ChooserField *>()), QString());
}

void TestFormDialogs::property_list_follows_the_taken_object_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<bool>("by_right_click");
    QTest::addColumn<QStringList>("types");

    QTest::newRow("rename, right click") << make<RenamePropertyDialog>() << true << kFiveTypes;
    QTest::newRow("rename, grab button") << make<RenamePropertyDialog>() << false << kAllTypes;
    QTest::newRow("remove, right click") << make<RemovePropertyDialog>() << true << kFiveTypes;
    QTest::newRow("remove, grab button") << make<RemovePropertyDialog>() << false << kAllTypes;
}

void TestFormDialogs::property_list_follows_the_taken_object()
{
    QFETCH(Factory, make);
    QFETCH(bool, by_right_click);
    QFETCH(QStringList, types);

    ErrorRecorder errors;
    FakeTree tree;
    auto *dialog = static_cast<PropertyListDialog *>(make(&tree));
    const auto take = [&] {
        if (by_right_click)
            dialog->grab_object_rc();
        else
            button_of(dialog->grabob)->click();
    };
    const auto expect = [&](const QString &name, FakeObject *object, const QStringList &properties,
                            const QString &current) {
        QCOMPARE(text_of(dialog->grabob), name);
        QCOMPARE(dialog->dob.data(), object);
        QCOMPARE(dialog->propList, properties);
        QCOMPARE(items_of(dialog->prop->combobox), properties);
        QCOMPARE(dialog->prop->combobox->currentText(), current);
    };

    FakeObject first(QStringLiteral("well A"), {"A", "B", "C"}, QStringLiteral("B"));
    tree.answer = &first;
    take();
    QCOMPARE(tree.requests, QList<QStringList>{types});
    expect(QStringLiteral("well A"), &first, {"A", "B", "C"}, QStringLiteral("B"));
    if (QTest::currentTestFailed())
        return;

    // A second object replaces the whole list.
    FakeObject second(QStringLiteral("well B"), {"X", "Y"}, QStringLiteral("Y"));
    tree.answer = &second;
    take();
    expect(QStringLiteral("well B"), &second, {"X", "Y"}, QStringLiteral("Y"));
    if (QTest::currentTestFailed())
        return;

    // Nothing suitable picked: everything stays.
    tree.answer = nullptr;
    take();
    expect(QStringLiteral("well B"), &second, {"X", "Y"}, QStringLiteral("Y"));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(errors.messages.isEmpty());

    // A typed name leaves the list; Apply sends it with the listed property.
    set(dialog->grabob, QStringLiteral("typed"));
    QCOMPARE(items_of(dialog->prop->combobox), QStringList({"X", "Y"}));
    const auto spy = spy_start(dialog);
    dialog->apply();
    QCOMPARE(spy->count(), 1);
    QCOMPARE(spy->at(0).mid(0, 2), QVariantList({"typed", "Y"}));
}

void TestFormDialogs::missing_current_property_is_an_error_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<bool>("by_right_click");
    QTest::addColumn<QStringList>("properties");
    QTest::addColumn<std::optional<QString>>("current");

    const struct
    {
        const char *name;
        QStringList properties;
        std::optional<QString> current;
    } objects[] = {
        {"no current property", {"A", "B"}, std::nullopt},
        {"current property not listed", {"A", "B"}, QStringLiteral("Z")},
        {"no properties", {}, std::nullopt},
    };
    for (const auto &object : objects) {
        for (const bool by_right_click : {true, false}) {
            const char *route = by_right_click ? "right click" : "grab button";
            QTest::addRow("rename, %s, %s", object.name, route)
                << make<RenamePropertyDialog>() << by_right_click << object.properties << object.current;
            QTest::addRow("remove, %s, %s", object.name, route)
                << make<RemovePropertyDialog>() << by_right_click << object.properties << object.current;
        }
    }
}

void TestFormDialogs::missing_current_property_is_an_error()
{
    QFETCH(Factory, make);
    QFETCH(bool, by_right_click);
    QFETCH(QStringList, properties);
    QFETCH(std::optional<QString>, current);

    FakeTree tree;
    FakeObject object(QStringLiteral("well"), properties, current);
    tree.answer = &object;
    auto *dialog = static_cast<PropertyListDialog *>(make(&tree));
    dialog->show();
    if (by_right_click) {
        // A direct call throws to its caller.
        QVERIFY_EXCEPTION_THROWN(dialog->grab_object_rc(), LookupError);
    } else {
        // From a button the error goes to the host's handler.
        ErrorRecorder errors;
        button_of(dialog->grabob)->click();
        QCOMPARE(errors.messages.size(), 1);
    }
    QVERIFY(dialog->isVisible());
    QCOMPARE(text_of(dialog->grabob), QStringLiteral("well"));
    QCOMPARE(dialog->dob.data(), &object);
    QCOMPARE(items_of(dialog->prop->combobox), properties);
    QCOMPARE(dialog->prop->combobox->currentIndex(), properties.isEmpty() ? -1 : 0);

    const auto spy = spy_start(dialog);
    dialog->apply();
    QCOMPARE(spy->at(0).at(1).toString(), properties.value(0));
}

void TestFormDialogs::grab_property_without_an_object_is_an_error()
{
    FakeTree tree;
    RemovePropertyDialog dialog(&tree);
    QVERIFY_EXCEPTION_THROWN(dialog.grab_property(), LookupError);

    // The tree may delete an object after it was taken.
    auto *object = new FakeObject(QStringLiteral("well"), {"A"}, QStringLiteral("A"));
    tree.answer = object;
    dialog.grab_object_rc();
    QCOMPARE(dialog.dob.data(), object);
    delete object;
    QVERIFY(dialog.dob.isNull());
    QVERIFY_EXCEPTION_THROWN(dialog.grab_property(), LookupError);
    QCOMPARE(items_of(dialog.prop->combobox), QStringList{"A"});
}

void TestFormDialogs::translate_converts_the_shifts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<double>>("shifts");
    QTest::addColumn<QString>("refused"); // the text that stops apply, if any

    const double inf = qInf();
    QTest::newRow("blanks and signs") << QStringList{" 1.5 ", "\t-2\n", "  +3"}
                                      << QList<double>{1.5, -2, 3} << QString();
    QTest::newRow("exponents") << QStringList{"1e3", "-2.5E-2", "+4e+0"}
                               << QList<double>{1000, -0.025, 4} << QString();
    QTest::newRow("bare decimal points") << QStringList{".5", "5.", "-.25"}
                                         << QList<double>{0.5, 5, -0.25} << QString();
    QTest::newRow("words") << QStringList{"inf", "-Infinity", "NaN"}
                           << QList<double>{inf, -inf, qQNaN()} << QString();
    QTest::newRow("words in any case") << QStringList{"nan", "INF", "iNfInItY"}
                                       << QList<double>{qQNaN(), inf, inf} << QString();
    QTest::newRow("decimal comma in Y") << QStringList{"1", "0,5", ""} << QList<double>() << "0,5";
    QTest::newRow("empty Z") << QStringList{"1", "2", ""} << QList<double>() << "";
    QTest::newRow("X first") << QStringList{"abc", "0,5", ""} << QList<double>() << "abc";
    QTest::newRow("thousands separator") << QStringList{"1,000", "0", "0"} << QList<double>() << "1,000";
    QTest::newRow("hexadecimal") << QStringList{"0", "0", "0x10"} << QList<double>() << "0x10";
}

void TestFormDialogs::translate_converts_under_a_german_locale()
{
    GermanLocale german;
    check_translate();
}

void TestFormDialogs::check_translate()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, shifts);
    QFETCH(QString, refused);

    ErrorRecorder errors;
    TranslateDialog dialog;
    QSignalSpy spy(&dialog, &TranslateDialog::sig_start);
    set(dialog.grabob, QStringLiteral("horizon"));
    dialog.le_x->setText(texts.at(0));
    dialog.le_y->setText(texts.at(1));
    dialog.le_z->setText(texts.at(2));
    dialog.show();
    dialog.btn_ok->click();

    if (shifts.isEmpty()) {
        QCOMPARE(spy.count(), 0);
        QVERIFY(dialog.isVisible());
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.at(0).contains(QLatin1Char('\'') + refused + QLatin1Char('\'')),
                 qPrintable(errors.messages.at(0)));
        QVERIFY_EXCEPTION_THROWN(dialog.apply(), ConversionError);
        QCOMPARE(spy.count(), 0);
    } else {
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(spy.count(), 1);
        QVERIFY(!dialog.isVisible());
        const QVariantList arguments = spy.at(0);
        QCOMPARE(arguments.at(0).toString(), QStringLiteral("horizon"));
        for (int axis = 0; axis < 3; ++axis)
            QCOMPARE(arguments.at(axis + 1).toDouble(), shifts.at(axis));
    }
}

void TestFormDialogs::file_choosers_offer_their_filters_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<bool>("saving");

    QTest::newRow("load object") << make<LoadObjectDialog>()
                                 << QStringList{"DB files (*.db)", "All files (*)"} << false;
    QTest::newRow("save object") << make<SaveObjectDialog>() << QStringList{"All files (*)"} << true;
}

void TestFormDialogs::file_choosers_offer_their_filters()
{
    QFETCH(Factory, make);
    QFETCH(QStringList, filters);
    QFETCH(bool, saving);

    std::unique_ptr<EasyDialog> dialog(make(nullptr));
    QStringList offered;
    QString selected;
    bool save_mode = !saving;
    on_next_modal([&](QWidget *modal) {
        auto *chooser = qobject_cast<QFileDialog *>(modal);
        QVERIFY(chooser);
        offered = chooser->nameFilters();
        selected = chooser->selectedNameFilter();
        save_mode = chooser->acceptMode() == QFileDialog::AcceptSave;
        chooser->reject();
    });
    // The load dialog's only file field, or the save dialog's second field.
    const QList<ChooserField *> fields = dialog->findChildren<ChooserField *>();
    button_of(fields.last())->click();
    QVERIFY(modal_was_handled());
    QCOMPARE(offered, filters);
    QCOMPARE(selected, filters.first());
    QCOMPARE(save_mode, saving);
}

void TestFormDialogs::untouched_dialogs_emit_the_same_in_every_language_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<Extract>("extract");
    QTest::addColumn<QVariantList>("expected");

    const Extract all = [](const QVariantList &emitted) { return emitted; };
    QTest::newRow("report bug: one receiver, the server")
        << make<ReportBugDialog>() << QByteArray("sig_start")
        << Extract([](const QVariantList &emitted) {
               return QVariantList{emitted.at(1).toStringList().size(), emitted.at(4)};
           })
        << QVariantList{1, "localhost"};
    QTest::newRow("aspect ratio") << make<AspectRatioDialog>() << QByteArray("sigApply") << all
                                  << QVariantList{"Equal", 1.0};
    QTest::newRow("aspect ratio, Fixed chosen")
        << make<AspectRatioDialog>([](auto *d) { d->rbFixed->click(); }) << QByteArray("sigApply") << all
        << QVariantList{"Fixed", 1.0};
    QTest::newRow("translate: the shifts") << make<TranslateDialog>() << QByteArray("sig_start")
                                           << Extract([](const QVariantList &emitted) { return emitted.mid(1); })
                                           << QVariantList{0.0, 0.0, 0.0};
    QTest::newRow("load object: the object name") << make<LoadObjectDialog>() << QByteArray("sig_start")
                                                  << Extract([](const QVariantList &emitted) { return emitted.mid(1); })
                                                  << QVariantList{"DEFAULT"};
    QTest::newRow("canvas export") << make<CanvasExportDialog>() << QByteArray("sig_start") << all
                                   << QVariantList{"canvas.png", true};
}

// A starting text that a catalogue translates must not change what the
// host parses or does with an untouched form: a comma in the receivers'
// text would send the report to two bogus receivers.
void TestFormDialogs::untouched_dialogs_emit_the_same_in_every_language()
{
    QFETCH(Factory, make);
    QFETCH(QByteArray, signal);
    QFETCH(Extract, extract);
    QFETCH(QVariantList, expected);

    const QStringList languages = available_languages();
    QVERIFY(languages.contains(QStringLiteral("de")));
    for (const QString &language : languages) {
        InterfaceLanguage scope(language);
        std::unique_ptr<EasyDialog> dialog(make(nullptr));
        const auto spy = spy_start(dialog.get(), signal);
        QVERIFY(spy);
        dialog->apply();
        QCOMPARE(spy->count(), 1);
        QVERIFY2(extract(spy->at(0)) == expected,
                 qPrintable(language + QStringLiteral(": ") + QVariant(extract(spy->at(0))).toStringList().join(", ")));
    }
}

KELVRA_TEST_MAIN(TestFormDialogs)
#include "tst_formdialogs.moc"
