#pragma once

// What a property script printed, shown after the run in a window of its
// own that does not block the main window, so that the text can be read
// and copied while working on.

#include <QString>

class QDialog;
class QWidget;

namespace kelvra::app {

// Opens the window (object name "script_output"), which deletes itself
// when closed, and returns it.
QDialog *show_script_output(QWidget *parent, const QString &object, const QString &output);

} // namespace kelvra::app
