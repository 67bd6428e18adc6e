#include "editor/open_flow.h"
#include "editor/undo_ops.h"
#include "editor_fixture.h"

#include "layout_io/package.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace sw;
using namespace sw::test;

namespace {

void SomeStrips(MenuBoard& b)
{
    b.strip(0, 0).MainItem.Text = "Burger";
    b.strip(0, 0).Prices.Text = "4.99";
    b.strip(2, 23).MainItem.Text = "Fries";
}

} // namespace

TEST_F(EditorTest, CommandLinePackageOpensOnceOnTheFirstPaintAsThreeColumnsOf24)
{
    const QString package = makePackage("Lunch", 3, 24, SomeStrips);
    auto& d = makeDialog(package);
    ASSERT_TRUE(d.OnInitDialog());
    EXPECT_TRUE(controls.title.endsWith("      TablorFile : Lunch_LAYOUT.TABLOR"));
    d.OnPaint();
    d.OnPaint();

    EditorContext& ctx = d.context();
    EXPECT_TRUE(prompter.fileRequests.empty());
    EXPECT_TRUE(ctx.Paths.FirstPaintDone);
    EXPECT_FALSE(ctx.Paths.OpenFromCommandLine);
    EXPECT_EQ(ctx.Board.NumberOfColumns, 3);
    EXPECT_EQ(ctx.Board.NumberOfRows, 24);
    EXPECT_EQ(ctx.Board.strip(2, 23).MainItem.Text, "Fries");
    EXPECT_EQ(controls.clickDiscards, 1); // opened exactly once
    // The preview grid: 3 columns of 24 cells, nothing beyond.
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 24; ++row)
            EXPECT_GT(ctx.Geometry.StripRect({col, row}).Width, 0.0f) << col << "," << row;
    EXPECT_TRUE(ctx.Geometry.StripRect({3, 0}).isEmpty());
    EXPECT_TRUE(ctx.Geometry.StripRect({0, 24}).isEmpty());
    EXPECT_FLOAT_EQ(ctx.Geometry.StripRect({0, 0}).Width, ctx.Geometry.StripRect({2, 0}).Width);
    // The board was drawn: the background's blue shows in the middle of the preview.
    const FloatRect& img = ctx.Geometry.PreviewImageRect;
    ASSERT_GT(img.Width, 0.0f);
    const QColor probe = d.surface().pixelColor(int(img.X + img.Width / 2), int(img.Y + img.Height - 3));
    EXPECT_NEAR(probe.blue(), 120, 12);
    EXPECT_NEAR(probe.red(), 20, 12);
}

TEST_F(EditorTest, PanelAfterAnOpenIsReadyForSelection)
{
    const QString package = makePackage("Lunch", 3, 24, SomeStrips);
    auto& d = makeDialog();
    d.OnInitDialog();
    controls.setText(ctl::MainItemEdit, "left over");
    openByButton(package);

    EXPECT_EQ(controls.caption(ctl::ModeLabel), "EDIT MODE:  IDLE");
    EXPECT_FALSE(d.context().Undo.HasRecords());
    EXPECT_FALSE(controls.isEnabled(ctl::Undo));
    EXPECT_TRUE(controls.isChecked(ctl::AllText));
    EXPECT_FALSE(controls.isChecked(ctl::SelectedText));
    for (int id : {ctl::Micro, ctl::Macro}) {
        EXPECT_FALSE(controls.isChecked(id)) << id;
        EXPECT_FALSE(controls.isEnabled(id)) << id;
    }
    for (int id : {ctl::MoveUp, ctl::SizeDown, ctl::LoadPicture, ctl::PhotoEditor, ctl::SizeGroup, ctl::Palette,
                   ctl::DeleteStrip, ctl::BrightnessUp, ctl::LineSpacingUp})
        EXPECT_FALSE(controls.isEnabled(id)) << id;
    for (int id : {ctl::Print, ctl::WhitePrint, ctl::VerticalGrid, ctl::MainItemLabel})
        EXPECT_TRUE(controls.isEnabled(id)) << id;
    EXPECT_EQ(controls.text(ctl::MainItemEdit), "");
    EXPECT_EQ(controls.focusedControl(), ctl::MainItemEdit);
    EXPECT_EQ(d.context().Paths.LastOpenFolder, tempPath() + "/");
    EXPECT_EQ(d.context().Paths.CurrentFileName, "Lunch_LAYOUT.TABLOR");
}

TEST_F(EditorTest, OneColumnBoardKeepsTheVerticalGridDisabled)
{
    const QString package = makePackage("Narrow", 1, 8);
    makeDialog().OnInitDialog();
    openByButton(package);
    EXPECT_EQ(dlg->context().Board.NumberOfColumns, 1);
    EXPECT_FALSE(controls.isEnabled(ctl::VerticalGrid));
}

TEST_F(EditorTest, OpenDialogAsksWithItsTitleFilterAndStartFolder)
{
    makeDialog().OnInitDialog();
    dlg->OnCommand(ctl::OpenLayout); // cancelled: no file scripted
    ASSERT_EQ(prompter.fileRequests.size(), 1u);
    EXPECT_EQ(prompter.fileRequests[0].title, "Open TablorLayout File");
    EXPECT_TRUE(prompter.fileRequests[0].filter.startsWith("TablorLayout File*.XTABLOR;*.TABLOR;*_TV.jpg;*_BGND.jpg"));
    EXPECT_EQ(prompter.fileRequests[0].startFolder, programFolder());
    EXPECT_FALSE(dlg->context().LayoutLoaded());
}

struct TvCase {
    const char* chosen;
    const char* packageFile;
};
class TvImageMapping : public EditorTest, public ::testing::WithParamInterface<TvCase> { };

TEST_P(TvImageMapping, ChoosingATvImageOpensItsPackage)
{
    const QString package = tempPath(GetParam().packageFile);
    ASSERT_TRUE(QFile::rename(makePackage("Made", 2, 16, SomeStrips), package));
    makeDialog().OnInitDialog();
    openByButton(tempPath(GetParam().chosen));
    EXPECT_TRUE(prompter.messages.empty()) << prompter.messageTexts().join("|").toStdString();
    EXPECT_EQ(dlg->context().Board.strip(0, 0).MainItem.Text, "Burger");
    EXPECT_EQ(dlg->context().Paths.CurrentFileName, QFileInfo(package).fileName());
}

INSTANTIATE_TEST_SUITE_P(Names, TvImageMapping,
                         ::testing::Values(TvCase{"Lunch_TV.jpg", "Lunch_LAYOUT.TABLOR"},
                                           TvCase{"Lunch_TV_WHITE_PRINT_BGND.jpg",
                                                  "Lunch_LAYOUT_WHITE_PRINT_BGND.TABLOR"}));

TEST_F(EditorTest, TvImageWithoutItsPackageSaysWhichPackageIsMissing)
{
    const QString package = makePackage("Lunch", 2, 16, SomeStrips);
    makeDialog().OnInitDialog();
    openByButton(package);
    openByButton(tempPath("Dinner_TV.jpg"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Unable to open file\r\n\r\n" + tempPath("Dinner_LAYOUT.TABLOR") + "\r\n\r\nPress OK to continue.");
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(dlg->context().Board.strip(0, 0).MainItem.Text, "Burger");
}

TEST_F(EditorTest, CancelAtTheSaveQuestionKeepsTheBoardAndItsHistory)
{
    const QString lunch = makePackage("Lunch", 2, 16, SomeStrips);
    const QString dinner = makePackage("Dinner", 3, 20);
    makeDialog().OnInitDialog();
    openByButton(lunch);
    PushUndo(dlg->context(), 0, 0, false); // an edit was made
    dlg->context().Board.strip(0, 0).MainItem.Text = "Cheeseburger";

    prompter.answers.push_back(PromptAnswer::Cancel);
    openByButton(dinner);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Do you wish to save this image?");
    EXPECT_EQ(prompter.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(prompter.fileRequests.size(), 1u); // the dialog of the first open only
    EXPECT_EQ(dlg->context().Board.strip(0, 0).MainItem.Text, "Cheeseburger");
    EXPECT_TRUE(dlg->context().Undo.HasRecords());

    // Yes cannot save yet: the user is told and nothing is replaced.
    prompter.answers.push_back(PromptAnswer::Yes);
    dlg->OnCommand(ctl::OpenLayout);
    EXPECT_EQ(prompter.messages.back().text, kSaveUnavailableMessage);
    EXPECT_EQ(dlg->context().Board.strip(0, 0).MainItem.Text, "Cheeseburger");

    // No discards the changes and opens.
    prompter.answers.push_back(PromptAnswer::No);
    openByButton(dinner);
    EXPECT_EQ(dlg->context().Board.NumberOfColumns, 3);
    EXPECT_FALSE(dlg->context().Undo.HasRecords());
}

TEST_F(EditorTest, OpeningWhileTextModeIsOnEndsTheMode)
{
    const QString lunch = makePackage("Lunch", 2, 16, SomeStrips);
    makeDialog().OnInitDialog();
    openByButton(lunch);
    dlg->context().State.TextEditActive = true;
    openByButton(lunch);
    EXPECT_FALSE(dlg->context().State.AnyEditMode());
    EXPECT_EQ(controls.caption(ctl::ModeLabel), "EDIT MODE:  IDLE");
}

TEST_F(EditorTest, LowerCaseTablorIsReadAsAnOlderDocumentNotUnpacked)
{
    const QString package = makePackage("menu", 2, 16, SomeStrips);
    const QString lower = tempPath("menu.tablor");
    ASSERT_TRUE(QFile::rename(package, lower));
    makeDialog().OnInitDialog();
    openByButton(lower);
    EXPECT_FALSE(QFileInfo::exists(workFolder() + "/Layout.XTABLOR"));
    // A ZIP archive is no layout document: the user is told, nothing is drawn from it.
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.startsWith("Unable to open file\r\n\r\n"));
    EXPECT_EQ(dlg->context().Board.strip(0, 0).MainItem.Text, "");
}

TEST_F(EditorTest, StripsOfBareLineBreaksAreCleanedAndOverflowSettles)
{
    const QString package = makePackage("Lunch", 2, 16, [](MenuBoard& b) {
        b.strip(0, 3).MainItem.Text = "\r\n";
        b.strip(0, 3).Prices.Text = "\r\n";
        b.strip(1, 5).MainItem.Text = "Shake";
        b.strip(1, 5).BackGroundColor = Rgb(200, 0, 0);
        b.strip(1, 5).YOffsetFactor = 1.2;
    });
    makeDialog().OnInitDialog();
    openByButton(package);
    const MenuBoard& board = dlg->context().Board;
    EXPECT_FALSE(StripHasText(board.strip(0, 3)));
    EXPECT_FALSE(IsStripInUse(board.strip(1, 5)));
    EXPECT_EQ(board.strip(1, 6).MainItem.Text, "Shake");
    EXPECT_NEAR(board.strip(1, 6).YOffsetFactor, 0.2, 1e-9);
}

TEST_F(EditorTest, AFailedOpenKeepsTheOpenBoardItsTitleAndItsWorkingFiles)
{
    const QString good = makePackage("Lunch", 2, 16, SomeStrips);
    makeDialog().OnInitDialog();
    openByButton(good);
    ASSERT_EQ(dlg->context().Board.strip(0, 0).MainItem.Text, "Burger");
    const QString title = controls.title;
    const QStringList before = QDir(workFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    ASSERT_TRUE(before.contains("Background.jpg"));

    // A damaged package (not a ZIP) and a package without a layout document.
    const QString damaged = writeFile("Broken_LAYOUT.TABLOR", QByteArray("PK\x03\x04 not really a zip"));
    const QString noDocument = makePackage("Empty", 2, 16, SomeStrips);
    {
        // Strip the document out of the second package by rebuilding it without one.
        UnpackReport r;
        const QString scratch = tempPath("scratch");
        QDir().mkpath(scratch);
        ASSERT_TRUE(Unpack(noDocument, scratch, &r));
        PackRequest req;
        req.packagePath = noDocument;
        req.workFolder = scratch;
        req.backgroundSource = scratch + "/Background.jpg";
        req.documentText = "not a layout";
        ASSERT_NE(Pack(req, nullptr), PackResult::Failed);
    }
    for (const QString& bad : {damaged, noDocument}) {
        prompter.messages.clear();
        openByButton(bad);
        ASSERT_EQ(prompter.messages.size(), 1u) << bad.toStdString();
        EXPECT_TRUE(prompter.messages[0].text.startsWith("Unable to open file")) << bad.toStdString();
        EXPECT_EQ(dlg->context().Board.strip(0, 0).MainItem.Text, "Burger");
        EXPECT_EQ(dlg->context().Paths.CurrentFileName, "Lunch_LAYOUT.TABLOR");
        EXPECT_EQ(controls.title, title);
        EXPECT_EQ(QDir(workFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), before);
        EXPECT_FALSE(QFileInfo::exists(workFolder() + "/.opening"));
    }
}

TEST_F(EditorTest, CommandLineLayoutWithAStillMissingFamilyOpensWithTheFallbackAndSaysSo)
{
    const QString package = makePackage("Lunch", 3, 24, [](MenuBoard& b) {
        SomeStrips(b);
        b.strip(0, 0).MainItem.Font = "Signwright Imaginary Slab";
    });
    auto& d = makeDialog(package);
    ASSERT_TRUE(d.OnInitDialog());
    d.OnPaint();

    // Opened in full, not abandoned half-way ...
    EXPECT_EQ(d.context().Board.strip(0, 0).MainItem.Text, "Burger");
    EXPECT_EQ(d.context().Board.strip(2, 23).MainItem.Text, "Fries");
    EXPECT_EQ(controls.caption(ctl::ModeLabel), "EDIT MODE:  IDLE");
    EXPECT_TRUE(controls.isEnabled(ctl::Print));
    // ... and the user is told which family is shown in a replacement.
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_TRUE(prompter.messages.back().text.contains("Signwright Imaginary Slab"));
    EXPECT_EQ(d.context().MissingFontList, QStringList{"Signwright Imaginary Slab"});
}
