#pragma once
// The board as JSON, field names as in the layout document.
#include "model/board.h"

#include <QJsonObject>

namespace sw::cli {

// Counts, white print format, background path and every strip in use of the
// used range (columns outer, rows inner) with its column and row from 0.
// Colours are "R,G,B" strings, GroupAlignment 0/1/2, paths as held in memory.
QJsonObject BoardToJson(const MenuBoard& board);

} // namespace sw::cli
