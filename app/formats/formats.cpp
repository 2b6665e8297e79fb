#include "app/formats/format.h"

namespace kelvra::app::formats {

const std::vector<const Format *> &formats()
{
    // Each format's file adds one line here.
    static const std::vector<const Format *> all{};
    return all;
}

} // namespace kelvra::app::formats
