#include "app/formats/format.h"

#include "app/core/fileaccess.h"

#include <QFile>

namespace kelvra::app::formats {
namespace {

QString place_text(FormatError::Place place, std::int64_t where)
{
    switch (place) {
    case FormatError::Place::Line:
        return _(", line %1").arg(where);
    case FormatError::Place::Byte:
        return _(", byte %1").arg(where);
    case FormatError::Place::Trace:
        return _(", trace %1").arg(where);
    case FormatError::Place::None:
        break;
    }
    return {};
}

} // namespace

FormatError::FormatError(const QString &file, Place place, std::int64_t where, const QString &reason)
    : ValueError(file + place_text(place, where) + QStringLiteral(": ") + reason)
    , m_file(file)
    , m_place(place)
    , m_where(where)
{
}

FormatError::FormatError(const QString &file, const QString &reason)
    : FormatError(file, Place::None, 0, reason)
{
}

void Format::write(const QString &path, const ObjectRecord &object, const ExportOptions &, Progress *) const
{
    throw ValueError(_("%1: %2 files cannot hold the %3 '%4'")
                         .arg(path, title(), object.geometry_type, object.name));
}

const Format &format_named(const QString &name)
{
    QStringList known;
    for (const Format *format : formats()) {
        if (format->name() == name)
            return *format;
        known << format->name();
    }
    throw LookupError(_("there is no file format '%1'; the formats are: %2")
                          .arg(name, known.join(QStringLiteral(", "))));
}

void check_readable(const QString &path)
{
    try {
        readable_file_size(path);
    } catch (const LookupError &) {
        throw FormatError(path, _("there is no such file"));
    }
}

const Format &recognise_file(const QString &path)
{
    check_readable(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FormatError(path, _("the file cannot be read: %1").arg(file.errorString()));
    const QByteArray head = file.read(64 * 1024);
    const Format *best = nullptr;
    int best_score = 0;
    for (const Format *format : formats()) {
        const int score = format->recognise(head, path);
        if (score > best_score) {
            best = format;
            best_score = score;
        }
    }
    if (!best)
        throw FormatError(path, _("the file is in none of the formats Kelvra reads"));
    return *best;
}

} // namespace kelvra::app::formats
