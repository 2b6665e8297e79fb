#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

namespace kelvra {

// Asks the host to copy one property from an object to another object of
// the same geometry type and vertices.
class DIALOGS_EXPORT CopyPropertyDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Copy property between objects");
    static constexpr const char *HELP_BODY = QT_TRID_NOOP(
        "From and to objects should have the same geometry type.<br>"
        "The vertex number and order should be the same for both objects.<br>");

    explicit CopyPropertyDialog(QWidget *parent = nullptr);

    // Builds the form; the constructor calls it.
    void setup_page();
    // Reads both objects, then both properties, and emits each object
    // followed by its own property.
    void apply() override;

    ChooserField *fromObject = nullptr;
    LineEditField *fromProperty = nullptr;
    ChooserField *toObject = nullptr;
    LineEditField *toProperty = nullptr;

Q_SIGNALS:
    void sig_start(const QString &from_object, const QString &from_property,
                   const QString &to_object, const QString &to_property);
};

} // namespace kelvra
