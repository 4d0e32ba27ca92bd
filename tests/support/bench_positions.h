// The benchmark's positions (bench/data/positions.txt), read as the engine and the benchmarks
// read them: sides, totals, hands and the bottom king's square set.
#pragma once

#include <vector>

#include "rules/position.h"

namespace testsupport {

std::vector<rules::Position> benchPositions();

}  // namespace testsupport
