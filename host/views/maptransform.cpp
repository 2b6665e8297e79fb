#include "host/views/maptransform.h"

#include "host/errors.h"

#include <algorithm>

namespace kelvra {

AspectMethod aspect_method_from_text(const QString &text)
{
    if (text == QLatin1String("Auto"))
        return AspectMethod::Auto;
    if (text == QLatin1String("Equal"))
        return AspectMethod::Equal;
    if (text == QLatin1String("Fixed"))
        return AspectMethod::Fixed;
    throw ValueError(QStringLiteral("unknown value %1").arg(text));
}

QString aspect_method_text(AspectMethod method)
{
    switch (method) {
    case AspectMethod::Auto:
        return QStringLiteral("Auto");
    case AspectMethod::Equal:
        return QStringLiteral("Equal");
    case AspectMethod::Fixed:
        break;
    }
    return QStringLiteral("Fixed");
}

QTransform map_transform(const QRectF &data, const QRectF &area, AspectMethod method, double ratio)
{
    // An axis without extent takes the other's (a line running north gets a
    // view as wide as it is long), or one map unit when neither has any.
    const double span_x = data.width() > 0 ? data.width() : data.height() > 0 ? data.height() : 1.0;
    const double span_y = data.height() > 0 ? data.height() : span_x;
    double scale_x = area.width() / span_x;  // pixels per X unit
    double scale_y = area.height() / span_y; // pixels per Y unit
    if (method != AspectMethod::Auto) {
        const double y_per_x = method == AspectMethod::Fixed ? ratio : 1.0;
        scale_x = std::min(scale_x, scale_y / y_per_x);
        scale_y = scale_x * y_per_x;
    }
    const QPointF centre = data.center();
    const QPointF target = area.center();
    return QTransform(scale_x, 0, 0, -scale_y,
                      target.x() - scale_x * centre.x(), target.y() + scale_y * centre.y());
}

} // namespace kelvra
