#pragma once

// Where a well runs: the position (X, Y and the elevation Z, positive up)
// of every measured depth (MD, along the hole from the datum). A path comes
// from a deviation survey (MD, inclination, azimuth from grid north), whose
// stations are joined by minimum-curvature arcs, or from a table of
// positions (X, Y and TVDSS, TVD or Z, with or without MD) joined by
// straight lines; without either the well is vertical below its wellhead.
//
// Z convention: a depth below sea level (TVDSS) d is Z = -d; the datum is
// the elevation of MD 0 (KB, DF); a true vertical depth below the datum t
// is Z = datum - t.

#include <QIODevice>
#include <QString>

#include <vector>

namespace kelvra::app::formats {

struct SurveyStation
{
    double md = 0;
    double inclination = 0; // degrees from vertical
    double azimuth = 0;     // degrees clockwise from grid north
};

struct PathPosition
{
    double x = 0;
    double y = 0;
    double z = 0;
};

// A deviation survey or a table of positions, as read from a file.
struct PathFile
{
    enum class Kind { Survey, Positions };
    Kind kind = Kind::Survey;
    std::vector<SurveyStation> stations;      // Survey
    // Positions: MD (NaN where the table has no MD column), and X and Y,
    // absolute or (offsets) relative to the wellhead, and one vertical:
    // TVDSS, TVD below the datum, or Z.
    enum class Vertical { Tvdss, Tvd, Z };
    Vertical vertical = Vertical::Tvdss;
    bool offsets = false;
    std::vector<double> md;
    std::vector<double> x, y, v;
};

// Reads a deviation survey (columns MD, INC, AZI) or a table of positions
// (X, Y or DX, DY; TVDSS, TVD or Z; optionally MD) with a header line that
// names the columns, delimited by commas, semicolons, tabs or blanks.
// Throws FormatError naming the line and the reason.
PathFile read_path_file(QIODevice &device, const QString &file);

class WellPath
{
public:
    // A vertical well below the wellhead (x, y) whose MD 0 is at Z = datum.
    WellPath(double x, double y, double datum);
    // A well along the stations of a survey, which starts at the wellhead
    // at MD 0, vertical, unless its first station is at MD 0. Throws
    // ValueError when the MDs do not increase.
    WellPath(const std::vector<SurveyStation> &stations, double x, double y, double datum);
    // A well through the positions of a table, sorted by MD; without MD
    // the first position's MD is its depth below the datum and the others
    // follow along the straight lines between them.
    WellPath(const PathFile &table, double x, double y, double datum);

    // The position of a measured depth: on the arc or line between the
    // stations around it, or straight on from the first or last one.
    PathPosition at(double md) const;

private:
    struct Node
    {
        double md;
        double e, n, v;    // east, north and down from the wellhead's datum
        double te, tn, tv; // unit direction of the hole
    };
    void add_node(double md, double e, double n, double v, double te, double tn, double tv);

    std::vector<Node> m_nodes;
    bool m_arcs = false;
    double m_x, m_y, m_datum;
};

} // namespace kelvra::app::formats
