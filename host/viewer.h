#pragma once

// What the dock plug-ins require of the host's viewers.

#include "host/kelvrahost_export.h"

#include <QStringList>
#include <QWidget>

namespace kelvra {

// A viewer's display state: the names of the objects it shows.
using DisplayState = QStringList;

class KELVRAHOST_EXPORT AbstractViewer : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void set_aspect() = 0;
    virtual void set_background_color() = 0;
    virtual void export_canvas() = 0;

    DisplayState dpState; // the items the viewer currently shows

Q_SIGNALS:
    // The viewer stopped showing all of its items.
    void sig_hide_all();
};

} // namespace kelvra
