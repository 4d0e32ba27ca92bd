#include "record/position_line.h"

#include "rules/setup.h"

namespace record {

LineDecode readPosition(std::string_view line, rules::Position& out) {
    MoveEntry e;
    const LineDecode result = decodeEntryLine(line, e);
    if (!result) return result;
    rules::Position pos;
    pos.board = e.boardAt;
    pos.ownHand = e.ownHandAt;
    pos.enemyHand = e.enemyHandAt;
    pos.ownHandTotal = rules::handSum(pos.ownHand);
    pos.enemyHandTotal = rules::handSum(pos.enemyHand);
    rules::調査_先手後手(pos);
    for (int x = 1; x <= 9 && pos.ownKingX == 0; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (pos.board(x, y) == rules::自王 || pos.board(x, y) == rules::自将) {
                pos.ownKingX = x;
                pos.ownKingY = y;
                break;
            }
        }
    }
    out = pos;
    return result;
}

}  // namespace record
