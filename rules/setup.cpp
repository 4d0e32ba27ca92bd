#include "rules/setup.h"

#include "rules/board_flip.h"

namespace rules {

int handSum(const Hand& hand) {
    int total = 0;
    for (int i = 1; i <= kHandSize; ++i) {
        if (hand[i] > 0) total += hand[i];
    }
    return total;
}

void layOutStartPosition(Position& pos) {
    pos.ownHand.fill(0);
    pos.enemyHand.fill(0);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            PieceCode c = 空;
            if (y == 4 && x % 2 == 1) c = 敵卒;
            if (y == 7) c = 自歩;
            pos.board(x, y) = c;
        }
    }
    constexpr PieceCode bottomRank[10] = {0, 自香, 自桂, 自銀, 自金, 自王, 自金, 自銀, 自桂, 自香};
    constexpr PieceCode topRank[10] = {0, 敵車, 敵馬, 敵象, 敵士, 敵将, 敵士, 敵象, 敵馬, 敵車};
    for (int x = 1; x <= 9; ++x) {
        pos.board(x, 9) = bottomRank[x];
        pos.board(x, 1) = topRank[x];
    }
    pos.board(2, 8) = 自角;
    pos.board(8, 8) = 自飛;
    pos.board(2, 3) = 敵砲;
    pos.board(8, 3) = 敵砲;
    pos.ownHandTotal = handSum(pos.ownHand);
    pos.enemyHandTotal = handSum(pos.enemyHand);
    pos.ownKingX = 5;
    pos.ownKingY = 9;
}

PieceCode firstBottomKing(const Board& b) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (b(x, y) == 自王 || b(x, y) == 自将) return b(x, y);
        }
    }
    return 空;
}

PieceCode firstTopKing(const Board& b) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            if (b(x, y) == 敵王 || b(x, y) == 敵将) return b(x, y);
        }
    }
    return 空;
}

void 調査_先手後手(Position& pos) {
    const PieceCode king = firstBottomKing(pos.board);
    // A board whose bottom king was taken (the last position of a finished game, stepped into
    // again) still shows which army stands where by the king left on top.
    const PieceCode topKing = king == 空 ? firstTopKing(pos.board) : 空;
    if (king == 自王 || topKing == 敵将) {
        pos.bottomSide = SENTE;
        pos.topSide = GOTE;
    } else if (king == 自将 || topKing == 敵王) {
        pos.bottomSide = GOTE;
        pos.topSide = SENTE;
    }
}

SideId 調査_先番(const Position& pos, const Board* prev, const Board& cur) {
    if (prev == nullptr) {
        const PieceCode king = firstBottomKing(cur);
        if (king == 自王) return pos.bottomSide;
        if (king == 自将) return pos.topSide;
        return 0;
    }
    // Two snapshots seen from opposite ends (a record played on a turned board, stepped into
    // from the start position laid out the usual way up) are compared the same way up.
    const Board before = turnedLike(*prev, cur);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = cur(x, y);
            if (c != before(x, y) && c != 空) return isTop(c) ? pos.bottomSide : pos.topSide;
        }
    }
    return 0;
}

int 調査_持駒数(const Position& pos, SideId side) {
    if (side == pos.bottomSide) return handSum(pos.ownHand);
    if (side == pos.topSide) return handSum(pos.enemyHand);
    return 0;
}

}  // namespace rules
