#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

namespace kelvra {

// Asks the host to add a property, initialised with zeros, to an object.
class DIALOGS_EXPORT CreatePropertyDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Create property");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP("The new property is initialized with zeros.<br>");

    explicit CreatePropertyDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Used when dialog is brought up by right click in tree: writes the name
    // of the object picked in the tree into the object field. No suitable
    // object picked: nothing changes.
    void grab_object_rc();
    // Emits sig_start(object name, property name).
    void apply() override;

    ChooserField *grabob = nullptr;
    LineEditField *prop_name = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object, const QString &property);
};

} // namespace kelvra
