#include "widgets/kvdialog/fields.h"

#include "host/translation.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvra {

LineEditField::LineEditField(const QString &text, Qt::Orientation alignment, QWidget *parent)
    : QWidget(parent)
    , label(new QLabel(text))
    , edit(new QLineEdit)
{
    QBoxLayout *layout = alignment == Qt::Horizontal ? static_cast<QBoxLayout *>(new QHBoxLayout(this))
                                                     : new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->setContentsMargins(0, 0, 0, 0);
}

ComboBoxField::ComboBoxField(const QString &text, QWidget *parent)
    : QWidget(parent)
    , label(new QLabel(text))
    , combobox(new QComboBox)
{
    combobox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(combobox);
    layout->addStretch(1);
    layout->setContentsMargins(0, 0, 0, 0);
}

ChooserField::ChooserField(LineEditField *lineedit, QWidget *button, QWidget *parent)
    : QWidget(parent)
    , lineedit(lineedit)
{
    button->setObjectName(QStringLiteral("chooser_button"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(lineedit);
    layout->addWidget(button);
    layout->setContentsMargins(0, 0, 0, 0);
}

CubeFrame::CubeFrame(QWidget *parent)
    : QWidget(parent)
    , le_il_frst(new QLineEdit)
    , le_il_last(new QLineEdit)
    , le_il_ncrt(new QLineEdit)
    , le_xl_frst(new QLineEdit)
    , le_xl_last(new QLineEdit)
    , le_xl_ncrt(new QLineEdit)
    , le_dp_frst(new QLineEdit)
    , le_dp_last(new QLineEdit)
    , le_dp_ncrt(new QLineEdit)
{
    auto *grid = new QGridLayout(this);
    const auto add_row = [grid](int row, const QString &text, QLineEdit *first, QLineEdit *last,
                                QLineEdit *step) {
        grid->addWidget(new QLabel(text), row, 0);
        grid->addWidget(first, row, 1);
        grid->addWidget(last, row, 2);
        grid->addWidget(step, row, 3);
    };
    add_row(0, _("Iline first, last, step"), le_il_frst, le_il_last, le_il_ncrt);
    add_row(1, _("Xline first, last, step"), le_xl_frst, le_xl_last, le_xl_ncrt);
    add_row(2, _("Depth first, last, step"), le_dp_frst, le_dp_last, le_dp_ncrt);
    grid->setContentsMargins(0, 0, 0, 0);
}

} // namespace kelvra
