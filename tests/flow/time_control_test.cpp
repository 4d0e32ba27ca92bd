// Games played to a time control, through the controller with the fake day clock: the flag
// falling on either army ends the game, a message box's wait is no one's time, and a takeback
// against the computer brings back the clocks of the entry it returns to.
#include "computer_rig.h"
#include "support/gui/pixels.h"

namespace {

using record::TimeControlKind;
using settings::Sound;

class TimedGame : public testsupport::ComputerGameTest {
  protected:
    void think(double seconds) {
        rig.clock.now += seconds;
        game().Timer1_Timer();
    }
    const record::ArmyTime& timeOf(bool bottom) { return game().clocks().timeOf(bottom); }
    int bottomClockInk(int colour) {
        return testsupport::countColour(rig.canvas, screen().x(13), screen().y(10), screen().x(16),
                                        screen().y(11), colour);
    }
};

TEST_F(TimedGame, TheFlagFallsOnEitherArmyWithTicksBeforeAndTheGameEnds) {
    const struct {
        bool topLoses;
        const char* winner;
    } rows[] = {{false, "後手"}, {true, "先手"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.winner);
        game().optionMenu().setTimeControl({TimeControlKind::SuddenDeath, 60});
        startGame();
        if (r.topLoses) move(7, 7, 7, 6);
        think(49.5);
        heard();
        think(0.5);
        EXPECT_EQ(heard(), std::vector<Sound>{Sound::ClockTick}) << "ten seconds left";
        think(9);
        EXPECT_EQ(heard(), std::vector<Sound>{Sound::ClockTick});
        EXPECT_EQ(timeOf(!r.topLoses).countdown(), 1);

        rig.dialogs.expect(std::string(r.winner) + "の勝ちです", "時間切れ");
        rig.dialogs.expect("続けますか？", "再ゲーム", platform::Buttons::YesNo,
                           platform::Answer::Yes);
        think(1);
        rig.dialogs.verify();
        EXPECT_EQ(heard(), std::vector<Sound>{Sound::TimeUp});
        EXPECT_EQ(state().sideToMove, 0) << "a new game is set up";
    }
}

TEST_F(TimedGame, AMessageBoxWaitingCountsAgainstNoOne) {
    game().optionMenu().setTimeControl({TimeControlKind::SuddenDeath, 60});
    rig.dialogs.whileOpen = [this] { rig.clock.now += 30; };
    startGame();  // the player takes half a minute to close the turn's announcement
    think(1);
    EXPECT_DOUBLE_EQ(timeOf(true).face().seconds, 59);
}

TEST_F(TimedGame, TheTimeControlDialogOpenCountsAgainstNoOneAndTheGameKeepsItsControl) {
    const record::TimeControl played{TimeControlKind::SuddenDeath, 60};
    const record::TimeControl next{TimeControlKind::Byoyomi, 0, 10};
    game().optionMenu().setTimeControl(played);
    startGame();
    think(1);
    game().optionMenu().TIME_CONTROL_Click([&](const record::TimeControl& current) {
        EXPECT_EQ(current, played);
        rig.clock.now += 30;  // the player thinks it over with the dialog open
        return std::optional(next);
    });
    think(1);
    EXPECT_DOUBLE_EQ(timeOf(true).face().seconds, 58);
    EXPECT_EQ(timeOf(true).control(), played);
    EXPECT_EQ(game().options().timeControl, next) << "for the games to come";
}

TEST_F(TimedGame, ATakebackRestoresTheClocksAndTheHumanLosesOnTimeInByoyomi) {
    game().optionMenu().setTimeControl({TimeControlKind::Byoyomi, 60, 10});
    startAgainstComputer();
    think(20);
    move(7, 7, 7, 6);  // the computer answers at once
    ASSERT_EQ(game().moves().currentMove, 2);
    think(30);
    EXPECT_DOUBLE_EQ(timeOf(true).face().seconds, 10);

    game().REPLAY_Click();
    EXPECT_DOUBLE_EQ(timeOf(true).face().seconds, 40) << "as the human's move left it";
    game().REPLAY_Click();
    EXPECT_DOUBLE_EQ(timeOf(true).face().seconds, 60);
    EXPECT_DOUBLE_EQ(timeOf(false).face().seconds, 60);

    rig.dialogs.expect("MANの番です", "対局");
    press(7, 7);
    think(65.5);
    EXPECT_TRUE(timeOf(true).face().byoyomi);
    EXPECT_GT(bottomClockInk(platform::palette::kYellow), 0) << "byoyomi in its own colour";
    rig.dialogs.expect("ｺﾝﾋﾟｭｰﾀの勝ちです", "時間切れ");
    rig.dialogs.expect("続けますか？", "再ゲーム", platform::Buttons::YesNo, platform::Answer::Yes);
    think(4.5);
    rig.dialogs.verify();
    game()
        .clipboard()
        .COPY_RECORD_Click();  // the game is over, and its record is still the one played
    EXPECT_NE(rig.clipboard.held.find("後手：COM"), std::string::npos) << rig.clipboard.held;
    EXPECT_NE(rig.clipboard.held.find("持ち時間：1分+10秒"), std::string::npos);
    EXPECT_NE(rig.clipboard.held.find("手で時間切れにより後手の勝ち\n"), std::string::npos);
}

TEST_F(TimedGame, TheComputersFlagFallsWhileItThinksOnTheWorkerThread) {
    game().optionMenu().setTimeControl({TimeControlKind::SuddenDeath, 60});
    game().opponent().LEVEL4_Click();
    startAgainstComputer();
    move(7, 7, 7, 6);
    ASSERT_TRUE(game().opponent().computer().searching());
    rig.dialogs.expect("あなたの勝ちです", "時間切れ");
    rig.dialogs.expect("続けますか？", "再ゲーム", platform::Buttons::YesNo, platform::Answer::Yes);
    think(61);
    rig.dialogs.verify();
    EXPECT_FALSE(game().opponent().computer().searching());
    rig.gui.deliver();
    EXPECT_EQ(state().sideToMove, 0) << "no answer is played on the new game";
}

}  // namespace
