#include "widgets/dialogs/renameobjectdialog.h"

#include "host/dataobject.h"
#include "host/translation.h"
#include "widgets/dialogs/formdialoghelpers.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace kelvra {

RenameObjectDialog::RenameObjectDialog(QWidget *parent)
    : EasyDialog(texts_of<RenameObjectDialog>(), parent)
{
    setup_page();
}

void RenameObjectDialog::setup_page()
{
    grabob = create_grabob(_("Object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);
    new_name = create_lineedit(_("New name"));
    layout->addWidget(new_name);
    layout->addWidget(create_action());
}

void RenameObjectDialog::grab_object_rc()
{
    if (DataObject *picked = formdialogs::picked_object(*this, all_geometry_types()))
        grabob->lineedit->edit->setText(picked->name());
}

void RenameObjectDialog::apply()
{
    const QString object = grabob->lineedit->edit->text();
    Q_EMIT sig_start(object, new_name->edit->text());
}

} // namespace kelvra
