#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

namespace kelvra {

// Asks the host to load one object from a file of its own, optionally
// under another name than the one saved in the file.
class DIALOGS_EXPORT LoadObjectDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Load object");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "The original object name was saved into the db file, so you don't have to supply it, "
        "in which case, just leave it blank or DEFAULT.");

    explicit LoadObjectDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Emits sig_start(file path, object name); "DEFAULT" and the empty name
    // go out as they are.
    void apply() override;

    ChooserField *input = nullptr;
    LineEditField *name = nullptr;

Q_SIGNALS:
    void sig_start(const QString &file, const QString &object_name);
};

} // namespace kelvra
