// The influence survey and its table of kinds.
//
// The two armies are registered differently on purpose. Every bottom shogi piece goes through
// the full bottom registration; the top pieces use the lighter forms below, the top 飛 only counts
// its legal moves while the bottom 飛 settles whole lines, and the bottom 車 only counts while the
// top 車 settles lines. The evaluation is tuned against the map as it comes out.
#include "com/influence_survey.h"

#include <cstddef>

#include "com/influence_register.h"
#include "com/influence_settle.h"
#include "rules/move_check.h"

namespace com {
namespace {

using rules::PieceCode;
namespace kind = rules::kind;

struct Survey {
    rules::Position& pos;
    InfluenceMap& m;

    PieceCode at(int x, int y) const { return pos.board(x, y); }

    // Bottom registration; the 王 gives no check mark, the 桂 also marks the king's square.
    void bottom(PieceCode c, int x, int y, int tx, int ty) {
        if (detail::registerBottom(m, at(tx, ty), c, x, y, tx, ty)) {
            m.ownCheck(x, y) = kCheckPiece;
            if (c == rules::自桂) m.ownCheck(tx, ty) = kCheckPiece;
        }
    }
    void bottomKing(int x, int y, int tx, int ty) {
        detail::registerBottom(m, at(tx, ty), rules::自王, x, y, tx, ty);
    }

    // Top 歩: guard and attacker codes, no squares.
    void topPawn(PieceCode c, int x, int y, int tx, int ty) {
        ++m.enemyAttacks(tx, ty);
        const PieceCode b = at(tx, ty);
        if (b > 0) {
            if (c < m.enemyGuard(tx, ty)) m.enemyGuard(tx, ty) = c;
        } else if (b < 0) {
            if (c < m.enemyAttacker(tx, ty)) m.enemyAttacker(tx, ty) = c;
            if (detail::isBottomKing(b)) m.enemyCheck(x, y) = kCheckPiece;
        }
    }

    // Top 桂 and 銀: the guard with its square; an attacked bottom piece is only counted.
    void topGuard(PieceCode c, int x, int y, int tx, int ty) {
        ++m.enemyAttacks(tx, ty);
        const PieceCode b = at(tx, ty);
        if (b > 0 && c < m.enemyGuard(tx, ty)) {
            m.enemyGuard(tx, ty) = c;
            m.enemyGuardX(tx, ty) = x;
            m.enemyGuardY(tx, ty) = y;
        }
        if (detail::isBottomKing(b)) {
            m.enemyCheck(x, y) = kCheckPiece;
            if (c == rules::敵桂) m.enemyCheck(tx, ty) = kCheckPiece;
        }
    }

    // The orthogonal steps of the top 角成: count and check mark only.
    void topCount(int x, int y, int tx, int ty) {
        ++m.enemyAttacks(tx, ty);
        if (detail::isBottomKing(at(tx, ty))) m.enemyCheck(x, y) = kCheckPiece;
    }

    // The diagonal steps of the top 飛成: guard and attacker with squares.
    void topFull(PieceCode c, int x, int y, int tx, int ty) {
        if (detail::registerTopFull(m, at(tx, ty), c, x, y, tx, ty)) {
            m.enemyCheck(x, y) = kCheckPiece;
        }
    }

    // The top 王: count and a guard of 20, no squares, no check mark.
    void topKing(int tx, int ty) {
        ++m.enemyAttacks(tx, ty);
        if (at(tx, ty) > 0 && rules::敵王 < m.enemyGuard(tx, ty)) {
            m.enemyGuard(tx, ty) = rules::敵王;
        }
    }

    // Counts every square of the piece's row and column that the move check allows, ray by
    // ray: a slider (飛, 車) reaches the empty squares up to the first piece and that piece when
    // it belongs to the other army; a 砲 reaches the same empty squares and, over exactly one
    // screen, the next piece when it belongs to the other army.
    template <int DX, int DY>
    void countRay(PieceCode c, int x, int y, bool cannon) {
        InfluenceGrid& attacks = c < 0 ? m.ownAttacks : m.enemyAttacks;
        int tx = x + DX, ty = y + DY;
        for (; rules::Board::onBoard(tx, ty); tx += DX, ty += DY) {
            if (at(tx, ty) == rules::空) {
                ++attacks(tx, ty);
                continue;
            }
            if (!cannon) {
                if (isOtherArmy(c, at(tx, ty))) ++attacks(tx, ty);
                return;
            }
            break;
        }
        // Past a 砲's screen: the next piece only.
        for (tx += DX, ty += DY; rules::Board::onBoard(tx, ty); tx += DX, ty += DY) {
            if (at(tx, ty) == rules::空) continue;
            if (isOtherArmy(c, at(tx, ty))) ++attacks(tx, ty);
            return;
        }
    }
    static bool isOtherArmy(PieceCode c, PieceCode b) { return c < 0 ? b >= 1 : b <= -1; }
    void legalMoveScan(PieceCode c, int x, int y) {
        const bool cannon = rules::magnitude(c) == kind::砲;
        countRay<0, -1>(c, x, y, cannon);
        countRay<0, +1>(c, x, y, cannon);
        countRay<-1, 0>(c, x, y, cannon);
        countRay<+1, 0>(c, x, y, cannon);
    }

    // The four squares two steps away diagonally, counted where the 象's pattern allows (an empty
    // eye, its own side of the river) and no piece of its own army stands.
    void elephant(PieceCode c, int x, int y) {
        InfluenceGrid& attacks = c < 0 ? m.ownAttacks : m.enemyAttacks;
        for (const int i : {x - 2, x + 2}) {
            for (const int j : {y - 2, y + 2}) {
                if (!rules::Board::onBoard(i, j)) continue;
                if (c < 0 ? at(i, j) <= -1 : at(i, j) >= 1) continue;
                if (rules::checkChineseMove(pos.board, x, y, i, j, c) == 1) ++attacks(i, j);
            }
        }
    }

    // Step sets in their fixed orders: the eight neighbours, the four diagonal neighbours, the
    // four orthogonal neighbours.
    template <typename Step>
    static void kingRing(int x, int y, Step step) {
        if (y > 1) {
            step(x, y - 1);
            if (x > 1) step(x - 1, y - 1);
            if (x < 9) step(x + 1, y - 1);
        }
        if (y < 9) {
            step(x, y + 1);
            if (x > 1) step(x - 1, y + 1);
            if (x < 9) step(x + 1, y + 1);
        }
        if (x > 1) step(x - 1, y);
        if (x < 9) step(x + 1, y);
    }
    template <typename Step>
    static void diagonalSteps(int x, int y, Step step) {
        if (y > 1) {
            if (x > 1) step(x - 1, y - 1);
            if (x < 9) step(x + 1, y - 1);
        }
        if (y < 9) {
            if (x > 1) step(x - 1, y + 1);
            if (x < 9) step(x + 1, y + 1);
        }
    }
    template <typename Step>
    static void orthogonalSteps(int x, int y, Step step) {
        if (y > 1) step(x, y - 1);
        if (y < 9) step(x, y + 1);
        if (x > 1) step(x - 1, y);
        if (x < 9) step(x + 1, y);
    }

    void fourLines(PieceCode c, int x, int y) {
        勢力確定下直進(pos, m, c, x, y);
        勢力確定上直進(pos, m, c, x, y);
        勢力確定右直進(pos, m, c, x, y);
        勢力確定左直進(pos, m, c, x, y);
    }

    // One single attack of a Chinese stepper, as 勢力設定_MAN and 勢力設定_COM record it.
    void step(PieceCode c, int x, int y, int tx, int ty) {
        if (!detail::stepperReaches(pos.board, c, x, y, tx, ty)) return;
        if (c < 0) {
            detail::registerBottomStep(m, at(tx, ty), c, x, y, tx, ty);
        } else {
            detail::registerTopStep(m, at(tx, ty), c, x, y, tx, ty);
        }
    }
    // The squares offered to a 馬, an advisor and a 将, in their fixed orders.
    template <std::size_t N>
    void offer(PieceCode c, int x, int y, const int (&d)[N][2]) {
        for (const auto& s : d) step(c, x, y, x + s[0], y + s[1]);
    }

    void bottomPiece(PieceCode c, int x, int y);
    void topPiece(PieceCode c, int x, int y);
};

constexpr int kHorse[8][2] = {{-1, -2}, {-1, +2}, {-2, -1}, {-2, +1},
                              {+1, -2}, {+1, +2}, {+2, -1}, {+2, +1}};
constexpr int kAdvisor[4][2] = {{-1, -1}, {-1, +1}, {+1, -1}, {+1, +1}};
constexpr int kGeneral[8][2] = {{0, -1},  {0, +1},  {+1, 0},  {-1, 0},
                                {-1, -1}, {-1, +1}, {+1, -1}, {+1, +1}};

void Survey::bottomPiece(PieceCode c, int x, int y) {
    const auto reg = [&](int tx, int ty) { bottom(c, x, y, tx, ty); };
    switch (-c) {
        case kind::歩:
            if (y > 1) reg(x, y - 1);
            break;
        case kind::と:
        case kind::香成:
        case kind::桂成:
        case kind::銀成:
        case kind::金:
            勢力確定自金(pos, m, c, x, y);
            break;
        case kind::香:
            勢力確定上直進(pos, m, c, x, y);
            break;
        case kind::桂:
            if (y > 2) {
                if (x > 1) reg(x - 1, y - 2);
                if (x < 9) reg(x + 1, y - 2);
            }
            break;
        case kind::銀:
            if (y > 1) {
                reg(x, y - 1);
                if (x > 1) reg(x - 1, y - 1);
                if (x < 9) reg(x + 1, y - 1);
            }
            if (y < 9) {
                if (x > 1) reg(x - 1, y + 1);
                if (x < 9) reg(x + 1, y + 1);
            }
            break;
        case kind::角:
            勢力確定自角(pos, m, x, y);
            break;
        case kind::角成:
            orthogonalSteps(x, y, reg);
            勢力確定自角(pos, m, x, y);
            break;
        case kind::飛:
            fourLines(c, x, y);
            break;
        case kind::飛成:
            fourLines(c, x, y);
            diagonalSteps(x, y, reg);
            break;
        case kind::王:
            pos.ownKingX = x;
            pos.ownKingY = y;
            kingRing(x, y, [&](int tx, int ty) { bottomKing(x, y, tx, ty); });
            break;
        case kind::卒:
            step(c, x, y, x, y - 1);
            if (y <= 5) {
                step(c, x, y, x - 1, y);
                step(c, x, y, x + 1, y);
            }
            break;
        case kind::車:
        case kind::砲:
            legalMoveScan(c, x, y);
            break;
        case kind::馬:
            offer(c, x, y, kHorse);
            break;
        case kind::象:
            elephant(c, x, y);
            break;
        case kind::士:
            offer(c, x, y, kAdvisor);
            break;
        case kind::将:
            // The bottom king's square follows the 将 as it follows the 王, so that the mate
            // tests and the evaluation find the human's king after the board is turned.
            m.ownGeneralX = pos.ownKingX = x;
            m.ownGeneralY = pos.ownKingY = y;
            offer(c, x, y, kGeneral);
            break;
        default:
            break;
    }
}

void Survey::topPiece(PieceCode c, int x, int y) {
    switch (c) {
        case kind::歩:
            if (y < 9) topPawn(c, x, y, x, y + 1);
            break;
        case kind::と:
        case kind::香成:
        case kind::桂成:
        case kind::銀成:
        case kind::金:
            勢力確定敵金(pos, m, x, y);
            break;
        case kind::香:
            勢力確定下直進(pos, m, c, x, y);
            break;
        case kind::桂:
            if (y < 8) {
                if (x > 1) topGuard(c, x, y, x - 1, y + 2);
                if (x < 9) topGuard(c, x, y, x + 1, y + 2);
            }
            break;
        case kind::銀: {
            const auto reg = [&](int tx, int ty) { topGuard(c, x, y, tx, ty); };
            if (y < 9) {
                reg(x, y + 1);
                if (x > 1) reg(x - 1, y + 1);
                if (x < 9) reg(x + 1, y + 1);
            }
            if (y > 1) {
                if (x > 1) reg(x - 1, y - 1);
                if (x < 9) reg(x + 1, y - 1);
            }
            break;
        }
        case kind::角:
            勢力確定敵角(pos, m, c, x, y);
            break;
        case kind::角成:
            orthogonalSteps(x, y, [&](int tx, int ty) { topCount(x, y, tx, ty); });
            勢力確定敵角(pos, m, c, x, y);
            break;
        case kind::飛:
            legalMoveScan(c, x, y);
            break;
        case kind::飛成:
            fourLines(c, x, y);
            diagonalSteps(x, y, [&](int tx, int ty) { topFull(c, x, y, tx, ty); });
            break;
        case kind::王:
            m.enemyKingX = x;
            m.enemyKingY = y;
            kingRing(x, y, [&](int tx, int ty) { topKing(tx, ty); });
            break;
        case kind::卒:
            step(c, x, y, x, y + 1);
            if (y >= 6) {
                step(c, x, y, x - 1, y);
                step(c, x, y, x + 1, y);
            }
            break;
        case kind::車:
            fourLines(c, x, y);
            break;
        case kind::馬:
            offer(c, x, y, kHorse);
            break;
        case kind::象:
            elephant(c, x, y);
            break;
        case kind::士:
            offer(c, x, y, kAdvisor);
            break;
        case kind::砲:
            legalMoveScan(c, x, y);
            break;
        case kind::将:
            m.enemyGeneralX = x;
            m.enemyGeneralY = y;
            offer(c, x, y, kGeneral);
            break;
        default:
            break;
    }
}

}  // namespace

void 勢力調査(rules::Position& pos, InfluenceMap& map) {
    map.resetSurveyGrids();
    Survey s{pos, map};
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c < 0) {
                s.bottomPiece(c, x, y);
            } else if (c > 0) {
                s.topPiece(c, x, y);
            }
        }
    }
}

}  // namespace com
