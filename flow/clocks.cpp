#include "flow/clocks.h"

#include <cmath>
#include <utility>

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

void Clocks::tick(rules::SideId sideToMove) {
    if (!timer_.enabled()) return;
    ClockTimes& t = times_;
    t.turnSeconds = record::調査_経過秒(t.turnStart, clock_.secondsSinceMidnight());
    const int second = static_cast<int>(std::floor(t.turnSeconds));
    if (second == t.lastShownSecond) return;
    t.lastShownSecond = second;
    if (sideToMove == position_.topSide) {
        描画_所有時間(position_.topSide, t.topClock + t.turnSeconds);
    } else if (sideToMove == position_.bottomSide) {
        描画_所有時間(position_.bottomSide, t.bottomClock + t.turnSeconds);
    }
    canvas_.repaintNow();
}

void Clocks::run(bool on) {
    timer_.setEnabled(on);
}

void Clocks::startTurn() {
    markTurnStart();
    if (options_.elapsedTime) timer_.setEnabled(true);
}

void Clocks::markTurnStart() {
    times_.turnStart = clock_.secondsSinceMidnight();
}

void Clocks::addTurn(bool bottom) {
    (bottom ? times_.bottomClock : times_.topClock) += times_.turnSeconds;
}

void Clocks::reset() {
    times_.bottomClock = 0;
    times_.topClock = 0;
    times_.turnSeconds = 0;
    times_.lastShownSecond = 0;
    timer_.setEnabled(false);
}

void Clocks::show(double topClock, double bottomClock) {
    times_.topClock = topClock;
    描画_所有時間(position_.topSide, topClock);
    times_.bottomClock = bottomClock;
    描画_所有時間(position_.bottomSide, bottomClock);
}

void Clocks::exchange() {
    std::swap(times_.bottomClock, times_.topClock);
}

void Clocks::showElapsedTime(bool on, bool playing) {
    if (!on) {
        timer_.setEnabled(false);
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

void Clocks::描画_所有時間(rules::SideId side, double seconds) {
    if (!options_.elapsedTime) return;
    const bool top = side == position_.topSide;
    if (!top && side != position_.bottomSide) return;
    消去_所有時間(side);
    const ClockSpot& spot = top ? kTopClock : kBottomClock;
    const std::string text = record::調査_時間秒追加結果(seconds);
    screen_.描画_数値(spot.column + kShadowOffset, spot.row + kShadowOffset, text, kShadowColour,
                      kClockFontSize);
    screen_.描画_数値(spot.column, spot.row, text, kClockColour, kClockFontSize);
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
