#pragma once
// Everything the main window object owns and its collaborators share. Each
// collaborator (panel routines, preview, opening, shell) gets this and works on
// its own concern; CSignwrightDlg owns one and routes the window's inputs.
#include "editor/dialog_controls.h"
#include "editor/editor_state.h"
#include "editor/undo_history.h"
#include "model/board.h"
#include "model/palette.h"
#include "platform/prompter.h"
#include "render/click_probe.h"
#include "render/geometry.h"
#include "render/render_flags.h"

#include <QImage>
#include <QRect>
#include <QStringList>
#include <array>

namespace sw {

// What the preview keeps between redraws.
struct PreviewState {
    bool ErasePending = false;        // set by an open: the next erasing redraw clears the area once
    bool ResolutionRequested = false; // show the resolution text with the next redraw
    RenderFlags Flags;                // proxies in use; SaveRenderActive during save and print
    ClickProbe Probe;
    std::array<EdgeRect, PaletteSize> SwatchRects{}; // as last drawn, client coordinates
    int Redraws = 0;                  // count of completed board redraws
    // Inside the paint handler the view is painting already: asking it to
    // repaint again would never end.
    bool Painting = false;
};

struct EditorContext {
    EditorContext(DialogControls& controls, Prompter& prompter)
        : Controls(controls)
        , Ask(prompter)
    {
    }

    DialogControls& Controls;
    Prompter& Ask;

    MenuBoard Board;
    BoardGeometry Geometry;
    EditorState State;
    ShellPaths Paths;
    UndoHistory Undo;
    PreviewState Preview;
    QStringList MissingFontList;
    QStringList LayoutFontList;

    // The client-area surface the view shows under its controls.
    QImage Surface;

    bool LayoutLoaded() const { return !Paths.CurrentFilePath.isEmpty(); }
};

} // namespace sw
