// Check, escape squares and the mate tests of both kings.
#include <gtest/gtest.h>

#include "com/mate.h"
#include "rules/setup.h"
#include "surveyed.h"

using namespace rules;
using com::InfluenceMap;
using com::詰めかCOM;
using com::詰めかMAN;
using surveyed::gridIs;
using surveyed::survey;
using surveyed::Surveyed;

namespace {

void giveOwn(Position& pos, int handIndex, int count = 1) {
    pos.ownHand[handIndex] += count;
    pos.ownHandTotal += count;
}
void giveEnemy(Position& pos, int handIndex, int count = 1) {
    pos.enemyHand[handIndex] += count;
    pos.enemyHandTotal += count;
}

// Runs 詰めかMAN and checks that it leaves the board as it found it.
int manMated(Surveyed& s) {
    const Board before = s.pos.board;
    const int r = 詰めかMAN(s.pos, s.map);
    EXPECT_EQ(s.pos.board, before);
    return r;
}
int comMated(Surveyed& s, SideId side) {
    const Board before = s.pos.board;
    const int r = 詰めかCOM(s.pos, s.map, side);
    EXPECT_EQ(s.pos.board, before);
    return r;
}

// A top 車 checks the bottom 王 down an open file; the king's neighbours are its own pieces or
// attacked, and none of its pieces can take or block.
const char* const kRookCheck = R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v車 . . . .
. . . . . . . . .
. . . . . . . . .
. . . ^歩 . ^歩 . . .
. . . ^香 ^王 ^香 . . .
)";

TEST(ManMate, NotInCheckIsNeverMate) {
    Position pos;
    layOutStartPosition(pos);
    InfluenceMap m;
    com::勢力調査(pos, m);
    EXPECT_EQ(詰めかMAN(pos, m), 0);
    EXPECT_EQ(詰めかCOM(pos, m, pos.topSide), 0);
}

TEST(ManMate, RookCheckAnsweredByADropOrNot) {
    auto s = survey(kRookCheck);
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{5, 6, 1}, {5, 7, 1}, {5, 8, 1}, {5, 5, 9}}));
    EXPECT_EQ(manMated(s), 1);

    auto gold = survey(kRookCheck);
    giveOwn(gold.pos, 11);
    EXPECT_EQ(manMated(gold), 0);

    // A hand of 卒 only blocks too: a 卒 may be dropped on any empty square.
    auto soldiers = survey(kRookCheck);
    giveOwn(soldiers.pos, 1, 2);
    EXPECT_EQ(manMated(soldiers), 0);
}

TEST(ManMate, RookCheckAnsweredOnTheBoard) {
    auto capture = survey(kRookCheck);
    capture.pos.board(1, 5) = 自飛;
    com::勢力調査(capture.pos, capture.map);
    EXPECT_EQ(manMated(capture), 0);

    auto block = survey(kRookCheck);
    block.pos.board(4, 7) = 自金;  // steps sideways onto the file
    com::勢力調査(block.pos, block.map);
    EXPECT_EQ(manMated(block), 0);

    auto escape = survey(kRookCheck);
    escape.pos.board(6, 8) = 空;
    com::勢力調査(escape.pos, escape.map);
    EXPECT_EQ(manMated(escape), 0);
}

TEST(ManMate, TwoChecksAreNotAnsweredByOneDrop) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
v角 . . . v車 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . ^歩 . . .
. . . ^香 ^王 ^香 . . .
)");
    giveOwn(s.pos, 11);
    EXPECT_EQ(manMated(s), 1);
}

TEST(ManMate, AdjacentGuardedCheckerIsMateWhateverTheHand) {
    const char* diagram = R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v歩 . . . .
. . . . v金 . . . .
. . . . ^王 . . . .
)";
    auto s = survey(diagram);
    giveOwn(s.pos, 11);
    giveOwn(s.pos, 13);
    EXPECT_EQ(manMated(s), 1);

    // Unguarded, the king takes it.
    auto unguarded = survey(diagram);
    unguarded.pos.board(5, 7) = 空;
    com::勢力調査(unguarded.pos, unguarded.map);
    EXPECT_EQ(manMated(unguarded), 0);

    // A 銀 beside the king takes it.
    auto silver = survey(diagram);
    silver.pos.board(4, 9) = 自銀;
    com::勢力調査(silver.pos, silver.map);
    EXPECT_EQ(manMated(silver), 0);
}

TEST(ManMate, HorseCheckFromTwoSquaresAway) {
    const char* diagram = R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . v金 v馬 . . . . .
. . . . ^歩 ^歩 . . .
. . . ^金 ^王 ^香 . . .
)";
    auto s = survey(diagram);
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {{4, 7, 9}}));
    EXPECT_EQ(manMated(s), 1);

    // The marked 馬 is taken by a 桂 jumping from (3, 9).
    auto knight = survey(diagram);
    knight.pos.board(3, 9) = 自桂;
    com::勢力調査(knight.pos, knight.map);
    EXPECT_EQ(manMated(knight), 0);

    // Not next to the king: with a piece in hand the drop scan finds nothing to stop it.
    auto hand = survey(diagram);
    giveOwn(hand.pos, 7);
    EXPECT_EQ(manMated(hand), 0);
}

TEST(ManMate, CannonCheckLeavesNoMarks) {
    const char* diagram = R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v砲 . . . .
. . . . . . . . .
. . . . . . . . .
. . . ^歩 ^銀 ^歩 . . .
. . . ^香 ^王 ^香 . . .
)";
    auto s = survey(diagram);
    EXPECT_EQ(s.map.enemyAttacks(5, 9), 1);
    EXPECT_TRUE(gridIs(s.map.enemyCheck, 0, {}));
    // With an empty hand only marked squares are tried, and there are none.
    EXPECT_EQ(manMated(s), 1);

    auto hand = survey(diagram);
    giveOwn(hand.pos, 1);
    EXPECT_EQ(manMated(hand), 0);
}

TEST(ManMate, CannonCheckIsMateEvenWhenTheCannonCouldBeTaken) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
^飛 . . . v砲 . . . .
. . . . . . . . .
. . . . . . . . .
. . . ^歩 ^銀 ^歩 . . .
. . . ^香 ^王 ^香 . . .
)");
    EXPECT_EQ(manMated(s), 1);
}

TEST(ManCheck, TopPieceReachingTheKing) {
    auto s = survey(kRookCheck);
    EXPECT_EQ(com::詰めかMAN_COM移動(s.pos), 1);
    s.pos.board(5, 7) = 自歩;
    EXPECT_EQ(com::詰めかMAN_COM移動(s.pos), 0);
}

TEST(Escapes, EmptyUnattackedNeighboursAreCountedAndMarked) {
    auto s = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . v歩 . . . .
. . . . ^王 ^金 . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
v香 . . . . . . . .
)");
    s.map.ownKingEscapeMarks(9, 9) = 1;
    // (5, 4) holds an undefended top 歩, (6, 5) the king's own 金; the 歩 attacks only the
    // king's square and the 香 on (1, 9) nothing at all. Earlier marks are kept.
    EXPECT_EQ(com::調査_自王逃道(s.pos, s.map), 6);
    EXPECT_TRUE(
        gridIs(s.map.ownKingEscapeMarks, 0,
               {{4, 4, 1}, {6, 4, 1}, {5, 6, 1}, {4, 6, 1}, {6, 6, 1}, {4, 5, 1}, {9, 9, 1}}));

    // Attacked neighbours do not count.
    auto rook = survey(R"(
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^王 . . . .
v車 . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(com::調査_自王逃道(rook.pos, rook.map), 5);
}

// ---- the computer's king ----

// The top 将 in its palace, checked by a bottom 飛 up the file; two 銀 cover the squares beside.
const char* const kGeneralCheck = R"(
. . . v象 v将 v象 . . .
. . . . . . . . .
. . . ^銀 . ^銀 . . .
. . . . . . . . .
. . . . ^飛 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)";

TEST(ComMate, GeneralMatedUnlessADropBlocks) {
    auto s = survey(kGeneralCheck);
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {{5, 2, 1}, {5, 3, 1}, {5, 4, 1}, {5, 5, 9}}));
    EXPECT_EQ(comMated(s, GOTE), 1);

    auto soldier = survey(kGeneralCheck);
    giveEnemy(soldier.pos, 1);
    EXPECT_EQ(comMated(soldier, GOTE), 0);

    auto gold = survey(kGeneralCheck);
    giveEnemy(gold.pos, 11);
    EXPECT_EQ(comMated(gold, GOTE), 0);
}

TEST(ComMate, SavingBlockLeavesTheMapOfThePositionTried) {
    auto s = survey(kGeneralCheck);
    s.pos.board(4, 1) = 敵士;
    com::勢力調査(s.pos, s.map);
    EXPECT_EQ(comMated(s, GOTE), 0);

    // The map is the one of the advisor standing between, not of the real position.
    Position tried = s.pos;
    tried.board(4, 1) = 空;
    tried.board(5, 2) = 敵士;
    InfluenceMap expected = s.map;
    com::勢力調査(tried, expected);
    EXPECT_EQ(s.map.ownAttacks, expected.ownAttacks);
    EXPECT_EQ(s.map.enemyAttacks, expected.enemyAttacks);
    EXPECT_EQ(s.map.ownCheck, expected.ownCheck);
    EXPECT_EQ(s.map.ownAttacks(5, 1), 0);
}

TEST(ComMate, SideChoosesTheKingsSquare) {
    // The shogi army at the top: its 王 on (1, 1) against a guarded 金.
    auto s = survey(R"(
v王 . . . . . . . .
^金 . . . . . . . .
^歩 . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
. . . . ^将 . . . .
)");
    EXPECT_EQ(comMated(s, SENTE), 1);
    // Asked about a 将 the survey never met, the test sees no check.
    EXPECT_EQ(comMated(s, GOTE), 0);
}

TEST(ComMate, EachTrialsMarksGuideTheTrialsAfterIt) {
    // The 金 on (4, 2) shields its 王 from the 角. Stepping onto the 飛's file it blocks one
    // check and opens the other, and the survey of that trial replaces the marks: the 金 on
    // (6, 2), which could block on (5, 2) in the real position, is then offered only the 角's
    // line and finds nothing.
    auto s = survey(R"(
. . . v香 v王 v香 . . .
. . . v金 . v金 . . .
. . . . . . . . .
. ^角 . . . . . . .
. . . . . . . . .
. . . . ^飛 . . . .
. . . . . . . . .
. . . . . . . . .
. . . . . . . . .
)");
    EXPECT_EQ(comMated(s, SENTE), 1);
    EXPECT_TRUE(gridIs(s.map.ownCheck, 0, {{2, 4, 9}, {3, 3, 1}, {4, 2, 1}}));
    EXPECT_EQ(s.pos.board(4, 2), 敵金);
}

}  // namespace
