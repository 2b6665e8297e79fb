#include "widgets/dialogs/canvasexportdialog.h"

#include "host/translation.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace kelvra {

CanvasExportDialog::CanvasExportDialog(QWidget *parent)
    : EasyDialog(texts_of<CanvasExportDialog>(), parent)
{
    output = create_browsefile(_("File"), QStringLiteral("canvas.png"), {}, std::nullopt, true);
    layout->addWidget(output);
    // This label is deliberately left untranslated.
    cbClipboard = new QCheckBox(QStringLiteral("Copy to clipboard"));
    cbClipboard->setChecked(true);
    layout->addWidget(cbClipboard);
    cb_scale = create_combobox(_("Size"), {{QStringLiteral("1x"), 1}, {QStringLiteral("2x"), 2},
                                           {QStringLiteral("4x"), 4}},
                               _("The picture's width and height, as a multiple of the viewer's on screen"));
    layout->addWidget(cb_scale);
    layout->addWidget(create_action());
}

int CanvasExportDialog::scale() const
{
    return cb_scale->combobox->currentData().toInt();
}

void CanvasExportDialog::apply()
{
    emit sig_start(output->lineedit->edit->text(), cbClipboard->isChecked());
}

} // namespace kelvra
