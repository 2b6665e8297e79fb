// Imports of large grids and point files beside their floors and peers.
//
//   importbench [--nodes M] [--rounds R] [--dir FOLDER] [--keep] [--formats zmap,irap-ascii,irap-binary,xyz]
//   importbench --help
//
// Writes, with Kelvra's own writers, a grid of M million nodes (default 25;
// a square, a few nodes null) as ZMAP+, IRAP ASCII and IRAP binary, and an
// XYZ file of M million rows. Then, each time in a fresh process and
// alternating with the floor, R times: the import as the user meets it
// (recognise the file, read it, build the object's arrays) and its floor,
// one pass over the mapped file on one core that turns the same text into
// the same numbers with std::from_chars into an array (for the binary
// grid: a byte-swapping copy of its records into an array of doubles).
// The ratio is the floor's time over the import's, the median of the
// rounds': at least 0.7 (0.8 for the binary grid) is the target. The user
// and system CPU seconds (all threads) of both are printed beside them: on
// a machine that other work shares they tell the work apart from the wait
// for a core, and system time is mostly the first touch of fresh memory.
// Peak
// memory is the child's maximum resident size, beside the data (the
// arrays the object holds) plus 150 MiB. Peers, once each on the same
// files: gdal_translate (Debian's gdal-bin) on a copy of the ZMAP+ file
// without its '+' line, and numpy's loadtxt (/usr/bin/python3) on the XYZ
// file; a peer that is not installed is skipped, saying so.

#include "app/formats/builtin.h"
#include "app/formats/exchange.h"
#include "app/formats/format.h"
#include "app/formats/mappedfile.h"
#include "app/formats/records.h"
#include "app/formats/textscan.h"
#include "benchoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

using namespace kelvra;
using namespace kelvra::app;
using namespace kelvra::app::formats;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? NAN : values[values.size() / 2];
}

std::int64_t peak_kib()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// User and system time of this process so far, all threads.
std::pair<double, double> cpu_seconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return {double(usage.ru_utime.tv_sec) + double(usage.ru_utime.tv_usec) * 1e-6,
            double(usage.ru_stime.tv_sec) + double(usage.ru_stime.tv_usec) * 1e-6};
}

// Where the numbers start: after the header of a text grid.
const char *data_start(const MappedFile &file, const QString &format)
{
    const char *p = file.begin();
    if (format == QLatin1String("zmap")) {
        const char *plus = static_cast<const char *>(::memmem(p, std::size_t(file.size()), "\n+", 2));
        p = static_cast<const char *>(std::memchr(plus + 1, '\n', std::size_t(file.end() - plus - 1))) + 1;
    } else if (format == QLatin1String("irap-ascii")) {
        for (int line = 0; line < 4; ++line)
            p = static_cast<const char *>(std::memchr(p, '\n', std::size_t(file.end() - p))) + 1;
    }
    return p;
}

// The floor: every number of the data into an array, on one core.
std::int64_t floor_parse(const QString &path, const QString &format, std::int64_t count)
{
    const MappedFile file(path);
    std::vector<double> values(static_cast<std::size_t>(count));
    std::int64_t n = 0;
    if (format == QLatin1String("irap-binary")) {
        std::int64_t offset = 4 * 3 + 32 + 16 + 28 + 4 * 2 * 2; // the three header records
        while (offset < file.size() && n < count) {
            std::uint32_t marker;
            std::memcpy(&marker, file.begin() + offset, 4);
            const std::int64_t bytes = __builtin_bswap32(marker);
            const char *p = file.begin() + offset + 4;
            for (std::int64_t k = 0; k < bytes / 4 && n < count; ++k) {
                std::uint32_t bits;
                std::memcpy(&bits, p + 4 * k, 4);
                bits = __builtin_bswap32(bits);
                float value;
                std::memcpy(&value, &bits, 4);
                values[std::size_t(n++)] = value;
            }
            offset += bytes + 8;
        }
        return n;
    }
    const char *p = data_start(file, format), *end = file.end();
    while (p < end && n < count) {
        while (p < end && is_separator(*p))
            ++p;
        if (p >= end)
            break;
        double value;
        const auto result = std::from_chars(p, end, value);
        values[std::size_t(n++)] = value;
        p = result.ptr;
    }
    return n;
}

int child(const QStringList &arguments)
{
    const QString what = arguments.value(0), format = arguments.value(1), path = arguments.value(2);
    const std::int64_t count = arguments.value(3).toLongLong();
    QElapsedTimer timer;
    timer.start();
    const std::pair<double, double> cpu_before = cpu_seconds();
    std::int64_t got = 0;
    if (what == QLatin1String("floor")) {
        got = floor_parse(path, format, count);
    } else {
        const std::vector<ObjectRecord> records = import_file(path, {}, {}, nullptr);
        if (import_format(path, {}).name() != format)
            return 3;
        for (const ObjectRecord &record : records)
            got += record.prop.value(QStringLiteral("X")).size() * (format == QLatin1String("xyz") ? 3 : 1);
    }
    const double seconds = timer.nsecsElapsed() * 1e-9;
    const auto [user, system] = cpu_seconds();
    std::printf("%.4f %lld %lld %.4f %.4f\n", seconds, static_cast<long long>(peak_kib()), static_cast<long long>(got),
                user - cpu_before.first, system - cpu_before.second);
    return got == count ? 0 : 4;
}

struct Measure
{
    double seconds = NAN;
    double peak_mib = NAN;
    double user_seconds = NAN;
    double system_seconds = NAN;
};

Measure run_child(const QString &what, const QString &format, const QString &path, std::int64_t count)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--child"), what, format, path, QString::number(count)});
    process.waitForFinished(-1);
    const QStringList fields = QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char(' '));
    if (process.exitCode() != 0 || fields.size() < 5) {
        std::fprintf(stderr, "importbench: %s of %s failed (%d): %s\n", qPrintable(what), qPrintable(path),
                     process.exitCode(), process.readAllStandardError().constData());
        return {};
    }
    return {fields[0].toDouble(), fields[1].toDouble() / 1024.0, fields[3].toDouble(), fields[4].toDouble()};
}

double time_command(const QString &program, const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    if (process.exitCode() != 0) {
        std::fprintf(stderr, "importbench: %s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
        return NAN;
    }
    return timer.nsecsElapsed() * 1e-9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--child"))
        return child(arguments.mid(1));
    QCommandLineParser parser;
    const QCommandLineOption nodes_option(QStringLiteral("nodes"),
                                          QStringLiteral("Millions of grid nodes and XYZ rows written (default 25)."),
                                          QStringLiteral("millions"), QStringLiteral("25"));
    const QCommandLineOption rounds_option(QStringLiteral("rounds"),
                                           QStringLiteral("Rounds of import and floor, medians shown (default 3)."),
                                           QStringLiteral("count"), QStringLiteral("3"));
    const QCommandLineOption dir_option(QStringLiteral("dir"),
                                        QStringLiteral("Where the files are written (default: the temporary folder)."),
                                        QStringLiteral("folder"), QDir::tempPath());
    const QCommandLineOption keep_option(QStringLiteral("keep"), QStringLiteral("Keep the files written."));
    const QCommandLineOption formats_option(
        QStringLiteral("formats"), QStringLiteral("Formats measured (default zmap,irap-ascii,irap-binary,xyz)."),
        QStringLiteral("list"), QStringLiteral("zmap,irap-ascii,irap-binary,xyz"));
    parser.addOptions({nodes_option, rounds_option, dir_option, keep_option, formats_option});
    if (const std::optional<int> status = parse_bench_options(
            parser, "Imports 25 million-node ZMAP+ and IRAP grids and a 25 million-row XYZ file, each in a fresh "
                    "process, beside a std::from_chars floor (a byte-swapping copy for IRAP binary), "
                    "gdal_translate and numpy.loadtxt."))
        return *status;
    const double millions = parser.value(nodes_option).toDouble();
    const int rounds = parser.value(rounds_option).toInt();
    const QString folder = parser.value(dir_option);
    const bool keep = parser.isSet(keep_option);
    const QStringList wanted = parser.value(formats_option).split(QLatin1Char(','));
    if (!(millions > 0) || rounds < 0) {
        std::fprintf(stderr, "importbench: --nodes needs a positive number and --rounds a count\n");
        return 2;
    }
    QTemporaryDir temporary(folder + QStringLiteral("/importbench-XXXXXX"));
    if (!scratch_folder_made(temporary, folder))
        return 2;
    temporary.setAutoRemove(!keep);
    const QDir dir(temporary.path());

    // The grid: a square of smooth values with four decimals, one node in
    // a thousand null.
    const std::int64_t side = std::int64_t(std::llround(std::sqrt(millions * 1e6)));
    const std::int64_t count = side * side;
    GridGeometry grid;
    grid.columns = grid.rows = side;
    grid.x_origin = 456000;
    grid.y_origin = 5930000;
    grid.x_increment = grid.y_increment = 12.5;
    NdArray z(DType::Float64, {count});
    double *zs = z.data<double>();
    for (std::int64_t k = 0; k < count; ++k) {
        const double i = double(k % side), j = double(k / side);
        zs[k] = k % 1000 == 7 ? NAN : std::round((1500 + 100 * std::sin(i / 300) * std::cos(j / 200)) * 1e4) / 1e4;
    }
    const ObjectRecord surface = gsurface_record(QStringLiteral("bench"), grid, z);
    std::map<QString, QString> files;
    std::printf("writing %lld nodes into %s\n", static_cast<long long>(count), qPrintable(dir.path()));
    std::fflush(stdout);
    for (const char *name : {"zmap", "irap-ascii", "irap-binary"}) {
        if (!wanted.contains(QLatin1String(name)))
            continue;
        const QString path = dir.filePath(QStringLiteral("grid.%1").arg(QLatin1String(name)));
        format_named(QLatin1String(name)).write(path, surface, {}, nullptr);
        files[QLatin1String(name)] = path;
    }
    if (wanted.contains(QStringLiteral("xyz"))) {
        ObjectRecord points = surface;
        points.geometry_type = QStringLiteral("Point");
        points.grid.reset();
        // Coordinates with two decimals, as survey files have them.
        for (const char *axis : {"X", "Y"}) {
            NdArray &values = points.prop.writable(QLatin1String(axis));
            for (std::int64_t k = 0; k < count; ++k)
                values.data<double>()[k] = std::round((values.data<double>()[k] + 0.0137 * double(k % 97)) * 100) / 100;
        }
        const QString path = dir.filePath(QStringLiteral("points.xyz"));
        xyz_format().write(path, points, {}, nullptr);
        files[QStringLiteral("xyz")] = path;
    }

    std::printf("\n%-12s %5s | %8s %8s %6s | %10s %10s | %8s %8s %8s | %-14s %7s %7s\n", "file", "MiB", "floor s",
                "import s", "ratio", "user/sys f", "user/sys i", "peak MiB", "data MiB", "target", "peer", "peer s",
                "peer/us");
    for (const QString &format : wanted) {
        if (!files.count(format))
            continue;
        const QString path = files[format];
        const std::int64_t values = format == QLatin1String("xyz") ? 3 * count : count;
        std::vector<double> floors, imports, ratios, peaks, floor_user, floor_system, import_user, import_system;
        for (int round = 0; round < rounds; ++round) {
            // Alternating order, so that neither always comes first.
            Measure floor, import;
            if (round % 2 == 0) {
                floor = run_child(QStringLiteral("floor"), format, path, values);
                import = run_child(QStringLiteral("import"), format, path, values);
            } else {
                import = run_child(QStringLiteral("import"), format, path, values);
                floor = run_child(QStringLiteral("floor"), format, path, values);
            }
            floors.push_back(floor.seconds);
            imports.push_back(import.seconds);
            ratios.push_back(floor.seconds / import.seconds);
            peaks.push_back(import.peak_mib);
            floor_user.push_back(floor.user_seconds);
            floor_system.push_back(floor.system_seconds);
            import_user.push_back(import.user_seconds);
            import_system.push_back(import.system_seconds);
        }
        const double data_mib = double(count) * 24 / (1 << 20);
        QString peer = QStringLiteral("-");
        double peer_seconds = NAN;
        if (format == QLatin1String("zmap")) {
            const QString gdal = QStandardPaths::findExecutable(QStringLiteral("gdal_translate"));
            if (gdal.isEmpty()) {
                peer = QStringLiteral("gdal: missing");
            } else {
                // GDAL's driver stops at the '+' line: a copy without it.
                const QString copy = dir.filePath(QStringLiteral("gdal.zmap"));
                {
                    const MappedFile source(path);
                    QFile out(copy);
                    out.open(QIODevice::WriteOnly);
                    const char *plus = static_cast<const char *>(::memmem(source.begin(), std::size_t(source.size()), "\n+", 2));
                    const char *after = static_cast<const char *>(std::memchr(plus + 1, '\n', std::size_t(source.end() - plus - 1))) + 1;
                    out.write(source.begin(), plus + 1 - source.begin());
                    out.write(after, source.end() - after);
                }
                peer = QStringLiteral("gdal_translate");
                peer_seconds = time_command(gdal, {QStringLiteral("-q"), QStringLiteral("-of"), QStringLiteral("GTiff"),
                                                   copy, dir.filePath(QStringLiteral("gdal.tif"))});
                QFile::remove(copy);
                QFile::remove(dir.filePath(QStringLiteral("gdal.tif")));
            }
        } else if (format == QLatin1String("xyz")) {
            if (QProcess::execute(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import numpy")}) != 0) {
                peer = QStringLiteral("numpy: missing");
            } else {
                peer = QStringLiteral("numpy.loadtxt");
                peer_seconds = time_command(QStringLiteral("/usr/bin/python3"),
                                            {QStringLiteral("-c"), QStringLiteral("import sys, numpy; numpy.loadtxt(sys.argv[1])"), path});
            }
        }
        std::printf("%-12s %5.0f | %8.3f %8.3f %6.2f | %4.2f/%4.2f  %4.2f/%4.2f  | %8.0f %8.0f %8.0f | %-14s %7.2f %7.1f\n",
                    qPrintable(format), QFileInfo(path).size() / double(1 << 20), median(floors), median(imports),
                    median(ratios), median(floor_user), median(floor_system), median(import_user),
                    median(import_system), median(peaks), data_mib, data_mib + 150, qPrintable(peer), peer_seconds,
                    peer_seconds / median(imports));
        std::fflush(stdout);
    }
    return 0;
}
