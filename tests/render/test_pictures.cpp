#include "render/strip_picture.h"
#include "support/fixture.h"

#include <QImage>
#include <QThread>
#include <gtest/gtest.h>

using namespace sw;

namespace {

const QColor kGround(40, 90, 160);

// A 1920 x 1080 board image shown 1:1 (preview scale 1.0), filled with kGround.
struct Board {
    Bitmap image{1920, 1080};
    BoardGeometry geometry;
    MenuBoard model;

    Board()
    {
        Graphics(image).FillRectangle(kGround, RectF{0, 0, 1920, 1080});
        PlaceBoard(geometry, {0, 0, 4000, 3000}, std::nullopt, {1920, 1080, 96});
        ComputeStripGrid(geometry, model);
    }
    QColor at(int x, int y) const { return QColor::fromRgba(image.GetPixel(x, y)); }
};

bool Near(const QColor& a, const QColor& b, int tolerance = 2)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

// 100 x 10 picture of four 25-pixel bands: red, green, blue, yellow.
QString WriteBands(const QString& path)
{
    QImage img(100, 10, QImage::Format_RGB32);
    const QColor bands[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 10; ++y)
            img.setPixelColor(x, y, bands[x / 25]);
    img.save(path);
    return path;
}

struct FrameCase {
    const char* name;
    int index;
    bool hiddenOnWhite;
    bool whitePrint;
    bool drawn;
    float width;
    QColor color;
};

class FrameStyles : public ::testing::TestWithParam<FrameCase> { };

// The pen is centred on the rectangle's edge: pixels within half the width of
// the edge take its colour, pixels two pixels beyond do not.
TEST_P(FrameStyles, WidthAndColourOnA1920x1080Board)
{
    const FrameCase& c = GetParam();
    Board b;
    MenuStrip strip;
    strip.SubImageFrameIndex = c.index;
    strip.ImageHiddenOnWhite = c.hiddenOnWhite;
    RenderFlags flags;
    flags.WhitePrint = c.whitePrint;

    const FrameStyle style = FrameStyleFor(strip, 1920, 1080, c.whitePrint);
    EXPECT_EQ(style.drawn, c.drawn);
    EXPECT_NEAR(double(style.width), double(c.width), 1e-4);

    const FloatRect rect{400, 300, 600, 400};
    EXPECT_EQ(DrawPictureFrame(b.geometry, strip, rect, *std::make_unique<Graphics>(b.image), flags), c.index > 0);
    const int half = int(c.width / 2.0f);
    const int inside = std::max(0, half - 1);
    if (c.drawn) {
        EXPECT_TRUE(Near(b.at(400 - inside, 500), c.color)) << b.at(400 - inside, 500).name().toStdString();
        EXPECT_TRUE(Near(b.at(400 + inside, 500), c.color));
        EXPECT_TRUE(Near(b.at(700, 700 + inside), c.color));
    }
    EXPECT_TRUE(Near(b.at(400 - half - 2, 500), kGround));
    EXPECT_TRUE(Near(b.at(400 + half + 2, 500), kGround));
    EXPECT_TRUE(Near(b.at(700, 500), kGround));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FrameStyles,
    ::testing::Values(FrameCase{"none", 0, false, false, false, 0.0f, kGround},
                      FrameCase{"blackThin", 1, false, false, true, 4.8f, Qt::black},
                      FrameCase{"blackWide", 3, false, false, true, 10.8f, Qt::black},
                      FrameCase{"whiteMed", 5, false, false, true, 7.2f, Qt::white},
                      FrameCase{"greyWide", 9, false, false, true, 10.8f, QColor(128, 128, 128)},
                      FrameCase{"wideOnWhitePrint", 3, false, true, true, 3.0f, Qt::black},
                      FrameCase{"greyOnWhitePrint", 9, false, true, true, 3.0f, Qt::black},
                      FrameCase{"hiddenOnWhiteIsThinGrey", 1, true, false, true, 2.4f, QColor(128, 128, 128)},
                      FrameCase{"hiddenOnWhitePrintNothing", 3, true, true, false, 0.0f, kGround},
                      FrameCase{"hiddenWithoutFrame", 0, true, false, false, 0.0f, kGround}),
    [](const auto& p) { return std::string(p.param.name); });

struct BrightnessCase {
    const char* name;
    PictureKind kind;
    QRgb in;
    int brightness;
    QRgb out;
};

class Brightness : public ::testing::TestWithParam<BrightnessCase> { };

TEST_P(Brightness, ScalesVisiblePixels)
{
    const BrightnessCase& c = GetParam();
    QImage img(3, 2, QImage::Format_ARGB32);
    img.fill(c.in);
    Bitmap bmp(img);
    AdjustBrightness(c.kind, bmp, c.brightness);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(bmp.image().pixel(x, y), c.out) << std::hex << bmp.image().pixel(x, y);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Brightness,
    ::testing::Values(
        BrightnessCase{"pngWhiteStaysWhite", PictureKind::Png, 0xFFFFFFFF, -20, 0xFFFFFFFF},
        BrightnessCase{"gifWhiteStaysWhite", PictureKind::Gif, 0xFFFFFFFF, 20, 0xFFFFFFFF},
        BrightnessCase{"jpegWhiteDarkens", PictureKind::Jpg, 0xFFFFFFFF, -20, 0xFFEBEBEB},
        BrightnessCase{"jpegWhiteClamps", PictureKind::Jpg, 0xFFFFFFFF, 20, 0xFFFFFFFF},
        // 100 x 1.0784 = 107.8 -> 107; 200 -> 215.69 -> 215; 10 -> 10.78 -> 10.
        BrightnessCase{"brighter", PictureKind::Png, 0xFF64C80A, 20, 0xFF6BD70A},
        BrightnessCase{"halfTransparentBecomesOpaque", PictureKind::Png, 0x80646464, 20, 0xFF6B6B6B},
        BrightnessCase{"transparentUntouched", PictureKind::Png, 0x00646464, 20, 0x00646464},
        BrightnessCase{"blackened", PictureKind::Jpg, 0xFF808080, -255, 0xFF000000},
        BrightnessCase{"zeroDoesNothing", PictureKind::Jpg, 0x80646464, 0, 0x80646464}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Pictures, KindFollowsTheNameCaseSensitively)
{
    EXPECT_EQ(PictureKindOf("/w/a.jpg"), PictureKind::Jpg);
    EXPECT_EQ(PictureKindOf("/w/a.png"), PictureKind::Png);
    EXPECT_EQ(PictureKindOf("/w/a.gif"), PictureKind::Gif);
    EXPECT_EQ(PictureKindOf("/w/a.PNG"), PictureKind::Jpg);
    EXPECT_EQ(PictureKindOf("/w/a.jpg.png"), PictureKind::Jpg);
    EXPECT_EQ(PictureKindOf(".jpg.png"), PictureKind::Png);  // ".jpg" at index 0 does not count
}

class PictureDrawing : public SwTest { };

TEST_F(PictureDrawing, ColourPassFillsTheCellWithAMarginUnlessWhitePrint)
{
    for (bool white : {false, true}) {
        Board b;
        MenuStrip& strip = b.model.strip(0, 1);
        strip.BackGroundColor = Rgb(255, 0, 0);
        const FloatRect box = PictureBoxBoard(b.geometry, strip, {0, 1});  // (0, 67.5, 960, 67.5)
        RenderFlags flags;
        flags.WhitePrint = white;
        Graphics g(b.image);
        DrawStripColorPass(b.geometry, strip, {0, 1}, box, g, flags);

        const QColor expected = white ? kGround : QColor(Qt::red);
        EXPECT_TRUE(Near(b.at(0, 68), expected));
        EXPECT_TRUE(Near(b.at(960, 100), expected));        // the 1-pixel margin on the right
        EXPECT_TRUE(Near(b.at(500, 67), expected));         // and above
        EXPECT_TRUE(Near(b.at(962, 100), kGround));
        EXPECT_TRUE(Near(b.at(500, 140), kGround));
        EXPECT_EQ(b.geometry.PictureHitRect({0, 1}), (FloatRect{-1.0f, 66.5f, 962.0f, 69.5f}));
    }
}

TEST_F(PictureDrawing, CropDrawsThePartStretchedToTheBox)
{
    struct Case {
        int cropX, cropY, originX;
        QColor left, right;
    } cases[] = {
        {100, 100, 0, Qt::red, Qt::yellow},  // whole picture (as imported)
        {0, 0, 0, Qt::red, Qt::yellow},      // whole picture
        {50, 100, 25, Qt::green, Qt::blue},  // the middle half of the width
    };
    const QString path = WriteBands(tempPath("bands.png"));
    for (const Case& c : cases) {
        Board b;
        MenuStrip strip;
        strip.SubImageFileName = path;
        strip.SubImageCropPercentageX = c.cropX;
        strip.SubImageCropPercentageY = c.cropY;
        strip.SubImageCropOriginPercentageX = c.originX;
        Graphics g(b.image);
        DrawStripPicture(b.geometry, strip, {100, 100, 400, 100}, g, RenderFlags{});
        EXPECT_TRUE(Near(b.at(110, 150), c.left, 8)) << c.cropX << " " << b.at(110, 150).name().toStdString();
        EXPECT_TRUE(Near(b.at(490, 150), c.right, 8)) << c.cropX;
        EXPECT_TRUE(Near(b.at(90, 150), kGround));
    }
}

TEST_F(PictureDrawing, UnreadableOrEmptyPicturesAreLeftOutButFramed)
{
    const QString bands = WriteBands(tempPath("bands.png"));
    const QString garbage = writeFile("broken.jpg", "not a jpeg at all");
    struct Case {
        const char* what;
        QString file;
        int cropX, cropY;
    } cases[] = {
        {"missing", tempPath("nowhere.png"), 100, 100},
        {"garbage", garbage, 100, 100},
        {"zeroHeightCrop", bands, 50, 0},
        {"zeroWidthCrop", bands, 0, 50},
    };
    for (const Case& c : cases) {
        Board b;
        MenuStrip strip;
        strip.SubImageFileName = c.file;
        strip.SubImageCropPercentageX = c.cropX;
        strip.SubImageCropPercentageY = c.cropY;
        strip.SubImageFrameIndex = 1;
        strip.SubImageBrightnessFactor = 40;
        Graphics g(b.image);
        DrawStripPicture(b.geometry, strip, {100, 100, 400, 100}, g, RenderFlags{});
        EXPECT_TRUE(Near(b.at(300, 150), kGround)) << c.what;
        EXPECT_TRUE(Near(b.at(100, 150), Qt::black)) << c.what;  // the frame
    }
}

// Decoded pictures are kept between redraws; a file rewritten in between (as
// a brightness step rewrites its proxy) must show its new pixels, and a
// brightness change must not leak into the next redraw.
TEST_F(PictureDrawing, RedrawsSeeRewrittenFilesAndUntouchedPixels)
{
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(QColor(100, 100, 100));
    const QString path = tempPath("dish.jpg");
    ASSERT_TRUE(img.save(path, "PNG"));
    MenuStrip strip;
    strip.SubImageFileName = path;
    strip.SubImageBrightnessFactor = 255;
    for (int round = 0; round < 2; ++round) {
        Board b;
        Graphics g(b.image);
        DrawStripPicture(b.geometry, strip, {0, 0, 50, 50}, g, RenderFlags{});
        g.FillRectangle(kGround, RectF{60, 0, 1, 1});  // flushes nothing, keeps g in use
        EXPECT_TRUE(Near(QColor::fromRgba(Bitmap(b.image).GetPixel(25, 25)), QColor(200, 200, 200), 4)) << round;
    }
    QThread::msleep(20);
    img.fill(QColor(10, 20, 30));
    ASSERT_TRUE(img.save(path, "PNG"));
    Board b;
    {
        Graphics g(b.image);
        DrawStripPicture(b.geometry, strip, {0, 0, 50, 50}, g, RenderFlags{});
    }
    EXPECT_TRUE(Near(b.at(25, 25), QColor(20, 40, 60), 4));
}

TEST_F(PictureDrawing, ProxyIsReadWhenInUseAndCarriesItsOwnBrightness)
{
    QImage full(20, 20, QImage::Format_RGB32);
    full.fill(QColor(100, 100, 100));
    full.save(tempPath("dish.jpg"), "PNG");  // content type does not matter to the reader
    QImage proxy(20, 20, QImage::Format_RGB32);
    proxy.fill(QColor(0, 200, 0));
    proxy.save(tempPath("dish_Proxy.jpg"), "PNG");

    MenuStrip strip;
    strip.SubImageFileName = tempPath("dish.jpg");
    strip.SubImageBrightnessFactor = 255;  // doubles the full picture

    RenderFlags flags;
    flags.PictureProxiesInUse = true;
    Board withProxy;
    {
        Graphics g(withProxy.image);
        DrawStripPicture(withProxy.geometry, strip, {0, 0, 50, 50}, g, flags);
    }
    EXPECT_TRUE(Near(withProxy.at(25, 25), QColor(0, 200, 0), 4));

    flags.PictureProxiesInUse = false;
    Board full2;
    {
        Graphics g(full2.image);
        DrawStripPicture(full2.geometry, strip, {0, 0, 50, 50}, g, flags);
    }
    EXPECT_TRUE(Near(full2.at(25, 25), QColor(200, 200, 200), 4));

    // Hidden on the white print: the picture is not drawn at all.
    flags.WhitePrint = true;
    strip.ImageHiddenOnWhite = true;
    Board print;
    {
        Graphics g(print.image);
        DrawStripPicture(print.geometry, strip, {0, 0, 50, 50}, g, flags);
    }
    EXPECT_TRUE(Near(print.at(25, 25), kGround));
}

} // namespace
