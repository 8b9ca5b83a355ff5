#pragma once
#include <cstdint>

// A colour is 24-bit RGB with red in the low byte: red + green * 256 + blue * 65536.
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
    return Colour(red & 255) | Colour(green & 255) << 8 | Colour(blue & 255) << 16;
}
constexpr int RedOf(Colour c) { return int(c & 255); }
constexpr int GreenOf(Colour c) { return int(c >> 8 & 255); }
constexpr int BlueOf(Colour c) { return int(c >> 16 & 255); }
