#include "host/views/tabviewer.h"

#include "host/errorhandler.h"
#include "host/translation.h"
#include "host/views/mapviewer.h"
#include "host/views/viewertab.h"

#include <QAction>
#include <QToolButton>

namespace kelvra {

TabViewer::TabViewer(QWidget *parent)
    : QTabWidget(parent)
{
    // The signal's argument type by its own name, for spies and queued connections.
    qRegisterMetaType<DisplayState>("kelvra::DisplayState");
    setTabsClosable(true);
    setMovable(true);
    setDocumentMode(true);

    act_new_viewer = new QAction(QStringLiteral("+"), this);
    act_new_viewer->setToolTip(_("Open a new viewer tab"));
    act_new_viewer->setShortcut(QKeySequence::AddTab);
    act_new_viewer->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect_guarded(act_new_viewer, &QAction::triggered, this, [this] { new_viewer(); });
    addAction(act_new_viewer);

    btn_new_viewer = new QToolButton(this);
    btn_new_viewer->setDefaultAction(act_new_viewer);
    btn_new_viewer->setAutoRaise(true);
    setCornerWidget(btn_new_viewer, Qt::TopRightCorner);

    connect(this, &QTabWidget::tabCloseRequested, this, &TabViewer::close_viewer);
    new_viewer();
}

ViewerTab *TabViewer::new_viewer()
{
    auto *page = new ViewerTab(this);
    setCurrentIndex(addTab(page, _("Viewer %1").arg(++m_opened)));
    return page;
}

void TabViewer::close_viewer(int index)
{
    QWidget *page = widget(index);
    if (!page)
        return;
    // Removing first lets currentChanged report the next tab (or -1) while
    // the closed viewer still exists; deleting then clears every guarded
    // pointer to it, such as the main window's current viewer.
    removeTab(index);
    delete page;
}

AbstractViewer *TabViewer::viewer_at(int index) const
{
    auto *page = qobject_cast<ViewerTab *>(widget(index));
    return page ? page->base : nullptr;
}

} // namespace kelvra
