#pragma once

#include "widgets/kvdialog/fields.h"
#include "widgets/kvdialog/kvdialog_export.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>
#include <vector>

class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kelvra {

class DataObject;
class MainWindow;
class ObjectData;
class ObjectTree;

// One entry of a combo box: the shown name and the item's data. An entry
// with neither a name nor a key adds nothing.
struct ComboChoice
{
    std::optional<QString> name;
    QVariant key;
};

// Template dialog that includes convenient methods to creating common components.
//
// A concrete dialog declares its own class texts (NAME, and HELP_HEAD and
// HELP_BODY where it has them), hands them to the base with texts_of<>(),
// builds its form in its constructor by adding fields to `layout` and the
// button row from create_action() last, and overrides apply():
//
//     class RenameDialog : public EasyDialog {
//     public:
//         static constexpr const char *NAME = QT_TRID_NOOP("Rename object");
//         explicit RenameDialog(QWidget *parent = nullptr)
//             : EasyDialog(texts_of<RenameDialog>(), parent) { ... }
//         void apply() override;
//     };
class KVDIALOG_EXPORT EasyDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Template Dialog");
    static constexpr const char *HELP_HEAD = QT_TRID_NOOP("How to use");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP("Sorry no help is available");

    // The untranslated class texts of a dialog class.
    struct Texts
    {
        const char *name;
        const char *help_head;
        const char *help_body;
    };
    // The class texts of Dialog; a text the class does not declare is its base's.
    template <class Dialog>
    static constexpr Texts texts_of()
    {
        return {Dialog::NAME, Dialog::HELP_HEAD, Dialog::HELP_BODY};
    }

    // parent: parent; set_tree: set connection to tree; set_db: set
    // connection to DB; test: test mode.
    explicit EasyDialog(QWidget *parent = nullptr, bool set_tree = false, bool set_db = false,
                        bool test = false);

    // Create action buttons. ok: have the OK button; apply_label: label of
    // the apply button, translated here. OK (or Apply, without OK) is the
    // default button: Enter in any field presses it; F1 presses Help. The
    // buttons of object, file and directory fields are never default, and
    // Tab passes them by.
    QWidget *create_action(bool ok = true, const char *apply_label = QT_TRID_NOOP("Apply"));

    // Field builders. Texts are shown as given: translate them first.
    LineEditField *create_lineedit(const QString &text, const QString &default_text = {},
                                   const QString &tip = {},
                                   Qt::Orientation alignment = Qt::Horizontal,
                                   const QString &regex = {}, bool wrap = true);
    ComboBoxField *create_combobox(const QString &text, const std::vector<ComboChoice> &choices = {},
                                   const QString &tip = {});
    // geom: geometry of the object to grab.
    ChooserField *create_grabob(const QString &text, const QString &default_text = {},
                                const QString &tip = {}, const QStringList &geom = {});
    // filters: filters by filename extension (absent: all files); new_file:
    // select existing or create new file.
    ChooserField *create_browsefile(const QString &text, const QString &default_text = {},
                                    const QString &tip = {},
                                    const std::optional<QString> &filters = std::nullopt,
                                    bool new_file = false);
    ChooserField *create_browsedir(const QString &text, const QString &default_text = {},
                                   const QString &tip = {});
    CubeFrame *create_cubeframe();
    // Create simple tab widget page, widgets added in vertical layout.
    QWidget *create_tab(const QList<QWidget *> &widgets = {});

    // Grab object from tree to dialog. An answer of no object changes nothing.
    void grab_object(QLineEdit *edit, const QStringList &geom);
    // Select file; edit: box to display the selected file.
    void select_file(QLineEdit *edit, const std::optional<QString> &filters = std::nullopt,
                     bool new_file = false);
    // Select directory.
    void select_directory(QLineEdit *edit);

    // The derived object name of a path: its last component without the
    // last extension ("/data/top.grid.dat" gives "top.grid").
    static QString object_name_of_path(const QString &path);

    QVBoxLayout *layout = nullptr;
    QWidget *parent = nullptr;
    ObjectTree *treebase = nullptr;
    LineEditField *object_name = nullptr;
    MainWindow *mainwindow = nullptr;
    ObjectData *database = nullptr;
    QPointer<DataObject> object;

    QPushButton *btn_ok = nullptr;
    QPushButton *btn_apply = nullptr;
    QPushButton *btn_close = nullptr;
    QPushButton *btn_help = nullptr;

public Q_SLOTS:
    // Builds the demonstration form.
    virtual void test();
    // Apply and close: close only when apply() succeeded.
    virtual void apply_and_close();
    // Show help message.
    virtual void show_help();
    // Hook called after an object was grabbed into a field.
    virtual void load_object();
    // Reads the form and hands the request to the host. The base throws
    // NotImplementedError.
    virtual void apply();
    // Hook called after the user chose a path.
    virtual void load_lines();

protected:
    EasyDialog(const Texts &texts, QWidget *parent, bool set_tree = false, bool set_db = false,
               bool test = false);

private:
    QPushButton *create_chooser_button(const char *icon_name, const char *tool_tip);
    void take_path(QLineEdit *edit, const QString &path);

    Texts m_texts;
};

namespace kvdialog {
// Opens the demonstration form and runs the event loop.
KVDIALOG_EXPORT int main();
} // namespace kvdialog

} // namespace kelvra
