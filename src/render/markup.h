#pragma once
// The small markup of block texts: CR LF line breaks, and in the prices block
// the price cells ("^"), the calorie parts ("<", ">") and the editor's
// selection marker ("~"); plus the metrics a block needs before it is drawn.
// The editor's price-cell selection uses the same splitting.
#include "model/board.h"
#include "platform/imaging.h"

#include <QString>
#include <QStringList>

namespace sw {

inline constexpr QChar TabMarker = QLatin1Char('^');
// "<": the calorie part comes before it; ">": the calorie part follows it.
inline constexpr QChar CalorieMarkerBefore = QLatin1Char('<');
inline constexpr QChar CalorieMarkerAfter = QLatin1Char('>');
inline constexpr QChar SelectionMarker = QLatin1Char('~');
// The editor's stand-in for a picked block that holds no text.
inline constexpr const char* kPlaceholderText = "[]";
// A prices block draws at most this many lines.
inline constexpr int kMaxPricesLines = 2;

bool IsPlaceholderText(const QString& text);

// A line ends at a CR; the next starts two characters later (after the LF).
// A text ending in a line break has no empty last line; an empty text has no lines.
QStringList SplitLines(const QString& text);

// Line 1 is the text before the first CR; line 2 everything two characters
// after it, further breaks included (they stay in line 2 for measuring).
struct PricesLines {
    QString line1;
    QString line2;
};
PricesLines SplitPricesLines(const QString& text);

// The cells of a prices line from the right: the text after the last "^",
// then the text before it with its trailing "^"s removed, and so on.
QStringList SplitCellsFromRight(const QString& line);

enum class CalorieSide { Left, Right };
struct CalorieParts {
    QString left;
    QString right;
    CalorieSide calorieSide = CalorieSide::Left;
};
// "a<b": calorie part a (left). "a>b": calorie part b (right), every "<" of
// the cell removed first. No marker: all normal, in the right part.
CalorieParts SplitCalorieParts(const QString& cell);

// Index of the first "<" or ">" in s, -1 when none.
qsizetype FirstCalorieMarker(const QString& s);
bool HasCalorieMarker(const QString& s);

// The block font: family, em size in points, bold 1 | italic 2.
Font BlockFont(const TextBlock& block, float emPoints);
// The calorie font of the prices block: the block style with italic added
// when the strip's CaloriesItalics is set, removed (bold kept) when not.
Font CalorieFont(const TextBlock& block, float emPoints, bool caloriesItalics);

// The string format every block is measured and drawn with: trailing blanks
// count, no wrapping, near/centre/far from the block's GroupAlignment.
StringFormat BlockStringFormat(int groupAlignment);

struct BlockMetrics {
    double StripHeight = 0.0;    // sh, board pixels
    double EmSize = 0.0;         // E, points
    double LinePitch = 0.0;      // P, board pixels
    double DigitWidth = 0.0;     // cw, board pixels
    double ColumnPitch = 0.0;    // T
    double CalorieSpacing = 0.0; // K
    int PriceColumnWidth = 0;    // trunc(T)
    int BlockWidth = 0;          // Wb
    double MaxLeft = 0.0;
    double MaxRight = 0.0;
    double MaxTabs = 0.0;
    bool HasTabMarker = false;
};

// Em size and line pitch from the strip height: the text scales with the
// strip, whatever the image's resolution. A resolution of 0 or less counts as 96.
void ComputeSizeMetrics(BlockMetrics& m, const MenuStrip& strip, const TextBlock& block, const RectF& pictureBox,
                        int boardDpi);

// Everything of BlockMetrics for a block (the measured values only when its
// text is not empty), measured with the block font on the given graphics.
BlockMetrics ComputeBlockMetrics(const MenuStrip& strip, TextBlockKind kind, const RectF& pictureBox, int boardDpi,
                                 const Graphics& graphics);

// The first character (or nothing) measured in the picture box made ten
// times taller: its top is the block's base Y, its height the line box height.
RectF MeasureFirstCharacter(const QString& text, const Font& font, const RectF& pictureBox,
                            const StringFormat& format, const Graphics& graphics);

} // namespace sw
