// Wells in and out: LAS logs (real files of other tools and files made
// here with their traps), deviation surveys and path tables, tops, and
// LAS export. Expected values are read from the files' text or computed
// from the geometry, never from the reader.

#include "app/formats/format.h"
#include "app/formats/lasfile.h"
#include "app/formats/wellpath.h"

#include "testmain.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace kelvra;
using namespace kelvra::app;
using namespace kelvra::app::formats;

namespace {

QString real(const QString &name)
{
    return qEnvironmentVariable("KELVRA_REAL_DATA", QStringLiteral("/work/shared/data/real")) + QLatin1Char('/') + name;
}

double value(const ObjectRecord &record, const QString &property, std::int64_t i)
{
    return record.prop.value(property).astype(DType::Float64).data<double>()[i];
}

std::vector<ObjectRecord> read_las_file(const QString &path, const ImportOptions &options = {})
{
    return format_named(QStringLiteral("las")).read(path, options, nullptr);
}

// The error message of reading path, or an empty text when it reads.
QString refusal(const QString &path, const ImportOptions &options = {})
{
    try {
        read_las_file(path, options);
    } catch (const FormatError &error) {
        return error_text(error);
    }
    return {};
}

} // namespace

class TestWellFormats : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void las_files_are_recognised_by_their_version_section()
    {
        QCOMPARE(recognise_file(real(QStringLiteral("lasio/sample_2.0.las"))).name(), QStringLiteral("las"));
        const QString named = write(QStringLiteral("log.txt"), "# a comment first\r\n~VERSION INFORMATION\r\n");
        QCOMPARE(recognise_file(named).name(), QStringLiteral("las"));
    }

    void las_2_curves_become_properties_with_units_the_depth_as_md()
    {
        const auto records = read_las_file(real(QStringLiteral("lasio/sample_2.0.las")));
        QCOMPARE(records.size(), std::size_t(1));
        const ObjectRecord &well = records.front();
        QCOMPARE(well.name, QStringLiteral("AAAAA_2"));
        QCOMPARE(well.geometry_type, QStringLiteral("Point"));
        QCOMPARE(well.prop.keys(), (QStringList{"X", "Y", "Z", "MD", "DT", "RHOB", "NPHI", "SFLU", "SFLA", "ILM", "ILD"}));
        // Depth decreasing, STEP negative: the depth column holds.
        QCOMPARE(value(well, "MD", 0), 1670.0);
        QCOMPARE(value(well, "MD", 2), 1669.75);
        QCOMPARE(value(well, "ILD", 1), 105.6);
        QCOMPARE(value(well, "RHOB", 2), 2550.0);
        QCOMPARE(well.units.value("MD"), QStringLiteral("M"));
        QCOMPARE(well.units.value("DT"), QStringLiteral("US/M"));
        QCOMPARE(well.units.value("NPHI"), QStringLiteral("V/V"));
    }

    void a_well_without_wellhead_or_datum_stands_at_the_origin_with_a_note()
    {
        const QString path = real(QStringLiteral("lasio/sample_2.0.las"));
        const ObjectRecord well = read_las_file(path).front();
        QCOMPARE(value(well, "X", 1), 0.0);
        QCOMPARE(value(well, "Y", 1), 0.0);
        // MD 0 at Z = 0 without a datum: Z is minus the depth.
        QCOMPARE(value(well, "Z", 0), -1670.0);
        const Description description = format_named(QStringLiteral("las")).describe(path, {});
        QVERIFY(description.notes.join(' ').contains(QStringLiteral("X = Y = 0")));
        QVERIFY(description.notes.join(' ').contains(QStringLiteral("datum")));
        QCOMPARE(description.vertices, std::int64_t(3));
        QCOMPARE(description.memory_bytes, std::int64_t(3 * 11 * 8));
    }

    void the_wellhead_and_datum_come_from_the_options_where_the_file_has_none()
    {
        ImportOptions options;
        options.wellhead_x = 1000;
        options.wellhead_y = 2000;
        options.datum = 25;
        const ObjectRecord well = read_las_file(real(QStringLiteral("lasio/sample_2.0.las")), options).front();
        QCOMPARE(value(well, "X", 0), 1000.0);
        QCOMPARE(value(well, "Y", 2), 2000.0);
        QCOMPARE(value(well, "Z", 0), 25.0 - 1670.0);
    }

    void the_files_own_wellhead_wins_over_the_options()
    {
        // X and Y stand in the ~Parameter section of this real file.
        ImportOptions options;
        options.wellhead_x = 1;
        options.wellhead_y = 2;
        const QString path = real(QStringLiteral("lasio/6038187_v1.2_short.las"));
        const ObjectRecord well = read_las_file(path, options).front();
        QCOMPARE(value(well, "X", 0), 560160.0);
        QCOMPARE(value(well, "Y", 0), 6686430.0);
        QVERIFY(format_named(QStringLiteral("las")).describe(path, options).notes.join(' ').contains(
            QStringLiteral("wellhead X/Y is taken from the file")));
    }

    void a_real_borehole_reads_every_row_of_its_column_header_data()
    {
        const ObjectRecord well = read_las_file(real(QStringLiteral("lasio/6038187_v1.2_short.las"))).front();
        QCOMPARE(well.name, QStringLiteral("Scorpio E1"));
        // 12.00 to 18.00 m every 0.05 m.
        QCOMPARE(well.prop.value("MD").size(), std::int64_t(121));
        QCOMPARE(value(well, "MD", 0), 12.0);
        QCOMPARE(value(well, "CALI", 0), 101.78);
        QCOMPARE(value(well, "COND", 120), 65.3776);
        QCOMPARE(value(well, "MD", 120), 18.0);
        QCOMPARE(well.units.value("DFAR"), QStringLiteral("G/CM3"));
    }

    void wrapped_las_1_2_reads_depth_steps_over_several_lines()
    {
        const ObjectRecord well = read_las_file(real(QStringLiteral("lasio/sample_wrapped.las"))).front();
        // LAS 1.2: the well name stands in the description field.
        QCOMPARE(well.name, QStringLiteral("ANY ET AL XX-XX-XX-XX"));
        QCOMPARE(well.prop.value("MD").size(), std::int64_t(5));
        QCOMPARE(well.prop.keys().size(), 3 + 36);
        QCOMPARE(value(well, "MD", 1), 909.875);
        QVERIFY(std::isnan(value(well, "DT", 1)));           // -999.2500 declared NULL
        QCOMPARE(value(well, "RHOB", 1), 2712.646);
        QVERIFY(std::isnan(value(well, "EATT", 1)));
        QCOMPARE(value(well, "CALI", 1), 203.1093);          // the second line of the step
        QCOMPARE(value(well, "LSWB", 4), 0.0);               // the last value of the last step
        QCOMPARE(value(well, "SW", 4), 0.8174);
    }

    void null_values_in_other_spellings_and_the_users_own_become_gaps()
    {
        const QString path = real(QStringLiteral("lasio/null_policy_-999.25.las"));
        const ObjectRecord well = read_las_file(path).front();
        // NULL is declared -999.2500; the data write -999.25.
        QVERIFY(std::isnan(value(well, "DT", 0)));
        QVERIFY(std::isnan(value(well, "DT", 1)));
        QCOMPARE(value(well, "DT", 2), 123.45);
        QVERIFY(std::isnan(value(well, "SFLA", 2)));
        QCOMPARE(value(well, "RHOB", 0), 2550.0);
        ImportOptions options;
        options.null_values = {2550};
        QVERIFY(std::isnan(value(read_las_file(path, options).front(), "RHOB", 0)));
        QCOMPARE(format_named(QStringLiteral("las")).describe(path, {}).nulls, std::int64_t(3));
    }

    void las_3_single_section_reads_with_its_datum()
    {
        const ObjectRecord well = read_las_file(real(QStringLiteral("lasio/Good_File_SS.las"))).front();
        QCOMPARE(well.name, QStringLiteral("DUMMY WELL"));
        QCOMPARE(well.prop.keys().mid(3, 3), (QStringList{"MD", "Bottom", "Delta"}));
        QCOMPARE(value(well, "MD", 1), 1.0);
        QCOMPARE(value(well, "Delta", 1), 15070.08);
        QCOMPARE(value(well, "Top", 2), 15168.99);
        QVERIFY(std::isnan(value(well, "Bottom", 0))); // NULL -9999
        // EREF, the elevation of the depth reference, is the datum: MD 1 is at Z 92.
        QCOMPARE(value(well, "Z", 1), 92.0);
    }

    void cr_crlf_and_latin1_files_read_alike()
    {
        const QByteArray text = "~Version\n VERS. 2.0 : v\n WRAP. NO : w\n~Well\n WELL. Br\xF8nn 1 : name\n"
                                " NULL. -999.25 : null\n~Curve\n DEPT.M : depth\n GR.GAPI : gamma\n"
                                "~A DEPT GR\n# a comment\n100 50.5\n\n100.5 -999.25\n101 +7e1\n";
        for (const QByteArray &end : {QByteArray("\r"), QByteArray("\r\n")}) {
            QByteArray bytes = text;
            bytes.replace("\n", end);
            const ObjectRecord well = read_las_file(write(QStringLiteral("ends.las"), bytes)).front();
            QCOMPARE(well.name, QStringLiteral("Br\u00F8nn 1"));
            QCOMPARE(well.prop.value("MD").size(), std::int64_t(3));
            QCOMPARE(value(well, "GR", 0), 50.5);
            QVERIFY(std::isnan(value(well, "GR", 1)));
            QCOMPARE(value(well, "GR", 2), 70.0);
        }
    }

    void las_1_2_values_in_either_field_are_found()
    {
        const QByteArray head = "~V\n VERS. 1.2 : v\n WRAP. NO : w\n~W\n";
        const QByteArray tail = "~C\n DEPT.M : d\n~A\n1\n";
        QCOMPARE(read_las_file(write("a.las", head + " WELL. ANY ET AL :WELL\n" + tail)).front().name,
                 QStringLiteral("ANY ET AL"));
        QCOMPARE(read_las_file(write("b.las", head + " WELL. :ANY ET AL\n" + tail)).front().name,
                 QStringLiteral("ANY ET AL"));
        QCOMPARE(read_las_file(write("c.las", head + " WELL. WELL : ANY ET AL\n" + tail)).front().name,
                 QStringLiteral("ANY ET AL"));
    }

    void bad_las_files_are_refused_naming_the_line()
    {
        const QByteArray head = "~Version\n VERS. 2.0 : v\n WRAP. NO : w\n~Curve\n DEPT.M : d\n GR.GAPI : g\n~A\n";
        QCOMPARE(refusal(write("short.las", head + "1 2\n2\n")),
                 m_dir.filePath("short.las") + QStringLiteral(", line 9: 1 values where the curve section names 2 curves"));
        QVERIFY(refusal(write("word.las", head + "1 2\n2 x7\n")).contains(QStringLiteral("line 9: 'x7' is not a number")));
        QVERIFY(refusal(write("long.las", head + "1 2 3\n")).contains(QStringLiteral("line 8: more values")));
        QVERIFY(refusal(write("nulldepth.las", QByteArray(head).replace("~Curve", "~Well\n NULL. -1 :\n~Curve") + "-1 2\n"))
                    .contains(QStringLiteral("line 10: the depth of a sample is missing")));
        QVERIFY(refusal(write("nodata.las", QByteArray(head).replace("~A\n", ""))).contains(QStringLiteral("no data section")));
        QVERIFY(refusal(write("empty.las", head)).contains(QStringLiteral("holds no values")));
        QVERIFY(refusal(write("notlas.las", "DEPT GR\n1 2\n")).contains(QStringLiteral("line 1")));
        QByteArray wrapped = head;
        wrapped.replace("WRAP. NO", "WRAP. YES");
        QVERIFY(refusal(write("cut.las", wrapped + "1\n 2\n3\n")).contains(
            QStringLiteral("line 10: the data end in the middle of a depth step")));
        const QByteArray two = "~Version\n VERS. 3.0 : v\n~Log_Definition\n DEPT.M : d\n~Log_Data\n1\n"
                               "~Core_Definition\n CDEP.M : d\n~Core_Data\n2\n";
        QVERIFY(refusal(write("two.las", two)).contains(QStringLiteral("line 9: a second data section")));
        // Curves named after the data began: more curves than columns read.
        QVERIFY(refusal(write("late.las", head + "1 2\n~Curve\n NPHI.V/V : n\n2 3\n"))
                    .contains(QStringLiteral("line 9: a section that describes the data follows the data section")));
    }

    void a_minimum_curvature_arc_is_a_circle()
    {
        // Building from vertical to horizontal eastwards over 100 m of hole
        // turns along a quarter circle of radius 200 / pi.
        const double r = 200 / M_PI;
        const WellPath path({{100, 90, 90}}, 1000, 2000, 50);
        const PathPosition end = path.at(100);
        QVERIFY(std::abs(end.x - (1000 + r)) < 1e-9);
        QVERIFY(std::abs(end.y - 2000) < 1e-9);
        QVERIFY(std::abs(end.z - (50 - r)) < 1e-9);
        // Half-way along the arc the hole has turned 45 degrees.
        const PathPosition middle = path.at(50);
        QVERIFY(std::abs(middle.x - (1000 + r * (1 - std::cos(M_PI / 4)))) < 1e-9);
        QVERIFY(std::abs(middle.z - (50 - r * std::sin(M_PI / 4))) < 1e-9);
        // Past the last station the hole runs straight on, east.
        const PathPosition beyond = path.at(110);
        QVERIFY(std::abs(beyond.x - (1000 + r + 10)) < 1e-9);
        QVERIFY(std::abs(beyond.z - (50 - r)) < 1e-9);
        // Azimuth 0 is grid north: Y grows.
        const PathPosition north = WellPath({{100, 90, 0}}, 0, 0, 0).at(100);
        QVERIFY(std::abs(north.y - r) < 1e-9 && std::abs(north.x) < 1e-9);
    }

    void a_real_deviation_survey_with_cr_line_ends_places_the_well()
    {
        QFile file(real(QStringLiteral("welly/P-129_deviation_survey.csv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const PathFile survey = read_path_file(file, file.fileName());
        QCOMPARE(survey.kind, PathFile::Kind::Survey);
        QCOMPARE(survey.stations.size(), std::size_t(45));
        QCOMPARE(survey.stations.back().md, 1872.0);
        QCOMPARE(survey.stations.back().inclination, 4.15);
        QCOMPARE(survey.stations.back().azimuth, 32.0);
        // Minimum curvature is balanced tangential stretched by a ratio a
        // little over 1 for these small doglegs: a few centimetres at most.
        std::vector<SurveyStation> all{{0, 0, 0}};
        all.insert(all.end(), survey.stations.begin(), survey.stations.end());
        double e = 0, n = 0, v = 0;
        for (std::size_t k = 1; k < all.size(); ++k) {
            const double d = all[k].md - all[k - 1].md, c = M_PI / 180;
            e += d / 2 * (std::sin(all[k - 1].inclination * c) * std::sin(all[k - 1].azimuth * c)
                          + std::sin(all[k].inclination * c) * std::sin(all[k].azimuth * c));
            n += d / 2 * (std::sin(all[k - 1].inclination * c) * std::cos(all[k - 1].azimuth * c)
                          + std::sin(all[k].inclination * c) * std::cos(all[k].azimuth * c));
            v += d / 2 * (std::cos(all[k - 1].inclination * c) + std::cos(all[k].inclination * c));
        }
        const PathPosition bottom = WellPath(survey.stations, 100, 200, 30).at(1872);
        QVERIFY(std::abs(bottom.x - (100 + e)) < 0.01);
        QVERIFY(std::abs(bottom.y - (200 + n)) < 0.01);
        QVERIFY(bottom.z < 30 - v && bottom.z > 30 - v - 0.05);
        QVERIFY(n > 50); // the hole heads north-north-east
    }

    void a_las_well_follows_its_survey_at_every_sample()
    {
        const QString survey = write("survey.csv", "MD,INC,AZI\n100,90,90\n");
        const QString las = write("deviated.las", "~V\n VERS. 2.0 :\n~W\n X. 500 :\n Y. 600 :\n EKB.M 10 :\n"
                                                  "~C\n DEPT.M :\n~A\n0\n50\n100\n");
        ImportOptions options;
        options.path_file = survey;
        const ObjectRecord well = read_las_file(las, options).front();
        const double r = 200 / M_PI;
        QVERIFY(std::abs(value(well, "X", 1) - (500 + r * (1 - std::cos(M_PI / 4)))) < 1e-9);
        QVERIFY(std::abs(value(well, "Z", 2) - (10 - r)) < 1e-9);
        QCOMPARE(value(well, "Z", 0), 10.0);
        QCOMPARE(value(well, "Y", 2), 600.0);
    }

    void a_path_table_is_followed_in_straight_lines_by_md()
    {
        const QString table = write("path.txt", "X Y TVDSS MD\n1000 2000 -20 0\n1000 2000 80 100\n1060 2080 80 200\n");
        const QString las = write("table.las", "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n~A\n50\n150\n");
        ImportOptions options;
        options.path_file = table;
        const ObjectRecord well = read_las_file(las, options).front();
        QCOMPARE(value(well, "Z", 0), -30.0); // TVDSS 30 half-way down the first line
        QCOMPARE(value(well, "X", 1), 1030.0);
        QCOMPARE(value(well, "Y", 1), 2040.0);
        QCOMPARE(value(well, "Z", 1), -80.0);
        // An absolute table needs no wellhead: no note about one.
        QVERIFY(!format_named("las").describe(las, options).notes.join(' ').contains(QStringLiteral("wellhead")));
    }

    void bad_surveys_are_refused_naming_the_line()
    {
        const QString las = real(QStringLiteral("lasio/sample_2.0.las"));
        ImportOptions options;
        options.path_file = write("back.csv", "MD,INC,AZI\n10,1,0\n20,1,0\n15,1,0\n");
        QCOMPARE(refusal(las, options),
                 options.path_file + QStringLiteral(", line 4: the MD 15 does not follow the MD 20 of line 3: MDs must increase"));
        options.path_file = write("inc.csv", "MD,INC,AZI\n10,190,0\n");
        QVERIFY(refusal(las, options).contains(QStringLiteral("line 2: the inclination 190")));
        options.path_file = write("cols.csv", "A,B,C\n10,1,0\n");
        QVERIFY(refusal(las, options).contains(QStringLiteral("line 1: the first line names the columns")));
        options.path_file = write("text.csv", "MD,INC,AZI\n10,x,0\n");
        QVERIFY(refusal(las, options).contains(QStringLiteral("line 2: the INC 'x' is not a number")));
    }

    void tops_become_labels_on_the_well_path_and_others_are_named()
    {
        const QString tops = write("tops.csv", "Well,Top,MD\nAAAAA_2,Top A,1669.8\nOTHER,Top B,10\n"
                                                "aaaaa_2,Base A,1669.9\nOTHER,Top C,20\nTHIRD,Top D,5\n");
        ImportOptions options;
        options.tops_file = tops;
        options.datum = 20;
        const QString path = real(QStringLiteral("lasio/sample_2.0.las"));
        const auto records = read_las_file(path, options);
        QCOMPARE(records.size(), std::size_t(2));
        const ObjectRecord &label = records.back();
        QCOMPARE(label.geometry_type, QStringLiteral("Label"));
        QCOMPARE(label.name, QStringLiteral("AAAAA_2 tops"));
        QCOMPARE(label.texts, (QStringList{"Top A", "Base A"}));
        QCOMPARE(value(label, "Z", 0), 20 - 1669.8);
        QCOMPARE(value(label, "Z", 1), 20 - 1669.9);
        QCOMPARE(value(label, "MD", 1), 1669.9);
        const QString notes = format_named("las").describe(path, options).notes.join(' ');
        QVERIFY2(notes.contains(QStringLiteral("not imported are left out: OTHER (2), THIRD (1)")), qPrintable(notes));
        options.tops_file = write("none.csv", "W1,T,10\n");
        QCOMPARE(read_las_file(path, options).size(), std::size_t(1));
        QVERIFY(format_named("las").describe(path, options).notes.join(' ').contains(
            QStringLiteral("holds no tops of the well 'AAAAA_2'")));
        options.tops_file = write("badtop.csv", "AAAAA_2,T,deep\n");
        QVERIFY(refusal(path, options).contains(QStringLiteral("line 1: the MD 'deep' is not a number")));
    }

    void a_well_written_to_las_reads_back_equal()
    {
        ImportOptions options;
        options.path_file = write("curve.csv", "MD,INC,AZI\n1600,10,45\n1700,12,50\n");
        options.wellhead_x = 4321.5;
        options.wellhead_y = 8765.25;
        options.datum = 24.5;
        const ObjectRecord well = read_las_file(real(QStringLiteral("lasio/null_policy_-999.25.las")), options).front();
        const Format &las = format_named(QStringLiteral("las"));
        QVERIFY(las.can_write(well));
        const QString out = m_dir.filePath(QStringLiteral("out.las"));
        las.write(out, well, {}, nullptr);
        const ObjectRecord back = read_las_file(out).front();
        QCOMPARE(back.name, well.name);
        QCOMPARE(back.prop.keys(), well.prop.keys());
        for (const QString &key : well.prop.keys()) {
            const NdArray &a = well.prop.value(key), &b = back.prop.value(key);
            QCOMPARE(b.size(), a.size());
            for (std::int64_t i = 0; i < a.size(); ++i) {
                const double x = a.data<double>()[i], y = b.data<double>()[i];
                QVERIFY2((std::isnan(x) && std::isnan(y)) || x == y, qPrintable(key));
            }
        }
        QCOMPARE(back.units.value("DT"), QStringLiteral("US/M"));
        QCOMPARE(back.units.value("MD"), QStringLiteral("M"));
        // Objects without MD are no wells.
        ObjectRecord points = well;
        points.prop.remove(QStringLiteral("MD"));
        QVERIFY(!las.can_write(points));
    }

    void a_las_read_stops_when_the_user_cancels()
    {
        QByteArray bytes = "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n~A\n";
        for (int i = 0; i < 400000; ++i)
            bytes += QByteArray::number(i) + '\n';
        const QString path = write("long.las", bytes);
        Progress progress;
        progress.on_step = [&](std::int64_t done) {
            if (done > 0)
                progress.cancel();
        };
        QVERIFY_EXCEPTION_THROWN(format_named("las").read(path, {}, &progress), Cancelled);
        QCOMPARE(progress.total(), std::int64_t(bytes.size()));
        QVERIFY(progress.done() < bytes.size());
    }

    void las_data_are_read_from_any_device_in_blocks()
    {
        // More than one read block, so lines cross block ends.
        QByteArray bytes = "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n V. :\n~A\n";
        for (int i = 0; i < 200000; ++i)
            bytes += QByteArray::number(i) + ' ' + QByteArray::number(i * 0.5) + "\r\n";
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const LasFile las = read_las(buffer, QStringLiteral("memory"), {});
        QCOMPARE(las.rows(), std::int64_t(200000));
        QCOMPARE(las.columns[1].data<double>()[199999], 199999 * 0.5);
        QCOMPARE(las.columns[0].data<double>()[123456], 123456.0);
    }
};

KELVRA_TEST_MAIN(TestWellFormats)
#include "tst_wellformats.moc"
