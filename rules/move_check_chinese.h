// The Chinese army's stepping patterns and the pattern dispatch, in line: the influence survey
// asks them for every attack of every Chinese piece.
//
// Palaces: columns 4..6 of rows 1..3 (top army) and rows 7..9 (bottom army). The 象 keeps to its
// own side of the river: rows 1..5 for the top 象, rows 5..9 for the bottom one. A 卒 that stands
// on the three rows nearest the other side may also step sideways. The palace and river tests
// look at the destination only, and only the code's sign decides which zone applies: a piece
// dropped outside its zone may still move into it, but never to another square outside it.
#pragma once

#include "rules/position.h"

namespace rules {

// The sliding tests (move_check_chinese.cpp). Same row or column, nothing strictly between (the
// 車's slide).
int 移動チェック中国車(const Board& b, int fromX, int fromY, int toX, int toY);
// The same slide, used by a 砲 that does not capture.
int 移動チェック車(const Board& b, int fromX, int fromY, int toX, int toY);
// Same row or column with exactly one piece of either army strictly between (the 砲's screen).
int 移動チェック砲取(const Board& b, int fromX, int fromY, int toX, int toY);
// Same diagonal, nothing strictly between (move_check.cpp).
int 移動チェック斜(const Board& b, int fromX, int fromY, int toX, int toY);

namespace detail {
constexpr int absInt(int v) {
    return v < 0 ? -v : v;
}
constexpr bool inTopPalace(int x, int y) {
    return x >= 4 && x <= 6 && y >= 1 && y <= 3;
}
constexpr bool inBottomPalace(int x, int y) {
    return x >= 4 && x <= 6 && y >= 7 && y <= 9;
}
}  // namespace detail

// A 馬 jump: one square orthogonally then one diagonally outward, the first (the leg) empty.
inline int 移動チェック馬(const Board& b, int fromX, int fromY, int toX, int toY) {
    const int dx = toX - fromX;
    const int dy = toY - fromY;
    const int adx = detail::absInt(dx);
    const int ady = detail::absInt(dy);
    if (dx == 0 || dy == 0) return 0;
    if (adx > 2 || ady > 2) return 0;
    if (adx < 2 && ady < 2) return 0;
    if (adx == ady) return 0;
    // What is left is a 1-by-2 jump; the leg is the orthogonal square next to the 馬.
    if (adx == 2) return b.sq[fromX + dx / 2][fromY] == 空;
    return b.sq[fromX][fromY + dy / 2] == 空;
}

// Exactly two squares diagonally, the middle square (the eye) empty.
inline int 移動チェック象相(const Board& b, int fromX, int fromY, int toX, int toY) {
    const int adx = detail::absInt(toX - fromX);
    const int ady = detail::absInt(toY - fromY);
    if (adx != ady) return 0;
    if (adx != 2) return 0;
    return 移動チェック斜(b, fromX, fromY, toX, toY);
}

// The Chinese kinds' own patterns (step 5 of the check for 卒 車 馬 象 士 砲 将), after the
// common destination and drop tests have passed. Called by 移動チェック.
inline int checkChineseMove(const Board& b, int fromX, int fromY, int toX, int toY,
                            PieceCode code) {
    const int dx = toX - fromX;
    const int dy = toY - fromY;
    const int adx = detail::absInt(dx);
    const int ady = detail::absInt(dy);
    switch (code) {
        case 敵卒:
            return (dx == 0 && dy == 1) || (fromY >= 7 && dy == 0 && adx == 1);
        case 自卒:
            return (dx == 0 && dy == -1) || (fromY <= 3 && dy == 0 && adx == 1);
        case 敵車:
        case 自車:
            return 移動チェック中国車(b, fromX, fromY, toX, toY);
        case 敵馬:
        case 自馬:
            return 移動チェック馬(b, fromX, fromY, toX, toY);
        case 敵象:
            return toY <= 5 && 移動チェック象相(b, fromX, fromY, toX, toY);
        case 自象:
            return toY >= 5 && 移動チェック象相(b, fromX, fromY, toX, toY);
        case 敵士:
            return detail::inTopPalace(toX, toY) && adx == 1 && ady == 1;
        case 自士:
            return detail::inBottomPalace(toX, toY) && adx == 1 && ady == 1;
        case 敵砲:
        case 自砲:
            if (b.sq[toX][toY] == 空) return 移動チェック車(b, fromX, fromY, toX, toY);
            return (dx == 0 || dy == 0) && 移動チェック砲取(b, fromX, fromY, toX, toY);
        case 敵将:
            return detail::inTopPalace(toX, toY) && adx + ady == 1;
        case 自将:
            return detail::inBottomPalace(toX, toY) && adx + ady == 1;
        default:
            return 1;
    }
}

}  // namespace rules
