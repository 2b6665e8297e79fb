#pragma once

// How a map viewer scales its axes, and the mapping from map coordinates to
// pixels that follows from it.

#include "host/views/hostviews_export.h"

#include <QRectF>
#include <QString>
#include <QTransform>

namespace kelvra {

enum class AspectMethod {
    Auto,  // each axis fills the drawing area
    Equal, // one map unit is as long on both axes
    Fixed, // a Y unit is `ratio` times as long as an X unit
};

// The method named by "Auto", "Equal" or "Fixed" (exact, case-sensitive);
// any other text throws ValueError "unknown value <text>".
HOSTVIEWS_EXPORT AspectMethod aspect_method_from_text(const QString &text);
HOSTVIEWS_EXPORT QString aspect_method_text(AspectMethod method);

// Maps the map rectangle `data` (x to the right, y upwards) into `area`
// (widget pixels, y downwards), centred. ratio is used by Fixed only and
// must be positive. An axis on which data has no extent is given the other
// axis's extent (one map unit when neither has one), so a single point or a
// line running north still draws.
HOSTVIEWS_EXPORT QTransform map_transform(const QRectF &data, const QRectF &area,
                                          AspectMethod method, double ratio = 1.0);

} // namespace kelvra
