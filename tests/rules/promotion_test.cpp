#include <gtest/gtest.h>

#include "rules/promotion.h"

using namespace rules;

namespace {

struct PromotionCase {
    int fromX, fromY, toY;
    PieceCode code;
    int may;
};

TEST(Promotion, ZoneRulesOfEachKindAndArmy) {
    const PromotionCase cases[] = {
        // 歩, 香, 桂 look at the destination only.
        {5, 4, 3, 自歩, 1},
        {5, 5, 4, 自歩, 0},
        {5, 9, 3, 自香, 1},
        {5, 5, 3, 自桂, 1},
        {5, 5, 7, 敵桂, 1},
        {5, 6, 7, 敵歩, 1},
        {5, 5, 6, 敵香, 0},
        // 銀, 角, 飛 also on leaving the zone or moving inside it.
        {5, 3, 4, 自銀, 1},
        {5, 4, 4, 自銀, 0},
        {2, 2, 8, 自角, 1},
        {2, 8, 4, 自飛, 0},
        {5, 7, 6, 敵銀, 1},
        {5, 8, 9, 敵飛, 1},
        {5, 1, 6, 敵角, 0},
        // Never: gold, kings, promoted and Chinese pieces, drops.
        {5, 4, 3, 自金, 0},
        {5, 4, 3, 自王, 0},
        {5, 4, 3, 自と, 0},
        {5, 4, 3, 自飛成, 0},
        {5, 4, 3, 自卒, 0},
        {5, 6, 7, 敵馬, 0},
        {5, 6, 7, 敵将, 0},
        {kBottomHandX, 7, 3, 自歩, 0},
        {kTopHandX, 13, 8, 敵飛, 0},
    };
    for (const PromotionCase& c : cases) {
        Position pos;
        pos.promotedCode = 99;
        EXPECT_EQ(調査_駒成(pos, c.fromX, c.fromY, c.fromX, c.toY, c.code), c.may)
            << c.code << " from row " << c.fromY << " to row " << c.toY;
        const PieceCode expected = !c.may ? 99 : c.code < 0 ? c.code - 1 : c.code + 1;
        EXPECT_EQ(pos.promotedCode, expected) << c.code;
    }
}

TEST(Promotion, PromotedCodeKeepsTheArmy) {
    Position pos;
    ASSERT_EQ(調査_駒成(pos, 2, 8, 8, 2, 自角), 1);
    EXPECT_EQ(pos.promotedCode, 自角成);
    ASSERT_EQ(調査_駒成(pos, 8, 2, 2, 8, 敵角), 1);
    EXPECT_EQ(pos.promotedCode, 敵角成);
}

TEST(CompulsoryPromotion, OnlyWhereThePieceCouldNeverMoveAgain) {
    for (int y = 1; y <= 9; ++y) {
        EXPECT_EQ(移動後チェック(y, 自歩), y != 1) << y;
        EXPECT_EQ(移動後チェック(y, 自香), y != 1) << y;
        EXPECT_EQ(移動後チェック(y, 自桂), y > 2) << y;
        EXPECT_EQ(移動後チェック(y, 敵歩), y != 9) << y;
        EXPECT_EQ(移動後チェック(y, 敵香), y != 9) << y;
        EXPECT_EQ(移動後チェック(y, 敵桂), y < 8) << y;
        // A 卒 on the last row still steps sideways; a 銀 always has a move.
        EXPECT_EQ(移動後チェック(y, 敵卒), 1) << y;
        EXPECT_EQ(移動後チェック(y, 自銀), 1) << y;
        EXPECT_EQ(移動後チェック(y, 自と), 1) << y;
    }
}

}  // namespace
