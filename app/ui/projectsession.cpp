#include "app/ui/projectsession.h"

#include "app/core/objectfile.h"
#include "app/core/objectstore.h"
#include "app/ui/hostwindow.h"
#include "app/ui/recentprojects.h"
#include "app/ui/storetasks.h"

#include "host/errorhandler.h"
#include "host/translation.h"

#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSessionManager>

#include <memory>
#include <vector>

namespace kelvra::app {
namespace {

const QString kProjectFilter = QStringLiteral("DB files (*.db);;All files (*)");

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
        const QString folder = m_file.isEmpty() ? QString() : QFileInfo(m_file).absolutePath();
        return saving ? QFileDialog::getSaveFileName(m_window, _("Save project"), folder, kProjectFilter)
                      : QFileDialog::getOpenFileName(m_window, _("Open project"), folder, kProjectFilter);
    };

    // Every change the store accepts reaches it through one of these.
    const auto mark = [this] { m_window->setWindowModified(true); };
    connect(window->store, &ObjectStore::objects_changed, this, mark);
    connect(window->store, &ObjectStore::object_changed, this, mark);
    connect(window->store, &ObjectStore::object_renamed, this, mark);
    connect(recent, &RecentProjects::open_requested, this, &ProjectSession::open_settled);
    set_file({});
}

bool ProjectSession::modified() const
{
    return m_window->isWindowModified();
}

QString ProjectSession::name() const
{
    return m_file.isEmpty() ? _("Untitled") : QFileInfo(m_file).fileName();
}

void ProjectSession::set_file(const QString &path)
{
    m_file = path;
    m_window->setWindowFilePath(path);
    m_window->setWindowTitle(name() + QStringLiteral("[*]"));
}

QMessageBox::StandardButton ProjectSession::ask() const
{
    return ask_unsaved(_("Do you want to save the changes to %1?").arg(name()));
}

BackgroundTask *ProjectSession::open(const QString &path, Ended ended, bool as_template)
{
    auto records = std::make_shared<std::vector<ObjectRecord>>();
    StoreTask task{
        _("Opening %1").arg(QFileInfo(path).fileName()),
        _("Kelvra is opening %1; try again when that is done.").arg(path),
        [path, records](Progress &progress) { *records = load_objects(path, &progress); },
        [this, path, records, as_template] {
            std::vector<std::unique_ptr<GeoObject>> opened;
            for (ObjectRecord &record : *records)
                opened.push_back(std::make_unique<GeoObject>(std::move(record)));
            m_window->store->replace_all(std::move(opened));
            set_file(as_template ? QString() : path);
            m_window->setWindowModified(false);
            if (!as_template)
                recent->add(path);
            m_window->present_project();
        },
        std::move(ended),
    };
    return m_window->tasks->start(std::move(task));
}

BackgroundTask *ProjectSession::save_to(const QString &path, Ended ended)
{
    StoreTask task{
        _("Saving %1").arg(QFileInfo(path).fileName()),
        _("Kelvra is saving the project to %1; try again when that is done.").arg(path),
        [path, records = m_window->store->records()](Progress &progress) { save_objects(path, records, &progress); },
        // The store refused every change meanwhile: what was written is
        // what the window holds.
        [this, path] {
            set_file(path);
            m_window->setWindowModified(false);
            recent->add(path);
        },
        std::move(ended),
        true,
    };
    return m_window->tasks->start(std::move(task));
}

BackgroundTask *ProjectSession::save(Ended ended)
{
    return m_file.isEmpty() ? save_as(std::move(ended)) : save_to(m_file, std::move(ended));
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
