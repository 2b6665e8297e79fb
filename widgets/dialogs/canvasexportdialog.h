#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

#include <QString>

class QCheckBox;

namespace kelvra {

// Asks for the PNG file to write the viewer canvas to, whether to copy the
// picture to the clipboard too, and its size: as large as on screen, or
// twice or four times as wide and high. Apply emits sig_start(file name,
// copy); scale() tells the size; the host writes the picture.
class DIALOGS_EXPORT CanvasExportDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Export canvas to PNG picture");

    explicit CanvasExportDialog(QWidget *parent = nullptr);

    // Emits the file name as typed, unchecked, and the clipboard choice.
    void apply() override;
    // How many times as wide and high as on screen the picture is: 1, 2 or 4.
    int scale() const;

    ChooserField *output = nullptr;
    QCheckBox *cbClipboard = nullptr;
    ComboBoxField *cb_scale = nullptr; // "1x" (the default), "2x", "4x"

Q_SIGNALS:
    void sig_start(const QString &filename, bool clipboard);
};

} // namespace kelvra
