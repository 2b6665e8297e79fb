#include "widgets/kvdialog/easydialog.h"

#include "host/dataobject.h"
#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/functions.h"
#include "host/icon_manager.h"
#include "host/logging.h"
#include "host/objecttree.h"
#include "host/translation.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegExpValidator>

namespace kelvra {
namespace {

bool is_directory(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

EasyDialog::EasyDialog(QWidget *parent, bool set_tree, bool set_db, bool test)
    : EasyDialog(texts_of<EasyDialog>(), parent, set_tree, set_db, test)
{
}

EasyDialog::EasyDialog(const Texts &texts, QWidget *parent, bool set_tree, bool set_db, bool test)
    : QDialog(parent)
    , m_texts(texts)
{
    setWindowTitle(_(m_texts.name));
    layout = new QVBoxLayout;
    setLayout(layout);
    this->parent = parent;
    treebase = qobject_cast<ObjectTree *>(parent);
    object_name = nullptr;
    if (set_tree && treebase)
        mainwindow = treebase->main;
    if (set_db && treebase)
        database = treebase->object_data;
    if (test)
        EasyDialog::test();
}

QWidget *EasyDialog::create_action(bool ok, const char *apply_label)
{
    if (ok) {
        btn_ok = new QPushButton(_("OK"));
        connect_guarded(btn_ok, &QPushButton::clicked, this, [this] { apply_and_close(); });
    }
    btn_apply = new QPushButton(_(apply_label));
    connect_guarded(btn_apply, &QPushButton::clicked, this, [this] { apply(); });
    btn_close = new QPushButton(_("Cancel"));
    connect(btn_close, &QPushButton::clicked, this, &QDialog::close);
    btn_help = new QPushButton(_("Help"));
    // F1 anywhere in the dialog does what Help does.
    btn_help->setShortcut(QKeySequence::HelpContents);
    connect_guarded(btn_help, &QPushButton::clicked, this, [this] { show_help(); });

    auto *row = new QHBoxLayout;
    row->addStretch();
    if (ok)
        row->addWidget(btn_ok);
    row->addWidget(btn_apply);
    row->addWidget(btn_close);
    row->addWidget(btn_help);

    auto *action = new QWidget(this);
    action->setLayout(row);
    // Enter anywhere in the form does what OK does (Apply without OK). Set
    // once the buttons are inside the dialog, which then knows its default.
    (ok ? btn_ok : btn_apply)->setDefault(true);
    return action;
}

void EasyDialog::apply()
{
    throw NotImplementedError(QStringLiteral("%1 does not implement apply()")
                                  .arg(QString::fromLatin1(metaObject()->className())));
}

void EasyDialog::apply_and_close()
{
    apply();
    close();
}

void EasyDialog::show_help()
{
    QMessageBox::information(this, _(m_texts.help_head), _(m_texts.help_body));
}

void EasyDialog::load_object() {}

void EasyDialog::load_lines() {}

void EasyDialog::test()
{
    layout->addWidget(new QLabel(_("Open existing file")));
    layout->addWidget(create_browsefile(_("File")));
    layout->addWidget(new QLabel(_("Create new file")));
    layout->addWidget(create_browsefile(_("File"), {}, {}, std::nullopt, true));
}

LineEditField *EasyDialog::create_lineedit(const QString &text, const QString &default_text,
                                           const QString &tip, Qt::Orientation alignment,
                                           const QString &regex, bool wrap)
{
    auto *field = new LineEditField(text, alignment, this);
    field->label->setWordWrap(wrap);
    if (!default_text.isEmpty())
        field->edit->setText(default_text);
    if (!tip.isEmpty())
        field->edit->setToolTip(tip);
    if (!regex.isEmpty())
        field->edit->setValidator(new QRegExpValidator(QRegExp(regex), field->edit));
    return field;
}

ComboBoxField *EasyDialog::create_combobox(const QString &text,
                                           const std::vector<ComboChoice> &choices,
                                           const QString &tip)
{
    auto *field = new ComboBoxField(text, this);
    if (!tip.isEmpty())
        field->combobox->setToolTip(tip);
    for (const ComboChoice &choice : choices) {
        if (!choice.name && !choice.key.isValid())
            continue;
        field->combobox->addItem(choice.name.value_or(QString()), choice.key);
    }
    return field;
}

QPushButton *EasyDialog::create_chooser_button(const char *icon_name, const char *tool_tip)
{
    auto *button = new QPushButton(this);
    // Never the button that Enter presses: Enter in a field must not take
    // another object or path into it. Nor a stop for Tab, which goes from
    // field to field; the mouse reaches it, its tool tip says what it does.
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::ClickFocus);
    button->setIcon(ima::icon(QString::fromLatin1(icon_name)));
    button->setToolTip(_(tool_tip));
    return button;
}

ChooserField *EasyDialog::create_grabob(const QString &text, const QString &default_text,
                                        const QString &tip, const QStringList &geom)
{
    LineEditField *grabob = create_lineedit(text, default_text, tip);
    QPushButton *button = create_chooser_button("grab_object", QT_TRID_NOOP("Grab object from tree"));
    QLineEdit *edit = grabob->edit;
    connect_guarded(button, &QPushButton::clicked, this,
                    [this, edit, geom] { grab_object(edit, geom); });
    return new ChooserField(grabob, button, this);
}

ChooserField *EasyDialog::create_browsefile(const QString &text, const QString &default_text,
                                            const QString &tip,
                                            const std::optional<QString> &filters, bool new_file)
{
    LineEditField *lineedit = create_lineedit(text, default_text, tip);
    QPushButton *button = create_chooser_button("FileIcon", QT_TRID_NOOP("Select file"));
    QLineEdit *edit = lineedit->edit;
    connect_guarded(button, &QPushButton::clicked, this,
                    [this, edit, filters, new_file] { select_file(edit, filters, new_file); });
    return new ChooserField(lineedit, button, this);
}

ChooserField *EasyDialog::create_browsedir(const QString &text, const QString &default_text,
                                           const QString &tip)
{
    LineEditField *lineedit = create_lineedit(text, default_text, tip);
    QPushButton *button = create_chooser_button("DirOpenIcon", QT_TRID_NOOP("Select directory"));
    QLineEdit *edit = lineedit->edit;
    connect_guarded(button, &QPushButton::clicked, this, [this, edit] { select_directory(edit); });
    return new ChooserField(lineedit, button, this);
}

CubeFrame *EasyDialog::create_cubeframe()
{
    return new CubeFrame(this);
}

QWidget *EasyDialog::create_tab(const QList<QWidget *> &widgets)
{
    auto *page = new QWidget;
    auto *vbox = new QVBoxLayout(page);
    for (QWidget *widget : widgets)
        vbox->addWidget(widget);
    vbox->addStretch(1);
    return page;
}

void EasyDialog::grab_object(QLineEdit *edit, const QStringList &geom)
{
    if (!treebase) {
        qCWarning(lcHost) << "cannot grab an object: the dialog has no object tree";
        return;
    }
    DataObject *grabbed = treebase->grab_object(geom);
    if (!grabbed)
        return; // nothing suitable is picked: leave the field and `object` alone
    object = grabbed;
    edit->setText(grabbed->name());
    load_object();
}

void EasyDialog::select_file(QLineEdit *edit, const std::optional<QString> &filters, bool new_file)
{
    const QString current = to_text_string(edit->text());
    QString directory;
    if (is_directory(current)) {
        directory = current;
    } else {
        const int separator = current.lastIndexOf(QLatin1Char('/'));
        const QString head = separator == 0 ? QStringLiteral("/") : current.left(qMax(separator, 0));
        directory = is_directory(head) ? head : getcwd_or_home();
    }
    const QString filter = filters.value_or(_("All files (*)"));
    const QString caption = _("Select file");
    const QString path = new_file
                             ? QFileDialog::getSaveFileName(this, caption, directory, filter)
                             : QFileDialog::getOpenFileName(this, caption, directory, filter);
    take_path(edit, path);
}

void EasyDialog::select_directory(QLineEdit *edit)
{
    const QString current = to_text_string(edit->text());
    const QString directory = is_directory(current) ? current : getcwd_or_home();
    take_path(edit, QFileDialog::getExistingDirectory(this, _("Select directory"), directory));
}

void EasyDialog::take_path(QLineEdit *edit, const QString &path)
{
    if (path.isEmpty())
        return; // cancelled: nothing changes
    edit->setText(path);
    load_lines();
    if (object_name)
        object_name->edit->setText(object_name_of_path(path));
}

QString EasyDialog::object_name_of_path(const QString &path)
{
    const QString component = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    int stem = 0;
    while (stem < component.size() && component.at(stem) == QLatin1Char('.'))
        ++stem;
    const int dot = component.lastIndexOf(QLatin1Char('.'));
    return dot > stem ? component.left(dot) : component;
}

namespace kvdialog {

int main()
{
    int argc = 1;
    char program[] = "kvdialog";
    char *argv[] = {program, nullptr};
    QApplication app(argc, argv);
    load_translations();
    set_error_handler(message_box_error_handler());
    EasyDialog dialog(nullptr, false, false, true);
    // The form ends with the standard button row, as every dialog's does.
    dialog.layout->addWidget(dialog.create_action());
    dialog.show();
    return app.exec();
}

} // namespace kvdialog
} // namespace kelvra
