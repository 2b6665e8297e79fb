#include "app/ui/objecttreewidget.h"

#include "app/core/objectstore.h"
#include "host/translation.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QHash>
#include <QHeaderView>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelvra::app {
namespace {
constexpr int kNameRole = Qt::UserRole;
}

ObjectTreeWidget::ObjectTreeWidget(ObjectStore *store, QWidget *parent)
    : ObjectTree(parent)
    , m_store(store)
    , m_view(new QTreeWidget)
{
    object_data = store;
    m_view->setHeaderLabel(_("Objects"));
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    // A renamed object keeps its check mark and selection: its item is
    // renamed before the tree is rebuilt.
    connect(m_store, &ObjectStore::object_renamed, this, [this](const QString &name, const QString &new_name) {
        m_updating = true;
        for (QTreeWidgetItem *item : object_items()) {
            if (item->data(0, kNameRole).toString() == name) {
                item->setText(0, new_name);
                item->setData(0, kNameRole, new_name);
            }
        }
        m_updating = false;
    });
    connect(m_store, &ObjectStore::objects_changed, this, &ObjectTreeWidget::rebuild);
    connect(m_view, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_updating && item->data(0, kNameRole).isValid())
            Q_EMIT checks_changed(checked_names());
    });
    connect(m_view, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        Q_EMIT selection_changed(item ? item->data(0, kNameRole).toString() : QString());
    });
    connect(m_view, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        QTreeWidgetItem *item = m_view->itemAt(position);
        if (!item || !item->data(0, kNameRole).isValid())
            return;
        m_view->setCurrentItem(item);
        Q_EMIT object_menu_requested(item->data(0, kNameRole).toString(),
                                     m_view->viewport()->mapToGlobal(position));
    });
    rebuild();
}

QList<QTreeWidgetItem *> ObjectTreeWidget::object_items() const
{
    QList<QTreeWidgetItem *> items;
    for (int group = 0; group < m_view->topLevelItemCount(); ++group) {
        QTreeWidgetItem *type = m_view->topLevelItem(group);
        for (int child = 0; child < type->childCount(); ++child)
            items << type->child(child);
    }
    return items;
}

void ObjectTreeWidget::rebuild()
{
    // Keep the check marks and the selection of the objects that remain.
    const QStringList checked_before = checked_names();
    const QSet<QString> checked(checked_before.begin(), checked_before.end());
    const GeoObject *selected = selected_object();
    const QString selected_name = selected ? selected->name() : QString();

    m_updating = true;
    m_view->clear();
    // Each group's items are made first and added at once: the view takes
    // thousands of them in one step, not one by one.
    QHash<QString, QList<QTreeWidgetItem *>> items_of_type;
    for (const GeoObject *object : m_store->objects()) {
        auto *item = new QTreeWidgetItem(QStringList{object->name()});
        item->setData(0, kNameRole, object->name());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, checked.contains(object->name()) ? Qt::Checked : Qt::Unchecked);
        items_of_type[object->geometry_type()] << item;
    }
    for (const QString &type : all_geometry_types()) {
        const QList<QTreeWidgetItem *> items = items_of_type.take(type);
        if (items.isEmpty())
            continue;
        auto *group = new QTreeWidgetItem(m_view, {type});
        group->setFlags(Qt::ItemIsEnabled);
        group->addChildren(items);
        group->setExpanded(true);
    }
    for (const QList<QTreeWidgetItem *> &items : qAsConst(items_of_type))
        qDeleteAll(items); // of a geometry type the tree does not list
    m_updating = false;
    select(selected_name);
    // Objects that went away are no longer shown.
    if (checked_names() != checked_before)
        Q_EMIT checks_changed(checked_names());
}

DataObject *ObjectTreeWidget::grab_object(const QStringList &geom)
{
    GeoObject *object = selected_object();
    if (!object || !geom.contains(object->geometry_type()))
        return nullptr;
    return object;
}

GeoObject *ObjectTreeWidget::selected_object() const
{
    const QTreeWidgetItem *item = m_view->currentItem();
    return item ? m_store->object(item->data(0, kNameRole).toString()) : nullptr;
}

void ObjectTreeWidget::select(const QString &name)
{
    for (QTreeWidgetItem *item : object_items()) {
        if (item->data(0, kNameRole).toString() == name) {
            m_view->setCurrentItem(item);
            return;
        }
    }
    m_view->setCurrentItem(nullptr);
}

QStringList ObjectTreeWidget::checked_names() const
{
    QStringList names;
    for (const QTreeWidgetItem *item : object_items()) {
        if (item->checkState(0) == Qt::Checked)
            names << item->data(0, kNameRole).toString();
    }
    return names;
}

void ObjectTreeWidget::set_checked(const QStringList &names)
{
    const QSet<QString> checked(names.begin(), names.end());
    m_updating = true;
    for (QTreeWidgetItem *item : object_items())
        item->setCheckState(0, checked.contains(item->data(0, kNameRole).toString()) ? Qt::Checked : Qt::Unchecked);
    m_updating = false;
}

} // namespace kelvra::app
