#include "render/geometry.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {
constexpr int kCells = MenuBoard::GridColumns * MenuBoard::GridRows;
}

FloatRect FloatRect::united(const FloatRect& other) const
{
    if (other.isEmpty())
        return *this;
    if (isEmpty())
        return other;
    const float l = std::min(X, other.X);
    const float t = std::min(Y, other.Y);
    const float r = std::max(right(), other.right());
    const float b = std::max(bottom(), other.bottom());
    return {l, t, r - l, b - t};
}

BoardGeometry::BoardGeometry()
    : stripRects_(kCells)
    , textRects_(kCells * 3)
    , pictureHitRects_(kCells)
    , priceColumnWidths_(kCells, 0)
{
}

int BoardGeometry::index(StripRef ref)
{
    // Same clamping as the strip grid: a stray reference must not run off the arrays.
    const int c = std::clamp(ref.Column, 0, MenuBoard::GridColumns - 1);
    const int r = std::clamp(ref.Row, 0, MenuBoard::GridRows - 1);
    return c * MenuBoard::GridRows + r;
}

QPoint BoardGeometry::windowToBoard(double x, double y) const
{
    const FloatRect& origin = StripRect({0, 0});
    if (PreviewScale <= 0.0)
        return {};
    return QPoint(int((x - double(origin.X)) / PreviewScale), int((y - double(origin.Y)) / PreviewScale));
}

EdgeRect PreviewArea(const EdgeRect& clientRect, const std::optional<EdgeRect>& mainEditBox)
{
    EdgeRect area = clientRect;
    if (mainEditBox) {
        area.top = mainEditBox->bottom + 24;
        area.left = mainEditBox->left;
        area.bottom -= 20;
    }
    return area;
}

void PlaceBoard(BoardGeometry& g, const EdgeRect& clientRect, const std::optional<EdgeRect>& mainEditBox,
                const BoardImageInfo& image)
{
    const EdgeRect area = PreviewArea(clientRect, mainEditBox);
    const std::uint32_t W = image.width;
    const std::uint32_t H = image.height;
    g.BoardImageSize[0] = W;
    g.BoardImageSize[1] = H;
    g.BoardDpi = int(image.dpiY);

    const int Aw = area.width();
    const int Ah = area.height();
    EdgeRect board = area;
    if (W == 0 || H == 0 || Aw <= 0 || Ah <= 0) {
        // An unreadable image or a window squeezed to nothing: nothing to show,
        // and the scale stays finite so later divisions cannot blow up.
        board.right = board.left;
        board.bottom = board.top;
        g.BoardRect = board;
        g.PreviewScale = 1.0;
        return;
    }
    if (W < std::uint32_t(Aw) && H < std::uint32_t(Ah)) {
        board.right = board.left + int(W);
        board.bottom = board.top + int(H);
    } else {
        const double ri = double(H) / double(W);
        const double ra = double(Ah) / double(Aw);
        if (ri > ra) {
            // Relatively taller: full height, flush left.
            board.right = area.right - (Aw - int(Ah / ri));
        } else {
            const int d = (Ah - int(Aw * ri)) >> 1;
            board.top = area.top + d;
            board.bottom = area.bottom - d;
        }
    }
    g.BoardRect = board;
    g.PreviewScale = double(board.width()) / double(W);
}

int ComputeStripGrid(BoardGeometry& g, const MenuBoard& board)
{
    for (int c = 0; c < MenuBoard::GridColumns; ++c)
        for (int r = 0; r < MenuBoard::GridRows; ++r)
            g.StripRect({c, r}) = FloatRect{};

    const int columns = board.usedColumns();
    const int rows = board.usedRows();
    if (columns <= 0 || rows <= 0)
        return 0;
    const double w = double(g.BoardRect.width()) / columns;
    const double h = double(g.BoardRect.height()) / rows;
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const float x = c == 0 ? float(g.BoardRect.left + 1.0) : g.StripRect({c - 1, r}).right();
            const float y = r == 0 ? float(g.BoardRect.top + 1.0) : g.StripRect({c, r - 1}).bottom();
            g.StripRect({c, r}) = FloatRect{x, y, float(w), float(h)};
        }
    }
    return columns * rows;
}

FloatRect PictureBoxWindow(const MenuStrip& strip, const FloatRect& cell)
{
    return {float(double(cell.X) + double(cell.Width) * strip.XOffsetFactor),
            float(double(cell.Y) + double(cell.Height) * strip.YOffsetFactor), float(double(cell.Width) * strip.XSizeFactor),
            float(double(cell.Height) * strip.YSizeFactor)};
}

FloatRect PictureBoxBoard(const BoardGeometry& g, const MenuStrip& strip, StripRef ref)
{
    const double s = g.PreviewScale;
    if (!(s > 0.0))
        return {};
    const FloatRect& cell = g.StripRect(ref);
    const double w = cell.Width;
    const double h = cell.Height;
    return {float((ref.Column * w + w * strip.XOffsetFactor) / s), float((ref.Row * h + h * strip.YOffsetFactor) / s),
            float((w * strip.XSizeFactor) / s), float((h * strip.YSizeFactor) / s)};
}

FloatRect PictureBoxBoard(const BoardGeometry& g, const MenuBoard& board, StripRef ref)
{
    return PictureBoxBoard(g, board.strip(ref), ref);
}

FloatRect BoardToWindow(const BoardGeometry& g, const FloatRect& r)
{
    const float s = float(g.PreviewScale);
    return {s * r.X + float(g.BoardRect.left), s * r.Y + float(g.BoardRect.top), s * r.Width, s * r.Height};
}

FloatRect TextGroupRect(const BoardGeometry& g, StripRef ref)
{
    FloatRect group;
    bool any = false;
    for (TextBlockKind kind : {TextBlockKind::MainItem, TextBlockKind::SubItems, TextBlockKind::Prices}) {
        const FloatRect& r = g.TextBlockRect(ref, kind);
        if (!(r.Width > 0.0f))
            continue;
        if (!any) {
            group = r;
            any = true;
        } else {
            const float l = std::min(group.X, r.X);
            const float t = std::min(group.Y, r.Y);
            const float rr = std::max(group.right(), r.right());
            const float b = std::max(group.bottom(), r.bottom());
            group = {l, t, rr - l, b - t};
        }
    }
    return group;
}

void ClearStripRects(BoardGeometry& g, StripRef ref)
{
    for (TextBlockKind kind : {TextBlockKind::MainItem, TextBlockKind::SubItems, TextBlockKind::Prices})
        g.TextBlockRect(ref, kind) = FloatRect{};
    g.PictureHitRect(ref) = FloatRect{};
}

void ClearStripRects(BoardGeometry& g)
{
    for (int c = 0; c < MenuBoard::GridColumns; ++c)
        for (int r = 0; r < MenuBoard::GridRows; ++r)
            ClearStripRects(g, {c, r});
}

} // namespace sw
