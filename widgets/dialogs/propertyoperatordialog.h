#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

class QPlainTextEdit;

namespace kelvra {

// Asks the host to run a short script that computes properties of one object.
class DIALOGS_EXPORT PropertyOperatorDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Property operator");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "Example script<br><br>propA = - propA <br><br>import numpy as np <br>"
        "propB = np.log10(abs(propA))");

    explicit PropertyOperatorDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Emits sig_start(object name, script), the script exactly as the
    // editor holds it. The region is not part of the request.
    void apply() override;

    ChooserField *grabob = nullptr;
    LineEditField *region = nullptr;
    QPlainTextEdit *pteScript = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object, const QString &script);
};

} // namespace kelvra
