// The position editor: presses on the palette, the board and the stands; 完了's refusals; 取消;
// games that start from what was set up, against a human or the computer.
#include "two_player_rig.h"

using namespace rules;

namespace {

class PositionEditorTest : public testsupport::TwoPlayerTest {
  protected:
    PositionEditorTest() {
        dropsOn();
        game().positionEditing().editPosition();
    }
    // Presses palette slot `slot`.
    void pressSlot(int slot) { press(view::paletteColumn(slot), view::paletteRow(slot)); }
    int slotOf(PieceCode code) {
        int slot = 0;
        while (view::paletteCode(slot) != code) ++slot;
        return slot;
    }
};

TEST_F(PositionEditorTest, PressesPlacePromoteTakeOffMovePiecesAndFillTheHands) {
    game().positionEditing().editClear();
    pressSlot(slotOf(自歩));
    press(3, 5);
    press(4, 5, flow::kRightButton);
    press(6, 1);  // beside the top 将
    EXPECT_EQ(pos().board(3, 5), 自歩);
    EXPECT_EQ(pos().board(4, 5), 自と);
    press(3, 5);  // the same piece again
    EXPECT_EQ(pos().board(3, 5), 空);
    press(kBottomHandX, 9);  // a 歩 into the bottom army's hand, whichever cell is pressed
    press(kTopHandX, view::topStandRow(1));
    EXPECT_EQ(pos().ownHand[hand::kPawn], 1);
    EXPECT_EQ(pos().enemyHand[hand::kPawn], 1);
    EXPECT_EQ(pos().ownHandTotal, 1);

    pressSlot(slotOf(自歩));  // let go: presses now pick up and take from the hands
    press(4, 5);
    press(4, 2);
    EXPECT_EQ(pos().board(4, 5), 空);
    EXPECT_EQ(pos().board(4, 2), 自と);
    press(kTopHandX, view::topStandRow(hand::kPawn));
    EXPECT_EQ(pos().enemyHand[hand::kPawn], 0);

    // A king is never held.
    pressSlot(slotOf(敵将));
    press(kBottomHandX, 1);
    EXPECT_EQ(pos().ownHandTotal, 1);
}

// 完了 refuses a position the game cannot play, naming the fault, and editing goes on. Each row
// sets up a sound position, then places one piece (or takes it off: the same piece again).
TEST_F(PositionEditorTest, DoneRefusesAPositionTheGameCannotPlay) {
    constexpr const char* kKings = "4x4/9/9/9/9/9/9/9/4K4 b - 1";
    const struct {
        const char* notation;
        PieceCode code;
        int x, y;
        const char* message;
    } rows[] = {
        {kKings, 自王, 5, 9, "王がありません"},
        {kKings, 敵将, 4, 1, "将が二枚あります"},
        {kKings, 自歩, 1, 1, "９一の歩はもう動けません"},
        {kKings, 自桂, 9, 2, "１二の桂はもう動けません"},
        {"4x4/9/9/9/9/P8/9/9/4K4 b - 1", 自歩, 1, 8, "９筋に同じ側の歩が二枚あります"},
        {"4x4/9/9/9/9/9/9/B8/4K4 b - 1", 敵角, 2, 5, "角が多すぎます（1枚まで）"},
        {kKings, 自飛, 5, 5, "手番の側が相手の玉をすぐに取れます"},
    };
    for (const auto& row : rows) {
        setUp(row.notation);
        placeFromPalette(row.code, row.x, row.y);
        rig.dialogs.expect(row.message, "完了");
        game().positionEditing().editDone();
        rig.dialogs.verify();
        EXPECT_TRUE(game().positionEditing().editing()) << row.message;
    }
}

TEST_F(PositionEditorTest, CancelPutsBackTheGameAsItWasBeforeEditing) {
    game().positionEditing().editCancel();
    startGame();
    move(3, 7, 3, 6);
    const Position position = pos();
    const record::MoveList moves = game().moves();
    flow::GameState state = game().state();
    const Beside shown = beside();

    game().positionEditing().editPosition();
    setUp("4x4/9/9/9/9/9/9/9/4K4 w 2P 1");
    game().positionEditing().editFlip();
    game().positionEditing().editCancel();
    EXPECT_TRUE(beside().bottomMove == shown.bottomMove) << "the last move beside the board";

    EXPECT_FALSE(game().positionEditing().editing());
    EXPECT_EQ(pos(), position);
    EXPECT_EQ(game().moves(), moves);
    state.resumePending = true;  // the game goes on at the next press
    EXPECT_EQ(game().state(), state);
}

// The Chinese army may move first from a position set up; the computer plays the top army.
TEST_F(PositionEditorTest, TheComputerMovesFirstFromAStartWithTheTopArmyToMove) {
    setUp("4x4/9/9/9/z8/9/4G4/9/4K4 w - 1");
    game().positionEditing().editDone();
    EXPECT_FALSE(game().positionEditing().editing());
    EXPECT_EQ(game().moves().lastMove, 0);
    EXPECT_TRUE(game().moves().setUpStart);
    const Board start = pos().board;

    game().START2_Click();
    EXPECT_EQ(game().moves().lastMove, 1);
    EXPECT_EQ(game().moves()[0].boardAt, start);
    EXPECT_EQ(state().sideToMove, SENTE);
}

}  // namespace
