#include "utils/basedefs.h"

#include <cstdlib>
#include <thread>

namespace kelvra {
namespace {

std::optional<std::string> environment(const char *name)
{
    const char *value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

std::optional<unsigned> processor_count()
{
    const unsigned count = std::thread::hardware_concurrency();
    if (count == 0)
        return std::nullopt;
    return count;
}

} // namespace

// Dynamic initialisation runs once, when the library is loaded.
const std::optional<unsigned> NCORE = processor_count();
const std::optional<std::string> JAVASEIS_DATA_HOME = environment("JAVASEIS_DATA_HOME");
const std::vector<std::optional<std::string>> JAVASEIS_DATA_SECONDARIES{
    environment("JAVASEIS_DATA_SECONDARIES")};

} // namespace kelvra
