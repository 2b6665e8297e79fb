#pragma once

// Opens the form dialogs of the reference host and carries out what they
// request. Every dialog is created with the object tree as parent; the host
// does the work in the slot connected to the dialog's signal. A refused
// request is reported through the error handler, the data stay as they
// were, and the dialog stays open so that the user can correct it.

#include <QObject>
#include <QPointer>

#include <functional>

class QUrl;

namespace kelvra {
class EasyDialog;
}

namespace kelvra::app {

class ObjectStore;
class ObjectTreeWidget;
class StoreTasks;
struct BugReport;
struct StoreTask;

class Requests : public QObject
{
    Q_OBJECT
public:
    enum class Kind {
        RemoveObject,
        RenameObject,
        CopyObject,
        LoadObject,
        SaveObject,
        FlipDepth,
        Translate,
        CreateProperty,
        CopyProperty,
        RenameProperty,
        RemoveProperty,
        PropertyOperator,
        ReportBug,
        Import,
        Export,
    };

    Requests(ObjectStore *store, ObjectTreeWidget *tree, StoreTasks *tasks, QObject *parent = nullptr);

    // Opens the dialog of that kind, non-modal, and returns it. from_tree:
    // opened from the tree's context menu, so the dialog takes the picked
    // object where it can.
    EasyDialog *open(Kind kind, bool from_tree = false);

    // Hands a bug report to the user's mail client; replaceable for tests.
    std::function<bool(const QUrl &)> open_url;
    // Asks where to save a bug report that no mail client took; empty to
    // cancel. Replaceable for tests.
    std::function<QString()> ask_report_file;

private:
    EasyDialog *create(Kind kind);
    // Runs the request; a refusal is reported and keeps the dialog open.
    void carry_out(EasyDialog *dialog, const std::function<void()> &request);
    // Starts a request that runs on a worker thread (a file read or
    // written, a script). The dialog, even when OK closed it, comes back
    // with what was typed when the request fails or is cancelled. The
    // task's own ended(), if any, runs first.
    void carry_out_later(EasyDialog *dialog, StoreTask task);
    void hand_over(const BugReport &report);

    ObjectStore *m_store;
    ObjectTreeWidget *m_tree;
    StoreTasks *m_tasks;
};

} // namespace kelvra::app
