// Seeded random games as records: the same moves on every machine, for round trips and soaks.
#pragma once

#include <cstdint>

#include "record/move_list.h"

namespace testsupport {

// Entry 0 is the starting position; then up to `plies` moves chosen at random among those the
// rules allow the army to move (the shogi army first, drops of the Chinese army when `drops`),
// each with whole-second clocks that grow for the mover only. Ends early when a king is taken.
record::MoveList randomRecord(std::uint64_t seed, int plies, bool drops);

}  // namespace testsupport
