// Whole games against the computer pressed out on the window: its replies, its check and mate
// announcements, the ends of a game by either side, the computer opening a turned board, resuming
// after stepping back, the level, and what the player sees while it thinks (at once or, at the
// levels that look ahead, on a worker thread while the window goes on).
#include <QImage>
#include <functional>

#include "com/choose_move.h"

#include "computer_rig.h"

using namespace rules;
using platform::Answer;
using settings::Sound;

namespace {

class ComputerGame : public testsupport::ComputerGameTest {
  protected:
    // Ink of the text row above the board, where "思考中" and the computer's last move are shown.
    int textRowInk() {
        return testsupport::countColour(rig.canvas, screen().x(1), screen().y(-1), screen().x(4),
                                        screen().y(0), flow::kMarkColour);
    }
    QImage levelArea() {
        const settings::Options& o = game().options();
        const int x = platform::Canvas::toPixel(screen().x(o.levelColumn));
        const int y = platform::Canvas::toPixel(screen().y(o.levelRow));
        return rig.canvas.image().copy(x, y, 3 * 33, 41);
    }
    int levelInk() {
        const settings::Options& o = game().options();
        return testsupport::countColour(rig.canvas, screen().x(o.levelColumn),
                                        screen().y(o.levelRow), screen().x(o.levelColumn + 3),
                                        screen().y(o.levelRow + 1), flow::kMarkColour);
    }
};

TEST_F(ComputerGame, AnswersEveryMoveThenChecksWithTheCannonAndTakesTheKingLeftInCheck) {
    startAgainstComputer();
    EXPECT_EQ(state().gameMode, flow::GameMode::AgainstComputer);
    heard();

    // The 王 steps up; the computer answers within the same press with its 車.
    move(5, 9, 5, 8);
    EXPECT_EQ(pos().board(1, 2), 敵車);
    EXPECT_EQ(pos().board(1, 1), 空);
    EXPECT_EQ(heard(), (std::vector<Sound>{Sound::駒打音, Sound::中国将棋打音}));
    EXPECT_EQ(game().moves().moveCount, 2);
    EXPECT_EQ(game().moves().lastMove, 2);
    EXPECT_EQ(lastEntry().boardAt, pos().board);
    EXPECT_EQ(state().sideToMove, SENTE);
    EXPECT_TRUE(rig.timer.on) << "the human's clock runs again";
    EXPECT_TRUE(outlined(1, 2, flow::kMarkColour));
    EXPECT_GT(topResultInk(), 0);

    // The 王 walks onto the file of a 砲 with one piece between: check by a Chinese piece.
    rig.dialogs.expect("   ** 将(Jiang) **", "王手");
    move(5, 8, 4, 8);
    rig.dialogs.verify();
    EXPECT_EQ(pos().board(4, 3), 敵砲);
    EXPECT_EQ(state().sideToMove, SENTE);

    // Left in check, the 王 is taken and the computer wins.
    expectWinner("ｺﾝﾋﾟｭｰﾀ", Answer::No);
    move(1, 7, 1, 6);
    EXPECT_EQ(pos().board(4, 8), 敵砲);
    EXPECT_EQ(pos().winnerSide, GOTE);
    EXPECT_TRUE(game().shutDown());
}

TEST_F(ComputerGame, MateOfTheHumanIsOnlyAnnouncedAndTheKingIsTakenNextMove) {
    // Two humans wall in the 王 and walk a 卒 down the fifth file; then the computer takes over
    // the top army with its move due.
    playByHand({{5, 7, 5, 6},
                {5, 4, 5, 5},
                {3, 9, 4, 8},
                {5, 5, 5, 6},
                {7, 9, 6, 8},
                {5, 6, 5, 7},
                {1, 7, 1, 6}});
    rig.dialogs.expect("よし！!", "詰め ?");
    game().START2_Click();
    rig.dialogs.verify();
    EXPECT_EQ(pos().board(5, 3), 敵砲);
    EXPECT_EQ(pos().winnerSide, 0);
    EXPECT_EQ(state().sideToMove, SENTE) << "the game goes on";

    expectWinner("ｺﾝﾋﾟｭｰﾀ", Answer::Yes);
    move(2, 7, 2, 6);
    // A new start: no game, and nothing of the computer's picture of the old one is kept.
    EXPECT_EQ(state().sideToMove, 0);
    EXPECT_EQ(pos().board(5, 9), 自王);
    EXPECT_TRUE(game().opponent().computer().influenceMap() == com::InfluenceMap{});
    rig.dialogs.expect("「対局」で始めて下さい", "開始");
    press(5, 7);
}

TEST_F(ComputerGame, OnATurnedBoardTheComputerOpensWithTheShogiArmyAndChecksWithIt) {
    game().REVERSE_Click();
    heard();
    game().START2_Click();  // no box: the computer moves at once
    EXPECT_EQ(pos().board(7, 4), 敵歩);
    EXPECT_EQ(pos().board(7, 3), 空);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::駒打音});
    EXPECT_EQ(game().moves().moveCount, 1);
    EXPECT_EQ(state().sideToMove, GOTE);
    EXPECT_EQ(state().sideToMove, pos().bottomSide);

    move(5, 9, 5, 8);
    EXPECT_EQ(pos().board(2, 8), 敵角成) << "the 角 runs down its opened line and promotes";

    // The promoted 角 takes a 象 and checks the 将: a shogi piece's check has no title.
    rig.dialogs.expect("   ** 王手 **", "");
    move(5, 8, 5, 7);
    rig.dialogs.verify();
    EXPECT_EQ(pos().board(3, 9), 敵角成);
    EXPECT_EQ(pos().enemyHand[5], 1);

    expectWinner("ｺﾝﾋﾟｭｰﾀ", Answer::No);
    move(1, 6, 1, 5);
    EXPECT_EQ(pos().board(5, 7), 敵角成);
    EXPECT_EQ(pos().winnerSide, SENTE);
}

TEST_F(ComputerGame, TheHumansMatingMoveWinsBeforeTheComputerMovesAgain) {
    // On a turned board two humans bring a 卒 next to the shogi 王 walled in by its 銀s; the
    // human then plays the Chinese army against the computer.
    game().REVERSE_Click();
    playByHand({{5, 3, 5, 4},
                {5, 6, 5, 5},
                {3, 1, 4, 2},
                {5, 5, 5, 4},
                {7, 1, 6, 2},
                {5, 4, 5, 3},
                {1, 3, 1, 4}});
    startAgainstComputer();

    expectWinner("あなた", Answer::No);
    move(2, 7, 5, 7);  // the 砲 checks over the 卒
    EXPECT_EQ(game().moves().moveCount, 8) << "the computer made no move after the mate";
    EXPECT_EQ(pos().board(5, 1), 敵王);
    EXPECT_TRUE(game().shutDown());
}

TEST_F(ComputerGame, APressAfterSteppingBackLetsTheComputerMoveOrAnnouncesTheHuman) {
    startAgainstComputer();
    move(5, 7, 5, 6);
    const Board answered = pos().board;

    // One step back shows the computer to move: a press asks, the computer moves again, and the
    // press then selects the piece under it.
    game().REPLAY_Click();
    EXPECT_EQ(pos().board(1, 2), 空);
    rig.dialogs.expect("OKですか？", "再開(COM)");
    press(5, 6);
    rig.dialogs.verify();
    EXPECT_EQ(pos().board, answered);
    EXPECT_EQ(game().moves().lastMove, 2);
    EXPECT_TRUE(state().selectState);
    EXPECT_EQ(state().movePiece, 自歩);

    // Back at the start the human is to move: the press announces it and restarts the clock.
    game().REPLAY_Click();
    game().REPLAY_Click();
    rig.clock.now += 100;
    rig.dialogs.expect("MANの番です", "対局");
    press(5, 7);
    rig.dialogs.verify();
    EXPECT_FALSE(state().resumePending);
    EXPECT_EQ(clocks().turnStart, rig.clock.now);
    EXPECT_TRUE(rig.timer.on);
    EXPECT_TRUE(state().selectState);
}

TEST_F(ComputerGame, TheLevelShowsOnlyInAComputerGameAndRulesItsNextMove) {
    startGame();
    game().optionMenu().MIDORI_Click();  // the full redraw of a game between humans has no level
    EXPECT_EQ(levelInk(), 0);
    game().CANCEL_Click();

    // On a turned board the computer opens at level 3 with the 歩 before its 角.
    game().REVERSE_Click();
    game().START2_Click();
    EXPECT_EQ(pos().board(7, 4), 敵歩);
    game().optionMenu().TATAMI_Click();
    EXPECT_GT(levelInk(), 0) << "the full redraw of a computer game shows the level";

    // A level chosen mid-game is drawn at once and plays the computer's very next move: level 1
    // answers this 卒 with the 香, level 3 would push the edge 歩.
    const QImage before = levelArea();
    const QImage topMove = beside().topMove;
    game().opponent().LEVEL1_Click();
    EXPECT_GT(levelInk(), 0);
    EXPECT_NE(levelArea(), before);
    EXPECT_EQ(beside().topMove, topMove) << "the top army's last move stays whole";
    move(5, 6, 5, 5);
    EXPECT_EQ(pos().board(1, 2), 敵香);
    EXPECT_EQ(pos().board(1, 4), 空);
}

TEST_F(ComputerGame, ThinkingIsShownWhileTheComputersClockTicksOncePerColumn) {
    ASSERT_TRUE(game().options().elapsedTime);
    startAgainstComputer();
    rig.clock.now += 30;
    game().Timer1_Timer();  // the human thought 30 seconds

    // Every repaint moves the day clock on by a second, so each tick of the search sees a new
    // second and shows it. The blinking of the chosen piece is the first pause.
    std::vector<int> inkUntilTheMove;
    rig.canvas.setRepaintListener([&] {
        if (rig.clock.pauses.size() >= 6) return;  // the move is made
        inkUntilTheMove.push_back(textRowInk());
        rig.clock.now += 1;
    });
    move(5, 7, 5, 6);
    rig.canvas.setRepaintListener(nullptr);

    // The human's move shows nothing there; from the opening of the computer's turn through the
    // search and the blinking, "思考中" stays up.
    ASSERT_GE(inkUntilTheMove.size(), 2u);
    EXPECT_EQ(inkUntilTheMove.front(), 0);
    for (std::size_t i = 1; i < inkUntilTheMove.size(); ++i) {
        EXPECT_GT(inkUntilTheMove[i], 0) << "repaint " << i;
    }
    EXPECT_EQ(rig.clock.pauses.size(), 6u) << "three blinks, each off and on";

    // The computer's move is recorded with its thinking time: the last tick, after the opening's
    // repaint and one tick for each of the nine columns (it holds nothing to drop), measured 9
    // seconds. The human's clock stays as it was.
    const record::MoveEntry& e = lastEntry();
    EXPECT_EQ(e.bottomBefore, 30);
    EXPECT_EQ(e.bottomAfter, 30);
    EXPECT_EQ(e.topBefore, 0);
    EXPECT_EQ(e.topAfter, 9);
    EXPECT_EQ(clocks().topClock, 9);
    EXPECT_EQ(clocks().bottomClock, 30);
    EXPECT_EQ(clocks().turnStart, rig.clock.now);
    EXPECT_TRUE(rig.timer.on);
}

// The levels that look ahead answer through a message to the GUI thread.
class ComputerThinksAside : public ComputerGame {
  protected:
    // A game at level 4 where the human has just moved and the computer thinks.
    void humanMovesAtLevel4() {
        game().opponent().LEVEL4_Click();
        startAgainstComputer();
        move(5, 7, 5, 6);
        before = pos();
        ASSERT_TRUE(game().opponent().computer().searching());
        heard();
    }
    rules::Position before;
};

TEST_F(ComputerThinksAside, ItsMoveIsTheOneChosenAtOnceAndLandsWhenItsMessageRuns) {
    humanMovesAtLevel4();
    EXPECT_GT(textRowInk(), 0) << "思考中";
    press(5, 9);
    EXPECT_EQ(heard(), std::vector<Sound>{Sound::禁止});
    EXPECT_FALSE(state().selectState);
    ASSERT_TRUE(rig.gui.awaitPosted());
    EXPECT_EQ(pos(), before);

    rig.gui.deliver();
    com::SearchSettings level4;
    level4.comLevel = 4;
    level4.chineseDrops = game().options().chineseDrops;
    const com::Choice atOnce = com::chooseMoveForSide(before, GOTE, level4);
    EXPECT_EQ(game().opponent().computer().comState().best, atOnce.move);
    EXPECT_EQ(pos().board(atOnce.move.toX, atOnce.move.toY), atOnce.move.after);
    EXPECT_EQ(game().moves().moveCount, 2);
    EXPECT_EQ(state().sideToMove, SENTE);
    EXPECT_FALSE(game().opponent().computer().searching());
}

TEST_F(ComputerThinksAside, ALateAnswerIsDroppedByANewGameAStepATurnTheEditorOrEsc) {
    const std::pair<const char*, std::function<void(flow::Game&)>> rows[] = {
        {"new game", [](flow::Game& g) { g.CANCEL_Click(); }},
        {"takeback", [](flow::Game& g) { g.REPLAY_Click(); }},
        {"turn", [](flow::Game& g) { g.REVERSE_Click(); }},
        {"editor", [](flow::Game& g) { g.positionEditing().editPosition(); }},
        {"Esc", [](flow::Game& g) { g.Form_KeyPress(flow::kEscapeKey); }},
    };
    for (const auto& [name, interrupt] : rows) {
        SCOPED_TRACE(name);
        rig.game = rig.makeGame();
        game().Form_Load();
        humanMovesAtLevel4();
        ASSERT_TRUE(rig.gui.awaitPosted());
        interrupt(game());
        EXPECT_FALSE(game().opponent().computer().searching());
        rig.gui.deliver();
        EXPECT_LE(game().moves().lastMove, 1);
        for (Sound s : heard()) EXPECT_NE(s, Sound::中国将棋打音);
    }
}

TEST_F(ComputerThinksAside, ChineseDropsSwitchedWhileItThinksMakeItThinkAgain) {
    humanMovesAtLevel4();
    ASSERT_TRUE(rig.gui.awaitPosted());
    game().optionMenu().CHESS_MOCHIKOMA_Click();
    rig.gui.deliver();
    EXPECT_EQ(game().moves().moveCount, 1) << "the answer under the old rule is dropped";
    ASSERT_TRUE(rig.gui.awaitPosted());
    rig.gui.deliver();
    EXPECT_EQ(game().moves().moveCount, 2);
}

}  // namespace
