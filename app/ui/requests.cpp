#include "app/ui/requests.h"

#include "app/core/bugreport.h"
#include "app/core/objectfile.h"
#include "app/core/objectstore.h"
#include "app/script/propertyscript.h"
#include "app/formats/exchange.h"
#include "app/ui/importdialog.h"
#include "app/ui/objecttreewidget.h"
#include "app/ui/scriptoutput.h"
#include "app/ui/storetasks.h"

#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/translation.h"
#include "widgets/dialogs.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

namespace kelvra::app {
namespace {

const char kRefused[] = "kelvra_request_refused";
const char kPending[] = "kelvra_request_pending";

// Shows a dialog that closed again where it was. QDialog would centre it on
// its parent anew each time it shows (undoing where the user moved it, and
// on X11 shifting it by the height of the window manager's frame).
void show_again(QDialog *dialog)
{
    const QByteArray geometry = dialog->saveGeometry();
    QTimer::singleShot(0, dialog, [dialog, geometry] {
        dialog->restoreGeometry(geometry);
        dialog->show();
    });
}

// Fills an object field as its grab button does: with the object picked in
// the tree, when its geometry type suits the field.
void grab_into(ChooserField *field)
{
    if (auto *button = field->findChild<QAbstractButton *>(QStringLiteral("chooser_button")))
        button->click();
}

// The name a loaded object gets: the typed one, or the stored one when the
// user left "DEFAULT" or nothing.
QString name_for_loaded(const QString &typed, const QString &stored)
{
    return typed.isEmpty() || typed == QLatin1String("DEFAULT") ? stored : typed;
}

} // namespace

Requests::Requests(ObjectStore *store, ObjectTreeWidget *tree, StoreTasks *tasks, QObject *parent)
    : QObject(parent)
    , open_url([](const QUrl &url) { return QDesktopServices::openUrl(url); })
    , m_store(store)
    , m_tree(tree)
    , m_tasks(tasks)
{
    ask_report_file = [tree] {
        return QFileDialog::getSaveFileName(tree, _("Save bug report"), QStringLiteral("bug-report.txt"),
                                            _("Text files (*.txt)"));
    };
}

EasyDialog *Requests::open(Kind kind, bool from_tree)
{
    EasyDialog *dialog = create(kind);
    // A closed dialog is released, unless its request was refused: then it
    // comes back with the texts the user typed. One whose request still
    // runs waits for its outcome.
    connect(dialog, &QDialog::finished, dialog, [dialog] {
        if (dialog->property(kPending).toBool())
            return;
        if (dialog->property(kRefused).toBool()) {
            dialog->setProperty(kRefused, false);
            show_again(dialog);
        } else {
            dialog->deleteLater();
        }
    });
    if (from_tree) {
        // Every dialog with an object field starts with the object whose
        // menu opened it; those without grab_object_rc() as if their grab
        // button had been pressed.
        guarded([dialog] {
            if (auto *d = qobject_cast<RenameObjectDialog *>(dialog))
                d->grab_object_rc();
            else if (auto *d = qobject_cast<CopyObjectDialog *>(dialog))
                d->grab_object_rc();
            else if (auto *d = qobject_cast<CreatePropertyDialog *>(dialog))
                d->grab_object_rc();
            else if (auto *d = qobject_cast<PropertyListDialog *>(dialog))
                d->grab_object_rc();
            else if (auto *d = qobject_cast<RemoveObjectDialog *>(dialog))
                grab_into(d->grabob);
            else if (auto *d = qobject_cast<FlipDepthDialog *>(dialog))
                grab_into(d->grabob);
            else if (auto *d = qobject_cast<TranslateDialog *>(dialog))
                grab_into(d->grabob);
            else if (auto *d = qobject_cast<PropertyOperatorDialog *>(dialog))
                grab_into(d->grabob);
            else if (auto *d = qobject_cast<SaveObjectDialog *>(dialog))
                grab_into(d->grabob);
            else if (auto *d = qobject_cast<CopyPropertyDialog *>(dialog))
                grab_into(d->fromObject);
        });
    }
    dialog->show();
    return dialog;
}

void Requests::carry_out(EasyDialog *dialog, const std::function<void()> &request)
{
    try {
        request();
    } catch (const std::exception &error) {
        dialog->setProperty(kRefused, true);
        report_error(error);
    }
}

void Requests::carry_out_later(EasyDialog *dialog, StoreTask task)
{
    carry_out(dialog, [&] {
        task.ended = [dialog = QPointer<EasyDialog>(dialog), then = std::move(task.ended)](bool ok) {
            if (then)
                then(ok);
            if (!dialog)
                return;
            dialog->setProperty(kPending, false);
            if (!ok)
                show_again(dialog);
            else if (dialog->isHidden())
                dialog->deleteLater();
        };
        m_tasks->start(std::move(task));
        dialog->setProperty(kPending, true);
    });
}

EasyDialog *Requests::create(Kind kind)
{
    ObjectStore *store = m_store;
    switch (kind) {
    case Kind::RemoveObject: {
        auto *dialog = new RemoveObjectDialog(m_tree);
        connect(dialog, &RemoveObjectDialog::sig_start, this, [=](const QString &object) {
            carry_out(dialog, [=] { store->remove_object(object); });
        });
        return dialog;
    }
    case Kind::RenameObject: {
        auto *dialog = new RenameObjectDialog(m_tree);
        connect(dialog, &RenameObjectDialog::sig_start, this, [=](const QString &object, const QString &name) {
            carry_out(dialog, [=] { store->rename_object(object, name); });
        });
        return dialog;
    }
    case Kind::CopyObject: {
        auto *dialog = new CopyObjectDialog(m_tree);
        connect(dialog, &CopyObjectDialog::sig_start, this, [=](const QString &object, const QString &name) {
            carry_out(dialog, [=] { store->copy_object(object, name); });
        });
        return dialog;
    }
    case Kind::LoadObject: {
        auto *dialog = new LoadObjectDialog(m_tree);
        connect(dialog, &LoadObjectDialog::sig_start, this, [=](const QString &file, const QString &name) {
            auto record = std::make_shared<ObjectRecord>();
            carry_out_later(dialog, {
                _("Loading %1").arg(QFileInfo(file).fileName()),
                _("Kelvra is loading %1; try again when that is done.").arg(file),
                [file, record](Progress &progress) { *record = load_single_object(file, &progress); },
                [store, name, record] {
                    record->name = name_for_loaded(name, record->name);
                    store->add(std::make_unique<GeoObject>(std::move(*record)));
                },
            });
        });
        return dialog;
    }
    case Kind::SaveObject: {
        auto *dialog = new SaveObjectDialog(m_tree);
        connect(dialog, &SaveObjectDialog::sig_start, this, [=](const QString &object, const QString &file) {
            carry_out(dialog, [=] {
                StoreTask task{
                    _("Saving %1").arg(QFileInfo(file).fileName()),
                    _("Kelvra is saving %1 to %2; try again when that is done.").arg(object, file),
                    [file, records = std::vector<ObjectRecord>{store->get(object)->record()}](Progress &progress) {
                        save_objects(file, records, &progress);
                    },
                    [] {},
                };
                task.writes = true;
                carry_out_later(dialog, std::move(task));
            });
        });
        return dialog;
    }
    case Kind::FlipDepth: {
        auto *dialog = new FlipDepthDialog(m_tree);
        connect(dialog, &FlipDepthDialog::sig_start, this, [=](const QString &object) {
            carry_out(dialog, [=] { store->flip_depth(object); });
        });
        return dialog;
    }
    case Kind::Translate: {
        auto *dialog = new TranslateDialog(m_tree);
        connect(dialog, &TranslateDialog::sig_start, this,
                [=](const QString &object, double dx, double dy, double dz) {
                    carry_out(dialog, [=] { store->translate(object, dx, dy, dz); });
                });
        return dialog;
    }
    case Kind::CreateProperty: {
        auto *dialog = new CreatePropertyDialog(m_tree);
        connect(dialog, &CreatePropertyDialog::sig_start, this, [=](const QString &object, const QString &property) {
            carry_out(dialog, [=] { store->create_property(object, property); });
        });
        return dialog;
    }
    case Kind::CopyProperty: {
        auto *dialog = new CopyPropertyDialog(m_tree);
        connect(dialog, &CopyPropertyDialog::sig_start, this,
                [=](const QString &from_object, const QString &from_property, const QString &to_object,
                    const QString &to_property) {
                    carry_out(dialog, [=] { store->copy_property(from_object, from_property, to_object, to_property); });
                });
        return dialog;
    }
    case Kind::RenameProperty: {
        auto *dialog = new RenamePropertyDialog(m_tree);
        connect(dialog, &RenamePropertyDialog::sig_start, this,
                [=](const QString &object, const QString &property, const QString &name) {
                    carry_out(dialog, [=] { store->rename_property(object, property, name); });
                });
        return dialog;
    }
    case Kind::RemoveProperty: {
        auto *dialog = new RemovePropertyDialog(m_tree);
        connect(dialog, &RemovePropertyDialog::sig_start, this, [=](const QString &object, const QString &property) {
            carry_out(dialog, [=] { store->remove_property(object, property); });
        });
        return dialog;
    }
    case Kind::PropertyOperator: {
        auto *dialog = new PropertyOperatorDialog(m_tree);
        connect(dialog, &PropertyOperatorDialog::sig_start, this, [=](const QString &object, const QString &source) {
            carry_out(dialog, [=] {
                auto script = std::make_shared<PropertyScript>(object, source, store->get(object)->prop());
                StoreTask task{
                    _("Running the script on %1").arg(object),
                    _("Kelvra is running a script on %1; try again when it is done.").arg(object),
                    [script](Progress &progress) { script->run(progress); },
                    [store, object, script] {
                        try {
                            store->set_properties(object, script->results());
                        } catch (const std::exception &error) {
                            throw ValueError(refusal_message(object, error_text(error)));
                        }
                    },
                };
                // What the script printed is shown whatever became of it.
                task.ended = [tree = QPointer<QWidget>(m_tree), object, script](bool) {
                    if (!script->output().isEmpty())
                        show_script_output(tree, object, script->output());
                };
                carry_out_later(dialog, std::move(task));
            });
        });
        return dialog;
    }
    case Kind::Import: {
        auto *dialog = new ImportDialog(m_tree);
        connect(dialog, &ImportDialog::sig_start, this,
                [=](const QString &file, const QString &format, const formats::ImportOptions &options) {
                    auto records = std::make_shared<std::vector<ObjectRecord>>();
                    carry_out_later(dialog, {
                        _("Importing %1").arg(QFileInfo(file).fileName()),
                        _("Kelvra is importing %1; try again when that is done.").arg(file),
                        [file, format, options, records](Progress &progress) {
                            *records = formats::import_file(file, format, options, &progress);
                        },
                        [store, records] { formats::add_imported(*store, std::move(*records)); },
                    });
                });
        return dialog;
    }
    case Kind::Export: {
        auto *dialog = new ExportDialog(m_tree);
        const GeoObject *picked = m_tree->selected_object();
        dialog->set_objects(store->object_names(), picked ? picked->name() : QString());
        connect(store, &ObjectStore::objects_changed, dialog,
                [dialog, store] { dialog->set_objects(store->object_names()); });
        connect(dialog, &ExportDialog::sig_start, this,
                [=](const QStringList &objects, const QString &path, bool into_folder, const QString &format,
                    const formats::ExportOptions &options) {
                    carry_out(dialog, [=] {
                        auto records = std::make_shared<std::vector<ObjectRecord>>();
                        for (const QString &object : objects)
                            records->push_back(store->get(object)->record());
                        StoreTask task;
                        if (into_folder) {
                            // Refuses at once what cannot be written.
                            const auto plan = std::make_shared<std::vector<formats::FolderExport>>(
                                formats::plan_folder_export(path, *records, format));
                            task = {
                                _("Exporting %1 objects to %2").arg(records->size()).arg(QFileInfo(path).fileName()),
                                _("Kelvra is exporting %1 objects to %2; try again when that is done.")
                                    .arg(records->size())
                                    .arg(path),
                                [plan, records, options](Progress &progress) {
                                    formats::export_to_folder(*plan, *records, options, &progress);
                                },
                                [] {},
                            };
                        } else {
                            formats::export_format(path, records->front(), format); // refuses at once
                            task = {
                                _("Exporting %1").arg(QFileInfo(path).fileName()),
                                _("Kelvra is exporting %1 to %2; try again when that is done.")
                                    .arg(objects.front(), path),
                                [path, records, format, options](Progress &progress) {
                                    formats::export_object(path, records->front(), format, options, &progress);
                                },
                                [] {},
                            };
                        }
                        task.writes = true;
                        carry_out_later(dialog, std::move(task));
                    });
                });
        return dialog;
    }
    case Kind::ReportBug: {
        auto *dialog = new ReportBugDialog(m_tree);
        connect(dialog, &ReportBugDialog::sig_start, this,
                [=](const QString &sender, const QStringList &receivers, const QString &subject,
                    const QString &body, const QString &server) {
                    carry_out(dialog, [=] { hand_over({sender, receivers, subject, body, server}); });
                });
        return dialog;
    }
    }
    throw ValueError(QStringLiteral("Unknown value"));
}

void Requests::hand_over(const BugReport &report)
{
    if (open_url(report.mailto()))
        return;
    const QString path = ask_report_file();
    if (path.isEmpty())
        throw ValueError(_("No mail program took the bug report, and it was not saved."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(report.text().toUtf8()) < 0
        || !file.commit()) {
        throw std::runtime_error(
            _("The bug report could not be saved to %1: %2").arg(path, file.errorString()).toStdString());
    }
    QMessageBox::information(m_tree, _("Report bug"),
                             _("No mail program took the bug report. It was saved to %1.").arg(path));
}

} // namespace kelvra::app
