#pragma once

// Ctrl+C (SIGINT) and SIGTERM during work without a window (a batch run):
// they cancel a Progress, so the work stops at its next check and undoes
// what it did (a save removes its temporary file) instead of the process
// dying half-way.

#include "app/core/progress.h"

#include <signal.h>

#include <atomic>
#include <thread>

namespace kelvra::app {

class CancelOnSignals
{
public:
    // From now on, SIGINT and SIGTERM cancel progress. The handler only
    // writes the signal's number to a pipe (nothing else is safe inside a
    // handler); a thread of this object reads it and cancels. A second
    // signal of the same kind ends the program at once, as without this
    // object. Should the system give no pipe (out of file descriptors),
    // the signals keep their default action.
    explicit CancelOnSignals(Progress &progress);
    // Puts the handlers back as they were.
    ~CancelOnSignals();
    CancelOnSignals(const CancelOnSignals &) = delete;
    CancelOnSignals &operator=(const CancelOnSignals &) = delete;

    // The signal that cancelled the progress, or 0.
    int signal() const;

private:
    Progress &m_progress;
    int m_pipe[2] = {-1, -1};
    struct sigaction m_old_int {};
    struct sigaction m_old_term {};
    std::atomic<int> m_signal{0};
    std::thread m_reader;
};

} // namespace kelvra::app
