#include "flow/clocks.h"

#include <cmath>
#include <utility>

#include "com/time_budget.h"
#include "flow/game_state.h"
#include "record/clock_text.h"

namespace flow {

namespace {

// Where an army's clock is printed (board units) and which cells it takes.
struct ClockSpot {
    double column, row;
    int firstCell;  // the clock covers this cell of row 10 and the two to its right
};
constexpr ClockSpot kBottomClock{13, 10.2, 13};
constexpr ClockSpot kTopClock{-1.6, 10.2, -2};
constexpr double kClockRow = 10;
constexpr double kClockFontSize = 12;
constexpr int kClockColour = platform::palette::kWhite;
constexpr int kByoyomiColour = platform::palette::kYellow;  // the seconds of a byoyomi period

}  // namespace

Clocks::Clocks(platform::DayClock& clock, platform::Timer& timer, platform::Canvas& canvas,
               view::Screen& screen, const rules::Position& position,
               const settings::Options& options)
    : clock_(clock),
      timer_(timer),
      canvas_(canvas),
      screen_(screen),
      position_(position),
      options_(options) {}

ClockEvent Clocks::tick(rules::SideId sideToMove) {
    if (!timer_.enabled() || (pauses_ > 0 && timed())) return ClockEvent::None;
    ClockTimes& t = times_;
    t.turnSeconds = record::調査_経過秒(t.turnStart, clock_.secondsSinceMidnight());
    const bool top = sideToMove == position_.topSide;
    const bool bottom = sideToMove == position_.bottomSide;
    if (!top && !bottom) return ClockEvent::None;
    ClockEvent event = ClockEvent::None;
    if (timed()) {
        record::ArmyTime& mover = bottom ? bottomTime_ : topTime_;
        const int before = mover.countdown();
        mover.tick(t.turnSeconds);
        if (mover.flagFallen()) {
            event = ClockEvent::FlagFell;
        } else if (mover.countdown() != before && mover.countdown() > 0) {
            event = ClockEvent::Countdown;
        }
    }
    // The mover's clock turns over when its own total reaches a new second, not the turn's.
    const double shown = (top ? t.topClock : t.bottomClock) + t.turnSeconds;
    const double second = std::floor(shown);
    if (second == t.lastShownSecond && event == ClockEvent::None) return event;
    t.lastShownSecond = second;
    描画_所有時間(sideToMove, shown);
    canvas_.repaintNow();
    return event;
}

void Clocks::run(bool on) {
    timer_.setEnabled(on);
}

void Clocks::startTurn() {
    markTurnStart();
    if (options_.elapsedTime || timed()) timer_.setEnabled(true);
}

void Clocks::markTurnStart() {
    times_.turnStart = clock_.secondsSinceMidnight();
}

void Clocks::addTurn(bool bottom) {
    double& clock = bottom ? times_.bottomClock : times_.topClock;
    clock += times_.turnSeconds;
    (bottom ? bottomTime_ : topTime_).endTurn(times_.turnSeconds);
    // The mover's clock stops at the time its move was recorded with.
    描画_所有時間(bottom ? position_.bottomSide : position_.topSide, clock);
}

void Clocks::reset() {
    times_.bottomClock = 0;
    times_.topClock = 0;
    times_.turnSeconds = 0;
    times_.lastShownSecond = 0;
    timer_.setEnabled(false);
    takeControl(0);
}

void Clocks::show(double topClock, double bottomClock) {
    times_.topClock = topClock;
    描画_所有時間(position_.topSide, topClock);
    times_.bottomClock = bottomClock;
    描画_所有時間(position_.bottomSide, bottomClock);
}

void Clocks::exchange() {
    std::swap(times_.bottomClock, times_.topClock);
    std::swap(bottomTime_, topTime_);
    for (Kept& k : kept_) std::swap(k.bottom, k.top);
}

void Clocks::takeControl(int entry) {
    if (entry > 0) {
        restoreEntry(entry);
        return;
    }
    bottomTime_ = topTime_ = record::ArmyTime(options_.timeControl);
    kept_[0] = {bottomTime_, topTime_};
    lastKept_ = 0;
}

void Clocks::keepEntry(int entry, bool bottomMoved) {
    if (!timed() || entry < 1 || entry > record::kMaxEntry) return;
    Kept k{bottomTime_, topTime_};
    (bottomMoved ? k.bottom : k.top).endTurn(times_.turnSeconds);
    kept_[entry] = k;
    lastKept_ = entry;
}

void Clocks::restoreEntry(int entry) {
    if (!timed()) return;
    // An entry this game did not play (a record read from a file) starts the clocks afresh.
    const Kept& k = entry >= 0 && entry <= lastKept_ ? kept_[entry] : kept_[0];
    bottomTime_ = k.bottom;
    topTime_ = k.top;
}

void Clocks::pause() {
    if (pauses_++ == 0) pauseStart_ = clock_.secondsSinceMidnight();
}

void Clocks::resume() {
    if (pauses_ == 0 || --pauses_ > 0 || !timed()) return;
    // The turn starts that much later; a turn's start is a reading of the day clock.
    times_.turnStart += record::調査_経過秒(pauseStart_, clock_.secondsSinceMidnight());
    if (times_.turnStart >= record::kSecondsPerDay) times_.turnStart -= record::kSecondsPerDay;
}

double Clocks::lookaheadSpeed() {
    if (lookaheadSpeed_ == 0)
        lookaheadSpeed_ =
            com::measureLookaheadSpeed([this] { return clock_.secondsSinceMidnight(); });
    return lookaheadSpeed_;
}

void Clocks::showElapsedTime(bool on, bool playing) {
    if (!on) {
        timer_.setEnabled(playing && timed());  // a time control runs on unseen
        消去_所有時間(position_.topSide);
        消去_所有時間(position_.bottomSide);
        return;
    }
    // Only a game being played has a clock to run; the mover's goes on from its turn's start.
    timer_.setEnabled(playing);
    drawBoth();
}

void Clocks::drawBoth() {
    描画_所有時間(position_.topSide, times_.topClock);
    描画_所有時間(position_.bottomSide, times_.bottomClock);
}

platform::Answer ClockPausingDialogs::show(const std::string& text, const std::string& title,
                                           platform::Buttons buttons, platform::Icon icon) {
    clocks_.pause();
    const platform::Answer answer = inner_.show(text, title, buttons, icon);
    clocks_.resume();
    return answer;
}

void Clocks::描画_所有時間(rules::SideId side, double seconds) {
    if (!options_.elapsedTime) return;
    const bool top = side == position_.topSide;
    if (!top && side != position_.bottomSide) return;
    消去_所有時間(side);
    const ClockSpot& spot = top ? kTopClock : kBottomClock;
    int colour = kClockColour;
    if (timed()) {
        // Under a time control the clock shows what is left, a started second as a whole one.
        const record::ClockFace face = (top ? topTime_ : bottomTime_).face();
        seconds = std::ceil(face.seconds);
        if (face.byoyomi) colour = kByoyomiColour;
    }
    const std::string text = record::調査_時間秒追加結果(seconds);
    screen_.描画_数値(spot.column + kShadowOffset, spot.row + kShadowOffset, text, kShadowColour,
                      kClockFontSize);
    screen_.描画_数値(spot.column, spot.row, text, colour, kClockFontSize);
    if (top) screen_.描画_桝輪郭(kWindowColour, 1, 9);
}

void Clocks::消去_所有時間(rules::SideId side) {
    const ClockSpot* spot = side == position_.topSide      ? &kTopClock
                            : side == position_.bottomSide ? &kBottomClock
                                                           : nullptr;
    if (spot == nullptr) return;
    for (int c = spot->firstCell; c < spot->firstCell + 3; ++c)
        screen_.描画_絵(options_.background, c, kClockRow);
}

}  // namespace flow
