// Handicap grades: from 名人 (-10) down to 12級 (+10). Each step away from the even game (0)
// takes one piece off the starting position: negative grades take the bottom army's pieces, a
// positive grade the top army's. The grade itself lives with the game; the board only lacks the
// pieces.
#pragma once

#include <optional>

#include "rules/position.h"

namespace rules {

// The grades the two buttons reach. A flip negates the grade, so -7..10 can be shown after one.
constexpr int kHandicapLowest = -10;  // 名人
constexpr int kHandicapHighest = 7;   // ９級

// A square of the starting position and the piece it holds there.
struct HandicapSquare {
    int x = 0;
    int y = 0;
    PieceCode code = 空;
    bool operator==(const HandicapSquare&) const = default;
};

// The square whose piece is missing from grade `grade` onwards (counting away from 0), with the
// piece as the starting position has it. Nothing for 0 and for grades the buttons cannot reach.
std::optional<HandicapSquare> handicapSquare(int grade);

// One press of △ (direction +1, towards 12級) or ▽ (direction -1, towards 名人).
struct HandicapStep {
    int grade = 0;                          // the grade after the press
    std::optional<HandicapSquare> changed;  // the square changed and what it now holds
};

// Moves the grade one step and changes the one square that step concerns: a step away from 0
// takes the piece of the new grade off, a step back towards 0 puts the piece of the old grade
// back. At either limit nothing changes.
HandicapStep handicapStep(Board& board, int grade, int direction);

}  // namespace rules
