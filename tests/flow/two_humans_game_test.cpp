// Whole games between two humans, pressed out on the window.
#include "rules/setup.h"
#include "two_player_rig.h"

using namespace rules;
using platform::Answer;
using platform::Buttons;
using settings::Sound;
using view::Picture;

namespace {

class TwoHumansGame : public testsupport::TwoPlayerTest {};

TEST_F(TwoHumansGame, CapturesDropsPromotionsAndAKingCaptureThenANewStart) {
    dropsOn();
    startGame();

    // 1. The bottom 歩 steps up: the shogi clack, move 1, its result beside the board.
    move(3, 7, 3, 6);
    EXPECT_EQ(pos().board(3, 6), 自歩);
    EXPECT_EQ(pos().board(3, 7), 空);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::駒打音});
    EXPECT_EQ(game().moves().moveCount, 1);
    EXPECT_EQ(state().sideToMove, GOTE);
    EXPECT_GT(bottomResultInk(), 0);
    EXPECT_EQ(topResultInk(), 0);

    // 2. A 卒 answers with the Chinese clack; a right press with it promotes nothing.
    move(3, 4, 3, 5, flow::kRightButton);
    EXPECT_EQ(pos().board(3, 5), 敵卒);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::中国将棋打音});
    EXPECT_GT(topResultInk(), 0);

    // 3. The 歩 takes it: the 卒 shows on the bottom stand with its count.
    move(3, 6, 3, 5);
    EXPECT_EQ(pos().ownHand[1], 1);
    EXPECT_TRUE(shows(11, 1, Picture::W_PORN));
    EXPECT_GT(testsupport::countColour(rig.canvas, screen().x(12), screen().y(1), screen().x(13),
                                       screen().y(2), 12),
              0);

    // 4. A 砲 jumps the 歩 on column 2 and takes the 角 behind it.
    move(2, 3, 2, 8);
    EXPECT_EQ(pos().board(2, 8), 敵砲);
    EXPECT_EQ(pos().enemyHand[12], 1);
    EXPECT_TRUE(shows(-1, -2, Picture::UE_KAKU));

    // 5. The 飛 runs along row 8 and takes the 砲.
    move(8, 8, 2, 8);
    EXPECT_EQ(pos().ownHand[6], 1);

    // 6. The top army drops the 角 it took: selected in the stand, then put down.
    heard();
    press(kTopHandX, -2);
    EXPECT_TRUE(state().selectState);
    EXPECT_TRUE(outlined(-1, -2, flow::kSelectColour));
    press(6, 5);
    EXPECT_EQ(pos().board(6, 5), 敵角);
    EXPECT_EQ(pos().enemyHand[12], 0);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::駒打音});

    move(3, 5, 3, 4);  // 7.

    // 8. The 角 takes a 歩 in the bottom rows and promotes by the right button.
    move(6, 5, 8, 7, flow::kRightButton);
    EXPECT_EQ(pos().board(8, 7), 敵角成);
    EXPECT_EQ(pos().enemyHand[7], 1);

    // 9. Into the zone with the left button: the 歩 stays a 歩.
    move(3, 4, 3, 3);
    EXPECT_EQ(pos().board(3, 3), 自歩);

    // 10. The top army drops the 歩 it took; 11. the bottom army drops its 卒.
    heard();
    dropTop(7, 5, 6);
    EXPECT_EQ(pos().board(5, 6), 敵歩);
    dropBottom(1, 7, 5);
    EXPECT_EQ(pos().board(7, 5), 自卒);
    EXPECT_EQ(pos().ownHand[1], 0);
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::駒打音, Sound::中国将棋打音}));

    move(9, 4, 9, 5);  // 12.
    move(3, 3, 3, 2);  // 13.
    move(9, 5, 9, 6);  // 14.

    // 15. A 歩 onto the last row must promote: the left and middle buttons are refused and the
    // selection stays; the right button promotes it as it takes the 象.
    heard();
    rig.dialogs.expect("マウスの右をクリックして下さい", "成り");
    move(3, 2, 3, 1);
    rig.dialogs.expect("マウスの右をクリックして下さい", "成り");
    press(3, 1, 4);
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::禁止, Sound::禁止}));
    EXPECT_TRUE(state().selectState);
    EXPECT_EQ(pos().board(3, 2), 自歩);
    press(3, 1, flow::kRightButton);
    EXPECT_EQ(pos().board(3, 1), 自と);
    EXPECT_EQ(pos().ownHand[5], 1);
    EXPECT_EQ(game().moves().moveCount, 15);

    move(1, 4, 1, 5);  // 16.
    move(3, 1, 4, 1);  // 17. the と takes an advisor
    EXPECT_EQ(pos().ownHand[4], 1);
    move(1, 5, 1, 6);  // 18.

    // 19. The と takes the 将: the shogi army wins, and the players start again.
    rig.dialogs.expect("先手の勝ちです", "終了");
    rig.dialogs.expect("続けますか？", "再ゲーム", Buttons::YesNo, Answer::Yes);
    move(4, 1, 5, 1);
    rig.dialogs.verify();
    EXPECT_EQ(state().sideToMove, 0);
    EXPECT_EQ(game().moves().currentMove, 0);
    EXPECT_EQ(game().moves().lastMove, 19) << "the record stays for stepping through";
    Position start;
    layOutStartPosition(start);
    EXPECT_EQ(pos().board, start.board);
    EXPECT_FALSE(game().shutDown());

    heard();
    rig.dialogs.expect("「対局」で始めて下さい", "開始");
    press(5, 7);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
}

TEST_F(TwoHumansGame, TheChineseArmyTakesTheKingAndThePlayersStop) {
    startGame();
    move(5, 7, 5, 6);
    move(5, 4, 5, 5);
    move(5, 6, 5, 5);
    move(2, 3, 5, 3);
    move(1, 9, 1, 8);
    // The 砲 jumps the lone 歩 on column 5 onto the 王.
    rig.dialogs.expect("後手の勝ちです", "終了");
    rig.dialogs.expect("続けますか？", "再ゲーム", Buttons::YesNo, Answer::No);
    move(5, 3, 5, 9);
    rig.dialogs.verify();
    EXPECT_EQ(pos().winnerSide, GOTE);
    EXPECT_TRUE(game().shutDown());
    EXPECT_EQ(rig.frame.quits, 1);
    EXPECT_EQ(rig.sound.argsOf("dsFree").size(), 6u);
}

TEST_F(TwoHumansGame, EachMoveRecordsTheMoversClockAndPassesTheTurn) {
    startGame();
    const double start = rig.clock.now;
    rig.clock.now = start + 7;
    game().Timer1_Timer();
    const double bottomTurn = clocks().turnSeconds;
    if (bottomTurn == 0) GTEST_SKIP() << "the tick measures no turn yet";
    move(7, 7, 7, 6);
    EXPECT_EQ(clocks().bottomClock, bottomTurn);
    EXPECT_EQ(clocks().turnStart, rig.clock.now);

    rig.clock.now += 4;
    game().Timer1_Timer();
    const double topTurn = clocks().turnSeconds;
    move(7, 4, 7, 5);
    EXPECT_EQ(clocks().topClock, topTurn);
    EXPECT_EQ(clocks().bottomClock, bottomTurn);

    const record::MoveEntry& first = game().moves()[1];
    EXPECT_EQ(first.bottomBefore, 0);
    EXPECT_EQ(first.bottomAfter, bottomTurn);
    EXPECT_EQ(first.topBefore, 0);
    EXPECT_EQ(first.topAfter, 0);
    const record::MoveEntry& second = game().moves()[2];
    EXPECT_EQ(second.bottomBefore, bottomTurn);
    EXPECT_EQ(second.bottomAfter, bottomTurn) << "only the mover's clock grows";
    EXPECT_EQ(second.topBefore, 0);
    EXPECT_EQ(second.topAfter, topTurn);
}

}  // namespace

TEST_F(TwoHumansGame, APieceHeldOnTheChineseStandIsLetGoWhenChineseDropsAreSwitchedOff) {
    dropsOn();
    startGame();
    move(1, 7, 1, 6);
    move(8, 3, 8, 8);  // the 砲 jumps the 歩 and takes the 飛
    move(1, 6, 1, 5);
    ASSERT_EQ(pos().enemyHand[13], 1);

    press(kTopHandX, 10 - 13);  // the Chinese army takes up the 飛 from its stand
    ASSERT_TRUE(state().selectState);
    game().optionMenu().CHESS_MOCHIKOMA_Click();  // and its drops are switched off
    EXPECT_FALSE(state().selectState);

    press(5, 5);
    EXPECT_EQ(pos().board(5, 5), 空) << "no drop while Chinese drops are off";
    EXPECT_EQ(pos().enemyHand[13], 1);
    EXPECT_EQ(game().moves().currentMove, 3);
    move(5, 4, 5, 5);  // the Chinese army still has its move
    EXPECT_EQ(game().moves().currentMove, 4);
}

TEST_F(TwoHumansGame, StartingAGameLetsGoOfAPieceHeldOnAStand) {
    dropsOn();
    for (const bool againstComputer : {false, true}) {
        game().CANCEL_Click();
        startGame();
        move(3, 7, 3, 6);
        move(3, 4, 3, 5);
        move(3, 6, 3, 5);  // the 歩 takes the 卒
        move(1, 4, 1, 5);
        press(rules::kBottomHandX, 1);
        ASSERT_TRUE(outlined(rules::kBottomHandX, 1, flow::kSelectColour));

        if (againstComputer) {
            rig.dialogs.expect("MANの番です", " ");
            game().START2_Click();
        } else {
            startGame();
        }
        EXPECT_TRUE(outlined(rules::kBottomHandX, 1, settings::kOutlineColour)) << againstComputer;
        EXPECT_FALSE(state().selectState) << againstComputer;
    }
}

TEST_F(TwoHumansGame, APositionWithoutItsKingIsNoGameToPlayOn) {
    startGame();
    for (const auto [fc, fr, tc, tr] :
         {std::array{5, 7, 5, 6}, {5, 4, 5, 5}, {5, 6, 5, 5}, {2, 3, 5, 3}, {1, 9, 1, 8}}) {
        move(fc, fr, tc, tr);
    }
    rig.dialogs.expect("後手の勝ちです", "終了");
    rig.dialogs.expect("続けますか？", "再ゲーム", Buttons::YesNo, Answer::Yes);
    move(5, 3, 5, 9);  // the 砲 takes the 王

    // Stepped into again, the position ends the game as the capture did, at a press or a start.
    for (const bool againstComputer : {false, true}) {
        startGame();
        for (int n = 0; n < 6; ++n) game().AFTER_Click();
        ASSERT_EQ(pos().board(5, 9), 敵砲);
        rig.dialogs.expect(againstComputer ? "ｺﾝﾋﾟｭｰﾀの勝ちです" : "後手の勝ちです", "終了");
        rig.dialogs.expect("続けますか？", "再ゲーム", Buttons::YesNo, Answer::Yes);
        if (againstComputer) {
            game().START2_Click();
        } else {
            press(1, 8);
        }
        rig.dialogs.verify();
        EXPECT_EQ(state().sideToMove, 0) << againstComputer;
        EXPECT_EQ(game().moves().currentMove, 0) << againstComputer;
    }
}
