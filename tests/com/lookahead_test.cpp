// Level 4 on small positions where looking ahead decides, and what it reports while it thinks.
#include <gtest/gtest.h>

#include "com/lookahead_search.h"
#include "com_turn.h"
#include "rules/make_move.h"
#include "rules/move_list.h"
#include "rules/pawn_files.h"

namespace {
using comtest::layout;
using comtest::Turn;
using namespace rules;

bool moves(const com::ComMove& m, int fx, int fy, int tx, int ty) {
    return m.fromX == fx && m.fromY == fy && m.toX == tx && m.toY == ty;
}

TEST(Lookahead, TakesTheFreePawnNotTheGoldThatIsTakenBack) {
    // The 車 can take the 金 on 5,6, but the 金 behind it takes the 車 back.
    Turn t(layout({{5, 1, "v将"},
                   {5, 3, "v車"},
                   {2, 3, "^歩"},
                   {5, 6, "^金"},
                   {5, 7, "^金"},
                   {9, 9, "^王"}}),
           4);
    t.run();
    ASSERT_TRUE(t.found);
    EXPECT_TRUE(moves(t.best(), 5, 3, 2, 3)) << testing::PrintToString(t.best());
}

TEST(Lookahead, DoesNotUnshieldItsKing) {
    // The 車 on 5,2 stands between the 将 and the bottom 飛: taking the 金 lets the 飛 in.
    Turn t(layout({{5, 1, "v将"}, {5, 2, "v車"}, {1, 2, "^金"}, {5, 8, "^飛"}, {9, 9, "^王"}}), 4);
    t.run();
    ASSERT_TRUE(t.found);
    EXPECT_FALSE(moves(t.best(), 5, 2, 1, 2)) << testing::PrintToString(t.best());
    EXPECT_GT(t.state.bestScore, -100);  // it keeps its king
}

TEST(Lookahead, MatesInTwoByDrops) {
    // Two 金 in hand against a bare 王: the first drop drives the king, the second mates.
    Turn t(layout({{5, 1, "v将"}, {1, 5, "v歩"}, {3, 7, "^香"}, {5, 9, "^王"}}), 4);
    t.topHand(11, 2);
    t.settings.chineseDrops = true;
    t.run();
    ASSERT_TRUE(t.found);
    EXPECT_TRUE(t.best().isDrop());
    EXPECT_GT(t.state.bestScore, 9000) << "a king won within the search";

    // Whatever the bottom army answers, level 4 then wins the king.
    Position after = t.pos;
    const com::ComMove& m = t.best();
    駒移動(after, m.fromX, m.fromY, m.toX, m.toY, m.after);
    調査_2歩フラグ設定(after);
    Move replies[kMaxMoves];
    const int n = generateMoves(after, kBottomArmy, MoveFilter{}, replies, kMaxMoves);
    ASSERT_GT(n, 0);
    for (int i = 0; i < n; ++i) {
        Position reply = after;
        const Move& r = replies[i];
        駒移動(reply, r.fromX, r.fromY, r.toX, r.toY, r.after);
        com::ComState state;
        ASSERT_TRUE(com::lookaheadBestMove(reply, state, t.settings));
        EXPECT_GT(state.bestScore, 9000)
            << "after the reply " << int{r.fromX} << "," << int{r.fromY} << " -> " << int{r.toX}
            << "," << int{r.toY};
    }
}

TEST(Lookahead, ScoresEveryRootMoveKeepsTheClockGoingAndLeavesThePosition) {
    Turn t(testsupport::kStartDiagram, 4);
    const Position before = t.pos;
    t.run();
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.pos.board, before.board);
    EXPECT_GT(t.rec.ticks, 10);

    Position p = before;
    調査_2歩フラグ設定(p);
    Move all[kMaxMoves];
    ASSERT_EQ(static_cast<int>(t.rec.lines.size()),
              generateMoves(p, kTopArmy, MoveFilter{}, all, kMaxMoves));
    EXPECT_DOUBLE_EQ(
        t.scoreOf(t.best().fromX, t.best().fromY, t.best().toX, t.best().toY, t.best().after),
        t.state.bestScore);
}

}  // namespace
