// libFuzzer target: convert_array on arbitrary bytes either throws
// ValueError or returns an array that survives a round trip through
// adapt_array and prints; nothing else (a crash, another exception, an
// out-of-bounds read caught by AddressSanitizer) is allowed.

#include "host/errors.h"
#include "host/sqlite_array.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    kelvra::NdArray array;
    try {
        array = kelvra::convert_array(reinterpret_cast<const char *>(data), size);
    } catch (const kelvra::ValueError &) {
        return 0;
    }
    if (kelvra::convert_array(kelvra::adapt_array(array)) != array)
        std::abort();
    array.to_text();
    return 0;
}
