#include "host/errorhandler.h"

#include "host/errors.h"
#include "host/logging.h"
#include "host/translation.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvra {
namespace {

void log_error(const std::exception &error)
{
    qCWarning(lcErrors).noquote() << error_text(error);
}

ErrorHandler &installed_handler()
{
    static ErrorHandler handler;
    return handler;
}

} // namespace

ErrorHandler set_error_handler(ErrorHandler handler)
{
    return std::exchange(installed_handler(), std::move(handler));
}

void report_error(const std::exception &error) noexcept
{
    try {
        if (const ErrorHandler &handler = installed_handler())
            handler(error);
        else
            log_error(error);
    } catch (...) {
        // A failing handler must not turn a reported error into a crash.
        qCCritical(lcErrors, "the error handler failed while reporting an error");
    }
}

ErrorHandler message_box_error_handler()
{
    return [](const std::exception &error) {
        log_error(error);
        QMessageBox::critical(QApplication::activeWindow(), _("Error"), error_text(error));
    };
}

} // namespace kelvra
