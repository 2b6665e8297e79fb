#pragma once

// Kelvra object files: SQLite databases holding one object (saved from the
// object tree) or many (a project). Each object's vertices and properties
// are stored as chunked arrays in the chunk table, so a file can hold
// objects larger than SQLite's largest blob; two small tables keep the
// objects' names, geometry types, property order and current property.

#include "app/core/geoobject.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace kelvra::app {

// Writes the objects into a new file at path, replacing any file there.
// The file is written under a temporary name and renamed into place once
// complete, so a failure never leaves a truncated or half-written file.
void save_objects(const QString &path, const QList<GeoObject *> &objects);

// Reads every object of the file, in the order they were saved. Throws a
// clear error for a missing, unreadable or foreign file.
std::vector<std::unique_ptr<GeoObject>> load_objects(const QString &path);

// Reads the file's single object; a file of several objects is refused.
std::unique_ptr<GeoObject> load_single_object(const QString &path);

} // namespace kelvra::app
