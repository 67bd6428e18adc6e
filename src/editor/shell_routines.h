#pragma once
// The window's shell duties: the title, the save offer before the board is
// replaced or the program ends, and the main window initialisation.
#include "editor/editor_context.h"

namespace sw {

class PanelRoutines;
class PreviewPainter;

inline const QString kSaveChangesQuestion = QStringLiteral("Do you wish to save this image?");
// Until saving is built, a Yes to the save question must not lose the changes.
inline const QString kSaveUnavailableMessage = QStringLiteral(
    "Saving layouts is not available in this version of the editor.\n\nYour changes are kept; nothing was "
    "replaced.");
inline const QString kAppCaption = QStringLiteral("Signwright");

class ShellRoutines {
public:
    ShellRoutines(EditorContext& ctx, PanelRoutines& panel, PreviewPainter& preview)
        : ctx_(ctx)
        , panel_(panel)
        , preview_(preview)
    {
    }

    void UpdateWindowTitle(const QString& fileNamePart);
    // True: go on (the board may be replaced, the program may end); false:
    // the user cancelled, or the changes could not be saved.
    bool OfferToSaveChanges();
    // The save command ("Save Layout && TV Image Files", menu "Save As...").
    // Returns true when the layout was saved.
    bool SaveLayout();

    // The main window initialisation that touches controls and state.
    void InitDialog();

private:
    EditorContext& ctx_;
    PanelRoutines& panel_;
    PreviewPainter& preview_;
};

} // namespace sw
