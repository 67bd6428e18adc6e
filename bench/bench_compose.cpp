// Composition cost: the full-resolution render a save does, and the preview
// redraw the editor runs after every command (target: well under 16 ms for a
// typical board).
#include "platform/imaging.h"
#include "render/compose.h"
#include "render/geometry.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace sw;

namespace {

QTemporaryDir* gFolder = nullptr;

QString WriteImage(const QString& name, int w, int h, const QColor& a, const QColor& b)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(img.rect(), a);
    p.setPen(QPen(b, 9));
    for (int x = 0; x < w; x += 40)
        p.drawLine(x, 0, w - x, h);
    p.end();
    const QString path = gFolder->filePath(name);
    if (!QFileInfo::exists(path))
        img.save(path, "JPEG", 90);
    return path;
}

// Three texts in every strip, prices with columns and calorie parts, and a
// picture in every fourth strip (8 of a 2 x 16 board).
MenuBoard TypicalBoard(int columns, int rows, int pictureEvery, const QString& pictureSize)
{
    MenuBoard board;
    board.NumberOfColumns = columns;
    board.NumberOfRows = rows;
    int n = 0;
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r, ++n) {
            MenuStrip& s = board.strip(c, r);
            s.MainItem.Text = QStringLiteral("Double Cheeseburger %1").arg(n);
            s.MainItem.Xref = 0.05;
            s.MainItem.Yref = 0.05;
            s.MainItem.Bold = true;
            s.MainItem.DropShadowColor = Rgb(0, 0, 0);
            s.SubItems.Text = QStringLiteral("lettuce, tomato, onion, pickles");
            s.SubItems.Xref = 0.05;
            s.SubItems.Yref = 0.5;
            s.SubItems.ScaleFactor = 0.6;
            s.Prices.Text = QStringLiteral("Sm^Lg\r\n4.99>520 Cal^6.49>780 Cal");
            s.Prices.Xref = 0.95;
            s.Prices.Yref = 0.1;
            s.Prices.GroupAlignment = AlignRight;
            s.BackGroundColor = (n % 3 == 0) ? Rgb(120, 20, 20) : ClearColor;
            if (pictureEvery > 0 && n % pictureEvery == 0) {
                s.SubImageFileName = gFolder->filePath(QStringLiteral("pic%1_%2.jpg").arg(n % 8).arg(pictureSize));
                s.XOffsetFactor = 0.6;
                s.XSizeFactor = 0.35;
                s.SubImageFrameIndex = 1 + n % 9;
                s.SubImageCropPercentageX = 100;
                s.SubImageCropPercentageY = 100;
            }
        }
    }
    return board;
}

void PreparePictures(const QString& size, int w, int h)
{
    for (int i = 0; i < 8; ++i)
        WriteImage(QStringLiteral("pic%1_%2.jpg").arg(i).arg(size), w, h, QColor(40 * i, 120, 200 - 20 * i),
                   Qt::yellow);
}

// A save's render: the full background loaded from disk, every strip composed
// with SaveRenderActive set, pictures read at full size.
void ComposeFullResolution(benchmark::State& state, int columns, int rows, int pictureEvery)
{
    const QString background = WriteImage("bg_1920.jpg", 1920, 1080, QColor(30, 60, 90), QColor(90, 30, 60));
    PreparePictures("full", 1200, 900);
    const MenuBoard board = TypicalBoard(columns, rows, pictureEvery, "full");
    BoardGeometry geometry;
    PlaceBoard(geometry, {0, 0, 1921, 1081}, std::nullopt, {1920, 1080, 96});
    ComputeStripGrid(geometry, board);
    ComposeContext context;
    context.flags.SaveRenderActive = true;
    for (auto _ : state) {
        Bitmap image = Bitmap::FromFile(background);
        Graphics g(image);
        benchmark::DoNotOptimize(ComposeBoard(board, geometry, g, context));
    }
}

void BM_ComposeTypical2x16(benchmark::State& state) { ComposeFullResolution(state, 2, 16, 4); }
void BM_Compose8x200(benchmark::State& state) { ComposeFullResolution(state, 8, 200, 0); }

// The preview after an edit: the board composed on a copy of the decoded
// 1600 x 900 background proxy (the editor keeps it decoded between redraws,
// as it keeps the pictures) and drawn scaled into a 1200 x 700 preview.
void PreviewRedraw(benchmark::State& state, int pictureEvery)
{
    const QString proxy = WriteImage("Background_Proxy.jpg", 1600, 900, QColor(30, 60, 90), QColor(90, 30, 60));
    PreparePictures("proxy", 1600, 1200);
    const MenuBoard board = TypicalBoard(2, 16, pictureEvery, "proxy");
    BoardGeometry geometry;
    const EdgeRect client{0, 0, 1200, 700};
    PlaceBoard(geometry, client, std::nullopt, {1600, 900, 96});
    ComputeStripGrid(geometry, board);
    ComposeContext context;
    context.flags.BackgroundProxyInUse = true;
    context.flags.PictureProxiesInUse = true;
    QImage window(1200, 700, QImage::Format_RGB32);
    const Bitmap decoded = Bitmap::FromFile(proxy);
    for (auto _ : state) {
        Bitmap image = decoded;
        PlaceBoard(geometry, client, std::nullopt,
                   {std::uint32_t(image.Width()), std::uint32_t(image.Height()), image.VerticalResolution()});
        {
            Graphics g(image);
            ComposeBoard(board, geometry, g, context);
        }
        QPainter p(&window);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(geometry.BoardRect.left, geometry.BoardRect.top, geometry.BoardRect.width(),
                           geometry.BoardRect.height()),
                    image.image());
        p.end();
        ComputeStripGrid(geometry, board);
        benchmark::DoNotOptimize(window.constBits());
    }
}

void BM_PreviewRedrawTypical2x16(benchmark::State& state) { PreviewRedraw(state, 4); }
// The same without pictures: what the texts and boxes cost on their own.
void BM_PreviewRedrawTextsOnly2x16(benchmark::State& state) { PreviewRedraw(state, 0); }

} // namespace

BENCHMARK(BM_ComposeTypical2x16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compose8x200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewRedrawTypical2x16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewRedrawTextsOnly2x16)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    gFolder = &folder;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
