#include "app/ui/projectsession.h"

#include "app/core/objectstore.h"
#include "app/core/pgconnection.h"
#include "app/ui/hostwindow.h"
#include "app/ui/recentprojects.h"
#include "app/ui/serverdialog.h"
#include "app/ui/storetasks.h"

#include "host/errorhandler.h"
#include "host/translation.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSessionManager>

#include <memory>
#include <vector>

namespace kelvra::app {
namespace {

const char *const kProjectFilter = QT_TRID_NOOP("DB files (*.db);;All files (*)");

} // namespace

ProjectSession::ProjectSession(HostWindow *window)
    : QObject(window)
    , recent(new RecentProjects(new QMenu(_("Recent projects"), window), this))
    , m_window(window)
{
    ask_unsaved = [window](const QString &question) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Kelvra"), question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
        box.setInformativeText(_("Your changes will be lost if you do not save them."));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        return QMessageBox::StandardButton(box.exec());
    };
    ask_file = [this](bool saving) {
        const QString folder = m_location.is_server() || m_location.is_empty()
            ? QString()
            : QFileInfo(m_location.path()).absolutePath();
        return saving ? QFileDialog::getSaveFileName(m_window, _("Save project"), folder, _(kProjectFilter))
                      : QFileDialog::getOpenFileName(m_window, _("Open project"), folder, _(kProjectFilter));
    };

    // Every change the store accepts reaches it through one of these.
    const auto mark = [this] { m_window->setWindowModified(true); };
    connect(window->store, &ObjectStore::objects_changed, this, mark);
    connect(window->store, &ObjectStore::object_changed, this, mark);
    connect(window->store, &ObjectStore::object_renamed, this, mark);
    connect(recent, &RecentProjects::open_requested, this, &ProjectSession::open_settled);
    set_location({});
}

bool ProjectSession::modified() const
{
    return m_window->isWindowModified();
}

QString ProjectSession::name() const
{
    return m_location.is_empty() ? _("Untitled") : m_location.title();
}

void ProjectSession::set_location(const ProjectLocation &location)
{
    m_location = location;
    m_window->setWindowFilePath(location.is_server() ? QString() : location.path());
    m_window->setWindowTitle(name() + QStringLiteral("[*]"));
}

QMessageBox::StandardButton ProjectSession::ask() const
{
    return ask_unsaved(_("Do you want to save the changes to %1?").arg(name()));
}

BackgroundTask *ProjectSession::open(const QString &path, Ended ended, bool as_template)
{
    return open_location(ProjectLocation::from_text(path), std::move(ended), as_template);
}

BackgroundTask *ProjectSession::open_location(const ProjectLocation &where, Ended ended, bool as_template)
{
    auto location = std::make_shared<ProjectLocation>(where);
    auto records = std::make_shared<std::vector<ObjectRecord>>();
    StoreTask task{
        _("Opening %1").arg(location->name()),
        _("Kelvra is opening %1; try again when that is done.").arg(location->text()),
        [location, records](Progress &progress) { *records = load_project(*location, &progress); },
        [this, location, records, as_template] {
            std::vector<std::unique_ptr<GeoObject>> opened;
            for (ObjectRecord &record : *records)
                opened.push_back(std::make_unique<GeoObject>(std::move(record)));
            m_window->store->replace_all(std::move(opened));
            set_location(as_template ? ProjectLocation() : *location);
            m_window->setWindowModified(false);
            if (!as_template)
                recent->add(location->text());
            m_window->present_project();
        },
        std::move(ended),
    };
    task.failed = [this, where](const std::exception &error) { return take_server_refusal(error, where, false); };
    return m_window->tasks->start(std::move(task));
}

BackgroundTask *ProjectSession::save_to(const QString &path, Ended ended)
{
    return save_location(save_target(path, m_location), std::move(ended));
}

BackgroundTask *ProjectSession::save_location(const ProjectLocation &where, Ended ended)
{
    auto location = std::make_shared<ProjectLocation>(where);
    StoreTask task{
        _("Saving %1").arg(location->name()),
        _("Kelvra is saving the project to %1; try again when that is done.").arg(location->text()),
        [location, records = m_window->store->records()](Progress &progress) {
            save_project(*location, records, &progress);
        },
        // The store refused every change meanwhile: what was written is
        // what the window holds.
        [this, location] {
            set_location(*location);
            m_window->setWindowModified(false);
            recent->add(location->text());
        },
        std::move(ended),
        true,
    };
    task.failed = [this, where](const std::exception &error) { return take_server_refusal(error, where, true); };
    return m_window->tasks->start(std::move(task));
}

bool ProjectSession::take_server_refusal(const std::exception &error, const ProjectLocation &location, bool saving)
{
    // Answered once the task has ended: a prompt, or a choice of what to do.
    // The work that follows is a task of its own; whoever waited for this
    // one learns that it did not complete.
    if (dynamic_cast<const PasswordNeeded *>(&error)) {
        run_later([this, location, saving] { ask_password(location, saving); });
        return true;
    }
    if (const auto *conflict = dynamic_cast<const ProjectConflict *>(&error)) {
        run_later([this, location, message = QString::fromUtf8(conflict->what()), current = conflict->current()] {
            resolve_conflict(location, message, current);
        });
        return true;
    }
    return false;
}

void ProjectSession::ask_password(ProjectLocation location, bool saving)
{
    bool ok = false;
    const QString password = QInputDialog::getText(
        m_window, _("Password"),
        _("The server %1 asks for a password for project \"%2\".").arg(location.address().server_text(),
                                                                        location.address().project),
        QLineEdit::Password, {}, &ok);
    if (!ok)
        return;
    location.set_password(password);
    if (saving)
        save_location(location);
    else
        open_location(location);
}

void ProjectSession::resolve_conflict(ProjectLocation location, const QString &message,
                                      const ServerProjectInfo &current)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kelvra"), message, QMessageBox::Cancel, m_window);
    QPushButton *rename = box.addButton(_("Save under another name..."), QMessageBox::AcceptRole);
    // Saving as a project that exists, rather than over one changed since
    // it was opened: the user may replace it, knowing whose it is.
    QPushButton *replace = location.version ? nullptr : box.addButton(_("Replace"), QMessageBox::DestructiveRole);
    box.exec();
    if (box.clickedButton() == rename) {
        save_to_server(location.address());
    } else if (replace && box.clickedButton() == replace) {
        location.version = current.version;
        save_location(location);
    }
}

void ProjectSession::choose_server_and_open()
{
    settle_then([this] {
        ServerProjectDialog dialog(ServerProjectDialog::Mode::Open, m_window);
        if (m_location.is_server())
            dialog.set_address(m_location.address());
        if (!dialog.database->text().isEmpty())
            dialog.list_projects();
        if (dialog.exec() == QDialog::Accepted)
            open_location(ProjectLocation::server(dialog.address()));
    });
}

void ProjectSession::save_to_server(const std::optional<ServerAddress> &initial)
{
    ServerProjectDialog dialog(ServerProjectDialog::Mode::Save, m_window);
    if (initial)
        dialog.set_address(*initial);
    else if (m_location.is_server())
        dialog.set_address(m_location.address());
    if (!dialog.database->text().isEmpty())
        dialog.list_projects();
    if (dialog.exec() != QDialog::Accepted)
        return;
    ProjectLocation target = ProjectLocation::server(dialog.address());
    if (target.same_project(m_location))
        target.version = m_location.version;
    save_location(target);
}

BackgroundTask *ProjectSession::save(Ended ended)
{
    return m_location.is_empty() ? save_as(std::move(ended)) : save_location(m_location, std::move(ended));
}

BackgroundTask *ProjectSession::save_as(Ended ended)
{
    const QString path = ask_file(true);
    return path.isEmpty() ? nullptr : save_to(path, std::move(ended));
}

void ProjectSession::choose_and_open()
{
    settle_then([this] {
        const QString path = ask_file(false);
        if (!path.isEmpty())
            open(path);
    });
}

void ProjectSession::open_settled(const QString &path)
{
    settle_then([this, path] { open(path); });
}

void ProjectSession::run_later(std::function<void()> proceed)
{
    // From the event loop: the caller may be a close event, or the end of
    // the save, which has not finished its own work yet.
    QMetaObject::invokeMethod(
        this, [proceed = std::move(proceed)] { guarded(proceed); }, Qt::QueuedConnection);
}

void ProjectSession::settle_then(std::function<void()> proceed)
{
    if (!modified()) {
        run_later(std::move(proceed));
        return;
    }
    switch (ask()) {
    case QMessageBox::Save:
        guarded([&] {
            save([this, proceed = std::move(proceed)](bool saved) {
                if (saved)
                    run_later(proceed);
            });
        });
        return;
    case QMessageBox::Discard:
        run_later(std::move(proceed));
        return;
    default:
        return;
    }
}

bool ProjectSession::settle_now()
{
    if (!modified())
        return true;
    switch (ask()) {
    case QMessageBox::Save: {
        QEventLoop waiting;
        bool saved = false;
        BackgroundTask *saving = nullptr;
        guarded([&] {
            saving = save([&](bool ok) {
                saved = ok;
                waiting.quit();
            });
        });
        if (saving)
            waiting.exec();
        return saved;
    }
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void ProjectSession::commit_data(QSessionManager &manager)
{
    if (!modified() || !manager.allowsInteraction())
        return;
    const bool go_on = settle_now();
    manager.release();
    if (!go_on)
        manager.cancel();
}

} // namespace kelvra::app
