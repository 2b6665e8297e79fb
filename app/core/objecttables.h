#pragma once

// The tables of project and object files (see docs/files.md): the objects
// and their property names, colours, grids, per-vertex texts and units in
// small tables, the arrays in two chunk tables (property values, and the
// triangles of Tsurfaces), and the checksums that let a reader tell a
// damaged file from a sound one:
//
//     kelvra_checksums(table_name, object_name, prop_name, chunkID, checksum)
//
// holds the CRC-32C of every chunk of both chunk tables (table_name says
// which) and, under table_name 'kelvra_objects', prop_name '' and chunkID
// 0, one of each object's description: everything the small tables say
// about it. Files written by older versions or by other programs may lack
// the new tables: objects then have no colour, grid, triangles, texts or
// units; what has no checksum is read with SQLite's own checks only.

#include "app/core/geoobject.h"

#include "host/errors.h"
#include "host/sqlite.h"
#include "utils/chunkstore.h"

#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kelvra::app::tables {

extern const QString kChunks;
extern const QString kTopology;

// What the file holds differs from what was written, or declares more data
// than the file can hold.
class FileDamaged : public ValueError
{
public:
    using ValueError::ValueError;
};

// Whether the object has triangles to store (an empty array of shape
// (0, 3) counts: it says the object has none, and comes back so).
bool has_triangles(const ObjectRecord &object);

// Creates every table in a new, empty database.
void create(sqlite::Connection &db);

// Writes the object as the object at position: the rows of every table,
// its arrays as chunks, and the checksums of both.
void write_object(sqlite::Connection &db, std::int64_t position, const ObjectRecord &object,
                  const ChunkProgress &progress);

// An object as its file describes it, before its arrays are read.
struct StoredObject
{
    ObjectRecord record; // the property names in record.prop, their values still empty
    bool has_triangles = false;
};

// Reads a file's tables within one read transaction of db. Everything it
// reads is charged against a budget of bytes, the size of the file: a file
// cannot make the reader hold more than the file itself holds (a damaged
// cell may declare a blob of gigabytes, its overflow pages in a loop).
class Reader
{
public:
    Reader(sqlite::Connection &db, std::int64_t budget);

    // Whether the database has the tables of an object file.
    bool is_object_file() const;

    // Every object's description, in the saved order, each checked against
    // its checksum where the file has one. ValueError for two objects of
    // one name, a property listed twice, a malformed colour, grid or text
    // numbering; FileDamaged for a description that does not match its
    // checksum, or a checksum of an object that is gone.
    std::vector<StoredObject> read_descriptions();

    // The data bytes of an array (the property prop of the object, from
    // table), as its chunk headers declare them, charged against the
    // budget: FileDamaged when the file cannot hold that much.
    std::int64_t declare(const QString &table, const QString &object, const QString &prop);

    // The array, each chunk checked against its checksum where the file
    // has them.
    NdArray read_array(const QString &table, const QString &object, const QString &prop,
                       const ChunkProgress &progress);

    // What is being read: "object 'x', property 'Z'", or empty.
    const QString &where() const { return m_where; }

private:
    // What a small table says about one object, read for every object at once.
    struct Texts
    {
        QStringList texts;
        bool in_order = true; // the rows are those of vertices 0, 1, 2 ... with a text each
    };
    struct Units
    {
        QHash<QString, QString> units;
        bool complete = true; // every row has its property and its text
    };
    struct Sums
    {
        ChunkChecksums sums;
        bool in_order = true; // the rows are those of chunks 1, 2, 3 ... with a checksum each
    };
    using ArrayKey = QPair<QString, QString>; // object and property

    std::optional<sqlite::Row> next(sqlite::Cursor &cursor);
    void charge(std::int64_t bytes);
    // Reads each small table once, whole, into the maps below: a query per
    // table rather than per object keeps opening a file of many small
    // objects fast. Rows of objects the file does not list are left out.
    void read_tables(const QSet<QString> &names);
    std::optional<QString> read_description(StoredObject &object);
    void check_description(std::int64_t position, const StoredObject &object, const std::optional<QString> &colour);
    std::optional<ChunkChecksums> checksums(const QString &table, const QString &object, const QString &prop);
    ChunkReader &chunks(const QString &table);

    sqlite::Connection &m_db;
    std::int64_t m_budget;
    std::int64_t m_charged = 0;
    QSet<QString> m_tables;
    QString m_where;

    QHash<QString, std::vector<std::optional<QString>>> m_properties; // names in order; none: not a text
    QHash<QString, std::optional<QString>> m_colours;                 // none: not a text
    QHash<QString, sqlite::Row> m_grids;
    QSet<QString> m_triangles;
    QHash<QString, Texts> m_texts;
    QHash<QString, Units> m_units;
    QHash<QString, sqlite::Value> m_descriptions; // the checksum of each object's description
    QHash<QString, QHash<ArrayKey, Sums>> m_sums;   // by chunk table
    QHash<QString, std::shared_ptr<ChunkReader>> m_chunks; // by chunk table
};

} // namespace kelvra::app::tables
