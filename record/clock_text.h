// The players' clocks as numbers and as the text shown beside the board.
#pragma once

#include <string>

namespace record {

constexpr double kSecondsPerDay = 86400;

// Seconds from `start` to `now`, both readings of the day clock (seconds since midnight). A
// reading smaller than the start means the day clock passed midnight in between.
double 調査_経過秒(double start, double now);

// A whole number as two characters: one digit gets a leading "0" (7 → "07"), two characters are
// kept as they are, and anything longer gives empty text.
std::string 変換_数字から文字(long long n);

// A number of seconds as "hh:mm:ss", each part the whole part of its value written with
// 変換_数字から文字; so 100 hours or more leave the hour part empty.
std::string 調査_時間秒追加結果(double seconds);

}  // namespace record
