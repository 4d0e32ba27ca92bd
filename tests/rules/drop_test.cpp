#include <gtest/gtest.h>

#include "reach.h"
#include "rules/move_check.h"
#include "rules/pawn_files.h"

using namespace rules;
using testsupport::grid;
using testsupport::positionFrom;
using testsupport::reachOf;

namespace {

// Bottom pieces on (5, 7) 歩, (3, 3) と; top pieces on (7, 3) 歩, (2, 7) 卒, (8, 9) 香.
Position dropBoard() {
    Position pos = positionFrom(R"(
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .  ^と  .   .   .  v歩  .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
 .  v卒  .   .  ^歩  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .  v香  .
)");
    調査_2歩フラグ設定(pos);
    return pos;
}

TEST(DropPawn, NotOnTheLastRowNorBesideAnotherPawnOfItsArmy) {
    const Position pos = dropBoard();
    // Column 5 holds a bottom 歩; the と on column 3 and the 卒 on column 2 do not count.
    EXPECT_EQ(reachOf(pos, kBottomHandX, 7, 自歩), grid(R"(
. . . . . . . . .
* * * * . * * * *
* * . * . * . * *
* * * * . * * * *
* * * * . * * * *
* * * * . * * * *
* . * * . * * * *
* * * * . * * * *
* * * * . * * . *)"));
    EXPECT_EQ(reachOf(pos, kTopHandX, 7, 敵歩), grid(R"(
* * * * * * . * *
* * * * * * . * *
* * . * * * . * *
* * * * * * . * *
* * * * * * . * *
* * * * * * . * *
* . * * . * . * *
* * * * * * . * *
. . . . . . . . .)"));
}

TEST(DropPawn, TheTablesMustBeRebuiltAfterTheBoardChanges) {
    Position pos = dropBoard();
    pos.board(5, 7) = 自と;  // the 歩 promoted
    EXPECT_EQ(移動チェック(pos, kBottomHandX, 7, 5, 5, 自歩), 0);
    調査_2歩フラグ設定(pos);
    EXPECT_EQ(移動チェック(pos, kBottomHandX, 7, 5, 5, 自歩), 1);
}

TEST(DropLanceKnight, LanceAvoidsTheLastRowKnightTheLastTwo) {
    const Position pos = dropBoard();
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(移動チェック(pos, kBottomHandX, 8, x, 1, 自香), 0);
        EXPECT_EQ(移動チェック(pos, kBottomHandX, 9, x, 1, 自桂), 0);
        EXPECT_EQ(移動チェック(pos, kBottomHandX, 9, x, 2, 自桂), 0);
        EXPECT_EQ(移動チェック(pos, kTopHandX, 8, x, 9, 敵香), 0);
        EXPECT_EQ(移動チェック(pos, kTopHandX, 9, x, 8, 敵桂), 0);
    }
    EXPECT_EQ(移動チェック(pos, kBottomHandX, 8, 1, 2, 自香), 1);
    EXPECT_EQ(移動チェック(pos, kBottomHandX, 9, 1, 3, 自桂), 1);
    EXPECT_EQ(移動チェック(pos, kTopHandX, 8, 1, 8, 敵香), 1);
    EXPECT_EQ(移動チェック(pos, kTopHandX, 9, 1, 7, 敵桂), 1);
}

TEST(DropAnyKind, NeverOntoAnOccupiedSquare) {
    const Position pos = dropBoard();
    for (int i = 1; i <= kHandSize; ++i) {
        const int k = kHandKind[i];
        for (auto [x, y] : {std::pair{3, 3}, {7, 3}, {2, 7}, {5, 7}, {8, 9}}) {
            EXPECT_EQ(移動チェック(pos, kBottomHandX, i, x, y, -k), 0) << k << " " << x << y;
            EXPECT_EQ(移動チェック(pos, kTopHandX, i, x, y, k), 0) << k << " " << x << y;
        }
    }
}

TEST(DropAnyKind, PiecesWithoutDropRulesGoOnAnyEmptySquare) {
    const Position pos = dropBoard();
    // Also where they could never move again: a bottom 銀 on row 1, a top 象 on row 9, a top
    // advisor far from its palace.
    for (int k : {kind::車, kind::馬, kind::士, kind::象, kind::砲, kind::銀, kind::金, kind::角,
                  kind::飛}) {
        const int i = handIndexOfKind(k);
        for (int y : {1, 5, 9}) {
            EXPECT_EQ(移動チェック(pos, kBottomHandX, i, 1, y, -k), 1) << k << " row " << y;
            EXPECT_EQ(移動チェック(pos, kTopHandX, i, 1, y, k), 1) << k << " row " << y;
        }
    }
}

TEST(DropAnyKind, SoldierGoesAnywhereEmptyEvenOnTheLastRow) {
    const Position pos = dropBoard();
    EXPECT_EQ(移動チェック(pos, kBottomHandX, 1, 4, 1, 自卒), 1);
    EXPECT_EQ(移動チェック(pos, kTopHandX, 1, 4, 9, 敵卒), 1);
    EXPECT_EQ(移動チェック(pos, kTopHandX, 1, 1, 1, 敵卒), 1);
}

TEST(DropAnyKind, PawnLikePiecesNeedTheirOwnArmysHand) {
    const Position pos = dropBoard();
    EXPECT_EQ(移動チェック(pos, kTopHandX, 7, 1, 5, 自歩), 0);
    EXPECT_EQ(移動チェック(pos, kBottomHandX, 1, 1, 5, 敵卒), 0);
    EXPECT_EQ(移動チェック(pos, kBottomHandX, 9, 1, 5, 敵桂), 0);
    // A bishop asked about from the other hand is still just "is the square empty".
    EXPECT_EQ(移動チェック(pos, kTopHandX, 10, 1, 5, 自角), 1);
}

}  // namespace
