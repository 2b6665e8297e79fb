#include "app/formats/wellpath.h"

#include "app/formats/format.h"
#include "app/formats/textlines.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvra::app::formats {
namespace {

constexpr double kDegree = M_PI / 180.0;

// A column name without its unit ("MD[m]", "TVDSS (m)") in capitals.
QString column_key(const QString &name)
{
    QString key = name;
    for (const QChar bracket : {QLatin1Char('['), QLatin1Char('(')}) {
        const int at = key.indexOf(bracket);
        if (at >= 0)
            key.truncate(at);
    }
    return key.trimmed().toUpper();
}

int find_column(const QStringList &keys, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const int at = keys.indexOf(QLatin1String(name));
        if (at >= 0)
            return at;
    }
    return -1;
}

struct Direction
{
    double e, n, v;
};

Direction direction_of(double inclination, double azimuth)
{
    const double i = inclination * kDegree, a = azimuth * kDegree;
    return {std::sin(i) * std::sin(a), std::sin(i) * std::cos(a), std::cos(i)};
}

double dot(const Direction &a, const Direction &b)
{
    return a.e * b.e + a.n * b.n + a.v * b.v;
}

// The ratio of the arc to the chord of the minimum-curvature method for a
// dogleg angle, 1 for a straight segment.
double ratio_factor(double dogleg)
{
    return dogleg < 1e-9 ? 1.0 : std::tan(dogleg / 2) / (dogleg / 2);
}

} // namespace

PathFile read_path_file(QIODevice &device, const QString &file)
{
    LineReader lines(device);
    PathFile path;
    QStringList keys;
    int md = -1, inc = -1, azi = -1, x = -1, y = -1, v = -1;
    std::int64_t previous_md_line = 0;
    while (const auto line = lines.next()) {
        const QString text = decode_text(*line).trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = split_fields(text);
        const std::int64_t number = lines.line_number();
        if (keys.isEmpty()) {
            for (const QString &field : fields)
                keys << column_key(field);
            md = find_column(keys, {"MD", "DEPTH", "DEPT", "MEASURED DEPTH"});
            inc = find_column(keys, {"INC", "INCL", "INCLINATION", "DEVI", "DEVIATION"});
            azi = find_column(keys, {"AZI", "AZIM", "AZIMUTH", "AZ", "HAZI"});
            x = find_column(keys, {"X", "EASTING", "EAST", "XCOORD"});
            y = find_column(keys, {"Y", "NORTHING", "NORTH", "YCOORD"});
            if (x < 0 && y < 0) {
                x = find_column(keys, {"DX", "EW", "DE"});
                y = find_column(keys, {"DY", "NS", "DN"});
                path.offsets = true;
            }
            v = find_column(keys, {"TVDSS"});
            if (v < 0) {
                v = find_column(keys, {"TVD"});
                path.vertical = PathFile::Vertical::Tvd;
            }
            if (v < 0) {
                v = find_column(keys, {"Z", "ELEVATION", "ELEV"});
                path.vertical = PathFile::Vertical::Z;
            }
            if (md >= 0 && inc >= 0 && azi >= 0) {
                path.kind = PathFile::Kind::Survey;
            } else if (x >= 0 && y >= 0 && v >= 0) {
                path.kind = PathFile::Kind::Positions;
            } else {
                throw FormatError(file, FormatError::Place::Line, number,
                                  _("the first line names the columns: MD, INC and AZI of a deviation "
                                    "survey, or X, Y and TVDSS (or TVD or Z) of a well path, not '%1'")
                                      .arg(text));
            }
            continue;
        }
        const auto value = [&](int column) {
            if (column >= fields.size())
                throw FormatError(file, FormatError::Place::Line, number,
                                  _("%1 values where the first line names %2 columns")
                                      .arg(fields.size())
                                      .arg(keys.size()));
            const auto number_value = parse_number(fields.at(column));
            if (!number_value || !std::isfinite(*number_value))
                throw FormatError(file, FormatError::Place::Line, number,
                                  _("the %1 '%2' is not a number").arg(keys.at(column), fields.at(column)));
            return *number_value;
        };
        const double row_md = md >= 0 ? value(md) : std::numeric_limits<double>::quiet_NaN();
        if (md >= 0) {
            const double last = path.kind == PathFile::Kind::Survey
                ? (path.stations.empty() ? -HUGE_VAL : path.stations.back().md)
                : (path.md.empty() ? -HUGE_VAL : path.md.back());
            if (!(row_md > last))
                throw FormatError(file, FormatError::Place::Line, number,
                                  _("the MD %1 does not follow the MD %2 of line %3: MDs must increase")
                                      .arg(row_md)
                                      .arg(last)
                                      .arg(previous_md_line));
            previous_md_line = number;
        }
        if (path.kind == PathFile::Kind::Survey) {
            const double inclination = value(inc);
            if (inclination < 0 || inclination > 180)
                throw FormatError(file, FormatError::Place::Line, number,
                                  _("the inclination %1 is not between 0 and 180 degrees").arg(inclination));
            path.stations.push_back({row_md, inclination, value(azi)});
        } else {
            path.md.push_back(row_md);
            path.x.push_back(value(x));
            path.y.push_back(value(y));
            path.v.push_back(value(v));
        }
    }
    if (keys.isEmpty())
        throw FormatError(file, _("the file is empty"));
    if (path.stations.empty() && path.x.empty())
        throw FormatError(file, _("the file names its columns but holds no stations"));
    return path;
}

WellPath::WellPath(double x, double y, double datum)
    : m_x(x)
    , m_y(y)
    , m_datum(datum)
{
    add_node(0, 0, 0, 0, 0, 0, 1);
}

WellPath::WellPath(const std::vector<SurveyStation> &stations, double x, double y, double datum)
    : m_arcs(true)
    , m_x(x)
    , m_y(y)
    , m_datum(datum)
{
    std::vector<SurveyStation> all = stations;
    if (all.empty() || all.front().md > 0)
        all.insert(all.begin(), SurveyStation{0, 0, 0});
    // Above MD 0 the hole stands as it starts: the first station sits
    // straight above or below the wellhead along its own direction.
    const Direction first = direction_of(all.front().inclination, all.front().azimuth);
    add_node(all.front().md, first.e * all.front().md, first.n * all.front().md, first.v * all.front().md, first.e,
             first.n, first.v);
    for (std::size_t k = 1; k < all.size(); ++k) {
        const SurveyStation &a = all[k - 1], &b = all[k];
        if (!(b.md > a.md))
            throw ValueError(_("the MDs of a deviation survey must increase: %1 follows %2")
                                 .arg(b.md)
                                 .arg(a.md));
        const Direction ta = direction_of(a.inclination, a.azimuth);
        const Direction tb = direction_of(b.inclination, b.azimuth);
        const double dogleg = std::acos(std::clamp(dot(ta, tb), -1.0, 1.0));
        if (dogleg > M_PI - 1e-6)
            throw ValueError(_("the hole turns right round between the MDs %1 and %2").arg(a.md).arg(b.md));
        const double half = (b.md - a.md) / 2 * ratio_factor(dogleg);
        const Node &last = m_nodes.back();
        add_node(b.md, last.e + half * (ta.e + tb.e), last.n + half * (ta.n + tb.n), last.v + half * (ta.v + tb.v),
                 tb.e, tb.n, tb.v);
    }
}

WellPath::WellPath(const PathFile &table, double x, double y, double datum)
    : m_x(table.offsets ? x : 0)
    , m_y(table.offsets ? y : 0)
    , m_datum(0)
{
    const std::size_t count = table.x.size();
    std::vector<double> e(count), n(count), v(count), md(count);
    for (std::size_t k = 0; k < count; ++k) {
        e[k] = table.x[k];
        n[k] = table.y[k];
        // Kept as depth below Z = 0, whatever the table gives.
        switch (table.vertical) {
        case PathFile::Vertical::Tvdss: v[k] = table.v[k]; break;
        case PathFile::Vertical::Tvd: v[k] = table.v[k] - datum; break;
        case PathFile::Vertical::Z: v[k] = -table.v[k]; break;
        }
        if (!table.md.empty() && !std::isnan(table.md[k])) {
            md[k] = table.md[k];
        } else if (k == 0) {
            md[k] = v[k] + datum;
        } else {
            md[k] = md[k - 1] + std::hypot(e[k] - e[k - 1], n[k] - n[k - 1], v[k] - v[k - 1]);
        }
    }
    for (std::size_t k = 0; k < count; ++k) {
        // Straight lines: each node's direction is that of the line to the
        // next one (the last keeps the one before).
        const std::size_t a = k + 1 < count ? k : (k > 0 ? k - 1 : k);
        const std::size_t b = std::min(a + 1, count - 1);
        double de = e[b] - e[a], dn = n[b] - n[a], dv = v[b] - v[a];
        const double length = std::hypot(de, dn, dv);
        if (length > 0) {
            de /= length;
            dn /= length;
            dv /= length;
        } else {
            de = dn = 0;
            dv = 1;
        }
        if (k > 0 && !(md[k] > md[k - 1]))
            throw ValueError(_("the MDs of a well path must increase: %1 follows %2").arg(md[k]).arg(md[k - 1]));
        add_node(md[k], e[k], n[k], v[k], de, dn, dv);
    }
}

void WellPath::add_node(double md, double e, double n, double v, double te, double tn, double tv)
{
    m_nodes.push_back({md, e, n, v, te, tn, tv});
}

PathPosition WellPath::at(double md) const
{
    const auto position = [this](double e, double n, double v) { return PathPosition{m_x + e, m_y + n, m_datum - v}; };
    const auto after = std::upper_bound(m_nodes.begin(), m_nodes.end(), md,
                                        [](double value, const Node &node) { return value < node.md; });
    if (after == m_nodes.begin() || after == m_nodes.end()) {
        // Straight on from the end of the path.
        const Node &end = after == m_nodes.begin() ? m_nodes.front() : m_nodes.back();
        const double d = md - end.md;
        return position(end.e + d * end.te, end.n + d * end.tn, end.v + d * end.tv);
    }
    const Node &a = *(after - 1), &b = *after;
    const double f = (md - a.md) / (b.md - a.md);
    if (!m_arcs)
        return position(a.e + f * (b.e - a.e), a.n + f * (b.n - a.n), a.v + f * (b.v - a.v));
    // On the arc from a to b: the direction turns evenly with MD, so the
    // part of the arc up to md is itself a minimum-curvature segment.
    const Direction ta{a.te, a.tn, a.tv}, tb{b.te, b.tn, b.tv};
    const double dogleg = std::acos(std::clamp(dot(ta, tb), -1.0, 1.0));
    Direction t = ta;
    if (dogleg > 1e-9 && std::sin(dogleg) > 1e-12) {
        const double wa = std::sin((1 - f) * dogleg) / std::sin(dogleg), wb = std::sin(f * dogleg) / std::sin(dogleg);
        t = {wa * ta.e + wb * tb.e, wa * ta.n + wb * tb.n, wa * ta.v + wb * tb.v};
    }
    const double half = (md - a.md) / 2 * ratio_factor(f * dogleg);
    return position(a.e + half * (ta.e + t.e), a.n + half * (ta.n + t.n), a.v + half * (ta.v + t.v));
}

} // namespace kelvra::app::formats
