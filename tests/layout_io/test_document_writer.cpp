// The document text is checked against the structure built here element by
// element, never against the writer's own output.
#include "layout_io/document_writer.h"
#include "support/fixture.h"

#include <QLocale>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QString El(const QString& tag, const QString& value) { return "<" + tag + ">" + value + "</" + tag + ">"; }

QString BlockElement(const QString& tag, const QString& text, const QString& textColor, const QString& font,
                     const QString& xref, const QString& yref, const QString& scale, const QString& align)
{
    return El(tag, El("Text", text) + El("TextColor", textColor) + El("DropShadowColor", "0,0,1") + El("Font", font)
                       + El("Xref", xref) + El("Yref", yref) + El("ScaleFactor", scale)
                       + El("LineSpacingFactor", "1.000") + El("Bold", "No") + El("Italics", "No")
                       + El("CenterInStrip", "No") + El("GroupAlignment", align));
}

QString DefaultStripFields()
{
    return El("BackGroundColor", "0,0,1") + El("CaloriesTextColor", "255,255,0") + El("CaloriesItalics", "No")
        + El("PriceTabSpacingFactor", "8.000") + El("CaloriesSpacingFactor", "3.800") + El("SubImageFileName", "")
        + El("ImageHiddenOnWhite", "No") + El("SubImageFrameIndex", "0") + El("SubImageCropPercentageX", "0")
        + El("SubImageCropPercentageY", "0") + El("SubImageCropOriginPercentageX", "0")
        + El("SubImageCropOriginPercentageY", "0") + El("SubImageBrightnessFactor", "0")
        + El("XOffsetFactor", "0.000") + El("YOffsetFactor", "0.000") + El("XSizeFactor", "1.000")
        + El("YSizeFactor", "1.000");
}

} // namespace

TEST(DocumentWriter, BurgerBoardIsWrittenByteForByte)
{
    MenuBoard board;
    board.strip(1, 12).MainItem.Text = "Burger";

    QString expected = "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\"?><MenuData><ApplicationData>"
                       + El("NameAndVersion", "Tablor Studio Editor 3.0 Version3.0.38.2") + "</ApplicationData>"
                       + "<MenuGeneralData>" + El("BackgroundFileName", "Background.jpg")
                       + El("NumberOfColumns", "2") + El("NumberOfRows", "16") + El("WhitePrintBackground", "No")
                       + "</MenuGeneralData><StripsData>";
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < 16; ++r) {
            const QString tag = QString("Strip%1-%2").arg(c).arg(r);
            if (c == 1 && r == 12)
                expected += El(tag, DefaultStripFields()
                                        + BlockElement("MainItemTextParams", "Burger", "255,255,255", "Arial",
                                                       "0.000", "0.000", "1.000", "Left"));
            else
                expected += El(tag, "");
        }
    }
    expected += "</StripsData></MenuData>";

    const QString written = WriteLayoutDocument(board, "/home/cook/.local/share/Moru Design/ZPF1/Background.jpg");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.count(QRegularExpression("<Strip\\d+-\\d+>")), 32);
}

TEST(DocumentWriter, ValuesAreFormattedWithAPointWhateverTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    MenuBoard board;
    board.NumberOfColumns = 1;
    board.NumberOfRows = 4;
    board.WhitePrintBackground = true;
    MenuStrip& s = board.strip(0, 0);
    s.BackGroundColor = Rgb(255, 255, 0);
    s.XSizeFactor = 1.0;
    s.YOffsetFactor = -0.25;
    s.SubImageBrightnessFactor = -40;
    s.SubImageFileName = "/work/ZPF1/Fries.jpg";
    s.Prices.Text = "$5.99 <550 Cal>";
    s.Prices.GroupAlignment = AlignRight;
    s.SubItems.Text = "Fries & Shake\r\nLarge";
    s.SubItems.GroupAlignment = AlignCenter;
    s.SubItems.Bold = true;
    const QString doc = WriteLayoutDocument(board, "C:\\Menus\\Lunch_SupportFiles\\Lunch-TABLORBGD.jpg");
    QLocale::setDefault(saved);

    EXPECT_TRUE(doc.contains(El("BackgroundFileName", "Lunch-TABLORBGD.jpg")));
    EXPECT_TRUE(doc.contains(El("WhitePrintBackground", "Yes")));
    EXPECT_TRUE(doc.contains(El("NumberOfRows", "4")));
    EXPECT_TRUE(doc.contains(El("BackGroundColor", "255,255,0")));
    EXPECT_TRUE(doc.contains(El("XSizeFactor", "1.000")));
    EXPECT_TRUE(doc.contains(El("YOffsetFactor", "-0.250")));
    EXPECT_TRUE(doc.contains(El("SubImageBrightnessFactor", "-40")));
    EXPECT_TRUE(doc.contains(El("SubImageFileName", "\\work\\ZPF1\\Fries.jpg")));
    EXPECT_TRUE(doc.contains(BlockElement("SubItemsTextParams", "Fries & Shake\r\nLarge", "255,255,255", "Arial",
                                          "0.300", "0.400", "0.500", "Center")
                                 .replace(El("Bold", "No"), El("Bold", "Yes"))));
    EXPECT_TRUE(doc.contains(BlockElement("PricesTextParams", "$5.99 <550 Cal>", "255,255,255", "Arial", "0.940",
                                          "0.000", "1.000", "Right")));
    // An empty strip holds nothing at all.
    EXPECT_TRUE(doc.contains("<Strip0-1></Strip0-1>"));
}

TEST(DocumentWriter, StripInUseWithoutTextStillCarriesItsMainItemOnly)
{
    MenuBoard board;
    board.strip(0, 3).SubImageFrameIndex = 3;
    const QString doc = WriteLayoutDocument(board, "Background.jpg");
    const qsizetype at = doc.indexOf("<Strip0-3>");
    const QString strip = doc.mid(at, doc.indexOf("</Strip0-3>") - at);
    EXPECT_TRUE(strip.contains(El("SubImageFrameIndex", "3")));
    EXPECT_TRUE(strip.contains("<MainItemTextParams><Text></Text>"));
    EXPECT_FALSE(strip.contains("SubItemsTextParams"));
    EXPECT_FALSE(strip.contains("PricesTextParams"));
}

TEST(DocumentWriter, NameAndVersionRunsTheVersionOnAfterTheWord)
{
    EXPECT_TRUE(NameAndVersion().endsWith(" Version3.0.38.2"));
    EXPECT_FALSE(NameAndVersion().endsWith("Version 3.0.38.2"));
}
