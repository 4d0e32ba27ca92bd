// The level-3 terms of the evaluation, one branch per kind of the piece that has just moved or
// been dropped. Most are opening patterns on fixed squares and local tactics around the piece.
// A term that "ends" returns at once: nothing after it is added.
#include <cstdlib>

#include "com/evaluation.h"
#include "com/grid_read.h"
#include "com/probes.h"
#include "rules/move_check.h"

namespace com {

using rules::PieceCode;

namespace {

using rules::hand::kCannon;
using rules::hand::kChariot;
using rules::hand::kLance;
using rules::hand::kPawn;
using rules::hand::kSoldier;

struct Terms {
    EvalContext& ctx;
    const rules::Position& pos;
    const rules::Board& b;
    const InfluenceMap& m;
    const ComState& st;
    const EvalArgs& a;
    const int tx;
    const int ty;
    const int fx;
    const int fy;
    const bool drop;

    Terms(EvalContext& c, const EvalArgs& args)
        : ctx(c),
          pos(c.pos),
          b(c.pos.board),
          m(c.map),
          st(c.state),
          a(args),
          tx(args.tx),
          ty(args.ty),
          fx(args.fx),
          fy(args.fy),
          drop(args.fx < 0) {}

    PieceCode sq(int x, int y) const { return b.get(x, y); }
    int oa(int x, int y) const { return at(m.ownAttacks, x, y); }
    int ea(int x, int y) const { return at(m.enemyAttacks, x, y); }
    int oaBefore(int x, int y) const { return at(st.ownAttacksBefore, x, y); }
    int eaBefore(int x, int y) const { return at(st.enemyAttacksBefore, x, y); }
    int attacker(int x, int y) const { return at(m.ownAttacker, x, y); }
    int ownGuard(int x, int y) const { return at(m.ownGuard, x, y); }
    int guard(int x, int y) const { return at(m.enemyGuard, x, y); }
    bool at_(int x, int y) const { return tx == x && ty == y; }
    bool from(int x, int y) const { return fx == x && fy == y; }
    int safeSquares(int x, int y, PieceCode c) const { return 調査_移動可場所数(pos, m, x, y, c); }
    int around(int x, int y) const { return 調査_周辺状況(b, x, y); }
    // On the bottom king's file or rank, within two squares of it.
    bool besideBottomKing() const {
        const int kx = pos.ownKingX;
        const int ky = pos.ownKingY;
        return (tx == kx || ty == ky) && std::abs(tx - kx) < 3 && std::abs(ty - ky) < 3;
    }
    // Not attacked by the bottom army, or attacked by its 王 alone in a defended square.
    bool safeFromAllButKing() const {
        return oa(tx, ty) == 0 || (ea(tx, ty) > 0 && attacker(tx, ty) == rules::自王);
    }

    double soldier(double s) const {
        if (at_(4, 3)) s += 5;
        if (at_(6, 3)) s += 5;
        if (fy == 2 && ty == 4 && (tx == 2 || tx == 9)) return s + 2;
        return s;
    }

    double chariot(double s) const {
        if (from(1, 1)) return s + 1;
        if (from(1, 2) && tx == 4) return s + 1;
        if (from(9, 1)) return s + 1;
        if (from(9, 2) && tx == 6) return s + 1;
        return s;
    }

    double tokin(double s) const {
        if (ea(tx, ty) >= oa(tx, ty)) return s + 1;
        return s;
    }

    double king(double s) const {
        if (st.enemyPinnedAny != 0) s += 10;
        if (ea(tx, ty) > eaBefore(tx, ty)) s += 1;
        if (safeSquares(tx, ty, rules::敵王) < 2) return s - 20;
        return s;
    }

    double pawn(double s) const {
        const rules::Hand& enemyHand = pos.enemyHand;
        if (enemyHand[kPawn] > 0) {
            s += 調査_香狙い(pos, m, tx, ty);
            if (enemyHand[kLance] > 0) s += 調査_桂狙い(pos, m, tx, ty);
        }
        if (ty < 9) {
            const PieceCode below = sq(tx, ty + 1);
            if (below == rules::敵金) {
                s += 0.5;
            } else if (below == rules::敵飛) {
                s -= 1;
            }
            if (below < rules::自歩 && safeSquares(tx, ty + 1, below) == 0) s += std::abs(below);
        }
        if (ea(tx, ty) > 0 && tx > 1 && tx < 9 &&
            (sq(tx + 1, ty) == rules::敵飛 || sq(tx - 1, ty) == rules::敵飛)) {
            s -= 1;
        }
        return drop ? pawnDrop(s) : pawnMove(s);
    }

    double pawnDrop(double s) const {
        const rules::Hand& hand = pos.ownHand;
        if (ea(tx, ty) > 0 && ty > 1 && sq(tx, ty - 1) >= rules::敵銀 &&
            (hand[kSoldier] > 0 || hand[kChariot] > 0)) {
            s += 6;
        }
        if (sq(2, 8) == rules::自角 && at_(2, 7) && (oa(2, 7) == 0 || ea(2, 7) > 0)) s += 30;
        const int ax = at(m.ownAttackerX, tx, ty);
        const int ay = at(m.ownAttackerY, tx, ty);
        if (!(oa(ax, ay) == 0 && eaBefore(ax, ay) > 0)) {
            const int att = attacker(tx, ty);
            if (ea(tx, ty) > 0 && ax == tx && (att == rules::自香 || att == rules::自飛) &&
                ty < ay) {
                return s + 120;
            }
        }
        return s;
    }

    double pawnMove(double s) const {
        s -= 0.1;
        const int g = guard(tx, ty);
        if (g == rules::敵金 || g == rules::敵銀) s += 0.6;
        if (ty < 8) {
            if (g == rules::敵香) {
                s += 1;
            } else if (g == rules::敵飛 && at(m.enemyGuardX, tx, ty) == tx &&
                       ea(tx, ty) >= oa(tx, ty) && at(m.enemyGuardY, tx, ty) < ty) {
                s += 2;
            }
        }
        if (ty < 9 && oa(tx, ty + 1) == 0 && sq(tx, ty + 2) <= rules::自桂) s += 1;
        if (ty < 7) {
            if (sq(tx, ty + 1) == rules::自歩 && oa(tx, ty + 2) > 0) s -= 5;
            if (tx < 9 && sq(tx + 1, ty) == rules::敵角) {
                s += 0.5;
                if (sq(tx + 1, ty + 2) == rules::自歩) s += 5;
            }
            if (tx > 1) {
                if (at_(7, 4) && sq(8, 2) == rules::敵角 && oa(tx, ty) == 0) s += 10;
                if (sq(tx - 1, ty) == rules::敵角) {
                    s += 0.5;
                    if (sq(tx - 1, ty + 2) == rules::自歩) s += 5;
                }
            }
        }
        const PieceCode c = a.c;
        if (c <= -1 && ea(fx, fy) == 1) {
            const int att = attacker(tx, ty);
            if (ty > 2 && att == rules::自香 && sq(tx, ty - 2) == rules::敵角) {
                s -= 5;
            } else {
                s += 5;
            }
            if (c == rules::自歩 && (att == rules::自香 || att == rules::自飛)) s += 50;
        }
        const PieceCode below = sq(tx, ty + 1);
        if (below <= -1) {
            const int eaT = ea(tx, ty);
            const int oaT = oa(tx, ty);
            if (eaT > oaT) return s + 1;
            if (below == rules::自歩) return s - 5;
            if (eaT == 0) return oaT == 0 ? s + 1 : s;
            if (eaBefore(tx, ty + 1) > 0 && oaBefore(tx, ty + 1) == 0) return s - 1;
            if (eaT >= oaT) return s + 5;
        }
        return s;
    }

    double lance(double s) const {
        if (pos.enemyHand[kLance] > 0) s += 調査_桂狙い(pos, m, tx, ty);
        if (drop && ty < 8) {
            if (pos.ownHand[kCannon] > 0 && oa(tx, ty + 1) > 0 && oa(tx, ty) == 0) s -= 10;
            if (sq(tx, ty + 1) <= rules::自香 && (ea(tx, ty) >= oa(tx, ty) || oa(tx, ty) == 0)) {
                // The first piece behind the one just below, which that piece screens.
                for (int k = ty + 2; k <= 9; ++k) {
                    const PieceCode c = sq(tx, k);
                    if (c == rules::空) continue;
                    if (rules::移動チェック(pos, tx, ty + 1, tx, k, rules::敵香) == 1 &&
                        c < rules::自香) {
                        return s + std::abs(c);
                    }
                    break;
                }
            }
        }
        if (!drop && a.c == rules::空) return s - 0.9;
        return s;
    }

    double knight(double s) const {
        s -= 0.1;
        if (oa(tx, ty + 1) > 0) s -= 1;
        if (ty < 8 && tx > 1 && tx < 9) {
            if (oa(tx - 1, ty + 2) > 0 && oa(tx + 1, ty + 2) > 0) s -= 1;
            if (at_(7, 3)) return sq(8, 4) == rules::敵角 ? s - 5 : s;
        }
        return s;
    }

    double silver(double s) const {
        if (ty <= 1) return s;
        if (ty > fy && tx == fx) s -= 0.1;
        if (sq(tx, ty - 1) == rules::敵桂) s -= 0.5;
        if (at_(7, 3) && sq(8, 3) == rules::敵歩 && sq(8, 5) == rules::自歩) return s + 115;
        return s;
    }

    double gold(double s) const {
        if (ty > fy && tx != fx) s -= 0.5;
        if (ty == 4) {
            return sq(6, 4) == rules::敵角 && oa(6, 4) > 0 ? s - 5 : s;
        }
        if (ty == 2) {
            if (sq(8, 3) == rules::敵歩 && sq(8, 6) == rules::自歩 && tx == 7 &&
                ownGuard(8, 6) == rules::自飛) {
                s += 10;
            }
            if (pos.ownHand[kCannon] > 0 && eaBefore(tx, ty + 1) == 0 && sq(tx, ty + 1) >= 1) {
                s += 2;
                if (eaBefore(tx, ty + 2) == 1 && sq(tx, ty + 2) == rules::敵角) return s + 125;
            }
        }
        return s;
    }

    double bishop(double s) const {
        s += around(tx, ty);
        if (ty < 9) {
            if (ty == 3) {
                if (tx == 9) {
                    if (sq(9, 4) == rules::敵歩 && sq(9, 6) == rules::自歩 &&
                        sq(9, 9) == rules::自香) {
                        s -= 10;
                    }
                } else if (tx == 7) {
                    if (sq(8, 5) == rules::自歩 && ownGuard(8, 5) == rules::自飛) s += 9;
                }
            }
            if (oa(tx, ty + 1) > 0) {
                if (safeSquares(tx, ty, rules::敵角) == 0) s -= 100;
                if (ty < 8 && sq(tx, ty + 2) == rules::自歩) s -= 1;
            }
        }
        if (fy == 3) {
            if (fx == 9) {
                if (sq(9, 4) == rules::敵歩 && sq(9, 6) == rules::自歩 &&
                    ownGuard(9, 6) == rules::自香) {
                    return s + 10;
                }
            } else if (fx == 7) {
                if (sq(8, 5) == rules::自歩 && ownGuard(8, 5) == rules::自飛 &&
                    eaBefore(8, 4) > ea(8, 4)) {
                    return s - 10;
                }
            }
        }
        return s;
    }

    double rook(double s) const {
        s += around(tx, ty);
        if (drop) {
            if (ty == 9 && sq(tx, 8) == rules::自銀 && tx > 1 && tx < 9 &&
                ((sq(tx + 1, 8) == rules::自金 && sq(tx - 1, 9) != rules::空) ||
                 (sq(tx - 1, 8) == rules::自金 && sq(tx + 1, 9) != rules::空))) {
                return s - 1;
            }
            return s;
        }
        if (oa(tx, ty) == 0 && at_(3, 4) && sq(3, 7) == rules::自角 && sq(3, 6) == rules::自歩 &&
            sq(3, 5) == rules::空) {
            s += 7;
        }
        if (ty < 8) {
            if (oa(tx, ty + 1) > 0) {
                s -= 1;
                if (sq(tx, ty + 2) == rules::自歩 && ty == fy) s -= 5;
            }
            if (fy < 9 && sq(8, fy + 1) == rules::自歩 && ownGuard(8, fy + 1) == rules::自飛) {
                if (ea(8, fy) < eaBefore(8, fy)) s -= 11;
                if (sq(7, fy) == rules::敵歩 && ty != fy) s -= 11;
            }
            if (oa(fx, fy) == 0 && from(2, 2) && at_(2, 3)) s -= 1;
        }
        if (safeFromAllButKing()) {
            if (safeSquares(tx, ty, rules::敵飛) <= 1) return s - 35;
            if (besideBottomKing()) return s + 100;
        }
        return s;
    }

    double dragon(double s) const {
        s += around(tx, ty);
        if (sq(tx, ty - 1) == rules::自銀 && tx > 1 && tx < 9 &&
            ((sq(tx + 1, ty - 1) == rules::自金 && sq(tx - 1, ty) != rules::空) ||
             (sq(tx - 1, ty - 1) == rules::自金 && sq(tx + 1, ty) != rules::空))) {
            s -= 10;
        }
        if (fy == 9 && sq(fx, 8) == rules::自銀) {
            if (fx > 1 && sq(fx - 1, 8) == rules::自金) s += 2;
            if (fx < 9 && sq(fx + 1, 8) == rules::自金) s += 2;
        }
        if (ty == 9 && sq(tx, 8) <= -1) {
            if (tx == 3 && sq(2, 9) <= -1 && sq(4, 8) == rules::自金) s -= 150;
            if (tx == 7 && sq(8, 9) <= -1 && sq(6, 8) == rules::自金) s -= 150;
        }
        if (safeFromAllButKing() && besideBottomKing()) return s + 100;
        return s;
    }
};

}  // namespace

double evaluatePieceTerms(EvalContext& ctx, const EvalArgs& a, double s) {
    const Terms t(ctx, a);
    switch (a.p) {
        case rules::敵卒:
            return t.soldier(s);
        case rules::敵車:
            return t.chariot(s);
        case rules::敵と:
            return t.tokin(s);
        case rules::敵王:
            return t.king(s);
        case rules::敵歩:
            return t.pawn(s);
        case rules::敵香:
            return t.lance(s);
        case rules::敵桂:
            return t.knight(s);
        case rules::敵銀:
            return t.silver(s);
        case rules::敵金:
            return t.gold(s);
        case rules::敵角:
            return t.bishop(s);
        case rules::敵角成:
            return s + t.around(a.tx, a.ty);
        case rules::敵飛:
            return t.rook(s);
        case rules::敵飛成:
            return t.dragon(s);
        default:
            return s;  // 香成, 桂成, 銀成 and the Chinese kinds have no terms of their own
    }
}

}  // namespace com
