#include "app/ui/backgroundtask.h"

#include "host/translation.h"

#include <QProgressDialog>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>

namespace kelvra::app {
namespace {

// Long work runs in a pool of its own, so that it never takes the threads
// that drawing shares out over the cores.
QThreadPool &task_pool()
{
    static QThreadPool *pool = [] {
        auto *created = new QThreadPool(qApp);
        created->setMaxThreadCount(4);
        return created;
    }();
    return *pool;
}

constexpr int kSteps = 1000;                        // resolution of the progress bar
constexpr std::chrono::milliseconds kPollInterval{50}; // how often the bar moves

} // namespace

BackgroundTask::BackgroundTask(QWidget *window, const QString &label, Work work, QObject *parent)
    : QObject(parent)
    , m_work(std::move(work))
    , m_label(label)
    , m_window(window)
    , m_poll(new QTimer(this))
{
    m_poll->setInterval(kPollInterval);
    connect(m_poll, &QTimer::timeout, this, &BackgroundTask::update_progress);
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &BackgroundTask::end);
}

BackgroundTask::~BackgroundTask()
{
    if (m_watcher.isRunning()) {
        m_progress.cancel();
        m_watcher.waitForFinished();
    }
    delete m_dialog;
}

void BackgroundTask::start()
{
    m_watcher.setFuture(QtConcurrent::run(&task_pool(), [this] {
        try {
            m_work(m_progress);
        } catch (const Cancelled &) {
            m_cancelled = true;
        } catch (...) {
            m_error = std::current_exception();
        }
        // Work that ended without noticing a late cancel still completed.
    }));
    if (m_window) {
        QTimer::singleShot(kDialogDelay, this, &BackgroundTask::show_progress);
        m_poll->start();
    }
}

void BackgroundTask::cancel()
{
    m_progress.cancel();
    if (m_dialog)
        m_dialog->setLabelText(_("Cancelling..."));
}

void BackgroundTask::wait()
{
    m_watcher.waitForFinished();
    end();
}

void BackgroundTask::show_progress()
{
    if (m_ended || !m_window)
        return;
    m_dialog = new QProgressDialog(m_label, _("Cancel"), 0, kSteps, m_window);
    m_dialog->setWindowTitle(QStringLiteral("Kelvra"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    connect(m_dialog, &QProgressDialog::canceled, this, &BackgroundTask::cancel);
    update_progress();
    m_dialog->show();
}

void BackgroundTask::update_progress()
{
    if (!m_dialog || m_progress.cancelled())
        return;
    // Work that cannot tell how far it has come (a script) shows a busy bar.
    const std::int64_t total = m_progress.total();
    m_dialog->setMaximum(total > 0 ? kSteps : 0);
    if (total > 0)
        m_dialog->setValue(int(std::min(1.0, double(m_progress.done()) / double(total)) * kSteps));
}

void BackgroundTask::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_poll->stop();
    if (m_dialog) {
        m_dialog->hide();
        m_dialog->deleteLater();
    }
    Q_EMIT finished();
}

} // namespace kelvra::app
