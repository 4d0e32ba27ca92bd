// Every move one army may make, exactly those the game's own move check allows: board moves (with
// the promotion choices the move allows) and drops from the army's hand. The pieces' step
// patterns are read once from the move check; lines, screens and legs are walked on the board.
// The search of the strongest level and the match runner's random openings read it.
#pragma once

#include <cstdint>

#include "rules/position.h"
#include "rules/square_set.h"

namespace rules {

// One move in the coordinates of 駒移動: a drop has fromX = kTopHandX / kBottomHandX and fromY =
// the hand index. before is the moving piece (for a drop, the dropped code), after its code on
// arrival. Kept small: a search holds thousands of them.
struct Move {
    std::int8_t fromX = 0, fromY = 0, toX = 0, toY = 0;
    std::int8_t before = 0, after = 0;

    bool isDrop() const { return isDropFrom(fromX); }
    bool operator==(const Move&) const = default;
};

// Inline: the move list writes every move through it.
inline Move makeMove(int fromX, int fromY, int toX, int toY, PieceCode before, PieceCode after) {
    Move m;
    m.fromX = static_cast<std::int8_t>(fromX);
    m.fromY = static_cast<std::int8_t>(fromY);
    m.toX = static_cast<std::int8_t>(toX);
    m.toY = static_cast<std::int8_t>(toY);
    m.before = static_cast<std::int8_t>(before);
    m.after = static_cast<std::int8_t>(after);
    return m;
}

// The armies by the sign of their codes: +1 the top army, -1 the bottom army.
constexpr int kTopArmy = 1;
constexpr int kBottomArmy = -1;

// Whether the army may drop from its hand: the shogi army always, the Chinese army only with
// the drops option on.
bool armyMayDrop(const Position& pos, int army, bool chineseDrops);

struct MoveFilter {
    bool drops = true;          // the army may drop (see armyMayDrop)
    bool capturesOnly = false;  // only board moves that take a piece
    // A 歩, 角 or 飛 that may promote is offered promoted only: staying unpromoted never gains.
    // 香, 桂 and 銀 are offered both ways wherever both are allowed.
    bool promoteWhereNothingIsLost = true;
};

// Writes the army's moves to out (at most capacity of them, the rest are dropped) and returns how
// many were written. Board moves come first (from x outer, y inner), then drops (hand index
// ascending, squares x outer, y inner). The two-pawn tables of pos must describe its board
// (調査_2歩フラグ設定). pos.promotedCode is used as scratch.
int generateMoves(Position& pos, int army, const MoveFilter& filter, Move* out, int capacity);
// The same with the squares each army holds already known (occupied must describe pos.board).
int generateMoves(Position& pos, int army, const MoveFilter& filter, const Occupancy& occupied,
                  Move* out, int capacity);

// Upper bound of the moves one army can have, for the callers' buffers.
constexpr int kMaxMoves = 1600;

}  // namespace rules
