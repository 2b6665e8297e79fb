#pragma once

// The chooser of the horizontal slice of a cube that a map viewer shows:
// the cube's name, the sample (0 at the top of the cube) and the Z of that
// sample. Shown over the map's top right corner while a cube is shown.

#include "host/gridgeometry.h"
#include "host/views/hostviews_export.h"

#include <QFrame>

class QLabel;
class QSpinBox;

namespace kelvra {

class HOSTVIEWS_EXPORT CubeSliceChooser : public QFrame
{
    Q_OBJECT
public:
    explicit CubeSliceChooser(QWidget *parent = nullptr);

    // Shows the cube of that name and grid at sample, without a signal.
    void show_cube(const QString &name, const GridGeometry &grid, std::int64_t sample);

    QLabel *name = nullptr;
    QSpinBox *sample = nullptr;
    QLabel *z_text = nullptr;

Q_SIGNALS:
    // The user chose another sample.
    void sig_sample_chosen(qint64 sample);

private:
    void show_z(int sample);

    GridGeometry m_grid;
};

} // namespace kelvra
