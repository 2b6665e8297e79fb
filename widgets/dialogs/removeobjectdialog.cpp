#include "widgets/dialogs/removeobjectdialog.h"

#include "host/translation.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace kelvra {

RemoveObjectDialog::RemoveObjectDialog(QWidget *parent)
    : EasyDialog(texts_of<RemoveObjectDialog>(), parent)
{
    setup_page();
}

void RemoveObjectDialog::setup_page()
{
    grabob = create_grabob(_("Object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);
    layout->addWidget(create_action());
}

void RemoveObjectDialog::apply()
{
    Q_EMIT sig_start(grabob->lineedit->edit->text());
}

} // namespace kelvra
