#include "widgets/dialogs/loadobjectdialog.h"

#include "host/translation.h"
#include "utils/basedefs.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace kelvra {

LoadObjectDialog::LoadObjectDialog(QWidget *parent)
    : EasyDialog(texts_of<LoadObjectDialog>(), parent)
{
    setup_page();
}

void LoadObjectDialog::setup_page()
{
    // Database files first and preselected, all files second; neither
    // filter text is translated.
    const QString filters = QStringLiteral("DB files (*.db)")
                            + QString::fromUtf8(FILTER_ALL_FILES.data(), int(FILTER_ALL_FILES.size()));
    input = create_browsefile(_("Object file"), {}, {}, filters);
    layout->addWidget(input);
    name = create_lineedit(QStringLiteral("Object name"), QStringLiteral("DEFAULT"));
    layout->addWidget(name);
    layout->addWidget(create_action());
}

void LoadObjectDialog::apply()
{
    const QString file = input->lineedit->edit->text();
    Q_EMIT sig_start(file, name->edit->text());
}

} // namespace kelvra
