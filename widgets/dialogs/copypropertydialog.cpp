#include "widgets/dialogs/copypropertydialog.h"

#include "host/translation.h"
#include "widgets/dialogs/formdialoghelpers.h"

#include <QBoxLayout>
#include <QLineEdit>

namespace kelvra {

CopyPropertyDialog::CopyPropertyDialog(QWidget *parent)
    : EasyDialog(texts_of<CopyPropertyDialog>(), parent)
{
    setup_page();
}

void CopyPropertyDialog::setup_page()
{
    const QStringList types = formdialogs::geometry_types_without({QStringLiteral("Survey")});
    fromObject = create_grabob(_("From object"), {}, {}, types);
    layout->addWidget(fromObject);
    fromProperty = create_lineedit(_("From Property"));
    layout->addWidget(fromProperty);
    toObject = create_grabob(_("To object"), {}, {}, types);
    layout->addWidget(toObject);
    toProperty = create_lineedit(_("To Property"));
    layout->addWidget(toProperty);
    layout->addWidget(create_action());
}

void CopyPropertyDialog::apply()
{
    const QString from_object = fromObject->lineedit->edit->text();
    const QString to_object = toObject->lineedit->edit->text();
    const QString from_property = fromProperty->edit->text();
    const QString to_property = toProperty->edit->text();
    Q_EMIT sig_start(from_object, from_property, to_object, to_property);
}

} // namespace kelvra
