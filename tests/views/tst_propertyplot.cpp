// The property plot on many values: it reads the property's array itself,
// keeps every spike visible when there are more values than pixels, and
// still zooms and pans; a well's curve is plotted against depth, as a log.

#include "testmain.h"
#include "testsupport.h"
#include "valuecases.h"

#include "host/dataobject.h"
#include "host/views/propertycurve.h"
#include "host/views/plotwidget.h"
#include "host/views/propertyplot.h"

#include <QAction>

#include <QWheelEvent>
#include <QtTest>

#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>

#include <cmath>

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

// A well (a Point with MD) of five samples 10 m apart from MD 1000 m, Z
// falling from -900 m, and a gamma ray curve.
class Well : public DataObject
{
public:
    explicit Well(std::initializer_list<double> gamma, const QString &type = QStringLiteral("Point"),
                  bool md = true)
        : m_type(type)
    {
        m_prop.insert(QStringLiteral("X"), test::array({0, 0, 0, 0, 0}));
        m_prop.insert(QStringLiteral("Y"), test::array({0, 0, 0, 0, 0}));
        m_prop.insert(QStringLiteral("Z"), test::array({-900, -910, -920, -930, -940}));
        if (md)
            m_prop.insert(QStringLiteral("MD"), test::array({1000, 1010, 1020, 1030, 1040}));
        m_prop.insert(QStringLiteral("GR"), test::array(gamma));
    }
    QString name() const override { return QStringLiteral("A-1"); }
    const PropertyMap &prop() const override { return m_prop; }
    std::optional<QString> current_property() const override { return QStringLiteral("GR"); }
    QString geometry_type() const override { return m_type; }
    QString unit(const QString &property) const override
    {
        return property == QLatin1String("GR") ? QStringLiteral("gAPI") : QStringLiteral("m");
    }

private:
    QString m_type;
    PropertyMap m_prop;
};

// Whether the curve's colour is within a pixel of the plot point (x, y).
bool drawn_near(QwtPlot &plot, double x, double y)
{
    plot.replot();
    const QImage canvas = plot.canvas()->grab().toImage();
    const QPoint at(int(plot.canvasMap(QwtPlot::xBottom).transform(x)),
                    int(plot.canvasMap(QwtPlot::yLeft).transform(y)));
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (canvas.pixelColor(at + QPoint(dx, dy)) == kCurve)
                return true;
        }
    }
    return false;
}

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

// The labels of an axis's major ticks, as drawn.
QStringList tick_labels(const QwtPlot &plot, int axis)
{
    QStringList labels;
    for (double value : plot.axisScaleDiv(axis).ticks(QwtScaleDiv::MajorTick))
        labels << plot.axisScaleDraw(axis)->label(value).text();
    return labels;
}

// The rows of one canvas column in which the curve's colour appears.
std::pair<int, int> inked_rows_at(QwtPlot &plot, int column)
{
    plot.replot();
    const QImage canvas = plot.canvas()->grab().toImage();
    int top = canvas.height(), bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        if (canvas.pixelColor(column, y) == kCurve) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return {top, bottom};
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
    void values_of_every_type_and_range_data();
    void values_of_every_type_and_range();
    void first_and_last_values_reach_their_columns();
    void axes_written_as_the_map_writes_them();
    void well_is_plotted_against_depth_growing_downward();
    void depth_z_plots_the_well_against_minus_z();
    void non_finite_samples_break_the_log();
    void other_objects_keep_the_vertex_plot();
    void long_log_is_measured_beside_the_gui_thread();
    void every_spike_of_a_long_log_stays_visible();
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

void TestPropertyPlot::values_of_every_type_and_range_data()
{
    QTest::addColumn<int>("which");
    const std::vector<test::ValueCase> cases = test::value_cases();
    for (std::size_t i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].name) << int(i);
}

void TestPropertyPlot::values_of_every_type_and_range()
{
    QFETCH(int, which);
    const Holder holder(test::value_cases()[std::size_t(which)].values);
    const NdArray &values = holder.prop().value(QStringLiteral("amplitude"));
    PropertyPlot plot;
    QVERIFY(shown(plot, holder));
    const auto extremes = test::finite_extremes(values);
    // Axes with finite ends and ticks, labelled with numbers.
    for (int axis : {QwtPlot::xBottom, QwtPlot::yLeft}) {
        const QwtScaleDiv &div = plot.axisScaleDiv(axis);
        QVERIFY(std::isfinite(div.lowerBound()) && std::isfinite(div.upperBound()));
        QVERIFY(div.lowerBound() < div.upperBound());
        const QList<double> ticks = div.ticks(QwtScaleDiv::MajorTick);
        QVERIFY(!ticks.isEmpty());
        const QStringList labels = tick_labels(plot, axis);
        for (int i = 0; i < ticks.size(); ++i) {
            QVERIFY(ticks[i] >= div.lowerBound() && ticks[i] <= div.upperBound());
            bool number = false;
            const double read = labels[i].toDouble(&number);
            QVERIFY2(number && !labels[i].contains(QLatin1Char(',')), qPrintable(labels[i]));
            QVERIFY(std::abs(read - ticks[i]) <= std::abs(div.upperBound() - div.lowerBound()) * 1e-6);
        }
    }
    // The vertical axis holds the finite values, where a double can span them.
    const QwtScaleDiv &vertical = plot.axisScaleDiv(QwtPlot::yLeft);
    if (extremes && std::isfinite(double(extremes->second - extremes->first))) {
        QVERIFY(vertical.lowerBound() <= double(extremes->first));
        QVERIFY(vertical.upperBound() >= double(extremes->second));
    }
    // The curve is drawn where a value is finite, and nowhere when none is.
    const auto [top, bottom] = inked_rows(plot);
    QCOMPARE(bottom >= 0, extremes.has_value());
}

void TestPropertyPlot::first_and_last_values_reach_their_columns()
{
    // A million zeros between a first value of -10 and a last of 10, many
    // values to a pixel column: the columns of the first and last vertex
    // reach the bottom and the top of the canvas.
    NdArray values(DType::Float32, {1000000});
    values.data<float>()[0] = -10;
    values.data<float>()[999999] = 10;
    const Holder holder(values);
    PropertyPlot plot;
    QVERIFY(shown(plot, holder));
    const QwtScaleMap x_map = plot.canvasMap(QwtPlot::xBottom);
    const int height = plot.canvas()->height();
    const auto [last_top, last_bottom] = inked_rows_at(plot, int(std::floor(x_map.transform(999999))));
    QVERIFY2(last_top < height / 10, qPrintable(QString::number(last_top)));
    QVERIFY(last_bottom >= last_top);
    const auto [first_top, first_bottom] = inked_rows_at(plot, int(std::floor(x_map.transform(0))));
    QVERIFY2(first_bottom > height * 9 / 10, qPrintable(QString::number(first_bottom)));
    QVERIFY(first_top <= first_bottom);
}

void TestPropertyPlot::axes_written_as_the_map_writes_them()
{
    // Depths of a few thousand metres over a million vertices: every label
    // a plain number, no group separator, no exponent, at steps of 1, 2 or
    // 5 times a power of ten.
    NdArray values(DType::Float64, {1000000});
    double *depths = values.data<double>();
    for (std::int64_t i = 0; i < values.size(); ++i)
        depths[i] = 1800 + 200 * double(i) / 999999;
    const Holder holder(values);
    PropertyPlot plot;
    QVERIFY(shown(plot, holder));
    for (int axis : {QwtPlot::xBottom, QwtPlot::yLeft}) {
        const QList<double> ticks = plot.axisScaleDiv(axis).ticks(QwtScaleDiv::MajorTick);
        QVERIFY(ticks.size() >= 3);
        const double step = ticks[1] - ticks[0];
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
        QVERIFY2(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9,
                 qPrintable(QString::number(step)));
        const QStringList labels = tick_labels(plot, axis);
        for (int i = 0; i < ticks.size(); ++i)
            QCOMPARE(labels[i], QString::number(qlonglong(std::llround(ticks[i]))));
    }
    QVERIFY(tick_labels(plot, QwtPlot::xBottom).contains(QStringLiteral("1000000")));
    QVERIFY(tick_labels(plot, QwtPlot::yLeft).contains(QStringLiteral("2000")));

    // Small values: as many decimals as the step needs, the same for all.
    for (std::int64_t i = 0; i < values.size(); ++i)
        depths[i] = 0.1203 + 0.0048 * double(i) / 999999;
    const Holder small(values.copy());
    plot.show_property(small);
    plot.replot();
    const QList<double> ticks = plot.axisScaleDiv(QwtPlot::yLeft).ticks(QwtScaleDiv::MajorTick);
    const double step = ticks[1] - ticks[0];
    const int decimals = int(-std::floor(std::log10(step) + 1e-9));
    const QStringList labels = tick_labels(plot, QwtPlot::yLeft);
    for (int i = 0; i < ticks.size(); ++i)
        QCOMPARE(labels[i], QString::number(ticks[i], 'f', decimals));
}


void TestPropertyPlot::well_is_plotted_against_depth_growing_downward()
{
    const Well well({50, 80, 60, 70, 90});
    PropertyPlot plot;
    plot.resize(400, 500);
    plot.show_property(well);
    QVERIFY(plot.plots_log());
    QCOMPARE(plot.axisTitle(QwtPlot::xBottom).text(), QStringLiteral("GR (gAPI)"));
    QCOMPARE(plot.axisTitle(QwtPlot::yLeft).text(), QStringLiteral("MD (m)"));
    QCOMPARE(plot.depth_curve->sample(1), QPointF(80, 1010));
    // Deeper samples lower down, higher values to the right.
    const QwtScaleMap depth = plot.canvasMap(QwtPlot::yLeft), value = plot.canvasMap(QwtPlot::xBottom);
    QVERIFY(depth.transform(1040) > depth.transform(1000));
    QVERIFY(value.transform(90) > value.transform(50));
    // Every depth on the axis, the shallowest at the top.
    QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).lowerBound() >= 1040);
    QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).upperBound() <= 1000);
    QVERIFY(drawn_near(plot, 80, 1010));
    QVERIFY(drawn_near(plot, 90, 1040));
    QVERIFY(!drawn_near(plot, 90, 1000));
}

void TestPropertyPlot::depth_z_plots_the_well_against_minus_z()
{
    const Well well({50, 80, 60, 70, 90});
    PlotWidget widget;
    widget.resize(400, 500);
    PropertyPlot &plot = *widget.base;
    plot.show_property(well);
    QVERIFY(widget.act_depth_md->isChecked());
    widget.act_depth_z->trigger();
    QCOMPARE(plot.depth_axis(), DepthAxis::Z);
    QCOMPARE(plot.axisTitle(QwtPlot::yLeft).text(), QStringLiteral("Depth (-Z) (m)"));
    // Z -910 is 910 m deep.
    QCOMPARE(plot.depth_curve->sample(1), QPointF(80, 910));
    const QwtScaleMap depth = plot.canvasMap(QwtPlot::yLeft);
    QVERIFY(depth.transform(940) > depth.transform(900));
    QVERIFY(drawn_near(plot, 80, 910));
    // The next well comes against -Z too; MD again on request.
    const Well next({10, 20, 30, 40, 50});
    plot.show_property(next);
    QCOMPARE(plot.depth_curve->sample(4), QPointF(50, 940));
    widget.act_depth_md->trigger();
    QCOMPARE(plot.depth_curve->sample(4), QPointF(50, 1040));
}

void TestPropertyPlot::non_finite_samples_break_the_log()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Well well({40, 60, nan, 50, 70});
    PropertyPlot plot;
    plot.resize(400, 500);
    plot.show_property(well);
    // Lines from 1000 to 1010 m and from 1030 to 1040 m, nothing between
    // where the line from the second sample to the fourth would run.
    QVERIFY(drawn_near(plot, 50, 1005));
    QVERIFY(drawn_near(plot, 60, 1035));
    QVERIFY(!drawn_near(plot, 55, 1020));
}

void TestPropertyPlot::other_objects_keep_the_vertex_plot()
{
    PropertyPlot plot;
    plot.resize(400, 500);
    plot.show_property(Well({50, 80, 60, 70, 90}));
    // A point set (a Point without MD) after a well: values against the
    // vertex number, upward.
    const Well points({5, 8, 6, 7, 9}, QStringLiteral("Point"), false);
    plot.show_property(points);
    QVERIFY(!plot.plots_log());
    QCOMPARE(plot.axisTitle(QwtPlot::xBottom).text(), QStringLiteral("Vertex"));
    QCOMPARE(plot.curve->sample(1), QPointF(1, 8));
    const QwtScaleMap values = plot.canvasMap(QwtPlot::yLeft);
    QVERIFY(values.transform(9) < values.transform(5));
    QVERIFY(drawn_near(plot, 1, 8));
    // An object that has MD but is not a Point.
    plot.show_property(Well({5, 8, 6, 7, 9}, QStringLiteral("Line")));
    QVERIFY(!plot.plots_log());
    QCOMPARE(plot.curve->sample(4), QPointF(4, 9));
}

void TestPropertyPlot::long_log_is_measured_beside_the_gui_thread()
{
    class LongWell : public Well
    {
    public:
        LongWell()
            : Well({})
        {
            const std::int64_t count = std::int64_t(1) << 21;
            NdArray md(DType::Float64, {count}), gamma(DType::Float32, {count});
            for (std::int64_t i = 0; i < count; ++i) {
                md.data<double>()[i] = 500 + 0.001 * double(i);
                gamma.data<float>()[i] = float(i % 100);
            }
            m_long.insert(QStringLiteral("MD"), md);
            m_long.insert(QStringLiteral("GR"), gamma);
        }
        const PropertyMap &prop() const override { return m_long; }

    private:
        PropertyMap m_long;
    };
    const LongWell well;
    PropertyPlot plot;
    plot.show_property(well);
    QCOMPARE(plot.axisTitle(QwtPlot::yLeft).text(), QStringLiteral("MD (m)"));
    plot.wait_until_plotted();
    QVERIFY(plot.is_current());
    QCOMPARE(plot.depth_curve->dataSize(), size_t(1) << 21);
    QCOMPARE(plot.depth_curve->sample(150), QPointF(50, 500.15));
    // 500 m at the top, 2597.152 m at the bottom.
    QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).upperBound() <= 500);
    QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).lowerBound() >= 500 + 0.001 * double((1 << 21) - 1));
}

void TestPropertyPlot::every_spike_of_a_long_log_stays_visible()
{
    // A million samples of 0, a millimetre apart, with one of 10 at MD
    // 1234.567 m: thousands of samples to a pixel row, the spike among them.
    class SpikyWell : public Well
    {
    public:
        SpikyWell()
            : Well({})
        {
            const std::int64_t count = 1000000;
            NdArray md(DType::Float64, {count});
            for (std::int64_t i = 0; i < count; ++i)
                md.data<double>()[i] = 1000 + 0.001 * double(i);
            m_long.insert(QStringLiteral("MD"), md);
            m_long.insert(QStringLiteral("GR"), spiky(count));
        }
        const PropertyMap &prop() const override { return m_long; }

    private:
        PropertyMap m_long;
    };
    const SpikyWell well;
    PropertyPlot plot;
    plot.resize(400, 500);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    plot.show_property(well);
    QVERIFY(plot.is_current());
    QVERIFY(drawn_near(plot, 10, 1000 + 0.001 * 123457));
    QVERIFY(drawn_near(plot, -10, 1000 + 0.001 * 876543));
    QVERIFY(drawn_near(plot, 0, 1500));
    QVERIFY(!drawn_near(plot, 5, 1500));
}

KELVRA_TEST_MAIN(TestPropertyPlot)
#include "tst_propertyplot.moc"
