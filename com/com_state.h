// What the computer keeps during its turn for the evaluation of every candidate.
#pragma once

#include "com/influence_map.h"
#include "rules/position.h"

namespace com {

// The strength levels: group 1 of the evaluation always, group 2 from level 2, group 3 at
// level 3. Levels 4 and 5 look ahead with a search of their own (lookahead_search.h), level 5
// with a larger node budget, and read none of the groups.
constexpr int kMinLevel = 1;
constexpr int kMaxLevel = 5;
constexpr int kStartLevel = 3;
constexpr bool usesGroup2(int comLevel) {
    return comLevel >= 2;
}
constexpr bool usesGroup3(int comLevel) {
    return comLevel >= 3;
}

// Scores with a meaning of their own.
constexpr double kKingCaptureScore = 9999;   // the candidate takes the bottom king
constexpr double kMateScore = 9998;          // the candidate mates the bottom king
constexpr double kOwnKingLostScore = -9998;  // the candidate leaves the top king attacked
constexpr double kNoScoreYet = -99999;       // bestScore at the start of a turn

// One candidate of the top army: a board move or a drop (fromX = -1, fromY = hand index).
struct ComMove {
    int fromX = 0;
    int fromY = 0;
    int toX = 0;
    int toY = 0;
    rules::PieceCode before = 0;  // the piece before the move (for a drop: the dropped code)
    rules::PieceCode after = 0;   // the piece on arrival (differs when the move promotes)

    bool isDrop() const { return fromX == rules::kTopHandX; }
    bool operator==(const ComMove&) const = default;
};

struct ComState {
    // The position before the search, and the influence grids of that position.
    rules::Board boardBefore;
    InfluenceGrid ownAttacksBefore;
    InfluenceGrid enemyAttacksBefore;
    InfluenceGrid enemyAttackerXBefore;
    InfluenceGrid enemyAttackerYBefore;
    // Escape squares of the bottom king before the move.
    int ownKingEscapesBefore = 0;

    // Filled once per turn by the probes, read by every evaluation of the turn.
    InfluenceGrid ownPinned;      // 1 on a bottom piece shielding its king from a top slider
    int enemyPinnedAny = 0;       // 1 when some top piece shields the top 王 from a bottom slider
    InfluenceGrid bishopDropAim;  // 1 on an empty square from which a bottom 角 reaches the top 王

    // The candidate being tried.
    rules::PieceCode movingPiece = 0;  // before any promotion; for a drop the dropped code
    int kingDistance = 0;              // Chebyshev distance from a board move's origin to the
                                       // bottom king; drops leave it as it was

    // The best candidate so far.
    double bestScore = kNoScoreYet;
    ComMove best;
    bool hasBest = false;

    // Everything back to its value at program start.
    void reset() { *this = ComState{}; }

    bool operator==(const ComState&) const = default;
};

}  // namespace com
