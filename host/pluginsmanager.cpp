#include "host/pluginsmanager.h"

namespace kelvra {

PluginsManager::~PluginsManager() = default;

} // namespace kelvra
