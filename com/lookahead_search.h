// Level 4: the computer looks several moves ahead instead of weighing each candidate alone.
#pragma once

#include "com/com_state.h"
#include "com/search.h"
#include "rules/position.h"

namespace com {

// The level that uses lookaheadBestMove.
constexpr int kLookaheadLevel = 4;

// Nodes one turn may visit. The budget is counted, not timed, so a position always gives the
// same move.
constexpr long kLookaheadNodes = 12000;

// Chooses the top army's move by a search over both armies' moves. Returns true with
// state.best and state.bestScore (in 歩) set, or false when the top army has no move. pos is
// exactly as before on return. The observer's tick() is called every few hundred nodes and
// evaluated() once per root move with its final score.
bool lookaheadBestMove(const rules::Position& pos, ComState& state, const SearchSettings& settings,
                       SearchObserver* observer = nullptr, long nodeBudget = kLookaheadNodes);

}  // namespace com
