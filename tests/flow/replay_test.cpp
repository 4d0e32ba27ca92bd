// Stepping back and forth through the record, starting over, turning the board, and the end of
// the list.
#include <memory>

#include "rules/board_flip.h"
#include "rules/setup.h"
#include "two_player_rig.h"

using namespace rules;
using platform::Buttons;
using settings::Sound;

namespace {

class Replay : public testsupport::TwoPlayerTest {
  protected:
    // Five moves: the bottom army's fifth takes the 砲 that took its 角.
    void playFiveMoves() {
        move(3, 7, 3, 6);
        move(3, 4, 3, 5);
        move(3, 6, 3, 5);
        move(2, 3, 2, 8);
        move(8, 8, 2, 8);
    }
    void stepBack() { game().REPLAY_Click(); }
    void stepOn() { game().AFTER_Click(); }
};

TEST_F(Replay, BackThenForwardRestoresBoardAndHandsExactly) {
    startGame();
    playFiveMoves();
    const Position after = pos();
    ASSERT_EQ(after.ownHand[6], 1);
    const Position before = [&] {
        Position p = after;
        p.board = game().moves()[4].boardAt;
        p.ownHand = game().moves()[4].ownHandAt;
        p.enemyHand = game().moves()[4].enemyHandAt;
        return p;
    }();
    heard();

    stepBack();
    EXPECT_EQ(pos().board, before.board);
    EXPECT_EQ(pos().board(2, 8), 敵砲) << "the 砲 the 飛 took is back";
    EXPECT_EQ(pos().ownHand, before.ownHand);
    EXPECT_EQ(pos().ownHandTotal, 1);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::駒打音});
    EXPECT_EQ(game().moves().currentMove, 4);
    EXPECT_EQ(game().moves().moveCount, 4);
    EXPECT_EQ(state().sideToMove, SENTE);
    EXPECT_TRUE(state().resumePending);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_GT(bottomResultInk(), 0) << "the army's move before the one taken back is shown";
    EXPECT_GT(topResultInk(), 0) << "the other army's result stays";

    stepOn();
    EXPECT_EQ(pos().board, after.board);
    EXPECT_EQ(pos().ownHand, after.ownHand);
    EXPECT_EQ(pos().enemyHand, after.enemyHand);
    EXPECT_EQ(pos().ownHandTotal, after.ownHandTotal);
    EXPECT_EQ(pos().enemyHandTotal, after.enemyHandTotal);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::駒打音});
    EXPECT_EQ(game().moves().currentMove, 5);
    EXPECT_EQ(state().sideToMove, GOTE);
    EXPECT_GT(bottomResultInk(), 0);

    // The next press announces whose turn it is before it is handled.
    rig.dialogs.expect("後手の番です", "対局");
    press(5, 4);
    EXPECT_FALSE(state().resumePending);
    EXPECT_TRUE(state().selectState);
}

TEST_F(Replay, ANewMoveAfterSteppingBackDropsTheLaterEntries) {
    startGame();
    playFiveMoves();
    stepBack();
    stepBack();
    stepBack();
    EXPECT_EQ(game().moves().currentMove, 2);
    EXPECT_EQ(game().moves().lastMove, 5);

    rig.dialogs.expect("先手の番です", "対局");
    move(7, 7, 7, 6);
    EXPECT_EQ(game().moves().currentMove, 3);
    EXPECT_EQ(game().moves().lastMove, 3);
    EXPECT_EQ(game().moves()[3].boardAt, pos().board);

    heard();
    rig.dialogs.expect("できません", "進む");
    stepOn();
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    EXPECT_EQ(game().moves().currentMove, 3);
}

TEST_F(Replay, RefusalsAtEitherEndAndWithoutAGame) {
    rig.dialogs.expect("「対局」で始めて下さい", "開始");
    stepOn();
    rig.dialogs.expect("できません", "戻る");
    stepBack();
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::禁止, Sound::禁止}));

    // A game restarted from the start position can step into the moves recorded before.
    startGame();
    move(7, 7, 7, 6);
    move(7, 4, 7, 5);
    game().CANCEL_Click();
    EXPECT_EQ(heard().back(), Sound::駒打音);
    EXPECT_EQ(game().moves().lastMove, 2);
    startGame();
    stepOn();
    stepOn();
    EXPECT_EQ(pos().board, game().moves()[2].boardAt);
    rig.dialogs.expect("できません", "進む");
    stepOn();
}

TEST_F(Replay, TurningTheBoardTwiceGivesEverythingBack) {
    startGame();
    playFiveMoves();
    const Position before = pos();
    const rules::SideId toMove = state().sideToMove;
    heard();

    game().REVERSE_Click();
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::駒打音});
    EXPECT_EQ(pos().bottomSide, GOTE) << "the Chinese army is at the bottom now";
    EXPECT_EQ(pos().topSide, SENTE);
    EXPECT_EQ(pos().board(10 - 5, 10 - 9), 敵王);
    EXPECT_EQ(pos().board(10 - 5, 10 - 1), 自将);
    EXPECT_EQ(pos().enemyHand, before.ownHand);
    EXPECT_EQ(pos().ownHand, before.enemyHand);
    EXPECT_EQ(pos().enemyHandTotal, before.ownHandTotal);
    EXPECT_EQ(state().sideToMove, toMove) << "the army to move keeps the move";
    EXPECT_TRUE(state().reversed);
    EXPECT_EQ(game().moves()[5].boardAt, pos().board);
    EXPECT_EQ(game().moves()[5].ownHandAt, pos().ownHand) << "the recorded hands turn too";

    game().REVERSE_Click();
    EXPECT_EQ(pos().board, before.board);
    EXPECT_EQ(pos().ownHand, before.ownHand);
    EXPECT_EQ(pos().enemyHand, before.enemyHand);
    EXPECT_EQ(pos().ownHandTotal, before.ownHandTotal);
    EXPECT_EQ(pos().enemyHandTotal, before.enemyHandTotal);
    EXPECT_EQ(pos().bottomSide, SENTE);
    EXPECT_EQ(state().sideToMove, toMove);
    EXPECT_EQ(game().moves()[5].boardAt, before.board);
    EXPECT_EQ(game().moves()[5].ownHandAt, before.ownHand);
}

TEST_F(Replay, TurnedMidGameTheArmyToMoveKeepsTheMoveAndTheWholeRecordTurns) {
    if (!game().options().elapsedTime) game().optionMenu().KEIKA_Click();
    startGame();
    rig.clock.now += 30;
    game().Timer1_Timer();  // 30 seconds of thought, counted for every move that follows
    playFiveMoves();
    const auto recorded = std::make_unique<record::MoveList>(game().moves());
    const double bottomClock = clocks().bottomClock;
    const double topClock = clocks().topClock;
    ASSERT_EQ(state().sideToMove, GOTE);
    ASSERT_NE(bottomClock, topClock);

    game().REVERSE_Click();
    EXPECT_EQ(state().sideToMove, GOTE) << "the Chinese army, now at the bottom, is still to move";
    EXPECT_EQ(pos().bottomSide, GOTE);
    EXPECT_EQ(clocks().bottomClock, topClock);
    EXPECT_EQ(clocks().topClock, bottomClock) << "the shogi army's time went to the top with it";
    for (int n = 0; n <= 5; ++n) {
        const record::MoveEntry& was = (*recorded)[n];
        Position turned;
        turned.board = was.boardAt;
        rules::flipPosition(turned);
        const record::MoveEntry& e = game().moves()[n];
        EXPECT_EQ(e.boardAt, turned.board) << "entry " << n;
        EXPECT_EQ(e.ownHandAt, was.enemyHandAt) << "entry " << n;
        EXPECT_EQ(e.enemyHandAt, was.ownHandAt) << "entry " << n;
        EXPECT_EQ(e.bottomAfter, was.topAfter) << "entry " << n;
        EXPECT_EQ(e.topAfter, was.bottomAfter) << "entry " << n;
    }

    // Stepping away and back shows the turned position: the 砲 stays in the shogi army's hand.
    const Position turnedNow = pos();
    stepBack();
    stepOn();
    EXPECT_EQ(pos().board, turnedNow.board);
    EXPECT_EQ(pos().ownHand, turnedNow.ownHand);
    EXPECT_EQ(pos().enemyHand, turnedNow.enemyHand);
    EXPECT_EQ(pos().enemyHand[6], 1);

    // The Chinese army moves next, up from the bottom; then the shogi army on top.
    rig.dialogs.expect("後手の番です", "対局");
    move(5, 6, 5, 5);
    rig.dialogs.verify();
    EXPECT_EQ(pos().board(5, 5), 自卒);
    EXPECT_EQ(state().sideToMove, SENTE);
}

TEST_F(Replay, TurnedBeforeTheGameTheShogiArmyOnTopMovesFirst) {
    game().REVERSE_Click();
    EXPECT_EQ(pos().bottomSide, GOTE);
    startGame("先手の番です");
    EXPECT_EQ(state().sideToMove, SENTE);
    EXPECT_EQ(state().sideToMove, pos().topSide);
    // The 歩 now on top steps down the board; the Chinese army at the bottom answers.
    move(3, 3, 3, 4);
    EXPECT_EQ(pos().board(3, 4), 敵歩);
    EXPECT_EQ(state().sideToMove, GOTE);
    move(1, 6, 1, 5);
    EXPECT_EQ(pos().board(1, 5), 自卒);
    EXPECT_GT(topResultInk(), 0);
    EXPECT_GT(bottomResultInk(), 0);
}

TEST_F(Replay, StartingOverOnATurnedRecordTurnsTheStartWithIt) {
    startGame();
    move(3, 7, 3, 6);
    move(3, 4, 3, 5);
    game().REVERSE_Click();
    game().CANCEL_Click();
    EXPECT_EQ(pos().bottomSide, GOTE) << "the start is laid out the way the record is turned";
    EXPECT_EQ(pos().board(5, 1), 敵王);
    EXPECT_EQ(game().moves()[0].boardAt, pos().board);

    startGame();
    heard();
    stepOn();
    EXPECT_EQ(pos().board, game().moves()[1].boardAt);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::駒打音}) << "the shogi army's 歩 moved first";
    EXPECT_GT(topResultInk(), 0) << "its result stands on top, with it";
    EXPECT_EQ(bottomResultInk(), 0);
}

TEST_F(Replay, TheListEndsAtEntryFourHundred) {
    startGame();
    // The 飛 and a 車 go to and fro: 400 moves fill entries 1..400, and the game stops there.
    for (int i = 0; i < 100; ++i) {
        move(8, 8, 7, 8);
        move(9, 1, 9, 2);
        move(7, 8, 8, 8);
        if (i == 99) rig.dialogs.expect("これ以上記録できません", "棋譜");
        move(9, 2, 9, 1);
    }
    rig.dialogs.verify();
    ASSERT_EQ(game().moves().currentMove, record::kMaxEntry);
    EXPECT_EQ(game().moves().lastMove, record::kMaxEntry);
    EXPECT_EQ(game().moves().moveCount, 400);
    EXPECT_FALSE(rig.timer.on);
    const Board full = pos().board;
    heard();

    // Nothing is taken up any more.
    rig.dialogs.expect("これ以上記録できません", "棋譜");
    press(8, 8);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    EXPECT_EQ(pos().board, full);
    EXPECT_FALSE(state().selectState);
    EXPECT_EQ(state().sideToMove, SENTE);

    // One step back leaves room for one move again.
    game().REPLAY_Click();
    rig.dialogs.expect("後手の番です", "対局");
    rig.dialogs.expect("これ以上記録できません", "棋譜");
    move(9, 2, 9, 3);
    EXPECT_EQ(game().moves().currentMove, record::kMaxEntry);
    EXPECT_EQ(game().moves()[record::kMaxEntry].boardAt, pos().board);
}

}  // namespace
