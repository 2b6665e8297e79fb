#pragma once

// Importing a file into the store and exporting an object, as the dialogs
// and the command line do it.

#include "app/core/geoobject.h"
#include "app/formats/format.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kelvra::app {
class ObjectStore;
}

namespace kelvra::app::formats {

// The format of that name, or the one the file's content is most surely in
// when format_name is empty.
const Format &import_format(const QString &path, const QString &format_name);

// Reads the file's objects, each brought into the form every object has;
// throws FormatError or ValueError naming the file and the reason.
std::vector<ObjectRecord> import_file(const QString &path, const QString &format_name, const ImportOptions &options,
                                      Progress *progress);

// Adds the imported objects to the store, or none of them: a name that is
// taken (or used twice) is refused before anything is added. A Gsurface or
// Tsurface without a current property is coloured by Z. Returns their names.
QStringList add_imported(ObjectStore &store, std::vector<ObjectRecord> records);

// The format to write the object to path in: the one of that name, else
// the first that can hold the object and whose patterns fit the file's
// name. Throws ValueError when there is none, naming the ones that could.
const Format &export_format(const QString &path, const ObjectRecord &object, const QString &format_name);

// Writes the object into path in that format (see export_format).
void export_object(const QString &path, const ObjectRecord &object, const QString &format_name,
                   const ExportOptions &options, Progress *progress);

// The formats that can hold the object, as "name (title)".
QStringList formats_for(const ObjectRecord &object);

} // namespace kelvra::app::formats
