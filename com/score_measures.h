// What the look-ahead score measures on the board, shared by the score and by its terms for the
// fit: distances to a king, how far a piece has come, and how far a long-range piece reaches.
#pragma once

#include <cstdlib>

#include "com/board_lines.h"
#include "rules/position.h"

namespace com {

// The king's-move distance between two squares.
inline int chebyshev(int x1, int y1, int x2, int y2) {
    const int dx = std::abs(x1 - x2);
    const int dy = std::abs(y1 - y2);
    return dx > dy ? dx : dy;
}

// Rows a piece has come forward, seen from its own army.
constexpr int advance(rules::PieceCode c, int y) {
    return c > 0 ? y : 10 - y;
}

// Empty squares a long-range piece reaches along its lines, up to the first piece: the straight
// lines, the diagonal ones, or both.
inline int reach(const rules::Board& b, int x, int y, bool straight, bool diagonal) {
    int n = 0;
    for (int d = straight ? 0 : 4; d < (diagonal ? 8 : 4); ++d) {
        const int dx = kLines[d][0], dy = kLines[d][1];
        const int span = kSpan[d][x * 10 + y];
        int i = 0;
        for (int tx = x + dx, ty = y + dy; i < span && b.sq[tx][ty] == rules::空;
             tx += dx, ty += dy) {
            ++i;
        }
        n += i;
    }
    return n;
}

}  // namespace com
