#pragma once

// The LAS log file of a well (versions 1.2 and 2.0, and 3.0 files of one
// data section), read and written by hand: sections of header lines
// "MNEM.UNIT  VALUE : DESCRIPTION" (~Version, ~Well, ~Curve, ~Parameter,
// ~Other) and a data section of numbers, one column per curve, the first
// column the depth.
//
// What other tools' files do and the reader takes in its stride: wrapped
// data (WRAP YES: the depth alone on a line, the other values on the lines
// after it), LAS 1.2 well sections whose values stand in the description
// field, depth that decreases or STEP 0 (only the depth column counts),
// values that are the declared NULL or another null value the user names,
// ISO-8859-1 text, CR or CRLF line ends, "~A" with or without column names,
// comment lines starting with '#', and LAS 3.0 sections (~Log_Definition,
// ~Log_Data, delimiters SPACE, TAB or COMMA).

#include "app/core/progress.h"

#include "host/ndarray.h"

#include <QIODevice>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kelvra::app::formats {

// One header line.
struct LasItem
{
    QString mnemonic;
    QString unit;
    QString value;
    QString description;
};

struct LasCurve
{
    QString mnemonic;
    QString unit;
    QString description;
};

struct LasFile
{
    double version = 2.0;
    bool wrapped = false;
    std::optional<double> null_value;  // the file's NULL
    std::vector<LasItem> well;         // ~Well, values where they belong whatever the version
    std::vector<LasItem> parameters;   // ~Parameter
    std::vector<LasCurve> curves;      // ~Curve, the depth first
    // One float64 column per curve, null values as NaN.
    std::vector<NdArray> columns;
    std::int64_t rows() const { return columns.empty() ? 0 : columns.front().size(); }

    // The value of a ~Well item (else of a ~Parameter item), if the file has it.
    const LasItem *item(const QString &mnemonic) const;
};

// Reads a LAS file from device; file names it in messages. Values equal to
// the file's NULL or to one of null_values become NaN. Throws FormatError
// naming the line and the reason.
LasFile read_las(QIODevice &device, const QString &file, const std::vector<double> &null_values,
                 Progress *progress = nullptr);

// Writes a LAS 2.0 file: ~Version, ~Well (STRT, STOP, STEP, NULL and the
// items given), ~Curve and the data, NaN written as null_value, every
// number in the fewest digits that read back as the same double.
void write_las(QIODevice &device, const LasFile &las, double null_value, Progress *progress = nullptr);

} // namespace kelvra::app::formats
