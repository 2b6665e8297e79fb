#include "app/ui/dataexplorer.h"

#include "app/ui/objecttreewidget.h"

#include <QVBoxLayout>

namespace kelvra::app {

CheckMarks::CheckMarks(ObjectTreeWidget *objects, QObject *parent)
    : ExplorerTreeBase(parent)
    , m_objects(objects)
{
}

void CheckMarks::uncheck_all_items()
{
    m_objects->set_checked({});
}

void CheckMarks::update_checks(const DisplayState &state)
{
    m_objects->set_checked(state);
}

ExplorerTree::ExplorerTree(ObjectTreeWidget *objects, QWidget *parent)
    : DataExplorerTree(parent)
{
    base = new CheckMarks(objects, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(objects);
}

ExplorerPanel::ExplorerPanel(ObjectTreeWidget *objects, QWidget *parent)
    : DataExplorer(parent)
{
    tree = new ExplorerTree(objects, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree);
}

} // namespace kelvra::app
