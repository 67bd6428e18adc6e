#pragma once
// Composition draws every strip of the board onto the board image in three
// layers: colour boxes with the strips that carry pictures, then the strips
// without pictures over them, then "logo" pictures over everything. The same
// composer serves the preview, the TV image, the print image and the command line.
#include "model/board.h"
#include "platform/imaging.h"
#include "render/geometry.h"
#include "render/render_flags.h"

#include <functional>

namespace sw {

class FontCollector;
struct ClickProbe;

// Everything one composition reads besides the board and writes besides the image.
struct ComposeContext {
    RenderFlags flags;
    // The editor's colour, used to mark the selected price part.
    ColorRef CurrentColor = WhiteColor;
    // A layout of the earlier folder format was just opened: collect its fonts.
    bool LegacyLayoutOpened = false;
    ClickProbe* probe = nullptr;       // the editor's click probe, when armed
    FontCollector* fonts = nullptr;    // receives the families drawn in a save render
};

// Draws all strips of the used range onto graphics' image, in board pixels,
// with the boxes of the geometry's current grid. Draws nothing while the grid
// has not been computed. False when the image cannot be drawn on.
bool ComposeBoard(const MenuBoard& board, BoardGeometry& geometry, Graphics& graphics, const ComposeContext& context);

// Whether the strip's picture belongs on top of everything: its file name (the
// part after the last separator) holds "logo", "Logo" or "symbol".
bool IsTopLayerPicture(const MenuStrip& strip);

} // namespace sw
