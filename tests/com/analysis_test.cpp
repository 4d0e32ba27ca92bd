// The review of a game: scores and best moves per position, the marks, and the worker threads.
#include <gtest/gtest.h>

#include <atomic>
#include <initializer_list>
#include <vector>

#include "com/analysis.h"
#include "com/choose_move.h"
#include "com_turn.h"
#include "rules/make_move.h"
#include "rules/setup.h"

namespace {
using com::EntryAnalysis;
using com::MoveMark;
using comtest::layout;
using namespace rules;

struct Step {
    int fx, fy, tx, ty;
    PieceCode arrives = 空;  // the code on arrival when the move promotes
};

// A game from a diagram with the shogi army to move, one position after each step.
std::vector<Position> gameFrom(const std::string& diagram, std::initializer_list<Step> steps) {
    std::vector<Position> game{testsupport::positionFrom(diagram)};
    for (const Step& s : steps) {
        Position p = game.back();
        駒移動(p, s.fx, s.fy, s.tx, s.ty, s.arrives != 空 ? s.arrives : p.board(s.fx, s.fy));
        game.push_back(p);
    }
    return game;
}

// The shogi army mates in one: the 金 steps in front of the lone 将, guarded by the 銀.
const std::string kMateInReach =
    layout({{5, 1, "v将"}, {9, 1, "v車"}, {5, 3, "^金"}, {4, 3, "^銀"}, {5, 9, "^王"}});

TEST(Analysis, AForcedKingCaptureIsCountedInPliesFromTheShogiArmysSide) {
    com::SearchContext context;
    com::SearchSettings settings;
    const EntryAnalysis a =
        com::analysePosition(testsupport::positionFrom(kMateInReach), SENTE, settings, context);
    EXPECT_EQ(a.mateArmy, 1);
    EXPECT_EQ(a.matePlies, 3);  // the 金 in, any answer, the 将 taken
    EXPECT_EQ(com::analysisLine(a).rfind("analysis mate 3 best ", 0), 0u) << com::analysisLine(a);
    EXPECT_TRUE(a.best.toX == 5 && a.best.toY == 2) << "a guarded piece in front of the 将";
}

TEST(Analysis, AHangingPieceIsABlunderAndTheMovesAroundItAreNotMarked) {
    const std::vector<Position> game =
        gameFrom(testsupport::kStartDiagram,
                 {{3, 7, 3, 6},          // the 角's diagonal opens onto the 車 in the corner
                  {5, 4, 5, 5},          // the 車 left there
                  {2, 8, 9, 1, 自角成},  // taken
                  {8, 1, 7, 3}});        // the 馬 away from the 角成
    std::vector<EntryAnalysis> results;
    com::ReviewSettings settings;
    settings.nodes = 50'000;
    ASSERT_TRUE(com::reviewGame(game, results, settings));
    EXPECT_EQ(com::markMoves(game, results),
              (std::vector<MoveMark>{MoveMark::None, MoveMark::None, MoveMark::Blunder,
                                     MoveMark::None, MoveMark::None}));
    EXPECT_GT(results[2].score, results[1].score + 5) << "the shogi army is a 車 up";
}

// Two done results of a move by the shogi army (position 0 to 1): the mark follows from the
// scores alone, the best move being one that was not played.
MoveMark markOf(double before, int beforeMate, double after, int afterMate) {
    const std::vector<Position> game = gameFrom(kMateInReach, {{5, 9, 5, 8}});
    std::vector<EntryAnalysis> r(2);
    r[0] = {true, before, beforeMate, 3, true, com::ComMove{5, 3, 5, 2, 自金, 自金}};
    r[1] = {true, after, afterMate, 5, true, com::ComMove{}};
    return com::markMoves(game, r)[1];
}

TEST(Analysis, MarksFollowTheMoversLossOnClippedScores) {
    struct Row {
        double before;
        int beforeMate;
        double after;
        int afterMate;
        MoveMark mark;
    } rows[] = {
        {0.5, 0, 0.0, 0, MoveMark::None},      // a small positional slip
        {0.5, 0, -0.7, 0, MoveMark::Dubious},  // a 歩's worth
        {0.5, 0, -2.0, 0, MoveMark::Blunder},  // a 士 left hanging
        {40, 0, 20, 0, MoveMark::None},        // still won: both beyond the clip
        {0, 1, 30, 0, MoveMark::Blunder},      // a mate in reach missed, though far ahead
        {0, 1, 0, 1, MoveMark::None},          // the mate kept, if longer
        {0, -1, 0, -1, MoveMark::None},        // nothing left to lose
        {0, -1, -12, 0, MoveMark::None},       // a mate against it escaped
    };
    for (const Row& row : rows) {
        EXPECT_EQ(markOf(row.before, row.beforeMate, row.after, row.afterMate), row.mark)
            << row.before << " mate " << row.beforeMate << " -> " << row.after << " mate "
            << row.afterMate;
    }
}

TEST(Analysis, TheBestMovePlayedAndTheChineseArmysLossesAreJudgedForTheirMover) {
    const std::vector<Position> game = gameFrom(kMateInReach, {{5, 3, 5, 2}, {9, 1, 8, 1}});
    std::vector<EntryAnalysis> r(3);
    r[0] = {true, 3, 0, 0, true, com::ComMove{5, 3, 5, 2, 自金, 自金}};
    r[1] = {true, 0, 0, 0, true, com::ComMove{9, 1, 9, 2, 敵車, 敵車}};
    r[2] = {true, 3, 0, 0, true, com::ComMove{}};
    // The shogi army lost 3 歩 by its own best move: the search's horizon, not a mistake. The
    // Chinese army's move gave the shogi army 3 歩.
    EXPECT_EQ(com::markMoves(game, r),
              (std::vector<MoveMark>{MoveMark::None, MoveMark::None, MoveMark::Blunder}));
    EXPECT_EQ(com::marksLine(com::markMoves(game, r)), "marked 2??");
}

TEST(Analysis, ABestMoveTurnsWithTheBoardAndBackAgain) {
    // A move on the board, and drops from either stand with their hand index kept.
    const com::ComMove rows[][2] = {
        {{3, 7, 3, 6, 自歩, 自歩}, {7, 3, 7, 4, -自歩, -自歩}},
        {{kTopHandX, 11, 5, 8, 敵車, 敵車}, {kBottomHandX, 11, 5, 2, -敵車, -敵車}},
        {{kBottomHandX, 2, 1, 9, 自歩, 自歩}, {kTopHandX, 2, 9, 1, -自歩, -自歩}},
    };
    for (const auto& [m, turned] : rows) {
        EXPECT_EQ(com::turnedMove(m), turned) << m.fromX;
        EXPECT_EQ(com::turnedMove(turned), m) << m.fromX;
    }
}

// A game's opening: the start position, then level 3's choices for both armies.
std::vector<Position> openingGame(int plies) {
    Position pos;
    layOutStartPosition(pos);
    調査_先手後手(pos);
    std::vector<Position> game{pos};
    com::SearchSettings level3;
    for (int n = 0; n < plies; ++n) {
        const com::Choice c = com::chooseMoveForSide(pos, com::moverOfPosition(n), level3);
        駒移動(pos, c.move.fromX, c.move.fromY, c.move.toX, c.move.toY, c.move.after);
        game.push_back(pos);
    }
    return game;
}

TEST(Analysis, ResultsDependNeitherOnTheThreadsNorOnAStopInTheMiddle) {
    const std::vector<Position> game = openingGame(9);
    com::ReviewSettings settings;
    settings.nodes = 4000;
    settings.threads = 1;
    std::vector<EntryAnalysis> one;
    ASSERT_TRUE(com::reviewGame(game, one, settings));

    settings.threads = 2;
    std::vector<EntryAnalysis> two;
    ASSERT_TRUE(com::reviewGame(game, two, settings));
    EXPECT_EQ(two, one);

    // Stopped after three entries (the other thread's search is cut short), then started again.
    std::atomic<bool> stop{false};
    bool stopOnce = true;
    settings.stop = &stop;
    settings.progress = [&](int, int done, int total) {
        EXPECT_EQ(total, 10);
        if (done >= 3 && stopOnce) stop = true;
    };
    std::vector<EntryAnalysis> resumed;
    EXPECT_FALSE(com::reviewGame(game, resumed, settings));
    int done = 0;
    for (const EntryAnalysis& a : resumed) done += a.done;
    EXPECT_GE(done, 3);
    EXPECT_LT(done, 10);
    stop = false;
    stopOnce = false;
    ASSERT_TRUE(com::reviewGame(game, resumed, settings));
    EXPECT_EQ(resumed, one);
}

}  // namespace
