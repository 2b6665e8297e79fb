// Files of other tools in and out: each reader on the real files those
// tools wrote (expected values read off the files by hand), exports read
// back, content recognition, and broken files refused with the file, the
// place and the reason.

#include "app/core/objectfile.h"
#include "app/core/objectstore.h"
#include "app/formats/builtin.h"
#include "app/formats/exchange.h"
#include "app/formats/format.h"
#include "app/formats/textscan.h"

#include "host/errors.h"
#include "testmain.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvra;
using namespace kelvra::app;
using namespace kelvra::app::formats;

namespace {

QString real(const QString &name)
{
    return qEnvironmentVariable("KELVRA_REAL_DATA", QStringLiteral("/work/shared/data/real"))
        + QStringLiteral("/xtgeo-testdata/") + name;
}

ObjectRecord read_one(const QString &path, const QString &format, const ImportOptions &options = {})
{
    std::vector<ObjectRecord> records = format_named(format).read(path, options, nullptr);
    if (records.size() != 1)
        throw ValueError(QStringLiteral("%1 objects").arg(records.size()));
    normalize_record(records.front());
    return std::move(records.front());
}

double at(const ObjectRecord &record, const char *property, std::int64_t vertex)
{
    return visit_real(record.prop.value(QLatin1String(property)), [&](const auto *values) { return double(values[vertex]); });
}

std::int64_t nan_count(const NdArray &values)
{
    const NdArray v = values.astype(DType::Float64);
    std::int64_t count = 0;
    for (std::int64_t i = 0; i < v.size(); ++i)
        count += std::isnan(v.data<double>()[i]);
    return count;
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Two arrays hold the same values, NaN where the other has NaN.
bool same_values(const NdArray &a, const NdArray &b, double tolerance = 0)
{
    const NdArray x = a.astype(DType::Float64), y = b.astype(DType::Float64);
    if (x.size() != y.size())
        return false;
    for (std::int64_t i = 0; i < x.size(); ++i) {
        const double p = x.data<double>()[i], q = y.data<double>()[i];
        if (std::isnan(p) != std::isnan(q) || (!std::isnan(p) && std::abs(p - q) > tolerance))
            return false;
    }
    return true;
}

// A rotated 4 x 3 Gsurface with a null node and a float32-exact Z.
ObjectRecord rotated_surface()
{
    GridGeometry grid;
    grid.columns = 4;
    grid.rows = 3;
    grid.x_origin = 1000.5;
    grid.y_origin = 2000.25;
    grid.x_increment = 25;
    grid.y_increment = 12.5;
    grid.rotation = 30;
    std::vector<double> x, y, z;
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 4; ++i) {
            const QPointF at = grid.node_position(i, j);
            x.push_back(at.x());
            y.push_back(at.y());
            z.push_back(-1500.5 - 10 * i + 0.25 * j);
        }
    }
    z[5] = NAN;
    ObjectRecord record{QStringLiteral("top"), QStringLiteral("Gsurface"), {}, std::nullopt};
    record.prop.insert(QStringLiteral("X"), NdArray::from_values(x));
    record.prop.insert(QStringLiteral("Y"), NdArray::from_values(y));
    record.prop.insert(QStringLiteral("Z"), NdArray::from_values(z));
    record.grid = grid;
    return record;
}

} // namespace

class TestFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }

    void zmap_nodes_run_column_by_column_from_north()
    {
        const ObjectRecord surface = read_one(real(QStringLiteral("zmap_example.zmap")), QStringLiteral("zmap"));
        QCOMPARE(surface.geometry_type, QStringLiteral("Gsurface"));
        QVERIFY(surface.grid);
        const GridGeometry &grid = *surface.grid;
        QCOMPARE(grid.columns, 4);
        QCOMPARE(grid.rows, 5);
        QCOMPARE(grid.x_origin, 459218.9063);
        QCOMPARE(grid.y_origin, 5924787.0);
        QCOMPARE(grid.x_increment, 500.0); // (460718.9063 - 459218.9063) / 3
        QCOMPARE(grid.y_increment, 250.0); // (5925787 - 5924787) / 4
        QCOMPARE(grid.rotation, 0.0);
        // The first column, north to south, is the file's first line.
        QCOMPARE(at(surface, "Z", grid.vertex(0, 4)), 41.8596);
        QCOMPARE(at(surface, "Z", grid.vertex(0, 0)), 46.5453);
        QCOMPARE(at(surface, "Z", grid.vertex(2, 2)), 54.6339);
        QCOMPARE(at(surface, "Z", grid.vertex(3, 1)), 68.1617);
        QVERIFY(std::isnan(at(surface, "Z", grid.vertex(3, 4))));
        QVERIFY(std::isnan(at(surface, "Z", grid.vertex(3, 2))));
        QCOMPARE(nan_count(surface.prop.value(QStringLiteral("Z"))), 3);
        // Null nodes keep their place on the map.
        QCOMPARE(at(surface, "X", grid.vertex(3, 4)), 460718.9063);
        QCOMPARE(at(surface, "Y", grid.vertex(3, 4)), 5925787.0);
    }

    void zmap_and_irap_binary_of_one_grid_agree_node_by_node()
    {
        const ObjectRecord zmap = read_one(real(QStringLiteral("zmap_example2.zmap")), QStringLiteral("zmap"));
        const ObjectRecord irap = read_one(real(QStringLiteral("zmap_example2.gri")), QStringLiteral("irap-binary"));
        QCOMPARE(irap.grid->columns, 3);
        QCOMPARE(irap.grid->rows, 4);
        QCOMPARE(zmap.grid->columns, 3);
        QCOMPARE(zmap.grid->rows, 4);
        QCOMPARE(irap.grid->x_increment, 500.0);
        QCOMPARE(irap.grid->y_increment, 200.0);
        QVERIFY(std::abs(irap.grid->x_origin - zmap.grid->x_origin) < 0.01); // float32 in the binary header
        QVERIFY(std::abs(irap.grid->y_origin - zmap.grid->y_origin) < 0.01);
        QVERIFY(same_values(zmap.prop.value(QStringLiteral("Z")), irap.prop.value(QStringLiteral("Z")), 1e-4));
        QVERIFY(same_values(zmap.prop.value(QStringLiteral("X")), irap.prop.value(QStringLiteral("X")), 0.01));
        // The north-west node is the one null of both.
        QVERIFY(std::isnan(at(irap, "Z", irap.grid->vertex(0, 3))));
        QCOMPARE(nan_count(irap.prop.value(QStringLiteral("Z"))), 1);
        QCOMPARE(float(at(irap, "Z", irap.grid->vertex(2, 0))), 55.9614f);
    }

    void zmap_header_lines_may_end_with_commas()
    {
        const ObjectRecord commas = read_one(real(QStringLiteral("zmap_example3.zmap")), QStringLiteral("zmap"));
        const ObjectRecord plain = read_one(real(QStringLiteral("zmap_example2.zmap")), QStringLiteral("zmap"));
        QVERIFY(*commas.grid == *plain.grid);
        QVERIFY(same_values(commas.prop.value(QStringLiteral("Z")), plain.prop.value(QStringLiteral("Z"))));
    }

    void numbers_are_counted_as_they_are_split()
    {
        // Texts of separators, digits, points and signs at every alignment:
        // the count that shares long runs between threads must be the
        // number of numbers, where a number starts after a separator and,
        // for fields run together, at a sign after a digit or point.
        const char alphabet[] = " \t\n\r,;-+.0123456789eE";
        std::uint32_t seed = 12345;
        for (int round = 0; round < 200; ++round) {
            QByteArray text;
            const int length = 1 + round * 7;
            for (int k = 0; k < length; ++k) {
                seed = seed * 1664525u + 1013904223u;
                text += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
            }
            for (const Glue glue : {Glue::No, Glue::Signs}) {
                std::int64_t expected = 0;
                char before = ' ';
                for (const char c : text) {
                    const bool separator = QByteArray(" \t\n\r\f\v,;").contains(c);
                    const bool starts = !separator
                        && (QByteArray(" \t\n\r\f\v,;").contains(before)
                            || (glue == Glue::Signs && (c == '-' || c == '+')
                                && ((before >= '0' && before <= '9') || before == '.')));
                    expected += starts;
                    before = c;
                }
                const QString path = m_dir.filePath(QStringLiteral("count.txt"));
                write_file(path, text);
                const MappedFile file(path);
                QCOMPARE(detail::count_numbers(file, file.begin(), file.end(), glue), expected);
            }
        }
    }

    void zmap_fields_that_run_together()
    {
        // Fields of 8 characters filled to the brim: cut by the header's width.
        const QString path = m_dir.filePath(QStringLiteral("tight.zmap"));
        write_file(path, "@tight HEADER, GRID, 2\n8, -99999.0, , 3, 1\n2, 2, 0.0, 10.0, 0.0, 20.0\n0.0, 0.0, 0.0\n@\n"
                         "1234.5005678.250\n-12.5000-13.2500\n");
        const ObjectRecord grid = read_one(path, QStringLiteral("zmap"));
        QCOMPARE(at(grid, "Z", grid.grid->vertex(0, 1)), 1234.5);
        QCOMPARE(at(grid, "Z", grid.grid->vertex(0, 0)), 5678.25);
        QCOMPARE(at(grid, "Z", grid.grid->vertex(1, 1)), -12.5);
        QCOMPARE(at(grid, "Z", grid.grid->vertex(1, 0)), -13.25);
    }

    void zmap_horizon_with_many_nulls()
    {
        const ObjectRecord top = read_one(real(QStringLiteral("topreek_nonrota.zmap")), QStringLiteral("zmap"));
        const GridGeometry &grid = *top.grid;
        QCOMPARE(grid.rows, 209);
        QCOMPARE(grid.columns, 205);
        QCOMPARE(grid.x_increment, 50.0);
        QCOMPARE(grid.y_increment, 50.0);
        QCOMPARE(nan_count(top.prop.value(QStringLiteral("Z"))), 14338);
        // Values 301 and 20000 of the file: column 1 row 91 from the north,
        // column 95 row 144 from the north.
        QCOMPARE(at(top, "Z", grid.vertex(1, 208 - 91)), 1706.2228);
        QCOMPARE(at(top, "Z", grid.vertex(95, 208 - 144)), 1698.6232);
        QCOMPARE(at(top, "X", grid.vertex(95, 64)), 457599.125 + 95 * 50);
    }

    void large_zmap_read_in_two_parts_lands_every_node()
    {
        // Over 8 MiB: two threads, each starting inside a block of columns.
        const int rows = 701, columns = 1203;
        QByteArray text = "@big HEADER, GRID, 5\n15, -99999.0, , 4, 1\n701, 1203, 0.0, 12020.0, 0.0, 7000.0\n"
                          "0.0, 0.0, 0.0\n@\n+ Grid data starts after this line\n";
        for (int c = 0; c < columns; ++c) {
            for (int r = 0; r < rows; ++r) {
                const int j = rows - 1 - r;
                const QByteArray value = (c == 600 && j == 350) ? QByteArray("-99999.0000")
                                                               : QByteArray::number(c * 10000 + j) + ".2500";
                text += QByteArray(15 - value.size(), ' ') + value;
                if (r % 5 == 4 || r == rows - 1)
                    text += '\n';
            }
        }
        QVERIFY(text.size() > (8 << 20));
        const QString path = m_dir.filePath(QStringLiteral("big.zmap"));
        write_file(path, text);
        const ObjectRecord grid = read_one(path, QStringLiteral("zmap"));
        QCOMPARE(grid.grid->x_increment, 10.0);
        const double *z = grid.prop.value(QStringLiteral("Z")).data<double>();
        int wrong = 0;
        for (int i = 0; i < columns; ++i) {
            for (int j = 0; j < rows; ++j)
                wrong += !(i == 600 && j == 350) && z[grid.grid->vertex(i, j)] != i * 10000 + j + 0.25;
        }
        QCOMPARE(wrong, 0);
        QVERIFY(std::isnan(at(grid, "Z", grid.grid->vertex(600, 350))));
        QCOMPARE(nan_count(grid.prop.value(QStringLiteral("Z"))), 1);
    }

    void tsurf_vertices_triangles_and_depth_become_elevation()
    {
        const ObjectRecord fault = read_one(real(QStringLiteral("F5.ts")), QStringLiteral("tsurf"));
        QCOMPARE(fault.name, QStringLiteral("F5"));
        QCOMPARE(fault.geometry_type, QStringLiteral("Tsurface"));
        QCOMPARE(fault.prop.value(QStringLiteral("X")).size(), 44);
        QCOMPARE(fault.triangles.shape(), (std::vector<std::int64_t>{65, 3}));
        QCOMPARE(at(fault, "X", 0), 459621.051270);
        QCOMPARE(at(fault, "Z", 0), -1685.590820); // ZPOSITIVE Depth
        QCOMPARE(at(fault, "Z", 43), -1721.204224);
        // "TRGL 24 25 28" names vertices from 1.
        const std::int32_t *corners = fault.triangles.data<std::int32_t>();
        QCOMPARE(corners[0], 23);
        QCOMPARE(corners[1], 24);
        QCOMPARE(corners[2], 27);
        QCOMPARE(corners[64 * 3 + 2], 43); // "TRGL 43 8 44", the last
    }

    void tsurf_parts_properties_atoms_and_nulls()
    {
        const QString path = m_dir.filePath(QStringLiteral("parts.ts"));
        write_file(path, "GOCAD TSurf 1\nHEADER {name:two parts}\nPROPERTIES a b\nNO_DATA_VALUES -99 -99\n"
                         "TFACE\nPVRTX 10 0 0 5 1 2\nPVRTX 11 1 0 5 -99 3\nPVRTX 12 0 1 5 4 5\nTRGL 10 11 12\n"
                         "TFACE\nPVRTX 20 1 1 6 7 8\nATOM 21 11\nTRGL 21 20 12\nEND\n");
        const ObjectRecord surface = read_one(path, QStringLiteral("tsurf"));
        QCOMPARE(surface.name, QStringLiteral("two parts"));
        QCOMPARE(surface.prop.keys(), (QStringList{"X", "Y", "Z", "a", "b"}));
        QCOMPARE(surface.prop.value(QStringLiteral("X")).size(), 4); // the ATOM is vertex 11 again
        QCOMPARE(at(surface, "Z", 3), 6.0); // no ZPOSITIVE: elevation
        QVERIFY(std::isnan(at(surface, "a", 1)));
        QCOMPARE(at(surface, "b", 3), 8.0);
        const std::int32_t *corners = surface.triangles.data<std::int32_t>();
        QCOMPARE((std::vector<int>(corners, corners + 6)), (std::vector<int>{0, 1, 2, 1, 3, 2}));
    }

    void xyz_points_end_at_the_separator_line()
    {
        const ObjectRecord points = read_one(real(QStringLiteral("pointset2.poi")), QStringLiteral("xyz"));
        QCOMPARE(points.geometry_type, QStringLiteral("Point"));
        QCOMPARE(points.prop.value(QStringLiteral("X")).size(), 30); // 31 lines, the last one 999 999 999
        QCOMPARE(at(points, "X", 0), 461325.127930);
        QCOMPARE(at(points, "Z", 29), 1749.558594);
        for (std::int64_t i = 0; i < 30; ++i)
            QVERIFY(at(points, "X", i) != 999.0);
    }

    void polygons_split_at_separators_and_by_id_alike()
    {
        const ObjectRecord pol = read_one(real(QStringLiteral("top_upper_reek_faultpoly.pol")), QStringLiteral("xyz"));
        const ObjectRecord csv = read_one(real(QStringLiteral("top_upper_reek_faultpoly.csv")), QStringLiteral("csv"));
        QCOMPARE(pol.geometry_type, QStringLiteral("Line"));
        QCOMPARE(csv.geometry_type, QStringLiteral("Line"));
        // 761 lines, 7 of them separators; 754 rows under the CSV's header.
        QCOMPARE(pol.prop.value(QStringLiteral("X")).size(), 754);
        QCOMPARE(csv.prop.value(QStringLiteral("X")).size(), 754);
        QCOMPARE(csv.prop.keys(), (QStringList{"X", "Y", "Z", "piece"}));
        QVERIFY(same_values(pol.prop.value(QStringLiteral("X")), csv.prop.value(QStringLiteral("X")), 1e-5));
        QVERIFY(same_values(pol.prop.value(QStringLiteral("piece")), csv.prop.value(QStringLiteral("piece"))));
        QCOMPARE(at(pol, "piece", 0), 0.0);
        QCOMPARE(at(pol, "piece", 753), 6.0);
        QCOMPARE(at(csv, "X", 753), 461441.696243);
        QCOMPARE(at(csv, "Z", 753), 1834.053345);
        for (std::int64_t i = 0; i < 754; ++i)
            QVERIFY(at(pol, "X", i) != 999.0 && at(pol, "Y", i) != 999.0);
    }

    void large_column_files_keep_rows_and_pieces_in_order()
    {
        // Over 8 MiB: read in two parts at once, pieces running across them.
        QByteArray csv = "X,Y,Z,POLY_ID\n", xyz = "# pieces of 777 rows\n";
        const int rows = 400000;
        for (int r = 0; r < rows; ++r) {
            const QByteArray row = QByteArray::number(460000 + r) + "," + QByteArray::number(5930000.5 + r, 'f', 1) + ","
                + QByteArray::number(r % 1000 + 0.25, 'f', 2);
            csv += row + "," + QByteArray::number(r / 1000) + "\n";
            xyz += QByteArray(row).replace(',', ' ') + "\n";
            if (r % 777 == 776)
                xyz += "999.0 999.0 999.0\n";
            if (r == 250000)
                xyz += "! a comment in the middle\n";
        }
        const QString csv_path = m_dir.filePath(QStringLiteral("large.csv"));
        const QString xyz_path = m_dir.filePath(QStringLiteral("large.xyz"));
        write_file(csv_path, csv);
        write_file(xyz_path, xyz);
        const ObjectRecord by_id = read_one(csv_path, QStringLiteral("csv"));
        const ObjectRecord by_line = read_one(xyz_path, QStringLiteral("xyz"));
        for (const ObjectRecord *lines : {&by_id, &by_line}) {
            QCOMPARE(lines->geometry_type, QStringLiteral("Line"));
            QCOMPARE(lines->prop.value(QStringLiteral("X")).size(), rows);
            for (const int r : {0, 1, 199999, 200000, 200001, 250001, rows - 1}) {
                QCOMPARE(at(*lines, "X", r), 460000.0 + r);
                QCOMPARE(at(*lines, "Y", r), 5930000.5 + r);
                QCOMPARE(at(*lines, "Z", r), r % 1000 + 0.25);
            }
        }
        for (int r = 0; r < rows; r += 97) {
            QCOMPARE(at(by_id, "piece", r), double(r / 1000));
            QCOMPARE(at(by_line, "piece", r), double(r / 777));
        }
        QCOMPARE(at(by_line, "piece", rows - 1), double((rows - 1) / 777));
    }

    void columns_named_by_the_header_and_chosen_by_number()
    {
        const QString path = m_dir.filePath(QStringLiteral("picks.txt"));
        write_file(path, "# picks\nwell;depth;easting;northing;quality\n1;1500;10;20;0.5\n1;1510;11;21;\n");
        const ObjectRecord picks = read_one(path, QStringLiteral("csv"));
        QCOMPARE(picks.geometry_type, QStringLiteral("Point"));
        QCOMPARE(picks.prop.keys(), (QStringList{"X", "Y", "Z", "well", "quality"}));
        QCOMPARE(at(picks, "X", 1), 11.0);
        QCOMPARE(at(picks, "Z", 1), 1510.0);
        QVERIFY(std::isnan(at(picks, "quality", 1)));
        const QString bare = m_dir.filePath(QStringLiteral("bare.xyz"));
        write_file(bare, "7 1 2 3\n8 4 5 6\n");
        ImportOptions options;
        options.x_column = 1;
        options.y_column = 2;
        options.z_column = 3;
        const ObjectRecord chosen = read_one(bare, QStringLiteral("xyz"), options);
        QCOMPARE(at(chosen, "X", 1), 4.0);
        QCOMPARE(at(chosen, "Z", 1), 6.0);
        QCOMPARE(at(chosen, "column 1", 1), 8.0);
    }

    void null_values_of_the_user_become_nan()
    {
        ImportOptions options;
        options.null_values = {1703.8021, 1698.6232};
        const ObjectRecord top = read_one(real(QStringLiteral("topreek_nonrota.zmap")), QStringLiteral("zmap"), options);
        QCOMPARE(nan_count(top.prop.value(QStringLiteral("Z"))), 14338 + 2);
        QVERIFY(std::isnan(at(top, "Z", top.grid->vertex(95, 64))));
    }

    void the_content_says_the_format_not_the_name()
    {
        const struct
        {
            const char *file;
            const char *format;
        } cases[] = {{"zmap_example.zmap", "zmap"}, {"zmap_example2.gri", "irap-binary"}, {"F5.ts", "tsurf"},
                     {"pointset2.poi", "xyz"}, {"top_upper_reek_faultpoly.csv", "csv"}};
        for (const auto &c : cases) {
            const QString copy = m_dir.filePath(QStringLiteral("unnamed_%1.dat").arg(QLatin1String(c.format)));
            QFile::remove(copy);
            QVERIFY(QFile::copy(real(QLatin1String(c.file)), copy));
            QCOMPARE(recognise_file(copy).name(), QLatin1String(c.format));
        }
        const QString irap = m_dir.filePath(QStringLiteral("grid.zmap"));
        write_file(irap, "-996 2 1.0 1.0\n0 1 0 1\n2 0 0 0\n0 0 0 0 0 0 0\n1 2 3 4\n");
        QCOMPARE(recognise_file(irap).name(), QStringLiteral("irap-ascii"));
    }

    void grids_written_read_back_alike()
    {
        const ObjectRecord surface = rotated_surface();
        for (const char *format : {"irap-ascii", "irap-binary"}) {
            const QString path = m_dir.filePath(QStringLiteral("out.%1").arg(QLatin1String(format)));
            QVERIFY(format_named(QLatin1String(format)).can_write(surface));
            format_named(QLatin1String(format)).write(path, surface, {}, nullptr);
            const ObjectRecord back = read_one(path, QLatin1String(format));
            QVERIFY2(*back.grid == *surface.grid, format);
            QVERIFY2(same_values(back.prop.value(QStringLiteral("Z")), surface.prop.value(QStringLiteral("Z"))), format);
            QVERIFY2(same_values(back.prop.value(QStringLiteral("X")), surface.prop.value(QStringLiteral("X")), 1e-9), format);
        }
        // ZMAP+ has no rotation: it takes the grid unrotated only.
        QVERIFY(!zmap_format().can_write(surface));
        ObjectRecord flat = read_one(real(QStringLiteral("zmap_example.zmap")), QStringLiteral("zmap"));
        const QString path = m_dir.filePath(QStringLiteral("flat.zmap"));
        zmap_format().write(path, flat, {}, nullptr);
        const ObjectRecord back = read_one(path, QStringLiteral("zmap"));
        QCOMPARE(back.grid->columns, 4);
        QCOMPARE(back.grid->x_origin, flat.grid->x_origin);
        QCOMPARE(back.grid->y_increment, flat.grid->y_increment);
        QVERIFY(same_values(back.prop.value(QStringLiteral("Z")), flat.prop.value(QStringLiteral("Z"))));
    }

    void zmap_written_in_the_layout_other_tools_read()
    {
        ObjectRecord flat = read_one(real(QStringLiteral("zmap_example.zmap")), QStringLiteral("zmap"));
        const QString path = m_dir.filePath(QStringLiteral("layout.zmap"));
        zmap_format().write(path, flat, {}, nullptr);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QVERIFY(lines[1].startsWith(QStringLiteral("@zmap_example HEADER")));
        QVERIFY(lines[1].endsWith(QStringLiteral("GRID, 5")));
        QCOMPARE(lines[3].simplified(), QStringLiteral("5, 4, 459218.9063, 460718.9063, 5924787.0, 5925787.0,")
                                            .chopped(1));
        QCOMPARE(lines[5], QStringLiteral("@"));
        QVERIFY(lines[6].startsWith(QLatin1Char('+')));
        // One column to a line, north first, nulls as -99999.
        QCOMPARE(lines[7].simplified(), QStringLiteral("41.8596 43.1112 44.5115 45.6861 46.5453"));
        QCOMPARE(lines[10].simplified(), QStringLiteral("-99999.0 -99999.0 -99999.0 68.1617 63.9811"));
    }

    void tsurf_and_columns_written_read_back_alike()
    {
        ObjectRecord fault = read_one(real(QStringLiteral("F5.ts")), QStringLiteral("tsurf"));
        fault.prop.insert(QStringLiteral("dip"), NdArray::from_values(std::vector<double>(44, 61.5)));
        fault.prop.writable(QStringLiteral("dip")).data<double>()[3] = NAN;
        const QString ts = m_dir.filePath(QStringLiteral("out.ts"));
        tsurf_format().write(ts, fault, {}, nullptr);
        const ObjectRecord back = read_one(ts, QStringLiteral("tsurf"));
        QVERIFY(back.triangles == fault.triangles);
        QVERIFY(same_values(back.prop.value(QStringLiteral("Z")), fault.prop.value(QStringLiteral("Z"))));
        QVERIFY(same_values(back.prop.value(QStringLiteral("dip")), fault.prop.value(QStringLiteral("dip"))));

        ObjectRecord lines = read_one(real(QStringLiteral("top_upper_reek_faultpoly.csv")), QStringLiteral("csv"));
        lines.prop.insert(QStringLiteral("throw"), lines.prop.value(QStringLiteral("Z")).copy());
        for (const char *format : {"xyz", "csv"}) {
            const QString path = m_dir.filePath(QStringLiteral("lines.%1").arg(QLatin1String(format)));
            format_named(QLatin1String(format)).write(path, lines, {}, nullptr);
            const ObjectRecord read = read_one(path, QLatin1String(format));
            QCOMPARE(read.geometry_type, QStringLiteral("Line"));
            QCOMPARE(read.prop.keys().size(), 5);
            for (const QString &key : lines.prop.keys())
                QVERIFY2(same_values(read.prop.value(key), lines.prop.value(key)), qPrintable(key));
        }
    }

    void broken_files_are_refused_naming_file_place_and_reason_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray zmap_header = "@g HEADER, GRID, 5\n15, -99999.0, , 4, 1\n3, 2, 0.0, 10.0, 0.0, 20.0\n"
                                       "0.0, 0.0, 0.0\n@\n";
        QTest::newRow("zmap truncated") << "zmap" << zmap_header + "10 20 30\n40 50\n" << "line 8: the file ends after 5 of the 6 values";
        QTest::newRow("zmap word") << "zmap" << zmap_header + "1 2 x\n4 5 6\n" << "line 6: 'x' is not a number";
        QTest::newRow("zmap too many") << "zmap" << zmap_header + "1 2 3\n4 5 6\n7\n" << "line 8: there are more values";
        QTest::newRow("zmap absurd size")
            << "zmap" << QByteArray("@g HEADER, GRID, 5\n15, -99999.0, , 4, 1\n1000000, 1000000, 0.0, 10.0, 0.0, 20.0\n@\n1 2\n")
            << "the header declares 1000000000000 values, more than the";
        QTest::newRow("zmap no end") << "zmap" << QByteArray("@g HEADER, GRID, 5\n15, -99999.0, , 4, 1\n") << "line 3: the header has no closing '@' line";
        QTest::newRow("zmap rows word") << "zmap" << QByteArray("@g HEADER, GRID, 5\n15, -99999.0, , 4, 1\nthree, 2, 0.0, 10.0, 0.0, 20.0\n@\n")
                                        << "line 3: the number of rows 'three' is not a positive whole number";
        const QByteArray irap_header = "-996 2 1.0 1.0\n0 1 0 1\n2 0 0 0\n0 0 0 0 0 0 0\n";
        QTest::newRow("irap truncated") << "irap-ascii" << irap_header + "1 2 3\n" << "line 6: the file ends after 3 of the 4 values";
        QTest::newRow("irap word") << "irap-ascii" << irap_header + "1 2\n3 four\n" << "line 6: 'four' is not a number";
        QTest::newRow("irap header word") << "irap-ascii" << QByteArray("-996 2 1.0 1.0\n0 1 zero 1\n") << "line 2: 'zero' is not a number";
        QTest::newRow("irap absurd size") << "irap-ascii" << QByteArray("-996 1000000 1 1\n0 1 0 1\n1000000 0 0 0\n0 0 0 0 0 0 0\n1\n")
                                          << "the header declares 1000000000000 values";
        QTest::newRow("irap zero spacing") << "irap-ascii" << QByteArray("-996 2 0 1.0\n0 1 0 1\n2 0 0 0\n0 0 0 0 0 0 0\n1 2 3 4\n")
                                           << "spacing of zero";
        QTest::newRow("tsurf unknown vertex") << "tsurf" << QByteArray("GOCAD TSurf 1\nVRTX 1 0 0 0\nVRTX 2 1 0 0\nTRGL 1 2 3\nEND\n")
                                              << "line 4: there is no vertex 3 before this line";
        QTest::newRow("tsurf no end") << "tsurf" << QByteArray("GOCAD TSurf 1\nVRTX 1 0 0 0\n") << "line 3: the file ends before the END";
        QTest::newRow("tsurf word") << "tsurf" << QByteArray("GOCAD TSurf 1\nVRTX 1 0 north 0\nEND\n") << "line 2: 'north' is not a number (Y)";
        QTest::newRow("xyz short row") << "xyz" << QByteArray("1 2 3\n4 5\n") << "line 2: the row has 2 values where the rows before have 3";
        QTest::newRow("xyz word") << "xyz" << QByteArray("# c\n1 2 3\n4 5 six\n") << "line 3: 'six' in column 3";
        QTest::newRow("xyz empty") << "xyz" << QByteArray("# nothing\n") << "the file holds no rows of numbers";
    }

    void broken_files_are_refused_naming_file_place_and_reason()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString path = m_dir.filePath(QStringLiteral("broken.%1").arg(format));
        write_file(path, content);
        try {
            format_named(format).read(path, {}, nullptr);
            QFAIL("the file was taken");
        } catch (const FormatError &error) {
            const QString text = QString::fromUtf8(error.what());
            QVERIFY2(text.startsWith(path + QStringLiteral(", ")) || text.startsWith(path + QStringLiteral(": ")),
                     qPrintable(text));
            QVERIFY2(text.contains(message), qPrintable(text));
        }
    }

    void broken_file_is_refused_in_the_interface_language()
    {
        const QString path = m_dir.filePath(QStringLiteral("broken.zmap"));
        write_file(path, "@g HEADER, GRID, 5\n15, -99999.0, , 4, 1\nthree, 2, 0.0, 10.0, 0.0, 20.0\n@\n");
        const test::InterfaceLanguageScope german(QStringLiteral("de"));
        try {
            import_file(path, QString(), {}, nullptr);
            QFAIL("the file was taken");
        } catch (const FormatError &error) {
            QCOMPARE(QString::fromUtf8(error.what()),
                     path + QStringLiteral(", Zeile 3: „three“ ist als Anzahl der Zeilen keine positive ganze Zahl"));
        }
    }

    void irap_binary_records_that_lie_are_refused()
    {
        QFile source(real(QStringLiteral("zmap_example2.gri")));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray good = source.readAll();
        const struct
        {
            QByteArray bytes;
            const char *message;
        } cases[] = {
            {good.left(good.size() - 10), "byte 160: a record of values claims 12 bytes, which the file does not hold"},
            {QByteArray(good).replace(100, 4, QByteArray("\0\0\0\x0d", 4)), "byte 117: a record of values of 13 bytes does not end"},
            {good + QByteArray("\0\0\0\x04\x41\x20\0\0\0\0\0\x04", 12), "byte 180: there are more values than the 3 x 4 nodes"},
            {QByteArray(good).replace(4, 4, QByteArray("\0\0\0\0", 4)), "an IRAP grid starts with -996"},
            {QByteArray(good).replace(8, 4, QByteArray("\x7f\xff\xff\xff", 4)), "the header declares 6442450941 values"},
        };
        int n = 0;
        for (const auto &c : cases) {
            const QString path = m_dir.filePath(QStringLiteral("bad%1.gri").arg(n++));
            write_file(path, c.bytes);
            try {
                irap_binary_format().read(path, {}, nullptr);
                QFAIL(c.message);
            } catch (const FormatError &error) {
                QVERIFY2(QString::fromUtf8(error.what()).contains(QLatin1String(c.message)), error.what());
            }
        }
    }

    void a_cancelled_read_stops()
    {
        // Large enough for the reading that two threads share.
        const QString path = m_dir.filePath(QStringLiteral("big.irap"));
        QByteArray text = "-996 1000 1.0 1.0\n0 999 0 999\n1000 0 0 0\n0 0 0 0 0 0 0\n";
        for (int k = 0; k < 1000 * 1000; ++k)
            text += "1234.5678 ";
        write_file(path, text);
        Progress progress;
        progress.on_step = [&](std::int64_t done) {
            if (done > 0)
                progress.cancel();
        };
        QVERIFY_EXCEPTION_THROWN(irap_ascii_format().read(path, {}, &progress), Cancelled);
        // Uncancelled, the same file reads whole.
        const ObjectRecord whole = read_one(path, QStringLiteral("irap-ascii"));
        QCOMPARE(at(whole, "Z", 999999), 1234.5678);
        QCOMPARE(nan_count(whole.prop.value(QStringLiteral("Z"))), 0);
    }

    void exports_write_through_links_and_refuse_what_is_not_a_writable_file()
    {
        const QDir dir(m_dir.filePath(QStringLiteral("safe")));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        const ObjectRecord surface = rotated_surface();
        // Through a link: the file it names is replaced, keeping its
        // permissions, and the link stays a link.
        const QString target = dir.filePath(QStringLiteral("target.xyz"));
        const QString link = dir.filePath(QStringLiteral("link.xyz"));
        write_file(target, "old\n");
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0640) == 0);
        QVERIFY(QFile::link(target, link));
        xyz_format().write(link, surface, {}, nullptr);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
        QCOMPARE(read_one(target, QStringLiteral("xyz")).prop.value(QStringLiteral("Z")).size(), 12);
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(target).constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 07777), 0640);
        // A well goes out through its own writer the same way.
        ObjectRecord well{QStringLiteral("well"), QStringLiteral("Point"), {}, std::nullopt};
        for (const char *key : {"X", "Y", "Z", "MD"})
            well.prop.insert(QLatin1String(key), NdArray::from_values(std::vector<double>{1, 2, 3}));
        const QString las = dir.filePath(QStringLiteral("well.las"));
        const QString las_link = dir.filePath(QStringLiteral("well-link.las"));
        QVERIFY(QFile::link(las, las_link));
        format_named(QStringLiteral("las")).write(las_link, well, {}, nullptr);
        QVERIFY(QFileInfo(las_link).isSymLink());
        QCOMPARE(read_one(las, QStringLiteral("las")).prop.value(QStringLiteral("MD")).size(), 3);

        // Refused before anything is written, and what is there stays.
        const QString read_only = dir.filePath(QStringLiteral("read-only.xyz"));
        write_file(read_only, "keep\n");
        QVERIFY(::chmod(QFile::encodeName(read_only).constData(), 0444) == 0);
        const QString pipe = dir.filePath(QStringLiteral("pipe.xyz"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        const struct
        {
            QString path;
            const char *says;
        } refused[] = {{read_only, "is read-only"},
                       {pipe, "is a named pipe"},
                       {QStringLiteral("/dev/null"), "is a device"},
                       {dir.path(), "is a folder"}};
        for (const auto &c : refused) {
            try {
                xyz_format().write(c.path, surface, {}, nullptr);
                QFAIL(qPrintable(c.path));
            } catch (const ValueError &error) {
                QVERIFY2(QString::fromUtf8(error.what()).contains(QLatin1String(c.says)), error.what());
            }
        }
        QFile kept(read_only);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("keep\n"));
        QVERIFY(dir.entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".kelvra-")).isEmpty());
    }

    void exports_leave_no_temporary_file_and_clear_dead_ones()
    {
        const QDir dir(m_dir.filePath(QStringLiteral("clean")));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        // What an export killed on the way left: a temporary nobody holds.
        const QString leftover = dir.filePath(QStringLiteral(".old.xyz.kelvra-abc123"));
        write_file(leftover, "half");
        const QString out = dir.filePath(QStringLiteral("out.xyz"));
        write_file(out, "before\n");
        // A cancelled export leaves the old file as it was.
        Progress progress;
        progress.cancel();
        QVERIFY_EXCEPTION_THROWN(xyz_format().write(out, rotated_surface(), {}, &progress), Cancelled);
        QFile kept(out);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("before\n"));
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out.xyz")});
    }

    void pipes_and_devices_are_refused_before_they_are_opened()
    {
        const QString pipe = m_dir.filePath(QStringLiteral("pipe.las"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        // Opening the pipe to read would wait for a writer: this one comes
        // whenever a reader waits, and leaves at once, so that a reader
        // that opened the pipe sees an empty file rather than waiting on.
        std::atomic<bool> done{false};
        std::thread writer([&] {
            while (!done) {
                const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        const auto refused = [](const std::function<void()> &read) {
            try {
                read();
            } catch (const ValueError &error) {
                return QString::fromUtf8(error.what());
            }
            return QString();
        };
        ImportOptions path_file;
        path_file.path_file = pipe;
        const QString data = qEnvironmentVariable("KELVRA_REAL_DATA", QStringLiteral("/work/shared/data/real"));
        const QString las = data + QStringLiteral("/lasio/sample_2.0.las");
        const QString f3 = data + QStringLiteral("/segyio/f3.sgy");
        const QStringList said{
            refused([&] { recognise_file(pipe); }),
            refused([&] { format_named(QStringLiteral("xyz")).read(pipe, {}, nullptr); }),
            refused([&] { format_named(QStringLiteral("las")).read(pipe, {}, nullptr); }),
            refused([&] { format_named(QStringLiteral("segy")).describe(pipe, {}); }),
            refused([&] { format_named(QStringLiteral("las")).read(las, path_file, nullptr); }),
            refused([&] { format_named(QStringLiteral("segy")).read(f3, {}, nullptr); }) + QStringLiteral("sound"),
            refused([&] { format_named(QStringLiteral("xyz")).read(QStringLiteral("/dev/zero"), {}, nullptr); }),
        };
        done = true;
        writer.join();
        for (int i = 0; i < 5; ++i)
            QVERIFY2(said[i].contains(QStringLiteral("is a named pipe, not a file")), qPrintable(said[i]));
        QCOMPARE(said[5], QStringLiteral("sound"));
        QVERIFY2(said[6].contains(QStringLiteral("is a device, not a file")), qPrintable(said[6]));
    }

    void folder_exports_name_files_after_their_objects()
    {
        std::vector<ObjectRecord> objects;
        for (const char *name : {"a/b", "a_b", ".."}) {
            ObjectRecord points{QString::fromUtf8(name), QStringLiteral("Point"), {}, std::nullopt};
            for (const char *key : {"X", "Y", "Z"})
                points.prop.insert(QLatin1String(key), NdArray::from_values(std::vector<double>{1, 2}));
            objects.push_back(points);
        }
        objects.push_back(rotated_surface()); // ZMAP+ holds no rotation: IRAP is the first that can
        const QDir dir(m_dir.path());
        const std::vector<FolderExport> plan = plan_folder_export(dir.path(), objects, {});
        QStringList files;
        for (const FolderExport &file : plan)
            files << QFileInfo(file.file).fileName() + QLatin1Char(' ') + file.format->name();
        QCOMPARE(files, (QStringList{QStringLiteral("a_b.csv csv"), QStringLiteral("a_b_2.csv csv"),
                                     QStringLiteral("_...csv csv"), QStringLiteral("top.irap irap-ascii")}));
        QCOMPARE(QFileInfo(plan.front().file).absolutePath(), dir.absolutePath());
        // A format that cannot hold one of them, or no folder: nothing planned.
        try {
            plan_folder_export(dir.path(), objects, QStringLiteral("zmap"));
            QFAIL("planned");
        } catch (const ValueError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("'a/b'")), error.what());
        }
        const QString file = dir.filePath(QStringLiteral("plain-file"));
        write_file(file, "x");
        QVERIFY_EXCEPTION_THROWN(plan_folder_export(file, objects, {}), ValueError);
    }

    void imported_topology_survives_the_store()
    {
        ObjectStore store;
        for (ObjectRecord record : {read_one(real(QStringLiteral("zmap_example.zmap")), QStringLiteral("zmap")),
                                    read_one(real(QStringLiteral("F5.ts")), QStringLiteral("tsurf"))})
            store.add(std::make_unique<GeoObject>(std::move(record)));
        store.copy_object(QStringLiteral("zmap_example"), QStringLiteral("copy"));
        store.translate(QStringLiteral("copy"), 100, -50, 0);
        const GridGeometry moved = *store.get(QStringLiteral("copy"))->grid();
        QCOMPARE(moved.x_origin, 459218.9063 + 100);
        QCOMPARE(moved.y_origin, 5924787.0 - 50);
        QCOMPARE(moved.columns, 4);
        store.flip_depth(QStringLiteral("F5"));
        QCOMPARE(store.get(QStringLiteral("F5"))->triangles().shape()[0], 65);
        QCOMPARE(store.get(QStringLiteral("F5"))->prop().value(QStringLiteral("Z")).data<double>()[0], 1685.590820);
        store.set_properties(QStringLiteral("copy"), {{QStringLiteral("twice"), NdArray::from_values(std::vector<double>(20, 2.0))}});
        QVERIFY(store.get(QStringLiteral("copy"))->grid());
        QVERIFY(*store.get(QStringLiteral("zmap_example"))->grid() != moved);
        // Saved and opened again: the grid and the triangles come back.
        const QString path = m_dir.filePath(QStringLiteral("imported.db"));
        save_objects(path, store.records());
        const std::vector<ObjectRecord> opened = load_objects(path);
        QCOMPARE(opened.size(), std::size_t(3));
        QVERIFY(opened[2].grid && *opened[2].grid == moved);
        QVERIFY(opened[1].triangles == store.get(QStringLiteral("F5"))->triangles());
    }

private:
    QTemporaryDir m_dir;
};

KELVRA_TEST_MAIN(TestFormats)
#include "tst_formats.moc"
