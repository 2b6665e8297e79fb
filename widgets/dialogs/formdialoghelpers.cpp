#include "widgets/dialogs/formdialoghelpers.h"

#include "host/logging.h"
#include "host/objecttree.h"
#include "widgets/dialogs/geometrytypes.h"
#include "widgets/kvdialog/easydialog.h"

namespace kelvra::formdialogs {

DataObject *picked_object(const EasyDialog &dialog, const QStringList &geom)
{
    if (!dialog.treebase) {
        qCWarning(lcHost) << "cannot take an object: the dialog has no object tree";
        return nullptr;
    }
    return dialog.treebase->grab_object(geom);
}

QStringList geometry_types_without(const QStringList &excluded)
{
    QStringList types = all_geometry_types();
    for (const QString &type : excluded)
        types.removeAll(type);
    return types;
}

} // namespace kelvra::formdialogs
