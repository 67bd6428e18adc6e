#include "layout_io/document_reader.h"

#include "layout_io/document_paths.h"
#include "layout_io/document_values.h"
#include "layout_io/scramble.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <cmath>

namespace sw {

namespace {

// Tags whose presence tells a layout document from any other file.
constexpr QStringView kLayoutTags[] = {
    u"<MenuData>", u"<ApplicationData>", u"<MenuGeneralData>", u"<NumberOfColumns>",
    u"<NumberOfRows>", u"<WhitePrintBackground>", u"<BackgroundFileName>", u"<StripsData>",
};

constexpr int kMaxSpacingSteps = 100000;

bool LooksLikeLayout(QStringView text)
{
    return std::any_of(std::begin(kLayoutTags), std::end(kLayoutTags),
                       [&](QStringView tag) { return text.contains(tag); });
}

// The strip values are found by the same first-occurrence search as every
// other value, but a board has up to 1600 cells and searching the whole
// document from its start for each would be quadratic. One pass records the
// first "<Strip...>" of every spelling and the places of every "</Strip...>".
class StripIndex {
public:
    explicit StripIndex(QStringView text) : text_(text)
    {
        static constexpr QStringView kOpen = u"<Strip";
        for (qsizetype at = text.indexOf(kOpen); at >= 0; at = text.indexOf(kOpen, at + 1))
            record(at, false);
        static constexpr QStringView kClose = u"</Strip";
        for (qsizetype at = text.indexOf(kClose); at >= 0; at = text.indexOf(kClose, at + 1))
            record(at, true);
    }

    QStringView value(int column, int row) const
    {
        const QString tag = QString::asprintf("Strip%d-%d", column, row);
        const auto open = firstOpen_.constFind(tag);
        if (open == firstOpen_.cend())
            return {};
        const qsizetype start = open.value() + tag.size() + 2;
        const auto close = closes_.constFind(tag);
        if (close == closes_.cend())
            return {};
        const auto it = std::lower_bound(close->cbegin(), close->cend(), start);
        if (it == close->cend())
            return {};
        return text_.mid(start, *it - start);
    }

private:
    // Our tags are short; anything longer cannot match one.
    static constexpr qsizetype kLongestTag = 32;

    void record(qsizetype at, bool closing)
    {
        const qsizetype nameStart = at + (closing ? 2 : 1);
        const qsizetype end = text_.mid(nameStart, kLongestTag).indexOf(u'>');
        if (end < 0)
            return;
        const QString name = text_.mid(nameStart, end).toString();
        if (closing)
            closes_[name].append(at); // positions arrive in increasing order
        else if (!firstOpen_.contains(name))
            firstOpen_.insert(name, at);
    }

    QStringView text_;
    QHash<QString, qsizetype> firstOpen_;
    QHash<QString, QList<qsizetype>> closes_;
};

struct BlockReader {
    TextBlockFontCheck* fontCheck = nullptr;
    QStringList handledFamilies;
    QStringList* missingFonts = nullptr;

    void read(QStringView content, TextBlock& block, bool isPrices, QStringView earlierShadow)
    {
        QString text = FindValue(content, u"Text").toString();
        // Older documents stored the closing calorie marker as a backslash.
        if (isPrices)
            text.replace(u'\\', u'>');
        if (text.isEmpty()) {
            ResetTextBlock(block);
            return;
        }
        if (isPrices && text.endsWith(u' '))
            text.chop(1);
        block.Text = text;
        block.TextColor = ReadColor(FindValue(content, u"TextColor"));
        const QStringView shadow = FindValue(content, u"DropShadowColor");
        block.DropShadowColor = ReadColor(shadow.isEmpty() ? earlierShadow : shadow);
        block.Font = FindValue(content, u"Font").toString();
        block.Xref = ReadReal(FindValue(content, u"Xref"));
        block.Yref = ReadReal(FindValue(content, u"Yref"));
        block.ScaleFactor = ReadReal(FindValue(content, u"ScaleFactor"));
        if (fontCheck)
            fontCheck->CheckTextBlockFont(block.Font, handledFamilies, *missingFonts);
        const QStringView spacing = FindValue(content, u"LineSpacingFactor");
        block.LineSpacingFactor = spacing.isEmpty() ? 1.0 : ReadReal(spacing);
        block.Bold = ReadBoolean(FindValue(content, u"Bold"));
        block.Italics = ReadBoolean(FindValue(content, u"Italics"));
        block.CenterInStrip = ReadBoolean(FindValue(content, u"CenterInStrip"));
        block.GroupAlignment = ReadAlignment(FindValue(content, u"GroupAlignment"));
    }
};

double RealOr(QStringView value, double whenZero)
{
    const double v = ReadReal(value);
    return v == 0.0 ? whenZero : v;
}

void ReadStrip(QStringView content, MenuStrip& s, const OpenContext& context, BlockReader& blocks)
{
    s.BackGroundColor = ReadColor(FindValue(content, u"BackGroundColor"));
    s.PriceTabSpacingFactor = RealOr(FindValue(content, u"PriceTabSpacingFactor"), 8.0);
    s.CaloriesSpacingFactor = RealOr(FindValue(content, u"CaloriesSpacingFactor"), 3.8);

    const QString picture = FindValue(content, u"SubImageFileName").toString();
    if (!picture.isEmpty()) {
        s.SubImageFileName = context.fromPackage
            ? PackagePicturePath(picture, context.workFolder)
            : LegacyPicturePath(picture, context.layoutFolder, context.layoutBaseName);
    }
    s.ImageHiddenOnWhite = ReadBoolean(FindValue(content, u"ImageHiddenOnWhite"));
    s.SubImageFrameIndex = ReadInteger(FindValue(content, u"SubImageFrameIndex"));

    const QStringView crop = FindValue(content, u"SubImageCropPercentage");
    if (!crop.isEmpty()) {
        s.SubImageCropPercentageX = s.SubImageCropPercentageY = ReadInteger(crop);
    } else {
        const QStringView x = FindValue(content, u"SubImageCropPercentageX");
        const QStringView y = FindValue(content, u"SubImageCropPercentageY");
        s.SubImageCropPercentageX = x.isEmpty() ? 100 : ReadInteger(x);
        s.SubImageCropPercentageY = y.isEmpty() ? 100 : ReadInteger(y);
    }
    s.SubImageCropOriginPercentageX = ReadInteger(FindValue(content, u"SubImageCropOriginPercentageX"));
    s.SubImageCropOriginPercentageY = ReadInteger(FindValue(content, u"SubImageCropOriginPercentageY"));
    s.SubImageBrightnessFactor = ReadInteger(FindValue(content, u"SubImageBrightnessFactor"));

    // Older documents kept one shadow colour for the whole strip. The search
    // is by substring, so in a current document it finds the first block's
    // own colour, which every current block carries anyway.
    const QStringView earlierShadow = FindValue(content, u"DropShadowColor");

    s.XOffsetFactor = ReadReal(FindValue(content, u"XOffsetFactor"));
    s.YOffsetFactor = ReadReal(FindValue(content, u"YOffsetFactor"));
    s.XSizeFactor = ReadReal(FindValue(content, u"XSizeFactor"));
    s.YSizeFactor = ReadReal(FindValue(content, u"YSizeFactor"));

    const QStringView main = FindValue(content, u"MainItemTextParams");
    if (!main.isEmpty())
        blocks.read(main, s.MainItem, false, earlierShadow);
    const QStringView sub = FindValue(content, u"SubItemsTextParams");
    if (!sub.isEmpty())
        blocks.read(sub, s.SubItems, false, earlierShadow);
    const QStringView prices = FindValue(content, u"PricesTextParams");
    if (!prices.isEmpty()) {
        blocks.read(prices, s.Prices, true, earlierShadow);
        FixPriceSpacing(s.Prices.Text, s.PriceTabSpacingFactor, s.CaloriesSpacingFactor);
        s.Prices.Text = FixPriceTabMarkers(s.Prices.Text);
    }

    const QStringView calories = FindValue(content, u"CaloriesTextColor");
    s.CaloriesTextColor = calories.isEmpty() ? s.Prices.TextColor : ReadColor(calories);
    s.CaloriesItalics = ReadBoolean(FindValue(content, u"CaloriesItalics"));

    for (TextBlock* block : {&s.MainItem, &s.SubItems, &s.Prices}) {
        if (block->Text == u" ")
            block->Text.clear();
    }
}

} // namespace

void FixPriceSpacing(const QString& pricesText, double& PriceTabSpacingFactor, double& CaloriesSpacingFactor)
{
    const bool hasTab = pricesText.contains(u'^');
    int steps = 0;
    while (CaloriesSpacingFactor > 0.7 * PriceTabSpacingFactor && steps < kMaxSpacingSteps) {
        if (hasTab)
            CaloriesSpacingFactor -= 0.2;
        else
            PriceTabSpacingFactor += 0.2;
        ++steps;
    }
    // Only a corrupt document gets here (values thousands of steps apart, or so
    // large that adding 0.2 changes nothing); settle it at once instead of
    // spinning for ever.
    if (CaloriesSpacingFactor > 0.7 * PriceTabSpacingFactor) {
        if (hasTab)
            CaloriesSpacingFactor = 0.7 * PriceTabSpacingFactor;
        else
            PriceTabSpacingFactor = CaloriesSpacingFactor / 0.7;
        while (CaloriesSpacingFactor > 0.7 * PriceTabSpacingFactor) {
            if (hasTab)
                CaloriesSpacingFactor = std::nextafter(CaloriesSpacingFactor, -HUGE_VAL);
            else
                PriceTabSpacingFactor = std::nextafter(PriceTabSpacingFactor, HUGE_VAL);
        }
    }
}

QString FixPriceTabMarkers(QString text)
{
    if (!text.contains(u'^'))
        return text;
    // One pass leaves at most pairs behind ("^^^" -> "^ ^^"); a second splits them.
    if (text.contains(u"^^")) {
        text.replace(QStringLiteral("^^"), QStringLiteral("^ ^"));
        text.replace(QStringLiteral("^^"), QStringLiteral("^ ^"));
    }
    text.replace(QStringLiteral("^\r"), QStringLiteral("^ \r"));
    if (text.endsWith(u'^'))
        text += u' ';
    return text;
}

DocumentReadResult ReadLayoutDocument(const QString& text, MenuBoard& board, const OpenContext& context,
                                      TextBlockFontCheck* fontCheck, QStringList& MissingFontList)
{
    if (!LooksLikeLayout(text))
        return DocumentReadResult::NotALayout;

    // Counts outside the ranges the editor supports would address cells past
    // the grid; they are brought into range rather than refused so that a
    // slightly damaged layout still opens.
    board.NumberOfColumns = std::clamp(ReadInteger(FindValue(text, u"NumberOfColumns")), MenuBoard::MinColumns,
                                       MenuBoard::MaxColumns);
    board.NumberOfRows =
        std::clamp(ReadInteger(FindValue(text, u"NumberOfRows")), MenuBoard::MinRows, MenuBoard::MaxRows);
    board.WhitePrintBackground = ReadBoolean(FindValue(text, u"WhitePrintBackground"));
    board.BackgroundFileName = context.fromPackage
        ? PackageBackgroundPath(context.workFolder)
        : LegacyBackgroundPath(FindValue(text, u"BackgroundFileName").toString(), context.layoutFolder);

    board.resetStrips();

    BlockReader blocks;
    blocks.fontCheck = fontCheck;
    blocks.missingFonts = &MissingFontList;
    const StripIndex strips(text);
    for (int c = 0; c < board.NumberOfColumns; ++c) {
        for (int r = 0; r < board.NumberOfRows; ++r) {
            const QStringView content = strips.value(c, r);
            if (!content.isEmpty())
                ReadStrip(content, board.strip(c, r), context, blocks);
        }
    }
    return DocumentReadResult::Read;
}

DocumentReadResult ReadLayoutDocumentBytes(const QByteArray& bytes, MenuBoard& board, const OpenContext& context,
                                           TextBlockFontCheck* fontCheck, QStringList& MissingFontList)
{
    QString text = FromUtf16LeBytes(bytes);
    if (!text.isEmpty() && text.at(0) == u'?')
        text = Unscramble(text);
    return ReadLayoutDocument(text, board, context, fontCheck, MissingFontList);
}

} // namespace sw
