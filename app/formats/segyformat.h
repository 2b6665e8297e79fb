#pragma once

// SEG-Y seismic as Kelvra objects, through segyio's C library. A 3-D
// post-stack file becomes a Survey, its outline from the corner traces
// (five vertices, the last closing it) with "IL n XL m" texts, and, when
// the user asks for it, a Cube: the amplitudes as a float32 property
// "amplitude", X, Y and Z of every sample, and the grid (i along the
// crosslines, j along the inlines, k down the samples). Z is -time in ms
// (or -depth) of each sample: first sample at trace header byte 109, the
// interval in microseconds.
//
// Samples in IBM float, IEEE float, 32-, 16- or 8-bit integers; big- and
// little-endian files; inline and crossline numbers at the trace header
// bytes the user names (189 and 193 by default); CDP X/Y at bytes 181 and
// 185 with the coordinate scalar of byte 71 (dividing when negative).
// The user may take a part: inline and crossline numbers and sample times
// from FIRST to LAST, every STEP-th one.

#include "app/formats/format.h"

namespace kelvra::app::formats {

class SegyFormat : public Format
{
public:
    QString name() const override;
    QString title() const override;
    QStringList patterns() const override;
    int recognise(const QByteArray &head, const QString &path) const override;
    Description describe(const QString &path, const ImportOptions &options) const override;
    std::vector<ObjectRecord> read(const QString &path, const ImportOptions &options,
                                   Progress *progress) const override;
    // A Cube with a grid and a property beside X, Y and Z.
    bool can_write(const ObjectRecord &object) const override;
    // IEEE float samples of the property "amplitude" (else the current
    // property, else the first), inline j + 1 and crossline i + 1 at bytes
    // 189 and 193, CDP X/Y of each node with a coordinate scalar, the
    // sample interval and the first sample's time from the grid.
    void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
               Progress *progress) const override;
};

} // namespace kelvra::app::formats
