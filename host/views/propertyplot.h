#pragma once

// The plot object of the plotter dock: the values of an object's current
// property against the vertex number. Drawn with Qwt, so including this
// header needs Qwt's include folder (link Qwt::Qwt).

#include "host/views/hostviews_export.h"

#include <QFutureWatcher>
#include <QPointer>

#include <qwt_plot.h>

#include <optional>
#include <utility>

class QwtPlotGrid;

namespace kelvra {

class DataObject;
class NdArray;
class PropertyCurve;

class HOSTVIEWS_EXPORT PropertyPlot : public QwtPlot
{
    Q_OBJECT
public:
    explicit PropertyPlot(QWidget *parent = nullptr);

    // Plots the values of object's current property, reading the property's
    // array itself (nothing is copied); an object without a current property
    // (or whose current property has no values entry) empties the plot and
    // says so in the title. Non-finite values are not drawn. The range of a
    // long property is measured beside the GUI thread, so its curve appears
    // a moment after its titles.
    void show_property(const DataObject &object);
    // Empties the plot.
    void clear_plot();
    // Scales both axes to the plotted values again, undoing zoom and pan.
    void zoom_to_fit();
    // Returns once the curve of the last property shown is drawn.
    void wait_until_plotted();

    PropertyCurve *const curve;
    QwtPlotGrid *const grid;

private:
    using Range = std::optional<std::pair<double, double>>;
    // Plots values once their range is measured.
    void plot_when_measured(const NdArray &values);

    quint64 m_shown = 0; // grows with every property shown or cleared
    QPointer<QFutureWatcher<Range>> m_measuring;
};

} // namespace kelvra
