#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

namespace kelvra {

// Asks the host to flip the depth of one object's vertices.
class DIALOGS_EXPORT FlipDepthDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Object flip depth");

    explicit FlipDepthDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Emits sig_start(object name).
    void apply() override;

    ChooserField *grabob = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object);
};

} // namespace kelvra
