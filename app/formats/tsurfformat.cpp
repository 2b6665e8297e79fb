// GOCAD TSurf (.ts): triangulated surfaces. Each object runs from
// "GOCAD TSurf 1" to "END"; its vertices are VRTX (or PVRTX, with property
// values) lines "id x y z ...", ATOM and PATOM lines give another id to a
// vertex already there, TRGL lines name three vertex ids, and the TFACE
// lines between parts are merged into one set of triangles. PROPERTIES
// names the property columns and NO_DATA_VALUES their nulls.
// ZPOSITIVE Depth files count Z downwards: Kelvra's Z is elevation (up), so
// a depth of 1500 becomes Z -1500; Elevation files are taken as written.

#include "app/formats/builtin.h"
#include "app/formats/format.h"
#include "app/formats/mappedfile.h"
#include "app/formats/outputfile.h"
#include "app/formats/records.h"
#include "app/formats/textscan.h"

#include <QFileInfo>

#include <cmath>
#include <unordered_map>

namespace kelvra::app::formats {
namespace {

QString text_of(std::string_view text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

bool starts_with(std::string_view line, std::string_view word)
{
    return line.size() >= word.size() && line.substr(0, word.size()) == word
        && (line.size() == word.size() || is_space(line[word.size()]));
}

struct Surface
{
    QString name;
    QStringList properties;
    std::vector<double> property_nulls;
    double z_sign = 1;
    std::vector<double> x, y, z;
    std::vector<std::vector<double>> values; // per property
    std::unordered_map<std::int64_t, std::int64_t> index_of_id;
    std::vector<std::int64_t> triangles;
};

ObjectRecord record_of(Surface &surface, const std::vector<double> &nulls)
{
    ObjectRecord record;
    record.name = surface.name;
    record.geometry_type = QStringLiteral("Tsurface");
    for (double &z : surface.z)
        z = is_null_value(z, nulls) ? NAN : z * surface.z_sign;
    record.prop.insert(QStringLiteral("X"), NdArray::from_values(surface.x));
    record.prop.insert(QStringLiteral("Y"), NdArray::from_values(surface.y));
    record.prop.insert(QStringLiteral("Z"), NdArray::from_values(surface.z));
    for (int k = 0; k < surface.properties.size(); ++k) {
        std::vector<double> &values = surface.values[std::size_t(k)];
        std::vector<double> own = nulls;
        if (std::size_t(k) < surface.property_nulls.size())
            own.push_back(surface.property_nulls[std::size_t(k)]);
        for (double &value : values)
            value = is_null_value(value, own) ? NAN : value;
        record.prop.insert(surface.properties[k], NdArray::from_values(values));
        if (!record.current_property)
            record.current_property = surface.properties[k];
    }
    const std::int64_t count = std::int64_t(surface.triangles.size() / 3);
    if (surface.x.size() <= std::size_t(INT32_MAX)) {
        std::vector<std::int32_t> narrow(surface.triangles.begin(), surface.triangles.end());
        record.triangles = NdArray::from_values(narrow, {count, 3});
    } else {
        record.triangles = NdArray::from_values(surface.triangles, {count, 3});
    }
    return record;
}

std::vector<ObjectRecord> read_tsurf(const QString &path, const ImportOptions &options, Progress *progress)
{
    const MappedFile file(path);
    if (progress)
        progress->set_total(file.size());
    MappedLines lines(file.begin(), file.end());
    std::string_view line;
    std::vector<ObjectRecord> records;
    std::optional<Surface> surface;
    std::vector<std::string_view> words;
    const char *reported = file.begin();
    int skip_depth = 0; // inside a { ... } block that says nothing to Kelvra
    bool in_header = false;
    auto fail = [&](const QString &reason) {
        return FormatError(path, FormatError::Place::Line, lines.line_number(), reason);
    };
    auto number = [&](std::string_view word, const char *what) {
        double value;
        if (!parse_whole_number(word, value))
            throw fail(_("'%1' is not a number (%2)").arg(text_of(word), _(what)));
        return value;
    };
    auto id_of = [&](std::string_view word) {
        std::int64_t id;
        if (!parse_whole_integer(word, id))
            throw fail(_("'%1' is not a vertex number").arg(text_of(word)));
        return id;
    };
    auto index_of = [&](std::string_view word) {
        const std::int64_t id = id_of(word);
        const auto found = surface->index_of_id.find(id);
        if (found == surface->index_of_id.end())
            throw fail(_("there is no vertex %1 before this line").arg(id));
        return found->second;
    };
    while (lines.next(line)) {
        if (lines.position() - reported >= (1 << 20)) {
            if (progress)
                progress->advance(lines.position() - reported);
            reported = lines.position();
        }
        line = trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;
        if (in_header) {
            if (line.front() == '}') {
                in_header = false;
            } else if (line.substr(0, 5) == "name:") {
                surface->name = text_of(trimmed(line.substr(5)));
            }
            continue;
        }
        if (skip_depth > 0) {
            if (line.front() == '}')
                --skip_depth;
            else if (line.back() == '{')
                ++skip_depth;
            continue;
        }
        if (starts_with(line, "GOCAD")) {
            if (surface)
                throw fail(_("a new object starts before the END of the one before"));
            if (!starts_with(line.substr(std::min<std::size_t>(6, line.size())), "TSurf"))
                throw fail(_("'%1' is not a TSurf object").arg(text_of(line)));
            surface.emplace();
            continue;
        }
        if (!surface)
            throw fail(_("there is no GOCAD TSurf line before '%1'").arg(text_of(line.substr(0, 40))));
        if (starts_with(line, "HEADER")) {
            const std::size_t open = line.find('{');
            const std::size_t close = line.find('}');
            if (open != std::string_view::npos && close != std::string_view::npos) {
                std::string_view inside = line.substr(open + 1, close - open - 1);
                for (std::string_view part : split_fields(inside, ';')) {
                    if (part.substr(0, 5) == "name:")
                        surface->name = text_of(trimmed(part.substr(5)));
                }
            } else {
                in_header = true;
            }
            continue;
        }
        words = split_words(line);
        const std::string_view key = words.front();
        if (key == "VRTX" || key == "PVRTX") {
            const std::size_t wanted = 5 + (key == "PVRTX" ? std::size_t(surface->properties.size()) : 0);
            if (words.size() < wanted)
                throw fail((key == "PVRTX" ? _("%1 needs a number, X, Y, Z and the property values")
                                           : _("%1 needs a number, X, Y, Z"))
                               .arg(text_of(key)));
            const std::int64_t id = id_of(words[1]);
            if (!surface->index_of_id.emplace(id, std::int64_t(surface->x.size())).second)
                throw fail(_("vertex %1 is there twice").arg(id));
            surface->x.push_back(number(words[2], "X"));
            surface->y.push_back(number(words[3], "Y"));
            surface->z.push_back(number(words[4], "Z"));
            for (int k = 0; k < surface->properties.size(); ++k)
                surface->values[std::size_t(k)].push_back(key == "PVRTX" ? number(words[5 + std::size_t(k)], QT_TRID_NOOP("property"))
                                                                         : double(NAN));
        } else if (key == "ATOM" || key == "PATOM") {
            if (words.size() < 3)
                throw fail(_("%1 needs a number and the vertex it repeats").arg(text_of(key)));
            const std::int64_t id = id_of(words[1]);
            const std::int64_t index = index_of(words[2]);
            if (!surface->index_of_id.emplace(id, index).second)
                throw fail(_("vertex %1 is there twice").arg(id));
        } else if (key == "TRGL") {
            if (words.size() < 4)
                throw fail(_("TRGL needs three vertex numbers"));
            for (int k = 1; k <= 3; ++k)
                surface->triangles.push_back(index_of(words[std::size_t(k)]));
        } else if (key == "PROPERTIES") {
            if (!surface->x.empty())
                throw fail(_("PROPERTIES comes after the first vertex"));
            surface->properties.clear();
            for (std::size_t k = 1; k < words.size(); ++k) {
                QString name = text_of(words[k]);
                if (name == QLatin1String("X") || name == QLatin1String("Y") || name == QLatin1String("Z")
                    || surface->properties.contains(name))
                    name += QStringLiteral(" 2");
                surface->properties << name;
            }
            surface->values.assign(std::size_t(surface->properties.size()), {});
        } else if (key == "ESIZES") {
            for (std::size_t k = 1; k < words.size(); ++k) {
                if (words[k] != "1")
                    throw fail(_("properties of more than one value per vertex are not read"));
            }
        } else if (key == "NO_DATA_VALUES") {
            surface->property_nulls.clear();
            for (std::size_t k = 1; k < words.size(); ++k)
                surface->property_nulls.push_back(number(words[k], QT_TRID_NOOP("no-data value")));
        } else if (key == "ZPOSITIVE") {
            if (words.size() > 1 && (words[1] == "Depth" || words[1] == "DEPTH" || words[1] == "depth"))
                surface->z_sign = -1;
            else
                surface->z_sign = 1;
        } else if (key == "END") {
            surface->name = records.empty() ? object_name(path, options, surface->name)
                                            : (options.name.isEmpty() ? object_name(path, options, surface->name)
                                                                      : QStringLiteral("%1 %2").arg(options.name).arg(records.size() + 1));
            records.push_back(record_of(*surface, options.null_values));
            surface.reset();
        } else if (line.back() == '{') {
            ++skip_depth;
        }
        // Other lines (coordinate system names, TFACE, BSTONE, BORDER, ...)
        // say nothing about the vertices and triangles.
    }
    if (surface)
        throw FormatError(path, FormatError::Place::Line, lines.line_number() + 1,
                          _("the file ends before the END of the object"));
    if (records.empty())
        throw FormatError(path, _("the file holds no TSurf object"));
    if (progress)
        progress->advance(file.end() - reported);
    return records;
}

class TsurfFormat : public Format
{
public:
    QString name() const override { return QStringLiteral("tsurf"); }
    QString title() const override { return _("GOCAD TSurf"); }
    QStringList patterns() const override { return {QStringLiteral("*.ts")}; }

    int recognise(const QByteArray &head, const QString &path) const override
    {
        MappedLines lines(head.constData(), head.constData() + head.size());
        std::string_view line;
        while (lines.next(line)) {
            line = trimmed(line);
            if (line.empty())
                continue;
            if (starts_with(line, "GOCAD") && line.find("TSurf") != std::string_view::npos)
                return 3;
            break;
        }
        return QFileInfo(path).suffix().toLower() == QLatin1String("ts") ? 1 : 0;
    }

    Description describe(const QString &path, const ImportOptions &options) const override
    {
        if (QFileInfo(path).size() <= kDescribeInFull)
            return summarise(*this, read(path, options, nullptr));
        Description description;
        description.format = title();
        description.geometry_type = QStringLiteral("Tsurface");
        description.nulls = -1;
        description.notes << _("The file is large: its vertices, triangles and properties are counted "
                               "when it is imported.");
        return description;
    }

    std::vector<ObjectRecord> read(const QString &path, const ImportOptions &options,
                                   Progress *progress) const override
    {
        return read_tsurf(path, options, progress);
    }

    bool can_write(const ObjectRecord &object) const override
    {
        return object.triangles.ndim() == 2 && object.triangles.shape()[1] == 3 && object.triangles.size() > 0;
    }

    void write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
               Progress *progress) const override
    {
        if (!can_write(object))
            Format::write(path, object, options, progress);
        const double null = options.null_value.value_or(-99999.0);
        QStringList properties;
        for (const QString &key : object.prop.keys()) {
            if (!is_coordinate(key))
                properties << key;
        }
        std::vector<NdArray> values;
        for (const QString &key : properties)
            values.push_back(object.prop.value(key).astype(DType::Float64));
        const double *x = object.prop.value(QStringLiteral("X")).data<double>();
        const double *y = object.prop.value(QStringLiteral("Y")).data<double>();
        const double *z = object.prop.value(QStringLiteral("Z")).data<double>();
        const std::int64_t vertices = object.prop.value(QStringLiteral("X")).size();
        OutputFile out(path, progress);
        QString name = object.name;
        name.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('}'), QLatin1Char(' '));
        out.text(QStringLiteral("GOCAD TSurf 1\nHEADER {\nname:%1\n}\n").arg(name));
        out.write("GOCAD_ORIGINAL_COORDINATE_SYSTEM\nNAME Default\nAXIS_NAME \"X\" \"Y\" \"Z\"\n"
                  "AXIS_UNIT \"m\" \"m\" \"m\"\nZPOSITIVE Elevation\nEND_ORIGINAL_COORDINATE_SYSTEM\n");
        if (!properties.isEmpty()) {
            QStringList names, nulls, sizes;
            for (QString property : properties) {
                names << property.replace(QLatin1Char(' '), QLatin1Char('_'));
                char buffer[32];
                nulls << QString::fromLatin1(OutputFile::number_text(null, buffer).data(),
                                             int(OutputFile::number_text(null, buffer).size()));
                sizes << QStringLiteral("1");
            }
            out.text(QStringLiteral("PROPERTIES %1\nNO_DATA_VALUES %2\nESIZES %3\n")
                          .arg(names.join(QLatin1Char(' ')), nulls.join(QLatin1Char(' ')), sizes.join(QLatin1Char(' '))));
        }
        out.write("TFACE\n");
        auto coordinate = [&](double value) { out.number(std::isnan(value) ? null : value); };
        for (std::int64_t v = 0; v < vertices; ++v) {
            out.write(properties.isEmpty() ? "VRTX " : "PVRTX ");
            out.integer(v + 1);
            out.put(' ');
            coordinate(x[v]);
            out.put(' ');
            coordinate(y[v]);
            out.put(' ');
            coordinate(z[v]);
            for (const NdArray &column : values) {
                out.put(' ');
                coordinate(column.data<double>()[v]);
            }
            out.put('\n');
            if (progress && v % 65536 == 0)
                progress->check();
        }
        visit_real(object.triangles, [&](const auto *corners) {
            for (std::int64_t t = 0; t < object.triangles.shape()[0]; ++t) {
                out.write("TRGL ");
                for (int k = 0; k < 3; ++k) {
                    out.integer(std::int64_t(corners[3 * t + k]) + 1);
                    out.put(k < 2 ? ' ' : '\n');
                }
            }
        });
        out.write("END\n");
        out.commit();
    }
};

} // namespace

const Format &tsurf_format()
{
    static const TsurfFormat format;
    return format;
}

} // namespace kelvra::app::formats
