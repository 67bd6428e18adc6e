#pragma once
// Where the board sits in the editor window and where every strip, picture box
// and drawn text lies, in window pixels and in board pixels (the background
// image's own pixel grid). One BoardGeometry lives beside the MenuBoard; the
// composer and the text painter record what they drew into it and the editor's
// hit tests read it back.
#include "model/board.h"

#include <QPoint>
#include <QRectF>
#include <cstdint>
#include <optional>
#include <vector>

namespace sw {

// A rectangle of 32-bit floats. All zero is "empty" and contains no point; the
// arithmetic of the layouts was tuned against float rounding, so it stays float.
struct FloatRect {
    float X = 0.0f;
    float Y = 0.0f;
    float Width = 0.0f;
    float Height = 0.0f;

    bool isEmpty() const { return X == 0.0f && Y == 0.0f && Width == 0.0f && Height == 0.0f; }
    bool Contains(double x, double y) const
    {
        return double(X) <= x && x < double(X + Width) && double(Y) <= y && y < double(Y + Height);
    }
    float right() const { return X + Width; }
    float bottom() const { return Y + Height; }
    // The smallest rectangle holding both; an empty operand is ignored.
    FloatRect united(const FloatRect& other) const;
    QRectF toQRectF() const { return QRectF(X, Y, Width, Height); }
    static FloatRect fromQRectF(const QRectF& r)
    {
        return {float(r.x()), float(r.y()), float(r.width()), float(r.height())};
    }
    bool operator==(const FloatRect&) const = default;
};

// Window rectangles are kept as edges, the way the window system hands them out.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const EdgeRect&) const = default;
};

// What PlaceBoard needs to know of the board image.
struct BoardImageInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    double dpiY = 96.0;
};

class BoardGeometry {
public:
    BoardGeometry();

    EdgeRect BoardRect;              // the board on the preview, window pixels
    double PreviewScale = 1.0;       // window pixels per board pixel
    std::uint32_t BoardImageSize[2] = {0, 0};
    int BoardDpi = 96;
    FloatRect PreviewImageRect;      // where the composed image was last drawn

    FloatRect& StripRect(StripRef ref) { return stripRects_[index(ref)]; }
    const FloatRect& StripRect(StripRef ref) const { return stripRects_[index(ref)]; }
    FloatRect& TextBlockRect(StripRef ref, TextBlockKind kind) { return textRects_[index(ref) * 3 + int(kind)]; }
    const FloatRect& TextBlockRect(StripRef ref, TextBlockKind kind) const
    {
        return textRects_[index(ref) * 3 + int(kind)];
    }
    FloatRect& PictureHitRect(StripRef ref) { return pictureHitRects_[index(ref)]; }
    const FloatRect& PictureHitRect(StripRef ref) const { return pictureHitRects_[index(ref)]; }
    std::int32_t& PriceColumnWidth(StripRef ref) { return priceColumnWidths_[index(ref)]; }
    std::int32_t PriceColumnWidth(StripRef ref) const { return priceColumnWidths_[index(ref)]; }

    // Composition waits for the first grid computation.
    bool gridComputed() const { return StripRect({0, 0}).X > 0.0f; }

    // Window pixels -> board pixels with the preview's origin at StripRect(0, 0),
    // truncated to integers like the click handlers expect.
    QPoint windowToBoard(double x, double y) const;

private:
    static int index(StripRef ref);

    std::vector<FloatRect> stripRects_;
    std::vector<FloatRect> textRects_;
    std::vector<FloatRect> pictureHitRects_;
    std::vector<std::int32_t> priceColumnWidths_;
};

// Fits the board image into the preview area of the client rectangle (below the
// main-item edit box when that exists); sets BoardRect, PreviewScale,
// BoardImageSize and BoardDpi.
void PlaceBoard(BoardGeometry& g, const EdgeRect& clientRect, const std::optional<EdgeRect>& mainEditBox,
                const BoardImageInfo& image);

// The preview area PlaceBoard fits the board into.
EdgeRect PreviewArea(const EdgeRect& clientRect, const std::optional<EdgeRect>& mainEditBox);

// Recomputes every StripRect from BoardRect and the board's counts; cells
// outside the used range end up empty. Returns the number of cells computed.
int ComputeStripGrid(BoardGeometry& g, const MenuBoard& board);

// The strip's picture box in window pixels, from its cell.
FloatRect PictureBoxWindow(const MenuStrip& strip, const FloatRect& stripRect);

// The strip's picture box in board pixels; the area of its colour fill,
// picture and texts during composition.
FloatRect PictureBoxBoard(const BoardGeometry& g, const MenuStrip& strip, StripRef ref);
FloatRect PictureBoxBoard(const BoardGeometry& g, const MenuBoard& board, StripRef ref);

// A rectangle in board pixels as it shows on the preview.
FloatRect BoardToWindow(const BoardGeometry& g, const FloatRect& boardRect);

// Union of the strip's drawn text blocks of positive width; empty when none.
FloatRect TextGroupRect(const BoardGeometry& g, StripRef ref);

// Forgets what drawing recorded for one strip, or for every cell.
void ClearStripRects(BoardGeometry& g, StripRef ref);
void ClearStripRects(BoardGeometry& g);

} // namespace sw
