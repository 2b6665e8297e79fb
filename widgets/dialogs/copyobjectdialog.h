#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

namespace kelvra {

// Asks the host to copy one object of the tree under a new name.
class DIALOGS_EXPORT CopyObjectDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Copy object");

    explicit CopyObjectDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Used when dialog is brought up by right click in tree: writes the name
    // of the object picked in the tree into the object field. No suitable
    // object picked: nothing changes.
    void grab_object_rc();
    // Emits sig_start(object name, name of the copy).
    void apply() override;

    ChooserField *grabob = nullptr;
    LineEditField *new_name = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object, const QString &new_name);
};

} // namespace kelvra
