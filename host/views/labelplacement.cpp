#include "host/views/labelplacement.h"

#include <algorithm>
#include <cmath>

namespace kelvra {
namespace {

constexpr double kCell = 2;      // the side of a cell of the occupancy grid, in the placement's pixels
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
    , m_columns(std::max(0, int(std::ceil(area.width() / kCell))))
    , m_rows(std::max(0, int(std::ceil(area.height() / kCell))))
    , m_taken(std::size_t(m_columns) * std::size_t(m_rows), 0)
{
}

std::optional<LabelPlacement::Cells> LabelPlacement::cells_of(const QRectF &box) const
{
    // Cells that box only touches at an edge are not its own, so that two
    // boxes side by side take no cell in common.
    const double left = (box.left() - m_area.left()) / kCell, right = (box.right() - m_area.left()) / kCell;
    const double top = (box.top() - m_area.top()) / kCell, bottom = (box.bottom() - m_area.top()) / kCell;
    if (!(right > 0 && bottom > 0 && left < m_columns && top < m_rows && left < right && top < bottom))
        return std::nullopt;
    return Cells{int(std::max(0.0, std::floor(left))), int(std::min(double(m_columns), std::ceil(right))) - 1,
                 int(std::max(0.0, std::floor(top))), int(std::min(double(m_rows), std::ceil(bottom))) - 1};
}

void LabelPlacement::reserve(const QRectF &box)
{
    const std::optional<Cells> cells = cells_of(box);
    for (int row = cells ? cells->top : 0; cells && row <= cells->bottom; ++row)
        std::fill_n(m_taken.begin() + std::ptrdiff_t(row) * m_columns + cells->left, cells->right - cells->left + 1, 1);
}

bool LabelPlacement::is_free(const QRectF &box) const
{
    const std::optional<Cells> cells = cells_of(box);
    if (!m_area.contains(box) || !cells)
        return false;
    for (int row = cells->top; row <= cells->bottom; ++row) {
        const auto begin = m_taken.begin() + std::ptrdiff_t(row) * m_columns;
        if (std::find(begin + cells->left, begin + cells->right + 1, 1) != begin + cells->right + 1)
            return false;
    }
    return true;
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
