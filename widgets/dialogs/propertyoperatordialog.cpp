#include "widgets/dialogs/propertyoperatordialog.h"

#include "host/translation.h"
#include "widgets/dialogs/formdialoghelpers.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kelvra {

PropertyOperatorDialog::PropertyOperatorDialog(QWidget *parent)
    : EasyDialog(texts_of<PropertyOperatorDialog>(), parent)
{
    setup_page();
}

void PropertyOperatorDialog::setup_page()
{
    grabob = create_grabob(
        _("Object"), {}, {},
        formdialogs::geometry_types_without({QStringLiteral("Label"), QStringLiteral("Survey")}));
    layout->addWidget(grabob);
    region = create_lineedit(_("Region"), _("Not available yet"));
    layout->addWidget(region);
    layout->addWidget(new QLabel(_("Script"), this));
    pteScript = new QPlainTextEdit(this);
    layout->addWidget(pteScript);
    layout->addWidget(create_action());
}

void PropertyOperatorDialog::apply()
{
    const QString object = grabob->lineedit->edit->text();
    Q_EMIT sig_start(object, pteScript->toPlainText());
}

} // namespace kelvra
