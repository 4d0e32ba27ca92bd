// An entry line read as a position to play from: the engine's `position` command, the benchmarks
// and the tests all set up a position this one way.
#pragma once

#include <string_view>

#include "record/entry_line.h"
#include "rules/position.h"

namespace record {

// Reads `line` (an entry line of the game-record file, see entry_line.h) into a fresh position:
// the board and both hands of the line, the hands' totals, the armies' sides read off the kings
// and the bottom king's square (the first bottom 王 or 将, x outer, y inner). Clocks are not part
// of a position. On failure `out` is left unchanged and the result tells what was wrong and where.
LineDecode readPosition(std::string_view line, rules::Position& out);

}  // namespace record
