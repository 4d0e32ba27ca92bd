#include "com/lookahead_eval.h"

#include <array>
#include <cstdlib>

namespace com {
namespace {

using namespace rules;

// Values by kind, index = magnitude.
constexpr std::array<int, kind::count + 1> kValue = {
    0,
    100,   // 歩
    550,   // と
    110,   // 卒
    300,   // 香
    550,   // 香成
    350,   // 桂
    550,   // 桂成
    950,   // 車
    500,   // 銀
    550,   // 銀成
    420,   // 馬
    250,   // 象
    550,   // 金
    750,   // 角
    1000,  // 角成
    950,   // 飛
    1200,  // 飛成
    230,   // 士
    550,   // 砲
    0,     // 王
    0,     // 将
};

// A piece near the other army's king presses it; one near its own king guards it. Indexed by
// the Chebyshev distance.
constexpr std::array<int, 4> kPressure = {0, 30, 20, 10};
constexpr std::array<int, 3> kGuard = {0, 12, 6};

// A piece in hand is a little more than one on the board: it can land anywhere.
constexpr int kHandPercent = 105;

int chebyshev(int x1, int y1, int x2, int y2) {
    const int dx = std::abs(x1 - x2);
    const int dy = std::abs(y1 - y2);
    return dx > dy ? dx : dy;
}

// Rows a 歩 or 卒 has come forward, seen from its own army.
int advance(PieceCode c, int y) {
    return c > 0 ? y : 10 - y;
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

int positionScore(const Position& pos, const DropRights& drops) {
    int topKingX = 0, topKingY = 0, bottomKingX = 0, bottomKingY = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (!isKingKind(magnitude(c))) continue;
            if (c > 0) {
                topKingX = x, topKingY = y;
            } else {
                bottomKingX = x, bottomKingY = y;
            }
        }
    }

    int score = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c == 空) continue;
            const int k = magnitude(c);
            if (isKingKind(k)) continue;
            const int sign = c > 0 ? 1 : -1;
            int v = kValue[k];
            const int theirX = c > 0 ? bottomKingX : topKingX;
            const int theirY = c > 0 ? bottomKingY : topKingY;
            const int ourX = c > 0 ? topKingX : bottomKingX;
            const int ourY = c > 0 ? topKingY : bottomKingY;
            if (theirX != 0) {
                const int d = chebyshev(x, y, theirX, theirY);
                if (d < static_cast<int>(kPressure.size())) v += kPressure[d];
            }
            if (ourX != 0) {
                const int d = chebyshev(x, y, ourX, ourY);
                if (d < static_cast<int>(kGuard.size())) v += kGuard[d];
            }
            if (k == kind::歩) v += 4 * (advance(c, y) - 3);
            if (k == kind::卒) {
                // From its start on the fourth row; on the last three it also steps sideways.
                const int rows = advance(c, y) - 4;
                v += 10 * rows + (rows >= 3 ? 30 : 0);
            }
            score += sign * v;
        }
    }
    if (drops.top) score += handValue(pos.enemyHand);
    if (drops.bottom) score -= handValue(pos.ownHand);
    return score;
}

}  // namespace com
