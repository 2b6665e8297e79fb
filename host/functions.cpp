#include "host/functions.h"

#include "host/errors.h"
#include "host/translation.h"

#include <QDir>
#include <QFileInfo>

#include <charconv>
#include <locale.h>
#include <stdlib.h>
#include <cmath>
#include <limits>

namespace kelvra {

QString to_text_string(const QVariant &value)
{
    return value.toString();
}

QString getcwd_or_home()
{
    const QString current = QDir::currentPath();
    if (!current.isEmpty() && QFileInfo(current).isDir())
        return current;
    return QDir::homePath();
}

double text_to_double(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QByteArray latin = trimmed.toLatin1();
    const auto fail = [&text] {
        return ConversionError(_("could not convert string to float: '%1'").arg(text));
    };
    // Only ASCII can be part of a number; toLatin1 maps the rest to '?'.
    if (latin.isEmpty() || QString::fromLatin1(latin) != trimmed)
        throw fail();

    const char *first = latin.constData();
    const char *last = first + latin.size();
    bool negative = false;
    if (*first == '+' || *first == '-') {
        negative = *first == '-';
        ++first;
    }

    const QByteArray word = QByteArray(first, int(last - first)).toLower();
    double value = 0.0;
    if (word == "inf" || word == "infinity") {
        value = std::numeric_limits<double>::infinity();
    } else if (word == "nan") {
        value = std::numeric_limits<double>::quiet_NaN();
    } else {
        // from_chars never reads a locale; it takes no sign of its own here
        // and no words, which were handled above.
        if (first == last || *first == '+' || *first == '-' || std::isalpha(static_cast<unsigned char>(*first)))
            throw fail();
        const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
        if (end != last)
            throw fail();
        if (error == std::errc::result_out_of_range) {
            // Overflow gives infinity and underflow zero, as strtod does; the
            // C locale keeps the user's decimal separator out of it.
            static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
            value = strtod_l(QByteArray(first, int(last - first)).constData(), nullptr, c_locale);
        } else if (error != std::errc()) {
            throw fail();
        }
    }
    return negative ? -value : value;
}

QString double_to_text(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    Q_UNUSED(error) // 64 characters hold every double
    return QString::fromLatin1(buffer, int(end - buffer));
}

} // namespace kelvra
