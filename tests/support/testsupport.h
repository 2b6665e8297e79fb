#pragma once

// Helpers shared by the tests: a recording error handler and a driver for
// modal dialogs (message boxes, file choosers) that would otherwise block.

#include "host/errorhandler.h"
#include "host/ndarray.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <initializer_list>

namespace kelvra {
// Lets QCOMPARE print arrays that differ.
char *toString(const NdArray &array);
} // namespace kelvra

namespace kelvra::test {

// A one-dimensional float64 array of the values.
NdArray array(std::initializer_list<double> values);

// Installs a handler that records the messages of reported errors, and
// restores the previous handler when it goes out of scope.
class ErrorRecorder
{
public:
    ErrorRecorder();
    ~ErrorRecorder();
    ErrorRecorder(const ErrorRecorder &) = delete;
    ErrorRecorder &operator=(const ErrorRecorder &) = delete;

    QStringList messages;

private:
    ErrorHandler m_previous;
};

// Puts an interface language into effect (the configuration and the
// installed translators) for as long as it lives; then the language that
// was configured before it, so that a failing check leaves English behind.
class InterfaceLanguageScope
{
public:
    explicit InterfaceLanguageScope(const QString &language);
    ~InterfaceLanguageScope();
    InterfaceLanguageScope(const InterfaceLanguageScope &) = delete;
    InterfaceLanguageScope &operator=(const InterfaceLanguageScope &) = delete;

private:
    QString m_previous;
};

// Arranges for fn to run on the next modal widget that opens, from inside
// its event loop; fn must close it (accept or reject). A dialog that fn
// leaves open is rejected, so a failing check never blocks the test run.
// A new arrangement replaces one that is still waiting.
void on_next_modal(std::function<void(QWidget *)> fn, int timeout_ms = 5000);

// Whether on_next_modal's last arrangement found a modal widget and its
// handler closed it.
bool modal_was_handled();

} // namespace kelvra::test
