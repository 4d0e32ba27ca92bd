// The computer keeping to a time control: how many nodes a looking-ahead turn may visit. Node
// budgets still decide what a search returns; the clock can only cut a budget short.
#pragma once

#include <functional>
#include <optional>

namespace com {

// The computer's clock as its turn begins (seconds), and how fast its search has been.
struct ClockShare {
    double timeLeft = 0;        // main time left
    double byoyomi = 0;         // the period each move has once the main time is spent
    double increment = 0;       // seconds added after each move
    double nodesPerSecond = 0;  // the search's speed as last measured; 0 before it is known
};

// The node budget for a turn: without a clock (or before the speed is known) the level's own; with
// one, no more than a fair share of the clock buys (a thirtieth of the main time and most of a
// byoyomi period or an increment), and never more than half of the main time left and most of the
// period, so the computer is not the one whose flag falls. The search's first depth always ends,
// whatever the budget.
long timedNodeBudget(long levelBudget, const std::optional<ClockShare>& clock);

// The speeds a measurement is kept between: the floor is well below a slow machine's, and no
// machine is taken to be faster than the ceiling.
constexpr double kSlowestNodesPerSecond = 100'000;
constexpr double kFastestNodesPerSecond = 2'000'000;
// The speed `nodes` visited in `seconds` stand for, within the floor and the ceiling; the floor
// when no time was measured.
double boundedSpeed(double nodes, double seconds);
// How fast the look-ahead runs here: a short search from the start position (a few hundredths of
// a second), timed by `now` (seconds). A clock that does not move on while it runs gives the floor.
double measureLookaheadSpeed(const std::function<double()>& now);

}  // namespace com
