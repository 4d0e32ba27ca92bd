// The computer player alone: a request is answered once with what the computer's single entry
// point chooses, on the request's own copy of the position, and a request cancelled before its
// answer comes is never heard.
#include <gtest/gtest.h>

#include <vector>

#include "com/choose_move.h"
#include "flow/computer_player.h"
#include "rules/setup.h"
#include "support/gui/game_rig.h"

namespace {

struct Heard : flow::MoveListener {
    std::vector<flow::MoveAnswer> answers;
    flow::ComputerPlayer* cancelWhileThinking = nullptr;
    void thinking() override {
        if (cancelWhileThinking != nullptr) cancelWhileThinking->cancel();
    }
    void moveChosen(const flow::MoveAnswer& answer) override { answers.push_back(answer); }
};

class ComputerPlayerAlone : public ::testing::Test {
  protected:
    ComputerPlayerAlone() {
        position.bottomSide = rules::SENTE;
        position.topSide = rules::GOTE;
        rules::layOutStartPosition(position);
        request.position = position;
        request.side = position.topSide;
        request.settings.comLevel = 2;
    }

    testsupport::GameRig rig;
    settings::Options options;
    rules::Position position;
    view::Screen screen{rig.canvas, rig.clock, position, options};
    flow::ComputerPlayer player{screen, rig.canvas, rig.dialogs, options};
    flow::MoveRequest request;
    Heard heard;
};

TEST_F(ComputerPlayerAlone, AnswersOnceWithTheComputersChoice) {
    const com::Choice expected =
        com::chooseMoveForSide(position, position.topSide, request.settings);
    ASSERT_TRUE(expected.found);

    // A look aside leaves the player's map alone; its own turn keeps what it surveyed.
    const int first = player.ask(request, heard);
    EXPECT_EQ(player.influenceMap(), com::InfluenceMap{});
    request.ownTurn = true;
    const int second = player.ask(request, heard);
    EXPECT_NE(player.influenceMap(), com::InfluenceMap{});

    ASSERT_EQ(heard.answers.size(), 2u);
    for (const flow::MoveAnswer& a : heard.answers) {
        EXPECT_TRUE(a.found);
        EXPECT_EQ(a.move, expected.move);
        EXPECT_DOUBLE_EQ(a.score, expected.score);
    }
    EXPECT_EQ(heard.answers[0].generation, first);
    EXPECT_EQ(heard.answers[1].generation, second);
    EXPECT_NE(first, second);
}

TEST_F(ComputerPlayerAlone, ACancelledRequestIsNeverAnswered) {
    request.ownTurn = true;  // the computer's own turn reports while it thinks
    heard.cancelWhileThinking = &player;
    player.ask(request, heard);
    EXPECT_TRUE(heard.answers.empty());

    heard.cancelWhileThinking = nullptr;
    player.ask(request, heard);
    EXPECT_EQ(heard.answers.size(), 1u) << "a new request is heard again";
}

}  // namespace
