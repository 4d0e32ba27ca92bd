#include <gtest/gtest.h>

#include "rules/setup.h"
#include "support/gui/game_rig.h"
#include "support/gui/pixels.h"

using namespace rules;
using settings::Sound;
using testsupport::GameRig;
using testsupport::outlinedIn;
using testsupport::showsPicture;
using view::Picture;

namespace {

TEST(StartUp, FirstRunLoadsSoundsLaysOutTheBoardAndWritesTheDefaultSettings) {
    GameRig rig;
    rig.game->Form_Load();
    const auto& calls = rig.sound.calls;
    ASSERT_GE(calls.size(), 7u);
    EXPECT_EQ(calls[0].name, "dsInitialize");
    EXPECT_EQ(calls[0].arg, testsupport::FakeFrame::kHandle);
    EXPECT_EQ(rig.sound.argsOf("dsCreateDSB").size(), 6u);
    EXPECT_TRUE(rig.sound.argsOf("dsPlayLooping").empty()) << "no music until the next start";

    const auto& s = rig.game->state();
    EXPECT_EQ(s.sideToMove, 0);
    EXPECT_EQ(s.gameMode, flow::GameMode::TwoHumans);
    EXPECT_EQ(s.comLevel, 3);
    EXPECT_EQ(s.checkedLevel, 3);
    EXPECT_FALSE(rig.timer.on);
    const Position& pos = rig.game->position();
    EXPECT_EQ(pos.bottomSide, SENTE);
    EXPECT_EQ(pos.topSide, GOTE);
    Position start;
    layOutStartPosition(start);
    EXPECT_EQ(pos.board, start.board);
    EXPECT_EQ(rig.game->moves()[0].boardAt, start.board);
    EXPECT_EQ(rig.game->moves().currentMove, 0);

    const settings::Options& o = rig.game->options();
    EXPECT_EQ(o.background, settings::kMidori);
    EXPECT_EQ(o.checkedBackground, settings::kMidori);
    EXPECT_TRUE(o.elapsedTime);
    EXPECT_TRUE(o.music);
    EXPECT_FALSE(o.chineseDrops);
    EXPECT_FALSE(o.guidance);
    EXPECT_EQ(o.boardTop, 700);  // no room above the board: drops are off
    EXPECT_EQ(rig.frame.heightTwips, 8500);
    EXPECT_EQ(rig.frame.widthTwips, 9600);
    // The window's own green shows where no picture reaches.
    const int bottom = rig.canvas.image().height() - 1;
    EXPECT_EQ(rig.canvas.image().pixel(5, bottom), platform::Canvas::paletteColour(2).rgb());
    EXPECT_EQ(rig.folder.lines("KZソラワ.ini"),
              (std::vector<std::string>{"背景画=緑", "移動指導=OFF", "経過時間=ON",
                                        "中国将棋側持駒OK=OFF", "BGM=ON", "棋譜一覧=ON"}));
}

TEST(StartUp, ASettingsFileDecidesLayoutMusicAndBackground) {
    GameRig rig;
    rig.folder.write("KZソラワ.ini",
                     testsupport::settingsFileBytes({"背景画=煉瓦", "移動指導=ON", "経過時間=OFF",
                                                     "中国将棋側持駒OK=OFF", "BGM=ON"}));
    rig.frame.isMaximized = true;
    rig.game->Form_Load();
    const settings::Options& o = rig.game->options();
    EXPECT_EQ(o.background, settings::kRenga);
    EXPECT_EQ(o.boardTop, 700);
    EXPECT_EQ(o.guidanceColour, 15);
    EXPECT_EQ(rig.frame.heightTwips, 8500);
    EXPECT_EQ(rig.frame.widthTwips, 0) << "a maximised window keeps its width";
    EXPECT_EQ(rig.sound.argsOf("dsPlayLooping"),
              std::vector<std::int64_t>{GameRig::idOf(Sound::BGM)});

    // The board is drawn at its new place, on top of a brick background.
    view::Screen& screen = rig.game->screen();
    EXPECT_TRUE(
        showsPicture(rig.canvas, screen.x(5), screen.y(9), screen.pictures()[Picture::SITA_OU]));
    EXPECT_EQ(screen.y(1), 700 + 615);
    EXPECT_TRUE(showsPicture(rig.canvas, screen.x(-2), screen.y(3),
                             screen.pictures()[Picture::HAIKEI_RENGA]));
}

TEST(FullRedraw, EverySquareShowsItsPictureAndOutlineAndTheTitleSitsAboveTheBoard) {
    GameRig rig;
    rig.folder.write("KZソラワ.ini",
                     testsupport::settingsFileBytes({"背景画=竹", "移動指導=OFF", "経過時間=OFF",
                                                     "中国将棋側持駒OK=ON", "BGM=OFF"}));
    rig.game->Form_Load();
    rig.canvas.fill(13, 0, 0, 15600, 12000);
    rig.game->画面_再描画();

    view::Screen& screen = rig.game->screen();
    const Position& pos = rig.game->position();
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            Picture p;
            if (!view::pictureOfShogiCode(pos.board(c, r), p)) {
                // The Chinese army, at the top, shows its own colours.
                ASSERT_TRUE(view::pictureOfChineseCode(pos.board(c, r), p));
                EXPECT_GE(p, Picture::B_PORN);
                EXPECT_LE(p, Picture::B_KING);
            }
            std::string why;
            EXPECT_TRUE(
                showsPicture(rig.canvas, screen.x(c), screen.y(r), screen.pictures()[p], &why))
                << c << "," << r << ": " << why;
            EXPECT_TRUE(outlinedIn(rig.canvas, screen.x(c), screen.y(r), 2)) << c << "," << r;
        }
    }
    // Both stands are laid out with drops on, and the title sits above the right of the board.
    EXPECT_TRUE(showsPicture(rig.canvas, screen.x(11), screen.y(13),
                             screen.pictures()[Picture::KARA_MASU]));
    EXPECT_TRUE(showsPicture(rig.canvas, screen.x(-1), screen.y(-3),
                             screen.pictures()[Picture::KARA_MASU]));
    const QImage& title = screen.pictures()[Picture::KZSHOGI];
    const int tx = platform::Canvas::toPixel(screen.x(10.8));
    const int ty = platform::Canvas::toPixel(screen.y(-1));
    EXPECT_EQ(rig.canvas.image().copy(tx, ty, title.width(), title.height()), title);
    // Nothing of the window is left unpainted around the board (the tiles start one pixel down).
    EXPECT_EQ(testsupport::countColour(rig.canvas, 0, 15, 9600, 8000, 13), 0);
}

TEST(FullRedraw, SwitchingTheBackgroundKeepsThePieces) {
    GameRig rig;
    rig.game->Form_Load();
    rig.game->optionMenu().UCHU_Click();
    view::Screen& screen = rig.game->screen();
    EXPECT_EQ(rig.game->options().background, settings::kUchu);
    EXPECT_TRUE(
        showsPicture(rig.canvas, screen.x(5), screen.y(1), screen.pictures()[Picture::B_KING]));
    EXPECT_TRUE(showsPicture(rig.canvas, screen.x(0), screen.y(5),
                             screen.pictures()[Picture::HAIKEI_UCHU]));
    EXPECT_EQ(rig.folder.lines("KZソラワ.ini").at(0), "背景画=宇宙");
}

}  // namespace
