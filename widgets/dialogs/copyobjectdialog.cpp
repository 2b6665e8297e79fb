#include "widgets/dialogs/copyobjectdialog.h"

#include "host/dataobject.h"
#include "host/translation.h"
#include "widgets/dialogs/formdialoghelpers.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace kelvra {

CopyObjectDialog::CopyObjectDialog(QWidget *parent)
    : EasyDialog(texts_of<CopyObjectDialog>(), parent)
{
    setup_page();
}

void CopyObjectDialog::setup_page()
{
    grabob = create_grabob(_("Object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);
    new_name = create_lineedit(_("New name"));
    layout->addWidget(new_name);
    layout->addWidget(create_action());
}

void CopyObjectDialog::grab_object_rc()
{
    if (DataObject *picked = formdialogs::picked_object(*this, all_geometry_types()))
        grabob->lineedit->edit->setText(picked->name());
}

void CopyObjectDialog::apply()
{
    const QString object = grabob->lineedit->edit->text();
    Q_EMIT sig_start(object, new_name->edit->text());
}

} // namespace kelvra
