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

#include <cstdint>
#include <optional>
#include <unordered_map>
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
    // Boxes are found through the cells of a coarse grid they cover.
    using Cell = std::int64_t;
    template <typename Fn> void for_cells(const QRectF &box, Fn &&fn) const;

    QRectF m_area;
    double m_gap;
    double m_cell;
    std::vector<QRectF> m_boxes;
    std::unordered_map<Cell, std::vector<std::size_t>> m_cells;
};

} // namespace kelvra
