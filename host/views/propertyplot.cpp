#include "host/views/propertyplot.h"

#include "host/dataobject.h"
#include "host/translation.h"
#include "host/views/propertycurve.h"

#include <qwt_plot_grid.h>
#include <qwt_plot_magnifier.h>
#include <qwt_plot_panner.h>
#include <qwt_symbol.h>

namespace kelvra {

PropertyPlot::PropertyPlot(QWidget *parent)
    : QwtPlot(parent)
    , curve(new PropertyCurve)
    , grid(new QwtPlotGrid)
{
    setCanvasBackground(Qt::white);
    setAxisTitle(QwtPlot::xBottom, _("Vertex"));

    grid->setMajorPen(QColor(200, 200, 200), 0, Qt::DotLine);
    grid->attach(this);

    curve->setPen(QColor(31, 119, 180), 1.5);
    curve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QColor(31, 119, 180), Qt::NoPen, QSize(5, 5)));
    curve->setRenderHint(QwtPlotItem::RenderAntialiased);
    curve->attach(this);

    // Wheel zooms, dragging with the left button pans (both owned by the
    // canvas). Forward zooms in, as on the map (Qwt's default zooms out).
    auto *magnifier = new QwtPlotMagnifier(canvas());
    magnifier->setWheelFactor(1 / magnifier->wheelFactor());
    new QwtPlotPanner(canvas());
    clear_plot();
}

void PropertyPlot::show_property(const DataObject &object)
{
    const std::optional<QString> property = object.current_property();
    if (!property || !object.prop().contains(*property)) {
        clear_plot();
        setTitle(_("%1: no property to plot").arg(object.name()));
        return;
    }
    curve->set_values(object.prop().value(*property));
    curve->setTitle(*property);
    setTitle(QStringLiteral("%1 \u2013 %2").arg(object.name(), *property));
    setAxisTitle(QwtPlot::yLeft, *property);
    zoom_to_fit();
}

void PropertyPlot::clear_plot()
{
    curve->set_values(NdArray());
    curve->setTitle(QString());
    setTitle(QString());
    setAxisTitle(QwtPlot::yLeft, _("Value"));
    zoom_to_fit();
}

void PropertyPlot::zoom_to_fit()
{
    setAxisAutoScale(QwtPlot::xBottom);
    setAxisAutoScale(QwtPlot::yLeft);
    replot();
}

} // namespace kelvra
