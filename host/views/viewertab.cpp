#include "host/views/viewertab.h"

#include "host/views/mapviewer.h"

#include <QVBoxLayout>

namespace kelvra {

ViewerTab::ViewerTab(QWidget *parent)
    : QWidget(parent)
    , base(new MapViewer(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(base);
}

} // namespace kelvra
