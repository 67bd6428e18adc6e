#pragma once
#include <cstdint>

namespace sw {

// A colour as the layout documents store it: 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b)
{
    return ColorRef(r & 0xFF) | (ColorRef(g & 0xFF) << 8) | (ColorRef(b & 0xFF) << 16);
}
constexpr int RedOf(ColorRef c) { return int(c & 0xFF); }
constexpr int GreenOf(ColorRef c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef c) { return int((c >> 16) & 0xFF); }

// "Clear": red 0, green 0, blue 1 means no colour (no fill, no drop shadow).
constexpr ColorRef ClearColor = 0x00010000;
constexpr ColorRef WhiteColor = 0x00FFFFFF;
constexpr ColorRef YellowColor = 0x0000FFFF;

} // namespace sw
