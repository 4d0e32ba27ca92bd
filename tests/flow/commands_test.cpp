#include <gtest/gtest.h>

#include "support/gui/game_rig.h"
#include "support/gui/pixels.h"

using platform::Buttons;
using settings::Sound;
using testsupport::GameRig;

namespace {

class CommandsTest : public ::testing::Test {
  protected:
    CommandsTest() {
        rig.game->Form_Load();
        rig.sound.calls.clear();
    }
    std::vector<std::int64_t> played() const { return rig.sound.argsOf("dsPlay"); }
    GameRig rig;
};

TEST_F(CommandsTest, APressBeforeAnyGameIsRefused) {
    rig.dialogs.expect("「対局」で始めて下さい", "開始");
    rig.game->Form_MouseDown(flow::kLeftButton, 1050 + 495 * 5 + 10, 1860 + 615 * 7 + 10);
    EXPECT_EQ(played(), std::vector<std::int64_t>{GameRig::idOf(Sound::禁止)});
}

TEST_F(CommandsTest, GameBetweenHumansStartsWithTheShogiArmy) {
    rig.dialogs.expect("先手の番です", " ");
    rig.game->MATCH_MAN_Click();
    const flow::GameState& s = rig.game->state();
    EXPECT_EQ(s.sideToMove, rules::SENTE);
    EXPECT_EQ(s.gameMode, flow::GameMode::TwoHumans);
    EXPECT_FALSE(s.resumePending);
    EXPECT_TRUE(rig.timer.on) << "経過時間 is ticked on a first run";
    EXPECT_EQ(rig.game->clocks().times().turnStart, rig.clock.now);
}

TEST_F(CommandsTest, GameAgainstTheComputerHandsTheFirstMoveToTheHuman) {
    rig.game->optionMenu()
        .KEIKA_Click();  // the clock runs against the computer whatever 経過時間 says
    ASSERT_FALSE(rig.timer.on);
    rig.dialogs.expect("MANの番です", " ");
    rig.game->START2_Click();
    const flow::GameState& s = rig.game->state();
    EXPECT_EQ(s.gameMode, flow::GameMode::AgainstComputer);
    EXPECT_EQ(s.sideToMove, rig.game->position().bottomSide);
    EXPECT_TRUE(rig.timer.on);
    EXPECT_EQ(rig.game->moves().lastMove, 0);

    // Back to the start position: no game, the shogi clack, the timer stopped.
    rig.game->CANCEL_Click();
    EXPECT_EQ(rig.game->state().sideToMove, 0);
    EXPECT_EQ(rig.game->state().gameMode, flow::GameMode::TwoHumans);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(played(), std::vector<std::int64_t>{GameRig::idOf(Sound::駒打音)});
}

TEST_F(CommandsTest, LevelChoiceTicksOneItemAndShowsOnlyInAComputerGame) {
    view::Screen& screen = rig.game->screen();
    const auto levelInk = [&] {
        const settings::Options& o = rig.game->options();
        return testsupport::countColour(rig.canvas, screen.x(o.levelColumn), screen.y(o.levelRow),
                                        screen.x(o.levelColumn + 3), screen.y(o.levelRow + 1), 15);
    };
    rig.game->opponent().LEVEL1_Click();
    EXPECT_EQ(rig.game->state().comLevel, 1);
    EXPECT_EQ(rig.game->state().checkedLevel, 1);
    EXPECT_EQ(levelInk(), 0);

    rig.dialogs.expect("MANの番です", " ");
    rig.game->START2_Click();
    const int shown = levelInk();
    EXPECT_GT(shown, 0);
    rig.game->opponent().LEVEL2_Click();
    EXPECT_EQ(rig.game->state().comLevel, 2);
    EXPECT_EQ(rig.game->state().checkedLevel, 2);
    EXPECT_GT(levelInk(), 0);

    // The next run starts at the level picked.
    rig.game = rig.makeGame();
    rig.game->Form_Load();
    EXPECT_EQ(rig.game->state().comLevel, 2);
    EXPECT_EQ(rig.game->state().checkedLevel, 2);
}

TEST_F(CommandsTest, OptionItemsToggleTheirMarksAndRewriteTheFile) {
    rig.game->optionMenu().SIDOU_Click();
    EXPECT_TRUE(rig.game->options().guidance);
    EXPECT_EQ(rig.game->options().guidanceColour, 15);
    rig.game->optionMenu().SIDOU_Click();
    EXPECT_FALSE(rig.game->options().guidance);
    EXPECT_EQ(rig.game->options().guidanceColour, 2);

    rig.game->optionMenu().BGM_Click();  // ticked on a first run: switches the music off
    EXPECT_FALSE(rig.game->options().music);
    rig.game->optionMenu().BGM_Click();
    EXPECT_TRUE(rig.game->options().music);
    EXPECT_EQ(rig.sound.argsOf("dsStop"), std::vector<std::int64_t>{GameRig::idOf(Sound::BGM)});
    EXPECT_EQ(rig.sound.argsOf("dsPlayLooping"),
              std::vector<std::int64_t>{GameRig::idOf(Sound::BGM)});

    rig.game->optionMenu().CHESS_MOCHIKOMA_Click();
    EXPECT_TRUE(rig.game->options().chineseDrops);
    EXPECT_EQ(rig.game->options().boardTop, 1860);
    EXPECT_EQ(rig.frame.heightTwips, 11500);
    EXPECT_EQ(rig.frame.movesToTop, 1);
    rig.game->optionMenu().CHESS_MOCHIKOMA_Click();
    EXPECT_FALSE(rig.game->options().chineseDrops);
    EXPECT_EQ(rig.game->options().boardTop, 700);
    EXPECT_EQ(rig.frame.heightTwips, 8500);
    EXPECT_EQ(rig.frame.movesToTop, 1);
    // The board moved up with the layout.
    view::Screen& screen = rig.game->screen();
    EXPECT_TRUE(testsupport::showsPicture(rig.canvas, screen.x(5), screen.y(9),
                                          screen.pictures()[view::Picture::SITA_OU]));
}

TEST_F(CommandsTest, AboutBoxChimesFirst) {
    rig.dialogs.expect(
        "KZ ソラワ  Version 1.0    [2/2000]\r\rKZ ソラワ 制作室\r\rHome page\r"
        "https://kzsorawa.example.jp/\r\re-mail\rkzsorawa@example.jp",
        "KZ ソラワ");
    rig.game->optionMenu().VER_Click();
    EXPECT_EQ(played(), std::vector<std::int64_t>{GameRig::idOf(Sound::その他)});
}

TEST_F(CommandsTest, OpeningAMenuChangesNothingOnTheBoard) {
    const rules::Position before = rig.game->position();
    rig.game->TAIKYOKU_Click();
    rig.game->STOP_Click();
    rig.game->optionMenu().OPTION_Click();
    EXPECT_EQ(rig.game->position().board, before.board);
    EXPECT_EQ(rig.game->state().sideToMove, 0);
    EXPECT_TRUE(rig.sound.calls.empty());
}

}  // namespace
