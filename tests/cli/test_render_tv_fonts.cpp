#include "cli/cli.h"
#include "fonts/font_maker.h"
#include "layout_io/document_writer.h"
#include "layout_io/font_list_file.h"
#include "layout_io/package.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace sw;

namespace {

class RenderTvFonts : public SwTest {
protected:
    // A package whose main item of strip (0, 0) is written in `family`;
    // `fontFile` (when given) travels in the package as pkgfont.ttf.
    QString makePackage(const QString& name, const QString& family, const QByteArray& fontFile)
    {
        const QString src = tempPath("src_" + name);
        QDir().mkpath(src);
        QImage bg(800, 400, QImage::Format_RGB32);
        bg.fill(QColor(20, 20, 20));
        EXPECT_TRUE(bg.save(src + "/Background.jpg", "JPEG"));
        MenuBoard board;
        board.NumberOfRows = 4;
        board.strip(0, 0).MainItem.Text = "WWW iii Fish 4.99";
        board.strip(0, 0).MainItem.Font = family;

        PackRequest request;
        request.packagePath = tempPath(name);
        request.workFolder = src;
        request.backgroundSource = src + "/Background.jpg";
        request.documentText = WriteLayoutDocument(board, request.backgroundSource);
        if (!fontFile.isEmpty()) {
            QFile f(src + "/pkgfont.ttf");
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(fontFile);
            request.layoutFontList = family + ",pkgfont.ttf;";
        }
        QString error;
        EXPECT_NE(Pack(request, &error), PackResult::Failed) << error.toStdString();
        return request.packagePath;
    }

    QImage render(const QString& package)
    {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        const QString tv = package + ".tv.jpg";
        EXPECT_EQ(cli::RunRenderTv({package, "--out", tv}, out, err), 0) << errText.toStdString();
        return QImage(tv);
    }
};

TEST_F(RenderTvFonts, APackageDrawsWithTheFontItCarriesWhenThisComputerLacksIt)
{
    const QString family = sw::test::UniqueFamily("Carried Mono");
    const QByteArray font = sw::test::MakeTestFont(family);
    ASSERT_FALSE(font.isEmpty());

    // Without its font file the family falls back to the generic font. This
    // runs first: the carried font stays registered in this process.
    const QImage fallback = render(makePackage("NoFont_LAYOUT.TABLOR", family, {}));
    const QImage carried = render(makePackage("Carried_LAYOUT.TABLOR", family, font));
    // The carried font is a renamed Liberation Mono.
    const QImage reference =
        render(makePackage("Reference_LAYOUT.TABLOR", sw::test::kTestFontSourceFamily, {}));

    ASSERT_FALSE(carried.isNull());
    EXPECT_NE(carried, fallback);
    EXPECT_EQ(carried, reference);
    // Nothing was installed for the user.
    EXPECT_TRUE(QDir(tempPath("xdg/data/fonts")).isEmpty());
}

} // namespace
