// The move list beside the board: its rows through a game, and a jump to a row as a run of 戻 or
// 進 steps.
#include "computer_rig.h"
#include "support/gui/record_listener.h"

using namespace rules;
using testsupport::rowTexts;
using Rows = std::vector<std::string>;

namespace {

class MoveList : public testsupport::ComputerGameTest {
  protected:
    MoveList() { game().recordView().setRecordListener(&listener); }

    // Everything a step shows and plays.
    struct Shown {
        Board board;
        Hand own, enemy;
        double bottomClock, topClock;
        int currentMove, moveCount;
        SideId sideToMove;
        QImage picture;
        std::vector<settings::Sound> sounds;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() {
        return {pos().board,
                pos().ownHand,
                pos().enemyHand,
                clocks().bottomClock,
                clocks().topClock,
                game().moves().currentMove,
                game().moves().moveCount,
                state().sideToMove,
                rig.canvas.image(),
                heard()};
    }

    testsupport::CountingListener listener;
};

TEST_F(MoveList, ListsAGameAgainstTheComputerWithEachMoversClock) {
    startAgainstComputer();
    rig.clock.now += 65;
    game().Timer1_Timer();
    listener.changes = 0;
    move(5, 9, 5, 8);  // the 王 steps up; the computer answers with its 車
    EXPECT_EQ(rowTexts(game()), (Rows{"0 開始 ", "1 ５八 王 00:01:05", "2 ９二 車 00:00:00"}));
    EXPECT_GE(listener.changes, 2) << "told of the human's move and of the computer's";

    rig.clock.now += 3600 + 7;
    game().Timer1_Timer();
    move(1, 7, 1, 6);
    EXPECT_EQ(rowTexts(game())[3], "3 ９六 歩 01:01:12");
}

TEST_F(MoveList, ARowIsShownAsTheSameRunOf戻Or進Steps) {
    playByHand({{3, 7, 3, 6}, {3, 4, 3, 5}, {3, 6, 3, 5}, {2, 3, 2, 8}, {8, 8, 2, 8}});
    heard();
    // Back three rows at once, then the same by hand from the same place.
    game().stepToEntry(2);
    const Shown jumped = shown();
    for (int i = 0; i < 3; ++i) game().AFTER_Click();
    heard();
    for (int i = 0; i < 3; ++i) game().REPLAY_Click();
    EXPECT_TRUE(jumped == shown());
    EXPECT_EQ(jumped.currentMove, 2);
    EXPECT_EQ(jumped.sounds.size(), 3u) << "each step is heard";

    // Forward two rows.
    game().stepToEntry(4);
    const Shown forward = shown();
    for (int i = 0; i < 2; ++i) game().REPLAY_Click();
    heard();
    for (int i = 0; i < 2; ++i) game().AFTER_Click();
    EXPECT_TRUE(forward == shown());

    // After 最初 no game runs: the first 進 is refused once, as the menu's is, and nothing moves.
    game().CANCEL_Click();
    heard();
    rig.dialogs.expect("「対局」で始めて下さい", "開始");
    game().stepToEntry(3);
    rig.dialogs.verify();
    EXPECT_EQ(game().moves().currentMove, 0);
    EXPECT_EQ(heard(), std::vector<settings::Sound>{settings::Sound::禁止});
}

TEST_F(MoveList, FollowsTurningTheBoardAndANewMoveAfterStepsBack) {
    playByHand({{3, 7, 3, 6}, {3, 4, 3, 5}, {3, 6, 3, 5}});
    EXPECT_EQ(rowTexts(game())[1], "1 ７六 歩 00:00:00");
    EXPECT_EQ(rowTexts(game())[3], "3 ７五 歩 00:00:00");

    listener.changes = 0;
    game().REVERSE_Click();
    EXPECT_EQ(listener.changes, 1);
    EXPECT_EQ(rowTexts(game())[1], "1 ３四 歩 00:00:00") << "the square as the turned board has it";

    game().REPLAY_Click();
    game().REPLAY_Click();
    listener.changes = 0;
    rig.dialogs.expect("後手の番です", "対局");
    move(9, 6, 9, 5);  // another 卒 of the turned board steps instead
    rig.dialogs.verify();
    EXPECT_GE(listener.changes, 1);
    const Rows rows = rowTexts(game());
    ASSERT_EQ(rows.size(), 3u) << "the moves after the one replaced are gone";
    EXPECT_EQ(rows[2], "2 １五 卒 00:00:00");
}

TEST_F(MoveList, TheStartRowNamesTheHandicap) {
    game().handicapButtons().LBEL_UP_Click();
    EXPECT_EQ(rowTexts(game()), (Rows{"0 開始 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級 "}));
}

}  // namespace
