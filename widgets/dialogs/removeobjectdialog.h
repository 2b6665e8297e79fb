#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

namespace kelvra {

// Asks the host to remove one object from the tree.
class DIALOGS_EXPORT RemoveObjectDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Remove object");

    explicit RemoveObjectDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Emits sig_start(object name).
    void apply() override;

    ChooserField *grabob = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object);
};

} // namespace kelvra
