// Reading layouts from disk: packages, TV images standing for them, and the
// older folder format with its support folder.
#include "layout_io/document_paths.h"
#include "layout_io/document_writer.h"
#include "layout_io/layout_loader.h"
#include "layout_io/package.h"
#include "layout_io/scramble.h"
#include "support/fixture.h"
#include "zip_builder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace sw;

namespace {

QString El(const QString& tag, const QString& value) { return "<" + tag + ">" + value + "</" + tag + ">"; }

QString LegacyDocument(const QString& background, const QString& picture)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\"?><MenuData><MenuGeneralData>"
        + El("BackgroundFileName", background) + El("NumberOfColumns", "2") + El("NumberOfRows", "16")
        + El("WhitePrintBackground", "No") + "</MenuGeneralData><StripsData>"
        + El("Strip0-0", El("SubImageFileName", picture) + El("SubImageCropPercentage", "80")
                             + El("DropShadowColor", "0,0,0") + El("MainItemTextParams", El("Text", "Burger")))
        + "</StripsData></MenuData>";
}

} // namespace

TEST(LayoutPaths, ClassifyingAndMappingChosenFiles)
{
    EXPECT_EQ(ClassifyLayoutPath("/m/Lunch_LAYOUT.TABLOR"), LayoutKind::Package);
    EXPECT_EQ(ClassifyLayoutPath("/m/menu.tablor"), LayoutKind::LegacyDocument);
    EXPECT_EQ(ClassifyLayoutPath("/m/TablorLayout_Lunch.XTABLOR"), LayoutKind::LegacyDocument);
    EXPECT_EQ(ClassifyLayoutPath("/m.TABLOR/file"), LayoutKind::LegacyDocument);

    EXPECT_EQ(LayoutPathForChosenFile("/m/Lunch_TV.jpg"), "/m/Lunch_LAYOUT.TABLOR");
    EXPECT_EQ(LayoutPathForChosenFile("/m/Lunch_TV_WHITE_PRINT_BGND.jpg"),
              "/m/Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR");
    // Folders are not renamed, and packages or documents stand for themselves.
    EXPECT_EQ(LayoutPathForChosenFile("/Shop_TV/Lunch_TV.jpg"), "/Shop_TV/Lunch_LAYOUT.TABLOR");
    EXPECT_EQ(LayoutPathForChosenFile("/m/My_TVs_LAYOUT.TABLOR"), "/m/My_TVs_LAYOUT.TABLOR");
    EXPECT_EQ(LayoutPathForChosenFile("/m/TablorLayout_X_TV.XTABLOR"), "/m/TablorLayout_X_TV.XTABLOR");

    EXPECT_EQ(LegacyLayoutBaseName("TablorLayout_Lunch.XTABLOR"), "Lunch");
    EXPECT_EQ(LegacyLayoutBaseName("TablorLayout_Late.Night.XTABLOR"), "Late.Night");
    EXPECT_EQ(LegacyLayoutBaseName("menu.tablor"), "menu");
}

TEST(LayoutPaths, LegacyBackgroundAndPictureRules)
{
    EXPECT_EQ(LegacyBackgroundPath("Lunch-TABLORBGD.jpg", "/m"), "/m/Lunch_SupportFiles/Lunch-TABLORBGD.jpg");
    EXPECT_EQ(LegacyBackgroundPath("Late-Night-TABLORBGD.jpg", "/m"),
              "/m/Late-Night_SupportFiles/Late-Night-TABLORBGD.jpg");
    EXPECT_EQ(LegacyBackgroundPath("C:\\Old\\Lunch_SupportFiles\\bg.jpg", "/m"), "/m/Lunch_SupportFiles/bg.jpg");
    EXPECT_EQ(LegacyBackgroundPath("/home/a/Lunch_SupportFiles/bg.jpg", "/m"), "/m/Lunch_SupportFiles/bg.jpg");
    EXPECT_EQ(LegacyBackgroundPath("", "/m"), "");

    EXPECT_EQ(LegacyPicturePath("C:\\Menus\\Lunch_SupportFiles\\fries.jpg", "/m", "Lunch"),
              "/m/Lunch_SupportFiles/fries.jpg");
    EXPECT_EQ(LegacyPicturePath("fries.jpg", "/m", "Lunch"), "/m/fries.jpg");

    EXPECT_EQ(PackagePicturePath("C:\\ProgramData\\Moru Design\\ZPF1\\fries.jpg", "/w"), "/w/fries.jpg");
    EXPECT_EQ(PackagePicturePath("/home/a/ZPF1/fries.jpg", "/w"), "/w/fries.jpg");
    EXPECT_EQ(PackagePicturePath("C:\\x\\..", "/w"), "");
    EXPECT_EQ(PackagePicturePath("C:\\x\\", "/w"), "");
}

class DocumentLoading : public SwTest {};

TEST_F(DocumentLoading, LegacyFolderFormatIsReadInPlaceWithItsSupportFolder)
{
    // Made on Windows: the picture's case on disk differs from the document.
    writeFile("Menus/Lunch_SupportFiles/Lunch-TABLORBGD.jpg", "jpeg");
    writeFile("Menus/Lunch_SupportFiles/fries.jpg", "jpeg");
    const QString doc = writeFile("Menus/TablorLayout_Lunch.XTABLOR",
                                  ToUtf16LeBytes(LegacyDocument("Lunch-TABLORBGD.jpg",
                                                                "C:\\Menus\\Lunch_SupportFiles\\FRIES.JPG")));
    MenuBoard board;
    LoadReport report;
    ASSERT_TRUE(LoadLayoutFile(doc, tempPath("work"), board, nullptr, report));
    EXPECT_EQ(report.kind, LayoutKind::LegacyDocument);
    EXPECT_FALSE(report.context.fromPackage);
    EXPECT_EQ(report.context.layoutBaseName, "Lunch");
    EXPECT_EQ(report.context.layoutFolder, tempPath("Menus"));
    EXPECT_EQ(board.BackgroundFileName, tempPath("Menus/Lunch_SupportFiles/Lunch-TABLORBGD.jpg"));
    const MenuStrip& s = board.strip(0, 0);
    EXPECT_EQ(s.SubImageFileName, tempPath("Menus/Lunch_SupportFiles/fries.jpg"));
    EXPECT_EQ(s.SubImageCropPercentageX, 80);
    EXPECT_EQ(s.MainItem.DropShadowColor, ColorRef(0));
    EXPECT_FALSE(QFileInfo::exists(tempPath("work")));
}

TEST_F(DocumentLoading, PackageWrittenByOurOwnWriterAndPackerReadsBack)
{
    const QString saveWork = tempPath("save");
    QDir().mkpath(saveWork);
    writeFile("save/Background.jpg", "background");
    writeFile("save/Fries.jpg", "picture");
    MenuBoard board;
    board.NumberOfColumns = 3;
    board.NumberOfRows = 20;
    board.strip(2, 19).MainItem.Text = "Fries~";
    board.strip(2, 19).SubImageFileName = saveWork + "/Fries.jpg";
    board.strip(0, 4).Prices.Text = "$1.99 <90 Cal>";
    PackRequest request;
    request.packagePath = tempPath("Lunch_LAYOUT.TABLOR");
    request.workFolder = saveWork;
    request.backgroundSource = saveWork + "/Background.jpg";
    request.documentText = WriteLayoutDocument(board, "Background.jpg");
    request.picturePaths = {board.strip(2, 19).SubImageFileName};
    QString error;
    ASSERT_NE(Pack(request, &error), PackResult::Failed) << error.toStdString();

    const QString work = tempPath("open");
    MenuBoard read;
    LoadReport report;
    ASSERT_TRUE(LoadLayoutFile(LayoutPathForChosenFile(tempPath("Lunch_TV.jpg")), work, read, nullptr, report));
    EXPECT_EQ(report.kind, LayoutKind::Package);
    EXPECT_EQ(report.documentPath, work + "/Layout.XTABLOR");
    EXPECT_EQ(read.NumberOfColumns, 3);
    EXPECT_EQ(read.NumberOfRows, 20);
    EXPECT_EQ(read.BackgroundFileName, work + "/Background.jpg");
    // The selection marker never reaches a package.
    EXPECT_EQ(read.strip(2, 19).MainItem.Text, "Fries");
    EXPECT_EQ(read.strip(2, 19).SubImageFileName, work + "/Fries.jpg");
    EXPECT_TRUE(QFileInfo::exists(work + "/Fries.jpg"));
    EXPECT_EQ(read.strip(0, 4).Prices.Text, "$1.99 <90 Cal>");
}

TEST_F(DocumentLoading, OlderPackageEntryNamesAndCaseAreAccepted)
{
    const QByteArray doc = ToUtf16LeBytes(Scramble(LegacyDocument("x.jpg", "C:\\Old\\ZPF5\\Pic.JPG")));
    ASSERT_TRUE(test::WriteZip(tempPath("Old_LAYOUT.TABLOR"), {{"TablorLayout_Old.XTABLOR", doc},
                                                               {"Old-TABLORBGD.jpg", "bg"},
                                                               {"pic.jpg", "pic"}}));
    MenuBoard board;
    LoadReport report;
    ASSERT_TRUE(LoadLayoutFile(tempPath("Old_LAYOUT.TABLOR"), tempPath("work"), board, nullptr, report));
    EXPECT_EQ(board.BackgroundFileName, tempPath("work/Background.jpg"));
    EXPECT_EQ(board.strip(0, 0).SubImageFileName, tempPath("work/pic.jpg"));
}

TEST_F(DocumentLoading, FailuresAreReportedAndLeaveTheBoardAlone)
{
    writeFile("notes.txt", "just some text, not a layout");
    writeFile("Empty_LAYOUT.TABLOR", "");
    ASSERT_TRUE(test::WriteZip(tempPath("NoDoc_LAYOUT.TABLOR"), {{"Background.jpg", "bg"}}));
    QDir().mkpath(tempPath("folder.XTABLOR"));
    struct Case {
        QString path;
        LoadStatus status;
    };
    const Case cases[] = {{tempPath("missing.XTABLOR"), LoadStatus::CannotOpen},
                          {tempPath("Missing_LAYOUT.TABLOR"), LoadStatus::CannotOpen},
                          {tempPath("Empty_LAYOUT.TABLOR"), LoadStatus::CannotOpen},
                          {tempPath("NoDoc_LAYOUT.TABLOR"), LoadStatus::CannotOpen},
                          {tempPath("folder.XTABLOR"), LoadStatus::CannotOpen},
                          {tempPath("notes.txt"), LoadStatus::NotALayout}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        MenuBoard board;
        board.strip(0, 0).MainItem.Text = "keep";
        LoadReport report;
        EXPECT_FALSE(LoadLayoutFile(c.path, tempPath("work-" + QFileInfo(c.path).fileName()), board, nullptr, report));
        EXPECT_EQ(report.status, c.status);
        EXPECT_EQ(board.strip(0, 0).MainItem.Text, "keep");
    }
}
