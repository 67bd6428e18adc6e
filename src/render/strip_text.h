#pragma once
// Draws the three text blocks of a strip onto the board image, in board
// pixels: placement, alignment, colours, drop shadows, and the price columns
// and calorie parts of the prices block. While drawing it records where each
// block went (TextBlockRect, window pixels), answers the editor's click probe
// on price parts and, in a save render, names the fonts it draws with.
#include "model/board.h"
#include "platform/imaging.h"
#include "render/compose.h"
#include "render/geometry.h"

#include <QColor>
#include <functional>

namespace sw {

struct ClickProbe;

// The content pass of one strip, called by ComposeBoard:
//  - box is the strip's picture box in board pixels (PictureBoxBoard);
//  - geometry gives PreviewScale, BoardRect, BoardDpi and the StripRects, and
//    receives TextBlockRect(ref, block) and PriceColumnWidth(ref);
//  - context gives the render flags (WhitePrint, SaveRenderActive), the
//    editor's CurrentColor, LegacyLayoutOpened, the probe and the collector;
//  - drawPicture, when set, is called once, at the first block that is not
//    skipped, so the picture lies under the texts (strips with no picture
//    may pass an empty function).
void DrawStripTexts(const MenuBoard& board, StripRef ref, const FloatRect& box, BoardGeometry& geometry,
                    Graphics& graphics, const ComposeContext& context,
                    const std::function<void()>& drawPicture = {});

// Everything DrawPricesLine needs besides the line itself.
struct PricesLineParams {
    bool shadowMode = false;
    double shadowOffset = 0.0;     // o: shadows are drawn this far right
    int groupAlignment = AlignRight;
    RectF layout;                  // R: measuring rectangle; its Y and height bound the result
    double anchor = 0.0;           // A: where the rightmost cell is placed
    double columnPitch = 0.0;      // T
    double calorieSpacing = 0.0;   // K
    const Font* blockFont = nullptr;
    const Font* calorieFont = nullptr; // none when the line has no calorie marker
    StringFormat format;
    QColor brush;                  // normal parts (or the shadow colour)
    ColorRef calorieColor = 0;
    bool caloriesItalics = false;
    // Selection boxes: the pen of normal parts is CurrentColor, black in the
    // white print format, where calorie parts turn dark grey.
    bool whitePrint = false;
    ColorRef currentColor = WhiteColor;
    ClickProbe* probe = nullptr;
    StripRef strip{-1, -1};
};

// One prices line, consumed cell by cell from the right; each cell's parts are
// placed around the anchor, which then moves left one column pitch. Returns
// the horizontal extent of the drawn parts over R's Y and height, or the empty
// rectangle when nothing was drawn (and in shadow mode, which records nothing).
RectF DrawPricesLine(const QString& line, const PricesLineParams& params, Graphics& graphics);

// Colours are drawn opaque: red in the low byte of the COLORREF.
inline QColor OpaqueColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c), 255); }

} // namespace sw
