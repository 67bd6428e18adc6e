#include "layout_io/document_reader.h"
#include "layout_io/document_values.h"
#include "layout_io/document_writer.h"
#include "layout_io/scramble.h"
#include "support/fixture.h"

#include <gtest/gtest.h>

using namespace sw;

namespace {

QString El(const QString& tag, const QString& value) { return "<" + tag + ">" + value + "</" + tag + ">"; }

// A minimal document of the given counts holding the given strip elements.
QString Document(const QString& strips, const QString& columns = "2", const QString& rows = "16")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\"?><MenuData><MenuGeneralData>"
        + El("BackgroundFileName", "Background.jpg") + El("NumberOfColumns", columns) + El("NumberOfRows", rows)
        + El("WhitePrintBackground", "No") + "</MenuGeneralData>" + El("StripsData", strips) + "</MenuData>";
}

OpenContext PackageContext(const QString& workFolder = "/work/ZPF9")
{
    return OpenContext{true, workFolder, "/menus", ""};
}

MenuBoard Read(const QString& text, const OpenContext& context = PackageContext())
{
    MenuBoard board;
    QStringList missing;
    EXPECT_EQ(ReadLayoutDocument(text, board, context, nullptr, missing), DocumentReadResult::Read);
    return board;
}

} // namespace

// ---- value search and value formats ----

TEST(DocumentValues, SearchTakesTheFirstOpeningTagAndTheNextClosingTag)
{
    const QString text = El("Strip1-10", "ten") + El("Strip1-1", "one") + El("A", "first") + El("A", "second");
    EXPECT_EQ(FindValue(text, u"Strip1-1").toString(), "one");
    EXPECT_EQ(FindValue(text, u"Strip1-10").toString(), "ten");
    EXPECT_EQ(FindValue(text, u"A").toString(), "first");
    EXPECT_TRUE(FindValue(text, u"Missing").isEmpty());
    EXPECT_TRUE(FindValue(u"<Open>never closed", u"Open").isEmpty());
    // A value holding its own closing tag is cut short there.
    EXPECT_EQ(FindValue(u"<Text>a</Text>b</Text>", u"Text").toString(), "a");
    // The closing tag is searched after the opening one only.
    EXPECT_EQ(FindValue(u"</X><X>v</X>", u"X").toString(), "v");
}

struct IntegerCase {
    const char16_t* value;
    int expected;
};
class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};
TEST_P(ReadIntegerTest, ReadsTheLeadingDecimalInteger)
{
    EXPECT_EQ(ReadInteger(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Values, ReadIntegerTest,
                         ::testing::Values(IntegerCase{u"12", 12}, IntegerCase{u"  -3x", -3}, IntegerCase{u"", 0},
                                           IntegerCase{u"abc", 0}, IntegerCase{u"+7", 7},
                                           IntegerCase{u"12.9", 12}, IntegerCase{u"99999999999999", 2147483647},
                                           IntegerCase{u"-99999999999999", -2147483647 - 1}));

struct RealCase {
    const char16_t* value;
    double expected;
};
class ReadRealTest : public ::testing::TestWithParam<RealCase> {};
TEST_P(ReadRealTest, ReadsTheLeadingDecimalNumber)
{
    EXPECT_DOUBLE_EQ(ReadReal(GetParam().value), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Values, ReadRealTest,
                         ::testing::Values(RealCase{u"0.940", 0.94}, RealCase{u"-1.250", -1.25}, RealCase{u"", 0.0},
                                           RealCase{u"abc", 0.0}, RealCase{u" 3.5px", 3.5}, RealCase{u".5", 0.5},
                                           RealCase{u"5.", 5.0}, RealCase{u"1e2", 100.0}, RealCase{u"2e", 2.0},
                                           RealCase{u"0,5", 0.0}, RealCase{u"1e999", 0.0},
                                           RealCase{u"nan", 0.0}, RealCase{u"inf", 0.0}));

TEST(DocumentValues, ColoursBooleansAndAlignments)
{
    EXPECT_EQ(ReadColor(u"255,255,0"), YellowColor);
    EXPECT_EQ(ReadColor(u"0,0,1"), ClearColor);
    EXPECT_EQ(ReadColor(u"12,34,56"), Rgb(12, 34, 56));
    EXPECT_EQ(ReadColor(u""), ColorRef(0));
    // Each part keeps its low 8 bits only.
    EXPECT_EQ(ReadColor(u"256,-1,257"), Rgb(0, 255, 1));
    EXPECT_EQ(ReadColor(u"7"), Rgb(7, 0, 0));
    EXPECT_EQ(ReadColor(u"7,8"), Rgb(7, 8, 0));

    EXPECT_TRUE(ReadBoolean(u"Yes"));
    EXPECT_FALSE(ReadBoolean(u"yes"));
    EXPECT_FALSE(ReadBoolean(u"No"));
    EXPECT_FALSE(ReadBoolean(u""));

    EXPECT_EQ(ReadAlignment(u"Center"), 1);
    EXPECT_EQ(ReadAlignment(u"Right"), 2);
    EXPECT_EQ(ReadAlignment(u"Left"), 0);
    EXPECT_EQ(ReadAlignment(u"right"), 0);
}

// ---- round trips through the writer ----

class DocumentRoundTrip : public SwTest {};

TEST_F(DocumentRoundTrip, EveryFieldAndAwkwardTextSurvivesWritingScramblingAndReading)
{
    MenuBoard board;
    board.NumberOfColumns = 3;
    board.NumberOfRows = 24;
    board.WhitePrintBackground = true;
    MenuStrip& s = board.strip(2, 23);
    s.BackGroundColor = Rgb(10, 20, 30);
    s.CaloriesTextColor = Rgb(1, 2, 3);
    s.CaloriesItalics = true;
    s.PriceTabSpacingFactor = 9.5;
    s.CaloriesSpacingFactor = 2.25;
    s.SubImageFileName = "/home/cook/.local/share/Moru Design/ZPF1733692800/Crème brûlée.jpg";
    s.ImageHiddenOnWhite = true;
    s.SubImageFrameIndex = 9;
    s.SubImageCropPercentageX = 80;
    s.SubImageCropPercentageY = 60;
    s.SubImageCropOriginPercentageX = 5;
    s.SubImageCropOriginPercentageY = 7;
    s.SubImageBrightnessFactor = -20;
    s.XOffsetFactor = -0.5;
    s.YOffsetFactor = 1.25;
    s.XSizeFactor = 2.0;
    s.YSizeFactor = 0.75;
    s.MainItem.Text = "Fish & Chips <large>\r\n寿司 🍣 Crème";
    s.MainItem.Font = "DejaVu Serif";
    s.MainItem.Bold = true;
    s.MainItem.CenterInStrip = true;
    s.MainItem.DropShadowColor = Rgb(0, 0, 0);
    s.SubItems.Text = "with \"sauce\" & 'salt'";
    s.SubItems.Italics = true;
    s.SubItems.GroupAlignment = AlignCenter;
    s.SubItems.LineSpacingFactor = 1.5;
    s.Prices.Text = "$5.99 <550 Cal>\r\n$7.49 <800 Cal>";
    s.Prices.TextColor = Rgb(255, 0, 0);
    s.Prices.ScaleFactor = 0.875;
    board.strip(0, 0).Prices.Text = "1.99";

    const QString workFolder = tempPath("work");
    const QByteArray stored = ToUtf16LeBytes(Scramble(WriteLayoutDocument(board, "Background.jpg")));
    ASSERT_EQ(QChar(char16_t(quint8(stored[0]) | quint8(stored[1]) << 8)), u'?');

    MenuBoard read;
    QStringList missing;
    ASSERT_EQ(ReadLayoutDocumentBytes(stored, read, PackageContext(workFolder), nullptr, missing),
              DocumentReadResult::Read);
    EXPECT_EQ(read.NumberOfColumns, 3);
    EXPECT_EQ(read.NumberOfRows, 24);
    EXPECT_TRUE(read.WhitePrintBackground);
    EXPECT_EQ(read.BackgroundFileName, workFolder + "/Background.jpg");

    MenuStrip expected = s;
    expected.SubImageFileName = workFolder + "/Crème brûlée.jpg";
    EXPECT_EQ(read.strip(2, 23), expected);
    EXPECT_EQ(read.strip(0, 0).Prices.Text, "1.99");
    EXPECT_FALSE(IsStripInUse(read.strip(1, 5)));
}

TEST(DocumentReader, PlainAndOddLengthBytesAreReadToo)
{
    MenuBoard board;
    board.strip(0, 1).MainItem.Text = "Tea";
    QByteArray bytes = ToUtf16LeBytes(WriteLayoutDocument(board, "Background.jpg"));
    bytes.append('\x01');
    MenuBoard read;
    QStringList missing;
    ASSERT_EQ(ReadLayoutDocumentBytes(bytes, read, PackageContext(), nullptr, missing), DocumentReadResult::Read);
    EXPECT_EQ(read.strip(0, 1).MainItem.Text, "Tea");
}

// ---- the reader's own rules ----

TEST(DocumentReader, ResetsTheBoardAndClampsTheCounts)
{
    struct Case {
        QString columns, rows;
        int expectedColumns, expectedRows;
    };
    const Case cases[] = {{"3", "24", 3, 24},  {"0", "0", 1, 4},        {"12", "500", 8, 200},
                          {"-3", "3", 1, 4},   {"", "", 1, 4},          {"8", "200", 8, 200},
                          {"9", "201", 8, 200}, {"99999999999", "x", 8, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.columns.toStdString() + " x " + c.rows.toStdString());
        MenuBoard board;
        board.strip(8, 200).MainItem.Text = "left over";
        board.strip(0, 0).MainItem.Text = "left over";
        QStringList missing;
        // Cells past the clamped range are never read, even when the document names them.
        const QString strips = El("Strip8-0", El("MainItemTextParams", El("Text", "beyond")))
            + El("Strip7-199", El("MainItemTextParams", El("Text", "edge")));
        ASSERT_EQ(ReadLayoutDocument(Document(strips, c.columns, c.rows), board, PackageContext(), nullptr, missing),
                  DocumentReadResult::Read);
        EXPECT_EQ(board.NumberOfColumns, c.expectedColumns);
        EXPECT_EQ(board.NumberOfRows, c.expectedRows);
        EXPECT_EQ(board.strip(0, 0), MenuStrip{});
        EXPECT_EQ(board.strip(8, 200), MenuStrip{});
        EXPECT_FALSE(IsStripInUse(board.strip(8, 0)));
        EXPECT_EQ(board.strip(7, 199).MainItem.Text == "edge", c.expectedColumns == 8 && c.expectedRows == 200);
    }
}

TEST(DocumentReader, FileWithoutAnyTagIsNotALayoutAndLeavesTheBoardAlone)
{
    for (const QString& text : {QString(), QString("hello world"), QString("<html><body>x</body></html>"),
                                FromUtf16LeBytes(QByteArray("<MenuData>not UTF-16</MenuData>"))}) {
        MenuBoard board;
        board.NumberOfColumns = 5;
        board.strip(1, 1).MainItem.Text = "keep";
        QStringList missing;
        EXPECT_EQ(ReadLayoutDocument(text, board, PackageContext(), nullptr, missing), DocumentReadResult::NotALayout);
        EXPECT_EQ(board.NumberOfColumns, 5);
        EXPECT_EQ(board.strip(1, 1).MainItem.Text, "keep");
    }
}

TEST(DocumentReader, StripOneOneAndStripOneTenAreToldApart)
{
    const MenuBoard board = Read(Document(El("Strip1-10", El("MainItemTextParams", El("Text", "ten")))
                                          + El("Strip1-1", El("MainItemTextParams", El("Text", "one")))));
    EXPECT_EQ(board.strip(1, 1).MainItem.Text, "one");
    EXPECT_EQ(board.strip(1, 10).MainItem.Text, "ten");
}

TEST(DocumentReader, FirstOccurrenceOfAStripTagWinsEvenInsideAText)
{
    // A text that happens to spell a later strip's tag shadows that strip, as
    // the first-occurrence search has always done.
    const MenuBoard board = Read(Document(El("Strip0-0", El("MainItemTextParams", El("Text", "<Strip0-1>x</Strip0-1>")))
                                          + El("Strip0-1", El("MainItemTextParams", El("Text", "real")))));
    EXPECT_EQ(board.strip(0, 0).MainItem.Text, "<Strip0-1>x</Strip0-1>");
    EXPECT_EQ(board.strip(0, 1).MainItem.Text, "");
}

TEST(DocumentReader, MissingValuesTakeTheirDocumentDefaults)
{
    const MenuBoard board = Read(Document(El(
        "Strip0-0", El("PriceTabSpacingFactor", "0.000")
                        + El("MainItemTextParams", El("Text", "Soup") + El("Xref", "0.100"))
                        + El("PricesTextParams", El("Text", "2.49") + El("TextColor", "0,255,0")))));
    const MenuStrip& s = board.strip(0, 0);
    EXPECT_DOUBLE_EQ(s.PriceTabSpacingFactor, 8.0);
    EXPECT_DOUBLE_EQ(s.CaloriesSpacingFactor, 3.8);
    EXPECT_EQ(s.SubImageCropPercentageX, 100);
    EXPECT_EQ(s.SubImageCropPercentageY, 100);
    EXPECT_EQ(s.BackGroundColor, ColorRef(0));
    EXPECT_DOUBLE_EQ(s.XSizeFactor, 0.0);
    EXPECT_DOUBLE_EQ(s.MainItem.LineSpacingFactor, 1.0);
    EXPECT_DOUBLE_EQ(s.MainItem.Xref, 0.1);
    EXPECT_EQ(s.MainItem.Font, "");
    EXPECT_EQ(s.MainItem.TextColor, ColorRef(0));
    EXPECT_EQ(s.MainItem.DropShadowColor, ColorRef(0));
    // No calorie colour of its own: the prices colour is taken.
    EXPECT_EQ(s.CaloriesTextColor, Rgb(0, 255, 0));
    // A sub items block never written keeps the kind-specific defaults.
    EXPECT_DOUBLE_EQ(s.SubItems.Xref, 0.3);
}

TEST(DocumentReader, BlockWithEmptyTextIsResetToPlainTextBlockDefaults)
{
    const MenuBoard board = Read(Document(El(
        "Strip0-0", El("SubImageFrameIndex", "2")
                        + El("PricesTextParams", El("Text", "") + El("Xref", "0.500") + El("Font", "Impact")))));
    EXPECT_EQ(board.strip(0, 0).Prices, TextBlock{});
}

TEST(DocumentReader, OlderElementsAreStillUnderstood)
{
    const MenuBoard board = Read(Document(
        El("Strip0-0", El("SubImageCropPercentage", "80") + El("SubImageCropPercentageX", "10")
                           + El("DropShadowColor", "9,8,7")
                           + El("MainItemTextParams", El("Text", "Old"))
                           + El("SubItemsTextParams", El("Text", "Own") + El("DropShadowColor", "1,2,3")))
        + El("Strip0-1", El("SubImageCropPercentageX", "70") + El("MainItemTextParams", El("Text", "New")))));
    const MenuStrip& old = board.strip(0, 0);
    EXPECT_EQ(old.SubImageCropPercentageX, 80);
    EXPECT_EQ(old.SubImageCropPercentageY, 80);
    EXPECT_EQ(old.MainItem.DropShadowColor, Rgb(9, 8, 7));
    EXPECT_EQ(old.SubItems.DropShadowColor, Rgb(1, 2, 3));
    EXPECT_EQ(board.strip(0, 1).SubImageCropPercentageX, 70);
    EXPECT_EQ(board.strip(0, 1).SubImageCropPercentageY, 100);
}

TEST(DocumentReader, SingleSpaceTextsBecomeEmpty)
{
    const MenuBoard board = Read(Document(El(
        "Strip0-0", El("SubImageFrameIndex", "1") + El("MainItemTextParams", El("Text", " "))
                        + El("SubItemsTextParams", El("Text", " ")) + El("PricesTextParams", El("Text", " ")))));
    const MenuStrip& s = board.strip(0, 0);
    EXPECT_EQ(s.MainItem.Text, "");
    EXPECT_EQ(s.SubItems.Text, "");
    EXPECT_EQ(s.Prices.Text, "");
    EXPECT_FALSE(StripHasText(s));
}

struct PricesCase {
    QString text;
    double tab, calories;
    QString expectedText;
    double expectedTab, expectedCalories;
};
class PricesFixUps : public ::testing::TestWithParam<PricesCase> {};
TEST_P(PricesFixUps, AreAppliedAfterReadingThePricesBlock)
{
    const PricesCase& c = GetParam();
    const MenuBoard board = Read(Document(El(
        "Strip0-0", El("PriceTabSpacingFactor", QString::asprintf("%0.3f", c.tab))
                        + El("CaloriesSpacingFactor", QString::asprintf("%0.3f", c.calories))
                        + El("PricesTextParams", El("Text", c.text)))));
    const MenuStrip& s = board.strip(0, 0);
    EXPECT_EQ(s.Prices.Text, c.expectedText);
    EXPECT_NEAR(s.PriceTabSpacingFactor, c.expectedTab, 1e-9);
    EXPECT_NEAR(s.CaloriesSpacingFactor, c.expectedCalories, 1e-9);
}
INSTANTIATE_TEST_SUITE_P(
    Table, PricesFixUps,
    ::testing::Values(PricesCase{"1.99^2.99^", 8.0, 3.8, "1.99^2.99^ ", 8.0, 3.8},
                      PricesCase{"^^^", 8.0, 3.8, "^ ^ ^ ", 8.0, 3.8},
                      PricesCase{"^^^^^x", 8.0, 3.8, "^ ^ ^ ^ ^x", 8.0, 3.8},
                      PricesCase{"1.99^\r\n2.99^\r\n", 8.0, 3.8, "1.99^ \r\n2.99^ \r\n", 8.0, 3.8},
                      PricesCase{"4.99^5.99", 8.0, 6.0, "4.99^5.99", 8.0, 5.6},
                      PricesCase{"4.99", 5.0, 3.8, "4.99", 5.6, 3.8},
                      PricesCase{"4.99 ", 8.0, 3.8, "4.99", 8.0, 3.8},
                      PricesCase{"$5.99 <550 Cal\\", 8.0, 3.8, "$5.99 <550 Cal>", 8.0, 3.8},
                      PricesCase{"$5.99 <550 Cal>", 8.0, 3.8, "$5.99 <550 Cal>", 8.0, 3.8}));

TEST(DocumentReader, CorruptSpacingFactorsCannotHangTheReader)
{
    for (const QString& text : {QString("4.99"), QString("4.99^")}) {
        double tab = 8.0, calories = 1e300;
        FixPriceSpacing(text, tab, calories);
        EXPECT_LE(calories, 0.7 * tab);
        tab = -1e300;
        calories = 3.8;
        FixPriceSpacing(text, tab, calories);
        EXPECT_LE(calories, 0.7 * tab);
    }
}

namespace {
class RecordingFontCheck : public TextBlockFontCheck {
public:
    QStringList asked;
    void CheckTextBlockFont(const QString& fontName, QStringList& handled, QStringList& missing) override
    {
        asked << fontName;
        if (handled.contains(fontName))
            return;
        handled << fontName;
        if (fontName.startsWith("Missing"))
            missing << fontName;
    }
};
} // namespace

TEST(DocumentReader, EveryTextBlockWithTextHasItsFontChecked)
{
    const QString doc = Document(
        El("Strip0-0", El("MainItemTextParams", El("Text", "A") + El("Font", "Missing Sans"))
                           + El("SubItemsTextParams", El("Text", "B") + El("Font", "Arial"))
                           + El("PricesTextParams", El("Text", "") + El("Font", "Never Asked")))
        + El("Strip1-0", El("MainItemTextParams", El("Text", "C") + El("Font", "Missing Sans"))));
    MenuBoard board;
    RecordingFontCheck check;
    QStringList missing;
    ASSERT_EQ(ReadLayoutDocument(doc, board, PackageContext(), &check, missing), DocumentReadResult::Read);
    EXPECT_EQ(check.asked, (QStringList{"Missing Sans", "Arial", "Missing Sans"}));
    EXPECT_EQ(missing, QStringList{"Missing Sans"});
}
