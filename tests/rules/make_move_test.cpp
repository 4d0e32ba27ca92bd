#include <gtest/gtest.h>

#include "rules/make_move.h"
#include "rules/move_destination.h"
#include "rules/pawn_files.h"
#include "support/diagram.h"

using namespace rules;
using testsupport::positionFrom;

namespace {

const char* const kMidGame = R"(
 .   .   .  v士 v将  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  v飛成 .   .   .   .
 .   .   .   .  ^歩  .  v卒  .   .
 .   .   .   .   .   .  ^と  .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^王  .   .   .   .
)";

TEST(MakeMoveCapture, APromotedPieceGoesToHandAsItsPlainKind) {
    Position pos = positionFrom(kMidGame);
    const MoveEffect e = 駒移動(pos, 5, 5, 5, 4, 自と);
    EXPECT_EQ(pos.board(5, 4), 自と);
    EXPECT_EQ(pos.board(5, 5), 空);
    EXPECT_EQ(pos.ownHand[13], 1);  // 飛成 is held as a 飛
    EXPECT_EQ(pos.ownHandTotal, 1);
    EXPECT_EQ(handSum(pos.enemyHand), 0);
    EXPECT_EQ(e.captured, 敵飛成);
    EXPECT_TRUE(e.bottomStandChanged);
    EXPECT_FALSE(e.topStandChanged);
}

TEST(MakeMoveCapture, EveryKindLandsOnItsHandIndexForEitherCaptor) {
    const std::pair<int, int> kindToIndex[] = {
        {kind::卒, 1},  {kind::車, 2},    {kind::馬, 3},  {kind::士, 4},    {kind::象, 5},
        {kind::砲, 6},  {kind::歩, 7},    {kind::と, 7},  {kind::香, 8},    {kind::香成, 8},
        {kind::桂, 9},  {kind::桂成, 9},  {kind::銀, 10}, {kind::銀成, 10}, {kind::金, 11},
        {kind::角, 12}, {kind::角成, 12}, {kind::飛, 13}, {kind::飛成, 13}};
    for (auto [k, index] : kindToIndex) {
        Position pos;
        pos.board(1, 1) = 自飛;
        pos.board(1, 5) = k;
        駒移動(pos, 1, 1, 1, 5, 自飛);
        EXPECT_EQ(pos.ownHand[index], 1) << "kind " << k;
        EXPECT_EQ(handSum(pos.ownHand), 1) << "kind " << k;

        pos = Position{};
        pos.board(1, 1) = 敵車;
        pos.board(1, 5) = -k;
        駒移動(pos, 1, 1, 1, 5, 敵車);
        EXPECT_EQ(pos.enemyHand[index], 1) << "kind " << k;
        EXPECT_EQ(pos.enemyHandTotal, 1) << "kind " << k;
    }
}

TEST(MakeMoveCapture, AKingEntersNoHandButDecidesTheWinnerAndCountsInTheTotal) {
    Position pos = positionFrom(kMidGame);
    pos.board(5, 2) = 自金;
    const MoveEffect e = 駒移動(pos, 5, 2, 5, 1, 自金);
    EXPECT_EQ(e.captured, 敵将);
    EXPECT_EQ(pos.winnerSide, pos.bottomSide);
    EXPECT_EQ(handSum(pos.ownHand), 0);
    EXPECT_EQ(pos.ownHandTotal, 1);

    // Turned board: the Chinese army at the bottom is 後手; the top 王 takes its 将.
    Position turned = positionFrom(R"(
 .   .   .   .  v王  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^将 v金  .   .   .
 .   .   .   .   .   .   .   .   .
)");
    ASSERT_EQ(turned.topSide, SENTE);
    駒移動(turned, 6, 8, 5, 8, 敵金);
    EXPECT_EQ(turned.winnerSide, SENTE);
    EXPECT_EQ(turned.enemyHandTotal, 1);
    EXPECT_EQ(handSum(turned.enemyHand), 0);
}

TEST(MakeMoveDrop, TakesThePieceOutOfTheHandItCameFrom) {
    Position pos = positionFrom(kMidGame);
    pos.ownHand[1] = 2;
    pos.ownHandTotal = 2;
    MoveEffect e = 駒移動(pos, kBottomHandX, 1, 3, 3, 自卒);
    EXPECT_EQ(pos.board(3, 3), 自卒);
    EXPECT_EQ(pos.ownHand[1], 1);
    EXPECT_EQ(pos.ownHandTotal, 1);
    EXPECT_TRUE(e.bottomStandChanged);
    EXPECT_FALSE(e.topStandChanged);
    EXPECT_EQ(e.captured, 空);

    pos.enemyHand[13] = 1;
    pos.enemyHandTotal = 1;
    e = 駒移動(pos, kTopHandX, 13, 9, 9, 敵飛);
    EXPECT_EQ(pos.board(9, 9), 敵飛);
    EXPECT_EQ(pos.enemyHand[13], 0);
    EXPECT_EQ(pos.enemyHandTotal, 0);
    EXPECT_TRUE(e.topStandChanged);
}

TEST(MakeMoveDrop, AHandIndexOutOfRangeTouchesNoMemoryOutsideTheHand) {
    Position pos;
    const Position before = pos;
    駒移動(pos, kBottomHandX, 14, 3, 3, 自卒);
    駒移動(pos, kTopHandX, 0, 4, 4, 敵卒);
    EXPECT_EQ(pos.ownHand, before.ownHand);
    EXPECT_EQ(pos.enemyHand, before.enemyHand);
}

TEST(MakeMoveKing, TheBottomKingsSquareFollowsEitherKind) {
    Position pos = positionFrom(kMidGame);
    ASSERT_EQ(pos.ownKingX, 5);
    ASSERT_EQ(pos.ownKingY, 9);
    駒移動(pos, 5, 9, 4, 8, 自王);
    EXPECT_EQ(pos.ownKingX, 4);
    EXPECT_EQ(pos.ownKingY, 8);
    駒移動(pos, 5, 1, 6, 1, 敵将);  // the top king is not tracked here
    EXPECT_EQ(pos.ownKingX, 4);

    Position turned;
    turned.board(5, 9) = 自将;
    駒移動(turned, 5, 9, 5, 8, 自将);
    EXPECT_EQ(turned.ownKingX, 5);
    EXPECT_EQ(turned.ownKingY, 8);
}

TEST(PawnFiles, OnlyUnpromotedShogiPawnsCount) {
    Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .  ^歩  .   .   .   .   .   .   .
v卒  .  v卒  .   .   .   .   .  v歩
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .  ^と  .   .   .   .  ^歩
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
)");
    pos.ownPawnFiles = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1};  // stale values are overwritten
    調査_2歩フラグ設定(pos);
    EXPECT_EQ(pos.ownPawnFiles, (PawnFiles{0, 0, 1, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(pos.enemyPawnFiles, (PawnFiles{0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));

    駒移動(pos, 2, 3, 2, 2, 自と);  // the 歩 promotes: its column is free again
    調査_2歩フラグ設定(pos);
    EXPECT_EQ(pos.ownPawnFiles[2], 0);
}

TEST(MoveResult, FindsTheDestinationNotTheEmptiedSquare) {
    const Board before = testsupport::boardFrom(kMidGame);
    Position pos;
    pos.board = before;
    駒移動(pos, 5, 5, 5, 4, 自と);  // a capture: the from-square (5, 5) empties
    int x = 0, y = 0;
    PieceCode code = 空;
    ASSERT_TRUE(調査_移動結果(before, pos.board, x, y, code));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 4);
    EXPECT_EQ(code, 自と);

    x = 7;
    y = 7;
    code = 敵馬;
    EXPECT_FALSE(調査_移動結果(before, before, x, y, code));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 7);
    EXPECT_EQ(code, 敵馬);
}

}  // namespace
