#pragma once

// The project a host window holds: the file or server project it came
// from, which Save writes again; whether the objects changed since they were
// opened or saved, shown in the title with Qt's [*] mark; and the question
// Save / Discard / Cancel before changes not saved could be lost (closing,
// quitting, opening another project, the desktop session ending). Projects
// are read and written beside the window by its StoreTasks.
//
// A server that asks for a password gets a prompt, and the open or save
// starts again with it; a save that the server refuses because someone else
// saved the project meanwhile (or, for Save as, because the project exists)
// offers to save under another name (or to replace the project that merely
// exists).

#include "app/core/projectlocation.h"
#include "app/core/serverproject.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <optional>

class QSessionManager;

namespace kelvra::app {

class BackgroundTask;
class HostWindow;
class RecentProjects;

class ProjectSession : public QObject
{
    Q_OBJECT
public:
    // Called once a task has ended, with whether it completed.
    using Ended = std::function<void(bool)>;

    explicit ProjectSession(HostWindow *window);

    // The file or server project (as its URI, without a password) Save
    // writes to; empty for a project that has none yet.
    QString file() const { return m_location.text(); }
    const ProjectLocation &location() const { return m_location; }
    // Whether the objects changed since they were opened or saved.
    bool modified() const;

    // Replaces the objects with those of a project file, read on a worker
    // thread, and clears the modified mark. as_template: the file is a
    // starting point (the sample project), so the project gets no file and
    // Save asks for one. Throws ValueError while another file task runs.
    BackgroundTask *open(const QString &path, Ended ended = {}, bool as_template = false);
    // The same for a location, which may carry a password typed before.
    BackgroundTask *open_location(const ProjectLocation &location, Ended ended = {}, bool as_template = false);
    // Writes every object into path on a worker thread; once written, path
    // is the project's file and the modified mark is cleared. A failed or
    // cancelled save leaves both as they were. Throws like open().
    BackgroundTask *save_to(const QString &path, Ended ended = {});
    // The same for a location: a server project is saved on the version
    // it carries (the one opened when it is the project opened).
    BackgroundTask *save_location(const ProjectLocation &location, Ended ended = {});

    // File > Save: to the project's file, or as save_as() when it has none.
    // Null when no save started (the user cancelled the file chooser).
    BackgroundTask *save(Ended ended = {});
    // File > Save as: asks for a file, then saves there.
    BackgroundTask *save_as(Ended ended = {});
    // File > Open: settles unsaved changes, then asks for a file and opens it.
    void choose_and_open();
    // A recent project: settles unsaved changes, then opens path.
    void open_settled(const QString &path);
    // File > Open from server: settles unsaved changes, then asks for a
    // server project with the server dialog and opens it.
    void choose_server_and_open();
    // File > Save to server: asks for a server project with the server
    // dialog (filled from initial, or from the project's server), then
    // saves there.
    void save_to_server(const std::optional<ServerAddress> &initial = std::nullopt);

    // Runs proceed, from the event loop, once no change can be lost: at once
    // when there are none or the user discards them, after the save when the
    // user saves and the save succeeds; never when the user cancels or the
    // save fails or is cancelled.
    void settle_then(std::function<void()> proceed);
    // The same, waiting for the save here: whether to go on.
    bool settle_now();
    // Answers the desktop session ending: settles unsaved changes, and
    // cancels the logout when the user cancels or the save fails.
    void commit_data(QSessionManager &manager);

    // Asks Save, Discard or Cancel with the question; replaceable for tests.
    std::function<QMessageBox::StandardButton(const QString &question)> ask_unsaved;
    // Asks for a project file to save to (saving true) or to open; empty
    // when the user cancels. Replaceable for tests.
    std::function<QString(bool saving)> ask_file;

    RecentProjects *const recent;

private:
    // What the title calls the project.
    QString name() const;
    void set_location(const ProjectLocation &location);
    // Takes care of a password request or a conflict of a server task:
    // whether it did.
    bool take_server_refusal(const std::exception &error, const ProjectLocation &location, bool saving);
    void ask_password(ProjectLocation location, bool saving);
    void resolve_conflict(ProjectLocation location, const QString &message, const ServerProjectInfo &current);
    QMessageBox::StandardButton ask() const;
    void run_later(std::function<void()> proceed);

    HostWindow *m_window;
    ProjectLocation m_location;
};

} // namespace kelvra::app
