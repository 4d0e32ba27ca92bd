#include <gtest/gtest.h>

#include <filesystem>

#include "support/gui/game_rig.h"
#include "support/gui/pixels.h"

using settings::Sound;
using testsupport::GameRig;
using view::Picture;

namespace {

class OptionsTest : public ::testing::Test {
  protected:
    // Starts the game on a settings file of these lines, or on a first run without lines.
    void load(const std::vector<std::string>& lines = {}) {
        if (!lines.empty()) rig.folder.write("KZソラワ.ini", testsupport::settingsFileBytes(lines));
        rig.game->Form_Load();
        rig.sound.calls.clear();
    }

    std::filesystem::path settingsPath() const { return rig.folder.path() / "KZソラワ.ini"; }
    // The settings file's lines, decoded.
    std::vector<std::string> fileLines() const { return rig.folder.lines("KZソラワ.ini"); }

    flow::Game& game() { return *rig.game; }
    const settings::Options& options() { return rig.game->options(); }
    view::Screen& screen() { return rig.game->screen(); }
    bool shows(double c, double r, Picture p) {
        return testsupport::showsPicture(rig.canvas, screen().x(c), screen().y(r),
                                         screen().pictures()[p]);
    }
    bool outlined(int c, int r, int colour) {
        return testsupport::outlinedIn(rig.canvas, screen().x(c), screen().y(r), colour);
    }

    GameRig rig;
};

const std::vector<std::string> kDefaults = {
    "背景画=緑", "移動指導=OFF", "経過時間=ON", "中国将棋側持駒OK=OFF", "BGM=ON", "棋譜一覧=ON"};

struct BackgroundItem {
    void (flow::OptionMenu::*click)();
    int code;
    Picture tile;
    const char* line;
};

class BackgroundItemTest : public OptionsTest,
                           public ::testing::WithParamInterface<BackgroundItem> {};

TEST_P(BackgroundItemTest, PaintsItsTilesAroundTheBoardAndIsWrittenFirst) {
    load({"背景画=宇宙", "移動指導=OFF", "経過時間=ON", "中国将棋側持駒OK=ON", "BGM=OFF"});
    const BackgroundItem& item = GetParam();
    (game().optionMenu().*item.click)();
    EXPECT_EQ(options().checkedBackground, item.code);
    EXPECT_EQ(options().background, item.code);
    for (auto [c, r] : {std::pair{0, 5}, {12, 8}, {4, 10}, {-2, -2}})
        EXPECT_TRUE(shows(c, r, item.tile)) << c << "," << r;
    EXPECT_TRUE(shows(5, 9, Picture::SITA_OU)) << "the tiles never cover the board";
    EXPECT_EQ(fileLines(),
              (std::vector<std::string>{item.line, "移動指導=OFF", "経過時間=ON",
                                        "中国将棋側持駒OK=ON", "BGM=OFF", "棋譜一覧=OFF"}));
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, BackgroundItemTest,
    ::testing::Values(BackgroundItem{&flow::OptionMenu::MIDORI_Click, settings::kMidori,
                                     Picture::HAIKEI_MIDORI, "背景画=緑"},
                      BackgroundItem{&flow::OptionMenu::TATAMI_Click, settings::kTatami,
                                     Picture::HAIKEI_TATAMI, "背景画=畳"},
                      BackgroundItem{&flow::OptionMenu::TAKE_Click, settings::kTake,
                                     Picture::HAIKEI_TAKE, "背景画=竹"},
                      BackgroundItem{&flow::OptionMenu::UCHU_Click, settings::kUchu,
                                     Picture::HAIKEI_UCHU, "背景画=宇宙"},
                      BackgroundItem{&flow::OptionMenu::RENGA_Click, settings::kRenga,
                                     Picture::HAIKEI_RENGA, "背景画=煉瓦"}));

TEST_F(OptionsTest, TheTickedBackgroundClickedAgainStaysButIsRewrittenAndRedrawn) {
    load();
    std::filesystem::remove(settingsPath());
    rig.canvas.fill(13, screen().x(0), screen().y(5), 495, 615);
    game().optionMenu().MIDORI_Click();
    EXPECT_EQ(options().background, settings::kMidori);
    EXPECT_TRUE(shows(0, 5, Picture::HAIKEI_MIDORI));
    EXPECT_EQ(fileLines(), kDefaults);
}

TEST_F(OptionsTest, SwitchingGuidanceOffWipesEveryMark) {
    load();
    game().optionMenu().SIDOU_Click();
    EXPECT_TRUE(options().guidance);
    EXPECT_EQ(options().guidanceColour, 15);
    EXPECT_EQ(fileLines()[1], "移動指導=ON");

    // The king's reach marked on the board, and marks left on both stands.
    screen().描画_移動可能桝色(5, 9, options().guidanceColour, rules::自王);
    ASSERT_TRUE(outlined(5, 8, 15));
    for (int r = 1; r <= 7; ++r) screen().描画_桝輪郭(15, -1, r);
    for (int r = 3; r <= 9; ++r) screen().描画_桝輪郭(15, 11, r);

    game().optionMenu().SIDOU_Click();
    EXPECT_FALSE(options().guidance);
    EXPECT_EQ(options().guidanceColour, 2);
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) EXPECT_TRUE(outlined(c, r, 2)) << c << "," << r;
    for (int r = 1; r <= 7; ++r) EXPECT_TRUE(outlined(-1, r, 2)) << "-1," << r;
    for (int r = 3; r <= 9; ++r) EXPECT_TRUE(outlined(11, r, 2)) << "11," << r;
    EXPECT_EQ(fileLines()[1], "移動指導=OFF");
}

TEST_F(OptionsTest, ElapsedTimeStopsAndStartsTheClockTimer) {
    load();
    rig.timer.on = true;
    game().optionMenu().KEIKA_Click();
    EXPECT_FALSE(options().elapsedTime);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(fileLines()[2], "経過時間=OFF");
    game().optionMenu().KEIKA_Click();
    EXPECT_TRUE(options().elapsedTime);
    EXPECT_FALSE(rig.timer.on) << "no game, no clock";
    EXPECT_EQ(fileLines()[2], "経過時間=ON");
}

TEST_F(OptionsTest, ChineseDropsRelayTheWindowAndMoveTheBoard) {
    load({"背景画=竹", "移動指導=OFF", "経過時間=ON", "中国将棋側持駒OK=OFF", "BGM=OFF"});
    ASSERT_EQ(options().boardTop, 700);
    ASSERT_EQ(rig.frame.heightTwips, 8500);

    game().optionMenu().CHESS_MOCHIKOMA_Click();
    EXPECT_TRUE(options().chineseDrops);
    EXPECT_EQ(rig.frame.heightTwips, 11500);
    EXPECT_EQ(rig.frame.movesToTop, 1);
    EXPECT_EQ(screen().y(9), 1860 + 615 * 9);
    EXPECT_TRUE(shows(5, 9, Picture::SITA_OU));
    EXPECT_TRUE(shows(5, 1, Picture::B_KING));
    EXPECT_TRUE(shows(-1, -3, Picture::KARA_MASU)) << "the top army's stand makes its room";
    EXPECT_EQ(fileLines()[3], "中国将棋側持駒OK=ON");

    game().optionMenu().CHESS_MOCHIKOMA_Click();
    EXPECT_FALSE(options().chineseDrops);
    EXPECT_EQ(rig.frame.heightTwips, 8500);
    EXPECT_EQ(rig.frame.movesToTop, 1) << "only switching on moves the window";
    EXPECT_EQ(screen().y(9), 700 + 615 * 9);
    EXPECT_TRUE(shows(5, 9, Picture::SITA_OU));
    EXPECT_TRUE(shows(-1, 5, Picture::HAIKEI_TAKE)) << "no top stand without Chinese drops";
    EXPECT_EQ(fileLines()[3], "中国将棋側持駒OK=OFF");
}

TEST_F(OptionsTest, ASecondStartReadsTheFileTheFirstOneWrote) {
    // The first run lays the board out for drops off, as the file it writes says ...
    load();
    EXPECT_EQ(options().boardTop, 700);
    EXPECT_EQ(rig.frame.heightTwips, 8500);
    EXPECT_TRUE(rig.sound.argsOf("dsPlayLooping").empty());

    // ... and so does the next start, which also starts the music.
    GameRig again;
    again.folder.write("KZソラワ.ini", testsupport::settingsFileBytes(fileLines()));
    again.game->Form_Load();
    EXPECT_EQ(again.game->options().boardTop, 700);
    EXPECT_EQ(again.frame.heightTwips, 8500);
    EXPECT_EQ(again.sound.argsOf("dsPlayLooping"),
              std::vector<std::int64_t>{GameRig::idOf(Sound::BGM)});
}

TEST_F(OptionsTest, OptionsChosenInOneRunAreThereInTheNext) {
    load();
    game().optionMenu().UCHU_Click();
    game().optionMenu().SIDOU_Click();
    game().optionMenu().KEIKA_Click();
    game().optionMenu().CHESS_MOCHIKOMA_Click();
    game().optionMenu().BGM_Click();
    EXPECT_EQ(rig.sound.argsOf("dsStop"), std::vector<std::int64_t>{GameRig::idOf(Sound::BGM)});
    EXPECT_EQ(fileLines(),
              (std::vector<std::string>{"背景画=宇宙", "移動指導=ON", "経過時間=OFF",
                                        "中国将棋側持駒OK=ON", "BGM=OFF", "棋譜一覧=ON"}));

    // A new game in the same folder, on a fresh canvas and a fresh sound library.
    platform::Canvas canvas(15600, 12000);
    testsupport::FakeSoundLibrary sound;
    testsupport::FakeFrame frame;
    flow::Game next(flow::Boundaries{canvas, rig.dialogs, rig.clock, rig.timer, sound, frame,
                                     rig.folder.path().string()});
    next.Form_Load();
    const settings::Options& o = next.options();
    EXPECT_EQ(o.checkedBackground, settings::kUchu);
    EXPECT_EQ(o.background, settings::kUchu);
    EXPECT_TRUE(o.guidance);
    EXPECT_EQ(o.guidanceColour, 15);
    EXPECT_FALSE(o.elapsedTime);
    EXPECT_TRUE(o.chineseDrops);
    EXPECT_FALSE(o.music);
    EXPECT_TRUE(sound.argsOf("dsPlayLooping").empty());
    EXPECT_EQ(frame.heightTwips, 11500);
    view::Screen& s = next.screen();
    EXPECT_TRUE(
        testsupport::showsPicture(canvas, s.x(0), s.y(5), s.pictures()[Picture::HAIKEI_UCHU]));
    EXPECT_TRUE(
        testsupport::showsPicture(canvas, s.x(-1), s.y(-3), s.pictures()[Picture::KARA_MASU]));
    EXPECT_TRUE(testsupport::showsPicture(canvas, s.x(5), s.y(9), s.pictures()[Picture::SITA_OU]));
}

}  // namespace
