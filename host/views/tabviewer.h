#pragma once

// The tabbed viewer container of the viewer dock: one map viewer per tab.
// It opens with one viewer; the "+" button in its corner (or Ctrl+T) opens
// another, and each tab's close button closes its viewer.

#include "host/viewer.h"
#include "host/views/hostviews_export.h"

#include <QTabWidget>

class QAction;
class QToolButton;

namespace kelvra {

class AbstractViewer;
class ViewerTab;

class HOSTVIEWS_EXPORT TabViewer : public QTabWidget
{
    Q_OBJECT
public:
    explicit TabViewer(QWidget *parent = nullptr);

    // Opens a new viewer tab and makes it current.
    ViewerTab *new_viewer();
    // Closes the tab at index and destroys its viewer at once, so nothing
    // can reach it afterwards; an index without a tab changes nothing.
    void close_viewer(int index);

    // The viewer of the tab at index, or nullptr when there is none.
    AbstractViewer *viewer_at(int index) const;

    QAction *act_new_viewer = nullptr;
    QToolButton *btn_new_viewer = nullptr;

Q_SIGNALS:
    // Another viewer became current; state is what that viewer shows.
    void sigCurrentViewerChanged(const kelvra::DisplayState &state);

private:
    int m_opened = 0; // viewers opened so far, to number the tabs
};

} // namespace kelvra
