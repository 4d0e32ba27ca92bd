// The influence survey: rebuilds the influence map from the board.
#pragma once

#include "com/influence_map.h"
#include "rules/position.h"

namespace com {

// Resets the grids that describe only the current board, then registers the attacks of every
// piece, x outer and y inner, each kind of each army in its own way. Records of best guards and
// attackers change only on a strict improvement, so the first piece met keeps a tie.
//
// The king squares are overwritten whenever a king is met and otherwise keep their old values.
// The bottom king's square lives in the position (ownKingX/ownKingY, which a king move keeps up
// too); the survey writes it there, for the 王 and for the 将. The board is used for single move
// tests and is always as it was on return.
void 勢力調査(rules::Position& pos, InfluenceMap& map);

}  // namespace com
