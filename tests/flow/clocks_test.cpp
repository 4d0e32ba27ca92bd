// The players' clocks on the window: the tick that keeps the mover's clock current once a
// second, the clocks shown only while 経過時間 is ticked, a turn across midnight, and the values
// the record gives back when stepping.
#include <QImage>

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

    // What the three cells of an army's clock show.
    QImage clockCells(int firstCell) {
        const int x = platform::Canvas::toPixel(screen().x(firstCell));
        const int y = platform::Canvas::toPixel(screen().y(10));
        const int w = platform::Canvas::toPixel(screen().x(firstCell + 3)) - x;
        const int h = platform::Canvas::toPixel(screen().y(11)) - y;
        return rig.canvas.image().copy(x, y, w, h);
    }
    QImage bottomClock() { return clockCells(13); }
    QImage topClock() { return clockCells(-2); }
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
    game().KEIKA_Click();
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
    game().KEIKA_Click();
    EXPECT_TRUE(rig.timer.on);
    EXPECT_FALSE(showsBackgroundOnly(13));
    EXPECT_FALSE(showsBackgroundOnly(-2));
}

TEST_F(Clocks, TickedAgainTheClockRunsOnlyInAGameBeingPlayedAndFromItsTurnsStart) {
    startGame();
    think(4);
    rig.dialogs.expect("できません", "戻る");
    game().REPLAY_Click();  // nothing to step back: the game stays paused until a press
    game().KEIKA_Click();
    game().KEIKA_Click();
    EXPECT_FALSE(rig.timer.on) << "paused by stepping";

    rig.dialogs.expect("先手の番です", "対局");
    press(7, 7);
    game().KEIKA_Click();
    think(3);
    game().KEIKA_Click();
    ASSERT_TRUE(rig.timer.on);
    think(2);
    EXPECT_DOUBLE_EQ(clocks().turnSeconds, 5) << "the turn counts from its start";

    game().CANCEL_Click();
    game().KEIKA_Click();
    game().KEIKA_Click();
    EXPECT_FALSE(rig.timer.on) << "no game";
}

TEST_F(Clocks, SteppingBackShowsTheClocksBeforeAMoveAndSteppingOnAfterIt) {
    startGame();
    const QImage zero = bottomClock();
    think(7.5);
    const QImage seven = bottomClock();
    move(7, 7, 7, 6);
    think(61);
    move(7, 4, 7, 5);
    think(2);
    move(6, 7, 6, 6);
    ASSERT_DOUBLE_EQ(clocks().bottomClock, 9.5);
    ASSERT_DOUBLE_EQ(clocks().topClock, 61);

    game().REPLAY_Click();  // lands on entry 2: the clocks before move 2
    EXPECT_FALSE(rig.timer.on);
    EXPECT_DOUBLE_EQ(clocks().bottomClock, 7.5);
    EXPECT_DOUBLE_EQ(clocks().topClock, 0);
    EXPECT_EQ(bottomClock(), seven) << "the restored clock is drawn as it was shown live";
    game().REPLAY_Click();  // entry 1: before move 1
    EXPECT_DOUBLE_EQ(clocks().bottomClock, 0);
    EXPECT_EQ(bottomClock(), zero);

    game().AFTER_Click();  // entry 2: after move 2
    EXPECT_DOUBLE_EQ(clocks().bottomClock, 7.5);
    EXPECT_DOUBLE_EQ(clocks().topClock, 61);
    EXPECT_EQ(bottomClock(), seven);

    // The next press starts the turn's clock again.
    rig.dialogs.expect("先手の番です", "対局");
    press(6, 7);
    EXPECT_TRUE(rig.timer.on);
    EXPECT_EQ(clocks().turnStart, rig.clock.now);
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
