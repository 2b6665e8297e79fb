#pragma once

// The object tree of the reference host: the store's objects grouped by
// geometry type, each with a check mark saying whether the current viewer
// shows it.

#include "host/objecttree.h"

#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace kelvra::app {

class GeoObject;
class ObjectStore;

class ObjectTreeWidget : public ObjectTree
{
    Q_OBJECT
public:
    explicit ObjectTreeWidget(ObjectStore *store, QWidget *parent = nullptr);

    // The selected object when its geometry type is one of geom, else nullptr.
    DataObject *grab_object(const QStringList &geom) override;

    // The selected object, or nullptr.
    GeoObject *selected_object() const;
    void select(const QString &name);

    QStringList checked_names() const;
    // Sets the check marks without reporting them as the user's change.
    void set_checked(const QStringList &names);

    QTreeWidget *view() const { return m_view; }

Q_SIGNALS:
    // The user checked or unchecked objects; the names checked now.
    void checks_changed(const QStringList &checked);
    // The selection moved to another object (empty when none).
    void selection_changed(const QString &name);
    // The user asked for the context menu of an object.
    void object_menu_requested(const QString &name, const QPoint &global_position);

private:
    void rebuild();
    QList<QTreeWidgetItem *> object_items() const;

    ObjectStore *m_store;
    QTreeWidget *m_view;
    bool m_updating = false;
};

} // namespace kelvra::app
