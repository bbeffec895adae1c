// Coordinate arithmetic that wraps modulo 2^32 like the window system's signed 32-bit
// integers, without ever overflowing a signed type, and the conversion of a double to
// such a coordinate. A box edge far outside the screen must wrap, not trap or saturate.
#pragma once

#include <cmath>
#include <cstdint>

namespace wrap {

// The signed 32-bit value whose two's-complement form is `bits`.
constexpr std::int32_t FromBits(std::uint32_t bits) {
    return bits <= 0x7FFFFFFFu ? static_cast<std::int32_t>(bits)
                               : -static_cast<std::int32_t>(~bits) - 1;
}

constexpr std::uint32_t ToBits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

constexpr std::int32_t Add(std::int32_t a, std::int32_t b) {
    return FromBits(ToBits(a) + ToBits(b));
}
constexpr std::int32_t Sub(std::int32_t a, std::int32_t b) {
    return FromBits(ToBits(a) - ToBits(b));
}
constexpr std::int32_t Neg(std::int32_t a) { return FromBits(0u - ToBits(a)); }

// Truncates toward zero, then wraps into the signed 32-bit range. Doubles of magnitude
// 2^63 and beyond are integers, so reducing them modulo 2^32 first (exact in fmod) keeps
// the conversion to int64 in range. Non-finite values have no coordinate; they give 0.
inline std::int32_t TruncateToCoord(double value) {
    if (!(std::fabs(value) < 0x1p63)) {
        value = std::isfinite(value) ? std::fmod(value, 0x1p32) : 0.0;
    }
    const auto whole = static_cast<std::int64_t>(value);
    return FromBits(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

}  // namespace wrap
