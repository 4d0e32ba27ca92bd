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

int wayUp(const Board& b) {
    int byJiang = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = b(x, y);
            if (c == 自王) return 1;
            if (c == 敵王) return -1;
            if (c == 敵将) byJiang = 1;
            if (c == 自将) byJiang = -1;
        }
    }
    return byJiang;
}

Board turnedLike(const Board& board, const Board& like) {
    const int was = wayUp(board);
    const int now = wayUp(like);
    if (was == 0 || now == 0 || was == now) return board;
    Position p;
    p.board = board;
    flipPosition(p);
    return p.board;
}

}  // namespace rules
