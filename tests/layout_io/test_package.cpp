#include "layout_io/font_list_file.h"
#include "layout_io/package.h"
#include "layout_io/scramble.h"
#include "support/fixture.h"
#include "zip_builder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sw {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class PackageTest : public SwTest {
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        QDir().mkpath(tempPath("work"));
        QDir().mkpath(tempPath("out"));
        background_ = writeFile("work/Background.jpg", QByteArray("JPEG background ") + QByteArray(70000, 'b'));
        writeFile("work/arial.ttf", "arial font bytes");
        writeFile("work/impact.ttf", "impact font bytes");
        picA_ = writeFile("pics/Fries.png", "fries picture");
        picB_ = writeFile("work/Burger.jpg", "burger picture");
    }

    PackRequest request(const QString& packageName = "Lunch_LAYOUT.TABLOR") const
    {
        PackRequest r;
        r.packagePath = tempPath("out/" + packageName);
        r.workFolder = tempPath("work");
        r.backgroundSource = background_;
        r.documentText = QStringLiteral("<MenuData><Text>4.~99~ \u00e9</Text></MenuData>");
        r.picturePaths = {picA_, picB_, picA_};
        r.layoutFontList = QStringLiteral("Arial,arial.ttf;Impact,impact.ttf;");
        return r;
    }

    QString background_, picA_, picB_;
};

TEST_F(PackageTest, RoundTripKeepsEntriesOrderAndBytes)
{
    const PackRequest r = request();
    QString error;
    QStringList missing;
    ASSERT_EQ(Pack(r, &error, &missing), PackResult::Ok) << error.toStdString();
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(tempPath("out/Lunch_LAYOUT.zip")));

    // One entry per picture-bearing strip, so a picture used twice is there twice.
    EXPECT_EQ(test::ZipEntryNames(r.packagePath),
              QStringList({"Background.jpg", "Layout.XTABLOR", "Fries.png", "Burger.jpg", "Fries.png", "arial.ttf",
                           "impact.ttf", "FontFileNames.txt"}));

    UnpackReport report;
    ASSERT_TRUE(Unpack(r.packagePath, tempPath("open"), &report)) << report.error.toStdString();
    EXPECT_TRUE(report.skipped.isEmpty());
    const QDir open(tempPath("open"));
    EXPECT_EQ(ReadAll(open.filePath("Background.jpg")), ReadAll(background_));
    EXPECT_EQ(ReadAll(open.filePath("Fries.png")), "fries picture");
    EXPECT_EQ(ReadAll(open.filePath("Burger.jpg")), "burger picture");
    EXPECT_EQ(ReadAll(open.filePath("impact.ttf")), "impact font bytes");

    const QByteArray stored = ReadAll(open.filePath("Layout.XTABLOR"));
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_EQ(stored.at(0), '?') << "scrambled documents start with '?'";
    EXPECT_EQ(Unscramble(FromUtf16LeBytes(stored)),
              QStringLiteral("<MenuData><Text>4.99 \u00e9</Text></MenuData>"));
    EXPECT_EQ(ReadAll(open.filePath("FontFileNames.txt")), ToUtf16LeBytes(r.layoutFontList));
    EXPECT_EQ(ReadFontFileNames(tempPath("open")),
              (QList<FontFileEntry>{{"Arial", "arial.ttf"}, {"Impact", "impact.ttf"}}));
}

TEST_F(PackageTest, ReplacesExistingPackageAndRemovesEarlierNamedOne)
{
    const PackRequest r = request();
    writeFile("out/Lunch_LAYOUT.TABLOR", "old package");
    writeFile("out/Lunch.TABLOR", "package of the earlier naming");
    writeFile("out/Dinner.TABLOR", "unrelated");

    ASSERT_EQ(Pack(r, nullptr), PackResult::OkOldNameRemoved);
    EXPECT_FALSE(QFileInfo::exists(tempPath("out/Lunch.TABLOR")));
    EXPECT_TRUE(QFileInfo::exists(tempPath("out/Dinner.TABLOR")));
    EXPECT_EQ(test::ZipEntryNames(r.packagePath).value(0), "Background.jpg");
    EXPECT_EQ(QDir(tempPath("out")).entryList(QDir::Files), QStringList({"Dinner.TABLOR", "Lunch_LAYOUT.TABLOR"}));

    // Nothing of the earlier naming left: a second save is a plain success.
    EXPECT_EQ(Pack(r, nullptr), PackResult::Ok);
}

TEST_F(PackageTest, FailureLeavesTheOldPackageWhole)
{
    writeFile("out/Lunch_LAYOUT.TABLOR", "old package");
    writeFile("out/Lunch.TABLOR", "earlier naming");
    PackRequest r = request();
    r.backgroundSource = tempPath("work/missing.jpg");
    QString error;
    EXPECT_EQ(Pack(r, &error), PackResult::Failed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(r.packagePath), "old package");
    EXPECT_TRUE(QFileInfo::exists(tempPath("out/Lunch.TABLOR")));
    EXPECT_FALSE(QFileInfo::exists(tempPath("out/Lunch_LAYOUT.zip")));

    // A package path the rename cannot take (a folder of that name).
    QDir().mkpath(tempPath("out/Busy_LAYOUT.TABLOR/inside"));
    EXPECT_EQ(Pack(request("Busy_LAYOUT.TABLOR"), &error), PackResult::Failed);
    EXPECT_FALSE(QFileInfo::exists(tempPath("out/Busy_LAYOUT.zip")));
}

TEST_F(PackageTest, AUsersOwnZipBesideThePackageIsNeverOverwritten)
{
    writeFile("out/Lunch_LAYOUT.zip", "the owner's own archive");
    const PackRequest r = request();
    ASSERT_NE(Pack(r, nullptr), PackResult::Failed);
    EXPECT_EQ(ReadAll(tempPath("out/Lunch_LAYOUT.zip")), "the owner's own archive");
    EXPECT_EQ(test::ZipEntryNames(r.packagePath).value(0), "Background.jpg");
    EXPECT_EQ(QDir(tempPath("out")).entryList(QDir::Files), QStringList({"Lunch_LAYOUT.TABLOR", "Lunch_LAYOUT.zip"}));
}

TEST_F(PackageTest, RefusesNamesWithoutUpperCaseExtension)
{
    for (const char* name : {"Lunch_LAYOUT.tablor", "Lunch_LAYOUT.TABLOR.bak", "Lunch"}) {
        QString error;
        EXPECT_EQ(Pack(request(name), &error), PackResult::Failed) << name;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_TRUE(QDir(tempPath("out")).isEmpty());
}

TEST_F(PackageTest, MissingPictureOrFontIsLeftOutAndNamed)
{
    PackRequest r = request();
    r.picturePaths = {tempPath("pics/Gone.png"), picB_};
    r.layoutFontList = "Arial,arial.ttf;Cubano,cubano.ttf;";
    QStringList missing;
    ASSERT_EQ(Pack(r, nullptr, &missing), PackResult::Ok);
    EXPECT_EQ(missing, QStringList({tempPath("pics/Gone.png"), tempPath("work/cubano.ttf")}));
    EXPECT_EQ(test::ZipEntryNames(r.packagePath),
              QStringList({"Background.jpg", "Layout.XTABLOR", "Burger.jpg", "arial.ttf", "FontFileNames.txt"}));
}

TEST_F(PackageTest, FontFoundDespiteCaseOfItsFileName)
{
    writeFile("work/ROCKWELL.TTF", "rockwell");
    PackRequest r = request();
    r.layoutFontList = "Rockwell,rockwell.ttf;";
    ASSERT_EQ(Pack(r, nullptr), PackResult::Ok);
    ASSERT_TRUE(Unpack(r.packagePath, tempPath("open"), nullptr));
    EXPECT_EQ(ReadAll(tempPath("open/rockwell.ttf")), "rockwell");
}

} // namespace
} // namespace sw
