#pragma once

// The plot object of the plotter dock: the values of an object's current
// property against the vertex number. Drawn with Qwt, so including this
// header needs Qwt's include folder (link Qwt::Qwt).

#include "host/views/hostviews_export.h"

#include <qwt_plot.h>

class QwtPlotGrid;

namespace kelvra {

class DataObject;
class PropertyCurve;

class HOSTVIEWS_EXPORT PropertyPlot : public QwtPlot
{
    Q_OBJECT
public:
    explicit PropertyPlot(QWidget *parent = nullptr);

    // Plots the values of object's current property, reading the property's
    // array itself (nothing is copied); an object without a current property
    // (or whose current property has no values entry) empties the plot and
    // says so in the title. Non-finite values are not drawn.
    void show_property(const DataObject &object);
    // Empties the plot.
    void clear_plot();
    // Scales both axes to the plotted values again, undoing zoom and pan.
    void zoom_to_fit();

    PropertyCurve *const curve;
    QwtPlotGrid *const grid;
};

} // namespace kelvra
