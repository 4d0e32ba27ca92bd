// Turning the board round: the bottom army goes to the top and the top army to the bottom.
#pragma once

#include "rules/position.h"

namespace rules {

// Rotates the board by 180 degrees and turns every piece's sign, so that the army now at the
// bottom carries the negative codes again; the two hands (and their totals) change places with
// their armies. Side ids are not touched: 調査_先手後手 reads them off the kings afterwards.
void flipPosition(Position& pos);

// Which way up a board is: +1 with the shogi army at the bottom, -1 with it on top, 0 when no
// king tells (王 first; a 将 tells only when no 王 is left).
int wayUp(const Board& board);

// `board` turned round when the kings show it is seen from the other end than `like`; as it is
// otherwise. Two snapshots of one record are compared this way.
Board turnedLike(const Board& board, const Board& like);

}  // namespace rules
