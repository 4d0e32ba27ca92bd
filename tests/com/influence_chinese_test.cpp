// The influence survey for the Chinese kinds of both armies and the single-attack recorders.
#include <gtest/gtest.h>

#include "com/influence_settle.h"
#include "com/influence_survey.h"
#include "surveyed.h"

using namespace rules;
using com::InfluenceMap;
using surveyed::gridHas;
using surveyed::gridIs;
using surveyed::survey;

namespace {

TEST(Soldiers, SidewaysOnlyWhereBothTheSurveyAndTheMoveRuleAllow) {
    auto top = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. v卒 . . . . . v卒 .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridIs(top.map.enemyAttacks, 0, {{2, 7, 1}, {8, 7, 1}}));
    top.pos.board(8, 6) = 空;
    top.pos.board(8, 7) = 敵卒;
    com::勢力調査(top.pos, top.map);
    EXPECT_TRUE(gridIs(top.map.enemyAttacks, 0, {{2, 7, 1}, {8, 8, 1}, {7, 7, 1}, {9, 7, 1}}));

    // The survey offers a bottom 卒 its sides up to row 5, its move rule allows them from row 3.
    auto bottom = survey(R"(
. . . . . . . . .
. . . . . . . . .
. ^卒 . . . . . . .
. . . . . . . ^卒 .
. . . . ^卒 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
^卒 . . . . . . . .
)");
    EXPECT_TRUE(gridIs(bottom.map.ownAttacks, 0,
                       {{2, 2, 1}, {1, 3, 1}, {3, 3, 1}, {8, 3, 1}, {5, 4, 1}, {1, 8, 1}}));
}

TEST(Soldiers, TopSoldierEntersTheAttackerWithItsSquare) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . v歩 . . . . .
. . . ^王 v卒 . . . .
. . . . . . . . .
)");
    // The 歩 met first stays the cheapest attacker; the 卒 still marks its check.
    EXPECT_EQ(s.map.enemyAttacker(4, 8), 敵歩);
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{4, 7, 9}, {5, 8, 9}}));
    EXPECT_EQ(s.map.enemyAttacks(4, 8), 2);

    auto alone = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . ^金 v卒 . . . .
. . . . . . . . .
)");
    EXPECT_EQ(alone.map.enemyAttacker(4, 8), 敵卒);
    EXPECT_EQ(alone.map.enemyAttackerX(4, 8), 5);
    EXPECT_EQ(alone.map.enemyAttackerY(4, 8), 8);
}

TEST(Horses, LegBlocksTheTwoSquaresBeyondIt) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v歩 . . . .
. . . . ^馬 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridIs(s.map.ownAttacks, 0,
                       {{4, 7, 1}, {6, 7, 1}, {3, 4, 1}, {3, 6, 1}, {7, 4, 1}, {7, 6, 1}}));
}

TEST(Horses, BottomHorseRecordsGuardAttackerAndCheck) {
    auto s = survey(R"(
. . . . . . . . .
. . . v王 . . . . .
. . . ^歩 . ^馬 . . .
. . . . . . . . .
. . . . . . ^銀 . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    // The 馬 on (6, 3) reaches the top 王 on (4, 2) after the cheaper 歩, and is marked all the
    // same; it guards the 銀 on (7, 5).
    EXPECT_EQ(s.map.ownAttacker(4, 2), 自歩);
    EXPECT_EQ(s.map.ownHits(4, 2), 2);
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {{4, 3, 9}, {6, 3, 9}}));
    EXPECT_EQ(s.map.ownGuard(7, 5), 自馬);
}

TEST(Horses, TopHorseGuardsWithoutASquareAndAttacksWithOne) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . v馬 . . . .
. . . . . . . . .
. . . v歩 . ^歩 . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    s.map.enemyGuardX(4, 5) = 7;
    com::勢力調査(s.pos, s.map);
    EXPECT_EQ(s.map.enemyGuard(4, 5), 敵馬);
    EXPECT_EQ(s.map.enemyGuardX(4, 5), 7);
    // A bottom piece it attacks is entered with the 馬's square.
    EXPECT_EQ(s.map.enemyAttacker(6, 5), 敵馬);
    EXPECT_EQ(s.map.enemyAttackerX(6, 5), 5);
    EXPECT_EQ(s.map.enemyAttackerY(6, 5), 3);
}

TEST(PalacePieces, AdvisorAndGeneralRegisterOnlyInsideThePalace) {
    auto s = survey(R"(
. . . v士 v将 . . . .
. . . . v卒 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    // Advisor (4, 1): only (5, 2). 将 (5, 1): (4, 1), (6, 1), (5, 2). 卒 (5, 2): (5, 3).
    EXPECT_TRUE(gridIs(s.map.enemyAttacks, 0, {{5, 2, 2}, {4, 1, 1}, {6, 1, 1}, {5, 3, 1}}));
    EXPECT_EQ(s.map.enemyGuard(5, 2), 敵士);
    EXPECT_EQ(s.map.enemyGuard(4, 1), 敵将);
}

TEST(PalacePieces, BottomGeneralChecksAnIntrudingTopKing) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v王 . . . .
. . . . ^将 . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {{5, 8, 9}}));
    EXPECT_EQ(s.map.ownAttacker(5, 7), 自将);
    EXPECT_EQ(s.map.ownAttackerX(5, 7), 5);
    EXPECT_EQ(s.map.ownAttackerY(5, 7), 8);
}

TEST(Elephants, TwoStepDiagonalsWithinTheRiverAndAnEmptyEye) {
    auto s = survey(R"(
. . v象 . . . . . .
. . . v歩 . . . . .
. . . . . . . . .
. . . . . . . . .
. . v象 . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    // (3, 1): (1, 3) only, the eye (4, 2) is taken. (3, 5): (1, 3) and (5, 3), not past row 5.
    // The 歩 attacks (4, 3).
    EXPECT_TRUE(gridIs(s.map.enemyAttacks, 0, {{1, 3, 2}, {5, 3, 1}, {4, 3, 1}}));
    EXPECT_TRUE(gridIs(s.map.enemyGuard, 999, {}));
}

TEST(Chariots, BottomChariotOnlyCountsLegalMoves) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
^車 . . ^歩 . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
v将 . . . . . . . .
)");
    EXPECT_TRUE(gridHas(s.map.ownAttacks, {{2, 5, 1}, {3, 5, 1}, {4, 5, 0}, {1, 9, 1}}));
    EXPECT_EQ(s.map.ownGuard(4, 5), 999);
    EXPECT_TRUE(gridIs(s.map.ownHits, 0, {}));
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {}));
}

TEST(Chariots, TopChariotSettlesLinesPastTheBottomKing) {
    auto s = survey(R"(
. . . . v車 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^王 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^香 . . . .
)");
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{5, 2, 1}, {5, 3, 1}, {5, 4, 1}, {5, 1, 9}}));
    EXPECT_TRUE(gridHas(s.map.enemyAttacks, {{5, 6, 1}, {5, 8, 1}, {5, 9, 1}}));
    EXPECT_EQ(s.map.enemyAttacker(5, 9), 敵車);
    EXPECT_EQ(s.map.enemyAttackerX(5, 9), 5);
    EXPECT_EQ(s.map.enemyAttackerY(5, 9), 1);
}

TEST(Cannons, CountTheirSlidesAndCapturesBehindAScreenWithoutMarks) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. v砲 . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. ^歩 . . . . . . .
. ^王 . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridHas(s.map.enemyAttacks, {{2, 1, 1},
                                             {2, 2, 1},
                                             {2, 4, 1},
                                             {2, 6, 1},
                                             {2, 7, 0},
                                             {2, 8, 1},
                                             {2, 9, 0},
                                             {1, 3, 1},
                                             {9, 3, 1}}));
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {}));
    EXPECT_EQ(s.map.enemyAttacker(2, 8), 999);
}

// ---- the recorders called directly ----

TEST(Recorders, OffBoardSquaresRegisterNothingAndTheBoardIsPutBack) {
    Position pos = testsupport::positionFrom(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
^馬 . . . . . . . .
^歩 . . . . . . . .
)");
    const Board before = pos.board;
    InfluenceMap m;
    m.resetSurveyGrids();
    const InfluenceMap reset = m;
    com::勢力設定_MAN(pos, m, pos.bottomSide, 1, 8, 0, 10);
    com::勢力設定_MAN(pos, m, pos.bottomSide, 1, 8, -1, 9);
    com::勢力設定_COM(pos, m, pos.topSide, 1, 8, 3, 10);
    EXPECT_EQ(m, reset);
    // A piece of its own army on the to-square counts as guarded.
    com::勢力設定_MAN(pos, m, pos.bottomSide, 1, 8, 2, 6);
    EXPECT_EQ(m.ownAttacks(2, 6), 1);
    pos.board(2, 6) = 自金;
    com::勢力設定_MAN(pos, m, pos.bottomSide, 1, 8, 2, 6);
    EXPECT_EQ(m.ownAttacks(2, 6), 2);
    EXPECT_EQ(m.ownGuard(2, 6), 自馬);
    EXPECT_EQ(pos.board(2, 6), 自金);
    pos.board(2, 6) = 空;
    EXPECT_EQ(pos.board, before);
}

}  // namespace
