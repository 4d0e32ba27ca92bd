#include "record/notation.h"

#include <gtest/gtest.h>

using namespace rules;

namespace {

TEST(Notation, FilesAreFullWidthDigitsAndRanksKanjiNumerals) {
    EXPECT_EQ(record::文字列変換(101), "１");
    EXPECT_EQ(record::文字列変換(109), "９");
    EXPECT_EQ(record::文字列変換(111), "一");
    EXPECT_EQ(record::文字列変換(119), "九");
    for (int gap : {100, 110, 120, 0, 99, 22}) EXPECT_EQ(record::文字列変換(gap), "") << gap;
}

TEST(Notation, PiecesOfEitherArmyHaveOneNameAndTheAdvisorNone) {
    const std::pair<PieceCode, const char*> names[] = {
        {自歩, "歩"},     {自と, "と"}, {自香, "香"},     {自香成, "香成"}, {自桂, "桂"},
        {自桂成, "桂成"}, {自銀, "銀"}, {自銀成, "銀成"}, {自金, "金"},     {自角, "角"},
        {自角成, "角成"}, {自飛, "飛"}, {自飛成, "飛成"}, {自王, "王"},     {自将, "将"},
        {自砲, "砲"},     {自馬, "馬"}, {自象, "象"},     {自車, "車"},     {自卒, "卒"}};
    for (const auto& [code, name] : names) {
        EXPECT_EQ(record::文字列変換(code), name) << code;
        EXPECT_EQ(record::文字列変換(-code), name) << -code;
    }
    EXPECT_EQ(record::文字列変換(自士), "");
    EXPECT_EQ(record::文字列変換(敵士), "");
    EXPECT_EQ(record::文字列変換(-22), "");
}

TEST(Notation, AMoveIsReadFromTheBottomPlayersSide) {
    const record::MoveNotation pawn = record::moveNotation(3, 6, 自歩);
    EXPECT_EQ(pawn.file, "７");
    EXPECT_EQ(pawn.rank, "六");
    EXPECT_EQ(pawn.piece, "歩");

    const record::MoveNotation corner = record::moveNotation(9, 1, 敵角成);
    EXPECT_EQ(corner.file + corner.rank + corner.piece, "１一角成");

    const record::MoveNotation advisor = record::moveNotation(6, 2, 敵士);
    EXPECT_EQ(advisor.file + advisor.rank, "４二");
    EXPECT_EQ(advisor.piece, "");

    // No square found for a move: nothing to write.
    const record::MoveNotation none = record::moveNotation(0, 0, 空);
    EXPECT_EQ(none.file + none.rank + none.piece, "");
}

}  // namespace
