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

// A king's square (x = 0 when the army has none).
struct KingSquare {
    int x = 0, y = 0;
    bool operator==(const KingSquare&) const = default;
};
// The kings of pos: [0] the bottom army's, [1] the top army's.
struct Kings {
    KingSquare side[2];
    bool operator==(const Kings&) const = default;
};
Kings findKings(const rules::Position& pos);

// The score of pos for the top army (positive = good for it), in hundredths of a 歩.
int positionScore(const rules::Position& pos, const DropRights& drops);
// The same with the kings' squares already known.
int positionScore(const rules::Position& pos, const DropRights& drops, const Kings& kings);

}  // namespace com
