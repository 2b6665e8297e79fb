#include "utils/crc32c.h"

#include <array>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define KELVRA_CRC32C_X86 1
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
std::uint32_t update_tables(std::uint32_t state, const unsigned char *data, std::size_t size)
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

#ifdef KELVRA_CRC32C_X86

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

// x^n modulo the polynomial. Multiplying a register by x^(8 k) runs it over
// k zero bytes.
std::uint32_t x_power(std::uint64_t n)
{
    std::uint32_t power = 1u << 30; // x^1
    std::uint32_t result = 1u << 31; // x^0
    for (; n != 0; n >>= 1) {
        if (n & 1)
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

__attribute__((target("sse4.2"))) std::uint32_t update_instruction(std::uint32_t state, const unsigned char *data,
                                                                   std::size_t size)
{
    static const std::uint32_t one_lane = x_power(8 * kLane);
    static const std::uint32_t two_lanes = x_power(16 * kLane);
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

// Folding: a 128-bit block of the message (its first byte's lowest bit the
// highest power of x) stands for the same remainder as the block moved on
// by d bits, times x^d. Split into its halves H (the higher powers) and L,
// it moves on as H x^(64 + d) + L x^d; the carry-less product of two
// reversed 64-bit halves comes out one power of x high, hence the
// constants x^(64 + d - 1) and x^(d - 1) modulo the polynomial, each in the
// upper half of its 64 bits.
struct FoldConstants
{
    long long high, low; // for the lower and the upper half of a block
};

FoldConstants fold_constants(std::uint64_t bits)
{
    return {static_cast<long long>(std::uint64_t(x_power(64 + bits - 1)) << 32),
            static_cast<long long>(std::uint64_t(x_power(bits - 1)) << 32)};
}

__m128i fold_constants_128(std::uint64_t bits)
{
    const FoldConstants constants = fold_constants(bits);
    return _mm_set_epi64x(constants.low, constants.high);
}

// The same constants for each of the four blocks of a 512-bit register.
__attribute__((target("avx512f"))) __m512i fold_constants_512(std::uint64_t bits)
{
    const FoldConstants constants = fold_constants(bits);
    return _mm512_set_epi64(constants.low, constants.high, constants.low, constants.high, constants.low,
                            constants.high, constants.low, constants.high);
}

#define KELVRA_FOLD_128(block, constants, next)                                                                 \
    _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(block, constants, 0x00),                                  \
                                _mm_clmulepi64_si128(block, constants, 0x11)),                                 \
                  next)
#define KELVRA_FOLD_512(block, constants, next)                                                                 \
    _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(block, constants, 0x00),                                \
                              _mm512_clmulepi64_epi128(block, constants, 0x11), next, 0x96)

// Four 512-bit registers fold 256 bytes a step, each moving on by 2048
// bits; at the end they fold into one, its four 128-bit blocks into one,
// and the CRC instruction reduces that block to the register of the whole.
__attribute__((target("avx512f,vpclmulqdq,pclmul,sse4.2"))) std::uint32_t
update_folding(std::uint32_t state, const unsigned char *data, std::size_t size)
{
    constexpr std::size_t kStep = 256;
    if (size < 4 * kStep)
        return update_instruction(state, data, size);
    static const __m512i by_2048 = fold_constants_512(2048);
    static const __m512i by_512 = fold_constants_512(512);
    static const __m128i by_128 = fold_constants_128(128);
    __m512i a = _mm512_loadu_si512(data), b = _mm512_loadu_si512(data + 64);
    __m512i c = _mm512_loadu_si512(data + 128), d = _mm512_loadu_si512(data + 192);
    // The register so far joins the message's next four bytes.
    a = _mm512_xor_si512(a, _mm512_zextsi128_si512(_mm_cvtsi32_si128(static_cast<int>(state))));
    for (data += kStep, size -= kStep; size >= kStep; data += kStep, size -= kStep) {
        a = KELVRA_FOLD_512(a, by_2048, _mm512_loadu_si512(data));
        b = KELVRA_FOLD_512(b, by_2048, _mm512_loadu_si512(data + 64));
        c = KELVRA_FOLD_512(c, by_2048, _mm512_loadu_si512(data + 128));
        d = KELVRA_FOLD_512(d, by_2048, _mm512_loadu_si512(data + 192));
    }
    b = KELVRA_FOLD_512(a, by_512, b);
    c = KELVRA_FOLD_512(b, by_512, c);
    d = KELVRA_FOLD_512(c, by_512, d);
    __m128i blocks[4];
    _mm512_storeu_si512(blocks, d);
    __m128i block = blocks[0];
    for (int i = 1; i < 4; ++i)
        block = KELVRA_FOLD_128(block, by_128, blocks[i]);
    std::uint64_t reduced = _mm_crc32_u64(0, static_cast<std::uint64_t>(_mm_cvtsi128_si64(block)));
    reduced = _mm_crc32_u64(reduced, static_cast<std::uint64_t>(_mm_extract_epi64(block, 1)));
    return lane(reduced, data, size);
}

#undef KELVRA_FOLD_128
#undef KELVRA_FOLD_512

#endif

using Update = std::uint32_t (*)(std::uint32_t, const unsigned char *, std::size_t);

Update update_of(Crc32cMethod method)
{
    switch (method) {
#ifdef KELVRA_CRC32C_X86
    case Crc32cMethod::Folding:
        return update_folding;
    case Crc32cMethod::Instruction:
        return update_instruction;
#else
    case Crc32cMethod::Folding:
    case Crc32cMethod::Instruction:
        break;
#endif
    case Crc32cMethod::Tables:
        break;
    }
    return update_tables;
}

Crc32cMethod fastest()
{
    for (const Crc32cMethod method : {Crc32cMethod::Folding, Crc32cMethod::Instruction}) {
        if (crc32c_available(method))
            return method;
    }
    return Crc32cMethod::Tables;
}

} // namespace

bool crc32c_available(Crc32cMethod method)
{
    switch (method) {
#ifdef KELVRA_CRC32C_X86
    case Crc32cMethod::Folding:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("vpclmulqdq")
            && __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.2");
    case Crc32cMethod::Instruction:
        return __builtin_cpu_supports("sse4.2");
#else
    case Crc32cMethod::Folding:
    case Crc32cMethod::Instruction:
        return false;
#endif
    case Crc32cMethod::Tables:
        return true;
    }
    return false;
}

std::uint32_t crc32c(Crc32cMethod method, std::uint32_t crc, const void *data, std::size_t size)
{
    return ~update_of(method)(~crc, static_cast<const unsigned char *>(data), size);
}

std::uint32_t crc32c(std::uint32_t crc, const void *data, std::size_t size)
{
    static const Update update = update_of(fastest());
    return ~update(~crc, static_cast<const unsigned char *>(data), size);
}

} // namespace kelvra
