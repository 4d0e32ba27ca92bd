// The look-ahead score taken apart: for each weight of com/lookahead_weights.h, the count or sum
// it multiplies in a position, so that a fitting tool can learn the weights from played games.
// scoreOf() puts the terms back together exactly as positionScore() scores the position.
#pragma once

#include <array>
#include <string>

#include "com/lookahead_eval.h"
#include "rules/position.h"

namespace com {

// One slot per weight of the table, in the table's order.
namespace slot {
constexpr int kValue = 0;                                   // kValue[kind], kinds 0..21
constexpr int kPressure = kValue + rules::kind::count + 1;  // kPressure[distance], 0..4
constexpr int kGuard = kPressure + 5;                       // kGuard[distance], 0..2
constexpr int kSiege = kGuard + 3;                          // kSiege[attackers], 0..6
constexpr int kHandPercent = kSiege + 7;
constexpr int kRookOnKingLine = kHandPercent + 1;
constexpr int kReachStraight = kRookOnKingLine + 1;
constexpr int kReachDiagonal = kReachStraight + 1;
constexpr int kPawnAdvance = kReachDiagonal + 1;
constexpr int kChineseAdvance = kPawnAdvance + 1;
constexpr int kSoldierAdvance = kChineseAdvance + 1;
constexpr int kSoldierLastRows = kSoldierAdvance + 1;
constexpr int count = kSoldierLastRows + 1;
}  // namespace slot

template <typename T>
using WeightVector = std::array<T, slot::count>;

// The table as it stands in the code.
WeightVector<int> currentWeights();
// A slot's name as the table writes it: "kValue[3]", "kHandPercent".
std::string weightName(int slot);

// A position's terms from the top army's side. Every weight but kHandPercent multiplies its
// count in `counts` (the top army's minus the bottom army's); the hands that count (an army that
// may drop) are kept whole, because their value is scaled by kHandPercent and cut to a whole
// hundredth per army.
struct LookaheadTerms {
    WeightVector<int> counts{};
    rules::Hand topHand{};
    rules::Hand bottomHand{};
};

LookaheadTerms lookaheadTerms(const rules::Position& pos, const DropRights& drops);

// The score of the terms with the weights w: with the table's whole numbers it equals
// positionScore(); with reals it is the smooth score a fit works on.
template <typename T>
T handScore(const rules::Hand& hand, const WeightVector<T>& w) {
    T v = 0;
    for (int k = 1; k <= rules::kHandSize; ++k) {
        if (hand[k] > 0) v += hand[k] * w[slot::kValue + rules::kHandKind[k]];
    }
    return v * w[slot::kHandPercent] / 100;
}

template <typename T>
T scoreOf(const LookaheadTerms& t, const WeightVector<T>& w) {
    T score = 0;
    for (int i = 0; i < slot::count; ++i) score += w[i] * t.counts[i];
    return score + handScore(t.topHand, w) - handScore(t.bottomHand, w);
}

// What the smooth score gains per unit of each weight at w: the counts, the hands' pieces
// scaled by kHandPercent, and for kHandPercent the hands' value per percent.
WeightVector<double> scoreGradient(const LookaheadTerms& t, const WeightVector<double>& w);

}  // namespace com
