// 棋譜解析 through the controller: started and stopped from the menu, its results in the rows,
// dropped with the record they were found on.
#include <chrono>
#include <cmath>
#include <thread>

#include "computer_rig.h"
#include "record/entry_position.h"
#include "support/gui/pixels.h"

namespace {

class ReviewMenu : public testsupport::ComputerGameTest {
  protected:
    // Hears the workers until the review ends.
    void finish() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (game().recordView().analysing() && std::chrono::steady_clock::now() < end) {
            if (rig.gui.deliver() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ASSERT_FALSE(game().recordView().analysing());
    }
    // The best move of entry n as a review outside the game finds it.
    com::ComMove bestMoveOf(int n) {
        std::vector<com::EntryAnalysis> found;
        com::ReviewSettings settings;
        settings.nodes = testsupport::GameRig::kReviewNodes;
        com::reviewGame(record::positionsOf(game().moves(), game().moves().lastMove), found,
                        settings);
        return found[n].best;
    }
    // Pixels anywhere on the window in the better move's colour.
    int betterMoveInk() {
        return testsupport::countColour(rig.canvas, 0, 0, rig.canvas.widthTwips(),
                                        rig.canvas.heightTwips(), flow::kBetterMoveColour);
    }
};

TEST_F(ReviewMenu, StartsStopsAndFillsTheRowsOfThePlayedRecord) {
    playByHand({{3, 7, 3, 6}, {3, 4, 3, 5}, {3, 6, 3, 5}});
    game().recordView().KIFU_ANALYSE_Click();
    EXPECT_TRUE(game().recordView().analysing());
    EXPECT_EQ(game().recordView().analysisProgress().rfind("解析中 ", 0), 0u)
        << game().recordView().analysisProgress();
    game().recordView().KIFU_ANALYSE_Click();
    EXPECT_FALSE(game().recordView().analysing()) << "a second press stops it at once";
    EXPECT_EQ(game().recordView().analysisProgress(), "");

    game().recordView().KIFU_ANALYSE_Click();
    finish();
    const std::vector<flow::ReviewRow> rows = game().recordView().reviewRows();
    ASSERT_EQ(rows.size(), 4u);
    for (const flow::ReviewRow& r : rows) {
        EXPECT_TRUE(r.done);
        EXPECT_TRUE(r.score[0] == '+' || r.score[0] == '-') << r.score;
        EXPECT_LE(std::abs(r.graphScore), com::kMarkClip);
    }
}

TEST_F(ReviewMenu, ANewMoveDropsTheResultsAndANewGameStopsTheReview) {
    playByHand({{3, 7, 3, 6}, {3, 4, 3, 5}});
    game().recordView().KIFU_ANALYSE_Click();
    finish();
    ASSERT_EQ(game().recordView().reviewRows().size(), 3u);
    move(3, 6, 3, 5);
    EXPECT_TRUE(game().recordView().reviewRows().empty()) << "found on another record";

    game().recordView().KIFU_ANALYSE_Click();
    ASSERT_TRUE(game().recordView().analysing());
    startGame("後手の番です");  // the game goes on from the record
    EXPECT_FALSE(game().recordView().analysing());
    rig.gui.deliver();
    EXPECT_EQ(game().recordView().analysisProgress(), "")
        << "what the stopped workers posted goes unheard";
}

TEST_F(ReviewMenu, ThePositionBeforeAMarkedMoveOutlinesTheBetterMoveUntilPlayGoesOn) {
    // The 角's diagonal opens onto the 車 in the corner, and the 車 is left there.
    playByHand({{3, 7, 3, 6}, {5, 4, 5, 5}});
    game().recordView().KIFU_ANALYSE_Click();
    finish();
    ASSERT_EQ(game().recordView().reviewRows()[2].mark, com::MoveMark::Blunder);
    const com::ComMove better = bestMoveOf(1);

    EXPECT_EQ(betterMoveInk(), 0) << "the position after the blunder has none";
    game().REPLAY_Click();
    EXPECT_TRUE(outlined(better.fromX, better.fromY, flow::kBetterMoveColour));
    EXPECT_TRUE(outlined(better.toX, better.toY, flow::kBetterMoveColour));
    game().REPLAY_Click();
    EXPECT_EQ(betterMoveInk(), 0) << "stepped elsewhere";
    game().AFTER_Click();
    EXPECT_GT(betterMoveInk(), 0);
    rig.dialogs.expect("後手の番です", "対局");
    press(better.fromX, better.fromY);
    EXPECT_EQ(betterMoveInk(), 0) << "play goes on";
    game().recordView().KIFU_ANALYSE_Click();
    finish();
    EXPECT_EQ(betterMoveInk(), 0) << "nor does the review's news bring it back";
}

TEST_F(ReviewMenu, TheResultsAndTheBetterMoveFollowTheTurnedBoardAndThePieceSet) {
    playByHand({{3, 7, 3, 6}, {5, 4, 5, 5}});
    game().recordView().KIFU_ANALYSE_Click();
    finish();
    game().REPLAY_Click();
    const com::ComMove better = bestMoveOf(1);
    game().REVERSE_Click();
    heard();
    ASSERT_EQ(game().recordView().reviewRows().size(), 3u) << "the results stay";
    EXPECT_EQ(game().recordView().reviewRows()[2].mark, com::MoveMark::Blunder);
    EXPECT_TRUE(outlined(10 - better.fromX, 10 - better.fromY, flow::kBetterMoveColour));
    EXPECT_TRUE(outlined(10 - better.toX, 10 - better.toY, flow::kBetterMoveColour));
    // The board drawn again in the other piece set keeps it.
    game().optionMenu().INTERNATIONAL_PIECES_Click();
    EXPECT_TRUE(outlined(10 - better.toX, 10 - better.toY, flow::kBetterMoveColour));
}

}  // namespace
