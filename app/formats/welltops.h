#pragma once

// Formation tops: a table of well name, top name and MD, one top a line
// (CSV, or columns delimited by semicolons, tabs or blanks). A header line
// may name the columns (WELL, TOP or NAME or SURFACE, MD or DEPTH);
// without one they are taken in that order.

#include <QIODevice>
#include <QString>

#include <cstdint>
#include <vector>

namespace kelvra::app::formats {

struct WellTop
{
    QString well;
    QString name;
    double md = 0;
};

// Throws FormatError naming the line and the reason.
std::vector<WellTop> read_tops(QIODevice &device, const QString &file);

} // namespace kelvra::app::formats
