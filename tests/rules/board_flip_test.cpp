#include "rules/board_flip.h"

#include <gtest/gtest.h>

#include "rules/setup.h"
#include "support/diagram.h"

using namespace rules;

namespace {

TEST(BoardFlip, TurnsTheBoardRoundAndTheArmiesSigns) {
    Position pos = testsupport::positionFrom(
        ". . . . v将 . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        "v卒 . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . ^と .\n"
        ". ^角 . . . . . . .\n"
        ". . . . ^王 . . . ^香\n");
    pos.ownHand[1] = 2;  // two 卒 taken by the shogi army
    pos.ownHandTotal = 2;
    pos.enemyHand[13] = 1;  // a 飛 taken by the Chinese army
    pos.enemyHandTotal = 1;

    flipPosition(pos);
    EXPECT_EQ(testsupport::diagramOf(pos.board),
              testsupport::diagramOf(testsupport::boardFrom("v香 . . . v王 . . . .\n"
                                                            ". . . . . . . v角 .\n"
                                                            ". vと . . . . . . .\n"
                                                            ". . . . . . . . .\n"
                                                            ". . . . . . . . .\n"
                                                            ". . . . . . . . ^卒\n"
                                                            ". . . . . . . . .\n"
                                                            ". . . . . . . . .\n"
                                                            ". . . . ^将 . . . .\n")));
    EXPECT_EQ(pos.enemyHand[1], 2);
    EXPECT_EQ(pos.ownHand[13], 1);
    EXPECT_EQ(pos.ownHand[1], 0);
    EXPECT_EQ(pos.enemyHandTotal, 2);
    EXPECT_EQ(pos.ownHandTotal, 1);

    調査_先手後手(pos);
    EXPECT_EQ(pos.bottomSide, GOTE);
    EXPECT_EQ(調査_先番(pos, nullptr, pos.board), SENTE) << "the shogi army still moves first";
}

TEST(BoardFlip, TwiceIsNoChange) {
    Position pos;
    layOutStartPosition(pos);
    pos.board(5, 5) = 自銀成;
    pos.ownHand[4] = 1;
    pos.enemyHand[7] = 3;
    const Position before = pos;
    flipPosition(pos);
    EXPECT_NE(pos.board, before.board);
    flipPosition(pos);
    EXPECT_EQ(pos.board, before.board);
    EXPECT_EQ(pos.ownHand, before.ownHand);
    EXPECT_EQ(pos.enemyHand, before.enemyHand);
}

}  // namespace
