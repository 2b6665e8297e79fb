#include "widgets/dialogs/saveobjectdialog.h"

#include "host/translation.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace kelvra {

SaveObjectDialog::SaveObjectDialog(QWidget *parent)
    : EasyDialog(texts_of<SaveObjectDialog>(), parent)
{
    setup_page();
}

void SaveObjectDialog::setup_page()
{
    grabob = create_grabob(_("Object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);
    // A save chooser, so that a file that does not exist yet can be named.
    output = create_browsefile(_("File"), {}, {}, std::nullopt, true);
    layout->addWidget(output);
    layout->addWidget(create_action());
}

void SaveObjectDialog::apply()
{
    const QString file = output->lineedit->edit->text();
    const QString object = grabob->lineedit->edit->text();
    Q_EMIT sig_start(object, file);
}

} // namespace kelvra
