#pragma once

// Icons by name: Qt's standard icons where one fits, the desktop theme
// otherwise, with images bundled in the library as the fallback.

#include "host/kelvrahost_export.h"

#include <QIcon>
#include <QString>

namespace kelvra::ima {

// The icon for one of "configure", "DirOpenIcon", "FileIcon" and
// "grab_object". Never a null icon: an unknown name logs a warning and gives
// Qt's standard question-mark icon.
KELVRAHOST_EXPORT QIcon icon(const QString &name);

} // namespace kelvra::ima
