#pragma once
// Keeping strips tidy after their texts or boxes moved: the box of a strip
// without colour and picture hugs its texts, and a strip whose box has left
// its own cell moves into the neighbouring free cell.
#include "model/board.h"
#include "render/geometry.h"

namespace sw {

// A strip whose box is only there for its texts: no colour, no picture, no frame.
bool IsFittingStrip(const MenuStrip& strip);

// Fits the box of `ref` to its drawn texts (the rectangles of the last
// redraw), vertically or horizontally. A strip whose texts were not drawn
// yet keeps its box.
void FitEmptyStripToTextVertical(MenuBoard& board, BoardGeometry& geometry, StripRef ref);
void FitEmptyStripToTextHorizontal(MenuBoard& board, BoardGeometry& geometry, StripRef ref);

// Moves a strip whose box was carried past its own cell into the free cell
// the offsets point at; returns the cell that holds its content afterwards.
// Nothing moves when no free cell lies inside the used rows and columns.
StripRef RelocateOverflowingStrip(MenuBoard& board, BoardGeometry& geometry, StripRef ref);

} // namespace sw
