#pragma once

// The embedded Python interpreter and the thread that owns it. The
// interpreter starts with the first script, never before, on a thread of
// its own that lives as long as the program; afterwards that thread holds
// no lock and only runs short jobs: letting go of Python objects that
// other threads drop, and interrupting a script that was cancelled. Scripts
// run on the caller's thread (a worker), which takes the interpreter lock
// (GIL) for the run.
//
// The interpreter is never shut down: arrays that scripts made may live
// as properties until the program ends, and numpy cannot be started twice
// in one process.

#include <pybind11/pybind11.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <vector>

#include <signal.h>

namespace kelvra::app::script {

namespace py = pybind11;

// Puts back, when it goes, the handlers of the signals that stop the
// program (SIGINT, SIGTERM, SIGHUP, SIGQUIT) as they were when it came:
// Python must never take them (importing Python's signal module installs
// its own SIGINT handler, and a script may change handlers through ctypes),
// or Ctrl+C would no longer stop the program. Other signals are left
// alone: the program's libraries may set theirs (SIGCHLD, SIGPIPE) from
// other threads while a script runs.
class SignalHandlersKept
{
public:
    SignalHandlersKept();
    ~SignalHandlersKept();
    SignalHandlersKept(const SignalHandlersKept &) = delete;
    SignalHandlersKept &operator=(const SignalHandlersKept &) = delete;

private:
    std::vector<std::pair<int, struct sigaction>> m_handlers;
};

class PythonThread
{
public:
    // The interpreter's thread; the first call starts it and the
    // interpreter, imports numpy and loads the script runner, and waits
    // until that is done. Throws ScriptError when Python or numpy cannot be
    // started (every later call throws the same).
    static PythonThread &started();

    // Runs job on the interpreter's thread with the GIL held, after the
    // jobs posted before it. Returns at once, from any thread.
    void post(std::function<void()> job);
    // Lets go of a reference to a Python object, from any thread, without
    // waiting for the GIL.
    void release(PyObject *object);

    // The module that runs scripts (runner.py). Use with the GIL held.
    py::handle runner() const { return m_runner; }

    // With the GIL held, on the thread that runs a script: marks it as the
    // script that interrupt(id) stops, and returns that id. end_script()
    // takes the mark away again and drops an interrupt that came too late.
    std::uint64_t begin_script();
    void end_script();
    // Raises KeyboardInterrupt in the script of that id, if it still runs,
    // and again every 100 ms while it goes on (a script may catch one).
    // Returns at once, from any thread.
    void interrupt(std::uint64_t id);

private:
    PythonThread();
    void main();
    void start_interpreter();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    std::exception_ptr m_start_error;
    PyObject *m_runner = nullptr; // never released: the interpreter lives on

    // Guarded by the GIL.
    std::uint64_t m_script_id = 0;
    unsigned long m_script_thread = 0;
    bool m_script_running = false;
};

} // namespace kelvra::app::script
