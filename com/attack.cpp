#include "com/attack.h"

#include "com/board_lines.h"
#include "rules/move_check.h"

namespace com {
namespace {

using namespace rules;

// The jumps of a 桂 or 馬.
constexpr int kKnightJumps[8][2] = {{-1, -2}, {1, -2}, {-2, -1}, {2, -1},
                                    {-2, 1},  {2, 1},  {-1, 2},  {1, 2}};

// Whether a piece of kind k, first on a line from the square and more than a step away, could
// reach it along that line: only the long-range pieces, and a 象 two squares along a diagonal
// (whose eye is then empty).
bool slidesThere(int k, bool straight) {
    if (straight) {
        return k == kind::香 || k == kind::飛 || k == kind::飛成 || k == kind::車 || k == kind::砲;
    }
    return k == kind::角 || k == kind::角成 || k == kind::象;
}

}  // namespace

bool attacked(const Position& pos, int x, int y, int army) {
    const Board& b = pos.board;
    const auto reaches = [&](int px, int py, PieceCode c) {
        return c * army > 0 && 移動チェック(pos, px, py, x, y, c) == 1;
    };
    for (int d = 0; d < 8; ++d) {
        const int dx = kLines[d][0], dy = kLines[d][1];
        const bool straight = d < 4;
        const int span = kSpan[d][x * 10 + y];
        // The first piece on the line, i squares away.
        int i = 1, px = x + dx, py = y + dy;
        while (i <= span && b.sq[px][py] == 空) ++i, px += dx, py += dy;
        if (i > span) continue;
        const PieceCode first = b.sq[px][py];
        if ((i == 1 || slidesThere(magnitude(first), straight)) && reaches(px, py, first))
            return true;
        if (!straight) continue;
        // Past one screen only a 砲 takes.
        ++i, px += dx, py += dy;
        while (i <= span && b.sq[px][py] == 空) ++i, px += dx, py += dy;
        if (i <= span && b.sq[px][py] == army * kind::砲 && reaches(px, py, b.sq[px][py]))
            return true;
    }
    for (const auto& j : kKnightJumps) {
        const int px = x + j[0], py = y + j[1];
        if (!Board::onBoard(px, py)) continue;
        const int k = magnitude(b(px, py));
        if ((k == kind::桂 || k == kind::馬) && reaches(px, py, b(px, py))) return true;
    }
    return false;
}

}  // namespace com
