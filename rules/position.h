// The position: board, both hands and the values kept with them.
#pragma once

#include <array>

#include "rules/piece.h"

namespace rules {

// The 9×9 board addressed (x, y): x = column 1..9 from the left, y = row 1..9 from the top.
// Stored 10×10 so that the game's own 1-based coordinates index it directly; row and column 0 are
// never used.
struct Board {
    std::array<std::array<PieceCode, 10>, 10> sq{};

    PieceCode& operator()(int x, int y) { return sq[x][y]; }
    PieceCode operator()(int x, int y) const { return sq[x][y]; }

    static constexpr bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }
    // A square off the board reads as empty; it is never indexed.
    PieceCode get(int x, int y) const { return onBoard(x, y) ? sq[x][y] : 空; }

    bool operator==(const Board&) const = default;
};

// Counts of pieces in hand, index 1..13 (index 0 unused).
using Hand = std::array<int, kHandSize + 1>;

// Pawn-column flags, index 1..9 (index 0 unused).
using PawnFiles = std::array<int, 10>;

struct Position {
    Board board;
    Hand ownHand{};    // the bottom army's hand: captured top-army pieces
    Hand enemyHand{};  // the top army's hand: captured bottom-army pieces
    int ownHandTotal = 0;
    int enemyHandTotal = 0;

    SideId bottomSide = SENTE;
    SideId topSide = GOTE;
    SideId winnerSide = 0;  // set when a king is captured

    int ownKingX = 0;  // square of the bottom army's king
    int ownKingY = 0;

    PawnFiles ownPawnFiles{};
    PawnFiles enemyPawnFiles{};
    PieceCode promotedCode = 0;  // left by 調査_駒成 for its caller

    bool operator==(const Position&) const = default;
};

// Sum of the positive entries 1..13 of a hand.
int handSum(const Hand& hand);

}  // namespace rules
