// Settlement routines: each registers in the influence map the attacks of one piece along one
// line, one gold-step set or the bishop's diagonals, or one single attack of a Chinese piece.
//
// "自"/own is the bottom army (negative codes), "敵"/enemy the top army. The two armies' versions
// are deliberately not mirror images: they record different facts and, for the gold-movers and
// the bottom bishop, enter fixed codes (13, -14) whatever the piece is. The computer's
// evaluation reads the map with these differences in it.
#pragma once

#include "com/influence_map.h"
#include "rules/position.h"

namespace com {

// Straight lines of a slider standing on (x, y) with the code `code` (the army is its sign). The
// scan registers every square up to and including the first piece, except that it runs on past
// the other army's king, marking 1 on the squares between and 9 on the slider's own square.
void 勢力確定上直進(const rules::Position& pos, InfluenceMap& map, rules::PieceCode code, int x,
                    int y);
void 勢力確定下直進(const rules::Position& pos, InfluenceMap& map, rules::PieceCode code, int x,
                    int y);
void 勢力確定右直進(const rules::Position& pos, InfluenceMap& map, rules::PieceCode code, int x,
                    int y);
void 勢力確定左直進(const rules::Position& pos, InfluenceMap& map, rules::PieceCode code, int x,
                    int y);

// The six gold steps of a bottom と, 香成, 桂成, 銀成 or 金, entering `code` as guard/attacker.
void 勢力確定自金(const rules::Position& pos, InfluenceMap& map, rules::PieceCode code, int x,
                  int y);
// The six gold steps of a top gold-mover: counts, a guard of 13 whatever the piece is (no
// square), check marks; an attacked bottom piece is only counted.
void 勢力確定敵金(const rules::Position& pos, InfluenceMap& map, int x, int y);
// The four diagonals of a bottom 角 or 角成, entering -14 whatever the piece is.
void 勢力確定自角(const rules::Position& pos, InfluenceMap& map, int x, int y);
// The four diagonals of a top 角 or 角成, entering `code`.
void 勢力確定敵角(const rules::Position& pos, InfluenceMap& map, rules::PieceCode code, int x,
                  int y);

// One attack of the piece on (fromX, fromY) against (toX, toY), for the Chinese pieces the survey
// hands over (卒, 馬, advisor, 将). The to-square is emptied for the move test, so a piece that
// could capture there, or merely defends it, counts. Off-board to-squares register nothing.
// `side` is passed by the survey (bottomSide / topSide) and not used. The board is put back as
// it was before returning.
void 勢力設定_MAN(rules::Position& pos, InfluenceMap& map, rules::SideId side, int fromX, int fromY,
                  int toX, int toY);
void 勢力設定_COM(rules::Position& pos, InfluenceMap& map, rules::SideId side, int fromX, int fromY,
                  int toX, int toY);

}  // namespace com
