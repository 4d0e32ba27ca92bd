// The position a recorded entry stands for, as a search or a review needs it.
#pragma once

#include <vector>

#include "record/move_list.h"
#include "rules/position.h"

namespace record {

// A recorded entry as a whole position: its board and hands, the armies' ends read off its
// kings, the hand totals and the bottom king's square.
rules::Position positionOfEntry(const MoveEntry& entry);

// Entry 0 of a record read from a file, which holds moves only: the start position, turned when
// the record's first move was played on a turned board.
void layOutStartEntry(MoveList& list);

// Entries 0..lastMove as positions: element n is the position after n moves, so the shogi army
// is to move in the even ones.
std::vector<rules::Position> positionsOf(const MoveList& list, int lastMove);

}  // namespace record
