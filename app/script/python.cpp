#include "app/script/python.h"

#include "app/script/propertyscript.h"
#include "app/script/runner_source.h"

#include <pybind11/eval.h>

#include <chrono>
#include <future>
#include <thread>

namespace kelvra::app::script {
namespace {

// How often a cancelled script that goes on is interrupted again.
constexpr std::chrono::milliseconds kInterruptAgain{100};

} // namespace

SignalHandlersKept::SignalHandlersKept()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        struct sigaction action {};
        if (sigaction(signal, nullptr, &action) == 0)
            m_handlers.emplace_back(signal, action);
    }
}

SignalHandlersKept::~SignalHandlersKept()
{
    for (const auto &[signal, action] : m_handlers) {
        struct sigaction now {};
        if (sigaction(signal, nullptr, &now) == 0
            && (now.sa_handler != action.sa_handler || now.sa_flags != action.sa_flags))
            sigaction(signal, &action, nullptr);
    }
}

PythonThread &PythonThread::started()
{
    // Never deleted: its thread and the interpreter live as long as the
    // program.
    static PythonThread *const thread = new PythonThread;
    if (thread->m_start_error)
        std::rethrow_exception(thread->m_start_error);
    return *thread;
}

PythonThread::PythonThread()
{
    std::promise<void> ready;
    std::future<void> done = ready.get_future();
    std::thread([this, ready = std::move(ready)]() mutable {
        try {
            start_interpreter();
        } catch (...) {
            ready.set_exception(std::current_exception());
            return;
        }
        ready.set_value();
        main();
    }).detach();
    try {
        done.get();
    } catch (...) {
        m_start_error = std::current_exception();
    }
}

void PythonThread::start_interpreter()
{
    // A plain Python configuration (the user's site packages and PYTHON*
    // variables count, as in any Python), except that Python leaves the
    // program's signals alone and puts neither the current folder nor the
    // program's folder on the module path. The interpreter this program was
    // built with tells Python where its library lies.
    const SignalHandlersKept handlers;
    PyConfig config;
    PyConfig_InitPythonConfig(&config);
    config.install_signal_handlers = 0;
    config.parse_argv = 0;
    config.safe_path = 1;
    PyStatus status = PyConfig_SetBytesString(&config, &config.program_name, KELVRA_PYTHON_EXECUTABLE);
    if (!PyStatus_Exception(status))
        status = Py_InitializeFromConfig(&config);
    PyConfig_Clear(&config);
    if (PyStatus_Exception(status))
        throw ScriptError(_("Python could not be started: %1")
                              .arg(status.err_msg ? QString::fromUtf8(status.err_msg) : _("no reason given")));
    // pybind11 sets up its bookkeeping on first use, remembering the
    // thread state of the thread it runs on: here, whose state lives as
    // long as the interpreter, rather than on a worker whose state it
    // would keep after it was gone.
    py::detail::get_internals();
    try {
        py::module_ runner = py::reinterpret_steal<py::module_>(PyModule_New("kelvra_runner"));
        if (!runner)
            throw py::error_already_set();
        runner.attr("__builtins__") = py::module_::import("builtins");
        // Imported here, where the handlers it installs are put back at
        // once, not first by a script while it runs.
        py::module_::import("signal");
        py::exec(kRunnerSource, runner.attr("__dict__"));
        m_runner = runner.release().ptr();
    } catch (const py::error_already_set &error) {
        throw ScriptError(_("Python started, but scripts cannot run (is numpy installed?): %1")
                              .arg(QString::fromUtf8(error.what())));
    }
    PyEval_SaveThread();
}

void PythonThread::main()
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_jobs.empty(); });
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        py::gil_scoped_acquire gil;
        job();
    }
}

void PythonThread::post(std::function<void()> job)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void PythonThread::release(PyObject *object)
{
    post([object] { Py_DECREF(object); });
}

std::uint64_t PythonThread::begin_script()
{
    m_script_thread = PyThread_get_thread_ident();
    m_script_running = true;
    return ++m_script_id;
}

void PythonThread::end_script()
{
    m_script_running = false;
    PyThreadState_SetAsyncExc(m_script_thread, nullptr);
}

void PythonThread::interrupt(std::uint64_t id)
{
    post([this, id] {
        while (m_script_running && m_script_id == id) {
            PyThreadState_SetAsyncExc(m_script_thread, PyExc_KeyboardInterrupt);
            py::gil_scoped_release unlocked;
            std::this_thread::sleep_for(kInterruptAgain);
        }
    });
}

} // namespace kelvra::app::script
