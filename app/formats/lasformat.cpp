#include "app/formats/lasformat.h"

#include "app/formats/lasfile.h"
#include "app/formats/outputfile.h"
#include "app/formats/textlines.h"
#include "app/formats/wellpath.h"
#include "app/formats/welltops.h"

#include "host/translation.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

#include <cmath>
#include <functional>
#include <memory>

namespace kelvra::app::formats {
namespace {

const QString kMd = QStringLiteral("MD");

// The well, what became of the tops, and what the user should know.
struct WellImport
{
    ObjectRecord well;
    std::optional<ObjectRecord> tops;
    QStringList notes;
    QString file_well; // the well's name as the file gives it
};

QFile &open_for_reading(QFile &file)
{
    check_readable(file.fileName());
    if (!file.open(QIODevice::ReadOnly))
        throw FormatError(file.fileName(), _("the file cannot be read: %1").arg(file.errorString()));
    return file;
}

// The number of the first of the items that holds one, other than the
// file's NULL and the null values files use most (-999.25, -9999, -99999).
std::optional<double> item_number(const LasFile &las, std::initializer_list<const char *> mnemonics)
{
    for (const char *mnemonic : mnemonics) {
        const LasItem *item = las.item(QLatin1String(mnemonic));
        if (!item)
            continue;
        const auto value = parse_number(item->value);
        if (!value || !std::isfinite(*value) || (las.null_value && *value == *las.null_value))
            continue;
        if (*value == -999.25 || *value == -9999 || *value == -99999)
            continue;
        return value;
    }
    return std::nullopt;
}

bool is_feet(const QString &unit)
{
    const QString u = unit.trimmed().toUpper();
    return u == QLatin1String("F") || u == QLatin1String("FT") || u == QLatin1String("FEET");
}

bool is_metres(const QString &unit)
{
    const QString u = unit.trimmed().toUpper();
    return u == QLatin1String("M") || u == QLatin1String("METER") || u == QLatin1String("METERS")
        || u == QLatin1String("METRE") || u == QLatin1String("METRES");
}

// The datum item's value in the depth curve's unit.
std::optional<double> file_datum(const LasFile &las, const QString &depth_unit)
{
    for (const char *mnemonic : {"EREF", "EKB", "EDF", "KB", "DF", "ELEV", "EGL", "GL"}) {
        const auto value = item_number(las, {mnemonic});
        if (!value)
            continue;
        const QString unit = las.item(QLatin1String(mnemonic))->unit;
        if (is_feet(unit) && is_metres(depth_unit))
            return *value * 0.3048;
        if (is_metres(unit) && is_feet(depth_unit))
            return *value / 0.3048;
        return value;
    }
    return std::nullopt;
}

std::optional<std::pair<double, double>> file_wellhead(const LasFile &las)
{
    const auto x = item_number(las, {"X", "XWELL", "XCOORD", "X_COORD", "EASTING", "EAST"});
    const auto y = item_number(las, {"Y", "YWELL", "YCOORD", "Y_COORD", "NORTHING", "NORTH"});
    if (x && y)
        return std::make_pair(*x, *y);
    if (const LasItem *loc = las.item(QStringLiteral("LOC"))) {
        const QStringList parts = loc->value.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
        if (parts.size() == 2) {
            const auto lx = parse_number(parts.at(0)), ly = parse_number(parts.at(1));
            if (lx && ly)
                return std::make_pair(*lx, *ly);
        }
    }
    return std::nullopt;
}

QString well_name(const LasFile &las, const QString &path)
{
    const LasItem *item = las.item(QStringLiteral("WELL"));
    if (item && !item->value.trimmed().isEmpty())
        return item->value.trimmed();
    return QFileInfo(path).completeBaseName();
}

// A property name for each curve: the mnemonic, made unique with ":2",
// ":3" ... where two curves share one or a curve takes a name the well
// needs for itself.
QStringList property_names(const LasFile &las, bool positions_in_file)
{
    QStringList taken{kMd};
    if (!positions_in_file)
        taken << QStringLiteral("X") << QStringLiteral("Y") << QStringLiteral("Z");
    QStringList names{kMd};
    for (std::size_t c = 1; c < las.curves.size(); ++c) {
        const QString base = las.curves[c].mnemonic;
        QString name = base;
        for (int n = 2; taken.contains(name); ++n)
            name = QStringLiteral("%1:%2").arg(base).arg(n);
        taken << name;
        names << name;
    }
    return names;
}

int curve_index(const LasFile &las, const char *mnemonic)
{
    for (std::size_t c = 1; c < las.curves.size(); ++c) {
        if (las.curves[c].mnemonic.compare(QLatin1String(mnemonic), Qt::CaseInsensitive) == 0)
            return int(c);
    }
    return -1;
}

WellPath make_path(const LasFile &las, const ImportOptions &options, const QString &name,
                   const QString &depth_unit, QStringList &notes)
{
    std::optional<std::pair<double, double>> head = file_wellhead(las);
    if (head) {
        if (options.wellhead_x || options.wellhead_y)
            notes << _("The wellhead X/Y is taken from the file, not from the import options.");
    } else if (options.wellhead_x && options.wellhead_y) {
        head = std::make_pair(*options.wellhead_x, *options.wellhead_y);
    }
    std::optional<double> datum = file_datum(las, depth_unit);
    if (datum) {
        if (options.datum)
            notes << _("The datum is taken from the file, not from the import options.");
    } else {
        datum = options.datum;
    }
    std::optional<PathFile> table;
    if (!options.path_file.isEmpty()) {
        QFile file(options.path_file);
        table = read_path_file(open_for_reading(file), options.path_file);
    }
    const bool absolute_table = table && table->kind == PathFile::Kind::Positions && !table->offsets;
    if (!head && !absolute_table)
        notes << _("The wellhead of '%1' is not known: the well is placed at X = Y = 0 (Translate "
                   "moves it).")
                     .arg(name);
    const bool datum_needed = !table || table->kind == PathFile::Kind::Survey
        || table->vertical == PathFile::Vertical::Tvd || table->md.empty() || std::isnan(table->md.front());
    if (!datum && datum_needed)
        notes << _("The datum (elevation of MD 0) of '%1' is not known: MD 0 is placed at Z = 0.")
                     .arg(name);
    const double x = head ? head->first : 0, y = head ? head->second : 0, z = datum.value_or(0);
    try {
        if (!table)
            return WellPath(x, y, z);
        if (table->kind == PathFile::Kind::Survey)
            return WellPath(table->stations, x, y, z);
        return WellPath(*table, x, y, z);
    } catch (const ValueError &error) {
        throw FormatError(options.path_file, error_text(error));
    }
}

ObjectRecord tops_record(const std::vector<WellTop> &tops, const std::function<PathPosition(double)> &position,
                         const QString &name, const QString &depth_unit)
{
    std::vector<double> x, y, z, md;
    QStringList texts;
    for (const WellTop &top : tops) {
        const PathPosition p = position(top.md);
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(p.z);
        md.push_back(top.md);
        texts << top.name;
    }
    ObjectRecord record;
    record.name = name + QStringLiteral(" tops");
    record.geometry_type = QStringLiteral("Label");
    record.prop.insert(QStringLiteral("X"), NdArray::from_values(x));
    record.prop.insert(QStringLiteral("Y"), NdArray::from_values(y));
    record.prop.insert(QStringLiteral("Z"), NdArray::from_values(z));
    record.prop.insert(kMd, NdArray::from_values(md));
    record.texts = texts;
    if (!depth_unit.isEmpty())
        record.units.insert(kMd, depth_unit);
    return record;
}

WellImport import_well(const QString &path, const ImportOptions &options, Progress *progress)
{
    QFile file(path);
    open_for_reading(file);
    if (progress)
        progress->set_total(file.size());
    const LasFile las = read_las(file, path, options.null_values, progress);
    WellImport result;
    result.file_well = well_name(las, path);
    const QString name = options.name.isEmpty() ? result.file_well : options.name;
    const QString depth_unit = las.curves.front().unit.trimmed();
    const int cx = curve_index(las, "X"), cy = curve_index(las, "Y"), cz = curve_index(las, "Z");
    const bool positions_in_file = cx > 0 && cy > 0 && cz > 0;
    const NdArray &md = las.columns.front();
    const std::int64_t rows = md.size();
    NdArray x, y, z;
    std::function<PathPosition(double)> position;
    if (positions_in_file) {
        if (!options.path_file.isEmpty())
            result.notes << _("The file holds the well's X, Y and Z: the well path file is not used.");
        x = las.columns[std::size_t(cx)];
        y = las.columns[std::size_t(cy)];
        z = las.columns[std::size_t(cz)];
        // Tops between two samples lie on the straight line between them.
        PathFile table;
        table.kind = PathFile::Kind::Positions;
        table.vertical = PathFile::Vertical::Z;
        for (std::int64_t i = 0; i < rows; ++i) {
            const double m = md.data<double>()[i];
            const double px = x.data<double>()[i], py = y.data<double>()[i], pz = z.data<double>()[i];
            if (std::isnan(px) || std::isnan(py) || std::isnan(pz) || (!table.md.empty() && !(m > table.md.back())))
                continue;
            table.md.push_back(m);
            table.x.push_back(px);
            table.y.push_back(py);
            table.v.push_back(pz);
        }
        if (!table.md.empty()) {
            auto shared = std::make_shared<WellPath>(table, 0, 0, 0);
            position = [shared](double m) { return shared->at(m); };
        }
    } else {
        auto shared = std::make_shared<WellPath>(make_path(las, options, name, depth_unit, result.notes));
        position = [shared](double m) { return shared->at(m); };
        x = NdArray(DType::Float64, {rows});
        y = NdArray(DType::Float64, {rows});
        z = NdArray(DType::Float64, {rows});
        const double *depth = md.data<double>();
        double *px = x.data<double>(), *py = y.data<double>(), *pz = z.data<double>();
        for (std::int64_t i = 0; i < rows; ++i) {
            const PathPosition p = shared->at(depth[i]);
            px[i] = p.x;
            py[i] = p.y;
            pz[i] = p.z;
        }
    }
    ObjectRecord &well = result.well;
    well.name = name;
    well.geometry_type = QStringLiteral("Point");
    well.prop.insert(QStringLiteral("X"), x);
    well.prop.insert(QStringLiteral("Y"), y);
    well.prop.insert(QStringLiteral("Z"), z);
    const QStringList names = property_names(las, positions_in_file);
    for (std::size_t c = 0; c < las.curves.size(); ++c) {
        if (positions_in_file && (int(c) == cx || int(c) == cy || int(c) == cz))
            continue;
        well.prop.insert(names.at(int(c)), las.columns[c]);
        if (!las.curves[c].unit.trimmed().isEmpty())
            well.units.insert(names.at(int(c)), las.curves[c].unit.trimmed());
    }
    if (!depth_unit.isEmpty() && !positions_in_file)
        well.units.insert(QStringLiteral("Z"), depth_unit);
    if (positions_in_file) {
        for (const int c : {cx, cy, cz}) {
            if (!las.curves[std::size_t(c)].unit.trimmed().isEmpty())
                well.units.insert(las.curves[std::size_t(c)].mnemonic.toUpper(), las.curves[std::size_t(c)].unit.trimmed());
        }
    }
    for (const QString &property : names) {
        if (property != kMd && well.prop.contains(property)) {
            well.current_property = property;
            break;
        }
    }

    if (!options.tops_file.isEmpty()) {
        QFile tops_file(options.tops_file);
        const std::vector<WellTop> all = read_tops(open_for_reading(tops_file), options.tops_file);
        QStringList aliases{name.toUpper(), well_name(las, path).toUpper()};
        if (const LasItem *uwi = las.item(QStringLiteral("UWI")); uwi && !uwi->value.trimmed().isEmpty())
            aliases << uwi->value.trimmed().toUpper();
        std::vector<WellTop> ours;
        QMap<QString, int> others;
        for (const WellTop &top : all) {
            if (aliases.contains(top.well.trimmed().toUpper()))
                ours.push_back(top);
            else
                ++others[top.well];
        }
        if (!others.isEmpty()) {
            QStringList listed;
            for (auto it = others.cbegin(); it != others.cend(); ++it)
                listed << QStringLiteral("%1 (%2)").arg(it.key()).arg(it.value());
            result.notes << _("Tops of wells that are not imported are left out: %1.")
                                .arg(listed.join(QStringLiteral(", ")));
        }
        if (ours.empty())
            result.notes << _("The tops file holds no tops of the well '%1'.").arg(name);
        else if (position)
            result.tops = tops_record(ours, position, name, depth_unit);
    }
    return result;
}

} // namespace

QString LasFormat::name() const
{
    return QStringLiteral("las");
}

QString LasFormat::title() const
{
    return _("LAS well log");
}

QStringList LasFormat::patterns() const
{
    return {QStringLiteral("*.las"), QStringLiteral("*.LAS")};
}

int LasFormat::recognise(const QByteArray &head, const QString &path) const
{
    // The first line that is not blank or a comment opens ~Version.
    int i = 0;
    if (head.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < head.size()) {
        const char c = head.at(i);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '#') {
            while (i < head.size() && head.at(i) != '\n' && head.at(i) != '\r')
                ++i;
        } else {
            break;
        }
    }
    if (i + 1 < head.size() && head.at(i) == '~' && (head.at(i + 1) == 'V' || head.at(i + 1) == 'v'))
        return 3;
    return path.endsWith(QLatin1String(".las"), Qt::CaseInsensitive) ? 1 : 0;
}

Description LasFormat::describe(const QString &path, const ImportOptions &options) const
{
    const WellImport well = import_well(path, options, nullptr);
    Description description;
    description.format = title();
    description.geometry_type = well.well.geometry_type;
    const NdArray &x = well.well.prop.value(QStringLiteral("X"));
    const NdArray &y = well.well.prop.value(QStringLiteral("Y"));
    description.vertices = x.size();
    double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
    for (std::int64_t i = 0; i < x.size(); ++i) {
        x0 = std::min(x0, x.data<double>()[i]);
        x1 = std::max(x1, x.data<double>()[i]);
        y0 = std::min(y0, y.data<double>()[i]);
        y1 = std::max(y1, y.data<double>()[i]);
    }
    if (x0 <= x1 && y0 <= y1)
        description.extent = QRectF(QPointF(x0, y0), QPointF(x1, y1));
    std::int64_t nulls = 0;
    for (const QString &key : well.well.prop.keys()) {
        const NdArray &values = well.well.prop.value(key);
        if (key != QLatin1String("X") && key != QLatin1String("Y") && key != QLatin1String("Z"))
            description.properties << key;
        for (std::int64_t i = 0; i < values.size(); ++i)
            nulls += std::isnan(values.data<double>()[i]) ? 1 : 0;
        description.memory_bytes += values.nbytes();
    }
    description.nulls = nulls;
    description.notes = well.notes;
    description.well = well.file_well;
    if (well.tops)
        description.notes << _("%1 tops become the Label object '%2'.")
                                 .arg(well.tops->texts.size())
                                 .arg(well.tops->name);
    return description;
}

std::vector<ObjectRecord> LasFormat::read(const QString &path, const ImportOptions &options, Progress *progress) const
{
    WellImport well = import_well(path, options, progress);
    if (progress) {
        for (const QString &note : well.notes)
            progress->note(note);
    }
    std::vector<ObjectRecord> records{std::move(well.well)};
    if (well.tops)
        records.push_back(std::move(*well.tops));
    return records;
}

bool LasFormat::can_write(const ObjectRecord &object) const
{
    return object.geometry_type == QLatin1String("Point") && object.prop.contains(kMd);
}

void LasFormat::write(const QString &path, const ObjectRecord &object, const ExportOptions &options,
                      Progress *progress) const
{
    if (!can_write(object))
        Format::write(path, object, options, progress);
    LasFile las;
    las.well.push_back({QStringLiteral("WELL"), QString(), object.name, QStringLiteral("Well")});
    // A mnemonic ends at the first dot and holds no blanks.
    QStringList used;
    const auto add = [&](const QString &property) {
        QString mnemonic = property;
        mnemonic.replace(QLatin1Char('.'), QLatin1Char('_')).replace(QLatin1Char(' '), QLatin1Char('_'));
        if (mnemonic.isEmpty())
            mnemonic = QStringLiteral("_");
        const QString base = mnemonic;
        for (int n = 2; used.contains(mnemonic, Qt::CaseInsensitive); ++n)
            mnemonic = QStringLiteral("%1_%2").arg(base).arg(n);
        used << mnemonic;
        las.curves.push_back({mnemonic, object.units.value(property), QString()});
        las.columns.push_back(object.prop.value(property).astype(DType::Float64));
    };
    add(kMd);
    for (const char *axis : {"X", "Y", "Z"})
        add(QLatin1String(axis));
    for (const QString &property : object.prop.keys()) {
        if (property != kMd && !is_coordinate(property))
            add(property);
    }
    OutputFile file(path, progress);
    try {
        write_las(file.device(), las, options.null_value.value_or(-999.25), progress);
    } catch (const ValueError &error) {
        throw ValueError(path + QStringLiteral(": ") + error_text(error));
    }
    file.commit();
}

} // namespace kelvra::app::formats
