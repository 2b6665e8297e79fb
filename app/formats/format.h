#pragma once

// Files of other geoscience tools in and out of Kelvra. Each file format is
// one class derived from Format, in a file of its own, with the same entry
// points: recognise (a cheap look at the first bytes and the name), describe
// (what the file holds, without reading all of it), read (the objects) and,
// where the format can hold the object, write. formats() lists them all;
// the import and export dialogs and the command line are driven by that list.
//
// Readers never trust a file: sizes that the file cannot hold are refused
// before anything is allocated, and every refusal is a FormatError naming
// the file, the line (or byte offset, or trace) and what was wrong. Reading
// runs on a worker thread and reports its progress in bytes of the file.

#include "app/core/geoobject.h"
#include "app/core/progress.h"

#include "host/errors.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace kelvra::app::formats {

// A file that cannot be read as the format says: "FILE, line N: reason"
// (or "byte N", "trace N"; the place is left out when the fault is the
// file's as a whole).
class FormatError : public ValueError
{
public:
    enum class Place { None, Line, Byte, Trace };
    FormatError(const QString &file, Place place, std::int64_t where, const QString &reason);
    FormatError(const QString &file, const QString &reason);

    const QString &file() const { return m_file; }
    Place place() const { return m_place; }
    std::int64_t where() const { return m_where; }

private:
    QString m_file;
    Place m_place = Place::None;
    std::int64_t m_where = 0;
};

// An inclusive range of line or sample numbers with a step, as the user
// asks for a part of a survey ("FIRST:LAST[:STEP]"). Absent ends mean the
// file's own.
struct NumberRange
{
    std::optional<std::int64_t> first, last;
    std::int64_t step = 1;
};

// What the user chose for an import. Each format reads the choices it has
// and ignores the others; every choice has a command-line option.
struct ImportOptions
{
    QString name;                     // the object's name; empty: from the file
    std::vector<double> null_values;  // values that mean "no value", beside the file's own
    // Columns of XYZ and CSV files (from 0), where no header names them.
    std::optional<int> x_column, y_column, z_column;
    // What an XYZ or CSV file becomes: "Point" or "Line"; absent: Lines
    // when the file has pieces (separator lines, an ID column), else Points.
    std::optional<QString> geometry_type;
    // Wells: the wellhead and the datum (elevation of MD 0) where the file
    // does not give them; a deviation survey or path table; tops.
    std::optional<double> wellhead_x, wellhead_y, datum;
    QString path_file;
    QString tops_file;
    // Seismic: read the cube as well as the survey, which part of it, and
    // where the trace headers keep the line numbers.
    bool cube = false;
    NumberRange inlines, crosslines, samples;
    int inline_byte = 189;
    int crossline_byte = 193;
};

// What a file holds, as shown before it is imported.
struct Description
{
    QString format;                      // title of the format recognised
    QString geometry_type;               // of the object it becomes
    std::int64_t vertices = 0;           // nodes, vertices or samples
    std::optional<QRectF> extent;        // in map coordinates
    std::optional<GridGeometry> grid;    // columns, rows, origin, spacing, rotation
    std::int64_t nulls = -1;             // null values; -1 when not known without reading
    QStringList properties;              // that will be made, beside X, Y and Z
    std::int64_t memory_bytes = 0;       // the arrays the import will hold
    QStringList notes;                   // anything else worth telling (a text header, a warning)
    QString well;                        // the well the file names (LAS), empty for other files
};

struct ExportOptions
{
    std::optional<double> null_value; // written for missing values; the format's usual one when absent
};

class Format
{
public:
    virtual ~Format() = default;

    // Short name for --format ("zmap", "irap-ascii", "las").
    virtual QString name() const = 0;
    // Title shown to the user ("ZMAP+ grid").
    virtual QString title() const = 0;
    // File name patterns for the choosers ("*.zmap", "*.dat").
    virtual QStringList patterns() const = 0;

    // How sure the format is that the file is its own, from the first bytes
    // of the file (up to 64 KiB, fewer for a short file) and its name:
    // 0 not at all, 1 the name fits but the content says nothing, 2 the
    // content fits, 3 the content is unmistakable.
    virtual int recognise(const QByteArray &head, const QString &path) const = 0;
    virtual Description describe(const QString &path, const ImportOptions &options) const = 0;
    // The objects of the file. What the user should know about them (the
    // notes of describe that hold for the objects read) goes to the
    // progress's notes.
    virtual std::vector<ObjectRecord> read(const QString &path, const ImportOptions &options,
                                           Progress *progress) const = 0;

    // Whether the format can hold the object (its geometry type, grid,
    // triangles); formats that only read say false.
    virtual bool can_write(const ObjectRecord &object) const { Q_UNUSED(object) return false; }
    // Writes the object to path, replacing a file there only once the new
    // one is complete. Throws ValueError naming the file and the reason.
    virtual void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
                       Progress *progress) const;
};

// Every format, in the order they are offered.
const std::vector<const Format *> &formats();
// The format of that name; throws LookupError naming the known ones.
const Format &format_named(const QString &name);
// The format the file is most surely in; throws FormatError when no format
// takes it (naming the file), or when it cannot be read.
const Format &recognise_file(const QString &path);

// Checks, before a reader opens the file, that it is a file the user may
// read: FormatError when there is none, ValueError naming what stands there
// otherwise (a folder, a device, or a named pipe, whose opening would wait
// for a writer for ever).
void check_readable(const QString &path);

} // namespace kelvra::app::formats
