#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

class QLineEdit;

namespace kelvra {

// Asks the host to shift one object's vertices along X, Y and Z.
class DIALOGS_EXPORT TranslateDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Translate XYZ");

    explicit TranslateDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Converts the X, then the Y, then the Z shift with the locale-independent
    // decimal parse and emits sig_start(object name, dx, dy, dz). A shift
    // that does not convert throws ConversionError before anything is emitted.
    void apply() override;

    ChooserField *grabob = nullptr;
    QLineEdit *le_x = nullptr;
    QLineEdit *le_y = nullptr;
    QLineEdit *le_z = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object, double dx, double dy, double dz);
};

} // namespace kelvra
