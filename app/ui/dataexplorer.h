#pragma once

// The data explorer of the reference host: the object tree, whose check
// marks follow what the current viewer shows.

#include "host/dataexplorer.h"

namespace kelvra::app {

class ObjectTreeWidget;

// Drives the object tree's check marks.
class CheckMarks : public ExplorerTreeBase
{
    Q_OBJECT
public:
    CheckMarks(ObjectTreeWidget *objects, QObject *parent);

    void uncheck_all_items() override;
    void update_checks(const kelvra::DisplayState &state) override;

private:
    ObjectTreeWidget *m_objects;
};

class ExplorerTree : public DataExplorerTree
{
    Q_OBJECT
public:
    ExplorerTree(ObjectTreeWidget *objects, QWidget *parent);
};

class ExplorerPanel : public DataExplorer
{
    Q_OBJECT
public:
    ExplorerPanel(ObjectTreeWidget *objects, QWidget *parent = nullptr);
};

} // namespace kelvra::app
