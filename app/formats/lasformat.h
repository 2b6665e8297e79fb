#pragma once

// LAS well logs as Kelvra objects. A LAS file becomes a well: a Point
// object whose vertices are the log samples along the well path and whose
// properties are the curves, the depth curve as MD, with the curves' units.
// The path comes from a deviation survey or path table named in the import
// options, else the well is vertical; a LAS file with curves X, Y and Z
// (as Kelvra writes them) carries its own path. Tops named in the options
// become a Label object, one vertex per top of this well, the top's name
// its text.
//
// Wellhead and datum: the file's own items where it has them, else the
// import options, else X = Y = 0 or datum 0 with a note that says so. The
// wellhead is the first of the ~Well (then ~Parameter) items X, XWELL,
// XCOORD, X_COORD, EASTING, EAST with a number (Y alike), or two numbers in
// LOC; the datum the first of EREF, EKB, EDF, KB, DF, ELEV, EGL, GL that
// holds a number other than the file's NULL or -999.25, -9999, -99999, converted between feet and
// metres to the depth curve's unit.

#include "app/formats/format.h"

namespace kelvra::app::formats {

class LasFormat : public Format
{
public:
    QString name() const override;
    QString title() const override;
    QStringList patterns() const override;
    int recognise(const QByteArray &head, const QString &path) const override;
    Description describe(const QString &path, const ImportOptions &options) const override;
    std::vector<ObjectRecord> read(const QString &path, const ImportOptions &options,
                                   Progress *progress) const override;
    // A Point object with an MD property: a well.
    bool can_write(const ObjectRecord &object) const override;
    // LAS 2.0: the MD first, then X, Y, Z and the other properties as
    // curves with their units.
    void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
               Progress *progress) const override;
};

} // namespace kelvra::app::formats
