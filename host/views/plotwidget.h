#pragma once

// The content of the plotter dock: the plot (base) and the plot's options,
// offered through the dock's options button when there is one and through
// the plot's context menu.

#include "host/views/hostviews_export.h"

#include <QWidget>

class QAction;
class QToolButton;

namespace kelvra {

class PropertyPlot;

class HOSTVIEWS_EXPORT PlotWidget : public QWidget
{
    Q_OBJECT
public:
    // options_button: the dock's options button, shown above the plot and
    // given the plot's options; nullptr for none.
    explicit PlotWidget(QWidget *parent = nullptr, QToolButton *options_button = nullptr);

    PropertyPlot *const base;
    QToolButton *const options_button;
    QAction *act_grid = nullptr;        // show or hide the grid
    QAction *act_zoom_to_fit = nullptr; // undo zoom and pan
    QAction *act_depth_md = nullptr;    // plot wells against MD (checked at first) ...
    QAction *act_depth_z = nullptr;     // ... or against -Z
};

} // namespace kelvra
