#include "widgets/dialogs/geometrytypes.h"

#include "utils/basedefs.h"

namespace kelvra {

QStringList all_geometry_types()
{
    QStringList types;
    for (std::string_view type : GEOMETRY_TYPES)
        types << QString::fromUtf8(type.data(), int(type.size()));
    return types;
}

} // namespace kelvra
