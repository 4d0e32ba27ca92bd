#include "record/entry_line.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace record {
namespace {

constexpr int kBoardWidth = 3;
constexpr int kClockWidth = 5;
constexpr int kHandStart = 81 * kBoardWidth;                    // 0-based column 243
constexpr int kClockStart = kHandStart + 2 * rules::kHandSize;  // 0-based column 269
static_assert(kClockStart + 4 * kClockWidth == kEntryLineLength);

// Appends v right-aligned in `width` characters, padded with blanks.
void appendField(std::string& out, long v, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%*ld", width, v);
    out += buf;
}

long clockField(double seconds) {
    if (std::isnan(seconds)) return 0;
    if (seconds >= kMaxClockField) return kMaxClockField;
    if (seconds <= -9999) return -9999;
    return static_cast<long>(seconds);  // whole seconds, fraction dropped
}

// The characters of the field at 0-based `start`, as far as the line has them.
std::string_view fieldAt(std::string_view line, int start, int width, bool& clipped) {
    const auto size = static_cast<int>(line.size());
    clipped = start + width > size;
    if (start >= size) return {};
    return line.substr(start, std::min(width, size - start));
}

// The number a field spells: leading blanks, an optional sign, digits, trailing blanks. A field
// of blanks only (or cut off by the end of the line before any digit) is 0.
bool parseField(std::string_view f, bool clipped, int& value) {
    std::size_t i = 0;
    while (i < f.size() && f[i] == ' ') ++i;
    if (i == f.size()) {
        value = 0;
        return true;
    }
    int sign = 1;
    if (f[i] == '-' || f[i] == '+') {
        sign = f[i] == '-' ? -1 : 1;
        ++i;
        if (i == f.size() && clipped) {
            value = 0;  // the digits were cut off with the rest of the line
            return true;
        }
    }
    const std::size_t digitsStart = i;
    int v = 0;
    while (i < f.size() && f[i] >= '0' && f[i] <= '9') v = v * 10 + (f[i++] - '0');
    if (i == digitsStart) return false;
    while (i < f.size() && f[i] == ' ') ++i;
    if (i != f.size()) return false;
    value = sign * v;
    return true;
}

}  // namespace

std::string encodeEntryLine(const MoveEntry& entry) {
    std::string out;
    out.reserve(kEntryLineLength);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            appendField(out, std::clamp(entry.boardAt(x, y), -99, 999), kBoardWidth);
        }
    }
    for (int k = 1; k <= rules::kHandSize; ++k) {
        appendField(out, std::clamp(entry.ownHandAt[k], 0, 9), 1);
        appendField(out, std::clamp(entry.enemyHandAt[k], 0, 9), 1);
    }
    for (double clock : {entry.bottomBefore, entry.bottomAfter, entry.topBefore, entry.topAfter}) {
        appendField(out, clockField(clock), kClockWidth);
    }
    return out;
}

LineDecode decodeEntryLine(std::string_view line, MoveEntry& out) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (static_cast<int>(line.size()) > kEntryLineLength &&
        line.find_first_not_of(' ', kEntryLineLength) != std::string_view::npos) {
        return {LineError::TooLong, kEntryLineLength + 1};
    }

    MoveEntry e;
    bool clipped = false;
    int v = 0;
    int col = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y, col += kBoardWidth) {
            const std::string_view f = fieldAt(line, col, kBoardWidth, clipped);
            if (!parseField(f, clipped, v)) return {LineError::NotANumber, col + 1};
            if (!rules::isValidCode(v)) return {LineError::BadPieceCode, col + 1};
            e.boardAt(x, y) = v;
        }
    }
    for (int k = 1; k <= rules::kHandSize; ++k) {
        for (rules::Hand* hand : {&e.ownHandAt, &e.enemyHandAt}) {
            const std::string_view f = fieldAt(line, col, 1, clipped);
            if (f == "-") return {LineError::NegativeHandCount, col + 1};
            if (!parseField(f, clipped, v)) return {LineError::NotANumber, col + 1};
            if (v < 0) return {LineError::NegativeHandCount, col + 1};
            (*hand)[k] = v;
            ++col;
        }
    }
    for (double* clock : {&e.bottomBefore, &e.bottomAfter, &e.topBefore, &e.topAfter}) {
        const std::string_view f = fieldAt(line, col, kClockWidth, clipped);
        if (!parseField(f, clipped, v)) return {LineError::NotANumber, col + 1};
        *clock = v;
        col += kClockWidth;
    }
    out = e;
    return {};
}

std::string describe(const LineDecode& result) {
    const char* what = "";
    switch (result.error) {
        case LineError::None:
            return "no error";
        case LineError::NotANumber:
            what = "not a number";
            break;
        case LineError::BadPieceCode:
            what = "bad piece code";
            break;
        case LineError::NegativeHandCount:
            what = "negative hand count";
            break;
        case LineError::TooLong:
            what = "line longer than 289 characters";
            break;
    }
    return std::string(what) + " at column " + std::to_string(result.column);
}

}  // namespace record
