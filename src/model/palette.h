#pragma once
// The fixed palette of 42 named colours offered for texts, shadows and strip fills.
#include "model/color.h"

#include <QString>

namespace sw {

struct NamedColor {
    int Index;
    const char* Name;
    ColorRef Value;
    bool BlackMarker; // the selection marker drawn on this swatch is black (else white)
};

constexpr int PaletteSize = 42;
// The selection index of a colour that is not in the palette.
constexpr int NotInPalette = 42;
constexpr int PaletteColumns = 6;
constexpr int PaletteRows = 7;

const NamedColor& PaletteEntry(int index);
// Lowest index whose value equals `color` exactly; 42 when none does.
int PaletteIndexOf(ColorRef color);
QString PaletteName(int index);
ColorRef PaletteColor(int index);

} // namespace sw
