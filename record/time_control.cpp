#include "record/time_control.h"

#include <algorithm>
#include <cmath>

namespace record {

namespace {

using Kind = TimeControlKind;

constexpr double kCountdownSeconds = 10;

const std::string_view kNone = "なし";
const std::string_view kMinutes = "分";
const std::string_view kSeconds = "秒";
const std::string_view kSuddenDeath = "切れ負け";
const std::string_view kPlus = "+";
const std::string_view kWidePlus = "＋";
const std::string_view kIncrement = "加算";

bool eat(std::string_view& s, std::string_view prefix) {
    if (s.substr(0, prefix.size()) != prefix) return false;
    s.remove_prefix(prefix.size());
    return true;
}

// A whole number of at most five digits; false when there is none.
bool eatNumber(std::string_view& s, int& n) {
    std::size_t i = 0;
    n = 0;
    while (i < s.size() && i < 5 && s[i] >= '0' && s[i] <= '9') n = n * 10 + (s[i++] - '0');
    s.remove_prefix(i);
    return i > 0;
}

std::string mainText(int seconds) {
    std::string text = std::to_string(seconds / 60) + std::string(kMinutes);
    if (seconds % 60 != 0) text += std::to_string(seconds % 60) + std::string(kSeconds);
    return text;
}

}  // namespace

bool isValid(const TimeControl& c) {
    if (c.kind == Kind::None) return true;
    if (c.mainSeconds < 0 || c.mainSeconds > kMaxMainSeconds) return false;
    if (c.extraSeconds < 0 || c.extraSeconds > kMaxExtraSeconds) return false;
    switch (c.kind) {
        case Kind::SuddenDeath:
            return c.mainSeconds > 0 && c.extraSeconds == 0;
        case Kind::Byoyomi:
            return c.extraSeconds > 0;
        case Kind::Increment:
            return c.mainSeconds > 0 && c.extraSeconds > 0;
        case Kind::None:
            break;
    }
    return true;
}

std::string timeControlText(const TimeControl& c) {
    const std::string extra = std::to_string(c.extraSeconds) + std::string(kSeconds);
    switch (c.kind) {
        case Kind::None:
            break;
        case Kind::SuddenDeath:
            return mainText(c.mainSeconds) + std::string(kSuddenDeath);
        case Kind::Byoyomi:
            return mainText(c.mainSeconds) + std::string(kPlus) + extra;
        case Kind::Increment:
            return mainText(c.mainSeconds) + std::string(kPlus) + std::string(kIncrement) + extra;
    }
    return std::string(kNone);
}

std::optional<TimeControl> readTimeControl(std::string_view s) {
    if (s == kNone) return TimeControl{};
    TimeControl c;
    int minutes = 0, seconds = 0;
    if (!eatNumber(s, minutes) || !eat(s, kMinutes)) return std::nullopt;
    std::string_view rest = s;
    if (eatNumber(rest, seconds) && eat(rest, kSeconds)) {
        if (seconds >= 60) return std::nullopt;
        s = rest;
    } else {
        seconds = 0;
    }
    c.mainSeconds = minutes * 60 + seconds;
    if (eat(s, kSuddenDeath)) {
        c.kind = Kind::SuddenDeath;
    } else if (eat(s, kPlus) || eat(s, kWidePlus)) {
        c.kind = eat(s, kIncrement) ? Kind::Increment : Kind::Byoyomi;
        if (!eatNumber(s, c.extraSeconds) || !eat(s, kSeconds)) return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (!s.empty() || !isValid(c)) return std::nullopt;
    return c;
}

const std::vector<TimeControl>& timeControlPresets() {
    static const std::vector<TimeControl> presets = {
        {Kind::SuddenDeath, 600, 0},
        {Kind::Byoyomi, 600, 30},
        {Kind::Byoyomi, 0, 30},
        {Kind::Increment, 180, 2},
    };
    return presets;
}

ArmyTime::ArmyTime(const TimeControl& control)
    : control_(control),
      mainAtTurnStart_(control.mainSeconds),
      mainLeft_(control.mainSeconds),
      periodLeft_(control.kind == Kind::Byoyomi ? control.extraSeconds : 0) {}

void ArmyTime::tick(double spent) {
    if (control_.kind == Kind::None || fallen_) return;
    spent = std::max(0.0, spent);
    if (control_.kind == Kind::Byoyomi) {
        // The period starts to run only once the main time is spent.
        mainLeft_ = std::max(0.0, mainAtTurnStart_ - spent);
        periodLeft_ = control_.extraSeconds - std::max(0.0, spent - mainAtTurnStart_);
        fallen_ = mainLeft_ <= 0 && periodLeft_ <= 0;
    } else {
        mainLeft_ = mainAtTurnStart_ - spent;
        fallen_ = mainLeft_ <= 0;
    }
}

void ArmyTime::endTurn(double spent) {
    if (control_.kind == Kind::None) return;
    tick(spent);
    if (fallen_) return;  // a fallen flag stays down
    if (control_.kind == Kind::Increment) mainLeft_ += control_.extraSeconds;
    if (control_.kind == Kind::Byoyomi) periodLeft_ = control_.extraSeconds;
    mainAtTurnStart_ = mainLeft_;
}

ClockFace ArmyTime::face() const {
    if (control_.kind == Kind::Byoyomi && mainLeft_ <= 0) return {std::max(0.0, periodLeft_), true};
    return {std::max(0.0, mainLeft_), false};
}

int ArmyTime::countdown() const {
    if (control_.kind == Kind::None || fallen_) return 0;
    const ClockFace f = face();
    if (control_.kind == Kind::Byoyomi && !f.byoyomi) return 0;  // the period is still to come
    if (f.seconds > kCountdownSeconds) return 0;
    return static_cast<int>(std::ceil(f.seconds));
}

}  // namespace record
