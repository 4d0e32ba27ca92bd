#include "record/time_control.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace record;
using Kind = TimeControlKind;

// One army's clock through its moves, each taking the given seconds, then `spent` seconds into
// the next turn.
TEST(TimeControl, ClocksCountDownUnderEachControl) {
    const struct {
        TimeControl control;
        std::vector<double> moves;
        double spent;
        double shown;
        bool byoyomi;
        bool fallen;
    } rows[] = {
        {{Kind::None}, {500}, 1e6, 0, false, false},
        {{Kind::SuddenDeath, 600}, {100, 200}, 250, 50, false, false},
        {{Kind::SuddenDeath, 600}, {100, 200}, 300, 0, false, true},
        // The period starts once the main time is spent, and is full again after every move.
        {{Kind::Byoyomi, 600, 30}, {590}, 5, 5, false, false},
        {{Kind::Byoyomi, 600, 30}, {590}, 15, 25, true, false},
        {{Kind::Byoyomi, 600, 30}, {590, 29, 29.9}, 29.5, 0.5, true, false},
        {{Kind::Byoyomi, 0, 30}, {29, 29}, 30, 0, true, true},
        // The increment comes after each move, not before the first.
        {{Kind::Increment, 180, 2}, {}, 10, 170, false, false},
        {{Kind::Increment, 180, 2}, {10, 10}, 0, 164, false, false},
        {{Kind::Increment, 180, 2}, {10, 10}, 164, 0, false, true},
        // A flag that fell during a move stays down: no increment, no fresh period.
        {{Kind::Increment, 180, 2}, {181}, 0, 0, false, true},
        {{Kind::Byoyomi, 0, 30}, {31}, 0, 0, true, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(timeControlText(r.control) + " after " + std::to_string(r.moves.size()));
        ArmyTime t(r.control);
        for (double m : r.moves) {
            t.tick(m / 2);
            t.endTurn(m);
        }
        t.tick(r.spent);
        EXPECT_DOUBLE_EQ(t.face().seconds, r.shown);
        EXPECT_EQ(t.face().byoyomi, r.byoyomi);
        EXPECT_EQ(t.flagFallen(), r.fallen);
    }
}

// The last ten seconds are counted 10 … 1 only where running out loses.
TEST(TimeControl, CountdownInTheLastTenSeconds) {
    const struct {
        TimeControl control;
        double spent;
        int countdown;
    } rows[] = {
        {{Kind::SuddenDeath, 60}, 49.5, 0},
        {{Kind::SuddenDeath, 60}, 50, 10},
        {{Kind::SuddenDeath, 60}, 58.2, 2},
        {{Kind::SuddenDeath, 60}, 60, 0},
        {{Kind::Byoyomi, 60, 30}, 55, 0},  // main time ending goes on into the period
        {{Kind::Byoyomi, 60, 30}, 86.5, 4},
        {{Kind::Increment, 60, 5}, 59.5, 1},
        {{Kind::None}, 1e6, 0},
    };
    for (const auto& r : rows) {
        ArmyTime t(r.control);
        t.tick(r.spent);
        EXPECT_EQ(t.countdown(), r.countdown) << timeControlText(r.control) << " " << r.spent;
    }
}

TEST(TimeControl, TextFormsReadBackAndOthersAreRefused) {
    const struct {
        TimeControl control;
        const char* text;
    } rows[] = {
        {{}, "なし"},
        {{Kind::SuddenDeath, 600}, "10分切れ負け"},
        {{Kind::Byoyomi, 600, 30}, "10分+30秒"},
        {{Kind::Byoyomi, 0, 30}, "0分+30秒"},
        {{Kind::Increment, 180, 2}, "3分+加算2秒"},
        {{Kind::SuddenDeath, 90}, "1分30秒切れ負け"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(timeControlText(r.control), r.text);
        EXPECT_EQ(readTimeControl(r.text), r.control) << r.text;
    }
    EXPECT_EQ(readTimeControl("10分＋30秒"), (TimeControl{Kind::Byoyomi, 600, 30}));
    for (const TimeControl& p : timeControlPresets())
        EXPECT_EQ(readTimeControl(timeControlText(p)), p);
    for (const char* bad : {"", "10分", "0分切れ負け", "0分+加算2秒", "10分+0秒", "1分60秒切れ負け",
                            "601分切れ負け", "10分+601秒", "10分+30秒 ", "x分+30秒", "10分+秒"})
        EXPECT_EQ(readTimeControl(bad), std::nullopt) << bad;
}

}  // namespace
