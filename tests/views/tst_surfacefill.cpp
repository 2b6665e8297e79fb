// Continuous surfaces: which pixels a grid or a triangulated surface
// paints, with which colour and which node, at every zoom.

#include "testmain.h"

#include "host/views/contours.h"
#include "host/views/surfacefill.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace kelvra;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// A picture of width x height pixels whose pixel (c, r) has its centre on
// map point (c * step + x0, y0 - r * step): north up.
struct Canvas
{
    Canvas(int width, int height, double step = 1, double x0 = 0, double y0 = 0)
        : keys(std::size_t(width * height), 0)
        , colours(std::size_t(width * height), 0)
    {
        view.size = QSize(width, height);
        view.sx = 1 / step;
        view.ox = 0.5 - x0 / step;
        view.sy = -1 / step;
        view.oy = 0.5 + y0 / step;
        target = PixelTarget{width, height, keys.data(), colours.data()};
    }
    QPointF centre(int column, int row) const { return view.to_map(QPointF(column + 0.5, row + 0.5)); }
    std::size_t at(int column, int row) const { return std::size_t(row * view.size.width() + column); }
    int painted() const { return int(std::count_if(keys.begin(), keys.end(), [](auto key) { return key != 0; })); }

    MapView view;
    std::vector<std::uint64_t> keys;
    std::vector<QRgb> colours;
    PixelTarget target;
};

GridGeometry grid_of(std::int64_t columns, std::int64_t rows, double spacing, double rotation = 0)
{
    GridGeometry grid;
    grid.columns = columns;
    grid.rows = rows;
    grid.x_increment = grid.y_increment = spacing;
    grid.rotation = rotation;
    return grid;
}

// A colour table whose entry k is the colour with blue k, so that a
// colour tells its entry.
const QRgb *table()
{
    static const std::vector<QRgb> entries = [] {
        std::vector<QRgb> colours(256);
        for (int k = 0; k < 256; ++k)
            colours[std::size_t(k)] = qRgb(0, 0, k);
        return colours;
    }();
    return entries.data();
}

// The table entry of value on the scale low to high, computed here apart
// from the code under test.
QRgb colour_of(double value, double low, double high)
{
    const double index = std::floor(256 * (value - low) / (high - low));
    return table()[std::size_t(std::clamp(index, 0.0, 255.0))];
}

constexpr std::uint64_t kBase = std::uint64_t(1) << 40;

} // namespace

class TestSurfaceFill : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void grid_cells_are_filled_and_interpolated();
    void null_nodes_are_holes();
    void rotated_grid_lands_where_its_nodes_are();
    void zoomed_out_grid_shows_means_not_moire();
    void cube_layer_is_its_own_slice();
    void colours_hold_for_spans_past_the_largest_double();
    void triangles_cover_without_gaps();
    void triangle_with_a_null_corner_is_a_hole();
    void contour_values_are_round();
    void grid_contours_follow_the_values();
    void triangle_contours_join_across_triangles();
};

void TestSurfaceFill::grid_cells_are_filled_and_interpolated()
{
    // 3 x 2 nodes 10 apart, value i + 3 j; one pixel per map unit.
    const GridGeometry grid = grid_of(3, 2, 10);
    const NdArray values = NdArray::from_values(std::vector<double>{0, 1, 2, 3, 4, 5});
    Canvas canvas(30, 20, 1, -5, 15);
    const GridLevels levels(grid, values);
    const FillColours colours{table(), 0, 5, std::nullopt};
    QVERIFY(fill_grid(levels, canvas.view, colours, kBase, 0, 20, canvas.target, {}));

    int inside = 0;
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 30; ++column) {
            const QPointF p = canvas.centre(column, row);
            const bool within = p.x() >= 0 && p.x() <= 20 && p.y() >= 0 && p.y() <= 10;
            inside += within;
            QCOMPARE(canvas.keys[canvas.at(column, row)] != 0, within);
        }
    }
    QCOMPARE(canvas.painted(), inside);

    // Between the four nodes of the first cell: their mean, 2.
    const auto pixel = [&canvas](double x, double y) {
        return canvas.at(int(std::lround(x + 5)), int(std::lround(15 - y)));
    };
    QCOMPARE(canvas.colours[pixel(5, 5)], colour_of(2, 0, 5));
    // Three tenths of the way along the first row: 0.3.
    QCOMPARE(canvas.colours[pixel(3, 0)], colour_of(0.3, 0, 5));
    // On a node: its own value, and its vertex number in the key.
    QCOMPARE(canvas.colours[pixel(20, 10)], colour_of(5, 0, 5));
    QCOMPARE(canvas.keys[pixel(20, 10)], kBase | 5);
    QCOMPARE(canvas.keys[pixel(4, 2)], kBase | 0);
    QCOMPARE(canvas.keys[pixel(6, 7)], kBase | 4);

    // A pixel that holds a larger key (a layer drawn over this one) is kept.
    Canvas over(30, 20, 1, -5, 15);
    over.keys[pixel(5, 5)] = (kBase << 1) | 1;
    over.colours[pixel(5, 5)] = 0xff123456;
    fill_grid(levels, over.view, colours, kBase, 0, 20, over.target, {});
    QCOMPARE(over.colours[pixel(5, 5)], QRgb(0xff123456));
}

void TestSurfaceFill::null_nodes_are_holes()
{
    // 3 x 3 nodes 10 apart; the middle one is null.
    const GridGeometry grid = grid_of(3, 3, 10);
    const NdArray values = NdArray::from_values(std::vector<double>{1, 1, 1, 1, kNaN, 1, 1, 1, 1});
    Canvas canvas(21, 21, 1, 0.25, 20.25); // no centre halfway between two nodes
    const GridLevels levels(grid, values);
    fill_grid(levels, canvas.view, {table(), 0, 2, std::nullopt}, kBase, 0, 21, canvas.target, {});
    // Points nearer the null node than any other are not drawn; the
    // others have the value of their nearest node.
    for (int row = 0; row < 21; ++row) {
        for (int column = 0; column < 21; ++column) {
            const QPointF p = canvas.centre(column, row);
            if (p.x() > 20 || p.y() > 20)
                continue; // beyond the grid
            const bool near_null = std::abs(p.x() - 10) < 5 && std::abs(p.y() - 10) < 5;
            QCOMPARE(canvas.keys[canvas.at(column, row)] == 0, near_null);
            if (!near_null)
                QCOMPARE(canvas.colours[canvas.at(column, row)], colour_of(1, 0, 2));
        }
    }
}

void TestSurfaceFill::rotated_grid_lands_where_its_nodes_are()
{
    // Rotated by 90 degrees: node (i, j) lies at (-10 j, 10 i).
    const GridGeometry grid = grid_of(3, 2, 10, 90);
    const NdArray values = NdArray::from_values(std::vector<double>{0, 1, 2, 3, 4, 5});
    Canvas canvas(20, 30, 1, -15, 25);
    fill_grid(GridLevels(grid, values), canvas.view, {table(), 0, 5, std::nullopt}, kBase, 0, 30,
              canvas.target, {});
    for (std::int64_t j = 0; j < 2; ++j) {
        for (std::int64_t i = 0; i < 3; ++i) {
            const std::size_t pixel = canvas.at(int(std::lround(-10.0 * j + 15)), int(std::lround(25 - 10.0 * i)));
            QCOMPARE(canvas.keys[pixel], kBase | std::uint64_t(j * 3 + i));
            QCOMPARE(canvas.colours[pixel], colour_of(double(j * 3 + i), 0, 5));
        }
    }
    // East of the origin lies nothing: the grid runs north and west.
    QCOMPARE(canvas.keys[canvas.at(18, 25)], std::uint64_t(0));
}

void TestSurfaceFill::zoomed_out_grid_shows_means_not_moire()
{
    // A 1024 x 1024 checkerboard of 0 and 1, 16 nodes to a pixel: every
    // pixel over it shows the mean, 0.5, whatever its position.
    const GridGeometry grid = grid_of(1024, 1024, 1);
    std::vector<double> board(1024 * 1024);
    for (std::size_t k = 0; k < board.size(); ++k)
        board[k] = double((k % 1024 + k / 1024) % 2);
    Canvas canvas(70, 70, 16, -8, 1100);
    const GridLevels levels(grid, NdArray::from_values(board));
    QCOMPARE(grid_level_for(levels, canvas.view), 4);
    fill_grid(levels, canvas.view, {table(), 0, 1, std::nullopt}, kBase, 0, 70, canvas.target, {});
    int inside = 0;
    for (int row = 0; row < 70; ++row) {
        for (int column = 0; column < 70; ++column) {
            const QPointF p = canvas.centre(column, row);
            if (p.x() < 0 || p.x() > 1023 || p.y() < 0 || p.y() > 1023)
                continue;
            ++inside;
            QCOMPARE(canvas.colours[canvas.at(column, row)], colour_of(0.5, 0, 1));
        }
    }
    QCOMPARE(canvas.painted(), inside);

    // Zoomed in, the same grid shows its squares: full resolution.
    Canvas close(8, 8, 0.5, 0, 3.5);
    QCOMPARE(grid_level_for(levels, close.view), 0);
    fill_grid(levels, close.view, {table(), 0, 1, std::nullopt}, kBase, 0, 8, close.target, {});
    QCOMPARE(close.colours[close.at(0, 7)], colour_of(0, 0, 1));   // node (0, 0)
    QCOMPARE(close.colours[close.at(2, 7)], colour_of(1, 0, 1));   // node (1, 0)
}

void TestSurfaceFill::cube_layer_is_its_own_slice()
{
    // 2 x 1 nodes, 3 samples each: sample k of node i is 10 i + k.
    GridGeometry cube = grid_of(2, 1, 10);
    cube.layers = 3;
    cube.z_increment = -4;
    const NdArray values = NdArray::from_values(std::vector<float>{0, 1, 2, 10, 11, 12});
    const GridLevels slice(cube, values, 2);
    QCOMPARE(slice.value(0, 0, 0), 2.0);
    QCOMPARE(slice.value(0, 1, 0), 12.0);
    Canvas canvas(11, 3, 1, 0, 1);
    fill_grid(slice, canvas.view, {table(), 2, 12, std::nullopt}, kBase, 0, 3, canvas.target, {});
    QCOMPARE(canvas.colours[canvas.at(10, 1)], colour_of(12, 2, 12));
    QCOMPARE(canvas.keys[canvas.at(10, 1)], kBase | std::uint64_t(cube.vertex(1, 0, 2)));
    QVERIFY_EXCEPTION_THROWN(GridLevels(cube, values, 3), ValueError);
    QVERIFY_EXCEPTION_THROWN(GridLevels(grid_of(2, 2, 1), values), ValueError);
}

void TestSurfaceFill::colours_hold_for_spans_past_the_largest_double()
{
    const double big = 1e308;
    const GridGeometry grid = grid_of(3, 1, 1);
    const NdArray values = NdArray::from_values(std::vector<double>{-big, 0, big});
    Canvas canvas(3, 1, 1, 0, 0);
    fill_grid(GridLevels(grid, values), canvas.view, {table(), -big, big, std::nullopt}, kBase, 0, 1,
              canvas.target, {});
    QCOMPARE(canvas.colours[0], table()[0]);
    QCOMPARE(canvas.colours[1], table()[128]);
    QCOMPARE(canvas.colours[2], table()[255]);
    // An empty scale paints the first colour; a uniform colour overrides.
    Canvas flat(3, 1, 1, 0, 0);
    fill_grid(GridLevels(grid, values), flat.view, {table(), 1, 1, std::nullopt}, kBase, 0, 1,
              flat.target, {});
    QCOMPARE(flat.colours[2], table()[0]);
    fill_grid(GridLevels(grid, values), flat.view, {table(), 0, 1, QRgb(0xff00ff00)}, kBase << 1, 0,
              1, flat.target, {});
    QCOMPARE(flat.colours[1], QRgb(0xff00ff00));
}

void TestSurfaceFill::triangles_cover_without_gaps()
{
    // A square of two triangles, values 0, 10, 20, 10 at its corners.
    const NdArray x = NdArray::from_values(std::vector<double>{0, 10, 10, 0});
    const NdArray y = NdArray::from_values(std::vector<double>{0, 0, 10, 10});
    const NdArray values = NdArray::from_values(std::vector<double>{0, 10, 20, 10});
    const NdArray triangles = NdArray::from_values(std::vector<std::int32_t>{0, 1, 2, 0, 2, 3}, {2, 3});
    Canvas canvas(40, 40, 0.5, -2, 12);
    QVERIFY(fill_triangles(triangles, 0, 2, x, y, values, canvas.view, {table(), 0, 20, std::nullopt},
                           kBase, canvas.target, {}));
    int inside = 0;
    for (int row = 0; row < 40; ++row) {
        for (int column = 0; column < 40; ++column) {
            const QPointF p = canvas.centre(column, row);
            const bool within = p.x() >= 0 && p.x() <= 10 && p.y() >= 0 && p.y() <= 10;
            inside += within;
            QCOMPARE(canvas.keys[canvas.at(column, row)] != 0, within);
        }
    }
    QCOMPARE(canvas.painted(), inside);
    // On the shared diagonal at (5, 5): halfway from 0 to 20. At (7.5, 1),
    // in the first triangle: 0.25 * 0 + 0.65 * 10 + 0.1 * 20 = 8.5.
    QCOMPARE(canvas.colours[canvas.at(14, 14)], colour_of(10, 0, 20));
    QCOMPARE(canvas.colours[canvas.at(19, 22)], colour_of(8.5, 0, 20));
    QCOMPARE(canvas.keys[canvas.at(23, 22)], kBase | 1); // (9.5, 1) is nearest corner 1
}

void TestSurfaceFill::triangle_with_a_null_corner_is_a_hole()
{
    const NdArray x = NdArray::from_values(std::vector<double>{0, 10, 10, 0});
    const NdArray y = NdArray::from_values(std::vector<double>{0, 0, 10, 10});
    const NdArray values = NdArray::from_values(std::vector<float>{0, 10, 20, float(kNaN)});
    const NdArray triangles = NdArray::from_values(std::vector<std::int64_t>{0, 1, 2, 0, 2, 3}, {2, 3});
    Canvas canvas(20, 20, 1, -5, 15);
    fill_triangles(triangles, 0, 2, x, y, values, canvas.view, {table(), 0, 20, std::nullopt}, kBase,
                   canvas.target, {});
    QVERIFY(canvas.keys[canvas.at(12, 12)] != 0); // (7, 3): first triangle
    QCOMPARE(canvas.keys[canvas.at(8, 8)], std::uint64_t(0)); // (3, 7): the second triangle is a hole
    // A corner past the vertices is refused by the object model; here it is skipped.
    const NdArray wrong = NdArray::from_values(std::vector<std::int32_t>{0, 1, 9}, {1, 3});
    Canvas none(20, 20, 1, -5, 15);
    fill_triangles(wrong, 0, 1, x, y, values, none.view, {table(), 0, 20, std::nullopt}, kBase,
                   none.target, {});
    QCOMPARE(none.painted(), 0);
}

void TestSurfaceFill::contour_values_are_round()
{
    QCOMPARE(contour_values(0, 100, 10), (std::vector<double>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    QCOMPARE(contour_values(-0.00045, 0.00031, 10),
             (std::vector<double>{-4e-4, -3e-4, -2e-4, -1e-4, 0, 1e-4, 2e-4, 3e-4}));
    QCOMPARE(contour_values(1230, 1270, 4), (std::vector<double>{1240, 1250, 1260}));
    QVERIFY(contour_values(5, 5).empty());
    QVERIFY(contour_values(0, qInf()).empty());
    QVERIFY(contour_values(kNaN, 1).empty());
    const std::vector<double> huge = contour_values(-1e308, 1e308, 10);
    QVERIFY(!huge.empty() && huge.size() <= 30);
    QVERIFY(std::all_of(huge.begin(), huge.end(), [](double v) { return std::isfinite(v); }));
}

void TestSurfaceFill::grid_contours_follow_the_values()
{
    // 5 x 5 nodes 10 apart, value i: the contour at 1.5 runs north along x = 15.
    const GridGeometry grid = grid_of(5, 5, 10);
    std::vector<double> ramp;
    for (int j = 0; j < 5; ++j) {
        for (int i = 0; i < 5; ++i)
            ramp.push_back(i);
    }
    const std::vector<ContourLine> lines = trace_grid_contours(GridLevels(grid, NdArray::from_values(ramp)), 0, {1.5});
    QCOMPARE(lines.size(), std::size_t(1));
    QCOMPARE(lines[0].value, 1.5);
    QCOMPARE(lines[0].points.size(), std::size_t(5));
    std::vector<double> ys;
    for (const QPointF &point : lines[0].points) {
        QCOMPARE(point.x(), 15.0);
        ys.push_back(point.y());
    }
    std::sort(ys.begin(), ys.end());
    QCOMPARE(ys, (std::vector<double>{0, 10, 20, 30, 40}));

    // A hole at node (2, 2) breaks it in two.
    ramp[2 * 5 + 2] = kNaN;
    QCOMPARE(trace_grid_contours(GridLevels(grid, NdArray::from_values(ramp)), 0, {1.5}).size(), std::size_t(2));

    // A hill closes its contour on itself.
    std::vector<double> hill;
    for (int j = 0; j < 5; ++j) {
        for (int i = 0; i < 5; ++i)
            hill.push_back(-((i - 2) * (i - 2) + (j - 2) * (j - 2)));
    }
    const std::vector<ContourLine> ring = trace_grid_contours(GridLevels(grid, NdArray::from_values(hill)), 0, {-2.5});
    QCOMPARE(ring.size(), std::size_t(1));
    QCOMPARE(ring[0].points.front(), ring[0].points.back());
    for (const QPointF &point : ring[0].points)
        QVERIFY(std::hypot(point.x() - 20, point.y() - 20) < 20);
}

void TestSurfaceFill::triangle_contours_join_across_triangles()
{
    const NdArray x = NdArray::from_values(std::vector<double>{0, 10, 10, 0});
    const NdArray y = NdArray::from_values(std::vector<double>{0, 0, 10, 10});
    const NdArray values = NdArray::from_values(std::vector<double>{0, 10, 20, 10});
    const NdArray triangles = NdArray::from_values(std::vector<std::int32_t>{0, 1, 2, 0, 2, 3}, {2, 3});
    const std::vector<ContourLine> lines = trace_triangle_contours(triangles, x, y, values, {5});
    QCOMPARE(lines.size(), std::size_t(1));
    std::vector<QPointF> points = lines[0].points;
    if (points.front().x() < points.back().x())
        std::reverse(points.begin(), points.end());
    QCOMPARE(points, (std::vector<QPointF>{{5, 0}, {2.5, 2.5}, {0, 5}}));
}

KELVRA_TEST_MAIN(TestSurfaceFill)
#include "tst_surfacefill.moc"
