// The two registrations shared by the survey and the settlement routines: one attack of a bottom
// piece, and one attack of a top piece that records guard and attacker with their squares.
//
// Internal to the influence survey; the hot path, so everything here is inline.
#pragma once

#include "com/influence_map.h"
#include "rules/move_check.h"
#include "rules/piece.h"

namespace com::detail {

constexpr bool isTopKing(rules::PieceCode b) {
    return b == rules::敵王 || b == rules::敵将;
}
constexpr bool isBottomKing(rules::PieceCode b) {
    return b == rules::自王 || b == rules::自将;
}

// The attack of the bottom piece c standing on (x, y) against (tx, ty), which holds b: the count,
// the most valuable guard of a bottom piece, the hit and the cheapest attacker of a top piece.
// Answers whether (tx, ty) holds the top king; the caller decides which check marks follow.
inline bool registerBottom(InfluenceMap& m, rules::PieceCode b, rules::PieceCode c, int x, int y,
                           int tx, int ty) {
    ++m.ownAttacks(tx, ty);
    if (b < 0) {
        if (c < m.ownGuard(tx, ty)) m.ownGuard(tx, ty) = c;
        return false;
    }
    if (b > 0) {
        ++m.ownHits(tx, ty);
        if (c > m.ownAttacker(tx, ty)) {
            m.ownAttacker(tx, ty) = c;
            m.ownAttackerX(tx, ty) = x;
            m.ownAttackerY(tx, ty) = y;
        }
        return isTopKing(b);
    }
    return false;
}

// The attack of the top piece c standing on (x, y) against (tx, ty), which holds b: the count,
// the cheapest guard of a top piece and the cheapest attacker of a bottom piece, each with the
// square of c. Answers whether (tx, ty) holds the bottom king.
inline bool registerTopFull(InfluenceMap& m, rules::PieceCode b, rules::PieceCode c, int x, int y,
                            int tx, int ty) {
    ++m.enemyAttacks(tx, ty);
    if (b > 0) {
        if (c < m.enemyGuard(tx, ty)) {
            m.enemyGuard(tx, ty) = c;
            m.enemyGuardX(tx, ty) = x;
            m.enemyGuardY(tx, ty) = y;
        }
        return false;
    }
    if (b < 0) {
        if (c < m.enemyAttacker(tx, ty)) {
            m.enemyAttacker(tx, ty) = c;
            m.enemyAttackerX(tx, ty) = x;
            m.enemyAttackerY(tx, ty) = y;
        }
        return isBottomKing(b);
    }
    return false;
}

// Whether the Chinese stepper c (卒, 馬, advisor or 将) on (x, y) may move to (tx, ty) were that
// square empty, so that guarding a piece of its own army counts. Its pattern never looks at the
// to-square itself (a 馬's leg is the square beside it), so the board need not be emptied.
inline bool stepperReaches(const rules::Board& board, rules::PieceCode c, int x, int y, int tx,
                           int ty) {
    return rules::Board::onBoard(tx, ty) && (x != tx || y != ty) &&
           rules::checkChineseMove(board, x, y, tx, ty, c) == 1;
}

// The single attack of a bottom stepper c on (x, y) against (tx, ty), which holds b: the full
// bottom registration, and the check mark on c's own square.
inline void registerBottomStep(InfluenceMap& m, rules::PieceCode b, rules::PieceCode c, int x,
                               int y, int tx, int ty) {
    if (registerBottom(m, b, c, x, y, tx, ty)) m.ownCheck(x, y) = kCheckPiece;
}

// The single attack of a top stepper: the guard without its square, the attacker with it, and no
// hit count.
inline void registerTopStep(InfluenceMap& m, rules::PieceCode b, rules::PieceCode c, int x, int y,
                            int tx, int ty) {
    ++m.enemyAttacks(tx, ty);
    if (b >= 1) {
        if (c < m.enemyGuard(tx, ty)) m.enemyGuard(tx, ty) = c;
    } else if (b <= -1) {
        if (c < m.enemyAttacker(tx, ty)) {
            m.enemyAttacker(tx, ty) = c;
            m.enemyAttackerX(tx, ty) = x;
            m.enemyAttackerY(tx, ty) = y;
        }
        if (isBottomKing(b)) m.enemyCheck(x, y) = kCheckPiece;
    }
}

}  // namespace com::detail
