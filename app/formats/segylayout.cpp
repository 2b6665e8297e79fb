#include "app/formats/segylayout.h"

#include "app/formats/segyhandle.h"

#include "host/translation.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>
#include <vector>
#include <segyio/segy.h>

namespace kelvra::app::formats {
namespace {

bool known_format(int format)
{
    return format == SEGY_IBM_FLOAT_4_BYTE || format == SEGY_SIGNED_INTEGER_4_BYTE
        || format == SEGY_SIGNED_SHORT_2_BYTE || format == SEGY_IEEE_FLOAT_4_BYTE
        || format == SEGY_SIGNED_CHAR_1_BYTE;
}

QString text_header_of(const QString &path, SegyHandle &handle)
{
    QFile file(path);
    QByteArray raw;
    if (file.open(QIODevice::ReadOnly))
        raw = file.read(SEGY_TEXT_HEADER_SIZE);
    int high = 0;
    for (const char c : raw)
        high += static_cast<unsigned char>(c) >= 0x80 ? 1 : 0;
    QByteArray text;
    if (!raw.isEmpty() && (static_cast<unsigned char>(raw.at(0)) == 0xC3 || high > raw.size() / 4)) {
        // EBCDIC: segyio turns it into ASCII.
        text.resize(segy_textheader_size());
        if (segy_read_textheader(handle.get(), text.data()) != SEGY_OK)
            return {};
        text.truncate(SEGY_TEXT_HEADER_SIZE);
    } else {
        text = raw;
    }
    for (char &c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            c = ' ';
    }
    QStringList lines;
    for (int at = 0; at < text.size(); at += 80)
        lines << QString::fromLatin1(text.mid(at, 80)).trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

// An axis of regularly spaced numbers, or a refusal naming the trace.
LineAxis axis_of(const QString &file, std::int64_t first, std::int64_t second, std::int64_t count,
                 std::int64_t second_trace, const char *what)
{
    LineAxis axis{first, count > 1 ? second - first : 1, count};
    if (count > 1 && axis.step == 0)
        throw FormatError(file, FormatError::Place::Trace, second_trace + 1,
                          _("the %1 number %2 repeats: the file is not a post-stack 3-D survey")
                              .arg(_(what))
                              .arg(second));
    return axis;
}

} // namespace

GridGeometry SegyLayout::grid() const
{
    GridGeometry grid;
    grid.columns = crosslines.count;
    grid.rows = inlines.count;
    grid.layers = samples;
    grid.x_origin = corners[0].x();
    grid.y_origin = corners[0].y();
    QPointF a = crosslines.count > 1 ? (corners[1] - corners[0]) / double(crosslines.count - 1) : QPointF();
    QPointF b = inlines.count > 1 ? (corners[3] - corners[0]) / double(inlines.count - 1) : QPointF();
    if (crosslines.count == 1 && inlines.count == 1) {
        a = QPointF(1, 0);
        b = QPointF(0, 1);
    } else if (crosslines.count == 1) {
        a = QPointF(b.y(), -b.x());
    } else if (inlines.count == 1) {
        b = QPointF(-a.y(), a.x());
    }
    const double length_a = std::hypot(a.x(), a.y()), length_b = std::hypot(b.x(), b.y());
    grid.rotation = std::atan2(a.y(), a.x()) * 180.0 / M_PI;
    grid.x_increment = length_a;
    grid.y_increment = a.x() * b.y() - a.y() * b.x() >= 0 ? length_b : -length_b;
    grid.z_origin = -first_time;
    grid.z_increment = -interval_us / 1000.0;
    return grid;
}

SegyLayout read_segy_layout(const QString &path, int inline_byte, int crossline_byte)
{
    SegyLayout layout;
    layout.file = path;
    layout.inline_byte = inline_byte;
    layout.crossline_byte = crossline_byte;
    check_readable(path);
    const std::int64_t size = QFileInfo(path).size();
    constexpr std::int64_t kHeaders = SEGY_TEXT_HEADER_SIZE + SEGY_BINARY_HEADER_SIZE;
    if (size < kHeaders)
        throw FormatError(path, FormatError::Place::Byte, size,
                          _("the file ends before the %1 bytes of its text and binary headers").arg(kHeaders));
    for (const int byte : {inline_byte, crossline_byte}) {
        char probe[SEGY_TRACE_HEADER_SIZE] = {};
        if (segy_set_field(probe, byte, 1) != SEGY_OK)
            throw FormatError(path, _("byte %1 is not the start of a trace header field").arg(byte));
    }
    SegyHandle handle(path);
    std::vector<char> binary(static_cast<std::size_t>(segy_binheader_size()));
    handle.check(segy_binheader(handle.get(), binary.data()), SEGY_TEXT_HEADER_SIZE);
    int format = segy_format(binary.data());
    if (!known_format(format)) {
        // A little-endian file: its format code reads byte-swapped.
        const int swapped = ((format & 0xFF) << 8) | ((format >> 8) & 0xFF);
        if (!known_format(swapped))
            throw FormatError(path, FormatError::Place::Byte, 3225,
                              _("the sample format code %1 is none of IBM float (1), 32-bit integer (2), "
                                "16-bit integer (3), IEEE float (5) or 8-bit integer (8)")
                                  .arg(format));
        layout.little_endian = true;
        handle.check(segy_set_format(handle.get(), swapped | SEGY_LSB), 3225);
        handle.check(segy_binheader(handle.get(), binary.data()), SEGY_TEXT_HEADER_SIZE);
        format = segy_format(binary.data());
    } else {
        handle.check(segy_set_format(handle.get(), format), 3225);
    }
    layout.format = format;
    layout.sample_bytes = segy_trsize(format, 1);
    layout.trace0 = segy_trace0(binary.data());
    if (layout.trace0 < kHeaders || layout.trace0 > size)
        throw FormatError(path, FormatError::Place::Byte, 3505,
                          _("the count of extended text headers puts the first trace past the end of the file"));
    const std::int64_t trace_space = size - layout.trace0;
    // The samples per trace: the binary header's, unless it does not fit
    // the file and the first trace header's does (cropped files keep the
    // count of the file they were cut from in one of them).
    const auto fits = [&](int samples) {
        return samples > 0 && trace_space % (SEGY_TRACE_HEADER_SIZE + std::int64_t(samples) * layout.sample_bytes) == 0
            && trace_space > 0;
    };
    int samples = segy_samples(binary.data());
    if (!fits(samples)) {
        std::int32_t from_trace = 0;
        if (trace_space >= SEGY_TRACE_HEADER_SIZE) {
            char header[SEGY_TRACE_HEADER_SIZE];
            handle.check(segy_traceheader(handle.get(), 0, header, layout.trace0, 0), layout.trace0);
            segy_get_field(header, SEGY_TR_SAMPLE_COUNT, &from_trace);
        }
        if (!fits(from_trace))
            throw FormatError(path, FormatError::Place::Byte, 3221,
                              _("traces of %1 samples of %2 bytes do not fill the %3 bytes after the headers: "
                                "the file is cut short or its sample count is wrong")
                                  .arg(samples)
                                  .arg(layout.sample_bytes)
                                  .arg(trace_space));
        layout.notes << _("The binary header says %1 samples per trace; the traces hold %2.")
                            .arg(samples)
                            .arg(from_trace);
        samples = from_trace;
    }
    layout.samples = samples;
    layout.trace_bytes = segy_trsize(format, samples);
    layout.traces = trace_space / (SEGY_TRACE_HEADER_SIZE + layout.trace_bytes);
    if (layout.traces > std::numeric_limits<int>::max())
        throw FormatError(path, _("%1 traces: more than Kelvra reads from one file").arg(layout.traces));

    float interval = 0;
    handle.check(segy_sample_interval(handle.get(), 0.0f, &interval), 3217);
    if (!(interval > 0))
        throw FormatError(path, FormatError::Place::Byte, 3217, _("the sample interval is zero"));
    layout.interval_us = interval;

    const auto header = [&](std::int64_t trace) { return read_trace_header(handle, layout, trace); };
    const TraceHeader first = header(0);
    layout.first_time = first.delay_ms;
    layout.inlines = {first.inline_number, 1, 1};
    layout.crosslines = {first.crossline_number, 1, 1};
    // The first two traces tell which number runs fastest; the first line
    // how many traces a line has.
    std::int64_t line_length = layout.traces;
    if (layout.traces > 1) {
        const TraceHeader second = header(1);
        if (second.inline_number == first.inline_number && second.crossline_number != first.crossline_number)
            layout.inline_sorted = true;
        else if (second.crossline_number == first.crossline_number && second.inline_number != first.inline_number)
            layout.inline_sorted = false;
        else
            throw FormatError(path, FormatError::Place::Trace, 2,
                              _("inline %1 crossline %2 follows inline %3 crossline %4: the traces are not "
                                "in lines of a 3-D survey (are the line numbers at bytes %5 and %6?)")
                                  .arg(second.inline_number)
                                  .arg(second.crossline_number)
                                  .arg(first.inline_number)
                                  .arg(first.crossline_number)
                                  .arg(inline_byte)
                                  .arg(crossline_byte));
        const auto slow = [&](const TraceHeader &h) { return layout.inline_sorted ? h.inline_number : h.crossline_number; };
        const auto fast = [&](const TraceHeader &h) { return layout.inline_sorted ? h.crossline_number : h.inline_number; };
        const std::int64_t fast_step = fast(second) - fast(first);
        line_length = 2;
        while (line_length < layout.traces) {
            const TraceHeader next = header(line_length);
            if (slow(next) != slow(first))
                break;
            if (fast(next) != fast(first) + line_length * fast_step)
                throw FormatError(path, FormatError::Place::Trace, line_length + 1,
                                  _("line number %1 breaks the step of %2 of the traces before it")
                                      .arg(fast(next))
                                      .arg(fast_step));
            ++line_length;
        }
        if (layout.traces % line_length != 0)
            throw FormatError(path, _("%1 traces do not fill lines of %2 traces: the survey is not a "
                                      "full rectangle")
                                        .arg(layout.traces)
                                        .arg(line_length));
        const std::int64_t lines = layout.traces / line_length;
        const TraceHeader next_line = lines > 1 ? header(line_length) : first;
        const LineAxis fast_axis = axis_of(path, fast(first), fast(second), line_length, 1,
                                           layout.inline_sorted ? QT_TRID_NOOP("crossline") : QT_TRID_NOOP("inline"));
        const LineAxis slow_axis = axis_of(path, slow(first), slow(next_line), lines, line_length,
                                           layout.inline_sorted ? QT_TRID_NOOP("inline") : QT_TRID_NOOP("crossline"));
        layout.inlines = layout.inline_sorted ? slow_axis : fast_axis;
        layout.crosslines = layout.inline_sorted ? fast_axis : slow_axis;
    }
    // The corners, read for the outline, also check that the last trace
    // is where a full rectangle puts it.
    const std::int64_t il_last = layout.inlines.count - 1, xl_last = layout.crosslines.count - 1;
    const std::int64_t corner_index[4][2] = {{0, 0}, {0, xl_last}, {il_last, xl_last}, {il_last, 0}};
    bool any_coordinate = false;
    for (int c = 0; c < 4; ++c) {
        const std::int64_t j = corner_index[c][0], i = corner_index[c][1];
        const std::int64_t trace = layout.trace_of(j, i);
        const TraceHeader h = header(trace);
        check_trace_lines(layout, h, trace, layout.inlines.number(j), layout.crosslines.number(i));
        layout.corners[c] = QPointF(h.x, h.y);
        any_coordinate = any_coordinate || h.x != 0 || h.y != 0;
    }
    if (!any_coordinate) {
        layout.has_coordinates = false;
        for (int c = 0; c < 4; ++c)
            layout.corners[c] = QPointF(double(layout.crosslines.number(corner_index[c][1])),
                                        double(layout.inlines.number(corner_index[c][0])));
        layout.notes << _("The trace headers hold no CDP X/Y: X is the crossline number and Y the "
                          "inline number.");
    } else if (layout.corners[0] == layout.corners[1] && layout.crosslines.count > 1) {
        throw FormatError(path, _("the first and last traces of the first line share one position"));
    } else if (layout.corners[0] == layout.corners[3] && layout.inlines.count > 1) {
        throw FormatError(path, _("the first traces of the first and last lines share one position"));
    }
    layout.text_header = text_header_of(path, handle);
    return layout;
}

SegySelection select(const SegyLayout &layout, const NumberRange &inlines, const NumberRange &crosslines,
                     const NumberRange &samples)
{
    const auto range = [&](const LineAxis &axis, const NumberRange &range, const char *what, std::int64_t &first,
                           std::int64_t &count, std::int64_t &step) {
        const auto index = [&](std::int64_t number) {
            const std::int64_t offset = number - axis.first;
            if (offset % axis.step != 0 || offset / axis.step < 0 || offset / axis.step >= axis.count)
                throw FormatError(layout.file, _("there is no %1 %2: the %1s run from %3 to %4 in steps of %5")
                                                   .arg(_(what))
                                                   .arg(number)
                                                   .arg(axis.first)
                                                   .arg(axis.number(axis.count - 1))
                                                   .arg(axis.step));
            return offset / axis.step;
        };
        const std::int64_t from = range.first ? index(*range.first) : 0;
        const std::int64_t to = range.last ? index(*range.last) : axis.count - 1;
        if (range.step < 1)
            throw FormatError(layout.file, _("the %1 step must be 1 or more").arg(_(what)));
        if (to < from)
            throw FormatError(layout.file, _("the %1 range ends before it starts").arg(_(what)));
        first = from;
        step = range.step;
        count = (to - from) / step + 1;
    };
    SegySelection selection;
    range(layout.inlines, inlines, QT_TRID_NOOP("inline"), selection.il_first, selection.il_count, selection.il_step);
    range(layout.crosslines, crosslines, QT_TRID_NOOP("crossline"), selection.xl_first, selection.xl_count, selection.xl_step);
    // Samples by their time (or depth) in ms, the nearest sample inside the range.
    const double dt = layout.interval_us / 1000.0;
    const double last_time = layout.first_time + (layout.samples - 1) * dt;
    const double from_time = samples.first ? double(*samples.first) : layout.first_time;
    const double to_time = samples.last ? double(*samples.last) : last_time;
    const auto k_from = std::int64_t(std::ceil((from_time - layout.first_time) / dt - 1e-6));
    const auto k_to = std::int64_t(std::floor((to_time - layout.first_time) / dt + 1e-6));
    if (samples.step < 1)
        throw FormatError(layout.file, _("the sample step must be 1 or more"));
    if (k_from < 0 || k_to >= layout.samples || k_to < k_from)
        throw FormatError(layout.file, _("the samples from %1 to %2 are not inside the traces, which run "
                                         "from %3 to %4")
                                           .arg(from_time)
                                           .arg(to_time)
                                           .arg(layout.first_time)
                                           .arg(last_time));
    selection.sample_first = k_from;
    selection.sample_step = samples.step;
    selection.sample_count = (k_to - k_from) / samples.step + 1;
    return selection;
}

GridGeometry selected_grid(const SegyLayout &layout, const SegySelection &selection)
{
    const GridGeometry whole = layout.grid();
    GridGeometry grid = whole;
    const QPointF origin = whole.node_position(double(selection.xl_first), double(selection.il_first));
    grid.x_origin = origin.x();
    grid.y_origin = origin.y();
    grid.columns = selection.xl_count;
    grid.rows = selection.il_count;
    grid.layers = selection.sample_count;
    grid.x_increment = whole.x_increment * double(selection.xl_step);
    grid.y_increment = whole.y_increment * double(selection.il_step);
    grid.z_origin = whole.z_origin + whole.z_increment * double(selection.sample_first);
    grid.z_increment = whole.z_increment * double(selection.sample_step);
    return grid;
}

} // namespace kelvra::app::formats
