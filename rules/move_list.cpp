#include "rules/move_list.h"

#include <array>
#include <bit>
#include <cstdint>

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

// The steps a kind tries from its square, in the order its moves are listed: the one-step
// pieces' neighbours, the jumps, and the single steps a promoted 飛 or 角 adds to its lines.
struct StepList {
    const Step* steps = nullptr;
    int count = 0;
};
constexpr StepList stepsOf(int k) {
    switch (k) {
        case kind::香:
        case kind::飛:
        case kind::車:
        case kind::砲:
        case kind::角:
            return {};
        case kind::飛成:
            return {kDiagonal, 4};
        case kind::角成:
            return {kOrthogonal, 4};
        case kind::桂:
        case kind::馬:
            return {kJumps, 8};
        case kind::象:
            return {kElephant, 4};
        default:  // every one-step piece
            return {kNeighbours, 8};
    }
}

// For every code and square, which of its steps stay on the board and fit its pattern (a 金's
// sides, a 士's palace, a 象's own half, a 卒's sideways steps past the river): read once from
// the move check on an empty board. What the board adds is tested as the moves are listed: the
// destination's piece, and the square a 馬 or 象 passes. With them, whether a code ever
// promotes, read from the promotion rule.
struct StepMasks {
    std::uint8_t bits[2 * kind::count + 1][100] = {};
    bool promotes[2 * kind::count + 1] = {};

    StepMasks() {
        Position empty;
        for (PieceCode c = -kind::count; c <= kind::count; ++c) {
            if (c == 空) continue;
            for (int y = 1; y <= 9; ++y) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (調査_駒成(empty, 5, y, 5, ty, c) == 1) promotes[c + kind::count] = true;
                }
            }
            const StepList list = stepsOf(magnitude(c));
            for (int x = 1; x <= 9; ++x) {
                for (int y = 1; y <= 9; ++y) {
                    std::uint8_t& b = bits[c + kind::count][x * 10 + y];
                    for (int i = 0; i < list.count; ++i) {
                        const int tx = x + list.steps[i].dx, ty = y + list.steps[i].dy;
                        if (移動チェック(empty, x, y, tx, ty, c) == 1) b |= 1u << i;
                    }
                }
            }
        }
    }
};

// The squares within two steps of each square, [x * 10 + y]: every step and jump lands among them.
constexpr auto kWithinTwo = [] {
    std::array<SquareSet, 100> t{};
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            for (int tx = x - 2; tx <= x + 2; ++tx) {
                for (int ty = y - 2; ty <= y + 2; ++ty) {
                    if (Board::onBoard(tx, ty)) t[x * 10 + y].add(tx, ty);
                }
            }
        }
    }
    return t;
}();

const StepMasks& stepMasks() {
    static const StepMasks masks;
    return masks;
}

// Collects the moves of one army into a bounded buffer.
class Writer {
  public:
    // theirs: the squares the other army holds.
    Writer(Position& pos, const MoveFilter& filter, const SquareSet& theirs, Move* out,
           int capacity)
        : pos_(pos),
          filter_(filter),
          theirs_(theirs),
          out_(out),
          capacity_(capacity),
          masks_(stepMasks()) {}

    int count() const { return n_; }

    void push(int fx, int fy, int tx, int ty, PieceCode before, PieceCode after) {
        if (n_ >= capacity_) return;
        out_[n_++] = makeMove(fx, fy, tx, ty, before, after);
    }

    // A destination the piece may move to: the promotion choices are added.
    void add(int fx, int fy, int tx, int ty, PieceCode code) {
        if (!masks_.promotes[code + kind::count] || 調査_駒成(pos_, fx, fy, tx, ty, code) == 0) {
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

    // The steps of kind k's list the piece's pattern allows from (x, y), onto an empty square or
    // the other army's piece; with legs, a 馬's leg and a 象's eye empty. Always inlined: a call
    // for every piece costs as much as walking its few steps.
    template <bool kLegs>
    [[gnu::always_inline]] void steps(int x, int y, PieceCode code, int k) {
        // Nothing to take within a step or a jump.
        if (filter_.capturesOnly && !kWithinTwo[x * 10 + y].meets(theirs_)) return;
        const Step* list = stepsOf(k).steps;
        const unsigned mask = masks_.bits[code + kind::count][x * 10 + y];
        for (unsigned rest = mask; rest != 0; rest &= rest - 1) {
            const int i = std::countr_zero(rest);
            const int dx = list[i].dx, dy = list[i].dy;
            const int tx = x + dx, ty = y + dy;
            const PieceCode dest = pos_.board(tx, ty);
            if (dest == 空 ? filter_.capturesOnly : (dest > 0) == (code > 0)) continue;
            if constexpr (kLegs) {
                if (k == kind::馬) {
                    // The leg is the orthogonal square next to the 馬 on the jump's long side.
                    const bool across = dx == 2 || dx == -2;
                    if (pos_.board(across ? x + dx / 2 : x, across ? y : y + dy / 2) != 空)
                        continue;
                } else if (pos_.board(x + dx / 2, y + dy / 2) != 空) {
                    continue;
                }
            }
            add(x, y, tx, ty, code);
        }
    }

    // Along each direction over the empty squares, up to and including the first piece met
    // when it is the other army's.
    void rays(int x, int y, PieceCode code, const Step* s, int n) {
        for (int i = 0; i < n; ++i) ray(x, y, code, s[i]);
    }

    void ray(int x, int y, PieceCode code, Step s) {
        int tx = x + s.dx, ty = y + s.dy;
        for (; Board::onBoard(tx, ty) && pos_.board(tx, ty) == 空; tx += s.dx, ty += s.dy) {
            if (!filter_.capturesOnly) add(x, y, tx, ty, code);
        }
        if (Board::onBoard(tx, ty) && (pos_.board(tx, ty) > 0) != (code > 0))
            add(x, y, tx, ty, code);
    }

    // A 砲 slides over empty squares and captures the first piece beyond one screen.
    void cannon(int x, int y, PieceCode code) {
        for (const Step& s : kOrthogonal) {
            int tx = x + s.dx, ty = y + s.dy;
            for (; Board::onBoard(tx, ty) && pos_.board(tx, ty) == 空; tx += s.dx, ty += s.dy) {
                if (!filter_.capturesOnly) add(x, y, tx, ty, code);
            }
            if (!Board::onBoard(tx, ty)) continue;
            tx += s.dx, ty += s.dy;
            while (Board::onBoard(tx, ty) && pos_.board(tx, ty) == 空) tx += s.dx, ty += s.dy;
            if (Board::onBoard(tx, ty) && (pos_.board(tx, ty) > 0) != (code > 0)) {
                add(x, y, tx, ty, code);
            }
        }
    }

    void piece(int x, int y, PieceCode code) {
        switch (magnitude(code)) {
            case kind::香:
                // Forward only: up for the bottom army.
                ray(x, y, code, code < 0 ? kOrthogonal[0] : kOrthogonal[3]);
                break;
            case kind::飛:
            case kind::車:
                rays(x, y, code, kOrthogonal, 4);
                break;
            case kind::砲:
                cannon(x, y, code);
                break;
            case kind::角:
                rays(x, y, code, kDiagonal, 4);
                break;
            case kind::飛成:
                rays(x, y, code, kOrthogonal, 4);
                steps<false>(x, y, code, kind::飛成);
                break;
            case kind::角成:
                rays(x, y, code, kDiagonal, 4);
                steps<false>(x, y, code, kind::角成);
                break;
            case kind::馬:
            case kind::象:
                steps<true>(x, y, code, magnitude(code));
                break;
            default:
                steps<false>(x, y, code, magnitude(code));
                break;
        }
    }

    void drops(int army, const SquareSet& empty) {
        const Hand& hand = army > 0 ? pos_.enemyHand : pos_.ownHand;
        const int fromX = army > 0 ? kTopHandX : kBottomHandX;
        for (int k = 1; k <= kHandSize; ++k) {
            if (hand[k] <= 0) continue;
            const PieceCode code = army * kHandKind[k];
            // Only 歩, 香 and 桂 have squares of their own to ask about; any other piece of the
            // army's own hand may land on every empty square.
            const int held = kHandKind[k];
            const bool restricted = held == kind::歩 || held == kind::香 || held == kind::桂;
            empty.forEach([&](int x, int y) {
                if (!restricted || 移動チェック(pos_, fromX, k, x, y, code) == 1)
                    push(fromX, k, x, y, code, code);
            });
        }
    }

  private:
    Position& pos_;
    const MoveFilter& filter_;
    const SquareSet& theirs_;
    Move* out_;
    int capacity_;
    const StepMasks& masks_;
    int n_ = 0;
};

}  // namespace

bool armyMayDrop(const Position& pos, int army, bool chineseDrops) {
    const SideId side = army > 0 ? pos.topSide : pos.bottomSide;
    return side == SENTE || chineseDrops;
}

int generateMoves(Position& pos, int army, const MoveFilter& filter, Move* out, int capacity) {
    return generateMoves(pos, army, filter, occupancyOf(pos.board), out, capacity);
}

int generateMoves(Position& pos, int army, const MoveFilter& filter, const Occupancy& occupied,
                  Move* out, int capacity) {
    Writer w(pos, filter, occupied.army[army > 0 ? 0 : 1], out, capacity);
    occupied.army[army > 0 ? 1 : 0].forEach([&](int x, int y) { w.piece(x, y, pos.board(x, y)); });
    if (filter.drops && !filter.capturesOnly) w.drops(army, occupied.empty());
    return w.count();
}

}  // namespace rules
