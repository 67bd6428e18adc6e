#include "render/geometry.h"
#include "render/proxy_name.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

struct PlaceCase {
    const char* name;
    std::uint32_t imageW, imageH;
    EdgeRect client;
    EdgeRect expected;
    double scale;
};

class PlaceBoardTable : public ::testing::TestWithParam<PlaceCase> { };

TEST_P(PlaceBoardTable, FitsTheImageIntoTheArea)
{
    const PlaceCase& c = GetParam();
    BoardGeometry g;
    PlaceBoard(g, c.client, std::nullopt, {c.imageW, c.imageH, 72.9});
    EXPECT_EQ(g.BoardRect, c.expected);
    EXPECT_DOUBLE_EQ(g.PreviewScale, c.scale);
    EXPECT_EQ(g.BoardImageSize[0], c.imageW);
    EXPECT_EQ(g.BoardImageSize[1], c.imageH);
    EXPECT_EQ(g.BoardDpi, 72);
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, PlaceBoardTable,
    ::testing::Values(
        // Wider than the area: full width, centred vertically (700 - 675 = 25 >> 1 = 12).
        PlaceCase{"landscape", 1920, 1080, {0, 0, 1200, 700}, {0, 12, 1200, 688}, 0.625},
        PlaceCase{"smallIsOneToOne", 800, 600, {0, 0, 1200, 700}, {0, 0, 800, 600}, 1.0},
        // Taller: full height, flush left, trunc(700 / 1.7778) = 393 wide.
        PlaceCase{"portrait", 1080, 1920, {0, 0, 1200, 700}, {0, 0, 393, 700}, 393.0 / 1080.0},
        // Equal to the area in one direction is not "smaller": it is fitted.
        PlaceCase{"exactWidth", 1200, 600, {0, 0, 1200, 700}, {0, 50, 1200, 650}, 1.0},
        PlaceCase{"offsetArea", 1920, 1080, {10, 60, 1210, 760}, {10, 72, 1210, 748}, 0.625},
        // Unreadable image: nothing shown, and no division by zero later.
        PlaceCase{"emptyImage", 0, 0, {0, 0, 1200, 700}, {0, 0, 0, 0}, 1.0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Geometry, PreviewAreaStartsBelowTheMainItemBox)
{
    BoardGeometry g;
    PlaceBoard(g, {0, 0, 1400, 900}, EdgeRect{20, 100, 400, 156}, {800, 400, 96});
    // Area: left 20, top 156 + 24 = 180, bottom 900 - 20 = 880; 800x400 fits 1:1.
    EXPECT_EQ(g.BoardRect, (EdgeRect{20, 180, 820, 580}));
}

TEST(Geometry, StripGridStartsOnePixelInsideTheBoard)
{
    MenuBoard board;
    BoardGeometry g;
    g.BoardRect = {10, 60, 1210, 735};
    g.PreviewScale = 0.625;
    EXPECT_EQ(ComputeStripGrid(g, board), 32);
    EXPECT_EQ(g.StripRect({0, 0}), (FloatRect{11.0f, 61.0f, 600.0f, 42.1875f}));
    EXPECT_EQ(g.StripRect({1, 3}), (FloatRect{611.0f, 187.5625f, 600.0f, 42.1875f}));
    EXPECT_TRUE(g.StripRect({2, 0}).isEmpty());
    EXPECT_TRUE(g.StripRect({0, 16}).isEmpty());
    EXPECT_TRUE(g.gridComputed());

    // Shrinking the grid empties the cells it no longer uses.
    board.NumberOfColumns = 3;
    ComputeStripGrid(g, board);
    EXPECT_FALSE(g.StripRect({2, 15}).isEmpty());
    board.NumberOfColumns = 2;
    board.NumberOfRows = 4;
    EXPECT_EQ(ComputeStripGrid(g, board), 8);
    EXPECT_TRUE(g.StripRect({2, 0}).isEmpty());
    EXPECT_TRUE(g.StripRect({0, 4}).isEmpty());
    EXPECT_FLOAT_EQ(g.StripRect({1, 3}).bottom(), 736.0f);  // one pixel past the board
}

TEST(Geometry, PictureBoxesInBothSpaces)
{
    MenuBoard board;
    BoardGeometry g;
    PlaceBoard(g, {0, 0, 1200, 700}, std::nullopt, {1920, 1080, 96});
    ComputeStripGrid(g, board);
    MenuStrip& s = board.strip(1, 2);
    s.XOffsetFactor = 0.5;
    s.XSizeFactor = 0.5;
    s.YOffsetFactor = 0.25;
    s.YSizeFactor = 2.0;

    const FloatRect cell = g.StripRect({1, 2});
    const FloatRect win = PictureBoxWindow(s, cell);
    EXPECT_FLOAT_EQ(win.X, cell.X + cell.Width / 2.0f);
    EXPECT_FLOAT_EQ(win.Width, cell.Width / 2);
    EXPECT_FLOAT_EQ(win.Y, cell.Y + cell.Height / 4);
    EXPECT_FLOAT_EQ(win.Height, cell.Height * 2);

    // Board pixels: the origin is the image corner, without the grid's 1-pixel offset.
    const FloatRect b = PictureBoxBoard(g, board, {1, 2});
    const double w = 600.0 / 0.625, h = 676.0 / 16 / 0.625;
    EXPECT_NEAR(double(b.X), 1.5 * w, 1e-3);
    EXPECT_NEAR(double(b.Width), 0.5 * w, 1e-3);
    EXPECT_NEAR(double(b.Y), 2.25 * h, 1e-3);
    EXPECT_NEAR(double(b.Height) / s.YSizeFactor, h, 1e-3);

    // Default factors: the box in board pixels, taken back to the window, is the
    // cell less the grid's one-pixel offset.
    const FloatRect plain = BoardToWindow(g, PictureBoxBoard(g, board, {0, 3}));
    EXPECT_NEAR(double(plain.X) + 1.0, double(g.StripRect({0, 3}).X), 1e-3);
    EXPECT_NEAR(double(plain.Y) + 1.0, double(g.StripRect({0, 3}).Y), 1e-3);
    EXPECT_NEAR(double(plain.Width), double(g.StripRect({0, 3}).Width), 1e-3);
}

TEST(Geometry, TextGroupRectAndClearing)
{
    BoardGeometry g;
    const StripRef ref{1, 5};
    EXPECT_TRUE(TextGroupRect(g, ref).isEmpty());

    g.TextBlockRect(ref, TextBlockKind::MainItem) = {10, 20, 100, 10};
    g.TextBlockRect(ref, TextBlockKind::SubItems) = {5, 40, 0, 30};  // zero width: ignored
    g.TextBlockRect(ref, TextBlockKind::Prices) = {150, 25, 50, 20};
    EXPECT_EQ(TextGroupRect(g, ref), (FloatRect{10, 20, 190, 25}));

    g.PictureHitRect(ref) = {1, 2, 3, 4};
    g.PictureHitRect({0, 0}) = {1, 2, 3, 4};
    ClearStripRects(g, ref);
    EXPECT_TRUE(TextGroupRect(g, ref).isEmpty());
    EXPECT_TRUE(g.PictureHitRect(ref).isEmpty());
    EXPECT_FALSE(g.PictureHitRect({0, 0}).isEmpty());
    ClearStripRects(g);
    EXPECT_TRUE(g.PictureHitRect({0, 0}).isEmpty());
}

TEST(Geometry, FloatRectContainsIsHalfOpenAndEmptyHoldsNothing)
{
    const FloatRect r{10, 10, 5, 5};
    EXPECT_TRUE(r.Contains(10, 10));
    EXPECT_FALSE(r.Contains(15, 12));
    EXPECT_FALSE(r.Contains(12, 15));
    EXPECT_FALSE(FloatRect{}.Contains(0, 0));
}

TEST(Geometry, WindowPointsMapToBoardPixelsFromTheFirstCell)
{
    MenuBoard board;
    BoardGeometry g;
    PlaceBoard(g, {0, 0, 1200, 700}, std::nullopt, {1920, 1080, 96});
    ComputeStripGrid(g, board);
    // Origin (1, 13); scale 0.625.
    EXPECT_EQ(g.windowToBoard(1 + 62.5, 13 + 125.0), QPoint(100, 200));
}

TEST(ProxyName, InsertsProxyBeforeTheExtension)
{
    EXPECT_EQ(ProxyImage("/w/pie.jpg"), "/w/pie_Proxy.jpg");
    EXPECT_EQ(ProxyImage("/w/pie.png"), "/w/pie_Proxy.png");
    EXPECT_EQ(ProxyImage("/w/pie.gif"), "/w/pie_Proxy.gif");
    // The rules are case-sensitive: ".JPG" selects the jpg rule but is not replaced.
    EXPECT_EQ(ProxyImage("/w/PIE.JPG"), "/w/PIE.JPG");
    EXPECT_EQ(ProxyImage("/w/a.jpg.png"), "/w/a_Proxy.jpg.png");
    EXPECT_EQ(ProxyImage("/w/pie.bmp"), "/w/pie.bmp");
}

} // namespace
