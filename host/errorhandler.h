#pragma once

// The general error handler. Qt treats an exception leaving a slot as
// undefined behaviour, so every slot that can throw runs its work through
// guarded(): the operation stops where the error happened, and the error is
// handed to the handler installed here. The reference host shows it in a
// message box; tests install a recording handler.

#include "host/kelvrahost_export.h"
#include "host/translation.h"

#include <QObject>

#include <exception>
#include <functional>
#include <utility>

namespace kelvra {

using ErrorHandler = std::function<void(const std::exception &)>;

// Installs a handler and returns the one it replaces. An empty handler
// restores the default, which only logs the error.
KELVRAHOST_EXPORT ErrorHandler set_error_handler(ErrorHandler handler);

// Hands an error to the installed handler. Never throws.
KELVRAHOST_EXPORT void report_error(const std::exception &error) noexcept;

// A handler that logs the error and shows it in a critical message box.
KELVRAHOST_EXPORT ErrorHandler message_box_error_handler();

// Runs fn; an exception out of it goes to report_error instead of the caller.
template <typename Fn>
void guarded(Fn &&fn) noexcept
{
    try {
        std::forward<Fn>(fn)();
    } catch (const std::exception &error) {
        report_error(error);
    } catch (...) {
        report_error(std::runtime_error(_("unknown error").toStdString()));
    }
}

// Connects signal to fn (which takes no arguments) through guarded(), with
// context as the receiver that limits the connection's lifetime.
template <typename Sender, typename Signal, typename Fn>
QMetaObject::Connection connect_guarded(const Sender *sender, Signal signal,
                                        const QObject *context, Fn fn)
{
    return QObject::connect(sender, signal, context, [fn = std::move(fn)] { guarded(fn); });
}

} // namespace kelvra
