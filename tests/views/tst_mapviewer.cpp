// The map viewer as a user meets it: what lands where on screen, the
// colours of property values, the axes, navigation with real mouse and key
// events, the picture kept while a new one is drawn, and the export.

// Mouse events through the window system layer, which tracks the pressed
// buttons, so that a drag reaches the widget as one.
#define QTEST_QPA_MOUSE_HANDLING

#include "testmain.h"
#include "testsupport.h"
#include "valuecases.h"

#include "host/views/colourmap.h"
#include "host/views/cubeslice.h"
#include "host/views/labelplacement.h"
#include "host/views/mapaxes.h"
#include "host/views/mapviewer.h"

#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

using namespace kelvra;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

MapObject object(const QString &type, std::initializer_list<double> x, std::initializer_list<double> y,
                 const QString &property = QString(), std::initializer_list<double> values = {})
{
    return MapObject{type, test::array(x), test::array(y), property,
                     property.isEmpty() ? NdArray() : test::array(values)};
}

// A square grid of side x side vertices over 0 to 1000 in X and Y, valued
// by X, with a gap of NaN values along row gap_row.
MapObject grid(int side)
{
    std::vector<double> x, y, values;
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            x.push_back(1000.0 * column / (side - 1));
            y.push_back(1000.0 * row / (side - 1));
            values.push_back(x.back());
        }
    }
    return MapObject{QStringLiteral("Tsurface"), NdArray::from_values(x), NdArray::from_values(y),
                     QStringLiteral("value"), NdArray::from_values(values)};
}

// The widget pixel a map point lands in.
QPoint pixel_of(const MapViewer &viewer, double x, double y)
{
    const QPointF at = viewer.map_to_pixels().map(QPointF(x, y));
    return QPoint(int(std::floor(at.x())), int(std::floor(at.y())));
}

QColor colour_at(MapViewer &viewer, QPoint pixel)
{
    viewer.render_now();
    return viewer.grab().toImage().pixelColor(pixel);
}

// Whether the colours are alike within a little rounding.
bool alike(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2
        && std::abs(a.blue() - b.blue()) <= 2;
}

// The colours of the object palette, in the order objects are shown.
const QColor kFirst(31, 119, 180);
const QColor kSecond(255, 127, 14);
const QColor kThird(44, 160, 44);

void wheel(MapViewer &viewer, QPoint at, int notches)
{
    QWheelEvent event(at, viewer.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&viewer, &event);
}

// The map point under a widget pixel's centre.
QPointF map_point(const MapViewer &viewer, QPointF pixel)
{
    return viewer.map_to_pixels().inverted().map(pixel);
}

// Whether step is 1, 2 or 5 times a power of ten.
bool round_step_of_ten(double step)
{
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    for (double round : {1.0, 2.0, 5.0, 10.0}) {
        if (std::abs(mantissa - round) < 1e-9 * round)
            return true;
    }
    return false;
}

// The viridis colour of a value on the scale low to high.
QColor viridis(long double value, long double low, long double high)
{
    return QColor::fromRgb(viridis_table()[std::size_t(test::expected_colour_index(value, low, high))]);
}

// Whether any pixel of the region is dark (text or lines in black).
bool inked(const QImage &picture, const QRect &region)
{
    for (int x = region.left(); x <= region.right(); ++x) {
        for (int y = region.top(); y <= region.bottom(); ++y) {
            if (qGray(picture.pixel(x, y)) < 100)
                return true;
        }
    }
    return false;
}

// A well: a Point with measured depths.
MapObject well(std::initializer_list<double> x, std::initializer_list<double> y, std::initializer_list<double> md)
{
    MapObject shown = object(QStringLiteral("Point"), x, y);
    shown.md = test::array(md);
    return shown;
}

// The number of dark pixels (text, black rims) of the region.
int inked_count(const QImage &picture, const QRect &region)
{
    int count = 0;
    for (int x = region.left(); x <= region.right(); ++x) {
        for (int y = region.top(); y <= region.bottom(); ++y)
            count += qGray(picture.pixel(x, y)) < 100;
    }
    return count;
}

// The readout sent last.
QString last_text(const QSignalSpy &texts)
{
    return texts.isEmpty() ? QString() : texts.last().at(0).toString();
}

} // namespace

class TestMapViewer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void each_geometry_lands_where_the_transform_puts_it_data();
    void each_geometry_lands_where_the_transform_puts_it();
    void lone_well_survives_among_many_vertices();
    void object_shown_again_after_another_was_hidden_is_replaced();
    void colours_of_known_values();
    void sparse_surface_dots_are_wider();
    void large_object_is_measured_beside_the_gui_thread();
    void grid_surface_leaves_no_gaps_data();
    void grid_surface_leaves_no_gaps();
    void grid_hole_is_left_unpainted();
    void large_grid_is_prepared_beside_the_gui_thread();
    void rotated_grid_lands_where_its_geometry_says();
    void readout_names_the_nearest_node();
    void triangle_interior_has_interpolated_colours();
    void zoomed_out_triangles_show_means_not_moire();
    void contours_are_drawn_per_viewer_at_round_values();
    void cube_shows_the_chosen_slice_in_seismic_colours();
    void axis_ticks_data();
    void axis_ticks();
    void axes_follow_zoom();
    void wheel_zooms_about_the_cursor();
    void drag_pans();
    void rubber_band_zooms_to_the_rectangle_data();
    void rubber_band_zooms_to_the_rectangle();
    void keys_and_double_click();
    void last_picture_shown_until_the_new_one_is_ready();
    void cursor_readout();
    void export_has_axes_and_colour_bar();
    void values_of_every_type_and_range_data();
    void values_of_every_type_and_range();
    void axis_labels_never_overlap_data();
    void axis_labels_never_overlap();
    void colour_bar_has_round_ticks();
    void objects_keep_their_own_colour();
    void another_object_of_the_same_name_replaces_it();
    void renamed_object_keeps_its_place_and_colour();
    void wells_are_named_beside_their_markers();
    void well_is_drawn_along_its_path_in_md_order();
    void well_is_named_at_its_wellhead();
    void label_texts_never_overlap();
    void two_label_texts_at_one_vertex_are_both_written();
    void survey_corners_are_written_outside_the_outline();
    void readout_digits_and_update_after_a_wheel_zoom();
    void export_at_twice_the_size();
    void single_point_gets_a_minimum_view();
    void a_render_after_a_change_leaves_no_stale_pixels();

private:
    std::unique_ptr<MapViewer> m_viewer;
};

void TestMapViewer::init()
{
    m_viewer = std::make_unique<MapViewer>();
    m_viewer->resize(600, 400);
}

void TestMapViewer::cleanup()
{
    m_viewer.reset();
}

void TestMapViewer::each_geometry_lands_where_the_transform_puts_it_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QPointF>("drawn"); // a map point the geometry covers
    QTest::addColumn<QPointF>("empty"); // one it leaves empty
    // Vertices (600, 200), (1000, 200), (1000, 600), (600, 600) in this order.
    QTest::newRow("Point: markers at the vertices") << "Point" << QPointF(1000, 600) << QPointF(800, 200);
    QTest::newRow("Line: through the vertices in order") << "Line" << QPointF(800, 200) << QPointF(600, 400);
    QTest::newRow("Survey: the closed outline") << "Survey" << QPointF(600, 400) << QPointF(800, 400);
    QTest::newRow("Tsurface: dots at the vertices") << "Tsurface" << QPointF(600, 600) << QPointF(800, 600);
}

void TestMapViewer::each_geometry_lands_where_the_transform_puts_it()
{
    QFETCH(QString, type);
    QFETCH(QPointF, drawn);
    QFETCH(QPointF, empty);
    MapViewer &viewer = *m_viewer;
    // A far corner keeps the legend clear of what is checked.
    viewer.show_object(QStringLiteral("corner"), object(QStringLiteral("Point"), {0}, {1000}));
    viewer.show_object(type, object(type, {600, 1000, 1000, 600}, {200, 200, 600, 600}));
    // North up, east to the right.
    QVERIFY(pixel_of(viewer, 1000, 200).x() > pixel_of(viewer, 600, 200).x());
    QVERIFY(pixel_of(viewer, 600, 600).y() < pixel_of(viewer, 600, 200).y());
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, drawn.x(), drawn.y())), kSecond));
    QCOMPARE(colour_at(viewer, pixel_of(viewer, empty.x(), empty.y())), QColor(Qt::white));
}

void TestMapViewer::lone_well_survives_among_many_vertices()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    viewer.show_object(QStringLiteral("surface"), grid(500)); // 250,000 vertices, several per pixel
    viewer.show_object(QStringLiteral("well"), object(QStringLiteral("Point"), {500.3}, {499.7}));
    for (int notches : {0, 6, 6, -20}) {
        wheel(viewer, pixel_of(viewer, 495, 495), notches);
        QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 500.3, 499.7)), kSecond));
    }
    // Shown first, the well still lies on top of a surface shown after it.
    viewer.hide_all();
    viewer.show_object(QStringLiteral("well"), object(QStringLiteral("Point"), {500.3}, {499.7}));
    viewer.show_object(QStringLiteral("surface"), grid(500));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 500.3, 499.7)), kFirst));
}

void TestMapViewer::object_shown_again_after_another_was_hidden_is_replaced()
{
    MapViewer &viewer = *m_viewer;
    const auto points = [](double x, double y) {
        return object(QStringLiteral("Point"), {0, x, 1000}, {1000, y, 0});
    };
    viewer.show_object(QStringLiteral("a"), points(200, 200));
    viewer.show_object(QStringLiteral("b"), points(400, 400));
    viewer.show_object(QStringLiteral("c"), points(600, 600));
    viewer.hide_object(QStringLiteral("a"));
    // c moves; b, shown before it, stays.
    viewer.show_object(QStringLiteral("c"), points(800, 300));
    QCOMPARE(viewer.dpState, (QStringList{"b", "c"}));
    QVERIFY(!alike(colour_at(viewer, pixel_of(viewer, 600, 600)), kThird));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 800, 300)), kThird));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 400, 400)), kSecond));
    QCOMPARE(colour_at(viewer, pixel_of(viewer, 200, 200)), QColor(Qt::white));
}

void TestMapViewer::colours_of_known_values()
{
    MapViewer &viewer = *m_viewer;
    // viridis at the low end, the middle and the high end of the values;
    // a vertex whose value is NaN is not drawn.
    viewer.show_object(QStringLiteral("horizon"),
                       object(QStringLiteral("Tsurface"), {0, 500, 1000, 1000, 0}, {0, 0, 0, 500, 500},
                              QStringLiteral("amplitude"), {-2, 0, 2, kNaN, 1}));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 0, 0)), QColor(0x44, 0x01, 0x54)));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 500, 0)), QColor(0x21, 0x91, 0x8c)));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 1000, 0)), QColor(0xfd, 0xe7, 0x25)));
    QCOMPARE(colour_at(viewer, pixel_of(viewer, 1000, 500)), QColor(Qt::white));

    // Another current property recolours the map.
    viewer.show_object(QStringLiteral("horizon"),
                       object(QStringLiteral("Tsurface"), {0, 500, 1000, 1000, 0}, {0, 0, 0, 500, 500},
                              QStringLiteral("other"), {5, 5, 4, 4, 4}));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 0, 0)), QColor(0xfd, 0xe7, 0x25)));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 1000, 500)), QColor(0x44, 0x01, 0x54)));

    // Without a current property a surface has its object colour.
    viewer.show_object(QStringLiteral("horizon"),
                       object(QStringLiteral("Tsurface"), {0, 500, 1000, 1000, 0}, {0, 0, 0, 500, 500}));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 1000, 500)), kFirst));
}

void TestMapViewer::sparse_surface_dots_are_wider()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("coarse"), grid(21));
    const QPoint vertex = pixel_of(viewer, 500, 500);
    QCOMPARE(colour_at(viewer, vertex), colour_at(viewer, vertex + QPoint(1, 1)));
    QCOMPARE(colour_at(viewer, vertex), colour_at(viewer, vertex - QPoint(1, 1)));
    // Between the vertices the background shows.
    QCOMPARE(colour_at(viewer, pixel_of(viewer, 525, 525)), QColor(Qt::white));
}

void TestMapViewer::large_object_is_measured_beside_the_gui_thread()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    // Over a million vertices: their extent and value range are measured on
    // another thread, and the object is drawn once they are in.
    QSignalSpy pictures(&viewer, &MapViewer::sig_picture_ready);
    viewer.show_object(QStringLiteral("big"), grid(1030));
    QVERIFY(!viewer.picture_is_current());
    QVERIFY(pictures.wait(10000));
    QVERIFY(viewer.picture_is_current());
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 0, 0)), QColor(0x44, 0x01, 0x54)));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 1000, 1000)), QColor(0xfd, 0xe7, 0x25)));

    // Hidden, or shown anew, before its measures are in: they are dropped,
    // and render_now() waits for the ones that count.
    viewer.hide_all();
    viewer.show_object(QStringLiteral("big"), grid(1030));
    viewer.hide_object(QStringLiteral("big"));
    viewer.show_object(QStringLiteral("other"), object(QStringLiteral("Point"), {5}, {5}));
    MapObject shifted = grid(1030);
    // The same grid, 2000 m further east.
    double *xs = shifted.x.data<double>();
    for (std::int64_t i = 0; i < shifted.x.size(); ++i)
        xs[i] += 2000;
    viewer.show_object(QStringLiteral("big"), shifted);
    viewer.render_now();
    QVERIFY(viewer.picture_is_current());
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 3000, 1000)), QColor(0xfd, 0xe7, 0x25)));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 5, 5)), kSecond));
}

// Continuous surfaces, contours and cube slices.
namespace {

// A Gsurface of columns x rows nodes, spacing apart, its i axis turned
// rotation degrees counter-clockwise from east about the first node at
// (x0, y0), each node valued value(i, j). Node positions worked out here.
MapObject grid_surface(int columns, int rows, double spacing, const std::function<double(int, int)> &value,
                       double rotation = 0, double x0 = 0, double y0 = 0)
{
    const double radians = rotation * M_PI / 180;
    std::vector<double> x, y, values;
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            x.push_back(x0 + i * spacing * std::cos(radians) - j * spacing * std::sin(radians));
            y.push_back(y0 + i * spacing * std::sin(radians) + j * spacing * std::cos(radians));
            values.push_back(value(i, j));
        }
    }
    GridGeometry geometry;
    geometry.columns = columns;
    geometry.rows = rows;
    geometry.x_origin = x0;
    geometry.y_origin = y0;
    geometry.x_increment = geometry.y_increment = spacing;
    geometry.rotation = rotation;
    MapObject surface{QStringLiteral("Gsurface"), NdArray::from_values(x), NdArray::from_values(y),
                      QStringLiteral("depth"), NdArray::from_values(values)};
    surface.grid = geometry;
    return surface;
}

// The pixels of the picture whose centres lie inside the map rectangle
// shrunk by inset pixels on each side, outside the legend's corner: which
// of them show the background.
int background_pixels(const MapViewer &viewer, const QImage &picture, const QRectF &rectangle, double inset)
{
    const QRectF pixels = viewer.map_to_pixels().mapRect(rectangle).adjusted(inset, inset, -inset, -inset);
    const QRect area = viewer.map_area();
    int empty = 0;
    for (int row = int(std::ceil(pixels.top())); row + 0.5 <= pixels.bottom(); ++row) {
        for (int column = int(std::ceil(pixels.left())); column + 0.5 <= pixels.right(); ++column) {
            if (row < area.top() + 40 && column < area.left() + 120)
                continue;
            if (picture.pixelColor(column, row) == QColor(Qt::white))
                ++empty;
        }
    }
    return empty;
}

// A cube of 5 x 4 nodes and 3 samples, Z 1000, 1004, 1008: sample k of
// node (i, j) holds (k - 1) * (i - 2), so that sample 1 is zero, sample 0
// falls from 2 to -2 eastward and sample 2 rises from -2 to 2.
MapObject cube()
{
    GridGeometry geometry;
    geometry.columns = 5;
    geometry.rows = 4;
    geometry.layers = 3;
    geometry.x_increment = geometry.y_increment = 100;
    geometry.z_origin = 1000;
    geometry.z_increment = 4;
    std::vector<double> x, y, values;
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 5; ++i) {
            for (int k = 0; k < 3; ++k) {
                x.push_back(100.0 * i);
                y.push_back(100.0 * j);
                values.push_back(double((k - 1) * (i - 2)));
            }
        }
    }
    MapObject shown{QStringLiteral("Cube"), NdArray::from_values(x), NdArray::from_values(y),
                    QStringLiteral("amplitude"), NdArray::from_values(values)};
    shown.grid = geometry;
    return shown;
}

} // namespace

void TestMapViewer::grid_surface_leaves_no_gaps_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("notches");     // of the wheel at the centre, out
    QTest::addColumn<double>("at_least"); // pixels between neighbouring nodes
    QTest::addColumn<double>("at_most");
    QTest::newRow("nodes about 20 pixels apart") << 16 << 0 << 15.0 << 30.0;
    QTest::newRow("100 nodes in a pixel") << 600 << 9 << 0.0 << 0.1;
}

void TestMapViewer::grid_surface_leaves_no_gaps()
{
    QFETCH(int, side);
    QFETCH(int, notches);
    QFETCH(double, at_least);
    QFETCH(double, at_most);
    MapViewer &viewer = *m_viewer;
    // Alternating values: dots or a moiré would leave pixels of the background.
    viewer.show_object(QStringLiteral("g"), grid_surface(side, side, 1, [](int i, int j) { return (i + j) % 2; }));
    viewer.render_now();
    wheel(viewer, viewer.map_area().center(), -notches);
    const double apart = viewer.map_to_pixels().m11();
    QVERIFY2(apart >= at_least && apart <= at_most, qPrintable(QString::number(apart)));
    viewer.render_now();
    const QImage picture = viewer.grab().toImage();
    const QRectF extent(0, 0, side - 1, side - 1);
    QCOMPARE(background_pixels(viewer, picture, extent, 1), 0);
    // Nothing beyond the outermost nodes.
    const QPoint beyond = pixel_of(viewer, side - 1, (side - 1) / 2.0) + QPoint(2, 0);
    QCOMPARE(picture.pixelColor(beyond), QColor(Qt::white));
}

void TestMapViewer::grid_hole_is_left_unpainted()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("g"), grid_surface(9, 9, 100, [](int i, int j) {
                           return i == 5 && j == 4 ? kNaN : double(i);
                       }));
    QCOMPARE(colour_at(viewer, pixel_of(viewer, 500, 400)), QColor(Qt::white));
    // Next to the hole, the surface; its nearest node is finite.
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 300, 400)), viridis(3, 0, 8)));
    QVERIFY(colour_at(viewer, pixel_of(viewer, 500, 300)) != QColor(Qt::white));
}

void TestMapViewer::large_grid_is_prepared_beside_the_gui_thread()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    // Over a million nodes, valued by their column: shown at once, drawn a
    // moment later, filled edge to edge.
    QSignalSpy pictures(&viewer, &MapViewer::sig_picture_ready);
    viewer.show_object(QStringLiteral("g"), grid_surface(1100, 1000, 1, [](int i, int) { return double(i); }));
    QVERIFY(!viewer.picture_is_current());
    QVERIFY(pictures.wait(10000));
    const QImage picture = viewer.grab().toImage();
    QCOMPARE(background_pixels(viewer, picture, QRectF(0, 0, 1099, 999), 1), 0);
    QVERIFY(alike(picture.pixelColor(pixel_of(viewer, 549.5, 500)), viridis(549.5, 0, 1099)));

    // A grid whose geometry holds a number that is not finite is no grid:
    // drawn at once as its vertices, never left waiting for levels that
    // cannot be matched to it.
    MapObject odd = grid_surface(1100, 1000, 1, [](int i, int) { return double(i); });
    odd.grid->z_origin = std::nan("");
    viewer.show_object(QStringLiteral("g"), odd);
    viewer.render_now();
    QVERIFY(viewer.picture_is_current());
}

void TestMapViewer::rotated_grid_lands_where_its_geometry_says()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    // Three nodes east-north-east by two north-north-west, 30 degrees round.
    viewer.show_object(QStringLiteral("turned"),
                       grid_surface(3, 2, 100, [](int i, int j) { return 10.0 * i + j; }, 30, 1000, 2000));
    // Node (2, 1): 2 steps of 100 at 30 degrees, then 1 at 120 degrees.
    const double x = 1000 + 200 * std::sqrt(3.0) / 2 - 100 * 0.5;
    const double y = 2000 + 200 * 0.5 + 100 * std::sqrt(3.0) / 2;
    viewer.render_now();
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, x, y)), viridis(21, 0, 21)));
    // Where node (2, 0) would be without the rotation: outside the grid.
    QCOMPARE(colour_at(viewer, pixel_of(viewer, 1200, 2000)), QColor(Qt::white));
    QSignalSpy texts(&viewer, &MapViewer::sig_cursor_text);
    QTest::mouseMove(&viewer, pixel_of(viewer, x, y));
    QVERIFY2(last_text(texts).endsWith(QStringLiteral("turned, vertex 5: depth = 21")), qPrintable(last_text(texts)));
}

void TestMapViewer::readout_names_the_nearest_node()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.show_object(QStringLiteral("g"), grid_surface(4, 3, 100, [](int i, int j) { return 100.0 * j + i; }));
    viewer.render_now();
    QSignalSpy texts(&viewer, &MapViewer::sig_cursor_text);
    // 30 m north-east of node (2, 1), vertex 1 * 4 + 2; then 30 m south-west of node (1, 2), vertex 9.
    QTest::mouseMove(&viewer, pixel_of(viewer, 230, 130));
    QVERIFY2(last_text(texts).endsWith(QStringLiteral("g, vertex 6: depth = 102")), qPrintable(last_text(texts)));
    QTest::mouseMove(&viewer, pixel_of(viewer, 70, 170));
    QVERIFY2(last_text(texts).endsWith(QStringLiteral("g, vertex 9: depth = 201")), qPrintable(last_text(texts)));
}

void TestMapViewer::triangle_interior_has_interpolated_colours()
{
    MapViewer &viewer = *m_viewer;
    MapObject surface = object(QStringLiteral("Tsurface"), {0, 1000, 0}, {0, 0, 1000}, QStringLiteral("depth"),
                               {0, 30, 60});
    surface.triangles = NdArray::from_values(std::vector<std::int32_t>{0, 1, 2}, {1, 3});
    viewer.show_object(QStringLiteral("t"), surface);
    viewer.render_now();
    const QImage picture = viewer.grab().toImage();
    for (const QPointF &point : {QPointF(250, 250), QPointF(600, 150), QPointF(100, 700)}) {
        const QPoint pixel = pixel_of(viewer, point.x(), point.y());
        // The value at the pixel's centre: linear, 0.03 per metre east and 0.06 north.
        const QPointF centre = map_point(viewer, QPointF(pixel) + QPointF(0.5, 0.5));
        QVERIFY(alike(picture.pixelColor(pixel), viridis(0.03L * centre.x() + 0.06L * centre.y(), 0, 60)));
    }
    // Beyond the long edge, nothing.
    QCOMPARE(picture.pixelColor(pixel_of(viewer, 700, 700)), QColor(Qt::white));
}

void TestMapViewer::zoomed_out_triangles_show_means_not_moire()
{
    MapViewer &viewer = *m_viewer;
    // A triangulated square of 200 x 200 vertices a metre apart, valued 0
    // and 1 like a chessboard: the mean over any pixel of many vertices is
    // about a half.
    constexpr int side = 200;
    std::vector<double> x, y, values;
    std::vector<std::int32_t> corners;
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            x.push_back(i);
            y.push_back(j);
            values.push_back((i + j) % 2);
            if (i + 1 < side && j + 1 < side) {
                const int a = j * side + i;
                corners.insert(corners.end(), {a, a + 1, a + side + 1, a, a + side + 1, a + side});
            }
        }
    }
    MapObject surface{QStringLiteral("Tsurface"), NdArray::from_values(x), NdArray::from_values(y),
                      QStringLiteral("value"), NdArray::from_values(values)};
    surface.triangles = NdArray::from_values(corners, {std::int64_t(corners.size() / 3), 3});
    viewer.show_object(QStringLiteral("t"), surface);
    viewer.render_now();
    wheel(viewer, viewer.map_area().center(), -10);
    QVERIFY(viewer.map_to_pixels().m11() < 0.2); // over 25 vertices a pixel
    viewer.render_now();
    const QImage picture = viewer.grab().toImage();
    const QRectF inner = viewer.map_to_pixels().mapRect(QRectF(0, 0, side - 1, side - 1)).adjusted(2, 2, -2, -2);
    int checked = 0;
    for (int row = int(std::ceil(inner.top())); row < inner.bottom(); ++row) {
        for (int column = int(std::ceil(inner.left())); column < inner.right(); ++column) {
            // Between 0.35 and 0.65.
            const QColor shown = picture.pixelColor(column, row);
            bool middle = false;
            for (int k = 90; k <= 166 && !middle; ++k)
                middle = alike(shown, QColor::fromRgb(viridis_table()[std::size_t(k)]));
            QVERIFY2(middle, qPrintable(QStringLiteral("%1, %2").arg(column).arg(row)));
            ++checked;
        }
    }
    QVERIFY(checked > 100);
}

void TestMapViewer::contours_are_drawn_per_viewer_at_round_values()
{
    MapViewer &viewer = *m_viewer;
    MapViewer other;
    other.resize(viewer.size());
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    // Values rising eastward from 0 to 1000: lines every 100 run north-south
    // through the nodes at X = 100 ... 900.
    const MapObject surface = grid_surface(11, 11, 100, [](int i, int) { return 100.0 * i; });
    viewer.show_object(QStringLiteral("g"), surface);
    other.show_object(QStringLiteral("g"), surface);
    viewer.render_now();
    QVERIFY(!viewer.act_show_contours->isChecked());
    QVERIFY(viewer.contextMenuPolicy() == Qt::ActionsContextMenu && viewer.actions().contains(viewer.act_show_contours));

    // Whether the pixels about (X, Y) are darker than the surface's own
    // colour there; Y clear of the values written half way along the lines.
    const auto lined = [](MapViewer &shown, double x, double y = 250) {
        const QImage picture = shown.grab().toImage();
        const QPoint pixel = pixel_of(shown, x, y);
        int darkest = 255;
        for (int dx = -1; dx <= 1; ++dx)
            darkest = std::min(darkest, qGray(picture.pixel(pixel + QPoint(dx, 0))));
        return darkest < 0.8 * qGray(viridis(x, 0, 1000).rgb());
    };
    QVERIFY(!lined(viewer, 500));

    QSignalSpy ready(&viewer, &MapViewer::sig_contours_ready);
    viewer.act_show_contours->trigger();
    QVERIFY(ready.wait(10000)); // traced beside the GUI thread
    QVERIFY(viewer.contours_are_current());
    for (double x : {100, 300, 500, 700, 900})
        QVERIFY2(lined(viewer, x), qPrintable(QString::number(x)));
    for (double x : {150, 450, 850})
        QVERIFY2(!lined(viewer, x), qPrintable(QString::number(x)));
    // Only in the viewer they were switched on in.
    other.render_now();
    QVERIFY(!lined(other, 500));
    // Zoomed in, a line that runs on past the view's edges is still drawn.
    wheel(viewer, pixel_of(viewer, 500, 500), 6);
    viewer.render_now();
    QVERIFY(lined(viewer, 500, 430));
    QVERIFY(!lined(viewer, 550, 430));

    // The surface hidden while another object is still being measured: the
    // last picture stays on screen until the new one is ready, its contour
    // lines do not.
    std::vector<double> far_x(std::size_t(1) << 20, 5000.0), far_y(far_x.size(), 5000.0);
    viewer.show_object(QStringLiteral("far"), MapObject{QStringLiteral("Tsurface"), NdArray::from_values(far_x),
                                                        NdArray::from_values(far_y), QString(), NdArray()});
    viewer.hide_object(QStringLiteral("g"));
    QVERIFY(!viewer.picture_is_current());
    QVERIFY(!lined(viewer, 500, 430));
    viewer.hide_object(QStringLiteral("far"));
    viewer.show_object(QStringLiteral("g"), surface);
    viewer.render_now();

    viewer.act_show_contours->trigger();
    viewer.render_now();
    QVERIFY(!lined(viewer, 500, 430));
}

void TestMapViewer::cube_shows_the_chosen_slice_in_seismic_colours()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QVERIFY(viewer.slice_chooser->isHidden());
    viewer.show_object(QStringLiteral("cube"), cube());
    viewer.render_now();
    // The middle sample first: zero everywhere, white.
    QVERIFY(viewer.slice_chooser->isVisible());
    QCOMPARE(viewer.slice_chooser->sample->value(), 1);
    QCOMPARE(viewer.slice_chooser->z_text->text(), QStringLiteral("Z 1004"));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 400, 200)), Qt::white));

    viewer.slice_chooser->sample->setValue(2);
    QCOMPARE(viewer.slice_chooser->z_text->text(), QStringLiteral("Z 1008"));
    viewer.render_now();
    const QImage rising = viewer.grab().toImage();
    // The scale runs from -2 to 2: zero white, +1 and -1 mirror images, blue high.
    const QColor zero = rising.pixelColor(pixel_of(viewer, 200, 200));
    const QColor plus = rising.pixelColor(pixel_of(viewer, 300, 200));
    const QColor minus = rising.pixelColor(pixel_of(viewer, 100, 200));
    const QColor top = rising.pixelColor(pixel_of(viewer, 400, 200));
    QVERIFY(alike(zero, Qt::white));
    QVERIFY(alike(plus, QColor(minus.blue(), minus.green(), minus.red())));
    QVERIFY(plus != zero && top.blue() > top.red() + 100);

    // Sample 0 mirrors sample 2: what was blue is red.
    viewer.slice_chooser->sample->setValue(0);
    viewer.render_now();
    const QColor falling = colour_at(viewer, pixel_of(viewer, 400, 200));
    QVERIFY(alike(falling, QColor(top.blue(), top.green(), top.red())));
    QSignalSpy texts(&viewer, &MapViewer::sig_cursor_text);
    QTest::mouseMove(&viewer, pixel_of(viewer, 400, 100));
    // Node (4, 1), sample 0: vertex (1 * 5 + 4) * 3 + 0.
    QVERIFY2(last_text(texts).endsWith(QStringLiteral("cube, vertex 27: amplitude = -2")), qPrintable(last_text(texts)));

    // The colour bar runs symmetric about zero.
    const std::vector<AxisTick> ticks = viewer.colour_bar_ticks(QStringLiteral("amplitude"));
    QVERIFY(!ticks.empty());
    QCOMPARE(ticks.front().value, -2.0);
    QCOMPARE(ticks.back().value, 2.0);
    viewer.hide_object(QStringLiteral("cube"));
    QVERIFY(viewer.slice_chooser->isHidden());

    // A cube of zeros is white, not the colour of the scale's low end.
    MapObject zeros = cube();
    std::fill_n(zeros.values.data<double>(), zeros.values.size(), 0.0);
    viewer.show_object(QStringLiteral("zeros"), zeros);
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 300, 200)), Qt::white));
}

void TestMapViewer::axis_ticks_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QStringList>("labels");
    // 500 pixels, labels 30 pixels wide: ticks at least 50 pixels apart.
    QTest::newRow("whole map") << 0.0 << 1000.0 << QStringList{"0", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000"};
    QTest::newRow("zoomed in") << 431.7 << 437.1 << QStringList{"432", "433", "434", "435", "436", "437"};
    QTest::newRow("decimals") << 0.1203 << 0.1251
                              << QStringList{"0.1205", "0.1210", "0.1215", "0.1220", "0.1225",
                                             "0.1230", "0.1235", "0.1240", "0.1245", "0.1250"};
    QTest::newRow("around zero") << -7.0 << 12.0 << QStringList{"-6", "-4", "-2", "0", "2", "4", "6", "8", "10", "12"};
    QTest::newRow("far from the origin") << 6512345.0 << 6519876.0
                                         << QStringList{"6513000", "6514000", "6515000", "6516000", "6517000", "6518000", "6519000"};
}

void TestMapViewer::axis_ticks()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QStringList, labels);
    const std::vector<AxisTick> ticks = kelvra::axis_ticks(low, high, 100, 600, [](const QString &) { return 30.0; }, 16);
    QStringList found;
    for (const AxisTick &tick : ticks) {
        found << tick.label;
        QCOMPARE(tick.position, 100 + (tick.value - low) / (high - low) * 500);
    }
    QCOMPARE(found, labels);
    // Wide labels need room: fewer ticks.
    QVERIFY(kelvra::axis_ticks(low, high, 100, 600, [](const QString &) { return 120.0; }, 16).size() < ticks.size());
}

void TestMapViewer::axes_follow_zoom()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("surface"), grid(11));
    std::vector<double> steps;
    for (int notches : {0, 4, 8, 8}) {
        wheel(viewer, pixel_of(viewer, 321, 123), notches);
        for (Qt::Orientation axis : {Qt::Horizontal, Qt::Vertical}) {
            const std::vector<AxisTick> ticks = viewer.axis_ticks(axis);
            QVERIFY(ticks.size() >= 2);
            const double step = ticks[1].value - ticks[0].value;
            const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
            QVERIFY2(std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 || std::abs(mantissa - 5) < 1e-6,
                     qPrintable(QString::number(step)));
            for (const AxisTick &tick : ticks) {
                const QPointF at = viewer.map_to_pixels().map(QPointF(tick.value, tick.value));
                QCOMPARE(tick.position, axis == Qt::Horizontal ? at.x() : at.y());
                QCOMPARE(tick.label.toDouble(), tick.value);
            }
            if (axis == Qt::Horizontal)
                steps.push_back(step);
        }
    }
    // Closer in, finer ticks.
    QVERIFY(std::is_sorted(steps.rbegin(), steps.rend()));
    QVERIFY(steps.back() < steps.front() / 50);
}

void TestMapViewer::wheel_zooms_about_the_cursor()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("surface"), grid(11));
    const QPoint cursor = pixel_of(viewer, 700, 300);
    const QPointF under = map_point(viewer, cursor);
    const double scale = viewer.map_to_pixels().m11();
    wheel(viewer, cursor, 1);
    QCOMPARE(viewer.map_to_pixels().m11(), scale * 1.25);
    QCOMPARE(map_point(viewer, cursor), under);
    wheel(viewer, cursor, -2);
    QCOMPARE(viewer.map_to_pixels().m11(), scale / 1.25);
    QCOMPARE(map_point(viewer, cursor), under);
}

void TestMapViewer::drag_pans()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.show_object(QStringLiteral("surface"), grid(11));
    const QPoint from = pixel_of(viewer, 500, 500), to = from + QPoint(-80, 35);
    const QPointF under = map_point(viewer, from);
    const double scale = viewer.map_to_pixels().m11();
    QTest::mousePress(&viewer, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&viewer, from + QPoint(-40, 20));
    QTest::mouseMove(&viewer, to);
    QTest::mouseRelease(&viewer, Qt::LeftButton, Qt::NoModifier, to);
    QCOMPARE(map_point(viewer, to), under);
    QCOMPARE(viewer.map_to_pixels().m11(), scale);
}

void TestMapViewer::rubber_band_zooms_to_the_rectangle_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<double>("ratio");
    QTest::newRow("equal") << "Equal" << 1.0;
    QTest::newRow("fixed 2") << "Fixed" << 2.0;
    QTest::newRow("auto") << "Auto" << 1.0;
}

void TestMapViewer::rubber_band_zooms_to_the_rectangle()
{
    QFETCH(QString, method);
    QFETCH(double, ratio);
    MapViewer &viewer = *m_viewer;
    viewer.apply_aspect(method, ratio);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.show_object(QStringLiteral("surface"), grid(11));
    const QPoint corner = pixel_of(viewer, 200, 700), other = pixel_of(viewer, 450, 600);
    const QRectF chosen = QRectF(map_point(viewer, corner), map_point(viewer, other)).normalized();
    // One pixel before the zoom, in map units.
    const double pixel_x = 1 / viewer.map_to_pixels().m11(), pixel_y = -1 / viewer.map_to_pixels().m22();
    QTest::mousePress(&viewer, Qt::LeftButton, Qt::ShiftModifier, corner);
    QTest::mouseMove(&viewer, other);
    QTest::mouseRelease(&viewer, Qt::LeftButton, Qt::ShiftModifier, other);

    // The chosen rectangle, to the pixel it was drawn with, fills the map
    // along one axis at least, centred.
    const QTransform t = viewer.map_to_pixels();
    const QRectF area = viewer.map_area();
    const QPointF centre = map_point(viewer, area.center());
    QVERIFY(std::abs(centre.x() - chosen.center().x()) <= pixel_x);
    QVERIFY(std::abs(centre.y() - chosen.center().y()) <= pixel_y);
    const QRectF shown = t.mapRect(chosen.adjusted(pixel_x, pixel_y, -pixel_x, -pixel_y));
    QVERIFY(area.contains(shown));
    QVERIFY(shown.width() > 0.85 * area.width() || shown.height() > 0.85 * area.height());
    if (method != QLatin1String("Auto"))
        QCOMPARE(-t.m22() / t.m11(), ratio); // the aspect keeps its meaning
}

void TestMapViewer::keys_and_double_click()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    viewer.activateWindow();
    viewer.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    viewer.show_object(QStringLiteral("surface"), grid(11));
    const QTransform fitted = viewer.map_to_pixels();
    const QPointF centre = QRectF(viewer.map_area()).center();

    QTest::keyClick(&viewer, Qt::Key_Plus);
    QCOMPARE(viewer.map_to_pixels().m11(), fitted.m11() * 1.25);
    QCOMPARE(map_point(viewer, centre), fitted.inverted().map(centre));
    QTest::keyClick(&viewer, Qt::Key_Minus);
    QCOMPARE(viewer.map_to_pixels().m11(), fitted.m11());

    // Right: look east; the map moves left by an eighth of its width.
    const QPointF before = viewer.map_to_pixels().map(QPointF(500, 500));
    QTest::keyClick(&viewer, Qt::Key_Right);
    QCOMPARE(viewer.map_to_pixels().map(QPointF(500, 500)), before - QPointF(viewer.map_area().width() / 8.0, 0));
    QTest::keyClick(&viewer, Qt::Key_Up);
    QCOMPARE(viewer.map_to_pixels().map(QPointF(500, 500)).y(), before.y() + viewer.map_area().height() / 8.0);

    QTest::keyClick(&viewer, Qt::Key_Home);
    QCOMPARE(viewer.map_to_pixels(), fitted);
    wheel(viewer, pixel_of(viewer, 100, 100), 3);
    QTest::keyClick(&viewer, Qt::Key_F);
    QCOMPARE(viewer.map_to_pixels(), fitted);
    wheel(viewer, pixel_of(viewer, 100, 100), 3);
    QTest::mouseDClick(&viewer, Qt::LeftButton, Qt::NoModifier, pixel_of(viewer, 300, 300));
    QCOMPARE(viewer.map_to_pixels(), fitted);
    wheel(viewer, pixel_of(viewer, 100, 100), 3);
    viewer.act_zoom_to_fit->trigger();
    QCOMPARE(viewer.map_to_pixels(), fitted);
}

void TestMapViewer::last_picture_shown_until_the_new_one_is_ready()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.show_object(QStringLiteral("well"), object(QStringLiteral("Point"), {0, 1000}, {0, 1000}));
    viewer.render_now();
    QVERIFY(viewer.picture_is_current());

    // A zoom step asks for a new picture off the GUI thread; until it comes
    // the last one is shown moved and scaled: the well is where it will be.
    QSignalSpy ready(&viewer, &MapViewer::sig_picture_ready);
    const QPoint at = pixel_of(viewer, 1000, 1000);
    for (int step = 0; step < 5; ++step)
        wheel(viewer, at, 1);
    if (!viewer.picture_is_current())
        QVERIFY(alike(viewer.grab().toImage().pixelColor(pixel_of(viewer, 1000, 1000)), kFirst));
    QTRY_VERIFY(viewer.picture_is_current());
    QVERIFY(ready.count() >= 1);
    // Stale renders are dropped: at most one picture was finished before the last view.
    QVERIFY(ready.count() <= 2);
    QVERIFY(alike(viewer.grab().toImage().pixelColor(pixel_of(viewer, 1000, 1000)), kFirst));
}

void TestMapViewer::cursor_readout()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.show_object(QStringLiteral("horizon"),
                       object(QStringLiteral("Tsurface"), {0, 1000, 1000}, {0, 0, 500}, QStringLiteral("depth"),
                              {1500.25, 1600, 1700}));
    viewer.render_now();
    QSignalSpy texts(&viewer, &MapViewer::sig_cursor_text);
    QTest::mouseMove(&viewer, pixel_of(viewer, 1000, 0));
    QVERIFY(!texts.isEmpty());
    QVERIFY2(texts.last().at(0).toString().endsWith(QStringLiteral("horizon, vertex 1: depth = 1600")),
             qPrintable(texts.last().at(0).toString()));
    // Away from the vertices: the map coordinates only, to the pixel.
    QTest::mouseMove(&viewer, pixel_of(viewer, 500, 250));
    const QString between = texts.last().at(0).toString();
    const QRegularExpressionMatch numbers =
        QRegularExpression(QStringLiteral("^E (\\S+)   N (\\S+)$")).match(between);
    QVERIFY2(numbers.hasMatch(), qPrintable(between));
    const double unit = 1 / viewer.map_to_pixels().m11(); // map units per pixel
    QVERIFY(std::abs(numbers.captured(1).toDouble() - 500) <= unit);
    QVERIFY(std::abs(numbers.captured(2).toDouble() - 250) <= unit);
    QTest::mouseMove(&viewer, QPoint(2, 2)); // outside the map
    QCOMPARE(texts.last().at(0).toString(), QString());
}

void TestMapViewer::export_has_axes_and_colour_bar()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.png"));
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("horizon"),
                       object(QStringLiteral("Tsurface"), {0, 1000}, {0, 500}, QStringLiteral("amplitude"), {0, 1}));
    viewer.export_to(path, false);
    const QImage picture(path);
    QCOMPARE(picture.size(), viewer.size());
    const QRect area = viewer.map_area();
    // The map as on screen.
    QVERIFY(alike(picture.pixelColor(pixel_of(viewer, 1000, 500)), QColor(0xfd, 0xe7, 0x25)));
    // The colour bar right of the map holds both ends of the colour map.
    bool low = false, high = false;
    for (int x = area.right() + 1; x < picture.width(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            low = low || alike(picture.pixelColor(x, y), QColor(0x44, 0x01, 0x54));
            high = high || alike(picture.pixelColor(x, y), QColor(0xfd, 0xe7, 0x25));
        }
    }
    QVERIFY(low && high);
    // Tick labels below and left of the map.
    auto inked = [&picture](const QRect &region) {
        for (int x = region.left(); x <= region.right(); ++x) {
            for (int y = region.top(); y <= region.bottom(); ++y) {
                if (qGray(picture.pixel(x, y)) < 100)
                    return true;
            }
        }
        return false;
    };
    QVERIFY(inked(QRect(area.left(), area.bottom() + 8, area.width(), 12)));
    QVERIFY(inked(QRect(area.left() - 20, area.top(), 12, area.height())));
}

void TestMapViewer::values_of_every_type_and_range_data()
{
    QTest::addColumn<int>("which");
    const std::vector<test::ValueCase> cases = test::value_cases();
    for (std::size_t i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].name) << int(i);
}

void TestMapViewer::values_of_every_type_and_range()
{
    // Each value a dot of its own, 100 m apart along a line: finite ones in
    // the colour of the scale over the finite values, others not drawn.
    QFETCH(int, which);
    const NdArray values = test::value_cases()[std::size_t(which)].values;
    std::vector<double> x, y;
    for (std::int64_t i = 0; i < values.size(); ++i) {
        x.push_back(100.0 * double(i));
        y.push_back(0);
    }
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("surface"),
                       MapObject{QStringLiteral("Tsurface"), NdArray::from_values(x), NdArray::from_values(y),
                                 QStringLiteral("v"), values});
    viewer.render_now();
    QVERIFY(viewer.picture_is_current());
    const QImage picture = viewer.grab().toImage();
    const auto extremes = test::finite_extremes(values);
    for (std::int64_t i = 0; i < values.size(); ++i) {
        const QColor drawn = picture.pixelColor(pixel_of(viewer, 100.0 * double(i), 0));
        if (test::finite_at(values, i))
            QCOMPARE(drawn, viridis(test::value_at(values, i), extremes->first, extremes->second));
        else
            QCOMPARE(drawn, QColor(Qt::white));
    }
    // The colour bar, when any value is finite: ticks in its range, labelled with numbers.
    const std::vector<AxisTick> ticks = viewer.colour_bar_ticks(QStringLiteral("v"));
    QCOMPARE(ticks.empty(), !extremes.has_value());
    for (const AxisTick &tick : ticks) {
        QVERIFY(std::isfinite(tick.value) && std::isfinite(tick.position));
        QVERIFY(tick.value >= double(extremes->first) && tick.value <= double(extremes->second));
        bool number = false;
        tick.label.toDouble(&number);
        QVERIFY2(number, qPrintable(tick.label));
    }
}

void TestMapViewer::axis_labels_never_overlap_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPointF>("origin");
    QTest::addColumn<double>("extent");
    QTest::addColumn<int>("notches");
    const QPointF local(0, 0), projected(431250, 6512380);
    QTest::newRow("local grid, 200 px map") << QSize(380, 290) << local << 1000.0 << 0;
    QTest::newRow("local grid, zoomed in") << QSize(380, 290) << local << 1000.0 << 9;
    QTest::newRow("local grid, zoomed out") << QSize(520, 290) << local << 1000.0 << -7;
    QTest::newRow("projected, tall") << QSize(700, 900) << projected << 5000.0 << 0;
    QTest::newRow("projected, wide") << QSize(1200, 500) << projected << 5000.0 << 3;
    QTest::newRow("projected, zoomed in to decimetres") << QSize(900, 600) << projected << 5000.0 << 30;
    QTest::newRow("projected, zoomed out") << QSize(900, 600) << projected << 5000.0 << -20;
}

void TestMapViewer::axis_labels_never_overlap()
{
    QFETCH(QSize, size);
    QFETCH(QPointF, origin);
    QFETCH(double, extent);
    QFETCH(int, notches);
    MapViewer &viewer = *m_viewer;
    viewer.resize(size);
    MapObject square = grid(11);
    for (NdArray *axis : {&square.x, &square.y}) {
        double *values = axis->data<double>();
        const double shift = axis == &square.x ? origin.x() : origin.y();
        for (std::int64_t i = 0; i < axis->size(); ++i)
            values[i] = shift + values[i] * extent / 1000;
    }
    viewer.show_object(QStringLiteral("surface"), square);
    wheel(viewer, QRectF(viewer.map_area()).center().toPoint(), notches);
    const QFontMetrics metrics = viewer.fontMetrics();
    for (Qt::Orientation axis : {Qt::Horizontal, Qt::Vertical}) {
        const std::vector<AxisTick> ticks = viewer.axis_ticks(axis);
        QStringList labels;
        for (const AxisTick &tick : ticks)
            labels << tick.label;
        QVERIFY2(ticks.size() >= 3, qPrintable(QStringLiteral("%1 px: %2").arg(axis == Qt::Horizontal ? viewer.map_area().width() : viewer.map_area().height()).arg(labels.join(QLatin1Char(' ')))));
        const double step = ticks[1].value - ticks[0].value;
        QVERIFY2(round_step_of_ten(step), qPrintable(QString::number(step)));
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            const AxisTick &tick = ticks[i];
            // At a multiple of the step, where the map puts that value, and
            // labelled with it, written plainly.
            QVERIFY(std::abs(tick.value / step - std::round(tick.value / step)) < 1e-6);
            const QPointF at = viewer.map_to_pixels().map(QPointF(tick.value, tick.value));
            QVERIFY(std::abs(tick.position - (axis == Qt::Horizontal ? at.x() : at.y())) < 1e-6);
            QVERIFY2(std::abs(tick.label.toDouble() - tick.value) <= step * 1e-6, qPrintable(tick.label));
            QVERIFY2(!tick.label.contains(QLatin1Char(',')) && !tick.label.contains(QLatin1Char('e')),
                     qPrintable(tick.label));
            if (i == 0)
                continue;
            // Neighbouring labels clear each other: easting labels side by
            // side, northing labels (written across) one above the other.
            const double apart = std::abs(tick.position - ticks[i - 1].position);
            const double needed = axis == Qt::Horizontal
                ? (metrics.horizontalAdvance(tick.label) + metrics.horizontalAdvance(ticks[i - 1].label)) / 2.0
                : metrics.height();
            QVERIFY2(apart >= needed, qPrintable(QStringLiteral("%1 and %2").arg(ticks[i - 1].label, tick.label)));
            QVERIFY(std::abs(tick.value - ticks[i - 1].value - step) < step * 1e-6);
        }
    }
}

void TestMapViewer::colour_bar_has_round_ticks()
{
    MapViewer &viewer = *m_viewer;
    const double low = -0.00045411, high = 0.0012;
    viewer.show_object(QStringLiteral("horizon"), object(QStringLiteral("Tsurface"), {0, 1000, 500}, {0, 1000, 300},
                                                         QStringLiteral("amplitude"), {low, high, 0.0003}));
    viewer.render_now();
    const QImage picture = viewer.grab().toImage();
    const std::vector<AxisTick> ticks = viewer.colour_bar_ticks(QStringLiteral("amplitude"));
    QVERIFY(ticks.size() >= 3);
    const double step = ticks[1].value - ticks[0].value;
    QVERIFY(round_step_of_ten(step));
    const QRect area = viewer.map_area();
    for (const AxisTick &tick : ticks) {
        QVERIFY(tick.value >= low && tick.value <= high);
        QVERIFY(std::abs(tick.value / step - std::round(tick.value / step)) < 1e-6);
        QVERIFY2(std::abs(tick.label.toDouble() - tick.value) <= step * 1e-6, qPrintable(tick.label));
        // Beside the tick the bar shows the tick's colour (give or take the
        // two neighbouring colours a pixel row of the bar spans).
        const int index = test::expected_colour_index(tick.value, low, high);
        bool found = false;
        for (int x = area.right() + 1; x < picture.width() && !found; ++x) {
            for (int near = std::max(0, index - 2); near <= std::min(255, index + 2) && !found; ++near)
                found = picture.pixelColor(x, int(std::round(tick.position))) == QColor::fromRgb(viridis_table()[std::size_t(near)]);
        }
        QVERIFY2(found, qPrintable(tick.label));
    }
    // Higher values higher up, evenly.
    const double per_value = (ticks.back().position - ticks.front().position) / (ticks.back().value - ticks.front().value);
    QVERIFY(per_value < 0);
    for (const AxisTick &tick : ticks)
        QVERIFY(std::abs(tick.position - ticks.front().position - (tick.value - ticks.front().value) * per_value) < 1e-6);
}

void TestMapViewer::objects_keep_their_own_colour()
{
    MapViewer &viewer = *m_viewer;
    const QColor own(200, 30, 160);
    MapObject well = object(QStringLiteral("Point"), {500}, {500});
    well.id = 7;
    well.colour = own.rgb();
    viewer.show_object(QStringLiteral("corners"), object(QStringLiteral("Point"), {0, 1000}, {0, 1000}));
    viewer.show_object(QStringLiteral("well"), well);
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 500, 500)), own));
    // Hidden and shown again, renamed, or in another viewer: the same colour.
    viewer.hide_object(QStringLiteral("well"));
    viewer.show_object(QStringLiteral("well"), well);
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 500, 500)), own));
    viewer.show_object(QStringLiteral("well 2"), well);
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 500, 500)), own));
    MapViewer other;
    other.resize(400, 300);
    other.show_object(QStringLiteral("well 2"), well);
    other.show_object(QStringLiteral("corners"), object(QStringLiteral("Point"), {0, 1000}, {0, 1000}));
    QVERIFY(alike(colour_at(other, pixel_of(other, 500, 500)), own));
    // An object without a colour of its own takes the palette's, which
    // counts only such objects.
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 0, 0)), kFirst));
    QVERIFY(alike(colour_at(other, pixel_of(other, 0, 0)), kFirst));
}

void TestMapViewer::another_object_of_the_same_name_replaces_it()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    MapObject first = object(QStringLiteral("Tsurface"), {0, 1000, 0, 1000}, {0, 0, 1000, 1000},
                             QStringLiteral("amp"), {1, 2, 3, 4});
    first.id = 1;
    viewer.show_object(QStringLiteral("big horizon"), first);
    viewer.render_now();
    // A project opened over the other brings another object of that name,
    // with other vertices and another property.
    MapObject second = object(QStringLiteral("Tsurface"), {0, 1000, 500}, {0, 1000, 250},
                              QStringLiteral("depth"), {10, 20, 15});
    second.id = 2;
    viewer.show_object(QStringLiteral("big horizon"), second);
    QCOMPARE(viewer.dpState, DisplayState{"big horizon"});
    QCOMPARE(viewer.shown_id(QStringLiteral("big horizon")), quint64(2));
    QCOMPARE(colour_at(viewer, pixel_of(viewer, 1000, 0)), QColor(Qt::white));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 500, 250)), viridis(15, 10, 20)));
    QVERIFY(viewer.colour_bar_ticks(QStringLiteral("amp")).empty());
    QVERIFY(!viewer.colour_bar_ticks(QStringLiteral("depth")).empty());
    QSignalSpy texts(&viewer, &MapViewer::sig_cursor_text);
    QTest::mouseMove(&viewer, pixel_of(viewer, 500, 250));
    QVERIFY2(last_text(texts).endsWith(QStringLiteral("big horizon, vertex 2: depth = 15")), qPrintable(last_text(texts)));
    QTest::mouseMove(&viewer, pixel_of(viewer, 1000, 0));
    QVERIFY2(!last_text(texts).contains(QStringLiteral("vertex")), qPrintable(last_text(texts)));
}

void TestMapViewer::renamed_object_keeps_its_place_and_colour()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    MapObject a = object(QStringLiteral("Point"), {0}, {0}), b = object(QStringLiteral("Point"), {1000}, {1000});
    a.id = 1;
    b.id = 2;
    viewer.show_object(QStringLiteral("frame"), object(QStringLiteral("Tsurface"), {-500, 1500}, {-500, 1500}));
    viewer.show_object(QStringLiteral("a"), a);
    viewer.show_object(QStringLiteral("b"), b);
    viewer.show_object(QStringLiteral("a2"), a);
    QCOMPARE(viewer.dpState, (DisplayState{"frame", "a2", "b"}));
    QVERIFY(alike(colour_at(viewer, pixel_of(viewer, 0, 0)), kSecond));
    QSignalSpy texts(&viewer, &MapViewer::sig_cursor_text);
    QTest::mouseMove(&viewer, pixel_of(viewer, 0, 0));
    QVERIFY2(last_text(texts).endsWith(QStringLiteral("a2, vertex 0")), qPrintable(last_text(texts)));
    // Renamed to a name another object is shown under: that one goes.
    viewer.show_object(QStringLiteral("b"), a);
    QCOMPARE(viewer.dpState, (DisplayState{"frame", "b"}));
    QCOMPARE(viewer.shown_id(QStringLiteral("b")), quint64(1));
    QCOMPARE(colour_at(viewer, pixel_of(viewer, 1000, 1000)), QColor(Qt::white));
}

void TestMapViewer::wells_are_named_beside_their_markers()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("horizon"), object(QStringLiteral("Tsurface"), {0, 1000}, {0, 1000}));
    viewer.show_object(QStringLiteral("well A"), object(QStringLiteral("Point"), {500, 600}, {500, 600}));
    const QFontMetrics metrics = viewer.fontMetrics();
    // Right of the well's first vertex, where its name goes; and right of
    // the surface's vertex, where none goes.
    auto beside = [&](double x, double y) {
        const QPoint at = pixel_of(viewer, x, y);
        return QRect(at.x() + 10, at.y() - metrics.height() / 4, metrics.horizontalAdvance(QStringLiteral("well A")) - 4,
                     metrics.height() / 2);
    };
    viewer.render_now();
    QVERIFY(viewer.act_show_names->isChecked());
    QImage picture = viewer.grab().toImage();
    QVERIFY(inked(picture, beside(500, 500)));
    QVERIFY(!inked(picture, beside(0, 0)));
    viewer.act_show_names->setChecked(false);
    picture = viewer.grab().toImage();
    QVERIFY(!inked(picture, beside(500, 500)));
}

void TestMapViewer::well_is_drawn_along_its_path_in_md_order()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("corner"), object(QStringLiteral("Point"), {0}, {1000}));
    // Samples listed out of MD order: A (200, 800) at MD 0, B (800, 200) at
    // MD 200, C (800, 800) at MD 100. The path runs from A to C to B.
    viewer.show_object(QStringLiteral("A-1"), well({200, 800, 800}, {800, 200, 800}, {0, 200, 100}));
    viewer.render_now();
    QImage picture = viewer.grab().toImage();
    for (double t : {0.2, 0.4, 0.6, 0.8}) {
        QVERIFY(alike(picture.pixelColor(pixel_of(viewer, 200 + 600 * t, 800)), kSecond));
        QVERIFY(alike(picture.pixelColor(pixel_of(viewer, 800, 800 - 600 * t)), kSecond));
    }
    // Not from A straight to B, as the samples are listed.
    QCOMPARE(picture.pixelColor(pixel_of(viewer, 500, 500)), QColor(Qt::white));
    // One marker, at the wellhead A: drawn beside the path there, not at B.
    const QPoint head = pixel_of(viewer, 200, 800), deepest = pixel_of(viewer, 800, 200);
    for (const QPoint &off : {QPoint(0, 3), QPoint(0, -3)})
        QVERIFY(picture.pixelColor(head + off) != QColor(Qt::white));
    for (const QPoint &off : {QPoint(3, 0), QPoint(-3, 0)})
        QCOMPARE(picture.pixelColor(deepest + off), QColor(Qt::white));

    // The same samples as a point set: a marker at each, no line.
    viewer.hide_object(QStringLiteral("A-1"));
    viewer.show_object(QStringLiteral("points"), object(QStringLiteral("Point"), {200, 800, 800}, {800, 200, 800}));
    viewer.render_now();
    picture = viewer.grab().toImage();
    QCOMPARE(picture.pixelColor(pixel_of(viewer, 500, 800)), QColor(Qt::white));
    QVERIFY(picture.pixelColor(deepest + QPoint(3, 0)) != QColor(Qt::white));
}

void TestMapViewer::well_is_named_at_its_wellhead()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("horizon"), object(QStringLiteral("Tsurface"), {0, 1000}, {0, 1000}));
    // Listed from the deepest sample up: the wellhead is the last, at (300, 700).
    viewer.show_object(QStringLiteral("well A"), well({700, 300}, {300, 700}, {1500, 0}));
    const QFontMetrics metrics = viewer.fontMetrics();
    auto beside = [&](double x, double y) {
        const QPoint at = pixel_of(viewer, x, y);
        return QRect(at.x() + 10, at.y() - metrics.height() / 4,
                     metrics.horizontalAdvance(QStringLiteral("well A")) - 4, metrics.height() / 2);
    };
    viewer.render_now();
    QImage picture = viewer.grab().toImage();
    QVERIFY(inked(picture, beside(300, 700)));
    QVERIFY(!inked(picture, beside(700, 300)));
    viewer.act_show_names->setChecked(false);
    picture = viewer.grab().toImage();
    QVERIFY(!inked(picture, beside(300, 700)));
}

void TestMapViewer::label_texts_never_overlap()
{
    // A dozen texts at one point, around its marker, in an area of 400 x 300.
    const QRectF area(0, 0, 400, 300);
    const QPointF point(200, 150);
    const QRectF marker(195, 145, 10, 10);
    LabelPlacement placement(area, 8);
    placement.reserve(marker);
    std::vector<QRectF> boxes;
    for (int i = 0; i < 12; ++i) {
        if (const auto place = placement.place(point, QSizeF(60, 16)))
            boxes.push_back(place->box);
    }
    // More than fit around the marker, some farther out; none on another,
    // on the marker or outside the area.
    QVERIFY(boxes.size() > 8);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QCOMPARE(boxes[i].size(), QSizeF(60, 16));
        QVERIFY(area.contains(boxes[i]));
        QVERIFY(!boxes[i].intersects(marker));
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            QVERIFY(!boxes[i].intersects(boxes[j]));
    }
    // Near the point: the first right beside the marker.
    QVERIFY(boxes[0].left() > marker.right() && boxes[0].left() < marker.right() + 10);
    QVERIFY(boxes[0].top() < point.y() && boxes[0].bottom() > point.y());
    // A text that fits nowhere is left out.
    LabelPlacement small(QRectF(0, 0, 100, 40), 8);
    QVERIFY(small.place(QPointF(50, 20), QSizeF(30, 16)));
    QVERIFY(small.place(QPointF(50, 20), QSizeF(30, 16)));
    QVERIFY(!small.place(QPointF(50, 20), QSizeF(90, 16)));
}

void TestMapViewer::two_label_texts_at_one_vertex_are_both_written()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("frame"), object(QStringLiteral("Tsurface"), {0, 1000}, {0, 1000}));
    const auto ink_around = [&viewer](const QStringList &texts) {
        MapObject tops = object(QStringLiteral("Label"), {500, 500}, {500, 500});
        tops.texts = texts;
        viewer.show_object(QStringLiteral("tops"), tops);
        viewer.render_now();
        const QPoint at = pixel_of(viewer, 500, 500);
        return inked_count(viewer.grab().toImage(), QRect(at - QPoint(120, 60), at + QPoint(120, 60)));
    };
    const int none = ink_around({QString(), QString()});
    const int one = ink_around({QStringLiteral("Top Balder"), QString()});
    const int two = ink_around({QStringLiteral("Top Balder"), QStringLiteral("Top Balder")});
    // The second text in a place of its own, not over the first.
    QVERIFY2(one > none && two - none > 3 * (one - none) / 2,
             qPrintable(QStringLiteral("%1 %2 %3").arg(none).arg(one).arg(two)));
}

void TestMapViewer::survey_corners_are_written_outside_the_outline()
{
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("frame"), object(QStringLiteral("Tsurface"), {0, 1000}, {0, 1000}));
    MapObject survey = object(QStringLiteral("Survey"), {200, 800, 800, 200, 200}, {200, 200, 800, 800, 200});
    survey.texts = QStringList{"IL 1 XL 1", "IL 1 XL 9", "IL 9 XL 9", "IL 9 XL 1", ""};
    viewer.show_object(QStringLiteral("survey"), survey);
    viewer.render_now();
    const QImage picture = viewer.grab().toImage();
    // At three corners (the fourth lies under the legend): written in the
    // quarter away from the outline, nothing in the quarter inside it.
    struct Corner
    {
        QPointF at;
        QPoint away; // the direction out of the outline, on screen
    };
    for (const Corner &corner : {Corner{{800, 800}, {1, -1}}, Corner{{800, 200}, {1, 1}},
                                 Corner{{200, 200}, {-1, 1}}}) {
        const QPoint at = pixel_of(viewer, corner.at.x(), corner.at.y());
        const auto quarter = [&at](QPoint direction) {
            return QRect(at + 3 * direction, at + 60 * direction).normalized();
        };
        QVERIFY(inked(picture, quarter(corner.away)));
        QVERIFY(!inked(picture, quarter(-corner.away)));
    }
}

void TestMapViewer::readout_digits_and_update_after_a_wheel_zoom()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.show_object(QStringLiteral("horizon"),
                       object(QStringLiteral("Tsurface"), {0, 1000, 1000}, {0, 0, 500}, QStringLiteral("depth"),
                              {1500.123456789, 1600, 1700}));
    viewer.show_object(QStringLiteral("counts"),
                       MapObject{QStringLiteral("Tsurface"), test::array({0}), test::array({1000}),
                                 QStringLiteral("count"),
                                 NdArray::from_values(std::vector<std::int64_t>{123456789012345})});
    viewer.render_now();
    QSignalSpy texts(&viewer, &MapViewer::sig_cursor_text);
    // Six significant digits, and integers as they are.
    QTest::mouseMove(&viewer, pixel_of(viewer, 0, 0));
    QVERIFY2(last_text(texts).endsWith(QStringLiteral("horizon, vertex 0: depth = 1500.12")), qPrintable(last_text(texts)));
    QTest::mouseMove(&viewer, pixel_of(viewer, 0, 1000));
    QVERIFY2(last_text(texts).endsWith(QStringLiteral("counts, vertex 0: count = 123456789012345")),
             qPrintable(last_text(texts)));
    // Twelve pixels from a vertex the readout names none; zoomed out about
    // the mouse, without moving it, the vertex comes within reach.
    const QPoint mouse = pixel_of(viewer, 1000, 0) - QPoint(12, 0);
    QTest::mouseMove(&viewer, mouse);
    QVERIFY2(!last_text(texts).contains(QStringLiteral("vertex")), qPrintable(last_text(texts)));
    wheel(viewer, mouse, -6);
    QTRY_VERIFY2(last_text(texts).endsWith(QStringLiteral("horizon, vertex 1: depth = 1600")), qPrintable(last_text(texts)));
}

void TestMapViewer::export_at_twice_the_size()
{
    QTemporaryDir dir;
    MapViewer &viewer = *m_viewer;
    viewer.show_object(QStringLiteral("frame"), object(QStringLiteral("Tsurface"), {0, 1000}, {0, 1000},
                                                       QStringLiteral("v"), {0, 1}));
    // Two vertices in one screen pixel, at its left and right: apart in a
    // picture drawn at twice the size, not in one enlarged.
    const QTransform to_pixels = viewer.map_to_pixels();
    const QPoint pixel = pixel_of(viewer, 500, 500);
    const QPointF left = to_pixels.inverted().map(QPointF(pixel.x() + 0.2, pixel.y() + 0.7));
    const QPointF right = to_pixels.inverted().map(QPointF(pixel.x() + 0.8, pixel.y() + 0.7));
    viewer.show_object(QStringLiteral("pair"), object(QStringLiteral("Tsurface"), {left.x(), right.x()},
                                                      {left.y(), right.y()}, QStringLiteral("v"), {0, 1}));
    QCOMPARE(viewer.map_to_pixels(), to_pixels);

    const QString twice = dir.filePath(QStringLiteral("twice.png"));
    viewer.export_to(twice, false, 2);
    const QImage picture(twice);
    QCOMPARE(picture.size(), viewer.size() * 2);
    QCOMPARE(picture.pixelColor(2 * pixel.x(), 2 * pixel.y() + 1), viridis(0, 0, 1));
    QCOMPARE(picture.pixelColor(2 * pixel.x() + 1, 2 * pixel.y() + 1), viridis(1, 0, 1));
    // Axes and their labels at twice the size too.
    const QRect area = viewer.map_area();
    QVERIFY(inked(picture, QRect(2 * area.left(), 2 * (area.bottom() + 8), 2 * area.width(), 24)));
    QVERIFY(inked(picture, QRect(2 * area.left() - 40, 2 * area.top(), 30, 2 * area.height())));

    const QString once = dir.filePath(QStringLiteral("once.png"));
    viewer.export_to(once, false);
    const QImage small(once);
    QCOMPARE(small.size(), viewer.size());
    QCOMPARE(small.pixelColor(pixel), viridis(1, 0, 1)); // the later vertex wins the pixel
}

void TestMapViewer::single_point_gets_a_minimum_view()
{
    MapViewer &viewer = *m_viewer;
    // A single well far from the origin, or a vertical one: at least a
    // kilometre around it, not a window of a metre.
    for (const MapObject &well : {object(QStringLiteral("Point"), {431250.5}, {6512380.25}),
                                  object(QStringLiteral("Point"), {431250.5, 431250.5, 431250.5},
                                         {6512380.25, 6512380.25, 6512380.25})}) {
        viewer.hide_all();
        viewer.show_object(QStringLiteral("well"), well);
        const QRectF seen = viewer.map_to_pixels().inverted().mapRect(QRectF(viewer.map_area()));
        QVERIFY2(seen.width() >= 1000 && seen.height() >= 1000,
                 qPrintable(QStringLiteral("%1 x %2").arg(seen.width()).arg(seen.height())));
        QVERIFY(seen.width() < 5000 && seen.height() < 5000);
        QVERIFY(seen.contains(QPointF(431250.5, 6512380.25)));
    }
    // An object of a kilometre is framed as it is.
    viewer.hide_all();
    viewer.show_object(QStringLiteral("surface"), grid(11));
    const QRectF seen = viewer.map_to_pixels().inverted().mapRect(QRectF(viewer.map_area()));
    QVERIFY(std::min(seen.width(), seen.height()) < 1100);
}

void TestMapViewer::a_render_after_a_change_leaves_no_stale_pixels()
{
    MapViewer &viewer = *m_viewer;
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    MapObject well = object(QStringLiteral("Point"), {1500}, {500});
    well.colour = qRgb(200, 30, 160);
    viewer.show_object(QStringLiteral("surface"), grid(500)); // drawn by several threads
    viewer.show_object(QStringLiteral("well"), well);
    // Pictures drawn into buffers used before.
    for (const QColor &background : {QColor(250, 250, 250), QColor(Qt::white), QColor(240, 240, 240)}) {
        viewer.set_background(background);
        viewer.render_now();
    }
    viewer.set_background(Qt::white);
    viewer.hide_object(QStringLiteral("surface"));
    viewer.render_now();
    QVERIFY(viewer.picture_is_current());

    // The same as a viewer that never showed the surface.
    MapViewer fresh;
    fresh.resize(viewer.size());
    fresh.show_object(QStringLiteral("well"), well);
    fresh.render_now();
    QCOMPARE(viewer.grab().toImage(), fresh.grab().toImage());
}

KELVRA_TEST_MAIN(TestMapViewer)
#include "tst_mapviewer.moc"
