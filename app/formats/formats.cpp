#include "app/formats/builtin.h"
#include "app/formats/format.h"
#include "app/formats/lasformat.h"
#include "app/formats/segyformat.h"

namespace kelvra::app::formats {

const std::vector<const Format *> &formats()
{
    // Each format's file adds one line here.
    static const LasFormat las;
    static const SegyFormat segy;
    static const std::vector<const Format *> all{
        &zmap_format(), &irap_ascii_format(), &irap_binary_format(), &tsurf_format(), &las, &segy,
        &csv_format(), &xyz_format(),
    };
    return all;
}

} // namespace kelvra::app::formats
