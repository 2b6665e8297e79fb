#include "widgets/dialogs/flipdepthdialog.h"

#include "host/translation.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace kelvra {

FlipDepthDialog::FlipDepthDialog(QWidget *parent)
    : EasyDialog(texts_of<FlipDepthDialog>(), parent)
{
    setup_page();
}

void FlipDepthDialog::setup_page()
{
    grabob = create_grabob(_("Input object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);
    layout->addWidget(create_action());
}

void FlipDepthDialog::apply()
{
    Q_EMIT sig_start(grabob->lineedit->edit->text());
}

} // namespace kelvra
