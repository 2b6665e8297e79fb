#include "app/formats/welltops.h"

#include "app/formats/format.h"
#include "app/formats/textlines.h"

#include <cmath>

namespace kelvra::app::formats {

std::vector<WellTop> read_tops(QIODevice &device, const QString &file)
{
    LineReader lines(device);
    std::vector<WellTop> tops;
    int well = 0, name = 1, md = 2;
    bool first_line = true;
    while (const auto line = lines.next()) {
        const QString text = decode_text(*line).trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = split_fields(text);
        const std::int64_t number = lines.line_number();
        if (first_line) {
            first_line = false;
            // A header line names the columns; a first line of values does not.
            QStringList keys;
            for (const QString &field : fields)
                keys << field.toUpper();
            const auto find = [&keys](std::initializer_list<const char *> names) {
                for (const char *key : names) {
                    if (keys.contains(QLatin1String(key)))
                        return int(keys.indexOf(QLatin1String(key)));
                }
                return -1;
            };
            const int header_well = find({"WELL", "WELL NAME", "WELLNAME", "WELL_NAME", "UWI"});
            const int header_name = find({"TOP", "NAME", "TOP NAME", "SURFACE", "HORIZON", "FORMATION", "MARKER", "PICK"});
            const int header_md = find({"MD", "DEPTH", "MEASURED DEPTH"});
            if (header_well >= 0 || header_name >= 0 || header_md >= 0) {
                if (header_well < 0 || header_name < 0 || header_md < 0)
                    throw FormatError(file, FormatError::Place::Line, number,
                                      _("the header names no columns WELL, TOP and MD: '%1'").arg(text));
                well = header_well;
                name = header_name;
                md = header_md;
                continue;
            }
        }
        if (fields.size() <= std::max({well, name, md}))
            throw FormatError(file, FormatError::Place::Line, number,
                              _("a top needs a well name, a top name and an MD: '%1'").arg(text));
        const auto depth = parse_number(fields.at(md));
        if (!depth || !std::isfinite(*depth))
            throw FormatError(file, FormatError::Place::Line, number,
                              _("the MD '%1' is not a number").arg(fields.at(md)));
        tops.push_back({fields.at(well), fields.at(name), *depth});
    }
    if (tops.empty())
        throw FormatError(file, _("the file holds no tops"));
    return tops;
}

} // namespace kelvra::app::formats
