// The shared value types of client-area geometry: rectangles, points and colours.
// They carry the window system's own layout so that they pass unchanged between
// stamp planning, the canvas handlers and the platform layer.
#pragma once

#include <cstdint>

// A rectangle in client coordinates; a client rectangle has left = top = 0.
struct RECT {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const RECT& a, const RECT& b) { return !(a == b); }

// A point in client coordinates (pointer positions, text origins).
struct POINT {
    std::int32_t x;
    std::int32_t y;
};

// 0x00BBGGRR: red in bits 0-7, green in 8-15, blue in 16-23, the top byte zero.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<COLORREF>(red) | static_cast<COLORREF>(green) << 8 |
           static_cast<COLORREF>(blue) << 16;
}
constexpr std::uint8_t GetRValue(COLORREF c) { return static_cast<std::uint8_t>(c & 0xFFu); }
constexpr std::uint8_t GetGValue(COLORREF c) { return static_cast<std::uint8_t>((c >> 8) & 0xFFu); }
constexpr std::uint8_t GetBValue(COLORREF c) { return static_cast<std::uint8_t>((c >> 16) & 0xFFu); }

constexpr COLORREF kWhite = 0x00FFFFFFu;
