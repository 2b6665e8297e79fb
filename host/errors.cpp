#include "host/errors.h"

namespace kelvra {

// The destructors are defined here so that each type's vtable and type
// information live in this library only, and a catch in one library matches
// a throw in another.

NotImplementedError::NotImplementedError(const QString &what)
    : std::logic_error(what.toStdString()) {}
NotImplementedError::~NotImplementedError() = default;

ValueError::ValueError(const QString &what)
    : std::invalid_argument(what.toStdString()) {}
ValueError::~ValueError() = default;

ConversionError::ConversionError(const QString &what)
    : std::invalid_argument(what.toStdString()) {}
ConversionError::~ConversionError() = default;

LookupError::LookupError(const QString &what)
    : std::out_of_range(what.toStdString()) {}
LookupError::~LookupError() = default;

AssertionError::AssertionError(const QString &what)
    : std::logic_error(what.toStdString()) {}
AssertionError::~AssertionError() = default;

SqliteError::SqliteError(const QString &what, int code)
    : std::runtime_error(what.toStdString()), m_code(code) {}
SqliteError::~SqliteError() = default;

QString error_text(const std::exception &error)
{
    return QString::fromUtf8(error.what());
}

} // namespace kelvra
