#include "utils/crc32c.h"

#include <array>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <nmmintrin.h>
#define KELVRA_CRC32C_SSE42 1
#endif

namespace kelvra {
namespace {

// The Castagnoli polynomial, bits reversed: bit 31 stands for x^0.
constexpr std::uint32_t kPolynomial = 0x82F63B78u;

using Table = std::array<std::array<std::uint32_t, 256>, 8>;

// Slicing by eight: table k gives the CRC of a byte followed by k zeros.
constexpr Table make_tables()
{
    Table table{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ kPolynomial : crc >> 1;
        table[0][byte] = crc;
    }
    for (std::size_t k = 1; k < 8; ++k) {
        for (std::size_t byte = 0; byte < 256; ++byte)
            table[k][byte] = (table[k - 1][byte] >> 8) ^ table[0][table[k - 1][byte] & 0xff];
    }
    return table;
}

constexpr Table kTables = make_tables();

// The register after the bytes, from the register before them (no
// inversions: crc32c inverts on the way in and out).
std::uint32_t update_portable(std::uint32_t state, const unsigned char *data, std::size_t size)
{
    for (; size >= 8; size -= 8, data += 8) {
        const std::uint32_t low = (std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8
                                   | std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24)
                                ^ state;
        const std::uint32_t high = std::uint32_t(data[4]) | std::uint32_t(data[5]) << 8
                                 | std::uint32_t(data[6]) << 16 | std::uint32_t(data[7]) << 24;
        state = kTables[7][low & 0xff] ^ kTables[6][(low >> 8) & 0xff] ^ kTables[5][(low >> 16) & 0xff]
              ^ kTables[4][low >> 24] ^ kTables[3][high & 0xff] ^ kTables[2][(high >> 8) & 0xff]
              ^ kTables[1][(high >> 16) & 0xff] ^ kTables[0][high >> 24];
    }
    for (; size > 0; --size, ++data)
        state = (state >> 8) ^ kTables[0][(state ^ *data) & 0xff];
    return state;
}

#ifdef KELVRA_CRC32C_SSE42

// a times b modulo the polynomial, both in the reversed bit order.
std::uint32_t multiply(std::uint32_t a, std::uint32_t b)
{
    std::uint32_t product = 0;
    for (std::uint32_t mask = 1u << 31; mask != 0; mask >>= 1) {
        if (a & mask)
            product ^= b;
        b = b & 1 ? (b >> 1) ^ kPolynomial : b >> 1;
    }
    return product;
}

// x^(8 * bytes) modulo the polynomial: multiplying a register by it runs
// the register over that many zero bytes.
std::uint32_t zero_bytes_operator(std::uint64_t bytes)
{
    std::uint32_t power = 1u << 30; // x^1
    std::uint32_t result = 1u << 31; // x^0
    for (std::uint64_t bits = bytes * 8; bits != 0; bits >>= 1) {
        if (bits & 1)
            result = multiply(power, result);
        power = multiply(power, power);
    }
    return result;
}

// Bytes per stream: three streams run at once, as the instruction takes
// three cycles to finish but starts one every cycle.
constexpr std::size_t kLane = 16384;

__attribute__((target("sse4.2"))) std::uint32_t lane(std::uint64_t state, const unsigned char *data,
                                                     std::size_t size)
{
    for (; size >= 8; size -= 8, data += 8) {
        std::uint64_t word;
        std::memcpy(&word, data, 8);
        state = _mm_crc32_u64(state, word);
    }
    for (; size > 0; --size, ++data)
        state = _mm_crc32_u8(std::uint32_t(state), *data);
    return std::uint32_t(state);
}

__attribute__((target("sse4.2"))) std::uint32_t update_sse42(std::uint32_t state, const unsigned char *data,
                                                             std::size_t size)
{
    static const std::uint32_t one_lane = zero_bytes_operator(kLane);
    static const std::uint32_t two_lanes = zero_bytes_operator(2 * kLane);
    for (; size >= 3 * kLane; size -= 3 * kLane, data += 3 * kLane) {
        std::uint64_t a = state, b = 0, c = 0;
        const unsigned char *second = data + kLane;
        const unsigned char *third = data + 2 * kLane;
        for (std::size_t i = 0; i < kLane; i += 8) {
            std::uint64_t x, y, z;
            std::memcpy(&x, data + i, 8);
            std::memcpy(&y, second + i, 8);
            std::memcpy(&z, third + i, 8);
            a = _mm_crc32_u64(a, x);
            b = _mm_crc32_u64(b, y);
            c = _mm_crc32_u64(c, z);
        }
        // The three registers joined: the first runs over the other two
        // lanes' length in zeros, the second over one, then all add up.
        state = multiply(two_lanes, std::uint32_t(a)) ^ multiply(one_lane, std::uint32_t(b)) ^ std::uint32_t(c);
    }
    return lane(state, data, size);
}

#endif

} // namespace

std::uint32_t crc32c_portable(std::uint32_t crc, const void *data, std::size_t size)
{
    return ~update_portable(~crc, static_cast<const unsigned char *>(data), size);
}

std::uint32_t crc32c(std::uint32_t crc, const void *data, std::size_t size)
{
#ifdef KELVRA_CRC32C_SSE42
    static const bool instruction = __builtin_cpu_supports("sse4.2");
    if (instruction)
        return ~update_sse42(~crc, static_cast<const unsigned char *>(data), size);
#endif
    return crc32c_portable(crc, data, size);
}

} // namespace kelvra
