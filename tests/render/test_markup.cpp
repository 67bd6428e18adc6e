// The prices markup and the block metrics the painter and the editor share.
#include "render/markup.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

struct LinesCase {
    const char* text;
    QStringList lines;
};

class SplitLinesTable : public ::testing::TestWithParam<LinesCase> { };

TEST_P(SplitLinesTable, CutsAtCrAndSkipsTheLf)
{
    EXPECT_EQ(SplitLines(QString::fromLatin1(GetParam().text)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Markup, SplitLinesTable,
                         ::testing::Values(LinesCase{"", {}}, LinesCase{"A", {"A"}},
                                           LinesCase{"A\r\nB\r\nC", {"A", "B", "C"}},
                                           LinesCase{"A\r\n", {"A"}}, LinesCase{"\r\nx", {"", "x"}}));

TEST(Markup, PricesKeepFurtherBreaksInLineTwo)
{
    const PricesLines three = SplitPricesLines("A\r\nB\r\nC");
    EXPECT_EQ(three.line1, "A");
    EXPECT_EQ(three.line2, "B\r\nC");
    const PricesLines one = SplitPricesLines("4.99");
    EXPECT_EQ(one.line1, "4.99");
    EXPECT_TRUE(one.line2.isEmpty());
}

TEST(Markup, CellsComeFromTheRightAndRepeatedTabsMakeNoExtraCell)
{
    EXPECT_EQ(SplitCellsFromRight("x^y^z"), (QStringList{"z", "y", "x"}));
    EXPECT_EQ(SplitCellsFromRight("9.99^^4.99"), (QStringList{"4.99", "9.99"}));
    EXPECT_EQ(SplitCellsFromRight("4.99^"), (QStringList{"", "4.99"}));
    EXPECT_EQ(SplitCellsFromRight("^4.99"), (QStringList{"4.99"}));
    EXPECT_TRUE(SplitCellsFromRight("").isEmpty());
}

struct PartsCase {
    const char* cell;
    const char* left;
    const char* right;
    CalorieSide side;
};

class CaloriePartsTable : public ::testing::TestWithParam<PartsCase> { };

TEST_P(CaloriePartsTable, MarkerPointsAtTheCaloriePart)
{
    const PartsCase c = GetParam();
    const CalorieParts p = SplitCalorieParts(QString::fromLatin1(c.cell));
    EXPECT_EQ(p.left, QString::fromLatin1(c.left));
    EXPECT_EQ(p.right, QString::fromLatin1(c.right));
    EXPECT_EQ(p.calorieSide, c.side);
}

INSTANTIATE_TEST_SUITE_P(Markup, CaloriePartsTable,
                         ::testing::Values(PartsCase{"250 Cal<4.99", "250 Cal", "4.99", CalorieSide::Left},
                                           PartsCase{"4.99>250 Cal", "4.99", "250 Cal", CalorieSide::Right},
                                           PartsCase{"<250 Cal>4.99", "250 Cal", "4.99", CalorieSide::Right},
                                           PartsCase{"<4.99", "", "4.99", CalorieSide::Left},
                                           PartsCase{"4.99", "", "4.99", CalorieSide::Left}));

TEST(Markup, TextSizeFollowsTheStripHeightNotTheResolution)
{
    MenuStrip strip;
    // A 1080-pixel board of 16 rows: strips 67.5 pixels high.
    for (const auto& [dpi, boxHeight, ySize] : {std::tuple{96, 67.5f, 1.0}, std::tuple{300, 33.75f, 0.5}}) {
        strip.YSizeFactor = ySize;
        BlockMetrics m;
        ComputeSizeMetrics(m, strip, strip.MainItem, RectF{0, 0, 960, boxHeight}, dpi);
        EXPECT_DOUBLE_EQ(m.StripHeight, 67.5);
        EXPECT_NEAR(m.EmSize * dpi / 72.0, 49.68, 1e-9);
        EXPECT_NEAR(m.LinePitch, 56.6352, 1e-9);
    }
    BlockMetrics at96;
    ComputeSizeMetrics(at96, MenuStrip{}, MenuStrip{}.MainItem, RectF{0, 0, 960, 67.5f}, 96);
    EXPECT_NEAR(at96.EmSize, 37.26, 1e-9);
    // No resolution known: sized as at 96 dpi instead of dividing by zero.
    BlockMetrics noDpi;
    ComputeSizeMetrics(noDpi, MenuStrip{}, MenuStrip{}.MainItem, RectF{0, 0, 960, 67.5f}, 0);
    EXPECT_DOUBLE_EQ(noDpi.EmSize, at96.EmSize);
}

TEST(Markup, CalorieFontAddsOrDropsItalicAndKeepsBold)
{
    TextBlock block;
    block.Font = "DejaVu Sans";
    block.Bold = true;
    block.Italics = true;
    EXPECT_EQ(BlockFont(block, 10).Style(), FontStyleBoldItalic);
    EXPECT_EQ(CalorieFont(block, 10, false).Style(), FontStyleBold);
    block.Italics = false;
    EXPECT_EQ(CalorieFont(block, 10, true).Style(), FontStyleBoldItalic);
    EXPECT_EQ(BlockStringFormat(AlignLeft).Alignment, StringAlignment::Near);
    EXPECT_EQ(BlockStringFormat(AlignCenter).Alignment, StringAlignment::Center);
    EXPECT_EQ(BlockStringFormat(7).Alignment, StringAlignment::Far);
    EXPECT_EQ(BlockStringFormat(AlignRight).Flags, 0x1800u);
}

class BlockWidths : public ::testing::Test {
protected:
    BlockWidths() : image(10, 10), graphics(image)
    {
        strip.Prices.Font = strip.MainItem.Font = "DejaVu Sans";
    }
    BlockMetrics prices(const QString& text, int alignment)
    {
        strip.Prices.Text = text;
        strip.Prices.GroupAlignment = alignment;
        return ComputeBlockMetrics(strip, TextBlockKind::Prices, box, 96, graphics);
    }
    double width(const QString& s)
    {
        const BlockMetrics m = ComputeBlockMetrics(strip, TextBlockKind::MainItem, box, 96, graphics);
        return graphics.MeasureString(s, BlockFont(strip.Prices, float(m.EmSize)), box, StringFormat{}).Width;
    }

    MenuStrip strip;
    RectF box{0, 0, 960, 67.5f};
    Bitmap image;
    Graphics graphics;
};

TEST_F(BlockWidths, DigitWidthColumnPitchAndCalorieSpacing)
{
    const BlockMetrics m = prices("4.99", AlignRight);
    EXPECT_NEAR(m.DigitWidth, width(QString(20, '0')) / 20.0, 1e-4);
    EXPECT_DOUBLE_EQ(m.ColumnPitch, 8.0 * m.DigitWidth);
    EXPECT_EQ(m.PriceColumnWidth, int(8.0 * m.DigitWidth));
    EXPECT_DOUBLE_EQ(m.CalorieSpacing, 3.8 * m.DigitWidth);
    EXPECT_FALSE(m.HasTabMarker);
    EXPECT_EQ(m.BlockWidth, int(width("4.99")));
}

TEST_F(BlockWidths, PricesWidthAddsColumnsAndTheOuterCells)
{
    // Right: every "^" is one pitch, plus the cell before the first "^".
    BlockMetrics m = prices("9.99^^4.99", AlignRight);
    EXPECT_TRUE(m.HasTabMarker);
    EXPECT_DOUBLE_EQ(m.MaxTabs, 2 * m.ColumnPitch);
    EXPECT_EQ(m.BlockWidth, int(2 * m.ColumnPitch + width("9.99")));
    // Left: the cell after the last "^", cut at its calorie marker plus K.
    m = prices("x^250 Cal<4.99", AlignLeft);
    EXPECT_NEAR(m.MaxRight, width("250 Cal") + m.CalorieSpacing, 1e-3);
    EXPECT_EQ(m.MaxLeft, 0.0);
    // Centre: both outer cells, halved; the wider of the two lines counts.
    m = prices("12^34\r\n5^6^78", AlignCenter);
    EXPECT_DOUBLE_EQ(m.MaxTabs, 2 * m.ColumnPitch);
    EXPECT_NEAR(m.MaxLeft, std::max(width("12"), width("5")) / 2, 1e-3);
    EXPECT_NEAR(m.MaxRight, std::max(width("34"), width("78")) / 2, 1e-3);
    EXPECT_EQ(m.BlockWidth, int(m.MaxTabs + m.MaxLeft + m.MaxRight));
    // Without "^": measured up to the marker plus K; a leading marker measures the whole line.
    m = prices("250 Cal<4.99", AlignRight);
    EXPECT_NEAR(m.MaxTabs, width("250 Cal") + m.CalorieSpacing, 1e-3);
    m = prices("<4.99", AlignRight);
    EXPECT_NEAR(m.MaxTabs, width("<4.99") + m.CalorieSpacing, 1e-3);
    // Line 2 is measured with its own further breaks (widest line).
    m = prices("1\r\n2\r\n333333", AlignRight);
    EXPECT_NEAR(m.MaxTabs, width("333333"), 1e-3);
}

TEST_F(BlockWidths, MainItemWidthIsTheWidestLineAndEmptyIsZero)
{
    strip.MainItem.Text = "Burger\r\nDouble cheeseburger";
    BlockMetrics m = ComputeBlockMetrics(strip, TextBlockKind::MainItem, box, 96, graphics);
    EXPECT_EQ(m.BlockWidth, int(width("Double cheeseburger")));
    strip.MainItem.Text.clear();
    m = ComputeBlockMetrics(strip, TextBlockKind::MainItem, box, 96, graphics);
    EXPECT_EQ(m.BlockWidth, 0);
    EXPECT_EQ(m.DigitWidth, 0.0);
}

TEST_F(BlockWidths, FirstCharacterIsMeasuredInATallBox)
{
    const Font font("DejaVu Sans", 37.26f);
    // A box far shorter than a line still yields the full line height.
    const RectF r = MeasureFirstCharacter("Burger", font, RectF{10, 20, 300, 4}, BlockStringFormat(AlignLeft), graphics);
    EXPECT_FLOAT_EQ(r.Y, 20.0f);
    EXPECT_NEAR(r.Height, graphics.MeasureString("B", font, QPointF(), StringFormat{}).Height, 1e-3);
    EXPECT_GT(r.Height, 40.0f);
    EXPECT_EQ(MeasureFirstCharacter("", font, RectF{10, 20, 300, 4}, StringFormat{}, graphics).Height, 0.0f);
}

} // namespace
