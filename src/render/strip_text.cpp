#include "render/strip_text.h"

#include "render/click_probe.h"
#include "render/font_collector.h"
#include "render/markup.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

constexpr ColorRef kBlack = 0x00000000;
constexpr ColorRef kWhitePrintCalorieColor = 0x00404040;
constexpr float kSelectionPenWidth = 4.0f;
constexpr double kShadowPerEm = 0.1;
constexpr double kMinShadowOffset = 1.0;
constexpr double kLayoutWideningPerDigit = 1.2;
constexpr double kRecordedHeightCutPerEm = 0.15;
constexpr int kSpaceSampleLength = 10;

bool IsCenter(int alignment) { return alignment == AlignCenter; }
bool IsLeft(int alignment) { return alignment == AlignLeft; }
// Right, and any value the alignment box never produces: drawn far-aligned.
bool IsRight(int alignment) { return !IsLeft(alignment) && !IsCenter(alignment); }

struct PartToDraw {
    QString text;
    RectF rect;
    bool isCalorie = false;
    bool marked = false;
    bool isRightPart = false;
};

void DrawPart(const PartToDraw& part, const PricesLineParams& p, double spaceWidth, const QColor& calorieBrush,
              const Pen& normalPen, const Pen& caloriePen, double& minX, double& maxX, Graphics& g)
{
    if (part.text.isEmpty()) return;
    const Font& blockFont = *p.blockFont;
    const Font& calorieFont = p.calorieFont ? *p.calorieFont : blockFont;
    g.SetTextRenderingHint(TextRenderingHint::AntiAlias);
    if (p.shadowMode) {
        RectF r = part.rect;
        r.X = float(double(r.X) + p.shadowOffset);
        // The left part's shadow always takes the block font.
        const bool italicShadow = part.isRightPart && part.isCalorie && p.caloriesItalics;
        g.DrawString(part.text, italicShadow ? calorieFont : blockFont, r, p.format, p.brush);
        return;
    }
    RectF box = part.rect;
    if (IsCenter(p.groupAlignment)) box.X = float(double(box.X) + spaceWidth);
    if (IsRight(p.groupAlignment)) box.X = float(double(box.X) + 2.0 * spaceWidth);
    box.Width = float(double(box.Width) - 2.0 * spaceWidth);
    box.Height = float(double(box.Height) - spaceWidth / 2.0);
    minX = std::min(minX, double(box.X));
    maxX = std::max(maxX, double(box.X) + double(box.Width));
    if (part.marked) g.DrawRectangle(part.isCalorie ? caloriePen : normalPen, box);
    if (p.probe && p.probe->Targets(p.strip) && part.rect.Contains(p.probe->Point.x(), p.probe->Point.y())) {
        (part.isRightPart ? p.probe->RightPartHit : p.probe->LeftPartHit) = true;
        p.probe->Point = QPoint(0, 0);
    }
    if (part.isCalorie)
        g.DrawString(part.text, calorieFont, part.rect, p.format, calorieBrush);
    else
        g.DrawString(part.text, blockFont, part.rect, p.format, p.brush);
}

RectF MeasurePart(const QString& text, const PricesLineParams& p, const Graphics& g)
{
    if (text.isEmpty()) return RectF{};
    return g.MeasureString(text, *p.blockFont, p.layout, p.format);
}

} // namespace

RectF DrawPricesLine(const QString& line, const PricesLineParams& p, Graphics& g)
{
    if (line.isEmpty() || !p.blockFont) return RectF{};
    const ColorRef calorieColor = p.whitePrint ? kWhitePrintCalorieColor : p.calorieColor;
    const Pen normalPen(OpaqueColor(p.whitePrint ? kBlack : p.currentColor), kSelectionPenWidth);
    const Pen caloriePen(OpaqueColor(calorieColor), kSelectionPenWidth);
    const QColor calorieBrush = OpaqueColor(calorieColor);
    const double sp =
        double(g.MeasureString(QString(kSpaceSampleLength, QLatin1Char(' ')), *p.blockFont, p.layout, p.format).Width)
        / kSpaceSampleLength;

    double minX = 100000.0;
    double maxX = -100000.0;
    double anchor = p.anchor;
    QString rest = line;
    while (!rest.isEmpty()) {
        const qsizetype tab = rest.lastIndexOf(TabMarker);
        const CalorieParts parts = SplitCalorieParts(rest.mid(tab + 1));
        PartToDraw right{parts.right, {}, parts.calorieSide == CalorieSide::Right, false, true};
        PartToDraw left{parts.left, {}, parts.calorieSide == CalorieSide::Left, false, false};
        if (right.text.contains(SelectionMarker)) {
            right.text.remove(SelectionMarker);
            right.marked = true;
        } else if (left.text.contains(SelectionMarker)) {
            left.text.remove(SelectionMarker);
            left.marked = true;
        }
        right.rect = MeasurePart(right.text, p, g);
        left.rect = MeasurePart(left.text, p, g);
        const double rw = right.rect.Width;
        const double gap = double(left.rect.Width) + p.calorieSpacing;
        double rx;
        double lx = 0.0;
        if (IsCenter(p.groupAlignment)) {
            rx = left.text.isEmpty() ? anchor - rw / 2.0 : anchor + gap / 2.0 - rw;
            lx = anchor - gap / 2.0;
        } else if (IsLeft(p.groupAlignment)) {
            rx = left.text.isEmpty() ? anchor : anchor + gap - rw;
            lx = anchor;
        } else {
            rx = anchor - rw;
            lx = anchor - gap;
        }
        for (auto* part : {&right, &left}) {
            if (part->text.isEmpty()) continue;
            part->rect.X = float((part == &right ? rx : lx) - 2.0 * sp);
            part->rect.Width = float(double(part->rect.Width) + 3.6 * sp);
        }
        DrawPart(right, p, sp, calorieBrush, normalPen, caloriePen, minX, maxX, g);
        DrawPart(left, p, sp, calorieBrush, normalPen, caloriePen, minX, maxX, g);

        rest.truncate(std::max<qsizetype>(tab, 0));
        while (rest.endsWith(TabMarker)) rest.chop(1);
        anchor -= p.columnPitch;
    }
    // A line of nothing but markers draws no part: it has no extent to record.
    if (maxX < minX) return RectF{};
    return RectF{float(minX), p.layout.Y, float(maxX - minX), p.layout.Height};
}

void DrawStripTexts(const MenuBoard& board, StripRef ref, const FloatRect& boxF, BoardGeometry& geometry,
                    Graphics& graphics, const ComposeContext& context, const std::function<void()>& drawPicture)
{
    const MenuStrip& strip = board.strip(ref);
    const RectF box = RectF::From(boxF);
    const double s = geometry.PreviewScale;
    if (!(s > 0.0)) return;
    const FloatRect stripRect = geometry.StripRect(ref);
    const FloatRect origin = geometry.StripRect(StripRef{0, 0});
    const bool hasPicture = !strip.SubImageFileName.isEmpty();
    const bool whitePrint = context.flags.WhitePrint;
    bool pictureDrawn = false;

    for (TextBlockKind kind : {TextBlockKind::MainItem, TextBlockKind::SubItems, TextBlockKind::Prices}) {
        TextBlock block = strip.block(kind);
        const bool prices = kind == TextBlockKind::Prices;
        if (whitePrint && (!hasPicture || strip.ImageHiddenOnWhite)) {
            block.TextColor = kBlack;
            block.DropShadowColor = WhiteColor;
        }
        if (block.Text.isEmpty() && strip.SubImageFrameIndex <= 0 && !hasPicture) continue;
        if (box.Width <= 0.0f) continue;

        BlockMetrics m = ComputeBlockMetrics(strip, kind, box, geometry.BoardDpi, graphics);
        const Font font = BlockFont(block, float(m.EmSize));
        if (!block.Text.isEmpty() && (context.flags.SaveRenderActive || context.LegacyLayoutOpened) && context.fonts)
            context.fonts->CollectLayoutFont(block.Font);

        const StringFormat format = BlockStringFormat(block.GroupAlignment);
        const RectF first = MeasureFirstCharacter(block.Text, font, box, format, graphics);
        const double x0 = double(box.X) + double(box.Width) * block.Xref / strip.XSizeFactor;
        const double yShift = strip.YSizeFactor != 0.0 ? double(box.Height) * block.Yref / strip.YSizeFactor : 0.0;
        const double y0 = double(first.Y) + yShift;
        if (prices && !block.Text.isEmpty()) geometry.PriceColumnWidth(ref) = m.PriceColumnWidth;

        if (!pictureDrawn) {
            pictureDrawn = true;
            if (drawPicture) drawPicture();
        }
        if (!StripHasText(strip)) continue;
        if (context.flags.SaveRenderActive && IsPlaceholderText(block.Text)) continue;

        const double wb = m.BlockWidth;
        const double w = stripRect.Width;
        double left;
        if (block.CenterInStrip) {
            const double pw = std::trunc(w * strip.XSizeFactor / s);
            left = (double(stripRect.X - origin.X) + strip.XOffsetFactor * w) / s + (pw - wb) / 2.0;
        } else if (prices || IsLeft(block.GroupAlignment)) {
            left = x0;
        } else {
            left = IsCenter(block.GroupAlignment) ? x0 - wb / 2.0 : x0 - wb;
        }

        double anchor = 0.0;
        if (prices) {
            const double u = double(stripRect.X) - std::trunc(double(origin.X));
            if (block.CenterInStrip) {
                anchor = u / s + w * strip.XOffsetFactor / s + w * strip.XSizeFactor / 2.0 / s
                    + (wb / 2.0 - m.DigitWidth);
                if (m.HasTabMarker) {
                    if (!IsRight(block.GroupAlignment)) anchor -= 0.75 * m.MaxRight;
                } else if (IsLeft(block.GroupAlignment)) {
                    anchor -= wb - 2.0 * m.DigitWidth;
                } else if (IsCenter(block.GroupAlignment)) {
                    anchor -= (wb - 2.0 * m.DigitWidth) / 2.0;
                }
            } else {
                anchor = (u + w * block.Xref) / s + w * strip.XOffsetFactor / s;
            }
        }

        // The rectangle grows by a little over a digit on the side away from
        // the text's anchor, so the anchor itself stays put.
        const int e = int(kLayoutWideningPerDigit * m.DigitWidth);
        if (IsRight(block.GroupAlignment)) left -= e;
        if (IsCenter(block.GroupAlignment)) left -= e / 2;
        RectF layout{float(left), float(y0), float(wb + e), first.Height};

        const double shadow = std::max(kMinShadowOffset, kShadowPerEm * m.EmSize);
        const bool hasShadow = block.DropShadowColor != ClearColor;
        QStringList lines = SplitLines(block.Text);
        if (prices && lines.size() > kMaxPricesLines) lines = lines.mid(0, kMaxPricesLines);
        bool recorded = false;
        for (const QString& line : lines) {
            const bool calorieLine = prices && HasCalorieMarker(line);
            const Font calorieFont = CalorieFont(block, float(m.EmSize), strip.CaloriesItalics);
            PricesLineParams pp;
            pp.groupAlignment = block.GroupAlignment;
            pp.anchor = anchor;
            pp.columnPitch = m.ColumnPitch;
            pp.calorieSpacing = m.CalorieSpacing;
            pp.blockFont = &font;
            pp.calorieFont = calorieLine ? &calorieFont : nullptr;
            pp.format = format;
            pp.caloriesItalics = strip.CaloriesItalics;
            pp.whitePrint = whitePrint;
            pp.currentColor = context.CurrentColor;
            pp.strip = ref;

            if (hasShadow) {
                RectF shadowRect = layout;
                shadowRect.X = float(double(shadowRect.X) + shadow);
                shadowRect.Y = float(double(shadowRect.Y) + shadow);
                if (prices) {
                    pp.shadowMode = true;
                    pp.shadowOffset = shadow;
                    pp.layout = shadowRect;
                    pp.brush = OpaqueColor(block.DropShadowColor);
                    pp.calorieColor = kBlack;
                    DrawPricesLine(line, pp, graphics);
                } else {
                    graphics.SetTextRenderingHint(TextRenderingHint::AntiAlias);
                    graphics.DrawString(line, font, shadowRect, format, OpaqueColor(block.DropShadowColor));
                }
            }

            RectF bounds = layout;
            graphics.SetTextRenderingHint(TextRenderingHint::AntiAlias);
            if (prices) {
                pp.shadowMode = false;
                pp.layout = layout;
                pp.brush = OpaqueColor(block.TextColor);
                pp.calorieColor = strip.CaloriesTextColor;
                pp.probe = context.probe;
                bounds = DrawPricesLine(line, pp, graphics);
            } else {
                graphics.DrawString(line, font, layout, format, OpaqueColor(block.TextColor));
            }

            if (!line.isEmpty() && !(prices && bounds.IsEmpty())) {
                FloatRect b = bounds.As<FloatRect>();
                b.Height = float(double(b.Height) - kRecordedHeightCutPerEm * m.EmSize);
                FloatRect win = BoardToWindow(geometry, b);
                const float h = win.Height;
                win.X -= h / 16.0f;
                win.X += h / 10.0f;
                win.Y += h / 10.0f;
                win.Width -= 2.0f * h / 10.0f;
                win.Height -= 2.0f * h / 10.0f;
                FloatRect& slot = geometry.TextBlockRect(ref, kind);
                slot = recorded ? slot.united(win) : win;
                recorded = true;
            }
            layout.Y = float(double(layout.Y) + m.LinePitch);
        }
    }
}

} // namespace sw
