#include "widgets/dialogs/propertylistdialog.h"

#include "host/dataobject.h"
#include "host/errors.h"
#include "host/translation.h"
#include "widgets/dialogs/formdialoghelpers.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>

namespace kelvra {

PropertyListDialog::PropertyListDialog(const Texts &texts, QWidget *parent)
    : EasyDialog(texts, parent)
{
}

void PropertyListDialog::add_property_fields()
{
    grabob = create_grabob(_("Object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);
    prop = create_combobox(_("Property"));
    layout->addWidget(prop);
}

void PropertyListDialog::grab_object_rc()
{
    // A right click offers fewer types than the grab button of the field.
    const QStringList types =
        formdialogs::geometry_types_without({QStringLiteral("Label"), QStringLiteral("Survey")});
    DataObject *picked = formdialogs::picked_object(*this, types);
    if (!picked)
        return;
    grabob->lineedit->edit->setText(picked->name());
    take_object(picked);
}

void PropertyListDialog::load_object()
{
    if (object)
        take_object(object);
}

void PropertyListDialog::take_object(DataObject *taken)
{
    dob = taken;
    propList = taken->prop().keys();
    prop->combobox->clear();
    prop->combobox->addItems(propList);
    grab_property();
}

void PropertyListDialog::grab_property()
{
    if (!dob)
        throw LookupError(QStringLiteral("no object was taken from the tree"));
    const std::optional<QString> current = dob->current_property();
    if (!current)
        throw LookupError(QStringLiteral("object '%1' has no current property").arg(dob->name()));
    const int index = propList.indexOf(*current);
    if (index < 0)
        throw LookupError(QStringLiteral("property '%1' is not among the properties of '%2'")
                              .arg(*current, dob->name()));
    prop->combobox->setCurrentIndex(index);
}

} // namespace kelvra
