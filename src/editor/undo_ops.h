#pragma once
// The undo history as the window uses it: every push enables "Undo", and the
// button stays enabled only while records remain.
#include "editor/editor_context.h"

namespace sw {

void PushUndo(EditorContext& ctx, int column, int row, bool continues);
// Drops the top record when the strip did not change since it was pushed.
void DropUndoIfUnchanged(EditorContext& ctx, const MenuStrip& strip);
// Restores the most recent step; every restored strip with a picture gets its
// brightness-adjusted copy rebuilt. Every cached rectangle is cleared; the
// caller redraws.
void PopUndoStep(EditorContext& ctx);
void ClearUndoHistory(EditorContext& ctx);
inline bool HasUndoRecords(const EditorContext& ctx) { return ctx.Undo.HasRecords(); }

} // namespace sw
