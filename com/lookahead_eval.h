// The position score of the level that looks ahead: material on the board and in the hands
// (a piece in hand counts only for an army that may drop it), and a few placement terms.
// Cheap enough to run at every leaf of the search.
#pragma once

#include "rules/position.h"

namespace com {

// Material value of a kind (magnitude of a code) in hundredths of a 歩; kings are 0.
int materialValue(int kind);

// Which armies may drop from their hands, fixed for a search.
struct DropRights {
    bool top = false;
    bool bottom = false;
};

// The score of pos for the top army (positive = good for it), in hundredths of a 歩.
int positionScore(const rules::Position& pos, const DropRights& drops);

}  // namespace com
