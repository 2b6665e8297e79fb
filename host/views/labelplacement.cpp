#include "host/views/labelplacement.h"

#include <algorithm>
#include <cmath>

namespace kelvra {
namespace {

constexpr double kCell = 48;     // the side of a grid cell, in the placement's pixels
constexpr double kFarther = 2.5; // text heights from a point to a text with a lead line

// The top left corners of the eight places around point at distance
// reach, for a text of size: right, left, above right, below right, above
// left, below left, above, below.
std::vector<QPointF> corners_around(const QPointF &point, const QSizeF &size, double reach)
{
    const double w = size.width(), h = size.height(), x = point.x(), y = point.y();
    return {
        {x + reach, y - h / 2},         {x - reach - w, y - h / 2},     {x + reach, y - reach - h},
        {x + reach, y + reach},         {x - reach - w, y - reach - h}, {x - reach - w, y + reach},
        {x - w / 2, y - reach - h},     {x - w / 2, y + reach},
    };
}

} // namespace

LabelPlacement::LabelPlacement(const QRectF &area, double gap)
    : m_area(area)
    , m_gap(gap)
    , m_cell(kCell)
{
}

template <typename Fn> void LabelPlacement::for_cells(const QRectF &box, Fn &&fn) const
{
    // Only boxes within the area are kept: the cells stay few.
    const QRectF inside = box.intersected(m_area);
    if (inside.isEmpty())
        return;
    const auto first_column = std::int64_t(std::floor((inside.left() - m_area.left()) / m_cell));
    const auto last_column = std::int64_t(std::floor((inside.right() - m_area.left()) / m_cell));
    const auto first_row = std::int64_t(std::floor((inside.top() - m_area.top()) / m_cell));
    const auto last_row = std::int64_t(std::floor((inside.bottom() - m_area.top()) / m_cell));
    for (std::int64_t row = first_row; row <= last_row; ++row) {
        for (std::int64_t column = first_column; column <= last_column; ++column)
            fn((row << 32) + column);
    }
}

void LabelPlacement::reserve(const QRectF &box)
{
    const std::size_t index = m_boxes.size();
    m_boxes.push_back(box);
    for_cells(box, [&](Cell cell) { m_cells[cell].push_back(index); });
}

bool LabelPlacement::is_free(const QRectF &box) const
{
    if (!m_area.contains(box))
        return false;
    bool free = true;
    for_cells(box, [&](Cell cell) {
        const auto found = m_cells.find(cell);
        if (!free || found == m_cells.end())
            return;
        free = std::none_of(found->second.begin(), found->second.end(),
                            [&](std::size_t index) { return m_boxes[index].intersects(box); });
    });
    return free;
}

std::optional<LabelPlacement::Place> LabelPlacement::place(const QPointF &point, const QSizeF &size)
{
    for (const bool lead : {false, true}) {
        const double reach = lead ? m_gap + kFarther * size.height() : m_gap;
        for (const QPointF &corner : corners_around(point, size, reach)) {
            const QRectF box(corner, size);
            if (is_free(box)) {
                reserve(box);
                return Place{box, lead};
            }
        }
    }
    return std::nullopt;
}

} // namespace kelvra
