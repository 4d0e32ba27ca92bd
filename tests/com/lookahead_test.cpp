// Levels 4 and 5 on small positions where looking ahead decides, what they report while they
// think, and how they share a machine.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <tuple>
#include <type_traits>
#include <vector>

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

TEST(Lookahead, SeesAMateGivenByTheLastMoveOfTheFirstDepth) {
    // With one node only the first depth runs: the 車's check along the last row is answered there
    // (every reply loses the 王), not stood on.
    Turn t(layout({{5, 1, "v将"}, {5, 5, "v車"}, {1, 8, "^歩"}, {2, 8, "^歩"}, {1, 9, "^王"}}), 4);
    t.settings.nodes = 1;
    t.run();
    ASSERT_TRUE(t.found);
    EXPECT_TRUE(moves(t.best(), 5, 5, 5, 9)) << testing::PrintToString(t.best());
    EXPECT_GT(t.state.bestScore, 9000);
}

// Each position's move, nodes and every root score, searched one after the other in one context.
std::vector<std::tuple<com::ComMove, long, std::vector<double>>> searchAll(
    const std::vector<Position>& positions) {
    com::SearchContext context;
    std::vector<std::tuple<com::ComMove, long, std::vector<double>>> out;
    for (const Position& p : positions) {
        com::ComState state;
        com::SearchSettings settings;
        settings.comLevel = 5;
        settings.nodes = 4000;
        settings.chineseDrops = true;
        comtest::Recorder rec;
        EXPECT_TRUE(com::lookaheadBestMove(p, state, settings, &rec, &context));
        std::vector<double> scores;
        for (const comtest::EvalLine& l : rec.lines) scores.push_back(l.score);
        out.emplace_back(state.best, context.nodes(), scores);
    }
    return out;
}

TEST(Lookahead, AnswersTheSameInAReusedContextAndOnTwoThreadsAtOnce) {
    const Position start = testsupport::positionFrom(testsupport::kStartDiagram);
    const Position other = testsupport::positionFrom(
        layout({{5, 1, "v将"}, {4, 1, "v士"}, {5, 4, "v馬"}, {5, 8, "^銀"}, {5, 9, "^王"}}));
    const auto reused = searchAll({start, other, start});
    EXPECT_EQ(reused[2], reused[0]) << "nothing of a search is kept for the next";
    std::remove_const_t<decltype(reused)> a, b;
    std::thread first([&] { a = searchAll({start, other, start}); });
    std::thread second([&] { b = searchAll({start, other, start}); });
    first.join();
    second.join();
    EXPECT_EQ(a, reused);
    EXPECT_EQ(b, reused);
}

TEST(Lookahead, AStopFromOutsideEndsTheSearchAtOnceWithAMove) {
    Turn t(testsupport::kStartDiagram, 5);
    const std::atomic<bool> stop{true};
    t.settings.stop = &stop;
    com::SearchContext context;
    ASSERT_TRUE(com::lookaheadBestMove(t.pos, t.state, t.settings, nullptr, &context));
    EXPECT_TRUE(t.state.hasBest);
    EXPECT_LE(context.nodes(), 256) << "polled every few hundred nodes";
}

}  // namespace
