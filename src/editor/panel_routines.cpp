#include "editor/panel_routines.h"

#include "editor/preview_painter.h"
#include "editor/undo_ops.h"

#include <initializer_list>

namespace sw {

using namespace ctl;

namespace {

QString FormatValue(double v) { return QString::asprintf("%0.1f", v); }

constexpr int kActiveMarkers[3] = {MainItemActive, SubItemActive, PricesActive};

} // namespace

QString EditModeLabel(EditMode mode)
{
    switch (mode) {
    case EditMode::Start:
        return kModeLabelStart;
    case EditMode::Idle:
        return kModeLabelIdle;
    case EditMode::IdleAfterText:
        return kModeLabelIdleAfterText;
    case EditMode::Text:
        return kModeLabelText;
    case EditMode::Picture:
        return kModeLabelPicture;
    case EditMode::Background:
        return kModeLabelBackground;
    case EditMode::Group:
        return kModeLabelGroup;
    case EditMode::CopyingStrip:
        return kModeLabelCopying;
    case EditMode::MovingStrip:
        return kModeLabelMoving;
    }
    return kModeLabelStart;
}

QString ColorNameForIndex(int index)
{
    return index >= 0 && index < PaletteSize ? PaletteName(index) : kCustomColorName;
}

int EditBoxOfBlock(int block)
{
    switch (block) {
    case 1:
        return SubItemEdit;
    case 2:
        return PricesEdit;
    default:
        return MainItemEdit;
    }
}

int BlockOfEditBox(int id)
{
    switch (id) {
    case MainItemEdit:
        return 0;
    case SubItemEdit:
        return 1;
    case PricesEdit:
        return 2;
    default:
        return -1;
    }
}

void PanelRoutines::SetEditModeLabel(EditMode mode)
{
    ctx_.State.Mode = mode;
    ctx_.Controls.setCaption(ModeLabel, EditModeLabel(mode));
}

void PanelRoutines::EnableControl(bool on, int id) { ctx_.Controls.enable(id, on); }

void PanelRoutines::EnableEditingPanel(bool on)
{
    auto& c = ctx_.Controls;
    for (int id : {FrameLabel, FrameCombo, LoadPicture, SizeUp, SizeDown, SizeValue, LineSpacingUp, LineSpacingDown,
                   MoveUp, MoveLeft, MoveRight, MoveDown, CenterInStrip, AlignLeftCheck, AlignCenterCheck, AlignRightCheck, Bold,
                   Italics, FontLabel, LineSpacingLabel, MainItemLabel, SubItemLabel, PricesLabel, SizeGroup,
                   MoveGroup, AlignmentGroup, TextStyleGroup, FontCombo, PhotoEditor, SizeMoveGroup, Micro, Macro,
                   EditTextGroup, DropShadowColor, SizeLeft, SizeRight, TabInstructions})
        c.enable(id, on);
    EnableSpacingControls(on);
    EnablePaletteControl(on);
    c.enable(VerticalGrid, on && ctx_.Board.NumberOfColumns > 1);
    c.check(Micro, false);
    c.check(Macro, false);
    EnablePictureAdjustControls(false);
    for (int id : {DeleteStrip, DeletePicture, AllText, SelectedText, TextToMoveGroup})
        c.enable(id, false);
}

void PanelRoutines::ResetEditingPanel()
{
    EnableEditingPanel(true);
    EnablePaletteControl(false);
    for (int id : {CenterInStrip, EditBackground, FrameLabel, FrameCombo, FontCombo, DropShadowColor, EditTextGroup,
                   TextStyleGroup, Bold, Italics, AlignmentGroup, AlignLeftCheck, AlignCenterCheck, AlignRightCheck, FontLabel,
                   SizeLeft, SizeRight, HiddenValue1061, SizeGroup})
        ctx_.Controls.enable(id, false);
    EnableSpacingControls(false);
}

void PanelRoutines::EnableSpacingControls(bool on)
{
    for (int id : {TabSpacingLabel, TabSpacingValue, TabSpacingDown, TabSpacingUp, CalSpacingLabel, CalSpacingValue,
                   CalSpacingDown, CalSpacingUp})
        ctx_.Controls.enable(id, on);
}

void PanelRoutines::EnableTextControls(bool on)
{
    auto& c = ctx_.Controls;
    for (int id : {MoveGroup, MoveUp, MoveLeft, MoveRight, MoveDown, SizeUp, SizeDown, SizeGroup, SizeMoveGroup, Micro,
                   Macro, FontCombo, CenterInStrip, EditTextGroup, TextStyleGroup, Bold, Italics, DropShadowColor,
                   AlignmentGroup, AlignLeftCheck, AlignCenterCheck, AlignRightCheck, FontLabel})
        c.enable(id, on);
    EnablePaletteControl(on);
    EnableSpacingControls(on);
    c.enable(EditBackground, on && ctx_.State.WorkingStrip.SubImageFileName.isEmpty());
    c.enable(LoadPicture, false);
    c.check(Micro, true);
    c.check(Macro, false);
    c.show(SizeValue, on);
    c.enable(SizeValue, on);
    EnablePictureAdjustControls(false);
}

void PanelRoutines::EnablePictureControls(bool on)
{
    for (int id : {EditPictureGroup, LoadPicture, PhotoEditor, FrameLabel, FrameCombo, DeletePicture})
        ctx_.Controls.enable(id, on);
    EnablePanControls(on);
}

void PanelRoutines::EnablePictureAdjustControls(bool on)
{
    for (int id : {BrightnessGroup, BrightnessUp, BrightnessDown, ZoomGroup, ZoomFullLabel, ZoomFullUp, ZoomFullDown,
                   ZoomHorizLabel, ZoomHorizRight, ZoomHorizLeft, ZoomVertLabel, ZoomVertUp, ZoomVertDown})
        ctx_.Controls.enable(id, on);
    EnablePanControls(on);
}

void PanelRoutines::EnablePanControls(bool on)
{
    const MenuStrip& s = ctx_.Board.strip(ctx_.State.PictureStrip);
    auto& c = ctx_.Controls;
    c.enable(PanGroup, on);
    c.enable(PanLeft, on && s.SubImageCropPercentageX < 100);
    c.enable(PanRight, on && s.SubImageCropPercentageX < 100);
    c.enable(PanUp, on && s.SubImageCropPercentageY < 100);
    c.enable(PanDown, on && s.SubImageCropPercentageY < 100);
}

void PanelRoutines::ApplyPanCropRule(StripRef strip)
{
    const MenuStrip& s = ctx_.Board.strip(strip);
    if (s.SubImageCropPercentageX > 99 || s.SubImageCropPercentageY > 99)
        EnablePanControls(false);
}

void PanelRoutines::EnableLineSpacingControls(bool on)
{
    for (int id : {LineSpacingLabel, LineSpacingUp, LineSpacingDown})
        ctx_.Controls.enable(id, on);
}

void PanelRoutines::UpdateLineSpacingAvailability()
{
    const int block = ctx_.State.SelectedBlock;
    if (block < 0 || block > 2) {
        EnableLineSpacingControls(false);
        return;
    }
    EnableLineSpacingControls(ctx_.Controls.text(EditBoxOfBlock(block)).contains(QStringLiteral("\r\n")));
}

void PanelRoutines::EnablePaletteControl(bool on)
{
    ctx_.Controls.enable(Palette, on);
    preview_.DrawPaletteSwatches();
}

void PanelRoutines::EnableSizeMoveGroup()
{
    auto& c = ctx_.Controls;
    for (int id : {SizeMoveGroup, Micro, Macro})
        c.enable(id, true);
    c.check(Micro, true);
    c.check(Macro, false);
}

void PanelRoutines::UpdateMoveSizeCaptions()
{
    auto& c = ctx_.Controls;
    const EditorState& st = ctx_.State;
    auto arrows = [&](bool on) {
        for (int id : {MoveUp, MoveLeft, MoveRight, MoveDown, SizeUp, SizeDown})
            c.enable(id, on);
    };
    if (st.TextEditActive) {
        c.setCaption(SizeGroup, kSizeTextCaption);
        c.setCaption(MoveGroup, kMoveTextCaption);
        arrows(true);
        c.show(SizeLeft, false);
        c.show(SizeRight, false);
        return;
    }
    if (st.PictureEditActive || st.BackgroundEditActive) {
        arrows(true);
        for (int id : {SizeLeft, SizeRight}) {
            c.show(id, true);
            c.enable(id, true);
        }
        c.setCaption(SizeGroup, st.PictureEditActive ? kSizePictureCaption : kSizeBgndCaption);
        c.setCaption(MoveGroup, st.PictureEditActive ? kMovePictureCaption : kMoveBgndCaption);
        return;
    }
    arrows(false);
    c.show(SizeLeft, false);
    c.show(SizeRight, false);
    for (int id : {SizeMoveGroup, Micro, Macro})
        c.enable(id, false);
    c.check(Micro, true);
    c.check(Macro, false);
    c.setCaption(SizeGroup, kSizeTextCaption);
    c.setCaption(MoveGroup, kMoveTextCaption);
    c.enable(SizeGroup, false);
    c.enable(MoveGroup, false);
}

void PanelRoutines::ShowActiveMarker(int block)
{
    for (int b = 0; b < 3; ++b)
        ctx_.Controls.show(kActiveMarkers[b], b == block);
    if (ctx_.State.TextEditActive && block != ctx_.State.SelectedBlock) {
        ctx_.State.SelectedBlock = block;
        preview_.RedrawPreview();
        UpdateLineSpacingAvailability();
    }
}

void PanelRoutines::RefreshSpacingDisplays()
{
    ctx_.Controls.setCaption(TabSpacingValue, FormatValue(ctx_.State.WorkingStrip.PriceTabSpacingFactor));
    ctx_.Controls.setCaption(CalSpacingValue, FormatValue(ctx_.State.WorkingStrip.CaloriesSpacingFactor));
}

void PanelRoutines::RefreshTextControls()
{
    EditorState& st = ctx_.State;
    auto& c = ctx_.Controls;
    if (st.BackgroundEditActive) {
        // The highlight follows the background colour the caption names.
        st.CurrentColorIndex = PaletteIndexOf(ctx_.Board.strip(st.BackgroundStrip).BackGroundColor);
        preview_.DrawPaletteSwatches();
        RefreshSpacingDisplays();
        return;
    }
    const int block = (st.ActiveBlock >= 0 && st.ActiveBlock <= 2) ? st.ActiveBlock : 0;
    TextBlock& b = st.WorkingStrip.block(TextBlockKind(block));
    c.setCaption(SizeValue, FormatValue(b.ScaleFactor));
    c.check(Bold, b.Bold);
    c.check(CenterInStrip, b.CenterInStrip);
    c.check(AlignLeftCheck, b.GroupAlignment == GroupAlignmentValue::AlignLeft);
    c.check(AlignCenterCheck, b.GroupAlignment == GroupAlignmentValue::AlignCenter);
    c.check(AlignRightCheck, b.GroupAlignment == GroupAlignmentValue::AlignRight);
    if (block != 2)
        c.check(Italics, b.Italics);
    st.CurrentColor = b.TextColor;
    if (b.Text.isEmpty()) {
        b.Font = st.CurrentFontName;
    } else {
        st.CurrentFontName = b.Font;
        c.setText(FontCombo, b.Font);
    }
    st.CurrentColorIndex = PaletteIndexOf(st.CurrentColor);
    preview_.DrawPaletteSwatches();
    RefreshSpacingDisplays();
}

void PanelRoutines::CommitWorkingStrip()
{
    EditorState& st = ctx_.State;
    if (!st.TextEditActive)
        return;
    CopyStrip(ctx_.Board.strip(st.TextStrip), st.WorkingStrip);
    st.CommitInProgress = true;
    preview_.RedrawPreview();
    st.CommitInProgress = false;
}

void PanelRoutines::OnMicroClicked() { ctx_.Controls.check(Macro, !ctx_.Controls.isChecked(Micro)); }
void PanelRoutines::OnMacroClicked() { ctx_.Controls.check(Micro, !ctx_.Controls.isChecked(Macro)); }
void PanelRoutines::OnSelectedTextClicked()
{
    ctx_.Controls.check(AllText, !ctx_.Controls.isChecked(SelectedText));
}
void PanelRoutines::OnAllTextClicked() { ctx_.Controls.check(SelectedText, !ctx_.Controls.isChecked(AllText)); }

bool PanelRoutines::OnEscape()
{
    if (ctx_.State.AnyEditMode()) {
        ctx_.State.ClearEditModes();
        preview_.RedrawPreview();
    }
    return true;
}

void PanelRoutines::setPaletteCaption(const QString& prefix, int index)
{
    ctx_.Controls.setCaption(Palette, prefix + ColorNameForIndex(index));
}

void PanelRoutines::ShowFrameControls(const QString& caption, const MenuStrip& strip)
{
    ctx_.Controls.setCaption(FrameLabel, caption);
    ctx_.Controls.setComboSelection(FrameCombo, strip.SubImageFrameIndex);
}

void PanelRoutines::EnterPictureMode(StripRef strip)
{
    EditorState& st = ctx_.State;
    auto& c = ctx_.Controls;
    st.ClearEditModes();
    st.PictureEditActive = true;
    SetEditModeLabel(EditMode::Picture);
    PushUndo(ctx_, strip.Column, strip.Row, false);
    st.PictureStrip = strip;
    const MenuStrip& s = ctx_.Board.strip(strip);
    c.setText(MainItemEdit, s.MainItem.Text);
    c.setText(SubItemEdit, s.SubItems.Text);
    c.setText(PricesEdit, s.Prices.Text);
    c.setFocus(MainItemEdit);
    c.enable(LoadPicture, true);
    for (int id : {SizeLeft, SizeRight, SizeUp, SizeDown}) {
        c.show(id, true);
        c.enable(id, true);
    }
    c.enable(DeleteStrip, true);
    c.enable(DeletePicture, true);
    ShowFrameControls(kPictureFrameCaption, s);
    EnableSizeMoveGroup();
    c.show(SizeGroup, true);
    c.enable(SizeGroup, true);
    EnablePictureControls(true);
    c.enable(PhotoEditor, true);
    EnablePictureAdjustControls(true);
    if (s.SubImageFileName.contains(QStringLiteral(".gif")))
        for (int id : {BrightnessGroup, BrightnessUp, BrightnessDown})
            c.enable(id, false);
    UpdateMoveSizeCaptions();
    EnableLineSpacingControls(false);
    preview_.RedrawPreview();
}

void PanelRoutines::EnterBackgroundMode(StripRef strip)
{
    EditorState& st = ctx_.State;
    auto& c = ctx_.Controls;
    st.ClearEditModes();
    st.BackgroundEditActive = true;
    SetEditModeLabel(EditMode::Background);
    EnableSizeMoveGroup();
    PushUndo(ctx_, strip.Column, strip.Row, false);
    st.BackgroundStrip = strip;
    const MenuStrip& s = ctx_.Board.strip(strip);
    for (int id : {SizeLeft, SizeRight, SizeUp, SizeDown}) {
        c.show(id, true);
        c.enable(id, true);
    }
    for (int id : {DeleteStrip, FrameCombo, FrameLabel})
        c.enable(id, true);
    ShowFrameControls(kBgndFrameCaption, s);
    c.show(SizeGroup, true);
    c.show(SizeValue, false);
    st.CurrentColorIndex = PaletteIndexOf(s.BackGroundColor);
    EnablePaletteControl(true);
    c.enable(LoadPicture, true);
    setPaletteCaption(kBgndColorCaption, st.CurrentColorIndex);
    UpdateMoveSizeCaptions();
    EnableLineSpacingControls(false);
    for (int id : {CenterInStrip, EditBackground, TextToMoveGroup, AllText, SelectedText})
        c.enable(id, false);
    preview_.RedrawPreview();
}

void PanelRoutines::EnterTextModeByTyping(int block)
{
    EditorState& st = ctx_.State;
    auto& c = ctx_.Controls;
    st.TextStrip = st.PictureEditActive ? st.PictureStrip : st.BackgroundStrip;
    PushUndo(ctx_, st.TextStrip.Column, st.TextStrip.Row, false);
    st.ActiveBlock = block;
    st.ActiveBlockAtEntry = block;
    st.SelectedBlock = block;
    for (int id : {LoadPicture, PhotoEditor, DeleteStrip, DeletePicture, DropShadowColor})
        c.enable(id, false);
    c.enable(DeleteStrip, true);
    c.enable(DeletePicture, true);
    for (int id : {AllText, SelectedText, TextToMoveGroup})
        c.enable(id, false);
    UpdateMoveSizeCaptions();
    EnablePictureAdjustControls(false);
    c.setCaption(SizeGroup, kSizeTextCaption);
    c.setCaption(MoveGroup, kMoveTextCaption);
    EnablePictureControls(false);
    EnableLineSpacingControls(false);
    EnableTextControls(true);
    UpdateLineSpacingAvailability();
    RefreshSpacingDisplays();
    st.PictureEditActive = false;
    st.BackgroundEditActive = false;
    st.TextEditActive = true;
    SetEditModeLabel(EditMode::Text);
    RefreshTextControls();
    c.show(SizeLeft, false);
    c.show(SizeRight, false);
    preview_.RedrawPreview();
}

void PanelRoutines::ApplyTextEntryByClickPanel(StripRef strip)
{
    EditorState& st = ctx_.State;
    auto& c = ctx_.Controls;
    c.enable(DropShadowColor, true);
    st.ClearEditModes();
    st.TextEditActive = true;
    SetEditModeLabel(EditMode::Text);
    preview_.DrawPaletteSwatches();
    const int block = (st.ActiveBlock >= 0 && st.ActiveBlock <= 2) ? st.ActiveBlock : 0;
    st.CurrentColorIndex = PaletteIndexOf(st.WorkingStrip.block(TextBlockKind(block)).TextColor);
    setPaletteCaption(kTextColorCaption, st.CurrentColorIndex);
    st.TextStrip = strip;
    EnableTextControls(true);
    c.setComboSelection(FrameCombo, -1);
    RefreshTextControls();
    UpdateLineSpacingAvailability();
    RefreshSpacingDisplays();
    c.enable(LoadPicture, true);
    c.enable(FrameCombo, false);
    c.enable(FrameLabel, false);
    c.setCaption(FrameLabel, kPictureFrameCaption);
    c.setComboSelection(FrameCombo, -1);
    preview_.RedrawPreview();
}

} // namespace sw
