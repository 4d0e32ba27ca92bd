// Gold-movers: と, 香成, 桂成, 銀成 and 金 of either army.
#include "com/influence_register.h"
#include "com/influence_settle.h"

namespace com {

using rules::PieceCode;

// Forward is up for the bottom army: three squares ahead, one behind, two beside.
void 勢力確定自金(const rules::Position& pos, InfluenceMap& map, PieceCode code, int x, int y) {
    const rules::Board& board = pos.board;
    const auto step = [&](int tx, int ty) {
        if (detail::registerBottom(map, board(tx, ty), code, x, y, tx, ty)) {
            map.ownCheck(x, y) = kCheckPiece;
        }
    };
    if (y > 1) {
        step(x, y - 1);
        if (x > 1) step(x - 1, y - 1);
        if (x < 9) step(x + 1, y - 1);
    }
    if (y < 9) step(x, y + 1);
    if (x > 1) step(x - 1, y);
    if (x < 9) step(x + 1, y);
}

// Forward is down for the top army. Every top gold-mover guards as a 金 and records no square;
// a bottom piece it attacks is only counted.
void 勢力確定敵金(const rules::Position& pos, InfluenceMap& map, int x, int y) {
    const rules::Board& board = pos.board;
    const auto step = [&](int tx, int ty) {
        ++map.enemyAttacks(tx, ty);
        const PieceCode b = board(tx, ty);
        if (b >= 1) {
            if (rules::敵金 < map.enemyGuard(tx, ty)) map.enemyGuard(tx, ty) = rules::敵金;
        } else if (detail::isBottomKing(b)) {
            map.enemyCheck(x, y) = kCheckPiece;
        }
    };
    if (y > 1) step(x, y - 1);
    if (y < 9) {
        step(x, y + 1);
        if (x > 1) step(x - 1, y + 1);
        if (x < 9) step(x + 1, y + 1);
    }
    if (x > 1) step(x - 1, y);
    if (x < 9) step(x + 1, y);
}

}  // namespace com
