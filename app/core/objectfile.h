#pragma once

// Kelvra object files: SQLite databases holding one object (saved from the
// object tree) or many (a project). Each object's vertices and properties
// are stored as chunked arrays in the chunk table, straight from and into
// the objects' arrays, so a file can hold objects larger than SQLite's
// largest blob; small tables keep the objects' names, geometry types,
// property order, current property, colour, grid, texts and units, and a
// checksum of every chunk and description (app/core/objecttables.h).
//
// Both directions work on plain records, so they can run on a worker
// thread; a Progress given to them counts the array bytes moved and stops
// the work (throwing Cancelled) when it is cancelled.

#include "app/core/geoobject.h"
#include "app/core/progress.h"

#include <QString>

#include <vector>

namespace kelvra::app {

// Writes the objects into a new file at path, replacing any file there.
// The file is written under a temporary name in the same folder and renamed
// into place once complete (app/core/filereplacement.h), so a failure or a
// cancel never leaves a truncated file and leaves an earlier file at path
// untouched. A replaced file keeps its permissions (and its group, where
// the user may set it); a new one gets those the user's umask gives any new
// file. A save through a symbolic link replaces the file the link names and
// keeps the link. ValueError, naming the file, for an empty path, a
// read-only file, a folder, named pipe or device, a folder the user may
// not write in, and any failure to write.
void save_objects(const QString &path, const std::vector<ObjectRecord> &objects,
                  Progress *progress = nullptr);

// Reads every object of the file, in the order they were saved. Nothing is
// allocated for an array before its size is checked against the file's,
// and every chunk and description is checked against its checksum where
// the file has them. Throws an error naming the file, and the object and
// property where there is one, for a missing, unreadable, foreign or
// damaged file, a path that is not a file, and an object that does not fit
// in memory.
std::vector<ObjectRecord> load_objects(const QString &path, Progress *progress = nullptr);

// Reads the file's single object; a file of several objects is refused.
ObjectRecord load_single_object(const QString &path, Progress *progress = nullptr);

} // namespace kelvra::app
