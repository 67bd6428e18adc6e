#pragma once
// The one undo history: every editing step records the strips it is about to
// change before changing them. It is also the program's only notion of unsaved
// changes.
#include "model/board.h"

#include <vector>

namespace sw {

struct UndoRecord {
    int Column = 0;
    int Row = 0;
    int StepContinues = 0; // 1: belongs to the step of the record below
    MenuStrip Strip;       // deep copy as it was when pushed
};

class UndoHistory {
public:
    // Appends a record of the cell; the caller enables the Undo button.
    void Push(const MenuBoard& board, StripRef ref, bool continues);
    // Drops the top record when its strip equals `strip`; true when dropped.
    bool DropIfUnchanged(const MenuStrip& strip);
    // Restores the most recent step into the board and returns the cells that
    // were written back (the caller rebuilds picture copies and clears rects).
    // Does nothing on an empty history.
    std::vector<StripRef> PopStep(MenuBoard& board);
    void Clear();

    bool HasRecords() const { return UndoIndex() >= 0; }
    int UndoIndex() const { return int(records_.size()) - 1; }
    const std::vector<UndoRecord>& records() const { return records_; }

private:
    std::vector<UndoRecord> records_;
};

} // namespace sw
