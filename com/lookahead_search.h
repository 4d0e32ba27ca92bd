// Levels 4 and 5: the computer looks several moves ahead instead of weighing each candidate alone.
#pragma once

#include "com/com_state.h"
#include "com/search.h"
#include "com/search_context.h"
#include "rules/position.h"

namespace com {

// The levels that use lookaheadBestMove: the same search with two budgets.
constexpr int kLookaheadLevel = 4;
constexpr int kLevel5 = 5;
constexpr bool looksAhead(int comLevel) {
    return comLevel == kLookaheadLevel || comLevel == kLevel5;
}

// Nodes one turn may visit. The budget is counted, not timed, so a position always gives the
// same move. Level 5's is about one second of a desktop core.
constexpr long kLookaheadNodes = 12000;
constexpr long kLevel5Nodes = 2'500'000;

// The budget a search with these settings gets: settings.nodes when set, else its level's own.
long nodeBudgetOf(const SearchSettings& settings);

// Chooses the top army's move by a search over both armies' moves. Returns true with
// state.best and state.bestScore (in 歩) set, or false when the top army has no move. pos is
// exactly as before on return. The observer's tick() is called every few hundred nodes and
// rootScored() once per root move with its final score. The search runs in context's memory
// (a fresh context when none is given); nothing else it writes is shared, so searches with
// contexts of their own may run on several threads at once.
bool lookaheadBestMove(const rules::Position& pos, ComState& state, const SearchSettings& settings,
                       SearchObserver* observer = nullptr, SearchContext* context = nullptr);

// The plies to a king capture that a look-ahead score (state.bestScore) stands for, the capture
// itself counted: positive when the top army takes the other king, negative when its own falls,
// 0 for an ordinary score.
int kingCapturePlies(double score);

}  // namespace com
