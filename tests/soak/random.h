// The soak's random stream: small, fast and the same on every machine, so a seed and a game
// number replay the same game anywhere.
#pragma once

#include <cstdint>

#include "tools/seeded_random.h"

namespace soak {

using Random = tools::Random;

// The seed of one game of a run: the run's seed and the game's number mixed.
inline std::uint64_t gameSeed(std::uint64_t runSeed, std::uint64_t game) {
    Random r(runSeed * 0x100000001B3ull ^ (game + 0x632BE59BD9B4E019ull));
    r.next();
    return r.next();
}

}  // namespace soak
