// Small examining routines the computer consults while scoring a position.
//
// Two of them fill grids once per turn, before the search (pinned pieces, bishop-drop aims); the
// others answer about one square. All read the board and the influence map; the two that lift a
// piece off the board put it back before they return.
#pragma once

#include "com/com_state.h"
#include "com/influence_map.h"
#include "rules/position.h"

namespace com {

// Fills state.ownPinned (1 on every bottom piece whose removal lets a top 香, 角, 角成, 飛 or 飛成
// reach the bottom king) and state.enemyPinnedAny (1 when removing some top piece lets a bottom
// slider reach the top 王).
void 調査_移動不可駒(rules::Position& pos, const InfluenceMap& map, ComState& state);

// Fills state.bishopDropAim: 1 on each empty square, unguarded by the top army (or guarded once
// right beside the top 王), from which a bottom 角 would reach the top 王.
void 調査_持角狙座標(const rules::Position& pos, const InfluenceMap& map, ComState& state);

// Number of squares the piece c could move to from (x, y) that the other army does not attack.
int 調査_移動可場所数(const rules::Position& pos, const InfluenceMap& map, int x, int y,
                      rules::PieceCode c);

// Minus the number of top pieces of code 14 and above (角, 角成, 飛, 飛成, advisor, 砲, kings) on
// the up to eight neighbours of (x, y).
int 調査_周辺状況(const rules::Board& board, int x, int y);

// 1 when the first bottom 香, 飛 or 飛成 below (x, y) in its file, with no top piece before it,
// could move onto (x, y) once that square is emptied; else 0.
int 調査_自守駒MAN_直進駒(rules::Position& pos, int x, int y);

// The value a top 香 standing on (x, y) would win down the file, when the piece there is
// attacked by a bottom 角, 角成, 飛 or 飛成 and the square behind it is held by the top army.
int 調査_香狙い(const rules::Position& pos, const InfluenceMap& map, int x, int y);

// The value of the bottom pieces of code -14 and below standing two columns beside (x, y) that a
// top 桂 could strike from the empty, unattacked squares two rows up, when the piece on (x, y) is
// attacked by a bottom 角, 角成, 飛 or 飛成.
int 調査_桂狙い(const rules::Position& pos, const InfluenceMap& map, int x, int y);

}  // namespace com
