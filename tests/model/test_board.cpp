#include "model/board.h"
#include "model/palette.h"

#include <gtest/gtest.h>

using namespace sw;

TEST(MenuBoard, FreshBoardIsTwoColumnsOfSixteenEmptyStrips)
{
    MenuBoard board;
    EXPECT_EQ(board.NumberOfColumns, 2);
    EXPECT_EQ(board.NumberOfRows, 16);
    EXPECT_FALSE(board.WhitePrintBackground);
    EXPECT_TRUE(board.BackgroundFileName.isEmpty());
    for (int c = 0; c < MenuBoard::GridColumns; ++c)
        for (int r = 0; r < MenuBoard::GridRows; ++r) {
            const MenuStrip& s = board.strip(c, r);
            ASSERT_FALSE(IsStripInUse(s)) << c << "," << r;
            ASSERT_EQ(s.SubImageCropPercentageX, 0);
            ASSERT_EQ(s.SubImageCropPercentageY, 0);
            ASSERT_TRUE(s.SubImageFileName.isEmpty());
        }
}

TEST(MenuBoard, ResetAppliesKindSpecificBlockValuesAndKeepsCrop)
{
    MenuStrip s;
    s.SubItems.Xref = 0.9;
    s.Prices.GroupAlignment = AlignLeft;
    s.PriceTabSpacingFactor = 2.0;
    s.SubImageCropPercentageX = 80;
    s.SubImageCropOriginPercentageY = 7;
    s.SubImageBrightnessFactor = 40;
    s.MainItem.Text = "Burger";
    ResetStrip(s);
    EXPECT_DOUBLE_EQ(s.SubItems.Xref, 0.3);
    EXPECT_DOUBLE_EQ(s.SubItems.Yref, 0.4);
    EXPECT_DOUBLE_EQ(s.SubItems.ScaleFactor, 0.5);
    EXPECT_DOUBLE_EQ(s.Prices.Xref, 0.94);
    EXPECT_EQ(s.Prices.GroupAlignment, AlignRight);
    EXPECT_DOUBLE_EQ(s.PriceTabSpacingFactor, 8.0);
    EXPECT_DOUBLE_EQ(s.CaloriesSpacingFactor, 3.8);
    EXPECT_TRUE(s.MainItem.Text.isEmpty());
    EXPECT_EQ(s.SubImageCropPercentageX, 80);
    EXPECT_EQ(s.SubImageCropOriginPercentageY, 7);
    EXPECT_EQ(s.SubImageBrightnessFactor, 40);

    TextBlock b = s.SubItems;
    ResetTextBlock(b);
    EXPECT_DOUBLE_EQ(b.Xref, 0.0); // plain block defaults, not the kind's
    EXPECT_EQ(b.Font, "Arial");
    EXPECT_EQ(b.TextColor, WhiteColor);
    EXPECT_EQ(b.DropShadowColor, ClearColor);
}

struct InUseCase {
    const char* name;
    void (*apply)(MenuStrip&);
    bool inUse;
    bool hasText;
};

class StripInUse : public ::testing::TestWithParam<InUseCase> { };

TEST_P(StripInUse, Classifies)
{
    MenuStrip s;
    GetParam().apply(s);
    EXPECT_EQ(IsStripInUse(s), GetParam().inUse);
    EXPECT_EQ(StripHasText(s), GetParam().hasText);
}

INSTANTIATE_TEST_SUITE_P(
    Model, StripInUse,
    ::testing::Values(
        InUseCase{"Empty", [](MenuStrip&) { }, false, false},
        InUseCase{"FrameOnly", [](MenuStrip& s) { s.SubImageFrameIndex = 3; }, true, false},
        InUseCase{"ClearFill", [](MenuStrip& s) { s.BackGroundColor = 0x00010000; }, false, false},
        InUseCase{"BlackFill", [](MenuStrip& s) { s.BackGroundColor = 0; }, true, false},
        InUseCase{"PricesOnly", [](MenuStrip& s) { s.Prices.Text = "4.99"; }, true, true},
        InUseCase{"SubItemsOnly", [](MenuStrip& s) { s.SubItems.Text = "fries"; }, true, true},
        InUseCase{"PictureOnly", [](MenuStrip& s) { s.SubImageFileName = "/w/pie.jpg"; }, true, false},
        InUseCase{"FontOnly", [](MenuStrip& s) { s.MainItem.Font = "Impact"; }, false, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(MenuBoard, CopiesAreDeepAndEqualityIgnoresHiddenAndCrop)
{
    MenuBoard board;
    board.strip(1, 2).MainItem.Text = "Pie";
    MenuStrip copy;
    CopyStrip(copy, board.strip(1, 2));
    copy.MainItem.Text += " a la mode";
    EXPECT_EQ(board.strip(1, 2).MainItem.Text, "Pie");

    MenuBoard other = board;
    other.strip(1, 2).MainItem.Text = "Cake";
    EXPECT_EQ(board.strip(1, 2).MainItem.Text, "Pie");

    MenuStrip a, b;
    b.ImageHiddenOnWhite = true;
    b.SubImageCropPercentageX = 100;
    b.SubImageCropPercentageY = 50;
    EXPECT_TRUE(StripsEqual(a, b));
    b.SubImageCropOriginPercentageX = 1;
    EXPECT_FALSE(StripsEqual(a, b));
    MenuStrip c;
    c.Prices.Text = "1.99";
    MenuStrip d = c;
    d.Prices.Text = "1.990";
    EXPECT_FALSE(StripsEqual(c, d));
}

TEST(MenuBoard, GridIsNeverAddressedOutsideItsCells)
{
    MenuBoard board;
    board.NumberOfColumns = 50;
    board.NumberOfRows = -3;
    EXPECT_EQ(board.usedColumns(), 8);
    EXPECT_EQ(board.usedRows(), 0);
    board.NumberOfRows = 1000;
    EXPECT_EQ(board.usedRows(), 200);
    // Out-of-range references land on the edge cell instead of past the grid.
    EXPECT_EQ(&board.strip(9, 0), &board.strip(8, 0));
    EXPECT_EQ(&board.strip(0, 201), &board.strip(0, 200));
}

TEST(Palette, LooksUpByValueIndexAndName)
{
    EXPECT_EQ(PaletteIndexOf(Rgb(0, 0, 1)), 0);
    EXPECT_EQ(PaletteIndexOf(Rgb(0, 0, 0)), 1);
    EXPECT_EQ(PaletteIndexOf(Rgb(255, 255, 255)), 2);
    EXPECT_EQ(PaletteIndexOf(Rgb(1, 2, 3)), NotInPalette);
    EXPECT_EQ(PaletteName(41), "Mint");
    EXPECT_EQ(PaletteColor(11), Rgb(237, 110, 0));
    EXPECT_EQ(PaletteName(0), "Clear");
    EXPECT_EQ(PaletteColor(0), ClearColor);
}

TEST(Palette, MarkerColourFollowsBrightnessRule)
{
    for (int i = 0; i < PaletteSize; ++i) {
        const ColorRef v = PaletteColor(i);
        const bool black = i == 0 || RedOf(v) + GreenOf(v) + BlueOf(v) > 383;
        EXPECT_EQ(PaletteEntry(i).BlackMarker, black) << PaletteName(i).toStdString();
        EXPECT_EQ(PaletteEntry(i).Index, i);
    }
    EXPECT_TRUE(PaletteEntry(4).BlackMarker);  // Med Gray: 384
    EXPECT_FALSE(PaletteEntry(5).BlackMarker); // Dark Gray: 192
}
