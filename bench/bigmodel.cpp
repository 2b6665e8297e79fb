// Opening and saving real-size models in the reference host, beside the
// floors: the chunk table's own load_chunks and store_chunks of the same
// arrays.
//
//     bigmodel [--sizes 1,5,25] [--rounds 6] [--dir FOLDER] [--keep] [--checks]
//              [--screenshot-only] [--grid-only]
//
// Larger sizes on request (--sizes 100: 3.4 GiB of data; the host process
// then holds up to twice that while it opens the project over itself, the
// program writing the project as much once). For each size (millions of
// vertices) it writes a project of one surface
// (X, Y, Z and one property float64, one property float32) with the
// project's own save code, then measures, each in a fresh process and
// offscreen, alternating component and floor:
//   open   the real main window opens the project: time until the objects
//          are in the tree, peak resident memory afterwards, and the longest
//          stall of the GUI thread (a 10 ms timer) while opening, also when
//          it opens the project again over the loaded one;
//          then it saves the project back: time and longest stall;
//   floor  load_chunks of the five arrays, then store_chunks of them into a
//          new file with one commit.
//   checks load_objects of the project, and of a copy without its
//          kelvra_checksums table, which opens with SQLite's own checks
//          only: what checking every chunk against its checksum costs.
//          --checks measures only this.
//   screenshot  kelvra PROJECT --screenshot FILE, start to exit, beside the
//          floor's load of the same round; --screenshot-only measures only
//          this.
//   grid   a project of one Gsurface of the same size (a square grid, X, Y,
//          Z and one float64 property) in the real main window: the map's
//          redraw, zoom and pan steps and first picture beside the floor,
//          and the time to trace its contours beside the GUI thread;
//          --grid-only measures only this.
// Reads come from the system's page cache (the files were just written).

#include "benchoptions.h"
#include "foldedsurface.h"
#include "mapmeasure.h"

#include "app/core/objectfile.h"
#include "app/core/objectstore.h"
#include "app/ui/backgroundtask.h"
#include "app/ui/hostwindow.h"
#include "app/ui/storetasks.h"

#include "host/sqlite.h"
#include "host/views/mapviewer.h"
#include "host/views/surfacefill.h"
#include "utils/chunkstore.h"
#include "utils/crc32c.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

using namespace kelvra;
using namespace kelvra::app;

namespace {

constexpr double kMiB = 1024.0 * 1024.0;
const QString kTable = QStringLiteral("kelvra_chunks");
const QString kSurface = QStringLiteral("surface");
const QString kGrid = QStringLiteral("grid");

using Figures = std::map<QString, double>;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Peak resident memory of this process in MiB, and a reset of that peak.
double peak_rss_mib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void reset_peak_rss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void write_project(const QString &path, std::int64_t vertices)
{
    save_objects(path, {folded_surface(kSurface, vertices)});
}

// A gently folded Gsurface on a square grid of at least `vertices` nodes, 25 m apart.
void write_grid_project(const QString &path, std::int64_t vertices)
{
    const auto side = std::int64_t(std::ceil(std::sqrt(double(vertices))));
    const std::int64_t nodes = side * side;
    NdArray x(DType::Float64, {nodes}), y(DType::Float64, {nodes}), z(DType::Float64, {nodes});
    NdArray amplitude(DType::Float64, {nodes});
    double *xs = x.data<double>(), *ys = y.data<double>(), *zs = z.data<double>(), *as = amplitude.data<double>();
    for (std::int64_t n = 0; n < nodes; ++n) {
        xs[n] = 400000.0 + 25.0 * double(n % side);
        ys[n] = 6500000.0 + 25.0 * double(n / side);
        zs[n] = 2000.0 + 40.0 * std::sin(xs[n] / 700.0) + 25.0 * std::cos(ys[n] / 500.0);
        as[n] = std::sin(xs[n] / 3000.0) * std::cos(ys[n] / 4000.0);
    }
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), x);
    prop.insert(QStringLiteral("Y"), y);
    prop.insert(QStringLiteral("Z"), z);
    prop.insert(QStringLiteral("amplitude"), amplitude);
    ObjectRecord record{kGrid, QStringLiteral("Gsurface"), prop, QStringLiteral("amplitude")};
    GridGeometry grid;
    grid.columns = grid.rows = side;
    grid.x_origin = 400000.0;
    grid.y_origin = 6500000.0;
    grid.x_increment = grid.y_increment = 25.0;
    record.grid = grid;
    save_objects(path, {record});
}

// The longest gap between the ticks of a 10 ms timer on the GUI thread.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_clock.restart());
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return std::max(m_longest, m_clock.elapsed()) / 1000.0;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

// Runs the event loop, without spinning, until the window's file task has
// ended, then for `after` more.
void wait_until_idle(HostWindow &window, std::chrono::milliseconds after = {})
{
    QEventLoop loop;
    QObject::connect(window.tasks, &StoreTasks::idle, &loop, &QEventLoop::quit);
    if (!window.store->busy_reason().isEmpty())
        loop.exec();
    if (after.count()) {
        QTimer::singleShot(after, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

// Seconds from cancelling the task, once share of its bytes have moved,
// to its end.
double cancel_seconds(HostWindow &window, BackgroundTask *task, double share)
{
    QEventLoop loop;
    QElapsedTimer clock;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const Progress &progress = task->progress();
        if (progress.total() > 0 && progress.done() >= share * double(progress.total())) {
            watch.stop();
            clock.start();
            task->cancel();
        }
    });
    QObject::connect(window.tasks, &StoreTasks::idle, &loop, &QEventLoop::quit);
    watch.start();
    loop.exec();
    return clock.isValid() ? clock.nsecsElapsed() / 1e9 : 0.0;
}

// The host: opens the project in the real main window, then saves it.
Figures measure_host(const QString &project, const QString &copy)
{
    HostWindow window;
    window.resize(1200, 800);
    window.show();
    QCoreApplication::processEvents();
    StallMeter stalls;
    QElapsedTimer clock;
    double opened = 0, pictured = 0;
    QObject::connect(window.store, &ObjectStore::objects_changed, [&] {
        if (opened == 0 && window.store->object(kSurface))
            opened = clock.nsecsElapsed() / 1e9;
    });
    auto *viewer = qobject_cast<MapViewer *>(window.current_viewer.data());
    QObject::connect(viewer, &MapViewer::sig_picture_ready, [&] {
        if (opened > 0 && pictured == 0)
            pictured = clock.nsecsElapsed() / 1e9;
    });
    reset_peak_rss();
    stalls.start();
    clock.start();
    window.open_project(project);
    // What follows the objects into the window (drawing, plotting) counts too.
    wait_until_idle(window, std::chrono::milliseconds(300));
    if (pictured == 0) { // a large model's first picture may take longer
        QEventLoop loop;
        QObject::connect(viewer, &MapViewer::sig_picture_ready, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const double open_stall = stalls.stop();
    const double peak = peak_rss_mib();

    stalls.start();
    clock.restart();
    window.save_project(copy);
    wait_until_idle(window);
    const double saved = clock.nsecsElapsed() / 1e9;
    const double save_stall = stalls.stop();
    QFile::remove(copy);

    // Opening it again replaces a model of the same size: the old arrays go.
    stalls.start();
    window.open_project(project);
    wait_until_idle(window, std::chrono::milliseconds(300));
    const double reopen_stall = stalls.stop();

    // Cancel: from the click to the window free again, when half the bytes
    // have moved and when all have (a save then commits and syncs).
    double cancel = 0;
    for (const double share : {0.5, 1.0}) {
        cancel = std::max(cancel, cancel_seconds(window, window.open_project(project), share));
        cancel = std::max(cancel, cancel_seconds(window, window.save_project(copy), share));
    }
    QFile::remove(copy);

    const MapFigures map = measure_map(window, {kSurface});
    return {{"open", opened},
            {"peak", peak},
            {"open_stall", open_stall},
            {"reopen_stall", reopen_stall},
            {"cancel", cancel},
            {"save", saved},
            {"save_stall", save_stall},
            {"first_picture", pictured - opened},
            {"redraw", map.redraw},
            {"zoom", map.zoom_step},
            {"pan", map.pan_step},
            {"plot", map.plot_redraw},
            {"map_floor", map.floor}};
}

// The floor: the chunk table alone, loading the arrays and, unless only
// the load is asked for, storing them.
Figures measure_floor(const QString &project, const QString &copy, bool store)
{
    std::vector<NdArray> arrays;
    QElapsedTimer clock;
    reset_peak_rss();
    clock.start();
    {
        sqlite::Connection db(project, sqlite::Conversion::None);
        for (const QString &property : kFoldedProperties)
            arrays.push_back(load_chunks(db, kTable, kSurface, property));
    }
    const double loaded = clock.nsecsElapsed() / 1e9;
    const double peak = peak_rss_mib();
    if (!store)
        return {{"open", loaded}, {"peak", peak}};
    clock.restart();
    {
        sqlite::Connection db(copy, sqlite::Conversion::None);
        create_chunk_table(db, kTable);
        for (int i = 0; i < kFoldedProperties.size(); ++i)
            store_chunks(db, kTable, kSurface, kFoldedProperties[i], arrays[std::size_t(i)]);
        db.commit();
    }
    const double stored = clock.nsecsElapsed() / 1e9;
    QFile::remove(copy);
    return {{"open", loaded}, {"peak", peak}, {"save", stored}};
}

double cpu_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The project's objects read by load_objects, as an open reads them: the
// time, and the processor time, which other work on a shared machine
// disturbs less.
Figures measure_load(const QString &project)
{
    QElapsedTimer clock;
    const double cpu = cpu_seconds();
    clock.start();
    const std::vector<ObjectRecord> objects = load_objects(project);
    const double open = clock.nsecsElapsed() / 1e9, open_cpu = cpu_seconds() - cpu;
    // The CRC-32C of every array once more, from memory: what the checks
    // add at most (in the open they sum each piece while it is in cache).
    clock.restart();
    std::uint32_t crc = 0;
    for (const ObjectRecord &object : objects) {
        for (const QString &key : object.prop.keys())
            crc ^= crc32c(0, object.prop.value(key).bytes(), std::size_t(object.prop.value(key).nbytes()));
    }
    const double sums = clock.nsecsElapsed() / 1e9;
    Q_UNUSED(crc) // a call into the library, which no compiler leaves out
    return {{"open", open}, {"cpu", open_cpu}, {"sums", sums}};
}

// A copy of the project without checksums, as an older version or another
// program writes it.
void write_unchecked_copy(const QString &project, const QString &copy)
{
    QFile::remove(copy);
    QFile::copy(project, copy);
    sqlite::Connection db(copy, sqlite::Conversion::None);
    db.exec(QStringLiteral("DROP TABLE kelvra_checksums"));
}

// `kelvra PROJECT --screenshot FILE` as a user runs it, start to exit.
double screenshot_seconds(const QString &project, const QString &picture)
{
    QProcess kelvra;
    QElapsedTimer clock;
    clock.start();
    kelvra.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kelvra")),
                 {project, QStringLiteral("--screenshot"), picture});
    kelvra.waitForFinished(-1);
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (kelvra.exitCode() != 0)
        std::fprintf(stderr, "bigmodel: kelvra --screenshot failed:\n%s\n", kelvra.readAllStandardError().constData());
    QFile::remove(picture);
    return seconds;
}

// The map of the grid surface in the real main window: its steps and first
// picture beside the floor, then, over five runs, the time from switching
// the contours on to their lines on screen, and how long the switch itself
// held the GUI thread.
Figures measure_grid(const QString &project)
{
    HostWindow window;
    window.resize(1200, 800);
    window.show();
    QCoreApplication::processEvents();
    window.open_project(project);
    wait_until_idle(window);
    // What a first picture of the grid adds to a redraw: its levels, built
    // once per object and property, here on the GUI thread (the viewer
    // builds them beside it).
    const GeoObject *object = window.store->get(kGrid);
    std::vector<double> built;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        const GridLevels levels(*object->grid(), object->prop().value(QStringLiteral("amplitude")));
        built.push_back(clock.nsecsElapsed() / 1e9);
    }
    const MapFigures map = measure_map(window, {kGrid});
    auto *viewer = qobject_cast<MapViewer *>(window.current_viewer.data());
    viewer->render_now();
    std::vector<double> traced, held;
    for (int run = 0; run < 5; ++run) {
        QEventLoop loop;
        QObject::connect(viewer, &MapViewer::sig_contours_ready, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        viewer->act_show_contours->trigger();
        held.push_back(clock.nsecsElapsed() / 1e9);
        if (!viewer->contours_are_current())
            loop.exec();
        viewer->repaint();
        traced.push_back(clock.nsecsElapsed() / 1e9);
        viewer->act_show_contours->trigger();
    }
    return {{"map_floor", map.floor},         {"redraw", map.redraw},       {"zoom", map.zoom_step},
            {"pan", map.pan_step},            {"first_picture", map.first_picture},
            {"levels", median(built)},
            {"contours", median(traced)},     {"contours_held", median(held)}};
}

// Runs one measurement in a fresh process and reads back its figures.
Figures run_child(const QString &mode, const QString &project, const QString &copy)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode, project, copy});
    child.waitForFinished(-1);
    Figures figures;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split('=');
        if (parts.size() == 2)
            figures[QString::fromLatin1(parts[0])] = parts[1].toDouble();
    }
    if (child.exitCode() != 0 || figures.empty())
        std::fprintf(stderr, "bigmodel: the %s measurement failed:\n%s\n", qPrintable(mode),
                     child.readAllStandardError().constData());
    return figures;
}

int child_main(const QStringList &arguments)
{
    const QString mode = arguments.value(0), project = arguments.value(1), copy = arguments.value(2);
    const Figures figures = mode == QLatin1String("host")   ? measure_host(project, copy)
                          : mode == QLatin1String("grid") ? measure_grid(project)
                          : mode == QLatin1String("load") ? measure_load(project)
                          : measure_floor(project, copy, mode != QLatin1String("floor-load"));
    for (const auto &[key, value] : figures)
        std::printf("%s=%.6f\n", qPrintable(key), value);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--child"))
        return child_main(arguments.mid(2));

    QCommandLineParser parser;
    parser.addOptions({{"sizes", "Millions of vertices, comma-separated.", "list", "1,5,25"},
                       {"rounds", "Measurements of each kind per size.", "n", "6"},
                       {"dir", "Folder for the project files.", "folder"},
                       {"keep", "Keep the project files, and use those kept before."},
                       {"checks", "Measure only what the checks on open cost."},
                       {"screenshot-only", "Measure only the screenshot beside the load floor (no saves)."},
                       {"grid-only", "Measure only the map of a Gsurface of each size."}});
    if (const std::optional<int> status = parse_bench_options(
            parser, "Opens and saves projects of one surface of millions of vertices in the real\n"
                    "main window, each time in a fresh process and offscreen, beside the floor (the\n"
                    "chunk table's load_chunks and store_chunks of the same arrays): time, peak\n"
                    "memory, longest GUI stall and Cancel time; then map redraw, zoom, pan and plot\n"
                    "times, and the time of kelvra PROJECT --screenshot FILE beside the load floor;\n"
                    "and what the checks on open cost (load_objects with and without checksums);\n"
                    "and the map of a Gsurface of each size, with the time to trace its contours."))
        return *status;
    QTemporaryDir temporary;
    const QString folder = parser.isSet("dir") ? parser.value("dir") : temporary.path();
    QDir().mkpath(folder);
    const int rounds = std::max(1, parser.value("rounds").toInt());
    const bool grid_only = parser.isSet("grid-only");
    const bool screenshot_only = parser.isSet("screenshot-only") || grid_only;

    if (!parser.isSet("checks") && !screenshot_only) {
        std::printf("Open and save of one surface (X, Y, Z, one float64 and one float32 property),\n"
                    "each figure the median of %d fresh processes, each ratio the median of the\n"
                    "rounds' host / floor; floor: load_chunks / store_chunks of the same arrays\n"
                    "alone. Reads come from the page cache; saves end with fsync.\n\n", rounds);
        std::printf("%9s %9s | %7s %7s %6s | %7s %7s %6s | %9s %9s %9s | %7s %7s %7s | %8s\n", "vertices",
                    "data MiB", "open s", "floor", "ratio", "save s", "floor", "ratio", "peak MiB", "floor",
                    "target", "stall o", "stall s", "stall r", "cancel s");
    }
    QStringList maps, checks, grids;
    for (const QString &size : parser.value("sizes").split(QLatin1Char(','))) {
        const auto vertices = std::int64_t(size.toDouble() * 1e6);
        if (!parser.isSet("checks") && (grid_only || !parser.isSet("screenshot-only"))) {
            const QString project = QDir(folder).filePath(QStringLiteral("bigmodel-grid-%1M.db").arg(size));
            if (!(parser.isSet("keep") && QFileInfo::exists(project)))
                write_grid_project(project, vertices);
            std::map<QString, std::vector<double>> figures;
            for (int round = 0; round < rounds; ++round) {
                for (const auto &[key, value] : run_child(QStringLiteral("grid"), project, {}))
                    figures[key].push_back(value);
            }
            if (!parser.isSet("keep"))
                QFile::remove(project);
            auto m = [&figures](const char *key) {
                const auto found = figures.find(QLatin1String(key));
                return found == figures.end() || found->second.empty() ? std::nan("") : median(found->second);
            };
            grids << QString::asprintf("%8sM %9.3f | %9.3f %6.2f %7.3f %6.2f %7.3f %6.2f | %9.3f %9.3f | %10.3f %9.3f",
                                       qPrintable(size), m("map_floor"), m("redraw"), m("redraw") / m("map_floor"),
                                       m("zoom"), m("zoom") / m("map_floor"), m("pan"), m("pan") / m("map_floor"),
                                       m("levels"), m("first_picture"), m("contours"), m("contours_held"));
        }
        if (grid_only)
            continue;
        const QString project = QDir(folder).filePath(QStringLiteral("bigmodel-%1M.db").arg(size));
        const QString copy = QDir(folder).filePath(QStringLiteral("bigmodel-%1M-copy.db").arg(size));
        if (!(parser.isSet("keep") && QFileInfo::exists(project))) // a kept project is used again
            write_project(project, vertices);
        // Per round, the host's figure over the floor's measured beside it:
        // this machine's speed drifts a lot between runs, much less between
        // neighbours.
        std::map<QString, std::vector<double>> host, floor, ratio;
        for (int round = 0; round < rounds && screenshot_only; ++round) {
            // The screenshot and the load alone, taking turns.
            const QString picture = QDir(folder).filePath(QStringLiteral("bigmodel.png"));
            double screenshot = 0;
            Figures load;
            for (int turn = 0; turn < 2; ++turn) {
                if ((turn == 0) == (round % 2 == 0))
                    screenshot = screenshot_seconds(project, picture);
                else
                    load = run_child(QStringLiteral("floor-load"), project, copy);
            }
            host[QStringLiteral("screenshot")].push_back(screenshot);
            floor[QStringLiteral("open")].push_back(load[QStringLiteral("open")]);
            ratio[QStringLiteral("screenshot")].push_back(screenshot / load[QStringLiteral("open")]);
        }
        if (!screenshot_only) {
            const QString unchecked =
                QDir(folder).filePath(QStringLiteral("bigmodel-%1M-unchecked.db").arg(size));
            write_unchecked_copy(project, unchecked);
            std::map<QString, std::vector<double>> load;
            for (int round = 0; round < rounds; ++round) {
                const bool checked_first = round % 2 == 0;
                Figures pair[2];
                for (int turn = 0; turn < 2; ++turn) {
                    const bool checked = (turn == 0) == checked_first;
                    pair[checked ? 0 : 1] = run_child(QStringLiteral("load"), checked ? project : unchecked, {});
                }
                load[QStringLiteral("sums")].push_back(pair[0][QStringLiteral("sums")]);
                for (const char *key : {"open", "cpu"}) {
                    const QString name = QLatin1String(key);
                    load[name + QStringLiteral(" checked")].push_back(pair[0][name]);
                    load[name + QStringLiteral(" unchecked")].push_back(pair[1][name]);
                    load[name + QStringLiteral(" cost")].push_back(pair[0][name] / pair[1][name] - 1);
                }
            }
            QFile::remove(unchecked);
            checks << QString::asprintf("%8sM %9.0f | %10.3f %12.3f %7.1f %% | %10.3f %12.3f %7.1f %% | %7.3f",
                                        qPrintable(size), double(vertices) * (4 * 8 + 4) / kMiB,
                                        median(load["open checked"]), median(load["open unchecked"]),
                                        100 * median(load["open cost"]), median(load["cpu checked"]),
                                        median(load["cpu unchecked"]), 100 * median(load["cpu cost"]),
                                        median(load["sums"]));
        }
        if (parser.isSet("checks")) {
            if (!parser.isSet("keep"))
                QFile::remove(project);
            continue;
        }
        for (int round = 0; round < rounds && !screenshot_only; ++round) {
            // Alternate the order, so that neither always runs second nor
            // always after the other: on this kind of machine the first
            // touch of fresh memory costs more or less depending on what
            // the process before released.
            const bool host_first = round % 2 == 0;
            Figures pair[2];
            for (int turn = 0; turn < 2; ++turn) {
                const bool is_host = (turn == 0) == host_first;
                pair[is_host ? 0 : 1] = run_child(is_host ? QStringLiteral("host") : QStringLiteral("floor"), project, copy);
            }
            for (const auto &[key, value] : pair[0])
                host[key].push_back(value);
            for (const auto &[key, value] : pair[1])
                floor[key].push_back(value);
            for (const char *key : {"open", "save"})
                ratio[QLatin1String(key)].push_back(pair[0][QLatin1String(key)] / pair[1][QLatin1String(key)]);
            for (const char *key : {"redraw", "zoom", "pan"})
                ratio[QLatin1String(key)].push_back(pair[0][QLatin1String(key)] / pair[0][QStringLiteral("map_floor")]);
            const double screenshot = screenshot_seconds(project, QDir(folder).filePath(QStringLiteral("bigmodel.png")));
            host[QStringLiteral("screenshot")].push_back(screenshot);
            ratio[QStringLiteral("screenshot")].push_back(screenshot / pair[1][QStringLiteral("open")]);
        }
        if (!parser.isSet("keep"))
            QFile::remove(project);
        auto m = [](std::map<QString, std::vector<double>> &figures, const char *key) {
            const auto found = figures.find(QLatin1String(key));
            return found == figures.end() || found->second.empty() ? std::nan("") : median(found->second);
        };
        const double data_mib = double(vertices) * (4 * 8 + 4) / kMiB;
        if (!screenshot_only)
            std::printf("%8sM %9.0f | %7.3f %7.3f %6.2f | %7.3f %7.3f %6.2f | %9.0f %9.0f %9.0f | %7.3f %7.3f %7.3f | %8.3f\n",
                    qPrintable(size), data_mib, m(host, "open"), m(floor, "open"), m(ratio, "open"),
                    m(host, "save"), m(floor, "save"), m(ratio, "save"), m(host, "peak"),
                    m(floor, "peak"), 1.15 * data_mib + 150, m(host, "open_stall"), m(host, "save_stall"),
                    m(host, "reopen_stall"), m(host, "cancel"));
        char line[256];
        std::snprintf(line, sizeof line,
                      "%8sM %9.3f | %9.3f %6.2f %7.3f %6.2f %7.3f %6.2f | %7.3f %9.3f | %10.3f %9.3f %6.2f",
                      qPrintable(size), m(host, "map_floor"), m(host, "redraw"), m(ratio, "redraw"), m(host, "zoom"),
                      m(ratio, "zoom"), m(host, "pan"), m(ratio, "pan"), m(host, "plot"), m(host, "first_picture"),
                      m(host, "screenshot"), m(floor, "open"), m(ratio, "screenshot"));
        maps << QString::fromLatin1(line);
        std::fflush(stdout);
    }
    if (!screenshot_only) {
        std::printf("%sWhat the checks on open cost: load_objects of the project, and of a copy without\n"
                    "checksums (SQLite's own checks only), in fresh processes taking turns (medians;\n"
                    "cost: of the per-round ratios). Time, processor time of the process, and the\n"
                    "time of the CRC-32C of all arrays once more, from memory:\n\n",
                    parser.isSet("checks") ? "" : "\n");
        std::printf("%9s %9s | %10s %12s %9s | %10s %12s %9s | %7s\n", "vertices", "data MiB", "checked s",
                    "unchecked s", "cost", "cpu s", "unchecked", "cost", "CRC s");
        for (const QString &line : checks)
            std::printf("%s\n", qPrintable(line));
        std::printf("\nTarget: the checks cost at most about 10 %% of the open at 25 M.\n");
    }
    std::fflush(stdout);
    if (parser.isSet("checks"))
        return 0;
    if (!grid_only) {
        if (!screenshot_only)
            std::printf("\nTargets at 25 M: open <= 1.3 x floor, save <= 1.3 x floor, peak <= target,"
                        " longest GUI stall <= 0.1 s;\ncancel (the longest of open and save, at half and at all"
                        " bytes moved) <= 0.2 s.\n");
        std::printf("\nThe map at 1200 x 800 and the plot, in the same windows (medians of 10 runs each;\n"
                    "floor: one pass writing each vertex's pixel into a QImage), and\n"
                    "`kelvra PROJECT --screenshot FILE` from start to exit beside the load floor\n"
                    "(ratio: the median of the rounds' screenshot / load):\n\n");
        std::printf("%9s %9s | %9s %6s %7s %6s %7s %6s | %7s %9s | %10s %9s %6s\n", "vertices", "floor s",
                    "redraw s", "ratio", "zoom s", "ratio", "pan s", "ratio", "plot s", "1st map s", "screenshot",
                    "load s", "ratio");
        for (const QString &line : maps)
            std::printf("%s\n", qPrintable(line));
        std::printf("\nTargets at 25 M: redraw, zoom and pan <= 0.15 s and <= 1.5 x floor; first map picture\n"
                    "<= 0.3 s; plot redraw <= 0.15 s. From 100 M up: the screenshot (start to exit) at most\n"
                    "1.3 x the time to load the arrays (the floor's open, measured in the same round).\n");
    }
    if (parser.isSet("screenshot-only"))
        return 0;
    std::printf("\nThe map of a Gsurface (a square grid, nodes 25 m apart) at 1200 x 800, filled\n"
                "between its nodes, in a fresh window per round (medians of %d rounds of 10 runs;\n"
                "ratios over the floor: one pass writing each node's pixel into a QImage), and\n"
                "the time from switching its contours on to their lines on screen, traced beside\n"
                "the GUI thread (held: how long the switch kept the GUI thread). Levels: building\n"
                "the grid's levels, which the first picture of a surface adds to a redraw (1st\n"
                "map: hidden and shown again, its levels kept):\n\n", rounds);
    std::printf("%9s %9s | %9s %6s %7s %6s %7s %6s | %9s %9s | %10s %9s\n", "vertices", "floor s", "redraw s",
                "ratio", "zoom s", "ratio", "pan s", "ratio", "levels s", "1st map s", "contours s", "held s");
    for (const QString &line : grids)
        std::printf("%s\n", qPrintable(line));
    std::printf("\nTargets at 25 M: redraw, zoom and pan <= 0.15 s and <= 1.5 x floor; first map picture\n"
                "<= 0.3 s; contours <= 0.5 s.\n");
    return 0;
}
