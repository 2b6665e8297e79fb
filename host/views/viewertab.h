#pragma once

// One page of a TabViewer: holds one map viewer, exposed as base.

#include "host/views/hostviews_export.h"

#include <QWidget>

namespace kelvra {

class MapViewer;

class HOSTVIEWS_EXPORT ViewerTab : public QWidget
{
    Q_OBJECT
public:
    explicit ViewerTab(QWidget *parent = nullptr);

    MapViewer *const base;
};

} // namespace kelvra
