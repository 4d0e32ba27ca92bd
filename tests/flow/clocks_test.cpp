// The players' clocks on the window: the tick that keeps the mover's clock current once a
// second, the clocks shown only while 経過時間 is ticked, a turn across midnight, and the values
// the record gives back when stepping.
#include <QImage>
#include <vector>

#include "two_player_rig.h"

using namespace rules;

namespace {

class Clocks : public testsupport::TwoPlayerTest {
  protected:
    Clocks() {
        rig.canvas.setRepaintListener([this] { ++repaints; });
    }

    void think(double seconds) {
        rig.clock.now += seconds;
        game().Timer1_Timer();
    }

    // What the three cells of an army's clock show, on the game's canvas or another.
    QImage clockCells(int firstCell, const platform::Canvas* canvas = nullptr) {
        return area(firstCell, 10, firstCell + 3, 11, canvas);
    }
    QImage bottomClock() { return clockCells(13); }
    QImage topClock() { return clockCells(-2); }
    // The cells of an army's clock showing `seconds`, drawn apart from the game.
    QImage clockShowing(SideId side, double seconds) {
        platform::Canvas canvas(view::kCanvasWidthTwips, view::kCanvasHeightTwips);
        view::Screen apart(canvas, rig.clock, pos(), game().options());
        apart.描画_桝_数値();  // from then on labels print bold, as on the game's screen
        flow::Clocks clocks(rig.clock, rig.timer, canvas, apart, pos(), game().options());
        clocks.描画_所有時間(side, seconds);
        return clockCells(side == pos().topSide ? -2 : 13, &canvas);
    }
    bool showsBackgroundOnly(int firstCell) {
        view::Picture tile{};
        if (!view::pictureOfDecorCode(game().options().background, tile)) return false;
        for (int c = firstCell; c < firstCell + 3; ++c)
            if (!shows(c, 10, tile)) return false;
        return true;
    }

    int repaints = 0;
};

TEST_F(Clocks, TheMoversClockIsRedrawnOnceEachNewSecond) {
    ASSERT_TRUE(game().options().elapsedTime) << "経過時間 is ticked on a first run";
    startGame();
    ASSERT_TRUE(rig.timer.on);
    const QImage zero = bottomClock();
    const QImage top = topClock();
    EXPECT_FALSE(showsBackgroundOnly(13)) << "both clocks are shown from the start";

    repaints = 0;
    think(0.6);
    EXPECT_NEAR(clocks().turnSeconds, 0.6, 1e-9);
    EXPECT_EQ(repaints, 0) << "still the second already shown";
    think(0.6);
    EXPECT_EQ(repaints, 1);
    const QImage one = bottomClock();
    EXPECT_NE(one, zero);
    think(0.5);
    EXPECT_EQ(repaints, 1);
    think(0.4);
    EXPECT_EQ(repaints, 2);
    EXPECT_NE(bottomClock(), one);
    EXPECT_EQ(topClock(), top) << "the waiting army's clock stands still";

    // A stopped timer measures nothing.
    rig.timer.on = false;
    const double measured = clocks().turnSeconds;
    think(5);
    EXPECT_EQ(clocks().turnSeconds, measured);
}

TEST_F(Clocks, ATurnAcrossMidnightCountsOnTheTopArmysClock) {
    rig.clock.now = 86380;
    startGame();
    think(5);
    move(7, 7, 7, 6);
    const QImage bottom = bottomClock();
    const QImage top = topClock();

    rig.clock.now = 10;  // 00:00:10, 25 seconds after the turn began
    game().Timer1_Timer();
    EXPECT_DOUBLE_EQ(clocks().turnSeconds, 25);
    EXPECT_NE(topClock(), top);
    EXPECT_EQ(bottomClock(), bottom);
    move(7, 4, 7, 5);
    EXPECT_DOUBLE_EQ(clocks().topClock, 25);
    EXPECT_DOUBLE_EQ(game().moves()[2].topAfter, 25);
    EXPECT_DOUBLE_EQ(game().moves()[2].topBefore, 0);
}

TEST_F(Clocks, NothingIsDrawnWhileElapsedTimeIsUntickedYetTheTurnIsMeasured) {
    game().optionMenu().KEIKA_Click();
    ASSERT_FALSE(game().options().elapsedTime);
    EXPECT_TRUE(showsBackgroundOnly(13));
    EXPECT_TRUE(showsBackgroundOnly(-2));

    // Against the computer the timer runs whatever 経過時間 says.
    rig.dialogs.expect("MANの番です", " ");
    game().START2_Click();
    ASSERT_TRUE(rig.timer.on);
    think(3.5);
    EXPECT_NEAR(clocks().turnSeconds, 3.5, 1e-9);
    EXPECT_TRUE(showsBackgroundOnly(13));
    EXPECT_TRUE(showsBackgroundOnly(-2));

    // Ticking it shows both clocks at once and starts the timer.
    rig.timer.on = false;
    game().optionMenu().KEIKA_Click();
    EXPECT_TRUE(rig.timer.on);
    EXPECT_FALSE(showsBackgroundOnly(13));
    EXPECT_FALSE(showsBackgroundOnly(-2));
}

TEST_F(Clocks, TickedAgainTheClockRunsOnlyInAGameBeingPlayedAndFromItsTurnsStart) {
    startGame();
    think(4);
    rig.dialogs.expect("できません", "戻る");
    game().REPLAY_Click();  // nothing to step back: the game stays paused until a press
    game().optionMenu().KEIKA_Click();
    game().optionMenu().KEIKA_Click();
    EXPECT_FALSE(rig.timer.on) << "paused by stepping";

    rig.dialogs.expect("先手の番です", "対局");
    press(7, 7);
    game().optionMenu().KEIKA_Click();
    think(3);
    game().optionMenu().KEIKA_Click();
    ASSERT_TRUE(rig.timer.on);
    think(2);
    EXPECT_DOUBLE_EQ(clocks().turnSeconds, 5) << "the turn counts from its start";

    game().CANCEL_Click();
    game().optionMenu().KEIKA_Click();
    game().optionMenu().KEIKA_Click();
    EXPECT_FALSE(rig.timer.on) << "no game";
}

// The clocks and last moves shown for an entry are those of its row in the move list, the same
// after the move itself, 戻, 進 and a click on a row; a game resumed there runs on from them.
TEST_F(Clocks, EachEntryShowsTheClocksOfItsRowWhicheverWayItIsReached) {
    startGame();
    std::vector<Beside> live{beside()};
    think(7.5);
    move(7, 7, 7, 6);
    live.push_back(beside());
    think(61);
    move(7, 4, 7, 5);
    live.push_back(beside());
    // The bottom clock passes 9 s while its turn is in its second second.
    for (const double s : {0.7, 0.4, 0.3, 0.2}) think(s);
    EXPECT_EQ(bottomClock(), clockShowing(SENTE, 9));
    move(6, 7, 6, 6);
    live.push_back(beside());
    EXPECT_EQ(game().recordView().moveListRows()[3].clock, "00:00:09");
    EXPECT_EQ(bottomClock(), clockShowing(SENTE, 9)) << "the clock stops at its row's time";

    const auto expectEntry = [&](int n, double top, double bottom, const char* way) {
        EXPECT_EQ(game().moves().currentMove, n) << way;
        EXPECT_NEAR(clocks().topClock, top, 1e-9) << way;
        EXPECT_NEAR(clocks().bottomClock, bottom, 1e-9) << way;
        EXPECT_TRUE(beside() == live[n]) << way << " to entry " << n;
    };
    game().REPLAY_Click();
    EXPECT_FALSE(rig.timer.on);
    expectEntry(2, 61, 7.5, "戻");
    game().REPLAY_Click();
    expectEntry(1, 0, 7.5, "戻");
    game().stepToEntry(3);
    expectEntry(3, 61, 9.1, "a click on a row");
    game().stepToEntry(0);
    expectEntry(0, 0, 0, "a click on a row");
    game().AFTER_Click();
    expectEntry(1, 0, 7.5, "進");
    game().AFTER_Click();
    game().AFTER_Click();

    // The next press starts the top army's turn again, its clock running on from its own total.
    rig.dialogs.expect("後手の番です", "対局");
    press(7, 5);
    EXPECT_TRUE(rig.timer.on);
    EXPECT_EQ(clocks().turnStart, rig.clock.now);
    think(1.5);
    EXPECT_EQ(topClock(), clockShowing(GOTE, 62.5));
}

// The clocks alone, on the rig's canvas, day clock and timer: the turn the tick measured goes to
// the army named, a turned board exchanges the times, and a reset zeroes them and stops the tick.
TEST(ClocksAlone, GiveTheMeasuredTurnToTheMoverAndFollowTheTurnedBoard) {
    testsupport::GameRig rig;
    Position position;
    position.bottomSide = SENTE;
    position.topSide = GOTE;
    settings::Options options;
    options.elapsedTime = true;
    view::Screen screen(rig.canvas, rig.clock, position, options);
    flow::Clocks clocks(rig.clock, rig.timer, rig.canvas, screen, position, options);

    clocks.startTurn();
    ASSERT_TRUE(rig.timer.on);
    rig.clock.now += 4.5;
    clocks.tick(position.bottomSide);
    clocks.addTurn(true);
    EXPECT_DOUBLE_EQ(clocks.times().bottomClock, 4.5);
    EXPECT_DOUBLE_EQ(clocks.times().topClock, 0);
    clocks.exchange();
    EXPECT_DOUBLE_EQ(clocks.times().bottomClock, 0);
    EXPECT_DOUBLE_EQ(clocks.times().topClock, 4.5);

    clocks.reset();
    EXPECT_FALSE(rig.timer.on);
    EXPECT_DOUBLE_EQ(clocks.times().topClock, 0);
    EXPECT_DOUBLE_EQ(clocks.times().turnSeconds, 0);
}

}  // namespace
