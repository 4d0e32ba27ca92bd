// The players' clocks: the tick that measures the turn and keeps the mover's clock current on
// the screen, and the drawing of both clocks beside the board.
#include <cmath>

#include "flow/game.h"
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

void Game::Timer1_Timer() {
    if (!timer_.enabled()) return;
    GameState& s = state_;
    s.turnSeconds = record::調査_経過秒(s.turnStart, clock_.secondsSinceMidnight());
    const int second = static_cast<int>(std::floor(s.turnSeconds));
    if (second == s.lastShownSecond) return;
    s.lastShownSecond = second;
    if (s.sideToMove == position_.topSide) {
        描画_所有時間(position_.topSide, s.topClock + s.turnSeconds);
    } else if (s.sideToMove == position_.bottomSide) {
        描画_所有時間(position_.bottomSide, s.bottomClock + s.turnSeconds);
    }
    canvas_.repaintNow();
}

bool Game::gameBeingPlayed() const {
    return state_.sideToMove != 0 && state_.kifuMode == 0 && state_.resumePending == 0 &&
           !recordFull();
}

void Game::描画_所有時間(rules::SideId side, double seconds) {
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

void Game::消去_所有時間(rules::SideId side) {
    const ClockSpot* spot = side == position_.topSide      ? &kTopClock
                            : side == position_.bottomSide ? &kBottomClock
                                                           : nullptr;
    if (spot == nullptr) return;
    for (int c = spot->firstCell; c < spot->firstCell + 3; ++c)
        screen_.描画_絵(options_.background, c, kClockRow);
}

}  // namespace flow
