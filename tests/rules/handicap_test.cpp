#include <gtest/gtest.h>

#include "rules/handicap.h"
#include "rules/setup.h"
#include "support/diagram.h"

using namespace rules;

namespace {

Board startBoard() {
    Position pos;
    layOutStartPosition(pos);
    return pos.board;
}

// Presses one button `times` times from `grade` and returns the grade reached.
int press(Board& board, int grade, int direction, int times) {
    for (int i = 0; i < times; ++i) grade = handicapStep(board, grade, direction).grade;
    return grade;
}

TEST(HandicapTable, EachGradeNamesAPieceOfTheStartingPositionAndNeverAKing) {
    const Board start = startBoard();
    for (int g = kHandicapLowest; g <= kHandicapHighest; ++g) {
        const auto sq = handicapSquare(g);
        if (g == 0) {
            EXPECT_FALSE(sq);
            continue;
        }
        ASSERT_TRUE(sq) << g;
        EXPECT_EQ(start(sq->x, sq->y), sq->code) << g;
        EXPECT_EQ(isBottom(sq->code), g < 0) << g << ": the wrong army loses a piece";
        EXPECT_FALSE(isKingKind(magnitude(sq->code))) << g;
    }
    for (int g : {-11, 8, 9, 10}) EXPECT_FALSE(handicapSquare(g)) << g;
}

TEST(HandicapSteps, 名人LacksTenShogiPiecesAndTheWayBackRestoresThemAll) {
    Board b = startBoard();
    EXPECT_EQ(press(b, 0, -1, 10), -10);
    EXPECT_EQ(b, testsupport::boardFrom(R"(
v車 v馬 v象 v士 v将 v士 v象 v馬 v車
 .   .   .   .   .   .   .   .   .
 .  v砲  .   .   .   .   .  v砲  .
v卒  .  v卒  .  v卒  .  v卒  .  v卒
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩
 .   .   .   .   .   .   .   .   .
 .   .   .   .  ^王  .   .   .   .
)")) << testsupport::diagramOf(b);

    // At the limit the grade stays and nothing changes.
    const HandicapStep atLimit = handicapStep(b, -10, -1);
    EXPECT_EQ(atLimit.grade, -10);
    EXPECT_FALSE(atLimit.changed);

    EXPECT_EQ(press(b, -10, +1, 10), 0);
    EXPECT_EQ(b, startBoard());
}

TEST(HandicapSteps, ９級KeepsTheTopKingAndTakesTheSecondAdvisor) {
    Board b = startBoard();
    EXPECT_EQ(press(b, 0, +1, 7), 7);
    EXPECT_EQ(b, testsupport::boardFrom(R"(
v車  .   .   .  v将  .   .   .   .
 .   .   .   .   .   .   .   .   .
 .  v砲  .   .   .   .   .  v砲  .
v卒  .  v卒  .  v卒  .  v卒  .  v卒
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩
 .  ^角  .   .   .   .   .  ^飛  .
^香 ^桂 ^銀 ^金 ^王 ^金 ^銀 ^桂 ^香
)")) << testsupport::diagramOf(b);

    const HandicapStep atLimit = handicapStep(b, 7, +1);
    EXPECT_EQ(atLimit.grade, 7);
    EXPECT_FALSE(atLimit.changed);

    // The step back to ８級 returns the advisor, not a second king.
    EXPECT_EQ(handicapStep(b, 7, -1).changed, (HandicapSquare{6, 1, 敵士}));
    EXPECT_EQ(press(b, 6, -1, 6), 0);
    EXPECT_EQ(b, startBoard());
}

TEST(HandicapSteps, AGradeOnlyAFlipReachesChangesNothingWhenPressed) {
    // 10級..12級 are reached only by turning a dan grade over; the buttons never step from there.
    Board b = startBoard();
    const HandicapStep s = handicapStep(b, 9, -1);
    EXPECT_EQ(s.grade, 8);
    EXPECT_FALSE(s.changed);
    EXPECT_EQ(b, startBoard());
}

}  // namespace
