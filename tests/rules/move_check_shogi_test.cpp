#include <gtest/gtest.h>

#include "reach.h"
#include "rules/move_check.h"

using namespace rules;
using testsupport::grid;
using testsupport::lone;
using testsupport::positionFrom;
using testsupport::reachOf;

namespace {

TEST(ShogiPawn, StepsOneSquareForwardOnlyAndMayCapture) {
    Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .  v歩  .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  v卒  .   .   .   .
 .   .   .   .  ^歩  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    EXPECT_EQ(reachOf(pos, 5, 7), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . * . . . .
. . . . o . . . .
. . . . . . . . .
. . . . . . . . .)"));
    EXPECT_EQ(reachOf(pos, 3, 3), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . o . . . . . .
. . * . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    pos.board(5, 6) = 自金;  // its own army's piece blocks it
    EXPECT_EQ(移動チェック(pos, 5, 7, 5, 6, 自歩), 0);
}

TEST(ShogiLance, SlidesForwardUntilThePathIsBlocked) {
    const Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .  v香
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
v卒  .   .   .   .   .   .   .  ^歩
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^香  .   .   .   .   .   .   .   .
)");
    // Up to the top 卒 and taking it, never beyond.
    EXPECT_EQ(reachOf(pos, 1, 9), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
o . . . . . . . .)"));
    EXPECT_EQ(reachOf(pos, 9, 1), grid(R"(
. . . . . . . . o
. . . . . . . . *
. . . . . . . . *
. . . . . . . . *
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    // A piece of either army between the lance and the square stops it.
    EXPECT_EQ(移動チェック(pos, 9, 1, 9, 5, 敵香), 0);
    EXPECT_EQ(移動チェック(pos, 1, 9, 1, 3, 自香), 0);
}

TEST(ShogiKnight, JumpsTwoForwardOneAsideOverAnything) {
    const Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .  v桂  .   .   .   .   .   .   .
 .  v歩  .   .   .  ^金  .   .   .
 .   .   .  v歩 ^歩 v歩  .   .   .
 .   .   .   .  ^桂  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    // (6, 3) holds its own 金.
    EXPECT_EQ(reachOf(pos, 5, 5), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . * . . . . .
. . . . . . . . .
. . . . o . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    EXPECT_EQ(reachOf(pos, 2, 2), grid(R"(
. . . . . . . . .
. o . . . . . . .
. . . . . . . . .
* . * . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
}

TEST(ShogiSilver, ForwardThreeAndBackDiagonals) {
    EXPECT_EQ(reachOf(lone(自銀, 5, 5), 5, 5), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . * * * . . .
. . . . o . . . .
. . . * . * . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
    EXPECT_EQ(reachOf(lone(敵銀, 5, 5), 5, 5), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . * . * . . .
. . . . o . . . .
. . . * * * . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
}

TEST(ShogiGoldStep, GoldAndEveryPromotedSmallPieceMoveAlike) {
    const std::string bottom = grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . * * * . . .
. . . * o * . . .
. . . . * . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)");
    const std::string top = grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . * . . . .
. . . * o * . . .
. . . * * * . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)");
    for (int k : {kind::と, kind::香成, kind::桂成, kind::銀成, kind::金}) {
        EXPECT_EQ(reachOf(lone(-k, 5, 5), 5, 5), bottom) << "kind " << k;
        EXPECT_EQ(reachOf(lone(k, 5, 5), 5, 5), top) << "kind " << k;
    }
}

TEST(ShogiBishop, SlidesDiagonallyStoppingAtPieces) {
    const Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .  ^歩  .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^角  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .  v歩  .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    EXPECT_EQ(reachOf(pos, 5, 5), grid(R"(
. . . . . . . . *
. . . . . . . * .
. . . . . . * . .
. . . * . * . . .
. . . . o . . . .
. . . * . * . . .
. . * . . . * . .
. * . . . . . . .
* . . . . . . . .)"));
}

TEST(ShogiBishop, PromotedAlsoStepsOneSquareOrthogonally) {
    EXPECT_EQ(reachOf(lone(敵角成, 5, 5), 5, 5), grid(R"(
* . . . . . . . *
. * . . . . . * .
. . * . . . * . .
. . . * * * . . .
. . . * o * . . .
. . . * * * . . .
. . * . . . * . .
. * . . . . . * .
* . . . . . . . *)"));
}

TEST(ShogiRook, SlidesAlongRowAndColumnStoppingAtPieces) {
    const Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .   .   .   .  v歩  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^飛  .   .  ^金  .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    EXPECT_EQ(reachOf(pos, 5, 5), grid(R"(
. . . . . . . . .
. . . . * . . . .
. . . . * . . . .
. . . . * . . . .
* * * * o * * . .
. . . . * . . . .
. . . . * . . . .
. . . . * . . . .
. . . . * . . . .)"));
}

TEST(ShogiRook, PromotedAlsoStepsOneSquareDiagonally) {
    EXPECT_EQ(reachOf(lone(自飛成, 1, 9), 1, 9), grid(R"(
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* . . . . . . . .
* * . . . . . . .
o * * * * * * * *)"));
}

TEST(ShogiKing, StepsOneSquareAnyWayWithoutPalace) {
    EXPECT_EQ(reachOf(lone(自王, 2, 5), 2, 5), grid(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
* * * . . . . . .
* o * . . . . . .
* * * . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .)"));
}

TEST(MoveCheckCommon, DestinationMustBeOnTheBoardAndElsewhere) {
    const Position pos = lone(自飛成, 1, 5);
    for (auto [x, y] : {std::pair{0, 5}, {-1, 5}, {10, 5}, {11, 5}, {1, 0}, {1, 10}, {1, -1}}) {
        EXPECT_EQ(移動チェック(pos, 1, 5, x, y, 自飛成), 0) << x << "," << y;
    }
    EXPECT_EQ(移動チェック(pos, 1, 5, 1, 5, 自飛成), 0);
}

TEST(MoveCheckCommon, OwnPiecesBlockAndTheOtherKingMayBeTaken) {
    const Position pos = positionFrom(R"(
 .   .   .   .  v将  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .  ^金  .   .   .   .   .
v車  .   .   .  ^飛  .   .   .  ^王
)");
    EXPECT_EQ(移動チェック(pos, 5, 9, 5, 1, 自飛), 1);  // takes the 将
    EXPECT_EQ(移動チェック(pos, 5, 9, 9, 9, 自飛), 0);  // its own 王
    EXPECT_EQ(移動チェック(pos, 5, 9, 4, 8, 自飛), 0);
    EXPECT_EQ(移動チェック(pos, 4, 8, 5, 9, 自金), 0);
    EXPECT_EQ(移動チェック(pos, 1, 9, 4, 9, 敵車), 1);
    EXPECT_EQ(移動チェック(pos, 1, 9, 5, 9, 敵車), 1);  // capture the 飛
    EXPECT_EQ(移動チェック(pos, 1, 9, 9, 9, 敵車), 0);  // the 飛 stands between
}

TEST(MoveCheckCommon, AFromSquareThatIsNeitherBoardNorHandIsRefused) {
    const Position pos = lone(自飛, 1, 5);
    for (int fromX : {0, 10, 12, -2}) {
        EXPECT_EQ(移動チェック(pos, fromX, 5, 1, 5, 自飛), 0) << fromX;
        EXPECT_EQ(移動チェック(pos, fromX, 5, 5, 5, 自飛), 0) << fromX;
    }
    EXPECT_EQ(移動チェック(pos, 5, 0, 5, 4, 自飛), 0);
}

TEST(PathChecks, LinesAndDiagonalsSeeOnlyTheSquaresBetween) {
    Board b;
    b(1, 5) = 自歩;
    b(5, 5) = 敵卒;
    EXPECT_EQ(移動チェック飛車(b, 1, 1, 1, 9), 0);
    EXPECT_EQ(移動チェック飛車(b, 1, 1, 1, 5), 1);  // the end square is not looked at
    EXPECT_EQ(移動チェック飛車(b, 9, 1, 1, 1), 1);
    EXPECT_EQ(移動チェック飛車(b, 1, 1, 2, 2), 0);
    for (auto check : {&移動チェック角, &移動チェック斜}) {
        EXPECT_EQ(check(b, 1, 1, 9, 9), 0);
        EXPECT_EQ(check(b, 9, 9, 5, 5), 1);
        EXPECT_EQ(check(b, 9, 1, 1, 9), 0);
        EXPECT_EQ(check(b, 8, 1, 1, 8), 1);
        EXPECT_EQ(check(b, 1, 1, 2, 3), 0);
        EXPECT_EQ(check(b, 3, 3, 3, 3), 1);  // nothing between a square and itself
    }
}

}  // namespace
