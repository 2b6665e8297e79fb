#include "host/views/propertyplot.h"

#include "host/dataobject.h"
#include "host/errorhandler.h"
#include "host/translation.h"
#include "host/valuesummary.h"
#include "host/views/plotscales.h"
#include "host/views/propertycurve.h"
#include "host/ndarray.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>

#include <qwt_plot_grid.h>
#include <qwt_plot_panner.h>
#include <qwt_plot_textlabel.h>
#include <qwt_symbol.h>

namespace kelvra {
namespace {

// Properties of at least this many values are measured beside the GUI
// thread: a pass over them takes longer than a repaint should.
constexpr std::int64_t kMeasureAsideFrom = std::int64_t(1) << 20;

} // namespace

PropertyPlot::PropertyPlot(QWidget *parent)
    : QwtPlot(parent)
    , curve(new PropertyCurve)
    , depth_curve(new DepthCurve)
    , grid(new QwtPlotGrid)
    , m_notice(new QwtPlotTextLabel)
{
    setCanvasBackground(Qt::white);
    for (int axis : {QwtPlot::xBottom, QwtPlot::yLeft}) {
        setAxisScaleEngine(axis, new RoundScaleEngine);
        setAxisScaleDraw(axis, new RoundScaleDraw);
    }

    grid->setMajorPen(QColor(200, 200, 200), 0, Qt::DotLine);
    grid->attach(this);

    curve->setPen(QColor(31, 119, 180), 1.5);
    curve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QColor(31, 119, 180), Qt::NoPen, QSize(5, 5)));
    curve->setRenderHint(QwtPlotItem::RenderAntialiased);
    curve->attach(this);
    depth_curve->setPen(curve->pen());
    depth_curve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QColor(31, 119, 180), Qt::NoPen, QSize(5, 5)));
    depth_curve->setRenderHint(QwtPlotItem::RenderAntialiased);
    depth_curve->attach(this);
    m_notice->attach(this);

    // Wheel zooms, dragging with the left button pans (both owned by the
    // canvas). Forward zooms in, as on the map (Qwt's default zooms out).
    auto *magnifier = new PlotMagnifier(canvas());
    magnifier->setWheelFactor(1 / magnifier->wheelFactor());
    new QwtPlotPanner(canvas());
    clear_plot();
}

void PropertyPlot::show_property(const DataObject &object)
{
    const std::optional<QString> property = object.current_property();
    if (!property || !object.prop().contains(*property)) {
        clear_plot(_("%1 has no property to plot").arg(object.name()));
        return;
    }
    const NdArray &values = object.prop().value(*property);
    if (!is_real(values.dtype())) {
        clear_plot(_("%1 holds %2 values, which cannot be plotted").arg(*property, values.dtype_name()));
        return;
    }
    if ((m_log = well_log(object))) {
        plot_log();
        return;
    }
    ++m_shown;
    set_log_axes(false);
    m_notice->setText(QwtText());
    curve->setTitle(*property);
    setTitle(QStringLiteral("%1 \u2013 %2").arg(object.name(), *property));
    setAxisTitle(QwtPlot::yLeft, *property);
    if (values.size() < kMeasureAsideFrom) {
        curve->set_values(values);
        m_plotted = m_shown;
    } else {
        curve->set_values(NdArray());
        plot_when_measured(values);
    }
    zoom_to_fit();
}

void PropertyPlot::set_depth_axis(DepthAxis axis)
{
    m_depth_axis = axis;
    if (m_log)
        plot_log();
}

void PropertyPlot::plot_log()
{
    ++m_shown;
    set_log_axes(true);
    const auto [depths, negate] = m_log->depths(m_depth_axis);
    m_notice->setText(QwtText());
    depth_curve->setTitle(m_log->property);
    setTitle(QStringLiteral("%1 \u2013 %2").arg(m_log->well, m_log->property));
    setAxisTitle(QwtPlot::xBottom, m_log->property_unit.isEmpty()
                                       ? m_log->property
                                       : QStringLiteral("%1 (%2)").arg(m_log->property, m_log->property_unit));
    setAxisTitle(QwtPlot::yLeft, m_log->depth_title(m_depth_axis));
    const NdArray values = m_log->values;
    if (values.size() < kMeasureAsideFrom) {
        const std::vector<ValueSummary> found = summarize(std::vector<NdArray>{values, depths});
        depth_curve->set_log(values, depths, negate, found[0].finite_range(), found[1].finite_range());
        m_plotted = m_shown;
        zoom_to_fit();
        return;
    }
    depth_curve->set_log(NdArray(), NdArray(), false, std::nullopt, std::nullopt);
    zoom_to_fit();
    using Ranges = std::pair<Range, Range>;
    auto *watcher = new QFutureWatcher<Ranges>(this);
    m_measuring = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, values, depths = depths, negate = negate, shown = m_shown] {
                watcher->deleteLater();
                if (shown != m_shown || watcher->isCanceled())
                    return; // something else is shown now
                guarded([&] {
                    const Ranges ranges = watcher->result();
                    depth_curve->set_log(values, depths, negate, ranges.first, ranges.second);
                    m_plotted = m_shown;
                    zoom_to_fit();
                });
            });
    watcher->setFuture(QtConcurrent::run([values, depths = depths] {
        const std::vector<ValueSummary> found = summarize(std::vector<NdArray>{values, depths});
        return Ranges(found[0].finite_range(), found[1].finite_range());
    }));
}

void PropertyPlot::set_log_axes(bool log)
{
    if (!log) {
        m_log.reset();
        depth_curve->set_log(NdArray(), NdArray(), false, std::nullopt, std::nullopt);
        setAxisTitle(QwtPlot::xBottom, _("Vertex"));
    } else {
        curve->set_values(NdArray());
    }
    // Depth grows downward.
    axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, log);
}

void PropertyPlot::plot_when_measured(const NdArray &values)
{
    const NdArray readable = values.dtype() == DType::Float16 ? values.astype(DType::Float32) : values;
    auto *watcher = new QFutureWatcher<Range>(this);
    m_measuring = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, readable, shown = m_shown] {
        watcher->deleteLater();
        if (shown != m_shown || watcher->isCanceled())
            return; // another property is shown now
        curve->set_values(readable, watcher->result());
        m_plotted = m_shown;
        zoom_to_fit();
    });
    watcher->setFuture(QtConcurrent::run([readable] { return summarize(readable).finite_range(); }));
}

void PropertyPlot::wait_until_plotted()
{
    if (is_current() || !m_measuring)
        return;
    m_measuring->waitForFinished();
    // Delivers the finished signal now rather than from the event loop.
    QCoreApplication::sendPostedEvents(m_measuring);
}

void PropertyPlot::clear_plot(const QString &reason)
{
    m_plotted = ++m_shown;
    set_log_axes(false);
    curve->set_values(NdArray());
    curve->setTitle(QString());
    setTitle(QString());
    setAxisTitle(QwtPlot::yLeft, _("Value"));
    QwtText text(reason);
    text.setColor(Qt::darkGray);
    m_notice->setText(text);
    // Autoscaling an empty plot would keep the scales of the last curve.
    setAxisScale(QwtPlot::xBottom, 0, 1);
    setAxisScale(QwtPlot::yLeft, 0, 1);
    replot();
}

QString PropertyPlot::notice() const
{
    return m_notice->text().text();
}

void PropertyPlot::zoom_to_fit()
{
    setAxisAutoScale(QwtPlot::xBottom);
    setAxisAutoScale(QwtPlot::yLeft);
    replot();
}

} // namespace kelvra
