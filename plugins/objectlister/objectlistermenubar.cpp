#include "objectlistermenubar.h"

#include "host/objecttree.h"
#include "host/qthelpers.h"
#include "host/translation.h"

#include <QMenu>
#include <QMessageBox>

namespace kelvra {

QString ObjectListerMenuBar::name() const
{
    return _(NAME);
}

void ObjectListerMenuBar::setup()
{
    objects_menu = addMenu(_("Objects"));
    act_list = create_action(this, _("List objects"), [this] { list_objects(); });
    add_actions(objects_menu, {act_list});
}

QString ObjectListerMenuBar::object_list() const
{
    if (!treebase || !treebase->object_data)
        return _("No object database is open.");
    const QStringList names = treebase->object_data->object_names();
    if (names.isEmpty())
        return _("The database holds no objects.");
    return names.join(QLatin1Char('\n'));
}

void ObjectListerMenuBar::list_objects()
{
    QMessageBox::information(this, _("Objects"), object_list());
}

} // namespace kelvra
