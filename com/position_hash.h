// A 64-bit key of a position, the army to move and the armies' right to drop, for the look-ahead
// search's table of positions already searched. Equal positions give equal keys; different ones
// almost never do. The key is a sum (exclusive or) of one fixed number per piece on a square, per
// hand count and for the top army to move, so the search updates it as a move is made.
#pragma once

#include <cstdint>

#include "com/lookahead_eval.h"
#include "rules/move_list.h"
#include "rules/position.h"

namespace com {

std::uint64_t positionKey(const rules::Position& pos, int army, const DropRights& drops);

// The key of `after`, which `before` (whose key for its army to move is `key`) becomes by the move
// m of that army: only the squares and the hand counts a move can change are read.
std::uint64_t keyAfterMove(std::uint64_t key, const rules::Position& before,
                           const rules::Position& after, const rules::Move& m);

// The parts of the key.
// A code standing on a square (0 for an empty one).
std::uint64_t squareKey(int x, int y, rules::PieceCode code);
// count pieces of hand index k in the bottom army's hand (ownHand, hand 0) or the top army's
// (enemyHand, hand 1); 0 for none.
std::uint64_t handKey(int hand, int k, int count);
// Exchanged when the army to move changes.
constexpr std::uint64_t kTopToMoveKey = 0x243f6a8885a308d3ULL;

}  // namespace com
