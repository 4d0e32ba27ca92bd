// Presses on the window: where they land, what they select, what they show and what they refuse.
#include "two_player_rig.h"

using namespace rules;
using settings::Sound;

namespace {

class MouseInput : public testsupport::TwoPlayerTest {};

TEST_F(MouseInput, PressesAreRoundedDownToCells) {
    startGame();
    const double row7 = yOf(7);
    // X = 1545 is the left edge of column 1.
    game().Form_MouseDown(flow::kLeftButton, 1545, row7);
    EXPECT_TRUE(state().selectState);
    EXPECT_EQ(state().fromX, 1);
    EXPECT_EQ(state().fromY, 7);
    // The last twip of column 0 is no square: the selection stays.
    game().Form_MouseDown(flow::kLeftButton, 1544.9, row7);
    EXPECT_EQ(state().fromX, 1);
    // The top edge of row 7 is row 7; one twip above is row 6.
    const double top = game().options().boardTop;
    game().Form_MouseDown(flow::kLeftButton, xOf(2), top + 615 * 7);
    EXPECT_EQ(state().fromX, 2);
    EXPECT_EQ(state().fromY, 7);
    heard();
    game().Form_MouseDown(flow::kLeftButton, xOf(3), top + 615 * 7 - 0.5);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止}) << "row 6: the 歩 may not go aslant";
    EXPECT_FALSE(state().selectState);
}

TEST_F(MouseInput, TheTopStandRunsUpColumnMinusOneAndItsLastCellIsAboveTheBoard) {
    dropsOn();
    startGame();
    move(3, 7, 3, 6);
    move(8, 3, 8, 8);  // the 砲 jumps the 歩 and takes the 飛
    ASSERT_EQ(pos().enemyHand[13], 1);
    move(3, 6, 3, 5);
    // X = 1049 is column -1, and Y = 25 lies in row -3: cell 13, the 飛.
    game().Form_MouseDown(flow::kLeftButton, 1049, 25);
    EXPECT_TRUE(state().selectState);
    EXPECT_EQ(state().fromX, kTopHandX);
    EXPECT_EQ(state().fromY, -3);
    EXPECT_EQ(state().movePiece, 敵飛);
    press(5, 5);
    EXPECT_EQ(pos().board(5, 5), 敵飛);
    EXPECT_EQ(pos().enemyHand[13], 0);
    EXPECT_EQ(state().sideToMove, SENTE);
    // Further left is nothing at all.
    heard();
    game().Form_MouseDown(flow::kLeftButton, 1049 - 495, yOf(7));
    EXPECT_TRUE(heard().empty());
}

TEST_F(MouseInput, SelectionOutlineAndGuidance) {
    game().optionMenu().SIDOU_Click();
    startGame();
    press(2, 8);  // the 角
    EXPECT_TRUE(outlined(2, 8, flow::kSelectColour));
    EXPECT_FALSE(outlined(3, 7, flow::kMarkColour)) << "its own 歩 blocks it";
    EXPECT_FALSE(outlined(1, 9, flow::kMarkColour));
    EXPECT_FALSE(outlined(3, 9, flow::kMarkColour));

    press(8, 8);  // the 飛: the selection moves, the 角's mark goes
    EXPECT_EQ(testsupport::countColour(rig.canvas, screen().x(2), screen().y(8), screen().x(3),
                                       screen().y(9), flow::kSelectColour),
              0);
    EXPECT_TRUE(outlined(8, 8, flow::kSelectColour));
    // (Neighbouring outlines share their edge, so the squares next to the 飛 are not asked.)
    for (int c : {3, 4, 5, 6}) EXPECT_TRUE(outlined(c, 8, flow::kMarkColour)) << c;
    EXPECT_FALSE(outlined(8, 7, flow::kMarkColour));

    press(8, 8);  // pressing it again keeps it
    EXPECT_TRUE(state().selectState);
    EXPECT_TRUE(outlined(8, 8, flow::kSelectColour));

    // An illegal destination: the refusal sound, no selection, the marks wiped.
    heard();
    press(8, 5);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    EXPECT_FALSE(state().selectState);
    EXPECT_TRUE(outlined(8, 8, settings::kOutlineColour));
    EXPECT_TRUE(outlined(5, 8, settings::kOutlineColour));
    EXPECT_TRUE(rig.dialogs.shown.size() == 1) << "no message for an illegal move";
}

TEST_F(MouseInput, TheOtherArmysPieceIsShownButNotTakenUp) {
    game().optionMenu().SIDOU_Click();
    startGame();
    press(5, 4);  // a top 卒 while the bottom army is to move
    EXPECT_FALSE(state().selectState);
    EXPECT_TRUE(outlined(5, 4, flow::kMarkColour));
    EXPECT_TRUE(outlined(5, 5, flow::kMarkColour)) << "its guidance";
    heard();
    press(5, 5);  // with nothing selected an empty square does nothing
    EXPECT_EQ(pos().board(5, 5), 空);
    EXPECT_TRUE(heard().empty());

    // With a piece selected, a press on the other army's piece is a capture attempt.
    press(2, 8);
    press(2, 4);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    EXPECT_FALSE(state().selectState);
}

TEST_F(MouseInput, WithChineseDropsOffOnlyTheShogiArmysChineseCaptivesDrop) {
    startGame();
    ASSERT_FALSE(game().options().chineseDrops);
    move(3, 7, 3, 6);
    move(3, 4, 3, 5);
    move(3, 6, 3, 5);  // a 卒 in hand
    move(2, 3, 2, 8);  // the 砲 takes the 角: in the top army's hand
    ASSERT_EQ(pos().enemyHand[12], 1);
    move(9, 7, 9, 6);
    // The Chinese army on top may not drop at all: its stand does not answer.
    press(kTopHandX, -2);
    EXPECT_FALSE(state().selectState);
    move(9, 4, 9, 5);
    // The bottom army drops the 卒 it took.
    dropBottom(1, 5, 5);
    EXPECT_EQ(pos().board(5, 5), 自卒);
    EXPECT_EQ(pos().ownHand[1], 0);
}

TEST_F(MouseInput, AStandPressWhenItIsTheOtherArmysTurnSelectsNothing) {
    dropsOn();
    startGame();
    move(3, 7, 3, 6);
    move(3, 4, 3, 5);
    move(3, 6, 3, 5);  // the bottom army holds a 卒; the top army is to move
    ASSERT_EQ(state().sideToMove, GOTE);
    press(kBottomHandX, 1);
    EXPECT_FALSE(state().selectState);
    heard();
    press(5, 5);  // the top player cannot put the bottom army's 卒 down
    EXPECT_EQ(pos().board(5, 5), 空);
    EXPECT_EQ(pos().ownHand[1], 1);
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(state().sideToMove, GOTE);
}

TEST_F(MouseInput, ARightPressPromotesOnlyWhereTheRulesAllow) {
    startGame();
    // A 卒 and a 金 stay what they are under the right button.
    move(6, 9, 6, 8, flow::kRightButton);
    EXPECT_EQ(pos().board(6, 8), 自金);
    move(1, 4, 1, 5, flow::kRightButton);
    EXPECT_EQ(pos().board(1, 5), 敵卒);
    // A 角 into the top rows promotes by the right button.
    move(3, 7, 3, 6);
    move(9, 4, 9, 5);
    move(2, 8, 7, 3, flow::kRightButton);
    EXPECT_EQ(pos().board(7, 3), 自角成);
    EXPECT_EQ(pos().ownHand[6], 0) << "an empty square: nothing taken";
}

}  // namespace
