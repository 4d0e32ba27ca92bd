// The benchmark's positions (bench/data/positions.txt), each with its sides, totals and hands set.
#pragma once

#include <vector>

#include "rules/position.h"

namespace testsupport {

std::vector<rules::Position> benchPositions();

}  // namespace testsupport
