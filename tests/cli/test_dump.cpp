#include "cli/board_json.h"
#include "cli/cli.h"
#include "layout_io/document_writer.h"
#include "layout_io/package.h"
#include "layout_io/scramble.h"
#include "support/fixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <gtest/gtest.h>

#include <unzip.h>
#include <zip.h>

using namespace sw;

namespace {

struct DumpRun {
    int status = -1;
    QString out;
    QString err;
};

DumpRun Dump(const QStringList& args)
{
    DumpRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = cli::RunDump(args, out, err);
    out.flush();
    err.flush();
    return run;
}

QString El(const QString& tag, const QString& value) { return "<" + tag + ">" + value + "</" + tag + ">"; }

// A package holding the given entries, made with minizip directly so that the
// test does not depend on our own packer for entries it would never write.
bool WriteRawZip(const QString& path, const QList<QPair<QByteArray, QByteArray>>& entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const auto& [name, data] : entries) {
        zip_fileinfo info{};
        ok = ok && zipOpenNewFileInZip64(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                         Z_DEFAULT_COMPRESSION, 0) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zip, data.constData(), unsigned(data.size())) == ZIP_OK;
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

class DumpTest : public SwTest {
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        savedTmp_ = qgetenv("TMPDIR");
        QDir().mkpath(tempPath("tmp"));
        qputenv("TMPDIR", QFile::encodeName(tempPath("tmp")));
    }
    void TearDown() override
    {
        if (savedTmp_.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", savedTmp_);
        SwTest::TearDown();
    }
    bool TempFolderIsEmpty() const
    {
        return QDir(tempPath("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty();
    }

private:
    QByteArray savedTmp_;
};

} // namespace

TEST_F(DumpTest, PackageFromOurWriterAndPackerIsDumpedFieldByField)
{
    const QString save = tempPath("save");
    QDir().mkpath(save);
    writeFile("save/Background.jpg", "background");
    writeFile("save/Shake.jpg", "picture");

    MenuBoard board;
    board.NumberOfColumns = 3;
    board.NumberOfRows = 24;
    board.WhitePrintBackground = true;
    MenuStrip& s = board.strip(1, 12);
    s.BackGroundColor = Rgb(255, 255, 0);
    s.CaloriesTextColor = Rgb(0, 128, 255);
    s.CaloriesItalics = true;
    s.PriceTabSpacingFactor = 9.0;
    s.CaloriesSpacingFactor = 2.5;
    s.SubImageFileName = save + "/Shake.jpg";
    s.ImageHiddenOnWhite = true;
    s.SubImageFrameIndex = 4;
    s.SubImageCropPercentageX = 90;
    s.SubImageCropPercentageY = 80;
    s.SubImageCropOriginPercentageX = 5;
    s.SubImageCropOriginPercentageY = 10;
    s.SubImageBrightnessFactor = 40;
    s.XOffsetFactor = 0.5;
    s.YOffsetFactor = -0.25;
    s.XSizeFactor = 1.5;
    s.YSizeFactor = 2.0;
    s.MainItem.Text = "Shake & Fries\r\nCafé";
    s.MainItem.Font = "DejaVu Sans";
    s.MainItem.Bold = true;
    s.MainItem.CenterInStrip = true;
    s.SubItems.Text = "vanilla";
    s.SubItems.GroupAlignment = AlignCenter;
    s.SubItems.LineSpacingFactor = 1.25;
    s.Prices.Text = "$3.49 <420 Cal>";
    s.Prices.DropShadowColor = Rgb(0, 0, 0);
    board.strip(0, 3).SubImageFrameIndex = 2; // in use without text
    board.strip(2, 0).MainItem.Text = "Last";

    PackRequest request;
    request.packagePath = tempPath("Lunch_LAYOUT.TABLOR");
    request.workFolder = save;
    request.backgroundSource = save + "/Background.jpg";
    request.documentText = WriteLayoutDocument(board, "Background.jpg");
    request.picturePaths = {s.SubImageFileName};
    QString error;
    ASSERT_NE(Pack(request, &error), PackResult::Failed) << error.toStdString();

    // A TV image leads to its package.
    const DumpRun run = Dump({tempPath("Lunch_TV.jpg")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_TRUE(run.out.endsWith('\n'));
    EXPECT_EQ(run.out.count('\n'), 1);
    QJsonParseError parse;
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &parse).object();
    ASSERT_EQ(parse.error, QJsonParseError::NoError);

    EXPECT_EQ(root["NumberOfColumns"].toInt(), 3);
    EXPECT_EQ(root["NumberOfRows"].toInt(), 24);
    EXPECT_EQ(root["WhitePrintBackground"], QJsonValue(true));
    const QString background = root["BackgroundFileName"].toString();
    EXPECT_TRUE(background.startsWith(tempPath("tmp") + "/")) << background.toStdString();
    EXPECT_TRUE(background.endsWith("/Background.jpg"));
    // The private working folder is gone once the dump is done.
    EXPECT_TRUE(TempFolderIsEmpty());

    const QJsonArray strips = root["Strips"].toArray();
    ASSERT_EQ(strips.size(), 3);
    EXPECT_EQ(strips[0].toObject()["Column"].toInt(), 0);
    EXPECT_EQ(strips[0].toObject()["Row"].toInt(), 3);
    EXPECT_EQ(strips[2].toObject()["Column"].toInt(), 2);
    EXPECT_EQ(strips[2].toObject()["Row"].toInt(), 0);

    const QJsonObject j = strips[1].toObject();
    EXPECT_EQ(j["Column"].toInt(), 1);
    EXPECT_EQ(j["Row"].toInt(), 12);
    EXPECT_EQ(j["BackGroundColor"].toString(), "255,255,0");
    EXPECT_EQ(j["CaloriesTextColor"].toString(), "0,128,255");
    EXPECT_EQ(j["CaloriesItalics"], QJsonValue(true));
    EXPECT_DOUBLE_EQ(j["PriceTabSpacingFactor"].toDouble(), 9.0);
    EXPECT_DOUBLE_EQ(j["CaloriesSpacingFactor"].toDouble(), 2.5);
    EXPECT_EQ(j["SubImageFileName"].toString(), QFileInfo(background).path() + "/Shake.jpg");
    EXPECT_EQ(j["ImageHiddenOnWhite"], QJsonValue(true));
    EXPECT_EQ(j["SubImageFrameIndex"].toInt(), 4);
    EXPECT_EQ(j["SubImageCropPercentageX"].toInt(), 90);
    EXPECT_EQ(j["SubImageCropPercentageY"].toInt(), 80);
    EXPECT_EQ(j["SubImageCropOriginPercentageX"].toInt(), 5);
    EXPECT_EQ(j["SubImageCropOriginPercentageY"].toInt(), 10);
    EXPECT_EQ(j["SubImageBrightnessFactor"].toInt(), 40);
    EXPECT_DOUBLE_EQ(j["XOffsetFactor"].toDouble(), 0.5);
    EXPECT_DOUBLE_EQ(j["YOffsetFactor"].toDouble(), -0.25);
    EXPECT_DOUBLE_EQ(j["XSizeFactor"].toDouble(), 1.5);
    EXPECT_DOUBLE_EQ(j["YSizeFactor"].toDouble(), 2.0);

    const QJsonObject main = j["MainItem"].toObject();
    EXPECT_EQ(main["Text"].toString(), "Shake & Fries\r\nCafé");
    EXPECT_EQ(main["TextColor"].toString(), "255,255,255");
    EXPECT_EQ(main["DropShadowColor"].toString(), "0,0,1");
    EXPECT_EQ(main["Font"].toString(), "DejaVu Sans");
    EXPECT_DOUBLE_EQ(main["Xref"].toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(main["ScaleFactor"].toDouble(), 1.0);
    EXPECT_EQ(main["Bold"], QJsonValue(true));
    EXPECT_EQ(main["Italics"], QJsonValue(false));
    EXPECT_EQ(main["CenterInStrip"], QJsonValue(true));
    EXPECT_EQ(main["GroupAlignment"].toInt(), 0);
    const QJsonObject sub = j["SubItems"].toObject();
    EXPECT_EQ(sub["Text"].toString(), "vanilla");
    EXPECT_DOUBLE_EQ(sub["Xref"].toDouble(), 0.3);
    EXPECT_DOUBLE_EQ(sub["Yref"].toDouble(), 0.4);
    EXPECT_DOUBLE_EQ(sub["LineSpacingFactor"].toDouble(), 1.25);
    EXPECT_EQ(sub["GroupAlignment"].toInt(), 1);
    const QJsonObject prices = j["Prices"].toObject();
    EXPECT_EQ(prices["Text"].toString(), "$3.49 <420 Cal>");
    EXPECT_EQ(prices["DropShadowColor"].toString(), "0,0,0");
    EXPECT_DOUBLE_EQ(prices["Xref"].toDouble(), 0.94);
    EXPECT_EQ(prices["GroupAlignment"].toInt(), 2);
}

TEST_F(DumpTest, LegacyDocumentIsDumpedWithItsSupportFolderPaths)
{
    const QString doc = "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"yes\"?><MenuData><MenuGeneralData>"
        + El("BackgroundFileName", "C:\\Menus\\Lunch_SupportFiles\\Lunch-TABLORBGD.jpg")
        + El("NumberOfColumns", "1") + El("NumberOfRows", "250") + "</MenuGeneralData><StripsData>"
        + El("Strip0-199", El("SubImageFileName", "C:\\Menus\\Lunch_SupportFiles\\pie.jpg")) + "</StripsData></MenuData>";
    const QString path = writeFile("Menus/TablorLayout_Lunch.XTABLOR", ToUtf16LeBytes(doc));
    const DumpRun run = Dump({path});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(root["NumberOfRows"].toInt(), 200);
    EXPECT_EQ(root["BackgroundFileName"].toString(), tempPath("Menus/Lunch_SupportFiles/Lunch-TABLORBGD.jpg"));
    const QJsonArray strips = root["Strips"].toArray();
    ASSERT_EQ(strips.size(), 1);
    EXPECT_EQ(strips[0].toObject()["Row"].toInt(), 199);
    EXPECT_EQ(strips[0].toObject()["SubImageFileName"].toString(), tempPath("Menus/Lunch_SupportFiles/pie.jpg"));
}

TEST_F(DumpTest, WhatCannotBeDumpedIsOneLineOnStandardErrorAndStatusOne)
{
    writeFile("photo.XTABLOR", QByteArray("\xFF\xD8\xFF\xE0 not a layout at all", 24));
    writeFile("Broken_LAYOUT.TABLOR", "PK but not really a zip archive");
    ASSERT_TRUE(WriteRawZip(tempPath("NoDoc_LAYOUT.TABLOR"), {{"Background.jpg", "bg"}}));
    const QList<QStringList> cases = {{tempPath("photo.XTABLOR")},       {tempPath("Missing_LAYOUT.TABLOR")},
                                      {tempPath("Missing_TV.jpg")},      {tempPath("Broken_LAYOUT.TABLOR")},
                                      {tempPath("NoDoc_LAYOUT.TABLOR")}, {tempPath()},
                                      {},                                {"a", "b"}};
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const DumpRun run = Dump(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("signwright: "));
    }
    EXPECT_TRUE(Dump({tempPath("Missing_TV.jpg")}).err.contains("Missing_LAYOUT.TABLOR"));
    EXPECT_TRUE(Dump({tempPath("photo.XTABLOR")}).err.contains("not a layout"));
    EXPECT_TRUE(TempFolderIsEmpty());
}

TEST_F(DumpTest, EntriesTheUnpackerRefusesAreReportedButTheLayoutIsDumped)
{
    MenuBoard board;
    board.strip(0, 0).MainItem.Text = "Soup";
    const QByteArray doc = ToUtf16LeBytes(Scramble(WriteLayoutDocument(board, "Background.jpg")));
    ASSERT_TRUE(WriteRawZip(tempPath("Soup_LAYOUT.TABLOR"),
                            {{"Layout.XTABLOR", doc}, {"Background.jpg", "bg"}, {"../escape.txt", "x"}}));
    const DumpRun run = Dump({tempPath("Soup_LAYOUT.TABLOR")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("escape.txt"));
    EXPECT_FALSE(QFileInfo::exists(tempPath("escape.txt")));
    EXPECT_EQ(QJsonDocument::fromJson(run.out.toUtf8())["Strips"][0]["MainItem"]["Text"].toString(), "Soup");
}
