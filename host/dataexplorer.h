#pragma once

// The data explorer: the tree whose check marks say what the current viewer
// shows. Reached from the main window as data_explorer->tree->base.

#include "host/kelvrahost_export.h"
#include "host/viewer.h"

#include <QObject>
#include <QWidget>

namespace kelvra {

class KELVRAHOST_EXPORT ExplorerTreeBase : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public Q_SLOTS:
    // Clears every check mark.
    virtual void uncheck_all_items() = 0;
    // Checks exactly the items of state.
    virtual void update_checks(const kelvra::DisplayState &state) = 0;
};

class KELVRAHOST_EXPORT DataExplorerTree : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    ExplorerTreeBase *base = nullptr;
};

class KELVRAHOST_EXPORT DataExplorer : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    DataExplorerTree *tree = nullptr;
};

} // namespace kelvra
