// Property scripts through the reference host, offscreen, beside the same
// numpy code in a standalone Python.
//
//   scriptrun [--vertices N] [--repeat R]
//
// On an object of N vertices (default 25 million; X, Y, Z and propA, all
// float64) it runs the help example of the property operator
//
//     propA = - propA
//     import numpy as np
//     propB = np.log10(abs(propA))
//
// through the real window: from the dialog's OK to the results applied in
// the store. The floor is the same code run by exec() in /usr/bin/python3
// on an array of the same values already in memory, timed inside that
// process. Host and floor take turns, R times each; every run is printed
// with its wall-clock seconds and the processor seconds in user and kernel
// mode (the kernel's share is mostly first touch of fresh memory), host and
// floor side by side, and the medians are compared. Then: the time from OK to the first line of a second script,
// the time from Cancel to the end of an endless script, and the start-up
// time of the program (build/bin/startup, which links the interpreter but
// does not start it).

#include "benchoptions.h"

#include "app/core/objectstore.h"
#include "app/ui/hostwindow.h"
#include "app/ui/requests.h"
#include "app/ui/storetasks.h"

#include "widgets/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include <sys/resource.h>

using namespace kelvra;
using namespace kelvra::app;

namespace {

const char kHelpExample[] = "propA = - propA\nimport numpy as np\npropB = np.log10(abs(propA))\n";

// Reads the help example and the vertex count from its arguments, builds
// propA as the host does, then runs the example once per line read and
// prints the seconds each run took.
const char kFloor[] = R"PY(
import resource, sys, time
import numpy as np
script, vertices = sys.argv[1], int(sys.argv[2])
namespace = {"propA": 1.0 + (np.arange(vertices) % 1000)}
code = compile(script, "<script>", "exec")
print("ready", flush=True)
for line in sys.stdin:
    start, used = time.perf_counter(), resource.getrusage(resource.RUSAGE_SELF)
    exec(code, namespace)
    now, spent = time.perf_counter(), resource.getrusage(resource.RUSAGE_SELF)
    print(now - start, spent.ru_utime - used.ru_utime, spent.ru_stime - used.ru_stime, flush=True)
)PY";

double now_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now); // the clock of Python's time.monotonic()
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

// Seconds of one run: wall clock, and processor time in user and kernel mode.
struct Times
{
    double wall = 0, user = 0, kernel = 0;
};

Times process_times()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &time) { return double(time.tv_sec) + time.tv_usec / 1e6; };
    return {now_seconds(), seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

Times operator-(const Times &a, const Times &b)
{
    return {a.wall - b.wall, a.user - b.user, a.kernel - b.kernel};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::unique_ptr<GeoObject> object(const QString &name, std::int64_t vertices)
{
    PropertyMap prop;
    for (const char *key : {"X", "Y", "Z", "propA"}) {
        NdArray values(DType::Float64, {vertices});
        double *out = values.data<double>();
        for (std::int64_t i = 0; i < vertices; ++i)
            out[i] = 1.0 + double(i % 1000);
        prop.insert(QLatin1String(key), values);
    }
    return std::make_unique<GeoObject>(name, QStringLiteral("Tsurface"), prop);
}

// Opens the property operator on the big object (or another) with the
// script and presses OK; returns when the store is free again.
void run_script(HostWindow &window, const QString &script, double *clicked = nullptr,
                const std::function<void()> &while_running = {}, const QString &name = QStringLiteral("big"))
{
    QPointer<PropertyOperatorDialog> dialog =
        qobject_cast<PropertyOperatorDialog *>(window.requests->open(Requests::Kind::PropertyOperator));
    dialog->grabob->lineedit->edit->setText(name);
    dialog->pteScript->setPlainText(script);
    QEventLoop loop;
    QObject::connect(window.tasks, &StoreTasks::idle, &loop, &QEventLoop::quit);
    if (clicked)
        *clicked = now_seconds();
    dialog->btn_ok->click();
    if (while_running)
        while_running();
    loop.exec();
    delete dialog.data();
}

// The text of the newest script output window, which it closes.
QString take_output(HostWindow &window)
{
    QString text;
    for (auto *output : window.findChildren<QDialog *>(QStringLiteral("script_output"))) {
        text = output->findChild<QPlainTextEdit *>()->toPlainText();
        delete output;
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"vertices", "Vertices of the object the script runs on.", "n", "25000000"},
                       {"repeat", "Runs of each kind.", "n", "5"}});
    if (const std::optional<int> status = parse_bench_options(
            parser, "Runs the property operator's help example through the real window on a large\n"
                    "object, offscreen, taking turns with the same numpy code in a standalone\n"
                    "/usr/bin/python3 (the floor); then the time from OK to a second script's first\n"
                    "line, from Cancel to the end of an endless script, and the program's start-up."))
        return *status;
    const std::int64_t vertices = parser.value("vertices").toLongLong();
    const int repeat = int(std::max<qint64>(1, parser.value("repeat").toLongLong()));

    QProcess floor;
    floor.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QString::fromLatin1(kFloor), QString::fromLatin1(kHelpExample),
                 QString::number(vertices)});
    floor.waitForReadyRead(-1);
    if (floor.readLine().trimmed() != "ready") {
        std::fprintf(stderr, "the standalone python3 did not start: %s\n", floor.readAllStandardError().constData());
        return 1;
    }
    const auto floor_run = [&floor] {
        floor.write("run\n");
        while (!floor.canReadLine())
            floor.waitForReadyRead(-1);
        const QList<QByteArray> fields = floor.readLine().trimmed().split(' ');
        return Times{fields.value(0).toDouble(), fields.value(1).toDouble(), fields.value(2).toDouble()};
    };

    HostWindow window;
    window.show();
    window.store->add(object(QStringLiteral("big"), vertices));
    window.store->add(object(QStringLiteral("small"), 1000));
    QCoreApplication::processEvents();
    std::printf("object: %lld vertices, X, Y, Z and propA float64 (%.0f MiB)\n\n", static_cast<long long>(vertices),
                4.0 * double(vertices) * 8 / (1 << 20));

    QElapsedTimer clock;
    clock.start();
    run_script(window, QString::fromLatin1(kHelpExample), nullptr, {}, QStringLiteral("small"));
    std::printf("first script (1000 vertices), starting Python and numpy: %.3f s\n\n", clock.nsecsElapsed() / 1e9);
    // A first run of each, untimed: both then run on memory they had before.
    run_script(window, QString::fromLatin1(kHelpExample));
    floor_run();

    // A 10 ms timer on the GUI thread finds its longest stall meanwhile.
    std::vector<double> host, python, ratios;
    std::printf("help example       host: wall s  user s  kernel s | python3: wall s  user s  kernel s | ratio\n");
    double stall = 0;
    QElapsedTimer since_tick;
    QTimer ticks;
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        stall = std::max(stall, since_tick.nsecsElapsed() / 1e6);
        since_tick.restart();
    });
    for (int i = 0; i < repeat; ++i) {
        since_tick.start();
        ticks.start();
        const Times started = process_times();
        run_script(window, QString::fromLatin1(kHelpExample));
        const Times in_host = process_times() - started;
        ticks.stop();
        const Times in_python = floor_run();
        host.push_back(in_host.wall);
        python.push_back(in_python.wall);
        ratios.push_back(host.back() / python.back());
        std::printf("  run %2d                %7.3f %7.3f %9.3f |         %7.3f %7.3f %9.3f | %5.2f\n", i + 1,
                    in_host.wall, in_host.user, in_host.kernel, in_python.wall, in_python.user, in_python.kernel,
                    ratios.back());
        std::fflush(stdout);
    }
    std::printf("  median of %d runs      %7.3f                   |         %7.3f                   | %5.2f"
                "   (target <= 1.3)\n",
                repeat, median(host), median(python), median(ratios));
    std::printf("longest GUI-thread stall meanwhile: %.0f ms (timer every 10 ms)\n\n", stall);

    // From OK to the first line of a script, the interpreter running.
    std::vector<double> starts;
    for (int i = 0; i < repeat; ++i) {
        double clicked = 0;
        run_script(window, QStringLiteral("import time\n_started = time.monotonic()\nprint(repr(_started))\n"),
                   &clicked);
        starts.push_back((take_output(window).toDouble() - clicked) * 1e3);
    }
    std::printf("OK to a second script's first line: %.1f ms median   (target < 50 ms)\n", median(starts));

    // From Cancel in the progress dialog to the end of an endless loop.
    std::vector<double> cancels;
    for (int i = 0; i < std::min(repeat, 3); ++i) {
        QElapsedTimer cancelled;
        run_script(window, QStringLiteral("while True:\n    pass\n"), nullptr, [&window, &cancelled] {
            QTimer::singleShot(800, &window, [&window, &cancelled] {
                if (auto *progress = window.findChild<QProgressDialog *>()) {
                    cancelled.start();
                    progress->findChild<QPushButton *>()->click();
                }
            });
        });
        take_output(window);
        cancels.push_back(cancelled.isValid() ? cancelled.nsecsElapsed() / 1e6 : -1);
    }
    std::printf("Cancel to the end of an endless script: %.1f ms median   (target <= 200 ms)\n\n", median(cancels));
    floor.closeWriteChannel();
    floor.waitForFinished();

    // The program's start-up, libpython linked but Python not started.
    std::vector<double> startups;
    for (int i = 0; i < 5; ++i) {
        QProcess startup;
        startup.start(QCoreApplication::applicationDirPath() + QStringLiteral("/startup"),
                      {QStringLiteral("--repeat"), QStringLiteral("3")});
        startup.waitForFinished(-1);
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("shown: ([0-9.]+) s")).match(QString::fromUtf8(startup.readAll()));
        if (match.hasMatch())
            startups.push_back(match.captured(1).toDouble());
    }
    if (!startups.empty())
        std::printf("start-up to main window shown: %.3f s median of %zu\n", median(startups), startups.size());
    return 0;
}
