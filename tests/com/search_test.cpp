// The computer's move search: the order of its candidates, ties, the early exits, when drops are
// tried, and the promotion choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "com_turn.h"

namespace {
using comtest::Candidate;
using comtest::layout;
using comtest::move;
using comtest::Turn;
using namespace rules;

const char* const kStart =
    "v車 v馬 v象 v士 v将 v士 v象 v馬 v車\n"
    ". . . . . . . . .\n"
    ". v砲 . . . . . v砲 .\n"
    "v卒 . v卒 . v卒 . v卒 . v卒\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    "^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩 ^歩\n"
    ". ^角 . . . . . ^飛 .\n"
    "^香 ^桂 ^銀 ^金 ^王 ^金 ^銀 ^桂 ^香\n";

// A board move sorts by its from-square (x, then y), then its target (x, then y); drops come
// after every board move, by hand index, then target.
std::tuple<int, int, int, int, int> orderKey(const comtest::EvalLine& l) {
    if (l.fx == kTopHandX) return {1, l.fy, l.tx, l.ty, 0};
    return {0, l.fx * 10 + l.fy, l.tx, l.ty, 0};
}

TEST(SearchOrder, BoardMovesThenDropsInScanOrderAndThePositionIsRestored) {
    Turn t(kStart);
    t.topHand(7, 1).topHand(2, 1);  // a 歩 and a 車 in hand
    t.settings.chineseDrops = true;
    const Position before = t.pos;
    t.run();
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.pos.board, before.board);
    EXPECT_EQ(t.pos.enemyHand, before.enemyHand);
    ASSERT_GT(t.rec.lines.size(), 100u);
    for (std::size_t i = 1; i < t.rec.lines.size(); ++i) {
        EXPECT_LE(orderKey(t.rec.lines[i - 1]), orderKey(t.rec.lines[i])) << "line " << i;
    }
    // The 車 (hand index 2) is tried before the 歩 (index 7); one clock tick per column and per
    // hand index.
    EXPECT_EQ(t.rec.lines.back().p, 敵歩);
    EXPECT_EQ(t.rec.ticks, 9 + 13);
    // The best is the first candidate of the highest score.
    double top = -1e9;
    for (const auto& l : t.rec.lines) top = std::max(top, l.score);
    const auto first = std::find_if(t.rec.lines.begin(), t.rec.lines.end(),
                                    [&](const auto& l) { return l.score == top; });
    EXPECT_EQ(t.state.bestScore, top);
    EXPECT_EQ(t.best().fromX, first->fx);
    EXPECT_EQ(t.best().fromY, first->fy);
    EXPECT_EQ(t.best().toX, first->tx);
    EXPECT_EQ(t.best().toY, first->ty);
}

TEST(SearchOrder, EqualScoresKeepTheFirstCandidate) {
    // Nothing attacks anything: every step of the 将 scores 0 at level 1.
    Turn t(layout({{5, 2, "v将"}, {5, 9, "^王"}}), 1);
    t.run();
    ASSERT_EQ(t.rec.lines.size(), 4u);
    for (const auto& l : t.rec.lines) EXPECT_EQ(l.score, 0.0);
    EXPECT_EQ(t.best(), move(5, 2, 4, 2, 敵将, 敵将));
}

TEST(SearchEnd, TakingTheBottomKingStopsAtOnce) {
    Turn t(layout({{1, 1, "v車"}, {5, 1, "v将"}, {9, 4, "v卒"}, {1, 9, "^王"}}));
    t.run();
    EXPECT_EQ(t.best(), move(1, 1, 1, 9, 敵車, 敵車));
    EXPECT_EQ(t.state.bestScore, 9999);
    EXPECT_EQ(t.rec.lines.back().ty, 9);
    EXPECT_FALSE(t.evaluatedAny(5, 1, 4, 1));  // the 将 is never tried
}

TEST(SearchEnd, TakingABottomGeneralWinsButTheSearchGoesOn) {
    // The board turned: the shogi army on top, the bottom king a 将.
    Turn t(layout({{1, 1, "v飛"}, {5, 1, "v王"}, {1, 9, "^将"}}));
    t.run();
    EXPECT_EQ(t.best(), move(1, 1, 1, 9, 敵飛, 敵飛成));  // into the zone: always promoted
    EXPECT_EQ(t.state.bestScore, 9999);
    EXPECT_TRUE(t.evaluatedAny(5, 1, 4, 1));
}

// A 歩 or a 金 dropped on (5, 8) mates the bottom 王, held by the top 金 behind it.
std::string mateByDrop() {
    return layout({{5, 1, "v将"}, {5, 7, "v金"}, {4, 9, "^香"}, {5, 9, "^王"}, {6, 9, "^香"}});
}

TEST(SearchEnd, AMatingDropEndsTheSearchAndAPawnMateIsRefused) {
    Turn t(mateByDrop());
    t.topHand(7, 1).topHand(11, 1);
    t.settings.chineseDrops = true;
    t.run();
    EXPECT_EQ(t.scoreOf(-1, 7, 5, 8, 敵歩), -9998);
    EXPECT_EQ(t.best(), move(-1, 11, 5, 8, 敵金, 敵金));
    EXPECT_EQ(t.state.bestScore, 9998);
    const auto& last = t.rec.lines.back();
    EXPECT_EQ(std::make_tuple(last.fx, last.fy, last.tx, last.ty), std::make_tuple(-1, 11, 5, 8));
}

TEST(SearchDrops, TheChineseArmyDropsOnlyWithTheOption) {
    Turn off(mateByDrop());
    off.topHand(11, 1).run();
    EXPECT_FALSE(std::any_of(off.rec.lines.begin(), off.rec.lines.end(),
                             [](const auto& l) { return l.fx == kTopHandX; }));
    EXPECT_EQ(off.rec.ticks, 9);
    EXPECT_NE(off.best().fromX, kTopHandX);
}

TEST(SearchDrops, TheShogiArmyOnTopAlwaysDrops) {
    Turn t(layout({{5, 1, "v王"}, {5, 9, "^将"}}));
    t.topHand(7, 1).run();
    EXPECT_TRUE(t.evaluatedAny(-1, 7, 1, 1));
    EXPECT_EQ(t.rec.ticks, 9 + 13);
}

TEST(SearchEnd, NoCandidateAtAllIsReported) {
    // A top 歩 on the last row cannot move; the hand is empty.
    Turn t(layout({{3, 9, "v歩"}, {9, 9, "^王"}}));
    t.run();
    EXPECT_FALSE(t.found);
    EXPECT_TRUE(t.rec.lines.empty());
}

TEST(SearchPromotion, APawnAlwaysPromotesAndCompetesWithTheLargerScore) {
    // Taking the bottom 歩 on (5, 7) unpromoted earns the 歩's own capture terms, more than the
    // promotion is worth; it still goes as と.
    Turn t(layout({{5, 1, "v将"},
                   {5, 5, "v卒"},
                   {5, 6, "v歩"},
                   {5, 7, "^歩"},
                   {5, 9, "^香"},
                   {1, 9, "^王"}}));
    t.run();
    const double plain = t.scoreOf(5, 6, 5, 7, 敵歩);
    const double crowned = t.scoreOf(5, 6, 5, 7, 敵と);
    EXPECT_GT(plain, crowned);
    EXPECT_EQ(t.best(), move(5, 6, 5, 7, 敵歩, 敵と));
    EXPECT_EQ(t.state.bestScore, plain);
}

TEST(SearchPromotion, ASilverPromotesOnlyForABetterScore) {
    Turn t(layout({{5, 1, "v将"}, {3, 6, "v銀"}, {3, 7, "^金"}, {9, 9, "^王"}}));
    t.run();
    // The unpromoted candidate is scored first, then the promoted one.
    const auto at = std::find_if(t.rec.lines.begin(), t.rec.lines.end(), [](const auto& l) {
        return l.fx == 3 && l.fy == 6 && l.tx == 3 && l.ty == 7;
    });
    ASSERT_NE(at, t.rec.lines.end());
    EXPECT_EQ(at->p, 敵銀);
    EXPECT_EQ((at + 1)->p, 敵銀成);
    const double plain = at->score;
    const double crowned = (at + 1)->score;
    EXPECT_EQ(t.best(), move(3, 6, 3, 7, 敵銀, crowned > plain ? 敵銀成 : 敵銀));
    EXPECT_EQ(t.state.bestScore, std::max(plain, crowned));
}

TEST(SearchPromotion, ACompulsoryPromotionIsScoredOnlyPromoted) {
    Turn t(layout({{5, 1, "v将"}, {2, 8, "v歩"}, {4, 7, "v桂"}, {9, 9, "^王"}}));
    t.run();
    int pawnLines = 0;
    for (const auto& l : t.rec.lines) {
        if (l.fx == 2 && l.fy == 8) {
            ++pawnLines;
            EXPECT_EQ(l.p, 敵と);
        }
        if (l.fx == 4 && l.fy == 7) {
            EXPECT_EQ(l.p, 敵桂成);  // a 桂 reaching row 9
        }
    }
    EXPECT_EQ(pawnLines, 1);
}

TEST(SearchOffBoardReads, PiecesAtTheEdgeAreScoredWithoutReadingPastIt) {
    // An unpromoted 歩 entering row 8 looks two rows ahead; a 飛成 on column 9 looks beside it.
    Turn t(layout({{5, 1, "v将"},
                   {5, 7, "v歩"},
                   {9, 5, "v飛成"},
                   {9, 6, "^銀"},
                   {8, 5, "^金"},
                   {1, 9, "^王"}}));
    t.run();
    t.scoreOf(5, 7, 5, 8, 敵歩);
    t.scoreOf(9, 5, 9, 6, 敵飛成);
}

}  // namespace
