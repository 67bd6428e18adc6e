#include "editor/undo_history.h"

namespace sw {

void UndoHistory::Push(const MenuBoard& board, StripRef ref, bool continues)
{
    UndoRecord r;
    r.Column = ref.Column;
    r.Row = ref.Row;
    r.StepContinues = continues ? 1 : 0;
    CopyStrip(r.Strip, board.strip(ref));
    records_.push_back(std::move(r));
}

bool UndoHistory::DropIfUnchanged(const MenuStrip& strip)
{
    if (records_.empty() || !StripsEqual(records_.back().Strip, strip))
        return false;
    records_.pop_back();
    return true;
}

std::vector<StripRef> UndoHistory::PopStep(MenuBoard& board)
{
    std::vector<StripRef> restored;
    while (!records_.empty()) {
        const UndoRecord r = std::move(records_.back());
        records_.pop_back();
        const StripRef ref{r.Column, r.Row};
        MenuStrip& cell = board.strip(ref);
        if (!StripsEqual(cell, r.Strip)) {
            CopyStrip(cell, r.Strip);
            restored.push_back(ref);
        }
        if (r.StepContinues == 0)
            break;
    }
    return restored;
}

void UndoHistory::Clear() { records_.clear(); }

} // namespace sw
