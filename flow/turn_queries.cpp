#include "flow/turn_queries.h"

#include "rules/setup.h"

namespace flow {

rules::SideId sideToMoveAt(const rules::Position& position, const record::MoveList& moves, int n) {
    if (n < 0 || n > record::kMaxEntry) return 0;
    if (n == 0 && moves.setUpStart) return moves.startSide;
    const rules::Board* before = n > 0 ? &moves[n - 1].boardAt : nullptr;
    return rules::調査_先番(position, before, moves[n].boardAt);
}

bool recordFull(const record::MoveList& moves) {
    return moves.currentMove >= record::kMaxEntry;
}

bool gameBeingPlayed(const GameState& state, const record::MoveList& moves) {
    return state.sideToMove != 0 && !state.kifuMode && !state.resumePending && !recordFull(moves);
}

bool standCellOpen(const rules::Position& position, const settings::Options& options, int standX,
                   int k) {
    if (options.chineseDrops) return true;
    // Without Chinese drops the shogi army at the bottom may drop only the Chinese pieces it
    // took, the Chinese army at the bottom may not drop at all, and neither may the Chinese army
    // on top.
    if (standX == rules::kBottomHandX) {
        return position.bottomSide == rules::SENTE && k <= rules::hand::kLastChinese;
    }
    return position.bottomSide != rules::SENTE;
}

}  // namespace flow
