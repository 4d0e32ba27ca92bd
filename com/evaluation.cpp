#include "com/evaluation.h"

#include <cstdlib>

#include "com/danger.h"
#include "com/grid_read.h"
#include "com/mate.h"
#include "com/probes.h"
#include "rules/move_check.h"

namespace com {

using rules::PieceCode;

namespace {

using rules::hand::kAdvisor;
using rules::hand::kElephant;

bool isBottomKing(PieceCode c) {
    return c == rules::自王 || c == rules::自将;
}
bool isBottomRook(PieceCode c) {
    return c == rules::自飛 || c == rules::自飛成;
}

// Group 2: approach, pins, exchanges, escape squares and capture gains.
double group2(EvalContext& ctx, const EvalArgs& a, double s) {
    const rules::Position& pos = ctx.pos;
    const rules::Board& b = pos.board;
    const InfluenceMap& m = ctx.map;
    const ComState& st = ctx.state;
    const int kx = pos.ownKingX;
    const int ky = pos.ownKingY;
    const int tx = a.tx;
    const int ty = a.ty;
    const PieceCode p = a.p;
    const int oaT = m.ownAttacks(tx, ty);
    const int eaT = m.enemyAttacks(tx, ty);

    // Approach to the bottom king.
    const int dx = std::abs(tx - kx);
    const int dy = std::abs(ty - ky);
    if (dx > dy) {
        if (st.kingDistance > dx) s += 1;
    } else {
        if (st.kingDistance > dy) s += 0.1;
    }

    // The cheapest attacker of the moved piece cannot leave its line without exposing its king.
    const int ax = m.ownAttackerX(tx, ty);
    const int ay = m.ownAttackerY(tx, ty);
    if (at(m.ownAttacks, ax, ay) > 0 && at(st.ownPinned, ax, ay) == 1 &&
        (oaT == 1 || (eaT > 0 && oaT == 2 && at(m.enemyAttacks, kx, ky) > 0)) &&
        ((ax == kx && tx != kx) || (ay == ky && ty != ky) ||
         (ax != kx && ay != ky && (tx == kx || ty == ky))) &&
        rules::移動チェック(pos, tx, ty, ax, ay, st.movingPiece) == 1 &&
        (a.fx <= 0 ||
         b.get(at(st.enemyAttackerXBefore, ax, ay), at(st.enemyAttackerYBefore, ax, ay)) != 0)) {
        s += std::abs(b.get(ax, ay));
    }

    if (oaT == 0) {
        if (p != rules::敵角 && p != rules::敵角成 && p != rules::敵王 && p != rules::敵歩) {
            s -= 盤評価_自角注意_COM(ctx, tx, ty, p);
        }
        if (p == rules::敵香 || (p >= rules::敵角 && p <= rules::敵飛成) ||
            (std::abs(tx - kx) < 3 && std::abs(ty - ky) < 3)) {
            const int e = 調査_自王逃道(pos, ctx.map);
            if (st.ownKingEscapesBefore > e) s += st.ownKingEscapesBefore - e;
        }
    } else if (eaT > 0) {
        // Attacked and defended: the exchange.
        const rules::Hand& hand = pos.ownHand;
        if ((hand[kAdvisor] > 0 || hand[kElephant] > 0) && tx > 1 && tx < 9 &&
            ((isBottomRook(b(tx - 1, ty)) && b(tx + 1, ty) == rules::敵王) ||
             (isBottomRook(b(tx + 1, ty)) && b(tx - 1, ty) == rules::敵王))) {
            s -= p;
        }
        const int attacker = m.ownAttacker(tx, ty);
        if (p > std::abs(attacker)) s = s - p + std::abs(attacker);
        if (isBottomKing(attacker) && at(m.enemyAttacks, kx, ky) > 0 && ty < ky) s += p;
    } else {
        // Attacked and undefended.
        s -= p;
        if (a.fx < 0) s -= p + 50;
    }

    // A bottom 香 waiting at the foot of an edge file.
    if (b(tx, 9) == rules::自香 && (tx == 1 || tx == 9) && p != rules::敵香 && p != rules::敵飛 &&
        p != rules::敵飛成 && tx != a.fx) {
        s -= 0.1;
    }

    // What the capture gains.
    const PieceCode c = a.c;
    if (c != rules::空) {
        if (oaT == 0) {
            s += std::abs(c);
            if (c == rules::自と || c == rules::自香成 || c == rules::自桂成) s += 50;
        } else if (eaT > 0) {
            if (b(tx, ty) < std::abs(m.ownAttacker(tx, ty))) s += std::abs(c);
        } else {
            // Worth it only for a piece that was attacked where it stood and had nowhere to go.
            if (at(st.ownAttacksBefore, a.fx, a.fy) > 0 &&
                調査_移動可場所数(pos, m, a.fx, a.fy, p) == 0) {
                s += std::abs(c);
            }
        }
    }

    if (usesGroup3(ctx.comLevel)) s = evaluatePieceTerms(ctx, a, s);
    return s;
}

}  // namespace

double 盤評価(EvalContext& ctx, PieceCode c, PieceCode p, int fx, int fy, int tx, int ty) {
    const InfluenceMap& m = ctx.map;
    if (isBottomKing(c)) return kKingCaptureScore;
    if (at(m.ownAttacks, m.enemyKingX, m.enemyKingY) > 0 ||
        at(m.ownAttacks, m.enemyGeneralX, m.enemyGeneralY) > 0) {
        return kOwnKingLostScore;
    }

    double s = 0;
    const int kx = ctx.pos.ownKingX;
    const int ky = ctx.pos.ownKingY;
    if (at(m.enemyAttacks, kx, ky) > 0 || at(m.enemyAttacks, m.ownGeneralX, m.ownGeneralY) > 0) {
        // The move gives check.
        if (詰めかMAN(ctx.pos, m) == 1) return p == rules::敵歩 ? kOwnKingLostScore : kMateScore;
        if (m.ownAttacker(tx, ty) == rules::自王 && m.enemyAttacks(tx, ty) > 0) s += 100;
        if (m.ownAttacks(tx, ty) <= 2 && m.enemyGuard(tx, ty) == rules::敵飛成 && tx != kx &&
            ty != ky && std::abs(tx - kx) < 2 && std::abs(ty - ky) < 2 &&
            (m.enemyGuardX(tx, ty) == kx || m.enemyGuardY(tx, ty) == ky)) {
            s += 900;
        }
        if (m.ownAttacks(tx, ty) == 0) s += 10;
    }
    if (fx < 0) {
        s -= 5;
    } else if (p > ctx.state.movingPiece) {
        s += 10;
    }
    s += 盤評価_COM危険座標(ctx, p, tx, ty);

    if (!usesGroup2(ctx.comLevel)) return s;
    return group2(ctx, EvalArgs{c, p, fx, fy, tx, ty}, s);
}

}  // namespace com
