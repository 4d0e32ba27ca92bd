#include "rules/move_list.h"

#include "rules/move_check.h"
#include "rules/promotion.h"

namespace rules {
namespace {

struct Step {
    int dx, dy;
};
constexpr Step kNeighbours[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
constexpr Step kOrthogonal[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
constexpr Step kDiagonal[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
constexpr Step kJumps[] = {{-1, -2}, {1, -2}, {-2, -1}, {2, -1}, {-2, 1}, {2, 1}, {-1, 2}, {1, 2}};
constexpr Step kElephant[] = {{-2, -2}, {2, -2}, {-2, 2}, {2, 2}};

// Collects the moves of one army into a bounded buffer.
class Writer {
  public:
    Writer(Position& pos, const MoveFilter& filter, Move* out, int capacity)
        : pos_(pos), filter_(filter), out_(out), capacity_(capacity) {}

    int count() const { return n_; }

    void push(int fx, int fy, int tx, int ty, PieceCode before, PieceCode after) {
        if (n_ < capacity_) out_[n_++] = makeMove(fx, fy, tx, ty, before, after);
    }

    // A destination the piece's pattern may reach: the game's move check decides, then the
    // promotion choices are added.
    void tryBoardMove(int fx, int fy, int tx, int ty, PieceCode code) {
        if (!Board::onBoard(tx, ty)) return;
        const PieceCode dest = pos_.board(tx, ty);
        if (filter_.capturesOnly && (dest == 空 || (dest > 0) == (code > 0))) return;
        if (移動チェック(pos_, fx, fy, tx, ty, code) != 1) return;
        if (調査_駒成(pos_, fx, fy, tx, ty, code) == 0) {
            push(fx, fy, tx, ty, code, code);
            return;
        }
        const PieceCode promoted = pos_.promotedCode;
        push(fx, fy, tx, ty, code, promoted);
        const int k = magnitude(code);
        const bool gainsNothing = k == kind::歩 || k == kind::角 || k == kind::飛;
        if (移動後チェック(ty, code) == 1 && !(filter_.promoteWhereNothingIsLost && gainsNothing)) {
            push(fx, fy, tx, ty, code, code);
        }
    }

    void steps(int x, int y, PieceCode code, const Step* s, int n) {
        for (int i = 0; i < n; ++i) tryBoardMove(x, y, x + s[i].dx, y + s[i].dy, code);
    }

    // Along each direction up to and including the first piece met (or to the edge when
    // throughScreens: a 砲 captures beyond one piece).
    void rays(int x, int y, PieceCode code, const Step* s, int n, bool throughScreens) {
        for (int i = 0; i < n; ++i) {
            for (int tx = x + s[i].dx, ty = y + s[i].dy; Board::onBoard(tx, ty);
                 tx += s[i].dx, ty += s[i].dy) {
                tryBoardMove(x, y, tx, ty, code);
                if (!throughScreens && pos_.board(tx, ty) != 空) break;
            }
        }
    }

    void piece(int x, int y, PieceCode code) {
        switch (magnitude(code)) {
            case kind::香:
            case kind::飛:
            case kind::車:
                rays(x, y, code, kOrthogonal, 4, false);
                break;
            case kind::砲:
                rays(x, y, code, kOrthogonal, 4, true);
                break;
            case kind::角:
                rays(x, y, code, kDiagonal, 4, false);
                break;
            case kind::飛成:
                rays(x, y, code, kOrthogonal, 4, false);
                steps(x, y, code, kDiagonal, 4);
                break;
            case kind::角成:
                rays(x, y, code, kDiagonal, 4, false);
                steps(x, y, code, kOrthogonal, 4);
                break;
            case kind::桂:
            case kind::馬:
                steps(x, y, code, kJumps, 8);
                break;
            case kind::象:
                steps(x, y, code, kElephant, 4);
                break;
            default:  // every one-step piece
                steps(x, y, code, kNeighbours, 8);
                break;
        }
    }

    void drops(int army) {
        const Hand& hand = army > 0 ? pos_.enemyHand : pos_.ownHand;
        const int fromX = army > 0 ? kTopHandX : kBottomHandX;
        for (int k = 1; k <= kHandSize; ++k) {
            if (hand[k] <= 0) continue;
            const PieceCode code = army * kHandKind[k];
            for (int x = 1; x <= 9; ++x) {
                for (int y = 1; y <= 9; ++y) {
                    if (pos_.board(x, y) != 空) continue;
                    if (移動チェック(pos_, fromX, k, x, y, code) == 1)
                        push(fromX, k, x, y, code, code);
                }
            }
        }
    }

  private:
    Position& pos_;
    const MoveFilter& filter_;
    Move* out_;
    int capacity_;
    int n_ = 0;
};

}  // namespace

Move makeMove(int fromX, int fromY, int toX, int toY, PieceCode before, PieceCode after) {
    Move m;
    m.fromX = static_cast<std::int8_t>(fromX);
    m.fromY = static_cast<std::int8_t>(fromY);
    m.toX = static_cast<std::int8_t>(toX);
    m.toY = static_cast<std::int8_t>(toY);
    m.before = static_cast<std::int8_t>(before);
    m.after = static_cast<std::int8_t>(after);
    return m;
}

bool armyMayDrop(const Position& pos, int army, bool chineseDrops) {
    const SideId side = army > 0 ? pos.topSide : pos.bottomSide;
    return side == SENTE || chineseDrops;
}

int generateMoves(Position& pos, int army, const MoveFilter& filter, Move* out, int capacity) {
    Writer w(pos, filter, out, capacity);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const PieceCode c = pos.board(x, y);
            if (c != 空 && (c > 0) == (army > 0)) w.piece(x, y, c);
        }
    }
    if (filter.drops && !filter.capturesOnly) w.drops(army);
    return w.count();
}

}  // namespace rules
