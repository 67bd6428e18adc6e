#include "cli/cli.h"
#include "layout_io/document_writer.h"
#include "layout_io/package.h"
#include "platform/data_folders.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace sw;

namespace {

const QColor kPhoto(30, 60, 90);

bool Near(const QColor& a, const QColor& b, int tolerance = 16)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

class RenderTv : public SwTest {
protected:
    QString stdoutText, stderrText;

    int run(const QStringList& args)
    {
        stdoutText.clear();
        stderrText.clear();
        QTextStream out(&stdoutText), err(&stderrText);
        return cli::RunRenderTv(args, out, err);
    }

    // A package made by our own writer and packer: a red box in strip (0, 0)
    // and a green picture filling strip (1, 1) of a 2 x 4 board.
    QString makePackage(const QString& name, int w, int h, bool whitePrint = false)
    {
        const QString src = tempPath("src_" + name);
        QDir().mkpath(src);
        QImage bg(w, h, QImage::Format_RGB32);
        bg.fill(kPhoto);
        EXPECT_TRUE(bg.save(src + "/Background.jpg", "JPEG"));
        QImage pie(16, 16, QImage::Format_RGB32);
        pie.fill(Qt::green);
        EXPECT_TRUE(pie.save(src + "/pie.png", "PNG"));

        MenuBoard board;
        board.NumberOfRows = 4;
        board.WhitePrintBackground = whitePrint;
        board.strip(0, 0).BackGroundColor = Rgb(255, 0, 0);
        board.strip(1, 1).SubImageFileName = src + "/pie.png";
        board.strip(1, 1).SubImageCropPercentageX = 100;
        board.strip(1, 1).SubImageCropPercentageY = 100;

        PackRequest request;
        request.packagePath = tempPath(name);
        request.workFolder = src;
        request.backgroundSource = src + "/Background.jpg";
        request.documentText = WriteLayoutDocument(board, request.backgroundSource);
        request.picturePaths = {src + "/pie.png"};
        QString error;
        EXPECT_NE(Pack(request, &error), PackResult::Failed) << error.toStdString();
        return request.packagePath;
    }
};

TEST_F(RenderTv, WritesTheTvImageBesideThePackage)
{
    const QString package = makePackage("Lunch_LAYOUT.TABLOR", 400, 200);
    ASSERT_EQ(run({package}), 0) << stderrText.toStdString();
    const QString tvPath = tempPath("Lunch_TV.jpg");
    EXPECT_EQ(stdoutText.trimmed(), tvPath);
    const QImage tv(tvPath);
    ASSERT_EQ(tv.size(), QSize(400, 200));
    EXPECT_TRUE(Near(tv.pixelColor(100, 25), Qt::red));      // strip (0, 0)
    EXPECT_TRUE(Near(tv.pixelColor(300, 75), Qt::green));    // strip (1, 1), its picture
    EXPECT_TRUE(Near(tv.pixelColor(100, 150), kPhoto));      // unused strip: the photograph
}

TEST_F(RenderTv, WhitePrintPackageGetsTheWhitePrintName)
{
    const QString package = makePackage("Menu_LAYOUT_WHITE_PRINT_BGND.TABLOR", 400, 200, true);
    ASSERT_EQ(run({package}), 0) << stderrText.toStdString();
    const QImage tv(tempPath("Menu_TV_WHITE_PRINT_BGND.jpg"));
    ASSERT_FALSE(tv.isNull());
    EXPECT_TRUE(Near(tv.pixelColor(100, 150), Qt::white));
    EXPECT_TRUE(Near(tv.pixelColor(300, 75), Qt::green));
}

TEST_F(RenderTv, PortraitTurnsOnlyWhenAskedAndLeavesTheStoredChoiceAlone)
{
    const QString package = makePackage("Tall_LAYOUT.TABLOR", 200, 400);
    const QString rotationData = QDir(ProgramDataFolder()).filePath("RotationData.txt");

    ASSERT_EQ(run({package}), 0) << stderrText.toStdString();
    EXPECT_EQ(QImage(tempPath("Tall_TV.jpg")).size(), QSize(200, 400));

    const QString out = tempPath("out/turned.jpg");
    ASSERT_EQ(run({package, "--rotation", "cw", "--out", out}), 0) << stderrText.toStdString();
    QImage tv(out);
    ASSERT_EQ(tv.size(), QSize(400, 200));
    EXPECT_TRUE(Near(tv.pixelColor(380, 50), Qt::red));  // top-left strip now at the top right

    ASSERT_EQ(run({"--rotation", "ccw", package, "--out", out}), 0);
    tv = QImage(out);
    ASSERT_EQ(tv.size(), QSize(400, 200));
    EXPECT_TRUE(Near(tv.pixelColor(20, 150), Qt::red));  // ... or at the bottom left
    EXPECT_FALSE(QFile::exists(rotationData));
}

struct BadCase {
    const char* name;
    QStringList args;
};

class RenderTvErrors : public RenderTv, public ::testing::WithParamInterface<BadCase> { };

TEST_P(RenderTvErrors, OneLineOnStderrAndStatusOne)
{
    writeFile("garbage_LAYOUT.TABLOR", "this is not a zip archive");
    writeFile("notes.txt", "hello");
    QStringList args;
    for (const QString& a : GetParam().args)
        args << (a.startsWith("@") ? tempPath(a.mid(1)) : a);
    EXPECT_EQ(run(args), 1);
    EXPECT_TRUE(stdoutText.isEmpty());
    EXPECT_TRUE(stderrText.startsWith("signwright: ")) << stderrText.toStdString();
    EXPECT_EQ(stderrText.count('\n'), 1) << stderrText.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RenderTvErrors,
    ::testing::Values(BadCase{"noPackage", {}}, BadCase{"missingFile", {"@nowhere_LAYOUT.TABLOR"}},
                      BadCase{"notAPackage", {"@notes.txt"}}, BadCase{"notAZip", {"@garbage_LAYOUT.TABLOR"}},
                      BadCase{"badRotation", {"@garbage_LAYOUT.TABLOR", "--rotation", "left"}},
                      BadCase{"outWithoutValue", {"@garbage_LAYOUT.TABLOR", "--out"}},
                      BadCase{"unknownOption", {"@garbage_LAYOUT.TABLOR", "--fast"}},
                      BadCase{"twoPackages", {"@a_LAYOUT.TABLOR", "@b_LAYOUT.TABLOR"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(RenderTv, UnwritableOutputIsAnError)
{
    const QString package = makePackage("Lunch_LAYOUT.TABLOR", 100, 50);
    writeFile("blocker", "a file where a folder should be");
    EXPECT_EQ(run({package, "--out", tempPath("blocker/tv.jpg")}), 1);
    EXPECT_TRUE(stderrText.contains("cannot write the TV image")) << stderrText.toStdString();
}

} // namespace
