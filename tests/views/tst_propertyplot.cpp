// The property plot on many values: it reads the property's array itself,
// keeps every spike visible when there are more values than pixels, and
// still zooms and pans.

#include "testmain.h"
#include "testsupport.h"

#include "host/dataobject.h"
#include "host/views/propertycurve.h"
#include "host/views/propertyplot.h"

#include <QWheelEvent>
#include <QtTest>

#include <qwt_scale_div.h>

using namespace kelvra;

namespace {

class Holder : public DataObject
{
public:
    explicit Holder(NdArray values) { m_prop.insert(QStringLiteral("amplitude"), std::move(values)); }
    QString name() const override { return QStringLiteral("horizon"); }
    const PropertyMap &prop() const override { return m_prop; }
    std::optional<QString> current_property() const override { return QStringLiteral("amplitude"); }

private:
    PropertyMap m_prop;
};

// A million float32 zeros (or as many as asked) with a spike up at 123457
// and one down at 876543.
NdArray spiky(std::int64_t count = 1000000)
{
    NdArray values(DType::Float32, {count});
    values.data<float>()[123457] = 10;
    values.data<float>()[876543] = -10;
    return values;
}

const QColor kCurve(31, 119, 180);

// The rows of the canvas picture in which the curve's colour appears.
std::pair<int, int> inked_rows(QwtPlot &plot)
{
    plot.replot();
    const QImage canvas = plot.canvas()->grab().toImage();
    int top = canvas.height(), bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixelColor(x, y) == kCurve) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return {top, bottom};
}

// Shows the plot on screen, 500 x 300 pixels, with the holder's property;
// whether it got on screen.
bool shown(PropertyPlot &plot, const Holder &holder)
{
    plot.resize(500, 300);
    plot.show();
    const bool exposed = QTest::qWaitForWindowExposed(&plot);
    plot.show_property(holder);
    return exposed;
}

double x_span(const QwtPlot &plot)
{
    return plot.axisScaleDiv(QwtPlot::xBottom).range();
}

} // namespace

class TestPropertyPlot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reads_the_property_array();
    void every_spike_stays_visible();
    void zoom_and_pan_keep_working();
    void long_property_is_measured_beside_the_gui_thread();
};

void TestPropertyPlot::reads_the_property_array()
{
    const Holder holder(spiky());
    PropertyPlot plot;
    plot.show_property(holder);
    QVERIFY(plot.curve->values().shares_storage(holder.prop().value(QStringLiteral("amplitude"))));
    QCOMPARE(plot.curve->values().dtype(), DType::Float32);
    QCOMPARE(plot.curve->dataSize(), size_t(1000000));
    QCOMPARE(plot.curve->sample(123457), QPointF(123457, 10));
}

void TestPropertyPlot::every_spike_stays_visible()
{
    const Holder holder(spiky());
    PropertyPlot plot;
    QVERIFY(shown(plot, holder));
    // Two single values among a million, 2,500 to a pixel column: drawn from
    // the top of the canvas to its bottom.
    const auto [top, bottom] = inked_rows(plot);
    const int height = plot.canvas()->height();
    QVERIFY2(top < height / 10 && bottom > height * 9 / 10, qPrintable(QStringLiteral("%1 %2").arg(top).arg(bottom)));
}

void TestPropertyPlot::long_property_is_measured_beside_the_gui_thread()
{
    // Titles at once; the curve once the values' range is measured.
    const Holder first(spiky(3000000)), second(spiky(2000000));
    PropertyPlot plot;
    plot.show_property(first);
    QCOMPARE(plot.axisTitle(QwtPlot::yLeft).text(), QStringLiteral("amplitude"));
    QCOMPARE(plot.curve->dataSize(), size_t(0));
    // A property shown before the first is measured wins.
    plot.show_property(second);
    plot.wait_until_plotted();
    QVERIFY(plot.curve->values().shares_storage(second.prop().value(QStringLiteral("amplitude"))));
    QCOMPARE(plot.axisScaleDiv(QwtPlot::yLeft).lowerBound(), -10.0);
    QCOMPARE(plot.axisScaleDiv(QwtPlot::yLeft).upperBound(), 10.0);
    QTest::qWait(50); // the first one's measures arrive and are dropped
    QCOMPARE(plot.curve->dataSize(), size_t(2000000));
}

void TestPropertyPlot::zoom_and_pan_keep_working()
{
    const Holder holder(spiky());
    PropertyPlot plot;
    QVERIFY(shown(plot, holder));
    const double whole = x_span(plot);

    // Turning the wheel forward on the canvas zooms in, as on the map.
    QWidget *canvas = plot.canvas();
    const QPointF centre = QRectF(canvas->rect()).center();
    QWheelEvent wheel(centre, canvas->mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    QVERIFY(x_span(plot) < whole);

    // Close in on the upward spike: few values, drawn as a line through each.
    plot.setAxisScale(QwtPlot::xBottom, 123440, 123480);
    const auto [top, bottom] = inked_rows(plot);
    QVERIFY(top < plot.canvas()->height() / 10);
    QVERIFY(bottom > top);
    plot.zoom_to_fit();
    QCOMPARE(x_span(plot), whole);
}

KELVRA_TEST_MAIN(TestPropertyPlot)
#include "tst_propertyplot.moc"
