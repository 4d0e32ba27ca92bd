#include "com/time_budget.h"

#include <algorithm>
#include <cmath>

#include "com/choose_move.h"
#include "com/lookahead_search.h"
#include "rules/setup.h"

namespace com {

namespace {

constexpr double kMovesToPlan = 30;   // the main time is shared out as if this many moves remained
constexpr double kPeriodShare = 0.8;  // of a byoyomi period or an increment
constexpr double kMostOfWhatIsLeft = 0.5;
constexpr long kMeasuringNodes = 20'000;  // a few hundredths of a second on a desktop core

}  // namespace

long timedNodeBudget(long levelBudget, const std::optional<ClockShare>& clock) {
    if (!clock || !(clock->nodesPerSecond > 0)) return levelBudget;
    const double timeLeft = std::max(0.0, clock->timeLeft);
    const double period = kPeriodShare * std::max(0.0, clock->byoyomi);
    const double fair =
        timeLeft / kMovesToPlan + period + kPeriodShare * std::max(0.0, clock->increment);
    const double seconds = std::min(fair, kMostOfWhatIsLeft * timeLeft + period);
    const double nodes = std::floor(seconds * clock->nodesPerSecond);
    if (!(nodes < static_cast<double>(levelBudget))) return levelBudget;
    return static_cast<long>(nodes);
}

double boundedSpeed(double nodes, double seconds) {
    if (!(seconds > 0)) return kSlowestNodesPerSecond;
    return std::clamp(nodes / seconds, kSlowestNodesPerSecond, kFastestNodesPerSecond);
}

double measureLookaheadSpeed(const std::function<double()>& now) {
    rules::Position pos;
    rules::layOutStartPosition(pos);
    InfluenceMap map;
    ComState state;
    SearchContext context;
    SearchSettings settings;
    settings.comLevel = kLookaheadLevel;
    settings.nodes = kMeasuringNodes;
    const double start = now();
    chooseMove(pos, map, state, settings, nullptr, &context);
    return boundedSpeed(static_cast<double>(context.nodes()), now() - start);
}

}  // namespace com
