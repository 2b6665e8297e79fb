#include "app/formats/segyhandle.h"

#include "host/nativepath.h"

#include <segyio/segy.h>

namespace kelvra::app::formats {
namespace {

QString error_name(int code)
{
    switch (code) {
    case SEGY_FOPEN_ERROR: return _("the file cannot be opened");
    case SEGY_FSEEK_ERROR: return _("the position is past the end of the file");
    case SEGY_FREAD_ERROR: return _("the file ends before the data it announces");
    case SEGY_FWRITE_ERROR: return _("the file cannot be written");
    case SEGY_INVALID_FIELD: return _("no header field starts at this byte");
    case SEGY_TRACE_SIZE_MISMATCH: return _("the traces do not fill the file");
    case SEGY_INVALID_ARGS: return _("the header holds values that cannot be used");
    default: return _("segyio error %1").arg(code);
    }
}

double scaled(std::int32_t value, std::int32_t scalar)
{
    if (scalar < 0)
        return double(value) / -double(scalar);
    if (scalar > 0)
        return double(value) * double(scalar);
    return double(value);
}

} // namespace

SegyHandle::SegyHandle(const QString &path, const char *mode, const QString &shown)
    : m_path(shown.isEmpty() ? path : shown)
    , m_file(segy_open(native_path(path).constData(), mode))
{
    if (!m_file)
        throw FormatError(m_path, _("the file cannot be opened"));
}

SegyHandle::~SegyHandle()
{
    if (m_file)
        segy_close(m_file);
}

void SegyHandle::check(int code, std::int64_t byte) const
{
    if (code != SEGY_OK)
        throw FormatError(m_path, FormatError::Place::Byte, byte, error_name(code));
}

TraceHeader decode_trace_header(const char *header, int inline_byte, int crossline_byte)
{
    const auto field = [header](int byte) {
        std::int32_t value = 0;
        segy_get_field(header, byte, &value);
        return value;
    };
    TraceHeader decoded;
    decoded.inline_number = field(inline_byte);
    decoded.crossline_number = field(crossline_byte);
    const std::int32_t scalar = field(SEGY_TR_SOURCE_GROUP_SCALAR);
    decoded.x = scaled(field(SEGY_TR_CDP_X), scalar);
    decoded.y = scaled(field(SEGY_TR_CDP_Y), scalar);
    decoded.delay_ms = field(SEGY_TR_DELAY_REC_TIME);
    return decoded;
}

TraceHeader read_trace_header(const SegyHandle &handle, const SegyLayout &layout, std::int64_t trace)
{
    char header[SEGY_TRACE_HEADER_SIZE];
    const int code = segy_traceheader(handle.get(), int(trace), header, layout.trace0, layout.trace_bytes);
    if (code != SEGY_OK)
        throw FormatError(layout.file, FormatError::Place::Trace, trace + 1,
                          _("the trace header cannot be read"));
    return decode_trace_header(header, layout.inline_byte, layout.crossline_byte);
}

void check_trace_lines(const SegyLayout &layout, const TraceHeader &header, std::int64_t trace,
                       std::int64_t inline_number, std::int64_t crossline_number)
{
    if (header.inline_number != inline_number || header.crossline_number != crossline_number)
        throw FormatError(layout.file, FormatError::Place::Trace, trace + 1,
                          _("inline %1 crossline %2, where a full rectangle of lines has inline %3 "
                            "crossline %4")
                              .arg(header.inline_number)
                              .arg(header.crossline_number)
                              .arg(inline_number)
                              .arg(crossline_number));
}

} // namespace kelvra::app::formats
