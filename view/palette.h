// The position editor's palette beside the board: every kind of both armies, promoted shogi kinds
// included, one picture a cell. The top army's pieces fill columns 13 and 14, the bottom army's
// columns 15 and 16, rows 0..10.
#pragma once

#include "rules/piece.h"

namespace view {

// Two armies of eleven rows of two cells; two of them stay empty.
constexpr int kPaletteSlots = 44;
constexpr int kPaletteFirstColumn = 13;
constexpr int kPaletteFirstRow = 0;

// The code shown in cell 0..kPaletteSlots-1 (0 for a cell left empty), its column and its row.
rules::PieceCode paletteCode(int cell);
int paletteColumn(int cell);
int paletteRow(int cell);
// The cell at (column, row), or -1 where the palette has none.
int paletteCellAt(int column, int row);

}  // namespace view
