// The map viewer and the property plot on a large surface, offscreen.
//
//   mapview [--millions N] [--runs R] [--save PROJECT]
//
// Builds a surface of N million vertices (default 25) in memory with the
// project's own objects: a square grid with X, Y, Z in float64, a float64
// property "amplitude" (current) and a float32 property "porosity". Opens
// it in the real main window and prints the map and plot figures of
// measure_map beside the floor of a map redraw. --save writes the surface
// as a project file first, for timing `kelvra PROJECT --screenshot FILE`.

#include "mapmeasure.h"

#include "app/core/objectfile.h"
#include "app/core/objectstore.h"
#include "app/ui/hostwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QThread>

#include <cmath>
#include <cstdio>

using namespace kelvra;
using namespace kelvra::app;

namespace {

std::unique_ptr<GeoObject> surface(std::int64_t side)
{
    const std::int64_t count = side * side;
    NdArray x(DType::Float64, {count}), y(DType::Float64, {count}), z(DType::Float64, {count});
    NdArray amplitude(DType::Float64, {count}), porosity(DType::Float32, {count});
    double *xs = x.data<double>(), *ys = y.data<double>(), *zs = z.data<double>();
    double *as = amplitude.data<double>();
    float *ps = porosity.data<float>();
    for (std::int64_t row = 0; row < side; ++row) {
        for (std::int64_t column = 0; column < side; ++column) {
            const std::int64_t i = row * side + column;
            xs[i] = 430000.0 + 2.0 * double(column);
            ys[i] = 6510000.0 + 2.0 * double(row);
            zs[i] = 1800.0 + 40.0 * std::sin(double(column) / 700.0) + 25.0 * std::cos(double(row) / 500.0);
            as[i] = std::sin(double(column) / 300.0) * std::cos(double(row) / 400.0);
            ps[i] = float(0.2 + 0.05 * std::sin(double(i % 9973)));
        }
    }
    PropertyMap prop;
    prop.insert(QStringLiteral("X"), x);
    prop.insert(QStringLiteral("Y"), y);
    prop.insert(QStringLiteral("Z"), z);
    prop.insert(QStringLiteral("amplitude"), amplitude);
    prop.insert(QStringLiteral("porosity"), porosity);
    return std::make_unique<GeoObject>(QStringLiteral("horizon"), QStringLiteral("Tsurface"), std::move(prop),
                                       QStringLiteral("amplitude"));
}

void row(const char *what, double seconds, double floor)
{
    std::printf("%-22s %8.3f %10.3f %7.2f\n", what, seconds, floor, seconds / floor);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption millions(QStringLiteral("millions"), QStringLiteral("Vertices, in millions."),
                                      QStringLiteral("N"), QStringLiteral("25"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs per figure."), QStringLiteral("R"),
                                  QStringLiteral("10"));
    const QCommandLineOption save(QStringLiteral("save"), QStringLiteral("Save the surface as a project first."),
                                  QStringLiteral("PROJECT"));
    parser.addOptions({millions, runs, save});
    parser.addHelpOption();
    parser.process(app);

    const auto side = std::int64_t(std::llround(std::sqrt(parser.value(millions).toDouble() * 1e6)));
    HostWindow window;
    std::vector<std::unique_ptr<GeoObject>> objects;
    objects.push_back(surface(side));
    window.store->replace_all(std::move(objects));
    if (parser.isSet(save)) {
        QElapsedTimer clock;
        clock.start();
        save_objects(parser.value(save), window.store->records());
        std::printf("saved %s in %.2f s\n", qPrintable(parser.value(save)), clock.nsecsElapsed() / 1e9);
    }

    const MapFigures figures = measure_map(window, {QStringLiteral("horizon")}, QSize(1200, 800),
                                           parser.value(runs).toInt());
    std::printf("surface of %lld vertices, map 1200 x 800 pixels, %d threads, medians of %d runs\n\n",
                static_cast<long long>(side * side), QThread::idealThreadCount(), parser.value(runs).toInt());
    std::printf("%-22s %8s %10s %7s\n", "", "seconds", "floor s", "ratio");
    row("map redraw", figures.redraw, figures.floor);
    row("zoom step", figures.zoom_step, figures.floor);
    row("pan step", figures.pan_step, figures.floor);
    row("first map picture", figures.first_picture, figures.floor);
    std::printf("%-22s %8.3f\n", "plot redraw", figures.plot_redraw);
    std::printf("\ntargets: redraw, zoom and pan <= 0.15 s and <= 1.5 x floor; first picture <= 0.3 s; "
                "plot <= 0.15 s\n");
    return 0;
}
