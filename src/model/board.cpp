#include "model/board.h"

#include <algorithm>

namespace sw {

void ResetTextBlock(TextBlock& block) { block = TextBlock{}; }

MenuStrip::MenuStrip()
{
    // A newly built strip carries the kind-specific block values too.
    SubItems.Xref = 0.3;
    SubItems.Yref = 0.4;
    SubItems.ScaleFactor = 0.5;
    Prices.Xref = 0.94;
    Prices.GroupAlignment = AlignRight;
}

TextBlock& MenuStrip::block(TextBlockKind kind)
{
    switch (kind) {
    case TextBlockKind::SubItems:
        return SubItems;
    case TextBlockKind::Prices:
        return Prices;
    case TextBlockKind::MainItem:
        break;
    }
    return MainItem;
}

const TextBlock& MenuStrip::block(TextBlockKind kind) const
{
    return const_cast<MenuStrip*>(this)->block(kind);
}

void ResetStrip(MenuStrip& strip)
{
    const int cropX = strip.SubImageCropPercentageX;
    const int cropY = strip.SubImageCropPercentageY;
    const int originX = strip.SubImageCropOriginPercentageX;
    const int originY = strip.SubImageCropOriginPercentageY;
    const int brightness = strip.SubImageBrightnessFactor;
    strip = MenuStrip{};
    strip.SubImageCropPercentageX = cropX;
    strip.SubImageCropPercentageY = cropY;
    strip.SubImageCropOriginPercentageX = originX;
    strip.SubImageCropOriginPercentageY = originY;
    strip.SubImageBrightnessFactor = brightness;
}

bool IsStripInUse(const MenuStrip& s)
{
    return !s.MainItem.Text.isEmpty() || s.SubImageFrameIndex != 0 || !s.SubItems.Text.isEmpty()
        || !s.Prices.Text.isEmpty() || !s.SubImageFileName.isEmpty() || s.BackGroundColor != ClearColor;
}

bool StripHasText(const MenuStrip& s)
{
    return !s.MainItem.Text.isEmpty() || !s.SubItems.Text.isEmpty() || !s.Prices.Text.isEmpty();
}

bool StripsEqual(const MenuStrip& a, const MenuStrip& b)
{
    MenuStrip x = a;
    MenuStrip y = b;
    x.ImageHiddenOnWhite = y.ImageHiddenOnWhite;
    x.SubImageCropPercentageX = y.SubImageCropPercentageX;
    x.SubImageCropPercentageY = y.SubImageCropPercentageY;
    return x == y;
}

MenuBoard::MenuBoard()
    : cells_(std::make_unique<std::array<MenuStrip, GridColumns * GridRows>>())
{
    resetStrips();
}

MenuBoard::MenuBoard(const MenuBoard& other)
    : NumberOfColumns(other.NumberOfColumns)
    , NumberOfRows(other.NumberOfRows)
    , WhitePrintBackground(other.WhitePrintBackground)
    , BackgroundFileName(other.BackgroundFileName)
    , cells_(std::make_unique<std::array<MenuStrip, GridColumns * GridRows>>(*other.cells_))
{
}

MenuBoard& MenuBoard::operator=(const MenuBoard& other)
{
    if (this != &other) {
        NumberOfColumns = other.NumberOfColumns;
        NumberOfRows = other.NumberOfRows;
        WhitePrintBackground = other.WhitePrintBackground;
        BackgroundFileName = other.BackgroundFileName;
        *cells_ = *other.cells_;
    }
    return *this;
}

MenuStrip& MenuBoard::strip(StripRef ref)
{
    const int c = std::clamp(ref.Column, 0, GridColumns - 1);
    const int r = std::clamp(ref.Row, 0, GridRows - 1);
    return (*cells_)[std::size_t(c * GridRows + r)];
}

const MenuStrip& MenuBoard::strip(StripRef ref) const { return const_cast<MenuBoard*>(this)->strip(ref); }

int MenuBoard::usedColumns() const { return std::clamp(NumberOfColumns, 0, GridColumns - 1); }
int MenuBoard::usedRows() const { return std::clamp(NumberOfRows, 0, GridRows - 1); }

void MenuBoard::resetStrips()
{
    for (auto& s : *cells_)
        ResetStrip(s);
}

} // namespace sw
