#include "app/core/filebatch.h"

#include "app/core/cancelonsignals.h"
#include "app/core/objectstore.h"
#include "app/core/projectlocation.h"
#include "app/formats/exchange.h"

#include "host/errors.h"
#include "host/translation.h"

#include <QTextStream>

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
        } else if (option == QLatin1String("--as") || option == QLatin1String("--columns")
                   || option == QLatin1String("--geometry")) {
            if (last != Last::Import)
                throw UsageError(_("%1 belongs after an --import").arg(option));
            ImportOptions &options = batch.imports.back().options;
            const QString text = value();
            if (option == QLatin1String("--as")) {
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
    if (saw_save && batch.imports.empty() && batch.exports.empty())
        throw UsageError(_("--save goes with --import or --export here"));
    return batch;
}

} // namespace

int run_file_batch(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    Batch batch;
    try {
        batch = parse(arguments);
    } catch (const UsageError &error) {
        err << "kelvra: " << QString::fromUtf8(error.what()) << '\n'
            << _("Usage: kelvra [PROJECT] --import FILE [--as NAME] [--format NAME] [--null VALUE]... "
                 "[--columns X,Y,Z] [--geometry Point|Line] ... --export OBJECT FILE [--format NAME] "
                 "[--null VALUE] ... [--save OUT]")
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
