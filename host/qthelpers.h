#pragma once

// Helpers to build actions and fill menus and toolbars.

#include "host/kelvrahost_export.h"

#include <QList>
#include <QString>

#include <functional>

class QAction;
class QObject;
class QWidget;

namespace kelvra {

// A new action owned by parent and showing text. Triggering it calls
// triggered (when given) through the general error handler.
KELVRAHOST_EXPORT QAction *create_action(QObject *parent, const QString &text,
                                         std::function<void()> triggered = {});

// Adds the actions to target (a menu or a toolbar) in list order; a null
// entry adds a separator.
KELVRAHOST_EXPORT void add_actions(QWidget *target, const QList<QAction *> &actions);

} // namespace kelvra
