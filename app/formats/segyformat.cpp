#include "app/formats/segyformat.h"

#include "app/formats/outputfile.h"
#include "app/formats/segyhandle.h"
#include "app/formats/segylayout.h"

#include "host/translation.h"

#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <limits>
#include <segyio/segy.h>
#include <vector>

namespace kelvra::app::formats {
namespace {

const QString kAmplitude = QStringLiteral("amplitude");

bool known_format(int format)
{
    return format == 1 || format == 2 || format == 3 || format == 5 || format == 8;
}

QString format_text(int format)
{
    switch (format) {
    case SEGY_IBM_FLOAT_4_BYTE: return _("IBM float");
    case SEGY_SIGNED_INTEGER_4_BYTE: return _("32-bit integers");
    case SEGY_SIGNED_SHORT_2_BYTE: return _("16-bit integers");
    case SEGY_IEEE_FLOAT_4_BYTE: return _("IEEE float");
    case SEGY_SIGNED_CHAR_1_BYTE: return _("8-bit integers");
    default: return _("format %1").arg(format);
    }
}

QString object_name(const QString &path, const ImportOptions &options)
{
    return options.name.isEmpty() ? QFileInfo(path).completeBaseName() : options.name;
}

ObjectRecord survey_record(const SegyLayout &layout, const QString &name)
{
    const std::int64_t il_last = layout.inlines.number(layout.inlines.count - 1);
    const std::int64_t xl_last = layout.crosslines.number(layout.crosslines.count - 1);
    const std::int64_t lines[4][2] = {{layout.inlines.first, layout.crosslines.first},
                                      {layout.inlines.first, xl_last},
                                      {il_last, xl_last},
                                      {il_last, layout.crosslines.first}};
    std::vector<double> x, y;
    QStringList texts;
    for (int c = 0; c < 5; ++c) {
        x.push_back(layout.corners[c % 4].x());
        y.push_back(layout.corners[c % 4].y());
        texts << (c < 4 ? QStringLiteral("IL %1 XL %2").arg(lines[c][0]).arg(lines[c][1]) : QString());
    }
    ObjectRecord record;
    record.name = name;
    record.geometry_type = QStringLiteral("Survey");
    record.prop.insert(QStringLiteral("X"), NdArray::from_values(x));
    record.prop.insert(QStringLiteral("Y"), NdArray::from_values(y));
    record.prop.insert(QStringLiteral("Z"), NdArray::from_values(std::vector<double>(5, 0.0)));
    record.texts = texts;
    return record;
}

// Samples of one format, as segy_to_native leaves them, into float.
void samples_to_float(int format, const char *native, std::int64_t first, std::int64_t step, std::int64_t count,
                      float *out)
{
    for (std::int64_t k = 0; k < count; ++k) {
        const std::int64_t s = first + k * step;
        switch (format) {
        case SEGY_SIGNED_INTEGER_4_BYTE: {
            std::int32_t v;
            std::memcpy(&v, native + 4 * s, 4);
            out[k] = float(v);
            break;
        }
        case SEGY_SIGNED_SHORT_2_BYTE: {
            std::int16_t v;
            std::memcpy(&v, native + 2 * s, 2);
            out[k] = float(v);
            break;
        }
        case SEGY_SIGNED_CHAR_1_BYTE:
            out[k] = float(static_cast<signed char>(native[s]));
            break;
        default:
            std::memcpy(out + k, native + 4 * s, 4);
            break;
        }
    }
}

ObjectRecord read_cube(const SegyLayout &layout, const SegySelection &selection, const QString &name,
                       Progress *progress)
{
    const GridGeometry grid = selected_grid(layout, selection);
    const std::int64_t layers = selection.sample_count;
    // Never more than the file holds: nodes are traces of it, layers samples.
    const std::int64_t count = selection.nodes() * layers;
    NdArray amplitude(DType::Float32, {count});
    NdArray x(DType::Float64, {count}), y(DType::Float64, {count}), z(DType::Float64, {count});
    float *pa = amplitude.data<float>();
    double *px = x.data<double>(), *py = y.data<double>(), *pz = z.data<double>();
    const double dt = layout.interval_us / 1000.0;
    std::vector<double> column(std::size_t(layers), 0.0);
    for (std::int64_t k = 0; k < layers; ++k)
        column[std::size_t(k)] = -(layout.first_time + double(selection.sample_first + k * selection.sample_step) * dt);

    SegyHandle handle(layout.file);
    handle.check(segy_set_format(handle.get(), layout.format | (layout.little_endian ? SEGY_LSB : 0)), 3225);
    const bool whole_trace = selection.sample_first == 0 && selection.sample_step == 1 && layers == layout.samples;
    const bool direct = whole_trace && (layout.format == SEGY_IBM_FLOAT_4_BYTE || layout.format == SEGY_IEEE_FLOAT_4_BYTE);
    std::vector<char> buffer(direct ? 0 : std::size_t(layout.trace_bytes));
    std::vector<double> node_x(static_cast<std::size_t>(selection.nodes())), node_y(node_x.size());
    if (progress)
        progress->set_total(selection.nodes() * (SEGY_TRACE_HEADER_SIZE + layout.trace_bytes));
    // In the file's order of traces, so that the file is read front to back.
    const std::int64_t outer = layout.inline_sorted ? selection.il_count : selection.xl_count;
    const std::int64_t inner = layout.inline_sorted ? selection.xl_count : selection.il_count;
    for (std::int64_t a = 0; a < outer; ++a) {
        for (std::int64_t b = 0; b < inner; ++b) {
            const std::int64_t j = layout.inline_sorted ? a : b, i = layout.inline_sorted ? b : a;
            const std::int64_t full_j = selection.il_first + j * selection.il_step;
            const std::int64_t full_i = selection.xl_first + i * selection.xl_step;
            const std::int64_t trace = layout.trace_of(full_j, full_i);
            const TraceHeader header = read_trace_header(handle, layout, trace);
            check_trace_lines(layout, header, trace, layout.inlines.number(full_j), layout.crosslines.number(full_i));
            const std::int64_t at = grid.vertex(i, j, 0);
            void *target = direct ? static_cast<void *>(pa + at) : static_cast<void *>(buffer.data());
            if (segy_readtrace(handle.get(), int(trace), target, layout.trace0, layout.trace_bytes) != SEGY_OK)
                throw FormatError(layout.file, FormatError::Place::Trace, trace + 1,
                                  _("the samples of the trace cannot be read"));
            segy_to_native(layout.format, layout.samples, target);
            if (!direct)
                samples_to_float(layout.format, buffer.data(), selection.sample_first, selection.sample_step, layers,
                                 pa + at);
            const std::size_t node = std::size_t(at / layers);
            node_x[node] = layout.has_coordinates ? header.x : double(header.crossline_number);
            node_y[node] = layout.has_coordinates ? header.y : double(header.inline_number);
            if (progress)
                progress->advance(SEGY_TRACE_HEADER_SIZE + layout.trace_bytes);
        }
    }
    // Each coordinate array in one pass of its own, front to back: the
    // fastest way to bring fresh memory in on this kind of machine. The
    // passes stop at once when the user cancels.
    const auto fill = [&](double *target, const auto &value_of) {
        for (std::size_t node = 0; node < node_x.size(); ++node) {
            if (progress && node % 4096 == 0)
                progress->check();
            value_of(target + node * std::size_t(layers), node);
        }
    };
    fill(px, [&](double *at, std::size_t node) { std::fill(at, at + layers, node_x[node]); });
    fill(py, [&](double *at, std::size_t node) { std::fill(at, at + layers, node_y[node]); });
    fill(pz, [&](double *at, std::size_t) { std::memcpy(at, column.data(), std::size_t(layers) * sizeof(double)); });
    ObjectRecord record;
    record.name = name;
    record.geometry_type = QStringLiteral("Cube");
    record.prop.insert(QStringLiteral("X"), x);
    record.prop.insert(QStringLiteral("Y"), y);
    record.prop.insert(QStringLiteral("Z"), z);
    record.prop.insert(kAmplitude, amplitude);
    record.current_property = kAmplitude;
    record.grid = grid;
    record.units.insert(QStringLiteral("Z"), QStringLiteral("ms"));
    return record;
}

QString cube_property(const ObjectRecord &object)
{
    if (object.prop.contains(kAmplitude))
        return kAmplitude;
    if (object.current_property && !is_coordinate(*object.current_property))
        return *object.current_property;
    for (const QString &key : object.prop.keys()) {
        if (!is_coordinate(key))
            return key;
    }
    return {};
}

// Writes the cube into the file temporary; messages name path.
void write_cube(const QString &temporary, const QString &path, const ObjectRecord &object, Progress *progress)
{
    const GridGeometry &grid = *object.grid;
    const std::int64_t layers = grid.layers;
    const double interval = -grid.z_increment * 1000.0;
    const double first_time = -grid.z_origin;
    const auto refuse = [&](const QString &reason) {
        throw ValueError(_("%1: the cube '%2' cannot be written as SEG-Y: %3").arg(path, object.name, reason));
    };
    if (layers > 65535)
        refuse(_("%1 samples per trace, where SEG-Y holds at most 65535").arg(layers));
    if (grid.columns * grid.rows > std::numeric_limits<std::int32_t>::max())
        refuse(_("more traces than SEG-Y numbers"));
    if (layers > 1 && !(interval >= 1 && interval <= 65535 && std::abs(interval - std::round(interval)) < 1e-6))
        refuse(_("the sample interval must be a whole number of microseconds from 1 to 65535, with Z "
                 "decreasing down the samples; it is %1")
                   .arg(interval));
    if (!(std::abs(first_time - std::round(first_time)) < 1e-9 && std::abs(first_time) <= 32767))
        refuse(_("the first sample's time %1 ms is not a whole number of 16 bits").arg(first_time));
    const NdArray values = object.prop.value(cube_property(object)).astype(DType::Float32);
    const double *x = object.prop.value(QStringLiteral("X")).data<double>();
    const double *y = object.prop.value(QStringLiteral("Y")).data<double>();
    double largest = 0;
    for (std::int64_t node = 0; node < grid.columns * grid.rows; ++node)
        largest = std::max({largest, std::abs(x[node * layers]), std::abs(y[node * layers])});
    // The finest coordinate scalar whose scaled coordinates fit 32 bits.
    int factor = 0;
    for (const int candidate : {100, 10, 1}) {
        if (largest * candidate < 2147483647.0) {
            factor = candidate;
            break;
        }
    }
    if (factor == 0 || !std::isfinite(largest))
        refuse(_("coordinates as large as %1 do not fit the trace headers").arg(largest));

    SegyHandle handle(temporary, "w+b", path);
    QByteArray text(SEGY_TEXT_HEADER_SIZE + 1, ' ');
    const QStringList lines{QStringLiteral("C 1 CUBE %1").arg(object.name),
                            QStringLiteral("C 2 WRITTEN BY KELVRA"),
                            QStringLiteral("C 3 INLINE BYTE 189 CROSSLINE BYTE 193 CDP X 181 CDP Y 185"),
                            QStringLiteral("C 4 SAMPLES IEEE FLOAT, INTERVAL %1 US").arg(interval),
                            QStringLiteral("C40 END TEXTUAL HEADER")};
    for (int l = 0; l < 40; ++l) {
        QByteArray line = (l < 4 ? lines.at(l) : l == 39 ? lines.at(4) : QStringLiteral("C%1").arg(l + 1, 2)).toLatin1();
        std::memcpy(text.data() + l * 80, line.constData(), std::size_t(std::min(80, int(line.size()))));
    }
    text[SEGY_TEXT_HEADER_SIZE] = '\0';
    handle.check(segy_write_textheader(handle.get(), 0, text.constData()), 0);
    std::vector<char> binary(static_cast<std::size_t>(segy_binheader_size()), 0);
    segy_set_bfield(binary.data(), SEGY_BIN_INTERVAL, std::int32_t(std::round(interval)));
    segy_set_bfield(binary.data(), SEGY_BIN_SAMPLES, std::int32_t(layers));
    segy_set_bfield(binary.data(), SEGY_BIN_FORMAT, SEGY_IEEE_FLOAT_4_BYTE);
    segy_set_bfield(binary.data(), SEGY_BIN_SORTING_CODE, 4);
    segy_set_bfield(binary.data(), SEGY_BIN_SEGY_REVISION, 0x0100);
    segy_set_bfield(binary.data(), SEGY_BIN_TRACE_FLAG, 1);
    handle.check(segy_write_binheader(handle.get(), binary.data()), SEGY_TEXT_HEADER_SIZE);
    handle.check(segy_set_format(handle.get(), SEGY_IEEE_FLOAT_4_BYTE), SEGY_TEXT_HEADER_SIZE);
    const long trace0 = SEGY_TEXT_HEADER_SIZE + SEGY_BINARY_HEADER_SIZE;
    const int trace_bytes = segy_trsize(SEGY_IEEE_FLOAT_4_BYTE, int(layers));
    std::vector<float> samples(static_cast<std::size_t>(layers));
    if (progress)
        progress->set_total(grid.columns * grid.rows * (SEGY_TRACE_HEADER_SIZE + trace_bytes));
    for (std::int64_t j = 0; j < grid.rows; ++j) {
        for (std::int64_t i = 0; i < grid.columns; ++i) {
            const std::int64_t trace = j * grid.columns + i;
            const std::int64_t at = grid.vertex(i, j, 0);
            char header[SEGY_TRACE_HEADER_SIZE] = {};
            segy_set_field(header, SEGY_TR_SEQ_LINE, std::int32_t(trace + 1));
            segy_set_field(header, SEGY_TR_SEQ_FILE, std::int32_t(trace + 1));
            segy_set_field(header, SEGY_TR_ENSEMBLE, std::int32_t(trace + 1));
            segy_set_field(header, SEGY_TR_TRACE_ID, 1);
            segy_set_field(header, SEGY_TR_SOURCE_GROUP_SCALAR, factor > 1 ? -factor : 1);
            segy_set_field(header, SEGY_TR_CDP_X, std::int32_t(std::llround(x[at] * factor)));
            segy_set_field(header, SEGY_TR_CDP_Y, std::int32_t(std::llround(y[at] * factor)));
            segy_set_field(header, SEGY_TR_INLINE, std::int32_t(j + 1));
            segy_set_field(header, SEGY_TR_CROSSLINE, std::int32_t(i + 1));
            segy_set_field(header, SEGY_TR_SAMPLE_COUNT, std::int32_t(layers));
            segy_set_field(header, SEGY_TR_SAMPLE_INTER, std::int32_t(std::round(interval)));
            segy_set_field(header, SEGY_TR_DELAY_REC_TIME, std::int32_t(std::round(first_time)));
            handle.check(segy_write_traceheader(handle.get(), int(trace), header, trace0, trace_bytes),
                         trace0 + trace * (SEGY_TRACE_HEADER_SIZE + trace_bytes));
            std::memcpy(samples.data(), values.data<float>() + at, std::size_t(layers) * sizeof(float));
            segy_from_native(SEGY_IEEE_FLOAT_4_BYTE, layers, samples.data());
            handle.check(segy_writetrace(handle.get(), int(trace), samples.data(), trace0, trace_bytes),
                         trace0 + trace * (SEGY_TRACE_HEADER_SIZE + trace_bytes) + SEGY_TRACE_HEADER_SIZE);
            if (progress)
                progress->advance(SEGY_TRACE_HEADER_SIZE + trace_bytes);
        }
    }
    handle.check(segy_flush(handle.get(), false), 0);
}

} // namespace

QString SegyFormat::name() const
{
    return QStringLiteral("segy");
}

QString SegyFormat::title() const
{
    return _("SEG-Y seismic");
}

QStringList SegyFormat::patterns() const
{
    return {QStringLiteral("*.sgy"), QStringLiteral("*.segy"), QStringLiteral("*.SGY"), QStringLiteral("*.SEGY")};
}

int SegyFormat::recognise(const QByteArray &head, const QString &path) const
{
    const bool named = path.endsWith(QLatin1String(".sgy"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".segy"), Qt::CaseInsensitive);
    if (head.size() < SEGY_TEXT_HEADER_SIZE + SEGY_BINARY_HEADER_SIZE)
        return named ? 1 : 0;
    const auto u16 = [&head](int at, bool big) {
        const auto a = static_cast<unsigned char>(head.at(at)), b = static_cast<unsigned char>(head.at(at + 1));
        return big ? (a << 8) | b : (b << 8) | a;
    };
    const bool big = known_format(u16(3224, true)) && u16(3220, true) > 0;
    const bool little = known_format(u16(3224, false)) && u16(3220, false) > 0;
    if (!big && !little)
        return named ? 1 : 0;
    // A text header that starts with "C" (EBCDIC 0xC3 or ASCII) as the
    // standard has it leaves no doubt.
    const auto c = static_cast<unsigned char>(head.at(0));
    return c == 0xC3 || c == 'C' ? 3 : 2;
}

Description SegyFormat::describe(const QString &path, const ImportOptions &options) const
{
    const SegyLayout layout = read_segy_layout(path, options.inline_byte, options.crossline_byte);
    Description description;
    description.format = title();
    const double dt = layout.interval_us / 1000.0;
    description.notes << _("Inlines %1 to %2 (step %3), crosslines %4 to %5 (step %6), %7 traces.")
                             .arg(layout.inlines.first)
                             .arg(layout.inlines.number(layout.inlines.count - 1))
                             .arg(layout.inlines.step)
                             .arg(layout.crosslines.first)
                             .arg(layout.crosslines.number(layout.crosslines.count - 1))
                             .arg(layout.crosslines.step)
                             .arg(layout.traces);
    description.notes << _("%1 samples from %2 to %3 ms, every %4 ms; %5, %6.")
                             .arg(layout.samples)
                             .arg(layout.first_time)
                             .arg(layout.first_time + (layout.samples - 1) * dt)
                             .arg(dt)
                             .arg(format_text(layout.format),
                                  layout.little_endian ? _("little-endian") : _("big-endian"));
    description.notes << layout.notes;
    double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
    for (const QPointF &corner : layout.corners) {
        x0 = std::min(x0, corner.x());
        x1 = std::max(x1, corner.x());
        y0 = std::min(y0, corner.y());
        y1 = std::max(y1, corner.y());
    }
    description.extent = QRectF(QPointF(x0, y0), QPointF(x1, y1));
    if (options.cube) {
        const SegySelection selection = select(layout, options.inlines, options.crosslines, options.samples);
        description.geometry_type = QStringLiteral("Cube");
        description.grid = selected_grid(layout, selection);
        description.vertices = selection.nodes() * selection.sample_count;
        description.properties << kAmplitude;
        // float32 amplitudes and float64 X, Y and Z of every sample, beside the outline.
        description.memory_bytes = description.vertices * (4 + 3 * 8) + 5 * 3 * 8;
    } else {
        description.geometry_type = QStringLiteral("Survey");
        description.grid = layout.grid();
        description.vertices = 5;
        description.memory_bytes = 5 * 3 * 8;
    }
    description.nulls = 0;
    if (!layout.text_header.isEmpty())
        description.notes << _("Text header:") + QLatin1Char('\n') + layout.text_header;
    return description;
}

std::vector<ObjectRecord> SegyFormat::read(const QString &path, const ImportOptions &options, Progress *progress) const
{
    const SegyLayout layout = read_segy_layout(path, options.inline_byte, options.crossline_byte);
    if (progress) {
        for (const QString &note : layout.notes)
            progress->note(note);
    }
    const QString name = object_name(path, options);
    std::vector<ObjectRecord> records{survey_record(layout, name)};
    if (options.cube) {
        const SegySelection selection = select(layout, options.inlines, options.crosslines, options.samples);
        records.push_back(read_cube(layout, selection, name + QStringLiteral(" cube"), progress));
    }
    return records;
}

bool SegyFormat::can_write(const ObjectRecord &object) const
{
    return object.geometry_type == QLatin1String("Cube") && object.grid && !cube_property(object).isEmpty();
}

void SegyFormat::write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
                       Progress *progress) const
{
    if (!can_write(object))
        Format::write(path, object, options, progress);
    OutputFile file(path, progress);
    write_cube(file.temporary(), path, object, progress);
    file.commit();
}

} // namespace kelvra::app::formats
