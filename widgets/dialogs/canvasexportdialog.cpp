#include "widgets/dialogs/canvasexportdialog.h"

#include "host/translation.h"

#include <QBoxLayout>
#include <QCheckBox>
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
    layout->addWidget(create_action());
}

void CanvasExportDialog::apply()
{
    emit sig_start(output->lineedit->edit->text(), cbClipboard->isChecked());
}

} // namespace kelvra
