// Which square a recorded move went to, read back from the boards before and after it.
#pragma once

#include "rules/position.h"

namespace rules {

// Scans x = 1..9 outer, y = 1..9 inner for the first square whose content differs between the two
// boards and is not empty after the move: the move's destination (the emptied from-square is
// skipped). On success x, y and code receive the square and the piece on it after the move and
// the result is true; otherwise they are left untouched.
bool 調査_移動結果(const Board& before, const Board& after, int& x, int& y, PieceCode& code);

}  // namespace rules
