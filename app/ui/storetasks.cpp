#include "app/ui/storetasks.h"

#include "app/core/objectstore.h"

#include "host/errorhandler.h"
#include "host/errors.h"

namespace kelvra::app {

StoreTasks::StoreTasks(ObjectStore *store, QWidget *window)
    : QObject(window)
    , m_store(store)
    , m_window(window)
{
}

BackgroundTask *StoreTasks::start(StoreTask task)
{
    if (!m_store->busy_reason().isEmpty())
        throw ValueError(m_store->busy_reason());
    m_store->set_busy(task.busy);
    auto *running = new BackgroundTask(m_window, task.label, std::move(task.work), this);
    m_current = running;
    m_writes = task.writes;
    connect(running, &BackgroundTask::finished, this,
            [this, running, apply = std::move(task.apply), ended = std::move(task.ended),
             failed = std::move(task.failed)] {
                // Free before the result is applied, so that what follows
                // (ended, idle) may start the next task or close the window.
                m_current = nullptr;
                m_writes = false;
                m_store->set_busy({});
                bool ok = false;
                if (running->succeeded()) {
                    try {
                        apply();
                        ok = true;
                    } catch (const std::exception &error) {
                        report_error(error);
                    }
                } else if (running->error()) {
                    try {
                        std::rethrow_exception(running->error());
                    } catch (const std::exception &error) {
                        if (!failed || !failed(error))
                            report_error(error);
                    } catch (...) {
                        report_error(std::runtime_error(_("unknown error").toStdString()));
                    }
                }
                if (ended)
                    ended(ok);
                running->deleteLater();
                Q_EMIT idle();
            });
    running->start();
    return running;
}

void StoreTasks::cancel_and_wait()
{
    if (m_current) {
        m_current->cancel();
        m_current->wait();
    }
}

} // namespace kelvra::app
