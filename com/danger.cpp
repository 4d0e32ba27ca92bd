#include "com/danger.h"

#include <cstdlib>

#include "com/grid_read.h"
#include "com/probes.h"
#include "rules/move_check.h"

namespace com {

using rules::Board;
using rules::PieceCode;

namespace {

using rules::hand::kAdvisor;
using rules::hand::kCannon;
using rules::hand::kChariot;
using rules::hand::kElephant;
using rules::hand::kHorse;
using rules::hand::kSoldier;

struct Sweep {
    EvalContext& ctx;
    const rules::Position& pos;
    const Board& b;
    const InfluenceMap& m;
    const rules::Hand& hand;  // the bottom army's hand
    bool advisorOrElephantInHand;
    double D = 0;
    int forks = 0;
    int cheapestForked = 9999;

    explicit Sweep(EvalContext& c)
        : ctx(c),
          pos(c.pos),
          b(c.pos.board),
          m(c.map),
          hand(c.pos.ownHand),
          advisorOrElephantInHand(hand[kAdvisor] > 0 || hand[kElephant] > 0) {}

    bool nearTopKing(int x, int y) const {
        return std::abs(x - m.enemyKingX) < 2 && std::abs(y - m.enemyKingY) < 2;
    }

    void emptySquare(int x, int y) {
        const int oa = m.ownAttacks(x, y);
        const int ea = m.enemyAttacks(x, y);
        if (oa > 0) {
            if (nearTopKing(x, y)) {
                D -= 0.5 * oa;
                if (ea == 1 && oa > 1) D -= 10;
                if (advisorOrElephantInHand) D -= 10;
            }
            if (ea == 0 && y < 4) {
                D -= 0.1;
                if (調査_自守駒MAN_直進駒(ctx.pos, x, y) == 1) D -= 10;
            }
            if (y < 4 && b.get(x, y + 1) == rules::自歩 && oa >= ea) {
                D -= 30;
                if (調査_自守駒MAN_直進駒(ctx.pos, x, y + 1) == 1) D -= 70;
            }
        }
        if (pos.ownHandTotal > 0) dropThreats(x, y, oa, ea);
    }

    // What a piece dropped from the bottom army's hand on the empty (x, y) would threaten.
    void dropThreats(int x, int y, int oa, int ea) {
        // A 車 from the bottom army's hand dropped here, below a top piece that has another top
        // piece behind it in the file.
        if (hand[kChariot] > 0 && y > 2 && b.get(x, y - 1) > rules::敵香 && (ea == 0 || oa > 0)) {
            for (int k = y - 2; k >= 1; --k) {
                const PieceCode c = b(x, k);
                if (c == rules::空) continue;
                if (c > rules::敵香) D = D - 100 - c / 2.0;
                break;
            }
        }
        // A 馬 from the bottom army's hand dropped here, below two top pieces it would fork.
        if (hand[kHorse] > 0 && (ea == 0 || (oa > 0 && m.enemyAttacker(x, y) > rules::敵桂)) &&
            y > 2 && x > 1 && x < 9 && b.get(x - 1, y - 2) > rules::敵歩 &&
            b.get(x + 1, y - 2) > rules::敵歩) {
            D -= 20;
        }
        if (advisorOrElephantInHand && ea <= 1) {
            const int around = 調査_周辺状況(b, x, y);
            if (around < -1) D -= 5;
            if (ea == 0 && around < 0) {
                D -= 1;
                if (y < 4) D -= 10;
            }
        }
        if (ea == 0) {
            if (y == 2 && b(x, 1) == rules::敵桂) D -= 5;
            if (y < 4) D -= 0.1;
            if (hand[kAdvisor] > 0 && x > 1 && x < 9 && y > 1 && y < 9) {
                if (b(x - 1, y - 1) >= 1 && b(x + 1, y + 1) >= 1 &&
                    m.enemyAttacks(x - 1, y - 1) == 0 && m.enemyAttacks(x + 1, y + 1) == 0) {
                    D -= 20;
                }
                if (b(x - 1, y + 1) >= 1 && b(x + 1, y - 1) >= 1 &&
                    m.enemyAttacks(x - 1, y + 1) == 0 && m.enemyAttacks(x + 1, y - 1) == 0) {
                    D -= 20;
                }
            }
        }
    }

    void topPiece(int x, int y, PieceCode v) {
        const int oa = m.ownAttacks(x, y);
        const int ea = m.enemyAttacks(x, y);
        if (v == rules::敵王 && y == 1 && m.ownAttacks(x, 2) > 0) {
            D -= 50;
            if (m.ownAttacks(x, 2) >= m.enemyAttacks(x, 2)) D -= 250;
            if (advisorOrElephantInHand) D -= 700;
        } else if (v == rules::敵歩 && m.ownAttacker(x, y) == rules::自飛 && hand[kSoldier] > 0 &&
                   oa >= ea && y < 9 && m.enemyAttacks(x, y + 1) == 1) {
            D -= 5;
        }
        if (oa <= 0) return;
        const int a = std::abs(m.ownAttacker(x, y));
        const int ax = m.ownAttackerX(x, y);
        const int ay = m.ownAttackerY(x, y);
        const bool attackerFree = at(ctx.state.ownPinned, ax, ay) == 0;
        if (m.enemyGuard(x, y) == rules::敵王 && (oa > 1 || v > a)) D -= 100;
        if (attackerFree && v > a) D = D - v + a;
        if (ea > 0 && attackerFree) {
            if (oa > ea && m.enemyGuard(x, y) >= a) D -= v;
            if (y <= 3 && ea == oa && b.get(x, y + 1) != rules::空 &&
                調査_自守駒MAN_直進駒(ctx.pos, x, y + 1) == 1) {
                D = D - v - std::abs(m.ownAttacker(x, y + 1));
            }
        }
        if (ea == 0) {
            D -= v;
            if (y <= 3) D -= 10;
            const PieceCode before = ctx.state.boardBefore(x, y);
            if (before <= -1) D += std::abs(before);
            if (y < 4 && (a == rules::kind::歩 || a == rules::kind::香)) D -= 20;
        }
    }

    void bottomPiece(int x, int y, PieceCode v, PieceCode p, int tx, int ty, bool movedSafe) {
        const int ea = m.enemyAttacks(x, y);
        if (ctx.state.enemyAttacksBefore(x, y) == 0 && ea > 0) {
            if (v == rules::自桂 && y > 2 && m.ownAttacks(x, y - 1) == 0) {
                const PieceCode above = b(x, y - 1);
                if (above == rules::敵銀 || above == rules::敵飛成 || above == rules::敵角成)
                    D += 1;
            }
            if (std::abs(x - m.enemyKingX) < 3 && std::abs(y - m.enemyKingY) < 3) D += 15;
        }
        if (v == rules::自桂 && y >= 5 && b(x, y - 4) >= rules::敵銀) {
            if (x > 1 && b(x - 1, y - 2) >= 0 && m.enemyAttacks(x - 1, y - 2) == 0) D -= 1;
            if (x < 9 && b(x + 1, y - 2) >= 0 && m.enemyAttacks(x + 1, y - 2) == 0) D -= 1;
        } else if ((v == rules::自飛 || v == rules::自飛成 || v == rules::自香) &&
                   x == m.enemyKingX) {
            D -= 1;
        }
        const bool target = m.ownAttacks(x, y) == 0 || (x == pos.ownKingX && y == pos.ownKingY);
        if (movedSafe && target && rules::移動チェック(pos, tx, ty, x, y, p) == 1) {
            D += 0.1;
            ++forks;
            if (std::abs(v) < cheapestForked) cheapestForked = std::abs(v);
        }
    }
};

}  // namespace

double 盤評価_COM危険座標(EvalContext& ctx, PieceCode p, int tx, int ty) {
    Sweep s(ctx);
    const bool movedSafe = at(ctx.map.ownAttacks, tx, ty) == 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode v = s.b(x, y);
            if (v == rules::空) {
                s.emptySquare(x, y);
            } else if (v >= 1) {
                s.topPiece(x, y, v);
            } else {
                s.bottomPiece(x, y, v, p, tx, ty, movedSafe);
            }
        }
    }
    if (s.forks > 1) s.D += s.cheapestForked;
    return s.D;
}

PieceCode 盤評価_自角注意_COM(EvalContext& ctx, int tx, int ty, PieceCode p) {
    const rules::Position& pos = ctx.pos;
    const InfluenceGrid& aim = ctx.state.bishopDropAim;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (aim(x, y) != 1) continue;
            if (rules::移動チェック(pos, tx, ty, x, y, rules::自角) != 1 &&
                rules::移動チェック(pos, tx, ty, x, y, rules::自角成) != 1) {
                continue;
            }
            // Only the first aim square in line with the piece is looked at.
            for (int a = 1; a <= 9; ++a) {
                for (int b = 1; b <= 9; ++b) {
                    const PieceCode c = pos.board(a, b);
                    if ((c == rules::自角 || c == rules::自角成) &&
                        rules::移動チェック(pos, a, b, x, y, c) == 1) {
                        return p;
                    }
                }
            }
            if (pos.ownHand[kCannon] > 0 &&
                rules::移動チェック(pos, rules::kTopHandX, 10, x, y, rules::自角) == 1) {
                return p;
            }
            return 0;
        }
    }
    return 0;
}

}  // namespace com
