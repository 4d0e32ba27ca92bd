// Time controls: how much time an army has for the game, and its clock counting down under one.
// With none the clocks only add up the time each army has thought.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace record {

enum class TimeControlKind {
    None,         // no limit
    SuddenDeath,  // 切れ負け: the main time alone
    Byoyomi,      // 秒読み: once the main time is spent, each move has a period of its own
    Increment,    // the main time grows by some seconds after each move
};

// Longest main time, byoyomi period and increment the game offers (seconds).
constexpr int kMaxMainSeconds = 10 * 3600;
constexpr int kMaxExtraSeconds = 10 * 60;

struct TimeControl {
    TimeControlKind kind = TimeControlKind::None;
    int mainSeconds = 0;
    int extraSeconds = 0;  // the byoyomi period or the increment per move

    bool operator==(const TimeControl&) const = default;
};

// Whether a clock with this control can ever run out with sensible times: a main time for sudden
// death and increments, a period for byoyomi, nothing beyond the maximums. None is valid.
bool isValid(const TimeControl& control);

// The text form, as in a record's header (持ち時間：…) and the settings file: "なし",
// "10分切れ負け", "10分+30秒" (byoyomi), "3分+加算2秒" (increment); a main time with seconds is
// "1分30秒".
std::string timeControlText(const TimeControl& control);
// The control a text form names; nothing for any other text or an invalid control.
std::optional<TimeControl> readTimeControl(std::string_view text);

// The controls offered ready-made: 10分切れ負け, 10分+30秒, 0分+30秒, 3分+加算2秒.
const std::vector<TimeControl>& timeControlPresets();

// What an army's clock shows under a control.
struct ClockFace {
    double seconds = 0;    // the main time left, or during byoyomi what is left of the period
    bool byoyomi = false;  // the seconds are the period's (shown in a colour of their own)
};

// One army's clock under a time control. The turn's time is given as the seconds since the turn
// began, so pauses are left out by whoever measures them.
class ArmyTime {
  public:
    ArmyTime() = default;  // no control: never runs out
    explicit ArmyTime(const TimeControl& control);

    // The clock `spent` seconds into the army's turn. A reading, not a step: reading the same
    // seconds twice changes nothing.
    void tick(double spent);
    // The army moved after `spent` seconds: what is left of the main time stays, a byoyomi
    // period is full again for the next move and an increment is added.
    void endTurn(double spent);

    // Once down the flag stays down: later readings change nothing.
    bool flagFallen() const { return fallen_; }
    ClockFace face() const;
    // The whole seconds left while the clock is in its last ten, counted down 10 … 1; 0 before
    // them and once the flag has fallen. Only a clock that can run out counts down.
    int countdown() const;
    const TimeControl& control() const { return control_; }

    bool operator==(const ArmyTime&) const = default;

  private:
    TimeControl control_;
    double mainAtTurnStart_ = 0;
    double mainLeft_ = 0;
    double periodLeft_ = 0;
    bool fallen_ = false;
};

}  // namespace record
