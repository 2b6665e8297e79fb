#include "mapmeasure.h"

#include "app/core/objectstore.h"
#include "app/ui/hostwindow.h"
#include "app/ui/objecttreewidget.h"

#include "host/views/mapviewer.h"
#include "host/views/propertyplot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using kelvra::MapViewer;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Seconds from running request to the viewer's next picture painted.
double until_picture(MapViewer &viewer, const std::function<void()> &request)
{
    QEventLoop loop;
    const QMetaObject::Connection ready =
        QObject::connect(&viewer, &MapViewer::sig_picture_ready, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, [&loop] {
        std::fprintf(stderr, "no picture within a minute\n");
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    request();
    if (!viewer.picture_is_current())
        loop.exec();
    viewer.repaint();
    const double seconds = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(ready);
    return seconds;
}

double timed(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e9;
}

// The floor: each vertex of the arrays to its pixel's colour, as plainly as
// it can be written.
double floor_pass(const kelvra::app::GeoObject &object, const QTransform &to_pixels, const QRect &area, QImage &image)
{
    const kelvra::NdArray &x = object.prop().value(QStringLiteral("X"));
    const kelvra::NdArray &y = object.prop().value(QStringLiteral("Y"));
    const kelvra::NdArray &values = object.prop().value(*object.current_property());
    return timed([&] {
        const double sx = to_pixels.m11(), ox = to_pixels.dx() - area.left();
        const double sy = to_pixels.m22(), oy = to_pixels.dy() - area.top();
        const double width = image.width(), height = image.height();
        auto *pixels = reinterpret_cast<QRgb *>(image.bits());
        QRgb table[256];
        for (int i = 0; i < 256; ++i)
            table[i] = qRgb(i, i, 255 - i);
        const double low = -1, scale = 128; // a colour scale from -1 to 1
        const double *xs = x.data<double>(), *ys = y.data<double>();
        kelvra::visit_real(values, [&](const auto *v) {
            for (std::int64_t i = 0, n = x.size(); i < n; ++i) {
                const double column = xs[i] * sx + ox, row = ys[i] * sy + oy;
                if (column >= 0 && column < width && row >= 0 && row < height) {
                    const double scaled = (double(v[i]) - low) * scale;
                    const int index = scaled <= 0 ? 0 : scaled >= 255 ? 255 : int(scaled);
                    pixels[std::size_t(row) * std::size_t(width) + std::size_t(column)] = table[index];
                }
            }
        });
    });
}

} // namespace

MapFigures measure_map(kelvra::app::HostWindow &window, const QStringList &objects, QSize map_size, int runs)
{
    using namespace kelvra::app;
    window.show();
    auto *viewer = qobject_cast<MapViewer *>(window.current_viewer.data());
    auto *plot = qobject_cast<kelvra::PropertyPlot *>(window.plotWidget.data());
    if (!viewer || !plot)
        qFatal("the window has no map viewer or no plot");
    window.show_objects(objects);
    window.objects->select(objects.first());
    // The map's size is the viewer's less its axes and colour bars.
    window.resize(map_size + QSize(700, 600));
    QApplication::processEvents();
    viewer->setFixedSize(viewer->size() + map_size - viewer->map_area().size());
    QApplication::processEvents();
    viewer->render_now();
    plot->wait_until_plotted(); // a long property's curve comes a moment after its titles
    if (viewer->map_area().size() != map_size)
        qFatal("the map is not %dx%d pixels", map_size.width(), map_size.height());

    MapFigures figures{};
    std::vector<double> first, redraw, zoom, pan, replot, floor;
    const GeoObject *object = window.store->get(objects.first());
    QImage floor_image(map_size, QImage::Format_ARGB32_Premultiplied);
    const QPointF centre = QRectF(viewer->map_area()).center();
    for (int run = 0; run < runs; ++run) {
        viewer->hide_all();
        first.push_back(until_picture(*viewer, [&] { window.show_objects(objects); }));

        // The floor and a redraw, one after the other, on the same arrays in the same view.
        floor_image.fill(Qt::white);
        floor.push_back(floor_pass(*object, viewer->map_to_pixels(), viewer->map_area(), floor_image));
        const QColor background = run % 2 ? Qt::white : QColor(250, 250, 250);
        redraw.push_back(until_picture(*viewer, [&] { viewer->set_background(background); }));

        const int notch = run % 2 ? -120 : 120;
        zoom.push_back(until_picture(*viewer, [&] {
            QWheelEvent wheel(centre, QPointF(viewer->mapToGlobal(centre.toPoint())), QPoint(), QPoint(0, notch), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewer, &wheel);
        }));
        const int key = run % 2 ? Qt::Key_Left : Qt::Key_Right;
        pan.push_back(until_picture(*viewer, [&] {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(viewer, &press);
        }));
        replot.push_back(timed([&] {
            plot->replot();
            plot->canvas()->repaint();
        }));
    }
    figures.first_picture = median(first);
    figures.redraw = median(redraw);
    figures.zoom_step = median(zoom);
    figures.pan_step = median(pan);
    figures.plot_redraw = median(replot);
    figures.floor = median(floor);
    return figures;
}
