#include "app/core/filebatch.h"

#include "app/core/cancelonsignals.h"
#include "app/core/objectstore.h"
#include "app/core/projectlocation.h"
#include "app/formats/exchange.h"

#include "host/errors.h"
#include "host/translation.h"

#include <QTextStream>

#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace kelvra::app {
namespace {

using formats::ExportOptions;
using formats::ImportOptions;

struct Import
{
    QString file;
    QString format;
    ImportOptions options;
};

struct Export
{
    QString object;
    QString file;
    QString format;
    ExportOptions options;
};

struct Batch
{
    QString project;
    std::vector<Import> imports;
    std::vector<Export> exports;
    QString save;
};

// A mistake in the command line: exit status 2.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString &what)
        : std::runtime_error(what.toStdString())
    {
    }
};

double number_of(const QString &option, const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        throw UsageError(_("%1 needs a number, not '%2'").arg(option, text));
    return value;
}

// "X,Y" or "X,Y,DATUM", finite numbers.
void take_wellhead(const QString &text, ImportOptions &options)
{
    const QStringList parts = text.split(QLatin1Char(','));
    std::vector<double> numbers;
    for (const QString &part : parts) {
        bool ok = false;
        const double value = part.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value))
            break;
        numbers.push_back(value);
    }
    if ((parts.size() != 2 && parts.size() != 3) || numbers.size() != std::size_t(parts.size()))
        throw UsageError(_("--wellhead needs the wellhead's X and Y and, if you like, the datum, in numbers "
                           "separated by commas: --wellhead 456000,6780000,25.5; not '%1'")
                             .arg(text));
    options.wellhead_x = numbers[0];
    options.wellhead_y = numbers[1];
    if (numbers.size() == 3)
        options.datum = numbers[2];
}

// "FIRST:LAST" or "FIRST:LAST:STEP" in whole numbers; FIRST or LAST may be
// left empty for the file's own, STEP is 1 or more.
formats::NumberRange range_of(const QString &option, const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    formats::NumberRange range;
    bool ok = parts.size() == 2 || parts.size() == 3;
    const auto whole = [&ok](const QString &part) {
        bool converted = false;
        const qlonglong value = part.trimmed().toLongLong(&converted);
        ok = ok && converted;
        return std::int64_t(value);
    };
    if (ok && !parts[0].trimmed().isEmpty())
        range.first = whole(parts[0]);
    if (ok && !parts[1].trimmed().isEmpty())
        range.last = whole(parts[1]);
    if (ok && parts.size() == 3)
        range.step = whole(parts[2]);
    if (!ok || range.step < 1)
        throw UsageError(_("%1 needs FIRST:LAST or FIRST:LAST:STEP in whole numbers, STEP 1 or more (FIRST or "
                           "LAST may be left out for the file's own), not '%2'")
                             .arg(option, text));
    return range;
}

// "INLINE,CROSSLINE": the bytes of the trace header, from 1, where the line
// numbers start.
void take_header_bytes(const QString &text, ImportOptions &options)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool ok = parts.size() == 2;
    int bytes[2] = {};
    for (int i = 0; ok && i < 2; ++i) {
        bytes[i] = parts[i].trimmed().toInt(&ok);
        ok = ok && bytes[i] >= 1 && bytes[i] <= 240;
    }
    if (!ok)
        throw UsageError(_("--header-bytes needs the trace header bytes (1 to 240) of the inline and the "
                           "crossline numbers: --header-bytes 189,193; not '%1'")
                             .arg(text));
    options.inline_byte = bytes[0];
    options.crossline_byte = bytes[1];
}

// The per-import options that take a value, besides --format and --null.
const QStringList &import_options()
{
    static const QStringList options{
        QStringLiteral("--as"),      QStringLiteral("--columns"), QStringLiteral("--geometry"),
        QStringLiteral("--wellhead"), QStringLiteral("--path"),    QStringLiteral("--tops"),
        QStringLiteral("--inlines"), QStringLiteral("--crosslines"), QStringLiteral("--samples"),
        QStringLiteral("--header-bytes"),
    };
    return options;
}

// Ranges of lines or samples choose the part of the cube read.
void check_import(const Import &import)
{
    const ImportOptions &options = import.options;
    const bool ranged = options.inlines.first || options.inlines.last || options.inlines.step != 1
        || options.crosslines.first || options.crosslines.last || options.crosslines.step != 1
        || options.samples.first || options.samples.last || options.samples.step != 1;
    if (ranged && !options.cube)
        throw UsageError(_("--inlines, --crosslines and --samples choose the part of the cube to read: give "
                           "--cube with them (--import %1)")
                             .arg(import.file));
}

Batch parse(const QStringList &arguments)
{
    Batch batch;
    enum class Last { None, Import, Export } last = Last::None;
    bool saw_save = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        std::optional<QString> inline_value;
        if (option.startsWith(QLatin1String("--")) && option.contains(QLatin1Char('='))) {
            inline_value = option.section(QLatin1Char('='), 1);
            option = option.section(QLatin1Char('='), 0, 0);
        }
        auto value = [&]() -> QString {
            if (inline_value)
                return *inline_value;
            if (i + 1 >= arguments.size())
                throw UsageError(_("%1 needs a value").arg(option));
            return arguments[++i];
        };
        if (!option.startsWith(QLatin1Char('-')) || option == QLatin1String("-")) {
            if (!batch.project.isEmpty() || last != Last::None)
                throw UsageError(_("'%1' is not an option; the project comes first").arg(option));
            batch.project = option;
            continue;
        }
        if (option == QLatin1String("--import")) {
            batch.imports.push_back({value(), {}, {}});
            last = Last::Import;
        } else if (option == QLatin1String("--export")) {
            if (inline_value)
                throw UsageError(_("--export needs an object and a file: --export OBJECT FILE"));
            const QString object = value();
            const QString file = value();
            batch.exports.push_back({object, file, {}, {}});
            last = Last::Export;
        } else if (option == QLatin1String("--save")) {
            batch.save = value();
            if (batch.save.isEmpty())
                throw UsageError(_("--save needs the name of the file to write"));
            saw_save = true;
            last = Last::None;
        } else if (option == QLatin1String("--format")) {
            if (last == Last::Import)
                batch.imports.back().format = value();
            else if (last == Last::Export)
                batch.exports.back().format = value();
            else
                throw UsageError(_("--format belongs after an --import or --export"));
        } else if (option == QLatin1String("--null")) {
            const double null = number_of(option, value());
            if (last == Last::Import)
                batch.imports.back().options.null_values.push_back(null);
            else if (last == Last::Export)
                batch.exports.back().options.null_value = null;
            else
                throw UsageError(_("--null belongs after an --import or --export"));
        } else if (option == QLatin1String("--cube")) {
            if (last != Last::Import)
                throw UsageError(_("%1 belongs after an --import").arg(option));
            if (inline_value)
                throw UsageError(_("--cube takes no value"));
            batch.imports.back().options.cube = true;
        } else if (import_options().contains(option)) {
            if (last != Last::Import)
                throw UsageError(_("%1 belongs after an --import").arg(option));
            ImportOptions &options = batch.imports.back().options;
            const QString text = value();
            if (option == QLatin1String("--wellhead")) {
                take_wellhead(text, options);
            } else if (option == QLatin1String("--path") || option == QLatin1String("--tops")) {
                if (text.isEmpty())
                    throw UsageError(_("%1 needs the name of a file").arg(option));
                (option == QLatin1String("--path") ? options.path_file : options.tops_file) = text;
            } else if (option == QLatin1String("--inlines")) {
                options.inlines = range_of(option, text);
            } else if (option == QLatin1String("--crosslines")) {
                options.crosslines = range_of(option, text);
            } else if (option == QLatin1String("--samples")) {
                options.samples = range_of(option, text);
            } else if (option == QLatin1String("--header-bytes")) {
                take_header_bytes(text, options);
            } else if (option == QLatin1String("--as")) {
                if (text.trimmed().isEmpty())
                    throw UsageError(_("--as needs a name"));
                options.name = text;
            } else if (option == QLatin1String("--geometry")) {
                if (text != QLatin1String("Point") && text != QLatin1String("Line"))
                    throw UsageError(_("--geometry is Point or Line, not '%1'").arg(text));
                options.geometry_type = text;
            } else {
                const QStringList parts = text.split(QLatin1Char(','));
                std::vector<int> columns;
                for (const QString &part : parts) {
                    bool ok = false;
                    const int column = part.trimmed().toInt(&ok);
                    if (!ok || column < 1)
                        break;
                    columns.push_back(column - 1);
                }
                if (parts.size() != 3 || columns.size() != 3)
                    throw UsageError(_("--columns needs the numbers of the X, Y and Z columns, from 1: "
                                       "--columns 2,3,4"));
                options.x_column = columns[0];
                options.y_column = columns[1];
                options.z_column = columns[2];
            }
        } else {
            throw UsageError(_("unknown option %1").arg(option));
        }
    }
    for (const Import &import : batch.imports)
        check_import(import);
    if (saw_save && batch.imports.empty() && batch.exports.empty())
        throw UsageError(_("--save goes with --import or --export here"));
    return batch;
}

} // namespace

const std::vector<BatchOption> &batch_options()
{
    static const std::vector<BatchOption> options{
        {"as", QT_TRID_NOOP("name"), QT_TRID_NOOP("With --import: the name of the object made (default: from the file).")},
        {"format", QT_TRID_NOOP("name"), QT_TRID_NOOP("With --import or --export: the file's format (default: recognised "
                                        "from the content, or from the name of the file written).")},
        {"null", QT_TRID_NOOP("value"), QT_TRID_NOOP("With --import (several times): a value that means no value, besides "
                                       "the file's own. With --export: the value written for no value.")},
        {"columns", "x,y,z", QT_TRID_NOOP("With --import of XYZ or CSV columns: the columns of X, Y and Z, from 1.")},
        {"geometry", "Point|Line", QT_TRID_NOOP("With --import of XYZ or CSV columns: what the file becomes.")},
        {"wellhead", QT_TRID_NOOP("x,y[,datum]"), QT_TRID_NOOP("With --import of a LAS well: the wellhead's X and Y and the "
                                                 "datum (elevation of MD 0) where the file has none; without a "
                                                 "wellhead the well stands at X = Y = 0.")},
        {"path", QT_TRID_NOOP("file"), QT_TRID_NOOP("With --import of a LAS well: a deviation survey (MD, INC, AZI) or a table "
                                      "of X, Y and TVDSS, TVD or Z that the well follows.")},
        {"tops", QT_TRID_NOOP("file"), QT_TRID_NOOP("With --import of a LAS well: formation tops (well, top, MD) that become a "
                                      "Label object.")},
        {"cube", "", QT_TRID_NOOP("With --import of SEG-Y: read the Cube of amplitudes as well as the Survey.")},
        {"inlines", QT_TRID_NOOP("first:last[:step]"), QT_TRID_NOOP("With --import of SEG-Y and --cube: the inlines read, by "
                                                      "their numbers; every step-th one.")},
        {"crosslines", QT_TRID_NOOP("first:last[:step]"), QT_TRID_NOOP("With --import of SEG-Y and --cube: the crosslines read, "
                                                         "by their numbers; every step-th one.")},
        {"samples", QT_TRID_NOOP("first:last[:step]"), QT_TRID_NOOP("With --import of SEG-Y and --cube: the samples read, by "
                                                      "their time in ms; every step-th one.")},
        {"header-bytes", "inline,crossline", QT_TRID_NOOP("With --import of SEG-Y: the trace header bytes where "
                                                          "the inline and crossline numbers start (default "
                                                          "189,193).")},
    };
    return options;
}

int run_file_batch(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    Batch batch;
    try {
        batch = parse(arguments);
    } catch (const UsageError &error) {
        err << "kelvra: " << QString::fromUtf8(error.what()) << '\n'
            << _("Usage: kelvra [PROJECT] --import FILE [--as NAME] [--format NAME] [--null VALUE]... "
                 "[--columns X,Y,Z] [--geometry Point|Line] [--wellhead X,Y[,DATUM]] [--path FILE] "
                 "[--tops FILE] [--cube] [--inlines FIRST:LAST[:STEP]] [--crosslines FIRST:LAST[:STEP]] "
                 "[--samples FIRST:LAST[:STEP]] [--header-bytes INLINE,CROSSLINE] ... --export OBJECT FILE "
                 "[--format NAME] [--null VALUE] ... [--save OUT]")
            << Qt::endl;
        return 2;
    }
    Progress progress;
    const CancelOnSignals stop_on_signals(progress);
    try {
        ObjectStore store;
        ProjectLocation opened; // a file or a server project
        if (!batch.project.isEmpty()) {
            opened = ProjectLocation::from_text(batch.project);
            std::vector<std::unique_ptr<GeoObject>> objects;
            for (ObjectRecord &record : load_project(opened, &progress))
                objects.push_back(std::make_unique<GeoObject>(std::move(record)));
            store.replace_all(std::move(objects));
        }
        for (const Import &import : batch.imports) {
            const QStringList names = formats::add_imported(
                store, formats::import_file(import.file, import.format, import.options, &progress));
            for (const QString &note : progress.take_notes())
                err << "kelvra: " << _("warning: %1: %2").arg(import.file, note) << Qt::endl;
            for (const QString &name : names) {
                const GeoObject *object = store.get(name);
                out << name << '\t' << object->geometry_type() << '\t' << object->vertex_count() << '\n';
            }
        }
        for (const Export &request : batch.exports) {
            formats::export_object(request.file, store.get(request.object)->record(), request.format,
                                   request.options, &progress);
            out << _("wrote %1").arg(request.file) << '\n';
        }
        out.flush();
        if (!batch.save.isEmpty()) {
            ProjectLocation target = save_target(batch.save, opened);
            save_project(target, store.records(), &progress);
        }
        return 0;
    } catch (const Cancelled &) {
        out.flush();
        const int signal = stop_on_signals.signal();
        err << "kelvra: "
            << _("Stopped by %1: nothing was saved.").arg(QString::fromLatin1(sigabbrev_np(signal)).prepend("SIG"))
            << Qt::endl;
        return 128 + signal;
    } catch (const std::exception &error) {
        out.flush();
        err << "kelvra: " << error_text(error) << Qt::endl;
        return 1;
    }
}

} // namespace kelvra::app
