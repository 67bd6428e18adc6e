#include "fonts/font_install.h"
#include "fonts/font_inventory.h"
#include "fonts/font_substitutes.h"
#include "fonts/layout_fonts.h"
#include "layout_io/font_list_file.h"
#include "platform/imaging.h"
#include "support/fixture.h"
#include "support/scripted_prompter.h"
#include "fonts/font_maker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QStandardPaths>

using namespace sw;
using sw::test::MakeTestFont;
using sw::test::ScriptedFontPanel;
using sw::test::ScriptedPrompter;
using sw::test::UniqueFamily;

namespace {

QString Blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

const QString kInstructions = "Click 'OK' to install missing font(s) on the next panel\nusing the following "
                              "procedure:\n\nFor each missing font to be installed, RIGHT click\r\non the font name "
                              "and select 'Install for all users'";

QString ExpectedMissingText(const QStringList& families)
{
    QString header = families.size() == 1
                         ? Blanks(27) + "MISSING FONT\n\nThe font required, but not installed on this computer, is:\r\n"
                         : Blanks(11) + "\r\n" + Blanks(16)
                               + "MISSING FONTS\n\nThe fonts required, but not installed on this computer, are:\r\n";
    QString names;
    for (const QString& f : families)
        names += Blanks(26) + f + "\r\n";
    return header + "\r\n" + names + "\r\n" + kInstructions;
}

class FontInstallTest : public SwTest {
protected:
    void SetUp() override
    {
        SwTest::SetUp();
        QDir().mkpath(work());
        for (int i = 0; i < 3; ++i)
            families << UniqueFamily(QString("Missing %1").arg(i));
        for (int i = 0; i < 3; ++i)
            writeFile(QString("work/font%1.ttf").arg(i), MakeTestFont(families[i]));
    }
    QString work() const { return tempPath("work"); }
    QString userFonts() const { return QStandardPaths::writableLocation(QStandardPaths::FontsLocation); }

    QStringList families;
    ScriptedPrompter prompter;
};

TEST_F(FontInstallTest, TwoOfThreeInstalledThenTheThirdIsAskedForAlone)
{
    ASSERT_TRUE(userFonts().startsWith(tempPath()));
    QStringList missing = families;
    prompter.answers = {PromptAnswer::Ok, PromptAnswer::Ok};
    prompter.fontPanels = {ScriptedFontPanel{{"font0.ttf", "font1.ttf"}, FontPanelResult::Done},
                           ScriptedFontPanel{{"font2.ttf"}, FontPanelResult::Done}};

    EXPECT_EQ(InstallMissingFonts(missing, work(), work(), prompter), 1);

    EXPECT_TRUE(missing.isEmpty());
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, ExpectedMissingText(families));
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(prompter.messages[1].text, ExpectedMissingText({families[2]}));

    ASSERT_EQ(prompter.fontPanelRequests.size(), 2u);
    const FontPanelRequest& panel = prompter.fontPanelRequests[0];
    EXPECT_EQ(panel.title, "TO INSTALL MISSING FONT(S), Right Click on font File(s) and click INSTALL FOR ALL USERS");
    EXPECT_EQ(panel.doneCaption, "Done");
    EXPECT_EQ(panel.folder, work());
    EXPECT_EQ(panel.fontFiles, QStringList({work() + "/font0.ttf", work() + "/font1.ttf", work() + "/font2.ttf"}));
    for (const FontInstallResult& r : prompter.fontInstalls)
        EXPECT_TRUE(r.installed) << qPrintable(r.message);

    // Installed for the user and usable at once; the package copies went.
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(QFileInfo::exists(userFonts() + QString("/font%1.ttf").arg(i)));
        EXPECT_FALSE(QFileInfo::exists(work() + QString("/font%1.ttf").arg(i)));
        EXPECT_TRUE(IsFontInstalled(families[i]));
        EXPECT_EQ(QFontInfo(QFont(families[i])).family(), families[i]);
    }
}

TEST_F(FontInstallTest, GivingUpAnswersTwoAndKeepsWhatIsStillMissing)
{
    QStringList missing = families;
    prompter.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    prompter.fontPanels = {ScriptedFontPanel{{"font0.ttf", "font1.ttf"}, FontPanelResult::Done}};
    EXPECT_EQ(InstallMissingFonts(missing, work(), work(), prompter), 2);
    EXPECT_EQ(missing, QStringList{families[2]});
    EXPECT_EQ(prompter.messages.back().text, ExpectedMissingText({families[2]}));

    // Closing the panel without "Done" gives up as well, even after installing.
    prompter.answers = {PromptAnswer::Ok};
    prompter.fontPanels = {ScriptedFontPanel{{"font2.ttf"}, FontPanelResult::Closed}};
    EXPECT_EQ(InstallMissingFonts(missing, work(), work(), prompter), 2);
    EXPECT_EQ(missing, QStringList{families[2]});
}

TEST_F(FontInstallTest, InstallingAFileTwiceKeepsOneCopyAndNeverOverwritesAnotherFont)
{
    const QString source = work() + "/font0.ttf";
    EXPECT_TRUE(InstallFontFileForUser(source).installed);
    EXPECT_TRUE(InstallFontFileForUser(source).installed);
    EXPECT_EQ(QDir(userFonts()).entryList({"*.ttf"}, QDir::Files), QStringList{"font0.ttf"});

    // A different font under the same name gets a name of its own.
    const QString other = writeFile("elsewhere/font0.ttf", MakeTestFont(UniqueFamily("Other")));
    EXPECT_TRUE(InstallFontFileForUser(other).installed);
    EXPECT_EQ(QDir(userFonts()).entryList({"*.ttf"}, QDir::Files, QDir::Name),
              QStringList({"font0(1).ttf", "font0.ttf"}));
}

TEST_F(FontInstallTest, ANonFontFileIsRefusedWithAMessage)
{
    const QString bogus = writeFile("work/notes.ttf", "this is not a font");
    const FontInstallResult r = InstallFontFileForUser(bogus);
    EXPECT_FALSE(r.installed);
    EXPECT_EQ(r.message, "\"notes.ttf\" is not a font file that can be installed.");
    EXPECT_FALSE(QFileInfo::exists(userFonts() + "/notes.ttf"));
}

TEST_F(FontInstallTest, StartupCheckInstallsTheListedFamiliesThisComputerLacks)
{
    ASSERT_TRUE(WriteFontFileNames(work(), "Arial,LiberationSans-Regular.ttf;" + families[0] + ",font0.ttf;"));
    prompter.answers = {PromptAnswer::Ok};
    prompter.fontPanels = {ScriptedFontPanel{{"font0.ttf"}, FontPanelResult::Done}};
    EXPECT_EQ(StartupFontCheck(work(), "/media/usb/Lunch_LAYOUT.TABLOR", prompter), StartupFontCheckResult::Continue);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, ExpectedMissingText({families[0]}));
    EXPECT_EQ(prompter.messages[1].text, "The missing font(s) have been successfully installed.");
}

TEST_F(FontInstallTest, StartupCheckAsksAgainAndEndsTheProgramWhenRefused)
{
    ASSERT_TRUE(WriteFontFileNames(work(), families[0] + ",font0.ttf;" + families[1] + ",font1.ttf;"));
    const QString retry = "The missing fonts for /media/usb/Lunch_LAYOUT.TABLOR\r\nhave not been installed.\r\n\r\n"
                          "Do you wish to install them?";
    prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Yes, PromptAnswer::Ok, PromptAnswer::No};
    prompter.fontPanels = {ScriptedFontPanel{{"font1.ttf"}, FontPanelResult::Closed}};
    EXPECT_EQ(StartupFontCheck(work(), "/media/usb/Lunch_LAYOUT.TABLOR", prompter),
              StartupFontCheckResult::ExitProgram);
    EXPECT_EQ(prompter.messageTexts(),
              QStringList({ExpectedMissingText({families[0], families[1]}), retry,
                           ExpectedMissingText({families[0], families[1]}), retry,
                           "The missing fonts have not been installed.\r\n\r\nThe program will be exited."}));
}

TEST_F(FontInstallTest, StartupCheckIsQuietWithoutAListOrWithNothingMissing)
{
    EXPECT_EQ(StartupFontCheck(work(), "a_LAYOUT.TABLOR", prompter), StartupFontCheckResult::Continue);
    ASSERT_TRUE(WriteFontFileNames(work(), "Arial,arial.ttf;Liberation Serif,LiberationSerif-Regular.ttf;"));
    EXPECT_EQ(StartupFontCheck(work(), "a_LAYOUT.TABLOR", prompter), StartupFontCheckResult::Continue);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FontInstallTest, FallbackMessageNamesTheMissingFamilies)
{
    EXPECT_TRUE(MissingFontsFallbackMessage({}).isEmpty());
    const QString text = MissingFontsFallbackMessage({"Cubano", "ArtBrush"});
    EXPECT_TRUE(text.contains(Blanks(26) + "Cubano\r\n" + Blanks(26) + "ArtBrush\r\n")) << qPrintable(text);
    EXPECT_TRUE(text.contains("replacement font"));
}

// Pixels of a text drawn through the imaging layer, as the board renders it.
QImage RenderText(const QString& family)
{
    Bitmap bitmap(400, 60);
    Graphics g(bitmap);
    g.FillRectangle(Qt::white, RectF{0, 0, 400, 60});
    g.SetTextRenderingHint(TextRenderingHint::AntiAlias);
    g.DrawString("Fish & Chips 4.99", Font(family, 20.0f), RectF{0, 0, 400, 60}, StringFormat{}, Qt::black);
    return bitmap.image().convertToFormat(QImage::Format_RGB32);
}

TEST_F(FontInstallTest, APackageFontThisComputerLacksIsUsedForRenderingWithoutInstallingIt)
{
    const QString family = UniqueFamily("Package Mono");
    writeFile("pkg/pkgmono.ttf", MakeTestFont(family));
    ASSERT_TRUE(WriteFontFileNames(tempPath("pkg"), family + ",pkgmono.ttf;Arial,arial.ttf;"));
    ASSERT_FALSE(IsFontInstalled(family));
    const QImage before = RenderText(family);

    EXPECT_EQ(RegisterLayoutFonts(tempPath("pkg")), QStringList{family});

    EXPECT_TRUE(IsFontInstalled(family));
    const QImage after = RenderText(family);
    EXPECT_NE(after, before);
    // The package's font is a renamed Liberation Mono: drawn the same.
    EXPECT_EQ(after, RenderText(sw::test::kTestFontSourceFamily));
    EXPECT_FALSE(QDir(userFonts()).exists() && !QDir(userFonts()).isEmpty());
    // A second registration of the same package changes nothing.
    EXPECT_TRUE(RegisterLayoutFonts(tempPath("pkg")).isEmpty());
}

TEST_F(FontInstallTest, WindowsFamiliesMeasureWithTheirSubstitutes)
{
    InstallFontSubstitutions();
    Bitmap bitmap(10, 10);
    Graphics g(bitmap);
    const QString text = "Bacon Cheeseburger 12.49";
    auto width = [&](const QString& family) {
        return g.MeasureString(text, Font(family, 24.0f), QPointF(0, 0), StringFormat{}).Width;
    };
    EXPECT_EQ(Font("Arial", 24.0f).ResolvedFamily(), "Liberation Sans");
    EXPECT_FLOAT_EQ(width("Arial"), width("Liberation Sans"));
    EXPECT_NE(width("Arial"), width("DejaVu Sans"));
    EXPECT_EQ(Font("Segoe UI Black", 24.0f).ResolvedFamily(), "Open Sans Extrabold");
    // Widgets use the same table.
    EXPECT_EQ(QFontInfo(QFont("Impact")).family(), "Open Sans Condensed");
}

} // namespace
