#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/dialogs/propertylistdialog.h"

namespace kelvra {

// Asks the host to rename one property of an object.
class DIALOGS_EXPORT RenamePropertyDialog : public PropertyListDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Rename property");

    explicit RenamePropertyDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Emits sig_start(object name, property shown in the list, new name);
    // an empty list gives an empty property name.
    void apply() override;

    LineEditField *new_name = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object, const QString &property, const QString &new_name);
};

} // namespace kelvra
