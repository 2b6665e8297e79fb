#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

namespace kelvra {

// Asks the host to save one object of the tree into a file of its own.
class DIALOGS_EXPORT SaveObjectDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Save object");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "The recommended filename extension is db (e.g. myobj.db), which is the default filter "
        "at load object. But the filename can have any extension, and you'd switch the filter "
        "to \"All files\".");

    explicit SaveObjectDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Reads the file path, then the object name, and emits
    // sig_start(object name, file path). No extension is added.
    void apply() override;

    ChooserField *grabob = nullptr;
    ChooserField *output = nullptr;

Q_SIGNALS:
    void sig_start(const QString &object, const QString &file);
};

} // namespace kelvra
