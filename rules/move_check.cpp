// The move check's common steps and the shogi army's patterns.
#include "rules/move_check.h"

namespace rules {
namespace {

constexpr bool offBoard(int x, int y) {
    // One unsigned comparison per coordinate: anything outside 1..9 wraps above 8.
    return static_cast<unsigned>(x - 1) > 8u || static_cast<unsigned>(y - 1) > 8u;
}

constexpr int absInt(int v) {
    return v < 0 ? -v : v;
}

// Nothing strictly between two squares of one row or column.
int lineClear(const Board& b, int fromX, int fromY, int toX, int toY) {
    if (fromX != toX && fromY != toY) return 0;
    if (fromY != toY) {
        const int step = toY > fromY ? 1 : -1;
        for (int y = fromY + step; y != toY; y += step) {
            if (b.sq[toX][y] != 空) return 0;
        }
    }
    if (fromX != toX) {
        const int step = toX > fromX ? 1 : -1;
        for (int x = fromX + step; x != toX; x += step) {
            if (b.sq[x][toY] != 空) return 0;
        }
    }
    return 1;
}

// Nothing strictly between two squares of one diagonal.
int diagonalClear(const Board& b, int fromX, int fromY, int toX, int toY) {
    if (toX - toY != fromX - fromY && toX - fromX != fromY - toY) return 0;
    const int sx = toX > fromX ? 1 : -1;
    const int sy = toY > fromY ? 1 : -1;
    const int n = absInt(toX - fromX);
    for (int i = 1; i < n; ++i) {
        if (b.sq[fromX + i * sx][fromY + i * sy] != 空) return 0;
    }
    return 1;
}

// A drop onto an empty square. Only 歩, 香, 桂 and 卒 have rules of their own: they need the hand
// of their own army, and the shogi three may not land where they could never move again. Every
// other piece may be dropped on any empty square.
int dropCheck(const Position& pos, int fromX, int toX, int toY, PieceCode code) {
    const bool fromBottomHand = fromX == kBottomHandX;
    switch (code) {
        case 自歩:
            return !pos.ownPawnFiles[toX] && fromBottomHand && toY != 1;
        case 敵歩:
            return !pos.enemyPawnFiles[toX] && !fromBottomHand && toY != 9;
        case 自香:
            return fromBottomHand && toY != 1;
        case 敵香:
            return !fromBottomHand && toY != 9;
        case 自桂:
            return fromBottomHand && toY >= 3;
        case 敵桂:
            return !fromBottomHand && toY <= 7;
        case 自卒:
            return fromBottomHand;
        case 敵卒:
            return !fromBottomHand;
        default:
            return 1;
    }
}

}  // namespace

int 移動チェック飛車(const Board& b, int fromX, int fromY, int toX, int toY) {
    return lineClear(b, fromX, fromY, toX, toY);
}

int 移動チェック角(const Board& b, int fromX, int fromY, int toX, int toY) {
    return diagonalClear(b, fromX, fromY, toX, toY);
}

int 移動チェック斜(const Board& b, int fromX, int fromY, int toX, int toY) {
    return diagonalClear(b, fromX, fromY, toX, toY);
}

int 移動チェック(const Position& pos, int fromX, int fromY, int toX, int toY, PieceCode code) {
    if (offBoard(toX, toY)) return 0;
    if (toX == fromX && toY == fromY) return 0;
    const Board& b = pos.board;
    const PieceCode dest = b.sq[toX][toY];
    // A piece never lands on its own army's piece; landing on the other army's is a capture.
    if (code >= 1 ? dest >= 1 : dest <= -1) return 0;

    if (fromX == kTopHandX || fromX == kBottomHandX) {
        if (dest != 空) return 0;
        return dropCheck(pos, fromX, toX, toY, code);
    }
    // A from-square that is neither on the board nor a hand names no piece.
    if (offBoard(fromX, fromY)) return 0;

    const int dx = toX - fromX;
    const int dy = toY - fromY;
    const int adx = absInt(dx);
    const int ady = absInt(dy);
    const int f = code < 0 ? -1 : 1;  // the forward step: up for the bottom army
    switch (magnitude(code)) {
        case kind::歩:
            return dx == 0 && dy == f;
        case kind::香:
            return dx == 0 && dy * f > 0 && lineClear(b, fromX, fromY, toX, toY);
        case kind::桂:
            return adx == 1 && dy == 2 * f;
        case kind::銀:
            return adx <= 1 && (dy == f || (dy == -f && dx != 0));
        case kind::と:
        case kind::香成:
        case kind::桂成:
        case kind::銀成:
        case kind::金:
            return (adx <= 1 && (dy == 0 || dy == f)) || (dx == 0 && dy == -f);
        case kind::角:
            return diagonalClear(b, fromX, fromY, toX, toY);
        case kind::角成:
            return (adx <= 1 && ady <= 1) || diagonalClear(b, fromX, fromY, toX, toY);
        case kind::飛:
            return lineClear(b, fromX, fromY, toX, toY);
        case kind::飛成:
            return (adx <= 1 && ady <= 1) || lineClear(b, fromX, fromY, toX, toY);
        case kind::王:
            return adx <= 1 && ady <= 1;
        case kind::卒:
        case kind::車:
        case kind::馬:
        case kind::象:
        case kind::士:
        case kind::砲:
        case kind::将:
            return checkChineseMove(b, fromX, fromY, toX, toY, code);
        default:
            return 1;
    }
}

}  // namespace rules
