#include "model/palette.h"

#include <array>

namespace sw {

namespace {
// Index, name, value, marker colour. The marker is black when the entry is
// "Clear" or its red + green + blue exceeds 383.
constexpr std::array<NamedColor, PaletteSize> kPalette{{
    {0, "Clear", Rgb(0, 0, 1), true},
    {1, "Black", Rgb(0, 0, 0), false},
    {2, "White", Rgb(255, 255, 255), true},
    {3, "Light Gray", Rgb(180, 180, 180), true},
    {4, "Med Gray", Rgb(128, 128, 128), true},
    {5, "Dark Gray", Rgb(64, 64, 64), false},
    {6, "Beige", Rgb(224, 214, 181), true},
    {7, "Pale Yellow", Rgb(255, 255, 205), true},
    {8, "Yellow", Rgb(255, 255, 0), true},
    {9, "Med Yellow", Rgb(255, 204, 0), true},
    {10, "Gold", Rgb(204, 153, 51), true},
    {11, "Orange", Rgb(237, 110, 0), false},
    {12, "Tan", Rgb(186, 158, 102), true},
    {13, "Copper", Rgb(171, 112, 57), false},
    {14, "Terra Cotta", Rgb(158, 82, 5), false},
    {15, "Light Brown", Rgb(125, 77, 56), false},
    {16, "Dark Brown", Rgb(79, 51, 36), false},
    {17, "Red Brown", Rgb(97, 48, 5), false},
    {18, "Warm Red", Rgb(245, 64, 41), false},
    {19, "Bright Red", Rgb(230, 13, 46), false},
    {20, "Ruby", Rgb(176, 28, 46), false},
    {21, "Brick Red", Rgb(158, 41, 43), false},
    {22, "Raspberry", Rgb(167, 3, 79), false},
    {23, "Burgundy", Rgb(122, 28, 61), false},
    {24, "Lime", Rgb(143, 212, 0), false},
    {25, "Apple", Rgb(79, 168, 0), false},
    {26, "Green", Rgb(0, 150, 69), false},
    {27, "Frog", Rgb(107, 143, 0), false},
    {28, "Olive", Rgb(125, 120, 5), false},
    {29, "Dark Green", Rgb(0, 115, 54), false},
    {30, "Ice Blue", Rgb(115, 181, 224), true},
    {31, "Periwinkle", Rgb(122, 171, 222), true},
    {32, "Electric Blue", Rgb(0, 110, 199), false},
    {33, "Cobalt", Rgb(0, 48, 130), false},
    {34, "Teal", Rgb(0, 105, 122), false},
    {35, "Jade", Rgb(0, 135, 125), false},
    {36, "Hot Pink", Rgb(232, 110, 173), true},
    {37, "Lite Purple", Rgb(181, 145, 214), true},
    {38, "Violet", Rgb(102, 0, 161), false},
    {39, "Lilac", Rgb(171, 69, 199), true},
    {40, "Plum", Rgb(111, 18, 107), false},
    {41, "Mint", Rgb(135, 222, 209), true},
}};
} // namespace

const NamedColor& PaletteEntry(int index)
{
    if (index < 0 || index >= PaletteSize)
        index = 0;
    return kPalette[std::size_t(index)];
}

int PaletteIndexOf(ColorRef color)
{
    for (const auto& entry : kPalette)
        if (entry.Value == color)
            return entry.Index;
    return NotInPalette;
}

QString PaletteName(int index) { return QString::fromLatin1(PaletteEntry(index).Name); }

ColorRef PaletteColor(int index) { return PaletteEntry(index).Value; }

} // namespace sw
