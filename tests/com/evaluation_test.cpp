// The board evaluation, grouped by what a term rewards or punishes, each on a small position
// where that term decides.
#include <gtest/gtest.h>

#include "com_turn.h"

namespace {
using comtest::Candidate;
using comtest::layout;
using comtest::move;
using comtest::Turn;
using namespace rules;

constexpr int kTopHand = kTopHandX;

// --- Levels --------------------------------------------------------------------------------

TEST(EvalLevels, LevelOneAddsOnlyTheDropAndPromotionTermsToTheDangerSweep) {
    const std::string diagram =
        layout({{5, 1, "v将"}, {3, 6, "v銀"}, {7, 5, "v卒"}, {1, 7, "^歩"}, {9, 9, "^王"}});
    Candidate quiet(diagram);
    EXPECT_DOUBLE_EQ(quiet.score(7, 5, 7, 6, 敵卒, 1), quiet.danger(7, 5, 7, 6, 敵卒));

    Candidate drop(diagram);
    drop.topHand(11, 1);
    EXPECT_DOUBLE_EQ(drop.score(kTopHand, 11, 5, 5, 敵金, 1),
                     -5 + drop.danger(kTopHand, 11, 5, 5, 敵金));

    Candidate promotion(diagram);
    EXPECT_DOUBLE_EQ(promotion.score(3, 6, 3, 7, 敵銀成, 1),
                     10 + promotion.danger(3, 6, 3, 7, 敵銀成));
}

// --- What ends the evaluation ----------------------------------------------------------------

TEST(EvalDecisive, AMoveThatLeavesTheOwnKingAttackedIsAlmostNeverPlayed) {
    // The 車 shields the 将 from the bottom 飛.
    Turn t(layout({{5, 2, "v将"}, {5, 3, "v車"}, {1, 9, "^王"}, {5, 9, "^飛"}}));
    t.run();
    EXPECT_EQ(t.scoreOf(5, 3, 4, 3, 敵車), -9998);
    EXPECT_GT(t.scoreOf(5, 3, 5, 4, 敵車), -9998);
    EXPECT_GT(t.scoreOf(5, 2, 4, 2, 敵将), -9998);  // the 将 steps out of the line itself
    EXPECT_GT(t.state.bestScore, -9998);
}

// --- Check ----------------------------------------------------------------------------------

TEST(EvalCheck, AnUnattackedCheckerEarnsTen) {
    Candidate c(layout({{5, 1, "v将"}, {1, 5, "v車"}, {5, 8, "^王"}}));
    EXPECT_DOUBLE_EQ(c.score(1, 5, 1, 8, 敵車, 1), 10 + c.danger(1, 5, 1, 8, 敵車));
}

TEST(EvalCheck, ADefendedCheckerOnlyTheKingAttacksEarnsAHundred) {
    Candidate c(layout({{5, 1, "v車"}, {4, 1, "v将"}, {5, 6, "v金"}, {5, 8, "^王"}}));
    EXPECT_DOUBLE_EQ(c.score(5, 6, 5, 7, 敵金, 1), 100 + c.danger(5, 6, 5, 7, 敵金));
}

// --- Exchanges and hanging pieces (level 2) --------------------------------------------------

TEST(EvalExchange, ADropOnAnAttackedUndefendedSquareCostsTwiceItsValueAndFifty) {
    Candidate c(layout({{5, 1, "v将"}, {3, 6, "^歩"}, {9, 9, "^王"}}));
    c.topHand(11, 1);
    const double group1 = c.score(kTopHand, 11, 3, 5, 敵金, 1);
    EXPECT_DOUBLE_EQ(c.score(kTopHand, 11, 3, 5, 敵金, 2) - group1, -(2 * 13 + 50));
}

TEST(EvalExchange, ACaptureOnAnUnattackedSquareGainsTheValueAndFiftyForAPromotedPawn) {
    for (const auto& [victim, gain] : {std::pair{"^と", 52}, {"^歩", 1}, {"^桂成", 57}}) {
        Candidate c(layout({{1, 1, "v車"}, {5, 1, "v将"}, {1, 5, victim}, {9, 9, "^王"}}));
        EXPECT_DOUBLE_EQ(c.score(1, 1, 1, 5, 敵車, 2) - c.score(1, 1, 1, 5, 敵車, 1), gain)
            << victim;
    }
}

// --- Per-kind terms (level 3) ----------------------------------------------------------------

double levelThreeTerms(Candidate& c, int fx, int fy, int tx, int ty, PieceCode p) {
    return c.score(fx, fy, tx, ty, p, 3) - c.score(fx, fy, tx, ty, p, 2);
}

TEST(EvalPieceTerms, ALanceMovedWithoutCaptureLosesNineTenths) {
    Candidate c(layout({{5, 1, "v将"}, {2, 2, "v香"}, {9, 9, "^王"}}));
    EXPECT_NEAR(levelThreeTerms(c, 2, 2, 2, 3, 敵香), -0.9, 1e-9);
}

TEST(EvalPieceTerms, AKnightOnSevenThreeBelowAFriendlyBishopEndsTheTerms) {
    Candidate c(layout({{5, 1, "v将"}, {6, 1, "v桂"}, {8, 4, "v角"}, {9, 9, "^王"}}));
    EXPECT_NEAR(levelThreeTerms(c, 6, 1, 7, 3, 敵桂), -5.1, 1e-9);
}

TEST(EvalPieceTerms, AGoldOnRowTwoAboveAPieceAndABishopEarnsAHundredTwentySeven) {
    // Every sentence of the row-2 term counts only on row 2, the +2 included.
    Candidate c(
        layout({{3, 1, "v金"}, {5, 1, "v将"}, {3, 3, "v卒"}, {3, 4, "v角"}, {9, 9, "^王"}}));
    c.bottomHand(6, 1);
    EXPECT_DOUBLE_EQ(levelThreeTerms(c, 3, 1, 3, 2, 敵金), 127);
}

TEST(EvalPieceTerms, AGoldOnRowFourEndsTheTermsAtOnce) {
    Candidate plain(layout({{5, 1, "v将"}, {3, 3, "v金"}, {9, 9, "^王"}}));
    EXPECT_DOUBLE_EQ(levelThreeTerms(plain, 3, 3, 3, 4, 敵金), 0);
    Candidate bishop(
        layout({{5, 1, "v将"}, {3, 3, "v金"}, {6, 4, "v角"}, {6, 7, "^香"}, {9, 9, "^王"}}));
    EXPECT_DOUBLE_EQ(levelThreeTerms(bishop, 3, 3, 3, 4, 敵金), -5);
}

TEST(EvalPieceTerms, ARookBesideTheBottomKingEarnsAHundred) {
    Candidate c(layout({{5, 1, "v将"}, {5, 4, "v飛"}, {9, 4, "^王"}}));
    EXPECT_DOUBLE_EQ(levelThreeTerms(c, 5, 4, 7, 4, 敵飛), 100);
}

TEST(EvalPieceTerms, ASoldierAndAChariotFollowTheirOpeningPatterns) {
    Candidate soldier(layout({{5, 1, "v将"}, {4, 2, "v卒"}, {9, 9, "^王"}}));
    EXPECT_DOUBLE_EQ(levelThreeTerms(soldier, 4, 2, 4, 3, 敵卒), 5);
    Candidate chariot(layout({{1, 2, "v車"}, {5, 1, "v将"}, {9, 9, "^王"}}));
    EXPECT_DOUBLE_EQ(levelThreeTerms(chariot, 1, 2, 4, 2, 敵車), 1);
    EXPECT_DOUBLE_EQ(levelThreeTerms(chariot, 1, 2, 3, 2, 敵車), 0);
}

}  // namespace
