#include "host/views/numberformat.h"

#include <algorithm>
#include <cmath>

namespace kelvra {
namespace {

// From here up, and for steps finer than a millionth, numbers are written
// with an exponent: nobody counts eleven digits or six zeros.
constexpr double kPlainBelow = 1e10;
constexpr double kPlainStep = 1e-6;

// The power of ten of x's leading digit; x positive and finite. A little
// slack keeps 0.1 * 3 (0.30000000000000004) and 1e-3 in their decade.
int decade(double x)
{
    return int(std::floor(std::log10(x) + 1e-9));
}

} // namespace

TickFormat::TickFormat(double step, double magnitude)
    : m_step(std::isfinite(step) && step > 0 ? step : 1.0)
{
    const double largest = std::isfinite(magnitude) ? std::abs(magnitude) : 0.0;
    m_scientific = largest >= kPlainBelow || m_step < kPlainStep;
    if (m_scientific)
        m_decimals = std::clamp(decade(std::max(largest, m_step)) - decade(m_step), 0, 16);
    else
        m_decimals = std::clamp(-decade(m_step), 0, 16);
}

QString TickFormat::text(double value) const
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (std::abs(value) < m_step * 1e-6)
        value = 0; // no "-0", and no rounding noise of a tick at zero
    if (m_scientific)
        return value == 0 ? QStringLiteral("0") : QString::number(value, 'e', m_decimals);
    return QString::number(value, 'f', m_decimals);
}

QString value_text(double value, int digits)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0)
        return QStringLiteral("0");
    const int exponent = int(std::floor(std::log10(std::abs(value))));
    if (exponent < -5 || std::abs(value) >= kPlainBelow)
        return QString::number(value, 'g', digits);
    QString text = QString::number(value, 'f', std::max(0, digits - 1 - exponent));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

} // namespace kelvra
