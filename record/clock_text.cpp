#include "record/clock_text.h"

#include <cmath>

namespace record {

namespace {

// A part of the clock text from its whole part; values too wide for two characters are left
// out before they are turned into an integer, so any reading is safe.
std::string part(double value) {
    const double whole = std::trunc(value);
    if (!(whole > -10 && whole < 100)) return "";
    return 変換_数字から文字(static_cast<long long>(whole));
}

}  // namespace

double 調査_経過秒(double start, double now) {
    if (start <= now) return now - start;
    return now + (kSecondsPerDay - start);
}

std::string 変換_数字から文字(long long n) {
    const std::string text = std::to_string(n);
    if (text.size() == 1) return "0" + text;
    if (text.size() == 2) return text;
    return "";
}

std::string 調査_時間秒追加結果(double seconds) {
    const double hours = seconds < 3600 ? 0 : std::floor(seconds / 3600);
    const double rest = seconds - 3600 * hours;
    const double minutes = std::floor(rest / 60);
    const double secs = rest - 60 * minutes;
    return part(hours) + ":" + part(minutes) + ":" + part(secs);
}

}  // namespace record
