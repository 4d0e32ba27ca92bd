// The move list as rows of text for a list beside the board: one row per recorded entry.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "record/move_list.h"
#include "record/notation.h"

namespace record {

struct MoveListRow {
    int number = 0;     // the entry's number, 0 for the start
    std::string move;   // the move as the move result shows it ("７六 歩")
    std::string clock;  // the mover's clock after the move ("00:01:05"); empty for the start
};

// Rows for entries 0..lastMove. Entry 0 reads `startText`; each later entry names the piece that
// arrived and its square, found by comparing the entry with the one before (a move that cannot
// be found there leaves its text empty), and the clock of the army that moved it.
// `name` writes a move to (x, y) by `piece`; the notation's own by default.
using MoveNamer = std::function<std::string(int x, int y, rules::PieceCode piece)>;
std::vector<MoveListRow> moveListRows(const MoveList& list, const std::string& startText,
                                      const MoveNamer& name = moveText);

}  // namespace record
