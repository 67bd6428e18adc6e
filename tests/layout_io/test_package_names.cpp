#include "layout_io/font_list_file.h"
#include "layout_io/naming.h"
#include "layout_io/scramble.h"
#include "support/fixture.h"

#include <QFile>

namespace sw {
namespace {

TEST(LayoutNames, FromBase)
{
    EXPECT_EQ(PackageName("Lunch"), "Lunch_LAYOUT.TABLOR");
    EXPECT_EQ(WhitePrintPackageName("Lunch"), "Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR");
    EXPECT_EQ(TvImageName("Lunch"), "Lunch_TV.jpg");
    EXPECT_EQ(WhitePrintTvImageName("Lunch"), "Lunch_TV_WHITE_PRINT_BGND.jpg");
    EXPECT_EQ(LegacyDocumentName("Lunch"), "TablorLayout_Lunch.XTABLOR");
    EXPECT_EQ(LegacySupportFolderName("Lunch"), "Lunch_SupportFiles");
    EXPECT_EQ(LegacyBackgroundName("Lunch"), "Lunch-TABLORBGD.jpg");
}

struct PathCase {
    const char* package;
    const char* temporary;
    const char* earlier;
    const char* tvImage;
};

class PackagePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PackagePathTest, DerivedNames)
{
    const PathCase& c = GetParam();
    EXPECT_EQ(TemporaryArchivePath(c.package), c.temporary);
    EXPECT_EQ(EarlierPackagePath(c.package), c.earlier);
    EXPECT_EQ(TvImagePathForPackage(c.package), c.tvImage);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackagePathTest,
    ::testing::Values(
        PathCase{"/m/Lunch_LAYOUT.TABLOR", "/m/Lunch_LAYOUT.zip", "/m/Lunch.TABLOR", "/m/Lunch_TV.jpg"},
        PathCase{"/m/Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR", "/m/Lunch_LAYOUT_WHITE_PRINT_BGND.zip",
                 "/m/Lunch_WHITE_PRINT_BGND.TABLOR", "/m/Lunch_TV_WHITE_PRINT_BGND.jpg"},
        // Folders are never part of the rename: a folder named with "_LAYOUT"
        // or ".TABLOR" stays as it is.
        PathCase{"/m/Old_LAYOUTS.TABLOR/Lunch_LAYOUT.TABLOR", "/m/Old_LAYOUTS.TABLOR/Lunch_LAYOUT.zip",
                 "/m/Old_LAYOUTS.TABLOR/Lunch.TABLOR", "/m/Old_LAYOUTS.TABLOR/Lunch_TV.jpg"},
        // Without "_LAYOUT" there is no earlier name: never the package itself.
        PathCase{"/m/Lunch.TABLOR", "/m/Lunch.zip", "", "/m/Lunch.jpg"},
        PathCase{"/m/Lunch.tablor", "", "", "/m/Lunch.tablor"}));

TEST(LayoutNames, TvImageLeadsToItsPackage)
{
    EXPECT_TRUE(IsTvImagePath("/m/Lunch_TV.jpg"));
    EXPECT_FALSE(IsTvImagePath("/m/My_TV_menus/Lunch_LAYOUT.TABLOR"));
    EXPECT_EQ(PackagePathForTvImage("/m/Lunch_TV.jpg"), "/m/Lunch_LAYOUT.TABLOR");
    EXPECT_EQ(PackagePathForTvImage("/m/Lunch_TV_WHITE_PRINT_BGND.jpg"), "/m/Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR");
    EXPECT_EQ(PackagePathForTvImage("/m/My_TV.jpgs/Lunch_TV.jpg"), "/m/My_TV.jpgs/Lunch_LAYOUT.TABLOR");
}

TEST(LayoutNames, PackageClassificationIsCaseSensitive)
{
    EXPECT_TRUE(IsPackagePath("/m/Lunch_LAYOUT.TABLOR"));
    EXPECT_FALSE(IsPackagePath("/m/menu.tablor"));
    EXPECT_FALSE(IsPackagePath("/m/TablorLayout_Lunch.XTABLOR"));
    EXPECT_FALSE(IsPackagePath("/m.TABLOR/Lunch"));
}

TEST(LayoutNames, SaveNameCarriesExactlyTheMatchingSuffix)
{
    EXPECT_EQ(PackagePathForSave("/m/Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR", false), "/m/Lunch_LAYOUT.TABLOR");
    EXPECT_EQ(PackagePathForSave("/m/Lunch_LAYOUT.TABLOR", true), "/m/Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR");
    EXPECT_EQ(PackagePathForSave("/m/Lunch", false), "/m/Lunch_LAYOUT.TABLOR");
    EXPECT_EQ(PackagePathForSave("/m_LAYOUT/Lunch.TABLOR", false), "/m_LAYOUT/Lunch_LAYOUT.TABLOR");
}

TEST(Scrambling, ReversesAndShiftsCodeUnits)
{
    EXPECT_EQ(Scramble("<>"), "?=");
    const QString doc = QStringLiteral("<MenuData>\r\n<T>\u00e9\U0001F354 \uFFFF</T></MenuData>");
    EXPECT_EQ(Unscramble(Scramble(doc)), doc);
    EXPECT_EQ(Scramble(QString(QChar(0xFFFF))), QString(QChar(0))) << "wraps modulo 65536";
    EXPECT_EQ(RemoveSelectionMarkers("~4.~99~"), "4.99");
}

TEST(Scrambling, Utf16LeBytes)
{
    EXPECT_EQ(ToUtf16LeBytes("<A"), QByteArray("<\0A\0", 4));
    EXPECT_EQ(FromUtf16LeBytes(QByteArray("<\0A\0Z", 5)), "<A") << "odd trailing byte dropped";
    const QString text = QStringLiteral("\u00e9\u20ac\U0001F354");
    EXPECT_EQ(FromUtf16LeBytes(ToUtf16LeBytes(text)), text);
}

TEST(FontListText, ParsesEntriesAndRefusesPathsAsFileNames)
{
    EXPECT_EQ(ParseLayoutFontList("Arial,arial.ttf;Segoe UI Black,seguibl.ttf;Tail,tail.ttf"),
              (QList<FontFileEntry>{{"Arial", "arial.ttf"}, {"Segoe UI Black", "seguibl.ttf"}, {"Tail", "tail.ttf"}}));
    EXPECT_EQ(ParseLayoutFontList("NoComma;Evil,../x.ttf;Evil2,a\\b.ttf;Empty,;Dot,..;Good,g.ttf;"),
              (QList<FontFileEntry>{{"Good", "g.ttf"}}));
    EXPECT_TRUE(ParseLayoutFontList("").isEmpty());
}

class FontListFileTest : public SwTest {};

TEST_F(FontListFileTest, WritesBareUtf16AndReadsItBack)
{
    ASSERT_TRUE(WriteFontFileNames(tempPath(), "Arial,arial.ttf;"));
    QFile f(tempPath("FontFileNames.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), ToUtf16LeBytes("Arial,arial.ttf;"));
    EXPECT_EQ(ReadFontFileNames(tempPath()), (QList<FontFileEntry>{{"Arial", "arial.ttf"}}));

    // A list written with a byte order mark elsewhere, and a missing list.
    writeFile("bom/FontFileNames.txt", QByteArray("\xFF\xFE", 2) + ToUtf16LeBytes("Impact,impact.ttf;"));
    EXPECT_EQ(ReadFontFileNames(tempPath("bom")), (QList<FontFileEntry>{{"Impact", "impact.ttf"}}));
    EXPECT_TRUE(ReadFontFileNames(tempPath("nowhere")).isEmpty());
}

} // namespace
} // namespace sw
