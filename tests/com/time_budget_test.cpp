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

}  // namespace
