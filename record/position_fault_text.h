// Why the game cannot hold a position, in words for the player.
#pragma once

#include <string>

#include "record/texts.h"
#include "rules/position_check.h"

namespace record {

// The reason, in the given translation (Japanese without one); empty for a sound position.
std::string describe(const rules::PositionFault& fault, const Translation& translation = {});

}  // namespace record
