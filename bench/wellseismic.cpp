// Reading wells and seismic, each beside its floor, in fresh processes.
//
//   wellseismic [--segy-mib N] [--las-samples N] [--repeat R] [--folder DIR]
//
// It writes, in DIR (default: the system's temporary folder):
// - a 3-D SEG-Y cube of about N MiB (default 1024) of IBM float samples,
//   big-endian, inline-sorted, as most files are; and
// - a LAS 2.0 file of M samples (default 1 000 000) and 10 curves.
// Then, R times each (default 3), turn about, each run a new process that
// reads a file from the page cache and prints its seconds and peak memory:
// - SEG-Y: Kelvra's import of the cube (survey and cube: the float32
//   amplitudes and the float64 X, Y and Z of every sample that the object
//   model holds), beside the floor: segyio's own loop reading every trace
//   into one float32 array (segy_readtrace and segy_to_native);
// - LAS: Kelvra's import of the well (MD, the curves, and X, Y, Z of every
//   sample on a vertical path), beside the floor: one std::from_chars pass
//   over every number of the file, read into memory whole.
// It prints the medians, their ratios (floor time / Kelvra time: 1 is as
// fast as the floor) and the peak memory beside the arrays the import
// holds.

#include "app/formats/format.h"

#include "benchoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <segyio/segy.h>
#include <sys/resource.h>
#include <vector>

using namespace kelvra;
using namespace kelvra::app;

namespace {

double peak_mib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void put(char *at, int size, std::int64_t value)
{
    for (int k = 0; k < size; ++k)
        at[k] = char((std::uint64_t(value) >> (8 * (size - 1 - k))) & 0xFF);
}

// IBM float of a value (sign, base-16 exponent biased by 64, 24-bit fraction).
std::uint32_t to_ibm(float value)
{
    if (value == 0)
        return 0;
    std::uint32_t sign = value < 0 ? 0x80000000u : 0;
    double v = std::abs(double(value));
    int exponent = 64;
    while (v >= 1) {
        v /= 16;
        ++exponent;
    }
    while (v < 1.0 / 16) {
        v *= 16;
        --exponent;
    }
    return sign | (std::uint32_t(exponent) << 24) | std::uint32_t(v * (1 << 24));
}

void write_segy(const QString &path, std::int64_t mib)
{
    const int samples = 1000;
    const std::int64_t trace_bytes = 240 + 4 * samples;
    const std::int64_t traces = mib * 1024 * 1024 / trace_bytes;
    const int crosslines = int(std::sqrt(double(traces)));
    const int inlines = int(traces / crosslines);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray headers(3600, '\0');
    headers[0] = char(0xC3);
    put(headers.data() + 3216, 2, 4000);
    put(headers.data() + 3220, 2, samples);
    put(headers.data() + 3224, 2, 1);
    file.write(headers);
    std::vector<char> trace(static_cast<std::size_t>(trace_bytes));
    for (int il = 0; il < inlines; ++il) {
        for (int xl = 0; xl < crosslines; ++xl) {
            std::fill(trace.begin(), trace.begin() + 240, 0);
            put(trace.data() + 188, 4, 1000 + il);
            put(trace.data() + 192, 4, 2000 + xl);
            put(trace.data() + 70, 2, -100);
            put(trace.data() + 180, 4, 50000000 + xl * 2500 + il * 400);
            put(trace.data() + 184, 4, 600000000 + il * 2500 - xl * 400);
            put(trace.data() + 114, 2, samples);
            put(trace.data() + 116, 2, 4000);
            for (int k = 0; k < samples; ++k)
                put(trace.data() + 240 + 4 * k, 4, to_ibm(float(std::sin(0.01 * (il + xl + k)) * 1000)));
            file.write(trace.data(), trace_bytes);
        }
    }
}

void write_las(const QString &path, std::int64_t samples)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray text = "~Version\n VERS. 2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\n WRAP. NO : one line per step\n"
                      "~Well\n STRT.M 1000 :\n STEP.M 0.1 :\n NULL. -999.25 :\n WELL. BENCH 1 :\n"
                      "~Curve\n DEPT.M :\n";
    for (int c = 1; c < 10; ++c)
        text += " C" + QByteArray::number(c) + ".UNIT :\n";
    text += "~A\n";
    char number[32];
    for (std::int64_t i = 0; i < samples; ++i) {
        text += QByteArray::number(1000 + 0.1 * double(i), 'f', 1);
        for (int c = 1; c < 10; ++c) {
            const double v = c == 5 && i % 97 == 0 ? -999.25 : std::sin(double(i) * 0.001 * c) * 100 * c;
            const auto end = std::to_chars(number, number + sizeof number, v, std::chars_format::fixed, 4).ptr;
            text += ' ';
            text.append(number, int(end - number));
        }
        text += '\n';
        if (text.size() > (8 << 20)) {
            file.write(text);
            text.clear();
        }
    }
    file.write(text);
}

// The children: each reads one file once and prints "seconds peak_mib data_mib".
int child(const QString &mode, const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    std::int64_t data = 0;
    if (mode == QLatin1String("segy-floor")) {
        segy_file *fp = segy_open(QFile::encodeName(path).constData(), "rb");
        char binary[SEGY_BINARY_HEADER_SIZE];
        segy_binheader(fp, binary);
        const int format = segy_format(binary), samples = segy_samples(binary);
        segy_set_format(fp, format);
        const long trace0 = segy_trace0(binary);
        const int bsize = segy_trsize(format, samples);
        int traces = 0;
        segy_traces(fp, &traces, trace0, bsize);
        std::vector<float> all(static_cast<std::size_t>(traces) * static_cast<std::size_t>(samples));
        for (int t = 0; t < traces; ++t) {
            float *at = all.data() + std::size_t(t) * std::size_t(samples);
            segy_readtrace(fp, t, at, trace0, bsize);
            segy_to_native(format, samples, at);
        }
        segy_close(fp);
        data = std::int64_t(all.size() * sizeof(float));
    } else if (mode == QLatin1String("las-floor")) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const char *p = bytes.constData() + bytes.indexOf("\n~A") + 1;
        p = std::strchr(p, '\n');
        const char *end = bytes.constData() + bytes.size();
        double sum = 0;
        std::int64_t count = 0;
        while (p < end) {
            while (p < end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
                ++p;
            double value = 0;
            const auto result = std::from_chars(p, end, value);
            if (result.ptr == p)
                break;
            sum += value;
            ++count;
            p = result.ptr;
        }
        std::fprintf(stderr, "%lld numbers, sum %g\n", static_cast<long long>(count), sum);
        data = count * 8;
    } else {
        formats::ImportOptions options;
        options.cube = true;
        const auto records = formats::format_named(mode == QLatin1String("segy-kelvra") ? QStringLiteral("segy")
                                                                                         : QStringLiteral("las"))
                                 .read(path, options, nullptr);
        for (const ObjectRecord &record : records) {
            for (const QString &key : record.prop.keys())
                data += record.prop.value(key).nbytes();
        }
    }
    std::printf("%.6f %.1f %.1f\n", double(timer.nsecsElapsed()) / 1e9, peak_mib(), double(data) / (1 << 20));
    return 0;
}

struct Run
{
    double seconds = 0, peak = 0, data = 0;
};

Run run_child(const QString &mode, const QString &path)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode, path});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(mode));
    const QList<QByteArray> parts = process.readAllStandardOutput().trimmed().split(' ');
    return {parts.value(0).toDouble(), parts.value(1).toDouble(), parts.value(2).toDouble()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void warm(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    while (!file.read(1 << 24).isEmpty()) {
    }
}

void compare(const char *what, const QString &path, const QString &kelvra, const QString &floor, int repeat,
             double floor_target)
{
    warm(path);
    std::vector<double> ratios, ours, theirs, peaks, data;
    for (int r = 0; r < repeat; ++r) {
        const Run a = run_child(kelvra, path);
        const Run b = run_child(floor, path);
        ours.push_back(a.seconds);
        theirs.push_back(b.seconds);
        ratios.push_back(b.seconds / a.seconds);
        peaks.push_back(a.peak);
        data = {a.data};
    }
    std::printf("%s (%.0f MiB file, from the page cache)\n", what, double(QFile(path).size()) / (1 << 20));
    std::printf("  Kelvra import  %8.3f s   floor %8.3f s   ratio %.2f (target at least %.1f)\n", median(ours),
                median(theirs), median(ratios), floor_target);
    std::printf("  peak memory    %8.0f MiB  arrays held %8.0f MiB  over them %.0f MiB (target at most 150)\n",
                median(peaks), data.front(), median(peaks) - data.front());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--child"))
        return child(args.value(2), args.value(3));
    QCommandLineParser parser;
    const QCommandLineOption segy_size(QStringLiteral("segy-mib"), QStringLiteral("Size of the SEG-Y cube written (default 1024)."),
                                       QStringLiteral("MiB"), QStringLiteral("1024"));
    const QCommandLineOption las_size(QStringLiteral("las-samples"),
                                      QStringLiteral("Samples of the LAS well written, 10 curves each (default 1000000)."),
                                      QStringLiteral("count"), QStringLiteral("1000000"));
    const QCommandLineOption repeats(QStringLiteral("repeat"), QStringLiteral("Rounds of each, medians shown (default 3)."),
                                     QStringLiteral("count"), QStringLiteral("3"));
    const QCommandLineOption where(QStringLiteral("folder"), QStringLiteral("Where the files are written (default: the temporary folder)."),
                                   QStringLiteral("folder"), QDir::tempPath());
    parser.addOptions({segy_size, las_size, repeats, where});
    if (const std::optional<int> status = parse_bench_options(
            parser, "Reads a SEG-Y cube and a LAS well that it writes first, each in a fresh process and in turns "
                    "with its floor (segyio reading every trace; std::from_chars over the LAS numbers), and prints "
                    "times, ratios and peak memory."))
        return *status;
    const std::int64_t segy_mib = parser.value(segy_size).toLongLong();
    const std::int64_t las_samples = parser.value(las_size).toLongLong();
    const int repeat = parser.value(repeats).toInt();
    const QString folder = parser.value(where);
    const QString segy = QDir(folder).filePath(QStringLiteral("kelvra-bench-cube.sgy"));
    const QString las = QDir(folder).filePath(QStringLiteral("kelvra-bench-well.las"));
    write_segy(segy, segy_mib);
    write_las(las, las_samples);
    compare("SEG-Y cube", segy, QStringLiteral("segy-kelvra"), QStringLiteral("segy-floor"), repeat, 0.8);
    compare("LAS well", las, QStringLiteral("las-kelvra"), QStringLiteral("las-floor"), repeat, 0.7);
    QFile::remove(segy);
    QFile::remove(las);
    return 0;
}
