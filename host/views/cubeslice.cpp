#include "host/views/cubeslice.h"

#include "host/translation.h"
#include "host/views/numberformat.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <limits>

namespace kelvra {

CubeSliceChooser::CubeSliceChooser(QWidget *parent)
    : QFrame(parent)
    , name(new QLabel(this))
    , sample(new QSpinBox(this))
    , z_text(new QLabel(this))
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(name);
    auto *caption = new QLabel(_("Sample"), this);
    caption->setBuddy(sample);
    row->addWidget(caption);
    row->addWidget(sample);
    row->addWidget(z_text);
    // A slice of a large cube takes a moment to prepare: typed numbers
    // count once they are complete, not digit by digit.
    sample->setKeyboardTracking(false);
    sample->setToolTip(_("The horizontal slice of the cube shown on the map"));
    connect(sample, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int chosen) {
        show_z(chosen);
        emit sig_sample_chosen(chosen);
    });
}

void CubeSliceChooser::show_cube(const QString &cube, const GridGeometry &grid, std::int64_t chosen)
{
    m_grid = grid;
    const QSignalBlocker quiet(sample);
    name->setText(cube);
    const auto last = int(std::clamp<std::int64_t>(grid.layers - 1, 0, std::numeric_limits<int>::max()));
    sample->setRange(0, last);
    sample->setValue(int(std::clamp<std::int64_t>(chosen, 0, last)));
    show_z(sample->value());
    adjustSize();
}

void CubeSliceChooser::show_z(int chosen)
{
    z_text->setText(_("Z %1").arg(value_text(m_grid.z_origin + m_grid.z_increment * chosen)));
}

} // namespace kelvra
