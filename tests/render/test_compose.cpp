#include "render/compose.h"
#include "render/font_collector.h"
#include "render/rotation_choice.h"
#include "render/tv_image.h"
#include "support/fixture.h"
#include "support/scripted_prompter.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <gtest/gtest.h>

using namespace sw;

namespace {

const QColor kPhoto(30, 60, 90);

bool Near(const QColor& a, const QColor& b, int tolerance = 6)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

class Compose : public SwTest {
protected:
    MenuBoard board;
    BoardGeometry geometry;

    QString solidImage(const QString& name, int w, int h, const QColor& c, const char* format = "PNG")
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(c);
        const QString path = tempPath(name);
        EXPECT_TRUE(img.save(path, format));
        return path;
    }
    // Places the board 1:1 as in a preview area larger than the image.
    void place(int w, int h)
    {
        PlaceBoard(geometry, {0, 0, w + 100, h + 100}, std::nullopt, {std::uint32_t(w), std::uint32_t(h), 96});
        ComputeStripGrid(geometry, board);
    }
    QImage compose(int w, int h, const ComposeContext& context = {})
    {
        Bitmap image(w, h);
        Graphics g(image);
        g.FillRectangle(kPhoto, RectF{0, 0, float(w), float(h)});
        EXPECT_TRUE(ComposeBoard(board, geometry, g, context));
        return image.image().copy();
    }
};

// Strip (0, 0) carries a picture over its whole cell; strip (1, 0) has only a
// red box, shifted half a cell left so that it covers the picture's right half.
TEST_F(Compose, LayersDecideWhatCoversWhat)
{
    board.NumberOfRows = 4;
    board.strip(0, 0).SubImageFileName = solidImage("dish.png", 10, 10, Qt::green);
    board.strip(1, 0).BackGroundColor = Rgb(255, 0, 0);
    board.strip(1, 0).XOffsetFactor = -0.5;
    place(400, 200);

    QImage image = compose(400, 200);
    EXPECT_TRUE(Near(image.pixelColor(50, 25), Qt::green));
    EXPECT_TRUE(Near(image.pixelColor(150, 25), Qt::red));  // the box lies over the picture
    EXPECT_TRUE(Near(image.pixelColor(350, 25), kPhoto));

    // A logo is drawn once more at the end, over the neighbour's box.
    const QString logo = tempPath("Logo_1.png");
    ASSERT_TRUE(QFile::copy(board.strip(0, 0).SubImageFileName, logo));
    board.strip(0, 0).SubImageFileName = logo;
    image = compose(400, 200);
    EXPECT_TRUE(Near(image.pixelColor(150, 25), Qt::green));
    EXPECT_TRUE(Near(image.pixelColor(250, 25), Qt::red));
}

// The picture is put down first and the strip's texts over it; a picture-less
// strip's texts lie over a neighbour's picture they reach into.
TEST_F(Compose, TextsLieOverPictures)
{
    board.NumberOfRows = 4;
    MenuStrip& pictured = board.strip(0, 0);
    pictured.SubImageFileName = solidImage("dish.png", 10, 10, Qt::green);
    pictured.MainItem.Text = "MMMMMMMM";
    pictured.MainItem.Xref = 0.05;
    pictured.MainItem.Yref = 0.05;
    MenuStrip& neighbour = board.strip(0, 1);
    neighbour.SubItems.Text = "MMMMMMMM";
    neighbour.SubItems.Xref = 0.05;
    neighbour.SubItems.Yref = -0.9;  // up into the pictured strip's lower half
    place(400, 200);

    const QImage image = compose(400, 200);
    auto whiteIn = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += Near(image.pixelColor(x, y), Qt::white, 40);
        return n;
    };
    EXPECT_GT(whiteIn(QRect(0, 0, 200, 25)), 20);
    EXPECT_GT(whiteIn(QRect(0, 25, 200, 25)), 20);
    EXPECT_TRUE(Near(image.pixelColor(195, 3), Qt::green));
}

TEST_F(Compose, TopLayerNamesAreCaseSensitiveAndOnlyInTheFileName)
{
    MenuStrip s;
    for (const char* name : {"/w/Logo_1.png", "/w/mylogo.jpg", "C:\\x\\symbol.gif"}) {
        s.SubImageFileName = name;
        EXPECT_TRUE(IsTopLayerPicture(s)) << name;
    }
    for (const char* name : {"/w/LOGO.png", "/logo/pie.jpg", "/w/Symbol.png", ""}) {
        s.SubImageFileName = name;
        EXPECT_FALSE(IsTopLayerPicture(s)) << name;
    }
}

TEST_F(Compose, MissingPictureLeavesTheRestDrawnAndOldCellsLeaveNoTrace)
{
    board.NumberOfRows = 4;
    board.strip(0, 0).SubImageFileName = tempPath("gone.jpg");
    board.strip(0, 0).SubImageFrameIndex = 3;
    board.strip(1, 1).BackGroundColor = Rgb(0, 0, 255);
    // Left over from a larger grid: outside the used range.
    board.strip(2, 0).BackGroundColor = Rgb(255, 0, 0);
    board.strip(0, 5).BackGroundColor = Rgb(255, 0, 0);
    place(400, 200);
    const QImage image = compose(400, 200);
    EXPECT_TRUE(Near(image.pixelColor(100, 25), kPhoto));
    EXPECT_TRUE(Near(image.pixelColor(300, 75), Qt::blue));
    EXPECT_TRUE(Near(image.pixelColor(0, 25), Qt::black));  // the missing picture's frame
    for (int y = 0; y < 200; y += 7)
        for (int x = 0; x < 400; x += 7)
            ASSERT_FALSE(Near(image.pixelColor(x, y), Qt::red)) << x << "," << y;
}

TEST_F(Compose, NothingIsDrawnBeforeTheGridExists)
{
    board.strip(0, 0).BackGroundColor = Rgb(255, 0, 0);
    const QImage image = compose(100, 100);
    EXPECT_TRUE(Near(image.pixelColor(10, 10), kPhoto));
}

TEST_F(Compose, BoardImageThatCannotBeDrawnOnIsReportedNotCrashed)
{
    board.strip(0, 0).BackGroundColor = Rgb(255, 0, 0);
    place(100, 100);
    Bitmap empty;
    Graphics g(empty);
    EXPECT_FALSE(ComposeBoard(board, geometry, g, ComposeContext{}));
}

struct CountingCollector : FontCollector {
    int begun = 0;
    void BeginComposition() override { ++begun; }
};

TEST_F(Compose, EveryCompositionStartsTheFontListAfresh)
{
    CountingCollector fonts;
    ComposeContext context;
    context.fonts = &fonts;
    compose(50, 50, context);
    place(50, 50);
    compose(50, 50, context);
    EXPECT_EQ(fonts.begun, 2);
}

// The quantisation tables libjpeg writes for a quality, sorted: enough to tell
// quality 84 from its neighbours without trusting any encoder's file size.
std::vector<int> ExpectedLumaTable(int quality)
{
    static const int kStd[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                 14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                 18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                 49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    const int scale = quality < 50 ? 5000 / quality : 200 - quality * 2;
    std::vector<int> t;
    for (int v : kStd)
        t.push_back(std::clamp((v * scale + 50) / 100, 1, 255));
    std::sort(t.begin(), t.end());
    return t;
}

std::vector<int> FirstJpegTable(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    const int dqt = b.indexOf("\xFF\xDB");
    if (dqt < 0 || dqt + 5 + 64 > b.size())
        return {};
    std::vector<int> t;
    for (int i = 0; i < 64; ++i)
        t.push_back(std::uint8_t(b[dqt + 5 + i]));
    std::sort(t.begin(), t.end());
    return t;
}

TEST_F(Compose, TvImageIsTheComposedBackgroundAsJpegQuality84)
{
    board.NumberOfRows = 4;
    board.strip(1, 1).BackGroundColor = Rgb(255, 0, 0);
    const QString background = solidImage("Background.jpg", 640, 360, kPhoto, "JPEG");
    place(640, 360);
    TvImageRequest request;
    request.layoutPath = tempPath("Lunch_LAYOUT.TABLOR");
    request.backgroundPath = background;
    int asked = 0;
    request.chooseRotation = [&] { return ++asked, 1; };

    const QString out = RenderTvImage(board, geometry, request, ComposeContext{});
    EXPECT_EQ(out, tempPath("Lunch_TV.jpg"));
    EXPECT_EQ(asked, 0);  // a landscape board is never turned
    QImageReader reader(out);
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage tv = reader.read();
    ASSERT_EQ(tv.size(), QSize(640, 360));
    EXPECT_TRUE(Near(tv.pixelColor(480, 135), Qt::red, 12));
    EXPECT_TRUE(Near(tv.pixelColor(100, 300), kPhoto, 12));
    EXPECT_EQ(FirstJpegTable(out), ExpectedLumaTable(84));
    EXPECT_NE(ExpectedLumaTable(84), ExpectedLumaTable(83));
}

TEST_F(Compose, WhitePrintShowsStripsOnWhite)
{
    board.NumberOfRows = 4;
    board.WhitePrintBackground = true;
    board.strip(0, 0).SubImageFileName = solidImage("dish.png", 10, 10, Qt::green);
    board.strip(1, 1).BackGroundColor = Rgb(255, 0, 0);  // colour boxes are not printed
    const QString background = solidImage("Background.jpg", 400, 200, kPhoto, "JPEG");
    place(400, 200);
    TvImageRequest request;
    request.layoutPath = tempPath("Menu_LAYOUT_WHITE_PRINT_BGND.TABLOR");
    request.backgroundPath = background;
    const QString out = RenderTvImage(board, geometry, request, ComposeContext{});
    EXPECT_EQ(out, tempPath("Menu_TV_WHITE_PRINT_BGND.jpg"));
    const QImage tv(out);
    EXPECT_TRUE(Near(tv.pixelColor(100, 25), Qt::green, 12));
    EXPECT_TRUE(Near(tv.pixelColor(300, 75), Qt::white, 12));
    EXPECT_TRUE(Near(tv.pixelColor(300, 175), Qt::white, 12));
}

struct RotationCase {
    const char* name;
    int choice;
    bool print;
    QSize size;
    bool asked;
};

class TvRotation : public Compose, public ::testing::WithParamInterface<RotationCase> { };

TEST_P(TvRotation, PortraitBoardsTurnOnRequest)
{
    const RotationCase& c = GetParam();
    board.NumberOfRows = 4;
    board.strip(0, 0).BackGroundColor = Rgb(255, 0, 0);  // marks the top-left corner
    const QString background = solidImage("Background.jpg", 108, 192, kPhoto, "JPEG");
    place(108, 192);
    TvImageRequest request;
    request.layoutPath = tempPath("Menu_LAYOUT.TABLOR");
    request.backgroundPath = background;
    request.print = c.print;
    request.programDataFolder = tempPath("data");
    bool asked = false;
    request.chooseRotation = [&] { return asked = true, c.choice; };

    const QString out = RenderTvImage(board, geometry, request, ComposeContext{});
    EXPECT_EQ(out, c.print ? tempPath("data/print.jpg") : tempPath("Menu_TV.jpg"));
    EXPECT_EQ(asked, c.asked);
    const QImage tv(out);
    ASSERT_EQ(tv.size(), c.size);
    // Where the red top-left strip ends up.
    const QPoint corner = c.choice == 1 && !c.print ? QPoint(tv.width() - 10, 10)
        : c.choice == 2 && !c.print                 ? QPoint(10, tv.height() - 10)
                                                    : QPoint(10, 10);
    EXPECT_TRUE(Near(tv.pixelColor(corner), Qt::red, 16));
}

INSTANTIATE_TEST_SUITE_P(Compose, TvRotation,
                         ::testing::Values(RotationCase{"none", 0, false, {108, 192}, true},
                                           RotationCase{"clockwise", 1, false, {192, 108}, true},
                                           RotationCase{"counterClockwise", 2, false, {192, 108}, true},
                                           RotationCase{"printNeverAsks", 1, true, {108, 192}, false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(Compose, BackgroundThatCannotBeReadGivesNoImage)
{
    place(100, 100);
    TvImageRequest request;
    request.layoutPath = tempPath("Menu_LAYOUT.TABLOR");
    request.backgroundPath = writeFile("Background.jpg", "garbage");
    EXPECT_TRUE(RenderTvImage(board, geometry, request, ComposeContext{}).isEmpty());
    EXPECT_FALSE(QFile::exists(tempPath("Menu_TV.jpg")));
}

TEST(TvImageNames, FollowTheLayoutAndTheWhitePrint)
{
    EXPECT_EQ(TvImageOutputPath("/m/Lunch_LAYOUT.TABLOR", false, false, "/d"), "/m/Lunch_TV.jpg");
    EXPECT_EQ(TvImageOutputPath("/m/Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR", true, false, "/d"),
              "/m/Lunch_TV_WHITE_PRINT_BGND.jpg");
    EXPECT_EQ(TvImageOutputPath("/m/Lunch_LAYOUT.TABLOR", true, false, "/d"), "/m/Lunch_TV_WHITE_PRINT_BGND.jpg");
    EXPECT_EQ(TvImageOutputPath("/m/Lunch.TABLOR", false, false, "/d"), "/m/Lunch_TV.jpg");
    // Folders keep their names.
    EXPECT_EQ(TvImageOutputPath("/x_LAYOUT.TABLOR/Lunch_LAYOUT.TABLOR", false, false, "/d"),
              "/x_LAYOUT.TABLOR/Lunch_TV.jpg");
    EXPECT_EQ(TvImageOutputPath("/m/Lunch_LAYOUT.TABLOR", false, true, "/d"), "/d/print.jpg");
}

TEST_F(Compose, RotationChoiceIsRememberedAsOneUtf16Digit)
{
    const QString folder = tempPath("Moru Design");
    EXPECT_EQ(ReadRotationChoice(folder), 0);

    test::ScriptedPrompter prompter;
    prompter.rotations = {2, std::nullopt, 7};
    EXPECT_EQ(AskRotationChoice(prompter, folder), 2);
    QFile f(folder + "/RotationData.txt");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("2\0", 2));
    f.close();

    // Dismissed: the stored choice stays and was preselected.
    EXPECT_EQ(AskRotationChoice(prompter, folder), 2);
    EXPECT_EQ(prompter.rotationPreselected, (std::vector<int>{0, 2}));
    // Nonsense from the dialog counts as none.
    EXPECT_EQ(AskRotationChoice(prompter, folder), 0);
    EXPECT_EQ(ReadRotationChoice(folder), 0);

    for (const auto& [bytes, expected] : std::vector<std::pair<QByteArray, int>>{
             {QByteArray("1\0", 2), 1}, {QByteArray("2\0", 2), 2}, {QByteArray("3\0", 2), 0},
             {QByteArray("1"), 0}, {QByteArray("\xFF\xFE" "1\0", 4), 0}, {QByteArray(), 0}}) {
        writeFile("Moru Design/RotationData.txt", bytes);
        EXPECT_EQ(ReadRotationChoice(folder), expected) << bytes.toHex().toStdString();
    }
}

} // namespace
