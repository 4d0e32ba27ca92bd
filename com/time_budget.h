// The computer keeping to a time control: how many nodes a looking-ahead turn may visit. Node
// budgets still decide what a search returns; the clock can only cut a budget short.
#pragma once

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

}  // namespace com
