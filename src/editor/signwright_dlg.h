#pragma once
// CSignwrightDlg: the main window object. It owns the board, the geometry,
// the editor state, the undo history, the font lists and the paths, receives
// the window's inputs as handler calls and routes each to the collaborator of
// its concern. It reaches the controls only through DialogControls and paints
// into a client-area surface the view shows.
//
// Construction and driving by the view (see also dialog_controls.h):
//
//     EditorEnvironment env;
//     env.WorkFolder = workFolder.path();          // the locked per-copy folder
//     env.ProgramDataFolder = ProgramDataFolder(); // print image goes here
//     env.ProgramFolder = QCoreApplication::applicationDirPath() + "/";
//     env.CommandLineLayoutPath = fileArgument;    // empty without one
//     env.OtherInstanceRunning = ...;
//     CSignwrightDlg dlg(controls, prompter, env);
//     if (!dlg.OnInitDialog()) return 0;           // fonts refused at start-up
//     ...show the window; on each paint event:
//     dlg.OnPaint();  then draw dlg.surface() at (0, 0) under the controls
//
// After every handler the view looks at endRequest(): ExitProcess ends the
// program at once (status 0), CloseWindow closes it normally. "Help Videos"
// (1110) is the view's own: it opens the help page in the web browser.
#include "editor/editor_context.h"
#include "editor/open_flow.h"
#include "editor/panel_routines.h"
#include "editor/preview_painter.h"
#include "editor/shell_routines.h"

#include <QPoint>

namespace sw {

struct EditorEnvironment {
    QString WorkFolder;
    QString ProgramDataFolder;
    QString ProgramFolder; // with a trailing separator
    QString CommandLineLayoutPath;
    bool OtherInstanceRunning = false;
};

// The modifier keys held at an input.
struct KeyModifiers {
    bool Shift = false;
    bool Control = false;
    bool Alt = false;
};

enum class EndRequest { None, ExitProcess, CloseWindow };

// Key codes the window reacts to (Qt::Key values).
inline constexpr int kKeyEscape = 0x01000000;
inline constexpr int kKeyReturn = 0x01000004;
inline constexpr int kKeyEnter = 0x01000005;

class CSignwrightDlg {
public:
    CSignwrightDlg(DialogControls& controls, Prompter& prompter, const EditorEnvironment& environment);
    CSignwrightDlg(const CSignwrightDlg&) = delete;
    CSignwrightDlg& operator=(const CSignwrightDlg&) = delete;

    // Main window initialisation. False when the user refused to install the
    // fonts of the layout named on the command line: end with status 0.
    bool OnInitDialog();

    // Paint: the first-paint hook (opens the command-line layout once), the
    // swatches, and the preview when no mode is being edited.
    void OnPaint();
    // The client area changed size (the view has already moved its controls).
    void OnSize();

    // Mouse input on the client area, in client coordinates. Selection by
    // pointing and strip drags are handled by the hit-test and drag commands.
    void OnLButtonDown(QPoint point, KeyModifiers keys);
    void OnLButtonUp(QPoint point, KeyModifiers keys);
    void OnRButtonDown(QPoint point, KeyModifiers keys);
    void OnRButtonUp(QPoint point, KeyModifiers keys);

    // A button click, a check-box toggle (already in its new state) or a menu command.
    void OnCommand(int id, KeyModifiers keys = {});
    // The user changed the text of edit box `id`.
    void OnEditChanged(int id);
    void OnEditFocus(int id, bool focusIn);
    // The selection of combo `id` changed by the user.
    void OnComboChanged(int id);
    // A key pressed anywhere in the window; true when the window consumed it.
    bool OnKey(int key, KeyModifiers keys = {});
    // The close box; true when the window may close. The app removes the
    // working folder when the window has gone (and before an ExitProcess).
    bool OnClose();

    const QImage& surface() const { return ctx_.Surface; }
    EndRequest endRequest() const { return end_; }

    // For the commands of the editing Parts and for tests.
    EditorContext& context() { return ctx_; }
    PanelRoutines& panel() { return panel_; }
    PreviewPainter& preview() { return preview_; }
    ShellRoutines& shell() { return shell_; }
    OpenFlow& openFlow() { return open_; }

private:
    void redrawPreview(bool erase = false) { preview_.RedrawPreview(erase); }

    EditorContext ctx_;
    PreviewPainter preview_;
    PanelRoutines panel_;
    ShellRoutines shell_;
    OpenFlow open_;
    EndRequest end_ = EndRequest::None;
};

} // namespace sw
