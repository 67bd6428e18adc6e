#include "render/markup.h"

#include <algorithm>
#include <cmath>

namespace sw {

namespace {

constexpr double kEmPerStripHeight = 0.736;
constexpr double kLinePitchPerEm = 1.14;
constexpr double kDefaultBoardDpi = 96.0;
constexpr int kDigitSampleLength = 20;

double Measure(const QString& s, const Font& font, const RectF& box, const StringFormat& format,
               const Graphics& graphics)
{
    return double(graphics.MeasureString(s, font, box, format).Width);
}

// cut(s) of the prices width: the text before the first calorie marker, with
// the calorie spacing added when there was a marker (a marker in front leaves
// nothing but the spacing).
double CutWidth(const QString& s, double calorieSpacing, const Font& font, const RectF& box,
                const StringFormat& format, const Graphics& graphics)
{
    const qsizetype q = FirstCalorieMarker(s);
    if (q < 0) return Measure(s, font, box, format, graphics);
    return Measure(s.left(q), font, box, format, graphics) + calorieSpacing;
}

struct LineWidths {
    double tabs = 0.0;
    double left = 0.0;
    double right = 0.0;
};

LineWidths PricesLineWidths(const QString& line, int alignment, const BlockMetrics& m, const Font& font,
                            const RectF& box, const StringFormat& format, const Graphics& graphics)
{
    LineWidths w;
    const bool hasTab = line.contains(TabMarker);
    if (hasTab) {
        w.tabs = double(line.count(TabMarker)) * m.ColumnPitch;
    } else {
        // A line that starts with its marker is measured whole; only a marker
        // further in cuts the line.
        const qsizetype q = FirstCalorieMarker(line);
        const QString measured = q > 0 ? line.left(q) : line;
        w.tabs = Measure(measured, font, box, format, graphics) + (q >= 0 ? m.CalorieSpacing : 0.0);
    }
    if (!hasTab) return w;
    const double half = alignment == AlignCenter ? 0.5 : 1.0;
    if (alignment == AlignLeft || alignment == AlignCenter)
        w.right = CutWidth(line.mid(line.lastIndexOf(TabMarker) + 1), m.CalorieSpacing, font, box, format, graphics)
            * half;
    if (alignment == AlignRight || alignment == AlignCenter)
        w.left = CutWidth(line.left(line.indexOf(TabMarker)), m.CalorieSpacing, font, box, format, graphics) * half;
    return w;
}

} // namespace

bool IsPlaceholderText(const QString& text) { return text == QLatin1String(kPlaceholderText); }

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype cr = text.indexOf(QLatin1Char('\r'), pos);
        if (cr < 0) {
            lines.append(text.mid(pos));
            break;
        }
        lines.append(text.mid(pos, cr - pos));
        pos = cr + 2;
    }
    return lines;
}

PricesLines SplitPricesLines(const QString& text)
{
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    if (cr < 0) return PricesLines{text, QString()};
    return PricesLines{text.left(cr), text.mid(cr + 2)};
}

QStringList SplitCellsFromRight(const QString& line)
{
    QStringList cells;
    QString rest = line;
    while (!rest.isEmpty()) {
        const qsizetype tab = rest.lastIndexOf(TabMarker);
        cells.append(rest.mid(tab + 1));
        rest.truncate(std::max<qsizetype>(tab, 0));
        while (rest.endsWith(TabMarker)) rest.chop(1);
    }
    return cells;
}

qsizetype FirstCalorieMarker(const QString& s)
{
    for (qsizetype i = 0; i < s.size(); ++i)
        if (s.at(i) == CalorieMarkerBefore || s.at(i) == CalorieMarkerAfter) return i;
    return -1;
}

bool HasCalorieMarker(const QString& s) { return FirstCalorieMarker(s) >= 0; }

CalorieParts SplitCalorieParts(const QString& cell)
{
    CalorieParts parts;
    if (cell.contains(CalorieMarkerAfter)) {
        QString c = cell;
        c.remove(CalorieMarkerBefore);
        const qsizetype g = c.indexOf(CalorieMarkerAfter);
        parts.left = c.left(g);
        parts.right = c.mid(g + 1);
        parts.calorieSide = CalorieSide::Right;
        return parts;
    }
    const qsizetype l = cell.indexOf(CalorieMarkerBefore);
    if (l >= 0) {
        parts.left = cell.left(l);
        parts.right = cell.mid(l + 1);
    } else {
        parts.right = cell;
    }
    parts.calorieSide = CalorieSide::Left;
    return parts;
}

Font BlockFont(const TextBlock& block, float emPoints)
{
    const int style = (block.Bold ? FontStyleBold : 0) | (block.Italics ? FontStyleItalic : 0);
    return Font(block.Font, emPoints, style);
}

Font CalorieFont(const TextBlock& block, float emPoints, bool caloriesItalics)
{
    int style = (block.Bold ? FontStyleBold : 0) | (block.Italics ? FontStyleItalic : 0);
    style = caloriesItalics ? (style | FontStyleItalic) : (style & ~FontStyleItalic);
    return Font(block.Font, emPoints, style);
}

StringFormat BlockStringFormat(int groupAlignment)
{
    StringFormat format;
    format.SetFormatFlags(StringFormatFlagsMeasureTrailingSpaces | StringFormatFlagsNoWrap);
    format.SetAlignment(groupAlignment == AlignLeft     ? StringAlignment::Near
                            : groupAlignment == AlignCenter ? StringAlignment::Center
                                                            : StringAlignment::Far);
    return format;
}

void ComputeSizeMetrics(BlockMetrics& m, const MenuStrip& strip, const TextBlock& block, const RectF& pictureBox,
                        int boardDpi)
{
    // A strip squeezed to no height has no text size rather than an infinite one.
    m.StripHeight = strip.YSizeFactor != 0.0 ? double(pictureBox.Height) / strip.YSizeFactor : 0.0;
    const double pointsPerPixel = 72.0 / (boardDpi > 0 ? double(boardDpi) : kDefaultBoardDpi);
    m.EmSize = kEmPerStripHeight * pointsPerPixel * block.ScaleFactor * m.StripHeight;
    m.LinePitch = kLinePitchPerEm / pointsPerPixel * block.LineSpacingFactor * m.EmSize;
}

BlockMetrics ComputeBlockMetrics(const MenuStrip& strip, TextBlockKind kind, const RectF& pictureBox, int boardDpi,
                                 const Graphics& graphics)
{
    const TextBlock& block = strip.block(kind);
    BlockMetrics m;
    ComputeSizeMetrics(m, strip, block, pictureBox, boardDpi);
    if (block.Text.isEmpty()) return m;

    const Font font = BlockFont(block, float(m.EmSize));
    const StringFormat format = BlockStringFormat(block.GroupAlignment);
    m.DigitWidth = Measure(QString(kDigitSampleLength, QLatin1Char('0')), font, pictureBox, format, graphics)
        / kDigitSampleLength;
    if (kind != TextBlockKind::Prices) {
        m.BlockWidth = int(graphics.MeasureString(block.Text, font, QPointF(0, 0), format).Width);
        return m;
    }
    m.ColumnPitch = strip.PriceTabSpacingFactor * m.DigitWidth;
    m.PriceColumnWidth = int(m.ColumnPitch);
    m.CalorieSpacing = strip.CaloriesSpacingFactor * m.DigitWidth;

    const PricesLines lines = SplitPricesLines(block.Text);
    const LineWidths a = PricesLineWidths(lines.line1, block.GroupAlignment, m, font, pictureBox, format, graphics);
    const LineWidths b = PricesLineWidths(lines.line2, block.GroupAlignment, m, font, pictureBox, format, graphics);
    m.MaxLeft = std::max(a.left, b.left);
    m.MaxRight = std::max(a.right, b.right);
    m.MaxTabs = std::max(a.tabs, b.tabs);
    m.HasTabMarker = lines.line1.contains(TabMarker) || lines.line2.contains(TabMarker);
    m.BlockWidth = int(m.MaxTabs + m.MaxLeft + m.MaxRight);
    return m;
}

RectF MeasureFirstCharacter(const QString& text, const Font& font, const RectF& pictureBox,
                            const StringFormat& format, const Graphics& graphics)
{
    qsizetype n = text.isEmpty() ? 0 : 1;
    if (n == 1 && text.at(0).isHighSurrogate() && text.size() > 1) n = 2;
    RectF layout = pictureBox;
    layout.Height *= 10.0f;
    return graphics.MeasureString(text.left(n), font, layout, format);
}

} // namespace sw
