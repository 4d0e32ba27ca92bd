#include <gtest/gtest.h>

#include "support/gui/game_rig.h"

using settings::Sound;
using testsupport::GameRig;

namespace {

// Each way out: the six sounds are freed in load order, the library is closed, and only then
// is the program asked to end, once.
class ShutdownTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        rig.game->Form_Load();
        rig.frame.onQuit = [this] { callsAtQuit = rig.sound.calls.size(); };
        rig.sound.calls.clear();
    }
    void expectOrderlyEnd() {
        std::vector<std::int64_t> freed;
        for (Sound s : {Sound::その他, Sound::禁止, Sound::駒打音, Sound::中国将棋打音, Sound::消滅,
                        Sound::BGM})
            freed.push_back(GameRig::idOf(s));
        EXPECT_EQ(rig.sound.argsOf("dsFree"), freed);
        EXPECT_EQ(rig.sound.argsOf("dsTerminate"),
                  std::vector<std::int64_t>{testsupport::FakeSoundLibrary::kHandle});
        EXPECT_EQ(rig.frame.quits, 1);
        EXPECT_EQ(callsAtQuit, rig.sound.calls.size()) << "quit asked before the sounds were freed";
        EXPECT_TRUE(rig.game->shutDown());
    }
    GameRig rig;
    std::size_t callsAtQuit = 0;
};

TEST_P(ShutdownTest, FreesTheSoundsThenQuitsOnce) {
    switch (GetParam()) {
        case 0:
            rig.game->OWARI_Click();
            break;
        case 1:
            rig.game->Form_KeyPress(flow::kEscapeKey);
            break;
        case 2:
            rig.game->Form_Unload();
            break;
    }
    // Closing the window after Esc or 終わり must not free anything twice.
    rig.game->Form_Unload();
    expectOrderlyEnd();
}

std::string wayName(const ::testing::TestParamInfo<int>& info) {
    static const char* const kNames[] = {"Owari", "Escape", "WindowClosed"};
    return kNames[info.param];
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, ShutdownTest, ::testing::Values(0, 1, 2), wayName);

TEST_F(ShutdownTest, OtherKeysAreIgnored) {
    for (int key : {13, 32, 113, 28}) rig.game->Form_KeyPress(key);
    EXPECT_TRUE(rig.sound.calls.empty());
    EXPECT_EQ(rig.frame.quits, 0);
}

TEST_F(ShutdownTest, NoToPlayingOnEndsTheProgramYesResets) {
    rig.dialogs.expect("MANの番です", " ");
    rig.game->START2_Click();
    EXPECT_EQ(rig.game->state().gameMode, flow::GameMode::AgainstComputer);
    rig.dialogs.expect("あなたの勝ちです", "終了");
    rig.dialogs.expect("続けますか？", "再ゲーム", platform::Buttons::YesNo, platform::Answer::Yes);
    rig.game->終了("あなた");
    EXPECT_EQ(rig.game->state().sideToMove, 0);
    EXPECT_EQ(rig.game->state().gameMode, flow::GameMode::TwoHumans);
    EXPECT_EQ(rig.frame.quits, 0);

    rig.dialogs.expect("先手の勝ちです", "終了");
    rig.dialogs.expect("続けますか？", "再ゲーム", platform::Buttons::YesNo, platform::Answer::No);
    rig.game->終了("先手");
    expectOrderlyEnd();
}

}  // namespace
