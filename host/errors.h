#pragma once

// The error types of the whole system. Operations throw them; a Qt slot never
// lets one escape (see errorhandler.h).

#include "host/kelvrahost_export.h"

#include <QString>

#include <stdexcept>

namespace kelvra {

// An operation that a subclass must provide was called on the base.
class KELVRAHOST_EXPORT NotImplementedError : public std::logic_error
{
public:
    explicit NotImplementedError(const QString &what);
    ~NotImplementedError() override;
};

// A value outside the accepted set, such as an unknown mode or state.
class KELVRAHOST_EXPORT ValueError : public std::invalid_argument
{
public:
    explicit ValueError(const QString &what);
    ~ValueError() override;
};

// A number text that does not convert.
class KELVRAHOST_EXPORT ConversionError : public std::invalid_argument
{
public:
    explicit ConversionError(const QString &what);
    ~ConversionError() override;
};

// A missing key or a name that is not in a list.
class KELVRAHOST_EXPORT LookupError : public std::out_of_range
{
public:
    explicit LookupError(const QString &what);
    ~LookupError() override;
};

// A failed consistency check. Thrown, never aborting the process.
class KELVRAHOST_EXPORT AssertionError : public std::logic_error
{
public:
    explicit AssertionError(const QString &what);
    ~AssertionError() override;
};

// An error reported by SQLite: SQLite's own message and its (extended)
// result code, SQLITE_ERROR (1) when the layer above found the fault.
class KELVRAHOST_EXPORT SqliteError : public std::runtime_error
{
public:
    explicit SqliteError(const QString &what, int code = 1);
    ~SqliteError() override;
    int code() const { return m_code; }

private:
    int m_code;
};

// The message of an exception as text (what() is UTF-8).
KELVRAHOST_EXPORT QString error_text(const std::exception &error);

} // namespace kelvra
