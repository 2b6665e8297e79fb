#pragma once

// CRC-32C (Castagnoli), the checksum that guards each stored chunk against
// damage: it finds every error of up to 32 neighbouring bits, so a flipped
// byte never goes unnoticed. It is the CRC that iSCSI, ext4 and Btrfs use;
// Python's `crc32c` package and `google_crc32c` compute the same numbers:
//
//     crc32c(0, "123456789", 9) == 0xE3069283
//
// On processors with SSE 4.2 it runs on the CRC instruction, three streams
// at a time, at several GB/s; elsewhere it uses tables.

#include "utils/chunkcut_export.h"

#include <cstddef>
#include <cstdint>

namespace kelvra {

// The CRC-32C of size bytes at data, continued from crc, the CRC of the
// bytes before them (0 for none): crc32c(crc32c(0, a), b) is the CRC of a
// followed by b.
CHUNKCUT_EXPORT std::uint32_t crc32c(std::uint32_t crc, const void *data, std::size_t size);

// The same computed with tables only, as on processors without the CRC
// instruction.
CHUNKCUT_EXPORT std::uint32_t crc32c_portable(std::uint32_t crc, const void *data, std::size_t size);

} // namespace kelvra
