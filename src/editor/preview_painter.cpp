#include "editor/preview_painter.h"

#include "platform/imaging.h"
#include "platform/window_title.h"
#include "render/compose.h"
#include "render/tv_image.h"

#include <QFileInfo>
#include <QPainter>

namespace sw {

namespace {

QRectF ToQt(const FloatRect& r) { return QRectF(r.X, r.Y, r.Width, r.Height); }

FloatRect Enlarged(const FloatRect& r, float dx, float dy)
{
    return {r.X - dx, r.Y - dy, r.Width + 2 * dx, r.Height + 2 * dy};
}

} // namespace

void DrawOutline(QPainter& p, const FloatRect& rect, bool thick)
{
    const QRectF r = ToQt(rect).adjusted(2, 2, -2, -2);
    const qreal width = thick ? 3.0 : 2.0;
    p.save();
    p.setBrush(Qt::NoBrush);
    QPen black(QColor(0, 0, 0), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(black);
    p.drawRect(r);
    QPen white(QColor(255, 255, 255), width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    white.setDashPattern({2, 2});
    p.setPen(white);
    p.drawRect(r);
    p.restore();
}

void PreviewPainter::invalidate()
{
    if (!ctx_.Preview.Painting)
        ctx_.Controls.invalidate();
}

EdgeRect PreviewPainter::ClientRect() const
{
    const QSize s = ctx_.Controls.clientSize();
    return EdgeRect{0, 0, s.width(), s.height()};
}

std::optional<EdgeRect> PreviewPainter::MainEditBoxRect() const
{
    const QRect r = ctx_.Controls.controlRect(ctl::MainItemEdit);
    if (r.isNull())
        return std::nullopt;
    return EdgeRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void PreviewPainter::ensureSurface()
{
    const QSize size = ctx_.Controls.clientSize().expandedTo(QSize(1, 1));
    if (ctx_.Surface.size() == size)
        return;
    QImage fresh(size, QImage::Format_ARGB32_Premultiplied);
    fresh.fill(kButtonFaceColor);
    if (!ctx_.Surface.isNull()) {
        QPainter p(&fresh);
        p.drawImage(0, 0, ctx_.Surface);
    }
    ctx_.Surface = fresh;
}

void PreviewPainter::ErasePreviewArea()
{
    const auto edit = MainEditBoxRect();
    if (!edit)
        return;
    ensureSurface();
    const EdgeRect client = ClientRect();
    QPainter p(&ctx_.Surface);
    p.fillRect(QRect(QPoint(edit->left, edit->bottom), QPoint(client.right - 1, client.bottom - 1)),
               kButtonFaceColor);
    invalidate();
}

QString PreviewPainter::boardImagePath() const
{
    if (ctx_.Preview.Flags.BackgroundProxyInUse) {
        const QString proxy = ctx_.Paths.WorkFolder + QLatin1Char('/') + kBackgroundProxyFileName;
        if (QFileInfo::exists(proxy))
            return proxy;
    }
    return ctx_.Board.BackgroundFileName;
}

Bitmap PreviewPainter::boardImage(const QString& path)
{
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    const qint64 size = info.exists() ? info.size() : -1;
    DecodedBackground& b = background_;
    if (b.path != path || b.modified != modified || b.size != size || b.image.IsNull())
        b = DecodedBackground{path, modified, size, Bitmap::FromFile(path)};
    return b.image;
}

void PreviewPainter::showResolution(const QString& imagePath)
{
    const Bitmap image = Bitmap::FromFile(imagePath);
    const int dpi = int(image.VerticalResolution());
    ctx_.Geometry.BoardDpi = dpi;
    const int w = image.Width();
    const int h = image.Height();
    if (w <= 0 || dpi <= 0)
        return;
    const QString text = kResolutionFormat.arg(w)
                             .arg(h)
                             .arg(dpi)
                             .arg(QString::asprintf("%0.1f", double(float(w) / float(dpi))))
                             .arg(QString::asprintf("%0.1f", double(float(h) / float(dpi))));
    ctx_.Controls.setWindowTitle(ComposeWindowTitle(ctx_.Paths.CurrentFileName + text));
}

bool PreviewPainter::RedrawPreview(bool erase, bool layoutOnly)
{
    ensureSurface();
    bool ok = true;
    QPainter p(&ctx_.Surface);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (ctx_.LayoutLoaded()) {
        const EdgeRect client = ClientRect();
        const auto editBox = MainEditBoxRect();
        if (erase && ctx_.Preview.ErasePending) {
            EdgeRect area = PreviewArea(client, editBox);
            area.left -= 10;
            p.fillRect(QRect(area.left, area.top, area.width(), area.height()), kButtonFaceColor);
            ctx_.Preview.ErasePending = false;
        }
        if (ctx_.Preview.ResolutionRequested) {
            showResolution(ctx_.Board.BackgroundFileName);
            ctx_.Preview.ResolutionRequested = false;
        }
        // A copy of the decoded image: composing draws into it, which detaches
        // it from the one kept for the next redraw.
        Bitmap image = boardImage(boardImagePath());
        PlaceBoard(ctx_.Geometry, client, editBox,
                   BoardImageInfo{std::uint32_t(std::max(0, image.Width())), std::uint32_t(std::max(0, image.Height())),
                                  image.VerticalResolution()});
        // The grid follows the placement before composing, so a board opened
        // with other counts or a resized window never composes on stale cells.
        ComputeStripGrid(ctx_.Geometry, ctx_.Board);
        if (!layoutOnly && !image.IsNull()) {
            {
                Graphics g(image);
                if (g.GetLastStatus() != Status::Ok) {
                    ok = false;
                } else {
                    if (ctx_.Board.WhitePrintBackground)
                        g.FillRectangle(QColor(255, 255, 255, 255),
                                        RectF{0, 0, float(image.Width()), float(image.Height())});
                    ComposeContext cc;
                    cc.flags = ctx_.Preview.Flags;
                    cc.flags.WhitePrint = ctx_.Board.WhitePrintBackground;
                    cc.CurrentColor = ctx_.State.CurrentColor;
                    cc.LegacyLayoutOpened = ctx_.Paths.LegacyLayoutOpened;
                    cc.probe = &ctx_.Preview.Probe;
                    cc.fonts = fonts_;
                    ComposeBoard(ctx_.Board, ctx_.Geometry, g, cc);
                }
            }
            const EdgeRect& b = ctx_.Geometry.BoardRect;
            const FloatRect dest{float(b.left), float(b.top), float(b.width()), float(b.height())};
            p.drawImage(ToQt(dest), image.image());
            ctx_.Geometry.PreviewImageRect = dest;
            if (ctx_.Controls.isChecked(ctl::VerticalGrid))
                drawColumnGrid(p);
            ++ctx_.Preview.Redraws;
        }
    }
    drawSelectionOutlines(p);
    invalidate();
    return ok;
}

void PreviewPainter::drawColumnGrid(QPainter& p)
{
    const FloatRect& r = ctx_.Geometry.PreviewImageRect;
    const QColor light(160, 160, 160);
    const QColor dark(100, 100, 100);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(light, 1.0));
    p.drawRect(ToQt(r));
    const int top = int(r.Y);
    const int bottom = int(r.Y + r.Height);
    const int w = int(ctx_.Geometry.StripRect({0, 0}).Width);
    int x = int(r.X + float(w));
    for (int column = 1; column < ctx_.Board.usedColumns(); ++column) {
        p.setPen(QPen(light, 1.0));
        p.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, bottom));
        p.setPen(QPen(dark, 1.0));
        p.drawLine(QPointF(x + 1.5, top), QPointF(x + 1.5, bottom));
        x += w;
    }
    p.restore();
}

void PreviewPainter::drawSelectionOutlines(QPainter& p)
{
    const EditorState& st = ctx_.State;
    if (st.PictureEditActive)
        DrawOutline(p, ctx_.Geometry.PictureHitRect(st.PictureStrip), true);
    if (st.BackgroundEditActive)
        DrawOutline(p,
                    PictureBoxWindow(ctx_.Board.strip(st.BackgroundStrip),
                                     ctx_.Geometry.StripRect(st.BackgroundStrip)),
                    true);
    if (st.TextEditActive)
        drawTextOutlines(p);
}

void PreviewPainter::drawTextOutlines(QPainter& p)
{
    const EditorState& st = ctx_.State;
    if (st.SelectedBlock < 0 || st.SelectedBlock > 2 || !ctx_.Board.isInUsedRange(st.TextStrip))
        return;
    const BoardGeometry& g = ctx_.Geometry;
    DrawOutline(p, Enlarged(g.TextBlockRect(st.TextStrip, TextBlockKind(st.SelectedBlock)), 4, 2), true);
    FloatRect group = TextGroupRect(g, st.TextStrip);
    const MenuStrip& w = st.WorkingStrip;
    if (w.MainItem.CenterInStrip || w.SubItems.CenterInStrip || w.Prices.CenterInStrip) {
        const FloatRect& pic = g.PictureHitRect(st.TextStrip);
        group.X = pic.X;
        group.Width = pic.Width;
    }
    DrawOutline(p, group, false);
    QColor shade(RedOf(st.CurrentColor), GreenOf(st.CurrentColor), BlueOf(st.CurrentColor), 128);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade, 3.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (int b = 0; b < 3; ++b) {
        const FloatRect& r = g.TextBlockRect(st.TextStrip, TextBlockKind(b));
        if (b != st.SelectedBlock && r.Width > 0)
            p.drawRect(ToQt(r));
    }
    p.restore();
}

void PreviewPainter::DrawPaletteSwatches()
{
    ensureSurface();
    const QRect box = ctx_.Controls.controlRect(ctl::Palette);
    const int areaLeft = box.left() + 4;
    const int areaTop = box.top() + 16;
    const int areaWidth = box.width() - 9;
    const int areaHeight = box.height() - 21;
    const int w = areaWidth / PaletteColumns;
    const int h = areaHeight / PaletteRows;
    const bool enabled = ctx_.Controls.isEnabled(ctl::Palette);
    QPainter p(&ctx_.Surface);
    p.setPen(QPen(Qt::black, 1.0));
    for (int i = 0; i < PaletteSize; ++i) {
        const int c = i % PaletteColumns;
        const int r = i / PaletteColumns;
        EdgeRect s;
        s.left = areaLeft + c * w;
        s.top = areaTop + r * h + 2;
        s.right = s.left + w - 2;
        s.bottom = areaTop + r * h + h;
        ctx_.Preview.SwatchRects[std::size_t(i)] = s;
        // A GDI rectangle covers left..right-1 and top..bottom-1, outline included.
        const QRect fill(s.left, s.top, s.width(), s.height());
        const QRectF frame(s.left + 0.5, s.top + 0.5, s.width() - 1, s.height() - 1);
        if (i == 0) {
            p.setBrush(Qt::white);
            p.drawRect(frame);
            p.drawLine(QPointF(s.left + 0.5, s.top + 0.5), QPointF(s.right - 0.5, s.bottom - 0.5));
            p.drawLine(QPointF(s.left + 0.5, s.bottom - 0.5), QPointF(s.right - 0.5, s.top + 0.5));
        } else if (enabled) {
            const ColorRef v = PaletteColor(i);
            p.fillRect(fill, QColor(RedOf(v), GreenOf(v), BlueOf(v)));
        } else {
            p.setBrush(QColor(192, 192, 192));
            p.drawRect(frame);
        }
        if (enabled && i == ctx_.State.CurrentColorIndex) {
            const bool black = PaletteEntry(i).BlackMarker;
            p.fillRect(QRect(s.left + s.width() / 2 - 2, s.top + s.height() / 2 - 2, 4, 4),
                       black ? Qt::black : Qt::white);
        }
    }
    invalidate();
}

void PreviewPainter::OnSize()
{
    if (!ctx_.LayoutLoaded())
        return;
    ClearStripRects(ctx_.Geometry);
    ensureSurface();
    ErasePreviewArea();
    RedrawPreview(false, true);
    RedrawPreview();
}

bool PreviewPainter::RedrawAtFullResolution()
{
    PreviewState& pv = ctx_.Preview;
    const RenderFlags saved = pv.Flags;
    pv.Flags.BackgroundProxyInUse = false;
    pv.Flags.PictureProxiesInUse = false;
    pv.Flags.SaveRenderActive = true;
    const bool ok = RedrawPreview();
    pv.Flags.SaveRenderActive = false;
    pv.Flags.BackgroundProxyInUse = saved.BackgroundProxyInUse;
    pv.Flags.PictureProxiesInUse = saved.PictureProxiesInUse;
    return ok;
}

QString PreviewPainter::Print()
{
    if (!ctx_.LayoutLoaded())
        return {};
    QString printed;
    {
        WaitCursor wait(ctx_.Ask);
        RedrawAtFullResolution();
        TvImageRequest request;
        request.layoutPath = ctx_.Paths.CurrentFilePath;
        request.backgroundPath = ctx_.Board.BackgroundFileName;
        request.print = true;
        request.programDataFolder = ctx_.Paths.ProgramDataFolder;
        ComposeContext cc;
        cc.flags.WhitePrint = ctx_.Board.WhitePrintBackground;
        cc.flags.PrintRender = true;
        cc.CurrentColor = ctx_.State.CurrentColor;
        // The print render records board-pixel rectangles; the hit tests keep
        // reading the preview's.
        BoardGeometry printGeometry = ctx_.Geometry;
        printed = RenderTvImage(ctx_.Board, printGeometry, request, cc);
    }
    ctx_.Controls.centerPointer();
    if (printed.isEmpty())
        return {};
    if (ctx_.Ask.message(kPrintInstructions, QString(), MessageButtons::OkCancel, MessageIcon::Information)
        == PromptAnswer::Ok)
        ctx_.Ask.printImage(printed);
    return printed;
}

} // namespace sw
