// Danger squares and the bishop caution.
#include <gtest/gtest.h>

#include "com/danger.h"
#include "com_turn.h"

namespace {
using comtest::Candidate;
using comtest::layout;
using comtest::Turn;
using namespace rules;

TEST(DangerHanging, AnAttackedUndefendedPieceCostsItsValueAndTheExchange) {
    // The 車 hangs to the bottom 歩: -(8 - 1) for the exchange, -8 for standing undefended.
    const std::string diagram =
        layout({{5, 1, "v将"}, {3, 5, "v車"}, {3, 6, "^歩"}, {9, 9, "^王"}});
    Candidate left(diagram);
    EXPECT_DOUBLE_EQ(left.danger(5, 1, 4, 1, 敵将), -15);
    Candidate moved(diagram);
    EXPECT_DOUBLE_EQ(moved.danger(3, 5, 2, 5, 敵車), 0);

    Turn t(diagram, 1);
    t.run();
    EXPECT_EQ(t.best().fromX, 3);
    EXPECT_EQ(t.best().fromY, 5);
}

TEST(DangerFork, TwoSafeTargetsAddTheCheaperOne) {
    const std::string two =
        layout({{5, 1, "v将"}, {4, 3, "v馬"}, {4, 7, "^金"}, {6, 7, "^銀"}, {1, 9, "^王"}});
    Candidate fork(two);
    EXPECT_DOUBLE_EQ(fork.danger(4, 3, 5, 5, 敵馬), 0.1 + 0.1 + 9);
    Turn t(two, 1);
    t.run();
    EXPECT_EQ(t.best(), comtest::move(4, 3, 5, 5, 敵馬, 敵馬));

    Candidate single(layout({{5, 1, "v将"}, {4, 3, "v馬"}, {4, 7, "^金"}, {1, 9, "^王"}}));
    EXPECT_DOUBLE_EQ(single.danger(4, 3, 5, 5, 敵馬), 0.1);
}

TEST(DangerFork, TheBottomKingCountsAsATargetEvenWhenDefended) {
    // The 馬 on (5, 5) attacks the 金 and the 王; the 王's square is guarded by the 歩 below.
    Candidate c(
        layout({{5, 1, "v将"}, {4, 3, "v馬"}, {6, 7, "^金"}, {3, 6, "^王"}, {3, 7, "^歩"}}));
    EXPECT_DOUBLE_EQ(c.danger(4, 3, 5, 5, 敵馬), 0.1 + 0.1 + 13);
}

// The top 王 on (5, 1); a top 金 arrives on (4, 4), next to the first weak diagonal square (3, 3)
// of the king. A bottom 角 on (9, 5) reaches only the later weak square (6, 2).
std::string bishopLine(bool secondBishop) {
    if (secondBishop) {
        return layout({{5, 1, "v王"}, {4, 5, "v金"}, {9, 5, "^角"}, {1, 5, "^角"}, {9, 9, "^将"}});
    }
    return layout({{5, 1, "v王"}, {4, 5, "v金"}, {9, 5, "^角"}, {9, 9, "^将"}});
}

double caution(Candidate& c) {
    return c.with(4, 5, 4, 4, 敵金, [&](PieceCode) {
        com::EvalContext ctx{c.pos, c.map, c.state, 3};
        return static_cast<double>(com::盤評価_自角注意_COM(ctx, 4, 4, 敵金));
    });
}

TEST(DangerBishopCaution, OnlyTheFirstAimSquareInLineIsExamined) {
    Candidate later(bishopLine(false));
    EXPECT_EQ(caution(later), 0);
    Candidate onBoard(bishopLine(true));
    EXPECT_EQ(caution(onBoard), 13);
}

TEST(DangerBishopCaution, ABishopInHandCountsWhenTheAimSquareIsEmpty) {
    Candidate c(bishopLine(false));
    c.bottomHand(6, 1);
    EXPECT_EQ(caution(c), 13);
}

}  // namespace
