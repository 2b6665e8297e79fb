#include "app/formats/exchange.h"

#include "app/core/objectstore.h"

#include "host/nativepath.h"
#include "host/translation.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace kelvra::app::formats {

const Format &import_format(const QString &path, const QString &format_name)
{
    return format_name.isEmpty() ? recognise_file(path) : format_named(format_name);
}

std::vector<ObjectRecord> import_file(const QString &path, const QString &format_name, const ImportOptions &options,
                                      Progress *progress)
{
    const Format &format = import_format(path, format_name);
    std::vector<ObjectRecord> records = format.read(path, options, progress);
    for (ObjectRecord &record : records) {
        try {
            normalize_record(record);
        } catch (const ValueError &error) {
            throw FormatError(path, QString::fromUtf8(error.what()));
        }
    }
    return records;
}

QStringList add_imported(ObjectStore &store, std::vector<ObjectRecord> records)
{
    QStringList names;
    for (const ObjectRecord &record : records) {
        if (record.name.trimmed().isEmpty())
            throw ValueError(_("an imported object needs a name"));
        if (store.object(record.name) || names.contains(record.name))
            throw ValueError(_("there is an object named '%1' already; import it under another name")
                                 .arg(record.name));
        names << record.name;
    }
    for (ObjectRecord &record : records) {
        // A surface that brings no values of its own is coloured by depth,
        // the first thing a user looks at.
        const bool surface = record.geometry_type == QLatin1String("Gsurface")
            || record.geometry_type == QLatin1String("Tsurface");
        if (surface && !record.current_property)
            record.current_property = QStringLiteral("Z");
        store.add(std::make_unique<GeoObject>(std::move(record)));
    }
    return names;
}

QStringList formats_for(const ObjectRecord &object)
{
    QStringList names;
    for (const Format *format : formats()) {
        if (format->can_write(object))
            names << QStringLiteral("%1 (%2)").arg(format->name(), format->title());
    }
    return names;
}

const Format &export_format(const QString &path, const ObjectRecord &object, const QString &format_name)
{
    if (!format_name.isEmpty())
        return format_named(format_name);
    const QString file = QFileInfo(path).fileName();
    for (const Format *format : formats()) {
        if (!format->can_write(object))
            continue;
        for (const QString &pattern : format->patterns()) {
            const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern),
                                           QRegularExpression::CaseInsensitiveOption);
            if (match.match(file).hasMatch())
                return *format;
        }
    }
    throw ValueError(_("%1: the name of the file says no format that can hold the %2 '%3'; name one "
                       "of: %4")
                         .arg(path, object.geometry_type, object.name, formats_for(object).join(QStringLiteral(", "))));
}

std::vector<FolderExport> plan_folder_export(const QString &folder, const std::vector<ObjectRecord> &objects,
                                             const QString &format_name)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        throw ValueError(_("there is no folder '%1' to write the objects into").arg(readable_path(folder)));
    const QDir dir(folder);
    std::vector<FolderExport> plan;
    QSet<QString> taken;
    for (const ObjectRecord &object : objects) {
        const Format *format = nullptr;
        if (!format_name.isEmpty()) {
            format = &format_named(format_name);
            if (!format->can_write(object))
                throw ValueError(_("%1 files cannot hold the %2 '%3'; these formats can: %4")
                                     .arg(format->title(), object.geometry_type, object.name,
                                          formats_for(object).join(QStringLiteral(", "))));
        } else {
            for (const Format *known : formats()) {
                if (known->can_write(object)) {
                    format = known;
                    break;
                }
            }
            if (!format)
                throw ValueError(_("no format can hold the %1 '%2'").arg(object.geometry_type, object.name));
        }
        QString stem = object.name;
        stem.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
        if (stem.isEmpty() || std::all_of(stem.cbegin(), stem.cend(), [](QChar c) { return c == QLatin1Char('.'); }))
            stem.prepend(QLatin1Char('_'));
        const QString extension = format->patterns().value(0).mid(1); // "*.zmap" gives ".zmap"
        QString name = stem + extension;
        for (int n = 2; taken.contains(name); ++n)
            name = QStringLiteral("%1_%2%3").arg(stem).arg(n).arg(extension);
        taken.insert(name);
        plan.push_back({dir.filePath(name), format});
    }
    return plan;
}

void export_to_folder(const std::vector<FolderExport> &plan, const std::vector<ObjectRecord> &objects,
                      const ExportOptions &options, Progress *progress)
{
    for (std::size_t i = 0; i < plan.size(); ++i)
        plan[i].format->write(plan[i].file, objects.at(i), options, progress);
}

void export_object(const QString &path, const ObjectRecord &object, const QString &format_name,
                   const ExportOptions &options, Progress *progress)
{
    const Format &format = export_format(path, object, format_name);
    format.write(path, object, options, progress);
}

} // namespace kelvra::app::formats
