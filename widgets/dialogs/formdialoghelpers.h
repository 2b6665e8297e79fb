#pragma once

// Helpers shared by the form dialogs of this library; not installed.

#include <QStringList>

namespace kelvra {

class DataObject;
class EasyDialog;

namespace formdialogs {

// The object picked in the dialog's object tree, of a type in geom; nullptr
// when nothing suitable is picked or the dialog has no tree.
DataObject *picked_object(const EasyDialog &dialog, const QStringList &geom);

// Every geometry type except the excluded ones, in GEOMETRY_TYPES order.
QStringList geometry_types_without(const QStringList &excluded);

} // namespace formdialogs
} // namespace kelvra
