// The players' clocks: the time each army has used, the turn being measured by the 50 ms tick,
// and both clocks drawn beside the board while 経過時間 is ticked. With a time control each clock
// also counts down what is left (record/time_control.h) and shows that instead.
#pragma once

#include <array>

#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "record/move_list.h"
#include "record/time_control.h"
#include "rules/position.h"
#include "settings/options.h"
#include "view/screen.h"

namespace flow {

// What the clocks read, in seconds.
struct ClockTimes {
    double bottomClock = 0;
    double topClock = 0;
    double turnStart = 0;        // day-clock reading when the turn began
    double turnSeconds = 0;      // refreshed by the tick
    double lastShownSecond = 0;  // the whole second the mover's clock shows

    bool operator==(const ClockTimes&) const = default;
};

// What a tick found under a time control.
enum class ClockEvent {
    None,
    Countdown,  // a second of the mover's last ten began
    FlagFell,   // the mover's time ran out
};

class Clocks;

// Message boxes that stop the clocks while they wait: under a time control the time a box is open
// is no one's.
class ClockPausingDialogs : public platform::Dialogs {
  public:
    ClockPausingDialogs(platform::Dialogs& inner, Clocks& clocks)
        : inner_(inner), clocks_(clocks) {}
    platform::Answer show(const std::string& text, const std::string& title,
                          platform::Buttons buttons, platform::Icon icon) override;

  private:
    platform::Dialogs& inner_;
    Clocks& clocks_;
};

class Clocks {
  public:
    // The clocks are drawn for the armies where `position` has them, as `options` asks.
    Clocks(platform::DayClock& clock, platform::Timer& timer, platform::Canvas& canvas,
           view::Screen& screen, const rules::Position& position, const settings::Options& options);

    const ClockTimes& times() const { return times_; }

    // The tick: measures the turn and redraws the mover's clock once each new second. Nothing
    // while paused.
    ClockEvent tick(rules::SideId sideToMove);
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
    // The time control of the game starting at entry `entry`: a new game (entry 0) takes the
    // one chosen in the options, a game resumed part-way the clocks kept for that entry.
    void takeControl(int entry);
    bool timed() const { return bottomTime_.control().kind != record::TimeControlKind::None; }
    const record::ArmyTime& timeOf(bool bottom) const { return bottom ? bottomTime_ : topTime_; }
    // Entry `entry` was written by a move of the army at the bottom or on top: the clocks as
    // they stand once that move's turn ends are kept for it.
    void keepEntry(int entry, bool bottomMoved);
    // Stepping onto an entry: the clocks kept for it come back (with a time control).
    void restoreEntry(int entry);
    // A message box waits: the time until resume() is no one's.
    void pause();
    void resume();
    // The time control the record's moves were played to, for its text's header: a game starting
    // or going on sets the one its clocks take, and it stays through the reset that follows the
    // game's end; a record from elsewhere brings its own or none.
    const record::TimeControl& recordControl() const { return recordControl_; }
    void setRecordControl(const record::TimeControl& control) { recordControl_ = control; }

    // How fast the computer's look-ahead runs here (nodes per second), to turn its share of a
    // clock into nodes: measured against the day clock the first time it is asked, then kept.
    double lookaheadSpeed();

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

    // Under a time control: each army's clock, and both as each entry left them.
    record::ArmyTime bottomTime_, topTime_;
    struct Kept {
        record::ArmyTime bottom, top;
    };
    std::array<Kept, record::kMaxEntry + 1> kept_{};
    int lastKept_ = 0;
    record::TimeControl recordControl_;
    int pauses_ = 0;  // message boxes open one inside another
    double pauseStart_ = 0;
    double lookaheadSpeed_ = 0;  // 0 until measured
};

}  // namespace flow
