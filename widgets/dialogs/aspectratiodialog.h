#pragma once

#include "widgets/dialogs/dialogs_export.h"
#include "widgets/kvdialog/easydialog.h"

#include <QString>
#include <QVariantMap>

#include <optional>

class QRadioButton;

namespace kelvra {

// Chooses how the viewer scales its axes: Auto, Equal, or Fixed with a Y/X
// ratio. Apply emits sigApply(method, ratio); the host scales the viewer.
//
// A state is a map with the keys "aspect_method" ("Auto", "Equal" or
// "Fixed", untranslated) and "aspect_ratio" (a number, or a text holding
// one). The constructor's state is optional: absent means "show the
// defaults"; an empty map is a state without keys and fails like any other.
class DIALOGS_EXPORT AspectRatioDialog : public EasyDialog
{
    Q_OBJECT
public:
    static constexpr const char *NAME = QT_TRID_NOOP("Set viewer aspect ratio");

    explicit AspectRatioDialog(QWidget *parent = nullptr,
                               const std::optional<QVariantMap> &state = std::nullopt);

    // Takes the method from rb when it is checked; "Fixed" also enables the
    // ratio field. Throws ValueError "unknown value <text>" for a button
    // whose text is none of the three methods.
    void set_method(QRadioButton *rb);
    // Shows a state. A missing key throws LookupError, another method word
    // ValueError "Unknown value", a Fixed ratio that is not a number
    // ConversionError; the dialog is left unchanged in each case.
    void load_state(const QVariantMap &state);
    // Emits sigApply(method, ratio). A ratio text that is not a number
    // throws ConversionError and emits nothing.
    void apply() override;

    QRadioButton *rbAuto = nullptr;
    QRadioButton *rbEqual = nullptr;
    QRadioButton *rbFixed = nullptr;
    LineEditField *ratio = nullptr;
    // "Auto", "Equal" or "Fixed", untranslated.
    QString method;

Q_SIGNALS:
    void sigApply(const QString &method, double ratio);
};

} // namespace kelvra
