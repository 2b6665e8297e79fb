#pragma once

// Runs a long operation (opening, loading or saving a file, running a
// script) on a worker thread while the window stays live. After half a
// second a progress dialog shows the share of the work done and offers
// Cancel; cancelling makes the work stop at its next progress step, where
// it undoes what it did.

#include "app/core/progress.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <exception>
#include <functional>

class QProgressDialog;
class QTimer;
class QWidget;

namespace kelvra::app {

class BackgroundTask : public QObject
{
    Q_OBJECT
public:
    using Work = std::function<void(Progress &)>;

    // The progress dialog, titled label, belongs to window (no dialog when
    // window is null: batch runs). The work starts with start().
    BackgroundTask(QWidget *window, const QString &label, Work work, QObject *parent = nullptr);
    ~BackgroundTask() override;

    void start();
    // Asks the work to stop; finished() follows once it has.
    void cancel();
    // Blocks until the work has ended, then delivers finished() (batch runs
    // and program exit).
    void wait();

    bool running() const { return m_watcher.isRunning(); }
    Progress &progress() { return m_progress; }
    // After finished(): whether the work completed, was cancelled, or the
    // error it threw (null when none).
    bool succeeded() const { return !m_error && !m_cancelled; }
    bool was_cancelled() const { return m_cancelled; }
    std::exception_ptr error() const { return m_error; }

    // How long the work may run before the progress dialog appears.
    static constexpr std::chrono::milliseconds kDialogDelay{500};

Q_SIGNALS:
    // The work has ended, on the GUI thread; see succeeded() and error().
    void finished();

private:
    void show_progress();
    void update_progress();
    void end();

    Work m_work;
    Progress m_progress;
    QString m_label;
    QPointer<QWidget> m_window;
    QPointer<QProgressDialog> m_dialog;
    QTimer *m_poll;
    QFutureWatcher<void> m_watcher;
    std::exception_ptr m_error;
    bool m_cancelled = false;
    bool m_ended = false;
};

} // namespace kelvra::app
