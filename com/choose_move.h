// The computer's choice of a move: the one way every caller (the game, the engine, the hint, the
// match runner, the benchmarks and the tests) asks the computer what to play.
#pragma once

#include "com/com_state.h"
#include "com/influence_map.h"
#include "com/search.h"
#include "com/search_context.h"
#include "rules/position.h"

namespace com {

// Everything the computer does to choose a move for the top army of pos: surveys the position as
// it stands (so nothing left on the map by an earlier routine is read), then searches: levels
// 1..3 weigh each candidate alone (search.h), levels 4 and 5 look ahead (lookahead_search.h) in
// context's memory (a fresh one when none is given). Returns true with state.best and
// state.bestScore set, or false when the top army has no candidate. The position is exactly as
// before on return (but for its scratch promotion code).
bool chooseMove(rules::Position& pos, InfluenceMap& map, ComState& state,
                const SearchSettings& settings, SearchObserver* observer = nullptr,
                SearchContext* context = nullptr);

// A chosen move and its score.
struct Choice {
    bool found = false;
    ComMove move;
    double score = 0;
};

// The computer's choice for the bottom army of pos: a copy of the position is turned so that the
// bottom army stands on top, chooseMove runs on it with a fresh map and state, and the move is
// turned back into pos's own coordinates (a drop from the bottom stand has fromX = kBottomHandX,
// fromY = hand index; codes are the bottom army's own). pos itself is not touched.
Choice chooseMoveForBottom(const rules::Position& pos, const SearchSettings& settings,
                           SearchContext* context = nullptr);

// A move as the board turned round sees it: squares rotated, a drop coming from the other
// stand with the same hand index, the codes' signs turned as flipPosition turns them.
ComMove turnedMove(const ComMove& m);

// The computer's choice for the army `side` of pos, whichever end it stands at: the top army's is
// chooseMove on a copy with a fresh map and state, the bottom army's chooseMoveForBottom. pos is
// not touched; a side that is neither army gets nothing. A thread that asks again and again
// (a match, a review) hands in a context of its own so the search's memory is made once.
Choice chooseMoveForSide(const rules::Position& pos, rules::SideId side,
                         const SearchSettings& settings, SearchContext* context = nullptr);

}  // namespace com
