#include "app/core/cancelonsignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kelvra::app {
namespace {

// The write end of the pipe of the one CancelOnSignals alive, for the
// handler.
std::atomic<int> signal_pipe{-1};

extern "C" void write_signal(int signal)
{
    const int saved_errno = errno;
    const int fd = signal_pipe.load();
    if (fd >= 0) {
        const unsigned char number = static_cast<unsigned char>(signal);
        [[maybe_unused]] const ssize_t written = write(fd, &number, 1);
    }
    errno = saved_errno;
}

} // namespace

CancelOnSignals::CancelOnSignals(Progress &progress)
    : m_progress(progress)
{
    if (pipe2(m_pipe, O_CLOEXEC) != 0) {
        m_pipe[0] = m_pipe[1] = -1;
        return; // no pipe to be had: the signals keep their default action
    }
    m_reader = std::thread([this] {
        unsigned char number = 0;
        for (;;) {
            const ssize_t got = read(m_pipe[0], &number, 1);
            if (got < 0 && errno == EINTR)
                continue;
            if (got != 1 || number == 0)
                return; // the destructor's stop
            if (m_signal.load() == 0)
                m_signal = number;
            m_progress.cancel();
        }
    });
    signal_pipe = m_pipe[1];
    struct sigaction action {};
    action.sa_handler = write_signal;
    sigemptyset(&action.sa_mask);
    // A second signal of the kind finds the default action again: the user
    // who presses Ctrl+C twice ends the program at once.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGINT, &action, &m_old_int);
    sigaction(SIGTERM, &action, &m_old_term);
}

CancelOnSignals::~CancelOnSignals()
{
    if (m_pipe[1] < 0)
        return;
    sigaction(SIGINT, &m_old_int, nullptr);
    sigaction(SIGTERM, &m_old_term, nullptr);
    signal_pipe = -1;
    const unsigned char stop = 0;
    [[maybe_unused]] const ssize_t written = write(m_pipe[1], &stop, 1);
    m_reader.join();
    close(m_pipe[0]);
    close(m_pipe[1]);
}

int CancelOnSignals::signal() const
{
    return m_signal.load();
}

} // namespace kelvra::app
