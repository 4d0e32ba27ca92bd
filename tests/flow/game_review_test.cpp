// The review off the GUI thread: results come back only as delivered messages, a stop is at once
// and silences the run it stopped, and the review goes on where it was stopped.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "com/choose_move.h"
#include "flow/game_review.h"
#include "rules/make_move.h"
#include "rules/setup.h"
#include "support/fake_gui_thread.h"

namespace {

using namespace std::chrono_literals;

struct Heard : flow::ReviewListener {
    int progress = 0;
    int ended = 0;
    bool complete = false;
    void reviewProgress(int, int) override { ++progress; }
    void reviewEnded(bool c) override {
        ++ended;
        complete = c;
    }
};

// The start and a few plies of level 3 for both armies.
std::vector<rules::Position> shortGame() {
    rules::Position pos;
    rules::layOutStartPosition(pos);
    rules::調査_先手後手(pos);
    std::vector<rules::Position> game{pos};
    for (int n = 0; n < 5; ++n) {
        const com::Choice c =
            com::chooseMoveForSide(pos, com::moverOfPosition(n), com::SearchSettings{});
        rules::駒移動(pos, c.move.fromX, c.move.fromY, c.move.toX, c.move.toY, c.move.after);
        game.push_back(pos);
    }
    return game;
}

constexpr long kNodes = 3000;

// Delivers messages until the review has ended.
void untilEnded(testsupport::FakeGuiThread& gui, const Heard& heard) {
    for (int i = 0; i < 20000 && heard.ended == 0; ++i) {
        if (gui.deliver() == 0) std::this_thread::sleep_for(1ms);
    }
}

TEST(GameReview, ResultsArriveAsMessagesAndAStoppedReviewGoesOnWhereItWas) {
    const std::vector<rules::Position> game = shortGame();
    std::vector<com::EntryAnalysis> expected;
    com::ReviewSettings direct;
    direct.nodes = kNodes;
    ASSERT_TRUE(com::reviewGame(game, expected, direct));

    testsupport::FakeGuiThread gui;
    Heard heard;
    flow::GameReview review(gui, heard);
    review.start(game, false, kNodes);
    EXPECT_TRUE(review.running());
    std::this_thread::sleep_for(5ms);
    review.stop();
    EXPECT_FALSE(review.running());
    gui.deliver();
    EXPECT_EQ(heard.progress + heard.ended, 0) << "a stopped run's messages go unheard";

    review.start(game, false, kNodes);
    untilEnded(gui, heard);
    EXPECT_TRUE(heard.complete);
    EXPECT_FALSE(review.running());
    EXPECT_EQ(review.results(), expected);

    review.clear();
    EXPECT_TRUE(review.results().empty());
}

TEST(GameReview, EndsCleanlyWhenItGoesWhileItRuns) {
    testsupport::FakeGuiThread gui;
    Heard heard;
    auto review = std::make_unique<flow::GameReview>(gui, heard);
    review->start(shortGame(), false, kNodes);
    std::this_thread::sleep_for(5ms);
    review.reset();  // the window closes: the worker is stopped and waited for
    gui.deliver();
    EXPECT_EQ(heard.progress + heard.ended, 0);
}

}  // namespace
