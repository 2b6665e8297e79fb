#pragma once

// Where texts go beside the points they belong to, so that none covers
// another: first come, first placed. A text takes the first free place of
// eight around its point (right, left, the four diagonals, above, below);
// when all are taken, the first free one of eight farther out, to be joined
// to its point by a lead line; when those are taken too, it is left out.
// Works in any pixel unit: an exported picture drawn larger scales it.

#include "host/views/hostviews_export.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

namespace kelvra {

class HOSTVIEWS_EXPORT LabelPlacement
{
public:
    struct Place
    {
        QRectF box;
        bool lead; // away from its point: drawn with a line to it
    };

    // area: where texts may go, whole; gap: between a point and its text.
    LabelPlacement(const QRectF &area, double gap);

    // Keeps every later text off box.
    void reserve(const QRectF &box);
    // Whether a text may go into box: inside the area, on nothing placed
    // or reserved.
    bool is_free(const QRectF &box) const;
    // The place of a text of that size beside point, taken for it; nothing
    // when there is no free place.
    std::optional<Place> place(const QPointF &point, const QSizeF &size);

private:
    // The cells of the occupancy grid that box overlaps, clipped to the
    // area: first and last column and row; none when box lies outside.
    struct Cells
    {
        int left, right, top, bottom;
    };
    std::optional<Cells> cells_of(const QRectF &box) const;

    QRectF m_area;
    double m_gap;
    // A grid of small cells over the area, set where a text or a reserved
    // box lies: a test costs the same however many texts there are.
    int m_columns = 0, m_rows = 0;
    std::vector<char> m_taken;
};

} // namespace kelvra
