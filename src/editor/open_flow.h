#pragma once
// Opening a layout: from the open button, or once for the file named on the
// command line (OpenFromCommandLine set).
#include "editor/editor_context.h"

namespace sw {

class LayoutFontCheck;
class PanelRoutines;
enum class LayoutKind;
class PreviewPainter;
class ShellRoutines;

inline const QString kOpenDialogTitle = QStringLiteral("Open TablorLayout File");
// The caption runs straight into its patterns, as users of the older program know it.
inline const QString kOpenDialogFilter =
    QStringLiteral("TablorLayout File*.XTABLOR;*.TABLOR;*_TV.jpg;*_BGND.jpg (*.XTABLOR *.TABLOR *_TV.jpg *_BGND.jpg)");
inline const QString kBackgroundDialogTitle = QStringLiteral("Open Menu Background jpg Image File");
inline const QString kBackgroundDialogFilter = QStringLiteral("TABLOR Backgroundfile (*.jpg)");
// %1: the path that could not be opened.
inline const QString kUnableToOpenFile = QStringLiteral("Unable to open file\r\n\r\n%1\r\n\r\nPress OK to continue.");

class OpenFlow {
public:
    OpenFlow(EditorContext& ctx, PanelRoutines& panel, PreviewPainter& preview, ShellRoutines& shell)
        : ctx_(ctx)
        , panel_(panel)
        , preview_(preview)
        , shell_(shell)
    {
    }

    // The whole flow; every outcome is shown to the user. True when a layout
    // was opened and settled.
    bool OpenLayout();

    // Load New Background Image (also the menu's "&Open..."): the board's
    // strips stay, drawn on the picked image. True when the image was taken.
    bool OpenBackgroundImage();

    // The tidying passes of an open, exposed for their own tests.
    void CleanStrips();
    void SettleStrips();

private:
    void resetEditorAfterOpen();
    // The working folder's side folder a package is unpacked into before it
    // replaces the open layout.
    QString StagingFolder() const;
    // Reads the layout into a scratch board; on failure tells the user and
    // leaves everything as it was.
    bool ProbeLayout(const QString& layoutPath, LayoutKind kind, const QString& staging);
    static void MoveFolderContents(const QString& from, const QString& to);
    // The real read into the board, once the probe succeeded.
    bool ReadOpenedLayout(const QString& layoutPath, LayoutKind kind, LayoutFontCheck& fontCheck);
    void groupModeOff();

    EditorContext& ctx_;
    PanelRoutines& panel_;
    PreviewPainter& preview_;
    ShellRoutines& shell_;
};

} // namespace sw
