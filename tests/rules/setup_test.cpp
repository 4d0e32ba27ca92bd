#include <gtest/gtest.h>

#include "rules/setup.h"
#include "support/diagram.h"

using namespace rules;

namespace {

// The board turned as the flip turns it: rotated by 180 degrees, every code negated.
Board flipped(const Board& b) {
    Board out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) out(10 - x, 10 - y) = -b(x, y);
    return out;
}

TEST(StartingPosition, MatchesTheDiagramWithEmptyHands) {
    Position pos;
    pos.ownHand[3] = 2;
    pos.enemyHand[13] = 1;
    layOutStartPosition(pos);
    EXPECT_EQ(pos.board, testsupport::boardFrom(testsupport::kStartDiagram))
        << testsupport::diagramOf(pos.board);
    EXPECT_EQ(handSum(pos.ownHand) + handSum(pos.enemyHand), 0);
    EXPECT_EQ(pos.ownHandTotal, 0);
    EXPECT_EQ(pos.enemyHandTotal, 0);
}

TEST(Sides, ShogiArmyMovesFirstInEitherOrientation) {
    Position pos;
    layOutStartPosition(pos);
    調査_先手後手(pos);
    EXPECT_EQ(pos.bottomSide, SENTE);
    EXPECT_EQ(pos.topSide, GOTE);
    EXPECT_EQ(調査_先番(pos, nullptr, pos.board), SENTE);

    pos.board = flipped(pos.board);
    調査_先手後手(pos);
    EXPECT_EQ(pos.bottomSide, GOTE);
    EXPECT_EQ(pos.topSide, SENTE);
    EXPECT_EQ(調査_先番(pos, nullptr, pos.board), SENTE);
}

TEST(Sides, NoBottomKingLeavesSidesAndGivesNoMover) {
    Position pos;
    pos.bottomSide = GOTE;
    pos.topSide = SENTE;
    調査_先手後手(pos);
    EXPECT_EQ(pos.bottomSide, GOTE);
    EXPECT_EQ(pos.topSide, SENTE);
    EXPECT_EQ(調査_先番(pos, nullptr, pos.board), 0);
}

TEST(Sides, WithTheBottomKingTakenTheTopKingTells) {
    // The last position of a game the top army won, stepped into after the board was reset: the
    // stale sides must not survive.
    Position pos;
    pos.board = testsupport::boardFrom(R"(
 .   .   .   .  v王  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^卒  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .  v飛  .   .   .   .
)");
    調査_先手後手(pos);
    EXPECT_EQ(pos.bottomSide, GOTE) << "the shogi army stands on top";
    EXPECT_EQ(pos.topSide, SENTE);

    // The Chinese army on top with its 将, the shogi army's 王 taken.
    pos.board(5, 1) = 敵将;
    調査_先手後手(pos);
    EXPECT_EQ(pos.bottomSide, SENTE);
    EXPECT_EQ(pos.topSide, GOTE);
}

TEST(Sides, MoverFollowsThePieceThatArrived) {
    Position pos;
    layOutStartPosition(pos);
    const Board before = pos.board;
    Board after = before;
    after(5, 7) = 0;
    after(5, 6) = 自歩;
    // A bottom piece arrived, so the top army is to move.
    EXPECT_EQ(調査_先番(pos, &before, after), GOTE);
    Board reply = after;
    reply(5, 4) = 0;
    reply(5, 5) = 敵卒;
    EXPECT_EQ(調査_先番(pos, &after, reply), SENTE);
    EXPECT_EQ(調査_先番(pos, &after, after), 0);
}

TEST(Sides, MoverIsFoundAcrossATurnOfTheBoard) {
    // The start position seen from the Chinese end, then the shogi army's first move recorded
    // the usual way up (a record turned back after its first entry): the 歩 that moved tells,
    // not the corner squares that differ only by the turn.
    Position pos;
    layOutStartPosition(pos);
    const Board usual = pos.board;
    const Board turnedStart = flipped(usual);
    Board moved = usual;
    moved(5, 7) = 空;
    moved(5, 6) = 自歩;
    EXPECT_EQ(調査_先番(pos, &turnedStart, moved), GOTE);

    // And the other way round, with the sides read off the turned board.
    pos.bottomSide = GOTE;
    pos.topSide = SENTE;
    EXPECT_EQ(調査_先番(pos, &usual, flipped(moved)), GOTE);
}

TEST(HandCount, CountsOnlyTheNamedSide) {
    Position pos;
    pos.ownHand[1] = 2;
    pos.ownHand[13] = 1;
    pos.enemyHand[7] = 4;
    EXPECT_EQ(調査_持駒数(pos, pos.bottomSide), 3);
    EXPECT_EQ(調査_持駒数(pos, pos.topSide), 4);
    EXPECT_EQ(調査_持駒数(pos, 0), 0);
}

}  // namespace
