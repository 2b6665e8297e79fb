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

// One file of an export into a folder.
struct FolderExport
{
    QString file;          // in the folder
    const Format *format;  // the one it is written in
};

// Where export_to_folder writes each object, checked before anything is
// written: FOLDER/NAME.EXT, NAME the object's name (a '/' or NUL in it as
// '_', a name of dots only after a '_', names that would meet made unique
// with "_2", "_3" ...), EXT the first extension of the format: the one of
// that name, else the first format that can hold the object. ValueError
// when the folder is none, or the format cannot hold an object.
std::vector<FolderExport> plan_folder_export(const QString &folder, const std::vector<ObjectRecord> &objects,
                                             const QString &format_name);

// Writes each object into its file of the plan (in the same order), each
// file replaced only once complete.
void export_to_folder(const std::vector<FolderExport> &plan, const std::vector<ObjectRecord> &objects,
                      const ExportOptions &options, Progress *progress);

// The formats that can hold the object, as "name (title)".
QStringList formats_for(const ObjectRecord &object);

} // namespace kelvra::app::formats
