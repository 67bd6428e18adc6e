#include "editor/undo_ops.h"
#include "editor_fixture.h"

using namespace sw;
using namespace sw::test;

TEST_F(EditorTest, StartUpLeavesEveryEditingControlDisabledAndTheHistoryEmpty)
{
    makeDialog().OnInitDialog();
    for (int id : {ctl::SizeUp, ctl::MoveLeft, ctl::Bold, ctl::FontCombo, ctl::FrameCombo, ctl::Palette,
                   ctl::TabSpacingUp, ctl::VerticalGrid, ctl::DeleteStrip, ctl::AllText, ctl::DropShadowColor})
        EXPECT_FALSE(controls.isEnabled(id)) << id;
    EXPECT_FALSE(controls.isChecked(ctl::DropShadowColor));
    EXPECT_EQ(controls.comboSelection(ctl::FrameCombo), 0);
    EXPECT_EQ(controls.comboSelection(ctl::RowsCombo), 12); // 16 rows
    EXPECT_EQ(controls.comboSelection(ctl::ColumnsCombo), 1); // 2 columns
    EXPECT_EQ(controls.text(ctl::FontCombo), "Segoe UI");
    EXPECT_EQ(controls.title, "Tablor Studio Editor 3.0 Ver 3.0.38.2");
    EXPECT_FALSE(dlg->context().Undo.HasRecords());
}

struct PairCase {
    int clicked;
    bool newState;
    int other;
    bool otherExpected;
};
class ExclusivePair : public EditorTest, public ::testing::WithParamInterface<PairCase> { };

TEST_P(ExclusivePair, TheOtherBoxTakesTheOppositeState)
{
    makeDialog().OnInitDialog();
    const PairCase& c = GetParam();
    controls.check(c.other, c.otherExpected == c.newState); // start the other where it must change
    controls.check(c.clicked, c.newState);
    dlg->OnCommand(c.clicked);
    EXPECT_EQ(controls.isChecked(c.other), c.otherExpected);
}

INSTANTIATE_TEST_SUITE_P(MicroMacroSelectedAll, ExclusivePair,
                         ::testing::Values(PairCase{ctl::Micro, true, ctl::Macro, false},
                                           PairCase{ctl::Micro, false, ctl::Macro, true},
                                           PairCase{ctl::Macro, true, ctl::Micro, false},
                                           PairCase{ctl::Macro, false, ctl::Micro, true},
                                           PairCase{ctl::SelectedText, true, ctl::AllText, false},
                                           PairCase{ctl::AllText, false, ctl::SelectedText, true}));

class ModesTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        const QString package = makePackage("Lunch", 2, 16, [](MenuBoard& b) {
            b.strip(0, 2).MainItem.Text = "Burger";
            b.strip(1, 4).BackGroundColor = Rgb(255, 255, 255);
            b.strip(1, 7).SubImageFileName = "C:\\Pics\\fries.gif";
        });
        makeDialog().OnInitDialog();
        openByButton(package);
    }
    EditorContext& ctx() { return dlg->context(); }
};

TEST_F(ModesTest, EscapeInTextModeClearsTheModeButKeepsTheLabel)
{
    CopyStrip(ctx().State.WorkingStrip, ctx().Board.strip(0, 2));
    ctx().State.SelectedBlock = 0;
    dlg->panel().ApplyTextEntryByClickPanel({0, 2});
    ASSERT_TRUE(ctx().State.TextEditActive);
    EXPECT_EQ(controls.caption(ctl::ModeLabel), "EDIT MODE:  TEXT");
    EXPECT_EQ(controls.caption(ctl::Palette), "Text Color: White");
    EXPECT_TRUE(dlg->OnKey(kKeyEscape));
    EXPECT_FALSE(ctx().State.AnyEditMode());
    EXPECT_EQ(controls.caption(ctl::ModeLabel), "EDIT MODE:  TEXT");
}

TEST_F(ModesTest, BackgroundModeShowsItsColourAndSizeButtons)
{
    dlg->panel().EnterBackgroundMode({1, 4});
    EXPECT_TRUE(ctx().State.BackgroundEditActive);
    EXPECT_EQ(controls.caption(ctl::ModeLabel), "EDIT MODE:  BACKGROUND");
    EXPECT_EQ(controls.caption(ctl::Palette), "Bgnd Color: White");
    EXPECT_EQ(ctx().State.CurrentColorIndex, 2);
    EXPECT_EQ(controls.caption(ctl::FrameLabel), "Bgnd Frame");
    EXPECT_EQ(controls.caption(ctl::SizeGroup), "Size Bgnd");
    EXPECT_EQ(controls.caption(ctl::MoveGroup), "Move Bgnd");
    for (int id : {ctl::SizeLeft, ctl::SizeRight})
        EXPECT_TRUE(controls.isVisible(id) && controls.isEnabled(id)) << id;
    EXPECT_FALSE(controls.isVisible(ctl::SizeValue));
    EXPECT_TRUE(controls.isEnabled(ctl::Palette));
    EXPECT_TRUE(controls.isChecked(ctl::Micro));
    EXPECT_FALSE(controls.isChecked(ctl::Macro));
    EXPECT_TRUE(controls.isEnabled(ctl::Undo));
    EXPECT_EQ(ctx().Undo.UndoIndex(), 0);
}

TEST_F(ModesTest, PictureModeOfAGifHasNoBrightnessAndLeavingItUnchangedDropsItsRecord)
{
    dlg->panel().EnterPictureMode({1, 7});
    EXPECT_EQ(controls.caption(ctl::ModeLabel), "EDIT MODE:  PICTURE");
    EXPECT_EQ(controls.caption(ctl::FrameLabel), "Picture Frame");
    EXPECT_EQ(controls.caption(ctl::SizeGroup), "Size Picture");
    EXPECT_TRUE(controls.isEnabled(ctl::ZoomFullUp));
    EXPECT_FALSE(controls.isEnabled(ctl::BrightnessUp));
    EXPECT_TRUE(controls.isEnabled(ctl::DeletePicture));
    ASSERT_TRUE(ctx().Undo.HasRecords());

    DropUndoIfUnchanged(ctx(), ctx().Board.strip(1, 7));
    EXPECT_FALSE(ctx().Undo.HasRecords());
    EXPECT_FALSE(controls.isEnabled(ctl::Undo));
}

TEST_F(ModesTest, TypingWithNoModeIsRefused)
{
    controls.setText(ctl::SubItemEdit, "x");
    dlg->OnEditChanged(ctl::SubItemEdit);
    EXPECT_EQ(controls.text(ctl::SubItemEdit), "");
    EXPECT_FALSE(ctx().Undo.HasRecords());
}

TEST_F(ModesTest, TypingIntoPictureModeTurnsItIntoTextMode)
{
    dlg->panel().EnterPictureMode({1, 7});
    dlg->panel().EnterTextModeByTyping(1);
    EXPECT_TRUE(ctx().State.TextEditActive);
    EXPECT_FALSE(ctx().State.PictureEditActive);
    EXPECT_EQ(ctx().State.TextStrip, (StripRef{1, 7}));
    EXPECT_EQ(ctx().State.SelectedBlock, 1);
    EXPECT_EQ(controls.caption(ctl::ModeLabel), "EDIT MODE:  TEXT");
    EXPECT_FALSE(controls.isVisible(ctl::SizeLeft));
    EXPECT_TRUE(controls.isVisible(ctl::SizeValue));
    EXPECT_FALSE(controls.isEnabled(ctl::LoadPicture));
    EXPECT_EQ(ctx().Undo.UndoIndex(), 1);
}

TEST_F(ModesTest, CommitCopiesTheWorkingStripOnlyInTextMode)
{
    ctx().State.TextStrip = {0, 2};
    ctx().State.WorkingStrip.MainItem.Text = "Veggie";
    dlg->panel().CommitWorkingStrip();
    EXPECT_EQ(ctx().Board.strip(0, 2).MainItem.Text, "Burger");
    ctx().State.TextEditActive = true;
    dlg->panel().CommitWorkingStrip();
    EXPECT_EQ(ctx().Board.strip(0, 2).MainItem.Text, "Veggie");
}
