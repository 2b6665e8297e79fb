#include "host/views/plotwidget.h"

#include "host/errorhandler.h"
#include "host/translation.h"
#include "host/views/propertyplot.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QMenu>
#include <QToolButton>

#include <qwt_plot_grid.h>

namespace kelvra {

PlotWidget::PlotWidget(QWidget *parent, QToolButton *options_button)
    : QWidget(parent)
    , base(new PropertyPlot(this))
    , options_button(options_button)
{
    act_grid = new QAction(_("Show grid"), this);
    act_grid->setCheckable(true);
    act_grid->setChecked(true);
    connect_guarded(act_grid, &QAction::toggled, this, [this] {
        base->grid->setVisible(act_grid->isChecked());
        base->replot();
    });
    act_zoom_to_fit = new QAction(_("Zoom to fit"), this);
    connect_guarded(act_zoom_to_fit, &QAction::triggered, this, [this] { base->zoom_to_fit(); });

    auto *depths = new QActionGroup(this);
    act_depth_md = depths->addAction(_("Depth: MD"));
    act_depth_z = depths->addAction(_("Depth: Z"));
    for (QAction *action : {act_depth_md, act_depth_z})
        action->setCheckable(true);
    act_depth_md->setChecked(true);
    connect_guarded(depths, &QActionGroup::triggered, this, [this] {
        base->set_depth_axis(act_depth_z->isChecked() ? DepthAxis::Z : DepthAxis::MD);
    });
    auto *separator = new QAction(this);
    separator->setSeparator(true);

    base->setContextMenuPolicy(Qt::ActionsContextMenu);
    base->addActions({act_grid, act_zoom_to_fit, separator, act_depth_md, act_depth_z});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (options_button) {
        if (!options_button->menu())
            options_button->setMenu(new QMenu(options_button));
        options_button->menu()->addActions({act_grid, act_zoom_to_fit, separator, act_depth_md, act_depth_z});
        auto *header = new QHBoxLayout;
        header->addStretch();
        header->addWidget(options_button);
        layout->addLayout(header);
    }
    layout->addWidget(base);
}

} // namespace kelvra
