#include "editor/signwright_dlg.h"

#include "editor/undo_ops.h"
#include "fonts/font_install.h"
#include "layout_io/naming.h"
#include "layout_io/package.h"
#include "platform/files.h"
#include "platform/window_title.h"

namespace sw {

using namespace ctl;

CSignwrightDlg::CSignwrightDlg(DialogControls& controls, Prompter& prompter, const EditorEnvironment& environment)
    : ctx_(controls, prompter)
    , preview_(ctx_)
    , panel_(ctx_, preview_)
    , shell_(ctx_, panel_, preview_)
    , open_(ctx_, panel_, preview_, shell_)
{
    ShellPaths& paths = ctx_.Paths;
    paths.WorkFolder = environment.WorkFolder;
    paths.ProgramDataFolder = environment.ProgramDataFolder;
    paths.ProgramFolder = environment.ProgramFolder;
    paths.CommandLineLayoutPath = environment.CommandLineLayoutPath;
    paths.OtherInstanceRunning = environment.OtherInstanceRunning;
    // A new board is reset together with the working copy, which takes the
    // palette's selected colour for its texts.
    ResetStrip(ctx_.State.WorkingStrip);
    const ColorRef c = PaletteColor(ctx_.State.CurrentColorIndex);
    ctx_.State.WorkingStrip.Prices.TextColor = c;
    ctx_.State.WorkingStrip.SubItems.TextColor = c;
    ctx_.State.WorkingStrip.MainItem.TextColor = c;
}

bool CSignwrightDlg::OnInitDialog()
{
    shell_.InitDialog();
    const ShellPaths& paths = ctx_.Paths;
    if (paths.CommandLineLayoutPath.contains(kPackageExtension)) {
        EmptyFolder(paths.WorkFolder);
        UnpackReport report;
        Unpack(paths.CommandLineLayoutPath, paths.WorkFolder, &report);
        if (StartupFontCheck(paths.WorkFolder, paths.CommandLineLayoutPath, ctx_.Ask)
            == StartupFontCheckResult::ExitProgram)
            return false;
    }
    EmptyFolder(paths.WorkFolder);
    return true;
}

void CSignwrightDlg::OnPaint()
{
    ShellPaths& paths = ctx_.Paths;
    if (!paths.CommandLineLayoutPath.isEmpty() && !paths.FirstPaintDone) {
        // Set first: the open may show message boxes while the window still
        // needs painting, and it must start only once.
        paths.FirstPaintDone = true;
        paths.OpenFromCommandLine = true;
        open_.OpenLayout();
        paths.OpenFromCommandLine = false;
    }
    ctx_.Preview.Painting = true;
    preview_.DrawPaletteSwatches();
    EditorState& st = ctx_.State;
    if (!st.AnyEditMode() && !st.CommitInProgress) {
        preview_.RedrawPreview(true);
    } else if (st.RedrawOnNextPaint) {
        st.RedrawOnNextPaint = false;
        preview_.RedrawPreview(true);
    }
    ctx_.Preview.Painting = false;
}

void CSignwrightDlg::OnSize()
{
    preview_.OnSize();
    preview_.DrawPaletteSwatches();
}

// Selection by pointing, group clicks and strip drags are the hit-test and
// drag commands' work; until they are wired in, clicks select nothing.
void CSignwrightDlg::OnLButtonDown(QPoint, KeyModifiers) { }
void CSignwrightDlg::OnLButtonUp(QPoint, KeyModifiers) { }
void CSignwrightDlg::OnRButtonDown(QPoint, KeyModifiers) { }
void CSignwrightDlg::OnRButtonUp(QPoint, KeyModifiers) { }

void CSignwrightDlg::OnCommand(int id, KeyModifiers)
{
    switch (id) {
    case OpenLayout:
        open_.OpenLayout();
        break;
    case LoadBackground:
    case MenuOpenBackground:
        open_.OpenBackgroundImage();
        break;
    case SaveLayout:
        shell_.SaveLayout();
        break;
    case Print:
        preview_.Print();
        break;
    case WhitePrint:
        ctx_.Board.WhitePrintBackground = ctx_.Controls.isChecked(WhitePrint);
        redrawPreview();
        break;
    case VerticalGrid:
        redrawPreview();
        break;
    case Exit:
        if (shell_.OfferToSaveChanges())
            end_ = EndRequest::ExitProcess;
        break;
    case DialogOk:
    case DialogCancel:
        end_ = EndRequest::CloseWindow;
        break;
    case Micro:
        panel_.OnMicroClicked();
        break;
    case Macro:
        panel_.OnMacroClicked();
        break;
    case SelectedText:
        panel_.OnSelectedTextClicked();
        break;
    case AllText:
        panel_.OnAllTextClicked();
        break;
    default:
        // The editing commands of the text, move, picture, group and strip
        // panels are routed here as they are built.
        break;
    }
}

void CSignwrightDlg::OnEditChanged(int id)
{
    if (BlockOfEditBox(id) < 0)
        return;
    // Typing with nothing selected would change no strip: refuse it visibly.
    if (!ctx_.State.AnyEditMode() && !ctx_.Controls.text(id).isEmpty()) {
        ctx_.Controls.setText(id, QString());
        return;
    }
    // Text editing proper (TEXT mode, and typing into PICTURE or BACKGROUND
    // mode) is the text commands' work.
}

void CSignwrightDlg::OnEditFocus(int id, bool focusIn)
{
    if (focusIn && BlockOfEditBox(id) >= 0)
        ctx_.State.FocusedEditBox = id;
}

void CSignwrightDlg::OnComboChanged(int) { }

bool CSignwrightDlg::OnKey(int key, KeyModifiers)
{
    if (key == kKeyEscape)
        return panel_.OnEscape();
    // Return in the font combo picks the typed family; it must not end the window.
    if ((key == kKeyReturn || key == kKeyEnter) && ctx_.Controls.focusedControl() == FontCombo)
        return true;
    return false;
}

bool CSignwrightDlg::OnClose()
{
    if (!shell_.OfferToSaveChanges())
        return false;
    end_ = EndRequest::CloseWindow;
    return true;
}


} // namespace sw
