// The clocks' arithmetic: a turn measured across midnight and the text of a clock.
#include <gtest/gtest.h>

#include "record/clock_text.h"

using namespace record;

namespace {

TEST(ClockText, ElapsedSecondsWithinADayAndAcrossMidnight) {
    EXPECT_DOUBLE_EQ(調査_経過秒(100, 100), 0);
    EXPECT_DOUBLE_EQ(調査_経過秒(100, 107.25), 7.25);
    // 23:59:50 to 00:00:05.
    EXPECT_DOUBLE_EQ(調査_経過秒(23 * 3600 + 59 * 60 + 50, 5), 15);
    EXPECT_DOUBLE_EQ(調査_経過秒(86399.5, 0), 0.5);
}

TEST(ClockText, TwoCharacterParts) {
    EXPECT_EQ(変換_数字から文字(0), "00");
    EXPECT_EQ(変換_数字から文字(7), "07");
    EXPECT_EQ(変換_数字から文字(59), "59");
    EXPECT_EQ(変換_数字から文字(100), "");
    EXPECT_EQ(変換_数字から文字(-3), "-3");
}

TEST(ClockText, HoursMinutesAndSeconds) {
    EXPECT_EQ(調査_時間秒追加結果(0), "00:00:00");
    EXPECT_EQ(調査_時間秒追加結果(59), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(59.9), "00:00:59") << "a fraction of a second is not shown";
    EXPECT_EQ(調査_時間秒追加結果(3599.5), "00:59:59");
    EXPECT_EQ(調査_時間秒追加結果(3600), "01:00:00");
    EXPECT_EQ(調査_時間秒追加結果(3725), "01:02:05");
    EXPECT_EQ(調査_時間秒追加結果(99 * 3600 + 3599), "99:59:59");
}

TEST(ClockText, HundredHoursOrMoreLeaveTheHourPartEmpty) {
    EXPECT_EQ(調査_時間秒追加結果(100 * 3600), ":00:00");
    EXPECT_EQ(調査_時間秒追加結果(100 * 3600 + 61), ":01:01");
    // Far beyond any game: still a text, never a broken conversion.
    EXPECT_EQ(調査_時間秒追加結果(1e300).substr(0, 1), ":");
}

}  // namespace
