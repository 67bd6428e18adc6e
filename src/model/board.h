#pragma once
// The in-memory layout: board-wide settings and a fixed 9 x 201 grid of strips.
#include "model/color.h"

#include <QString>
#include <array>
#include <memory>

namespace sw {

enum class TextBlockKind : int { MainItem = 0, SubItems = 1, Prices = 2 };

enum GroupAlignmentValue : int { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };

struct TextBlock {
    double Xref = 0.0;
    double Yref = 0.0;
    QString Font = QStringLiteral("Arial");
    double ScaleFactor = 1.0;
    bool Italics = false;
    bool Bold = false;
    bool CenterInStrip = false;
    int GroupAlignment = AlignLeft;
    ColorRef TextColor = WhiteColor;
    ColorRef DropShadowColor = ClearColor;
    QString Text;
    double LineSpacingFactor = 1.0;

    bool operator==(const TextBlock&) const = default;
};

// Sets a block to the text block defaults (not the kind-specific ones).
void ResetTextBlock(TextBlock& block);

struct MenuStrip {
    ColorRef BackGroundColor = ClearColor;
    ColorRef CaloriesTextColor = YellowColor;
    bool CaloriesItalics = false;
    QString SubImageFileName;
    int SubImageFrameIndex = 0;
    bool ImageHiddenOnWhite = false;
    int SubImageCropPercentageX = 0;
    int SubImageCropPercentageY = 0;
    int SubImageCropOriginPercentageX = 0;
    int SubImageCropOriginPercentageY = 0;
    int SubImageBrightnessFactor = 0;
    double XOffsetFactor = 0.0;
    double YOffsetFactor = 0.0;
    double XSizeFactor = 1.0;
    double YSizeFactor = 1.0;
    TextBlock MainItem;
    TextBlock SubItems;
    TextBlock Prices;
    double PriceTabSpacingFactor = 8.0;
    double CaloriesSpacingFactor = 3.8;

    MenuStrip();

    TextBlock& block(TextBlockKind kind);
    const TextBlock& block(TextBlockKind kind) const;

    bool operator==(const MenuStrip&) const = default;
};

// Strip defaults plus the kind-specific block values. The crop and brightness
// fields are kept as they are.
void ResetStrip(MenuStrip& strip);
bool IsStripInUse(const MenuStrip& strip);
bool StripHasText(const MenuStrip& strip);
// Every field equal except ImageHiddenOnWhite and the two crop percentages.
bool StripsEqual(const MenuStrip& a, const MenuStrip& b);
// Deep copy; QString is a value type, so no text is ever shared between strips.
inline void CopyStrip(MenuStrip& destination, const MenuStrip& source) { destination = source; }

struct StripRef {
    int Column = 0;
    int Row = 0;
    bool operator==(const StripRef&) const = default;
};

class MenuBoard {
public:
    static constexpr int GridColumns = 9;
    static constexpr int GridRows = 201;
    static constexpr int MinColumns = 1;
    static constexpr int MaxColumns = 8;
    static constexpr int MinRows = 4;
    static constexpr int MaxRows = 200;

    int NumberOfColumns = 2;
    int NumberOfRows = 16;
    bool WhitePrintBackground = false;
    QString BackgroundFileName;

    MenuBoard();
    MenuBoard(const MenuBoard& other);
    MenuBoard& operator=(const MenuBoard& other);

    // The caller guarantees column 0..8 and row 0..200; anything else is a
    // programming error and is clamped rather than allowed to run off the grid.
    MenuStrip& strip(StripRef ref);
    const MenuStrip& strip(StripRef ref) const;
    MenuStrip& strip(int column, int row) { return strip(StripRef{column, row}); }
    const MenuStrip& strip(int column, int row) const { return strip(StripRef{column, row}); }

    bool isInUsedRange(StripRef ref) const
    {
        return ref.Column >= 0 && ref.Row >= 0 && ref.Column < usedColumns() && ref.Row < usedRows();
    }
    // The counts limited to the grid; every loop over the used range uses these.
    int usedColumns() const;
    int usedRows() const;

    // Resets all 1809 cells (the editor resets its working strip itself).
    void resetStrips();

private:
    std::unique_ptr<std::array<MenuStrip, GridColumns * GridRows>> cells_;
};

} // namespace sw
