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
    rules::Board& board = pos.board;
    if (!rules::Board::onBoard(toX, toY)) return false;
    const PieceCode c = board(fromX, fromY);
    const int k = rules::magnitude(c);
    if (k == rules::kind::卒 || k == rules::kind::馬 || k == rules::kind::士 ||
        k == rules::kind::将) {
        return detail::stepperReaches(board, c, fromX, fromY, toX, toY);
    }
    const PieceCode t0 = board(toX, toY);
    board(toX, toY) = rules::空;
    const int allowed = rules::移動チェック(pos, fromX, fromY, toX, toY, c);
    board(toX, toY) = t0;
    return allowed == 1;
}
}  // namespace

void 勢力設定_MAN(rules::Position& pos, InfluenceMap& map, [[maybe_unused]] rules::SideId side,
                  int fromX, int fromY, int toX, int toY) {
    if (!reachesEmptied(pos, fromX, fromY, toX, toY)) return;
    detail::registerBottomStep(map, pos.board(toX, toY), pos.board(fromX, fromY), fromX, fromY, toX,
                               toY);
}

void 勢力設定_COM(rules::Position& pos, InfluenceMap& map, [[maybe_unused]] rules::SideId side,
                  int fromX, int fromY, int toX, int toY) {
    if (!reachesEmptied(pos, fromX, fromY, toX, toY)) return;
    detail::registerTopStep(map, pos.board(toX, toY), pos.board(fromX, fromY), fromX, fromY, toX,
                            toY);
}

}  // namespace com
