// The imaging layer keeps GDI+'s conventions: these tests pin them by probing
// pixels and measurements at computed positions.
#include "platform/imaging.h"
#include "support/fixture.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QImageWriter>

#include <cmath>

using namespace sw;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlack = 0xFF000000;

// DejaVu Sans design values (units per em 2048): digits advance 1303, the
// line spacing is ascent 1901 + descent 483.
constexpr double kDejaVuDigit = 1303.0 / 2048.0;
constexpr double kDejaVuLineSpacing = (1901.0 + 483.0) / 2048.0;

Bitmap WhiteBitmap(int w, int h, double dpi = 96.0)
{
    Bitmap b(w, h);
    b.image().fill(0xFFFFFFFF);
    b.SetResolution(dpi, dpi);
    return b;
}

bool Inked(const Bitmap& b, int x, int y) { return qGray(b.GetPixel(x, y)) < 160; }

// Leftmost and rightmost columns holding ink in a row band; -1 when none.
std::pair<int, int> InkColumns(const Bitmap& b, int y0, int y1)
{
    int left = -1, right = -1;
    for (int x = 0; x < b.Width(); ++x)
        for (int y = y0; y < y1; ++y)
            if (Inked(b, x, y)) {
                if (left < 0) left = x;
                right = x;
                break;
            }
    return {left, right};
}

QByteArray JpegWithOrientation(int orientation)
{
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buf(&jpeg);
    buf.open(QIODevice::WriteOnly);
    QImageWriter(&buf, "jpeg").write(img);
    // APP1 "Exif": little-endian TIFF header, one IFD entry 0x0112 SHORT = orientation.
    QByteArray tiff = QByteArray::fromHex("49492a0008000000" "0100" "120103000100000000000000" "00000000");
    tiff[8 + 2 + 8] = char(orientation);
    QByteArray app1 = QByteArray("Exif\0\0", 6) + tiff;
    const int len = int(app1.size()) + 2;
    QByteArray segment = QByteArray::fromHex("ffe1");
    segment.append(char(len >> 8)).append(char(len & 0xFF)).append(app1);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

} // namespace

class ImagingTest : public SwTest { };

TEST_F(ImagingTest, MeasureStringUsesFractionalEmSizeAndPadding)
{
    ASSERT_TRUE(QFontDatabase::hasFamily("DejaVu Sans"));
    Bitmap b = WhiteBitmap(100, 100, 96.0);
    Graphics g(b);
    StringFormat f;
    f.SetFormatFlags(StringFormatFlagsMeasureTrailingSpaces | StringFormatFlagsNoWrap);
    // 11 pt at 96 dpi is 14.667 px: Qt alone would round it to 15.
    const Font font("DejaVu Sans", 11.0f);
    const double em = 11.0 * 96.0 / 72.0;
    const RectF r = g.MeasureString(QString(20, '0'), font, RectF{5, 7, 100, 100}, f);
    EXPECT_NEAR(r.Width, 20 * kDejaVuDigit * em + em / 3.0, 0.05);
    EXPECT_FLOAT_EQ(r.X, 5.0f);
    EXPECT_FLOAT_EQ(r.Y, 7.0f);
    EXPECT_NEAR(r.Height, kDejaVuLineSpacing * em, 0.05);
    // Two lines with CR LF: widest line, two line pitches.
    const RectF two = g.MeasureString("00\r\n0000", font, QPointF(0, 0), f);
    EXPECT_NEAR(two.Width, 4 * kDejaVuDigit * em + em / 3.0, 0.05);
    EXPECT_NEAR(two.Height, 2 * kDejaVuLineSpacing * em, 0.05);
    // Points follow the image's DPI: the same font on a 300 dpi image.
    Bitmap hi = WhiteBitmap(10, 10, 300.0);
    Graphics gh(hi);
    EXPECT_NEAR(gh.EmPixels(font), 11.0 * 300.0 / 72.0, 1e-4);
    EXPECT_TRUE(g.MeasureString("", font, RectF{3, 4, 10, 10}, f) == (RectF{3, 4, 0, 0}));
}

TEST_F(ImagingTest, TrailingSpacesCountOnlyWithTheFlag)
{
    Bitmap b = WhiteBitmap(10, 10);
    Graphics g(b);
    const Font font("DejaVu Sans", 30.0f);
    StringFormat plain;
    StringFormat trailing;
    trailing.SetFormatFlags(StringFormatFlagsMeasureTrailingSpaces);
    const float bare = g.MeasureString("12", font, QPointF(), plain).Width;
    EXPECT_FLOAT_EQ(g.MeasureString("12   ", font, QPointF(), plain).Width, bare);
    EXPECT_GT(g.MeasureString("12   ", font, QPointF(), trailing).Width, bare + 10.0f);
}

TEST_F(ImagingTest, DrawStringAlignsInsideThePaddingAndClips)
{
    const Font font("DejaVu Sans", 45.0f); // 60 px em at 96 dpi, padding 10 px
    StringFormat f;
    f.SetFormatFlags(StringFormatFlagsMeasureTrailingSpaces | StringFormatFlagsNoWrap);
    // "H": left and right side bearings are 201/2048 em in DejaVu Sans.
    const double bearing = 201.0 / 2048.0 * 60.0;
    struct Case { StringAlignment align; double expectLeft; double expectRight; };
    const double advance = 1540.0 / 2048.0 * 60.0;
    const Case cases[] = {
        {StringAlignment::Near, 20 + 10 + bearing, 20 + 10 + advance - bearing},
        {StringAlignment::Far, 220 - 10 - advance + bearing, 220 - 10 - bearing},
        {StringAlignment::Center, 120 - advance / 2 + bearing, 120 + advance / 2 - bearing},
    };
    for (const Case& c : cases) {
        Bitmap b = WhiteBitmap(300, 100);
        Graphics g(b);
        f.SetAlignment(c.align);
        g.SetTextRenderingHint(TextRenderingHint::AntiAlias);
        ASSERT_EQ(g.DrawString("H", font, RectF{20, 10, 200, 80}, f, Qt::black), Status::Ok);
        const auto [left, right] = InkColumns(b, 10, 90);
        EXPECT_NEAR(left, c.expectLeft, 1.5) << int(c.align);
        EXPECT_NEAR(right + 1, c.expectRight, 1.5) << int(c.align);
    }
    // A rectangle narrower than the text keeps every pixel inside it.
    Bitmap b = WhiteBitmap(300, 100);
    Graphics g(b);
    f.SetAlignment(StringAlignment::Near);
    g.DrawString("HHHHHHHH", font, RectF{20, 10, 50, 30}, f, Qt::black);
    const auto [left, right] = InkColumns(b, 0, 100);
    EXPECT_GE(left, 20);
    EXPECT_LE(right, 69);
    for (int x = 0; x < 300; ++x) EXPECT_FALSE(Inked(b, x, 45)) << x;
}

TEST_F(ImagingTest, MissingFamilyFallsBackToATextFontNeverASymbolFont)
{
    for (const char* family : {"Impact", "No Such Family 4711", "Segoe UI Black"}) {
        const Font font(family, 20.0f);
        const QString resolved = font.ResolvedFamily();
        const auto systems = QFontDatabase::writingSystems(resolved);
        EXPECT_TRUE(systems.contains(QFontDatabase::Latin)) << family << " -> " << qPrintable(resolved);
        EXPECT_FALSE(systems.contains(QFontDatabase::Symbol)) << family << " -> " << qPrintable(resolved);
    }
    // A metric-compatible substitute fontconfig knows is kept.
    EXPECT_EQ(Font("Arial", 12.0f).ResolvedFamily(), QStringLiteral("Liberation Sans"));
    // What the fallback draws is text: "0" is as wide as DejaVu's digit.
    Bitmap b = WhiteBitmap(10, 10);
    Graphics g(b);
    const RectF r = g.MeasureString("0000000000", Font("Impact", 36.0f), QPointF(), StringFormat{});
    EXPECT_GT(r.Width, 10 * 0.4 * 48.0);
}

TEST_F(ImagingTest, FontFamilyResolverRemapsFamilies)
{
    SetFontFamilyResolver([](const QString& f) {
        return f == QLatin1String("Fancy Windows Serif") ? QStringLiteral("Liberation Serif") : f;
    });
    EXPECT_EQ(Font("Fancy Windows Serif", 12.0f).ResolvedFamily(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(Font("Fancy Windows Serif", 12.0f).Family(), QStringLiteral("Fancy Windows Serif"));
    SetFontFamilyResolver({});
    EXPECT_NE(Font("Fancy Windows Serif", 12.0f).ResolvedFamily(), QStringLiteral("Liberation Serif"));
}

TEST_F(ImagingTest, FillsUseGdiPixelCentres)
{
    Bitmap b = WhiteBitmap(40, 20);
    Graphics g(b);
    // Pixel centres on integers: [0.3, 10.3) covers pixels 1..10, [0, 10) covers 0..9.
    g.FillRectangle(QColor(kRed), RectF{0.3f, 0.0f, 10.0f, 5.0f});
    g.FillRectangle(QColor(kRed), RectF{0.0f, 10.0f, 10.0f, 5.0f});
    EXPECT_NE(b.GetPixel(0, 2), kRed);
    EXPECT_EQ(b.GetPixel(1, 2), kRed);
    EXPECT_EQ(b.GetPixel(10, 2), kRed);
    EXPECT_NE(b.GetPixel(11, 2), kRed);
    EXPECT_EQ(b.GetPixel(0, 12), kRed);
    EXPECT_EQ(b.GetPixel(9, 12), kRed);
    EXPECT_NE(b.GetPixel(10, 12), kRed);
    EXPECT_NE(b.GetPixel(0, 15), kRed);
}

TEST_F(ImagingTest, PensHaveFlatCapsMitreCornersAndDashesInPenWidths)
{
    Bitmap b = WhiteBitmap(80, 60);
    Graphics g(b);
    // Width 4 at y = 10 from x = 5 to 25: rows 8..11, columns 5..24, nothing beyond the ends.
    g.DrawLine(Pen(QColor(kBlack), 4.0f), 5, 10, 25, 10);
    EXPECT_EQ(b.GetPixel(5, 8), kBlack);
    EXPECT_EQ(b.GetPixel(24, 11), kBlack);
    EXPECT_NE(b.GetPixel(4, 10), kBlack);
    EXPECT_NE(b.GetPixel(25, 10), kBlack);
    EXPECT_NE(b.GetPixel(10, 12), kBlack);
    // Dashes {2, 2} of a 2-wide pen: 4 on, 4 off from x = 40.
    Pen dashed(QColor(kBlack), 2.0f);
    dashed.SetDashPattern({2.0f, 2.0f});
    g.DrawLine(dashed, 40, 30, 72, 30);
    for (int x = 40; x < 72; ++x) EXPECT_EQ(b.GetPixel(x, 29) == kBlack, (x - 40) % 8 < 4) << x;
    // A rectangle outline of width 4 has full square corners (mitre).
    g.DrawRectangle(Pen(QColor(kRed), 4.0f), RectF{10, 40, 20, 10});
    EXPECT_EQ(b.GetPixel(8, 38), kRed);   // outer corner
    EXPECT_EQ(b.GetPixel(31, 51), kRed);  // opposite outer corner
    EXPECT_NE(b.GetPixel(12, 42), kRed);  // inside
    EXPECT_NE(b.GetPixel(7, 45), kRed);   // outside
}

TEST_F(ImagingTest, DrawImageStretchesWithoutKeepingAspect)
{
    Bitmap src(2, 2);
    src.SetPixel(0, 0, 0xFFFF0000);
    src.SetPixel(1, 0, 0xFF00FF00);
    src.SetPixel(0, 1, 0xFF0000FF);
    src.SetPixel(1, 1, 0xFFFFFF00);
    Bitmap dst = WhiteBitmap(120, 60);
    Graphics g(dst);
    ASSERT_EQ(g.DrawImage(src, RectF{10, 5, 100, 50}), Status::Ok);
    EXPECT_EQ(dst.GetPixel(20, 12), 0xFFFF0000u);
    EXPECT_EQ(dst.GetPixel(100, 12), 0xFF00FF00u);
    EXPECT_EQ(dst.GetPixel(20, 48), 0xFF0000FFu);
    EXPECT_EQ(dst.GetPixel(100, 48), 0xFFFFFF00u);
    EXPECT_EQ(dst.GetPixel(5, 30), 0xFFFFFFFFu);
    EXPECT_EQ(dst.GetPixel(115, 30), 0xFFFFFFFFu);
    // World scale applies to what follows.
    Bitmap dst2 = WhiteBitmap(60, 60);
    Graphics g2(dst2);
    g2.ScaleTransform(0.5f, 0.5f);
    g2.FillRectangle(QColor(kRed), RectF{0, 0, 100, 100});
    EXPECT_EQ(dst2.GetPixel(49, 49), kRed);
    EXPECT_NE(dst2.GetPixel(50, 50), kRed);
}

TEST_F(ImagingTest, CloneZeroFillsOutsideAndKeepsFormat)
{
    Bitmap b(20, 20);
    b.image().fill(kRed);
    const Bitmap c = b.Clone(RectF{-5.0f, -5.0f, 10.0f, 10.0f});
    ASSERT_EQ(c.Width(), 10);
    EXPECT_EQ(c.GetPixel(0, 0), 0u);
    EXPECT_EQ(c.GetPixel(7, 7), kRed);
    EXPECT_EQ(c.image().format(), b.image().format());
    EXPECT_TRUE(b.Clone(RectF{0, 0, 0, 5}).IsNull());
}

struct RotateCase {
    RotateFlipType type;
    int width, height;
    QPoint marker; // where pixel (0, 0) of a 4 x 2 image ends up
};

class RotateFlipTest : public ::testing::TestWithParam<RotateCase> { };

TEST_P(RotateFlipTest, TurnsAndFlips)
{
    const RotateCase c = GetParam();
    Bitmap b(4, 2);
    b.SetResolution(300, 150);
    b.SetPixel(0, 0, kRed);
    ASSERT_EQ(b.RotateFlip(c.type), Status::Ok);
    EXPECT_EQ(b.Width(), c.width);
    EXPECT_EQ(b.Height(), c.height);
    EXPECT_EQ(b.GetPixel(c.marker.x(), c.marker.y()), kRed);
    EXPECT_EQ(b.HorizontalResolution(), 300.0);
}

INSTANTIATE_TEST_SUITE_P(
    AllEight, RotateFlipTest,
    ::testing::Values(RotateCase{RotateFlipType::RotateNoneFlipNone, 4, 2, {0, 0}},
                      RotateCase{RotateFlipType::Rotate90FlipNone, 2, 4, {1, 0}},
                      RotateCase{RotateFlipType::Rotate180FlipNone, 4, 2, {3, 1}},
                      RotateCase{RotateFlipType::Rotate270FlipNone, 2, 4, {0, 3}},
                      RotateCase{RotateFlipType::RotateNoneFlipX, 4, 2, {3, 0}},
                      RotateCase{RotateFlipType::Rotate90FlipX, 2, 4, {0, 0}},
                      RotateCase{RotateFlipType::Rotate180FlipX, 4, 2, {0, 1}},
                      RotateCase{RotateFlipType::Rotate270FlipX, 2, 4, {1, 3}}));

TEST_F(ImagingTest, JpegSaveKeepsDensityAndHonoursQuality)
{
    Bitmap b(200, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) b.SetPixel(x, y, qRgb(x, y * 2, (x * y) & 0xFF));
    b.SetResolution(300, 300);
    const QString good = tempPath("good.jpg");
    const QString poor = tempPath("poor.jpg");
    ASSERT_EQ(b.Save(good, kMimeJpeg, 95), Status::Ok);
    ASSERT_EQ(b.Save(poor, kMimeJpeg, 10), Status::Ok);
    EXPECT_GT(QFile(good).size(), QFile(poor).size());
    const Bitmap back = Bitmap::FromFile(good);
    ASSERT_EQ(back.LastStatus(), Status::Ok);
    EXPECT_EQ(back.Width(), 200);
    // Whole DPIs come back whole, not as 299.9994 (the text sizing truncates them).
    EXPECT_EQ(back.VerticalResolution(), 300.0);
    // The JPEG reader truncates dpi to dots per metre (96 dpi reads as 3779,
    // 95.987 dpi); common densities still come back whole.
    for (int dpi : {72, 96, 150, 200, 300, 600}) {
        Bitmap d(8, 8);
        d.SetResolution(dpi, dpi);
        const QString path = tempPath(QString("dpi%1.jpg").arg(dpi));
        ASSERT_EQ(d.Save(path, kMimeJpeg, 90), Status::Ok);
        EXPECT_EQ(Bitmap::FromFile(path).VerticalResolution(), double(dpi)) << dpi;
    }
    EXPECT_EQ(b.Save(tempPath("x.jpg"), "image/x-nothing"), Status::EncoderNotFound);
    EXPECT_EQ(b.Save(tempPath("no/such/folder/x.png"), kMimePng), Status::WriteFailed);
    EXPECT_FALSE(QFile::exists(tempPath("no/such/folder/x.png")));
    // A failed save leaves an existing file untouched.
    EXPECT_EQ(Bitmap().Save(good, kMimeJpeg), Status::InvalidParameter);
    EXPECT_EQ(Bitmap::FromFile(good).Width(), 200);
}

TEST_F(ImagingTest, EncodersByMimeTypeWriteFilesThatReadBack)
{
    Bitmap b(30, 20);
    b.image().fill(kRed);
    for (const char* mime : {kMimeJpeg, kMimePng, kMimeTiff, kMimeBmp}) {
        const QString path = tempPath(QString("out.%1").arg(QString(mime).mid(6)));
        ASSERT_EQ(b.Save(path, mime), Status::Ok) << mime;
        const Bitmap back = Bitmap::FromFile(path);
        EXPECT_EQ(back.Width(), 30) << mime;
        EXPECT_GT(qRed(back.GetPixel(15, 10)), 240) << mime;
    }
    // Qt has no GIF writer: the save says so instead of writing something else.
    EXPECT_EQ(b.Save(tempPath("out.gif"), kMimeGif), Status::EncoderNotFound);
    EXPECT_FALSE(QFile::exists(tempPath("out.gif")));
}

TEST_F(ImagingTest, ExifOrientationIsReadButNotApplied)
{
    for (int orientation : {1, 3, 6, 8}) {
        const QString path = writeFile(QString("o%1.jpg").arg(orientation), JpegWithOrientation(orientation));
        const Bitmap b = Bitmap::FromFile(path);
        ASSERT_EQ(b.LastStatus(), Status::Ok);
        EXPECT_EQ(b.ExifOrientation(), orientation);
        EXPECT_EQ(b.Width(), 40);
        EXPECT_EQ(b.Height(), 20);
    }
    EXPECT_EQ(Bitmap::FromFile(writeFile("plain.png", {})).ExifOrientation(), 1);
}

TEST_F(ImagingTest, UnreadableAndUndrawableImagesFailQuietly)
{
    const Bitmap missing = Bitmap::FromFile(tempPath("absent.jpg"));
    EXPECT_EQ(missing.Width(), 0);
    EXPECT_EQ(missing.LastStatus(), Status::FileNotFound);
    Bitmap garbage = Bitmap::FromFile(writeFile("garbage.jpg", QByteArray(100, 'x')));
    EXPECT_TRUE(garbage.IsNull());
    EXPECT_NE(garbage.LastStatus(), Status::Ok);
    Graphics onGarbage(garbage);
    EXPECT_NE(onGarbage.GetLastStatus(), Status::Ok);
    EXPECT_NE(onGarbage.FillRectangle(Qt::red, RectF{0, 0, 5, 5}), Status::Ok);
    EXPECT_NE(onGarbage.DrawString("x", Font("DejaVu Sans", 9), RectF{}, StringFormat{}, Qt::black), Status::Ok);

    Bitmap target = WhiteBitmap(10, 10);
    Graphics g(target);
    EXPECT_EQ(g.DrawImage(missing, RectF{0, 0, 5, 5}), Status::InvalidParameter);

    QImage palette(8, 8, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    palette.fill(1);
    Bitmap indexed(palette);
    Graphics onIndexed(indexed);
    EXPECT_EQ(onIndexed.GetLastStatus(), Status::UnsupportedPixelFormat);
    // Pixel writes still work: the image becomes 32-bit first.
    EXPECT_EQ(indexed.SetPixel(2, 2, kRed), Status::Ok);
    EXPECT_EQ(indexed.GetPixel(2, 2), kRed);
    EXPECT_EQ(indexed.GetPixel(3, 3), 0xFFFFFFFFu);
}

TEST_F(ImagingTest, AllocationLimitRefusesHugeImages)
{
    QImage big(1200, 1200, QImage::Format_RGB32);
    big.fill(Qt::blue);
    const QString path = tempPath("big.png");
    ASSERT_TRUE(big.save(path));
    const int saved = Bitmap::AllocationLimitMB();
    Bitmap::SetAllocationLimitMB(2);
    EXPECT_EQ(Bitmap(2000, 2000).LastStatus(), Status::OutOfMemory);
    EXPECT_TRUE(Bitmap::FromFile(path).IsNull());
    Bitmap::SetAllocationLimitMB(saved);
    EXPECT_EQ(Bitmap::FromFile(path).Width(), 1200);
}
