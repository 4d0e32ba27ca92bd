// Turning the board round: the bottom army goes to the top and the top army to the bottom.
#pragma once

#include "rules/position.h"

namespace rules {

// Rotates the board by 180 degrees and turns every piece's sign, so that the army now at the
// bottom carries the negative codes again; the two hands (and their totals) change places with
// their armies. Side ids are not touched: 調査_先手後手 reads them off the kings afterwards.
void flipPosition(Position& pos);

}  // namespace rules
