// Whether one piece may go from one square (or from a hand) to another, by the way it moves.
//
// The check looks at the destination, the path, the piece's own pattern and the drop rules only:
// it does not ask whose turn it is, whether the mover's king is left attacked, or whether the
// piece promotes. Answers are 1 (allowed) and 0 (refused).
#pragma once

#include "rules/position.h"

namespace rules {

// fromX/fromY is a board square, or (kTopHandX, hand index) / (kBottomHandX, hand index) for a
// drop; code is the piece that moves (for a drop, the code it will have on the board). Reads
// pos.board and, for drops of 歩, pos.ownPawnFiles / pos.enemyPawnFiles (rebuild them with
// 調査_2歩フラグ設定 after the board changes).
int 移動チェック(const Position& pos, int fromX, int fromY, int toX, int toY, PieceCode code);

// Path tests. Both squares lie on the board and differ; neither end is looked at.
// Same row or column, nothing strictly between.
int 移動チェック飛車(const Board& b, int fromX, int fromY, int toX, int toY);
// Same diagonal, nothing strictly between.
int 移動チェック角(const Board& b, int fromX, int fromY, int toX, int toY);
// The same test, as the 象 uses it.
int 移動チェック斜(const Board& b, int fromX, int fromY, int toX, int toY);

}  // namespace rules

// The Chinese army's path tests and patterns: 移動チェック馬, 移動チェック象相, 移動チェック中国車,
// 移動チェック車, 移動チェック砲取 and checkChineseMove.
#include "rules/move_check_chinese.h"
