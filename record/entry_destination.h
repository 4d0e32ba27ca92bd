// The square and piece of a recorded move, from two consecutive entries of the move list.
#pragma once

#include "record/move_list.h"

namespace record {

// n is a move number 1..kMaxEntry: compares entries n - 1 and n, the same way up (see
// rules::調査_移動結果 and rules::turnedLike). Gives false and leaves x, y and code untouched when
// nothing is found or n is out of range.
bool 調査_移動結果(const MoveList& list, int n, int& x, int& y, rules::PieceCode& code);

}  // namespace record
