#pragma once

// The plot object of the plotter dock: the values of an object's current
// property against the vertex number, or, for a well, against depth, as a
// log. Drawn with Qwt, so including this header needs Qwt's include folder
// (link Qwt::Qwt).

#include "host/views/depthcurve.h"
#include "host/views/hostviews_export.h"

#include <QFutureWatcher>
#include <QPointer>

#include <qwt_plot.h>

#include <optional>
#include <utility>

class QwtPlotGrid;
class QwtPlotTextLabel;

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
    // says so on the canvas. Non-finite values are not drawn. The range of a
    // long property is measured beside the GUI thread, so its curve appears
    // a moment after its titles.
    // A well's current curve (host/views/welllayer.h) is plotted as a log:
    // its values along the horizontal axis against depth on the vertical
    // one, increasing downward, MD or -Z as depth_axis() says.
    void show_property(const DataObject &object);
    // Plots wells against MD or -Z from now on; a well shown is plotted
    // anew. A well without Z is plotted against MD.
    void set_depth_axis(DepthAxis axis);
    DepthAxis depth_axis() const { return m_depth_axis; }
    // Whether a well's log is plotted.
    bool plots_log() const { return m_log.has_value(); }
    // Empties the plot: no curve, no titles, both axes back to 0 to 1, and
    // reason (if any) written across the canvas.
    void clear_plot(const QString &reason = {});
    // Scales both axes to the plotted values again, undoing zoom and pan.
    void zoom_to_fit();
    // Whether the plot shows what it was last asked to: false while a long
    // property's range is still being measured.
    bool is_current() const { return m_plotted == m_shown; }
    // Returns once the plot is current, measuring here if need be.
    void wait_until_plotted();
    // What the canvas says instead of a curve; empty while a curve is shown.
    QString notice() const;

    PropertyCurve *const curve;
    DepthCurve *const depth_curve; // a well's log
    QwtPlotGrid *const grid;

private:
    using Range = std::optional<std::pair<double, double>>;
    // Plots values once their range is measured.
    void plot_when_measured(const NdArray &values);
    // Plots m_log against the depth chosen, measuring long arrays beside
    // the GUI thread.
    void plot_log();
    // Sets the axes up for a log (depth down the vertical axis) or for
    // values against the vertex number.
    void set_log_axes(bool log);

    quint64 m_shown = 0;   // grows with every property shown or cleared
    quint64 m_plotted = 0; // the m_shown whose curve is in place
    QwtPlotTextLabel *const m_notice;
    QPointer<QFutureWatcherBase> m_measuring;
    DepthAxis m_depth_axis = DepthAxis::MD;
    std::optional<WellLog> m_log; // the well plotted
};

} // namespace kelvra
