#include "support/random_game.h"

#include <vector>

#include "rules/make_move.h"
#include "rules/move_list.h"
#include "rules/pawn_files.h"
#include "rules/setup.h"
#include "tools/seeded_random.h"

namespace testsupport {

record::MoveList randomRecord(std::uint64_t seed, int plies, bool drops) {
    tools::Random random(seed);
    rules::Position pos;
    rules::layOutStartPosition(pos);
    record::MoveList list;
    list[0].boardAt = pos.board;
    std::vector<rules::Move> moves(rules::kMaxMoves);
    int army = rules::kBottomArmy;
    double clocks[2] = {0, 0};  // bottom, top
    for (int n = 1; n <= plies && n <= record::kMaxEntry && pos.winnerSide == 0; ++n) {
        rules::調査_2歩フラグ設定(pos);
        rules::MoveFilter filter;
        filter.drops = rules::armyMayDrop(pos, army, drops);
        filter.promoteWhereNothingIsLost = false;
        const int count = rules::generateMoves(pos, army, filter, moves.data(), rules::kMaxMoves);
        if (count == 0) break;
        const rules::Move m = moves[random.below(count)];
        rules::駒移動(pos, m.fromX, m.fromY, m.toX, m.toY, m.after);
        record::MoveEntry& e = list[n];
        e.boardAt = pos.board;
        e.ownHandAt = pos.ownHand;
        e.enemyHandAt = pos.enemyHand;
        double& mover = clocks[army == rules::kBottomArmy ? 0 : 1];
        e.bottomBefore = clocks[0];
        e.topBefore = clocks[1];
        mover += random.below(90);
        e.bottomAfter = clocks[0];
        e.topAfter = clocks[1];
        list.lastMove = n;
        army = -army;
    }
    return list;
}

}  // namespace testsupport
