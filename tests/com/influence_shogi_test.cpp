// The influence survey for the shogi kinds of both armies, the sliders and the king squares.
#include <gtest/gtest.h>

#include "com/influence_survey.h"
#include "rules/setup.h"
#include "surveyed.h"

using namespace rules;
using com::InfluenceMap;
using com::勢力調査;
using surveyed::gridHas;
using surveyed::gridIs;
using surveyed::survey;

namespace {

const char* const kEmpty = R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)";

void expectResetGrids(const InfluenceMap& m) {
    EXPECT_TRUE(gridIs(m.ownAttacks, 0, {}));
    EXPECT_TRUE(gridIs(m.enemyAttacks, 0, {}));
    EXPECT_TRUE(gridIs(m.ownHits, 0, {}));
    EXPECT_TRUE(gridIs(m.ownCheck, 0, {}));
    EXPECT_TRUE(gridIs(m.enemyCheck, 0, {}));
    EXPECT_TRUE(gridIs(m.ownAttackerX, 0, {}));
    EXPECT_TRUE(gridIs(m.ownAttackerY, 0, {}));
    EXPECT_TRUE(gridIs(m.ownAttacker, -999, {}));
    EXPECT_TRUE(gridIs(m.enemyAttacker, 999, {}));
    EXPECT_TRUE(gridIs(m.ownGuard, 999, {}));
    EXPECT_TRUE(gridIs(m.enemyGuard, 999, {}));
}

TEST(SurveyReset, EmptyBoardResetsTheGridsAndKeepsTheRest) {
    Position pos = testsupport::positionFrom(kEmpty);
    InfluenceMap m;
    m.ownAttacks(1, 1) = 5;
    m.ownCheck(2, 2) = 9;
    m.ownAttacker(3, 3) = -5;
    m.enemyGuard(4, 4) = 2;
    m.enemyGuardX(3, 3) = 7;
    m.enemyAttackerY(4, 4) = 2;
    pos.ownKingX = 5, pos.ownKingY = 9, m.enemyKingX = 5, m.enemyKingY = 1;
    m.ownGeneralX = 4, m.enemyGeneralY = 3;
    勢力調査(pos, m);
    expectResetGrids(m);
    EXPECT_EQ(m.enemyGuardX(3, 3), 7);
    EXPECT_EQ(m.enemyAttackerY(4, 4), 2);
    EXPECT_EQ(pos.ownKingX, 5);
    EXPECT_EQ(pos.ownKingY, 9);
    EXPECT_EQ(m.enemyKingY, 1);
    EXPECT_EQ(m.ownGeneralX, 4);
    EXPECT_EQ(m.enemyGeneralY, 3);
}

TEST(SurveyReset, SteppersOnTheirLastRowsAttackNothing) {
    auto s = survey(R"(
^歩 . . . . . . . .
 . ^桂 . . . . . . .
 . . ^桂 . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . v桂 . .
 . . . . . . . v歩 v桂
)");
    EXPECT_TRUE(gridIs(s.map.enemyAttacks, 0, {}));
    // Only the 桂 on row 3 reaches row 1.
    EXPECT_TRUE(gridIs(s.map.ownAttacks, 0, {{2, 1, 1}, {4, 1, 1}}));
}

TEST(SurveyReset, TheBoardIsAsItWasAfterward) {
    Position pos;
    layOutStartPosition(pos);
    const Board before = pos.board;
    InfluenceMap m;
    勢力調査(pos, m);
    EXPECT_EQ(pos.board, before);
    // A second survey of the same board gives the same map.
    const InfluenceMap first = m;
    勢力調査(pos, m);
    EXPECT_EQ(m, first);
}

// ---- the bottom registration and the top forms of the step pieces ----

TEST(StepPieces, TopPawnRecordsCodesButNoSquares) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v歩 . . . .
. . . . ^王 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    // Survey again over a map whose attacker squares hold an older value.
    s.map.enemyAttackerX(5, 5) = 7;
    s.map.enemyAttackerY(5, 5) = 8;
    勢力調査(s.pos, s.map);
    EXPECT_TRUE(gridIs(s.map.enemyAttacks, 0, {{5, 5, 1}}));
    EXPECT_EQ(s.map.enemyAttacker(5, 5), 1);
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{5, 4, 9}}));
    EXPECT_EQ(s.map.enemyAttackerX(5, 5), 7);
    EXPECT_EQ(s.map.enemyAttackerY(5, 5), 8);
    // The 王 hits the 歩 but gives no check mark.
    EXPECT_EQ(s.map.ownHits(5, 4), 1);
    EXPECT_EQ(s.map.ownAttacker(5, 4), 自王);
}

TEST(StepPieces, CheapestBottomAttackerAndMostValuableBottomGuard) {
    auto hit = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v銀 . . . .
. . . ^金 ^歩 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(hit.map.ownHits(5, 5), 2);
    EXPECT_EQ(hit.map.ownAttacker(5, 5), 自歩);
    EXPECT_EQ(hit.map.ownAttackerX(5, 5), 5);
    EXPECT_EQ(hit.map.ownAttackerY(5, 5), 6);
    EXPECT_EQ(hit.map.ownAttacks(5, 5), 2);

    auto guard = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^銀 . . . .
. . . ^金 ^歩 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(guard.map.ownGuard(5, 5), 自金);
    EXPECT_EQ(guard.map.ownHits(5, 5), 0);
    EXPECT_EQ(guard.map.ownAttacker(5, 5), -999);
}

TEST(StepPieces, EveryBottomCheckerIsMarkedWhetherOrNotItIsTheCheapest) {
    auto s = survey(R"(
. . . . . . . . .
. . . . v王 . . . .
. . . ^金 ^歩 ^銀 . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(s.map.ownHits(5, 2), 3);
    EXPECT_EQ(s.map.ownAttacker(5, 2), 自歩);
    EXPECT_EQ(s.map.ownAttackerX(5, 2), 5);
    EXPECT_EQ(s.map.ownAttackerY(5, 2), 3);
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {{4, 3, 9}, {5, 3, 9}, {6, 3, 9}}));
}

TEST(StepPieces, KnightCheckAlsoMarksTheKingsSquare) {
    auto bottom = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . v将 . . . . .
. . . . . . . . .
. . . . ^桂 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridIs(bottom.map.ownCheck, 0, {{5, 5, 9}, {4, 3, 9}}));
    EXPECT_EQ(bottom.map.ownAttacker(4, 3), 自桂);

    auto top = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v桂 . . . .
. . . . . . . . .
. . . ^王 . ^金 . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridIs(top.map.enemyCheck, 0, {{5, 5, 9}, {4, 7, 9}}));
    // The top 桂 enters no attacker, neither on the king nor on the 金.
    EXPECT_TRUE(gridIs(top.map.enemyAttacks, 0, {{4, 7, 1}, {6, 7, 1}}));
    EXPECT_EQ(top.map.enemyAttacker(4, 7), 999);
    EXPECT_EQ(top.map.enemyAttacker(6, 7), 999);
}

TEST(StepPieces, TopGuardOfEqualCodesKeepsTheFirstInScanOrder) {
    auto apart = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . v銀 . v銀 . . .
. . . . v金 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(apart.map.enemyGuard(5, 5), 敵銀);
    EXPECT_EQ(apart.map.enemyGuardX(5, 5), 4);
    EXPECT_EQ(apart.map.enemyGuardY(5, 5), 4);

    auto column = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . v銀 . . . . .
. . . . v金 . . . .
. . . v銀 . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(column.map.enemyGuardX(5, 5), 4);
    EXPECT_EQ(column.map.enemyGuardY(5, 5), 4);
}

TEST(StepPieces, TopSilverRecordsNoAttackerOnABottomPiece) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v銀 . . . .
. . . . ^歩 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(s.map.enemyAttacks(5, 5), 1);
    EXPECT_EQ(s.map.enemyAttacker(5, 5), 999);
    EXPECT_TRUE(
        gridIs(s.map.enemyAttacks, 0, {{5, 5, 1}, {4, 5, 1}, {6, 5, 1}, {4, 3, 1}, {6, 3, 1}}));
}

// ---- gold-movers ----

TEST(GoldMovers, StepSetsOfBothArmies) {
    auto bottom = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^金 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridIs(bottom.map.ownAttacks, 0,
                       {{5, 4, 1}, {4, 4, 1}, {6, 4, 1}, {5, 6, 1}, {4, 5, 1}, {6, 5, 1}}));
    auto top = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v金 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridIs(top.map.enemyAttacks, 0,
                       {{5, 4, 1}, {5, 6, 1}, {4, 6, 1}, {6, 6, 1}, {4, 5, 1}, {6, 5, 1}}));
}

TEST(GoldMovers, TopGoldMoversGuardAsAGoldWithoutASquare) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . vと . . . .
. . . . v歩 ^歩 . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    s.map.enemyGuardX(5, 6) = 7;
    s.map.enemyGuardY(5, 6) = 8;
    勢力調査(s.pos, s.map);
    EXPECT_EQ(s.map.enemyGuard(5, 6), 敵金);
    EXPECT_EQ(s.map.enemyGuardX(5, 6), 7);
    EXPECT_EQ(s.map.enemyGuardY(5, 6), 8);
    // The bottom 歩 it attacks is only counted, and is no king to mark a check.
    EXPECT_EQ(s.map.enemyAttacks(6, 6), 1);
    EXPECT_EQ(s.map.enemyAttacker(6, 6), 999);
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {}));
}

TEST(GoldMovers, BottomGoldMoverCheckingEitherTopKing) {
    for (const char* king : {"v王", "v将"}) {
        auto s = survey(std::string(R"(
. . . . . . . . .
. . . . . . . . .
. . . . )") + king + R"( . . . .
. . . . ^銀成 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
        EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {{5, 4, 9}})) << king;
        EXPECT_EQ(s.map.ownAttacks(5, 3), 1);
        EXPECT_EQ(s.map.ownHits(5, 3), 1);
        EXPECT_EQ(s.map.ownAttacker(5, 3), 自銀成);
    }
}

TEST(GoldMovers, TopGoldCheckingBackwardsEitherBottomKing) {
    for (const char* king : {"^王", "^将"}) {
        auto s = survey(std::string(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . )") + king + R"( . . . .
. . . . v金 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
        EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{5, 5, 9}})) << king;
        EXPECT_EQ(s.map.enemyAttacker(5, 4), 999);
    }
}

// ---- bishops and their promoted forms ----

TEST(Bishops, BottomBishopEntersTheBishopsCodeAlsoWhenPromoted) {
    auto s = survey(R"(
^角成 . . . . . . . .
v歩 . . . . . . . .
 . . v香 . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
)");
    EXPECT_EQ(s.map.ownAttacker(3, 3), 自角);
    EXPECT_EQ(s.map.ownAttackerX(3, 3), 1);
    EXPECT_EQ(s.map.ownAttackerY(3, 3), 1);
    // Its orthogonal steps enter its own code.
    EXPECT_EQ(s.map.ownAttacker(1, 2), 自角成);
}

TEST(Bishops, BottomBishopScansPastTheTopKing) {
    for (const char* king : {"v王", "v将"}) {
        auto s = survey(std::string(R"(
. . . . . . . . .
. . . . . . . . .
. . v車 . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . )") + king + R"( . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . ^角
)");
        EXPECT_TRUE(gridIs(s.map.ownAttacks, 0,
                           {{8, 8, 1}, {7, 7, 1}, {6, 6, 1}, {5, 5, 1}, {4, 4, 1}, {3, 3, 1}}))
            << king;
        EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {{7, 7, 1}, {8, 8, 1}, {9, 9, 9}}));
        EXPECT_TRUE(gridIs(s.map.ownHits, 0, {{6, 6, 1}, {3, 3, 1}}));
    }
}

TEST(Bishops, TopBishopChecksAndScansPastTheBottomKing) {
    auto s = survey(R"(
v角 . . . . . . . .
 . . . . . . . . .
 . . ^王 . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
 . . . . . . . . .
)");
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{2, 2, 1}, {1, 1, 9}}));
    EXPECT_EQ(s.map.enemyAttacker(3, 3), 敵角);
    EXPECT_EQ(s.map.enemyAttackerX(3, 3), 1);
    EXPECT_EQ(s.map.enemyAttackerY(3, 3), 1);
    for (int i = 4; i <= 9; ++i) EXPECT_EQ(s.map.enemyAttacks(i, i), 1) << i;
}

TEST(Bishops, TopPromotedBishopStepsOnlyCountAndMark) {
    for (const char* king : {"^王", "^将"}) {
        auto s = survey(std::string(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v角成 . . . .
. . . . )") + king + R"( . . . .
. . . . . . . . .
)");
        EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{5, 7, 9}})) << king;
        EXPECT_EQ(s.map.enemyAttacks(5, 8), 1);
        EXPECT_EQ(s.map.enemyAttacker(5, 8), 999);
    }
}

// ---- rooks, lances and the line settlement ----

TEST(Lines, BottomLanceOnAnEmptyColumn) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . ^香 . . . . . .
)");
    EXPECT_TRUE(gridIs(
        s.map.ownAttacks, 0,
        {{3, 1, 1}, {3, 2, 1}, {3, 3, 1}, {3, 4, 1}, {3, 5, 1}, {3, 6, 1}, {3, 7, 1}, {3, 8, 1}}));
    EXPECT_TRUE(gridIs(s.map.enemyAttacks, 0, {}));
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {}));
}

TEST(Lines, BottomRookChecksThroughTheKingUpToTheNextPiece) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . v馬 . . . .
. . . . . . . . .
. . . . v将 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^飛 . . . .
)");
    for (int y = 3; y <= 8; ++y) EXPECT_EQ(s.map.ownAttacks(5, y), 1) << y;
    EXPECT_EQ(s.map.ownAttacks(5, 2), 0);
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {{5, 6, 1}, {5, 7, 1}, {5, 8, 1}, {5, 9, 9}}));
    EXPECT_TRUE(gridIs(s.map.ownHits, 0, {{5, 5, 1}, {5, 3, 1}}));
    for (int y : {5, 3}) {
        EXPECT_EQ(s.map.ownAttacker(5, y), 自飛);
        EXPECT_EQ(s.map.ownAttackerX(5, y), 5);
        EXPECT_EQ(s.map.ownAttackerY(5, y), 9);
    }
}

TEST(Lines, BottomRookStopsAtItsOwnPiece) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . v馬 . . . .
. . . . . . . . .
. . . . ^銀 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^飛 . . . .
)");
    EXPECT_EQ(s.map.ownGuard(5, 5), 自飛);
    EXPECT_EQ(s.map.ownAttacks(5, 3), 0);
    EXPECT_TRUE(gridIs(s.map.ownHits, 0, {}));
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {}));
}

TEST(Lines, TopPromotedRookNextToTheKingChecksWithoutLineMarks) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. v飛成 ^王 . . . ^歩 . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(s.map.enemyAttacker(3, 5), 敵飛成);
    EXPECT_EQ(s.map.enemyAttackerX(3, 5), 2);
    EXPECT_EQ(s.map.enemyAttackerY(3, 5), 5);
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{2, 5, 9}}));
    EXPECT_TRUE(gridHas(s.map.enemyAttacks,
                        {{4, 5, 1}, {5, 5, 1}, {6, 5, 1}, {7, 5, 1}, {8, 5, 0}, {1, 4, 1}}));
    EXPECT_EQ(s.map.enemyAttacker(7, 5), 敵飛成);
}

TEST(Lines, TopLineStopsAtItsOwnKingAsAGuard) {
    auto s = survey(R"(
. . . . . . . . .
v車 . . v将 . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(s.map.enemyGuard(4, 2), 敵車);
    EXPECT_EQ(s.map.enemyGuardX(4, 2), 1);
    EXPECT_EQ(s.map.enemyGuardY(4, 2), 2);
    EXPECT_EQ(s.map.enemyAttacks(5, 2), 1);  // the 将's step only
    EXPECT_EQ(s.map.enemyAttacks(6, 2), 0);
}

TEST(Lines, TopRookOnlyCountsItsLegalMoves) {
    auto own = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
v飛 . . v歩 . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridIs(own.map.enemyAttacks, 0,
                       {{2, 5, 1},
                        {3, 5, 1},
                        {4, 6, 1},
                        {1, 1, 1},
                        {1, 2, 1},
                        {1, 3, 1},
                        {1, 4, 1},
                        {1, 6, 1},
                        {1, 7, 1},
                        {1, 8, 1},
                        {1, 9, 1}}));
    EXPECT_EQ(own.map.enemyGuard(4, 5), 999);

    // A check by the top 飛 is counted but leaves no mark, and the scan stops at the king.
    auto check = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
v飛 . ^王 . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(check.map.enemyAttacks(3, 5), 1);
    EXPECT_EQ(check.map.enemyAttacks(4, 5), 0);
    EXPECT_EQ(check.map.enemyAttacker(3, 5), 999);
    EXPECT_TRUE(gridIs(check.map.enemyCheck, 0, {}));

    // The bottom 飛 in the same place counts its own piece and guards it.
    auto bottom = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
^飛 . . ^歩 . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_TRUE(gridHas(bottom.map.ownAttacks, {{2, 5, 1}, {3, 5, 1}, {4, 5, 1}, {5, 5, 0}}));
    EXPECT_EQ(bottom.map.ownGuard(4, 5), 自飛);
}

// ---- kings ----

TEST(Kings, KingsRecordTheirSquaresAndGiveNoCheckMarks) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . v歩 v王 . . . .
. . . . ^王 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(s.pos.ownKingX, 5);
    EXPECT_EQ(s.pos.ownKingY, 5);
    EXPECT_EQ(s.map.enemyKingX, 5);
    EXPECT_EQ(s.map.enemyKingY, 4);
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {}));
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {}));
    EXPECT_EQ(s.map.ownAttacker(5, 4), 自王);
    EXPECT_EQ(s.map.ownHits(5, 4), 1);
    // The top 王 guards as 20 and records no square; the 歩 on its side is guarded by it.
    EXPECT_EQ(s.map.enemyGuard(4, 4), 敵王);
    EXPECT_EQ(s.map.enemyAttacker(5, 5), 999);
    EXPECT_EQ(s.map.enemyAttacks(4, 5), 2);  // the 王 and the 歩
}

TEST(Kings, BottomGeneralIsTheBottomKingForTheMap) {
    auto s = survey(R"(
. . . . . . . . .
. . . . v将 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^将 . . . .
. . . . . . . . .
)");
    s.pos.ownKingX = s.pos.ownKingY = 0;
    勢力調査(s.pos, s.map);
    EXPECT_EQ(s.map.ownGeneralX, 5);
    EXPECT_EQ(s.map.ownGeneralY, 8);
    EXPECT_EQ(s.pos.ownKingX, 5);
    EXPECT_EQ(s.pos.ownKingY, 8);
    EXPECT_EQ(s.map.enemyGeneralX, 5);
    EXPECT_EQ(s.map.enemyGeneralY, 2);
}

TEST(Kings, TurnedStartingPositionFindsTheHumansGeneral) {
    Position pos;
    layOutStartPosition(pos);
    InfluenceMap m;
    勢力調査(pos, m);
    EXPECT_EQ(pos.ownKingX, 5);
    EXPECT_EQ(pos.ownKingY, 9);
    // Turn the board: rotate it and swap the armies.
    Board turned;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) turned(10 - x, 10 - y) = -pos.board(x, y);
    pos.board = turned;
    // The 将 now stands on (5, 9) too; move it so a stale square would show.
    pos.board(5, 9) = 空;
    pos.board(5, 8) = 自将;
    勢力調査(pos, m);
    EXPECT_EQ(pos.ownKingX, 5);
    EXPECT_EQ(pos.ownKingY, 8);
    EXPECT_EQ(m.enemyKingX, 5);
    EXPECT_EQ(m.enemyKingY, 1);
}

TEST(Kings, SquaresOfKingsNoLongerOnTheBoardStayAsTheyWere) {
    auto s = survey(R"(
. . . . v王 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . ^王 . . . . .
)");
    s.pos.board(4, 9) = 空;
    s.pos.board(5, 1) = 空;
    勢力調査(s.pos, s.map);
    EXPECT_EQ(s.pos.ownKingX, 4);
    EXPECT_EQ(s.pos.ownKingY, 9);
    EXPECT_EQ(s.map.enemyKingX, 5);
    EXPECT_EQ(s.map.enemyKingY, 1);
}

TEST(StaleSquares, GuardSquareOfAnEarlierSurveyOutlivesAGoldGuard) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . v銀 . . . . .
. . . . v歩 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(s.map.enemyGuardX(5, 5), 4);
    EXPECT_EQ(s.map.enemyGuardY(5, 5), 4);
    s.pos.board(4, 4) = 空;
    s.pos.board(5, 4) = 敵金;
    勢力調査(s.pos, s.map);
    EXPECT_EQ(s.map.enemyGuard(5, 5), 敵金);
    EXPECT_EQ(s.map.enemyGuardX(5, 5), 4);
    EXPECT_EQ(s.map.enemyGuardY(5, 5), 4);
}

}  // namespace
