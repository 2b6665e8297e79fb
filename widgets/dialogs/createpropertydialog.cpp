#include "widgets/dialogs/createpropertydialog.h"

#include "host/dataobject.h"
#include "host/translation.h"
#include "widgets/dialogs/formdialoghelpers.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace kelvra {

CreatePropertyDialog::CreatePropertyDialog(QWidget *parent)
    : EasyDialog(texts_of<CreatePropertyDialog>(), parent)
{
    setup_page();
}

void CreatePropertyDialog::setup_page()
{
    grabob = create_grabob(_("Object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);
    prop_name = create_lineedit(_("Property name"));
    layout->addWidget(prop_name);
    layout->addWidget(create_action());
}

void CreatePropertyDialog::grab_object_rc()
{
    if (DataObject *picked = formdialogs::picked_object(*this, all_geometry_types()))
        grabob->lineedit->edit->setText(picked->name());
}

void CreatePropertyDialog::apply()
{
    const QString object = grabob->lineedit->edit->text();
    Q_EMIT sig_start(object, prop_name->edit->text());
}

} // namespace kelvra
