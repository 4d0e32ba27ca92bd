// What the game's state and record say about play: whose turn a recorded entry gives, whether a
// game is being played, whether the record has room for one more move, and which stand cells
// take presses.
#pragma once

#include "flow/game_state.h"
#include "record/move_list.h"
#include "rules/position.h"
#include "settings/options.h"

namespace flow {

// The side to move after recorded move n, from the record.
rules::SideId sideToMoveAt(const rules::Position& position, const record::MoveList& moves, int n);
// True when the list has no entry left for one more move.
bool recordFull(const record::MoveList& moves);
// True while a game is being played: not before or after one, not in record mode, not paused by
// stepping until a press resumes it, and not at a full record.
bool gameBeingPlayed(const GameState& state, const record::MoveList& moves);
// True when presses on cell k of the stand in column standX are taken: with Chinese drops off
// some stands are only shown.
bool standCellOpen(const rules::Position& position, const settings::Options& options, int standX,
                   int k);

}  // namespace flow
