#pragma once

// CRC-32C (Castagnoli), the checksum that guards each stored chunk against
// damage: it finds every error of up to 32 neighbouring bits, so a flipped
// byte never goes unnoticed. It is the CRC that iSCSI, ext4 and Btrfs use;
// Python's `crc32c` package and `google_crc32c` compute the same numbers:
//
//     crc32c(0, "123456789", 9) == 0xE3069283
//
// It runs at memory speed where the processor allows: folding 256 bytes at
// a time with carry-less multiplication on processors with VPCLMULQDQ and
// AVX-512, three streams of the CRC instruction on those with SSE 4.2, and
// tables elsewhere.

#include "utils/chunkcut_export.h"

#include <cstddef>
#include <cstdint>

namespace kelvra {

// The CRC-32C of size bytes at data, continued from crc, the CRC of the
// bytes before them (0 for none): crc32c(crc32c(0, a), b) is the CRC of a
// followed by b. Uses the fastest method the processor has.
CHUNKCUT_EXPORT std::uint32_t crc32c(std::uint32_t crc, const void *data, std::size_t size);

// The ways of computing it. All give the same CRC; tests compare them.
enum class Crc32cMethod { Folding, Instruction, Tables };

// Whether the processor has what the method needs.
CHUNKCUT_EXPORT bool crc32c_available(Crc32cMethod method);

// The CRC computed by that method, which must be available.
CHUNKCUT_EXPORT std::uint32_t crc32c(Crc32cMethod method, std::uint32_t crc, const void *data, std::size_t size);

} // namespace kelvra
