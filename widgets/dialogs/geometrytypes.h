#pragma once

// Geometry type lists in the form the object fields and the object tree take.

#include "widgets/dialogs/dialogs_export.h"

#include <QStringList>

namespace kelvra {

// Every geometry type, in GEOMETRY_TYPES order.
DIALOGS_EXPORT QStringList all_geometry_types();

} // namespace kelvra
