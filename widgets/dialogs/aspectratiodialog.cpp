#include "widgets/dialogs/aspectratiodialog.h"

#include "host/errorhandler.h"
#include "host/errors.h"
#include "host/functions.h"
#include "host/translation.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kelvra {
namespace {

const QString kMethodKey = QStringLiteral("aspect_method");
const QString kRatioKey = QStringLiteral("aspect_ratio");

} // namespace

AspectRatioDialog::AspectRatioDialog(QWidget *parent, const std::optional<QVariantMap> &state)
    : EasyDialog(texts_of<AspectRatioDialog>(), parent)
{
    auto *lbl_method = new QLabel(_("Method"));
    rbAuto = new QRadioButton(_("Auto"));
    rbEqual = new QRadioButton(_("Equal"));
    rbFixed = new QRadioButton(_("Fixed"));
    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(rbAuto);
    group->addButton(rbEqual);
    group->addButton(rbFixed);
    auto *hbox = new QHBoxLayout;
    hbox->addWidget(lbl_method);
    hbox->addWidget(rbAuto);
    hbox->addWidget(rbEqual);
    hbox->addWidget(rbFixed);
    layout->addLayout(hbox);

    ratio = create_lineedit(_("Fixed ratio Y/X"), QStringLiteral("1.0"));
    layout->addWidget(ratio);
    layout->addWidget(create_action());

    for (QRadioButton *rb : {rbAuto, rbEqual, rbFixed})
        connect_guarded(rb, &QRadioButton::toggled, this, [this, rb] { set_method(rb); });
    rbEqual->setChecked(true);
    ratio->setEnabled(false);

    if (state)
        load_state(*state);
}

void AspectRatioDialog::set_method(QRadioButton *rb)
{
    if (!rb)
        throw ValueError(QStringLiteral("unknown value (no button)"));
    if (!rb->isChecked())
        return;
    const QString text = rb->text();
    if (text == _("Auto")) {
        method = QStringLiteral("Auto");
    } else if (text == _("Equal")) {
        method = QStringLiteral("Equal");
    } else if (text == _("Fixed")) {
        method = QStringLiteral("Fixed");
        ratio->setEnabled(true);
    } else {
        throw ValueError(QStringLiteral("unknown value ") + text);
    }
}

void AspectRatioDialog::load_state(const QVariantMap &state)
{
    for (const QString &key : {kMethodKey, kRatioKey}) {
        if (!state.contains(key))
            throw LookupError(key);
    }
    const QString state_method = state.value(kMethodKey).toString();
    const QVariant state_ratio = state.value(kRatioKey);

    if (state_method == QLatin1String("Auto")) {
        rbAuto->setChecked(true);
    } else if (state_method == QLatin1String("Equal")) {
        rbEqual->setChecked(true);
    } else if (state_method == QLatin1String("Fixed")) {
        // Convert before checking the button, so that a bad ratio changes nothing.
        bool ok = false;
        const double value = state_ratio.toDouble(&ok);
        if (!ok)
            throw ConversionError(QStringLiteral("could not convert the aspect ratio to float: '%1'")
                                      .arg(state_ratio.toString()));
        rbFixed->setChecked(true);
        ratio->edit->setText(double_to_text(value));
    } else {
        throw ValueError(QStringLiteral("Unknown value"));
    }
}

void AspectRatioDialog::apply()
{
    const double value = text_to_double(ratio->edit->text());
    emit sigApply(method, value);
}

} // namespace kelvra
