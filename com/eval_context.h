// What one evaluation of a candidate reads: the position after the candidate, the influence map
// surveyed on it, the computer's turn state and the strength level.
#pragma once

#include "com/com_state.h"
#include "com/influence_map.h"
#include "rules/position.h"

namespace com {

struct EvalContext {
    rules::Position& pos;   // after the candidate; probes lift pieces and put them back
    InfluenceMap& map;      // surveyed on pos; the escape count marks its squares in it
    const ComState& state;  // the values kept for the turn
    int comLevel = kStartLevel;
};

}  // namespace com
