#include "editor/strip_fit.h"

#include <array>

namespace sw {

namespace {

constexpr std::array<TextBlockKind, 3> kKinds{TextBlockKind::MainItem, TextBlockKind::SubItems, TextBlockKind::Prices};

bool OnlyPricesHaveText(const MenuStrip& s)
{
    return s.MainItem.Text.isEmpty() && s.SubItems.Text.isEmpty() && !s.Prices.Text.isEmpty();
}

bool AnyCentered(const MenuStrip& s)
{
    return s.MainItem.CenterInStrip || s.SubItems.CenterInStrip || s.Prices.CenterInStrip;
}

// The cell takes the strip's content and the source cell is emptied.
void MoveContent(MenuBoard& board, BoardGeometry& geometry, StripRef from, StripRef to, const MenuStrip& content)
{
    CopyStrip(board.strip(to), content);
    ResetStrip(board.strip(from));
    ClearStripRects(geometry, from);
}

} // namespace

bool IsFittingStrip(const MenuStrip& s)
{
    return s.BackGroundColor == ClearColor && s.SubImageFileName.isEmpty() && s.SubImageFrameIndex == 0;
}

void FitEmptyStripToTextVertical(MenuBoard& board, BoardGeometry& geometry, StripRef ref)
{
    MenuStrip& s = board.strip(ref);
    if (!IsFittingStrip(s))
        return;
    const FloatRect u = TextGroupRect(geometry, ref);
    const FloatRect cell = geometry.StripRect(ref);
    if (u.isEmpty() || cell.Height <= 0.0f)
        return;
    s.YSizeFactor = double(u.Height / cell.Height);
    const double d = double((u.Y - cell.Y) / cell.Height);
    s.YOffsetFactor += d;
    for (TextBlockKind k : kKinds)
        if (!s.block(k).Text.isEmpty())
            s.block(k).Yref -= d;
}

void FitEmptyStripToTextHorizontal(MenuBoard& board, BoardGeometry& geometry, StripRef ref)
{
    MenuStrip& s = board.strip(ref);
    for (TextBlockKind k : kKinds)
        if (s.block(k).Text.isEmpty())
            ResetTextBlock(s.block(k));
    if (!IsFittingStrip(s) || AnyCentered(s))
        return;
    FloatRect u = TextGroupRect(geometry, ref);
    const FloatRect cell = geometry.StripRect(ref);
    if (u.isEmpty() || cell.Width <= 0.0f)
        return;

    if (OnlyPricesHaveText(s)) {
        // A lone price drawn a whole column to the right belongs to that column.
        StripRef at = ref;
        MenuStrip moving = s;
        bool moved = false;
        while (at.Column + 1 < board.usedColumns()
               && u.X >= geometry.StripRect(at).X + cell.Width
               && !IsStripInUse(board.strip(StripRef{at.Column + 1, at.Row}))) {
            const StripRef next{at.Column + 1, at.Row};
            const double oldOffset = moving.XOffsetFactor;
            moving.XOffsetFactor = 0.0;
            moving.XSizeFactor -= 1.0;
            moving.Prices.Xref -= 1.0 - oldOffset;
            CopyStrip(board.strip(next), moving);
            ResetStrip(board.strip(at));
            ClearStripRects(geometry, at);
            at = next;
            moved = true;
        }
        if (moved)
            return; // the cell it started on is empty now: nothing left to fit there
        const float right = u.right();
        u.X = cell.X;
        u.Width = right - cell.X;
    }
    const double oldOffset = s.XOffsetFactor;
    s.XSizeFactor = double(u.Width / cell.Width) + 0.007;
    s.XOffsetFactor = double((u.X - cell.X) / cell.Width);
    for (TextBlockKind k : kKinds)
        if (!s.block(k).Text.isEmpty())
            s.block(k).Xref -= s.XOffsetFactor - oldOffset;
}

StripRef RelocateOverflowingStrip(MenuBoard& board, BoardGeometry& geometry, StripRef ref)
{
    const int columns = board.usedColumns();
    const int rows = board.usedRows();
    if (!board.isInUsedRange(ref))
        return ref;
    MenuStrip m = board.strip(ref);
    // The strip's own cell counts as taken, so content is never copied onto itself.
    auto taken = [&](StripRef at) { return at == ref || IsStripInUse(board.strip(at)); };

    const int n = int(m.YOffsetFactor);
    if (n != 0) {
        int row = ref.Row + n;
        if (row < 0 || row >= rows)
            return ref;
        while (row < rows && taken(StripRef{ref.Column, row}))
            ++row;
        if (row >= rows)
            return ref;
        const StripRef to{ref.Column, row};
        m.YOffsetFactor -= double(row - ref.Row);
        MoveContent(board, geometry, ref, to, m);
        return to;
    }

    int units = 0;
    while (m.XOffsetFactor >= 0.998) {
        m.XOffsetFactor -= 1.0;
        ++units;
    }
    while (m.XOffsetFactor <= -0.998) {
        m.XOffsetFactor += 1.0;
        --units;
    }
    StripRef target = ref;
    if (units != 0) {
        target.Column = ref.Column + units;
        if (target.Column < 0 || target.Column >= columns)
            return ref; // the strip keeps its offsets: no cell can take it
        while (target.Column < columns && taken(target)) {
            ++target.Column;
            m.XOffsetFactor -= 1.0;
        }
        if (target.Column >= columns)
            return ref;
    }
    while (m.XOffsetFactor < 0.0 && target.Column > 0) {
        m.XOffsetFactor += 1.0;
        --target.Column;
        while (target.Row < rows && taken(target)) {
            ++target.Row;
            m.YOffsetFactor -= 1.0;
        }
        if (target.Row >= rows)
            return ref;
    }
    if (target == ref)
        return ref;
    MoveContent(board, geometry, ref, target, m);
    return target;
}

} // namespace sw
