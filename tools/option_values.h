// The option values the command-line tools share: whole numbers within bounds, on|off switches,
// and the bounds of a node budget and of the number of threads. A value that does not read
// leaves its option as it was.
#pragma once

#include <charconv>
#include <string>

namespace tools {

constexpr long kMaxNodeBudget = 1'000'000'000L;
constexpr int kMaxJobs = 256;

// A whole number low..high, the whole text and nothing else.
template <typename T>
bool readNumber(const std::string& text, T& value, T low, T high) {
    T v{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < low || v > high) {
        return false;
    }
    value = v;
    return true;
}

// "on" or "off".
inline bool readOnOff(const std::string& text, bool& value) {
    if (text != "on" && text != "off") return false;
    value = text == "on";
    return true;
}

inline bool readNodeBudget(const std::string& text, long& value) {
    return readNumber(text, value, 1L, kMaxNodeBudget);
}

inline bool readJobs(const std::string& text, int& value) {
    return readNumber(text, value, 1, kMaxJobs);
}

}  // namespace tools
