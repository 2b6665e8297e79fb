#include "host/views/maplayer.h"

namespace kelvra {

MapLook map_look(const QString &geometry_type)
{
    if (geometry_type == QLatin1String("Point") || geometry_type == QLatin1String("Label"))
        return MapLook::Marker;
    if (geometry_type == QLatin1String("Line"))
        return MapLook::Polyline;
    if (geometry_type == QLatin1String("Survey"))
        return MapLook::Outline;
    return MapLook::Dots;
}

MapLook map_look(const MapObject &object)
{
    if (object.geometry_type == QLatin1String("Point") && object.md.size() > 0)
        return MapLook::Well;
    return map_look(object.geometry_type);
}

} // namespace kelvra
