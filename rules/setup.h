// The starting position and the side bookkeeping derived from it.
#pragma once

#include "rules/position.h"

namespace rules {

// Lays out the starting position on the board, empties both hands and keeps the bottom 王's
// square (the position part of the reset; the game-state part lives with the game controller).
void layOutStartPosition(Position& pos);

// The first king (王 or 将) of the bottom army, or of the top army, in scan order (x outer, y
// inner); 空 when that army has none on the board.
PieceCode firstBottomKing(const Board& board);
PieceCode firstTopKing(const Board& board);

// Sets bottomSide/topSide from the first bottom king found (x outer, y inner), or, when the
// bottom king is gone, from the first top king. No king at all: both stay as they were.
void 調査_先手後手(Position& pos);

// The side to move after a recorded move, from the snapshot before it and the one after it.
// prev == nullptr means move 0: the first bottom king tells (the shogi army moves first). Two
// snapshots the kings show to be seen from opposite ends are compared the same way up.
SideId 調査_先番(const Position& pos, const Board* prev, const Board& cur);

// Pieces in the hand of `side` (0 for a side that is neither bottomSide nor topSide).
int 調査_持駒数(const Position& pos, SideId side);

}  // namespace rules
