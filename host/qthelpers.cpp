#include "host/qthelpers.h"

#include "host/errorhandler.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace kelvra {

QAction *create_action(QObject *parent, const QString &text, std::function<void()> triggered)
{
    auto *action = new QAction(text, parent);
    if (triggered)
        connect_guarded(action, &QAction::triggered, action, std::move(triggered));
    return action;
}

void add_actions(QWidget *target, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (action) {
            target->addAction(action);
        } else if (auto *menu = qobject_cast<QMenu *>(target)) {
            menu->addSeparator();
        } else if (auto *toolbar = qobject_cast<QToolBar *>(target)) {
            toolbar->addSeparator();
        }
    }
}

} // namespace kelvra
