// Whether an army attacks a square: the search's test for a king left or put in check.
#pragma once

#include "rules/position.h"

namespace com {

// Whether a piece of army could move onto (x, y) (a square of the board) in pos by the game's
// move check. Looks outward from the square and asks the move check only of the pieces whose
// pattern could reach it.
bool attacked(const rules::Position& pos, int x, int y, int army);

// The same in pos, made by a move from (fromX, fromY) (off the board for a drop) to (toX, toY)
// that left (x, y) as it was, when army did not attack (x, y) before the move: only a line
// through the move's two squares, or a jump, can have changed.
bool attackedAfterMove(const rules::Position& pos, int x, int y, int army, int fromX, int fromY,
                       int toX, int toY);

}  // namespace com
