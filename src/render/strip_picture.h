#pragma once
// A strip's box holds either its background colour or its picture, optionally
// framed. The colour pass fills and frames the box and records where it went;
// the picture itself is drawn during the strip's content pass, when the text
// painter reaches the first block it draws.
#include "model/board.h"
#include "platform/imaging.h"
#include "render/geometry.h"
#include "render/render_flags.h"

#include <QColor>
#include <QString>

namespace sw {

enum class PictureKind { Jpg, Png, Gif };

// From the file name, case-sensitively: ".jpg" (not at the very start), else
// ".png", else ".gif"; anything else counts as a JPEG.
PictureKind PictureKindOf(const QString& fileName);

// The frame a strip's box gets on a board of the given size.
struct FrameStyle {
    bool drawn = false;
    QColor color;
    float width = 0.0f;
};
FrameStyle FrameStyleFor(const MenuStrip& strip, std::uint32_t boardWidth, std::uint32_t boardHeight,
                         bool whitePrint);

// The captions of the frame list, by SubImageFrameIndex.
inline constexpr int kFrameStyleCount = 10;
extern const char* const kFrameStyleCaptions[kFrameStyleCount];

// The file the picture is read from: its proxy while proxies are in use and
// the proxy exists, else the file itself (found case-insensitively in its
// folder when the exact name is missing, as packages made on Windows differ).
QString PictureFileToLoad(const QString& subImageFileName, bool pictureProxiesInUse);

// The strip's colour pass: records PictureHitRect, fills the box with the
// strip's colour when it has no picture, and frames it. box is in board pixels.
void DrawStripColorPass(BoardGeometry& g, const MenuStrip& strip, StripRef ref, const FloatRect& box,
                        Graphics& graphics, const RenderFlags& flags);

// The strip's picture with its crop and brightness, stretched to the box, then
// its frame. A picture that cannot be read or cropped is left out; the frame is
// still drawn.
void DrawStripPicture(const BoardGeometry& g, const MenuStrip& strip, const FloatRect& box, Graphics& graphics,
                      const RenderFlags& flags);

// Frames the rectangle in the strip's style; true when the strip has a frame
// index above 0 (even where the white print draws nothing).
bool DrawPictureFrame(const BoardGeometry& g, const MenuStrip& strip, const FloatRect& rect, Graphics& graphics,
                      const RenderFlags& flags);

// Scales red, green and blue of every visible pixel by brightness / 255 + 1 and
// makes them opaque; white pixels of PNG and GIF pictures stay white.
void AdjustBrightness(PictureKind kind, Bitmap& bitmap, int brightness);

} // namespace sw
