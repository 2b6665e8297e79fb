#pragma once

// How far a long operation has come, shared between the worker thread that
// does it and the GUI thread that shows it, the way to stop it, and what
// the work has to tell the user.

#include <QStringList>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <utility>

namespace kelvra::app {

// Thrown by the worker when the user cancelled; the operation undoes what
// it did on the way out.
class Cancelled : public std::exception
{
public:
    const char *what() const noexcept override { return "cancelled"; }
};

class Progress
{
public:
    void set_total(std::int64_t bytes) { m_total = bytes; }
    // Counts more bytes done, then throws Cancelled once cancel() was called.
    void advance(std::int64_t bytes)
    {
        m_done += bytes;
        check();
    }
    // A point where the work may stop: throws Cancelled once cancel() was
    // called.
    void check() const
    {
        if (on_step)
            on_step(m_done);
        if (m_cancelled)
            throw Cancelled();
    }
    // Asks the work to stop, and calls the cancel hook, if any, on this
    // thread.
    void cancel()
    {
        m_cancelled = true;
        const std::lock_guard<std::mutex> lock(m_hook_mutex);
        if (m_on_cancel)
            m_on_cancel();
    }
    // For work that cannot reach check() often enough (a script runs code
    // of its own): fn is called by cancel(), at once when the work was
    // cancelled already. fn must return quickly, as the GUI thread may be
    // the one cancelling. An empty fn removes the hook; it may be set and
    // removed while the work runs.
    void on_cancel(std::function<void()> fn)
    {
        const std::lock_guard<std::mutex> lock(m_hook_mutex);
        m_on_cancel = std::move(fn);
        if (m_on_cancel && m_cancelled)
            m_on_cancel();
    }
    bool cancelled() const { return m_cancelled; }

    // Something the user should know about the result (a well placed at
    // X = Y = 0 for want of its wellhead), said by the work as it goes;
    // the owner tells the user once the work is done.
    void note(const QString &text)
    {
        const std::lock_guard<std::mutex> lock(m_hook_mutex);
        m_notes << text;
    }
    // The notes said since the last call, and forgets them.
    QStringList take_notes()
    {
        const std::lock_guard<std::mutex> lock(m_hook_mutex);
        return std::exchange(m_notes, {});
    }

    std::int64_t done() const { return m_done; }

    // Called at every step (advance and check), on the worker thread, with
    // the bytes done so far: lets the owner follow the work, or cancel it
    // at a chosen point. Set it before the work starts.
    std::function<void(std::int64_t)> on_step;
    std::int64_t total() const { return m_total; }

private:
    QStringList m_notes;
    std::atomic<std::int64_t> m_done{0};
    std::atomic<std::int64_t> m_total{0};
    std::atomic<bool> m_cancelled{false};
    std::mutex m_hook_mutex;
    std::function<void()> m_on_cancel;
};

} // namespace kelvra::app
