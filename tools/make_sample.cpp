// Builds samples/Sample_LAYOUT.TABLOR: a complete menu board made by our own
// code, so a newcomer has something real to open, edit and save. Everything
// in it (background, pictures, texts) is drawn here.
//
//   make_sample [OUTPUT_PACKAGE]
#include "layout_io/document_writer.h"
#include "layout_io/package.h"
#include "model/board.h"
#include "model/palette.h"

#include <QGuiApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>

namespace {

using namespace sw;

constexpr int kBoardWidth = 1920;
constexpr int kBoardHeight = 1080;
constexpr int kColumns = 2;
constexpr int kRows = 10;
const QString kTitleFont = QStringLiteral("Bebas Neue");
const QString kBodyFont = QStringLiteral("Open Sans");

ColorRef Named(const char* name)
{
    for (int i = 0; i < PaletteSize; ++i)
        if (PaletteName(i) == QLatin1String(name))
            return PaletteColor(i);
    return WhiteColor;
}

bool SaveJpeg(const QImage& image, const QString& path, int quality)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    return writer.write(image);
}

// A dark slate board with a soft light falloff and fine chalk dust.
QImage DrawBackground()
{
    QImage img(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, 0, kBoardHeight);
    base.setColorAt(0.0, QColor(44, 48, 46));
    base.setColorAt(1.0, QColor(22, 25, 24));
    p.fillRect(img.rect(), base);

    QRadialGradient glow(QPointF(kBoardWidth * 0.5, kBoardHeight * 0.35), kBoardWidth * 0.7);
    glow.setColorAt(0.0, QColor(255, 240, 210, 38));
    glow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(img.rect(), glow);

    QRandomGenerator rng(20240611);
    // Broad, faint smudges of old chalk.
    for (int i = 0; i < 60; ++i) {
        const QPointF c(rng.bounded(kBoardWidth), rng.bounded(kBoardHeight));
        const double r = 60 + rng.bounded(220);
        QRadialGradient smudge(c, r);
        smudge.setColorAt(0.0, QColor(255, 255, 255, 7));
        smudge.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(smudge);
        p.drawEllipse(c, r, r * 0.6);
    }
    // A wooden frame around the slate.
    const int frame = 18;
    QLinearGradient wood(0, 0, kBoardWidth, kBoardHeight);
    wood.setColorAt(0.0, QColor(120, 78, 44));
    wood.setColorAt(0.5, QColor(92, 58, 32));
    wood.setColorAt(1.0, QColor(70, 43, 24));
    QPainterPath outer;
    outer.addRect(img.rect());
    QPainterPath inner;
    inner.addRect(img.rect().adjusted(frame, frame, -frame, -frame));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawPath(outer.subtracted(inner));
    p.setPen(QPen(QColor(40, 25, 14), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(img.rect().adjusted(frame, frame, -frame, -frame));

    // The heading lives in the top row, which has no strips in use.
    const QColor cream(246, 236, 214);
    const QColor gold(214, 168, 72);
    QFont title(kTitleFont);
    title.setPixelSize(80);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 150));
    const QRect titleBox(0, 6, kBoardWidth, 78);
    p.drawText(titleBox.translated(3, 4), Qt::AlignCenter, QStringLiteral("THE CORNER GRILL"));
    p.setPen(cream);
    p.drawText(titleBox, Qt::AlignCenter, QStringLiteral("THE CORNER GRILL"));
    QFont tag(kBodyFont);
    tag.setPixelSize(20);
    tag.setItalic(true);
    p.setFont(tag);
    p.setPen(gold);
    p.drawText(QRect(0, 78, kBoardWidth, 26), Qt::AlignCenter,
               QStringLiteral("flame grilled  \u2022  fresh every day  \u2022  since 1987"));
    p.setPen(QPen(gold, 2));
    p.drawLine(QPointF(140, 46), QPointF(600, 46));
    p.drawLine(QPointF(kBoardWidth - 600, 46), QPointF(kBoardWidth - 140, 46));
    // The column divider.
    QLinearGradient rule(0, 160, 0, 820);
    rule.setColorAt(0.0, QColor(214, 168, 72, 0));
    rule.setColorAt(0.15, QColor(214, 168, 72, 170));
    rule.setColorAt(0.85, QColor(214, 168, 72, 170));
    rule.setColorAt(1.0, QColor(214, 168, 72, 0));
    p.setPen(QPen(QBrush(rule), 2));
    p.drawLine(QPointF(kBoardWidth / 2.0, 160), QPointF(kBoardWidth / 2.0, 820));
    p.end();
    return img;
}

// A table top under a warm light: the stage every food picture sits on.
void DrawStage(QPainter& p, const QRectF& r)
{
    QLinearGradient table(r.topLeft(), r.bottomLeft());
    table.setColorAt(0.0, QColor(96, 62, 38));
    table.setColorAt(1.0, QColor(58, 36, 22));
    p.fillRect(r, table);
    p.setPen(QPen(QColor(0, 0, 0, 40), 2));
    for (double y = r.top() + 30; y < r.bottom(); y += 46)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y + 6));
    QRadialGradient light(r.center() - QPointF(0, r.height() * 0.2), r.width() * 0.6);
    light.setColorAt(0.0, QColor(255, 230, 180, 90));
    light.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillRect(r, light);
}

void Shadow(QPainter& p, const QPointF& c, double w, double h)
{
    QRadialGradient g(c, w);
    g.setColorAt(0.0, QColor(0, 0, 0, 120));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, w, h);
}

QImage DrawBurger(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(img.rect());
    DrawStage(p, r);
    const double cx = r.width() * 0.5;
    const double w = r.height() * 0.95;
    const double base = r.height() * 0.86;
    Shadow(p, QPointF(cx, base + 6), w * 0.62, r.height() * 0.08);

    auto bun = [&](const QRectF& box, bool top) {
        QLinearGradient g(box.topLeft(), box.bottomLeft());
        g.setColorAt(0.0, QColor(228, 160, 74));
        g.setColorAt(1.0, QColor(170, 98, 36));
        p.setBrush(g);
        p.setPen(QPen(QColor(120, 66, 24), 2));
        QPainterPath path;
        if (top) {
            path.moveTo(box.bottomLeft());
            path.cubicTo(box.left(), box.top() - box.height() * 0.2, box.right(), box.top() - box.height() * 0.2,
                         box.right(), box.bottom());
            path.closeSubpath();
        } else {
            path.addRoundedRect(box, box.height() * 0.45, box.height() * 0.45);
        }
        p.drawPath(path);
    };
    // Bottom bun, patty, cheese, lettuce, tomato, top bun.
    bun(QRectF(cx - w * 0.5, base - r.height() * 0.12, w, r.height() * 0.13), false);
    p.setBrush(QColor(86, 46, 26));
    p.setPen(QPen(QColor(54, 28, 16), 2));
    p.drawRoundedRect(QRectF(cx - w * 0.53, base - r.height() * 0.27, w * 1.06, r.height() * 0.16), 18, 18);
    QPainterPath cheese;
    const double cheeseTop = base - r.height() * 0.3;
    cheese.moveTo(cx - w * 0.55, cheeseTop);
    cheese.lineTo(cx + w * 0.55, cheeseTop);
    cheese.lineTo(cx + w * 0.42, cheeseTop + r.height() * 0.1);
    cheese.lineTo(cx + w * 0.25, cheeseTop + r.height() * 0.05);
    cheese.lineTo(cx - w * 0.05, cheeseTop + r.height() * 0.13);
    cheese.lineTo(cx - w * 0.3, cheeseTop + r.height() * 0.05);
    cheese.lineTo(cx - w * 0.5, cheeseTop + r.height() * 0.09);
    cheese.closeSubpath();
    p.setBrush(QColor(255, 196, 40));
    p.setPen(QPen(QColor(214, 150, 20), 2));
    p.drawPath(cheese);
    p.setBrush(QColor(206, 44, 38));
    p.setPen(QPen(QColor(150, 24, 20), 2));
    p.drawRoundedRect(QRectF(cx - w * 0.5, base - r.height() * 0.36, w, r.height() * 0.07), 10, 10);
    QPainterPath lettuce;
    const double ly = base - r.height() * 0.38;
    lettuce.moveTo(cx - w * 0.58, ly);
    for (int i = 0; i <= 12; ++i) {
        const double x = cx - w * 0.58 + i * (w * 1.16 / 12);
        lettuce.quadTo(x - w * 0.05, ly + (i % 2 ? 18 : -6), x, ly + 4);
    }
    lettuce.lineTo(cx + w * 0.55, ly - 12);
    lettuce.lineTo(cx - w * 0.55, ly - 12);
    lettuce.closeSubpath();
    p.setBrush(QColor(104, 182, 58));
    p.setPen(QPen(QColor(60, 120, 30), 2));
    p.drawPath(lettuce);
    const QRectF top(cx - w * 0.52, base - r.height() * 0.72, w * 1.04, r.height() * 0.34);
    bun(top, true);
    QRandomGenerator rng(7);
    p.setBrush(QColor(250, 238, 200));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const double x = top.left() + top.width() * (0.15 + 0.7 * rng.generateDouble());
        const double y = top.top() + top.height() * (0.25 + 0.5 * rng.generateDouble());
        p.save();
        p.translate(x, y);
        p.rotate(rng.bounded(180));
        p.drawEllipse(QPointF(0, 0), 7, 3.5);
        p.restore();
    }
    p.end();
    return img;
}

QImage DrawFries(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(img.rect());
    DrawStage(p, r);
    const double cx = r.width() * 0.5;
    const double h = r.height();
    Shadow(p, QPointF(cx, h * 0.9), h * 0.45, h * 0.07);
    QRandomGenerator rng(11);
    for (int i = 0; i < 28; ++i) {
        const double x = cx - h * 0.26 + rng.generateDouble() * h * 0.52;
        const double top = h * (0.06 + 0.18 * rng.generateDouble());
        p.save();
        p.translate(x, h * 0.6);
        p.rotate(-12 + rng.bounded(24));
        QLinearGradient g(-8, 0, 8, 0);
        g.setColorAt(0.0, QColor(236, 176, 60));
        g.setColorAt(0.5, QColor(255, 218, 110));
        g.setColorAt(1.0, QColor(214, 150, 44));
        p.setBrush(g);
        p.setPen(QPen(QColor(190, 128, 30), 1.5));
        p.drawRect(QRectF(-9, top - h * 0.6, 18, h * 0.6 - top + 20));
        p.restore();
    }
    QPainterPath box;
    box.moveTo(cx - h * 0.34, h * 0.42);
    box.lineTo(cx + h * 0.34, h * 0.42);
    box.lineTo(cx + h * 0.26, h * 0.9);
    box.lineTo(cx - h * 0.26, h * 0.9);
    box.closeSubpath();
    QLinearGradient red(cx - h * 0.34, 0, cx + h * 0.34, 0);
    red.setColorAt(0.0, QColor(170, 20, 24));
    red.setColorAt(0.5, QColor(222, 40, 40));
    red.setColorAt(1.0, QColor(150, 16, 20));
    p.setBrush(red);
    p.setPen(QPen(QColor(110, 10, 12), 2));
    p.drawPath(box);
    p.setBrush(QColor(255, 204, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx, h * 0.64), h * 0.09, h * 0.09);
    p.end();
    return img;
}

QImage DrawShake(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(img.rect());
    DrawStage(p, r);
    const double cx = r.width() * 0.5;
    const double h = r.height();
    Shadow(p, QPointF(cx, h * 0.92), h * 0.3, h * 0.06);
    // Straw, cream, glass.
    p.setPen(QPen(QColor(200, 30, 60), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx + h * 0.05, h * 0.3), QPointF(cx + h * 0.16, h * 0.02));
    p.setPen(QPen(QColor(240, 236, 228), 1));
    p.setBrush(QColor(252, 248, 240));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(cx - h * 0.08 + i * h * 0.08, h * 0.27 - (i == 1 ? h * 0.06 : 0)), h * 0.1, h * 0.08);
    p.setBrush(QColor(196, 20, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx, h * 0.14), h * 0.04, h * 0.04);
    QPainterPath glass;
    glass.moveTo(cx - h * 0.2, h * 0.3);
    glass.lineTo(cx + h * 0.2, h * 0.3);
    glass.lineTo(cx + h * 0.13, h * 0.9);
    glass.lineTo(cx - h * 0.13, h * 0.9);
    glass.closeSubpath();
    QLinearGradient pink(cx - h * 0.2, 0, cx + h * 0.2, 0);
    pink.setColorAt(0.0, QColor(226, 136, 160));
    pink.setColorAt(0.45, QColor(250, 188, 204));
    pink.setColorAt(1.0, QColor(206, 110, 138));
    p.setBrush(pink);
    p.setPen(QPen(QColor(255, 255, 255, 160), 3));
    p.drawPath(glass);
    p.setPen(QPen(QColor(255, 255, 255, 110), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - h * 0.13, h * 0.38), QPointF(cx - h * 0.09, h * 0.8));
    p.end();
    return img;
}

void StyleItem(MenuStrip& s, const QString& main, const QString& sub, const QString& prices)
{
    ResetStrip(s);
    s.MainItem.Text = main;
    s.MainItem.Font = kTitleFont;
    s.MainItem.ScaleFactor = 0.42;
    s.MainItem.Xref = 0.07;
    s.MainItem.Yref = 0.1;
    s.MainItem.TextColor = Named("White");
    s.MainItem.DropShadowColor = Named("Black");

    s.SubItems.Text = sub;
    s.SubItems.Font = kBodyFont;
    s.SubItems.ScaleFactor = 0.2;
    s.SubItems.Xref = 0.07;
    s.SubItems.Yref = 0.56;
    s.SubItems.Italics = true;
    s.SubItems.TextColor = Named("Beige");

    s.Prices.Text = prices;
    s.Prices.Font = kTitleFont;
    s.Prices.ScaleFactor = 0.4;
    s.Prices.Xref = 0.93;
    s.Prices.Yref = 0.1;
    s.Prices.TextColor = Named("Med Yellow");
    s.Prices.DropShadowColor = Named("Black");
    s.CaloriesTextColor = Named("Light Gray");
    s.CaloriesItalics = false;
    s.PriceTabSpacingFactor = 6.0;
}

void StyleHeading(MenuStrip& s, const QString& text, ColorRef box)
{
    ResetStrip(s);
    s.MainItem.Text = text;
    s.MainItem.Font = kTitleFont;
    s.MainItem.ScaleFactor = 0.55;
    s.MainItem.Yref = 0.06;
    s.MainItem.CenterInStrip = true;
    s.MainItem.TextColor = Named("White");
    s.MainItem.DropShadowColor = Named("Dark Gray");
    s.BackGroundColor = box;
    s.XOffsetFactor = 0.05;
    s.XSizeFactor = 0.9;
    s.YOffsetFactor = 0.1;
    s.YSizeFactor = 0.78;
}

void StylePicture(MenuStrip& s, const QString& path, double x)
{
    ResetStrip(s);
    s.SubImageFileName = path;
    s.SubImageFrameIndex = 4; // white, thin
    s.XOffsetFactor = x;
    s.XSizeFactor = 0.44;
    s.YOffsetFactor = 0.15;
    s.YSizeFactor = 1.75;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QString output = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("samples/Sample_LAYOUT.TABLOR");

    QTemporaryDir work;
    if (!work.isValid()) {
        err << "make_sample: cannot make a temporary folder\n";
        return 1;
    }
    const QDir dir(work.path());
    const QString background = dir.filePath(QStringLiteral("Background.jpg"));
    // A picture box of 0.44 x 1.75 strips: 422 x 189 board pixels.
    const QSize pictureSize(844, 378);
    const QString burger = dir.filePath(QStringLiteral("Burger.jpg"));
    const QString fries = dir.filePath(QStringLiteral("Fries.jpg"));
    const QString shake = dir.filePath(QStringLiteral("Shake.jpg"));
    if (!SaveJpeg(DrawBackground(), background, 88) || !SaveJpeg(DrawBurger(pictureSize), burger, 85)
        || !SaveJpeg(DrawFries(pictureSize), fries, 85) || !SaveJpeg(DrawShake(pictureSize), shake, 85)) {
        err << "make_sample: cannot write the images\n";
        return 1;
    }

    MenuBoard board;
    board.NumberOfColumns = kColumns;
    board.NumberOfRows = kRows;
    board.BackgroundFileName = background;

    StyleHeading(board.strip(0, 1), QStringLiteral("BURGERS"), Named("Ruby"));
    StyleItem(board.strip(0, 2), QStringLiteral("Classic Cheeseburger"),
              QStringLiteral("Cheddar, lettuce, tomato, house sauce"), QStringLiteral("4.99^6.49"));
    StyleItem(board.strip(0, 3), QStringLiteral("Bacon BBQ Stack"), QStringLiteral("Smoked bacon, onion rings, BBQ glaze"),
              QStringLiteral("890 Cal\u00A0\u00A0<$7.49"));
    StyleItem(board.strip(0, 4), QStringLiteral("Mushroom Swiss"), QStringLiteral("Sauteed mushrooms, Swiss, garlic mayo"),
              QStringLiteral("720 Cal\u00A0\u00A0<$6.99"));
    StyleItem(board.strip(0, 5), QStringLiteral("Spicy Jalapeno"), QStringLiteral("Pepper jack, jalapenos, chipotle"),
              QStringLiteral("760 Cal\u00A0\u00A0<$6.79"));
    StyleItem(board.strip(0, 6), QStringLiteral("Crispy Chicken"), QStringLiteral("Buttermilk fried, pickles, slaw"),
              QStringLiteral("640 Cal\u00A0\u00A0<$6.49"));
    StyleItem(board.strip(0, 7), QStringLiteral("Garden Veggie"), QStringLiteral("Black bean patty, avocado, sprouts"),
              QStringLiteral("550 Cal\u00A0\u00A0<$5.99"));
    StylePicture(board.strip(0, 8), burger, 0.04);
    StylePicture(board.strip(0, 9), fries, 0.52);
    board.strip(0, 9).YOffsetFactor = -0.85;

    StyleHeading(board.strip(1, 1), QStringLiteral("SIDES & SHAKES"), Named("Dark Green"));
    StyleItem(board.strip(1, 2), QStringLiteral("Golden Fries"), QStringLiteral("Sea salt, skin on"),
              QStringLiteral("Reg^Large\r\n2.49^3.29"));
    StyleItem(board.strip(1, 3), QStringLiteral("Onion Rings"), QStringLiteral("Beer battered, ranch dip"),
              QStringLiteral("410 Cal\u00A0\u00A0<$3.49"));
    StyleItem(board.strip(1, 4), QStringLiteral("Sweet Potato Fries"), QStringLiteral("Cinnamon sugar or sea salt"),
              QStringLiteral("380 Cal\u00A0\u00A0<$3.29"));
    StyleItem(board.strip(1, 5), QStringLiteral("Hand-Spun Shakes"), QStringLiteral("Vanilla, chocolate, strawberry"),
              QStringLiteral("4.29^5.19"));
    StyleItem(board.strip(1, 6), QStringLiteral("Fresh Lemonade"), QStringLiteral("Squeezed to order"),
              QStringLiteral("180 Cal\u00A0\u00A0<$2.79"));
    StyleItem(board.strip(1, 7), QStringLiteral("Fountain Drinks"), QStringLiteral("Free refills"),
              QStringLiteral("1.89^2.29"));
    StylePicture(board.strip(1, 8), shake, 0.04);
    // Beside the picture, the same strip invites to a combo. Its texts are
    // placed from the picture box's corner in strip widths and heights.
    MenuStrip& combo = board.strip(1, 8);
    combo.MainItem.Text = QStringLiteral("Make it a combo!");
    combo.MainItem.Font = kTitleFont;
    combo.MainItem.ScaleFactor = 0.5;
    combo.MainItem.Xref = 0.5;
    combo.MainItem.Yref = 0.2;
    combo.MainItem.TextColor = Named("Med Yellow");
    combo.MainItem.DropShadowColor = Named("Black");
    combo.SubItems.Text = QStringLiteral("Fries + drink with any burger\r\nadd $2.99");
    combo.SubItems.Font = kBodyFont;
    combo.SubItems.ScaleFactor = 0.22;
    combo.SubItems.Xref = 0.5;
    combo.SubItems.Yref = 0.85;
    combo.SubItems.TextColor = Named("White");

    PackRequest request;
    request.packagePath = QFileInfo(output).absoluteFilePath();
    request.workFolder = work.path();
    request.backgroundSource = background;
    request.documentText = WriteLayoutDocument(board, kBackgroundEntryName);
    // Pictures in the order the document lists them: column by column.
    request.picturePaths = {burger, fries, shake};
    QDir().mkpath(QFileInfo(request.packagePath).absolutePath());
    QString error;
    if (Pack(request, &error) == PackResult::Failed) {
        err << "make_sample: " << error << "\n";
        return 1;
    }
    QTextStream(stdout) << "wrote " << request.packagePath << "\n";
    return 0;
}
