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

// Whether a piece of army on line d from (x, y) could move onto it: the first piece on the line,
// or a 砲 beyond one screen on a straight line.
bool attackedAlong(const Position& pos, int x, int y, int army, int d) {
    const Board& b = pos.board;
    const int dx = kLines[d][0], dy = kLines[d][1];
    const bool straight = d < 4;
    const int span = kSpan[d][x * 10 + y];
    const auto reaches = [&](int px, int py, PieceCode c) {
        return c * army > 0 && 移動チェック(pos, px, py, x, y, c) == 1;
    };
    // The first piece on the line, i squares away.
    int i = 1, px = x + dx, py = y + dy;
    while (i <= span && b.sq[px][py] == 空) ++i, px += dx, py += dy;
    if (i > span) return false;
    const PieceCode first = b.sq[px][py];
    if ((i == 1 || slidesThere(magnitude(first), straight)) && reaches(px, py, first)) return true;
    if (!straight) return false;
    // Past one screen only a 砲 takes.
    ++i, px += dx, py += dy;
    while (i <= span && b.sq[px][py] == 空) ++i, px += dx, py += dy;
    return i <= span && b.sq[px][py] == army * kind::砲 && reaches(px, py, b.sq[px][py]);
}

// Whether a 桂 or 馬 of army could jump onto (x, y).
bool attackedByJump(const Position& pos, int x, int y, int army) {
    for (const auto& j : kKnightJumps) {
        const int px = x + j[0], py = y + j[1];
        if (!Board::onBoard(px, py)) continue;
        const PieceCode c = pos.board(px, py);
        const int k = magnitude(c);
        if ((k == kind::桂 || k == kind::馬) && c * army > 0 &&
            移動チェック(pos, px, py, x, y, c) == 1) {
            return true;
        }
    }
    return false;
}

// The line from (x, y) that (sx, sy) lies on, or -1.
inline int lineTo(int x, int y, int sx, int sy) {
    // kLines' index by the steps' signs, [dy + 1][dx + 1].
    static constexpr int kLineOf[3][3] = {{4, 0, 5}, {1, -1, 2}, {6, 3, 7}};
    const int dx = sx - x, dy = sy - y;
    if (dx != 0 && dy != 0 && dx != dy && dx != -dy) return -1;
    return kLineOf[(dy > 0) - (dy < 0) + 1][(dx > 0) - (dx < 0) + 1];
}

}  // namespace

bool attacked(const Position& pos, int x, int y, int army) {
    for (int d = 0; d < 8; ++d) {
        if (attackedAlong(pos, x, y, army, d)) return true;
    }
    return attackedByJump(pos, x, y, army);
}

bool attackedAfterMove(const Position& pos, int x, int y, int army, int fromX, int fromY, int toX,
                       int toY) {
    const int to = lineTo(x, y, toX, toY);
    const int from = Board::onBoard(fromX, fromY) ? lineTo(x, y, fromX, fromY) : -1;
    if (to >= 0 && attackedAlong(pos, x, y, army, to)) return true;
    if (from >= 0 && from != to && attackedAlong(pos, x, y, army, from)) return true;
    // A jump opens when a 桂 or 馬 lands a jump away, or a 馬's leg (a square diagonally next to
    // (x, y)) is left.
    const int tx = toX > x ? toX - x : x - toX, ty = toY > y ? toY - y : y - toY;
    const int fx = fromX > x ? fromX - x : x - fromX, fy = fromY > y ? fromY - y : y - fromY;
    const bool landsAJumpAway = (tx == 1 && ty == 2) || (tx == 2 && ty == 1);
    const bool leavesALeg = Board::onBoard(fromX, fromY) && fx == 1 && fy == 1;
    return (landsAJumpAway || leavesALeg) && attackedByJump(pos, x, y, army);
}

}  // namespace com
