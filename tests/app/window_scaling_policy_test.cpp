// The window's scaling policy alone: the scale it opens at and the menus' quarter steps.
#include <gtest/gtest.h>

#include "app/window_scaling.h"

namespace {

using app::WindowScaling;

TEST(WindowScalingPolicy, OpensAtTheLargestQuarterStepThatFitsAndNeverBelowOne) {
    // 94 % of 1000×800 over 500×300: 1.88 across, 2.5 down.
    EXPECT_EQ(WindowScaling::initialScale(QRect(0, 0, 1000, 800), QSizeF(500, 300)), 1.75);
    EXPECT_EQ(WindowScaling::initialScale(QRect(0, 0, 400, 300), QSizeF(500, 300)), 1);
}

TEST(WindowScalingPolicy, MenusTakeAQuarterStepOnlyOnAClearChangeOfScale) {
    struct Row {
        double scale;
        double step;  // 0: the menus keep theirs
    };
    const Row rows[] = {{1.1, 0}, {1.2, 1.25}, {1.3, 0}, {1.4, 0}, {1.45, 1.5}, {6, 4}, {0.5, 1}};
    WindowScaling scaling;
    for (const Row& r : rows) {
        scaling.setScale(r.scale);
        EXPECT_EQ(scaling.nextMenuStep().value_or(0), r.step) << "scale " << r.scale;
    }
}

}  // namespace
