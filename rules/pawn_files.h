// The two-pawn tables: which columns already hold an unpromoted 歩 of each army.
#pragma once

#include "rules/position.h"

namespace rules {

// Rebuilds pos.ownPawnFiles and pos.enemyPawnFiles from the board. Only the shogi 歩 itself
// counts: neither と nor the Chinese 卒.
void 調査_2歩フラグ設定(Position& pos);

// The same for column x alone, after a move that changed only that column's 歩.
void updatePawnFile(Position& pos, int x);

}  // namespace rules
