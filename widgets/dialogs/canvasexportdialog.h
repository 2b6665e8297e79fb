#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

#include <QString>

class QCheckBox;

namespace kelvra {

// Asks for the PNG file to write the viewer canvas to, and whether to copy
// the picture to the clipboard too. Apply emits sig_start(file name, copy);
// the host writes the picture.
class DIALOGS_EXPORT CanvasExportDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Export canvas to PNG picture");

    explicit CanvasExportDialog(QWidget *parent = nullptr);

    // Emits the file name as typed, unchecked, and the clipboard choice.
    void apply() override;

    ChooserField *output = nullptr;
    QCheckBox *cbClipboard = nullptr;

Q_SIGNALS:
    void sig_start(const QString &filename, bool clipboard);
};

} // namespace kelvra
