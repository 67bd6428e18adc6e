#include "editor/undo_ops.h"

#include "render/proxies.h"

namespace sw {

void PushUndo(EditorContext& ctx, int column, int row, bool continues)
{
    ctx.Undo.Push(ctx.Board, StripRef{column, row}, continues);
    ctx.Controls.enable(ctl::Undo, true);
}

void DropUndoIfUnchanged(EditorContext& ctx, const MenuStrip& strip)
{
    ctx.Undo.DropIfUnchanged(strip);
    ctx.Controls.enable(ctl::Undo, ctx.Undo.HasRecords());
}

void PopUndoStep(EditorContext& ctx)
{
    const auto restored = ctx.Undo.PopStep(ctx.Board);
    for (StripRef ref : restored)
        if (!ctx.Board.strip(ref).SubImageFileName.isEmpty())
            RebuildPictureProxyWithBrightness(ctx.Board.strip(ref), ctx.Preview.Flags, ctx.Ask);
    ClearStripRects(ctx.Geometry);
}

void ClearUndoHistory(EditorContext& ctx) { ctx.Undo.Clear(); }

} // namespace sw
