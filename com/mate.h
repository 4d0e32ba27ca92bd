// Check, escape squares and mate of either king, read from the influence map.
//
// The bottom king's square is pos.ownKingX/ownKingY, the top king's is the 王's or the 将's
// square in the map. The tests see checkers only through the map's check marks (9 on a checker,
// 1 between a slider and the king), so they need a map surveyed on the current position. They
// change the board only for their trials and always put it back.
#pragma once

#include "com/influence_map.h"
#include "rules/position.h"

namespace com {

// 1 when some top piece may move onto the bottom king's square right now, else 0.
int 詰めかMAN_COM移動(const rules::Position& pos);

// The number (0..8) of the bottom king's neighbours that are empty and not attacked by the top
// army; each gets 1 in map.ownKingEscapeMarks, which this never clears. The king's own limits (a
// 将's palace) are not considered, and a square holding a top piece never counts.
int 調査_自王逃道(const rules::Position& pos, InfluenceMap& map);

// 1 when the bottom king is mated, else 0: in check, no drop blocks, no escape, and no piece
// takes a checker or stands between.
int 詰めかMAN(rules::Position& pos, const InfluenceMap& map);

// 1 when the top king is mated, else 0. side is the top army's SideId: +1 means the top king is
// the 王, -1 the 将. Each trial of a capture or block rebuilds the map with the survey, and the
// map is not rebuilt afterwards: on return it describes the last position tried (or the real one
// when nothing was tried).
int 詰めかCOM(rules::Position& pos, InfluenceMap& map, rules::SideId side);

}  // namespace com
