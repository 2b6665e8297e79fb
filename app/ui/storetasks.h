#pragma once

// Runs the work that reads objects into the store or writes them out of it
// (open, load, save) on a worker thread, one piece of work at a time. While
// it runs the store refuses every change with a message saying why, so
// nothing races with the worker; the result is applied on the GUI thread
// once the work has completed. Errors reach the error handler naming the
// file and the reason; a cancelled or failed task changes nothing.

#include "app/ui/backgroundtask.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace kelvra::app {

class ObjectStore;

struct StoreTask
{
    QString label;                  // what the progress dialog says
    QString busy;                   // why the store refuses changes meanwhile
    BackgroundTask::Work work;      // runs on the worker thread
    std::function<void()> apply;    // runs on the GUI thread after the work completed; may throw
    std::function<void(bool)> ended = {}; // then runs with whether all went well
    bool writes = false;            // a save: closing the window waits for it
    // Sees an error of the work first; returns whether it took care of it
    // (asked for a password, offered another name), else the error
    // handler gets it.
    std::function<bool(const std::exception &)> failed = {};
};

class StoreTasks : public QObject
{
    Q_OBJECT
public:
    StoreTasks(ObjectStore *store, QWidget *window);

    // Starts the task; throws ValueError with the store's busy reason while
    // another task runs.
    BackgroundTask *start(StoreTask task);
    // The task that runs now, or nullptr.
    BackgroundTask *current() const { return m_current; }
    // Whether the running task writes a file.
    bool writing() const { return m_current && m_writes; }
    // Cancels the running task, if any, and waits until it has stopped.
    void cancel_and_wait();

Q_SIGNALS:
    // A task has ended and its result (if any) is applied.
    void idle();

private:
    ObjectStore *m_store;
    QWidget *m_window;
    QPointer<BackgroundTask> m_current;
    bool m_writes = false;
};

} // namespace kelvra::app
