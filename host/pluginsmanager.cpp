#include "host/pluginsmanager.h"

#include "host/plugininterface.h"

namespace kelvra {

PluginsManager::~PluginsManager() = default;
PluginFactory::~PluginFactory() = default;

} // namespace kelvra
