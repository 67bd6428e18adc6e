#include "editor/undo_ops.h"

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

void PopUndoStep(EditorContext& ctx, const std::function<void(const MenuStrip&)>& rebuildPicture)
{
    const auto restored = ctx.Undo.PopStep(ctx.Board);
    if (rebuildPicture)
        for (StripRef ref : restored)
            if (!ctx.Board.strip(ref).SubImageFileName.isEmpty())
                rebuildPicture(ctx.Board.strip(ref));
    ClearStripRects(ctx.Geometry);
}

void ClearUndoHistory(EditorContext& ctx) { ctx.Undo.Clear(); }

} // namespace sw
