// Reading the influence grids the way the evaluation needs it: a square off the board reads as 0
// (as an empty board square does) and is never indexed.
#pragma once

#include "com/influence_map.h"
#include "rules/position.h"

namespace com {

inline int at(const InfluenceGrid& grid, int x, int y) {
    return rules::Board::onBoard(x, y) ? grid(x, y) : 0;
}

}  // namespace com
