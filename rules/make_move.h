// Making a move: capture into hand, placing the piece, emptying the square or the hand it came
// from, and keeping the hand totals and the bottom king's square.
#pragma once

#include "rules/position.h"

namespace rules {

// What a move touched besides its from- and to-squares, so the caller can redraw.
struct MoveEffect {
    PieceCode captured = 空;          // what stood on the destination (a king included), or 0
    bool bottomStandChanged = false;  // ownHand changed: a top piece was taken, or a bottom drop
    bool topStandChanged = false;     // enemyHand changed: a bottom piece was taken, or a top drop
};

// Makes the move. code is the piece's code on arrival (the promoted code when it promotes);
// fromX = kTopHandX / kBottomHandX with fromY = hand index is a drop. A captured piece goes to the
// captor's hand (or, for a king, decides the winner), and the captor's hand total grows by one
// in either case. No legality test: the caller asks 移動チェック first.
MoveEffect 駒移動(Position& pos, int fromX, int fromY, int toX, int toY, PieceCode code);

// Puts a captured piece into its captor's hand under its unpromoted kind; a captured king enters
// no hand and sets winnerSide to the captor's side.
void 駒取得(Position& pos, PieceCode captured);

}  // namespace rules
