#pragma once

// An open SEG-Y file of segyio's C library, closed on every way out, and
// the trace header fields Kelvra reads, decoded.

#include "app/formats/segylayout.h"

#include <QString>

#include <cstdint>

struct segy_file_handle;

namespace kelvra::app::formats {

class SegyHandle
{
public:
    // mode as for fopen ("rb", "w+b"); throws FormatError when the file
    // cannot be opened. Errors name the file shown, when given, else path.
    explicit SegyHandle(const QString &path, const char *mode = "rb", const QString &shown = {});
    ~SegyHandle();
    SegyHandle(const SegyHandle &) = delete;
    SegyHandle &operator=(const SegyHandle &) = delete;

    segy_file_handle *get() const { return m_file; }
    // Throws FormatError naming the byte and segyio's error when code is
    // not SEGY_OK.
    void check(int code, std::int64_t byte) const;
private:
    QString m_path; // as shown in errors
    segy_file_handle *m_file = nullptr;
};

struct TraceHeader
{
    std::int64_t inline_number = 0;
    std::int64_t crossline_number = 0;
    double x = 0; // CDP X and Y, the coordinate scalar applied
    double y = 0;
    double delay_ms = 0; // time of the first sample
};

// Decodes a trace header as segyio returns it (big-endian).
TraceHeader decode_trace_header(const char *header, int inline_byte, int crossline_byte);
// Reads and decodes the header of a trace (from 0).
TraceHeader read_trace_header(const SegyHandle &handle, const SegyLayout &layout, std::int64_t trace);
// Throws FormatError naming the trace when its line numbers are not the
// ones its place in a full rectangle of lines gives.
void check_trace_lines(const SegyLayout &layout, const TraceHeader &header, std::int64_t trace,
                       std::int64_t inline_number, std::int64_t crossline_number);

} // namespace kelvra::app::formats
