// The colour vocabulary of the program: 0x00BBGGRR values as stored in the
// settings and the report lines; 0x80000000 | index names a system colour
// that the screen side resolves through its palette.
#pragma once

#include <cstdint>

namespace orv {

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clNavy = 0x800000;

constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnText = clSystemColor | 18;

constexpr bool IsSystemColor(TColor c) { return (c & clSystemColor) != 0; }

constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

} // namespace orv
