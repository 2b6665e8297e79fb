#include "widgets/dialogs/translatedialog.h"

#include "host/functions.h"
#include "host/translation.h"
#include "widgets/dialogs/geometrytypes.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvra {

TranslateDialog::TranslateDialog(QWidget *parent)
    : EasyDialog(texts_of<TranslateDialog>(), parent)
{
    setup_page();
}

void TranslateDialog::setup_page()
{
    grabob = create_grabob(_("Object"), {}, {}, all_geometry_types());
    layout->addWidget(grabob);

    // The axis names are the same in every language.
    le_x = new QLineEdit(QStringLiteral("0"), this);
    le_y = new QLineEdit(QStringLiteral("0"), this);
    le_z = new QLineEdit(QStringLiteral("0"), this);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("X"), this));
    row->addWidget(le_x);
    row->addWidget(new QLabel(QStringLiteral("Y"), this));
    row->addWidget(le_y);
    row->addWidget(new QLabel(QStringLiteral("Z"), this));
    row->addWidget(le_z);
    layout->addLayout(row);

    layout->addWidget(create_action());
}

void TranslateDialog::apply()
{
    const QString object = grabob->lineedit->edit->text();
    const QString x_text = le_x->text();
    const QString y_text = le_y->text();
    const QString z_text = le_z->text();
    const double dx = text_to_double(x_text);
    const double dy = text_to_double(y_text);
    const double dz = text_to_double(z_text);
    Q_EMIT sig_start(object, dx, dy, dz);
}

} // namespace kelvra
