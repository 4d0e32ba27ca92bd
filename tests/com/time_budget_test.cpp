#include "com/time_budget.h"

#include <gtest/gtest.h>

namespace {

using com::ClockShare;
using com::timedNodeBudget;

TEST(TimeBudget, TheClockOnlyCutsTheLevelsBudget) {
    constexpr long kLevel = 12000;
    const struct {
        std::optional<ClockShare> clock;
        long budget;
    } rows[] = {
        {std::nullopt, kLevel},                  // no time control: the level's own
        {ClockShare{600, 30, 0, 1000}, kLevel},  // plenty of time
        {ClockShare{300, 0, 0, 1000}, 10000},    // a thirtieth of the main time
        {ClockShare{0, 10, 0, 1000}, 8000},      // most of the period
        {ClockShare{30, 0, 2, 1000}, 2600},      // a thirtieth and most of the increment
        {ClockShare{2, 0, 2, 1000}, 1000},       // short of time: half of what is left
        {ClockShare{-1, 0, 0, 1000}, 0},
        {ClockShare{1, 0, 0, 0}, kLevel},  // no speed measured yet
    };
    for (const auto& r : rows) EXPECT_EQ(timedNodeBudget(kLevel, r.clock), r.budget);
}

// A reading is kept between the floor and the ceiling; a clock that stood still or went back
// (past midnight) tells nothing, and the floor is taken.
TEST(TimeBudget, TheSpeedIsBoundedAndMeasuredAgainstTheClockGiven) {
    const struct {
        double seconds, speed;
    } rows[] = {
        {0.1, 200'000},
        {1, com::kSlowestNodesPerSecond},
        {0.001, com::kFastestNodesPerSecond},
        {0, com::kSlowestNodesPerSecond},
        {-5, com::kSlowestNodesPerSecond},
    };
    for (const auto& r : rows) EXPECT_EQ(com::boundedSpeed(20'000, r.seconds), r.speed);

    double t = 0;
    const double measured = com::measureLookaheadSpeed([&t] { return t += 0.1; });
    EXPECT_NEAR(measured, 200'000, 20'000) << "the search's nodes in a tenth of a second";
    EXPECT_EQ(com::measureLookaheadSpeed([] { return 0.0; }), com::kSlowestNodesPerSecond);
}

}  // namespace
