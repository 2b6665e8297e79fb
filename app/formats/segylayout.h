#pragma once

// The layout of a 3-D post-stack SEG-Y file, from its headers alone: the
// sample format and byte order, the samples per trace and their times, and
// the regular grid of inline and crossline numbers the traces fill, with
// the map position of its corners. Reading the layout reads the text and
// binary headers and a few trace headers (the first line and the last
// trace); nothing in it is sized before the file's size has confirmed it.

#include "host/gridgeometry.h"
#include "app/formats/format.h"

#include <QPointF>
#include <QString>

#include <cstdint>

namespace kelvra::app::formats {

// One axis of the survey: line numbers first, first + step, ... (the step
// may be negative), count of them.
struct LineAxis
{
    std::int64_t first = 0;
    std::int64_t step = 1;
    std::int64_t count = 1;
    std::int64_t number(std::int64_t index) const { return first + index * step; }
};

struct SegyLayout
{
    QString file;
    int format = 1;          // 1 IBM float, 2 int32, 3 int16, 5 IEEE float, 8 int8
    bool little_endian = false;
    int samples = 0;         // per trace
    int sample_bytes = 4;
    double interval_us = 0;  // between samples, microseconds
    double first_time = 0;   // of the first sample, ms (trace header byte 109)
    long trace0 = 3600;      // byte offset of the first trace header
    int trace_bytes = 0;     // of samples, without the header
    std::int64_t traces = 0;
    bool inline_sorted = true; // the crossline number runs fastest
    LineAxis inlines, crosslines;
    int inline_byte = 189, crossline_byte = 193;
    // Map position of the corner traces (first inline / first crossline,
    // first / last, last / last, last / first), from CDP X and Y.
    QPointF corners[4];
    bool has_coordinates = true; // false: every CDP X/Y is 0, positions are line numbers
    QString text_header;         // 40 lines of 80 characters
    QStringList notes;

    // The trace (from 0) of inline index j, crossline index i.
    std::int64_t trace_of(std::int64_t j, std::int64_t i) const
    {
        return inline_sorted ? j * crosslines.count + i : i * inlines.count + j;
    }
    // The grid of the whole survey: i along crosslines, j along inlines.
    GridGeometry grid() const;
};

// The part of a survey the user asked for, as indices into the axes.
struct SegySelection
{
    std::int64_t il_first = 0, il_count = 1, il_step = 1;
    std::int64_t xl_first = 0, xl_count = 1, xl_step = 1;
    std::int64_t sample_first = 0, sample_count = 1, sample_step = 1;
    std::int64_t nodes() const { return il_count * xl_count; }
};

// Reads the layout; throws FormatError naming the file, the byte or trace
// and the reason.
SegyLayout read_segy_layout(const QString &path, int inline_byte, int crossline_byte);
// The part named by the ranges (line numbers, sample times in ms, every
// STEP-th one); throws FormatError when a range falls outside the survey.
SegySelection select(const SegyLayout &layout, const NumberRange &inlines, const NumberRange &crosslines,
                     const NumberRange &samples);
// The grid of the selected part.
GridGeometry selected_grid(const SegyLayout &layout, const SegySelection &selection);

} // namespace kelvra::app::formats
