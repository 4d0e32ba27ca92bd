// The engine's go and candidates: the same search the game runs, on the engine's position.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "engine_session.h"
#include "record/entry_line.h"
#include "rules/board_flip.h"
#include "rules/setup.h"
#include "support/diagram.h"
#include "tools/engine/commands.h"

namespace {

using namespace enginetest;

using namespace rules;

TEST(EngineCom, GoAnswersTheBestMoveAndLeavesThePositionAsItWas) {
    Session s;
    ASSERT_EQ(s.send("position " + startLine()).back(), "ok");
    const Position before = s.state.pos;
    const auto answer = s.send("go");
    ASSERT_EQ(answer.size(), 2u);
    EXPECT_EQ(answer[0], "bestmove 1 1 1 2 8 8 score 1.1000");
    EXPECT_EQ(answer[1], "ok");
    EXPECT_EQ(s.state.pos.board, before.board);
    EXPECT_EQ(s.state.pos.promotedCode, before.promotedCode);
    // The level changes the evaluation only.
    ASSERT_EQ(s.send("setoption level 1").back(), "ok");
    EXPECT_NE(s.send("go")[0], answer[0]);
}

TEST(EngineCom, CandidatesListsEveryEvaluationThenTheSameBestMove) {
    Session s;
    s.send("position " + startLine());
    const auto lines = s.send("candidates");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "eval 1 1 1 2 8 1.1000");
    EXPECT_EQ(lines[lines.size() - 2], "bestmove 1 1 1 2 8 8 score 1.1000");
    EXPECT_EQ(lines.back(), "ok");
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        int fx, fy, tx, ty, p;
        double score;
        EXPECT_EQ(std::sscanf(lines[i].c_str(), "eval %d %d %d %d %d %lf", &fx, &fy, &tx, &ty, &p,
                              &score),
                  6)
            << lines[i];
    }
    s.send("position " + startLine());
    EXPECT_EQ(s.send("go")[0], lines[lines.size() - 2]);
}

TEST(EngineCom, DropsFollowTheOptionAndNoCandidateIsNone) {
    Session s;
    const Board board = testsupport::boardFrom(
        ". . . . v将 . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . v金 . . . .\n"
        ". . . . . . . . .\n"
        ". . . ^香 ^王 ^香 . . .\n");
    Hand enemy{};
    enemy[11] = 1;  // a 金: dropped on (5, 8) it mates
    s.send("position " + lineOf(board, {}, enemy));
    EXPECT_NE(s.send("go")[0].rfind("bestmove -1 ", 0), 0u);
    ASSERT_EQ(s.send("setoption drops on").back(), "ok");
    EXPECT_EQ(s.send("go")[0], "bestmove -1 11 5 8 13 13 score 9998.0000");

    const Board stuck = testsupport::boardFrom(
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . v歩 . ^王 . . . .\n");
    s.send("position " + lineOf(stuck));
    EXPECT_EQ(s.send("go"), (std::vector<std::string>{"bestmove none", "ok"}));
    EXPECT_EQ(s.send("go extra")[0].rfind("error ", 0), 0u);
}

// The hint for the bottom army is go on the position turned round, its move seen from the other
// end (a drop from the bottom stand has FX 11) with the same score; the position is kept.
TEST(EngineCom, HintIsGoOnTheTurnedPosition) {
    Position start;
    layOutStartPosition(start);
    Position turnedStart = start;
    flipPosition(turnedStart);
    // The top army's 金 drop that mates, turned so that the bottom army holds the 金.
    Position drop;
    drop.board = testsupport::boardFrom(
        ". . . . v将 . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . . . . . .\n"
        ". . . . v金 . . . .\n"
        ". . . . . . . . .\n"
        ". . . ^香 ^王 ^香 . . .\n");
    drop.enemyHand[11] = 1;
    flipPosition(drop);

    for (const Position* p : {&start, &turnedStart, &drop}) {
        Session s;
        s.send("setoption drops on");
        s.send("position " + lineOf(p->board, p->ownHand, p->enemyHand));
        const Position before = s.state.pos;
        const auto hint = s.send("hint");
        ASSERT_EQ(hint.size(), 2u);
        EXPECT_EQ(hint[1], "ok");
        EXPECT_TRUE(s.state.pos == before);

        Position turned = before;
        flipPosition(turned);
        s.send("position " + lineOf(turned.board, turned.ownHand, turned.enemyHand));
        const auto go = words(s.send("go")[0]);
        ASSERT_EQ(go.size(), 9u) << hint[0];
        const auto n = [&](int i) { return std::stoi(go[i]); };
        const bool isDrop = n(1) == kTopHandX;
        const std::string expected =
            "bestmove " + std::to_string(isDrop ? kBottomHandX : 10 - n(1)) + " " +
            std::to_string(isDrop ? n(2) : 10 - n(2)) + " " + std::to_string(10 - n(3)) + " " +
            std::to_string(10 - n(4)) + " " + std::to_string(-n(5)) + " " + std::to_string(-n(6)) +
            " score " + go[8];
        EXPECT_EQ(hint[0], expected);
        if (p == &drop) {
            EXPECT_EQ(hint[0].rfind("bestmove 11 11 ", 0), 0u) << hint[0];
        }
    }

    // No move for the bottom army: none, and arguments are refused.
    Session s;
    s.send("position " + lineOf(testsupport::boardFrom(". . . . v将 . . . .\n"
                                                       ". . . . . . . . .\n"
                                                       ". . . . . . . . .\n"
                                                       ". . . . . . . . .\n"
                                                       ". . . . . . . . .\n"
                                                       ". . . . . . . . .\n"
                                                       ". . . . . . . . .\n"
                                                       ". . . . . . . . .\n"
                                                       ". . . . . . . . .\n")));
    EXPECT_EQ(s.send("hint"), (std::vector<std::string>{"bestmove none", "ok"}));
    EXPECT_EQ(s.send("hint now")[0].rfind("error ", 0), 0u);
}

TEST(EngineCom, PositionForgetsTheLastTurn) {
    Session s;
    s.send("position " + startLine());
    s.send("go");
    EXPECT_NE(s.state.comState.kingDistance, 0);
    s.send("position " + startLine());
    EXPECT_EQ(s.state.comState.kingDistance, 0);
    EXPECT_EQ(s.state.comState.bestScore, -99999);
}

TEST(EngineCom, LevelFourLooksAheadListsItsRootMovesAndHints) {
    Session s;
    ASSERT_EQ(s.send("setoption level 4").back(), "ok");
    s.send("position " + startLine());
    const auto go = s.send("go");
    ASSERT_EQ(go.size(), 2u);
    EXPECT_EQ(go[0].rfind("bestmove ", 0), 0u) << go[0];
    const auto lines = s.send("candidates");
    EXPECT_EQ(lines[lines.size() - 2], go[0]) << "the same move, whatever the observer";
    EXPECT_EQ(lines.size(), 2u + 42u) << "one line per move of the Chinese army at the start";
    // The best move's score is exact; a move only shown to be no better is marked.
    const std::vector<std::string> best = words(go[0]);
    int bounds = 0;
    for (const std::string& l : lines) {
        const std::vector<std::string> w = words(l);
        if (w.size() == 8) ++bounds;
        if (w[0] == "eval" && std::equal(w.begin() + 1, w.begin() + 5, best.begin() + 1) &&
            w[5] == best[6]) {
            EXPECT_EQ(w.size(), 7u) << l;
            EXPECT_EQ(w[6], best[8]);
        }
    }
    EXPECT_GT(bounds, 0);
    const auto hint = s.send("hint");
    ASSERT_EQ(hint.size(), 2u);
    EXPECT_EQ(hint[0].rfind("bestmove ", 0), 0u) << hint[0];
}

TEST(EngineCom, AnalyseScoresForTheShogiArmyWhicheverEndItStandsAt) {
    // The shogi army mates in one (the 金 or the 銀 steps in front of the 将).
    Position pos = testsupport::positionFrom(
        ". . . . v将 . . . v車\n"
        ". . . . . . . . .\n"
        ". . . ^銀 ^金 . . . .\n"
        ". . . . . . . . .\n. . . . . . . . .\n. . . . . . . . .\n"
        ". . . . . . . . .\n. . . . . . . . .\n. . . . ^王 . . . .\n");
    Session s;
    s.send("position " + lineOf(pos.board));
    EXPECT_EQ(s.send("analyse 20000 bottom")[0].rfind("analysis mate 3 best ", 0), 0u);
    flipPosition(pos);
    s.send("position " + lineOf(pos.board));
    const auto answer = s.send("analyse 20000");
    ASSERT_EQ(answer.size(), 2u);
    EXPECT_EQ(answer[0].rfind("analysis mate 3 best ", 0), 0u) << answer[0];
    EXPECT_EQ(answer[1], "ok");
    EXPECT_EQ(s.send("analyse 20000 top")[0], answer[0]);
    EXPECT_EQ(s.one("analyse -5"), "error usage: analyse [NODES] [top|bottom]");
}

}  // namespace
