// Projects of many objects and objects of many properties, timed through
// the real program in fresh processes, as a user meets them.
//
//   manyobjects [--objects 2000,5000,20000] [--properties 5000] [--repeat R] [--dir FOLDER]
//
// For each object count it writes a project of that many small objects
// (4 vertices, X, Y, Z and one property each, the geometry types taking
// turns), then times, R times each and taking medians:
//   headless   kelvra PROJECT --script FIRST empty.py  (opens the project,
//              runs an empty script, exits)
//   window     kelvra PROJECT --screenshot FILE  (opens the project into the
//              main window, every object checked on the map, and draws it)
//   floor      kelvra SAMPLE --script FIRST empty.py on the one-object
//              project, plus the time this process takes to read the
//              project's arrays (load_objects): start-up and file reading,
//              which no opening can avoid
// in processor seconds (user and system: the machine's other work changes
// them less than the wall clock), and prints the time per object: opening in linear time keeps it flat as
// the count grows. Then a script creates the given number of properties on
// one object of 1000 vertices (--script ... --save OUT), and the saved
// project is opened again headless. --dir writes the files into FOLDER and
// leaves them there (for a profiler); by default they go to a temporary
// folder.

#include "app/core/geoobject.h"
#include "app/core/objectfile.h"

#include "benchoptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include <sys/resource.h>
#include <time.h>

using namespace kelvra;
using namespace kelvra::app;

namespace {

const QStringList kTypes{QStringLiteral("Point"), QStringLiteral("Well"), QStringLiteral("Tsurface"),
                         QStringLiteral("Polyline")};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

ObjectRecord small_object(int index, std::int64_t vertices)
{
    PropertyMap prop;
    for (const char *key : {"X", "Y", "Z", "value"}) {
        std::vector<double> values(std::size_t(vertices), 0.0);
        for (std::int64_t i = 0; i < vertices; ++i)
            values[std::size_t(i)] = double(index % 100) * 10 + double(i);
        prop.insert(QLatin1String(key), NdArray::from_values(values));
    }
    return {QStringLiteral("object %1").arg(index), kTypes[index % kTypes.size()], prop, QStringLiteral("value")};
}

// User and system seconds of the children this process has waited for.
double children_cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval &time) { return double(time.tv_sec) + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The processor seconds (user and system) the program takes with these
// arguments, which other work on the machine changes less than the wall
// clock; exits on a failure.
double run_kelvra(const QStringList &arguments)
{
    QProcess kelvra;
    kelvra.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double before = children_cpu_seconds();
    kelvra.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kelvra"), arguments);
    kelvra.waitForFinished(-1);
    const double seconds = children_cpu_seconds() - before;
    if (kelvra.exitStatus() != QProcess::NormalExit || kelvra.exitCode() != 0) {
        std::fprintf(stderr, "kelvra %s failed\n", qPrintable(arguments.join(QLatin1Char(' '))));
        std::exit(1);
    }
    return seconds;
}

double this_process_cpu_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

double median_of(int repeat, const std::function<double()> &measure)
{
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i)
        times.push_back(measure());
    return median(times);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"objects", "Object counts of the projects, separated by commas.", "list", "2000,5000,20000"},
                       {"properties", "Properties the one script creates.", "n", "5000"},
                       {"repeat", "Runs of each kind; the median is printed.", "n", "3"},
                       {"dir", "Write the files into this folder and leave them there (for a profiler).",
                        "folder"}});
    if (const std::optional<int> status = parse_bench_options(
            parser, "Opens projects of thousands of small objects with the real program, headless and\n"
                    "into the window, in fresh processes, beside a floor (start-up and reading the\n"
                    "arrays), and prints processor seconds per object; then times one script that\n"
                    "creates thousands of properties, and opening its result."))
        return *status;
    std::vector<int> counts;
    for (const QString &count : parser.value("objects").split(QLatin1Char(',')))
        counts.push_back(count.toInt());
    const int properties = parser.value("properties").toInt();
    const int repeat = std::max(1, parser.value("repeat").toInt());

    QTemporaryDir temporary;
    const QDir dir(parser.isSet("dir") ? parser.value("dir") : temporary.path());
    const QString empty = dir.filePath(QStringLiteral("empty.py"));
    QFile script(empty);
    script.open(QIODevice::WriteOnly);
    script.write("pass\n");
    script.close();
    const QString first = QStringLiteral("object 0");
    const QString one = dir.filePath(QStringLiteral("one.db"));
    save_objects(one, {small_object(0, 4)});
    const QString picture = dir.filePath(QStringLiteral("window.png"));

    std::printf("processor seconds (user + system), median of %d runs\n", repeat);
    std::printf(" objects |  headless s   per object ms |  window s   per object ms |  floor s\n");
    for (const int count : counts) {
        std::vector<ObjectRecord> objects;
        for (int i = 0; i < count; ++i)
            objects.push_back(small_object(i, 4));
        const QString project = dir.filePath(QStringLiteral("objects-%1.db").arg(count));
        save_objects(project, objects);
        objects.clear();

        const double headless = median_of(repeat, [&] { return run_kelvra({project, "--script", first, empty}); });
        const double window = median_of(repeat, [&] { return run_kelvra({project, "--screenshot", picture}); });
        const double floor = median_of(repeat, [&] {
            const double start = this_process_cpu_seconds();
            load_objects(project);
            return this_process_cpu_seconds() - start + run_kelvra({one, "--script", first, empty});
        });
        std::printf("%8d | %10.3f %15.3f | %9.3f %15.3f | %8.3f\n", count, headless, headless / count * 1e3,
                    window, window / count * 1e3, floor);
        std::fflush(stdout);
    }

    // One script making many properties, and the result opened again.
    const QString maker = dir.filePath(QStringLiteral("maker.py"));
    script.setFileName(maker);
    script.open(QIODevice::WriteOnly);
    script.write(QStringLiteral("for _i in range(%1):\n    props['p%05d' % _i] = value + _i\n")
                     .arg(properties)
                     .toUtf8());
    script.close();
    const QString source = dir.filePath(QStringLiteral("one-thousand.db"));
    save_objects(source, {small_object(0, 1000)});
    const QString made = dir.filePath(QStringLiteral("made.db"));
    const double making = median_of(repeat, [&] { return run_kelvra({source, "--script", first, maker, "--save", made}); });
    const double reopening = median_of(repeat, [&] { return run_kelvra({made, "--script", first, empty}); });
    const double floor = median_of(repeat, [&] { return run_kelvra({source, "--script", first, empty}); });
    std::printf("\none script creating %d properties (1000 vertices) and saving: %.3f s\n", properties, making);
    std::printf("opening the result headless: %.3f s   (the object before the script: %.3f s)\n", reopening, floor);
    return 0;
}
