#pragma once

// The composite form fields that EasyDialog's builders make. Each exposes
// its parts as public members, so a dialog reads field->edit->text() or
// field->lineedit->edit->text().

#include "widgets/kvdialog/kvdialog_export.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kelvra {

// A label and a line edit, side by side or stacked.
class KVDIALOG_EXPORT LineEditField : public QWidget
{
    Q_OBJECT
public:
    LineEditField(const QString &text, Qt::Orientation alignment, QWidget *parent);

    QLabel *const label;
    QLineEdit *const edit;
};

// A label and a combo box, then a stretch.
class KVDIALOG_EXPORT ComboBoxField : public QWidget
{
    Q_OBJECT
public:
    ComboBoxField(const QString &text, QWidget *parent);

    QLabel *const label;
    QComboBox *const combobox;
};

// An object, file or directory field: a text field followed by a button
// that fills it (from the object tree or from a chooser). The button is a
// child named "chooser_button" and is not exposed.
class KVDIALOG_EXPORT ChooserField : public QWidget
{
    Q_OBJECT
public:
    ChooserField(LineEditField *lineedit, QWidget *button, QWidget *parent);

    LineEditField *const lineedit;
};

// First, last and step of the inline, crossline and depth ranges of a cube.
class KVDIALOG_EXPORT CubeFrame : public QWidget
{
    Q_OBJECT
public:
    explicit CubeFrame(QWidget *parent);

    QLineEdit *const le_il_frst;
    QLineEdit *const le_il_last;
    QLineEdit *const le_il_ncrt;
    QLineEdit *const le_xl_frst;
    QLineEdit *const le_xl_last;
    QLineEdit *const le_xl_ncrt;
    QLineEdit *const le_dp_frst;
    QLineEdit *const le_dp_last;
    QLineEdit *const le_dp_ncrt;
};

} // namespace kelvra
