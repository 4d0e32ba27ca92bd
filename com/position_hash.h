// A 64-bit key of a position and the army to move, for the look-ahead search's table of positions
// already searched. Equal positions give equal keys; different ones almost never do.
#pragma once

#include <cstdint>

#include "rules/position.h"

namespace com {

std::uint64_t positionKey(const rules::Position& pos, int army);

}  // namespace com
