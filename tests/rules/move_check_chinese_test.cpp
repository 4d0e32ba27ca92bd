#include <gtest/gtest.h>

#include "reach.h"
#include "rules/move_check.h"

using namespace rules;
using testsupport::grid;
using testsupport::lone;
using testsupport::positionFrom;
using testsupport::reachOf;

namespace {

TEST(ChineseHorse, JumpsUnlessItsLegIsBlocked) {
    Position pos = lone(敵馬, 2, 1);
    EXPECT_EQ(reachOf(pos, 2, 1), grid(R"(
. o . . . . . . .
. . . * . . . . .
* . * . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    for (PieceCode leg : {自歩, 敵卒}) {
        pos.board(2, 2) = leg;
        EXPECT_EQ(移動チェック(pos, 2, 1, 1, 3, 敵馬), 0);
        EXPECT_EQ(移動チェック(pos, 2, 1, 3, 3, 敵馬), 0);
        EXPECT_EQ(移動チェック(pos, 2, 1, 4, 2, 敵馬), 1);
    }
    pos.board(2, 2) = 空;
    pos.board(3, 1) = 自歩;
    EXPECT_EQ(移動チェック(pos, 2, 1, 4, 2, 敵馬), 0);
    EXPECT_EQ(移動チェック(pos, 2, 1, 3, 3, 敵馬), 1);
}

TEST(ChineseHorse, EightJumpsFromTheMiddleInEitherArmy) {
    const Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  v卒  .   .   .   .
 .   .   .   .  ^馬  .   .   .   .
 .   .   .   .   .   .  v車  .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    // The 卒 on its leg stops both jumps up the board; the 車 may be taken.
    EXPECT_EQ(reachOf(pos, 5, 5), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . * . . . * . .
. . . . o . . . .
. . * . . . * . .
. . . * . * . . .
. . . . . . . . .
. . . . . . . . .)"));
}

TEST(ChineseChariot, SlidesLikeARookForEitherArmy) {
    const Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^車  .   .  v歩  .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^金  .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    EXPECT_EQ(reachOf(pos, 1, 5), grid(R"(
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
o * * * . . . . .
* . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    EXPECT_EQ(reachOf(lone(敵車, 1, 5), 1, 5), reachOf(lone(自車, 1, 5), 1, 5));
}

TEST(ChineseCannon, CapturesOnlyOverExactlyOneScreen) {
    Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .   .   .   .  v砲  .   .   .  ^銀
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^金  .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    EXPECT_EQ(移動チェック(pos, 5, 2, 5, 8, 敵砲), 0);  // no screen
    EXPECT_EQ(移動チェック(pos, 5, 2, 9, 2, 敵砲), 0);
    EXPECT_EQ(移動チェック(pos, 5, 2, 5, 7, 敵砲), 1);  // a quiet slide
    pos.board(5, 5) = 自歩;
    pos.board(7, 2) = 敵卒;  // a screen of its own army serves as well
    EXPECT_EQ(移動チェック(pos, 5, 2, 5, 8, 敵砲), 1);
    EXPECT_EQ(移動チェック(pos, 5, 2, 9, 2, 敵砲), 1);
    EXPECT_EQ(移動チェック(pos, 5, 2, 5, 5, 敵砲), 0);  // next to the piece: no screen
    EXPECT_EQ(移動チェック(pos, 5, 2, 5, 7, 敵砲), 0);  // a quiet slide is blocked
    pos.board(5, 6) = 敵卒;
    EXPECT_EQ(移動チェック(pos, 5, 2, 5, 8, 敵砲), 0);  // two screens
    // Never along a diagonal, screen or not.
    pos.board(6, 3) = 自歩;
    pos.board(7, 4) = 自金;
    EXPECT_EQ(移動チェック(pos, 5, 2, 7, 4, 敵砲), 0);
    EXPECT_EQ(移動チェック砲取(pos.board, 5, 2, 7, 4), 0);
}

TEST(ChineseElephant, TwoDiagonalStepsOnItsOwnSideOfTheRiver) {
    EXPECT_EQ(reachOf(lone(敵象, 5, 3), 5, 3), grid(R"(
. . * . . . * . .
. . . . . . . . .
. . . . o . . . .
. . . . . . . . .
. . * . . . * . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    // Row 6 is across the river for the top 象, row 4 for the bottom one; row 5 is open to both.
    EXPECT_EQ(reachOf(lone(敵象, 5, 4), 5, 4), grid(R"(
. . . . . . . . .
. . * . . . * . .
. . . . . . . . .
. . . . o . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    EXPECT_EQ(reachOf(lone(自象, 5, 6), 5, 6), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . o . . . .
. . . . . . . . .
. . * . . . * . .
. . . . . . . . .)"));
    EXPECT_EQ(移動チェック(lone(自象, 3, 7), 3, 7, 5, 5, 自象), 1);
}

TEST(ChineseElephant, BlockedByAPieceOnTheMiddleSquare) {
    Position pos = lone(敵象, 3, 1);
    EXPECT_EQ(移動チェック(pos, 3, 1, 5, 3, 敵象), 1);
    pos.board(4, 2) = 自歩;
    EXPECT_EQ(移動チェック(pos, 3, 1, 5, 3, 敵象), 0);
    EXPECT_EQ(移動チェック(pos, 3, 1, 1, 3, 敵象), 1);
    EXPECT_EQ(移動チェック象相(pos.board, 3, 1, 6, 4), 0);  // three steps
    EXPECT_EQ(移動チェック象相(pos.board, 3, 1, 5, 1), 0);
}

TEST(ChineseGeneral, OneOrthogonalStepInsideItsPalace) {
    EXPECT_EQ(reachOf(lone(敵将, 5, 1), 5, 1), grid(R"(
. . . * o * . . .
. . . . * . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    EXPECT_EQ(移動チェック(lone(敵将, 5, 3), 5, 3, 5, 4, 敵将), 0);
    EXPECT_EQ(移動チェック(lone(敵将, 4, 2), 4, 2, 3, 2, 敵将), 0);
    EXPECT_EQ(reachOf(lone(自将, 4, 7), 4, 7), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . o * . . . .
. . . * . . . . .
. . . . . . . . .)"));
}

TEST(ChineseGeneral, NoRuleStopsTheKingsFacingEachOther) {
    const Position pos = positionFrom(R"(
 .   .   .  v将  .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^王  .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    EXPECT_EQ(移動チェック(pos, 4, 1, 5, 1, 敵将), 1);
    EXPECT_EQ(移動チェック(pos, 5, 8, 4, 8, 自王), 1);
}

TEST(ChineseAdvisor, OneDiagonalStepOntoItsPalace) {
    EXPECT_EQ(reachOf(lone(敵士, 4, 1), 4, 1), grid(R"(
. . . o . . . . .
. . . . * . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    // Dropped far from its palace it can never move again.
    EXPECT_EQ(reachOf(lone(敵士, 1, 5), 1, 5), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
o . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    // Only the destination decides: from outside, it may step into the palace.
    EXPECT_EQ(reachOf(lone(自士, 3, 6), 3, 6), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . o . . . . . .
. . . * . . . . .
. . . . . . . . .
. . . . . . . . .)"));
}

TEST(ChineseSoldier, ForwardOnlyThenSidewaysOnceAcross) {
    EXPECT_EQ(reachOf(lone(敵卒, 5, 6), 5, 6), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . o . . . .
. . . . * . . . .
. . . . . . . . .
. . . . . . . . .)"));
    EXPECT_EQ(reachOf(lone(敵卒, 5, 7), 5, 7), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . * o * . . .
. . . . * . . . .
. . . . . . . . .)"));
    EXPECT_EQ(reachOf(lone(自卒, 9, 4), 9, 4), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . *
. . . . . . . . o
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    EXPECT_EQ(reachOf(lone(自卒, 9, 3), 9, 3), grid(R"(
. . . . . . . . .
. . . . . . . . *
. . . . . . . * o
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    // On the last row it has nowhere forward to go, only sideways.
    EXPECT_EQ(reachOf(lone(敵卒, 1, 9), 1, 9), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
o * . . . . . . .)"));
}

}  // namespace
