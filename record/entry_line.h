// One move-list entry as the fixed-width text line of the game-record file.
//
// The line is 289 characters without separators:
//   columns   1-243  81 board codes, 3 characters each, x = 1..9 outer, y = 1..9 inner;
//   columns 244-269  for each hand index 1..13: the bottom army's count, then the top army's,
//                    one digit each;
//   columns 270-289  bottomBefore, bottomAfter, topBefore, topAfter, 5 characters each, whole
//                    seconds.
// Every number is right-aligned and padded with blanks on the left.
#pragma once

#include <string>
#include <string_view>

#include "record/move_list.h"

namespace record {

constexpr int kEntryLineLength = 289;
// The largest clock a 5-character field holds; longer clocks are written as this.
constexpr int kMaxClockField = 99999;

// The entry as its 289-character line. Clocks are written as whole seconds (fraction dropped);
// a value that does not fit its field is clamped so the line always keeps its width: a clock of
// 100000 s or more is written as 99999, a hand count outside 0..9 as its nearest end.
std::string encodeEntryLine(const MoveEntry& entry);

enum class LineError {
    None,
    NotANumber,         // a field holds something other than blanks, a sign and digits
    BadPieceCode,       // a board field is neither 0 nor one of the 42 piece codes
    NegativeHandCount,  // a hand field holds a count below 0
    TooLong,            // characters other than blanks beyond column 289
};

struct LineDecode {
    LineError error = LineError::None;
    int column = 0;  // 1-based column where the faulty field starts (0 when none)

    bool ok() const { return error == LineError::None; }
    explicit operator bool() const { return ok(); }
};

// Reads an entry line back. Each field is the number its characters spell, leading blanks
// ignored; characters missing from a short line read as 0; a trailing CR or LF is ignored.
// On success `out` is overwritten with the entry; on failure `out` is left unchanged and the
// result tells what was wrong and where.
LineDecode decodeEntryLine(std::string_view line, MoveEntry& out);

// A short English description of a decode failure, for error messages ("bad piece code at
// column 4").
std::string describe(const LineDecode& result);

}  // namespace record
