// The players' clocks: the time each army has used, the turn being measured by the 50 ms tick,
// and both clocks drawn beside the board while 経過時間 is ticked.
#pragma once

#include "platform/canvas.h"
#include "platform/clock.h"
#include "rules/position.h"
#include "settings/options.h"
#include "view/screen.h"

namespace flow {

// What the clocks read, in seconds.
struct ClockTimes {
    double bottomClock = 0;
    double topClock = 0;
    double turnStart = 0;    // day-clock reading when the turn began
    double turnSeconds = 0;  // refreshed by the tick
    int lastShownSecond = 0;

    bool operator==(const ClockTimes&) const = default;
};

class Clocks {
  public:
    // The clocks are drawn for the armies where `position` has them, as `options` asks.
    Clocks(platform::DayClock& clock, platform::Timer& timer, platform::Canvas& canvas,
           view::Screen& screen, const rules::Position& position, const settings::Options& options);

    const ClockTimes& times() const { return times_; }

    // The tick: measures the turn and redraws the mover's clock once each new second.
    void tick(rules::SideId sideToMove);
    // Switches the tick on or off.
    void run(bool on);
    // A turn begins now; the tick runs when 経過時間 is ticked.
    void startTurn();
    // A turn begins now, the tick left as it is.
    void markTurnStart();
    // The turn measured so far goes onto the clock of the army at the bottom or on top.
    void addTurn(bool bottom);
    // Both clocks to zero and the tick off, for a new game.
    void reset();
    // Both clocks set and drawn, as a recorded entry gives them.
    void show(double topClock, double bottomClock);
    // The board was turned: each army keeps its own time.
    void exchange();
    // 経過時間 was ticked or unticked: the clocks appear (the tick running while `playing`) or
    // go, the tick with them.
    void showElapsedTime(bool on, bool playing);

    void drawBoth();
    void 描画_所有時間(rules::SideId side, double seconds);
    void 消去_所有時間(rules::SideId side);

  private:
    platform::DayClock& clock_;
    platform::Timer& timer_;
    platform::Canvas& canvas_;
    view::Screen& screen_;
    const rules::Position& position_;
    const settings::Options& options_;
    ClockTimes times_;
};

}  // namespace flow
