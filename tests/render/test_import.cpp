#include "render/image_import.h"
#include "render/proxies.h"
#include "render/proxy_name.h"
#include "support/fixture.h"
#include "support/scripted_prompter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

using namespace sw;
using sw::test::ScriptedPrompter;

namespace {

QByteArray Encode(const QImage& image, const char* format, int quality = 90)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QImage Filled(int w, int h, QColor c)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

// Noise does not compress: a 4000 x 3000 noise JPEG is well over 5 MB.
QImage Noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator rng(42);
    for (int y = 0; y < h; ++y)
        rng.fillRange(reinterpret_cast<quint32*>(image.scanLine(y)), w);
    return image;
}

// A JPEG carrying an EXIF orientation tag (APP1 right after SOI).
QByteArray WithExifOrientation(const QByteArray& jpeg, quint16 orientation)
{
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    auto le16 = [&](quint16 v) { tiff.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto le32 = [&](quint32 v) { le16(quint16(v & 0xFFFF)); le16(quint16(v >> 16)); };
    le16(1);                                     // one entry
    le16(0x0112); le16(3); le32(1); le16(orientation); le16(0);
    le32(0);                                     // no next IFD
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xFF\xE1", 2);
    app1.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF)).append(payload);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

// The IJG quality a JPEG was written with, from its luminance table.
int JpegQuality(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray b = f.readAll();
    const qsizetype dqt = b.indexOf("\xFF\xDB");
    if (dqt < 0 || dqt + 5 + 64 > b.size())
        return -1;
    // The standard luminance table in natural order; files store it zig-zag.
    static const int kLuminance[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                       14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                       18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                       49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    std::vector<int> zigzag;
    for (int sum = 0; sum < 15; ++sum) {
        for (int k = 0; k < 8; ++k) {
            const int row = sum % 2 ? k : 7 - k;
            const int col = sum - row;
            if (col >= 0 && col < 8)
                zigzag.push_back(row * 8 + col);
        }
    }
    for (int q = 1; q <= 100; ++q) {
        const int scale = q < 50 ? 5000 / q : 200 - 2 * q;
        bool all = true;
        for (int i = 0; i < 64 && all; ++i) {
            const int expected = std::clamp((kLuminance[zigzag[i]] * scale + 50) / 100, 1, 255);
            all = quint8(b[dqt + 5 + i]) == expected;
        }
        if (all)
            return q;
    }
    return 0;
}

QSize SizeOf(const QString& path)
{
    return QImageReader(path).size();
}

class Import : public SwTest {
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        QDir().mkpath(work());
    }
    QString work() const { return tempPath("work"); }
    QStringList workFiles() const { return QDir(work()).entryList(QDir::Files, QDir::Name); }
    std::optional<QString> import(const QString& path, StripRef ref = {0, 0})
    {
        return ImportPicture(path, board, ref, work(), flags, prompter);
    }

    MenuBoard board;
    RenderFlags flags;
    ScriptedPrompter prompter;
};

TEST_F(Import, PicturesGetUniqueNormalisedNamesAndTheStripIsReset)
{
    const QString pie = writeFile("pick/pie.jpg", Encode(Filled(600, 600, Qt::red), "jpeg"));
    board.strip(0, 0).SubImageBrightnessFactor = 40;
    board.strip(0, 0).SubImageCropPercentageX = 50;
    EXPECT_EQ(import(pie), work() + "/pie.jpg");
    EXPECT_EQ(import(pie, {0, 1}), work() + "/pie(1).jpg");
    EXPECT_EQ(import(pie, {0, 2}), work() + "/pie(1)(2).jpg");
    const QString dish = writeFile("pick/Dish.JPG", Encode(Filled(600, 600, Qt::red), "jpeg"));
    EXPECT_EQ(import(dish, {1, 0}), work() + "/Dish.jpg");
    const QString soup = writeFile("pick/soup.jpeg", Encode(Filled(600, 600, Qt::red), "jpeg"));
    EXPECT_EQ(import(soup, {1, 1}), work() + "/soup.jpg");
    // A backslash in a file name would read back as a folder separator.
    const QString odd = writeFile("pick/half\\pie.jpg", Encode(Filled(600, 600, Qt::red), "jpeg"));
    EXPECT_EQ(import(odd, {1, 2}), work() + "/half_pie.jpg");

    const MenuStrip& s = board.strip(0, 0);
    EXPECT_EQ(s.SubImageFileName, work() + "/pie.jpg");
    EXPECT_EQ(s.SubImageBrightnessFactor, 0);
    EXPECT_EQ(s.SubImageCropPercentageX, 100);
    EXPECT_EQ(s.SubImageCropPercentageY, 100);
    EXPECT_EQ(s.SubImageCropOriginPercentageX, 0);
    EXPECT_TRUE(flags.PictureProxiesInUse);
    // Each picture has its proxy where the drawing looks for it.
    for (const char* p : {"pie.jpg", "pie(1).jpg", "pie(1)(2).jpg", "Dish.jpg", "soup.jpg"})
        EXPECT_TRUE(QFileInfo::exists(ProxyImage(work() + "/" + p))) << p;
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Import, UnsupportedNamesAreIgnoredSilently)
{
    for (const char* name : {"pick/pie.bmp", "pick/pie.PNG", "pick/pie.GIF"}) {
        const QString path = writeFile(name, Encode(Filled(600, 600, Qt::red), "png"));
        EXPECT_FALSE(import(path)) << name;
    }
    EXPECT_TRUE(workFiles().isEmpty());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(board.strip(0, 0).SubImageFileName.isEmpty());
}

TEST_F(Import, APhotographTakenUprightIsStoredTurnedClockwise)
{
    // Left half red, right half blue, as the sensor saw it; EXIF 6 says the
    // camera was turned, so the stored picture has red on top.
    QImage sensor = Filled(400, 200, Qt::blue);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            sensor.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = writeFile("pick/upright.jpg", WithExifOrientation(Encode(sensor, "jpeg", 95), 6));
    ASSERT_EQ(QImageReader(path).transformation(), QImageIOHandler::TransformationRotate90);

    const auto stored = import(path);
    ASSERT_TRUE(stored);
    QImageReader reader(*stored);
    reader.setAutoTransform(false);
    const QImage image = reader.read();
    ASSERT_EQ(image.size(), QSize(200, 400));
    EXPECT_GT(qRed(image.pixel(100, 50)), 200);
    EXPECT_LT(qBlue(image.pixel(100, 50)), 60);
    EXPECT_GT(qBlue(image.pixel(100, 350)), 200);
    EXPECT_LT(qRed(image.pixel(100, 350)), 60);
    EXPECT_EQ(JpegQuality(*stored), 80);
}

TEST_F(Import, AnOversizedLargeJpegIsShrunkAndGetsAReducedProxy)
{
    const QByteArray big = Encode(Noise(4000, 3000), "jpeg", 90);
    ASSERT_GT(big.size(), 5000000);
    const auto stored = import(writeFile("pick/Dish.JPG", big));
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, work() + "/Dish.jpg");
    EXPECT_EQ(SizeOf(*stored), QSize(3200, 2400));
    EXPECT_EQ(JpegQuality(*stored), 80);
    EXPECT_EQ(SizeOf(work() + "/Dish_Proxy.jpg"), QSize(1600, 1200));
    EXPECT_EQ(JpegQuality(work() + "/Dish_Proxy.jpg"), 80);
    EXPECT_EQ(workFiles(), QStringList({"Dish.jpg", "Dish_Proxy.jpg"}));
}

TEST_F(Import, AnOversizedSmallFileIsKeptAndOnlyItsProxyReduced)
{
    QImage smooth(4000, 3000, QImage::Format_RGB32);
    smooth.fill(QColor(200, 150, 100));
    const QByteArray bytes = Encode(smooth, "jpeg", 90);
    ASSERT_LT(bytes.size(), 5000000);
    const auto stored = import(writeFile("pick/wall.jpg", bytes));
    ASSERT_TRUE(stored);
    EXPECT_EQ(SizeOf(*stored), QSize(4000, 3000));
    EXPECT_EQ(SizeOf(work() + "/wall_Proxy.jpg"), QSize(1600, 1200));
}

TEST_F(Import, ASmallPictureIsReportedAsLowResolutionAndItsProxyIsACopy)
{
    const QByteArray bytes = Encode(Filled(400, 300, Qt::green), "png");
    const auto stored = import(writeFile("pick/tiny.png", bytes));
    ASSERT_TRUE(stored);
    EXPECT_EQ(prompter.messageTexts(),
              QStringList{"This 400 x 300 pixel image is low resolution and may result in the picture not being "
                          "crisp."});
    QFile proxy(work() + "/tiny_Proxy.png");
    ASSERT_TRUE(proxy.open(QIODevice::ReadOnly));
    EXPECT_EQ(proxy.readAll(), bytes);
}

struct BadImage {
    const char* name;
    QByteArray (*make)();
    const char* message;  // %1 is the file name
};

QByteArray NotAnImage()
{
    return "Soup of the day: tomato\n";
}
QByteArray TruncatedJpeg()
{
    const QByteArray whole = Encode(Noise(300, 300), "jpeg");
    return whole.left(whole.size() / 2);
}
QByteArray TruncatedPng()
{
    const QByteArray whole = Encode(Noise(300, 300), "png");
    return whole.left(whole.size() / 2);
}
// A valid PNG whose header claims 30000 x 30000 pixels (3.6 GB decoded).
QByteArray HugePng()
{
    QByteArray png = Encode(Filled(8, 8, Qt::white), "png");
    qToBigEndian<quint32>(30000, png.data() + 16);
    qToBigEndian<quint32>(30000, png.data() + 20);
    quint32 crc = 0xFFFFFFFFu;
    for (int i = 12; i < 29; ++i) {
        crc ^= quint8(png[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    qToBigEndian<quint32>(~crc, png.data() + 29);
    return png;
}

class ImportBadImage : public Import, public ::testing::WithParamInterface<BadImage> { };

TEST_P(ImportBadImage, IsRefusedWithAMessageAndLeavesNothingBehind)
{
    const BadImage& c = GetParam();
    const QString path = writeFile(QString("pick/") + c.name, c.make());
    const QString expected = QString(c.message).replace("%1", c.name);

    EXPECT_FALSE(import(path));
    EXPECT_EQ(prompter.messageTexts(), QStringList{expected});
    EXPECT_TRUE(board.strip(0, 0).SubImageFileName.isEmpty());

    EXPECT_FALSE(ImportBackgroundImage(path, work(), board, flags, prompter));
    EXPECT_EQ(prompter.messageTexts(), QStringList({expected, expected}));
    EXPECT_TRUE(workFiles().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportBadImage,
    ::testing::Values(BadImage{"menu.jpg", NotAnImage, "Sorry! Signwright does not support this image format!"},
                      BadImage{"cut.jpg", TruncatedJpeg,
                               "The image file \"%1\" is damaged or incomplete and cannot be used."},
                      BadImage{"cut.png", TruncatedPng,
                               "The image file \"%1\" is damaged or incomplete and cannot be used."},
                      BadImage{"huge.png", HugePng,
                               "The image \"%1\" is 30000 x 30000 pixels, too large to use (at most 100 million "
                               "pixels)."}));

TEST_F(Import, OnlyTheWholeFileOfAJpegOrGifIsUsable)
{
    // Every cut of the file must be refused (and walked without reading past
    // its end); only the complete file passes.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00"
                         "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02" "D\x01\x00;",
                         43);
    const QByteArray jpeg = Encode(Noise(16, 8), "jpeg");
    for (const auto& [name, whole] : {std::pair{"dot.gif", gif}, std::pair{"dot.jpg", jpeg}}) {
        const QString path = tempPath(name);
        for (qsizetype cut = 0; cut < whole.size(); ++cut) {
            writeFile(name, whole.left(cut));
            EXPECT_FALSE(CheckImageFile(path).usable) << name << " cut at " << cut;
        }
        writeFile(name, whole);
        EXPECT_TRUE(CheckImageFile(path).usable) << name;
    }
}

struct BackgroundCase {
    int width, height;
    bool proxy;
    QSize proxySize;
};
class BackgroundProxy : public Import, public ::testing::WithParamInterface<BackgroundCase> { };

TEST_P(BackgroundProxy, IsBuiltOnlyAboveTheLimit)
{
    const BackgroundCase& c = GetParam();
    const QString path = writeFile("pick/photo.jpg", Encode(Filled(c.width, c.height, QColor(30, 60, 90)), "jpeg"));
    flags.BackgroundProxyInUse = !c.proxy;
    ASSERT_TRUE(ImportBackgroundImage(path, work(), board, flags, prompter));
    EXPECT_EQ(flags.BackgroundProxyInUse, c.proxy);
    EXPECT_EQ(SizeOf(work() + "/Background.jpg"), QSize(c.width, c.height));
    EXPECT_EQ(QFileInfo::exists(work() + "/Background_Proxy.jpg"), c.proxy);
    if (c.proxy) {
        EXPECT_EQ(SizeOf(work() + "/Background_Proxy.jpg"), c.proxySize);
        EXPECT_EQ(JpegQuality(work() + "/Background_Proxy.jpg"), 80);
    }
    EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Sizes, BackgroundProxy,
                         ::testing::Values(BackgroundCase{1920, 1080, false, {}},
                                           BackgroundCase{1080, 1920, false, {}},
                                           BackgroundCase{3840, 2160, true, {1600, 900}},
                                           BackgroundCase{2000, 1700, true, {1600, 1360}}));

TEST_F(Import, NewBackgroundRebuildsTheProxiesOfLargePictures)
{
    const QString big = writeFile("work/steak.png", Encode(Filled(2000, 1000, Qt::white), "png"));
    board.strip(1, 3).SubImageFileName = big;
    board.strip(1, 3).SubImageBrightnessFactor = -20;
    const QString bg = writeFile("pick/bg.jpg", Encode(Filled(1920, 1080, Qt::black), "jpeg"));
    ASSERT_TRUE(ImportBackgroundImage(bg, work(), board, flags, prompter));
    EXPECT_TRUE(flags.PictureProxiesInUse);
    const QImage proxy(work() + "/steak_Proxy.png");
    EXPECT_EQ(proxy.size(), QSize(1600, 800));
    // A PNG's white stays white whatever the brightness.
    EXPECT_EQ(proxy.pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(Import, BrightnessRebuildWritesTheAdjustedProxyAtQuality60)
{
    const QString path = writeFile("work/cake.jpg", Encode(Filled(1200, 800, QColor(200, 200, 200)), "jpeg", 100));
    MenuStrip strip;
    strip.SubImageFileName = path;
    strip.SubImageBrightnessFactor = -20;
    EXPECT_EQ(RebuildPictureProxyWithBrightness(strip, flags, prompter), 1);
    EXPECT_TRUE(flags.PictureProxiesInUse);
    const QString proxy = work() + "/cake_Proxy.jpg";
    EXPECT_EQ(JpegQuality(proxy), 60);
    const QImage image(proxy);
    ASSERT_EQ(image.size(), QSize(1200, 800));
    EXPECT_NEAR(qRed(image.pixel(600, 400)), 184, 3);  // trunc(200 x (1 - 20/255))
}

TEST_F(Import, AProxyIsNeverWrittenOverItsPicture)
{
    // An upper-case ".JPG" taken from an older layout: the ".jpg" rule does not
    // change its name, yet the reduced proxy must go beside it.
    const QByteArray bytes = Encode(Filled(2000, 1500, Qt::red), "jpeg");
    const QString path = writeFile("work/OLD.JPG", bytes);
    EXPECT_EQ(BuildPictureProxy(path, 0, flags, prompter), 1);
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), bytes);
    EXPECT_EQ(SizeOf(work() + "/OLD_Proxy.jpg"), QSize(1600, 1200));
}

TEST_F(Import, ShrinkingKeepsTheFormatAndNeverLosesThePicture)
{
    const QString png = writeFile("work/menu.png", Encode(Filled(4000, 1000, Qt::blue), "png"));
    EXPECT_TRUE(ShrinkFileInPlace(png, 3200));
    EXPECT_EQ(QImageReader(png).format(), "png");
    EXPECT_EQ(SizeOf(png), QSize(3200, 800));

    // This system writes no GIF: the shrunk copy cannot be saved, and the
    // picture must stay as it was rather than be deleted first.
    QFile::copy(png, work() + "/anim.gif");
    QFile before(work() + "/anim.gif");
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    EXPECT_FALSE(ShrinkFileInPlace(work() + "/anim.gif", 1600));
    QFile after(work() + "/anim.gif");
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
    EXPECT_EQ(workFiles(), QStringList({"anim.gif", "menu.png"}));
}

TEST_F(Import, ResolutionTextForTheTitle)
{
    QImage image = Filled(3000, 2000, Qt::black);
    image.setDotsPerMeterX(11811);  // 300 dpi
    image.setDotsPerMeterY(11811);
    const QString path = writeFile("work/Background.jpg", Encode(image, "jpeg"));
    const auto info = ResolutionOf(path);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->BoardDpi, 300);
    EXPECT_EQ(info->text, "      Resolution: 3000 x 2000 at 300 PPI (10.0 in x 6.7 in)");
    EXPECT_FALSE(ResolutionOf(work() + "/missing.jpg"));
}

} // namespace
