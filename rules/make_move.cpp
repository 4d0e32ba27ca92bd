#include "rules/make_move.h"

namespace rules {

void 駒取得(Position& pos, PieceCode captured) {
    const int k = magnitude(captured);
    if (isKingKind(k)) {
        pos.winnerSide = isTop(captured) ? pos.bottomSide : pos.topSide;
        return;
    }
    const int index = handIndexOfKind(k);
    if (index == 0) return;
    if (isTop(captured)) {
        ++pos.ownHand[index];
    } else if (isBottom(captured)) {
        ++pos.enemyHand[index];
    }
}

MoveEffect 駒移動(Position& pos, int fromX, int fromY, int toX, int toY, PieceCode code) {
    MoveEffect effect;
    PieceCode& dest = pos.board(toX, toY);
    if (isBottom(dest)) {
        ++pos.enemyHandTotal;  // counts a captured king too, which enters no hand
        駒取得(pos, dest);
        effect.topStandChanged = true;
    } else if (isTop(dest)) {
        ++pos.ownHandTotal;
        駒取得(pos, dest);
        effect.bottomStandChanged = true;
    }
    effect.captured = dest;
    dest = code;
    if (code == 自王 || code == 自将) {
        pos.ownKingX = toX;
        pos.ownKingY = toY;
    }
    const bool handIndexOk = fromY >= 1 && fromY <= kHandSize;
    if (fromX == kTopHandX) {
        if (handIndexOk) {
            --pos.enemyHandTotal;
            --pos.enemyHand[fromY];
            effect.topStandChanged = true;
        }
    } else if (fromX == kBottomHandX) {
        if (handIndexOk) {
            --pos.ownHandTotal;
            --pos.ownHand[fromY];
            effect.bottomStandChanged = true;
        }
    } else if (Board::onBoard(fromX, fromY)) {
        pos.board(fromX, fromY) = 空;
    }
    return effect;
}

}  // namespace rules
