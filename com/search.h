// The computer's move search: every legal board move and drop of the top army is made on the
// board, the influence map is rebuilt, the position is scored, and the move is taken back. The
// highest score wins; among equal scores the first candidate found wins. Nothing is drawn and
// nothing is played here: the caller plays the move it returns.
#pragma once

#include <optional>

#include "com/com_state.h"
#include "com/influence_map.h"
#include "rules/position.h"

namespace com {

struct SearchSettings {
    int comLevel = kStartLevel;
    // The option that lets the Chinese army drop from its hand. The shogi army on top (bottomSide
    // = -1) always may.
    bool chineseDrops = false;
    // The nodes a looking-ahead level may visit when a clock cuts its own budget short.
    std::optional<long> nodeBudget;
};

// Hooks the search calls while it runs. The defaults do nothing.
class SearchObserver {
  public:
    virtual ~SearchObserver() = default;
    // Once per board column of the board moves and once per hand index of the drops, so that a
    // clock display can keep moving.
    virtual void tick() {}
    // After every evaluation, in the order they are made: the candidate's squares (fromX = -1,
    // fromY = hand index for a drop), the code standing on the destination while it was scored,
    // and the score.
    virtual void evaluated(int fromX, int fromY, int toX, int toY, rules::PieceCode onDestination,
                           double score) {
        (void)fromX, (void)fromY, (void)toX, (void)toY, (void)onDestination, (void)score;
    }
};

// The opening of the computer's turn: resets the best move, takes the board before the search,
// clears the escape marks, rebuilds the two-pawn tables, counts the bottom king's escape squares
// (on the map as the caller hands it in, which the turn hand-over has surveyed), surveys the
// position, fills the bishop-drop aims and the pinned pieces, and keeps the attack grids of the
// position before the move.
void openTurn(rules::Position& pos, InfluenceMap& map, ComState& state);

// Runs the computer's turn up to the choice of its move, for the top army of pos: takes the
// turn's snapshots and probes into state, then tries the board moves (from x outer, y inner;
// targets x outer, y inner) and the drops (hand index ascending). Returns true with state.best
// and state.bestScore set, or false when the top army has no candidate at all. The search stops
// early when a candidate takes the bottom 王, or when a drop that has just become the best scores
// 9998 or more. The position is exactly as before on return; map describes the last candidate
// tried.
bool searchBestMove(rules::Position& pos, InfluenceMap& map, ComState& state,
                    const SearchSettings& settings, SearchObserver* observer = nullptr);

}  // namespace com
