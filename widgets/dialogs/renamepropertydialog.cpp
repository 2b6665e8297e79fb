#include "widgets/dialogs/renamepropertydialog.h"

#include "host/translation.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>

namespace kelvra {

RenamePropertyDialog::RenamePropertyDialog(QWidget *parent)
    : PropertyListDialog(texts_of<RenamePropertyDialog>(), parent)
{
    setup_page();
}

void RenamePropertyDialog::setup_page()
{
    add_property_fields();
    new_name = create_lineedit(_("New name"));
    layout->addWidget(new_name);
    layout->addWidget(create_action());
}

void RenamePropertyDialog::apply()
{
    const QString object = grabob->lineedit->edit->text();
    const QString property = prop->combobox->currentText();
    Q_EMIT sig_start(object, property, new_name->edit->text());
}

} // namespace kelvra
