#include "com/probes.h"

#include <cstdlib>

#include "com/grid_read.h"
#include "rules/move_check.h"

namespace com {

using rules::Board;
using rules::PieceCode;

namespace {

// The long-range pieces whose line a piece can shield a king from.
bool isTopSlider(PieceCode c) {
    return c == rules::敵香 || c == rules::敵角 || c == rules::敵角成 || c == rules::敵飛 ||
           c == rules::敵飛成;
}
bool isBottomSlider(PieceCode c) {
    return c == rules::自香 || c == rules::自角 || c == rules::自角成 || c == rules::自飛 ||
           c == rules::自飛成;
}

// Squares of one army's sliders, in scan order.
struct SliderList {
    int n = 0;
    int x[81];
    int y[81];
};

// True when one of the sliders could move onto (kx, ky) on the board as it stands.
bool anyReaches(const rules::Position& pos, const SliderList& sliders, int kx, int ky) {
    for (int i = 0; i < sliders.n; ++i) {
        const int a = sliders.x[i];
        const int b = sliders.y[i];
        if (rules::移動チェック(pos, a, b, kx, ky, pos.board(a, b)) == 1) return true;
    }
    return false;
}

}  // namespace

void 調査_移動不可駒(rules::Position& pos, const InfluenceMap& map, ComState& state) {
    state.enemyPinnedAny = 0;
    // Lifting one army's piece never moves the other army's sliders, so they are listed once.
    SliderList top;
    SliderList bottom;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            const PieceCode c = pos.board(a, b);
            if (isTopSlider(c)) {
                top.x[top.n] = a;
                top.y[top.n++] = b;
            } else if (isBottomSlider(c)) {
                bottom.x[bottom.n] = a;
                bottom.y[bottom.n++] = b;
            }
        }
    }
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            state.ownPinned(x, y) = 0;
            const PieceCode s = pos.board(x, y);
            if (s == rules::空) continue;
            pos.board(x, y) = rules::空;
            if (rules::isBottom(s)) {
                if (anyReaches(pos, top, pos.ownKingX, pos.ownKingY)) state.ownPinned(x, y) = 1;
            } else if (state.enemyPinnedAny == 0) {
                if (anyReaches(pos, bottom, map.enemyKingX, map.enemyKingY)) {
                    state.enemyPinnedAny = 1;
                }
            }
            pos.board(x, y) = s;
        }
    }
}

void 調査_持角狙座標(const rules::Position& pos, const InfluenceMap& map, ComState& state) {
    const int kx = map.enemyKingX;
    const int ky = map.enemyKingY;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            state.bishopDropAim(x, y) = 0;
            if (pos.board(x, y) != rules::空) continue;
            const int guards = map.enemyAttacks(x, y);
            const bool besideKing = std::abs(x - kx) < 2 && std::abs(y - ky) < 2;
            if (guards != 0 && !(guards == 1 && besideKing)) continue;
            if (rules::移動チェック(pos, x, y, kx, ky, rules::自角) == 1)
                state.bishopDropAim(x, y) = 1;
        }
    }
}

int 調査_移動可場所数(const rules::Position& pos, const InfluenceMap& map, int x, int y,
                      PieceCode c) {
    if (c == rules::空) return 0;
    // A square is safe when the army the piece does not belong to leaves it unattacked.
    const InfluenceGrid& other = rules::isTop(c) ? map.ownAttacks : map.enemyAttacks;
    int count = 0;
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            if (other(a, b) == 0 && rules::移動チェック(pos, x, y, a, b, c) == 1) ++count;
        }
    }
    return count;
}

int 調査_周辺状況(const Board& board, int x, int y) {
    int r = 0;
    for (int a = x - 1; a <= x + 1; ++a) {
        for (int b = y - 1; b <= y + 1; ++b) {
            if (!Board::onBoard(a, b) || (a == x && b == y)) continue;
            if (board(a, b) >= rules::敵角) --r;
        }
    }
    return r;
}

int 調査_自守駒MAN_直進駒(rules::Position& pos, int x, int y) {
    if (!Board::onBoard(x, y)) return 0;
    const PieceCode lifted = pos.board(x, y);
    pos.board(x, y) = rules::空;
    int result = 0;
    for (int k = y + 1; k <= 9; ++k) {
        const PieceCode c = pos.board(x, k);
        if (rules::isTop(c)) break;
        if (c == rules::自香 || c == rules::自飛 || c == rules::自飛成) {
            result = rules::移動チェック(pos, x, k, x, y, c) == 1 ? 1 : 0;
            break;
        }
    }
    pos.board(x, y) = lifted;
    return result;
}

namespace {
// The cheapest bottom attacker of (x, y) is a 角, 角成, 飛 or 飛成.
bool attackedByLongPiece(const InfluenceMap& map, int x, int y) {
    const int a = at(map.ownAttacker, x, y);
    return a >= rules::自飛成 && a <= rules::自角;
}
}  // namespace

int 調査_香狙い(const rules::Position& pos, const InfluenceMap& map, int x, int y) {
    if (y <= 6) return 0;
    if (!(at(map.enemyAttacks, x, y - 1) > 0 && at(map.ownAttacks, x, y - 1) == 0)) return 0;
    if (!attackedByLongPiece(map, x, y)) return 0;
    for (int k = y + 1; k <= 9; ++k) {
        const PieceCode c = pos.board.get(x, k);
        if (c == rules::空) continue;
        return rules::移動チェック(pos, x, y, x, k, rules::敵香) == 1 ? rules::magnitude(c) : 0;
    }
    return 0;
}

int 調査_桂狙い(const rules::Position& pos, const InfluenceMap& map, int x, int y) {
    if (!attackedByLongPiece(map, x, y) || y <= 5) return 0;
    const Board& b = pos.board;
    const int attackerX = at(map.ownAttackerX, x, y);
    int r = 0;
    if (x > 2 && b.get(x - 1, y - 2) == rules::空 && at(map.ownAttacks, x - 1, y - 2) == 0 &&
        b.get(x - 2, y) <= rules::自角 && attackerX != x - 2) {
        r += rules::magnitude(b.get(x - 2, y));
    }
    if (x < 8 && b.get(x + 1, y - 2) == rules::空 && at(map.ownAttacks, x + 1, y - 2) == 0 &&
        b.get(x + 2, y) <= rules::自角 && attackerX != x + 2) {
        r += rules::magnitude(b.get(x + 2, y));
    }
    return r;
}

}  // namespace com
