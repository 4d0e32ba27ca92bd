// Whether the game can hold and play a position: the test a set-up position (typed, pasted or
// edited) must pass before it becomes the start of a record.
#pragma once

#include "rules/position.h"

namespace rules {

enum class PositionFaultKind {
    None,
    MissingKing,        // kind: the king the army lacks (王 for the shogi army, 将 for the other)
    TwoKings,           // kind: the king the army has more than one of
    KingOutsidePalace,  // x, y: a 将 outside its army's palace
    PieceCannotMove,    // x, y, code: 歩/香 on the far row, 桂 on the far two
    TwoPawnsOnAFile,    // x: the column holding two unpromoted 歩 of one army
    TooManyOfAKind,     // kind (unpromoted), limit: board and both hands hold more than the game
    KingCanBeTaken,     // the army to move could take the other army's king at once
};

struct PositionFault {
    PositionFaultKind fault = PositionFaultKind::None;
    int kind = 0;
    int x = 0;
    int y = 0;
    PieceCode code = 空;
    int limit = 0;

    bool ok() const { return fault == PositionFaultKind::None; }
    bool operator==(const PositionFault&) const = default;
};

// How many pieces of each kind the game has, both armies together: the starting position's
// count of the kind (a promoted kind counts as its unpromoted one).
int piecesOfKind(int kind);

// The first fault of pos, with `sideToMove` (SENTE or GOTE) to move, in the order of the enum;
// None for a position the game can play. Which army is which is read from pos.bottomSide and
// pos.topSide: the shogi army (SENTE) keeps the 王, the other army the 将.
PositionFault checkPosition(const Position& pos, SideId sideToMove);

}  // namespace rules
