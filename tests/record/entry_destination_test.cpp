#include "record/entry_destination.h"

#include <gtest/gtest.h>

#include "rules/board_flip.h"
#include "rules/setup.h"

using namespace record;
using namespace rules;

namespace {

TEST(RecordedMoveResult, ComparesAnEntryWithTheOneBefore) {
    MoveList list;
    Position pos;
    layOutStartPosition(pos);
    list[0].boardAt = pos.board;
    list[1].boardAt = pos.board;
    list[1].boardAt(3, 7) = 空;
    list[1].boardAt(3, 6) = 自歩;
    list[2].boardAt = list[1].boardAt;
    list[2].boardAt(2, 3) = 空;
    list[2].boardAt(2, 8) = 敵砲;  // the 砲 takes the 角 over the 歩

    int x = 0, y = 0;
    PieceCode code = 空;
    ASSERT_TRUE(調査_移動結果(list, 1, x, y, code));
    EXPECT_EQ(std::tuple(x, y, code), std::tuple(3, 6, 自歩));
    ASSERT_TRUE(調査_移動結果(list, 2, x, y, code));
    EXPECT_EQ(std::tuple(x, y, code), std::tuple(2, 8, 敵砲));

    // An entry seen from the other end than the one before it (a record turned part-way) is
    // compared the same way up: the 歩, now on top, moved to (7, 4).
    Position turned;
    turned.board = list[1].boardAt;
    flipPosition(turned);
    list[1].boardAt = turned.board;
    ASSERT_TRUE(調査_移動結果(list, 1, x, y, code));
    EXPECT_EQ(std::tuple(x, y, code), std::tuple(7, 4, 敵歩));
}

TEST(RecordedMoveResult, OutOfRangeOrUnchangedEntriesLeaveTheOutputsAlone) {
    MoveList list;
    int x = 4, y = 5;
    PieceCode code = 敵馬;
    for (int n : {0, -1, kMaxEntry + 1, 7}) {
        EXPECT_FALSE(調査_移動結果(list, n, x, y, code)) << n;
    }
    EXPECT_EQ(std::tuple(x, y, code), std::tuple(4, 5, 敵馬));
}

}  // namespace
