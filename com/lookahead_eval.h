// The position score of the level that looks ahead: material on the board and in the hands
// (a piece in hand counts only for an army that may drop it), and a few placement terms.
// Cheap enough to run at every leaf of the search.
#pragma once

#include <cstdint>

#include "com/lookahead_weights.h"
#include "rules/move_list.h"
#include "rules/position.h"

namespace com {

// Material value of a kind (magnitude of a code) in hundredths of a 歩; kings are 0.
inline int materialValue(int kind) {
    return rules::isKind(kind) ? weights::kValue[kind] : 0;
}

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

// The score's sums kept up to date as a search makes moves: a move changes them only where its
// piece leaves, lands and takes (a king's move changes them all), and the reach of the
// long-range pieces only where their lines pass through the squares it left or reached.
struct RunningScore {
    static constexpr int kLinePieces = 8;
    // Every term of the pieces but their reach, the top army's minus the bottom's.
    int pieces = 0;
    // Pieces within two squares of the other army's king: [0] the bottom army's, [1] the top's.
    int near[2] = {0, 0};
    // The values of the pieces in hand: [0] ownHand, [1] enemyHand.
    int hands[2] = {0, 0};
    // Squares of the 車, 飛 and 角 (promoted or not), the reach term of each and their total;
    // lineCount -1 when too many to keep.
    int lineCount = 0;
    std::int8_t lines[kLinePieces][2] = {};
    int lineReach[kLinePieces] = {};
    int reach = 0;
};
RunningScore runningScore(const rules::Position& pos, const Kings& kings);
// s, kept for the position before m, made for after (the position m made, with the squares its
// armies hold and its kings); captured is what stood on m's destination.
void updateRunningScore(RunningScore& s, const rules::Position& after,
                        const rules::Occupancy& occupied, const Kings& kings, const rules::Move& m,
                        rules::PieceCode captured);
// The score of pos from its running sums: the same as positionScore.
int positionScore(const rules::Position& pos, const DropRights& drops, const RunningScore& s);

}  // namespace com
