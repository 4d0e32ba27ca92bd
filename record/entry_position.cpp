#include "record/entry_position.h"

#include "rules/board_flip.h"
#include "rules/setup.h"

namespace record {

rules::Position positionOfEntry(const MoveEntry& e) {
    rules::Position pos;
    pos.board = e.boardAt;
    pos.ownHand = e.ownHandAt;
    pos.enemyHand = e.enemyHandAt;
    pos.ownHandTotal = rules::handSum(pos.ownHand);
    pos.enemyHandTotal = rules::handSum(pos.enemyHand);
    rules::調査_先手後手(pos);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const rules::PieceCode c = pos.board(x, y);
            if ((c == rules::自王 || c == rules::自将) && pos.ownKingX == 0) {
                pos.ownKingX = x;
                pos.ownKingY = y;
            }
        }
    }
    return pos;
}

void layOutStartEntry(MoveList& list) {
    rules::Position start;
    rules::layOutStartPosition(start);
    if (list.lastMove >= 1 && rules::wayUp(list[1].boardAt) == -1) rules::flipPosition(start);
    list[0].boardAt = start.board;
    list[0].ownHandAt = start.ownHand;
    list[0].enemyHandAt = start.enemyHand;
}

std::vector<rules::Position> positionsOf(const MoveList& list, int lastMove) {
    std::vector<rules::Position> out;
    for (int n = 0; n <= lastMove && n <= kMaxEntry; ++n) out.push_back(positionOfEntry(list[n]));
    return out;
}

}  // namespace record
