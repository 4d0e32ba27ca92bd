// The list of an army's moves agrees with the move check tried on every square, through random
// games with captures, drops and promotions for both armies.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "rules/make_move.h"
#include "rules/move_check.h"
#include "rules/move_list.h"
#include "rules/pawn_files.h"
#include "rules/promotion.h"
#include "rules/setup.h"

namespace {
using namespace rules;

using Key = std::tuple<int, int, int, int, int, int>;
Key keyOf(const Move& m) {
    return {m.fromX, m.fromY, m.toX, m.toY, m.before, m.after};
}

// Every from-square or hand index and every target, each promotion choice the rules leave open.
std::vector<Key> everyMove(Position& pos, int army, bool drops) {
    std::vector<Key> out;
    const auto add = [&](int fx, int fy, int tx, int ty, PieceCode c) {
        if (移動チェック(pos, fx, fy, tx, ty, c) != 1) return;
        if (調査_駒成(pos, fx, fy, tx, ty, c) == 1) {
            out.emplace_back(fx, fy, tx, ty, c, pos.promotedCode);
            if (移動後チェック(ty, c) == 0) return;
        }
        out.emplace_back(fx, fy, tx, ty, c, c);
    };
    for (int tx = 1; tx <= 9; ++tx) {
        for (int ty = 1; ty <= 9; ++ty) {
            for (int x = 1; x <= 9; ++x) {
                for (int y = 1; y <= 9; ++y) {
                    if (pos.board(x, y) * army > 0) add(x, y, tx, ty, pos.board(x, y));
                }
            }
            const Hand& hand = army > 0 ? pos.enemyHand : pos.ownHand;
            for (int k = 1; drops && k <= kHandSize; ++k) {
                if (hand[k] > 0)
                    add(army > 0 ? kTopHandX : kBottomHandX, k, tx, ty, army * kHandKind[k]);
            }
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(MoveList, AgreesWithTheMoveCheckOnEverySquare) {
    std::mt19937 random(17);
    Move moves[kMaxMoves];
    MoveFilter every;
    every.promoteWhereNothingIsLost = false;
    int checked = 0;
    for (int game = 0; game < 6; ++game) {
        Position pos;
        layOutStartPosition(pos);
        調査_先手後手(pos);
        int army = kBottomArmy;
        for (int ply = 0; ply < 120 && pos.winnerSide == 0; ++ply) {
            調査_2歩フラグ設定(pos);
            every.drops = armyMayDrop(pos, army, game % 2 == 1);
            const int n = generateMoves(pos, army, every, moves, kMaxMoves);
            std::vector<Key> listed;
            for (int i = 0; i < n; ++i) listed.push_back(keyOf(moves[i]));
            std::sort(listed.begin(), listed.end());
            ASSERT_EQ(listed, everyMove(pos, army, every.drops))
                << "game " << game << " ply " << ply;
            // Board moves by from-square (x outer, y inner), then drops by hand index and square.
            const auto rank = [](const Move& m) {
                return m.isDrop() ? 1000 + m.fromY * 100 + m.toX * 10 + m.toY
                                  : m.fromX * 10 + m.fromY;
            };
            ASSERT_TRUE(std::is_sorted(
                moves, moves + n, [&](const Move& a, const Move& b) { return rank(a) < rank(b); }));
            ++checked;

            MoveFilter captures = every;
            captures.capturesOnly = true;
            Move taking[kMaxMoves];
            const int c = generateMoves(pos, army, captures, taking, kMaxMoves);
            for (int i = 0; i < c; ++i) EXPECT_NE(pos.board(taking[i].toX, taking[i].toY), 空);
            // And every capture of the whole list, in its order.
            std::vector<Key> captured, takingKeys;
            for (int i = 0; i < n; ++i) {
                if (pos.board(moves[i].toX, moves[i].toY) != 空)
                    captured.push_back(keyOf(moves[i]));
            }
            for (int i = 0; i < c; ++i) takingKeys.push_back(keyOf(taking[i]));
            ASSERT_EQ(takingKeys, captured) << "game " << game << " ply " << ply;

            // A capture half the time, so that hands fill and drops follow.
            const Move next =
                c > 0 && random() % 2 == 0 ? taking[random() % c] : moves[random() % n];
            駒移動(pos, next.fromX, next.fromY, next.toX, next.toY, next.after);
            army = -army;
        }
    }
    EXPECT_GT(checked, 300);
}

TEST(MoveList, DropsFollowTheArmyAndTheOption) {
    Position pos;
    layOutStartPosition(pos);
    調査_先手後手(pos);  // the shogi army at the bottom
    EXPECT_TRUE(armyMayDrop(pos, kBottomArmy, false));
    EXPECT_FALSE(armyMayDrop(pos, kTopArmy, false));
    EXPECT_TRUE(armyMayDrop(pos, kTopArmy, true));
}

}  // namespace
