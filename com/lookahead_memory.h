// What the look-ahead search works in, laid out once in a SearchContext: one record per ply, the
// stack of generated moves, the table of positions already searched, and the history of cuts.
#pragma once

#include <cstdint>

#include "com/lookahead_eval.h"
#include "com/search_context.h"
#include "rules/move_list.h"
#include "rules/position.h"

namespace com {

constexpr int kMaxPly = 40;
// Every ply may hold a whole list of moves at once, so the stack never runs out.
constexpr int kMoveStackSize = (kMaxPly + 1) * rules::kMaxMoves;
constexpr std::size_t kTableSize = 1 << 16;

// One ply of the line being searched: the position, the squares each army holds, its kings, its
// score's running sums, its key (with the army to move) and the two quiet moves that last made a
// cut at this ply. With them, the move that made the position (byMove false for the root and
// after a pass) and whether the army to move is in check (-1 until asked).
struct Ply {
    rules::Position pos;
    rules::Occupancy occupied;
    Kings kings;
    RunningScore running;
    std::uint64_t key = 0;
    rules::Move killers[2];
    rules::Move move;
    bool byMove = false;
    std::int8_t checked = -1;
};

// A position searched before: its best move and score, and how far it was searched. An entry
// written by an earlier search (another age) counts as empty.
enum class Bound : std::int8_t { None, Exact, Lower, Upper };
struct TableEntry {
    std::uint64_t key = 0;
    int score = 0;
    rules::Move move;
    std::int8_t depth = 0;
    Bound bound = Bound::None;
    std::uint16_t age = 0;
};
static_assert(sizeof(TableEntry) == 24);

// A generated move with its ordering key.
struct Scored {
    rules::Move move;
    std::int64_t key = 0;
};

struct LookaheadMemory {
    Ply plies[kMaxPly + 1];
    Scored moves[kMoveStackSize];
    TableEntry table[kTableSize];
    rules::Move buffer[rules::kMaxMoves];
    int rootScore[rules::kMaxMoves];
    bool rootAtMost[rules::kMaxMoves];
    Scored sorted[rules::kMaxMoves];
    int sortedScore[rules::kMaxMoves];
    bool sortedAtMost[rules::kMaxMoves];
    int history[43][10][10];
    // The age of the table's entries the running search wrote.
    std::uint16_t age = 0;
};

}  // namespace com
