// SEG-Y in and out: real files of other tools and files made here byte by
// byte. Expected values are read from the file's bytes by the test itself
// (big- or little-endian fields, IBM float decoded by its definition),
// never through segyio or the reader under test.

#include "app/formats/format.h"

#include "testmain.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>

using namespace kelvra;
using namespace kelvra::app;
using namespace kelvra::app::formats;

namespace {

QString real(const QString &name)
{
    return qEnvironmentVariable("KELVRA_REAL_DATA", QStringLiteral("/work/shared/data/real")) + QLatin1Char('/') + name;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// A field of the file: bytes counted from 1 as the standard counts them.
std::int64_t field(const QByteArray &bytes, std::int64_t byte, int size, bool little = false)
{
    std::uint32_t value = 0;
    for (int k = 0; k < size; ++k) {
        const auto b = static_cast<unsigned char>(bytes.at(int(byte - 1 + (little ? size - 1 - k : k))));
        value = (value << 8) | b;
    }
    if (size == 2)
        return std::int16_t(value);
    return std::int32_t(value);
}

void put(QByteArray &bytes, std::int64_t byte, int size, std::int64_t value, bool little = false)
{
    for (int k = 0; k < size; ++k) {
        const int shift = 8 * (little ? k : size - 1 - k);
        bytes[int(byte - 1 + k)] = char((std::uint64_t(value) >> shift) & 0xFF);
    }
}

// IBM single precision: sign, base-16 exponent biased by 64, 24-bit fraction.
double ibm(std::uint32_t bits)
{
    const double sign = (bits >> 31) ? -1 : 1;
    const int exponent = int((bits >> 24) & 0x7F) - 64;
    return sign * double(bits & 0xFFFFFF) / double(1 << 24) * std::pow(16.0, exponent);
}

double value(const ObjectRecord &record, const QString &property, std::int64_t i)
{
    return record.prop.value(property).astype(DType::Float64).data<double>()[i];
}

const Format &segy()
{
    return format_named(QStringLiteral("segy"));
}

QString refusal(const QString &path, const ImportOptions &options)
{
    try {
        segy().read(path, options, nullptr);
    } catch (const FormatError &error) {
        return error_text(error);
    }
    return {};
}

// A small survey made byte by byte.
struct Synthetic
{
    int format = 5;
    bool little = false;
    bool inline_sorted = true;
    int samples = 6;
    int interval_us = 2000;
    int delay_ms = 100;
    std::vector<int> inlines{10, 12, 14};
    std::vector<int> crosslines{100, 102, 104, 106};
    int inline_byte = 189, crossline_byte = 193;
    double x0 = 500000, y0 = 6000000, rotation = 30, dx = 25, dy = 12.5;

    double x(int j, int i) const
    {
        const double r = rotation * M_PI / 180;
        return x0 + i * dx * std::cos(r) - j * dy * std::sin(r);
    }
    double y(int j, int i) const
    {
        const double r = rotation * M_PI / 180;
        return y0 + i * dx * std::sin(r) + j * dy * std::cos(r);
    }
    // The sample value of inline index j, crossline index i, sample k.
    double sample(int j, int i, int k) const { return j * 10 + i + k * (format == 5 ? 0.25 : 1) - 20; }

    QByteArray bytes() const
    {
        const int size = format == 3 ? 2 : format == 8 ? 1 : 4;
        QByteArray text(3200, ' ');
        const QByteArray line = "C 1 ASCII TEXT HEADER OF A TEST SURVEY";
        std::memcpy(text.data(), line.constData(), std::size_t(line.size()));
        QByteArray file = text + QByteArray(400, '\0');
        put(file, 3217, 2, interval_us, little);
        put(file, 3221, 2, samples, little);
        put(file, 3225, 2, format, little);
        const int nil = int(inlines.size()), nxl = int(crosslines.size());
        for (int a = 0; a < (inline_sorted ? nil : nxl); ++a) {
            for (int b = 0; b < (inline_sorted ? nxl : nil); ++b) {
                const int j = inline_sorted ? a : b, i = inline_sorted ? b : a;
                QByteArray trace(240 + samples * size, '\0');
                put(trace, inline_byte, 4, inlines[std::size_t(j)], little);
                put(trace, crossline_byte, 4, crosslines[std::size_t(i)], little);
                put(trace, 71, 2, -100, little);
                put(trace, 181, 4, std::llround(x(j, i) * 100), little);
                put(trace, 185, 4, std::llround(y(j, i) * 100), little);
                put(trace, 109, 2, delay_ms, little);
                put(trace, 115, 2, samples, little);
                put(trace, 117, 2, interval_us, little);
                for (int k = 0; k < samples; ++k) {
                    const double v = sample(j, i, k);
                    std::int64_t raw = std::llround(v);
                    if (format == 5) {
                        const float f = float(v);
                        std::uint32_t u;
                        std::memcpy(&u, &f, 4);
                        raw = u;
                    }
                    put(trace, 241 + k * size, size, raw, little);
                }
                file += trace;
            }
        }
        return file;
    }
};

} // namespace

class TestSeismicFormats : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_f3 = real(QStringLiteral("segyio/f3.sgy"));

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static ImportOptions cube()
    {
        ImportOptions options;
        options.cube = true;
        return options;
    }

private slots:
    void segy_files_are_recognised_by_their_headers()
    {
        QCOMPARE(recognise_file(m_f3).name(), QStringLiteral("segy"));
        QCOMPARE(recognise_file(write("seismic.bin", Synthetic{}.bytes())).name(), QStringLiteral("segy"));
        QCOMPARE(recognise_file(real(QStringLiteral("segyio/small-lsb.sgy"))).name(), QStringLiteral("segy"));
    }

    void the_real_cube_becomes_a_survey_outlined_by_its_corner_traces()
    {
        const QByteArray bytes = contents(m_f3);
        const auto records = segy().read(m_f3, {}, nullptr);
        QCOMPARE(records.size(), std::size_t(1));
        const ObjectRecord &survey = records.front();
        QCOMPARE(survey.geometry_type, QStringLiteral("Survey"));
        QCOMPARE(survey.name, QStringLiteral("f3"));
        // 75 int16 samples a trace; 18 crosslines a line, 23 lines.
        const int trace_size = 240 + 75 * 2;
        const int corner_traces[5] = {0, 17, 413, 396, 0};
        QStringList texts;
        for (int c = 0; c < 5; ++c) {
            const std::int64_t at = 3600 + std::int64_t(corner_traces[c]) * trace_size;
            QCOMPARE(field(bytes, at + 71, 2), std::int64_t(-10));
            QCOMPARE(value(survey, "X", c), double(field(bytes, at + 181, 4)) / 10);
            QCOMPARE(value(survey, "Y", c), double(field(bytes, at + 185, 4)) / 10);
            if (c < 4)
                texts << QStringLiteral("IL %1 XL %2").arg(field(bytes, at + 189, 4)).arg(field(bytes, at + 193, 4));
        }
        texts << QString();
        QCOMPARE(survey.texts, texts);
        QCOMPARE(survey.texts.at(2), QStringLiteral("IL 133 XL 892"));
    }

    void the_real_cube_reads_every_sample_where_the_file_has_it()
    {
        const QByteArray bytes = contents(m_f3);
        const auto records = segy().read(m_f3, cube(), nullptr);
        QCOMPARE(records.size(), std::size_t(2));
        const ObjectRecord &cube = records.back();
        QCOMPARE(cube.geometry_type, QStringLiteral("Cube"));
        QCOMPARE(cube.prop.value("amplitude").dtype(), DType::Float32);
        QVERIFY(cube.grid);
        QCOMPARE(cube.grid->columns, std::int64_t(18));
        QCOMPARE(cube.grid->rows, std::int64_t(23));
        QCOMPARE(cube.grid->layers, std::int64_t(75));
        QCOMPARE(cube.grid->z_origin, -4.0);
        QCOMPARE(cube.grid->z_increment, -4.0);
        const int trace_size = 240 + 75 * 2;
        for (const auto &[il, xl, k] : {std::tuple{120, 880, 10}, std::tuple{111, 875, 0}, std::tuple{133, 892, 74}}) {
            const int trace = (il - 111) * 18 + (xl - 875);
            const std::int64_t at = 3600 + std::int64_t(trace) * trace_size;
            QCOMPARE(field(bytes, at + 189, 4), std::int64_t(il));
            const std::int64_t vertex = std::int64_t(trace) * 75 + k;
            QCOMPARE(value(cube, "amplitude", vertex), double(field(bytes, at + 241 + 2 * k, 2)));
            QCOMPARE(value(cube, "X", vertex), double(field(bytes, at + 181, 4)) / 10);
            QCOMPARE(value(cube, "Y", vertex), double(field(bytes, at + 185, 4)) / 10);
            QCOMPARE(value(cube, "Z", vertex), -(4.0 + 4.0 * k));
        }
        // The grid starts at the first trace; the far corner of this real,
        // not quite rectangular survey lies within centimetres of it.
        QCOMPARE(cube.grid->x_origin, value(cube, "X", 0));
        const QPointF far = cube.grid->node_position(17, 22);
        QVERIFY(std::hypot(far.x() - value(cube, "X", 413 * 75), far.y() - value(cube, "Y", 413 * 75)) < 0.25);
    }

    void a_part_of_the_cube_is_read_by_line_numbers_and_sample_times()
    {
        ImportOptions options = cube();
        options.inlines = {115, 125, 2};
        options.crosslines = {880, 890, 5};
        options.samples = {20, 100, 2};
        const Description description = segy().describe(m_f3, options);
        // Inlines 115..125 every 2nd: 6; crosslines 880, 885, 890: 3;
        // samples 20..100 ms every 2nd of 4 ms: 11.
        QCOMPARE(description.vertices, std::int64_t(6 * 3 * 11));
        QCOMPARE(description.memory_bytes, std::int64_t(6 * 3 * 11 * (4 + 24) + 5 * 24));
        const ObjectRecord part = segy().read(m_f3, options, nullptr).back();
        const ObjectRecord whole = segy().read(m_f3, cube(), nullptr).back();
        QCOMPARE(part.grid->columns, std::int64_t(3));
        QCOMPARE(part.grid->rows, std::int64_t(6));
        QCOMPARE(part.grid->layers, std::int64_t(11));
        QCOMPARE(part.grid->z_origin, -20.0);
        QCOMPARE(part.grid->z_increment, -8.0);
        for (int j = 0; j < 6; ++j) {
            for (int i = 0; i < 3; ++i) {
                for (int k = 0; k < 11; ++k) {
                    const std::int64_t from = ((115 - 111 + 2 * j) * 18 + (880 - 875 + 5 * i)) * 75 + (20 - 4) / 4 + 2 * k;
                    const std::int64_t to = (j * 3 + i) * 11 + k;
                    QCOMPARE(value(part, "amplitude", to), value(whole, "amplitude", from));
                    QCOMPARE(value(part, "X", to), value(whole, "X", from));
                    QCOMPARE(value(part, "Z", to), value(whole, "Z", from));
                }
            }
        }
        const QPointF origin = whole.grid->node_position(5, 4);
        QVERIFY(std::abs(part.grid->x_origin - origin.x()) < 1e-6 && std::abs(part.grid->y_origin - origin.y()) < 1e-6);
    }

    void ranges_outside_the_survey_are_refused()
    {
        ImportOptions options = cube();
        options.inlines.first = 100;
        QCOMPARE(refusal(m_f3, options),
                 m_f3 + QStringLiteral(": there is no inline 100: the inlines run from 111 to 133 in steps of 1"));
        options = cube();
        options.samples = {0, 500, 1};
        QVERIFY(refusal(m_f3, options).contains(QStringLiteral("not inside the traces, which run from 4 to 300")));
        options = cube();
        options.crosslines = {890, 880, 1};
        QVERIFY(refusal(m_f3, options).contains(QStringLiteral("the crossline range ends before it starts")));
    }

    void ibm_float_files_read_alike_in_either_byte_order()
    {
        const QString big = real(QStringLiteral("segyio/small.sgy"));
        const QByteArray bytes = contents(big);
        const ObjectRecord msb = segy().read(big, cube(), nullptr).back();
        const ObjectRecord lsb = segy().read(real(QStringLiteral("segyio/small-lsb.sgy")), cube(), nullptr).back();
        QCOMPARE(msb.grid->columns, std::int64_t(5));
        QCOMPARE(msb.grid->layers, std::int64_t(50));
        const int trace_size = 240 + 50 * 4;
        for (const int trace : {0, 7, 24}) {
            for (const int k : {0, 13, 49}) {
                const std::int64_t at = 3600 + std::int64_t(trace) * trace_size + 241 + 4 * k;
                const double expected = ibm(std::uint32_t(field(bytes, at, 4)));
                QCOMPARE(value(msb, "amplitude", trace * 50 + k), double(float(expected)));
            }
        }
        QCOMPARE(lsb.prop.value("amplitude"), msb.prop.value("amplitude"));
        // No CDP X/Y in these headers: the survey lies by line numbers.
        QCOMPARE(value(msb, "X", 7 * 50), 22.0);
        QCOMPARE(value(msb, "Y", 7 * 50), 2.0);
        QVERIFY(segy().describe(big, {}).notes.join(' ').contains(QStringLiteral("no CDP X/Y")));
        QVERIFY(segy().describe(real(QStringLiteral("segyio/small-lsb.sgy")), {}).notes.join(' ').contains(
            QStringLiteral("IBM float, little-endian")));
    }

    void rotated_surveys_with_line_steps_and_moved_line_numbers_read()
    {
        for (const int format : {5, 2, 3, 8}) {
            Synthetic synthetic;
            synthetic.format = format;
            synthetic.little = format == 2;
            synthetic.inline_sorted = format != 3;
            synthetic.inline_byte = 9;
            synthetic.crossline_byte = 21;
            const QString path = write(QStringLiteral("rotated%1.sgy").arg(format), synthetic.bytes());
            ImportOptions options = cube();
            options.inline_byte = 9;
            options.crossline_byte = 21;
            const auto records = segy().read(path, options, nullptr);
            const ObjectRecord &cube = records.back();
            const GridGeometry &grid = *cube.grid;
            QCOMPARE(grid.columns, std::int64_t(4));
            QCOMPARE(grid.rows, std::int64_t(3));
            QVERIFY(std::abs(grid.rotation - 30) < 0.01);
            QVERIFY(std::abs(grid.x_increment - 25) < 0.01);
            QVERIFY(std::abs(grid.y_increment - 12.5) < 0.01);
            QCOMPARE(grid.z_origin, -100.0);
            QCOMPARE(grid.z_increment, -2.0);
            QCOMPARE(records.front().texts.at(2), QStringLiteral("IL 14 XL 106"));
            for (int j = 0; j < 3; ++j) {
                for (int i = 0; i < 4; ++i) {
                    const std::int64_t vertex = grid.vertex(i, j, 5);
                    QCOMPARE(value(cube, "amplitude", vertex), synthetic.sample(j, i, 5));
                    QVERIFY(std::abs(value(cube, "X", vertex) - synthetic.x(j, i)) < 0.006);
                    QVERIFY(std::abs(value(cube, "Y", vertex) - synthetic.y(j, i)) < 0.006);
                }
            }
            options.inlines = {12, 14, 1};
            QCOMPARE(segy().read(path, options, nullptr).back().grid->rows, std::int64_t(2));
        }
    }

    void the_text_header_is_shown_before_import()
    {
        const QString notes = segy().describe(m_f3, {}).notes.join('\n');
        QVERIFY(notes.contains(QStringLiteral("C 1 Cropped F3 2-byte integer data set")));
        QVERIFY(notes.contains(QStringLiteral("16-bit integers, big-endian")));
        QVERIFY(segy().describe(write("ascii.sgy", Synthetic{}.bytes()), {}).notes.join('\n').contains(
            QStringLiteral("C 1 ASCII TEXT HEADER OF A TEST SURVEY")));
    }

    void a_cube_written_to_segy_reads_back_equal()
    {
        const ObjectRecord cube = segy().read(m_f3, this->cube(), nullptr).back();
        QVERIFY(segy().can_write(cube));
        QVERIFY(!segy().can_write(segy().read(m_f3, {}, nullptr).front()));
        const QString out = m_dir.filePath(QStringLiteral("out.sgy"));
        segy().write(out, cube, {}, nullptr);
        const QByteArray bytes = contents(out);
        QCOMPARE(field(bytes, 3225, 2), std::int64_t(5)); // IEEE float
        QCOMPARE(field(bytes, 3221, 2), std::int64_t(75));
        QCOMPARE(field(bytes, 3217, 2), std::int64_t(4000));
        const int trace_size = 240 + 75 * 4;
        QCOMPARE(bytes.size(), 3600 + 414 * trace_size);
        QCOMPARE(field(bytes, 3600 + trace_size + 189, 4), std::int64_t(1));  // inline of trace 2
        QCOMPARE(field(bytes, 3600 + trace_size + 193, 4), std::int64_t(2));  // its crossline
        QCOMPARE(field(bytes, 3600 + 109, 2), std::int64_t(4));               // first sample at 4 ms
        const std::int64_t scalar = field(bytes, 3600 + 71, 2);
        QVERIFY(scalar < 0);
        QCOMPARE(double(field(bytes, 3600 + 181, 4)) / double(-scalar), value(cube, "X", 0));
        const ObjectRecord back = segy().read(out, this->cube(), nullptr).back();
        QCOMPARE(back.prop.value("amplitude"), cube.prop.value("amplitude"));
        QCOMPARE(back.prop.value("Z"), cube.prop.value("Z"));
        QCOMPARE(back.prop.value("X"), cube.prop.value("X"));
        QCOMPARE(back.prop.value("Y"), cube.prop.value("Y"));
        QCOMPARE(back.grid->columns, cube.grid->columns);
        QVERIFY(std::abs(back.grid->rotation - cube.grid->rotation) < 1e-9);
    }

    void a_cube_segy_cannot_hold_is_refused_and_nothing_is_left()
    {
        ObjectRecord cube = segy().read(m_f3, this->cube(), nullptr).back();
        cube.grid->z_increment = 0.5; // Z rising down the samples
        const QString out = m_dir.filePath(QStringLiteral("refused.sgy"));
        QVERIFY_EXCEPTION_THROWN(segy().write(out, cube, {}, nullptr), ValueError);
        QVERIFY(!QFile::exists(out));
        QVERIFY(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("refused")).isEmpty());
    }

    void a_cube_read_stops_when_the_user_cancels()
    {
        Progress progress;
        std::int64_t seen = 0;
        progress.on_step = [&](std::int64_t done) {
            seen = done;
            if (done > 3600 * 10)
                progress.cancel();
        };
        QVERIFY_EXCEPTION_THROWN(segy().read(m_f3, cube(), &progress), Cancelled);
        // It stopped soon after the cancel, long before the end of the file.
        QVERIFY(seen < 3600 * 10 + 2 * 390);
        QCOMPARE(progress.total(), std::int64_t(414 * 390));
    }

    void bad_segy_files_are_refused_naming_the_place()
    {
        const QByteArray f3 = contents(m_f3);
        const QString cut = write("cut.sgy", f3.left(f3.size() - 10));
        QCOMPARE(refusal(cut, {}), cut + QStringLiteral(", byte 3221: traces of 75 samples of 2 bytes do not fill the "
                                                         "161450 bytes after the headers: the file is cut short or its "
                                                         "sample count is wrong"));
        const QString short_by_a_trace = write("missing.sgy", f3.left(f3.size() - (240 + 150)));
        QCOMPARE(refusal(short_by_a_trace, {}),
                 short_by_a_trace + QStringLiteral(": 413 traces do not fill lines of 18 traces: the survey is not a full rectangle"));
        QByteArray moved = f3;
        put(moved, 3600 + 200 * 390 + 193, 4, 5000);
        const QString wrong = write("moved.sgy", moved);
        QCOMPARE(refusal(wrong, cube()),
                 wrong + QStringLiteral(", trace 201: inline 122 crossline 5000, where a full rectangle of lines has inline 122 crossline 877"));
        QByteArray format = f3;
        put(format, 3225, 2, 4);
        QVERIFY(refusal(write("format.sgy", format), {}).contains(QStringLiteral("byte 3225: the sample format code 4 is none")));
        ImportOptions options;
        options.inline_byte = 190;
        QVERIFY(refusal(m_f3, options).contains(QStringLiteral("byte 190 is not the start of a trace header field")));
        QVERIFY(refusal(write("tiny.sgy", f3.left(2000)), {}).contains(QStringLiteral("byte 2000: the file ends before")));
        QByteArray repeated = Synthetic{}.bytes();
        put(repeated, 3600 + 240 + 6 * 4 + 193, 4, 100);
        QVERIFY(refusal(write("repeat.sgy", repeated), {}).contains(QStringLiteral("trace 2: inline 10 crossline 100 follows")));
    }
};

KELVRA_TEST_MAIN(TestSeismicFormats)
#include "tst_seismicformats.moc"
