#include "app/core/objectcolours.h"

#include <algorithm>

namespace kelvra::app {

const std::vector<QRgb> &object_palette()
{
    static const std::vector<QRgb> colours{
        qRgb(31, 119, 180), qRgb(255, 127, 14), qRgb(44, 160, 44),   qRgb(214, 39, 40),
        qRgb(148, 103, 189), qRgb(140, 86, 75), qRgb(227, 119, 194), qRgb(127, 127, 127),
        qRgb(188, 189, 34), qRgb(23, 190, 207),
    };
    return colours;
}

QRgb pick_object_colour(const std::vector<QRgb> &in_use)
{
    const std::vector<QRgb> &palette = object_palette();
    std::vector<std::size_t> uses(palette.size(), 0);
    for (QRgb colour : in_use) {
        const auto found = std::find(palette.begin(), palette.end(), colour);
        if (found != palette.end())
            ++uses[std::size_t(found - palette.begin())];
    }
    return palette[std::size_t(std::min_element(uses.begin(), uses.end()) - uses.begin())];
}

} // namespace kelvra::app
