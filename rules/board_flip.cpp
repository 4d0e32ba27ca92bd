#include "rules/board_flip.h"

#include <utility>

namespace rules {

void flipPosition(Position& pos) {
    const Board before = pos.board;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) pos.board(10 - x, 10 - y) = -before(x, y);
    }
    for (int k = 1; k <= kHandSize; ++k) std::swap(pos.ownHand[k], pos.enemyHand[k]);
    // The totals belong to their hands: a total left behind would count the other army's pieces.
    std::swap(pos.ownHandTotal, pos.enemyHandTotal);
}

}  // namespace rules
