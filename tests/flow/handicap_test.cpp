#include <gtest/gtest.h>

#include "rules/handicap.h"
#include "rules/setup.h"
#include "support/diagram.h"
#include "support/gui/game_rig.h"
#include "support/gui/pixels.h"

using rules::Board;
using settings::Sound;
using testsupport::GameRig;
using view::Picture;

namespace {

constexpr const char* kTitle = "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定";

class HandicapTest : public ::testing::Test {
  protected:
    HandicapTest() {
        rig.game->Form_Load();
        rig.sound.calls.clear();
    }

    flow::Game& game() { return *rig.game; }
    const Board& board() { return rig.game->position().board; }
    const flow::GameState& state() { return rig.game->state(); }
    view::Screen& screen() { return rig.game->screen(); }

    void up(int times = 1) {
        for (int i = 0; i < times; ++i) game().handicapButtons().LBEL_UP_Click();
    }
    void down(int times = 1) {
        for (int i = 0; i < times; ++i) game().handicapButtons().LEBEL_DOWN_Click();
    }
    // Sounds played since the last call.
    std::vector<Sound> heard() {
        std::vector<Sound> out;
        for (const auto& c : rig.sound.calls)
            if (c.name == "dsPlay")
                out.push_back(static_cast<Sound>(c.arg - testsupport::FakeSoundLibrary::kFirstId));
        rig.sound.calls.clear();
        return out;
    }
    bool shows(int c, int r, Picture p) {
        return testsupport::showsPicture(rig.canvas, screen().x(c), screen().y(r),
                                         screen().pictures()[p]);
    }
    // White ink of the grade label, above the board on the right.
    int labelInk() {
        return testsupport::countColour(rig.canvas, screen().x(12), screen().y(0), screen().x(16),
                                        screen().y(1), 15);
    }
    // A move of the bottom 歩 in front of the king, in a game between two humans.
    void playOneMove() {
        rig.dialogs.expect("先手の番です", " ");
        game().MATCH_MAN_Click();
        const double x = 1050 + 495 * 5 + 200, top = rig.game->options().boardTop;
        game().Form_MouseDown(flow::kLeftButton, x, top + 615 * 7 + 300);
        game().Form_MouseDown(flow::kLeftButton, x, top + 615 * 6 + 300);
        ASSERT_EQ(rig.game->moves().currentMove, 1) << "the move was not made";
        rig.sound.calls.clear();
    }
    void expectRefusal(const char* reason) {
        rig.dialogs.expect(std::string(reason) + "\r\r局面→最初にして下さい", kTitle);
    }

    static Board start() {
        rules::Position p;
        rules::layOutStartPosition(p);
        return p.board;
    }

    GameRig rig;
};

TEST_F(HandicapTest, DownTwiceTakesBishopAndRookAndUpPutsThemBackOneSquareAtATime) {
    down();
    EXPECT_EQ(state().handicapGrade, -1);
    EXPECT_TRUE(state().handicapSet);
    EXPECT_EQ(board()(2, 8), rules::空);
    EXPECT_TRUE(shows(2, 8, Picture::KARA_MASU));
    EXPECT_TRUE(testsupport::outlinedIn(rig.canvas, screen().x(2), screen().y(8), 2));
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::消滅});
    EXPECT_GT(labelInk(), 0);

    down();
    EXPECT_EQ(board()(8, 8), rules::空);
    EXPECT_TRUE(shows(8, 8, Picture::KARA_MASU));

    up();
    EXPECT_EQ(board()(8, 8), rules::自飛);
    EXPECT_TRUE(shows(8, 8, Picture::SITA_SYA));
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::消滅, Sound::駒打音}));
    up();
    EXPECT_TRUE(shows(2, 8, Picture::SITA_KAKU));
    EXPECT_EQ(board(), start());
    EXPECT_EQ(state().handicapGrade, 0);
    EXPECT_GT(labelInk(), 0) << "２級 stays shown once a grade was chosen";
}

TEST_F(HandicapTest, UpTakesTheTopHorseAndDownPutsItBackWithTheChineseClack) {
    up();
    EXPECT_EQ(board()(2, 1), rules::空);
    EXPECT_TRUE(shows(2, 1, Picture::KARA_MASU));
    down();
    EXPECT_EQ(board()(2, 1), rules::敵馬);
    EXPECT_TRUE(shows(2, 1, Picture::B_KNIG));
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::消滅, Sound::中国将棋打音}));
}

TEST_F(HandicapTest, AtEitherLimitAPressChangesNothingYetCountsAsSet) {
    down(10);
    const Board 名人 = board();
    heard();
    const QImage before = rig.canvas.image();
    down();
    EXPECT_EQ(state().handicapGrade, -10);
    EXPECT_EQ(board(), 名人);
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(rig.canvas.image(), before) << "nothing is redrawn at the limit";

    up(17);
    EXPECT_EQ(state().handicapGrade, 7);
    EXPECT_EQ(board()(5, 1), rules::敵将) << "９級 keeps the top king";
    EXPECT_EQ(board()(6, 1), rules::空);
    EXPECT_TRUE(shows(5, 1, Picture::B_KING));
    heard();
    up();
    EXPECT_EQ(state().handicapGrade, 7);
    EXPECT_TRUE(heard().empty());
    down();
    EXPECT_EQ(board()(6, 1), rules::敵士);
    EXPECT_TRUE(shows(6, 1, Picture::B_SI));
}

TEST_F(HandicapTest, TheLabelShowsOnlyOnceAGradeWasChosenAndGoesWithTheReset) {
    EXPECT_EQ(labelInk(), 0);
    game().画面_再描画();
    EXPECT_EQ(labelInk(), 0);

    // A press at the limit still makes the label appear with the next full redraw.
    down(10);
    down();
    game().optionMenu().UCHU_Click();
    EXPECT_GT(labelInk(), 0);

    game().CANCEL_Click();
    EXPECT_FALSE(state().handicapSet);
    EXPECT_EQ(state().handicapGrade, 0);
    EXPECT_EQ(labelInk(), 0);
    EXPECT_EQ(board(), start());
}

TEST_F(HandicapTest, RefusedOnceAMoveWasMade) {
    playOneMove();
    const Board afterMove = board();
    expectRefusal("対局途中ではできません");
    up();
    expectRefusal("対局途中ではできません");
    down();
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::禁止, Sound::禁止}));
    EXPECT_EQ(board(), afterMove);
    EXPECT_FALSE(state().handicapSet);
    EXPECT_EQ(labelInk(), 0);

    // Back at the start the grade may change again, and the old record is given up.
    game().CANCEL_Click();
    ASSERT_EQ(rig.game->moves().lastMove, 1);
    down();
    EXPECT_EQ(state().handicapGrade, -1);
    EXPECT_EQ(rig.game->moves().lastMove, 0);
}

TEST_F(HandicapTest, RefusedAfterAFlip) {
    game().REVERSE_Click();
    const Board turned = board();
    expectRefusal("反転後ではできません");
    down();
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::駒打音, Sound::禁止}));
    EXPECT_EQ(board(), turned);
    EXPECT_EQ(state().handicapGrade, 0) << "an unset grade does not turn over";
    EXPECT_EQ(labelInk(), 0);
}

TEST_F(HandicapTest, AFlipTurnsTheChosenGradeOverWithTheMissingPieces) {
    down(10);
    game().REVERSE_Click();
    EXPECT_EQ(state().handicapGrade, 10);  // ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級
    EXPECT_GT(labelInk(), 0);
    EXPECT_EQ(board(), testsupport::boardFrom(R"(
 .   .   .   .  v王  .   .   .   .
 .   .   .   .   .   .   .   .   .
v歩 v歩 v歩 v歩 v歩 v歩 v歩 v歩 v歩
 .   .   .   .   .   .   .   .   .
 .   .   .   .   .   .   .   .   .
^卒  .  ^卒  .  ^卒  .  ^卒  .  ^卒
 .  ^砲  .   .   .   .   .  ^砲  .
 .   .   .   .   .   .   .   .   .
^車 ^馬 ^象 ^士 ^将 ^士 ^象 ^馬 ^車
)")) << testsupport::diagramOf(board());
    game().REVERSE_Click();
    EXPECT_EQ(state().handicapGrade, -10);
}

TEST_F(HandicapTest, SteppingBackToTheStartOfAHandicapGameKeepsThePiecesOff) {
    down(2);
    playOneMove();
    game().REPLAY_Click();
    EXPECT_EQ(rig.game->moves().currentMove, 0);
    EXPECT_EQ(board()(2, 8), rules::空);
    EXPECT_EQ(board()(8, 8), rules::空);
    EXPECT_TRUE(shows(2, 8, Picture::KARA_MASU));
}

}  // namespace

TEST_F(HandicapTest, APieceTakenOffWhileHeldIsLetGoAndCannotMove) {
    down();  // the 角 goes: the 飛 has the row to its left free
    rig.dialogs.expect("先手の番です", " ");
    game().MATCH_MAN_Click();
    const double top = rig.game->options().boardTop;
    auto press = [&](int c, int r) {
        game().Form_MouseDown(flow::kLeftButton, 1050 + 495 * c + 200, top + 615 * r + 300);
    };
    press(8, 8);  // the 飛 is taken up
    ASSERT_TRUE(state().selectState);
    down();  // and taken off the board by the handicap
    EXPECT_EQ(board()(8, 8), rules::空);
    EXPECT_FALSE(state().selectState) << "nothing is held any more";

    press(7, 8);  // where the 飛 could have gone
    EXPECT_EQ(board()(7, 8), rules::空) << "the 飛 taken off did not come back";
    EXPECT_EQ(rig.game->moves().currentMove, 0);
}

TEST_F(HandicapTest, APieceStillHeldShowsTheSquareTheHandicapFreed) {
    game().optionMenu().SIDOU_Click();  // 移動指導 on
    rig.dialogs.expect("先手の番です", " ");
    game().MATCH_MAN_Click();
    const double top = rig.game->options().boardTop;
    game().Form_MouseDown(flow::kLeftButton, 1050 + 495 * 8 + 200, top + 615 * 8 + 300);
    const auto outlined = [&](int c, int r, int colour) {
        return testsupport::outlinedIn(rig.canvas, screen().x(c), screen().y(r), colour);
    };
    ASSERT_FALSE(outlined(2, 8, 15)) << "the 角 stands in the 飛's way";
    down();  // the 角 goes
    EXPECT_TRUE(outlined(2, 8, 15)) << "the 飛 held may go there now";
    EXPECT_TRUE(outlined(8, 8, flow::kSelectColour)) << "and is still held";
    EXPECT_TRUE(state().selectState);
}
