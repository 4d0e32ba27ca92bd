// Single attacks of the Chinese pieces that step (卒, 馬, advisor, 将): each attack is asked of the
// move check with the to-square emptied, so that guarding a piece of one's own army counts too.
#include "com/influence_register.h"
#include "com/influence_settle.h"
#include "rules/move_check.h"

namespace com {

using rules::PieceCode;

namespace {
// True when the piece on the from-square may move to the to-square with that square emptied for
// the test (so that guarding a piece of its own army counts).
bool reachesEmptied(rules::Position& pos, int fromX, int fromY, int toX, int toY) {
    if (!rules::Board::onBoard(toX, toY)) return false;
    rules::Board& board = pos.board;
    const PieceCode c = board(fromX, fromY);
    const int k = rules::magnitude(c);
    // The stepping patterns never look at the to-square itself (a 馬's leg is the square beside
    // it), so with the to-square emptied only the pattern is left to ask, and the board need not
    // be touched.
    if (k == rules::kind::卒 || k == rules::kind::馬 || k == rules::kind::士 ||
        k == rules::kind::将) {
        return (fromX != toX || fromY != toY) &&
               rules::checkChineseMove(board, fromX, fromY, toX, toY, c) == 1;
    }
    const PieceCode t0 = board(toX, toY);
    board(toX, toY) = rules::空;
    const int allowed = rules::移動チェック(pos, fromX, fromY, toX, toY, board(fromX, fromY));
    board(toX, toY) = t0;
    return allowed == 1;
}
}  // namespace

void 勢力設定_MAN(rules::Position& pos, InfluenceMap& map, [[maybe_unused]] rules::SideId side,
                  int fromX, int fromY, int toX, int toY) {
    if (!reachesEmptied(pos, fromX, fromY, toX, toY)) return;
    const PieceCode c = pos.board(fromX, fromY);
    const PieceCode t0 = pos.board(toX, toY);
    if (detail::registerBottom(map, t0, c, fromX, fromY, toX, toY)) {
        map.ownCheck(fromX, fromY) = kCheckPiece;
    }
}

// A top attacker records the guard without its square, and keeps no hit count.
void 勢力設定_COM(rules::Position& pos, InfluenceMap& map, [[maybe_unused]] rules::SideId side,
                  int fromX, int fromY, int toX, int toY) {
    if (!reachesEmptied(pos, fromX, fromY, toX, toY)) return;
    const PieceCode c = pos.board(fromX, fromY);
    const PieceCode t0 = pos.board(toX, toY);
    ++map.enemyAttacks(toX, toY);
    if (t0 >= 1) {
        if (c < map.enemyGuard(toX, toY)) map.enemyGuard(toX, toY) = c;
    } else if (t0 <= -1) {
        if (c < map.enemyAttacker(toX, toY)) {
            map.enemyAttacker(toX, toY) = c;
            map.enemyAttackerX(toX, toY) = fromX;
            map.enemyAttackerY(toX, toY) = fromY;
        }
        if (detail::isBottomKing(t0)) map.enemyCheck(fromX, fromY) = kCheckPiece;
    }
}

}  // namespace com
