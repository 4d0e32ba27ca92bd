// Promotion: whether a move may promote, and whether an unpromoted piece could still move on.
#pragma once

#include "rules/position.h"

namespace rules {

// 1 when the move may promote, and then pos.promotedCode holds the promoted code; else 0 and
// promotedCode is left as it was. Drops never promote. 歩, 香 and 桂 promote on arriving in the
// zone (the three rows nearest the other side); 銀, 角 and 飛 also when they leave it or move
// inside it. toX is not used.
int 調査_駒成(Position& pos, int fromX, int fromY, int toX, int toY, PieceCode code);

// 0 when an unpromoted piece of this code arriving on row toY could never move again (a 歩 or 香
// on the last row, a 桂 on the last two): it must promote. 1 for everything else.
int 移動後チェック(int toY, PieceCode code);

}  // namespace rules
