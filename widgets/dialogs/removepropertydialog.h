#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/dialogs/propertylistdialog.h"

namespace kelvra {

// Asks the host to remove one property of an object.
class DIALOGS_EXPORT RemovePropertyDialog : public PropertyListDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Remove property");

    explicit RemovePropertyDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Emits sig_start(object name, property shown in the list); an empty
    // list gives an empty property name.
    void apply() override;

Q_SIGNALS:
    void sig_start(const QString &object, const QString &property);
};

} // namespace kelvra
