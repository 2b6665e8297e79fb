#include "app/script/propertyscript.h"

#include "app/script/python.h"

#include "host/translation.h"

#include <pybind11/numpy.h>

#include <memory>
#include <mutex>

namespace kelvra::app {
namespace {

using script::PythonThread;
namespace py = pybind11;

// A read-only numpy array over the values, which it keeps alive: whatever
// the store does with the property meanwhile, the array stays valid and
// unchanged (a change in place copies shared values first).
py::array view_of(const NdArray &values)
{
    auto kept = std::make_unique<NdArray>(values);
    py::capsule owner(kept.get(), [](void *array) { delete static_cast<NdArray *>(array); });
    kept.release();
    py::array view(py::dtype(values.dtype_name().toStdString()), {values.size()}, {values.itemsize()},
                   values.bytes(), owner);
    view.attr("flags").attr("writeable") = false;
    return view;
}

DType dtype_of(const py::dtype &dtype)
{
    const auto size = dtype.itemsize();
    switch (dtype.kind()) {
    case 'b':
        return DType::Bool;
    case 'i':
        return size == 1 ? DType::Int8 : size == 2 ? DType::Int16 : size == 4 ? DType::Int32 : DType::Int64;
    case 'u':
        return size == 1 ? DType::UInt8 : size == 2 ? DType::UInt16 : size == 4 ? DType::UInt32 : DType::UInt64;
    default:
        return size == 2 ? DType::Float16 : size == 4 ? DType::Float32 : DType::Float64;
    }
}

// The values of a numpy array that the runner made ready (one axis, C
// order, aligned, the machine's byte order, a real element type), taken
// over without a copy: the array stays alive until the last NdArray that
// uses them goes, and is then let go on the interpreter's thread.
NdArray take(PythonThread &python, const py::array &array)
{
    PyObject *owner = array.inc_ref().ptr();
    std::shared_ptr<std::byte> storage(static_cast<std::byte *>(const_cast<void *>(array.data())),
                                       [&python, owner](std::byte *) { python.release(owner); });
    return NdArray(dtype_of(array.dtype()), {array.size()}, std::move(storage));
}

// The runner's refusals (runner.py), which it shows in the interface language.
const char *const kRunnerTexts[] = {
    QT_TRID_NOOP("props holds the key %1: property names are texts"),
    QT_TRID_NOOP("'%1' was given one value as a variable and another in props"),
    QT_TRID_NOOP("'%1' is a masked array: fill the masked values first, as in %1.filled(numpy.nan)"),
    QT_TRID_NOOP("'%1' is None, neither a number nor a numpy array (numpy's in-place methods "
                 "such as %1.sort() return None: write %1 = numpy.sort(...))"),
    QT_TRID_NOOP("'%1' holds a %2, neither a number nor a numpy array "
                 "(names of the script's own values start with '_')"),
    QT_TRID_NOOP("'%1' holds complex numbers"),
    QT_TRID_NOOP("'%1' holds %2 values, not numbers"),
    QT_TRID_NOOP("'%1' holds %2 values for %3 vertices"),
};

py::dict runner_texts()
{
    py::dict texts;
    for (const char *english : kRunnerTexts)
        texts[py::str(english)] = py::str(_(english).toStdString());
    return texts;
}

QString text(py::handle runner, py::handle value)
{
    return QString::fromStdString(runner.attr("utf8")(value).cast<std::string>());
}

// Marks the script of this thread as the one that a cancel interrupts,
// for as long as it lives; with the GIL held.
class Interruptible
{
public:
    Interruptible(PythonThread &python, Progress &progress)
        : m_python(python)
        , m_progress(progress)
    {
        const std::uint64_t id = python.begin_script();
        progress.on_cancel([&python, id] { python.interrupt(id); });
    }
    ~Interruptible()
    {
        m_progress.on_cancel({});
        m_python.end_script();
    }
    Interruptible(const Interruptible &) = delete;
    Interruptible &operator=(const Interruptible &) = delete;

private:
    PythonThread &m_python;
    Progress &m_progress;
};

} // namespace

QString refusal_message(const QString &object, const QString &why)
{
    return _("The script on '%1' changed nothing:").arg(object) + QLatin1Char('\n') + why;
}

PropertyScript::PropertyScript(QString object, QString source, PropertyMap properties)
    : m_object(std::move(object))
    , m_source(source.toUtf8())
    , m_source_is_file(false)
    , m_properties(std::move(properties))
{
}

PropertyScript::PropertyScript(QString object, ScriptFileBytes source, PropertyMap properties)
    : m_object(std::move(object))
    , m_source(std::move(source.bytes))
    , m_source_is_file(true)
    , m_properties(std::move(properties))
{
}

void PropertyScript::run(Progress &progress)
{
    m_results.clear();
    m_output.clear();
    PythonThread &python = PythonThread::started();
    static std::mutex one_at_a_time;
    const std::lock_guard<std::mutex> lock(one_at_a_time);
    progress.check();

    const std::int64_t vertices = m_properties.value(QStringLiteral("X")).size();
    py::gil_scoped_acquire gil;
    const py::handle runner = python.runner();
    const auto refused = [this](const QString &why) {
        return ScriptError(refusal_message(m_object, why));
    };
    try {
        runner.attr("TEXTS") = runner_texts();
        py::list views;
        for (const QString &name : m_properties.keys())
            views.append(py::make_tuple(name.toStdString(), view_of(m_properties.value(name))));
        const py::object source = m_source_is_file
            ? py::object(py::bytes(m_source.constData(), std::size_t(m_source.size())))
            : py::object(py::str(m_source.constData(), std::size_t(m_source.size())));
        const py::object output = runner.attr("new_output")();
        py::list results;
        try {
            const script::SignalHandlersKept handlers;
            const Interruptible interruptible(python, progress);
            results = runner.attr("run")(source, views, vertices, output);
        } catch (const py::error_already_set &) {
            m_output = text(runner, output.attr("getvalue")());
            throw;
        }
        m_output = text(runner, output.attr("getvalue")());
        progress.check(); // a cancel that came as the script ended
        for (const py::handle item : results) {
            const auto pair = item.cast<py::tuple>();
            m_results.emplace_back(text(runner, pair[0]), take(python, pair[1].cast<py::array>()));
        }
    } catch (const py::error_already_set &error) {
        m_results.clear();
        if (error.matches(PyExc_KeyboardInterrupt) && progress.cancelled())
            throw Cancelled();
        if (error.matches(runner.attr("Failed")))
            throw refused(text(runner, error.value()));
        throw refused(QString::fromUtf8(error.what()));
    }
}

} // namespace kelvra::app
