#include "com/lookahead_eval.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "com/lookahead_weights.h"

namespace com {
namespace {

using namespace rules;
using namespace weights;

int chebyshev(int x1, int y1, int x2, int y2) {
    const int dx = std::abs(x1 - x2);
    const int dy = std::abs(y1 - y2);
    return dx > dy ? dx : dy;
}

// Rows a 歩 or 卒 has come forward, seen from its own army.
constexpr int advance(PieceCode c, int y) {
    return c > 0 ? y : 10 - y;
}

// The terms of a piece (not a king) that its code and row decide: its value and how far it has
// come.
constexpr int rowTerms(PieceCode c, int y) {
    const int k = magnitude(c);
    int v = kValue[k];
    if (k == kind::歩) v += kPawnAdvance * (advance(c, y) - 3);
    if (k == kind::車 || k == kind::馬 || k == kind::砲) v += kChineseAdvance * advance(c, y);
    if (k == kind::卒) {
        // From its start on the fourth row; on the last three it also steps sideways.
        const int rows = advance(c, y) - 4;
        v += kSoldierAdvance * rows + (rows >= 3 ? kSoldierLastRows : 0);
    }
    return v;
}
constexpr auto kRowTerms = [] {
    std::array<std::array<int, 10>, 2 * kind::count + 1> t{};
    for (PieceCode c = -kind::count; c <= kind::count; ++c) {
        for (int y = 1; y <= 9 && c != 空; ++y) t[c + kind::count][y] = rowTerms(c, y);
    }
    return t;
}();

// A table by distance made to reach across the board: 0 past its own end.
template <std::size_t N>
constexpr std::array<int, 9> byDistance(const std::array<int, N>& weights) {
    std::array<int, 9> t{};
    for (std::size_t d = 0; d < N && d < t.size(); ++d) t[d] = weights[d];
    return t;
}
constexpr std::array<int, 9> kPressureAt = byDistance(kPressure);
constexpr std::array<int, 9> kGuardAt = byDistance(kGuard);

// Empty squares a long-range piece reaches along its lines, up to the first piece.
int reach(const Board& b, int x, int y, bool straight, bool diagonal) {
    static constexpr int kDirections[8][2] = {{0, -1},  {-1, 0}, {1, 0},  {0, 1},
                                              {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    int n = 0;
    for (int d = straight ? 0 : 4; d < (diagonal ? 8 : 4); ++d) {
        for (int tx = x + kDirections[d][0], ty = y + kDirections[d][1];
             Board::onBoard(tx, ty) && b.sq[tx][ty] == 空;
             tx += kDirections[d][0], ty += kDirections[d][1]) {
            ++n;
        }
    }
    return n;
}

int handValue(const Hand& hand) {
    int v = 0;
    for (int k = 1; k <= kHandSize; ++k) {
        if (hand[k] > 0) v += hand[k] * kValue[kHandKind[k]];
    }
    return v * kHandPercent / 100;
}

}  // namespace

int materialValue(int k) {
    return isKind(k) ? kValue[k] : 0;
}

Kings findKings(const Position& pos) {
    Kings kings;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (isKingKind(magnitude(c))) kings.side[c > 0 ? 1 : 0] = KingSquare{x, y};
        }
    }
    return kings;
}

int positionScore(const Position& pos, const DropRights& drops) {
    return positionScore(pos, drops, findKings(pos));
}

int positionScore(const Position& pos, const DropRights& drops, const Kings& kings) {
    int score = 0;
    // Pieces within two squares of the other army's king, per army (index 0 bottom, 1 top).
    int attackers[2] = {0, 0};
    for (int x = 1; x <= 9; ++x) {
        const auto& column = pos.board.sq[x];
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = column[y];
            if (c == 空) continue;
            const int k = magnitude(c);
            if (isKingKind(k)) continue;
            const int side = c > 0 ? 1 : 0;
            int v = kRowTerms[c + kind::count][y];
            const KingSquare& their = kings.side[1 - side];
            const KingSquare& our = kings.side[side];
            if (their.x != 0) {
                const int d = chebyshev(x, y, their.x, their.y);
                v += kPressureAt[d];
                if (d <= 2) ++attackers[side];
            }
            switch (k) {
                case kind::車:
                case kind::飛:
                case kind::飛成:
                    // A long-range piece on the king's line.
                    if (their.x != 0 && (x == their.x || y == their.y)) v += kRookOnKingLine;
                    v += kReachStraight * reach(pos.board, x, y, true, false);
                    break;
                case kind::角:
                case kind::角成:
                    v += kReachDiagonal * reach(pos.board, x, y, false, true);
                    break;
                default:
                    break;
            }
            if (our.x != 0) v += kGuardAt[chebyshev(x, y, our.x, our.y)];
            score += side == 1 ? v : -v;
        }
    }
    score += kSiege[std::min(attackers[1], 6)] - kSiege[std::min(attackers[0], 6)];
    if (drops.top) score += handValue(pos.enemyHand);
    if (drops.bottom) score -= handValue(pos.ownHand);
    return score;
}

}  // namespace com
