#include "widgets/dialogs/removepropertydialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>

namespace kelvra {

RemovePropertyDialog::RemovePropertyDialog(QWidget *parent)
    : PropertyListDialog(texts_of<RemovePropertyDialog>(), parent)
{
    setup_page();
}

void RemovePropertyDialog::setup_page()
{
    add_property_fields();
    layout->addWidget(create_action());
}

void RemovePropertyDialog::apply()
{
    const QString object = grabob->lineedit->edit->text();
    Q_EMIT sig_start(object, prop->combobox->currentText());
}

} // namespace kelvra
