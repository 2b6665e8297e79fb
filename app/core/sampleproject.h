#pragma once

// The sample project that ships with the program: a few objects of several
// geometry types with properties, so that a first start shows data.

#include "app/core/geoobject.h"

#include <memory>
#include <vector>

namespace kelvra::app {

std::vector<std::unique_ptr<GeoObject>> sample_objects();

} // namespace kelvra::app
