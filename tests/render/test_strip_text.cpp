// The strip text painter, pinned by probing the board image at positions
// computed from the placement rules.
#include "render/click_probe.h"
#include "render/font_collector.h"
#include "render/geometry.h"
#include "render/markup.h"
#include "render/strip_text.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sw;

namespace {

constexpr int kW = 960;
constexpr int kH = 540;
constexpr QRgb kBackground = 0xFF000000;

struct RecordingCollector : FontCollector {
    QStringList families;
    void CollectLayoutFont(const QString& family) override { families.append(family); }
};

// A 960 x 540 board shown 1:1 (PreviewScale 1), 2 columns of 8 strips of
// 480 x 67.5 board pixels: strip text sizes are those of a 1080-high board of 16 rows.
class StripText : public ::testing::Test {
protected:
    StripText() : image(kW, kH)
    {
        image.image().fill(kBackground);
        board.NumberOfColumns = 2;
        board.NumberOfRows = 8;
        PlaceBoard(geometry, {0, 0, kW + 100, kH + 100}, std::nullopt, {kW, kH, 96});
        ComputeStripGrid(geometry, board);
        for (TextBlockKind k : {TextBlockKind::MainItem, TextBlockKind::SubItems, TextBlockKind::Prices})
            block(k).Font = "DejaVu Sans";
    }
    MenuStrip& strip(StripRef ref = {0, 0}) { return board.strip(ref); }
    TextBlock& block(TextBlockKind k, StripRef ref = {0, 0}) { return strip(ref).block(k); }
    void draw(StripRef ref = {0, 0})
    {
        Graphics g(image);
        DrawStripTexts(board, ref, PictureBoxBoard(geometry, board, ref), geometry, g, context);
    }
    bool isColor(int x, int y, QRgb c) const { return image.GetPixel(x, y) == c; }
    // Columns [first, last] where some pixel of the row band matches.
    std::pair<int, int> columns(int y0, int y1, const std::function<bool(QRgb)>& match) const
    {
        int first = -1, last = -1;
        for (int x = 0; x < kW; ++x)
            for (int y = std::max(0, y0); y < std::min(kH, y1); ++y)
                if (match(image.GetPixel(x, y))) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return {first, last};
    }
    std::pair<int, int> rows(const std::function<bool(QRgb)>& match) const
    {
        int first = -1, last = -1;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (match(image.GetPixel(x, y))) {
                    if (first < 0) first = y;
                    last = y;
                    break;
                }
        return {first, last};
    }
    static bool bright(QRgb c) { return qGray(c) > 128; }

    MenuBoard board;
    BoardGeometry geometry;
    Bitmap image;
    ComposeContext context;
};

// em of a 67.5-pixel strip: 0.736 x 67.5 = 49.68 px; padding em / 6.
constexpr double kEm = 49.68;
constexpr double kPad = kEm / 6.0;
// DejaVu Sans "H": side bearings 201/2048 em, advance 1540/2048 em.
constexpr double kBearingH = 201.0 / 2048.0 * kEm;
// The space width the price parts are spaced by: ten spaces measured, with padding, over ten.
constexpr double kSpace = (10 * 651.0 / 2048.0 * kEm + 2 * kPad) / 10.0;

TEST_F(StripText, MainItemStartsAtItsXrefAndRightAlignmentEndsThere)
{
    block(TextBlockKind::MainItem).Text = "H";
    block(TextBlockKind::MainItem).Xref = 0.1; // 48 board pixels into the strip
    draw();
    EXPECT_NEAR(columns(0, 68, bright).first, 48 + kPad + kBearingH, 1.5);

    image.image().fill(kBackground);
    block(TextBlockKind::MainItem).Xref = 0.9;
    block(TextBlockKind::MainItem).GroupAlignment = AlignRight;
    draw();
    EXPECT_NEAR(columns(0, 68, bright).second + 1, 432 - kPad - kBearingH, 1.5);

    image.image().fill(kBackground);
    block(TextBlockKind::MainItem).Xref = 0.5;
    block(TextBlockKind::MainItem).GroupAlignment = AlignCenter;
    draw();
    const auto [l, r] = columns(0, 68, bright);
    EXPECT_NEAR((l + r + 1) / 2.0, 240.0, 1.5);
}

TEST_F(StripText, RecordsTheDrawnBlockInWindowPixels)
{
    TextBlock& b = block(TextBlockKind::MainItem);
    b.Text = "Burger";
    b.Xref = 0.1;
    draw();
    const FloatRect rect = geometry.TextBlockRect({0, 0}, TextBlockKind::MainItem);
    ASSERT_GT(rect.Width, 0.0f);
    // Line box height less 0.15 em (in points, 37.26 at 96 dpi), then shrunk by a tenth.
    const double lineHeight = (1901.0 + 483.0) / 2048.0 * kEm;
    const double h = lineHeight - 0.15 * 37.26;
    EXPECT_NEAR(rect.Height, h * 0.8, 0.01);
    EXPECT_NEAR(rect.X, 48 - h / 16 + h / 10, 0.01);
    // The strip's text lies inside what was recorded.
    const auto [first, last] = columns(0, 68, bright);
    EXPECT_LT(rect.X, first);
    EXPECT_GT(rect.right(), last);
    EXPECT_EQ(TextGroupRect(geometry, {0, 0}), rect);
}

TEST_F(StripText, PriceColumnsStepLeftByOnePitchPerCell)
{
    TextBlock& p = block(TextBlockKind::Prices);
    p.Text = "8^8^8";
    p.Xref = 0.9; // anchor at 432
    strip().PriceTabSpacingFactor = 4.0;
    draw();
    const BlockMetrics m =
        ComputeBlockMetrics(strip(), TextBlockKind::Prices, RectF::From(PictureBoxBoard(geometry, board, {0, 0})),
                            96, Graphics(image));
    EXPECT_EQ(geometry.PriceColumnWidth({0, 0}), int(m.ColumnPitch));
    // Three glyph clusters whose right edges stand T apart, the last near the anchor.
    std::vector<int> rightEdges;
    bool inInk = false;
    for (int x = 0; x < kW; ++x) {
        bool ink = false;
        for (int y = 0; y < 68 && !ink; ++y) ink = bright(image.GetPixel(x, y));
        if (!ink && inInk) rightEdges.push_back(x);
        inInk = ink;
    }
    ASSERT_EQ(rightEdges.size(), 3u);
    EXPECT_NEAR(rightEdges[2] - rightEdges[1], m.ColumnPitch, 1.5);
    EXPECT_NEAR(rightEdges[1] - rightEdges[0], m.ColumnPitch, 1.5);
    // A part's box is widened 3.6 spaces after moving 2 spaces left, and the
    // text ends one padding inside it: 1.6 spaces less a padding past the anchor.
    EXPECT_NEAR(rightEdges[2], 432.0 + 1.6 * kSpace - kPad, 4.0);
}

TEST_F(StripText, CaloriePartsTakeTheirColourAndWhitePrintTurnsThemGrey)
{
    MenuStrip& s = strip();
    s.CaloriesTextColor = Rgb(255, 0, 0);
    block(TextBlockKind::Prices).Text = "250<4.99";
    block(TextBlockKind::Prices).Xref = 0.9;
    draw();
    auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60; };
    auto white = [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200; };
    const auto [redFirst, redLast] = columns(0, 68, red);
    const auto [whiteFirst, whiteLast] = columns(0, 68, white);
    ASSERT_GE(redFirst, 0);
    ASSERT_GE(whiteFirst, 0);
    EXPECT_LT(redLast, whiteFirst); // calories left of the price
    EXPECT_NEAR(whiteLast + 1, 432.0 + 1.6 * kSpace - kPad, 4.0);

    // White print, strip without picture: black text, dark grey calories, white shadow.
    image.image().fill(0xFFFFFFFF);
    block(TextBlockKind::Prices).TextColor = Rgb(0, 255, 0);
    context.flags.WhitePrint = true;
    draw();
    auto grey = [](QRgb c) { return c == 0xFF404040; };
    auto black = [](QRgb c) { return c == 0xFF000000; };
    EXPECT_GE(columns(0, 68, grey).first, 0);
    EXPECT_GE(columns(0, 68, black).first, 0);
    EXPECT_EQ(columns(0, 68, red).first, -1);
    EXPECT_EQ(columns(0, 68, [](QRgb c) { return qGreen(c) > 200 && qRed(c) < 60; }).first, -1);
}

TEST_F(StripText, DropShadowIsOffsetByATenthEmAndClearMeansNone)
{
    TextBlock& b = block(TextBlockKind::MainItem);
    b.Text = "H";
    b.Xref = 0.1;
    draw();
    auto red = [](QRgb c) { return qRed(c) > 128 && qGreen(c) < 100; };
    EXPECT_EQ(columns(0, 68, red).first, -1);

    image.image().fill(kBackground);
    b.DropShadowColor = Rgb(255, 0, 0);
    draw();
    // o = 0.1 x E, E in points (37.26) taken as pixels.
    const double o = 0.1 * 37.26;
    const auto white = columns(0, 68, bright);
    const auto shadow = columns(0, 90, red);
    EXPECT_NEAR(shadow.second - white.second, o, 1.0);
    const auto whiteRows = rows([](QRgb c) { return qGray(c) > 200; });
    const auto shadowRows = rows(red);
    EXPECT_NEAR(shadowRows.second - whiteRows.second, o, 1.0);
}

TEST_F(StripText, SmallTextGetsTheMinimumShadowOffset)
{
    TextBlock& b = block(TextBlockKind::MainItem);
    b.Text = "H";
    b.Xref = 0.1;
    b.ScaleFactor = 0.2; // E = 7.45 pt: 0.1 E is below one pixel
    b.DropShadowColor = Rgb(255, 0, 0);
    draw();
    auto red = [](QRgb c) { return qRed(c) > 128 && qGreen(c) < 100; };
    EXPECT_NEAR(columns(0, 68, red).second - columns(0, 68, bright).second, 1.0, 1.0);
    EXPECT_GE(columns(0, 68, red).first, 0);
}

TEST_F(StripText, PlaceholderIsLeftOutOfASaveRenderAndFontsAreCollected)
{
    block(TextBlockKind::MainItem).Text = "[]";
    block(TextBlockKind::SubItems).Text = "Fries";
    block(TextBlockKind::SubItems).Yref = 0.0;
    block(TextBlockKind::SubItems).Xref = 0.6;
    RecordingCollector collector;
    context.fonts = &collector;
    draw();
    EXPECT_GE(columns(0, 68, bright).first, 0);
    EXPECT_LT(columns(0, 68, bright).first, 200); // "[]" on the preview
    EXPECT_TRUE(collector.families.isEmpty());

    image.image().fill(kBackground);
    context.flags.SaveRenderActive = true;
    draw();
    EXPECT_GT(columns(0, 68, bright).first, 280); // only "Fries"
    EXPECT_EQ(collector.families, (QStringList{"DejaVu Sans", "DejaVu Sans"}));
}

TEST_F(StripText, PricesDrawTwoLinesAndEmptyFirstLineRecordsOnlyTheSecond)
{
    TextBlock& p = block(TextBlockKind::Prices);
    p.Text = "8\r\n8\r\n8";
    p.Xref = 0.9;
    draw();
    const double pitch = 56.6352;
    const auto [top, bottom] = rows(bright);
    ASSERT_GE(top, 0);
    EXPECT_GT(bottom, top + pitch * 0.9);
    EXPECT_LT(bottom, top + pitch * 1.9);

    image.image().fill(kBackground);
    TextBlock& m = block(TextBlockKind::MainItem);
    m.Text = "\r\nx";
    m.Xref = 0.1;
    p.Text.clear();
    ClearStripRects(geometry, {0, 0});
    draw();
    const FloatRect rect = geometry.TextBlockRect({0, 0}, TextBlockKind::MainItem);
    EXPECT_GT(rect.Y, pitch);
    EXPECT_LT(rect.Y, pitch + 20);
}

TEST_F(StripText, ProbeReportsThePartUnderTheClickOnce)
{
    TextBlock& p = block(TextBlockKind::Prices);
    p.Text = "250<4.99";
    p.Xref = 0.9;
    ClickProbe probe;
    context.probe = &probe;
    // Locate the two parts from a plain drawing first.
    draw();
    const auto priceCols = columns(0, 68, [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; });
    const auto calorieCols = columns(0, 68, [](QRgb c) { return qRed(c) > 200 && qBlue(c) < 60; });
    ASSERT_GE(calorieCols.first, 0);

    probe.Arm({0, 0}, QPoint((priceCols.first + priceCols.second) / 2, 30));
    draw();
    EXPECT_TRUE(probe.RightPartHit);
    EXPECT_FALSE(probe.LeftPartHit);
    EXPECT_EQ(probe.Point, QPoint(0, 0));

    // The right part's box reaches K over the calories (it is widened by 3.6
    // spaces), so the left part answers only left of that.
    probe.Arm({0, 0}, QPoint(calorieCols.first + 5, 30));
    draw();
    EXPECT_TRUE(probe.LeftPartHit);
    EXPECT_FALSE(probe.RightPartHit);

    // A click aimed at another strip is not claimed by this one.
    probe.Arm({1, 0}, QPoint(calorieCols.first + 5, 30));
    draw();
    EXPECT_FALSE(probe.LeftPartHit || probe.RightPartHit);
}

TEST_F(StripText, SelectedPartGetsABoxInTheCurrentColourWithoutTheMarker)
{
    TextBlock& p = block(TextBlockKind::Prices);
    p.Text = "4.99~";
    p.Xref = 0.9;
    context.CurrentColor = Rgb(0, 255, 0);
    auto green = [](QRgb c) { return c == 0xFF00FF00; };
    draw();
    const auto box = columns(0, 68, green);
    ASSERT_GE(box.first, 0);
    // The box frames the price (the "~" itself is not drawn).
    const auto text = columns(0, 68, [](QRgb c) { return c == 0xFFFFFFFF; });
    EXPECT_LT(box.first, text.first);
    EXPECT_GT(box.second, text.second);

    image.image().fill(0xFFFFFFFF);
    context.flags.WhitePrint = true;
    draw();
    EXPECT_EQ(columns(0, 68, green).first, -1);
}

TEST_F(StripText, MarkersAloneDrawNothingAndRecordNothing)
{
    block(TextBlockKind::Prices).Text = "^^";
    block(TextBlockKind::MainItem).Text = "H";
    draw();
    EXPECT_TRUE(geometry.TextBlockRect({0, 0}, TextBlockKind::Prices).isEmpty());
    EXPECT_FALSE(geometry.TextBlockRect({0, 0}, TextBlockKind::MainItem).isEmpty());
}

} // namespace
